#include "document/layout_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include "document/layout_writer.h"
#include "file_test_util.h"

using file_test::ScratchFolder;
using file_test::slurp;
using file_test::spit;

namespace {

Layout smallLayout() {
    Layout layout;
    layout.EnsureDefaultLevel();
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = "24188";
    p.x = 1.5;
    p.selected = true;
    layout.pieces.push_back(p);
    return layout;
}

}  // namespace

TEST(LayoutFile, SavesKeepingPermissionsAndLinksAndOpensAgain) {
    ScratchFolder folder("save");
    const std::string path = folder.file("a.tdl");
    spit(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(WriteLayout(path, smallLayout(), "My Layout"), "");
    EXPECT_EQ(slurp(path), writeLayoutText(smallLayout(), "My Layout"));
    EXPECT_EQ(folder.listing(), "a.tdl") << "no temporary file is left behind";
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    Layout back;
    std::string name;
    ASSERT_EQ(ReadLayout(path, back, name), "");
    EXPECT_EQ(name, "My Layout");
    EXPECT_EQ(back.pieces.size(), 1u);

    // Saving through a symbolic link replaces the linked file, not the link.
    const std::string link = folder.file("link.tdl");
    std::filesystem::create_symlink(path, link);
    ASSERT_EQ(WriteLayout(link, smallLayout(), "l"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(slurp(path), writeLayoutText(smallLayout(), "l"));
}

TEST(LayoutFile, UnopenableTargetsReportThePathAndLeaveTheDocument) {
    ScratchFolder folder("noopen");
    const std::string missing = folder.file("no/such/folder/a.tdl");
    const std::string noFolder = "Cannot open file: " + missing + "\nThe folder does not exist.";
    EXPECT_EQ(WriteLayout(missing, smallLayout(), "a"), noFolder);
    EXPECT_EQ(WriteBlock(missing, smallLayout(), "a"), noFolder);
    Layout doc = smallLayout();
    std::string name = "kept";
    EXPECT_EQ(ReadLayout(missing, doc, name),
              "Cannot open file: " + missing + "\nThe file does not exist.");
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(doc.pieces.size(), 1u);

    // A folder with a layout's file name is neither replaced nor read as a layout.
    const std::string dir = folder.file("X.tdl");
    std::filesystem::create_directory(dir);
    EXPECT_EQ(WriteLayout(dir, smallLayout(), "X"),
              "Cannot open file: " + dir + "\nA folder of that name is in the way.");
    EXPECT_EQ(ReadLayout(dir, doc, name), "Cannot open file: " + dir + "\nIt is a folder, not a file.");
    EXPECT_EQ(folder.listing(), "X.tdl");
}

TEST(LayoutFile, FailureMessagesSayTheCauseTheSystemGives) {
    EXPECT_EQ(saveFailureCause(EACCES),
              "The folder is read-only: you have no permission to write there.");
    EXPECT_EQ(saveFailureCause(EROFS), "The disk is read-only.");
    EXPECT_EQ(saveFailureCause(EDQUOT), "Your disk quota is used up.");
    EXPECT_EQ(saveFailureCause(EMLINK), "The system reports: Too many links.");
}

TEST(LayoutFile, NamesUpToTheFileSystemLimitSave) {
    ScratchFolder folder("longname");
    // 251 bytes and ".tdl" make the longest file name most file systems take (255 bytes).
    const std::string path = folder.file(std::string(251, 'n') + ".tdl");
    ASSERT_EQ(WriteLayout(path, smallLayout(), "long"), "");
    EXPECT_EQ(slurp(path), writeLayoutText(smallLayout(), "long"));
    EXPECT_EQ(folder.listing(), std::string(251, 'n') + ".tdl");
}

TEST(LayoutFile, StaleTemporaryFilesOfKilledSavesAreRemoved) {
    ScratchFolder folder("stale");
    const std::filesystem::path library = folder.path() / "library" / "Marklin_C-Track";
    std::filesystem::create_directories(library);
    // 999999999 is above any process id the system hands out, so no such process runs.
    const std::string own = ".railvane-" + std::to_string(::getpid()) + "-7.tmp";
    for (const std::string& file : {std::string(".railvane-999999999-3.tmp"),
                                    std::string("a.tdl.tmp999999999_0"), own,
                                    std::string("notes.tmp"), std::string("b.tdl")}) {
        spit(folder.path() / file, "x");
    }
    spit(library / ".railvane-999999999-0.tmp", "x");
    EXPECT_EQ(removeStaleSaveFiles(folder.path().string(), 2), 3);
    EXPECT_EQ(folder.listing(), own + " b.tdl library notes.tmp")
        << "a save of a running process and other files stay";
    EXPECT_TRUE(std::filesystem::is_empty(library));
}

TEST(LayoutFile, SaveRefusesALayoutThatOpenCouldNotReadBack) {
    ScratchFolder folder("unreadable");
    const std::string path = folder.file("far.tdl");
    // A block spanning 200 km inserted at the origin puts a piece 200 km out, beyond what Open
    // reads.
    Layout layout = smallLayout();
    layout.pieces.edit(0).x = 2.0e8;
    const std::string error = WriteLayout(path, layout, "far");
    EXPECT_EQ(error.substr(0, error.find('\n')),
              "The layout cannot be saved, because the file could not be opened again:");
    EXPECT_NE(error.find("(lengths are limited to 100 km)\nNothing was written to " + path),
              std::string::npos)
        << error;
    EXPECT_NE(WriteBlock(path, layout, "far"), "");
    EXPECT_EQ(folder.listing(), "");
}

TEST(LayoutFile, SaveRefusesWhatOpenWouldRefuseAndBothAcceptTheLimit) {
    ScratchFolder folder("limit");
    const std::string path = folder.file("big.tdl");
    const std::string text = writeLayoutText(smallLayout(), "big");
    const size_t limit = text.size();
    EXPECT_EQ(saveDocumentText(path, text, {}, limit - 1),
              "The layout is too large to be saved: it would take " + std::to_string(limit) +
                  " bytes, and a layout file may hold at most " + std::to_string(limit - 1) +
                  ". Nothing was written to " + path);
    EXPECT_EQ(folder.listing(), "");
    ASSERT_EQ(saveDocumentText(path, text, {}, limit), "");
    std::string bytes;
    EXPECT_EQ(loadWholeFile(path, bytes, limit), "");
    EXPECT_EQ(bytes, text);
    EXPECT_NE(loadWholeFile(path, bytes, limit - 1), "");
}

TEST(LayoutFile, FailureHalfWayKeepsThePreviousFile) {
    ScratchFolder folder("half");
    const std::string path = folder.file("keep.tdl");
    spit(path, "previous contents\n");
    int calls = 0;
    // Writes a few bytes, then reports a full disk.
    const RawWrite failing = [&](int fd, const char* data, std::size_t size) -> long {
        if (++calls > 1) {
            errno = ENOSPC;
            return -1;
        }
        return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 10)));
    };
    const std::string full = "Cannot write file: " + path + "\nThe disk is full.";
    EXPECT_EQ(WriteLayout(path, smallLayout(), "keep", failing), full);
    EXPECT_EQ(slurp(path), "previous contents\n");
    EXPECT_EQ(folder.listing(), "keep.tdl") << "the temporary file is removed";
    calls = 0;
    EXPECT_EQ(WriteBlock(path, smallLayout(), "keep", failing), full);
    EXPECT_EQ(slurp(path), "previous contents\n");

    // A writer that takes one byte at a time still produces the whole file.
    const RawWrite trickle = [](int fd, const char* data, std::size_t) -> long {
        return static_cast<long>(::write(fd, data, 1));
    };
    ASSERT_EQ(WriteLayout(path, smallLayout(), "keep", trickle), "");
    EXPECT_EQ(slurp(path), writeLayoutText(smallLayout(), "keep"));
}

TEST(LayoutFile, BlockWithNothingSelectedCreatesNoFile) {
    ScratchFolder folder("block");
    Layout layout = smallLayout();
    layout.DeselectAll();
    const std::string path = folder.file("b.tdl");
    EXPECT_EQ(WriteBlock(path, layout, "b"), "No pieces or scenery selected");
    EXPECT_EQ(folder.listing(), "");
    layout.pieces.edit(0).selected = true;
    ASSERT_EQ(WriteBlock(path, layout, "b"), "");
    BlockContent block;
    ASSERT_EQ(ReadBlock(path, block), "");
    EXPECT_EQ(block.pieces.size(), 1u);
}

TEST(LayoutFile, BrokenAndOversizedFilesAreRefusedWithThePath) {
    ScratchFolder folder("broken");
    const std::string path = folder.file("bad.tdl");
    spit(path, "<layout name=\"x\">\n  <labels>\n    <label id=\"1\" y=\"0\"/>\n</layout>\n");
    Layout doc = smallLayout();
    std::string name = "kept";
    EXPECT_EQ(ReadLayout(path, doc, name),
              "Cannot read file: " + path + "\nLine 3: <label> lacks the required attribute \"x\"");
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(doc.pieces.size(), 1u);

    spit(path, std::string(20, 'x'));
    std::string bytes = "kept";
    EXPECT_EQ(loadWholeFile(path, bytes, 10),
              "The file is too large to be a layout (20 bytes): " + path);
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(loadWholeFile(path, bytes, 20), "");
}
