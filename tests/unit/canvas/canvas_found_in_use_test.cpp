// What a new user met: loops that stayed open, zoom-out that zoomed in, a stale piece count, a
// frozen mouse position, a palette drag that ignored its release, and no way to lay a curve the
// other way round.
#include <cmath>

#include "catalog/piece_shape.h"
#include "document/snap_search.h"
#include "gesture_fixture.h"

namespace {

using FoundInUse = GestureFixture;

int openEnds(const Layout& layout) {
    int open = 0;
    for (const PlacedPiece& p : layout.pieces) {
        for (const Joint& j : p.joints) {
            open += j.isOpen() ? 1 : 0;
        }
    }
    return open;
}

}  // namespace

TEST_F(FoundInUse, TwelveCurvesByDoubleClickCloseTheCircleOnBothEnds) {
    drop("24130", 400, 300);  // R1 30 degrees: twelve make a circle
    for (int i = 0; i < 11; ++i) {
        autoConnect(ctrl, "24130");
    }
    ASSERT_EQ(layout.pieces.size(), 12u);
    EXPECT_EQ(openEnds(layout), 0) << "the last curve ends on the first and is joined to it";
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.undoStack.size(), 12u) << "the closing joint belongs to the last placement";
    EXPECT_EQ(host.status[1], "Pieces: 12");
}

TEST_F(FoundInUse, ShiftDoubleClickAndFLayTheCurveEndForEndSoItBendsTheOtherWay) {
    drop("24130", 400, 300);
    const double right = layout.pieces[0].heading;
    autoConnect(ctrl, "24130");
    const double keepsTurning = layout.pieces[1].heading;
    autoConnect(ctrl, "24130", true);
    // Laid end for end the third curve turns back: its exit heading equals the first's.
    const PieceDef* def = TrackCatalog::instance().byArticle("24130");
    const WorldConnector exit2 = connectorToWorld(layout.pieces[1], *def, 1);
    const PlacedPiece& third = layout.pieces[2];
    const int freeEnd = third.jointAt(0).isOpen() ? 0 : 1;
    const WorldConnector exit3 = connectorToWorld(third, *def, freeEnd);
    EXPECT_NEAR(headingDifference(exit3.heading, exit2.heading), 30.0, 1e-6);
    EXPECT_NE(keepsTurning, right);
    EXPECT_EQ(layout.checkInvariants(), "");

    // F during a palette drag: connector 1 follows the mouse and snaps onto the open end.
    startPaletteDrag(ctrl, "24130");
    ctrl.keyDown(CanvasKey::F, kNone);
    EXPECT_TRUE(paletteDrag(ctrl).flipped);
    EXPECT_EQ(host.status[0], kPlacementHint);
}

TEST_F(FoundInUse, ZoomOutAfterAFitBelowTheInteractiveLimitNeverZoomsIn) {
    ctrl.view().zoom = 0.1;
    ctrl.zoomOut();
    EXPECT_LE(ctrl.view().zoom, 0.1);
    ctrl.wheel(px(400, 300), kNone, -1);
    EXPECT_LE(ctrl.view().zoom, 0.1);
    const double before = ctrl.view().zoom;
    ctrl.zoomIn();
    EXPECT_GT(ctrl.view().zoom, before);
    EXPECT_LT(ctrl.view().zoom, 0.3) << "one step in, not a jump to the interactive limit";
}

TEST_F(FoundInUse, PieceCountAndMousePositionFollowEveryChange) {
    row(3);
    EXPECT_EQ(host.status[1], "Pieces: 3");
    ctrl.undo();
    EXPECT_EQ(host.status[1], "Pieces: 2");
    layout.DeselectAll();
    layout.pieces.edit(0).selected = true;
    ctrl.copySelection();
    ctrl.pasteAt(px(600, 500));
    EXPECT_EQ(host.status[1], "Pieces: 3");
    EXPECT_TRUE(layout.pieces.back().selected) << "the pasted copy is the selection";
    EXPECT_FALSE(layout.pieces[0].selected);

    ctrl.motion(px(120, 45), kNone, false);
    EXPECT_EQ(host.status[2], "x: 120  y: 45 mm");
    layout.units = 2;
    ctrl.motion(px(254, 127), kNone, false);
    EXPECT_EQ(host.status[2], "x: 10.00  y: 5.00 in");
}

TEST_F(FoundInUse, PaletteDragDropsWhereTheButtonIsReleasedAfterMovingOverTheCanvas) {
    startPaletteDrag(ctrl, "24188");
    ctrl.motion(px(300, 250), kNone, true);  // button held since the press in the palette
    ctrl.leftUp(px(300, 250), kNone);
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_NEAR(layout.pieces[0].x, 300.0, 1e-9);
    EXPECT_FALSE(paletteDrag(ctrl).active);
    EXPECT_TRUE(layout.pieces[0].selected) << "a dropped piece becomes the selection";

    // Clicked in the palette, moved without the button: the release of a canvas click is not a
    // second drop.
    startPaletteDrag(ctrl, "24188");
    ctrl.motion(px(600, 250), kNone, false);
    ctrl.leftDown(px(600, 250), kNone);
    ctrl.leftUp(px(600, 250), kNone);
    EXPECT_EQ(layout.pieces.size(), 2u);
}

TEST_F(FoundInUse, FlipLaysASelectedCurveEndForEndKeepingTheJointWhereItsConnector0Was) {
    const uint32_t first = drop("24188", 1, 100);  // runs along +x to (189.3, 100)
    autoConnect(ctrl, "24130");
    const uint32_t curve = layout.pieces.back().id;
    autoConnect(ctrl, "24188");
    const uint32_t last = layout.pieces.back().id;
    const PieceDef& def = *TrackCatalog::instance().byArticle("24130");
    // Which side of the track's line the curve's far end lies on: it bends that way.
    auto bend = [&](int farEnd) {
        return connectorToWorld(*layout.FindPiece(curve), def, farEnd).y - 100.0;
    };
    const double before = bend(1);
    ASSERT_GT(std::fabs(before), 10.0);

    // Offered for a lone curve or turnout, never for a straight.
    layout.DeselectAll();
    click(px(95, 100));
    ctrl.rightDown(px(95, 100), kNone);
    for (const ContextMenuEntry& e : host.lastMenu) {
        EXPECT_NE(e.command, ContextCommand::Flip) << "a straight";
    }
    put("24611", 600, 600).selected = false;  // a left turnout
    ctrl.rightDown(px(650, 600), kNone);
    ASSERT_FALSE(host.lastMenu.empty());
    EXPECT_EQ(host.lastMenu.back().text, "Flip") << "a turnout";

    const Vec2 middle = localToLayout(layout.FindPiece(curve)->pose(), pieceShape(def).midpoint);
    const size_t steps = layout.undoStack.size();
    host.menuChoice = 1;  // Copy, Flip
    ctrl.rightDown(px(std::lround(middle.x), std::lround(middle.y)), kNone);
    ASSERT_EQ(host.lastMenu.size(), 2u);
    EXPECT_EQ(host.lastMenu[1].command, ContextCommand::Flip);
    const PlacedPiece& flipped = *layout.FindPiece(curve);
    const WorldConnector c1 = connectorToWorld(flipped, def, 1);
    EXPECT_NEAR(c1.x, 189.3, 1e-9);
    EXPECT_NEAR(c1.y, 100.0, 1e-9);
    EXPECT_NEAR(headingDifference(c1.heading, 180.0), 0.0, 1e-9) << "faces back along the track";
    EXPECT_LT(bend(0) * before, 0.0) << "it bends the other way";
    EXPECT_EQ(flipped.jointAt(1).target, static_cast<int32_t>(first));
    EXPECT_EQ(layout.FindPiece(first)->jointAt(1).target, static_cast<int32_t>(curve));
    EXPECT_TRUE(flipped.jointAt(0).isOpen()) << "the far neighbour no longer meets it";
    EXPECT_TRUE(layout.FindPiece(last)->jointAt(0).isOpen());
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    ctrl.undo();
    EXPECT_EQ(layout.FindPiece(curve)->jointAt(1).target, static_cast<int32_t>(last));
    EXPECT_NEAR(bend(1), before, 1e-9);
}
