// Check Layout: one case per kind and rule, and the spatial index against every pair.
#include "tools/layout_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../../placed_piece_support.h"
#include "document/layout_file.h"
#include "document/snap_search.h"
#include "edit/elevation.h"

namespace {

PlacedPiece& place(Layout& layout, const char* article, double x, double y, double heading,
                   double z = 0.0) {
    addPiece(layout, article, x, y, heading, z);
    return layout.pieces.editBack();
}

// The piece `article` laid on connector c of piece `at` and joined there.
void extend(Layout& layout, size_t at, int c, const char* article) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const PlacedPiece& from = layout.pieces[at];
    const Pose pose = matingPose(*catalog.byArticle(article), 0,
                                 connectorToWorld(from, *catalog.byArticle(from.article), c));
    const uint32_t fromId = from.id;  // the append below may move the pieces
    join(layout, fromId, c, addPiece(layout, article, pose.x, pose.y, pose.heading, from.z), 0);
}

std::string kinds(const CheckResult& r, CheckKind only) {
    std::string s;
    for (const CheckFinding& f : r.findings) {
        if (f.kind == only) {
            s += f.text + "|";
        }
    }
    return s;
}

}  // namespace

TEST(LayoutCheck, CrossingStraightsCollideOnOneLevelAndNeedTheirClearanceAbove) {
    for (const double dz : {0.0, 80.0, 40.0}) {
        Layout layout;
        place(layout, "24188", 0.0, 0.0, 0.0);
        place(layout, "24188", 94.0, -94.0, 90.0, dz);
        const CheckResult r = checkLayout(layout, Units::Millimetres);
        EXPECT_EQ(r.counts[0], dz == 0.0 ? 1 : 0) << "collision at dz " << dz;
        EXPECT_EQ(r.counts[1], dz == 40.0 ? 1 : 0) << "low clearance at dz " << dz;
        if (dz == 40.0) {
            EXPECT_EQ(kinds(r, CheckKind::LowClearance),
                      "24188 passes 40.0 mm above 24188; clearance needed 74.5 mm|");
            EXPECT_EQ(checkLayout(layout, Units::Centimetres).findings[0].text,
                      "24188 passes 4.00 cm above 24188; clearance needed 7.45 cm");
        }
        if (dz == 0.0) {
            EXPECT_NEAR(r.findings[0].at.x, 94.0, 1.0);
            EXPECT_NEAR(r.findings[0].at.y, 0.0, 1.0);
        }
    }
}

TEST(LayoutCheck, TurnoutRoutesAndPiecesJoinedEndToEndNeverCollide) {
    Layout layout;
    place(layout, "24612", 0.0, 0.0, 0.0);
    extend(layout, 0, 1, "24130");  // straight exit, curving right towards the branch
    extend(layout, 0, 2, "24188");  // branch exit
    extend(layout, 1, 1, "24130");
    extend(layout, 0, 0, "24130");
    const CheckResult r = checkLayout(layout, Units::Millimetres);
    EXPECT_EQ(r.counts[0] + r.counts[1], 0) << kinds(r, CheckKind::Collision);
    // A straight laid over the turnout's exits without a joint does collide with them.
    place(layout, "24188", 100.0, 0.0, 0.0);
    EXPECT_EQ(checkLayout(layout, Units::Millimetres).counts[0], 2);
}

TEST(LayoutCheck, GradesAboveTheElevationWizardsSixDegreesAndKinksAreReported) {
    // 6.5 degrees is reported; the 3 degrees of the catalog's bridge ramps are not.
    Layout layout;
    place(layout, "24188", 0.0, 0.0, 0.0).grade = 6.5;
    place(layout, "24188", 0.0, 300.0, 0.0).grade = 3.0;
    place(layout, "24188", 0.0, 600.0, 0.0).grade = 6.0;
    CheckResult r = checkLayout(layout, Units::Millimetres);
    EXPECT_EQ(kinds(r, CheckKind::SteepGrade), "24188 climbs 11.3 % (limit 10.5 %)|");
    // A flat piece joined to a 4.5 % climb is fine, to a climb of 4 degrees a kink.
    for (const double deg : {radToDeg(std::asin(0.045)), 4.0}) {
        Layout chain;
        place(chain, "24188", 0.0, 0.0, 0.0);
        extend(chain, 0, 1, "24188");
        chain.pieces.edit(1).grade = deg;
        r = checkLayout(chain, Units::Millimetres);
        EXPECT_EQ(kinds(r, CheckKind::SteepGrade),
                  deg == 4.0 ? "Grade changes by 4.0 deg between 24188 and 24188 (limit 3.0 "
                               "deg)|"
                             : "")
            << deg;
    }
}

TEST(LayoutCheck, NearMissesBadJointsAndOpenEnds) {
    Layout layout;
    place(layout, "24188", 0.0, 0.0, 0.0);
    place(layout, "24188", 190.3, 0.0, 0.0);  // 2 mm past the first one's end
    place(layout, "24977", 400.0, 300.0, 0.0);
    CheckResult r = checkLayout(layout, Units::Millimetres);
    EXPECT_EQ(kinds(r, CheckKind::Gap),
              "Open ends of 24188 and 24188 are 2.0 mm apart and not joined|");
    EXPECT_EQ(r.counts[5], 4) << "four track ends open, the buffer stop's end is not reported";
    EXPECT_EQ(r.findings.back().text, "Open end of 24188");
    // Joined across a 6 mm gap: a bad joint, and no longer open ends or a near miss.
    layout.pieces.edit(1).x = 194.3;
    join(layout, layout.pieces[0].id, 1, layout.pieces[1].id, 0);
    r = checkLayout(layout, Units::Millimetres);
    EXPECT_EQ(kinds(r, CheckKind::Gap), "Joint of 24188 and 24188 is off by 6.0 mm and 0.0 deg|");
    EXPECT_EQ(r.counts[5], 2);
}

TEST(LayoutCheck, TrackOffAnLShapedTableIsReported) {
    Layout layout;
    // L: 2000 x 1000 with the top-right 1000 x 500 cut away.
    layout.baseboard.vertices = {{0, 0},      {1000, 0},    {1000, 500},
                                 {2000, 500}, {2000, 1000}, {0, 1000}};
    place(layout, "24188", 100.0, 100.0, 0.0);   // inside
    place(layout, "24188", -94.0, 300.0, 0.0);   // half off the left edge
    place(layout, "24188", 1400.0, 200.0, 0.0);  // in the cut-away corner
    place(layout, "24188", 880.0, 400.0, 45.0);  // corners on the board, an edge across the notch
    const CheckResult r = checkLayout(layout, Units::Millimetres);
    EXPECT_EQ(kinds(r, CheckKind::OffTable),
              "24188 lies off the table|24188 lies partly off the table|"
              "24188 lies partly off the table|");
    EXPECT_EQ(checkSummary(r), "3 items off the table, 8 open ends");
    EXPECT_EQ(checkSummary(CheckResult{}), "No problems found.");
}

namespace {

// Every finding through the index equals every finding over all pairs.
void expectIndexMatchesAllPairs(const Layout& layout) {
    const CheckModel model = buildCheckModel(layout, TrackCatalog::instance());
    IndexPairs pieces, ends;
    for (int i = 0; i < static_cast<int>(model.pieces.size()); ++i)
        for (int j = i + 1; j < static_cast<int>(model.pieces.size()); ++j)
            pieces.emplace_back(i, j);
    for (int i = 0; i < static_cast<int>(model.openEnds.size()); ++i)
        for (int j = i + 1; j < static_cast<int>(model.openEnds.size()); ++j)
            ends.emplace_back(i, j);
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    const CheckResult all =
        checkLayoutWith(layout, model, pieces, ends, Units::Millimetres, scenery);
    const CheckResult indexed = checkLayout(layout, Units::Millimetres);
    ASSERT_EQ(indexed.findings.size(), all.findings.size());
    for (size_t k = 0; k < all.findings.size(); ++k) {
        EXPECT_EQ(indexed.findings[k].text, all.findings[k].text) << k;
        EXPECT_EQ(indexed.findings[k].pieces, all.findings[k].pieces) << k;
    }
}

}  // namespace

TEST(LayoutCheck, IndexFindsWhatAllPairsFind) {
    const std::string data = RAILVANE_TEST_DATA, docs = RAILVANE_SOURCE_DIR "/../docs";
    for (const std::string& file :
         {data + "/full_layout.tdl", data + "/legacy_layout.xml", docs + "/sample-layout.tdl"}) {
        Layout layout;
        std::string name;
        ASSERT_EQ(ReadLayout(file, layout, name), "") << file;
        expectIndexMatchesAllPairs(layout);
    }
    // 10,000 pieces in a random heap: short rows of joined track at random poses and heights.
    Layout heap;
    uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1664525u + 1013904223u) / 4294967296.0; };
    const char* articles[] = {"24188", "24130", "24612", "24640", "24977"};
    while (heap.pieces.size() < 10000) {
        const size_t first = heap.pieces.size();
        place(heap, "24188", next() * 30000.0, next() * 20000.0, next() * 360.0,
              std::floor(next() * 4.0) * 30.0);
        for (int k = 0; k < 4; ++k)
            extend(heap, heap.pieces.size() - 1, 1, articles[static_cast<int>(next() * 4.0)]);
        heap.pieces.edit(first + 2).grade = next() * 8.0 - 4.0;
    }
    const CheckResult r = checkLayout(heap, Units::Millimetres);
    EXPECT_GT(r.counts[0], 50) << "the heap should hold collisions";
    EXPECT_GT(r.counts[1], 10) << "and low clearances";
    expectIndexMatchesAllPairs(heap);
}
