// What a new user met: loops that stayed open, zoom-out that zoomed in, a stale piece count, a
// frozen mouse position, a palette drag that ignored its release, and no way to lay a curve the
// other way round.
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
    layout.pieces[0].selected = true;
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
