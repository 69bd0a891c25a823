// Connector lists of the standard track shapes.
#include "geometry/track_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kTol = 0.01;

void expectConnector(const ConnectorDef& c, double x, double y, double heading, int index,
                     double tol = kTol) {
    EXPECT_NEAR(c.x, x, tol) << "connector " << index;
    EXPECT_NEAR(c.y, y, tol) << "connector " << index;
    EXPECT_NEAR(c.heading, heading, tol) << "connector " << index;
    EXPECT_EQ(c.index, index);
    EXPECT_TRUE(c.open);
}

}  // namespace

TEST(TrackShapes, StraightRunsAlongPlusX) {
    const auto list = straightConnectors(188.3);
    ASSERT_EQ(list.size(), 2u);
    expectConnector(list[0], 0, 0, 180, 0);
    expectConnector(list[1], 188.3, 0, 0, 1);
}

TEST(TrackShapes, PositiveCurveBendsRightTowardsPlusY) {
    const auto list = curveConnectors(360.0, 30.0);
    ASSERT_EQ(list.size(), 2u);
    expectConnector(list[0], 0, 0, 180, 0);
    expectConnector(list[1], 180.0, 48.23, 30.0, 1);
    // The chord is 2 R sin(a/2).
    EXPECT_NEAR(std::hypot(list[1].x, list[1].y),
                2 * 360.0 * std::sin(15.0 * std::numbers::pi / 180.0), 1e-9);
}

TEST(TrackShapes, NegativeCurveBendsLeftAndStillRunsForward) {
    const auto list = curveConnectors(360.0, -30.0);
    ASSERT_EQ(list.size(), 2u);
    expectConnector(list[1], 180.0, -48.23, 330.0, 1);
}

TEST(TrackShapes, CurveArcLengthIsPositive) {
    EXPECT_NEAR(curveArcLength(437.5, 30.0), 229.07, 0.01);
    EXPECT_NEAR(curveArcLength(437.5, -30.0), 229.07, 0.01);
}

TEST(TrackShapes, ShortTurnoutBranchIsCutBackToTheStraightEnd) {
    // L 110, R 490, a 13: R sin a = 110.2 > 110, so the branch ends level with the straight.
    const auto br = turnoutBranch(110.0, 490.0, 13.0);
    EXPECT_DOUBLE_EQ(br.x, 110.0);
    EXPECT_NEAR(br.b, 12.97, 0.01);
    EXPECT_NEAR(br.y, 12.51, 0.01);

    const auto left = turnoutConnectors(110.0, 490.0, 13.0, true);
    ASSERT_EQ(left.size(), 3u);
    expectConnector(left[0], 0, 0, 180, 0);
    expectConnector(left[1], 110, 0, 0, 1);
    expectConnector(left[2], 110.0, -12.51, 347.03, 2);

    const auto right = turnoutConnectors(110.0, 490.0, 13.0, false);
    expectConnector(right[2], 110.0, 12.51, 12.97, 2);
}

TEST(TrackShapes, LongTurnoutKeepsItsNominalAngle) {
    // L 168.9, R 424.6, a 22.5: the branch ends before the straight does.
    const auto list = turnoutConnectors(168.9, 424.6, 22.5, false);
    ASSERT_EQ(list.size(), 3u);
    expectConnector(list[2], 162.49, 32.32, 22.5, 2);
    const auto left = turnoutConnectors(168.9, 424.6, 22.5, true);
    expectConnector(left[2], 162.49, -32.32, 337.5, 2);
}

TEST(TrackShapes, TurnoutBranchAngleNeverExceedsNinetyDegrees) {
    // A straight longer than the radius: asin's argument is clamped to 1.
    const auto br = turnoutBranch(500.0, 100.0, 120.0);
    EXPECT_TRUE(std::isfinite(br.b));
    EXPECT_LE(br.b, 90.0 + 1e-9);
}

TEST(TrackShapes, CrossingTracksMeetAtTheirMidpoints) {
    const auto list = crossingConnectors(112.8, 13.0);
    ASSERT_EQ(list.size(), 4u);
    expectConnector(list[0], 0, 0, 180, 0);
    expectConnector(list[1], 112.8, 0, 0, 1);
    expectConnector(list[2], 1.4455, -12.6872, 193.0, 2);
    expectConnector(list[3], 111.3545, 12.6872, 13.0, 3);
    // The second track is as long as the first and passes through (L/2, 0).
    EXPECT_NEAR(std::hypot(list[3].x - list[2].x, list[3].y - list[2].y), 112.8, 1e-9);
    EXPECT_NEAR((list[2].x + list[3].x) / 2, 56.4, 1e-9);
    EXPECT_NEAR((list[2].y + list[3].y) / 2, 0.0, 1e-9);
}

TEST(TrackShapes, TurntableRingFacesOutward) {
    const auto list = ringConnectors(30, 139.0, 12.0);
    ASSERT_EQ(list.size(), 30u);
    expectConnector(list[0], 139, 0, 0, 0);
    expectConnector(list[15], -139, 0, 180, 15, 1e-9);
    expectConnector(list[29], 139 * std::cos(348 * std::numbers::pi / 180),
                    139 * std::sin(348 * std::numbers::pi / 180), 348, 29);
    EXPECT_TRUE(ringConnectors(0, 139.0, 12.0).empty());
}

TEST(TrackShapes, OffsetCurvedTurnoutMovesTheOuterBranchForward) {
    const auto right = offsetCurvedTurnoutConnectors(25.0, 195.0, 30.0, false);
    ASSERT_EQ(right.size(), 3u);
    expectConnector(right[0], 0, 0, 180, 0);
    expectConnector(right[1], 97.5, 26.13, 30, 1);
    expectConnector(right[2], 122.5, 26.13, 30, 2);

    const auto left = offsetCurvedTurnoutConnectors(25.0, 195.0, 30.0, true);
    expectConnector(left[1], 97.5, -26.13, 330, 1);
    expectConnector(left[2], 122.5, -26.13, 330, 2);
}
