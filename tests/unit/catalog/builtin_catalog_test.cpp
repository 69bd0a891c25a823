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

struct Conn {
    double x, y, heading;
};

// Compares connector i of `def` with `want`; headings compare modulo 360.
void expectConnector(const PieceDef& def, int i, Conn want, double tol = 0.01) {
    SCOPED_TRACE(def.article + " connector " + std::to_string(i));
    ASSERT_LT(i, static_cast<int>(def.connectors.size()));
    const ConnectorDef& c = def.connectors[static_cast<size_t>(i)];
    EXPECT_NEAR(c.x, want.x, tol);
    EXPECT_NEAR(c.y, want.y, tol);
    EXPECT_NEAR(headingDifference(c.heading, want.heading), 0.0, tol);
}

int positionOf(const std::string& article) {
    for (int i = 0; i < catalog().count(); ++i) {
        if (catalog().byIndex(i)->article == article)
            return i;
    }
    return -1;
}

using K = PieceKind;

}  // namespace

TEST(BuiltinCatalog, HoldsAll248PiecesInCatalogOrderPerSystem) {
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
    for (const auto& [index, article] : boundaries)
        EXPECT_EQ(catalog().byIndex(index)->article, article) << "position " << index;

    std::vector<int> perSystem(9, 0);
    for (const PieceDef& def : catalog().pieces()) {
        ASSERT_LT(def.system, 9u) << def.article;
        ++perSystem[def.system];
    }
    EXPECT_EQ(perSystem, (std::vector<int>{50, 54, 34, 33, 0, 0, 0, 31, 46}));
    // The M-Track bridges sit among the K-Track rows but belong to M-Track.
    EXPECT_EQ(piece("7263M").system, Systems::MTrack);
    EXPECT_EQ(piece("7263").system, Systems::KTrack);
}

TEST(BuiltinCatalog, EveryPieceIsWellFormedAndFoundByItsOwnArticle) {
    std::set<std::string> seen;
    int uncouplers = 0;
    for (int row = 0; row < catalog().count(); ++row) {
        const PieceDef& def = *catalog().byIndex(row);
        SCOPED_TRACE(def.article);
        EXPECT_TRUE(seen.insert(def.article).second) << "duplicate article";
        EXPECT_EQ(catalog().byArticle(def.article), &def);
        // Every name starts with the article's number (letter suffixes are not in the name).
        const std::string number = def.article.substr(0, def.article.find_first_of("TMC"));
        EXPECT_EQ(def.name.rfind(number, 0), 0u) << def.name;
        ASSERT_FALSE(def.connectors.empty());
        EXPECT_GT(def.length, 0.0);
        for (size_t i = 0; i < def.connectors.size(); ++i) {
            EXPECT_EQ(def.connectors[i].index, static_cast<int>(i));
            EXPECT_TRUE(def.connectors[i].open);
            EXPECT_GE(def.connectors[i].heading, 0.0);
            EXPECT_LT(def.connectors[i].heading, 360.0);
        }
        // Connector 0 is the origin facing back, except on turntables (origin = the pit's centre).
        if (def.kind != K::Turntable)
            expectConnector(def, 0, {0.0, 0.0, 180.0}, 1e-9);
        uncouplers += def.kind == K::Uncoupler ? 1 : 0;
    }
    // Only the M-Track uncoupler has its own kind; the others are drawn as plain straights.
    EXPECT_EQ(uncouplers, 1);
    EXPECT_EQ(piece("5112").kind, K::Uncoupler);
    EXPECT_EQ(piece("24997").kind, K::Straight);
}

TEST(BuiltinCatalog, NamesKeepQuotesDegreeSignsAndFractions) {
    const std::vector<std::pair<std::string, std::string>> names = {
        {"2263", "2263 Right Turnout Length 168.9 mm / 6-5/8\""},
        {"22716", "22716 Right Turnout Length 225 mm / 8-7/8\" / Radius 902.4 mm / 35-1/2\""},
        {"24130", "24130 (30°) R1 - 360mm (14-3/16)"},
        {"59085", "59085 Left Curved Turnout R1394/1550mm 22.5°"},
        {"62107", "62107 (7.5deg) R1 - 360mm"},
        {"2295", "2295 Contact Track Set Length 2 x 90 mm / 3-9/16\""},
        {"74620T", "74620 Truss Bridge 180mm (Trix)"},
        {"5208C", "5208C Lean Compensation Curve 1.1°"},
        {"5208", "5208 Straight 8mm"},
    };
    for (const auto& [article, name] : names)
        EXPECT_EQ(piece(article).name, name);
}

TEST(BuiltinCatalog, StraightsCurvesAndBumpersHaveTheirSizes) {
    struct Size {
        std::string article;
        PieceKind kind;
        double length, radius, angle;
        size_t ends;
    };
    // Two truss bridges named 180mm are 188.3 mm long; the ramp stores its arc length.
    const std::vector<Size> sizes = {
        {"24188", K::Straight, 188.3, 0, 0, 2},    {"2205", K::Straight, 900, 0, 0, 2},
        {"74620", K::Straight, 188.3, 0, 0, 2},    {"74620T", K::Straight, 188.3, 0, 0, 2},
        {"7262", K::Straight, 180, 0, 0, 2},       {"7389", K::BufferStop, 60, 0, 0, 1},
        {"5190", K::BufferStop, 90, 0, 0, 1},      {"24130", K::Curve, 188.5, 360, 30, 2},
        {"74623", K::Curve, 229.07, 437.5, 30, 2}, {"2274", K::Curve, 227.40, 902.4, 14.4382, 2},
        {"5208C", K::Curve, 8.0, 416.7, 1.1, 2},   {"8562", K::LeftTurnout, 110, 490, -13, 3},
    };
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.article);
        const PieceDef& def = piece(s.article);
        EXPECT_EQ(def.kind, s.kind);
        EXPECT_NEAR(def.length, s.length, s.kind == K::Curve ? 0.01 : 1e-9);
        EXPECT_DOUBLE_EQ(def.radius, s.radius);
        EXPECT_DOUBLE_EQ(def.angle, s.angle);
        EXPECT_EQ(def.connectors.size(), s.ends);
    }
    EXPECT_TRUE(piece("74623").isBridge);
    EXPECT_TRUE(piece("74623").isRamp);
}

TEST(BuiltinCatalog, ComputedPiecesEndWhereTheirGeometrySays) {
    struct End {
        std::string article;
        int i;
        Conn at;
        double tol;
    };
    const std::vector<End> ends = {
        {"24188", 1, {188.3, 0.0, 0.0}, 0.01},
        {"59056", 1, {152.2, 0.0, 0.0}, 0.01},
        {"5112", 1, {90.0, 0.0, 0.0}, 0.01},
        // Curves bend right (positive y) from the origin.
        {"24130", 1, {180.0, 48.23, 30.0}, 0.01},
        {"2274", 1, {225.0, 28.50, 14.4382}, 0.01},
        {"8510", 1, {102.53, 42.47, 45.0}, 0.01},
        // Z-Track 8562: the 13 degree branch on radius 490 would end past the 110 mm straight,
        // so it ends level with it at a slightly smaller angle; the nominal angle stays stored.
        {"8562", 1, {110.0, 0.0, 0.0}, 0.01},
        {"8562", 2, {110.0, -12.51, 347.03}, 0.01},
        {"2263", 1, {168.9, 0.0, 0.0}, 0.01},
        {"2263", 2, {162.49, 32.32, 22.5}, 0.01},
        // M-Track: R1 30 degrees reaches exactly the 180 mm straight's end; 22.5 stops short.
        {"5117", 2, {180.0, -48.23, 330.0}, 0.01},
        {"5119", 2, {180.0, 48.23, 30.0}, 0.01},
        {"5137", 2, {137.77, -27.40, 337.5}, 0.01},
        // Gauge 1 and K-Track slim turnouts: cut back from 10 to about 9.997 degrees.
        {"59083", 2, {402.9, 35.237, 9.9966}, 0.001},
        {"59084", 2, {402.9, -35.237, 350.0034}, 0.001},
        {"22715", 2, {225.0, -28.50, 345.5618}, 0.001},
        // Crossings and rule-built double slips cross at their middle.
        {"8559", 1, {112.8, 0.0, 0.0}, 0.001},
        {"8559", 2, {1.446, -12.687, 193.0}, 0.001},
        {"8559", 3, {111.354, 12.687, 13.0}, 0.001},
        {"5114", 2, {12.929, -48.25, 210.0}, 0.001},
        {"5114", 3, {180.071, 48.25, 30.0}, 0.001},
        {"5211", 3, {81.468, 36.699, 48.5}, 0.001},
        {"5207", 2, {7.319, -35.551, 203.267}, 0.001},
        {"5207", 3, {172.681, 35.551, 23.267}, 0.001},
        // Offset curved turnouts move the outer branch on by their length.
        {"8568", 1, {97.5, -26.125, 330.0}, 0.001},
        {"8568", 2, {122.5, -26.125, 330.0}, 0.001},
        {"8569", 2, {122.5, 26.125, 30.0}, 0.001},
        {"5142", 1, {180.0, 48.23, 30.0}, 0.01},
        {"5142", 2, {257.4, 48.23, 30.0}, 0.01},
        {"5143", 2, {257.4, -48.23, 330.0}, 0.01},
    };
    for (const End& e : ends)
        expectConnector(piece(e.article), e.i, e.at, e.tol);
    EXPECT_EQ(piece("8562").kind, K::LeftTurnout);
    EXPECT_EQ(piece("2263").kind, K::RightTurnout);
    EXPECT_DOUBLE_EQ(piece("2263").angle, 22.5);
    EXPECT_DOUBLE_EQ(piece("5137").angle, -22.5);
    EXPECT_EQ(piece("8559").kind, K::Crossing);
    EXPECT_EQ(piece("5207").kind, K::DoubleSlip);
    EXPECT_DOUBLE_EQ(piece("5207").angle, 23.267);
    EXPECT_EQ(piece("8568").kind, K::OffsetCurvedTurnout);
    EXPECT_DOUBLE_EQ(piece("8568").length, 25.0);
    EXPECT_EQ(piece("5128").connectors.size(), 4u);
}

namespace {

// An explicitly listed piece; connector 0 (the origin facing back) is checked by the sweep above.
struct Listed {
    const char* article;
    PieceKind kind;
    double length, radius, angle;
    std::vector<Conn> ends;
};

constexpr K LT = K::LeftTurnout, RT = K::RightTurnout, CT = K::CurvedTurnout, X = K::Crossing,
            DS = K::DoubleSlip, BS = K::BufferStop, S = K::Straight, OC = K::OffsetCurvedTurnout;

// clang-format off
const std::vector<Listed> kListed = {
    {"24611", LT, 188.3, 437.5, -24.3, {{188.3,0,0}, {180.04,-38.76,335.7}}},
    {"24612", RT, 188.3, 437.5, 24.3, {{188.3,0,0}, {180.04,38.76,24.3}}},
    {"24630", LT, 188.3, 437.5, 24.3, {{188.3,0,0}, {180.04,38.76,24.3}, {180.04,-38.76,335.7}}},
    {"24671", CT, 257.5, 360, -30, {{180,-48.2,330}, {257.5,-48.2,330}}},
    {"24672", CT, 257.5, 360, 30, {{180,48.2,30}, {257.5,48.2,30}}},
    {"24740", X, 236.1, 0, 12.1, {{236.1,0,0}, {2.62,-24.75,192.1}, {233.48,24.75,12.1}}},
    {"24649", X, 103.3, 0, 48.6, {{103.3,0,0}, {17.49,-38.74,228.6}, {85.81,38.74,48.6}}},
    {"24640", X, 188.3, 0, 24.3, {{188.3,0,0}, {8.34,-38.74,204.3}, {179.96,38.74,24.3}}},
    {"24624", DS, 188.3, 437.4, 24.3, {{188.3,0,0}, {8.34,-38.74,204.3}, {179.96,38.74,24.3}}},
    {"24720", DS, 236.1, 1114.6, 12.1, {{236.1,0,0}, {2.62,-24.75,192.1}, {233.48,24.75,12.1}}},
    {"24711", LT, 236.1, 1114.6, -12.1, {{236.1,0,0}, {233.485,-24.729,347.908}}},
    {"24712", RT, 236.1, 1114.6, 12.1, {{236.1,0,0}, {233.485,24.729,12.092}}},
    {"24771", CT, 321.5, 515, -30, {{257.5,-69,330}, {321.5,-69,330}}},
    {"24772", CT, 321.5, 515, 30, {{257.5,69,30}, {321.5,69,30}}},
    {"24977", BS, 48.3, 0, 0, {}},
    {"24978", BS, 48.3, 0, 0, {}},
    {"74871", S, 57.5, 0, 0, {{57.5,0,0}}},
    {"62611", LT, 188.3, 437.5, -24.3, {{188.3,0,0}, {180.04,-38.76,335.7}}},
    {"62612", RT, 188.3, 437.5, 24.3, {{188.3,0,0}, {180.04,38.76,24.3}}},
    {"62671", CT, 257.5, 437.5, -24.3, {{180,-38.76,335.7}, {257.5,-38.76,335.7}}},
    {"62672", CT, 257.5, 437.5, 24.3, {{180,38.76,24.3}, {257.5,38.76,24.3}}},
    {"62630", LT, 188.3, 437.5, 24.3, {{188.3,0,0}, {180.04,38.76,24.3}, {180.04,-38.76,335.7}}},
    {"62977", BS, 80.5, 0, 0, {}},
    {"8560", DS, 112.8, 501.4424, 13, {{112.8,0,0}, {0,-12.8519,193}, {112.8,12.8519,13}}},
    {"8991", BS, 15, 0, 0, {}},
    {"2257", X, 225, 0, 22.5, {{225,0,0}, {8.56,-43.05,202.5}, {216.44,43.05,22.5}}},
    {"2258", X, 90, 0, 45, {{90,0,0}, {13.18,-31.82,225}, {76.82,31.82,45}}},
    {"2259", X, 168.9, 0, 22.5, {{168.9,0,0}, {6.43,-32.32,202.5}, {162.47,32.32,22.5}}},
    {"2269", OC, 64.6, 360, 30, {{180,48.23,30}, {244.6,48.23,30}}},
    {"2268", OC, 64.6, 360, -30, {{180,-48.23,330}, {244.6,-48.23,330}}},
    {"2270", LT, 168.9, 424.6, 22.5, {{168.9,0,0}, {162.49,32.32,22.5}, {162.49,-32.32,337.5}}},
    {"2260", DS, 168.9, 424.6, 22.5, {{168.9,0,0}, {6.41,-32.32,202.5}, {162.49,32.32,22.5}}},
    {"2275", DS, 225, 902.4, 14.3, {{225,0,0}, {3.49,-27.79,194.3}, {221.51,27.79,14.3}}},
    {"7287", S, 57.5, 0, 0, {{57.5,0,0}}},
    {"59085", OC, 59.5, 1550, -22.5, {{593.2,-118,337.5}, {533.5,-106.1,337.5}}},
    {"59086", OC, 59.5, 1550, 22.5, {{593.2,118,22.5}, {533.5,106.1,22.5}}},
    {"59091", LT, 360.8, 1394, 15, {{360.8,0,0}, {360.8,47.5,15}, {360.8,-47.5,345}}},
    {"59093", DS, 533.5, 1394, 22.5, {{533.5,0,0}, {0,106.1,202.5}, {533.5,106.1,22.5}}},
    {"59094", DS, 533.5, 1394, 22.5, {{533.5,0,0}, {0,106.1,202.5}, {533.5,106.1,22.5}}},
    {"5214", CT, 179.1, 437.4, 24.17, {{179.1,0,0}, {179.1,38.3,24.17}, {179.1,-38.3,335.83}}},
};
// clang-format on

}  // namespace

TEST(BuiltinCatalog, ExplicitPiecesHaveTheirListedConnectors) {
    ASSERT_EQ(kListed.size(), 40u);
    for (const Listed& want : kListed) {
        SCOPED_TRACE(want.article);
        const PieceDef& def = piece(want.article);
        EXPECT_EQ(def.kind, want.kind);
        EXPECT_DOUBLE_EQ(def.length, want.length);
        EXPECT_DOUBLE_EQ(def.radius, want.radius);
        EXPECT_DOUBLE_EQ(def.angle, want.angle);
        ASSERT_EQ(def.connectors.size(), want.ends.size() + 1);
        for (size_t i = 0; i < want.ends.size(); ++i)
            expectConnector(def, static_cast<int>(i) + 1, want.ends[i], 1e-9);
    }
}

TEST(BuiltinCatalog, TurntablesAreRingsOfConnectorsAroundTheirCentre) {
    struct Ring {
        std::string article;
        TrackSystem system;
        double length, rho, step;
        size_t count;
    };
    for (const Ring& ring : {Ring{"74861", Systems::CTrack, 378.0, 139.0, 12.0, 30},
                             Ring{"7286", Systems::KTrack, 386.0, 193.0, 7.5, 48}}) {
        SCOPED_TRACE(ring.article);
        const PieceDef& def = piece(ring.article);
        EXPECT_EQ(def.kind, K::Turntable);
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
    expectConnector(piece("74861"), 0, {139.0, 0.0, 0.0}, 1e-9);
    expectConnector(piece("74861"), 15, {-139.0, 0.0, 180.0}, 1e-9);
    expectConnector(piece("7286"), 12, {0.0, 193.0, 90.0}, 1e-9);
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
    const std::vector<std::tuple<std::string, TrackSystem, TrackSystem>> adapters = {
        {"24922", Systems::CTrack, Systems::KTrack},
        {"24951", Systems::CTrack, Systems::MTrack},
        {"2291", Systems::KTrack, Systems::MTrack},
    };
    for (const auto& [article, first, second] : adapters) {
        SCOPED_TRACE(article);
        const PieceDef& def = piece(article);
        EXPECT_EQ(def.system, first);
        EXPECT_EQ(def.kind, K::Straight);
        EXPECT_DOUBLE_EQ(def.length, 180.0);
        EXPECT_EQ(connectorSystem(def, 0), first);
        EXPECT_EQ(connectorSystem(def, 1), second);
    }
    int withSystems = 0;
    for (const PieceDef& def : catalog().pieces())
        withSystems += def.connectorSystems.empty() ? 0 : 1;
    EXPECT_EQ(withSystems, 3);
}

TEST(BuiltinCatalog, TrixAliasesAndTheCopiedDoubleSlip) {
    const std::vector<std::pair<std::string, std::string>> aliases = {
        {"62636", "74636T"}, {"62620", "74620T"}, {"62623", "74623T"}, {"62613", "74613T"}};
    for (const auto& [alias, article] : aliases) {
        const PieceDef* def = catalog().byArticle(alias);
        ASSERT_NE(def, nullptr) << alias;
        EXPECT_EQ(def, catalog().byArticle(article)) << alias;
        EXPECT_EQ(def->system, Systems::TrixC) << alias;
        EXPECT_EQ(positionOf(alias), -1) << alias << " must not be a row of its own";
    }
    EXPECT_EQ(piece("62636").name, "74636 Arch Bridge 360mm (Trix)");

    // The TRIX double slip is its own row with the C-Track slip's shape.
    const PieceDef& trix = piece("62624");
    EXPECT_EQ(trix.name, "62624 Double Slip Switch 24.3deg");
    EXPECT_EQ(trix.system, Systems::TrixC);
    EXPECT_EQ(trix.kind, K::DoubleSlip);
    EXPECT_DOUBLE_EQ(trix.radius, 437.4);
    EXPECT_DOUBLE_EQ(trix.angle, 24.3);
    const PieceDef& c = piece("24624");
    ASSERT_EQ(trix.connectors.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const ConnectorDef& w = c.connectors[static_cast<size_t>(i)];
        expectConnector(trix, i, {w.x, w.y, w.heading}, 0.0);
    }
}

TEST(BuiltinCatalog, PlainTrackLeavesOutSpecialPieces) {
    EXPECT_TRUE(isPlainTrack(piece("24188"), K::Straight, Systems::CTrack));
    EXPECT_TRUE(isPlainTrack(piece("2205"), K::Straight, Systems::KTrack));
    EXPECT_TRUE(isPlainTrack(piece("5205"), K::Curve, Systems::MTrack));
    EXPECT_FALSE(isPlainTrack(piece("24188"), K::Straight, Systems::TrixC));
    for (const char* article :
         {"24994", "24997", "74618", "74871", "7287", "24922", "2290", "8588", "2295", "74636"})
        EXPECT_FALSE(isPlainTrack(piece(article), K::Straight, piece(article).system)) << article;
    for (const char* article : {"24294", "8529", "2229", "5206", "5208C", "74623", "7267M"})
        EXPECT_FALSE(isPlainTrack(piece(article), K::Curve, piece(article).system)) << article;
    // Every system that has pieces offers plain straights and curves to the fillers.
    for (TrackSystem system : {Systems::CTrack, Systems::KTrack, Systems::ZTrack, Systems::TrixC,
                               Systems::Gauge1, Systems::MTrack}) {
        int straights = 0;
        int curves = 0;
        for (const PieceDef& def : catalog().pieces()) {
            straights += isPlainTrack(def, K::Straight, system) ? 1 : 0;
            curves += isPlainTrack(def, K::Curve, system) ? 1 : 0;
        }
        EXPECT_GT(straights, 0) << system;
        EXPECT_GT(curves, 0) << system;
    }
}

TEST(BuiltinCatalog, RefillingReplacesWhateverTheCatalogHeld) {
    TrackCatalog local;
    PieceDef stray;
    stray.article = "99999";
    local.add(stray);
    addBuiltinTrackPieces(local);
    addBuiltinTrackPieces(local);
    EXPECT_EQ(local.count(), 248);
    EXPECT_EQ(local.byArticle("99999"), nullptr);
    EXPECT_EQ(local.byIndex(0)->article, "24188");
    ASSERT_NE(local.byArticle("62623"), nullptr);
    EXPECT_EQ(local.byArticle("62623")->article, "74623T");
}
