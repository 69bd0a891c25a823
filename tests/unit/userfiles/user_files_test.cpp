// The user folder's layouts and the files that move in and out of it: listing order, names that
// would lead out of a folder, library blocks, and the copies and renames of Import and Export.

#include "document/user_files.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "../files/file_test_util.h"
#include "document/layout_file.h"
#include "document/layout_writer.h"

namespace fs = std::filesystem;
using file_test::ScratchFolder;
using file_test::slurp;
using file_test::spit;

namespace {

std::string names(const std::vector<LayoutFileEntry>& entries) {
    std::string out;
    for (const LayoutFileEntry& e : entries) {
        out += (out.empty() ? "" : " ") + e.name + "=" + fs::path(e.path).filename().string();
    }
    return out;
}

Layout layoutWithSelectedShapeOnly() {
    Layout layout;
    FreeShape shape;
    shape.id = layout.AllocateId();
    shape.vertices = {{0, 0}, {100, 0}, {100, 50}};
    shape.selected = true;
    layout.shapes.push_back(shape);
    return layout;
}

}  // namespace

TEST(UserFiles, ListsTdlBeforeXmlSoTheTdlOfANameOpens) {
    ScratchFolder folder("list");
    for (const char* file : {"b.xml", "b.tdl", "a.tdl", "c.xml", "notes.txt", "x.TDL"}) {
        spit(folder.path() / file, "x");
    }
    fs::create_directories(folder.path() / "dir.tdl");

    const auto entries = listLayoutFiles(folder.path().string());
    EXPECT_EQ(names(entries), "a=a.tdl b=b.tdl b=b.xml c=c.xml");
    ASSERT_NE(firstEntryNamed(entries, "b"), nullptr);
    EXPECT_EQ(firstEntryNamed(entries, "b")->path, (folder.path() / "b.tdl").string());
    EXPECT_EQ(firstEntryNamed(entries, "c")->path, (folder.path() / "c.xml").string());
    EXPECT_EQ(firstEntryNamed(entries, "B"), nullptr) << "names match exactly";

    // Import lists full file names, in one sorted list.
    const std::vector<std::string> files = listLayoutFileNames(folder.path().string());
    EXPECT_EQ(files, (std::vector<std::string>{"a.tdl", "b.tdl", "b.xml", "c.xml"}));

    EXPECT_TRUE(listLayoutFiles((folder.path() / "missing").string()).empty());
    EXPECT_TRUE(listLayoutFileNames("").empty());
    EXPECT_TRUE(listLayoutFileNames((folder.path() / "missing").string()).empty());

    EXPECT_TRUE(deleteLayoutFile((folder.path() / "b.tdl").string()));
    EXPECT_FALSE(deleteLayoutFile((folder.path() / "b.tdl").string())) << "already gone";
    EXPECT_EQ(names(listLayoutFiles(folder.path().string())), "a=a.tdl b=b.xml c=c.xml");
}

TEST(UserFiles, ExportNamesDropTheirExtensionAndStayInTheFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"name.xml", "name.tdl"},
        {"name", "name.tdl"},
        {"name.tdl", "name.tdl"},
        {"a.b.c", "a.b.tdl"},
        {".hidden", ".hidden.tdl"},
        {"trailing.", "trailing.tdl"},
        {"My Layout (2)", "My Layout (2).tdl"},
    };
    for (const auto& [typed, file] : cases) {
        EXPECT_EQ(exportFileName(typed), file) << typed;
        EXPECT_EQ(exportNameProblem(typed), "") << typed;
    }
    for (const std::string bad : {"..", ".", "..xml", "../up", "a/b.xml", "a\\b", "line\nbreak"}) {
        const std::string problem = exportNameProblem(bad);
        EXPECT_NE(problem.find("cannot be used as a file name"), std::string::npos) << bad;
        EXPECT_NE(problem.find("letters, digits"), std::string::npos) << bad;
    }
}

TEST(UserFiles, LibraryBlocksAreSavedIntoTheirFolderOnlyAndReplacedSafely) {
    ScratchFolder root("block");
    const std::string folder = (root.path() / "library" / "Marklin_C-Track").string();

    Layout layout;
    PlacedPiece piece;
    piece.id = layout.AllocateId();
    piece.article = "24188";
    piece.selected = true;
    layout.pieces.push_back(piece);

    // The folder is created with its parents; the block is named as typed.
    ASSERT_EQ(saveLibraryBlockFile(folder, "Station", layout), "");
    const fs::path block = fs::path(folder) / "Station.tdl";
    const std::string saved = slurp(block);
    EXPECT_NE(saved.find("24188"), std::string::npos);

    for (const std::string bad : {"..", ".", "../Station", "sub/Station", ""}) {
        EXPECT_NE(blockNameProblem(bad), "") << bad;
        EXPECT_NE(saveLibraryBlockFile(folder, bad, layout), "") << bad;
    }
    EXPECT_EQ(root.listing(), "library") << "nothing written beside the library";

    // A save that fails half way leaves the old block as it was.
    layout.pieces[0].x = 500.0;
    const RawWrite failing = [](int, const char*, std::size_t size) {
        errno = EIO;
        return size > 8 ? 8L : -1L;
    };
    EXPECT_NE(saveLibraryBlockFile(folder, "Station", layout, failing), "");
    EXPECT_EQ(slurp(block), saved);
    EXPECT_EQ(fs::directory_iterator(folder)->path(), block) << "no temporary file left";

    // Only shapes selected: nothing to put into a block.
    EXPECT_EQ(saveLibraryBlockFile(folder, "Shapes", layoutWithSelectedShapeOnly()),
              "No pieces or scenery selected");
    EXPECT_FALSE(fs::exists(fs::path(folder) / "Shapes.tdl"));
}

TEST(UserFiles, ImportChecksCopiesAndRenamesExportCopiesBytes) {
    ScratchFolder folder("import");
    const std::string fixture = file_test::dataPath("full_layout.tdl");
    const std::string target = folder.file("Renamed.tdl");

    EXPECT_EQ(checkImportSource(fixture), "");
    spit(folder.path() / "junk.tdl", "<html>not a layout</html>\n");
    const std::string refusal = checkImportSource(folder.file("junk.tdl"));
    EXPECT_EQ(refusal.rfind("This file does not appear to be a Railvane layout:\n\n", 0), 0u)
        << refusal;
    EXPECT_GT(refusal.size(), 60u) << "the reader's reason follows";

    // The copy is byte for byte.
    ASSERT_EQ(copyLayoutFile(fixture, target), "");
    EXPECT_EQ(slurp(target), file_test::fixture("full_layout.tdl"));

    // A copy onto itself, or from a file that is gone, never empties the target.
    EXPECT_EQ(copyLayoutFile(target, target), "");
    EXPECT_EQ(slurp(target), file_test::fixture("full_layout.tdl"));
    EXPECT_EQ(copyLayoutFile(folder.file("gone.tdl"), target),
              "Could not copy the file to:\n" + target);
    EXPECT_EQ(slurp(target), file_test::fixture("full_layout.tdl"));
    EXPECT_EQ(copyLayoutFile(fixture, folder.file("no/such/folder.tdl")),
              "Could not copy the file to:\n" + folder.file("no/such/folder.tdl"));

    // The rewrite changes the stored name and nothing else.
    Layout before, after;
    std::string oldName, newName;
    ASSERT_EQ(ReadLayout(target, before, oldName), "");
    ASSERT_EQ(renameStoredLayout(target, "Renamed"), "");
    ASSERT_EQ(ReadLayout(target, after, newName), "");
    EXPECT_EQ(newName, "Renamed");
    EXPECT_NE(oldName, "Renamed");
    EXPECT_EQ(writeLayoutText(after, "n"), writeLayoutText(before, "n"));
    EXPECT_NE(renameStoredLayout(folder.file("junk.tdl"), "X"), "");
    EXPECT_EQ(slurp(folder.path() / "junk.tdl"), "<html>not a layout</html>\n");
}
