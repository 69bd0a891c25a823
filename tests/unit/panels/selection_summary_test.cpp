#include "panels/selection_summary.h"

#include <gtest/gtest.h>

#include "catalog/helix_catalog.h"
#include "panel_test_support.h"

using panel_test::addPiece;
using panel_test::addScenery;
using panel_test::join;

namespace {

SelectionSummary summarize(Layout& layout) {
    std::optional<SelectionSummary> summary = summarizeSelection(layout);
    EXPECT_TRUE(summary.has_value());
    return summary.value_or(SelectionSummary{});
}

std::vector<std::string> levelNames(const SelectionSummary& summary) {
    std::vector<std::string> names;
    for (const LevelEntry& entry : summary.levels) {
        names.push_back(entry.name);
    }
    return names;
}

/// Three 24188/24172/24229 straights joined 24172 - 24188 - 24229, all selected.
Layout threeStraights() {
    Layout layout;
    const uint32_t a = addPiece(layout, "24188", true);
    const uint32_t b = addPiece(layout, "24172", true);
    const uint32_t c = addPiece(layout, "24229", true);
    layout.FindPiece(c)->heading = 180.4;  // laid the other way round, within a degree
    join(layout, b, 1, a, 0);
    join(layout, a, 1, c, 1);
    return layout;
}

}  // namespace

TEST(SelectionTexts, GradeShowsDegreesPercentAndWarnsAboveSix) {
    EXPECT_EQ(formatGrade(-1.5), "-1.50 deg (2.6%)");
    EXPECT_EQ(formatGrade(2.5), "+2.50 deg (4.4%)");
    EXPECT_EQ(formatGrade(0.001), "-");
    EXPECT_EQ(formatGrade(-0.0005), "-");
    EXPECT_EQ(gradeWarning(6.0), "");
    EXPECT_EQ(gradeWarning(6.5), "WARNING: Grade 6.5 deg exceeds 6 deg max!");
    EXPECT_EQ(gradeWarning(-7.25), "WARNING: Grade 7.2 deg exceeds 6 deg max!");

    Layout layout;
    addPiece(layout, "24188", true);
    layout.pieces[0].grade = 6.0;
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.gradeValue, "+6.00 deg (10.5%)");
    EXPECT_FALSE(summary.gradeTooSteep);
    EXPECT_EQ(summary.warning, "");
    layout.pieces[0].grade = 6.5;
    summary = summarize(layout);
    EXPECT_TRUE(summary.gradeTooSteep);
    EXPECT_EQ(summary.warning, "WARNING: Grade 6.5 deg exceeds 6 deg max!");
}

TEST(SelectionTexts, NothingSelectedClearsEverything) {
    Layout layout;
    addPiece(layout, "24188");
    const SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Nothing);
    EXPECT_EQ(summary.title, "No selection");
    EXPECT_EQ(summary.info, "");
    EXPECT_EQ(summary.heightValue, "-");
    EXPECT_EQ(summary.gradeValue, "-");
    EXPECT_FALSE(summary.levelEnabled);
    EXPECT_EQ(summary.shown.piece, kNoId);
    EXPECT_EQ(layout.levels.size(), 1u) << "the default level is given on the way";
}

TEST(SelectionTexts, SinglePieceInTheUsersUnit) {
    Layout layout;
    layout.units = 1;  // centimetres
    layout.levels = {panel_test::level(1, "Ground"), panel_test::level(2, "Upper")};
    addPiece(layout, "24188", true);
    layout.pieces[0].z = 123.44;
    layout.pieces[0].level = 2;
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Piece);
    EXPECT_EQ(summary.shown.piece, layout.pieces[0].id);
    EXPECT_EQ(summary.title, "24188 - 188.3mm");
    EXPECT_EQ(summary.info, "Märklin C  |  188.3 mm");
    EXPECT_EQ(summary.heightCaption, "Height (cm):");
    EXPECT_EQ(summary.heightValue, "12.3");
    EXPECT_EQ(levelNames(summary), (std::vector<std::string>{"Ground", "Upper"}));
    EXPECT_EQ(summary.levelIndex, 1);
    EXPECT_TRUE(summary.levelEnabled);

    layout.units = 2;
    summary = summarize(layout);
    EXPECT_EQ(summary.heightCaption, "Height (in):");
    EXPECT_EQ(summary.heightValue, "4.860");

    layout.pieces[0].article = "no-such-piece";
    EXPECT_FALSE(summarizeSelection(layout).has_value()) << "an unknown piece keeps the old view";
}

TEST(SelectionTexts, JoinedStraightsShowAsOneRun) {
    Layout layout = threeStraights();
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::StraightRun);
    EXPECT_EQ(summary.title, "24172 + 24188 + 24229");
    EXPECT_EQ(summary.info, "3 pieces  |  589.3 mm");
    EXPECT_EQ(summary.shown.piece, kNoId);

    layout.units = 2;
    layout.pieces[1].level = 2;
    summary = summarize(layout);
    EXPECT_EQ(summary.info, "3 pieces  |  23.20 in");
    EXPECT_EQ(levelNames(summary), (std::vector<std::string>{"(mixed)", "Level 1"}));
    EXPECT_EQ(summary.levelIndex, 0);

    // One piece turned across the line: the newest piece is shown on its own.
    layout.pieces[0].heading = 90.0;
    summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Piece);
    EXPECT_EQ(summary.title, "24229 - 229.3mm");
    EXPECT_EQ(summary.levels.front().name, "(mixed)");
}

TEST(SelectionTexts, UnjoinedStraightsAreNoRun) {
    Layout layout = threeStraights();
    layout.pieces[2].joints.assign(2, Joint{});
    layout.pieces[0].joints[1] = Joint{};
    const SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Piece);
    EXPECT_EQ(summary.shown.piece, layout.pieces[2].id);
    EXPECT_EQ(summary.levels.front().name, "Level 1") << "all on one level: no (mixed)";
}

TEST(SelectionTexts, HelixSceneryAndShapeViews) {
    Layout layout;
    Helix helix;
    helix.id = layout.AllocateId();
    const uint32_t bottom = addPiece(layout, "24188", true);
    layout.pieces.back().z = 40.0;
    helix.bottomR1 = static_cast<int32_t>(bottom);
    layout.helices.push_back(helix);
    layout.pieces.back().helix = helix.id;
    addPiece(layout, "24130", true);
    layout.pieces.back().helix = helix.id;
    SelectionSummary summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Helix);
    EXPECT_EQ(summary.title, findHelixVariant(kDefaultHelixVariant)->name);
    EXPECT_EQ(summary.info, "2.5 turns  |  rise 260.0 mm  |  R1 360.0 / R2 437.5 mm");
    EXPECT_EQ(summary.heightCaption, "Base height (mm):");
    EXPECT_EQ(summary.heightValue, "40.0");
    EXPECT_EQ(summary.gradeValue, "-");

    layout.DeselectAll();
    const uint32_t item = addScenery(layout, "platform", true);
    layout.FindScenery(item)->scalex = 2.0;
    summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Scenery);
    EXPECT_EQ(summary.title, "Platform");
    EXPECT_EQ(summary.info, "Scenery  |  460 x 60 mm");
    EXPECT_EQ(summary.heightValue, "-");
    layout.FindScenery(item)->item = "gone";
    EXPECT_EQ(summarize(layout).title, "gone");
    EXPECT_EQ(summarize(layout).info, "Scenery");

    layout.DeselectAll();
    FreeShape shape;
    shape.id = layout.AllocateId();
    shape.selected = true;
    layout.shapes.push_back(shape);
    summary = summarize(layout);
    EXPECT_EQ(summary.title, "(unnamed shape)");
    EXPECT_EQ(summary.info, "Polygon  |  (no vertices)");
    layout.shapes[0].label = "Lake";
    layout.shapes[0].vertices = {{10, 5}, {310, 25}, {50, 205}};
    layout.shapes[0].height = 12;
    summary = summarize(layout);
    EXPECT_EQ(summary.view, SelectionView::Shape);
    EXPECT_EQ(summary.title, "Lake");
    EXPECT_EQ(summary.info, "Polygon  |  3 verts  |  300 x 200 mm  |  height 12 mm");
}
