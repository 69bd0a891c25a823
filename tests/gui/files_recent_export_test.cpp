// Open Recent across two runs of the program, and the picture and parts-list exports of the File
// menu driven through their file dialogs.

#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/image.h>
#include <wx/menu.h>

#include "app/ui/app_paths.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/export_files.h"
#include "frame/ui/menu_builder.h"
#include "panels/piece_tally.h"

namespace fs = std::filesystem;
namespace Id = CommandId;

namespace {

std::vector<wxString> recentLabels(MainFrame* frame) {
    std::vector<wxString> labels;
    if (wxMenu* menu = FindCommandSubmenu(frame->GetMenuBar(), "&File", kOpenRecent)) {
        for (const wxMenuItem* item : menu->GetMenuItems()) {
            labels.push_back(item->GetItemLabelText());
        }
    }
    return labels;
}

/// Expects the next modal dialog to be a save dialog titled `title` proposing `file`, and cancels
/// it. (Under the test hook the dialog is never shown, so GTK gives no path back from it; the
/// work after the dialog is driven through the frame's ...To functions.)
void expectSaveDialogCancelled(const std::string& title, const std::string& file,
                               const std::string& wildcard) {
    expectModal([=](wxDialog* dialog) {
        auto* chooser = dynamic_cast<wxFileDialog*>(dialog);
        EXPECT_NE(chooser, nullptr);
        if (chooser != nullptr) {
            EXPECT_EQ(chooser->GetMessage(), title);
            EXPECT_EQ(chooser->GetFilename().utf8_string(), file);
            EXPECT_EQ(chooser->GetWildcard().utf8_string(), wildcard);
            EXPECT_TRUE(chooser->HasFlag(wxFD_SAVE) && chooser->HasFlag(wxFD_OVERWRITE_PROMPT));
        }
        return static_cast<int>(wxID_CANCEL);
    });
}

}  // namespace

TEST_F(FilesTest, OpenRecentListsLayoutsOfTheLastRunAndDropsOneThatHasGone) {
    fs::remove(std::string(GetRecentFilesPath().utf8_str()));
    m_frame->Destroy();
    waitFor([] { return wxTopLevelWindows.empty(); });
    m_frame = new MainFrame();  // a first run that finds no list yet
    m_prompts = nullptr;
    EXPECT_TRUE(recentLabels(m_frame).empty());
    writeLayoutFile(userFolder() / "Yard.tdl", "Yard", 1);
    writeLayoutFile(userFolder() / "Loop.tdl", "Loop", 2);
    ASSERT_TRUE(m_frame->LoadLayoutFile((userFolder() / "Yard.tdl").string()));
    ASSERT_TRUE(m_frame->LoadLayoutFile((userFolder() / "Loop.tdl").string()));
    m_frame->Destroy();
    waitFor([] { return wxTopLevelWindows.empty(); });

    // The next run lists both, newest first.
    m_frame = new MainFrame();
    auto prompter = std::make_unique<ScriptedPrompter>();
    m_prompts = prompter.get();
    m_frame->setPrompter(std::move(prompter));
    const auto labels = recentLabels(m_frame);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_TRUE(labels[0].Contains("Loop.tdl")) << labels[0];
    EXPECT_TRUE(labels[1].Contains("Yard.tdl")) << labels[1];

    fs::remove(userFolder() / "Yard.tdl");
    command(Id::RecentFile1 + 1);
    EXPECT_EQ(lastPrompt().title, "Open Recent");
    EXPECT_NE(lastPrompt().text.find("no longer there"), std::string::npos) << lastPrompt().text;
    EXPECT_NE(lastPrompt().text.find("Yard.tdl"), std::string::npos);
    EXPECT_EQ(recentLabels(m_frame).size(), 1u);
    EXPECT_EQ(readWholeFile(std::string(GetRecentFilesPath().utf8_str())).find("Yard"),
              std::string::npos)
        << "the gone file is dropped from the stored list too";

    command(Id::RecentFile1);
    EXPECT_EQ(m_frame->filePath(), (userFolder() / "Loop.tdl").string());
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 2u);
}

TEST_F(FilesTest, ExportPartsListOffersACsvFileAndWritesTheTallyWithCsvAdded) {
    writeLayoutFile(userFolder() / "Yard.tdl", "Yard", 3);
    ASSERT_TRUE(m_frame->LoadLayoutFile((userFolder() / "Yard.tdl").string()));
    expectSaveDialogCancelled("Export Parts List", "Yard parts.csv", "CSV files (*.csv)|*.csv");
    command(Id::ExportPartsList);
    EXPECT_TRUE(m_prompts->records().empty()) << "Cancel writes and asks nothing";

    ASSERT_TRUE(m_frame->ExportPartsListTo((testRoot() / "yard parts").string()));
    EXPECT_EQ(readWholeFile(testRoot() / "yard parts.csv"),
              partsListCsv(countLayoutPieces(m_frame->editor().layout())));

    // A folder stands where the file should go: the write fails and says so.
    fs::create_directories(testRoot() / "taken.csv");
    EXPECT_FALSE(m_frame->ExportPartsListTo((testRoot() / "taken.csv").string()));
    EXPECT_EQ(lastPrompt().title, "Export Parts List");
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Error);
}

TEST_F(FilesTest, ExportImageAsksThePngWidthRefusingNonsenseAndWritesSvgByFilter) {
    writeLayoutFile(userFolder() / "Yard.tdl", "Yard", 3);
    ASSERT_TRUE(m_frame->LoadLayoutFile((userFolder() / "Yard.tdl").string()));
    expectSaveDialogCancelled("Export Image", "Yard.png", std::string(kPictureFilters));
    command(Id::ExportImage);
    EXPECT_TRUE(m_prompts->records().empty()) << "Cancel writes and asks nothing";

    const fs::path png = testRoot() / "yard.png";
    m_prompts->queueText("wide");
    m_prompts->queueText("640");
    ASSERT_TRUE(m_frame->ExportImageTo(png.string(), 1));  // the extension wins over the filter
    const auto& records = m_prompts->records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].defaultValue, "1600");
    EXPECT_NE(records[1].text.find("from 100 to 16000"), std::string::npos) << records[1].text;
    EXPECT_EQ(records[2].defaultValue, "wide") << "the refused text is offered for editing";
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(png.string(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(picture.GetWidth(), 640);

    ASSERT_TRUE(m_frame->ExportImageTo((testRoot() / "yard").string(), 1));
    EXPECT_EQ(records.size(), 3u) << "an SVG needs no width";
    EXPECT_NE(readWholeFile(testRoot() / "yard.svg").find("<svg"), std::string::npos);

    m_prompts->queueText(std::nullopt);
    EXPECT_FALSE(m_frame->ExportImageTo((testRoot() / "cancelled.png").string(), 0));
    EXPECT_FALSE(fs::exists(testRoot() / "cancelled.png"));
}
