// The colour, grouping and text rules of the plan drawing, without a window.
#include "canvas/render_rules.h"

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
    layout.FindPiece(a)->joints[static_cast<size_t>(ca)] = {static_cast<int32_t>(b), cb};
    layout.FindPiece(b)->joints[static_cast<size_t>(cb)] = {static_cast<int32_t>(a), ca};
}

const PieceDef& straight() {
    return *TrackCatalog::instance().byArticle("24188");
}

}  // namespace

TEST(PlanColours, HeightTintRunsFromGreyThroughYellowToBrown) {
    EXPECT_EQ(str(elevationTint(0.0)), "210,210,205");
    EXPECT_EQ(str(elevationTint(30.0)), "232,215,132");
    EXPECT_EQ(str(elevationTint(60.0)), "255,220,60");
    EXPECT_EQ(str(elevationTint(90.0)), "217,165,30");
    EXPECT_EQ(str(elevationTint(120.0)), "180,110,0");
    EXPECT_EQ(str(elevationTint(500.0)), "180,110,0");
}

TEST(PlanColours, RaisedPieceOutlineIsItsTintDarkened) {
    const PieceColours at60 =
        pieceColours(piece(1, 60.0), straight(), nullptr, false, false, false);
    EXPECT_EQ(str(at60.fill), "255,220,60");
    EXPECT_EQ(str(at60.outline), "195,160,30");
    const PieceColours at120 =
        pieceColours(piece(1, 120.0), straight(), nullptr, false, false, false);
    EXPECT_EQ(str(at120.outline), "120,50,0") << "clamped at 0";
    const PieceColours ground =
        pieceColours(piece(1, 0.5), straight(), nullptr, false, false, false);
    EXPECT_EQ(str(ground.fill), "210,210,205") << "0.5 mm is not above 0.5 mm";
    EXPECT_EQ(str(ground.outline), "120,120,115");
}

TEST(PlanColours, SelectionThenOwnColourThenLevelColourThenTint) {
    LayoutLevel level;
    level.trackcolor = true;
    level.r = 200;
    level.g = 10;
    level.b = 10;
    PlacedPiece p = piece(1, 80.0);
    EXPECT_EQ(str(pieceColours(p, straight(), &level, false, false, false).fill), "200,10,10");
    p.hasColor = true;
    p.color = {1, 2, 3};
    EXPECT_EQ(str(pieceColours(p, straight(), &level, false, false, false).fill), "1,2,3");
    const PieceColours sel = pieceColours(p, straight(), &level, true, true, false);
    EXPECT_EQ(str(sel.fill), "180,200,230") << "selected, even in a tunnel";
    EXPECT_EQ(str(sel.outline), "40,100,200");
}

TEST(PlanColours, TunnelWashAndDeckShades) {
    const PieceColours covered = pieceColours(piece(1), straight(), nullptr, false, true, false);
    EXPECT_EQ(str(covered.fill), "216,216,214");
    EXPECT_EQ(str(covered.outline), "180,180,178");
    LayoutLevel deck;
    EXPECT_EQ(str(levelDeckFill(deck)), "235,220,190");
    deck.trackcolor = true;
    deck.r = 120;
    deck.g = 160;
    deck.b = 200;
    EXPECT_EQ(str(levelDeckFill(deck)), "203,216,230");
    EXPECT_EQ(str(systemTrackFill(Systems::MTrack)), "160,155,145");
    EXPECT_EQ(str(systemTrackFill(Systems::TrixC)), "210,210,205");
}

TEST(HelixGroups, FloodFollowsJointsThroughPiecesOfNoHelix) {
    Layout layout;
    layout.pieces = {piece(1, 0.0, 50), piece(2),          piece(3), piece(4, 260.0, 50),
                     piece(5, 260.0),   piece(6, 0.0, 51), piece(7)};
    join(layout, 1, 1, 2, 0);
    join(layout, 2, 1, 3, 0);
    join(layout, 4, 1, 5, 0);
    join(layout, 3, 1, 6, 0);  // a stub of another helix stops the flood
    join(layout, 6, 1, 7, 0);
    Tunnel t;
    t.covers = {5};
    layout.tunnels.push_back(t);

    HelixDrawSets sets;
    collectHelixDrawSets(layout, sets);
    for (uint32_t id : {1u, 2u, 3u, 6u, 7u}) {
        EXPECT_EQ(sets.lowerGroup.count(id), 1u) << "piece " << id;
    }
    EXPECT_EQ(sets.lowerGroup.count(4), 0u) << "top stub";
    EXPECT_EQ(sets.lowerGroup.count(5), 0u) << "upper approach";
    EXPECT_EQ(sets.helixTrack.size(), 7u);
    EXPECT_EQ(sets.tunnelCovered.count(5), 1u);

    // Flat track in an approach set keeps its colour; graded track there is tinted.
    PlacedPiece raised = piece(5, 60.0);
    EXPECT_EQ(str(pieceColours(raised, straight(), nullptr, false, false, true).fill),
              "210,210,205");
    raised.grade = 0.5;
    EXPECT_EQ(str(pieceColours(raised, straight(), nullptr, false, false, true).fill),
              "255,220,60");
}

TEST(HelixGroups, RingCopiesStepThirtyDegreesBackwards) {
    Helix h;
    h.cx = 100;
    h.cy = 200;
    const Pose p3 = helixCopyPose(h, 360.0, 3);  // -90 - 90 = -180 degrees
    EXPECT_NEAR(p3.x, -260.0, 1e-9);
    EXPECT_NEAR(p3.y, 200.0, 1e-9);
    EXPECT_DOUBLE_EQ(p3.heading, -90.0);
    h.heading = 90.0;
    const Pose p12 = helixCopyPose(h, 360.0, 12);  // -90 - 360 + 90 = 0 degrees
    EXPECT_NEAR(p12.x, 460.0, 1e-9);
    EXPECT_NEAR(p12.y, 200.0, 1e-9);

    Layout layout;
    h.variant = "no_such_variant";
    EXPECT_NE(drawableHelixVariant(h, TrackCatalog::instance()), nullptr) << "default variant";
    EXPECT_EQ(drawableHelixVariant(h, TrackCatalog()), nullptr) << "curves missing";
    EXPECT_EQ(helixLevel(layout, h), 1);
}

TEST(GradeArrows, StartMidPieceAndPointAwayFromTheJoinedEnd) {
    Layout layout;
    layout.pieces = {piece(1), piece(2)};
    GradeRun runUp{2.0, 1, 1};
    GradeArrow a = gradeArrow(layout, runUp, TrackCatalog::instance());
    ASSERT_TRUE(a.valid);
    EXPECT_NEAR(a.tail.x, 94.15, 1e-9);
    EXPECT_NEAR(a.tip.x, 114.15, 1e-9);
    EXPECT_NEAR(a.headLeft.x, 106.15, 1e-9);
    EXPECT_NEAR(std::fabs(a.headLeft.y), 6.0, 1e-9);
    EXPECT_TRUE(a.upward);

    join(layout, 1, 1, 2, 0);
    GradeRun runDown{-2.0, 1, 1};
    a = gradeArrow(layout, runDown, TrackCatalog::instance());
    EXPECT_NEAR(a.tip.x, 74.15, 1e-9) << "connector 0 open, 1 joined: reversed";
    EXPECT_FALSE(a.upward);
    EXPECT_FALSE(gradeArrow(layout, {1.0, 9, 0}, TrackCatalog::instance()).valid);
}

TEST(AccessoryOutlines, KTrackDriveBoxesBesideTheTrack) {
    const TrackCatalog& cat = TrackCatalog::instance();
    const double w = 18.7;
    const auto left = accessoryOutlines(*cat.byArticle("2262"), w);
    ASSERT_EQ(left.size(), 1u);
    const double L = cat.byArticle("2262")->length;
    EXPECT_NEAR(left[0][0].x, 0.05 * L, 1e-9);
    EXPECT_NEAR(left[0][1].x, 0.55 * L, 1e-9);
    EXPECT_NEAR(left[0][0].y, w + 1, 1e-9);
    EXPECT_NEAR(left[0][2].y, w + 13, 1e-9);
    EXPECT_EQ(accessoryOutlines(*cat.byArticle("2297"), w).size(), 2u);
    const auto three = accessoryOutlines(*cat.byArticle("2270"), w);
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(three[0].size(), 22u) << "11 points per edge";
    EXPECT_TRUE(accessoryOutlines(*cat.byArticle("2200"), w).empty());
    EXPECT_TRUE(accessoryOutlines(*cat.byArticle("24188"), w).empty());
}

TEST(PlanTexts, LengthsRulersGridAndElevationBanner) {
    EXPECT_EQ(formatLength(2400, Units::Centimetres), "240.0 cm");
    EXPECT_EQ(formatLength(2400, Units::Inches), "94.49\"");
    EXPECT_EQ(formatLength(2400, Units::Millimetres), "2400 mm");

    EXPECT_DOUBLE_EQ(rulerStep(Units::Millimetres, 0.4).step, 200.0);
    EXPECT_DOUBLE_EQ(rulerStep(Units::Centimetres, 0.4).step, 20.0);
    EXPECT_DOUBLE_EQ(rulerStep(Units::Inches, 0.4).step, 6.0);
    EXPECT_DOUBLE_EQ(rulerStep(Units::Millimetres, 0.05).step, 500.0) << "last candidate";
    EXPECT_EQ(rulerLabel(1.5, Units::Inches), "1.5\"");
    EXPECT_EQ(rulerLabel(2.0, Units::Inches), "2\"");
    EXPECT_EQ(rulerLabel(-200.0, Units::Millimetres), "-200");

    EXPECT_EQ(gridPixelStep(12.5, 0.4), 0.0);
    EXPECT_EQ(gridPixelStep(1002.5, 0.4), 0.0);
    EXPECT_DOUBLE_EQ(gridPixelStep(15.0, 0.4), 6.0);
    EXPECT_DOUBLE_EQ(gridPixelStep(1000.0, 0.4), 400.0);

    Layout layout;
    EXPECT_EQ(elevationStatusText(layout, "[ELEV] 1.0%  (right-click piece to stop)"), "Ready");
    EXPECT_FALSE(elevationStatusText(layout, "Pieces: 3").has_value());
    layout.gradeRuns = {{-2.0, 1, 1}, {3.0, 2, 1}};
    const std::string banner = "[ELEV] -3.5% 5.2%  (right-click piece to stop)";
    EXPECT_EQ(elevationStatusText(layout, "Ready"), banner);
    EXPECT_FALSE(elevationStatusText(layout, banner).has_value()) << "already shown";
}
