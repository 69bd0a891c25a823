#include "document/layout_reader.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "document/layout_writer.h"
#include "file_test_util.h"

using file_test::fixture;

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const std::string kAt = "x=\"0\" y=\"0\" heading=\"0\"";

// A layout text with `body` between the root lines.
std::string layoutText(const std::string& body) {
    return kHead + "<layout name=\"t\">\n" + body + "</layout>\n";
}

std::string pieceText(int id, const std::string& article, const std::string& extra = "",
                      const std::string& joints = "") {
    return "    <piece id=\"" + std::to_string(id) + "\" cat=\"" + article + "\" " + kAt + extra +
           ">\n" + joints + "    </piece>\n";
}

Layout readOk(const std::string& text, std::string* nameOut = nullptr) {
    Layout layout;
    std::string name;
    EXPECT_EQ(readLayoutText(text, layout, name), "") << text;
    if (nameOut)
        *nameOut = name;
    return layout;
}

}  // namespace

TEST(LayoutReader, FullFixtureRoundTripsByteForByte) {
    const std::string original = fixture("full_layout.tdl");
    ASSERT_FALSE(original.empty());
    std::string name;
    const Layout l = readOk(original, &name);
    EXPECT_EQ(name, "Test & Demo \"Layout\" it's");
    EXPECT_EQ(l.checkInvariants(), "");
    EXPECT_EQ(writeLayoutText(l, name), original);
    // A few values, so that a reader and writer wrong in the same way are still caught.
    ASSERT_EQ(l.pieces.size(), 8u);
    EXPECT_DOUBLE_EQ(l.pieces[1].heading, 359.9999);
    EXPECT_EQ(l.pieces[1].color, (Rgb{255, 0, 255}));
    EXPECT_EQ(l.pieces[1].joints[1].target, 3);
    EXPECT_EQ(l.levels[1].name, "Upper & \"deck\" <B>");
    EXPECT_EQ(l.labels[2].text, "Line one\nLine two");
    EXPECT_EQ(l.tunnels[0].covers, (std::vector<uint32_t>{2, 1}));
    EXPECT_EQ(l.nextId, 22u);
}

TEST(LayoutReader, EarlierReleaseXmlReadsWithDefaults) {
    const std::string text = fixture("legacy_layout.xml");
    ASSERT_NE(text.find("\r\n"), std::string::npos) << "the fixture keeps its CR LF line ends";
    Layout l;
    l.baseboard.w_mm = 1800.0;
    std::string name;
    ASSERT_EQ(readLayoutText(text, l, name), "");
    EXPECT_EQ(name, "Old Oval");
    ASSERT_EQ(l.pieces.size(), 2u);
    EXPECT_EQ(l.pieces[0].level, 1);
    EXPECT_EQ(l.checkInvariants(), "");
    ASSERT_EQ(l.scenery.size(), 1u);
    EXPECT_DOUBLE_EQ(l.scenery[0].scalex, 1.0);
    ASSERT_EQ(l.levels.size(), 1u);
    EXPECT_TRUE(l.levels[0].visible) << "anything but \"0\" is visible";
    EXPECT_FALSE(l.levels[0].trackcolor) << "only \"1\" turns track colour on";
    EXPECT_EQ(l.levels[0].r, 180);
    EXPECT_EQ(l.shapes[0].vertices.size(), 2u) << "a vertex without y is skipped";
    EXPECT_EQ(l.tunnels[0].anchorA, -1);
    EXPECT_EQ(l.nextId, 13u);
    EXPECT_DOUBLE_EQ(l.baseboard.w_mm, 1800.0) << "without <lastshape> the values stay";
    EXPECT_EQ(l.gradeAnchor, -1);
}

TEST(LayoutReader, DefaultLevelNextIdGrowingJointsAndTrackColour) {
    Layout l = readOk(layoutText("  <pieces>\n  </pieces>\n"));
    ASSERT_EQ(l.levels.size(), 1u) << "without levels the default level is added";
    EXPECT_EQ(l.levels[0].name, "Level 1");
    EXPECT_EQ(l.nextId, 1u);

    // nextId follows the largest identifier of any kind.
    l = readOk(layoutText("  <pieces>\n" + pieceText(5, "24188") + pieceText(9, "24188") +
                          "  </pieces>\n  <labels>\n    <label id=\"12\" x=\"0\" y=\"0\" "
                          "text=\"a\"/>\n  </labels>\n"));
    EXPECT_EQ(l.nextId, 13u);

    // 24624 is a double slip: joining connector 3 grows the joints to four, the others open.
    l = readOk(layoutText(
        "  <pieces>\n" +
        pieceText(1, "24624", "", "      <joint conn=\"3\" target=\"2\" tconn=\"0\"/>\n") +
        pieceText(2, "24624", "", "      <joint conn=\"0\" target=\"1\" tconn=\"3\"/>\n") +
        "  </pieces>\n"));
    ASSERT_EQ(l.pieces[0].joints.size(), 4u);
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(l.pieces[0].joints[c].isOpen()) << c;
    EXPECT_EQ(l.pieces[0].joints[3].target, 2);

    // trackcolor is never read as r; an outline of two points is lost, one of three kept.
    l = readOk(layoutText(
        "  <levels active=\"1\">\n"
        "    <level id=\"1\" name=\"A\" visible=\"1\" height=\"0\" trackcolor=\"1\" g=\"5\">\n"
        "      <pt x=\"0\" y=\"0\"/>\n      <pt x=\"1\" y=\"0\"/>\n    </level>\n"
        "    <level id=\"2\" name=\"B\">\n      <pt x=\"0\" y=\"0\"/>\n      <pt x=\"1\" "
        "y=\"0\"/>\n"
        "      <pt x=\"1\" y=\"1\"/>\n    </level>\n  </levels>\n"));
    ASSERT_EQ(l.levels.size(), 2u);
    EXPECT_EQ(l.levels[0].r, 180);
    EXPECT_EQ(l.levels[0].g, 5);
    EXPECT_TRUE(l.levels[0].trackcolor);
    const std::string saved = writeLayoutText(l, "t");
    EXPECT_EQ(readOk(saved).levels[0].outline.size(), 0u);
    EXPECT_EQ(readOk(saved).levels[1].outline.size(), 3u);
}

TEST(LayoutReader, MarkersOutsideTheirSectionsMeanNothing) {
    const Layout l = readOk(
        layoutText("  <pt x=\"1\" y=\"1\"/>\n"
                   "  <sceneryitem id=\"40\" item=\"a\" " +
                   kAt +
                   "/>\n"
                   "  <piece id=\"41\" cat=\"x\" " +
                   kAt +
                   ">\n"
                   "  <pieces>\n    <joint conn=\"0\"/>\n  </pieces>\n"
                   "  <shape id=\"42\"></shape>\n"  // opened and closed on one line: not a shape
                   "  <levels active=\"2\">\n    <level id=\"2\" name=\"B\"/>\n  </levels>\n"
                   "  <unknown id=\"43\"/>\n"));
    EXPECT_TRUE(l.pieces.empty() && l.scenery.empty() && l.shapes.empty());
    ASSERT_EQ(l.levels.size(), 1u);
    EXPECT_EQ(l.levels[0].id, 2);
    EXPECT_EQ(l.nextId, 1u);
}

TEST(LayoutReader, FlagsHelixSelectionColoursAndEntities) {
    // Flags other than "1" are false; a selected helix piece selects the whole helix; colours
    // split into bytes, black included.
    const Layout l = readOk(layoutText(
        "  <pieces>\n" + pieceText(1, "24130", " helix=\"4\" sel=\"yes\" rev=\"true\"") +
        pieceText(2, "24130", " helix=\"4\" sel=\"1\"") +
        pieceText(3, "24130", " color=\"1193046\"") + pieceText(5, "24130", " color=\"0\"") +
        "  </pieces>\n  <labels>\n    <label id=\"6\" x=\"0\" y=\"0\" "
        "text=\"a&amp;b&lt;c&gt;&quot;&#10;\"/>\n  </labels>\n"
        "  <helices>\n    <helix id=\"4\" cx=\"0\" cy=\"0\" heading=\"0\" bottomR1=\"1\" "
        "bottomR2=\"-1\" topR1=\"2\" topR2=\"-1\"/>\n  </helices>\n"));
    ASSERT_EQ(l.pieces.size(), 4u);
    EXPECT_FALSE(l.pieces[0].rev);
    EXPECT_TRUE(l.pieces[0].selected);
    EXPECT_FALSE(l.pieces[2].selected);
    EXPECT_EQ(l.pieces[2].color, (Rgb{0x12, 0x34, 0x56}));
    EXPECT_TRUE(l.pieces[3].hasColor) << "colour black is still an own colour";
    EXPECT_EQ(l.labels[0].text, "a&b<c>\"\n");
}

TEST(LayoutReader, OpeningKeepsEditingStateAndUndoHistory) {
    Layout doc;
    doc.PushUndo();
    doc.toolMode = 3;
    doc.measurements.push_back(Measurement{1, 0, 0, 1, 1, 0, 0, false});
    doc.nextId = 500;
    std::string name = "old";
    ASSERT_EQ(readLayoutText(fixture("full_layout.tdl"), doc, name), "");
    EXPECT_EQ(doc.undoStack.size(), 1u);
    EXPECT_EQ(doc.toolMode, 3);
    EXPECT_TRUE(doc.measurements.empty());
    EXPECT_EQ(doc.nextId, 22u);
}

TEST(LayoutReader, NamesThatLookLikeAttributesRoundTrip) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.levels[0].name = "Deck r= visible=";
    layout.levels[0].visible = false;
    layout.units = 2;
    const std::string text = writeLayoutText(layout, "Plan units=");
    std::string name;
    const Layout back = readOk(text, &name);
    EXPECT_EQ(name, "Plan units=");
    EXPECT_EQ(back.levels[0].name, "Deck r= visible=");
    EXPECT_FALSE(back.levels[0].visible);
    EXPECT_EQ(writeLayoutText(back, name), text);
}

TEST(BlockReader, FullBlockRoundTripsByteForByte) {
    const std::string original = fixture("full_block.tdl");
    ASSERT_FALSE(original.empty());
    BlockContent block;
    ASSERT_EQ(readBlockText(original, block), "");
    EXPECT_EQ(block.name, "Yard & \"Siding\"");
    ASSERT_EQ(block.pieces.size(), 3u);
    EXPECT_EQ(block.pieces[0].jointAt(0).target, 2) << "joints leaving the block are kept";
    // The reader takes no selection; a block is saved from a selection.
    EXPECT_FALSE(block.pieces[0].selected);
    Layout layout;
    layout.pieces = ChunkList<PlacedPiece>(block.pieces);
    layout.scenery = ChunkList<SceneryItem>(block.scenery);
    layout.SelectAll();
    EXPECT_EQ(writeBlockText(layout, block.name), original);
}

TEST(BlockReader, TakesOnlyPlacementFieldsFromPieces) {
    const std::string text = kHead +
                             "<block name=\"b\" version=\"1\">\n"
                             "  <piece id=\"7\" cat=\"24188\" x=\"1\" y=\"2\" heading=\"3\" "
                             "z=\"9\" grade=\"2\" rev=\"1\" free=\"1\" level=\"4\" helix=\"5\" "
                             "sel=\"1\" color=\"255\">\n  </piece>\n</block>\n";
    BlockContent block;
    ASSERT_EQ(readBlockText(text, block), "");
    ASSERT_EQ(block.pieces.size(), 1u);
    const PlacedPiece& p = block.pieces[0];
    EXPECT_EQ(p.level, 4);
    EXPECT_DOUBLE_EQ(p.heading, 3.0);
    EXPECT_TRUE(p.z == 0.0 && p.grade == 0.0 && !p.rev && !p.free && !p.selected && !p.hasColor);
    EXPECT_EQ(p.helix, kNoId);
}

TEST(LayoutReader, Latin1NamesAndLabelsAreKeptAsTheirCharacters) {
    // "Bahnhof Süd" written in Latin-1 by another program: 0xFC is not UTF-8.
    const std::string text = kHead + "<layout name=\"Bahnhof S\xfc" + "d\">\n  <pieces>\n" +
                             "  </pieces>\n  <labels>\n    <label id=\"1\" x=\"0\" y=\"0\"" +
                             " text=\"Gr\xfc\xdf" + "e &amp; \xc3\xa9\"/>\n  </labels>\n" +
                             "</layout>\n";
    std::string name;
    const Layout doc = readOk(text, &name);
    EXPECT_EQ(name, "Bahnhof S\xc3\xbc" "d");
    ASSERT_EQ(doc.labels.size(), 1u);
    EXPECT_EQ(doc.labels[0].text, "Gr\xc3\xbc\xc3\x9f" "e & \xc3\xa9") << "valid UTF-8 stays";
    const std::string saved = writeLayoutText(doc, name);
    EXPECT_NE(saved.find("name=\"Bahnhof S\xc3\xbc" "d\""), std::string::npos);
    EXPECT_EQ(writeLayoutText(readOk(saved, &name), name), saved);
}

TEST(LayoutReader, ErrorsQuotingForeignBytesAreValidText) {
    Layout doc;
    std::string name;
    // A Latin-1 value, and a long UTF-8 value whose cut falls inside a two-byte character.
    EXPECT_EQ(readLayoutText(layoutText("  <pieces>\n    <piece id=\"\xfc\">\n  </pieces>\n"), doc,
                             name),
              "Line 4: \"id\" of <piece> is not a number: \"\xc3\xbc\"");
    const std::string error = readLayoutText(
        layoutText("  <pieces>\n    <piece id=\"" + std::string(39, 'a') + "\xc3\xa9\xc3\xa9" +
                   "\">\n  </pieces>\n"),
        doc, name);
    EXPECT_EQ(error, "Line 4: \"id\" of <piece> is not a number: \"" + std::string(39, 'a') +
                         "...\"");
}

TEST(LayoutReader, ALongReadReportsItsProgressInOrderUpToTheEnd) {
    Layout big;
    for (int i = 0; i < 20000; ++i) {
        PlacedPiece p;
        p.id = big.AllocateId();
        p.article = "24188";
        p.x = 200.0 * i;
        big.pieces.push_back(p);
    }
    const std::string text = writeLayoutText(big, "Big");
    std::vector<double> shares;
    Layout read;
    std::string name;
    ASSERT_EQ(readLayoutText(text, read, name, nullptr, [&](double s) { shares.push_back(s); }),
              "");
    EXPECT_EQ(read.pieces.size(), 20000u);
    ASSERT_GE(shares.size(), 3u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GE(shares.front(), 0.0);
    EXPECT_GT(shares.back(), 0.8);
    EXPECT_LE(shares.back(), 1.0);
}
