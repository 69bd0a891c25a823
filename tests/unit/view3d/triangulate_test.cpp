// Ear clipping of the outlines the baseboard and the shapes are built from.
#include "view3d/triangulate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Sum of the triangles' areas; fails the test when one runs clockwise or lies outside.
double coveredArea(const std::vector<Vec2>& poly) {
    double area = 0.0;
    for (const auto& t : triangulate(poly)) {
        const std::vector<Vec2> tri{poly[t[0]], poly[t[1]], poly[t[2]]};
        const double a = signedArea(tri);
        EXPECT_GT(a, 0.0) << "triangle runs clockwise";
        const Vec2 centroid{(tri[0].x + tri[1].x + tri[2].x) / 3,
                            (tri[0].y + tri[1].y + tri[2].y) / 3};
        EXPECT_TRUE(insidePolygon(poly, centroid)) << centroid.x << ", " << centroid.y;
        area += a;
    }
    return area;
}

}  // namespace

TEST(Triangulate, ConcaveOutlinesAreCoveredExactly) {
    const std::vector<Vec2> l{{0, 0}, {2000, 0}, {2000, 600}, {800, 600}, {800, 1400}, {0, 1400}};
    EXPECT_NEAR(coveredArea(l), 2000 * 600 + 800 * 800, 1e-6);
    const std::vector<Vec2> u{{0, 0},      {3000, 0},  {3000, 1500}, {2200, 1500},
                              {2200, 600}, {800, 600}, {800, 1500},  {0, 1500}};
    EXPECT_NEAR(coveredArea(u), 3000 * 1500 - 1400 * 900, 1e-6);
    // The T runs clockwise on the plan's y-down reading and has a repeated and a collinear point.
    std::vector<Vec2> t{{0, 0},      {0, 500},    {1000, 500}, {1000, 1500}, {1600, 1500},
                        {1600, 500}, {2600, 500}, {2600, 0},   {1300, 0},    {1300, 0}};
    EXPECT_NEAR(coveredArea(t), 2600 * 500 + 600 * 1000, 1e-6);
}

TEST(Triangulate, DegenerateOutlinesGiveNothing) {
    EXPECT_TRUE(triangulate({{0, 0}, {10, 0}}).empty());
    EXPECT_TRUE(triangulate({{0, 0}, {10, 0}, {20, 0}}).empty()) << "all on one line";
}
