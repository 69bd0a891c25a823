// Routes, band outlines, bounds and caching of the shared piece shape, on hand-made definitions
// built with the same connector formulas as the catalog. That every route ends on its connectors
// is swept over the whole catalog in route_geometry_test.cpp; here are the route forms.

#include "catalog/piece_shape.h"

#include <gtest/gtest.h>

#include "shape_test_support.h"

using namespace shape_test;

TEST(PieceShapeStraight, BandIsTheRectangleFromOriginToLengthAtSystemWidth) {
    const PieceShape& s = pieceShape(straight(188.3));
    ASSERT_EQ(s.paths.size(), 1u);
    ASSERT_EQ(s.segments.size(), 1u);
    EXPECT_EQ(s.segments[0].type, RouteType::Straight);
    EXPECT_NEAR(s.segments[0].length, 188.3, kTol);
    ASSERT_EQ(s.paths[0].outlineCount, 4);
    const Vec2 corners[] = {{0, -18.7}, {188.3, -18.7}, {188.3, 18.7}, {0, 18.7}};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(dist(s.bandPoints(0)[i], corners[i]), 0.0, kTol) << "corner " << i;
    EXPECT_NEAR(s.midpoint.x, 94.15, kTol);
    // Band half widths: Z 6, C 18.7, Gauge 1 31.5; rails at half gauge.
    EXPECT_NEAR(pieceShape(straight(110, Systems::ZTrack)).bounds.height(), 12.0, kTol);
    EXPECT_NEAR(pieceShape(straight(110, Systems::Gauge1)).bounds.height(), 63.0, kTol);
    EXPECT_DOUBLE_EQ(railHalfGauge(Systems::KTrack), 8.25);
}

TEST(PieceShapeCurve, CurvesTurnAboutTheirCentreWithElevenPointBandEdges) {
    const PieceDef def = curve(360, 30);
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.segments.size(), 1u);
    const RouteSegment& arc = s.segments[0];
    EXPECT_EQ(arc.type, RouteType::Arc);
    EXPECT_NEAR(dist(arc.centre, {0, 360}), 0.0, kTol);
    EXPECT_NEAR(arc.radius, 360.0, kTol);
    EXPECT_NEAR(arc.sweep, 30.0, kTol);
    EXPECT_NEAR(arc.length, def.length, kTol);
    ASSERT_EQ(s.paths[0].outlineCount, 22);
    const Vec2* band = s.bandPoints(0);
    for (int i = 0; i < 11; ++i) {
        // The curve bends right, so the left edge is the outer one.
        EXPECT_NEAR(dist(band[i], arc.centre), 360 + 18.7, kTol) << "left edge point " << i;
        EXPECT_NEAR(dist(band[11 + i], arc.centre), 360 - 18.7, kTol) << "right edge point " << i;
    }
    EXPECT_NEAR(band[0].y, -18.7, kTol) << "the polygon starts left of the origin";

    const PieceShape& left = pieceShape(curve(437.5, -24.3));
    EXPECT_NEAR(left.segments[0].centre.y, -437.5, kTol);
    EXPECT_NEAR(left.segments[0].sweep, -24.3, kTol);
}

TEST(PieceShapeTurnout, BranchesAreArcsOfTheirRadiusAndCutBackOnesEndLevel) {
    const PieceShape& k = pieceShape(makeDef(PieceKind::RightTurnout, Systems::KTrack, 168.9, 424.6,
                                             22.5, turnoutConnectors(168.9, 424.6, 22.5, false)));
    ASSERT_EQ(k.paths.size(), 2u);
    EXPECT_EQ(k.paths[0].role, RouteRole::Main);
    EXPECT_EQ(k.paths[1].role, RouteRole::Branch);
    ASSERT_EQ(k.paths[1].segmentCount, 1);
    EXPECT_NEAR(lastSegment(k, 1).centre.y, 424.6, kTol);

    // Z-Track 110 mm turnout: the 13 degree branch on R490 is cut back to x = 110.
    const PieceShape& z = pieceShape(makeDef(PieceKind::LeftTurnout, Systems::ZTrack, 110, 490, -13,
                                             turnoutConnectors(110, 490, 13, true)));
    const RouteSegment& branch = lastSegment(z, 1);
    EXPECT_NEAR(branch.centre.y, -490.0, kTol);
    EXPECT_NEAR(dist(branch.to, {110.0, -12.5}), 0.0, 0.01);
    EXPECT_NEAR(branch.sweep, -12.97, 0.01);

    // A three-way turnout draws both branches.
    const PieceShape& three =
        pieceShape(makeDef(PieceKind::LeftTurnout, Systems::CTrack, 188.3, 437.5, 24.3,
                           {conn(0, 0, 180), conn(188.3, 0, 0), conn(180.04, 38.76, 24.3),
                            conn(180.04, -38.76, 335.7)}));
    ASSERT_EQ(three.paths.size(), 3u);
    EXPECT_EQ(three.paths[2].toConnector, 3);
    EXPECT_GT(lastSegment(three, 1).sweep, 0.0) << "branch to connector 2 bends right";
    EXPECT_LT(lastSegment(three, 2).sweep, 0.0) << "branch to connector 3 bends left";
    EXPECT_NEAR(lastSegment(three, 2).radius, 437.5, 0.5);
}

TEST(PieceShapeCurvedTurnout, OuterRouteIsTheInnerCurveMovedAlongAStraightLead) {
    // C-Track 24671: inner branch R360 to (180, -48.2), outer branch 77.5 mm further on.
    const PieceShape& s =
        pieceShape(makeDef(PieceKind::CurvedTurnout, Systems::CTrack, 257.5, 360, -30,
                           {conn(0, 0, 180), conn(180, -48.2, 330), conn(257.5, -48.2, 330)}));
    ASSERT_EQ(s.paths.size(), 2u);
    ASSERT_EQ(s.paths[1].segmentCount, 2);
    const RouteSegment& lead = firstSegment(s, 1);
    EXPECT_EQ(lead.type, RouteType::Straight);
    EXPECT_NEAR(lead.length, 77.5, 0.2);
    EXPECT_NEAR(lastSegment(s, 1).radius, 360.0, 0.5);
    EXPECT_NEAR(lastSegment(s, 1).centre.x, lead.to.x, kTol);

    // 59085: the outer branch ends on R1394 from the origin, not on the moved inner curve.
    const PieceShape& g = pieceShape(
        makeDef(PieceKind::OffsetCurvedTurnout, Systems::Gauge1, 59.5, 1550, -22.5,
                {conn(0, 0, 180), conn(593.2, -118, 337.5), conn(533.5, -106.1, 337.5)}));
    EXPECT_NEAR(firstSegment(g, 1).radius, 1394.0, 2.0);
}

TEST(PieceShapeCrossing, SecondTrackAndSlipRoutes) {
    const PieceShape& x = pieceShape(makeDef(PieceKind::Crossing, Systems::CTrack, 188.3, 0, 24.3,
                                             crossingConnectors(188.3, 24.3)));
    ASSERT_EQ(x.paths.size(), 2u);
    EXPECT_EQ(x.paths[1].role, RouteRole::SecondTrack);
    EXPECT_NEAR(dist(firstSegment(x, 1).pointAt(0.5), {94.15, 0}), 0.0, kTol)
        << "tracks cross mid-way";

    // Slip routes join opposite ends of the two tracks.
    const PieceShape& slip =
        pieceShape(makeDef(PieceKind::DoubleSlip, Systems::CTrack, 188.3, 437.4, 24.3,
                           {conn(0, 0, 180), conn(188.3, 0, 0), conn(8.34, -38.74, 204.3),
                            conn(179.96, 38.74, 24.3)}));
    ASSERT_EQ(slip.paths.size(), 4u);
    EXPECT_EQ(slip.paths[2].fromConnector, 0);
    EXPECT_EQ(slip.paths[2].toConnector, 3);
    EXPECT_EQ(slip.paths[3].fromConnector, 2);
    EXPECT_NEAR(lastSegment(slip, 3).sweep, -24.3, 0.3);

    // Gauge 1 59094: both diagonal ends at y = +106.1; the far slip must not become a
    // 67 degree hook just because connector 2's heading is given loosely.
    const PieceShape& g = pieceShape(makeDef(
        PieceKind::DoubleSlip, Systems::Gauge1, 533.5, 1394, 22.5,
        {conn(0, 0, 180), conn(533.5, 0, 0), conn(0, 106.1, 202.5), conn(533.5, 106.1, 22.5)}));
    ASSERT_EQ(g.paths.size(), 4u);
    for (int p = 2; p < 4; ++p) {
        double turn = 0;
        for (int i = 0; i < g.paths[p].segmentCount; ++i)
            turn += std::fabs(g.segments[g.paths[p].firstSegment + i].sweep);
        EXPECT_NEAR(turn, 22.5, 0.5) << "slip " << p;
    }
}

TEST(PieceShapeSpecial, TurntableDiscAndBufferStopBar) {
    const PieceShape& t = pieceShape(
        makeDef(PieceKind::Turntable, Systems::CTrack, 378, 139, 12, ringConnectors(30, 139, 12)));
    EXPECT_TRUE(t.turntable);
    EXPECT_TRUE(t.paths.empty());
    EXPECT_DOUBLE_EQ(t.pitRadius, 189.0);
    EXPECT_DOUBLE_EQ(t.bridgeTo.x, 139.0);
    const Bounds turned = layoutBounds(t, Pose{100, 50, 37});
    EXPECT_NEAR(turned.minX, -89.0, kTol) << "a disc's box does not grow when turned";
    EXPECT_NEAR(turned.maxY, 239.0, kTol);

    const PieceShape& b =
        pieceShape(makeDef(PieceKind::BufferStop, Systems::ZTrack, 15, 0, 0, {conn(0, 0, 180)}));
    ASSERT_TRUE(b.hasStopBar);
    EXPECT_NEAR(dist(b.stopBarFrom, {15, -8}), 0.0, kTol);
    EXPECT_DOUBLE_EQ(b.bounds.minY, -8.0) << "the 8 mm bar sticks out of a 6 mm Z band";
    ASSERT_EQ(b.paths.size(), 1u);
    EXPECT_EQ(b.paths[0].toConnector, -1);
}

TEST(PieceShapeCache, ChangedGeometryRebuildsAndABufferForgetsThePreviousPiece) {
    PieceDef def = straight(100);
    const PieceShape* first = &pieceShape(def);
    EXPECT_EQ(first, &pieceShape(def));
    def.length = 250;
    def.connectors = straightConnectors(250);
    EXPECT_NEAR(pieceShape(def).segments[0].length, 250.0, kTol)
        << "a definition changed at the same address must not get the old shape";

    PieceShape s;
    buildPieceShape(makeDef(PieceKind::Crossing, Systems::CTrack, 188.3, 0, 24.3,
                            crossingConnectors(188.3, 24.3)),
                    s);
    buildPieceShape(straight(50), 18.7, s);
    EXPECT_EQ(s.paths.size(), 1u);
    EXPECT_EQ(s.outline.size(), 4u);
    EXPECT_NEAR(s.bounds.maxX, 50.0, kTol);
}
