#include "panels/ui/palette_panel.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

#include "files_test_fixture.h"
#include "panels/palette_groups.h"
#include "panels/ui/piece_preview_popup.h"
#include "panels/ui/track_icon_grid.h"

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

class PalettePanelTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_frame->Show();
        m_palette = m_frame->palettePanel();
        m_palette->LoadCatalogPages();
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

    PalettePanel* m_palette = nullptr;
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

TEST_F(PalettePanelTest, GridColumnsFollowTheWidth) {
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
}

TEST_F(PalettePanelTest, DoubleClicksGrowAJoinedTrackFromTheSelectedPiece) {
    Layout& layout = m_frame->editor().layout();
    layout.pieces = {straight(layout.AllocateId(), 100, 100, true)};
    const auto& entries = m_palette->grid()->entries();
    const int index =
        static_cast<int>(std::find_if(entries.begin(), entries.end(),
                                      [](const PaletteEntry& e) { return e.article == "24188"; }) -
                         entries.begin());
    ASSERT_LT(index, static_cast<int>(entries.size()));
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
}

TEST_F(PalettePanelTest, LibraryBlocksAreInsertedAtTheOrigin) {
    const fs::path folder(m_palette->libraryFolder().utf8_string());
    EXPECT_EQ(folder.filename(), "Marklin_C-Track");
    fs::create_directories(folder);
    Layout source;
    source.pieces = {straight(7, 1000, 400, true), straight(8, 1500, 200, true)};
    ASSERT_EQ(WriteBlock((folder / "Yard.tdl").string(), source, "Yard"), "");
    m_palette->RefreshLibrary();
    ASSERT_EQ(m_palette->libraryList()->GetCount(), 1u);

    Layout& layout = m_frame->editor().layout();
    layout.pieces = {straight(layout.AllocateId(), 0, 0, false)};
    m_palette->insertLibraryBlock(0);
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_DOUBLE_EQ(layout.pieces[1].x, 0.0);
    EXPECT_DOUBLE_EQ(layout.pieces[1].y, 200.0);
    EXPECT_DOUBLE_EQ(layout.pieces[2].x, 500.0);
    EXPECT_NE(layout.pieces[1].id, 7u);
    EXPECT_TRUE(m_frame->isModified());
}

TEST_F(PalettePanelTest, PreviewClosesWhenTheGridScrolls) {
    TrackIconGrid* grid = m_palette->grid();
    PiecePreviewPopup* popup = m_palette->previewPopup();
    ASSERT_NE(popup, nullptr);
    for (const wxEventType type : {wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_THUMBTRACK}) {
        grid->showPreview(1);
        ASSERT_TRUE(popup->IsShown());
        wxScrollWinEvent scroll(type, 3, wxVERTICAL);
        scroll.SetEventObject(grid);
        grid->ProcessWindowEvent(scroll);
        EXPECT_FALSE(popup->IsShown()) << "scroll event " << type;
    }
    grid->showPreview(1);
    ASSERT_TRUE(popup->IsShown());
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.SetEventObject(grid);
    grid->ProcessWindowEvent(wheel);
    EXPECT_FALSE(popup->IsShown()) << "mouse wheel";
}

TEST_F(PalettePanelTest, SceneryHeadersAreNeverSelected) {
    wxListBox* list = m_palette->sceneryList();
    const std::vector<std::string>& keys = m_palette->sceneryKeys();
    ASSERT_GT(keys.size(), 3u);
    ASSERT_TRUE(keys[0].empty()) << "the list starts with a header";
    auto pick = [&](int line) {
        list->SetSelection(line);
        wxCommandEvent event(wxEVT_LISTBOX, list->GetId());
        event.SetEventObject(list);
        event.SetInt(line);
        list->ProcessWindowEvent(event);
    };
    pick(0);
    EXPECT_EQ(list->GetSelection(), 1) << "moved past the first header";
    const int header = static_cast<int>(
        std::find_if(keys.begin() + 1, keys.end(), [](const std::string& k) { return k.empty(); }) -
        keys.begin());
    ASSERT_LT(header, static_cast<int>(keys.size()) - 1);
    pick(header - 1);
    pick(header);
    EXPECT_EQ(list->GetSelection(), header + 1) << "down over a header";
    pick(header);
    EXPECT_EQ(list->GetSelection(), header - 1) << "up over a header";

    // A press on a header selects nothing, so a drag from there places nothing.
    m_palette->notebook()->SetSelection(static_cast<size_t>(m_palette->notebook()->FindPage(list)));
    ASSERT_TRUE(waitFor([&] { return list->IsShownOnScreen(); }));
    list->SetFirstItem(0);
    const wxPoint firstLine(10, 10);  // the first line, shown at the top
    ASSERT_TRUE(waitFor([&] { return list->HitTest(firstLine) == 0; }))
        << list->HitTest(firstLine) << " size " << list->GetClientSize().x << "x"
        << list->GetClientSize().y;
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    press.SetPosition(firstLine);
    press.SetEventObject(list);
    list->ProcessWindowEvent(press);
    EXPECT_EQ(list->GetSelection(), wxNOT_FOUND);
}
