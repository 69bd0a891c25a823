#include "panels/palette_panel.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "canvas/canvas_panel.h"
#include "document/layout_file.h"
#include "frame/main_frame.h"
#include "gui_support.h"
#include "panels/palette_groups.h"
#include "panels/track_icon_grid.h"

namespace fs = std::filesystem;

namespace {

PlacedPiece straight(uint32_t id, double x, double y, bool selected) {
    PlacedPiece p;
    p.id = id;
    p.article = "24188";
    p.x = x;
    p.y = y;
    p.selected = selected;
    return p;
}

class PalettePanelTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        appPrefs() = Prefs{};
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
        m_frame = new MainFrame();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompts = prompter.get();
        m_frame->setPrompter(std::move(prompter));
        m_frame->Show();
        m_palette = m_frame->palette;
        m_palette->LoadCatalogPages();
    }

    void TearDown() override {
        m_frame->Destroy();
        waitFor([] { return wxTopLevelWindows.empty(); });
        EXPECT_EQ(pendingModalHandlers(), 0u);
        clearModalHandlers();
    }

    /// Chooses a system the way the user does: through the choice's selection event.
    void choose(int index) {
        wxChoice* choice = m_palette->systemChoice();
        choice->SetSelection(index);
        wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
        event.SetEventObject(choice);
        event.SetInt(index);
        choice->ProcessWindowEvent(event);
    }

    std::vector<std::string> pageNames() const {
        std::vector<std::string> names;
        for (size_t i = 0; i < m_palette->notebook()->GetPageCount(); ++i) {
            names.push_back(m_palette->notebook()->GetPageText(i).utf8_string());
        }
        return names;
    }

    /// Sends a mouse event of `type` to the grid at the middle of entry `index`.
    void mouseOnEntry(wxEventType type, int index) {
        TrackIconGrid* grid = m_palette->grid();
        const wxRect cell = grid->entryRect(index);
        wxMouseEvent event(type);
        event.SetPosition(grid->CalcScrolledPosition(
            wxPoint(cell.x + cell.width / 2, cell.y + std::min(cell.height, 80) / 2)));
        event.SetEventObject(grid);
        grid->ProcessWindowEvent(event);
    }

    int entryOf(const std::string& article) const {
        const auto& entries = m_palette->grid()->entries();
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].article == article) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    MainFrame* m_frame = nullptr;
    PalettePanel* m_palette = nullptr;
    ScriptedPrompter* m_prompts = nullptr;
};

}  // namespace

TEST_F(PalettePanelTest, ZTrackRemovesTheSceneryPageAndCTrackBringsItBackLast) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(pageNames(), (Names{"Track", "Library", "Scenery", "Signals"}));
    EXPECT_EQ(m_palette->systemChoice()->GetCount(), 6u);
    EXPECT_EQ(m_palette->currentTrackSystem(), 0u);

    m_palette->notebook()->SetSelection(2);
    choose(3);
    EXPECT_EQ(pageNames(), (Names{"Track", "Library", "Signals"}));
    EXPECT_EQ(m_palette->notebook()->GetSelection(), 0) << "the Track page takes over";
    EXPECT_EQ(m_palette->currentTrackSystem(), Systems::ZTrack) << "index 3 is Z-Track";
    EXPECT_EQ(m_palette->grid()->entries().at(1).article, "8500");
    EXPECT_EQ(m_palette->signalsList()->GetCount(), 4u) << "the Z-scale signals";

    choose(4);
    EXPECT_EQ(pageNames(), (Names{"Track", "Library", "Signals"}));
    EXPECT_EQ(m_palette->signalsList()->GetCount(), 0u) << "no signals for Gauge 1";

    choose(0);
    EXPECT_EQ(pageNames(), (Names{"Track", "Library", "Signals", "Scenery"}));
    EXPECT_EQ(m_palette->notebook()->GetSelection(), 0) << "the returning page is not selected";
    EXPECT_GT(m_palette->sceneryList()->GetCount(), 0u);

    choose(2);
    EXPECT_EQ(m_palette->currentTrackSystem(), Systems::TrixC) << "index 2 is TRIX C-Track";
    EXPECT_EQ(pageNames().size(), 4u);
}

TEST_F(PalettePanelTest, LayoutPiecesChooseTheSystem) {
    Layout& layout = m_frame->layout;
    PlacedPiece z = straight(1, 0, 0, false);
    z.article = "8500";
    layout.pieces = {z};
    m_palette->SelectSystemFromLayout();
    EXPECT_EQ(m_palette->currentSystemIndex(), 3);
    EXPECT_FALSE(m_palette->sceneryPagePresent());

    PlacedPiece k = straight(2, 0, 0, false);
    k.article = "2200";
    layout.pieces = {k, straight(3, 0, 0, false)};
    m_palette->SelectSystemFromLayout();
    EXPECT_EQ(m_palette->currentSystemIndex(), 0) << "C-Track wins over K-Track";
    EXPECT_TRUE(m_palette->sceneryPagePresent());
}

TEST_F(PalettePanelTest, GridColumnsFollowTheWidthAndIconsAreDrawn) {
    TrackIconGrid* grid = m_palette->grid();
    // A grid of its own so that the palette's sizer does not set the width.
    auto* host = new wxFrame(m_frame, wxID_ANY, "grid");
    auto* panel = new wxPanel(host);
    auto* own = new TrackIconGrid(panel);
    host->SetClientSize(400, 600);
    host->Show();
    own->buildForSystem(0);
    const int first = 1;  // the first piece, after the "Straights" header
    for (const auto& [width, columns] : {std::pair{150, 1}, {200, 2}, {300, 3}}) {
        own->SetSize(0, 0, width, 500);
        ASSERT_TRUE(waitFor([&] { return own->columnCount() == columns; }))
            << width << " px gives " << own->columnCount() << " columns";
        const auto& tops = own->rowTops();
        EXPECT_EQ(tops[first], 6 + 22);
        EXPECT_EQ(tops[first + columns], tops[first] + 102) << "a new icon row at " << width;
        EXPECT_EQ(own->entries()[first + columns - 1].column, columns - 1);
    }
    host->Destroy();

    const int index = entryOf("24188");
    ASSERT_GE(index, 0);
    const wxImage icon = grid->entries()[static_cast<size_t>(index)].icon.ConvertToImage();
    ASSERT_EQ(icon.GetWidth(), 80);
    int drawn = 0;
    for (int x = 0; x < 80; ++x) {
        drawn += icon.GetRed(x, 40) != 255 || icon.GetBlue(x, 40) != 255 ? 1 : 0;
    }
    EXPECT_GT(drawn, 30) << "the straight runs along the middle of its icon";

    // The helix rows close the C-Track grid; greyed while the canvas cannot place helices.
    const auto& entries = grid->entries();
    const auto helixRows = std::count_if(entries.begin(), entries.end(),
                                         [](const PaletteEntry& e) { return e.isTextRow; });
    EXPECT_EQ(helixRows, 10);
    EXPECT_TRUE(entries.back().isTextRow && !entries.back().enabled);
    EXPECT_EQ(grid->hitTest(grid->entryRect(static_cast<int>(entries.size()) - 1).GetPosition() +
                            wxSize(20, 5)),
              -1);

    // A press on a header leaves the selection; a press on a piece selects it.
    mouseOnEntry(wxEVT_LEFT_DOWN, index);
    EXPECT_EQ(grid->selectedEntry(), index);
    mouseOnEntry(wxEVT_LEFT_DOWN, 0);
    EXPECT_EQ(grid->selectedEntry(), index);
}

TEST_F(PalettePanelTest, DoubleClicksGrowAJoinedTrackFromTheSelectedPiece) {
    Layout& layout = m_frame->layout;
    layout.pieces = {straight(layout.AllocateId(), 100, 100, true)};
    const int index = entryOf("24188");
    ASSERT_GE(index, 0);
    for (int click = 0; click < 2; ++click) {
        mouseOnEntry(wxEVT_LEFT_DOWN, index);
        mouseOnEntry(wxEVT_LEFT_UP, index);
        mouseOnEntry(wxEVT_LEFT_DCLICK, index);
        EXPECT_TRUE(m_palette->grid()->doubleClickFlag());
        mouseOnEntry(wxEVT_LEFT_UP, index);
        EXPECT_FALSE(m_palette->grid()->doubleClickFlag());
    }
    ASSERT_EQ(layout.pieces.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        const PlacedPiece& prev = layout.pieces[i - 1];
        const PlacedPiece& next = layout.pieces[i];
        EXPECT_EQ(next.article, "24188");
        EXPECT_EQ(prev.jointAt(1).target, static_cast<int32_t>(next.id)) << "piece " << i;
        EXPECT_EQ(next.jointAt(0).target, static_cast<int32_t>(prev.id)) << "piece " << i;
    }
    EXPECT_NEAR(layout.pieces[2].x - layout.pieces[0].x, 2 * 188.3, 1.0);
    EXPECT_EQ(layout.checkInvariants(), "");

    // Dragging on from a double-click places nothing more until the button was released.
    const auto dragOver = [&] {
        TrackIconGrid* grid = m_palette->grid();
        wxMouseEvent motion(wxEVT_MOTION);
        motion.m_leftDown = true;
        motion.SetPosition(grid->CalcScrolledPosition(grid->entryRect(index).GetPosition()) +
                           wxSize(40, 40));
        grid->ProcessWindowEvent(motion);
    };
    const PaletteDrag& drag = m_frame->canvas->controller().paletteDrag();
    mouseOnEntry(wxEVT_LEFT_DCLICK, index);
    dragOver();
    EXPECT_FALSE(drag.active);
    EXPECT_EQ(layout.pieces.size(), 4u);
    mouseOnEntry(wxEVT_LEFT_UP, index);
    mouseOnEntry(wxEVT_LEFT_DOWN, index);
    dragOver();
    EXPECT_TRUE(drag.active);
    EXPECT_EQ(drag.article, "24188");
    m_frame->canvas->cancelPlacement();
}

TEST_F(PalettePanelTest, LibraryBlocksAreInsertedAtTheOriginAndDeletedOnYes) {
    const fs::path folder(m_palette->libraryFolder().utf8_string());
    EXPECT_EQ(folder.filename(), "Marklin_C-Track");
    fs::create_directories(folder);
    Layout source;
    source.pieces = {straight(7, 1000, 400, true), straight(8, 1500, 200, true)};
    ASSERT_EQ(WriteBlock((folder / "Yard.tdl").string(), source, "Yard"), "");
    writeWholeFile(folder / "Broken.tdl", "<block name=\"x\">\n<piece id=\"1\"");
    m_palette->RefreshLibrary();
    ASSERT_EQ(m_palette->libraryList()->GetCount(), 2u);

    const auto lineOf = [&](const std::string& name) {
        return m_palette->libraryList()->FindString(wxString::FromUTF8(name));
    };
    Layout& layout = m_frame->layout;
    layout.pieces = {straight(layout.AllocateId(), 0, 0, false)};
    m_palette->insertLibraryBlock(lineOf("Yard"));
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_DOUBLE_EQ(layout.pieces[1].x, 0.0);
    EXPECT_DOUBLE_EQ(layout.pieces[1].y, 200.0);
    EXPECT_DOUBLE_EQ(layout.pieces[2].x, 500.0);
    EXPECT_NE(layout.pieces[1].id, 7u);
    EXPECT_TRUE(m_frame->modified);

    m_palette->insertLibraryBlock(lineOf("Broken"));
    EXPECT_EQ(layout.pieces.size(), 3u);
    ASSERT_EQ(m_prompts->records().size(), 1u) << "the broken block is reported";
    EXPECT_EQ(m_prompts->records().back().title, "Load Block Failed");
    EXPECT_EQ(m_prompts->records().back().icon, PromptIcon::Error);
    EXPECT_NE(m_prompts->records().back().text.find("Broken.tdl"), std::string::npos);

    m_prompts->queueAnswer(kIdNo);
    m_palette->deleteLibraryBlock(lineOf("Yard"));
    EXPECT_TRUE(fs::exists(folder / "Yard.tdl"));
    const auto& asked = m_prompts->records().back();
    EXPECT_EQ(asked.title, "Delete Library Block");
    EXPECT_EQ(asked.text, "Delete library block \"Yard\"?\n\nThis cannot be undone.");
    EXPECT_EQ(asked.defaultButton, kIdNo);

    m_prompts->queueAnswer(kIdYes);
    m_palette->deleteLibraryBlock(lineOf("Yard"));
    EXPECT_FALSE(fs::exists(folder / "Yard.tdl"));
    EXPECT_EQ(lineOf("Yard"), wxNOT_FOUND);
    EXPECT_EQ(m_palette->libraryList()->GetCount(), 1u);
    fs::remove_all(folder);
}
