// The colour, grouping and text rules of the plan drawing, without a window.
#include "render/render_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string str(RenderColour c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

PlacedPiece piece(uint32_t id, double z = 0.0, uint32_t helix = kNoId) {
    PlacedPiece p;
    p.id = id;
    p.article = "24188";
    p.z = z;
    p.helix = helix;
    p.joints.resize(2);
    return p;
}

void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    layout.EditPiece(a)->joints[static_cast<size_t>(ca)] = {static_cast<int32_t>(b), cb};
    layout.EditPiece(b)->joints[static_cast<size_t>(cb)] = {static_cast<int32_t>(a), ca};
}

const PieceDef& straight() {
    return *TrackCatalog::instance().byArticle("24188");
}

std::string fill(const PlacedPiece& p, const LayoutLevel* level = nullptr, bool sel = false,
                 bool tunnel = false, bool approach = false) {
    return str(pieceColours(p, straight(), level, sel, tunnel, approach).fill);
}

TEST(PlanColours, HeightTintThenLevelThenOwnColourThenSelection) {
    EXPECT_EQ(str(elevationTint(30.0)), "232,215,132");
    EXPECT_EQ(str(elevationTint(500.0)), "180,110,0");
    EXPECT_EQ(fill(piece(1, 0.5)), "210,210,205") << "0.5 mm is not above 0.5 mm";
    EXPECT_EQ(str(pieceColours(piece(1, 60.0), straight(), nullptr, false, false, false).outline),
              "195,160,30");
    EXPECT_EQ(fill(piece(1), nullptr, false, true), "216,216,214") << "tunnel wash";

    LayoutLevel level;
    level.trackcolor = true;
    level.r = 200;
    level.g = 10;
    level.b = 10;
    PlacedPiece p = piece(1, 80.0);
    EXPECT_EQ(fill(p, &level), "200,10,10");
    p.hasColor = true;
    p.color = {1, 2, 3};
    EXPECT_EQ(fill(p, &level), "1,2,3");
    EXPECT_EQ(fill(p, &level, true, true), "180,200,230") << "selected, even in a tunnel";
    EXPECT_EQ(str(systemTrackFill(Systems::MTrack)), "160,155,145");
}

TEST(HelixGroups, FloodFollowsJointsThroughPiecesOfNoHelix) {
    Layout layout;
    layout.pieces = {piece(1, 0.0, 50),   piece(2),        piece(3),
                     piece(4, 260.0, 50), piece(5, 260.0), piece(6, 0.0, 51)};
    join(layout, 1, 1, 2, 0);
    join(layout, 2, 1, 3, 0);
    join(layout, 4, 1, 5, 0);
    join(layout, 3, 1, 6, 0);
    HelixDrawSets sets;
    collectHelixDrawSets(layout, sets);
    for (uint32_t id : {1u, 2u, 3u, 6u}) {
        EXPECT_EQ(sets.lowerGroup.count(id), 1u) << "piece " << id;
    }
    EXPECT_EQ(sets.lowerGroup.count(4), 0u) << "top stub";
    EXPECT_EQ(sets.lowerGroup.count(5), 0u) << "upper approach";

    // Flat track in an approach set keeps its colour; graded track there is tinted.
    PlacedPiece raised = piece(5, 60.0);
    EXPECT_EQ(fill(raised, nullptr, false, false, true), "210,210,205");
    raised.grade = 0.5;
    EXPECT_EQ(fill(raised, nullptr, false, false, true), "255,220,60");

    Helix h;
    h.cx = 100;
    h.cy = 200;
    const Pose p3 = helixCopyPose(h, 360.0, 3);  // ring copies step 30 degrees backwards
    EXPECT_NEAR(p3.x, -260.0, 1e-9);
    EXPECT_DOUBLE_EQ(p3.heading, -90.0);
}

TEST(GradeArrows, StartMidPieceAndPointAwayFromTheJoinedEnd) {
    Layout layout;
    layout.pieces = {piece(1), piece(2)};
    GradeArrow a = gradeArrow(layout, GradeRun{2.0, 1, 1}, TrackCatalog::instance());
    ASSERT_TRUE(a.valid);
    EXPECT_NEAR(a.tail.x, 94.15, 1e-9);
    EXPECT_NEAR(a.tip.x, 114.15, 1e-9);
    EXPECT_TRUE(a.upward);
    join(layout, 1, 1, 2, 0);
    a = gradeArrow(layout, GradeRun{-2.0, 1, 1}, TrackCatalog::instance());
    EXPECT_NEAR(a.tip.x, 74.15, 1e-9) << "connector 1 joined: reversed";
    EXPECT_FALSE(a.upward);
}

TEST(PlanTexts, KTrackDrivesLengthsRulersGridAndBanner) {
    const TrackCatalog& cat = TrackCatalog::instance();
    EXPECT_EQ(accessoryOutlines(*cat.byArticle("2297"), 18.7).size(), 2u);
    EXPECT_TRUE(accessoryOutlines(*cat.byArticle("24188"), 18.7).empty());

    EXPECT_EQ(formatLength(2400, Units::Inches), "94.49\"");
    EXPECT_DOUBLE_EQ(rulerStep(Units::Centimetres, 0.4).step, 20.0);
    EXPECT_EQ(rulerLabel(1.5, Units::Inches), "1.5\"");
    EXPECT_EQ(gridPixelStep(12.5, 0.4), 0.0);
    EXPECT_DOUBLE_EQ(gridPixelStep(15.0, 0.4), 6.0);

    Layout layout;
    layout.gradeRuns = {{-2.0, 1, 1}, {3.0, 2, 1}};
    const std::string banner = "[ELEV] -3.5% 5.2%  (right-click piece to stop)";
    EXPECT_EQ(elevationStatusText(layout, "Ready"), banner);
    EXPECT_FALSE(elevationStatusText(layout, banner).has_value()) << "already shown";
}

}  // namespace
