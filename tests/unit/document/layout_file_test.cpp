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
    EXPECT_EQ(WriteLayout(missing, smallLayout(), "a"), "Cannot open file: " + missing);
    EXPECT_EQ(WriteBlock(missing, smallLayout(), "a"), "Cannot open file: " + missing);
    Layout doc = smallLayout();
    std::string name = "kept";
    EXPECT_EQ(ReadLayout(missing, doc, name), "Cannot open file: " + missing);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(doc.pieces.size(), 1u);
    EXPECT_EQ(folder.listing(), "");
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
    const std::string path = folder.file("b.tdl");
    EXPECT_EQ(WriteBlock(path, layout, "b"), "No pieces or scenery selected");
    EXPECT_EQ(folder.listing(), "");
    layout.pieces[0].selected = true;
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
