// The texts of the properties panel for what is selected.
#include "panels/selection_summary.h"

#include <gtest/gtest.h>

#include "panel_test_support.h"

using panel_test::addPiece;

namespace {

SelectionSummary summarize(Layout& layout) {
    std::optional<SelectionSummary> summary = summarizeSelection(layout);
    EXPECT_TRUE(summary.has_value());
    return summary.value_or(SelectionSummary{});
}

TEST(SelectionTexts, GradeShowsDegreesPercentAndWarnsAboveSix) {
    EXPECT_EQ(formatGrade(-1.5), "-1.50 deg (2.6%)");
    EXPECT_EQ(formatGrade(0.001), "-");
    Layout layout;
    EXPECT_EQ(summarize(layout).title, "No selection");
    addPiece(layout, "24188", true);
    layout.pieces.edit(0).grade = 6.0;
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.gradeValue, "+6.00 deg (10.5%)");
    EXPECT_FALSE(summary.gradeTooSteep);
    EXPECT_EQ(summary.warning, "");
    layout.pieces.edit(0).grade = 6.5;
    summary = summarize(layout);
    EXPECT_TRUE(summary.gradeTooSteep);
    EXPECT_EQ(summary.warning, "WARNING: Grade 6.5 deg exceeds 6 deg max!");
}

TEST(SelectionTexts, SinglePieceInTheUsersUnit) {
    Layout layout;
    layout.units = 1;  // centimetres
    layout.levels = {panel_test::level(1, "Ground"), panel_test::level(2, "Upper")};
    addPiece(layout, "24188", true);
    layout.pieces.edit(0).z = 123.44;
    layout.pieces.edit(0).level = 2;
    const SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.title, "24188 - 188.3mm");
    EXPECT_EQ(summary.info, "Märklin C  |  188.3 mm");
    EXPECT_EQ(summary.heightCaption + summary.heightValue, "Height (cm):12.3");
    EXPECT_EQ(summary.levelIndex, 1);
    layout.pieces.edit(0).article = "no-such-piece";
    EXPECT_FALSE(summarizeSelection(layout).has_value()) << "an unknown piece keeps the old view";
}

TEST(SelectionTexts, HeightsInInchesShowThreeDecimals) {
    Layout layout;
    layout.units = 2;  // inches
    const uint32_t piece = addPiece(layout, "24188", true);
    layout.pieces.edit(0).z = 38.1;
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.heightCaption + summary.heightValue, "Height (in):1.500");

    // A helix shows the height of its bottom inner end the same way.
    Helix& helix = layout.helices.emplace_back();
    helix.id = layout.AllocateId();
    helix.bottomR1 = static_cast<int32_t>(piece);
    layout.pieces.edit(0).helix = helix.id;
    layout.pieces.edit(0).z = 12.7;
    summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Helix);
    EXPECT_EQ(summary.heightCaption + summary.heightValue, "Base height (in):0.500");
}

TEST(SelectionTexts, JoinedStraightsShowAsOneRun) {
    Layout layout;
    const uint32_t a = addPiece(layout, "24188", true);
    const uint32_t b = addPiece(layout, "24172", true);
    const uint32_t c = addPiece(layout, "24229", true);
    layout.EditPiece(c)->heading = 180.4;  // the other way round, within a degree
    panel_test::join(layout, b, 1, a, 0);
    panel_test::join(layout, a, 1, c, 1);
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::StraightRun);
    EXPECT_EQ(summary.title, "24172 + 24188 + 24229");
    EXPECT_EQ(summary.info, "3 pieces  |  589.3 mm");

    layout.pieces.edit(0).heading = 90.0;  // turned across: the newest piece is shown alone
    summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Piece);
    EXPECT_EQ(summary.title, "24229 - 229.3mm");
}

TEST(SelectionTexts, SceneryAndShapeViews) {
    Layout layout;
    const uint32_t item = panel_test::addScenery(layout, "platform", true);
    layout.EditScenery(item)->scalex = 2.0;
    EXPECT_EQ(summarize(layout).info, "Scenery  |  460 x 60 mm");
    layout.DeselectAll();
    FreeShape shape;
    shape.selected = true;
    shape.label = "Lake";
    shape.vertices = {{10, 5}, {310, 25}, {50, 205}};
    shape.height = 12;
    layout.shapes.push_back(shape);
    EXPECT_EQ(summarize(layout).info, "Polygon  |  3 verts  |  300 x 200 mm  |  height 12 mm");
}

}  // namespace
