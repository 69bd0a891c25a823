// Routes, band outlines, bounds and caching of the shared piece shape, on hand-made definitions
// built with the same connector formulas as the catalog.

#include "geometry/piece_shape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/track_shapes.h"

namespace {

constexpr double kTol = 1e-6;

PieceDef makeDef(PieceKind kind, TrackSystem system, double length, double radius, double angle,
                 std::vector<ConnectorDef> connectors) {
    PieceDef def;
    def.article = "test";
    def.kind = kind;
    def.system = system;
    def.length = length;
    def.radius = radius;
    def.angle = angle;
    def.connectors = std::move(connectors);
    return def;
}

PieceDef straight(double L, TrackSystem system = Systems::CTrack) {
    return makeDef(PieceKind::Straight, system, L, 0, 0, straightConnectors(L));
}

PieceDef curve(double R, double a, TrackSystem system = Systems::CTrack) {
    return makeDef(PieceKind::Curve, system, curveArcLength(R, a), R, a, curveConnectors(R, a));
}

ConnectorDef conn(double x, double y, double heading) {
    ConnectorDef c;
    c.x = x;
    c.y = y;
    c.heading = heading;
    return c;
}

double dist(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double headingGap(double a, double b) {
    return headingDifference(a, b);
}

const RouteSegment& lastSegment(const PieceShape& s, int path) {
    return s.segments[s.paths[path].firstSegment + s.paths[path].segmentCount - 1];
}

const RouteSegment& firstSegment(const PieceShape& s, int path) {
    return s.segments[s.paths[path].firstSegment];
}

}  // namespace

TEST(TrackWidths, BandRailAndPickWidthsPerSystem) {
    EXPECT_DOUBLE_EQ(trackHalfWidth(Systems::ZTrack), 6.0);
    EXPECT_DOUBLE_EQ(trackHalfWidth(Systems::Gauge1), 31.5);
    EXPECT_DOUBLE_EQ(trackHalfWidth(Systems::CTrack), 18.7);
    EXPECT_DOUBLE_EQ(trackHalfWidth(Systems::MTrack), 18.7);
    EXPECT_DOUBLE_EQ(railHalfGauge(Systems::ZTrack), 3.25);
    EXPECT_DOUBLE_EQ(railHalfGauge(Systems::Gauge1), 22.5);
    EXPECT_DOUBLE_EQ(railHalfGauge(Systems::KTrack), 8.25);
    EXPECT_DOUBLE_EQ(pickHalfWidth(Systems::ZTrack), 7.0);
    EXPECT_DOUBLE_EQ(pickHalfWidth(Systems::Gauge1), 20.0);
}

TEST(PieceShapeStraight, BandIsTheRectangleFromOriginToLengthAtSystemWidth) {
    const PieceDef def = straight(188.3);
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 1u);
    ASSERT_EQ(s.segments.size(), 1u);
    EXPECT_EQ(s.segments[0].type, RouteType::Straight);
    EXPECT_NEAR(s.segments[0].length, 188.3, kTol);
    ASSERT_EQ(s.paths[0].outlineCount, 4);
    const Vec2* band = s.bandPoints(0);
    EXPECT_NEAR(band[0].x, 0.0, kTol);
    EXPECT_NEAR(band[0].y, -18.7, kTol);
    EXPECT_NEAR(band[1].x, 188.3, kTol);
    EXPECT_NEAR(band[1].y, -18.7, kTol);
    EXPECT_NEAR(band[2].x, 188.3, kTol);
    EXPECT_NEAR(band[2].y, 18.7, kTol);
    EXPECT_NEAR(band[3].x, 0.0, kTol);
    EXPECT_NEAR(band[3].y, 18.7, kTol);
    EXPECT_NEAR(s.bounds.height(), 37.4, kTol);
    EXPECT_NEAR(s.midpoint.x, 94.15, kTol);

    PieceShape z;
    buildPieceShape(straight(110, Systems::ZTrack), z);
    EXPECT_NEAR(z.bounds.height(), 12.0, kTol) << "Z-Track band is 6 mm either side";
    PieceShape g;
    buildPieceShape(straight(150, Systems::Gauge1), g);
    EXPECT_NEAR(g.bounds.height(), 63.0, kTol) << "Gauge 1 band is 31.5 mm either side";
}

TEST(PieceShapeCurve, RightCurveTurnsAboutPositiveYCentre) {
    const PieceDef def = curve(360, 30);
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.segments.size(), 1u);
    const RouteSegment& arc = s.segments[0];
    EXPECT_EQ(arc.type, RouteType::Arc);
    EXPECT_NEAR(arc.centre.x, 0.0, kTol);
    EXPECT_NEAR(arc.centre.y, 360.0, kTol);
    EXPECT_NEAR(arc.radius, 360.0, kTol);
    EXPECT_NEAR(arc.sweep, 30.0, kTol);
    EXPECT_NEAR(arc.to.x, 180.0, kTol);
    EXPECT_NEAR(arc.to.y, 48.2308, 1e-3);
    EXPECT_NEAR(arc.toHeading, 30.0, kTol);
    EXPECT_NEAR(arc.length, def.length, kTol);
    // Arc middle, where labels go.
    EXPECT_NEAR(s.midpoint.x, 360 * std::sin(15 * M_PI / 180), kTol);
    EXPECT_NEAR(s.midpoint.y, 360 * (1 - std::cos(15 * M_PI / 180)), kTol);
}

TEST(PieceShapeCurve, LeftCurveTurnsAboutNegativeYCentreAndMirrorsMidpoint) {
    const PieceDef def = curve(437.5, -24.3);
    const PieceShape& s = pieceShape(def);
    const RouteSegment& arc = s.segments[0];
    EXPECT_NEAR(arc.centre.y, -437.5, kTol);
    EXPECT_NEAR(arc.sweep, -24.3, kTol);
    EXPECT_NEAR(dist(arc.to, {def.connectors[1].x, def.connectors[1].y}), 0.0, kTol);
    EXPECT_NEAR(headingGap(arc.toHeading, def.connectors[1].heading), 0.0, kTol);
    EXPECT_GT(s.midpoint.x, 0.0) << "a left curve's middle lies ahead of its origin";
    EXPECT_LT(s.midpoint.y, 0.0);
}

TEST(PieceShapeCurve, BandEdgesLieAtRadiusPlusAndMinusHalfWidthWithElevenPointsEach) {
    const PieceDef def = curve(360, 30);
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths[0].outlineCount, 22);
    const Vec2* band = s.bandPoints(0);
    const Vec2 centre{0, 360};
    for (int i = 0; i < 11; ++i) {
        // The curve bends right, so the left edge is the outer one.
        EXPECT_NEAR(dist(band[i], centre), 360 + 18.7, kTol) << "left edge point " << i;
        EXPECT_NEAR(dist(band[11 + i], centre), 360 - 18.7, kTol) << "right edge point " << i;
    }
    // The polygon starts left of the origin and closes right of it.
    EXPECT_NEAR(band[0].y, -18.7, kTol);
    EXPECT_NEAR(band[21].y, 18.7, kTol);
}

TEST(PieceShapeTurnout, RightTurnoutHasStraightRouteAndBranchArcEndingOnConnector) {
    const PieceDef def = makeDef(PieceKind::RightTurnout, Systems::KTrack, 168.9, 424.6, 22.5,
                                 turnoutConnectors(168.9, 424.6, 22.5, false));
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    EXPECT_EQ(s.paths[0].role, RouteRole::Main);
    EXPECT_EQ(s.paths[1].role, RouteRole::Branch);
    EXPECT_EQ(firstSegment(s, 0).type, RouteType::Straight);
    EXPECT_NEAR(lastSegment(s, 0).to.x, 168.9, kTol);
    const RouteSegment& branch = lastSegment(s, 1);
    ASSERT_EQ(s.paths[1].segmentCount, 1);
    EXPECT_EQ(branch.type, RouteType::Arc);
    EXPECT_NEAR(branch.radius, 424.6, 1e-6);
    EXPECT_NEAR(branch.centre.y, 424.6, 1e-6);
    EXPECT_NEAR(branch.to.x, 162.49, 0.01);
    EXPECT_NEAR(branch.to.y, 32.32, 0.01);
    EXPECT_NEAR(branch.toHeading, 22.5, 1e-6);
}

TEST(PieceShapeTurnout, CutBackBranchKeepsItsRadiusAndEndsLevelWithTheStraight) {
    // Z-Track 110 mm turnout: the 13 degree branch on R490 is cut back to x = 110.
    const PieceDef def = makeDef(PieceKind::LeftTurnout, Systems::ZTrack, 110, 490, -13,
                                 turnoutConnectors(110, 490, 13, true));
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    const RouteSegment& branch = lastSegment(s, 1);
    EXPECT_NEAR(branch.radius, 490.0, 1e-6);
    EXPECT_NEAR(branch.centre.y, -490.0, 1e-6);
    EXPECT_NEAR(branch.to.x, 110.0, kTol);
    EXPECT_NEAR(branch.to.y, def.connectors[2].y, kTol);
    EXPECT_NEAR(branch.to.y, -12.5, 0.01);
    EXPECT_NEAR(branch.sweep, -12.97, 0.01);
}

TEST(PieceShapeTurnout, ThreeWayTurnoutDrawsBothBranches) {
    const PieceDef def = makeDef(PieceKind::LeftTurnout, Systems::CTrack, 188.3, 437.5, 24.3,
                                 {conn(0, 0, 180), conn(188.3, 0, 0), conn(180.04, 38.76, 24.3),
                                  conn(180.04, -38.76, 335.7)});
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 3u);
    EXPECT_EQ(s.paths[1].toConnector, 2);
    EXPECT_EQ(s.paths[2].toConnector, 3);
    EXPECT_GT(lastSegment(s, 1).sweep, 0.0) << "branch to connector 2 bends right";
    EXPECT_LT(lastSegment(s, 2).sweep, 0.0) << "branch to connector 3 bends left";
    EXPECT_NEAR(lastSegment(s, 1).radius, 437.5, 0.5);
    EXPECT_NEAR(lastSegment(s, 2).radius, 437.5, 0.5);
}

TEST(PieceShapeCurvedTurnout, OuterRouteIsTheInnerCurveMovedAlongAStraightLead) {
    // C-Track 24671: inner branch R360 to (180, -48.2), outer branch 77.5 mm further on.
    const PieceDef def = makeDef(PieceKind::CurvedTurnout, Systems::CTrack, 257.5, 360, -30,
                                 {conn(0, 0, 180), conn(180, -48.2, 330), conn(257.5, -48.2, 330)});
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    ASSERT_EQ(s.paths[0].segmentCount, 1);
    EXPECT_EQ(firstSegment(s, 0).type, RouteType::Arc);
    EXPECT_NEAR(firstSegment(s, 0).radius, 360.0, 0.5);
    ASSERT_EQ(s.paths[1].segmentCount, 2);
    const RouteSegment& lead = firstSegment(s, 1);
    const RouteSegment& arc = lastSegment(s, 1);
    EXPECT_EQ(lead.type, RouteType::Straight);
    EXPECT_NEAR(lead.length, 77.5, 0.2);
    EXPECT_EQ(arc.type, RouteType::Arc);
    EXPECT_NEAR(arc.radius, 360.0, 0.5);
    EXPECT_NEAR(arc.centre.x, lead.to.x, kTol);
    EXPECT_NEAR(arc.sweep, -30.0, kTol);
    EXPECT_NEAR(dist(arc.to, {257.5, -48.2}), 0.0, kTol);
}

TEST(PieceShapeCurvedTurnout, OffsetTurnoutLeadEqualsItsLength) {
    const PieceDef def = makeDef(PieceKind::OffsetCurvedTurnout, Systems::KTrack, 64.6, 360, 30,
                                 offsetCurvedTurnoutConnectors(64.6, 360, 30, false));
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    ASSERT_EQ(s.paths[1].segmentCount, 2);
    EXPECT_NEAR(firstSegment(s, 1).length, 64.6, 1e-6);
    EXPECT_NEAR(lastSegment(s, 1).radius, 360.0, 1e-6);
    EXPECT_NEAR(lastSegment(s, 1).centre.y, 360.0, 1e-6);
}

TEST(PieceShapeCurvedTurnout, GaugeOneBranchesAreTwoArcsFromTheOrigin) {
    // 59085: the outer branch ends on R1394 from the origin, not on the moved inner curve.
    const PieceDef def =
        makeDef(PieceKind::OffsetCurvedTurnout, Systems::Gauge1, 59.5, 1550, -22.5,
                {conn(0, 0, 180), conn(593.2, -118, 337.5), conn(533.5, -106.1, 337.5)});
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    ASSERT_EQ(s.paths[0].segmentCount, 1);
    ASSERT_EQ(s.paths[1].segmentCount, 1);
    EXPECT_NEAR(firstSegment(s, 0).radius, 1550.0, 2.0);
    EXPECT_NEAR(firstSegment(s, 1).radius, 1394.0, 2.0);
    EXPECT_NEAR(dist(lastSegment(s, 1).to, {533.5, -106.1}), 0.0, kTol);
}

TEST(PieceShapeCrossing, SecondTrackRunsStraightBetweenItsConnectors) {
    const PieceDef def = makeDef(PieceKind::Crossing, Systems::CTrack, 188.3, 0, 24.3,
                                 crossingConnectors(188.3, 24.3));
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 2u);
    EXPECT_EQ(s.paths[1].role, RouteRole::SecondTrack);
    const RouteSegment& second = firstSegment(s, 1);
    EXPECT_EQ(second.type, RouteType::Straight);
    EXPECT_NEAR(second.length, 188.3, 1e-6);
    EXPECT_NEAR(second.fromHeading, 24.3, 1e-6);
    EXPECT_NEAR(second.pointAt(0.5).x, 94.15, 1e-6) << "tracks cross at their midpoints";
    EXPECT_NEAR(second.pointAt(0.5).y, 0.0, 1e-6);
}

TEST(PieceShapeDoubleSlip, SlipRoutesJoinOppositeEndsOfTheTwoTracks) {
    const PieceDef def = makeDef(
        PieceKind::DoubleSlip, Systems::CTrack, 188.3, 437.4, 24.3,
        {conn(0, 0, 180), conn(188.3, 0, 0), conn(8.34, -38.74, 204.3), conn(179.96, 38.74, 24.3)});
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 4u);
    EXPECT_EQ(s.paths[2].role, RouteRole::Slip);
    EXPECT_EQ(s.paths[2].fromConnector, 0);
    EXPECT_EQ(s.paths[2].toConnector, 3);
    EXPECT_EQ(s.paths[3].fromConnector, 2);
    EXPECT_EQ(s.paths[3].toConnector, 1);
    EXPECT_NEAR(lastSegment(s, 2).radius, 437.4, 1.0);
    EXPECT_NEAR(lastSegment(s, 2).sweep, 24.3, 0.3);
    EXPECT_NEAR(lastSegment(s, 3).sweep, -24.3, 0.3);
}

TEST(PieceShapeDoubleSlip, DoubleCrossoverFormsAnXOfGentleCurves) {
    // Gauge 1 59094: both diagonal ends at y = +106.1; the far slip must not become a
    // 67 degree hook just because connector 2's heading is given loosely.
    const PieceDef def = makeDef(
        PieceKind::DoubleSlip, Systems::Gauge1, 533.5, 1394, 22.5,
        {conn(0, 0, 180), conn(533.5, 0, 0), conn(0, 106.1, 202.5), conn(533.5, 106.1, 22.5)});
    const PieceShape& s = pieceShape(def);
    ASSERT_EQ(s.paths.size(), 4u);
    for (int p = 2; p < 4; ++p) {
        double turn = 0;
        for (int i = 0; i < s.paths[p].segmentCount; ++i) {
            turn += std::fabs(s.segments[s.paths[p].firstSegment + i].sweep);
        }
        EXPECT_NEAR(turn, 22.5, 0.5) << "slip " << p;
    }
    EXPECT_NEAR(dist(firstSegment(s, 3).from, {0, 106.1}), 0.0, kTol);
    EXPECT_NEAR(dist(lastSegment(s, 3).to, {533.5, 0}), 0.0, kTol);
}

TEST(PieceShapeTurntable, PitDeckAndBridgeWithoutRoutes) {
    const PieceDef def =
        makeDef(PieceKind::Turntable, Systems::CTrack, 378, 139, 12, ringConnectors(30, 139, 12));
    const PieceShape& s = pieceShape(def);
    EXPECT_TRUE(s.turntable);
    EXPECT_TRUE(s.paths.empty());
    EXPECT_TRUE(s.outline.empty());
    EXPECT_DOUBLE_EQ(s.pitRadius, 189.0);
    EXPECT_DOUBLE_EQ(s.deckRadius, 139.0);
    EXPECT_DOUBLE_EQ(s.bridgeFrom.x, -139.0);
    EXPECT_DOUBLE_EQ(s.bridgeTo.x, 139.0);
    EXPECT_DOUBLE_EQ(s.bounds.minX, -189.0);
    EXPECT_DOUBLE_EQ(s.bounds.maxY, 189.0);
    const Bounds turned = layoutBounds(s, Pose{100, 50, 37});
    EXPECT_NEAR(turned.minX, -89.0, kTol) << "a disc's box does not grow when turned";
    EXPECT_NEAR(turned.maxY, 239.0, kTol);
}

TEST(PieceShapeBufferStop, StopBarAcrossTheFarEndWidensNarrowBands) {
    PieceDef def = makeDef(PieceKind::BufferStop, Systems::ZTrack, 15, 0, 0, {conn(0, 0, 180)});
    const PieceShape& s = pieceShape(def);
    ASSERT_TRUE(s.hasStopBar);
    EXPECT_DOUBLE_EQ(s.stopBarFrom.x, 15.0);
    EXPECT_DOUBLE_EQ(s.stopBarFrom.y, -8.0);
    EXPECT_DOUBLE_EQ(s.stopBarTo.y, 8.0);
    EXPECT_DOUBLE_EQ(s.bounds.minY, -8.0) << "the 8 mm bar sticks out of a 6 mm Z band";
    ASSERT_EQ(s.paths.size(), 1u);
    EXPECT_EQ(s.paths[0].fromConnector, 0);
    EXPECT_EQ(s.paths[0].toConnector, -1);
}

TEST(PieceShapeCache, SameDefinitionGivesSameShapeAndChangedGeometryRebuilds) {
    PieceDef def = straight(100);
    const PieceShape* first = &pieceShape(def);
    EXPECT_EQ(first, &pieceShape(def));
    EXPECT_NEAR(first->segments[0].length, 100.0, kTol);
    def.length = 250;
    def.connectors = straightConnectors(250);
    EXPECT_NEAR(pieceShape(def).segments[0].length, 250.0, kTol)
        << "a definition changed at the same address must not get the old shape";
    def.system = Systems::ZTrack;
    EXPECT_NEAR(pieceShape(def).halfWidth, 6.0, kTol);
}

TEST(PieceShapeBuild, RebuildIntoTheSameBufferForgetsThePreviousPiece) {
    PieceShape s;
    buildPieceShape(makeDef(PieceKind::DoubleSlip, Systems::CTrack, 188.3, 437.4, 24.3,
                            {conn(0, 0, 180), conn(188.3, 0, 0), conn(8.34, -38.74, 204.3),
                             conn(179.96, 38.74, 24.3)}),
                    s);
    ASSERT_EQ(s.paths.size(), 4u);
    buildPieceShape(straight(50), 18.7, s);
    EXPECT_EQ(s.paths.size(), 1u);
    EXPECT_EQ(s.segments.size(), 1u);
    EXPECT_EQ(s.outline.size(), 4u);
    EXPECT_NEAR(s.bounds.maxX, 50.0, kTol);
}
