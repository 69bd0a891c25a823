// Gestures and edits driven step by step on the controller: selection, chains, rubber band, snap
// and rejoin, palette drops, clones, undo and redo, paste.
#include <gtest/gtest.h>

#include "document/layout_writer.h"
#include "gesture_fixture.h"

namespace {

using Fixture = GestureFixture;

TEST_F(Fixture, DropsJoinAndCloneTakeOneUndoStepEach) {
    row(2);
    EXPECT_EQ(layout.pieces[1].joints[0].target, static_cast<int32_t>(layout.pieces[0].id));
    EXPECT_EQ(layout.pieces[0].joints[1].target, static_cast<int32_t>(layout.pieces[1].id));
    ctrl.leftDoubleClick(px(188.3 + 94, 100), kNone);  // clones at the open end
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_NEAR(layout.pieces[2].x, 2 * 188.3 + 1.0, 1e-6);
    EXPECT_EQ(host.status[1], "Pieces: 3");
    EXPECT_EQ(layout.undoStack.size(), 3u);
    EXPECT_EQ(layout.checkInvariants(), "");
    ctrl.undo();
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(layout.pieces[1].jointAt(1).isOpen());
}

TEST_F(Fixture, PaletteSnapReachesExactly25mmNeverAJoinedOrSameHeadingEnd) {
    ctrl.view().panX = 188.3;
    drop("24188", 0, 100);     // its open end lies on the origin
    ctrl.view().zoom = 100.0;  // 0.01 mm per pixel
    ctrl.view().panX = 0.0;
    ctrl.view().panY = 0.0;
    startPaletteDrag(ctrl, "24188");
    ctrl.motion({2500, 10000}, kNone, false);
    EXPECT_TRUE(paletteDrag(ctrl).snap.snapped) << "25.0 mm";
    ctrl.motion({2501, 10000}, kNone, false);
    EXPECT_FALSE(paletteDrag(ctrl).snap.snapped) << "25.01 mm";
    for (int i = 0; i < 6; ++i) {
        ctrl.keyDown(CanvasKey::R, kNone);
    }
    ASSERT_DOUBLE_EQ(paletteDrag(ctrl).heading, 180.0);
    ctrl.motion({2000, 10000}, kNone, false);
    EXPECT_FALSE(paletteDrag(ctrl).snap.snapped) << "same heading";
    ctrl.keyDown(CanvasKey::Escape, kNone);
    EXPECT_FALSE(paletteDrag(ctrl).active);

    unitView(ctrl);
    drop("24188", 10, 100);  // joins the first
    ASSERT_FALSE(layout.pieces[0].jointAt(1).isOpen());
    startPaletteDrag(ctrl, "24188");
    ctrl.motion(px(5, 100), kNone, false);
    EXPECT_FALSE(paletteDrag(ctrl).snap.snapped) << "joined end";
}

TEST_F(Fixture, CTrackDroppedOnKTrackEndIsRefusedWithAdvice) {
    drop("2200", 0, 100);
    drop("24188", 190, 100);
    ASSERT_EQ(host.prompts.records().size(), 1u);
    EXPECT_EQ(host.prompts.records()[0].title, "Incompatible Track Systems");
    EXPECT_EQ(host.prompts.records()[0].text,
              incompatibleSystemsMessage(Systems::CTrack, Systems::KTrack));
    EXPECT_NE(host.prompts.records()[0].text.find("cannot connect to"), std::string::npos);
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(Fixture, ClickInsideSelectionDragsAllClickingAnotherReplacesIt) {
    row(10);
    drop("24188", 100, 600);
    layout.DeselectAll();
    for (int i = 0; i < 10; ++i) {
        layout.pieces.edit(i).selected = true;
    }
    drag(px(94, 100), px(94, 160));
    EXPECT_EQ(selectedCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(layout.pieces[i].y, 160.0, 1e-9) << i;
    }
    EXPECT_NEAR(layout.pieces[10].y, 600.0, 1e-9);
    click(px(200, 600));
    EXPECT_EQ(selectedCount(), 1);
    EXPECT_TRUE(layout.pieces[10].selected);
}

TEST_F(Fixture, ShiftClickChainsAlongJointsAndOnlyTogglesWithoutPath) {
    row(5);
    drop("24188", 100, 600);
    layout.DeselectAll();
    click(px(94, 100));
    click(px(188.3 * 3 + 94, 100), kShift);
    EXPECT_EQ(selectedCount(), 4);
    click(px(200, 600), kShift);
    EXPECT_EQ(selectedCount(), 5);
    EXPECT_TRUE(layout.pieces[5].selected);
    EXPECT_FALSE(layout.pieces[4].selected);
}

TEST_F(Fixture, RubberBandOf4By100SelectsAnd4By4DoesNot) {
    row(2);
    // At zoom 0.1 the second piece's centre line runs along screen row 10 from x 18.9 to 37.8.
    ctrl.view().zoom = 0.1;
    drag(px(25, 7), px(29, 107));
    EXPECT_EQ(selectedCount(), 1);
    EXPECT_TRUE(layout.pieces[1].selected);
    drag(px(25, 7), px(29, 11));
    EXPECT_EQ(selectedCount(), 0);
}

TEST_F(Fixture, RejoinAt3Point9NotAt4Point1AndHalfMillimetreMoveStaysBroken) {
    row(2);
    layout.snapEnabled = false;  // only the rejoin joins
    const uint32_t second = layout.pieces[1].id;
    auto nudge = [&](double offset) {
        layout.DeselectAll();
        PlacedPiece& p = *layout.EditPiece(second);
        p.selected = true;
        ctrl.view().zoom = 10.0;
        const ScreenPoint grab = ctrl.view().worldToScreen(p.x + 94, p.y);
        ctrl.leftDown(grab, kNone);
        ctrl.motion({grab.x, grab.y + 200}, kNone, true);  // far off first: joints break
        const ScreenPoint to{grab.x, grab.y + static_cast<int>(offset * 10 + 0.5)};
        ctrl.motion(to, kNone, true);
        ctrl.leftUp(to, kNone);
        return layout.FindPiece(second)->jointAt(0).isOpen();
    };
    EXPECT_FALSE(nudge(3.9));
    ctrl.undo();
    EXPECT_TRUE(nudge(4.1));
    ctrl.undo();
    EXPECT_TRUE(nudge(0.5));
    EXPECT_TRUE(layout.pieces[0].jointAt(1).isOpen());
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST_F(Fixture, FiftyOneEditsGiveFiftyUndosAndRedoRestoresExactly) {
    for (int i = 0; i < 51; ++i) {
        drop("24188", 0, 300.0 * i);
    }
    const std::string before = writeLayoutText(layout, "n");
    int undos = 0;
    for (; !layout.undoStack.empty(); ++undos) {
        ctrl.undo();
    }
    EXPECT_EQ(undos, 50);
    EXPECT_EQ(layout.pieces.size(), 1u);
    for (int i = 0; i < 50; ++i) {
        ctrl.redo();
    }
    EXPECT_EQ(writeLayoutText(layout, "n"), before);
    drop("24188", 500, 500);
    EXPECT_TRUE(layout.redoStack.empty()) << "a new edit empties the redo stack";
}

TEST_F(Fixture, PasteOfTwoJoinedStraightsGivesJoinedCopiesWithFreshIds) {
    row(3);
    layout.DeselectAll();  // a dropped piece becomes the selection
    layout.pieces.edit(0).selected = layout.pieces.edit(1).selected = true;
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
    EXPECT_TRUE(b.jointAt(1).isOpen()) << "its partner was not copied";
    EXPECT_NEAR((a.x + b.x) / 2, 1000.0, 1e-6);
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.undoStack.size(), 4u);
}

TEST_F(Fixture, GuardsAskOnceBeforeMovingGradesAndLockHelixTrack) {
    row(2);
    layout.pieces.edit(0).grade = 1.5;
    layout.pieces.edit(0).selected = true;
    host.prompts.queueAnswer(kIdNo);
    drag(px(94, 100), px(94, 200));
    EXPECT_NEAR(layout.pieces[0].y, 100.0, 1e-9) << "answered No";
    host.prompts.queueAnswer(kIdYes);
    drag(px(94, 100), px(94, 200));
    drag(px(94, 200), px(94, 300));  // asked once per run only
    EXPECT_NEAR(layout.pieces[0].y, 300.0, 1e-9);
    ASSERT_EQ(host.prompts.records().size(), 2u);
    EXPECT_EQ(host.prompts.records()[0].title, "Move");

    layout.pieces.edit(1).helix = 7;
    layout.pieces.edit(1).selected = true;
    ctrl.deleteCommand();
    EXPECT_EQ(host.prompts.records().back().title, "Helix track is locked");
    EXPECT_EQ(layout.pieces.size(), 2u);
}

}  // namespace
