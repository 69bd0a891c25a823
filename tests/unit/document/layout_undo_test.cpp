// Undo and redo: the step limit, the redo rules, what a step holds and what it leaves alone.

#include <gtest/gtest.h>

#include "document/layout.h"
#include "layout_test_support.h"

using layout_test::addPiece;

TEST(LayoutUndo, UndoNeverHandsOutIdsInUseOrReusesUndoneOnes) {
    Layout layout;
    layout.PushUndo();
    const uint32_t first = addPiece(layout);
    layout.Undo();
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_NE(addPiece(layout), first);

    addPiece(layout);
    addPiece(layout);
    layout.Clear();
    EXPECT_EQ(layout.nextId, 1u);
    layout.Undo();
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(addPiece(layout), 5u) << "after undoing Clear";
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST(LayoutUndo, TheFiftyFirstStepDropsTheOldest) {
    Layout layout;
    for (int i = 0; i < 51; ++i) {
        addPiece(layout);  // i + 1 pieces are present when step i is taken
        layout.PushUndo();
    }
    ASSERT_EQ(layout.undoStack.size(), kUndoLimit);
    EXPECT_EQ(layout.undoStack.front().content.pieces.size(), 2u) << "the one-piece step was dropped";
    EXPECT_EQ(layout.undoStack.back().content.pieces.size(), 51u);

    for (int i = 0; i < 60; ++i)
        layout.Undo();
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(layout.redoStack.size(), kUndoLimit);
}

TEST(LayoutUndo, RedoRestoresTheUndoneChange) {
    Layout layout;
    layout.PushUndo();
    const uint32_t id = addPiece(layout);
    layout.EditPiece(id)->x = 123.5;
    layout.gradeRuns.push_back({2.5, static_cast<int32_t>(id), 1});
    layout.SyncGradeState();

    layout.Undo();
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_FALSE(layout.gradeActive);
    ASSERT_EQ(layout.redoStack.size(), 1u);

    layout.Redo();
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].x, 123.5);
    EXPECT_EQ(layout.gradeAnchor, static_cast<int32_t>(id));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(layout.redoStack.empty());

    layout.Undo();
    EXPECT_TRUE(layout.pieces.empty()) << "a redone step can be undone again";
    // A new step after an undo empties redo.
    layout.PushUndo();
    EXPECT_TRUE(layout.redoStack.empty());

    // Undo and redo on empty stacks change nothing.
    Layout still;
    addPiece(still);
    still.Undo();
    still.Redo();
    EXPECT_EQ(still.pieces.size(), 1u);
}

TEST(LayoutUndo, ContentComesBackButNeverLevelsOrBaseboard) {
    Layout layout;
    layout.EnsureDefaultLevel();
    addPiece(layout);
    layout.labels.push_back({});
    layout.helices.push_back({});
    layout.PushUndo();
    layout.pieces.clear();
    layout.labels.clear();
    layout.helices.clear();
    layout.levels.push_back(LayoutLevel{});
    layout.baseboard.w_mm = 3000.0;
    layout.Undo();
    EXPECT_EQ(layout.pieces.size() + layout.labels.size() + layout.helices.size(), 3u);
    EXPECT_EQ(layout.levels.size(), 2u);
    EXPECT_EQ(layout.baseboard.w_mm, 3000.0);
}

TEST(LayoutGradeState, MirrorsTheLastRunOrTheDefaults) {
    Layout layout;
    layout.gradeRuns.push_back({1.0, 4, 0});
    layout.gradeRuns.push_back({-2.0, 9, 1});
    layout.SyncGradeState();
    EXPECT_TRUE(layout.gradeActive);
    EXPECT_EQ(layout.gradeDeg, -2.0);
    EXPECT_EQ(layout.gradeAnchor, 9);
    layout.gradeRuns.clear();
    layout.SyncGradeState();
    EXPECT_FALSE(layout.gradeActive);
    EXPECT_EQ(layout.gradeAnchor, -1);
    EXPECT_EQ(layout.gradeConn, 1);
}
