// The scene rebuilt from a layout: instances and their transforms, one mesh per article, piers,
// helices, shapes by transparency, the baseboard, tunnel mounds and scenery models.
#include "view3d/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "view3d/scene_parts.h"
#include "view3d/track_mesh.h"
#include "view3d_support.h"

TEST(Scene, GradedPieceRaisesItsFarEndByLengthTimesSine) {
    Layout layout;
    layout.pieces.push_back(piece3d("24188", 100, 50, 90, 60, 2.0));
    layout.pieces.push_back(piece3d("24188", 100, 50, 90, 60, 2.0));
    layout.pieces.editBack().rev = true;
    const Scene scene = sceneOf(layout);
    ASSERT_EQ(scene.pieces.size(), 2u);
    const double rise = 188.3 * std::sin(2.0 * M_PI / 180.0);
    const Vec3 nearEnd = transformPoint(pieceMatrix(scene.pieces[0]), {0, 0, 0});
    const Vec3 farEnd = transformPoint(pieceMatrix(scene.pieces[0]), {188.3, 0, 0});
    EXPECT_NEAR(nearEnd.z, 60.0, 1e-4);
    EXPECT_NEAR(farEnd.z, 60.0 + rise, 1e-3);
    // Heading 90 runs along the plan's +y, which is the 3D frame's -y.
    EXPECT_NEAR(farEnd.x, 100.0, 1e-3);
    EXPECT_NEAR(farEnd.y, -(50.0 + 188.3 * std::cos(2.0 * M_PI / 180.0)), 1e-3);
    // The catalog's +y (right of travel) stays on the right of travel on the plan.
    const Vec3 right = transformPoint(pieceMatrix(scene.pieces[0]), {0, 10, 0});
    EXPECT_NEAR(right.x, 90.0, 1e-3);
    EXPECT_NEAR(transformPoint(pieceMatrix(scene.pieces[1]), {188.3, 0, 0}).z, 60.0 - rise, 1e-3)
        << "a reversed piece falls";
}

TEST(Scene, OneCachedMeshPerArticleInUse) {
    Layout layout;
    for (int i = 0; i < 40; ++i) {
        layout.pieces.push_back(piece3d("24188", 200.0 * i, 0));
    }
    for (int i = 0; i < 5; ++i) {
        layout.pieces.push_back(piece3d("24130", 0, 300.0 * i));
    }
    layout.pieces.push_back(piece3d("no-such-article", 0, 0));
    LayoutLevel hidden;
    hidden.id = 2;
    hidden.visible = false;
    layout.levels.push_back(hidden);
    layout.pieces.push_back(piece3d("24612", 0, 0));
    layout.pieces.editBack().level = 2;
    const Scene scene = sceneOf(layout);
    EXPECT_EQ(scene.pieces.size(), 45u) << "unknown article and hidden level left out";
    ASSERT_EQ(scene.trackMeshes.size(), 2u);
    EXPECT_EQ(scene.trackArticles[0], "24188");
    EXPECT_EQ(scene.trackArticles[1], "24130");
    // Every instance sits in exactly one tile of the plan; the pieces span 8 x 2 tiles.
    std::vector<int> seen(scene.pieces.size(), 0);
    for (const TrackTile& tile : scene.tiles) {
        for (size_t i : tile.pieces) {
            ++seen[i];
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 45);
    EXPECT_EQ(scene.tiles.size(), 9u);
}

TEST(Scene, DetailFollowsTheSleepersOnScreen) {
    // 1000 px high at 40 degrees: 13 mm sleepers are 12 px apart at about 1.49 m, 4 px at 4.46 m.
    EXPECT_EQ(trackDetail(1400.0, 13.0, 1000), TrackDetail::Full);
    EXPECT_EQ(trackDetail(1500.0, 13.0, 1000), TrackDetail::Reduced);
    EXPECT_EQ(trackDetail(4400.0, 13.0, 1000), TrackDetail::Reduced);
    EXPECT_EQ(trackDetail(4500.0, 13.0, 1000), TrackDetail::Distant);
    EXPECT_EQ(trackDetail(4500.0, 13.0, 2000), TrackDetail::Reduced) << "a taller view shows more";
}

TEST(Scene, BridgeEndsStandOnPiersDownToTheGround) {
    Layout layout;
    layout.pieces.push_back(piece3d("74636", 0, 0, 0, 74.5));    // arch bridge, 360 mm
    layout.pieces.push_back(piece3d("74636", 360, 0, 0, 74.5));  // joined on, shares a pier
    layout.pieces.push_back(piece3d("74636", 0, 500, 0, 4.0));   // too low for piers
    // A hill under the far end of the second bridge; a nearly invisible shape does not count.
    layout.shapes.push_back(shape3d({{700, -50}, {800, -50}, {800, 50}, {700, 50}}, 255, 30.0));
    layout.shapes.push_back(shape3d({{-50, -50}, {50, -50}, {50, 50}, {-50, 50}}, 1, 50.0));
    const Scene scene = sceneOf(layout);
    ASSERT_EQ(scene.piers.size(), 3u);
    const double underside = 74.5 + kBedBottom;
    EXPECT_NEAR(scene.piers[0].at.x, 0.0, 1e-6);
    EXPECT_DOUBLE_EQ(scene.piers[0].ground, 0.0);
    EXPECT_DOUBLE_EQ(scene.piers[0].top, underside);
    EXPECT_NEAR(scene.piers[1].at.x, 360.0, 1e-6);
    EXPECT_NEAR(scene.piers[2].at.x, 720.0, 1e-6);
    EXPECT_DOUBLE_EQ(scene.piers[2].ground, 30.0) << "stands on the hill";
    Vec3 lo, hi;
    scene.structures.bounds(lo, hi);
    EXPECT_NEAR(lo.z, 0.0, 1e-4);
    EXPECT_NEAR(hi.z, underside, 1e-4);
}

TEST(Scene, ShapesGoToThePassOfTheirTransparency) {
    Layout layout;
    LayoutLevel upper;
    upper.id = 2;
    upper.height = 100.0;
    layout.levels.push_back(upper);
    const std::vector<Vec2> square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    layout.shapes.push_back(shape3d(square, 255, 40.0));
    layout.shapes.back().level = 2;
    Scene scene = sceneOf(layout);
    EXPECT_FALSE(scene.opaqueShapes.empty());
    EXPECT_TRUE(scene.translucentShapes.empty());
    Vec3 lo, hi;
    scene.opaqueShapes.bounds(lo, hi);
    EXPECT_NEAR(lo.z, 100.0, 1e-4) << "sides reach down to the level";
    EXPECT_NEAR(hi.z, 140.0, 1e-4) << "top at level height plus shape height";
    EXPECT_NEAR(hi.y, 0.0, 1e-4) << "y negated";

    layout.shapes.back().a = 128;
    scene = sceneOf(layout);
    EXPECT_TRUE(scene.opaqueShapes.empty());
    ASSERT_FALSE(scene.translucentShapes.empty());
    EXPECT_NEAR(scene.translucentShapes.colours[3], 128.0 / 255.0, 1e-6);

    for (uint8_t alpha : {0, 1}) {
        layout.shapes.back().a = alpha;
        scene = sceneOf(layout);
        EXPECT_TRUE(scene.opaqueShapes.empty() && scene.translucentShapes.empty()) << int(alpha);
    }
}

TEST(Scene, LShapedBaseboardCoversExactlyItsArea) {
    Layout layout;
    layout.baseboard.vertices = {{0, 0},     {2000, 0},   {2000, 600},
                                 {800, 600}, {800, 1400}, {0, 1400}};
    const Scene scene = sceneOf(layout);
    double top = 0.0;
    const Mesh& m = scene.baseboard;
    for (size_t t = 0; t < m.indices.size(); t += 3) {
        const float* a = &m.positions[3 * m.indices[t]];
        const float* b = &m.positions[3 * m.indices[t + 1]];
        const float* c = &m.positions[3 * m.indices[t + 2]];
        if (m.normals[3 * m.indices[t] + 2] > 0.99f) {
            EXPECT_FLOAT_EQ(a[2], -0.5f);
            top += ((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])) / 2.0;
        }
    }
    EXPECT_NEAR(top, 2000.0 * 600 + 800.0 * 800, 1.0) << "counter-clockwise seen from above";
}

TEST(Scene, HelixTurnsClimbStepByStepAndMeet) {
    Layout layout;
    Helix helix;
    helix.cx = 500;
    helix.cy = 400;
    helix.heading = 20;
    layout.helices.push_back(helix);
    const Scene scene = sceneOf(layout);
    // Default variant: 2.5 turns (30 pieces per radius), 260 mm rise.
    ASSERT_EQ(scene.pieces.size(), 60u);
    ASSERT_EQ(scene.trackMeshes.size(), 2u);
    EXPECT_NEAR(scene.pieces[29].z, 260.0, 1e-9);
    const PieceDef& curve = *TrackCatalog::instance().byArticle("24130");
    const ConnectorDef& end = curve.connectors[1];
    for (int k = 1; k < 30; ++k) {
        const Vec3 far = transformPoint(pieceMatrix(scene.pieces[k]), {end.x, end.y, 0});
        const PieceInstance& below = scene.pieces[k - 1];
        // Tilting a piece by its grade shortens its plan length by the cosine (0.2 mm here).
        EXPECT_NEAR(far.x, below.x, 0.3) << k;
        EXPECT_NEAR(far.y, -below.y, 0.3) << k;
        EXPECT_NEAR(far.z, below.z, 0.05) << k;
    }
    Vec3 lo, hi;
    scene.structures.bounds(lo, hi);
    EXPECT_NEAR(hi.z, 260.0, 1e-3) << "posts reach the top";
}

TEST(Scene, TunnelMoundArchesOverTheCoveredTrack) {
    Layout layout;
    layout.pieces.push_back(piece3d("24188", 0, 0));
    layout.pieces.editBack().id = 7;
    Tunnel tunnel;
    tunnel.covers = {7};
    layout.tunnels.push_back(tunnel);
    const Scene scene = sceneOf(layout);
    Vec3 lo, hi;
    scene.terrain.bounds(lo, hi);
    EXPECT_NEAR(hi.z - lo.z, 90.0, 1e-3);
    EXPECT_NEAR(lo.y, -60.0, 1e-3);
    EXPECT_NEAR(hi.y, 60.0, 1e-3);
    EXPECT_NEAR(hi.x - lo.x, 188.3, 1e-3);
    // Foot brown, crest green.
    EXPECT_NEAR(scene.terrain.colours[0], 0.55f, 1e-5);
    EXPECT_NEAR(scene.terrain.colours[3 * 7 + 1], 0.55f, 1e-5);
}

TEST(Scene, EverySceneryItemHasAModelWithinItsFootprint) {
    for (const SceneryDef& def : SceneryCatalog::instance().defs()) {
        const Mesh m = buildSceneryModel(def);
        ASSERT_FALSE(m.empty()) << def.key;
        Vec3 lo, hi;
        m.bounds(lo, hi);
        EXPECT_GE(lo.x, -def.width / 2 - 2.0) << def.key;
        EXPECT_LE(hi.x, def.width / 2 + 2.0) << def.key;
        EXPECT_GE(lo.y, -def.depth / 2 - 2.0) << def.key;
        EXPECT_LE(hi.y, def.depth / 2 + 2.0) << def.key;
        EXPECT_GT(hi.z, 0.0) << def.key;
    }
}
