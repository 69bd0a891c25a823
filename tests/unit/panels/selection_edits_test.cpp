// Edits from the properties panel: level change, colour, label.
#include "panels/selection_edits.h"

#include <gtest/gtest.h>

#include "panel_test_support.h"

using panel_test::addPiece;

TEST(SelectionEdits, LevelChangeMovesFlatTrackAndLeavesGradedPieces) {
    Layout layout;
    LayoutEditor editor(layout);
    layout.levels = {panel_test::level(1, "Ground"), panel_test::level(2, "Upper", 150.0)};
    const uint32_t flat = addPiece(layout, "24188", true);
    const uint32_t graded = addPiece(layout, "24188", true);
    layout.EditPiece(graded)->grade = 2.0;
    layout.EditPiece(graded)->z = 33.0;
    const uint32_t other = addPiece(layout, "24188");

    ASSERT_TRUE(changeSelectionLevel(editor, ShownIds{}, 2));
    EXPECT_EQ(layout.FindPiece(flat)->level, 2);
    EXPECT_DOUBLE_EQ(layout.FindPiece(flat)->z, 150.0);
    EXPECT_EQ(layout.FindPiece(graded)->level, 2);
    EXPECT_DOUBLE_EQ(layout.FindPiece(graded)->z, 33.0);
    EXPECT_EQ(layout.FindPiece(other)->level, 1);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    layout.Undo();
    EXPECT_DOUBLE_EQ(layout.FindPiece(flat)->z, 0.0);
}

TEST(SelectionEdits, ColourAndLabelAreOneUndoStepEach) {
    Layout layout;
    LayoutEditor editor(layout);
    const uint32_t a = addPiece(layout, "24188", true);
    ASSERT_TRUE(applyPieceColour(editor, 5));
    EXPECT_EQ(layout.FindPiece(a)->color, (Rgb{60, 100, 200}));
    EXPECT_FALSE(layout.FindPiece(a)->selected);
    EXPECT_FALSE(applyPieceColour(editor, 1)) << "nothing selected any more";

    EXPECT_FALSE(addLayoutLabel(editor, " \t \n", Vec2{1, 2}));
    ASSERT_TRUE(addLayoutLabel(editor, "  Station  \t", Vec2{120.5, -40.0}));
    EXPECT_EQ(layout.labels.at(0).text, "  Station");
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 120.5);
    EXPECT_EQ(layout.undoStack.size(), 2u);
}

TEST(SelectionEdits, ColourChoiceShowsTheColourTheSelectionShares) {
    Layout layout;
    LayoutEditor editor(layout);
    EXPECT_EQ(selectedColourEntry(layout), -1) << "nothing selected";
    const uint32_t a = addPiece(layout, "24188", true);
    const uint32_t b = addPiece(layout, "24188", true);
    addPiece(layout, "24188");
    EXPECT_EQ(selectedColourEntry(layout), 0) << "no own colour: Default";
    ASSERT_TRUE(applyPieceColour(editor, 5));
    layout.EditPiece(a)->selected = true;
    EXPECT_EQ(selectedColourEntry(layout), 5);
    EXPECT_STREQ(pieceColourAt(5).name, "Blue");
    layout.EditPiece(b)->selected = true;
    EXPECT_EQ(selectedColourEntry(layout), 5) << "both blue";
    layout.EditPiece(b)->color = {1, 2, 3};
    EXPECT_EQ(selectedColourEntry(layout), -1) << "a colour of no entry";
    layout.EditPiece(b)->hasColor = false;
    EXPECT_EQ(selectedColourEntry(layout), -1) << "blue and default differ";
}
