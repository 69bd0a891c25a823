// Turning the selection (Alt-drag with its right-angle catch, Ctrl+wheel, Alt+right-click),
// picking where two levels overlap, and where a paste lands.
#include <gtest/gtest.h>

#include <cmath>

#include "gesture_fixture.h"

namespace {

struct AltDragRotation : GestureFixture {
    /// Alt-drags the selection about the screen point `pivot`, from straight right of it round to
    /// `degrees` (clockwise on screen). The mouse goes far out, so the pixel grid costs less than
    /// a hundredth of a degree. Returns whether the pivot showed the right-angle catch.
    bool turn(ScreenPoint pivot, double degrees) {
        const double r = 20000.0, a = degToRad(degrees);
        const ScreenPoint from{pivot.x + 20000, pivot.y};
        const ScreenPoint to{static_cast<int>(std::lround(pivot.x + r * std::cos(a))),
                             static_cast<int>(std::lround(pivot.y + r * std::sin(a)))};
        ctrl.leftDown(from, kAlt);
        ctrl.motion(to, kAlt, true);
        const CanvasOverlays overlays = ctrl.overlays();
        const OverlayPivot* pivotShown = findOverlay<OverlayPivot>(overlays);
        EXPECT_NE(pivotShown, nullptr);
        const bool caught = pivotShown != nullptr && pivotShown->onRightAngle;
        ctrl.leftUp(to, kAlt);
        return caught;
    }
};

TEST_F(AltDragRotation, TurnEndingWithinTwoDegreesOfARightAngleLandsOnItOneBeyondIsKept) {
    put("24188", 1000, 1000).selected = true;
    const auto heading = [&] { return layout.pieces[0].heading; };
    const ScreenPoint pivot{1000, 1000};  // a lone piece turns about its own position

    EXPECT_TRUE(turn(pivot, 88.5));
    EXPECT_NEAR(heading(), 90.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ctrl.undo();
    EXPECT_FALSE(turn(pivot, 87.5));
    EXPECT_NEAR(heading(), 87.5, 0.01);
    ctrl.undo();
    EXPECT_TRUE(turn(pivot, -88.5));
    EXPECT_NEAR(heading(), 270.0, 1e-9);
    ctrl.undo();
    EXPECT_TRUE(turn(pivot, -1.5));  // 358.5 is caught by 360, which reads 0
    EXPECT_NEAR(heading(), 0.0, 1e-9);
    ctrl.undo();
    EXPECT_FALSE(turn(pivot, -2.5));
    EXPECT_NEAR(heading(), 357.5, 0.01);
    EXPECT_NEAR(layout.pieces[0].x, 1000.0, 1e-9);
    EXPECT_NEAR(layout.pieces[0].y, 1000.0, 1e-9);
}

using CtrlWheelRotation = GestureFixture;

TEST_F(CtrlWheelRotation, ForwardTurnsBy15ShiftBy5AndBackwardBackAboutTheSelectionsMiddle) {
    const uint32_t id = put("24188", 1000, 500).id;
    layout.pieces.edit(0).selected = true;
    // The box of a straight spans its two ends, so its centre is the piece's middle.
    auto middle = [&] {
        const PlacedPiece& p = *layout.FindPiece(id);
        const double h = degToRad(p.heading);
        return Vec2{p.x + 94.15 * std::cos(h), p.y + 94.15 * std::sin(h)};
    };
    const Modifiers ctrlShift{true, true, false};
    const struct {
        Modifiers mods;
        int rotation;
        double heading;
    } steps[] = {{kCtrl, 1, 15.0}, {ctrlShift, 1, 20.0}, {kCtrl, -1, 5.0}, {ctrlShift, -1, 0.0}};
    size_t undoSteps = 0;
    for (const auto& step : steps) {
        ctrl.wheel({30, 40}, step.mods, step.rotation);  // the mouse point plays no part
        EXPECT_NEAR(layout.FindPiece(id)->heading, step.heading, 1e-9) << step.heading;
        EXPECT_NEAR(middle().x, 1094.15, 1e-9) << step.heading;
        EXPECT_NEAR(middle().y, 500.0, 1e-9) << step.heading;
        EXPECT_EQ(layout.undoStack.size(), ++undoSteps);
    }
    EXPECT_EQ(ctrl.view().zoom, 1.0) << "a Ctrl+wheel that turns does not zoom";
}

using StepRotation = GestureFixture;

TEST_F(StepRotation, AltRightClickTurns15AboutTheFirstPieceInOneUndoStepThatUndoes) {
    row(2);
    layout.pieces.edit(0).selected = layout.pieces.edit(1).selected = true;
    const size_t steps = layout.undoStack.size();
    ctrl.rightDown({600, 600}, kAlt);
    EXPECT_TRUE(host.lastMenu.empty()) << "no menu";
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    const double a = degToRad(15.0);
    EXPECT_NEAR(layout.pieces[0].x, 1.0, 1e-9);
    EXPECT_NEAR(layout.pieces[0].y, 100.0, 1e-9);
    EXPECT_NEAR(layout.pieces[1].x, 1.0 + 188.3 * std::cos(a), 1e-9);
    EXPECT_NEAR(layout.pieces[1].y, 100.0 + 188.3 * std::sin(a), 1e-9);
    EXPECT_NEAR(layout.pieces[0].heading, 15.0, 1e-9);
    EXPECT_NEAR(layout.pieces[1].heading, 15.0, 1e-9);

    ctrl.undo();
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.pieces[0].heading, 0.0);
    EXPECT_EQ(layout.pieces[1].heading, 0.0);
    EXPECT_NEAR(layout.pieces[1].x, 189.3, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), steps);
}

using LevelPicking = GestureFixture;

TEST_F(LevelPicking, WhereTwoLevelsOverlapTheHigherDeckWinsAndOnEqualDecksTheNearerPiece) {
    layout.levels.emplace_back().id = 2;
    layout.levels.back().height = 80.0;
    const uint32_t upper = put("24188", 500, 300, 0.0, 2).id;   // along y = 300
    const uint32_t lower = put("24188", 600, 200, 90.0, 1).id;  // along x = 600, tried first
    const ScreenPoint at{600, 305};  // on the lower piece, 5 mm from the upper one
    EXPECT_EQ(ctrl.pickPiece(at), upper);
    click(at);
    EXPECT_TRUE(layout.FindPiece(upper)->selected);
    EXPECT_FALSE(layout.FindPiece(lower)->selected);

    layout.levels.back().height = -80.0;  // the deck of level 2 now lies below level 1
    EXPECT_EQ(ctrl.pickPiece(at), lower);
    layout.levels.back().height = 0.0005;  // within a thousandth: the nearer piece
    EXPECT_EQ(ctrl.pickPiece(at), lower);
    EXPECT_EQ(ctrl.pickPiece({605, 300}), upper);
}

using Paste = GestureFixture;

TEST_F(Paste, LandsCentredOnThePointInXAndYForACopyAwayFromTheOrigin) {
    put("24188", 1200, 900).selected = true;
    put("24188", 1500, 1300, 90.0).selected = true;
    ctrl.copySelection();
    ctrl.view().zoom = 0.5;
    ctrl.view().panX = 40.0;
    ctrl.view().panY = 30.0;
    ctrl.pasteAt({440, 330});  // layout (800, 600)
    ASSERT_EQ(layout.pieces.size(), 4u);
    const PlacedPiece& a = layout.pieces[2];
    const PlacedPiece& b = layout.pieces[3];
    EXPECT_NEAR((a.x + b.x) / 2, 800.0, 1e-9);
    EXPECT_NEAR((a.y + b.y) / 2, 600.0, 1e-9);
    EXPECT_NEAR(b.x - a.x, 300.0, 1e-9);
    EXPECT_NEAR(b.y - a.y, 400.0, 1e-9);
    EXPECT_EQ(b.heading, 90.0);

    // A shape copied beside the pieces counts each of its vertices once.
    FreeShape& shape = layout.shapes.emplace_back();
    shape.id = layout.AllocateId();
    shape.vertices = {{2000, 1000}, {2300, 1000}, {2300, 1600}};
    ctrl.copyShape(shape.id);
    ctrl.pasteAt({140, 230});  // layout (200, 400)
    ASSERT_EQ(layout.pieces.size(), 6u);
    ASSERT_EQ(layout.shapes.size(), 2u);
    double sx = layout.pieces[4].x + layout.pieces[5].x;
    double sy = layout.pieces[4].y + layout.pieces[5].y;
    for (const Vec2& v : layout.shapes[1].vertices) {
        sx += v.x;
        sy += v.y;
    }
    EXPECT_NEAR(sx / 5, 200.0, 1e-9);
    EXPECT_NEAR(sy / 5, 400.0, 1e-9);
    EXPECT_NEAR(layout.shapes[1].vertices[0].x - layout.pieces[4].x, 800.0, 1e-9);
    EXPECT_NEAR(layout.shapes[1].vertices[0].y - layout.pieces[4].y, 100.0, 1e-9);
}

}  // namespace
