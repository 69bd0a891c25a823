// Edit commands: undo limits and exact redo, paste with fresh ids, the delete guard, the
// one-step rotation and the context menu.
#include <gtest/gtest.h>

#include "canvas/canvas_controller.h"
#include "canvas/edit_guards.h"
#include "fake_host.h"

namespace {

struct EditFixture : ::testing::Test {
    Layout layout;
    FakeHost host;
    CanvasController ctrl{layout, host};

    void SetUp() override {
        layout.EnsureDefaultLevel();
        unitView(ctrl);
    }
    void straight(double x, double y) {
        ctrl.startPaletteDrag("24188");
        ctrl.motion(px(x, y), {}, false);
        ctrl.leftDown(px(x, y), {});
    }
};

TEST_F(EditFixture, FiftyOneEditsGiveFiftyUndosAndUndoRedoRestoresExactly) {
    for (int i = 0; i < 51; ++i) {
        straight(0, 300.0 * i);
    }
    LayoutLabel label;
    label.id = layout.AllocateId();
    label.text = "Yard";
    layout.labels.push_back(label);
    const std::vector<PlacedPiece> before = layout.pieces;
    int undos = 0;
    while (!layout.undoStack.empty()) {
        ctrl.undo();
        ++undos;
    }
    EXPECT_EQ(undos, 50);
    EXPECT_EQ(layout.pieces.size(), 1u);
    ctrl.undo();  // the 51st does nothing
    EXPECT_EQ(layout.pieces.size(), 1u);
    for (int i = 0; i < 50; ++i) {
        ctrl.redo();
    }
    ASSERT_EQ(layout.pieces.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(layout.pieces[i].id, before[i].id);
        EXPECT_DOUBLE_EQ(layout.pieces[i].y, before[i].y);
    }
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text, "Yard");
    straight(500, 500);  // a new edit empties the redo stack
    EXPECT_TRUE(layout.redoStack.empty());
}

TEST_F(EditFixture, PasteOfTwoJoinedStraightsGivesTwoJoinedCopiesWithFreshIds) {
    for (int i = 0; i < 3; ++i) {
        straight(188.3 * i + 1, 100);
    }
    layout.pieces[0].selected = layout.pieces[1].selected = true;
    ctrl.copySelection();
    const uint32_t next = layout.nextId;
    ctrl.pasteAt(px(1000, 700));
    ASSERT_EQ(layout.pieces.size(), 5u);
    const PlacedPiece& a = layout.pieces[3];
    const PlacedPiece& b = layout.pieces[4];
    EXPECT_EQ(a.id, next);
    EXPECT_EQ(b.id, next + 1);
    EXPECT_EQ(a.joints[1].target, static_cast<int32_t>(b.id));
    EXPECT_EQ(b.joints[0].target, static_cast<int32_t>(a.id));
    EXPECT_TRUE(b.jointAt(1).isOpen());  // the original led on to a piece that was not copied
    EXPECT_NEAR((a.x + b.x) / 2, 1000.0, 1e-6);
    EXPECT_NEAR(a.y, 700.0, 1e-6);
    EXPECT_TRUE(a.selected && b.selected && !layout.pieces[0].selected);
    EXPECT_EQ(layout.checkInvariants(), "");
    // A shape alone is centred by its vertex average.
    FreeShape shape;
    shape.id = layout.AllocateId();
    shape.vertices = {{0, 0}, {100, 0}, {100, 40}};
    layout.shapes.push_back(shape);
    CanvasClipboard clip;
    ASSERT_TRUE(copyShape(layout, shape.id, clip));
    ASSERT_TRUE(pasteClipboard(layout, clip, {500, 500}));
    const FreeShape& pasted = layout.shapes.back();
    EXPECT_NEAR((pasted.vertices[0].x + pasted.vertices[1].x + pasted.vertices[2].x) / 3, 500,
                1e-9);
    EXPECT_NE(pasted.id, shape.id);
}

TEST_F(EditFixture, DeleteGuardLocksHelixStubsAndTunnelsAndAsksForGradedTrack) {
    for (int i = 0; i < 4; ++i) {
        straight(0, 300.0 * i);
    }
    Helix helix;
    helix.id = layout.AllocateId();
    layout.helices.push_back(helix);
    layout.pieces[0].helix = layout.pieces[1].helix = helix.id;
    layout.pieces[0].selected = true;
    ctrl.deleteCommand();
    ASSERT_EQ(host.prompts.records().size(), 1u);
    EXPECT_EQ(host.prompts.records()[0].title, "Helix track is locked");
    EXPECT_EQ(host.prompts.records()[0].text,
              "Selection includes track that is part of a helix. Helix track cannot be deleted "
              "individually.");
    EXPECT_EQ(layout.pieces.size(), 4u);
    layout.pieces[1].selected = true;  // the whole helix may go
    ctrl.deleteCommand();
    EXPECT_EQ(layout.pieces.size(), 2u);

    layout.pieces[0].grade = 2.0;
    layout.pieces[0].selected = true;
    host.prompts.queueAnswer(kIdNo);
    ctrl.deleteCommand();
    EXPECT_EQ(host.prompts.records().back().text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(host.prompts.records().back().defaultButton, kIdNo);
    EXPECT_EQ(layout.pieces.size(), 2u);

    Tunnel tunnel;
    tunnel.id = layout.AllocateId();
    tunnel.covers = {layout.pieces[1].id};
    layout.tunnels.push_back(tunnel);
    layout.DeselectAll();
    layout.pieces[1].selected = true;
    EXPECT_FALSE(lockGuard(layout, host.prompts, "rotate"));
    EXPECT_EQ(host.prompts.records().back().text,
              "Selection includes tunnel track or portals. Remove the tunnel first, then rotate.");
    ctrl.rotateSelectionStep(+1);
    EXPECT_DOUBLE_EQ(layout.pieces[1].heading, 0.0);
}

TEST_F(EditFixture, StepRotationAndCtrlWheelTurnSelectionButWheelAloneZooms) {
    straight(0, 100);
    layout.pieces[0].selected = true;
    const Modifiers alt{false, false, true};
    ctrl.rightDown(px(500, 500), alt);
    EXPECT_DOUBLE_EQ(layout.pieces[0].heading, 15.0);
    ctrl.wheel(px(10, 10), {false, true, false}, 1);
    EXPECT_DOUBLE_EQ(layout.pieces[0].heading, 30.0);
    ctrl.wheel(px(10, 10), {true, true, false}, -1);
    EXPECT_DOUBLE_EQ(layout.pieces[0].heading, 25.0);
    // Only a label selected: Ctrl+wheel zooms.
    layout.DeselectAll();
    LayoutLabel label;
    label.id = layout.AllocateId();
    label.selected = true;
    layout.labels.push_back(label);
    ctrl.wheel(px(10, 10), {false, true, false}, 1);
    EXPECT_DOUBLE_EQ(ctrl.view().zoom, 1.15);
    ctrl.view().zoom = 20.0;
    const double pan = ctrl.view().panX;
    ctrl.wheel(px(10, 10), {}, 1);
    EXPECT_DOUBLE_EQ(ctrl.view().zoom, 20.0);
    EXPECT_DOUBLE_EQ(ctrl.view().panX, pan);
}

TEST_F(EditFixture, ContextMenuOffersCopyOnPiecesAndPasteOnEmptyCanvas) {
    straight(0, 100);
    ctrl.rightDown(px(300, 300), {});  // empty clipboard, empty canvas: no menu
    EXPECT_TRUE(host.lastMenu.empty());
    host.menuChoice = 0;
    ctrl.rightDown(px(94, 100), {});
    ASSERT_EQ(host.lastMenu.size(), 1u);
    EXPECT_EQ(host.lastMenu[0].text, "Copy");
    EXPECT_TRUE(layout.pieces[0].selected);
    ctrl.rightDown(px(600, 600), {});
    ASSERT_EQ(host.lastMenu.size(), 1u);
    EXPECT_EQ(host.lastMenu[0].text, "Paste");
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_NEAR(layout.pieces[1].x, 600.0, 1e-6);  // a lone piece lands on its origin
}

}  // namespace
