// The main window's commands as the user meets them: enabled states, the unsaved-changes question,
// New, Save into the user folder, Delete locks, units and opening a file. Prompts are scripted; the
// user folder lies in the test's private HOME.

#include <wx/menu.h>
#include <wx/toolbar.h>

#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "view3d/ui/view3d_frame.h"

namespace fs = std::filesystem;
namespace Id = CommandId;

namespace {

constexpr const char* kTitle = "Railvane v1.7 by Vennomar";

class FrameCommandsTest : public FilesTest {
protected:
    uint32_t addPiece(bool selected = false) {
        PlacedPiece p;
        p.id = m_frame->editor().layout().AllocateId();
        p.article = "24188";
        p.selected = selected;
        m_frame->editor().layout().pieces.push_back(p);
        return p.id;
    }

    /// Runs a close request and reports whether the window went away.
    bool closeWindow() {
        m_frame->Close(false);
        if (!waitFor([] { return wxTopLevelWindows.empty(); }, 1000)) {
            return false;
        }
        m_frame = nullptr;
        return true;
    }
};

}  // namespace

TEST_F(FrameCommandsTest, CommandsAreEnabledByTheirRulesInMenuAndToolbar) {
    // Enabled state in the menu bar and on the toolbar, which must agree.
    const auto enabled = [this](int id) {
        m_frame->UpdateCommandStates();
        wxMenuItem* item = m_frame->GetMenuBar()->FindItem(id);
        wxToolBar* toolbar = m_frame->GetToolBar();
        if (item != nullptr && toolbar->FindById(id) != nullptr) {
            EXPECT_EQ(item->IsEnabled(), toolbar->GetToolEnabled(id)) << id;
        }
        return item != nullptr ? item->IsEnabled() : toolbar->GetToolEnabled(id);
    };
    for (const CommandEntry& row : commandTable()) {
        if (row.id != 0) {
            EXPECT_EQ(enabled(row.id), row.available && row.enableRule == EnableRule::Always)
                << row.text;
        }
    }
    m_frame->editor().layout().labels.push_back(
        {m_frame->editor().layout().AllocateId(), "Station", 0, 0, true});
    EXPECT_FALSE(enabled(Id::Delete)) << "a label alone is not deletable";
    addPiece(true);
    EXPECT_TRUE(enabled(Id::Delete));

    command(Id::Delete);
    EXPECT_TRUE(m_frame->editor().layout().pieces.empty());
    EXPECT_TRUE(enabled(Id::Undo));
    EXPECT_FALSE(enabled(Id::Redo));
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " *");
    command(Id::Undo);
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 1u);
    EXPECT_TRUE(enabled(Id::Redo));
}

TEST_F(FrameCommandsTest, UnsavedChangesAreAskedAboutAndNewStartsAnUntitledDocument) {
    addPiece();
    m_frame->MarkModified();
    // Cancel keeps the document and the window.
    m_prompts->queueAnswer(kIdCancel);
    command(Id::NewLayout);
    EXPECT_EQ(lastPrompt().title, "Unsaved Changes");
    EXPECT_EQ(lastPrompt().text, "You have unsaved changes. Save before continuing?");
    EXPECT_EQ(lastPrompt().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 1u);
    m_prompts->queueAnswer(kIdCancel);
    EXPECT_FALSE(closeWindow()) << "Cancel vetoes the close";

    // Yes saves first: a cancelled name stops, a given name saves and then clears.
    m_prompts->queueAnswer(kIdYes);
    m_prompts->queueText(std::nullopt);
    command(Id::NewLayout);
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 1u);
    m_prompts->queueAnswer(kIdYes);
    m_prompts->queueText("  Harbour ");
    command(Id::NewLayout);
    EXPECT_TRUE(m_frame->editor().layout().pieces.empty()) << "saved, then cleared";
    EXPECT_EQ(storedName(userFolder() / "Harbour.tdl"), "Harbour");

    // No discards: New resets the document, the title and the status fields.
    addPiece();
    m_frame->editor().layout().ReplaceIdentity("Yard", "/tmp/Yard.tdl");
    ASSERT_EQ(m_frame->layoutName(), "Yard");
    m_frame->editor().layout().activeLevel = 4;
    m_frame->MarkModified();
    m_frame->SetStatusText("Measuring...", 0);
    m_frame->SetStatusText("Pieces: 1", 1);
    m_prompts->queueAnswer(kIdNo);
    command(Id::NewLayout);
    EXPECT_TRUE(m_frame->editor().layout().pieces.empty());
    EXPECT_EQ(m_frame->editor().layout().activeLevel, 1);
    EXPECT_TRUE(m_frame->layoutName().empty() && m_frame->filePath().empty());
    EXPECT_FALSE(m_frame->isModified());
    EXPECT_EQ(m_frame->GetTitle(), kTitle);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0), "Ready");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 0");

    addPiece();
    m_frame->MarkModified();
    m_prompts->queueAnswer(kIdNo);
    EXPECT_TRUE(closeWindow()) << "No closes without saving";
    EXPECT_FALSE(fs::exists(userFolder() / "My Layout.tdl"));
}

TEST_F(FrameCommandsTest, SaveProposesMyLayoutRefusesPathsAndAsksBeforeReplacing) {
    m_prompts->queueText("   ");
    command(Id::Save);
    EXPECT_EQ(lastPrompt().title, "Save Layout");
    EXPECT_EQ(lastPrompt().text, "Layout name:");
    EXPECT_EQ(lastPrompt().defaultValue, "My Layout");
    EXPECT_TRUE(fs::exists(userFolder() / "My Layout.tdl")) << "a blank answer takes the proposal";
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " - My Layout");

    addPiece();
    m_frame->MarkModified();
    const size_t asked = m_prompts->records().size();
    command(Id::Save);
    EXPECT_EQ(m_prompts->records().size(), asked) << "a saved layout is saved without a question";
    EXPECT_FALSE(m_frame->isModified());

    for (const char* bad : {"../x", "a/b"}) {
        m_prompts->queueText(bad);
        m_prompts->queueText(std::nullopt);  // the name is asked for again; Cancel ends the save
        command(Id::SaveAs);
        const auto& records = m_prompts->records();
        const auto& refusal = records[records.size() - 2];
        EXPECT_EQ(refusal.kind, ScriptedPrompter::Kind::Message) << bad;
        EXPECT_NE(refusal.text.find("may use letters, digits, blanks"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(userFolder().parent_path() / "x.tdl"));
    EXPECT_FALSE(fs::exists(userFolder() / "a"));

    writeWholeFile(userFolder() / "Yard.tdl", "keep me");
    m_prompts->queueText("Yard");
    m_prompts->queueAnswer(kIdNo);
    command(Id::SaveAs);
    EXPECT_EQ(lastPrompt().title, "Confirm Replace");
    EXPECT_EQ(lastPrompt().text, "A layout named \"Yard\" already exists.\n\nReplace it?");
    EXPECT_EQ(readWholeFile(userFolder() / "Yard.tdl"), "keep me");
    EXPECT_EQ(m_frame->layoutName(), "My Layout");
}

TEST_F(FrameCommandsTest, DeleteIsRefusedForHelixAndTunnelTrackAndAsksAboutGrades) {
    Layout& layout = m_frame->editor().layout();
    const uint32_t helixPiece = addPiece(true);
    layout.EditPiece(helixPiece)->helix = 50;
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
    layout.EditPiece(graded)->grade = 1.5;
    m_prompts->queueAnswer(kIdNo);
    command(Id::Delete);
    EXPECT_EQ(lastPrompt().title, "Delete");
    EXPECT_EQ(lastPrompt().text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(lastPrompt().defaultButton, kIdNo);
    EXPECT_NE(layout.FindPiece(graded), nullptr);
    m_prompts->queueAnswer(kIdYes);
    command(Id::Delete);
    EXPECT_EQ(layout.FindPiece(graded), nullptr);
}

TEST_F(FrameCommandsTest, UnitsAreStoredAndTheLabelsToolNamesWhatItDoes) {
    command(Id::UnitsCentimetres);
    EXPECT_EQ(m_frame->editor().layout().units, 1u);
    EXPECT_NE(readWholeFile(installFolder() / "prefs.cfg").find("units=1\n"), std::string::npos);

    command(Id::ShowGrid, 0);
    EXPECT_FALSE(m_frame->editor().layout().showGrid);
    wxToolBar* toolbar = m_frame->GetToolBar();
    command(Id::HideLabels, 1);
    EXPECT_FALSE(m_frame->editor().layout().showLabels);
    EXPECT_EQ(toolbar->FindById(Id::HideLabels)->GetLabel(), "Show Labels");
    command(Id::HideLabels, 0);
    EXPECT_TRUE(m_frame->editor().layout().showLabels);
    EXPECT_EQ(toolbar->FindById(Id::HideLabels)->GetLabel(), "Hide Labels");
}

TEST_F(FrameCommandsTest, OpeningAFileShowsItAndABadFileChangesNothing) {
    const wxString path = wxString(RAILVANE_TEST_DATA) + "/full_layout.tdl";
    ASSERT_TRUE(m_frame->LoadLayoutFile(path));
    EXPECT_EQ(m_frame->GetTitle(), std::string(kTitle) + " - Test & Demo \"Layout\" it's");
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::UnitsCentimetres));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 8");

    const fs::path bad = testRoot() / "bad.tdl";
    writeWholeFile(bad, "<layout name=\"x\">\n<piece id=\"oops\"\n");
    EXPECT_FALSE(m_frame->LoadLayoutFile(wxString(bad.string())));
    EXPECT_EQ(lastPrompt().title, "Open Failed");
    EXPECT_EQ(lastPrompt().text.rfind("Cannot read file: " + bad.string(), 0), 0u)
        << lastPrompt().text;
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 8u);
    EXPECT_EQ(m_frame->filePath(), path);
}

TEST_F(FrameCommandsTest, ARefusedSaveNameIsAskedForAgainWithTheTypedTextKept) {
    m_prompts->queueText("Yard a/b");
    m_prompts->queueText(" Yard ab ");
    command(Id::Save);
    const auto& records = m_prompts->records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].kind, ScriptedPrompter::Kind::AskText);
    EXPECT_EQ(records[0].defaultValue, "My Layout");
    EXPECT_EQ(records[1].kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(records[1].title, "Save Layout");
    EXPECT_EQ(records[1].text.rfind("\"Yard a/b\" cannot be used as a layout name.", 0), 0u)
        << records[1].text;
    EXPECT_EQ(records[1].icon, PromptIcon::Exclamation);
    EXPECT_EQ(records[2].kind, ScriptedPrompter::Kind::AskText);
    EXPECT_EQ(records[2].title, "Save Layout");
    EXPECT_EQ(records[2].text, "Layout name:");
    EXPECT_EQ(records[2].defaultValue, "Yard a/b") << "the typed name comes back for editing";
    EXPECT_TRUE(fs::exists(userFolder() / "Yard ab.tdl"));
    EXPECT_EQ(m_frame->layoutName(), "Yard ab");
    EXPECT_FALSE(m_frame->isModified());

    // Cancel after a refusal still cancels: nothing is written and the name stays.
    const auto entries = [] {
        return std::distance(fs::directory_iterator(userFolder()), fs::directory_iterator());
    };
    const auto before = entries();
    m_prompts->queueText("..");
    m_prompts->queueText(std::nullopt);
    EXPECT_FALSE(m_frame->saveLayout(true));
    EXPECT_EQ(records.size(), 6u);
    EXPECT_EQ(records[5].defaultValue, "..");
    EXPECT_EQ(m_frame->layoutName(), "Yard ab");
    EXPECT_EQ(entries(), before);
}

TEST_F(FrameCommandsTest, OpeningALayoutWithUnknownPiecesListsThemAndSavingKeepsThem) {
    const fs::path known = userFolder() / "Known.tdl";
    writeLayoutFile(known, "Known", 2);
    ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8(known.string())));
    EXPECT_TRUE(m_prompts->records().empty()) << "known pieces open without a notice";

    Layout layout;
    for (const char* article : {"24188", "77001", "77001", "24188", "5200-x"}) {
        PlacedPiece piece;
        piece.id = layout.AllocateId();
        piece.article = article;
        layout.pieces.push_back(piece);
    }
    const fs::path file = userFolder() / "Club.tdl";
    ASSERT_EQ(WriteLayout(file.string(), layout, "Club"), "");
    ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8(file.string())));
    ASSERT_EQ(m_prompts->records().size(), 1u);
    EXPECT_EQ(lastPrompt().title, "Unknown Pieces");
    EXPECT_EQ(lastPrompt().text,
              "This layout uses pieces this program does not know:\n"
              "  5200-x \u00d7 1\n"
              "  77001 \u00d7 2\n"
              "\n"
              "They are not drawn, but they stay in the layout and are saved with it.");
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 5u);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 5");

    m_frame->MarkModified();
    command(Id::Save);
    const std::string saved = readWholeFile(file);
    EXPECT_EQ(std::count_if(m_frame->editor().layout().pieces.begin(),
                            m_frame->editor().layout().pieces.end(),
                            [](const PlacedPiece& p) { return p.article == "77001"; }),
              2);
    size_t found = 0;
    for (size_t at = saved.find("cat=\"77001\""); at != std::string::npos;
         at = saved.find("cat=\"77001\"", at + 1)) {
        ++found;
    }
    EXPECT_EQ(found, 2u) << saved;
    EXPECT_NE(saved.find("cat=\"5200-x\""), std::string::npos);
}

TEST_F(FrameCommandsTest, TheTunnelToolLaysPortalsOnAChainAndThenOffersToRemoveThem) {
    Layout& layout = m_frame->editor().layout();
    const uint32_t a = addPiece(true);
    const uint32_t b = addPiece(true);
    layout.EditPiece(b)->x = 188.3;
    layout.EditPiece(a)->joints = {{}, {static_cast<int32_t>(b), 0}};
    layout.EditPiece(b)->joints = {{static_cast<int32_t>(a), 1}, {}};
    wxToolBar* toolbar = m_frame->GetToolBar();
    m_frame->UpdateCommandStates();
    ASSERT_TRUE(toolbar->GetToolEnabled(Id::Tunnel));
    EXPECT_EQ(toolbar->FindById(Id::Tunnel)->GetLabel(), "Tunnel");

    command(Id::Tunnel);
    ASSERT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.scenery.size(), 2u) << "two portals";
    m_frame->UpdateCommandStates();
    EXPECT_EQ(toolbar->FindById(Id::Tunnel)->GetLabel(), "Remove Tunnel");

    command(Id::Tunnel);
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
    command(Id::Undo);
    EXPECT_EQ(layout.tunnels.size(), 1u) << "removal is one undo step";
    layout.DeselectAll();
    m_frame->UpdateCommandStates();
    EXPECT_FALSE(toolbar->GetToolEnabled(Id::Tunnel));
    EXPECT_EQ(toolbar->FindById(Id::Tunnel)->GetLabel(), "Tunnel");
}

TEST_F(FrameCommandsTest, The3DViewOpensOnceIsRaisedAgainAndIsForgottenWhenClosed) {
    command(Id::View3D);
    View3DFrame* first = m_frame->view3D();
    ASSERT_NE(first, nullptr);
    command(Id::View3D);
    EXPECT_EQ(m_frame->view3D(), first) << "a second click raises the open window";
    first->Close(true);
    ASSERT_TRUE(waitFor([this] { return m_frame->view3D() == nullptr; }));
    command(Id::View3D);
    EXPECT_NE(m_frame->view3D(), nullptr);
}
