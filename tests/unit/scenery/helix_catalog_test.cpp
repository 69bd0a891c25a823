#include "catalog/helix_catalog.h"

#include "catalog/track_catalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(HelixCatalog, HoldsTenVariantsInTableOrderWithInchSignsInTheirNames) {
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
    EXPECT_EQ(v[0].name, "Proses 2.5 R1&R2 26cm/10.2\"");
    EXPECT_EQ(v[4].name, "Proses 3.5 R2&R3 34cm/13.4\"");
    EXPECT_EQ(v[9].name, "Proses 4.5 R4&R5 42cm/16.5\"");
}

TEST(HelixCatalog, EveryVariantIsBuiltFromCTrackPiecesOfItsRadiusPairAndTurnCount) {
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
    const TrackCatalog& track = TrackCatalog::instance();
    for (const HelixVariant& v : helixVariants()) {
        SCOPED_TRACE(v.key);
        const Pair* match = nullptr;
        for (const Pair& p : pairs)
            match = v.key.ends_with(p.tag) ? &p : match;
        ASSERT_NE(match, nullptr);
        EXPECT_DOUBLE_EQ(v.innerRadius, match->inner);
        EXPECT_DOUBLE_EQ(v.outerRadius, match->outer);
        EXPECT_EQ(v.innerCurveArticle, match->innerCurve);
        EXPECT_EQ(v.outerCurveArticle, match->outerCurve);
        EXPECT_EQ(v.straightArticle, "24188");
        // "proses_3_5_..." has 3.5 turns; every variant climbs 80 mm per extra turn from 260.
        const double turns = (v.key[7] - '0') + 0.5;
        EXPECT_DOUBLE_EQ(v.turns, turns);
        EXPECT_DOUBLE_EQ(v.rise, 260.0 + (turns - 2.5) * 80.0);
        // The spiral is laid from 30-degree C-Track curves of exactly the variant's radii.
        for (const auto& [article, radius] : {std::pair{v.innerCurveArticle, v.innerRadius},
                                              std::pair{v.outerCurveArticle, v.outerRadius}}) {
            const PieceDef* c = track.byArticle(article);
            ASSERT_NE(c, nullptr) << article;
            EXPECT_EQ(c->system, Systems::CTrack) << article;
            EXPECT_EQ(c->kind, PieceKind::Curve) << article;
            EXPECT_DOUBLE_EQ(c->angle, 30.0) << article;
            EXPECT_DOUBLE_EQ(c->radius, radius) << article;
        }
    }
}

TEST(HelixCatalog, CurveCountRisePerTurnAndFallback) {
    // Twelve curves per turn, truncated.
    EXPECT_EQ(findHelixVariant("proses_2_5_r1r2")->curveCount(), 30);
    EXPECT_EQ(findHelixVariant("proses_4_5_r3r4")->curveCount(), 54);
    HelixVariant odd;
    odd.turns = 1.49;
    EXPECT_EQ(odd.curveCount(), 17);
    EXPECT_DOUBLE_EQ(findHelixVariant("proses_2_5_r2r3")->risePerTurn(), 104.0);
    EXPECT_NEAR(findHelixVariant("proses_4_5_r1r2")->risePerTurn(), 93.333333, 1e-5);
    EXPECT_DOUBLE_EQ(HelixVariant{}.risePerTurn(), 0.0);

    EXPECT_EQ(findHelixVariant(""), nullptr);
    EXPECT_EQ(findHelixVariant("PROSES_2_5_R1R2"), nullptr);
    EXPECT_EQ(findHelixVariant("proses_3_5_r3r4"), nullptr);  // not a built model
    ASSERT_NE(helixVariantOrDefault("nope"), nullptr);
    EXPECT_EQ(helixVariantOrDefault("nope")->key, "proses_2_5_r1r2");
    EXPECT_EQ(helixVariantOrDefault("proses_4_5_r4r5")->key, "proses_4_5_r4r5");
}
