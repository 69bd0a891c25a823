// Pick distances, transforms, sampling and the whole built-in catalog against its connectors.

#include <gtest/gtest.h>

#include "shape_test_support.h"

using namespace shape_test;

TEST(PickDistance, StraightIsDistanceToTheCentreSegment) {
    const PieceDef def = straight(188.3);
    EXPECT_NEAR(pickDistance(def, Vec2{100, 12}), 12.0, kTol);
    EXPECT_NEAR(pickDistance(def, Vec2{100, -25}), 25.0, kTol);
    EXPECT_NEAR(pickDistance(def, Vec2{198.3, 0}), 10.0, kTol) << "beyond the end";
    EXPECT_DOUBLE_EQ(pickReach(def), 25.0);
    // Placed turned by 90 degrees at (500, 300): local +x runs down the screen.
    EXPECT_NEAR(pickDistance(def, Pose{500, 300, 90}, Vec2{510, 400}), 10.0, kTol);
}

TEST(PickDistance, ArcInsideItsSpanIsRadialDistanceOutsideItIsToTheNearerEnd) {
    // Right curve R360 30 degrees, centre (0, 360).
    EXPECT_NEAR(arcDistance(Vec2{0, 0}, 0, 360, 30), 0.0, kTol);
    const double h = 15 * M_PI / 180;
    EXPECT_NEAR(arcDistance(Vec2{380 * std::sin(h), 360 - 380 * std::cos(h)}, 0, 360, 30), 20.0,
                kTol);
    EXPECT_NEAR(arcDistance(Vec2{340 * std::sin(h), 360 - 340 * std::cos(h)}, 0, 360, 30), 20.0,
                kTol);
    // Behind the start: nearer end is the origin.
    EXPECT_NEAR(arcDistance(Vec2{-10, 0}, 0, 360, 30), 10.0, kTol);
    // Past the end along the end tangent: nearer end is (180, 48.23).
    const Vec2 end{360 * std::sin(M_PI / 6), 360 * (1 - std::cos(M_PI / 6))};
    const Vec2 past{end.x + 10 * std::cos(M_PI / 6), end.y + 10 * std::sin(M_PI / 6)};
    EXPECT_NEAR(arcDistance(past, 0, 360, 30), 10.0, kTol);
    // Left curve mirrors across the x axis.
    EXPECT_NEAR(arcDistance(Vec2{end.x, -end.y - 7}, 0, 360, -30), 7.0, 0.05);
    // The centre of the circle is not "on" the arc.
    EXPECT_NEAR(arcDistance(Vec2{0, 360}, 0, 360, 30), 360.0, kTol);
}

TEST(PickDistance, CurveUsesItsArcAndZTrackHasNarrowerReach) {
    const PieceDef def = curve(195, 45, Systems::ZTrack);
    const double mid = 22.5 * M_PI / 180;
    EXPECT_NEAR(pickDistance(def, Vec2{195 * std::sin(mid), 195 * (1 - std::cos(mid))}), 0.0, 1e-9);
    // The chord's midpoint is off the arc by the sagitta.
    const Vec2 chordMid{195 * std::sin(M_PI / 4) / 2, 195 * (1 - std::cos(M_PI / 4)) / 2};
    EXPECT_NEAR(pickDistance(def, chordMid), 195 - dist(chordMid, {0, 195}), kTol);
    EXPECT_DOUBLE_EQ(pickReach(def), 12.0);
}

TEST(PickDistance, TurnoutsArePickedOnEveryDrawnRoute) {
    const PieceDef def = makeDef(PieceKind::OffsetCurvedTurnout, Systems::KTrack, 64.6, 360, 30,
                                 offsetCurvedTurnoutConnectors(64.6, 360, 30, false));
    EXPECT_NEAR(pickDistance(def, Vec2{30, 0}), 0.0, kTol);
    EXPECT_NEAR(pickDistance(def, Vec2{244.6, 48.23}), 0.0, 0.01) << "outer branch end";
    EXPECT_NEAR(pickDistance(def, Vec2{180, 48.23}), 0.0, 0.01) << "inner branch end";
}

TEST(PickDistance, TurntableIsDistanceToItsCentreWithReachHalfLengthPlusTen) {
    const PieceDef def =
        makeDef(PieceKind::Turntable, Systems::KTrack, 386, 193, 7.5, ringConnectors(48, 193, 7.5));
    EXPECT_NEAR(pickDistance(def, Pose{1000, 1000, 45}, Vec2{1000, 1150}), 150.0, kTol);
    EXPECT_DOUBLE_EQ(pickReach(def), 203.0);
}

TEST(Transforms, LocalAndLayoutRoundTrip) {
    const Pose pose{123.4, -56.7, 211.5};
    const Vec2 back = layoutToLocal(pose, localToLayout(pose, Vec2{37.0, -12.5}));
    EXPECT_NEAR(back.x, 37.0, 1e-9);
    EXPECT_NEAR(back.y, -12.5, 1e-9);
}

TEST(Sampling, StepCountsAndRailLines) {
    const PieceDef d30 = makeDef(PieceKind::Curve, 0, 0, 360, 30, {});
    const PieceDef d15 = makeDef(PieceKind::Curve, 0, 0, 360, 15, {});
    const PieceDef ds = makeDef(PieceKind::Straight, 0, 188.3, 0, 0, {});
    const PieceShape& c30 = pieceShape(d30);
    const PieceShape& c15 = pieceShape(d15);
    const PieceShape& s = pieceShape(ds);
    EXPECT_EQ(rubberBandSteps(c30.segments[0]), 6);
    EXPECT_EQ(rubberBandSteps(s.segments[0]), 1);
    EXPECT_EQ(sweepSteps(c30.segments[0]), 12);
    EXPECT_EQ(sweepSteps(c15.segments[0]), 8) << "at least 8 steps";
    std::vector<Vec2> pts;
    appendRoutePoints(c30.segments[0], 6, true, pts);
    ASSERT_EQ(pts.size(), 7u);
    EXPECT_NEAR(dist(pts[3], {0, 360}), 360.0, 1e-9);
    // Rail lines lie at half gauge either side of an arc.
    std::vector<Vec2> right;
    appendOffsetLine(c30.segments.data(), 1, 8.25, right);
    ASSERT_EQ(right.size(), 11u);
    EXPECT_NEAR(dist(right[5], {0, 360}), 360 - 8.25, 1e-9) << "right of travel is inside";
}

TEST(BuiltinCatalogShapes, EveryRouteEndsOnItsPieceConnectors) {
    const TrackCatalog& cat = TrackCatalog::instance();
    ASSERT_GT(cat.count(), 0);
    for (const PieceDef& def : cat.pieces()) {
        SCOPED_TRACE(def.article);
        const PieceShape& s = pieceShape(def);
        if (def.kind == PieceKind::Turntable) {
            EXPECT_TRUE(s.paths.empty());
            continue;
        }
        ASSERT_FALSE(s.paths.empty());
        std::vector<bool> touched(def.connectors.size(), false);
        for (size_t p = 0; p < s.paths.size(); ++p) {
            const RoutePath& path = s.paths[p];
            const RouteSegment* seg = s.pathSegments(static_cast<int>(p));
            for (int i = 1; i < path.segmentCount; ++i) {
                EXPECT_NEAR(dist(seg[i - 1].to, seg[i].from), 0.0, 1e-6) << "path " << p;
                EXPECT_NEAR(headingDifference(seg[i - 1].toHeading, seg[i].fromHeading), 0.0, 1e-6)
                    << "segments of a path meet tangentially";
            }
            if (path.fromConnector >= 0) {
                const ConnectorDef& c = def.connectors[path.fromConnector];
                EXPECT_NEAR(dist(seg[0].from, {c.x, c.y}), 0.0, 1e-6) << "path " << p;
                touched[path.fromConnector] = true;
            }
            if (path.toConnector >= 0) {
                const ConnectorDef& c = def.connectors[path.toConnector];
                const RouteSegment& last = seg[path.segmentCount - 1];
                EXPECT_NEAR(dist(last.to, {c.x, c.y}), 0.0, 1e-6) << "path " << p;
                touched[path.toConnector] = true;
                // The Gauge 1 double slip and crossover give connector 2's heading loosely; a
                // crossing's second track is straight between its end points.
                const bool loose = (def.article == "59093" || def.article == "59094") && p == 3;
                if (!loose && path.role != RouteRole::SecondTrack) {
                    EXPECT_NEAR(headingDifference(last.toHeading, c.heading), 0.0, 0.3)
                        << "path " << p << " arrives along its connector";
                }
            }
            EXPECT_EQ(path.outlineCount % 2, 0);
            EXPECT_GE(path.outlineCount, 4);
        }
        for (size_t i = 0; i < touched.size(); ++i) {
            EXPECT_TRUE(touched[i]) << "connector " << i << " has no route";
        }
        EXPECT_FALSE(s.bounds.empty());
    }
}
