// Resizing scenery by its handles: the fixed corner stays, sides never drop below 5 mm, edge
// handles change one side only; new scales are one undo step.
#include <gtest/gtest.h>

#include "catalog/piece_shape.h"
#include "edit/scenery_resize.h"

namespace {

SceneryItem turnedItem() {
    SceneryItem item;
    item.x = 300.0;
    item.y = -120.0;
    item.heading = 30.0;
    return item;
}

}  // namespace

TEST(SceneryHandles, ACornerDraggedTo3By3mmStopsAtA5By5mmFootprintAroundTheFixedCorner) {
    const SceneryItem item = turnedItem();  // catalog size 100 x 50 mm, scales 1
    const Pose frame{item.x, item.y, item.heading};
    const Vec2 fixed = localToLayout(frame, {-50.0, -25.0});  // handle 0, opposite handle 4
    ASSERT_EQ(oppositeSceneryHandle(4), 0);
    const Vec2 mouse = localToLayout({fixed.x, fixed.y, item.heading}, {3.0, 3.0});
    const SceneryFootprint out = dragSceneryHandle(4, fixed, mouse, item, 100.0, 50.0);
    EXPECT_NEAR(out.scalex * 100.0, 5.0, 1e-9);
    EXPECT_NEAR(out.scaley * 50.0, 5.0, 1e-9);
    const Vec2 corner = layoutToLocal({out.centre.x, out.centre.y, item.heading}, fixed);
    EXPECT_NEAR(corner.x, -2.5, 1e-9) << "the fixed corner stays the top-left corner";
    EXPECT_NEAR(corner.y, -2.5, 1e-9);
}

TEST(SceneryHandles, AnEdgeHandleChangesOnlyItsOwnSide) {
    SceneryItem item = turnedItem();
    item.scaley = 2.0;  // 100 x 100 mm
    const Pose frame{item.x, item.y, item.heading};
    const Vec2 fixed = localToLayout(frame, {-50.0, 0.0});  // handle 7, opposite handle 3
    const Vec2 mouse = localToLayout({fixed.x, fixed.y, item.heading}, {160.0, 40.0});
    const SceneryFootprint out = dragSceneryHandle(3, fixed, mouse, item, 100.0, 50.0);
    EXPECT_NEAR(out.scalex, 1.6, 1e-9);
    EXPECT_NEAR(out.scaley, 2.0, 1e-9);
    const Vec2 edge = layoutToLocal({out.centre.x, out.centre.y, item.heading}, fixed);
    EXPECT_NEAR(edge.x, -80.0, 1e-9);
    EXPECT_NEAR(edge.y, 0.0, 1e-9);
}

TEST(SceneryHandles, NewScalesAreOneUndoStepAndEqualScalesChangeNothing) {
    Layout layout;
    LayoutEditor editor(layout);
    SceneryItem item = turnedItem();
    item.id = layout.AllocateId();
    layout.scenery.push_back(item);
    EXPECT_FALSE(setSceneryScales(editor, item.id, 1.0, 1.0));
    EXPECT_FALSE(setSceneryScales(editor, item.id + 1, 2.0, 2.0));
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_TRUE(setSceneryScales(editor, item.id, 0.5, 3.0));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(layout.scenery[0].scalex, 0.5);
    EXPECT_EQ(layout.scenery[0].scaley, 3.0);
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(layout.scenery[0].scalex, 1.0);
}
