// The height rule of joins and the grade runs, with the numbers of a 3.5 % climb.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/elevation.h"

namespace {

struct Chain {
    Layout layout;
    uint32_t add(const char* article, double z = 0.0) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = article;
        p.z = z;
        p.joints.resize(2);
        layout.pieces.push_back(p);
        return p.id;
    }
    PlacedPiece& at(uint32_t id) { return *layout.FindPiece(id); }
};

const double kDeg = std::asin(0.035) * 180.0 / M_PI;  // 2.0058 degrees

TEST(HeightRule, ThreePointFivePercentRunClimbsFromEitherEnd) {
    EXPECT_NEAR(kDeg, 2.0058, 1e-4);
    const PieceDef& straight = *TrackCatalog::instance().byArticle("24188");
    EXPECT_DOUBLE_EQ(riseLength(straight), 188.3);

    // Started from connector 1: the first piece stays at 0, its far end at 6.59 mm.
    Chain c;
    const uint32_t first = c.add("24188");
    c.at(first).grade = kDeg;
    startGradeRun(c.layout, kDeg, static_cast<int32_t>(first), 1);
    EXPECT_NEAR(heightAt(c.at(first), straight, 1), 6.59, 0.005);
    const uint32_t next = c.add("24188");
    ASSERT_TRUE(inheritElevation(c.layout, next, first, 1, 0));
    EXPECT_NEAR(c.at(next).z, 6.59, 0.005);
    EXPECT_FALSE(c.at(next).rev);
    ASSERT_EQ(c.layout.gradeRuns.size(), 1u);
    EXPECT_EQ(c.layout.gradeRuns[0].anchor, static_cast<int32_t>(next));
    EXPECT_EQ(c.layout.gradeRuns[0].conn, 1);
    EXPECT_TRUE(c.layout.gradeActive);

    // Joined by its connector 1 the new piece climbs backwards: rev set, z at its far end.
    const uint32_t back = c.add("24188");
    ASSERT_TRUE(inheritElevation(c.layout, back, next, 1, 1));
    EXPECT_TRUE(c.at(back).rev);
    EXPECT_NEAR(c.at(back).z, 2 * 6.59 + 6.59, 0.02);
    EXPECT_NEAR(heightAt(c.at(back), straight, 1), 2 * 6.59, 0.01);
    EXPECT_EQ(c.layout.gradeRuns[0].conn, 0);

    // A flat piece joined at a side that is not the run's end is flat at that height.
    const uint32_t side = c.add("24188");
    ASSERT_TRUE(inheritElevation(c.layout, side, first, 1, 0));
    EXPECT_NEAR(c.at(side).z, 6.59, 0.005);
    EXPECT_DOUBLE_EQ(c.at(side).grade, 0.0);
}

TEST(HeightRule, BridgeEndsTheRunAndMissingPiecesChangeNothing) {
    const PieceDef* bridge = nullptr;
    for (const PieceDef& d : TrackCatalog::instance().pieces()) {
        if (d.isBridge && !d.isRamp && d.connectors.size() >= 2) {
            bridge = &d;
            break;
        }
    }
    ASSERT_NE(bridge, nullptr);
    Chain c;
    const uint32_t first = c.add("24188", 40.0);
    c.at(first).grade = kDeg;
    startGradeRun(c.layout, kDeg, static_cast<int32_t>(first), 1);
    const uint32_t span = c.add(bridge->article.c_str());
    c.at(span).grade = 3.0;
    ASSERT_TRUE(inheritElevation(c.layout, span, first, 1, 0));
    EXPECT_NEAR(c.at(span).z, 40.0 + 6.59, 0.005);
    EXPECT_DOUBLE_EQ(c.at(span).grade, 0.0);
    EXPECT_TRUE(c.layout.gradeRuns.empty());
    EXPECT_FALSE(c.layout.gradeActive);
    EXPECT_FALSE(inheritElevation(c.layout, span, 999, 1, 0));
    startGradeRun(c.layout, 1.0, 5, 0);
    startGradeRun(c.layout, -2.0, 5, 1);  // same anchor: replaced, not added
    ASSERT_EQ(c.layout.gradeRuns.size(), 1u);
    EXPECT_DOUBLE_EQ(c.layout.gradeDeg, -2.0);
    removeGradeRuns(c.layout, 5);
    EXPECT_EQ(c.layout.gradeAnchor, -1);
}

}  // namespace
