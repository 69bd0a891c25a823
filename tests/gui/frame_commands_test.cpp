// The main window's commands as the user meets them: enabled states, New, the unsaved-changes
// question, Delete locks, units, Save into the user folder, Rectangle, opening a file and
// closing the window. Prompts are scripted; the user folder lies in the test's private HOME.

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/spinctrl.h>
#include <wx/toolbar.h>

#include "app/app_paths.h"
#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "canvas/canvas_panel.h"
#include "canvas/canvas_view.h"
#include "dialogs/rectangle_dialog.h"
#include "document/layout_file.h"
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/main_frame.h"
#include "gui_support.h"

namespace fs = std::filesystem;
namespace Id = CommandId;

namespace {

constexpr const char* kTitle = "Railvane v1.7 by Vennomar";

fs::path userFolder() {
    return fs::path(std::string(GetUserFolder().utf8_str()));
}

class FrameCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        std::error_code ec;
        fs::remove(fs::path(std::string(GetUserPrefsPath().fn_str())), ec);
        fs::remove_all(userFolder(), ec);
        fs::create_directories(userFolder());
        appPrefs() = Prefs{};
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
        m_frame = new MainFrame();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompts = prompter.get();
        m_frame->setPrompter(std::move(prompter));
    }

    void TearDown() override {
        // The frame owns the prompter, so ask it before the frame goes.
        if (m_frame != nullptr && m_prompts != nullptr) {
            EXPECT_FALSE(m_prompts->answersLeft()) << "a scripted answer was never asked for";
        }
        if (m_frame != nullptr) {
            m_frame->Destroy();
            waitFor([] { return wxTopLevelWindows.empty(); });
        }
        EXPECT_EQ(pendingModalHandlers(), 0u) << "an expected dialog never appeared";
        clearModalHandlers();
    }

    /// Sends a menu or tool command as a click would; `checked` for check items.
    void command(int id, int checked = 0) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetInt(checked);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    uint32_t addPiece(bool selected = false) {
        PlacedPiece p;
        p.id = m_frame->layout.AllocateId();
        p.article = "24188";
        p.selected = selected;
        m_frame->layout.pieces.push_back(p);
        return p.id;
    }

    /// Enabled state of a command in the menu bar and on the toolbar, which must agree.
    bool enabled(int id) {
        m_frame->UpdateCommandStates();
        wxMenuItem* item = m_frame->GetMenuBar()->FindItem(id);
        const bool onToolbar = m_frame->GetToolBar()->FindById(id) != nullptr;
        if (item != nullptr && onToolbar) {
            EXPECT_EQ(item->IsEnabled(), m_frame->GetToolBar()->GetToolEnabled(id)) << id;
        }
        return item != nullptr ? item->IsEnabled() : m_frame->GetToolBar()->GetToolEnabled(id);
    }

    const ScriptedPrompter::Record& lastPrompt() {
        EXPECT_FALSE(m_prompts->records().empty());
        return m_prompts->records().back();
    }

    /// Runs a close request and reports whether the window went away.
    bool closeWindow() {
        m_frame->Close(false);
        if (!waitFor([] { return wxTopLevelWindows.empty(); }, 1000)) {
            return false;
        }
        m_frame = nullptr;
        m_prompts = nullptr;
        return true;
    }

    MainFrame* m_frame = nullptr;
    ScriptedPrompter* m_prompts = nullptr;
};

}  // namespace

TEST_F(FrameCommandsTest, CommandsAreEnabledByTheirRulesInMenuAndToolbar) {
    EXPECT_EQ(m_frame->GetTitle(), kTitle);
    for (const CommandEntry& row : commandTable()) {
        if (row.id == 0) {
            continue;
        }
        const bool expected = row.available && row.enableRule == EnableRule::Always;
        EXPECT_EQ(enabled(row.id), expected) << row.text;
    }

    // A label alone is not deletable; a piece is.
    m_frame->layout.labels.push_back({m_frame->layout.AllocateId(), "Station", 0, 0, true});
    EXPECT_FALSE(enabled(Id::Delete));
    addPiece(true);
    EXPECT_TRUE(enabled(Id::Delete));
    EXPECT_FALSE(enabled(Id::Undo));

    command(Id::Delete);
    EXPECT_TRUE(m_frame->layout.pieces.empty());
    EXPECT_TRUE(enabled(Id::Undo));
    EXPECT_FALSE(enabled(Id::Redo));
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " *");

    command(Id::Undo);
    EXPECT_EQ(m_frame->layout.pieces.size(), 1u);
    EXPECT_TRUE(enabled(Id::Redo));
    command(Id::Redo);
    EXPECT_TRUE(m_frame->layout.pieces.empty());
    EXPECT_FALSE(enabled(Id::Tunnel)) << "the tunnel tool starts disabled";
}

TEST_F(FrameCommandsTest, NewLayoutAfterNoStartsAFreshUntitledDocument) {
    addPiece();
    m_frame->layoutName = "Yard";
    m_frame->filePath = "/tmp/Yard.tdl";
    m_frame->layout.levels.clear();
    m_frame->layout.activeLevel = 4;
    m_frame->MarkModified();
    m_frame->SetStatusText("Measuring...", 0);
    m_frame->SetStatusText("Pieces: 1", 1);

    m_prompts->queueAnswer(kIdNo);
    command(Id::NewLayout);
    EXPECT_EQ(lastPrompt().title, "Unsaved Changes");
    EXPECT_EQ(lastPrompt().text, "You have unsaved changes. Save before continuing?");
    EXPECT_EQ(lastPrompt().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Question);

    EXPECT_TRUE(m_frame->layout.pieces.empty());
    ASSERT_EQ(m_frame->layout.levels.size(), 1u);
    EXPECT_EQ(m_frame->layout.activeLevel, 1);
    EXPECT_TRUE(m_frame->layoutName.empty());
    EXPECT_TRUE(m_frame->filePath.empty());
    EXPECT_FALSE(m_frame->modified);
    EXPECT_EQ(m_frame->GetTitle(), kTitle);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0), "Ready");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 0");

    // Unmodified: Close Layout asks nothing.
    command(Id::CloseLayout);
    EXPECT_EQ(m_prompts->records().size(), 1u);
}

TEST_F(FrameCommandsTest, CancelKeepsTheDocumentAndTheWindow) {
    addPiece();
    m_frame->MarkModified();
    m_prompts->queueAnswer(kIdCancel);
    command(Id::NewLayout);
    EXPECT_EQ(m_frame->layout.pieces.size(), 1u);
    EXPECT_TRUE(m_frame->modified);

    m_prompts->queueAnswer(kIdCancel);
    command(Id::Exit);
    m_prompts->queueAnswer(kIdCancel);
    EXPECT_FALSE(closeWindow()) << "Cancel vetoes the close";
    EXPECT_EQ(m_prompts->records().size(), 3u);
    EXPECT_EQ(m_frame->layout.pieces.size(), 1u);

    m_prompts->queueAnswer(kIdNo);
    EXPECT_TRUE(closeWindow()) << "No closes without saving";
    for (const auto& entry : fs::directory_iterator(userFolder())) {
        EXPECT_NE(entry.path().extension(), ".tdl") << "nothing saved: " << entry.path();
    }
}

TEST_F(FrameCommandsTest, YesSavesFirstAndAFailedOrCancelledSaveStops) {
    addPiece();
    m_frame->MarkModified();
    // Yes, then cancel the name: nothing happens.
    m_prompts->queueAnswer(kIdYes);
    m_prompts->queueText(std::nullopt);
    command(Id::NewLayout);
    EXPECT_EQ(m_frame->layout.pieces.size(), 1u);

    m_prompts->queueAnswer(kIdYes);
    m_prompts->queueText("  Harbour ");
    command(Id::NewLayout);
    EXPECT_TRUE(m_frame->layout.pieces.empty()) << "saved, then cleared";
    Layout saved;
    std::string name;
    ASSERT_EQ(ReadLayout((userFolder() / "Harbour.tdl").string(), saved, name), "");
    EXPECT_EQ(name, "Harbour");
    EXPECT_EQ(saved.pieces.size(), 1u);
}

TEST_F(FrameCommandsTest, SaveProposesMyLayoutRefusesPathsAndAsksBeforeReplacing) {
    // A blank answer saves under the proposed name.
    m_prompts->queueText("   ");
    command(Id::Save);
    EXPECT_EQ(lastPrompt().title, "Save Layout");
    EXPECT_EQ(lastPrompt().text, "Layout name:");
    EXPECT_EQ(lastPrompt().defaultValue, "My Layout");
    EXPECT_TRUE(fs::exists(userFolder() / "My Layout.tdl"));
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " - My Layout");
    EXPECT_EQ(m_frame->filePath, (userFolder() / "My Layout.tdl").string());

    // Save with a path writes without a question.
    addPiece();
    m_frame->MarkModified();
    const size_t asked = m_prompts->records().size();
    command(Id::Save);
    EXPECT_EQ(m_prompts->records().size(), asked);
    EXPECT_FALSE(m_frame->modified);

    // Names that would leave the user folder are refused before anything is written.
    for (const char* bad : {"../x", "a/b"}) {
        m_prompts->queueText(bad);
        command(Id::SaveAs);
        EXPECT_EQ(lastPrompt().title, "Save Layout") << bad;
        EXPECT_EQ(lastPrompt().kind, ScriptedPrompter::Kind::Message) << bad;
        EXPECT_NE(lastPrompt().text.find("may use letters, digits, blanks"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(userFolder().parent_path() / "x.tdl"));
    EXPECT_FALSE(fs::exists(userFolder() / "a"));
    EXPECT_EQ(m_frame->layoutName, "My Layout");

    // Save As to an existing name asks; No leaves file, name and path alone.
    writeWholeFile(userFolder() / "Yard.tdl", "keep me");
    m_prompts->queueText("Yard");
    m_prompts->queueAnswer(kIdNo);
    command(Id::SaveAs);
    EXPECT_EQ(lastPrompt().title, "Confirm Replace");
    EXPECT_EQ(lastPrompt().text, "A layout named \"Yard\" already exists.\n\nReplace it?");
    EXPECT_EQ(lastPrompt().defaultButton, kIdNo);
    EXPECT_EQ(readWholeFile(userFolder() / "Yard.tdl"), "keep me");
    EXPECT_EQ(m_frame->layoutName, "My Layout");
}

TEST_F(FrameCommandsTest, DeleteIsRefusedForHelixAndTunnelTrackAndAsksAboutGrades) {
    Layout& layout = m_frame->layout;
    const uint32_t helixPiece = addPiece(true);
    layout.FindPiece(helixPiece)->helix = 50;
    command(Id::Delete);
    EXPECT_EQ(lastPrompt().title, "Helix track is locked");
    EXPECT_EQ(lastPrompt().text,
              "Selection includes track that is part of a helix. Helix track cannot be deleted "
              "individually.");
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Info);

    layout.DeselectAll();
    SceneryItem portal;
    portal.id = layout.AllocateId();
    portal.selected = true;
    layout.scenery.push_back(portal);
    Tunnel tunnel;
    tunnel.portalA = static_cast<int32_t>(portal.id);
    layout.tunnels.push_back(tunnel);
    command(Id::Delete);
    EXPECT_EQ(lastPrompt().title, "Tunnel is locked");
    EXPECT_EQ(lastPrompt().text,
              "Selection includes tunnel track or portals. Remove the tunnel first, then delete.");
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.scenery.size(), 1u);

    layout.DeselectAll();
    const uint32_t graded = addPiece(true);
    layout.FindPiece(graded)->grade = 1.5;
    m_prompts->queueAnswer(kIdNo);
    command(Id::Delete);
    EXPECT_EQ(lastPrompt().title, "Delete");
    EXPECT_EQ(lastPrompt().text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(lastPrompt().defaultButton, kIdNo);
    EXPECT_NE(layout.FindPiece(graded), nullptr);
    EXPECT_FALSE(m_frame->modified);

    m_prompts->queueAnswer(kIdYes);
    command(Id::Delete);
    EXPECT_EQ(layout.FindPiece(graded), nullptr);
    EXPECT_TRUE(m_frame->modified);
}

TEST_F(FrameCommandsTest, UnitsAreStoredAndViewSwitchesFollowTheirItems) {
    command(Id::UnitsCentimetres);
    EXPECT_EQ(m_frame->layout.units, 1u);
    EXPECT_NE(readWholeFile(installFolder() / "prefs.cfg").find("units=1\n"), std::string::npos);

    command(Id::ShowGrid, 0);
    command(Id::Snap, 0);
    command(Id::ShowRails, 0);
    EXPECT_FALSE(m_frame->layout.showGrid);
    EXPECT_FALSE(m_frame->layout.snapEnabled);
    EXPECT_FALSE(m_frame->layout.showRails);

    wxToolBar* toolbar = m_frame->GetToolBar();
    command(Id::HideLabels, 1);
    EXPECT_FALSE(m_frame->layout.showLabels);
    EXPECT_EQ(toolbar->FindById(Id::HideLabels)->GetLabel(), "Show Labels");
    command(Id::HideLabels, 0);
    EXPECT_TRUE(m_frame->layout.showLabels);
    EXPECT_EQ(toolbar->FindById(Id::HideLabels)->GetLabel(), "Hide Labels");

    // The next start shows the stored unit ticked.
    m_frame->Destroy();
    ASSERT_TRUE(waitFor([] { return wxTopLevelWindows.empty(); }));
    m_frame = new MainFrame();
    EXPECT_EQ(m_frame->layout.units, 1u);
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::UnitsCentimetres));
    m_prompts = nullptr;
}

TEST_F(FrameCommandsTest, RectangleIsCentredInTheCanvasOnTheHighestVisibleLevel) {
    m_frame->layout.units = 1;  // centimetres
    m_frame->layout.EnsureDefaultLevel();
    LayoutLevel upper;
    upper.id = 2;
    upper.height = 80.0;
    m_frame->layout.levels.push_back(upper);
    m_frame->Show();
    expectModal([](wxDialog* dialog) {
        auto* rect = dynamic_cast<RectangleDialog*>(dialog);
        EXPECT_NE(rect, nullptr);
        if (rect == nullptr) {
            return int(wxID_CANCEL);
        }
        EXPECT_EQ(dialog->GetTitle(), "Rectangle");
        EXPECT_DOUBLE_EQ(rect->widthField()->GetValue(), 100.0) << "1000 mm in cm";
        EXPECT_DOUBLE_EQ(rect->heightField()->GetValue(), 60.0);
        EXPECT_EQ(rect->widthField()->GetDigits(), 1u);
        rect->widthField()->SetValue(50.0);
        return int(wxID_OK);
    });
    command(Id::Rectangle);

    ASSERT_EQ(m_frame->layout.shapes.size(), 1u);
    const FreeShape& shape = m_frame->layout.shapes[0];
    const wxSize size = m_frame->canvas->GetClientSize();
    const Vec2 c = m_frame->canvas->view().screenToWorld(size.x / 2, size.y / 2);
    ASSERT_EQ(shape.vertices.size(), 4u);
    const double dx[] = {-250, 250, 250, -250};
    const double dy[] = {-300, -300, 300, 300};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(shape.vertices[i].x, c.x + dx[i], 1e-9) << i;
        EXPECT_NEAR(shape.vertices[i].y, c.y + dy[i], 1e-9) << i;
    }
    EXPECT_EQ(shape.level, 2);
    EXPECT_TRUE(m_frame->modified);

    expectModal([](wxDialog*) { return int(wxID_CANCEL); });
    command(Id::Rectangle);
    EXPECT_EQ(m_frame->layout.shapes.size(), 1u) << "Cancel adds nothing";
}

TEST_F(FrameCommandsTest, OpeningAFileShowsItAndABadFileChangesNothing) {
    const wxString path = wxString(RAILVANE_TEST_DATA) + "/full_layout.tdl";
    ASSERT_TRUE(m_frame->LoadLayoutFile(path));
    EXPECT_EQ(m_frame->filePath, path);
    EXPECT_EQ(m_frame->layoutName, "Test & Demo \"Layout\" it's");
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " - Test & Demo \"Layout\" it's");
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::UnitsCentimetres));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0),
              "[ELEV] 2.5 deg -1.2 deg  (right-click piece to stop)");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 8");

    const size_t pieces = m_frame->layout.pieces.size();
    const fs::path bad = testRoot() / "bad.tdl";
    writeWholeFile(bad, "<layout name=\"x\">\n<piece id=\"oops\"\n");
    EXPECT_FALSE(m_frame->LoadLayoutFile(wxString(bad.string())));
    EXPECT_EQ(lastPrompt().title, "Open Failed");
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Error);
    EXPECT_EQ(lastPrompt().text.rfind("Cannot read file: " + bad.string(), 0), 0u)
        << lastPrompt().text;
    EXPECT_EQ(m_frame->layout.pieces.size(), pieces);
    EXPECT_EQ(m_frame->filePath, path);
}
