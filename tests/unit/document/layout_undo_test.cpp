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
    EXPECT_EQ(layout.undoStack.front().pieces.size(), 2u) << "the one-piece step was dropped";
    EXPECT_EQ(layout.undoStack.back().pieces.size(), 51u);

    for (int i = 0; i < 60; ++i) {
        layout.Undo();
    }
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(layout.redoStack.size(), kUndoLimit);
}

TEST(LayoutUndo, RedoRestoresTheUndoneChange) {
    Layout layout;
    layout.PushUndo();
    const uint32_t id = addPiece(layout);
    layout.FindPiece(id)->x = 123.5;
    layout.gradeRuns.push_back({2.5, static_cast<int32_t>(id), 1});
    layout.SyncGradeState();

    layout.Undo();
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_FALSE(layout.gradeActive);
    ASSERT_EQ(layout.redoStack.size(), 1u);

    layout.Redo();
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].x, 123.5);
    EXPECT_TRUE(layout.gradeActive);
    EXPECT_EQ(layout.gradeAnchor, static_cast<int32_t>(id));
    EXPECT_DOUBLE_EQ(layout.gradeDeg, 2.5);
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

TEST(LayoutUndo, EveryContentKindComesBackButNeverLevelsOrBaseboard) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.levels.push_back(LayoutLevel{});
    layout.baseboard.vertices = {{0, 0}, {2400, 0}, {2400, 1200}};
    addPiece(layout);
    layout.scenery.push_back({});
    layout.labels.push_back({});
    layout.measurements.push_back({});
    layout.shapes.push_back({});
    layout.tunnels.push_back({});
    layout.helices.push_back({});
    layout.PushUndo();
    const auto counts = [&] {
        return std::vector<size_t>{layout.pieces.size(), layout.scenery.size(),
                                   layout.labels.size(), layout.measurements.size(),
                                   layout.shapes.size(), layout.tunnels.size(),
                                   layout.helices.size()};
    };
    layout.pieces.clear();
    layout.scenery.clear();
    layout.labels.clear();
    layout.measurements.clear();
    layout.shapes.clear();
    layout.tunnels.clear();
    layout.helices.clear();
    layout.levels.pop_back();
    layout.baseboard.vertices.clear();
    layout.baseboard.w_mm = 3000.0;
    layout.units = 2;
    layout.showGrid = false;

    layout.Undo();
    EXPECT_EQ(counts(), std::vector<size_t>(7, 1));
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    EXPECT_EQ(layout.baseboard.w_mm, 3000.0);
    EXPECT_EQ(layout.units, 2u);
    EXPECT_FALSE(layout.showGrid);
}

TEST(LayoutGradeState, MirrorsTheLastRunOrTheDefaults) {
    Layout layout;
    layout.gradeRuns.push_back({1.0, 4, 0});
    layout.gradeRuns.push_back({-2.0, 9, 1});
    layout.SyncGradeState();
    EXPECT_TRUE(layout.gradeActive);
    EXPECT_EQ(layout.gradeDeg, -2.0);
    EXPECT_EQ(layout.gradeAnchor, 9);
    EXPECT_EQ(layout.gradeConn, 1);

    layout.gradeRuns.pop_back();
    layout.SyncGradeState();
    EXPECT_EQ(layout.gradeDeg, 1.0);
    EXPECT_EQ(layout.gradeAnchor, 4);
    EXPECT_EQ(layout.gradeConn, 0);

    layout.gradeRuns.clear();
    layout.SyncGradeState();
    EXPECT_FALSE(layout.gradeActive);
    EXPECT_EQ(layout.gradeDeg, 0.0);
    EXPECT_EQ(layout.gradeAnchor, -1);
    EXPECT_EQ(layout.gradeConn, 1);
}
