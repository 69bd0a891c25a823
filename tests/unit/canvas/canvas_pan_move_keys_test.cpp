// Panning with the space bar and with Ctrl, when a press on a piece becomes a move, the move snap
// of a whole group, and the Escape and Delete keys.
#include <gtest/gtest.h>

#include <cmath>

#include "gesture_fixture.h"

namespace {

using Panning = GestureFixture;

TEST_F(Panning, SpaceHeldDragPansFrom4PixelsOnAndDropsTheRubberBand) {
    const uint32_t id = put("24188", 0, 0).id;  // 100 mm from the press: not under it
    ctrl.keyDown(CanvasKey::Space, kNone);
    ctrl.leftDown({100, 100}, kNone);      // empty canvas: a rubber band starts
    ctrl.motion({100, 100}, kNone, true);  // the pan's press point
    ctrl.motion({100, 103}, kNone, true);
    EXPECT_EQ(ctrl.view().panY, 0.0) << "3 px";
    ctrl.motion({100, 104}, kNone, true);
    EXPECT_EQ(ctrl.view().panY, 4.0) << "4 px";
    ctrl.motion({100, 300}, kNone, true);
    EXPECT_EQ(ctrl.view().panX, 0.0);
    EXPECT_EQ(ctrl.view().panY, 200.0);
    ctrl.leftUp({100, 300}, kNone);
    EXPECT_FALSE(layout.FindPiece(id)->selected) << "the band would have crossed the piece";

    // With the space bar up the same drag is a rubber band, and it does cross the piece.
    ctrl.keyUp(CanvasKey::Space);
    ctrl.leftDown({100, 100}, kNone);
    ctrl.motion({100, 300}, kNone, true);
    ctrl.leftUp({100, 300}, kNone);
    EXPECT_EQ(ctrl.view().panY, 200.0);
    EXPECT_TRUE(layout.FindPiece(id)->selected);
}

TEST_F(Panning, CtrlDragOnEmptyCanvasPansFrom4PixelsOnAndNamesTheNextLabelsPoint) {
    ctrl.view().zoom = 2.0;
    ctrl.view().panX = 10.0;
    ctrl.view().panY = 20.0;
    ctrl.leftDown({110, 220}, kCtrl);
    EXPECT_EQ(host.labelDrops, 1);
    EXPECT_EQ(host.labelDropPoint.x, 50.0);
    EXPECT_EQ(host.labelDropPoint.y, 100.0);
    ctrl.motion({107, 220}, kCtrl, true);
    EXPECT_EQ(ctrl.view().panX, 10.0) << "3 px";
    ctrl.motion({106, 220}, kCtrl, true);
    EXPECT_EQ(ctrl.view().panX, 6.0) << "4 px";
    ctrl.motion({60, 250}, kCtrl, true);
    EXPECT_EQ(ctrl.view().panX, -40.0);
    EXPECT_EQ(ctrl.view().panY, 50.0);
    ctrl.leftUp({60, 250}, kCtrl);
    ctrl.motion({0, 0}, kNone, false);
    EXPECT_EQ(ctrl.view().panX, -40.0) << "the pan ends with the release";
    EXPECT_EQ(layout.undoStack.size(), 0u);
}

using PieceMove = GestureFixture;

TEST_F(PieceMove, StartsOnlyWhenTheMouseLeavesTheCircleOfRoot24Pixels) {
    const uint32_t id = put("24188", 100, 100).id;
    ctrl.leftDown({190, 100}, kNone);
    ctrl.motion({194, 102}, kNone, true);  // 4² + 2² = 20
    EXPECT_EQ(layout.FindPiece(id)->x, 100.0);
    EXPECT_EQ(layout.undoStack.size(), 0u) << "a press that stays put costs no undo step";
    ctrl.motion({193, 104}, kNone, true);  // 3² + 4² = 25
    EXPECT_EQ(layout.FindPiece(id)->x, 103.0);
    EXPECT_EQ(layout.FindPiece(id)->y, 104.0);
    ctrl.leftUp({193, 104}, kNone);
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(PieceMove, GroupLetGoNearAnOpenEndSnapsOntoItAsOneRigidBlock) {
    const uint32_t target = put("24188", 0, 500).id;  // open end 1 at (188.3, 500), heading 0
    const double h = degToRad(10.0);
    const uint32_t a = put("24188", 1000, 100, 10.0).id;
    const uint32_t b = put("24188", 1000 + 188.3 * std::cos(h), 100 + 188.3 * std::sin(h), 10.0).id;
    joinPieces(*layout.EditPiece(a), 1, *layout.EditPiece(b), 0);
    layout.EditPiece(a)->selected = layout.EditPiece(b)->selected = true;
    // Grab a's middle and let go with its free end 9.7 mm right of and 5 mm below the target's.
    const ScreenPoint grab = px(1000 + 94 * std::cos(h), 100 + 94 * std::sin(h));
    drag(grab, {grab.x - 802, grab.y + 405});

    const PlacedPiece& pa = *layout.FindPiece(a);
    const PlacedPiece& pb = *layout.FindPiece(b);
    EXPECT_NEAR(pa.x, 188.3, 1e-9);
    EXPECT_NEAR(pa.y, 500.0, 1e-9);
    EXPECT_NEAR(pa.heading, 0.0, 1e-9);
    EXPECT_NEAR(pb.x, 376.6, 1e-9);
    EXPECT_NEAR(pb.y, 500.0, 1e-9);
    EXPECT_NEAR(pb.heading, 0.0, 1e-9);
    EXPECT_EQ(pa.jointAt(0).target, static_cast<int32_t>(target));
    EXPECT_EQ(layout.FindPiece(target)->jointAt(1).target, static_cast<int32_t>(a));
    EXPECT_EQ(pa.jointAt(1).target, static_cast<int32_t>(b)) << "joints inside the group stay";
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(PieceMove, ATurntableJoinedToTunnelTrackIsLockedAsIfThatTrackWereSelected) {
    const uint32_t tableId = put("74861", 400, 300).id;
    const uint32_t trackId = put("24188", 800, 300).id;
    joinPieces(*layout.EditPiece(tableId), 0, *layout.EditPiece(trackId), 0);
    Tunnel& tunnel = layout.tunnels.emplace_back();
    tunnel.id = layout.AllocateId();
    tunnel.covers = {trackId};
    layout.EditPiece(tableId)->selected = true;
    drag({400, 300}, {300, 200});
    ASSERT_EQ(host.prompts.records().size(), 1u);
    EXPECT_EQ(host.prompts.records()[0].title, "Tunnel is locked");
    EXPECT_EQ(layout.FindPiece(tableId)->x, 400.0);
    EXPECT_EQ(layout.FindPiece(tableId)->jointAt(0).target, static_cast<int32_t>(trackId));
    EXPECT_FALSE(layout.FindPiece(trackId)->selected) << "the refusal leaves the selection alone";
}

using CanvasKeys = GestureFixture;

TEST_F(CanvasKeys, EscapeEndsAPaletteDragFirstAndOtherwiseClearsTheWholeSelection) {
    row(2);
    layout.DeselectAll();
    layout.pieces.edit(0).selected = true;
    LayoutLabel& label = layout.labels.emplace_back();
    label.id = layout.AllocateId();
    label.selected = true;
    FreeShape& shape = layout.shapes.emplace_back();
    shape.id = layout.AllocateId();
    shape.selected = true;

    startPaletteDrag(ctrl, "24188");
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Escape, kNone));
    EXPECT_FALSE(paletteDrag(ctrl).active);
    EXPECT_TRUE(layout.pieces[0].selected) << "the first Escape only ends the drag";
    EXPECT_EQ(layout.pieces.size(), 2u);

    const int notices = host.selectionCalls;
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Escape, kNone));
    EXPECT_FALSE(layout.pieces[0].selected);
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_FALSE(layout.shapes[0].selected);
    EXPECT_GT(host.selectionCalls, notices);
}

TEST_F(CanvasKeys, DeleteRefusesTunnelTrackAndAsksBeforeGradedTrackWithNoAsDefault) {
    row(3);
    layout.DeselectAll();
    Tunnel& tunnel = layout.tunnels.emplace_back();
    tunnel.id = layout.AllocateId();
    tunnel.covers = {layout.pieces[1].id};
    layout.pieces.edit(1).selected = true;
    const size_t steps = layout.undoStack.size();
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Delete, kNone));
    ASSERT_EQ(host.prompts.records().size(), 1u);
    EXPECT_EQ(host.prompts.records()[0].title, "Tunnel is locked");
    EXPECT_EQ(host.prompts.records()[0].text,
              "Selection includes tunnel track or portals. Remove the tunnel first, then delete.");
    EXPECT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.undoStack.size(), steps);

    layout.DeselectAll();
    const uint32_t graded = layout.pieces[2].id;
    layout.pieces.edit(2).grade = 1.5;
    layout.pieces.edit(2).selected = true;
    host.prompts.queueAnswer(kIdNo);
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Backspace, kNone));
    ASSERT_EQ(host.prompts.records().size(), 2u);
    EXPECT_EQ(host.prompts.records()[1].title, "Delete");
    EXPECT_EQ(host.prompts.records()[1].text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(host.prompts.records()[1].defaultButton, kIdNo);
    EXPECT_EQ(layout.pieces.size(), 3u) << "answered No";
    EXPECT_EQ(layout.undoStack.size(), steps);

    host.prompts.queueAnswer(kIdYes);
    ctrl.keyDown(CanvasKey::Delete, kNone);
    EXPECT_EQ(layout.FindPiece(graded), nullptr);
    EXPECT_TRUE(layout.pieces[1].jointAt(1).isOpen());
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    EXPECT_EQ(host.status[1], "Pieces: 2");
}

}  // namespace
