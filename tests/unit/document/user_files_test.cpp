// The user folder's layouts and the files that move in and out of it: listing order, export
// names, library blocks, and the checks, copies and renames of Import.

#include "document/user_files.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "file_test_util.h"
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

TEST(UserFiles, ListsTdlBeforeXmlSoTheTdlOfANameOpens) {
    ScratchFolder folder("list");
    for (const char* file : {"b.xml", "b.tdl", "a.tdl", "notes.txt", "x.TDL"}) {
        spit(folder.path() / file, "x");
    }
    fs::create_directories(folder.path() / "dir.tdl");
    const auto entries = listLayoutFiles(folder.path().string());
    EXPECT_EQ(names(entries), "a=a.tdl b=b.tdl b=b.xml");
    ASSERT_NE(firstEntryNamed(entries, "b"), nullptr);
    EXPECT_EQ(firstEntryNamed(entries, "b")->path, (folder.path() / "b.tdl").string());
    EXPECT_EQ(names(listImportableFiles(folder.path().string())),
              "a.tdl=a.tdl b.tdl=b.tdl b.xml=b.xml");
    EXPECT_TRUE(deleteLayoutFile((folder.path() / "b.tdl").string()));
    EXPECT_EQ(names(listLayoutFiles(folder.path().string())), "a=a.tdl b=b.xml");
}

TEST(UserFiles, ANameThatIsNotUtf8IsListedReadablyAndOpensItsFile) {
    ScratchFolder folder("latin1");
    const std::string raw = "Bahnhof S\xfc" "d.tdl";  // a Latin-1 file name
    spit(folder.path() / raw, writeLayoutText(Layout{}, "S"));
    const auto entries = listLayoutFiles(folder.path().string());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Bahnhof S\xc3\xbc" "d");
    EXPECT_EQ(entries[0].path, (folder.path() / raw).string());
    Layout doc;
    std::string name;
    EXPECT_EQ(ReadLayout(firstEntryNamed(entries, "Bahnhof S\xc3\xbc" "d")->path, doc, name), "");
    const auto importable = listImportableFiles(folder.path().string());
    ASSERT_EQ(importable.size(), 1u);
    EXPECT_EQ(importable[0].name, "Bahnhof S\xc3\xbc" "d.tdl");
    EXPECT_EQ(importable[0].path, entries[0].path);
}

TEST(UserFiles, ExportNamesDropTheirExtensionAndStayInTheFolder) {
    for (const auto& [typed, file] : {std::pair{"name.xml", "name.tdl"},
                                      {"name", "name.tdl"},
                                      {"a.b.c", "a.b.tdl"},
                                      {".hidden", ".hidden.tdl"}}) {
        EXPECT_EQ(exportFileName(typed), file) << typed;
        EXPECT_EQ(exportNameProblem(typed), "") << typed;
    }
    for (const std::string bad : {"..", "../up", "a/b.xml", "a\\b"}) {
        EXPECT_NE(exportNameProblem(bad).find("cannot be used as a file name"), std::string::npos)
            << bad;
    }
}

TEST(UserFiles, LibraryBlocksAreSavedIntoTheirFolderOnlyAndReplacedSafely) {
    ScratchFolder root("block");
    const std::string folder = (root.path() / "library" / "Marklin_C-Track").string();
    Layout layout;
    layout.pieces.emplace_back();
    layout.pieces.edit(0).id = layout.AllocateId();
    layout.pieces.edit(0).article = "24188";
    layout.pieces.edit(0).selected = true;

    ASSERT_EQ(saveLibraryBlockFile(folder, "Station", layout), "");
    const fs::path block = fs::path(folder) / "Station.tdl";
    const std::string saved = slurp(block);
    for (const std::string bad : {"..", "../Station", "sub/Station", ""}) {
        EXPECT_NE(saveLibraryBlockFile(folder, bad, layout), "") << bad;
    }
    EXPECT_EQ(root.listing(), "library") << "nothing written beside the library";

    // A save that fails half way leaves the old block as it was.
    layout.pieces.edit(0).x = 500.0;
    const RawWrite failing = [](int, const char*, std::size_t size) {
        errno = EIO;
        return size > 8 ? 8L : -1L;
    };
    EXPECT_NE(saveLibraryBlockFile(folder, "Station", layout, failing), "");
    EXPECT_EQ(slurp(block), saved);
    EXPECT_EQ(fs::directory_iterator(folder)->path(), block) << "no temporary file left";
}

TEST(UserFiles, ImportChecksCopiesAndRenames) {
    ScratchFolder folder("import");
    const std::string fixture = std::string(RAILVANE_TEST_DATA) + "/full_layout.tdl";
    const std::string target = folder.file("Renamed.tdl");
    EXPECT_EQ(checkImportSource(fixture), "");
    spit(folder.path() / "junk.tdl", "<html>not a layout</html>\n");
    EXPECT_EQ(checkImportSource(folder.file("junk.tdl"))
                  .rfind("This file does not appear to be a Railvane layout:\n\n", 0),
              0u);

    ASSERT_EQ(copyLayoutFile(fixture, target), "");
    EXPECT_EQ(copyLayoutFile(target, target), "") << "onto itself: never emptied";
    EXPECT_EQ(slurp(target), file_test::fixture("full_layout.tdl"));
    EXPECT_EQ(copyLayoutFile(folder.file("gone.tdl"), target),
              "Could not copy the file to:\n" + target);

    // The rewrite changes the stored name and nothing else.
    Layout before, after;
    std::string oldName, newName;
    ASSERT_EQ(ReadLayout(target, before, oldName), "");
    ASSERT_EQ(renameStoredLayout(target, "Renamed"), "");
    ASSERT_EQ(ReadLayout(target, after, newName), "");
    EXPECT_EQ(newName, "Renamed");
    EXPECT_NE(oldName, "Renamed");
    EXPECT_EQ(writeLayoutText(after, "n"), writeLayoutText(before, "n"));
}

}  // namespace
