// Room for labels on the plan: the article label's size and the overlap check of one paint.
#include "render/label_space.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

TEST(TrackLabels, SizeFollowsTheZoomWithinReadableBounds) {
    EXPECT_EQ(trackLabelPoints(0.2), 6);
    EXPECT_EQ(trackLabelPoints(1.0), 9);
    EXPECT_EQ(trackLabelPoints(1.5), 13);
    EXPECT_EQ(trackLabelPoints(2.0), 14) << "18 pt clamped";
    EXPECT_EQ(trackLabelPoints(20.0), 14);
    EXPECT_EQ(trackLabelPoints(NAN), 6);
}

TEST(LabelSpace, OverlappingLabelsAreRefusedTouchingOnesAreNot) {
    LabelSpace space;
    EXPECT_TRUE(space.claim({100, 100, 40, 12}));
    EXPECT_FALSE(space.claim({130, 108, 40, 12})) << "overlaps the first";
    EXPECT_TRUE(space.claim({140, 100, 40, 12})) << "touches the first on its right edge";
    EXPECT_TRUE(space.claim({100, 112, 40, 12})) << "touches it below";
    EXPECT_FALSE(space.claim({90, 90, 200, 200})) << "covers them";
    EXPECT_EQ(space.size(), 3u);
    // Across cell borders and at negative and far coordinates.
    EXPECT_TRUE(space.claim({-70, -5, 20, 10}));
    EXPECT_FALSE(space.claim({-60, -10, 5, 10}));
    EXPECT_TRUE(space.claim({2147483000, 2147483000, 600, 600}));
    EXPECT_FALSE(space.claim({2147483100, 2147483100, 10, 10}));
    // A rectangle larger than the cells it is filed under is still found.
    EXPECT_TRUE(space.claim({1000, 1000, 900, 900}));
    EXPECT_FALSE(space.claim({1500, 1500, 10, 10}));
    space.clear();
    EXPECT_EQ(space.size(), 0u);
    EXPECT_TRUE(space.claim({130, 108, 40, 12})) << "a new paint starts empty";
}

TEST(LabelSpace, ManyLabelsCostLinearTime) {
    // 200 000 labels on a 40 x 20 px raster, half of them overlapping a neighbour.
    LabelSpace space;
    const auto start = std::chrono::steady_clock::now();
    int taken = 0;
    for (int i = 0; i < 200000; ++i) {
        const int x = (i % 1000) * 20;
        const int y = (i / 1000) * 20;
        taken += space.claim({x, y, 30, 12});
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(taken, 100000) << "every second label of a row overlaps the one before";
    EXPECT_LT(seconds, 2.0);
}
