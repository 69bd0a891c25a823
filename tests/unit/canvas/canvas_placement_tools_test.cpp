// Helix and scenery placements: the helix record with its stubs, the scenery item at the mouse
// with its heading and level, the roundhouse beside a turntable pit, Escape and undo.
#include <cmath>

#include <gtest/gtest.h>

#include "canvas/canvas_controller.h"
#include "canvas/track_growth.h"
#include "catalog/helix_catalog.h"
#include "fake_host.h"

namespace {

const Modifiers kNone{};
const Modifiers kShift{true, false, false};

struct PlacementFixture : ::testing::Test {
    Layout layout;
    FakeHost host;
    LayoutEditor editor{layout};
    CanvasController ctrl{editor, watching(host, editor)};

    void SetUp() override {
        layout.EnsureDefaultLevel();
        unitView(ctrl);
    }
    const SceneryItem& place(const std::string& key, double x, double y, int turnsOf15 = 0) {
        startSceneryPlacement(ctrl, key);
        for (int i = 0; i < turnsOf15; ++i) {
            ctrl.keyDown(CanvasKey::R, kNone);
        }
        ctrl.motion(px(x, y), kNone, false);
        ctrl.leftDown(px(x, y), kNone);
        return layout.scenery.back();
    }
};

TEST_F(PlacementFixture, HelixGetsFourStubsInOrderAroundItsCentre) {
    const uint32_t id = placeHelix(ctrl, {500, 500}, "proses_3_5_r2r3");
    ASSERT_EQ(layout.helices.size(), 1u);
    ASSERT_EQ(layout.pieces.size(), 4u);
    const Helix& h = layout.helices[0];
    EXPECT_EQ(h.variant, "proses_3_5_r2r3");
    const double offsets[4] = {-437.5, -515.0, 437.5, 515.0};  // inner/outer bottom, then top
    const int32_t ends[4] = {h.bottomR1, h.bottomR2, h.topR1, h.topR2};
    for (int i = 0; i < 4; ++i) {
        const PlacedPiece& p = layout.pieces[i];
        EXPECT_EQ(p.id, id + 1 + i) << "stub " << i;
        EXPECT_EQ(ends[i], static_cast<int32_t>(p.id)) << "stub " << i;
        EXPECT_TRUE(p.article == "24188" && p.helix == id && p.level == 1) << "stub " << i;
        EXPECT_NEAR(p.x, 500.0, 1e-9);
        EXPECT_NEAR(p.y, 500.0 + offsets[i], 1e-9) << "stub " << i;
        EXPECT_EQ(p.z, i < 2 ? 0.0 : 340.0) << "stub " << i;
    }
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(host.modifiedCalls, 1);
    ctrl.undo();
    EXPECT_TRUE(layout.helices.empty() && layout.pieces.empty());

    placeHelix(ctrl, {0, 0}, "no_such_helix");
    placeHelix(ctrl, {0, 0}, "");
    ASSERT_EQ(layout.helices.size(), 2u);
    EXPECT_EQ(layout.helices[1].variant, "proses_2_5_r1r2");
    EXPECT_NEAR(layout.FindPiece(layout.helices[0].topR1)->y, 360.0, 1e-9) << "default R1";
}

TEST_F(PlacementFixture, HelixPlacementFollowsTheMouseAndEscapePlacesNothing) {
    startHelixPlacement(ctrl, "proses_2_5_r1r2");
    ctrl.keyDown(CanvasKey::Escape, kNone);
    ctrl.leftDown(px(300, 400), kNone);
    EXPECT_TRUE(layout.helices.empty());

    startHelixPlacement(ctrl, "proses_2_5_r1r2");
    ctrl.motion(px(300, 400), kNone, false);
    const CanvasOverlays overlays = ctrl.overlays();
    const auto* ghost = findOverlay<OverlayHelixGhost>(overlays);
    ASSERT_NE(ghost, nullptr);
    ASSERT_NE(ghost->variant, nullptr);
    EXPECT_EQ(ghost->variant->outerRadius, 437.5);
    EXPECT_EQ(ghost->centre.y, 400.0);
    ctrl.leftDown(px(300, 400), kNone);
    ASSERT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.helices[0].cy, 400.0);
    EXPECT_FALSE(helixPlacement(ctrl).active);
}

TEST_F(PlacementFixture, SceneryTurnsWhilePlacedAndGoesOnTheHighestVisibleLevel) {
    for (int id : {2, 3}) {
        layout.levels.emplace_back().id = id;
        layout.levels.back().height = id * 80.0;
    }
    layout.levels.back().visible = false;
    startSceneryPlacement(ctrl, "Platform");  // keys are case-sensitive
    EXPECT_FALSE(sceneryPlacement(ctrl).active);
    startSceneryPlacement(ctrl, "platform");
    ctrl.wheel(px(0, 0), kNone, 1);     // +30
    ctrl.wheel(px(0, 0), kShift, -1);   // -15
    ctrl.rightDown(px(0, 0), kNone);    // +15
    ctrl.keyDown(CanvasKey::R, kNone);  // +15
    ctrl.motion(px(200, 300), kNone, false);
    const CanvasOverlays overlays = ctrl.overlays();
    ASSERT_NE(findOverlay<OverlaySceneryGhost>(overlays), nullptr);
    EXPECT_EQ(findOverlay<OverlaySceneryGhost>(overlays)->pose.heading, 45.0);
    ctrl.leftDown(px(200, 300), kNone);
    ASSERT_EQ(layout.scenery.size(), 1u);
    const SceneryItem& s = layout.scenery[0];
    EXPECT_TRUE(s.item == "platform" && s.x == 200.0 && s.y == 300.0);
    EXPECT_EQ(s.heading, 45.0);
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.scalex, 1.0);
    EXPECT_FALSE(sceneryPlacement(ctrl).active);

    startSceneryPlacement(ctrl, "platform");
    ctrl.keyDown(CanvasKey::Escape, kNone);
    ctrl.leftDown(px(50, 50), kNone);
    EXPECT_EQ(layout.scenery.size(), 1u) << "Escape places nothing";
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST_F(PlacementFixture, RoundhouseSetsItselfAgainstAPitWithin700mm) {
    // A turntable track piece alone does not attract it.
    startPaletteDrag(ctrl, "74861");
    ctrl.motion(px(1000, 1000), kNone, false);
    ctrl.leftDown(px(1000, 1000), kNone);
    ASSERT_EQ(layout.pieces.front().article, "74861");
    EXPECT_EQ(place("72886", 1000, 1600, 3).heading, 45.0);

    const uint32_t pit = place("74861", 3000, 1000).id;
    const size_t steps = layout.undoStack.size();
    const SceneryItem& near = place("72886", 3000, 1600, 3);  // 600 mm away, heading 45
    EXPECT_EQ(near.heading, 48.0);
    const double reach = 349.6 + 343.0 / 2.0, h = 48.0 * M_PI / 180.0;
    EXPECT_NEAR(near.x, 3000.0 - reach * std::sin(h), 1e-9);
    EXPECT_NEAR(near.y, 1000.0 + reach * std::cos(h), 1e-9);
    EXPECT_EQ(layout.undoStack.size(), steps + 1);

    const SceneryItem& far = place("72886", 3000, 1800, 3);  // 800 mm away
    EXPECT_TRUE(far.x == 3000.0 && far.y == 1800.0 && far.heading == 45.0);
    ctrl.undo();
    EXPECT_EQ(layout.scenery.size(), 3u);
    EXPECT_EQ(layout.scenery[1].id, pit);
}

}  // namespace
