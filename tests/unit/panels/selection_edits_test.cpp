#include "panels/selection_edits.h"

#include <gtest/gtest.h>

#include "catalog/helix_catalog.h"
#include "panel_test_support.h"

using panel_test::addPiece;
using panel_test::addScenery;
using panel_test::join;

namespace {

Layout twoLevels() {
    Layout layout;
    layout.levels = {panel_test::level(1, "Ground"), panel_test::level(2, "Upper", 150.0)};
    return layout;
}

}  // namespace

TEST(SelectionEdits, LevelChangeLiftsFlatTrackAndLeavesGradedPieces) {
    Layout layout = twoLevels();
    const uint32_t flat = addPiece(layout, "24188", true);
    const uint32_t graded = addPiece(layout, "24188", true);
    layout.FindPiece(graded)->grade = 2.0;
    layout.FindPiece(graded)->z = 33.0;
    const uint32_t inHelix = addPiece(layout, "24130", true);
    layout.FindPiece(inHelix)->helix = 99;
    const uint32_t other = addPiece(layout, "24188");

    ASSERT_TRUE(changeSelectionLevel(layout, ShownIds{}, 2));
    EXPECT_EQ(layout.FindPiece(flat)->level, 2);
    EXPECT_DOUBLE_EQ(layout.FindPiece(flat)->z, 150.0);
    EXPECT_EQ(layout.FindPiece(graded)->level, 2);
    EXPECT_DOUBLE_EQ(layout.FindPiece(graded)->z, 33.0);
    EXPECT_EQ(layout.FindPiece(inHelix)->level, 1);
    EXPECT_EQ(layout.FindPiece(other)->level, 1);
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    layout.Undo();
    EXPECT_EQ(layout.FindPiece(flat)->level, 1);
    EXPECT_DOUBLE_EQ(layout.FindPiece(flat)->z, 0.0);

    layout.DeselectAll();
    EXPECT_FALSE(changeSelectionLevel(layout, ShownIds{}, 2));
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST(SelectionEdits, LevelChangeMovesShownSceneryOrShapeOnly) {
    Layout layout = twoLevels();
    const uint32_t piece = addPiece(layout, "24188", true);
    ShownIds shown;
    shown.scenery = addScenery(layout, "platform", true);
    ASSERT_TRUE(changeSelectionLevel(layout, shown, 2));
    EXPECT_EQ(layout.FindScenery(shown.scenery)->level, 2);
    EXPECT_EQ(layout.FindPiece(piece)->level, 1);
    EXPECT_EQ(layout.activeLevel, 2);

    shown.scenery = 4711;  // deleted meanwhile
    EXPECT_FALSE(changeSelectionLevel(layout, shown, 1));
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(SelectionEdits, HelixLevelChangeCarriesTheTrackAtItsTop) {
    Layout layout = twoLevels();
    Helix helix;
    helix.id = layout.AllocateId();
    uint32_t ends[4];
    for (uint32_t& end : ends) {
        end = addPiece(layout, "24188");
        layout.FindPiece(end)->helix = helix.id;
    }
    helix.bottomR1 = static_cast<int32_t>(ends[0]);
    helix.bottomR2 = static_cast<int32_t>(ends[1]);
    helix.topR1 = static_cast<int32_t>(ends[2]);
    helix.topR2 = static_cast<int32_t>(ends[3]);
    layout.helices.push_back(helix);
    const uint32_t above = addPiece(layout, "24188");
    const uint32_t ramp = addPiece(layout, "24188");
    layout.FindPiece(ramp)->grade = -3.0;
    layout.FindPiece(ramp)->z = 10.0;
    const uint32_t below = addPiece(layout, "24188");
    join(layout, ends[2], 1, above, 0);
    join(layout, above, 1, ramp, 0);
    join(layout, ends[0], 0, below, 1);

    ShownIds shown;
    shown.helix = helix.id;
    ASSERT_TRUE(changeSelectionLevel(layout, shown, 2));
    const double rise = findHelixVariant(kDefaultHelixVariant)->rise;
    EXPECT_DOUBLE_EQ(layout.FindPiece(ends[0])->z, 150.0);
    EXPECT_DOUBLE_EQ(layout.FindPiece(ends[1])->z, 150.0);
    EXPECT_DOUBLE_EQ(layout.FindPiece(ends[3])->z, 150.0 + rise);
    EXPECT_DOUBLE_EQ(layout.FindPiece(above)->z, 150.0 + rise);
    EXPECT_EQ(layout.FindPiece(above)->level, 2);
    EXPECT_EQ(layout.FindPiece(ramp)->level, 2);
    EXPECT_DOUBLE_EQ(layout.FindPiece(ramp)->z, 10.0);
    EXPECT_EQ(layout.FindPiece(below)->level, 1) << "track at the bottom stays";
    EXPECT_DOUBLE_EQ(layout.FindPiece(below)->z, 0.0);
}

TEST(SelectionEdits, ColourApplyColoursThenClearsTheSelection) {
    ASSERT_EQ(pieceColourCount(), 9);
    EXPECT_STREQ(pieceColourAt(0).name, "Default");
    EXPECT_STREQ(pieceColourAt(8).name, "White");
    Layout layout;
    const uint32_t a = addPiece(layout, "24188", true);
    const uint32_t b = addPiece(layout, "24188");
    ASSERT_TRUE(applyPieceColour(layout, 5));
    EXPECT_TRUE(layout.FindPiece(a)->hasColor);
    EXPECT_EQ(layout.FindPiece(a)->color, (Rgb{60, 100, 200}));
    EXPECT_FALSE(layout.FindPiece(b)->hasColor);
    EXPECT_FALSE(layout.FindPiece(a)->selected);

    EXPECT_FALSE(applyPieceColour(layout, 1)) << "nothing selected any more";
    EXPECT_EQ(layout.undoStack.size(), 1u);

    layout.FindPiece(a)->selected = true;
    ASSERT_TRUE(applyPieceColour(layout, 0));
    EXPECT_FALSE(layout.FindPiece(a)->hasColor);
    EXPECT_EQ(layout.FindPiece(a)->color, (Rgb{0, 0, 0}));
    EXPECT_FALSE(applyPieceColour(layout, 9));
}

TEST(SelectionEdits, LabelTakesTrimmedTextNextIdAndPoint) {
    Layout layout;
    addPiece(layout, "24188");
    EXPECT_FALSE(addLayoutLabel(layout, " \t \n", Vec2{1, 2}));
    EXPECT_TRUE(layout.undoStack.empty());
    ASSERT_TRUE(addLayoutLabel(layout, "  Station  \t", Vec2{120.5, -40.0}));
    ASSERT_TRUE(addLayoutLabel(layout, "Yard", std::nullopt));
    ASSERT_EQ(layout.labels.size(), 2u);
    EXPECT_EQ(layout.labels[0].text, "  Station");
    EXPECT_EQ(layout.labels[0].id, 2u);
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 120.5);
    EXPECT_DOUBLE_EQ(layout.labels[0].y, -40.0);
    EXPECT_EQ(layout.labels[1].id, 3u);
    EXPECT_DOUBLE_EQ(layout.labels[1].x, 0.0);
    EXPECT_EQ(layout.nextId, 4u);
    EXPECT_EQ(layout.undoStack.size(), 2u);
}
