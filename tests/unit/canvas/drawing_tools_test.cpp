// The measuring tape and the outline tools on the controller: what a click stores, when an
// outline closes, Backspace, Enter and Escape, and what a closed outline becomes.
#include "canvas/drawing_tools.h"
#include "catalog/scenery_catalog.h"
#include "dialogs/baseboard_shape.h"
#include "gesture_fixture.h"

using DrawingTools = GestureFixture;

TEST_F(DrawingTools, TwoTapeClicksHalfAMillimetreApartStoreNothingAndStillEndTheTool) {
    ctrl.view().zoom = 4.0;  // 2 px = 0.5 mm
    ctrl.setTool(std::make_unique<TapeTool>(ctrl));
    click(px(100, 100));
    ctrl.motion(px(102, 100), kNone, false);
    ASSERT_NE(findOverlay<OverlayTape>(ctrl.overlays()), nullptr);
    click(px(102, 100));
    EXPECT_TRUE(layout.measurements.empty());
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(ctrl.toolAs<TapeTool>(), nullptr) << "the tool ended";

    ctrl.setTool(std::make_unique<TapeTool>(ctrl));
    click(px(100, 100));
    click(px(500, 400));
    ASSERT_EQ(layout.measurements.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.measurements[0].x2 - layout.measurements[0].x1, 100.0);
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(DrawingTools, AClickNinePixelsFromTheFirstVertexClosesATriangleIntoAShapeElevenAddsOne) {
    ctrl.setTool(std::make_unique<OutlineTool>(ctrl, OutlineTarget::Shape));
    for (const ScreenPoint p : {px(100, 100), px(300, 100), px(300, 300)}) {
        click(p);
    }
    click(px(100, 111));
    EXPECT_EQ(ctrl.toolAs<OutlineTool>()->outline().vertices().size(), 4u);
    ctrl.motion(px(109, 100), kNone, false);
    EXPECT_TRUE(findOverlay<OverlayOutline>(ctrl.overlays())->closes);
    click(px(109, 100));
    ASSERT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.shapes[0].vertices.size(), 4u);
    EXPECT_EQ(layout.shapes[0].r, 120);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(ctrl.toolAs<OutlineTool>(), nullptr);
}

TEST_F(DrawingTools, BackspaceToNoVertexKeepsTheToolEnterNeedsThreeEscapeCancels) {
    ctrl.setTool(std::make_unique<OutlineTool>(ctrl, OutlineTarget::Shape));
    click(px(100, 100));
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Backspace, kNone));
    EXPECT_TRUE(ctrl.overlays().empty()) << "nothing drawn";
    ASSERT_NE(ctrl.toolAs<OutlineTool>(), nullptr) << "still active";
    click(px(100, 100));
    click(px(200, 100));
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Enter, kNone));
    EXPECT_TRUE(layout.shapes.empty()) << "two vertices do not close";
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Escape, kNone));
    EXPECT_EQ(ctrl.toolAs<OutlineTool>(), nullptr);
    EXPECT_TRUE(layout.shapes.empty());
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST_F(DrawingTools, AClosedBaseboardOutlineReplacesTheBaseboardAsFreeForm) {
    ctrl.setTool(std::make_unique<OutlineTool>(ctrl, OutlineTarget::Baseboard));
    EXPECT_EQ(host.status[0], kBaseboardDrawingHint);
    for (const ScreenPoint p : {px(0, 0), px(400, 0), px(400, 300)}) {
        click(p);
    }
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Enter, kNone));
    EXPECT_EQ(layout.baseboard.vertices.size(), 3u);
    EXPECT_EQ(layout.baseboard.lastShape, 5);
    EXPECT_TRUE(layout.shapes.empty());
    EXPECT_NE(host.status[0], kBaseboardDrawingHint) << "the hint goes with the tool";
}

TEST_F(DrawingTools, AMeasurementIsGrabbedByItsLineAndMovesWholeInOneUndoStep) {
    layout.measurements.push_back({layout.AllocateId(), 100, 100, 300, 100, 0, 0, false});
    ctrl.leftDown(px(150, 104), kNone);
    ctrl.motion(px(170, 134), kNone, true);
    ctrl.leftUp(px(170, 134), kNone);
    const Measurement& m = layout.measurements[0];
    EXPECT_TRUE(m.selected);
    EXPECT_DOUBLE_EQ(m.x1, 120.0);
    EXPECT_DOUBLE_EQ(m.y2, 130.0);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ctrl.undo();
    EXPECT_DOUBLE_EQ(layout.measurements[0].x1, 100.0);
}

TEST_F(DrawingTools, ACornerHandleDraggedTo3By3MillimetresStopsAtFive) {
    SceneryItem tree;
    tree.id = layout.AllocateId();
    tree.item = "tree_group";
    tree.x = 200;
    tree.y = 200;
    tree.selected = true;
    layout.scenery.push_back(tree);
    const SceneryDef* def = SceneryCatalog::instance().byKey("tree_group");
    ASSERT_NE(def, nullptr);
    Vec2 handles[8];
    sceneryHandlePoints(tree, def->width, def->depth, handles);
    const ScreenPoint corner = px(handles[4].x, handles[4].y);
    ctrl.motion(corner, kNone, false);
    EXPECT_EQ(host.cursor, CanvasCursor::SizeNWSE);
    ctrl.leftDown(corner, kNone);
    ctrl.motion(px(handles[0].x + 3, handles[0].y + 3), kNone, true);
    ctrl.leftUp(px(handles[0].x + 3, handles[0].y + 3), kNone);
    EXPECT_NEAR(layout.scenery[0].scalex * def->width, 5.0, 1e-9);
    EXPECT_NEAR(layout.scenery[0].scaley * def->depth, 5.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(DrawingTools, DoubleClicksOpenTheShapeAndSceneryDialogs) {
    FreeShape pond;
    pond.id = layout.AllocateId();
    pond.vertices = {{400, 400}, {500, 400}, {500, 500}};
    layout.shapes.push_back(pond);
    SceneryItem tree;
    tree.id = layout.AllocateId();
    tree.item = "tree_group";
    tree.x = 100;
    tree.y = 100;
    layout.scenery.push_back(tree);
    ctrl.leftDoubleClick(px(480, 420), kNone);
    ctrl.leftDoubleClick(px(100, 100), kNone);
    EXPECT_EQ(host.dialogs, (std::vector<std::string>{"shape " + std::to_string(pond.id),
                                                      "scenery " + std::to_string(tree.id)}));
}
