// Connector lists of the standard track shapes.
#include "geometry/track_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

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

TEST(TrackShapes, ConnectorListsOfEachShape) {
    struct Case {
        const char* what;
        std::vector<ConnectorDef> list;
        std::vector<std::vector<double>> want;  // x, y, heading per connector
    };
    const double a348 = 348 * std::numbers::pi / 180;
    const std::vector<Case> cases = {
        {"straight", straightConnectors(188.3), {{0, 0, 180}, {188.3, 0, 0}}},
        // Positive curves bend right towards +y; negative ones left, still running forward.
        {"right curve", curveConnectors(360.0, 30.0), {{0, 0, 180}, {180.0, 48.23, 30.0}}},
        {"left curve", curveConnectors(360.0, -30.0), {{0, 0, 180}, {180.0, -48.23, 330.0}}},
        // L 110, R 490, a 13: R sin a = 110.2 > 110, so the branch ends level with the straight.
        {"cut-back left turnout",
         turnoutConnectors(110.0, 490.0, 13.0, true),
         {{0, 0, 180}, {110, 0, 0}, {110.0, -12.51, 347.03}}},
        // L 168.9, R 424.6, a 22.5: the branch ends before the straight does.
        {"long right turnout",
         turnoutConnectors(168.9, 424.6, 22.5, false),
         {{0, 0, 180}, {168.9, 0, 0}, {162.49, 32.32, 22.5}}},
        {"crossing",
         crossingConnectors(112.8, 13.0),
         {{0, 0, 180}, {112.8, 0, 0}, {1.4455, -12.6872, 193.0}, {111.3545, 12.6872, 13.0}}},
        {"right offset curved turnout",
         offsetCurvedTurnoutConnectors(25.0, 195.0, 30.0, false),
         {{0, 0, 180}, {97.5, 26.13, 30}, {122.5, 26.13, 30}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.list.size(), c.want.size());
        for (size_t i = 0; i < c.want.size(); ++i)
            expectConnector(c.list[i], c.want[i][0], c.want[i][1], c.want[i][2],
                            static_cast<int>(i));
    }
    // The turntable ring faces outward.
    const auto ring = ringConnectors(30, 139.0, 12.0);
    ASSERT_EQ(ring.size(), 30u);
    expectConnector(ring[0], 139, 0, 0, 0);
    expectConnector(ring[15], -139, 0, 180, 15, 1e-9);
    expectConnector(ring[29], 139 * std::cos(a348), 139 * std::sin(a348), 348, 29);
    EXPECT_TRUE(ringConnectors(0, 139.0, 12.0).empty());
}

TEST(TrackShapes, ArcLengthsAndTurnoutBranches) {
    EXPECT_NEAR(curveArcLength(437.5, 30.0), 229.07, 0.01);
    EXPECT_NEAR(curveArcLength(437.5, -30.0), 229.07, 0.01);
    // A straight longer than the radius: asin's argument is clamped to 1.
    const auto steep = turnoutBranch(500.0, 100.0, 120.0);
    EXPECT_TRUE(std::isfinite(steep.b));
    EXPECT_LE(steep.b, 90.0 + 1e-9);
}
