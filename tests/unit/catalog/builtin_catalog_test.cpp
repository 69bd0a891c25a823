// The built-in track catalog against the published piece list: order, names, shapes, flags,
// adapters, aliases and turntables. Shapes are checked through the connectors a user snaps to.

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/track_catalog.h"
#include "geometry/geometry.h"

namespace {

const TrackCatalog& catalog() {
    return TrackCatalog::instance();
}

const PieceDef& piece(const std::string& article) {
    const PieceDef* def = catalog().byArticle(article);
    if (def == nullptr) {
        ADD_FAILURE() << "article " << article << " is missing";
        static const PieceDef empty;
        return empty;
    }
    return *def;
}

// Compares connector i of `def` with (x, y, heading); headings compare modulo 360.
void expectConnector(const PieceDef& def, int i, double x, double y, double heading,
                     double tol = 0.01) {
    SCOPED_TRACE(def.article + " connector " + std::to_string(i));
    ASSERT_LT(i, static_cast<int>(def.connectors.size()));
    const ConnectorDef& c = def.connectors[static_cast<size_t>(i)];
    EXPECT_NEAR(c.x, x, tol);
    EXPECT_NEAR(c.y, y, tol);
    EXPECT_NEAR(headingDifference(c.heading, heading), 0.0, tol);
    EXPECT_EQ(c.index, i);
    EXPECT_TRUE(c.open);
}

int positionOf(const std::string& article) {
    for (int i = 0; i < catalog().count(); ++i) {
        if (catalog().byIndex(i)->article == article)
            return i;
    }
    return -1;
}

}  // namespace

TEST(BuiltinCatalog, HoldsAll248PiecesInCatalogOrder) {
    ASSERT_TRUE(catalog().loaded());
    ASSERT_EQ(catalog().count(), 248);
    EXPECT_EQ(catalog().byIndex(0)->name, "24188 - 188.3mm");
    EXPECT_EQ(catalog().byIndex(247)->name, "5191 Track Bumper Remote");
    // The first and last piece of every block; the fillers' tie-breaks depend on this order.
    const std::vector<std::pair<int, std::string>> boundaries = {
        {0, "24188"},   {48, "74861"},  {49, "74871"}, {50, "62064"}, {75, "62624"},
        {82, "74613T"}, {83, "8500"},   {116, "8977"}, {117, "2200"}, {148, "2257"},
        {169, "7263M"}, {172, "7268M"}, {173, "7286"}, {174, "7287"}, {175, "59051"},
        {205, "59099"}, {206, "5106"},  {216, "5112"}, {245, "5214"}, {247, "5191"},
    };
    for (const auto& [index, article] : boundaries) {
        EXPECT_EQ(catalog().byIndex(index)->article, article) << "position " << index;
    }
}

TEST(BuiltinCatalog, EachSystemHasItsNumberOfPieces) {
    std::vector<int> perSystem(9, 0);
    for (const PieceDef& def : catalog().pieces()) {
        ASSERT_LT(def.system, 9u) << def.article;
        ++perSystem[def.system];
    }
    EXPECT_EQ(perSystem[Systems::CTrack], 50);
    EXPECT_EQ(perSystem[Systems::TrixC], 33);
    EXPECT_EQ(perSystem[Systems::ZTrack], 34);
    EXPECT_EQ(perSystem[Systems::KTrack], 54);
    EXPECT_EQ(perSystem[Systems::Gauge1], 31);
    EXPECT_EQ(perSystem[Systems::MTrack], 46);
    EXPECT_EQ(
        perSystem[Systems::RokuhanZ] + perSystem[Systems::MinitrixN] + perSystem[Systems::KatoN],
        0);
    // The M-Track bridges sit among the K-Track rows but belong to M-Track.
    EXPECT_EQ(piece("7263M").system, Systems::MTrack);
    EXPECT_EQ(piece("7263").system, Systems::KTrack);
}

TEST(BuiltinCatalog, ArticlesAreUniqueAndEachFindsItsOwnRow) {
    std::set<std::string> seen;
    for (int i = 0; i < catalog().count(); ++i) {
        const PieceDef* def = catalog().byIndex(i);
        EXPECT_TRUE(seen.insert(def->article).second) << "duplicate " << def->article;
        EXPECT_EQ(catalog().byArticle(def->article), def) << def->article;
        // Every name starts with the article's number (letter suffixes are not in the name).
        const std::string number = def->article.substr(0, def->article.find_first_of("TMC"));
        EXPECT_EQ(def->name.rfind(number, 0), 0u) << def->name;
    }
}

TEST(BuiltinCatalog, NamesKeepQuotesDegreeSignsAndFractions) {
    EXPECT_EQ(piece("2263").name, "2263 Right Turnout Length 168.9 mm / 6-5/8\"");
    EXPECT_EQ(piece("22716").name,
              "22716 Right Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\"");
    EXPECT_EQ(piece("2270").name,
              "2270 Symmetrical Three-Way Turnout Length 168.9 mm / Radius 424.6 mm / 16-3/4\"");
    EXPECT_EQ(piece("24130").name, "24130 (30°) R1 - 360mm (14-3/16)");
    EXPECT_EQ(piece("5120").name, "5120 Curve R0=286mm 30°");
    EXPECT_EQ(piece("59085").name, "59085 Left Curved Turnout R1394/1550mm 22.5°");
    EXPECT_EQ(piece("8502").name, "8502 Straight 27.5mm / 1-1/8\" (qtr)");
    EXPECT_EQ(piece("62107").name, "62107 (7.5deg) R1 - 360mm");
    EXPECT_EQ(piece("2295").name, "2295 Contact Track Set Length 2 x 90 mm / 3-9/16\"");
    EXPECT_EQ(piece("74620T").name, "74620 Truss Bridge 180mm (Trix)");
    EXPECT_EQ(piece("5208C").name, "5208C Lean Compensation Curve 1.1°");
    EXPECT_EQ(piece("5208").name, "5208 Straight 8mm");
}

TEST(BuiltinCatalog, EveryPieceIsWellFormed) {
    for (const PieceDef& def : catalog().pieces()) {
        SCOPED_TRACE(def.article);
        ASSERT_FALSE(def.connectors.empty());
        EXPECT_GT(def.length, 0.0);
        for (size_t i = 0; i < def.connectors.size(); ++i) {
            EXPECT_EQ(def.connectors[i].index, static_cast<int>(i));
            EXPECT_TRUE(def.connectors[i].open);
            EXPECT_GE(def.connectors[i].heading, 0.0);
            EXPECT_LT(def.connectors[i].heading, 360.0);
        }
        // Connector 0 is the origin facing back, except on turntables whose origin is the pit's
        // centre.
        if (def.kind != PieceKind::Turntable)
            expectConnector(def, 0, 0.0, 0.0, 180.0, 1e-9);
    }
}

TEST(BuiltinCatalog, StraightsBumpersAndUncouplers) {
    const PieceDef& s = piece("24188");
    EXPECT_EQ(s.kind, PieceKind::Straight);
    EXPECT_DOUBLE_EQ(s.length, 188.3);
    ASSERT_EQ(s.connectors.size(), 2u);
    expectConnector(s, 1, 188.3, 0.0, 0.0);

    const PieceDef& flex = piece("2205");
    EXPECT_DOUBLE_EQ(flex.length, 900.0);
    expectConnector(flex, 1, 900.0, 0.0, 0.0);
    expectConnector(piece("59056"), 1, 152.2, 0.0, 0.0);

    // Two truss bridges named 180mm are 188.3 mm long.
    EXPECT_DOUBLE_EQ(piece("74620").length, 188.3);
    EXPECT_DOUBLE_EQ(piece("74620T").length, 188.3);
    EXPECT_DOUBLE_EQ(piece("7262").length, 180.0);

    for (const auto& [article, length] : std::vector<std::pair<std::string, double>>{
             {"7389", 60.0}, {"7391", 40.0}, {"5602", 100.0}, {"5190", 90.0}}) {
        const PieceDef& b = piece(article);
        EXPECT_EQ(b.kind, PieceKind::BufferStop) << article;
        EXPECT_DOUBLE_EQ(b.length, length) << article;
        EXPECT_EQ(b.connectors.size(), 1u) << article;
    }

    // Only the M-Track uncoupler has its own kind; the others are drawn as plain straights.
    const PieceDef& uncoupler = piece("5112");
    EXPECT_EQ(uncoupler.kind, PieceKind::Uncoupler);
    expectConnector(uncoupler, 1, 90.0, 0.0, 0.0);
    int uncouplerKinds = 0;
    for (const PieceDef& def : catalog().pieces()) {
        if (def.kind == PieceKind::Uncoupler)
            ++uncouplerKinds;
    }
    EXPECT_EQ(uncouplerKinds, 1);
    EXPECT_EQ(piece("24997").kind, PieceKind::Straight);
    EXPECT_EQ(piece("2297").kind, PieceKind::Straight);
}

TEST(BuiltinCatalog, CurvesStoreArcLengthAndBendRight) {
    const PieceDef& r1 = piece("24130");
    EXPECT_EQ(r1.kind, PieceKind::Curve);
    EXPECT_DOUBLE_EQ(r1.radius, 360.0);
    EXPECT_DOUBLE_EQ(r1.angle, 30.0);
    expectConnector(r1, 1, 180.0, 48.23, 30.0);

    const PieceDef& ramp = piece("74623");
    EXPECT_EQ(ramp.kind, PieceKind::Curve);
    EXPECT_DOUBLE_EQ(ramp.radius, 437.5);
    EXPECT_DOUBLE_EQ(ramp.angle, 30.0);
    EXPECT_NEAR(ramp.length, 229.07, 0.01);
    EXPECT_TRUE(ramp.isBridge);
    EXPECT_TRUE(ramp.isRamp);

    // The curve that pairs with the slim K-Track turnouts has an odd angle.
    const PieceDef& odd = piece("2274");
    EXPECT_DOUBLE_EQ(odd.angle, 14.4382);
    EXPECT_NEAR(odd.length, 227.40, 0.01);
    expectConnector(odd, 1, 225.0, 28.50, 14.4382);

    const PieceDef& z = piece("8510");
    expectConnector(z, 1, 102.53, 42.47, 45.0);
    EXPECT_NEAR(z.length, 113.88, 0.01);

    const PieceDef& lean = piece("5208C");
    EXPECT_DOUBLE_EQ(lean.radius, 416.7);
    EXPECT_DOUBLE_EQ(lean.angle, 1.1);
}

TEST(BuiltinCatalog, TurnoutBranchesAreCutBackToTheStraight) {
    // Z-Track 8562: the 13 degree branch on radius 490 would end past the 110 mm straight, so it
    // ends level with it at a slightly smaller angle; the nominal angle is still stored.
    const PieceDef& z = piece("8562");
    EXPECT_EQ(z.kind, PieceKind::LeftTurnout);
    EXPECT_DOUBLE_EQ(z.length, 110.0);
    EXPECT_DOUBLE_EQ(z.radius, 490.0);
    EXPECT_DOUBLE_EQ(z.angle, -13.0);
    ASSERT_EQ(z.connectors.size(), 3u);
    expectConnector(z, 1, 110.0, 0.0, 0.0);
    expectConnector(z, 2, 110.0, -12.51, 347.03, 0.01);

    const PieceDef& k = piece("2263");
    EXPECT_EQ(k.kind, PieceKind::RightTurnout);
    EXPECT_DOUBLE_EQ(k.angle, 22.5);
    expectConnector(k, 1, 168.9, 0.0, 0.0);
    expectConnector(k, 2, 162.49, 32.32, 22.5);

    // M-Track: R1 30 degrees reaches exactly the 180 mm straight's end; 22.5 degrees stops short.
    expectConnector(piece("5117"), 2, 180.0, -48.23, 330.0);
    expectConnector(piece("5119"), 2, 180.0, 48.23, 30.0);
    expectConnector(piece("5137"), 2, 137.77, -27.40, 337.5);
    EXPECT_DOUBLE_EQ(piece("5137").angle, -22.5);
    EXPECT_EQ(piece("3600").kind, PieceKind::LeftTurnout);

    // Gauge 1 slim turnout: cut back from 10 to about 9.997 degrees.
    expectConnector(piece("59083"), 2, 402.9, 35.237, 9.9966, 0.001);
    expectConnector(piece("59084"), 2, 402.9, -35.237, 350.0034, 0.001);
    expectConnector(piece("22715"), 2, 225.0, -28.50, 345.5618, 0.001);
}

TEST(BuiltinCatalog, CrossingsAndRuleBuiltDoubleSlipsCrossAtTheirMiddle) {
    const PieceDef& z = piece("8559");
    EXPECT_EQ(z.kind, PieceKind::Crossing);
    EXPECT_DOUBLE_EQ(z.radius, 0.0);
    EXPECT_DOUBLE_EQ(z.angle, 13.0);
    ASSERT_EQ(z.connectors.size(), 4u);
    expectConnector(z, 1, 112.8, 0.0, 0.0);
    expectConnector(z, 2, 1.446, -12.687, 193.0, 0.001);
    expectConnector(z, 3, 111.354, 12.687, 13.0, 0.001);

    const PieceDef& m = piece("5114");
    EXPECT_DOUBLE_EQ(m.radius, 360.0);
    expectConnector(m, 2, 12.929, -48.25, 210.0, 0.001);
    expectConnector(m, 3, 180.071, 48.25, 30.0, 0.001);
    expectConnector(piece("5211"), 3, 81.468, 36.699, 48.5, 0.001);

    const PieceDef& slip = piece("5207");
    EXPECT_EQ(slip.kind, PieceKind::DoubleSlip);
    EXPECT_DOUBLE_EQ(slip.length, 180.0);
    EXPECT_DOUBLE_EQ(slip.radius, 437.4);
    EXPECT_DOUBLE_EQ(slip.angle, 23.267);
    expectConnector(slip, 2, 7.319, -35.551, 203.267, 0.001);
    expectConnector(slip, 3, 172.681, 35.551, 23.267, 0.001);
    EXPECT_EQ(piece("5128").connectors.size(), 4u);
}

TEST(BuiltinCatalog, OffsetCurvedTurnoutsMoveTheOuterBranchByTheirLength) {
    const PieceDef& left = piece("8568");
    EXPECT_EQ(left.kind, PieceKind::OffsetCurvedTurnout);
    EXPECT_DOUBLE_EQ(left.length, 25.0);
    EXPECT_DOUBLE_EQ(left.radius, 195.0);
    EXPECT_DOUBLE_EQ(left.angle, -30.0);
    ASSERT_EQ(left.connectors.size(), 3u);
    expectConnector(left, 1, 97.5, -26.125, 330.0, 0.001);
    expectConnector(left, 2, 122.5, -26.125, 330.0, 0.001);
    expectConnector(piece("8569"), 2, 122.5, 26.125, 30.0, 0.001);

    const PieceDef& m = piece("5142");
    EXPECT_DOUBLE_EQ(m.angle, 30.0);
    expectConnector(m, 1, 180.0, 48.23, 30.0);
    expectConnector(m, 2, 257.4, 48.23, 30.0);
    expectConnector(piece("5143"), 2, 257.4, -48.23, 330.0);
}

namespace {

struct Listed {
    std::string article;
    PieceKind kind;
    double length;
    double radius;
    double angle;
    std::vector<std::vector<double>> connectors;  // x, y, heading
};

}  // namespace

TEST(BuiltinCatalog, ExplicitPiecesHaveTheirListedConnectors) {
    // clang-format off
    const std::vector<Listed> listed = {
        {"24611", PieceKind::LeftTurnout, 188.3, 437.5, -24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}},
        {"24612", PieceKind::RightTurnout, 188.3, 437.5, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}},
        {"24630", PieceKind::LeftTurnout, 188.3, 437.5, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}},
        {"24671", PieceKind::CurvedTurnout, 257.5, 360, -30,
         {{0, 0, 180}, {180, -48.2, 330}, {257.5, -48.2, 330}}},
        {"24672", PieceKind::CurvedTurnout, 257.5, 360, 30,
         {{0, 0, 180}, {180, 48.2, 30}, {257.5, 48.2, 30}}},
        {"24740", PieceKind::Crossing, 236.1, 0, 12.1,
         {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}},
        {"24649", PieceKind::Crossing, 103.3, 0, 48.6,
         {{0, 0, 180}, {103.3, 0, 0}, {17.49, -38.74, 228.6}, {85.81, 38.74, 48.6}}},
        {"24640", PieceKind::Crossing, 188.3, 0, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}},
        {"24624", PieceKind::DoubleSlip, 188.3, 437.4, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {8.34, -38.74, 204.3}, {179.96, 38.74, 24.3}}},
        {"24720", PieceKind::DoubleSlip, 236.1, 1114.6, 12.1,
         {{0, 0, 180}, {236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}},
        {"24711", PieceKind::LeftTurnout, 236.1, 1114.6, -12.1,
         {{0, 0, 180}, {236.1, 0, 0}, {233.485, -24.729, 347.908}}},
        {"24712", PieceKind::RightTurnout, 236.1, 1114.6, 12.1,
         {{0, 0, 180}, {236.1, 0, 0}, {233.485, 24.729, 12.092}}},
        {"24771", PieceKind::CurvedTurnout, 321.5, 515, -30,
         {{0, 0, 180}, {257.5, -69, 330}, {321.5, -69, 330}}},
        {"24772", PieceKind::CurvedTurnout, 321.5, 515, 30,
         {{0, 0, 180}, {257.5, 69, 30}, {321.5, 69, 30}}},
        {"24977", PieceKind::BufferStop, 48.3, 0, 0,
         {{0, 0, 180}}},
        {"24978", PieceKind::BufferStop, 48.3, 0, 0,
         {{0, 0, 180}}},
        {"74871", PieceKind::Straight, 57.5, 0, 0,
         {{0, 0, 180}, {57.5, 0, 0}}},
        {"62611", PieceKind::LeftTurnout, 188.3, 437.5, -24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, -38.76, 335.7}}},
        {"62612", PieceKind::RightTurnout, 188.3, 437.5, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}}},
        {"62671", PieceKind::CurvedTurnout, 257.5, 437.5, -24.3,
         {{0, 0, 180}, {180, -38.76, 335.7}, {257.5, -38.76, 335.7}}},
        {"62672", PieceKind::CurvedTurnout, 257.5, 437.5, 24.3,
         {{0, 0, 180}, {180, 38.76, 24.3}, {257.5, 38.76, 24.3}}},
        {"62630", PieceKind::LeftTurnout, 188.3, 437.5, 24.3,
         {{0, 0, 180}, {188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}},
        {"62977", PieceKind::BufferStop, 80.5, 0, 0,
         {{0, 0, 180}}},
        {"8560", PieceKind::DoubleSlip, 112.8, 501.4424, 13,
         {{0, 0, 180}, {112.8, 0, 0}, {0, -12.8519, 193}, {112.8, 12.8519, 13}}},
        {"8991", PieceKind::BufferStop, 15, 0, 0,
         {{0, 0, 180}}},
        {"2257", PieceKind::Crossing, 225, 0, 22.5,
         {{0, 0, 180}, {225, 0, 0}, {8.56, -43.05, 202.5}, {216.44, 43.05, 22.5}}},
        {"2258", PieceKind::Crossing, 90, 0, 45,
         {{0, 0, 180}, {90, 0, 0}, {13.18, -31.82, 225}, {76.82, 31.82, 45}}},
        {"2259", PieceKind::Crossing, 168.9, 0, 22.5,
         {{0, 0, 180}, {168.9, 0, 0}, {6.43, -32.32, 202.5}, {162.47, 32.32, 22.5}}},
        {"2269", PieceKind::OffsetCurvedTurnout, 64.6, 360, 30,
         {{0, 0, 180}, {180, 48.23, 30}, {244.6, 48.23, 30}}},
        {"2268", PieceKind::OffsetCurvedTurnout, 64.6, 360, -30,
         {{0, 0, 180}, {180, -48.23, 330}, {244.6, -48.23, 330}}},
        {"2270", PieceKind::LeftTurnout, 168.9, 424.6, 22.5,
         {{0, 0, 180}, {168.9, 0, 0}, {162.49, 32.32, 22.5}, {162.49, -32.32, 337.5}}},
        {"2260", PieceKind::DoubleSlip, 168.9, 424.6, 22.5,
         {{0, 0, 180}, {168.9, 0, 0}, {6.41, -32.32, 202.5}, {162.49, 32.32, 22.5}}},
        {"2275", PieceKind::DoubleSlip, 225, 902.4, 14.3,
         {{0, 0, 180}, {225, 0, 0}, {3.49, -27.79, 194.3}, {221.51, 27.79, 14.3}}},
        {"7287", PieceKind::Straight, 57.5, 0, 0,
         {{0, 0, 180}, {57.5, 0, 0}}},
        {"59085", PieceKind::OffsetCurvedTurnout, 59.5, 1550, -22.5,
         {{0, 0, 180}, {593.2, -118, 337.5}, {533.5, -106.1, 337.5}}},
        {"59086", PieceKind::OffsetCurvedTurnout, 59.5, 1550, 22.5,
         {{0, 0, 180}, {593.2, 118, 22.5}, {533.5, 106.1, 22.5}}},
        {"59091", PieceKind::LeftTurnout, 360.8, 1394, 15,
         {{0, 0, 180}, {360.8, 0, 0}, {360.8, 47.5, 15}, {360.8, -47.5, 345}}},
        {"59093", PieceKind::DoubleSlip, 533.5, 1394, 22.5,
         {{0, 0, 180}, {533.5, 0, 0}, {0, 106.1, 202.5}, {533.5, 106.1, 22.5}}},
        {"59094", PieceKind::DoubleSlip, 533.5, 1394, 22.5,
         {{0, 0, 180}, {533.5, 0, 0}, {0, 106.1, 202.5}, {533.5, 106.1, 22.5}}},
        {"5214", PieceKind::CurvedTurnout, 179.1, 437.4, 24.17,
         {{0, 0, 180}, {179.1, 0, 0}, {179.1, 38.3, 24.17}, {179.1, -38.3, 335.83}}},
    };
    // clang-format on
    ASSERT_EQ(listed.size(), 40u);
    for (const Listed& want : listed) {
        SCOPED_TRACE(want.article);
        const PieceDef& def = piece(want.article);
        EXPECT_EQ(def.kind, want.kind);
        EXPECT_DOUBLE_EQ(def.length, want.length);
        EXPECT_DOUBLE_EQ(def.radius, want.radius);
        EXPECT_DOUBLE_EQ(def.angle, want.angle);
        ASSERT_EQ(def.connectors.size(), want.connectors.size());
        for (size_t i = 0; i < want.connectors.size(); ++i) {
            const std::vector<double>& c = want.connectors[i];
            expectConnector(def, static_cast<int>(i), c[0], c[1], c[2], 1e-9);
        }
    }
}

TEST(BuiltinCatalog, SlimTurnoutsBranchToTheirNamedSide) {
    EXPECT_DOUBLE_EQ(piece("24712").angle, 12.1);
    EXPECT_GT(piece("24712").connectors[2].y, 0.0);
    EXPECT_DOUBLE_EQ(piece("24711").angle, -12.1);
    EXPECT_LT(piece("24711").connectors[2].y, 0.0);
    for (int i : {1, 2}) {
        EXPECT_LT(piece("59085").connectors[static_cast<size_t>(i)].y, 0.0);
        EXPECT_DOUBLE_EQ(piece("59085").connectors[static_cast<size_t>(i)].heading, 337.5);
        EXPECT_DOUBLE_EQ(piece("59086").connectors[static_cast<size_t>(i)].y,
                         -piece("59085").connectors[static_cast<size_t>(i)].y);
    }
}

TEST(BuiltinCatalog, TurntablesAreRingsOfConnectorsAroundTheirCentre) {
    struct Ring {
        std::string article;
        TrackSystem system;
        double length;
        double rho;
        double step;
        size_t count;
    };
    for (const Ring& ring : {Ring{"74861", Systems::CTrack, 378.0, 139.0, 12.0, 30},
                             Ring{"7286", Systems::KTrack, 386.0, 193.0, 7.5, 48}}) {
        SCOPED_TRACE(ring.article);
        const PieceDef& def = piece(ring.article);
        EXPECT_EQ(def.kind, PieceKind::Turntable);
        EXPECT_EQ(def.system, ring.system);
        EXPECT_DOUBLE_EQ(def.length, ring.length);
        EXPECT_DOUBLE_EQ(def.radius, ring.rho);
        EXPECT_DOUBLE_EQ(def.angle, ring.step);
        ASSERT_EQ(def.connectors.size(), ring.count);
        for (size_t k = 0; k < ring.count; ++k) {
            const ConnectorDef& c = def.connectors[k];
            const double heading = static_cast<double>(k) * ring.step;
            EXPECT_NEAR(std::hypot(c.x, c.y), ring.rho, 1e-9) << k;
            EXPECT_NEAR(c.heading, heading, 1e-9) << k;
            // Each track end points straight out from the centre.
            EXPECT_NEAR(headingDifference(radToDeg(std::atan2(c.y, c.x)), heading), 0.0, 1e-9) << k;
        }
    }
    expectConnector(piece("74861"), 0, 139.0, 0.0, 0.0, 1e-9);
    expectConnector(piece("74861"), 15, -139.0, 0.0, 180.0, 1e-9);
    expectConnector(piece("7286"), 12, 0.0, 193.0, 90.0, 1e-9);
}

TEST(BuiltinCatalog, ExactlyTheBridgesAndRampsCarryTheirFlags) {
    const std::set<std::string> bridges = {
        "74636",  "74620",  "74623", "74613", "74618", "74636T", "74620T", "74618T",
        "74623T", "74613T", "8975",  "89759", "8976",  "8977",   "7263",   "7262",
        "7569",   "7267",   "7268",  "7263M", "7262M", "7267M",  "7268M"};
    const std::set<std::string> ramps = {"74623",  "74613", "74618", "74618T", "74623T",
                                         "74613T", "8976",  "8977",  "7569",   "7267",
                                         "7268",   "7267M", "7268M"};
    for (const PieceDef& def : catalog().pieces()) {
        EXPECT_EQ(def.isBridge, bridges.count(def.article) == 1) << def.article;
        EXPECT_EQ(def.isRamp, ramps.count(def.article) == 1) << def.article;
    }
}

TEST(BuiltinCatalog, AdaptersJoinTwoSystemsThroughTheirConnectors) {
    const std::vector<std::tuple<std::string, TrackSystem, TrackSystem, TrackSystem>> adapters = {
        {"24922", Systems::CTrack, Systems::CTrack, Systems::KTrack},
        {"24951", Systems::CTrack, Systems::CTrack, Systems::MTrack},
        {"2291", Systems::KTrack, Systems::KTrack, Systems::MTrack},
    };
    for (const auto& [article, own, first, second] : adapters) {
        const PieceDef& def = piece(article);
        EXPECT_EQ(def.system, own) << article;
        EXPECT_EQ(def.kind, PieceKind::Straight) << article;
        EXPECT_DOUBLE_EQ(def.length, 180.0) << article;
        EXPECT_EQ(def.connectorSystems, (std::vector<TrackSystem>{first, second})) << article;
        EXPECT_EQ(connectorSystem(def, 0), first) << article;
        EXPECT_EQ(connectorSystem(def, 1), second) << article;
    }
    int withSystems = 0;
    for (const PieceDef& def : catalog().pieces()) {
        if (!def.connectorSystems.empty())
            ++withSystems;
    }
    EXPECT_EQ(withSystems, 3);
}

TEST(BuiltinCatalog, TrixBridgeNumbersAreAliasesOfTheTrixPieces) {
    const std::vector<std::pair<std::string, std::string>> aliases = {
        {"62636", "74636T"}, {"62620", "74620T"}, {"62623", "74623T"}, {"62613", "74613T"}};
    for (const auto& [alias, article] : aliases) {
        const PieceDef* def = catalog().byArticle(alias);
        ASSERT_NE(def, nullptr) << alias;
        EXPECT_EQ(def, catalog().byArticle(article)) << alias;
        EXPECT_EQ(def->system, Systems::TrixC) << alias;
        EXPECT_EQ(positionOf(alias), -1) << alias << " must not be a row of its own";
    }
    EXPECT_EQ(catalog().count(), 248);
    EXPECT_EQ(piece("62636").name, "74636 Arch Bridge 360mm (Trix)");
}

TEST(BuiltinCatalog, TrixDoubleSlipIsACopyOfTheCTrackOne) {
    const PieceDef& trix = piece("62624");
    const PieceDef& c = piece("24624");
    EXPECT_EQ(positionOf("62624"), 75);
    EXPECT_EQ(trix.name, "62624 Double Slip Switch 24.3deg");
    EXPECT_EQ(trix.system, Systems::TrixC);
    EXPECT_EQ(c.system, Systems::CTrack);
    EXPECT_EQ(trix.kind, PieceKind::DoubleSlip);
    EXPECT_DOUBLE_EQ(trix.length, c.length);
    EXPECT_DOUBLE_EQ(trix.radius, 437.4);
    EXPECT_DOUBLE_EQ(trix.angle, 24.3);
    ASSERT_EQ(trix.connectors.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const ConnectorDef& want = c.connectors[static_cast<size_t>(i)];
        expectConnector(trix, i, want.x, want.y, want.heading, 0.0);
    }
    expectConnector(trix, 3, 179.96, 38.74, 24.3, 1e-9);
}

TEST(BuiltinCatalog, PlainTrackLeavesOutSpecialPieces) {
    EXPECT_TRUE(isPlainTrack(piece("24188"), PieceKind::Straight, Systems::CTrack));
    EXPECT_TRUE(isPlainTrack(piece("2205"), PieceKind::Straight, Systems::KTrack));
    EXPECT_TRUE(isPlainTrack(piece("24130"), PieceKind::Curve, Systems::CTrack));
    EXPECT_TRUE(isPlainTrack(piece("5205"), PieceKind::Curve, Systems::MTrack));
    EXPECT_FALSE(isPlainTrack(piece("24188"), PieceKind::Straight, Systems::TrixC));
    EXPECT_FALSE(isPlainTrack(piece("24188"), PieceKind::Curve, Systems::CTrack));
    for (const char* article :
         {"24994", "24997", "74618", "74871", "7287", "24922", "2290", "8588", "2295", "74636"}) {
        const PieceDef& def = piece(article);
        EXPECT_FALSE(isPlainTrack(def, PieceKind::Straight, def.system)) << article;
    }
    for (const char* article : {"24294", "8529", "2229", "5206", "5208C", "74623", "7267M"}) {
        const PieceDef& def = piece(article);
        EXPECT_FALSE(isPlainTrack(def, PieceKind::Curve, def.system)) << article;
    }
    // Every system that has pieces offers plain straights and curves to the fillers.
    for (TrackSystem system : {Systems::CTrack, Systems::KTrack, Systems::ZTrack, Systems::TrixC,
                               Systems::Gauge1, Systems::MTrack}) {
        int straights = 0;
        int curves = 0;
        for (const PieceDef& def : catalog().pieces()) {
            if (isPlainTrack(def, PieceKind::Straight, system))
                ++straights;
            if (isPlainTrack(def, PieceKind::Curve, system))
                ++curves;
        }
        EXPECT_GT(straights, 0) << system;
        EXPECT_GT(curves, 0) << system;
    }
}

TEST(BuiltinCatalog, RefillingReplacesWhateverTheCatalogHeld) {
    TrackCatalog local;
    PieceDef stray;
    stray.article = "99999";
    stray.name = "stray";
    local.add(stray);
    addBuiltinTrackPieces(local);
    EXPECT_EQ(local.count(), 248);
    EXPECT_EQ(local.byArticle("99999"), nullptr);
    addBuiltinTrackPieces(local);
    EXPECT_EQ(local.count(), 248);
    EXPECT_EQ(local.byIndex(0)->article, "24188");
    ASSERT_NE(local.byArticle("62623"), nullptr);
    EXPECT_EQ(local.byArticle("62623")->article, "74623T");
}
