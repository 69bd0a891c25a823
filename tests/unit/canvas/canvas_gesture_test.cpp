// Gestures driven step by step on the controller: selection, chains, rubber band, moves with
// their snap and rejoin, palette drops, clones, undo.
#include <gtest/gtest.h>

#include "canvas/canvas_controller.h"
#include "fake_host.h"

namespace {

const Modifiers kNone{};
const Modifiers kShift{true, false, false};
const Modifiers kCtrl{false, true, false};

struct Fixture : ::testing::Test {
    Layout layout;
    FakeHost host;
    CanvasController ctrl{layout, host};

    void SetUp() override {
        layout.EnsureDefaultLevel();
        unitView(ctrl);
    }
    /// A straight "24188" dropped through the palette at (x, y), heading h.
    uint32_t drop(const std::string& article, double x, double y, double h = 0.0) {
        ctrl.startPaletteDrag(article);
        while (ctrl.paletteDrag().heading != h) {
            ctrl.keyDown(CanvasKey::R, kNone);
        }
        ctrl.motion(px(x, y), kNone, false);
        ctrl.leftDown(px(x, y), kNone);
        return layout.pieces.back().id;
    }
    /// A row of n joined 188.3 mm straights from the origin along +x, at y.
    void row(int n, double y = 100.0) {
        for (int i = 0; i < n; ++i) {
            drop("24188", 188.3 * i + 1.0, y);
        }
    }
    void drag(ScreenPoint from, ScreenPoint to, Modifiers mods = kNone) {
        ctrl.leftDown(from, mods);
        ctrl.motion({(from.x + to.x) / 2, (from.y + to.y) / 2}, mods, true);
        ctrl.motion(to, mods, true);
        ctrl.leftUp(to, mods);
    }
    int selectedCount() const {
        int n = 0;
        for (const PlacedPiece& p : layout.pieces) {
            n += p.selected ? 1 : 0;
        }
        return n;
    }
};

TEST_F(Fixture, DroppedPiecesSnapJoinAndAreOneUndoStepEach) {
    row(3);
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.pieces[1].joints[0].target, static_cast<int32_t>(layout.pieces[0].id));
    EXPECT_EQ(layout.pieces[0].joints[1].target, static_cast<int32_t>(layout.pieces[1].id));
    EXPECT_NEAR(layout.pieces[2].x, 2 * 188.3 + 1.0, 1e-6);
    EXPECT_EQ(host.status[1], "Pieces: 3");
    EXPECT_EQ(layout.undoStack.size(), 3u);
    ctrl.undo();
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(layout.pieces[1].jointAt(1).isOpen());
}

TEST_F(Fixture, PaletteDragSnapsWithin25mmOnlyOntoOpenEndsOfOtherHeading) {
    drop("24188", 0, 100);
    ctrl.startPaletteDrag("24188");
    ctrl.motion(px(188.3 + 25.0, 100), kNone, false);  // connector 0 exactly 25 mm away
    EXPECT_TRUE(ctrl.paletteDrag().snap.snapped);
    ctrl.motion(px(188.3 + 26.0, 100), kNone, false);
    EXPECT_FALSE(ctrl.paletteDrag().snap.snapped);
    // A piece pointing the other way offers connector 1 to the same end: same heading, no snap.
    ctrl.keyDown(CanvasKey::R, kNone);
    ctrl.keyDown(CanvasKey::R, kNone);
    ctrl.keyDown(CanvasKey::R, kNone);
    ctrl.keyDown(CanvasKey::R, kNone);
    ctrl.keyDown(CanvasKey::R, kNone);
    ctrl.keyDown(CanvasKey::R, kNone);
    EXPECT_DOUBLE_EQ(ctrl.paletteDrag().heading, 180.0);
    ctrl.keyDown(CanvasKey::Escape, kNone);
    EXPECT_FALSE(ctrl.paletteDrag().active);
    EXPECT_EQ(layout.pieces.size(), 1u);
    // A joined end takes no further piece.
    drop("24188", 190, 100);
    ctrl.startPaletteDrag("24188");
    ctrl.motion(px(200, 100), kNone, false);
    EXPECT_FALSE(ctrl.paletteDrag().snap.snapped && ctrl.paletteDrag().snap.targetConn == 1 &&
                 ctrl.paletteDrag().snap.targetId == layout.pieces[0].id);
    ctrl.cancelPlacement();
    // With snapping off the drop lands where it was let go.
    layout.snapEnabled = false;
    drop("24188", 380, 110);
    EXPECT_DOUBLE_EQ(layout.pieces.back().y, 110.0);
    EXPECT_TRUE(layout.pieces.back().jointAt(0).isOpen());
}

TEST_F(Fixture, CTrackDroppedOnKTrackEndIsRefusedWithAdvice) {
    drop("2200", 0, 100);
    ctrl.startPaletteDrag("24188");
    ctrl.motion(px(190, 100), kNone, false);
    EXPECT_FALSE(ctrl.paletteDrag().snap.snapped);
    ctrl.leftDown(px(190, 100), kNone);
    ASSERT_EQ(host.prompts.records().size(), 1u);
    EXPECT_EQ(host.prompts.records()[0].title, "Incompatible Track Systems");
    EXPECT_EQ(host.prompts.records()[0].text,
              incompatibleSystemsMessage(Systems::CTrack, Systems::KTrack));
    EXPECT_NE(host.prompts.records()[0].text.find("cannot connect to"), std::string::npos);
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_FALSE(ctrl.paletteDrag().active);
}

TEST_F(Fixture, ClickInsideSelectionKeepsItAndDragsAllClickingAnotherReplacesIt) {
    row(10);
    drop("24188", 100, 600);  // an eleventh piece apart
    layout.DeselectAll();
    for (int i = 0; i < 10; ++i) {
        layout.pieces[i].selected = true;
    }
    drag(px(94, 100), px(94, 160));  // from the middle of the first piece
    EXPECT_EQ(selectedCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(layout.pieces[i].y, 160.0, 1e-9) << i;
    }
    EXPECT_NEAR(layout.pieces[10].y, 600.0, 1e-9);
    ctrl.leftDown(px(200, 600), kNone);
    ctrl.leftUp(px(200, 600), kNone);
    EXPECT_EQ(selectedCount(), 1);
    EXPECT_TRUE(layout.pieces[10].selected);
    ctrl.leftDown(px(94, 160), kCtrl);  // Ctrl adds
    ctrl.leftUp(px(94, 160), kCtrl);
    EXPECT_EQ(selectedCount(), 2);
}

TEST_F(Fixture, ShiftClickChainsAlongJointsAndOnlyTogglesWithoutPath) {
    row(5);
    drop("24188", 100, 600);
    layout.DeselectAll();
    ctrl.leftDown(px(94, 100), kNone);
    ctrl.leftUp(px(94, 100), kNone);
    ctrl.leftDown(px(188.3 * 3 + 94, 100), kShift);
    ctrl.leftUp(px(188.3 * 3 + 94, 100), kShift);
    EXPECT_EQ(selectedCount(), 4);
    EXPECT_FALSE(layout.pieces[4].selected);
    ctrl.leftDown(px(200, 600), kShift);  // not joined to the anchor: a toggle only
    ctrl.leftUp(px(200, 600), kShift);
    EXPECT_EQ(selectedCount(), 5);
    EXPECT_TRUE(layout.pieces[5].selected);
    EXPECT_FALSE(layout.pieces[4].selected);
}

TEST_F(Fixture, RubberBandOf4By100SelectsAnd4By4OnlyClears) {
    row(2);
    layout.pieces[0].selected = true;
    // At zoom 0.1 the presses 30 mm beside the track are on empty canvas; the second piece's
    // centre line runs along screen row 10 from x 18.9 to 37.8.
    ctrl.view().zoom = 0.1;
    drag(px(25, 7), px(29, 107));
    EXPECT_EQ(selectedCount(), 1);
    EXPECT_TRUE(layout.pieces[1].selected);
    drag(px(25, 7), px(29, 11));
    EXPECT_EQ(selectedCount(), 0);
}

TEST_F(Fixture, MovedEndSnapsAt25mmNotBeyondAndRejoinsWithin4mm) {
    // Two parallel rows; the lower row's first piece is moved so that its connector 0 comes 25 mm
    // short of the upper row's open end.
    drop("24188", 0, 100);
    const uint32_t mover = drop("24188", 0, 400);
    auto moveTo = [&](double dx, double dy) {
        layout.DeselectAll();
        layout.FindPiece(mover)->selected = true;
        PlacedPiece& m = *layout.FindPiece(mover);
        const ScreenPoint grab = px(m.x + 94, m.y);
        ctrl.leftDown(grab, kNone);
        ctrl.motion({grab.x + 50, grab.y}, kNone, true);
        ctrl.motion({grab.x + static_cast<int>(dx), grab.y + static_cast<int>(dy)}, kNone, true);
        ctrl.leftUp({grab.x + static_cast<int>(dx), grab.y + static_cast<int>(dy)}, kNone);
    };
    moveTo(188.3 + 25 - 0.3, -300);  // x lands on 213.0 (integer pixels): 24.7 mm away
    EXPECT_NEAR(layout.FindPiece(mover)->x, 188.3, 1e-6);
    EXPECT_NEAR(layout.FindPiece(mover)->y, 100.0, 1e-6);
    EXPECT_EQ(layout.FindPiece(mover)->joints[0].target, static_cast<int32_t>(layout.pieces[0].id));
    EXPECT_EQ(layout.checkInvariants(), "");
    ctrl.undo();
    moveTo(188.3 + 26 - 0.3, -300);  // 25.7 mm: stays where it was let go
    EXPECT_NEAR(layout.FindPiece(mover)->x, 214.0, 1e-6);
    EXPECT_TRUE(layout.FindPiece(mover)->jointAt(0).isOpen());
}

TEST_F(Fixture, RejoinAt3Point9ButNot4Point1AndHalfMillimetreMoveKeepsJointsBroken) {
    row(2);
    const uint32_t second = layout.pieces[1].id;
    auto nudge = [&](double offset) {
        layout.DeselectAll();
        PlacedPiece& p = *layout.FindPiece(second);
        p.selected = true;
        ctrl.view().zoom = 10.0;  // 0.1 mm per pixel
        const ScreenPoint grab = ctrl.view().worldToScreen(p.x + 94, p.y);
        ctrl.leftDown(grab, kNone);
        ctrl.motion({grab.x, grab.y + 200}, kNone, true);  // far off first, joints break
        const ScreenPoint to{grab.x, grab.y + static_cast<int>(offset * 10 + 0.5)};
        ctrl.motion(to, kNone, true);
        ctrl.leftUp(to, kNone);
        return layout.FindPiece(second)->jointAt(0);
    };
    layout.snapEnabled = false;  // only the rejoin joins
    EXPECT_FALSE(nudge(3.9).isOpen());
    ctrl.undo();
    EXPECT_TRUE(nudge(4.1).isOpen());
    ctrl.undo();
    EXPECT_TRUE(nudge(0.5).isOpen());
    EXPECT_TRUE(layout.pieces[0].jointAt(1).isOpen());
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST_F(Fixture, DoubleClickClonesAtOpenEndOnlyAndSwallowsTheFollowingPress) {
    drop("24188", 0, 100);
    ctrl.leftDoubleClick(px(94, 100), kNone);
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_NEAR(layout.pieces[1].x, 188.3, 1e-6);
    EXPECT_TRUE(layout.pieces[1].selected);
    EXPECT_FALSE(layout.pieces[0].selected);
    EXPECT_EQ(layout.undoStack.size(), 2u);
    ctrl.leftDown(px(300, 300), kNone);  // the toolkit's trailing press: ignored
    EXPECT_TRUE(layout.pieces[1].selected);
    ctrl.leftUp(px(300, 300), kNone);
    ctrl.leftDoubleClick(px(94, 100), kNone);  // clicked piece: end 1 joined, end 0 open
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_NEAR(layout.pieces[2].x, -188.3, 1e-6);
    ctrl.leftDoubleClick(px(94, 100), kNone);  // both ends joined now
    EXPECT_EQ(layout.pieces.size(), 3u);
}

TEST_F(Fixture, AutoConnectGrowsFromNewestSelectedPiece) {
    ctrl.autoConnect("24188");
    EXPECT_TRUE(ctrl.paletteDrag().active);  // nothing selected: a drag starts
    ctrl.cancelPlacement();
    drop("24188", 0, 100);
    layout.pieces[0].selected = true;
    ctrl.autoConnect("24188");
    ctrl.autoConnect("24188");
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_NEAR(layout.pieces[2].x, 2 * 188.3, 1e-6);
    EXPECT_TRUE(layout.pieces[2].selected);
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST_F(Fixture, AltRotationSnapsToRightAngleAndTakesOneStep) {
    drop("24188", 0, 100);
    layout.pieces[0].selected = true;
    const Modifiers alt{false, false, true};
    const ScreenPoint pivot = px(layout.pieces[0].x, layout.pieces[0].y);
    ctrl.leftDown({pivot.x + 100, pivot.y}, alt);
    ctrl.motion({pivot.x + 100, pivot.y + 98}, alt, true);  // 44.4 degrees: free
    EXPECT_NEAR(layout.pieces[0].heading, 44.4, 0.1);
    EXPECT_FALSE(ctrl.overlays().pivotOnRightAngle);
    ctrl.motion({pivot.x + 3, pivot.y + 100}, alt, true);  // 88.3 degrees: snaps to 90
    EXPECT_DOUBLE_EQ(layout.pieces[0].heading, 90.0);
    EXPECT_TRUE(ctrl.overlays().pivotOnRightAngle);
    ctrl.leftUp({pivot.x + 3, pivot.y + 100}, alt);
    EXPECT_EQ(layout.undoStack.size(), 2u);
}

TEST_F(Fixture, MoveGuardsAskOnceAboutGradesAndRefuseTunnelTrack) {
    row(2);
    layout.pieces[0].grade = 1.5;
    layout.pieces[0].selected = true;
    const size_t steps = layout.undoStack.size();
    host.prompts.queueAnswer(kIdNo);
    drag(px(94, 100), px(94, 200));
    EXPECT_NEAR(layout.pieces[0].y, 100.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), steps);
    host.prompts.queueAnswer(kIdYes);
    drag(px(94, 100), px(94, 200));
    EXPECT_NEAR(layout.pieces[0].y, 200.0, 1e-9);
    drag(px(94, 200), px(94, 300));  // asked once per run only
    EXPECT_EQ(host.prompts.records().size(), 2u);
    EXPECT_EQ(host.prompts.records()[0].title, "Move");

    Tunnel tunnel;
    tunnel.id = layout.AllocateId();
    tunnel.covers = {layout.pieces[1].id};
    layout.tunnels.push_back(tunnel);
    layout.DeselectAll();
    const size_t before = layout.undoStack.size();
    drag(px(188.3 + 94, 100), px(188.3 + 94, 250));
    ASSERT_EQ(host.prompts.records().size(), 3u);
    EXPECT_EQ(host.prompts.records()[2].title, "Tunnel is locked");
    EXPECT_NEAR(layout.pieces[1].y, 100.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), before);
}

}  // namespace
