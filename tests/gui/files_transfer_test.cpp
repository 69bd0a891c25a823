// Library blocks, Import and Export as the user meets them: the messages, the dialogs, and what
// lands in which folder. The name rules are unit-tested.

#include <wx/filefn.h>
#include <wx/textctrl.h>

#include "dialogs/ui/layout_transfer_dialogs.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "panels/ui/palette_panel.h"

namespace fs = std::filesystem;
namespace Id = CommandId;

namespace {

/// A fresh folder outside the user folder, standing in for Downloads or a USB stick.
fs::path freshFolder(const std::string& tag) {
    static int serial = 0;
    const fs::path folder = testRoot() / (tag + std::to_string(serial++));
    fs::create_directories(folder);
    return folder;
}

}  // namespace

TEST_F(FilesTest, LibraryBlocksNeedSelectedPiecesOrScenery) {
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block");
    EXPECT_EQ(lastPrompt().text, "Select pieces first to save as library block.");

    // Shapes alone pass the first check but make no block.
    FreeShape shape;
    shape.id = m_frame->editor().layout().AllocateId();
    shape.vertices = {{0, 0}, {50, 0}, {50, 50}};
    shape.selected = true;
    m_frame->editor().layout().shapes.push_back(shape);
    m_prompts->queueText("Shapes");
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block Failed");
    EXPECT_EQ(lastPrompt().text, "No pieces or scenery selected");
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Error);

    PlacedPiece piece;
    piece.id = m_frame->editor().layout().AllocateId();
    piece.article = "24188";
    piece.selected = true;
    m_frame->editor().layout().pieces.push_back(piece);
    const fs::path folder = userFolder() / "library" / "Marklin_C-Track";

    m_prompts->queueText("Station");
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block");
    EXPECT_EQ(lastPrompt().text, "Block saved: Station");
    EXPECT_TRUE(fs::exists(folder / "Station.tdl"));
    const auto& listed = m_frame->palettePanel()->libraryPaths();
    EXPECT_NE(std::find(listed.begin(), listed.end(), (folder / "Station.tdl").string()),
              listed.end())
        << "the palette shows the new block";
}

TEST_F(FilesTest, ImportCopiesRenamesAndOffersToOpen) {
    const fs::path source = freshFolder("incoming");
    writeLayoutFile(source / "Club.xml", "Old club", 2);
    writeWholeFile(source / "readme.txt", "x");
    const std::string clubBytes = readWholeFile(source / "Club.xml");
    const wxString sourceText = wxString::FromUTF8(source.string());

    duringModal<ImportLayoutDialog>([&](ImportLayoutDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Import Layout");
        EXPECT_TRUE(wxDirExists(dialog->sourceFolder())) << "Downloads or home";
        // Browse puts the chosen folder into the field and lists its layout files.
        dialog->setFolderChooser([&](const wxString& title, const wxString& start) {
            EXPECT_EQ(title, "Choose folder containing layout file");
            EXPECT_EQ(start, dialog->sourceFolder());
            return std::optional<wxString>(sourceText);
        });
        click(dialog->browseButton());
        EXPECT_EQ(dialog->sourceFolder(), sourceText);
        EXPECT_EQ(lines(dialog->fileList()), (std::vector<std::string>{"Club.xml"}));
        EXPECT_FALSE(dialog->importButton()->IsEnabled());

        select(dialog->fileList(), 0);
        EXPECT_EQ(dialog->importName(), "Club");
        EXPECT_TRUE(dialog->importButton()->IsEnabled());
        dialog->nameField()->SetValue(" Clubhouse ");
        click(dialog->importButton());
    });
    m_prompts->queueAnswer(kIdYes);
    command(Id::ImportLayout);
    EXPECT_EQ(lastPrompt().title, "Import");
    EXPECT_EQ(lastPrompt().text, "Imported successfully.\n\nOpen \"Clubhouse\" now?");
    EXPECT_EQ(storedName(userFolder() / "Clubhouse.tdl"), "Clubhouse");
    EXPECT_EQ(readWholeFile(source / "Club.xml"), clubBytes) << "the source is left alone";
    EXPECT_EQ(m_frame->layoutName(), "Clubhouse");
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 2u);

    // Importing a stored layout onto itself keeps it and still renames it.
    writeLayoutFile(userFolder() / "Yard.tdl", "Old yard", 3);
    duringModal<ImportLayoutDialog>([&](ImportLayoutDialog* dialog) {
        dialog->folderField()->SetValue(wxString::FromUTF8(userFolder().string()));
        select(dialog->fileList(), 1);
        EXPECT_EQ(dialog->selectedFile(), "Yard.tdl");
        click(dialog->importButton());
    });
    m_prompts->queueAnswer(kIdYes);
    m_prompts->queueAnswer(kIdNo);
    command(Id::ImportLayout);
    EXPECT_EQ(storedName(userFolder() / "Yard.tdl"), "Yard");
    Layout yard;
    std::string name;
    ASSERT_EQ(ReadLayout((userFolder() / "Yard.tdl").string(), yard, name), "");
    EXPECT_EQ(yard.pieces.size(), 3u);
    EXPECT_EQ(m_frame->layoutName(), "Clubhouse") << "No keeps the open layout";
}

TEST_F(FilesTest, ExportCopiesBytesAndAlwaysWritesTdl) {
    command(Id::ExportLayout);
    EXPECT_EQ(lastPrompt().title, "Export Layout");
    EXPECT_EQ(lastPrompt().text, "No layouts to export. Save a layout first.");

    writeLayoutFile(userFolder() / "Alpha.tdl", "Alpha", 1);
    writeLayoutFile(userFolder() / "Yard.tdl", "Yard", 2);
    ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8((userFolder() / "Yard.tdl").string())));
    const fs::path out = freshFolder("stick");
    const wxString outText = wxString::FromUTF8(out.string());
    const std::string yardBytes = readWholeFile(userFolder() / "Yard.tdl");

    // The open layout starts chosen; an extension typed by the user becomes ".tdl".
    duringModal<ExportLayoutDialog>([&](ExportLayoutDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Export Layout");
        EXPECT_EQ(lines(dialog->nameList()), (std::vector<std::string>{"Alpha", "Yard"}));
        EXPECT_EQ(dialog->selectedName(), "Yard");
        EXPECT_EQ(dialog->fileName(), "Yard");
        EXPECT_TRUE(wxDirExists(dialog->destination())) << "Downloads or home";
        dialog->setFolderChooser([&](const wxString& title, const wxString&) {
            EXPECT_EQ(title, "Choose destination folder");
            return std::optional<wxString>(outText);
        });
        click(dialog->browseButton());
        EXPECT_EQ(dialog->destination(), outText);
        dialog->fileField()->SetValue(" name.xml ");
        click(dialog->exportButton());
    });
    command(Id::ExportLayout);
    EXPECT_EQ(lastPrompt().title, "Export");
    EXPECT_EQ(lastPrompt().text, "Exported to:\n" + (out / "name.tdl").string());
    EXPECT_EQ(readWholeFile(out / "name.tdl"), yardBytes) << "a byte copy, name unchanged";
    EXPECT_FALSE(fs::exists(out / "name.xml"));
}
