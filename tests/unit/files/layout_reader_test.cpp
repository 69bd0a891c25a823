#include "document/layout_reader.h"

#include <gtest/gtest.h>

#include "document/layout_writer.h"
#include "file_test_util.h"

using file_test::fixture;

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// A layout text with `body` between the root lines.
std::string layoutText(const std::string& body, const std::string& root = "<layout name=\"t\">") {
    return kHead + root + "\n" + body + "</layout>\n";
}

Layout readOk(const std::string& text, std::string* nameOut = nullptr) {
    Layout layout;
    std::string name;
    const std::string error = readLayoutText(text, layout, name);
    EXPECT_EQ(error, "") << text;
    if (nameOut)
        *nameOut = name;
    return layout;
}

}  // namespace

TEST(LayoutReader, FullFixtureRoundTripsByteForByte) {
    const std::string original = fixture("full_layout.tdl");
    ASSERT_FALSE(original.empty());
    std::string name;
    const Layout layout = readOk(original, &name);
    EXPECT_EQ(name, "Test & Demo \"Layout\" it's");
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(writeLayoutText(layout, name), original);
}

TEST(LayoutReader, FullFixtureValues) {
    const Layout l = readOk(fixture("full_layout.tdl"));
    ASSERT_EQ(l.pieces.size(), 8u);
    const PlacedPiece& p2 = l.pieces[1];
    EXPECT_EQ(p2.article, "24130");
    EXPECT_DOUBLE_EQ(p2.x, 188.3);
    EXPECT_DOUBLE_EQ(p2.heading, 359.9999);
    EXPECT_DOUBLE_EQ(p2.z, 12.5);
    EXPECT_TRUE(p2.rev && p2.selected && p2.hasColor && !p2.free);
    EXPECT_EQ(p2.color, (Rgb{255, 0, 255}));
    EXPECT_EQ(p2.level, 2);
    ASSERT_EQ(p2.joints.size(), 2u);
    EXPECT_EQ(p2.joints[1].target, 3);
    EXPECT_EQ(p2.joints[1].tconn, 0);
    EXPECT_TRUE(l.pieces[2].joints.at(1).isOpen());
    EXPECT_EQ(l.pieces[4].helix, 20u);
    EXPECT_EQ(l.pieces[0].helix, kNoId);
    EXPECT_EQ(l.pieces[6].article, "Custom <7> & co");
    EXPECT_EQ(l.units, 1u);
    EXPECT_EQ(l.nextId, 22u);
    EXPECT_EQ(l.activeLevel, 2);
    ASSERT_EQ(l.levels.size(), 3u);
    EXPECT_EQ(l.levels[1].name, "Upper & \"deck\" <B>");
    EXPECT_TRUE(!l.levels[1].visible && l.levels[1].trackcolor);
    EXPECT_EQ(l.levels[1].r, 10);
    EXPECT_EQ(l.levels[1].outline.size(), 3u);
    EXPECT_EQ(l.baseboard.vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(l.baseboard.h2_mm, 600.0);
    ASSERT_EQ(l.labels.size(), 4u);
    EXPECT_EQ(l.labels[0].text, "Station <Nord> & Bob's Yard");
    EXPECT_EQ(l.labels[1].text, "Bahnhof Müller – Straße");
    EXPECT_EQ(l.labels[2].text, "Line one\nLine two");
    ASSERT_EQ(l.shapes.size(), 2u);
    EXPECT_EQ(l.shapes[0].label, "Lake \"Blue\"");
    EXPECT_EQ(l.shapes[0].a, 128);
    ASSERT_EQ(l.tunnels.size(), 2u);
    EXPECT_EQ(l.tunnels[0].covers, (std::vector<uint32_t>{2, 1}));
    ASSERT_EQ(l.helices.size(), 1u);
    EXPECT_DOUBLE_EQ(l.helices[0].cy, -250.0);
    ASSERT_EQ(l.gradeRuns.size(), 2u);
    EXPECT_TRUE(l.gradeActive);
    EXPECT_DOUBLE_EQ(l.gradeDeg, -1.25);
    EXPECT_EQ(l.gradeAnchor, 3);
}

TEST(LayoutReader, EarlierReleaseXmlReadsWithDefaults) {
    const std::string text = fixture("legacy_layout.xml");
    ASSERT_NE(text.find("\r\n"), std::string::npos) << "the fixture keeps its CR LF line ends";
    Layout before;
    before.baseboard.w_mm = 1800.0;
    before.baseboard.lastShape = 4;
    std::string name;
    ASSERT_EQ(readLayoutText(text, before, name), "");
    const Layout& l = before;
    EXPECT_EQ(name, "Old Oval");
    EXPECT_EQ(l.units, 0u);
    ASSERT_EQ(l.pieces.size(), 2u);
    EXPECT_DOUBLE_EQ(l.pieces[0].x, 1.5);
    EXPECT_DOUBLE_EQ(l.pieces[0].z, 0.0);
    EXPECT_EQ(l.pieces[0].level, 1);
    EXPECT_EQ(l.pieces[1].level, 2);
    EXPECT_EQ(l.pieces[0].jointAt(1).target, 9);
    EXPECT_EQ(l.checkInvariants(), "");
    ASSERT_EQ(l.scenery.size(), 1u);
    EXPECT_EQ(l.scenery[0].item, "house_small");
    EXPECT_DOUBLE_EQ(l.scenery[0].scalex, 1.0);
    EXPECT_FALSE(l.scenery[0].selected);
    ASSERT_EQ(l.levels.size(), 1u);
    EXPECT_EQ(l.levels[0].id, 3);
    EXPECT_EQ(l.levels[0].name, "");
    EXPECT_TRUE(l.levels[0].visible) << "anything but \"0\" is visible";
    EXPECT_FALSE(l.levels[0].trackcolor) << "only \"1\" turns track colour on";
    EXPECT_EQ(l.levels[0].r, 180);
    EXPECT_EQ(l.levels[0].b, 180);
    EXPECT_EQ(l.activeLevel, 3);
    ASSERT_EQ(l.labels.size(), 1u);
    EXPECT_EQ(l.labels[0].text, "");
    ASSERT_EQ(l.shapes.size(), 1u);
    EXPECT_TRUE(l.shapes[0].outline);
    EXPECT_EQ(l.shapes[0].r, 120);
    EXPECT_EQ(l.shapes[0].vertices.size(), 2u) << "a vertex without y is skipped";
    ASSERT_EQ(l.tunnels.size(), 1u);
    EXPECT_EQ(l.tunnels[0].anchorA, -1);
    ASSERT_EQ(l.helices.size(), 1u);
    EXPECT_EQ(l.helices[0].variant, "proses_2_5_r1r2");
    EXPECT_EQ(l.nextId, 13u);
    EXPECT_EQ(l.baseboard.lastShape, 4) << "without <lastshape> the values stay";
    EXPECT_DOUBLE_EQ(l.baseboard.w_mm, 1800.0);
    EXPECT_FALSE(l.gradeActive);
    EXPECT_EQ(l.gradeAnchor, -1);
    EXPECT_EQ(l.gradeConn, 1);
}

TEST(LayoutReader, DefaultLevelNextIdGrowingJointsAndTrackColour) {
    Layout l = readOk(layoutText("  <pieces>\n  </pieces>\n"));
    ASSERT_EQ(l.levels.size(), 1u) << "without levels the default level is added";
    EXPECT_EQ(l.levels[0].name, "Level 1");
    EXPECT_EQ(l.levels[0].g, 200);
    EXPECT_EQ(l.activeLevel, 1);
    EXPECT_EQ(l.nextId, 1u);

    // nextId follows the largest identifier of any kind.
    const std::string plain = "x=\"0\" y=\"0\" heading=\"0\"";
    l = readOk(layoutText("  <pieces>\n    <piece id=\"5\" cat=\"24188\" " + plain +
                          ">\n    </piece>\n    <piece id=\"9\" cat=\"24188\" " + plain +
                          ">\n    </piece>\n  </pieces>\n  <labels>\n    <label id=\"12\" " +
                          "x=\"0\" y=\"0\" text=\"a\"/>\n  </labels>\n"));
    EXPECT_EQ(l.nextId, 13u);

    // 24624 is a double slip: joining connector 3 grows the joints to four, the others open.
    l = readOk(layoutText("  <pieces>\n    <piece id=\"1\" cat=\"24624\" " + plain + ">\n" +
                          "      <joint conn=\"3\" target=\"2\" tconn=\"0\"/>\n    </piece>\n" +
                          "    <piece id=\"2\" cat=\"24624\" " + plain + ">\n" +
                          "      <joint conn=\"0\" target=\"1\" tconn=\"3\"/>\n    </piece>\n" +
                          "  </pieces>\n"));
    ASSERT_EQ(l.pieces[0].joints.size(), 4u);
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(l.pieces[0].joints[c].isOpen()) << c;
    EXPECT_EQ(l.pieces[0].joints[3].target, 2);

    // trackcolor is never read as r.
    l = readOk(layoutText(
        "  <levels active=\"1\">\n"
        "    <level id=\"1\" name=\"A\" visible=\"1\" height=\"0\" trackcolor=\"1\" g=\"5\"/>\n"
        "  </levels>\n"));
    EXPECT_EQ(l.levels[0].r, 180);
    EXPECT_EQ(l.levels[0].g, 5);
    EXPECT_TRUE(l.levels[0].trackcolor);
}

TEST(LayoutReader, MarkersDecideWhatALineIs) {
    const Layout l = readOk(layoutText(
        // Outside their sections these lines mean nothing.
        "  <pt x=\"1\" y=\"1\"/>\n"
        "  <vertex x=\"1\" y=\"1\"/>\n"
        "  <sceneryitem id=\"40\" item=\"a\" x=\"0\" y=\"0\" heading=\"0\"/>\n"
        "  <level id=\"7\"/>\n"
        "  <piece id=\"41\" cat=\"x\" x=\"0\" y=\"0\" heading=\"0\">\n"
        // Before any piece, shape or tunnel these are ignored.
        "  <pieces>\n    <joint conn=\"0\"/>\n  </pieces>\n"
        "  <v x=\"1\" y=\"2\"/>\n"
        "  <covers piece=\"3\"/>\n"
        // A shape opened and closed on one line is not a shape.
        "  <shape id=\"42\"></shape>\n"
        "  <levels active=\"2\">\n"
        "    <pt x=\"1\" y=\"1\"/>\n"
        "    <level id=\"2\" name=\"B\"/>\n"
        "  </levels>\n"
        "  <pt x=\"9\" y=\"9\"/>\n"
        "  <level id=\"8\"/>\n"
        "  <unknown id=\"43\"/>\n"));
    EXPECT_TRUE(l.pieces.empty());
    EXPECT_TRUE(l.scenery.empty());
    EXPECT_TRUE(l.baseboard.vertices.empty());
    EXPECT_TRUE(l.shapes.empty());
    EXPECT_TRUE(l.tunnels.empty());
    ASSERT_EQ(l.levels.size(), 1u);
    EXPECT_EQ(l.levels[0].id, 2);
    EXPECT_TRUE(l.levels[0].outline.empty());
    EXPECT_EQ(l.nextId, 1u);
}

TEST(LayoutReader, FlagsHelixSelectionAndColoursOfPieces) {
    // A piece section never closed still ends at </layout>; flags other than "1" are false.
    Layout l = readOk(kHead + "<layout name=\"x\">\n  <pieces>\n" +
                      "    <piece id=\"1\" cat=\"24188\" x=\"0\" y=\"0\" heading=\"0\" "
                      "sel=\"yes\" rev=\"true\">\n</layout>\n");
    ASSERT_EQ(l.pieces.size(), 1u);
    EXPECT_FALSE(l.pieces[0].selected);
    EXPECT_FALSE(l.pieces[0].rev);

    // A selected helix piece selects the whole helix; colours split into bytes, black included.
    const std::string at = "x=\"0\" y=\"0\" heading=\"0\"";
    l = readOk(layoutText(
        "  <pieces>\n"
        "    <piece id=\"1\" cat=\"24130\" " +
        at +
        " helix=\"4\" sel=\"0\">\n    </piece>\n"
        "    <piece id=\"2\" cat=\"24130\" " +
        at +
        " helix=\"4\" sel=\"1\">\n    </piece>\n"
        "    <piece id=\"3\" cat=\"24130\" " +
        at +
        " color=\"1193046\">\n    </piece>\n"
        "    <piece id=\"5\" cat=\"24130\" " +
        at +
        " color=\"0\">\n    </piece>\n"
        "  </pieces>\n"
        "  <helices>\n    <helix id=\"4\" cx=\"0\" cy=\"0\" heading=\"0\" bottomR1=\"1\" "
        "bottomR2=\"-1\" topR1=\"2\" topR2=\"-1\"/>\n  </helices>\n"));
    ASSERT_EQ(l.pieces.size(), 4u);
    EXPECT_TRUE(l.pieces[0].selected);
    EXPECT_TRUE(l.pieces[1].selected);
    EXPECT_FALSE(l.pieces[2].selected);
    EXPECT_EQ(l.pieces[2].color, (Rgb{0x12, 0x34, 0x56}));
    EXPECT_TRUE(l.pieces[3].hasColor) << "colour black is still an own colour";
}

TEST(LayoutReader, OpeningKeepsEditingStateAndUndoHistory) {
    Layout doc;
    doc.EnsureDefaultLevel();
    doc.PushUndo();
    doc.PushUndo();
    doc.toolMode = 3;
    doc.showGrid = false;
    doc.gridSpacing = 16.0;
    doc.measurements.push_back(Measurement{1, 0, 0, 1, 1, 0, 0, false});
    doc.nextId = 500;
    std::string name = "old";
    ASSERT_EQ(readLayoutText(fixture("full_layout.tdl"), doc, name), "");
    EXPECT_EQ(doc.undoStack.size(), 2u);
    EXPECT_EQ(doc.toolMode, 3);
    EXPECT_FALSE(doc.showGrid);
    EXPECT_DOUBLE_EQ(doc.gridSpacing, 16.0);
    EXPECT_TRUE(doc.measurements.empty());
    EXPECT_EQ(doc.nextId, 22u);
    EXPECT_EQ(doc.pieces.size(), 8u);
}

TEST(BlockReader, FullBlockRoundTripsByteForByte) {
    const std::string original = fixture("full_block.tdl");
    ASSERT_FALSE(original.empty());
    BlockContent block;
    ASSERT_EQ(readBlockText(original, block), "");
    EXPECT_EQ(block.name, "Yard & \"Siding\"");
    ASSERT_EQ(block.pieces.size(), 3u);
    ASSERT_EQ(block.scenery.size(), 2u);
    EXPECT_EQ(block.pieces[0].jointAt(0).target, 2) << "joints leaving the block are kept";
    EXPECT_EQ(block.pieces[1].level, 2);
    EXPECT_EQ(block.scenery[1].item, "signal <home>");
    // The reader takes no selection; a block is saved from a selection.
    EXPECT_FALSE(block.pieces[0].selected);
    Layout layout;
    layout.pieces = block.pieces;
    layout.scenery = block.scenery;
    layout.SelectAll();
    EXPECT_EQ(writeBlockText(layout, block.name), original);
}

TEST(BlockReader, TakesOnlyPlacementFieldsFromPieces) {
    const std::string text =
        kHead +
        "<block name=\"b\" version=\"1\">\n"
        "  <piece id=\"7\" cat=\"24188\" x=\"1\" y=\"2\" heading=\"3\" z=\"9\" "
        "grade=\"2\" rev=\"1\" free=\"1\" level=\"4\" helix=\"5\" sel=\"1\" "
        "color=\"255\">\n"
        "  </piece>\n"
        "  <scenery>\n"
        "    <sceneryitem id=\"8\" item=\"t\" x=\"1\" y=\"2\" heading=\"3\" "
        "scaley=\"2\" sel=\"1\"/>\n"
        "  </scenery>\n"
        "  <label id=\"9\" x=\"0\" y=\"0\" text=\"ignored\"/>\n"
        "</block>\n";
    BlockContent block;
    ASSERT_EQ(readBlockText(text, block), "");
    ASSERT_EQ(block.pieces.size(), 1u);
    const PlacedPiece& p = block.pieces[0];
    EXPECT_EQ(p.id, 7u);
    EXPECT_DOUBLE_EQ(p.heading, 3.0);
    EXPECT_EQ(p.level, 4);
    EXPECT_DOUBLE_EQ(p.z, 0.0);
    EXPECT_DOUBLE_EQ(p.grade, 0.0);
    EXPECT_FALSE(p.rev);
    EXPECT_FALSE(p.free);
    EXPECT_FALSE(p.selected);
    EXPECT_FALSE(p.hasColor);
    EXPECT_EQ(p.helix, kNoId);
    ASSERT_EQ(block.scenery.size(), 1u);
    EXPECT_DOUBLE_EQ(block.scenery[0].scalex, 1.0);
    EXPECT_DOUBLE_EQ(block.scenery[0].scaley, 2.0);
    EXPECT_EQ(block.scenery[0].level, 1);
    EXPECT_FALSE(block.scenery[0].selected);
}

TEST(LayoutReader, NamesThatLookLikeAttributesRoundTrip) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.levels[0].name = "Deck r= visible=";
    layout.levels[0].visible = false;
    layout.units = 2;
    LayoutLabel label;
    label.id = 1;
    label.text = "x= y=\" text=";
    layout.labels.push_back(label);
    const std::string text = writeLayoutText(layout, "Plan units=");
    std::string name;
    const Layout back = readOk(text, &name);
    EXPECT_EQ(name, "Plan units=");
    EXPECT_EQ(back.units, 2u);
    EXPECT_EQ(back.levels[0].name, "Deck r= visible=");
    EXPECT_FALSE(back.levels[0].visible);
    EXPECT_EQ(back.levels[0].r, 180);
    EXPECT_EQ(back.labels[0].text, "x= y=\" text=");
    EXPECT_EQ(writeLayoutText(back, name), text);
}
