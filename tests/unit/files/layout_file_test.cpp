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

TEST(LayoutFile, SavesAndOpensAgainAndOpensTheFixtures) {
    ScratchFolder folder("save");
    const std::string path = folder.file("My Layout.tdl");
    const Layout layout = smallLayout();
    ASSERT_EQ(WriteLayout(path, layout, "My Layout"), "");
    EXPECT_EQ(slurp(path), writeLayoutText(layout, "My Layout"));
    EXPECT_EQ(folder.listing(), "My Layout.tdl") << "no temporary file is left behind";

    Layout back;
    std::string name;
    ASSERT_EQ(ReadLayout(path, back, name), "");
    EXPECT_EQ(name, "My Layout");
    ASSERT_EQ(back.pieces.size(), 1u);
    EXPECT_DOUBLE_EQ(back.pieces[0].x, 1.5);
    EXPECT_EQ(back.nextId, 2u);

    // Every fixture opens from disk.
    EXPECT_EQ(ReadLayout(file_test::dataPath("full_layout.tdl"), back, name), "");
    EXPECT_EQ(ReadLayout(file_test::dataPath("legacy_layout.xml"), back, name), "");
    EXPECT_EQ(name, "Old Oval");
    BlockContent block;
    EXPECT_EQ(ReadBlock(file_test::dataPath("full_block.tdl"), block), "");
    EXPECT_EQ(block.pieces.size(), 3u);
}

TEST(LayoutFile, ReplacingKeepsPermissionsAndLinks) {
    ScratchFolder folder("perm");
    const std::string path = folder.file("a.tdl");
    spit(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(WriteLayout(path, smallLayout(), "a"), "");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_NE(slurp(path), "old");

    // Saving through a symbolic link replaces the linked file, not the link.
    const std::string link = folder.file("link.tdl");
    std::filesystem::create_symlink(path, link);
    ASSERT_EQ(WriteLayout(link, smallLayout(), "l"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(slurp(path), writeLayoutText(smallLayout(), "l"));
}

TEST(LayoutFile, UnopenableTargetsReportThePath) {
    ScratchFolder folder("noopen");
    // A regular file where the folder should be: refused even for root.
    spit(folder.path() / "plain", "x");
    const std::string underFile = folder.file("plain") + "/a.tdl";
    EXPECT_EQ(WriteLayout(underFile, smallLayout(), "a"), "Cannot open file: " + underFile);
    const std::string missing = folder.file("no/such/folder/a.tdl");
    EXPECT_EQ(WriteLayout(missing, smallLayout(), "a"), "Cannot open file: " + missing);
    EXPECT_EQ(WriteBlock(missing, smallLayout(), "a"), "Cannot open file: " + missing);
    EXPECT_EQ(folder.listing(), "plain");

    Layout doc = smallLayout();
    std::string name = "kept";
    EXPECT_EQ(ReadLayout(missing, doc, name), "Cannot open file: " + missing);
    EXPECT_EQ(ReadLayout(folder.path().string(), doc, name),
              "Cannot open file: " + folder.path().string());
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(doc.pieces.size(), 1u);
    BlockContent block;
    EXPECT_EQ(ReadBlock(missing, block), "Cannot open file: " + missing);
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
    EXPECT_EQ(WriteLayout(path, smallLayout(), "keep", failing), "Cannot write file: " + path);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(slurp(path), "previous contents\n");
    EXPECT_EQ(folder.listing(), "keep.tdl") << "the temporary file is removed";

    calls = 0;
    EXPECT_EQ(WriteBlock(path, smallLayout(), "keep", failing), "Cannot write file: " + path);
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
    FreeShape shape;
    shape.selected = true;
    layout.shapes.push_back(shape);
    const std::string path = folder.file("b.tdl");
    EXPECT_EQ(WriteBlock(path, layout, "b"), "No pieces or scenery selected");
    EXPECT_EQ(folder.listing(), "");

    layout.pieces[0].selected = true;
    ASSERT_EQ(WriteBlock(path, layout, "b"), "");
    BlockContent block;
    ASSERT_EQ(ReadBlock(path, block), "");
    EXPECT_EQ(block.name, "b");
    EXPECT_EQ(block.pieces.size(), 1u);
}

TEST(LayoutFile, BrokenFileNamesThePathAndLine) {
    ScratchFolder folder("broken");
    const std::string path = folder.file("bad.tdl");
    spit(path, "<layout name=\"x\">\n  <labels>\n    <label id=\"1\" y=\"0\"/>\n</layout>\n");
    Layout doc = smallLayout();
    std::string name = "kept";
    EXPECT_EQ(ReadLayout(path, doc, name),
              "Cannot read file: " + path + "\nLine 3: <label> lacks the required attribute \"x\"");
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(doc.pieces.size(), 1u);
    EXPECT_TRUE(doc.labels.empty());
}

TEST(LayoutFile, OversizedFilesAreRefusedUnread) {
    ScratchFolder folder("large");
    const std::string path = folder.file("big.tdl");
    spit(path, std::string(20, 'x'));
    std::string bytes = "kept";
    EXPECT_EQ(loadWholeFile(path, bytes, 10),
              "The file is too large to be a layout (20 bytes): " + path);
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(loadWholeFile(path, bytes, 20), "");
    EXPECT_EQ(bytes, std::string(20, 'x'));
}
