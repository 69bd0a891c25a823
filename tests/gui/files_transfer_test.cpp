// Library blocks, Import and Export as the user meets them: the messages, the names that are
// refused, and what lands in which folder.

#include <wx/filefn.h>
#include <wx/textctrl.h>

#include "dialogs/layout_transfer_dialogs.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "panels/palette_panel.h"

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

TEST_F(FilesTest, LibraryBlocksNeedASelectionAndASafeName) {
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block");
    EXPECT_EQ(lastPrompt().text, "Select pieces first to save as library block.");

    // Shapes alone pass the first check but make no block.
    FreeShape shape;
    shape.id = m_frame->layout.AllocateId();
    shape.vertices = {{0, 0}, {50, 0}, {50, 50}};
    shape.selected = true;
    m_frame->layout.shapes.push_back(shape);
    m_prompts->queueText("Shapes");
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block Failed");
    EXPECT_EQ(lastPrompt().text, "No pieces or scenery selected");
    EXPECT_EQ(lastPrompt().icon, PromptIcon::Error);

    PlacedPiece piece;
    piece.id = m_frame->layout.AllocateId();
    piece.article = "24188";
    piece.selected = true;
    m_frame->layout.pieces.push_back(piece);
    const fs::path folder = userFolder() / "library" / "Marklin_C-Track";

    // Cancel and an empty answer end silently; names leading elsewhere are refused.
    m_prompts->queueText(std::nullopt);
    m_prompts->queueText("");
    command(Id::SaveLibraryBlock);
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().kind, ScriptedPrompter::Kind::AskText);
    for (const char* bad : {"../Escape", "..", "sub/Escape"}) {
        m_prompts->queueText(bad);
        command(Id::SaveLibraryBlock);
        EXPECT_EQ(lastPrompt().title, "Save Library Block") << bad;
        EXPECT_NE(lastPrompt().text.find("cannot be used as a block name"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(userFolder() / "library" / "Escape.tdl"));
    EXPECT_FALSE(fs::exists(folder / "sub"));

    m_prompts->queueText("Station");
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().title, "Save Block");
    EXPECT_EQ(lastPrompt().text, "Block saved: Station");
    EXPECT_TRUE(fs::exists(folder / "Station.tdl"));
    const auto& listed = m_frame->palette->libraryPaths();
    EXPECT_NE(std::find(listed.begin(), listed.end(), (folder / "Station.tdl").string()),
              listed.end())
        << "the palette shows the new block";

    // The same name again replaces the block without a question.
    m_frame->layout.pieces[0].x = 321.0;
    m_prompts->queueText("Station");
    command(Id::SaveLibraryBlock);
    EXPECT_EQ(lastPrompt().text, "Block saved: Station");
    EXPECT_NE(readWholeFile(folder / "Station.tdl").find("321"), std::string::npos);
}

TEST_F(FilesTest, ImportChecksCopiesRenamesAndOffersToOpen) {
    const fs::path source = freshFolder("incoming");
    writeLayoutFile(source / "Club.xml", "Old club", 2);
    writeWholeFile(source / "junk.tdl", "<html>not a layout</html>\n");
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
        EXPECT_EQ(lines(dialog->fileList()), (std::vector<std::string>{"Club.xml", "junk.tdl"}));
        EXPECT_FALSE(dialog->importButton()->IsEnabled());

        select(dialog->fileList(), 0);
        EXPECT_EQ(dialog->importName(), "Club");
        EXPECT_TRUE(dialog->importButton()->IsEnabled());
        dialog->nameField()->SetValue("   ");
        EXPECT_FALSE(dialog->importButton()->IsEnabled());
        dialog->nameField()->SetValue(" Clubhouse ");
        click(dialog->importButton());
    });
    m_prompts->queueAnswer(kIdYes);
    command(Id::ImportLayout);
    EXPECT_EQ(lastPrompt().title, "Import");
    EXPECT_EQ(lastPrompt().text, "Imported successfully.\n\nOpen \"Clubhouse\" now?");
    EXPECT_EQ(storedName(userFolder() / "Clubhouse.tdl"), "Clubhouse");
    EXPECT_EQ(readWholeFile(source / "Club.xml"), clubBytes) << "the source is left alone";
    EXPECT_EQ(m_frame->layoutName, "Clubhouse");
    EXPECT_EQ(m_frame->layout.pieces.size(), 2u);

    // An existing name asks first; No keeps the stored layout.
    const std::string stored = readWholeFile(userFolder() / "Clubhouse.tdl");
    duringModal<ImportLayoutDialog>([&](ImportLayoutDialog* dialog) {
        dialog->folderField()->SetValue(sourceText);
        select(dialog->fileList(), 0);
        dialog->nameField()->SetValue("Clubhouse");
        doubleClick(dialog->fileList(), 0);
    });
    m_prompts->queueAnswer(kIdNo);
    command(Id::ImportLayout);
    EXPECT_EQ(lastPrompt().title, "Confirm Replace");
    EXPECT_EQ(lastPrompt().text, "A layout named \"Clubhouse\" already exists.\n\nReplace it?");
    EXPECT_EQ(readWholeFile(userFolder() / "Clubhouse.tdl"), stored);

    // A file that is not a layout, and a name that leads out of the user folder, import nothing.
    for (const char* name : {"junk", "../Escape"}) {
        duringModal<ImportLayoutDialog>([&](ImportLayoutDialog* dialog) {
            dialog->folderField()->SetValue(sourceText);
            select(dialog->fileList(), std::string(name) == "junk" ? 1 : 0);
            dialog->nameField()->SetValue(name);
            click(dialog->importButton());
        });
        command(Id::ImportLayout);
    }
    EXPECT_EQ(m_prompts->records()[m_prompts->records().size() - 2].title, "Import Failed");
    EXPECT_EQ(m_prompts->records()[m_prompts->records().size() - 2].text.rfind(
                  "This file does not appear to be a Railvane layout:\n\n", 0),
              0u);
    EXPECT_EQ(lastPrompt().title, "Import Layout");
    EXPECT_NE(lastPrompt().text.find("cannot be used as a layout name"), std::string::npos);
    EXPECT_FALSE(fs::exists(userFolder() / "junk.tdl"));
    EXPECT_FALSE(fs::exists(userFolder().parent_path() / "Escape.tdl"));

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
    EXPECT_EQ(m_frame->layoutName, "Clubhouse") << "No keeps the open layout";
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

    const auto exportAs = [&](const wxString& folder, const wxString& file) {
        duringModal<ExportLayoutDialog>([=](ExportLayoutDialog* dialog) {
            dialog->destinationField()->SetValue(folder);
            dialog->fileField()->SetValue(file);
            click(dialog->exportButton());
        });
        command(Id::ExportLayout);
    };

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
        dialog->fileField()->SetValue("");
        EXPECT_FALSE(dialog->exportButton()->IsEnabled());
        dialog->fileField()->SetValue(" name.xml ");
        click(dialog->exportButton());
    });
    command(Id::ExportLayout);
    EXPECT_EQ(lastPrompt().title, "Export");
    EXPECT_EQ(lastPrompt().text, "Exported to:\n" + (out / "name.tdl").string());
    EXPECT_EQ(readWholeFile(out / "name.tdl"), yardBytes) << "a byte copy, name unchanged";
    EXPECT_FALSE(fs::exists(out / "name.xml"));

    // An existing file asks first; No leaves it.
    writeWholeFile(out / "name.tdl", "keep me");
    m_prompts->queueAnswer(kIdNo);
    exportAs(outText, "name");
    EXPECT_EQ(lastPrompt().text, "\"name.tdl\" already exists in that folder.\n\nReplace it?");
    EXPECT_EQ(readWholeFile(out / "name.tdl"), "keep me");

    exportAs(outText + "/missing", "name");
    EXPECT_EQ(lastPrompt().title, "Export Failed");
    EXPECT_EQ(lastPrompt().text,
              "Destination folder does not exist:\n" + out.string() + "/missing");

    exportAs(outText, "../escape");
    EXPECT_EQ(lastPrompt().title, "Export Layout");
    EXPECT_NE(lastPrompt().text.find("cannot be used as a file name"), std::string::npos);
    EXPECT_FALSE(fs::exists(out.parent_path() / "escape.tdl"));

    // Choosing another name proposes it; a double click exports.
    duringModal<ExportLayoutDialog>([&](ExportLayoutDialog* dialog) {
        dialog->destinationField()->SetValue(outText);
        select(dialog->nameList(), 0);
        EXPECT_EQ(dialog->fileName(), "Alpha");
        doubleClick(dialog->nameList(), 0);
    });
    command(Id::ExportLayout);
    EXPECT_EQ(readWholeFile(out / "Alpha.tdl"), readWholeFile(userFolder() / "Alpha.tdl"));
}
