#include "catalog/helix_catalog.h"

#include "catalog/track_catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(HelixCatalog, HoldsTenVariantsInTableOrder) {
    const auto& v = helixVariants();
    ASSERT_EQ(v.size(), 10u);
    const char* keys[] = {"proses_2_5_r1r2", "proses_3_5_r1r2", "proses_4_5_r1r2",
                          "proses_2_5_r2r3", "proses_3_5_r2r3", "proses_2_5_r3r4",
                          "proses_4_5_r3r4", "proses_2_5_r4r5", "proses_3_5_r4r5",
                          "proses_4_5_r4r5"};
    std::set<std::string> seen;
    for (size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i].key, keys[i]) << "position " << i;
        EXPECT_TRUE(seen.insert(v[i].key).second) << "duplicate " << v[i].key;
        EXPECT_EQ(findHelixVariant(v[i].key), &v[i]);
    }
}

TEST(HelixCatalog, NamesCarryTheInchSign) {
    const auto& v = helixVariants();
    EXPECT_EQ(v[0].name, "Proses 2.5 R1&R2 26cm/10.2\"");
    EXPECT_EQ(v[4].name, "Proses 3.5 R2&R3 34cm/13.4\"");
    EXPECT_EQ(v[9].name, "Proses 4.5 R4&R5 42cm/16.5\"");
}

TEST(HelixCatalog, R2R3VariantHasItsRiseAndRadii) {
    const HelixVariant* v = findHelixVariant("proses_3_5_r2r3");
    ASSERT_NE(v, nullptr);
    EXPECT_DOUBLE_EQ(v->turns, 3.5);
    EXPECT_DOUBLE_EQ(v->rise, 340.0);
    EXPECT_DOUBLE_EQ(v->innerRadius, 437.5);
    EXPECT_DOUBLE_EQ(v->outerRadius, 515.0);
    EXPECT_EQ(v->straightArticle, "24188");
    EXPECT_EQ(v->innerCurveArticle, "24230");
    EXPECT_EQ(v->outerCurveArticle, "24330");
}

TEST(HelixCatalog, EveryVariantMatchesItsRadiusPairAndTurnCount) {
    struct Pair {
        const char* tag;
        double inner, outer;
        const char* innerCurve;
        const char* outerCurve;
    };
    const Pair pairs[] = {{"r1r2", 360, 437.5, "24130", "24230"},
                          {"r2r3", 437.5, 515, "24230", "24330"},
                          {"r3r4", 515, 579.3, "24330", "24430"},
                          {"r4r5", 579.3, 643.6, "24430", "24530"}};
    for (const HelixVariant& v : helixVariants()) {
        const Pair* match = nullptr;
        for (const Pair& p : pairs) {
            if (v.key.ends_with(p.tag)) {
                match = &p;
            }
        }
        ASSERT_NE(match, nullptr) << v.key;
        EXPECT_DOUBLE_EQ(v.innerRadius, match->inner) << v.key;
        EXPECT_DOUBLE_EQ(v.outerRadius, match->outer) << v.key;
        EXPECT_EQ(v.innerCurveArticle, match->innerCurve) << v.key;
        EXPECT_EQ(v.outerCurveArticle, match->outerCurve) << v.key;
        EXPECT_EQ(v.straightArticle, "24188") << v.key;
        // "proses_3_5_..." has 3.5 turns; every variant climbs 80 mm per extra turn from 260.
        const double turns = (v.key[7] - '0') + 0.5;
        EXPECT_DOUBLE_EQ(v.turns, turns) << v.key;
        EXPECT_DOUBLE_EQ(v.rise, 260.0 + (turns - 2.5) * 80.0) << v.key;
        EXPECT_LT(v.innerRadius, v.outerRadius) << v.key;
    }
}

TEST(HelixCatalog, CurveCountIsTwelvePerTurnTruncated) {
    EXPECT_EQ(findHelixVariant("proses_2_5_r1r2")->curveCount(), 30);
    EXPECT_EQ(findHelixVariant("proses_3_5_r4r5")->curveCount(), 42);
    EXPECT_EQ(findHelixVariant("proses_4_5_r3r4")->curveCount(), 54);
    HelixVariant odd;
    odd.turns = 1.49;
    EXPECT_EQ(odd.curveCount(), 17);
}

TEST(HelixCatalog, RisePerTurnIsTotalRiseOverTurns) {
    EXPECT_DOUBLE_EQ(findHelixVariant("proses_2_5_r2r3")->risePerTurn(), 104.0);
    EXPECT_NEAR(findHelixVariant("proses_4_5_r1r2")->risePerTurn(), 93.333333, 1e-5);
    EXPECT_DOUBLE_EQ(HelixVariant{}.risePerTurn(), 0.0);
}

TEST(HelixCatalog, UnknownKeysFindNothingAndFallBackToTheDefault) {
    EXPECT_EQ(findHelixVariant(""), nullptr);
    EXPECT_EQ(findHelixVariant("PROSES_2_5_R1R2"), nullptr);
    EXPECT_EQ(findHelixVariant("proses_3_5_r3r4"), nullptr);  // not a built model
    const HelixVariant* fallback = helixVariantOrDefault("nope");
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->key, "proses_2_5_r1r2");
    EXPECT_EQ(helixVariantOrDefault("proses_4_5_r4r5")->key, "proses_4_5_r4r5");
    EXPECT_EQ(kDefaultHelixVariant, "proses_2_5_r1r2");
}

TEST(HelixCatalog, EveryVariantIsBuiltFromCTrackPiecesOfItsRadii) {
    // The spiral is laid from 30-degree curves, twelve per turn, so the curve articles must be
    // 30-degree C-Track curves of exactly the variant's radii, and the stubs a C-Track straight.
    const TrackCatalog& track = TrackCatalog::instance();
    for (const HelixVariant& v : helixVariants()) {
        const PieceDef* straight = track.byArticle(v.straightArticle);
        const PieceDef* inner = track.byArticle(v.innerCurveArticle);
        const PieceDef* outer = track.byArticle(v.outerCurveArticle);
        ASSERT_NE(straight, nullptr) << v.key;
        ASSERT_NE(inner, nullptr) << v.key;
        ASSERT_NE(outer, nullptr) << v.key;
        EXPECT_EQ(straight->system, Systems::CTrack) << v.key;
        EXPECT_EQ(straight->kind, PieceKind::Straight) << v.key;
        for (const PieceDef* c : {inner, outer}) {
            EXPECT_EQ(c->system, Systems::CTrack) << v.key << " " << c->article;
            EXPECT_EQ(c->kind, PieceKind::Curve) << v.key << " " << c->article;
            EXPECT_DOUBLE_EQ(c->angle, 30.0) << v.key << " " << c->article;
        }
        EXPECT_DOUBLE_EQ(inner->radius, v.innerRadius) << v.key;
        EXPECT_DOUBLE_EQ(outer->radius, v.outerRadius) << v.key;
    }
}
