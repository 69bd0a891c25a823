// The height rule of joins and the grade runs, with the numbers of a 3.5 % climb.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/elevation.h"

namespace {

const double kDeg = std::asin(0.035) * 180.0 / M_PI;  // 2.0058 degrees
const double kRise = 6.59;                            // mm over one 188.3 mm straight

uint32_t add(Layout& layout, const std::string& article, double z = 0.0) {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    p.z = z;
    p.joints.resize(2);
    layout.pieces.push_back(p);
    return p.id;
}

TEST(HeightRule, RunClimbsForwardOrBackwardAndSideTrackStaysFlat) {
    const PieceDef& straight = *TrackCatalog::instance().byArticle("24188");
    Layout l;
    const uint32_t first = add(l, "24188");
    l.EditPiece(first)->grade = kDeg;
    startGradeRun(l, kDeg, static_cast<int32_t>(first), 1);
    EXPECT_NEAR(heightAt(*l.FindPiece(first), straight, 1), kRise, 0.005);

    const uint32_t next = add(l, "24188");
    ASSERT_TRUE(inheritElevation(l, next, first, 1, 0));
    EXPECT_NEAR(l.FindPiece(next)->z, kRise, 0.005);
    EXPECT_FALSE(l.FindPiece(next)->rev);
    ASSERT_EQ(l.gradeRuns.size(), 1u);
    EXPECT_EQ(l.gradeRuns[0].anchor, static_cast<int32_t>(next));
    EXPECT_EQ(l.gradeRuns[0].conn, 1);

    // Joined by its connector 1 the piece climbs backwards: rev set, z at its far end.
    const uint32_t back = add(l, "24188");
    ASSERT_TRUE(inheritElevation(l, back, next, 1, 1));
    EXPECT_TRUE(l.FindPiece(back)->rev);
    EXPECT_NEAR(l.FindPiece(back)->z, 3 * kRise, 0.02);
    EXPECT_EQ(l.gradeRuns[0].conn, 0);

    const uint32_t side = add(l, "24188");  // joined where the run does not end
    ASSERT_TRUE(inheritElevation(l, side, first, 1, 0));
    EXPECT_NEAR(l.FindPiece(side)->z, kRise, 0.005);
    EXPECT_DOUBLE_EQ(l.FindPiece(side)->grade, 0.0);
}

TEST(HeightRule, BridgeEndsTheRunAndOneRunPerAnchor) {
    const auto& pieces = TrackCatalog::instance().pieces();
    const auto bridge = std::find_if(pieces.begin(), pieces.end(), [](const PieceDef& d) {
        return d.isBridge && !d.isRamp && d.connectors.size() >= 2;
    });
    ASSERT_NE(bridge, pieces.end());
    Layout l;
    const uint32_t first = add(l, "24188", 40.0);
    l.EditPiece(first)->grade = kDeg;
    startGradeRun(l, kDeg, static_cast<int32_t>(first), 1);
    const uint32_t span = add(l, bridge->article);
    l.EditPiece(span)->grade = 3.0;
    ASSERT_TRUE(inheritElevation(l, span, first, 1, 0));
    EXPECT_NEAR(l.FindPiece(span)->z, 40.0 + kRise, 0.005);
    EXPECT_DOUBLE_EQ(l.FindPiece(span)->grade, 0.0);
    EXPECT_TRUE(l.gradeRuns.empty());
    EXPECT_FALSE(inheritElevation(l, span, 999, 1, 0));

    startGradeRun(l, 1.0, 5, 0);
    startGradeRun(l, -2.0, 5, 1);
    ASSERT_EQ(l.gradeRuns.size(), 1u);
    EXPECT_DOUBLE_EQ(l.gradeDeg, -2.0);
}

}  // namespace
