// The built-in track catalog: sweeps over every piece for the invariants the snapping and the
// fillers rely on, plus representative pieces of each shape rule.

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/track_catalog.h"
#include "document/snap_search.h"
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

using K = PieceKind;

}  // namespace

TEST(BuiltinCatalog, HoldsAll248WellFormedPiecesEachFoundByItsOwnArticle) {
    ASSERT_TRUE(catalog().loaded());
    ASSERT_EQ(catalog().count(), 248);
    EXPECT_EQ(catalog().byIndex(0)->name, "24188 - 188.3mm");
    EXPECT_EQ(catalog().byIndex(247)->name, "5191 Track Bumper Remote");
    std::set<std::string> seen;
    std::vector<int> perSystem(9, 0);
    int uncouplers = 0;
    for (const PieceDef& def : catalog().pieces()) {
        SCOPED_TRACE(def.article);
        EXPECT_TRUE(seen.insert(def.article).second) << "duplicate article";
        EXPECT_EQ(catalog().byArticle(def.article), &def);
        ASSERT_LT(def.system, 9u);
        ++perSystem[def.system];
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
    EXPECT_EQ(perSystem, (std::vector<int>{50, 54, 34, 33, 0, 0, 0, 31, 46}));
    // Only the M-Track uncoupler has its own kind; the others are drawn as plain straights.
    EXPECT_EQ(uncouplers, 1);
    EXPECT_EQ(piece("5112").kind, K::Uncoupler);
    EXPECT_EQ(piece("24997").kind, K::Straight);
    EXPECT_EQ(piece("7263M").system, Systems::MTrack);
}

TEST(BuiltinCatalog, ComputedPiecesEndWhereTheirGeometrySays) {
    EXPECT_EQ(piece("74623").kind, K::Curve);
    EXPECT_NEAR(piece("74623").length, 229.07, 0.01);
    EXPECT_TRUE(piece("74623").isBridge && piece("74623").isRamp);
    EXPECT_FALSE(piece("24188").isBridge || piece("24188").isRamp);
    struct End {
        std::string article;
        int i;
        Conn at;
    };
    const std::vector<End> ends = {
        {"24188", 1, {188.3, 0.0, 0.0}},
        {"24130", 1, {180.0, 48.23, 30.0}},  // curves bend right (positive y)
        // Z-Track 8562: the 13 degree branch on radius 490 would end past the 110 mm straight,
        // so it ends level with it at a slightly smaller angle.
        {"8562", 1, {110.0, 0.0, 0.0}},
        {"8562", 2, {110.0, -12.51, 347.03}},
        {"2263", 1, {168.9, 0.0, 0.0}},
        {"2263", 2, {162.49, 32.32, 22.5}},
        {"59083", 2, {402.9, 35.237, 9.9966}},  // slim turnout cut back from 10 degrees
        {"8559", 3, {111.354, 12.687, 13.0}},   // crossings cross at their middle
        {"5207", 3, {172.681, 35.551, 23.267}},
        {"8568", 2, {122.5, -26.125, 330.0}},  // offset curved turnout: outer branch moved on
    };
    for (const End& e : ends)
        expectConnector(piece(e.article), e.i, e.at);
    EXPECT_EQ(piece("8562").kind, K::LeftTurnout);
    EXPECT_DOUBLE_EQ(piece("8562").angle, -13.0) << "the nominal angle stays stored";
    EXPECT_EQ(piece("2263").kind, K::RightTurnout);
}

TEST(BuiltinCatalog, RepresentativeExplicitPiecesHaveTheirListedConnectors) {
    struct Listed {
        const char* article;
        PieceKind kind;
        double length, radius, angle;
        std::vector<Conn> ends;  // connector 0 is checked by the sweep
    };
    const std::vector<Listed> listed = {
        {"24630",
         K::LeftTurnout,
         188.3,
         437.5,
         24.3,
         {{188.3, 0, 0}, {180.04, 38.76, 24.3}, {180.04, -38.76, 335.7}}},
        {"24671", K::CurvedTurnout, 257.5, 360, -30, {{180, -48.2, 330}, {257.5, -48.2, 330}}},
        {"24740",
         K::Crossing,
         236.1,
         0,
         12.1,
         {{236.1, 0, 0}, {2.62, -24.75, 192.1}, {233.48, 24.75, 12.1}}},
        {"8560",
         K::DoubleSlip,
         112.8,
         501.4424,
         13,
         {{112.8, 0, 0}, {0, -12.8519, 193}, {112.8, 12.8519, 13}}},
        {"59085",
         K::OffsetCurvedTurnout,
         59.5,
         1550,
         -22.5,
         {{593.2, -118, 337.5}, {533.5, -106.1, 337.5}}},
    };
    for (const Listed& want : listed) {
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
        double rho, step;
        size_t count;
    };
    for (const Ring& ring : {Ring{"74861", 139.0, 12.0, 30}, Ring{"7286", 193.0, 7.5, 48}}) {
        SCOPED_TRACE(ring.article);
        const PieceDef& def = piece(ring.article);
        EXPECT_EQ(def.kind, K::Turntable);
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
    expectConnector(piece("74861"), 15, {-139.0, 0.0, 180.0}, 1e-9);
}

TEST(BuiltinCatalog, AdaptersJoinTwoSystemsThroughTheirConnectors) {
    const std::vector<std::tuple<std::string, TrackSystem, TrackSystem>> adapters = {
        {"24922", Systems::CTrack, Systems::KTrack},
        {"24951", Systems::CTrack, Systems::MTrack},
        {"2291", Systems::KTrack, Systems::MTrack},
    };
    for (const auto& [article, first, second] : adapters) {
        const PieceDef& def = piece(article);
        EXPECT_EQ(connectorSystem(def, 0), first) << article;
        EXPECT_EQ(connectorSystem(def, 1), second) << article;
    }
    int withSystems = 0;
    for (const PieceDef& def : catalog().pieces())
        withSystems += def.connectorSystems.empty() ? 0 : 1;
    EXPECT_EQ(withSystems, 3);
}

TEST(BuiltinCatalog, TrixAliasesAndTheCopiedDoubleSlip) {
    for (const auto& [alias, article] : std::vector<std::pair<std::string, std::string>>{
             {"62636", "74636T"}, {"62620", "74620T"}, {"62623", "74623T"}, {"62613", "74613T"}}) {
        const PieceDef* def = catalog().byArticle(alias);
        ASSERT_NE(def, nullptr) << alias;
        EXPECT_EQ(def, catalog().byArticle(article)) << alias;
        EXPECT_EQ(def->system, Systems::TrixC) << alias;
    }
    // The TRIX double slip is its own row with the C-Track slip's shape.
    const PieceDef& trix = piece("62624");
    EXPECT_EQ(trix.system, Systems::TrixC);
    EXPECT_EQ(trix.kind, K::DoubleSlip);
    const PieceDef& c = piece("24624");
    ASSERT_EQ(trix.connectors.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const ConnectorDef& w = c.connectors[static_cast<size_t>(i)];
        expectConnector(trix, i, {w.x, w.y, w.heading}, 0.0);
    }

    // Filling again replaces whatever the catalog held; aliases and the count are unchanged.
    TrackCatalog local;
    PieceDef stray;
    stray.article = "99999";
    local.add(stray);
    addBuiltinTrackPieces(local);
    addBuiltinTrackPieces(local);
    EXPECT_EQ(local.count(), 248);
    EXPECT_EQ(local.byArticle("99999"), nullptr);
    ASSERT_NE(local.byArticle("62623"), nullptr);
    EXPECT_EQ(local.byArticle("62623")->article, "74623T");
}

TEST(BuiltinCatalog, PlainTrackLeavesOutSpecialPieces) {
    EXPECT_TRUE(isPlainTrack(piece("24188"), K::Straight, Systems::CTrack));
    EXPECT_TRUE(isPlainTrack(piece("5205"), K::Curve, Systems::MTrack));
    EXPECT_FALSE(isPlainTrack(piece("24188"), K::Straight, Systems::TrixC));
    for (const char* article : {"24994", "74618", "24922", "2295", "74636"})
        EXPECT_FALSE(isPlainTrack(piece(article), K::Straight, piece(article).system)) << article;
    for (const char* article : {"5206", "5208C", "74623"})
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
