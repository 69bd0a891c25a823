#include "document/layout_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

PlacedPiece piece(uint32_t id, const char* article) {
    PlacedPiece p;
    p.id = id;
    p.article = article;
    return p;
}

}  // namespace

TEST(LayoutWriter, NewEmptyLayoutIsExactlyNineLinesWithoutEditingState) {
    Layout layout;
    layout.EnsureDefaultLevel();
    const std::string empty =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<layout name=\"\" version=\"1\" units=\"0\">\n"
        "  <pieces>\n"
        "  </pieces>\n"
        "  <levels active=\"1\">\n"
        "    <level id=\"1\" name=\"Level 1\" visible=\"1\" height=\"0.0000\" "
        "trackcolor=\"0\" r=\"180\" g=\"200\" b=\"220\"/>\n"
        "  </levels>\n"
        "  <lastshape id=\"0\" w_mm=\"2400.0000\" h_mm=\"1200.0000\" w2_mm=\"1200.0000\" "
        "h2_mm=\"1200.0000\"/>\n"
        "</layout>\n";
    EXPECT_EQ(writeLayoutText(layout, ""), empty);
    layout.measurements.push_back(Measurement{3, 0, 0, 10, 10, 1, 1, true});
    layout.showGrid = false;
    layout.toolMode = 3;
    layout.gridSpacing = 8.0;
    EXPECT_EQ(writeLayoutText(layout, ""), empty);
    EXPECT_EQ(
        lines(writeLayoutText(Layout{}, "Tom & \"Jerry's\" <Line>"))[1],
        R"(<layout name="Tom &amp; &quot;Jerry's&quot; &lt;Line&gt;" version="1" units="0">)");
}

TEST(LayoutWriter, PieceAttributesAppearOnlyWhenSet) {
    Layout layout;
    PlacedPiece rich = piece(2, "24130");
    rich.x = -7.5;
    rich.heading = 359.99996;
    rich.grade = -2.5;
    rich.rev = rich.free = rich.selected = rich.hasColor = true;
    rich.level = 3;
    rich.helix = 40;
    rich.color = {1, 2, 3};
    rich.joints = {Joint{}, Joint{5, 0}};
    layout.pieces = {piece(1, "24188"), rich};
    const auto l = lines(writeLayoutText(layout, "n"));
    ASSERT_GE(l.size(), 8u);
    EXPECT_EQ(l[3],
              R"(    <piece id="1" cat="24188" x="0.0000" y="0.0000" heading="0.0000" z="0.0000" )"
              R"(grade="0.0000" level="1" sel="0">)");
    EXPECT_EQ(l[4], "    </piece>") << "a piece without joints still gets its closing line";
    EXPECT_EQ(l[5], R"(    <piece id="2" cat="24130" x="-7.5000" y="0.0000" heading="360.0000" )"
                    R"(z="0.0000" grade="-2.5000" rev="1" free="1" level="3" helix="40" sel="1" )"
                    R"(color="66051">)");
    EXPECT_EQ(l[6], R"(      <joint conn="1" target="5" tconn="0"/>)") << "open joints are skipped";
}

TEST(LayoutWriter, BlockHoldsOnlySelectedPiecesAndScenery) {
    Layout layout;
    PlacedPiece b = piece(2, "24188");
    b.selected = true;
    b.joints = {Joint{1, 1}};
    layout.pieces = {piece(1, "24188"), b};
    SceneryItem s;
    s.id = 3;
    s.item = "tree";
    layout.scenery = {s};
    EXPECT_EQ(writeBlockText(layout, "B&B"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<block name=\"B&amp;B\" version=\"1\">\n"
              "  <piece id=\"2\" cat=\"24188\" x=\"0.0000\" y=\"0.0000\" heading=\"0.0000\" "
              "z=\"0.0000\" grade=\"0.0000\" level=\"1\" sel=\"1\">\n"
              "    <joint conn=\"0\" target=\"1\" tconn=\"1\"/>\n"
              "  </piece>\n"
              "</block>\n");
    // Scenery alone makes a block; shapes alone make none.
    layout.pieces.edit(1).selected = false;
    layout.scenery.edit(0).selected = true;
    EXPECT_TRUE(hasBlockSelection(layout));
    layout.scenery.edit(0).selected = false;
    FreeShape shape;
    shape.selected = true;
    layout.shapes = {shape};
    EXPECT_FALSE(hasBlockSelection(layout));
}
