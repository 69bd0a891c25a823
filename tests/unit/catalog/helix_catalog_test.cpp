#include "catalog/helix_catalog.h"

#include "catalog/track_catalog.h"

#include <gtest/gtest.h>

#include <string>

TEST(HelixCatalog, TenVariantsBuiltFromCTrackCurvesOfTheirRadiusPair) {
    const auto& v = helixVariants();
    ASSERT_EQ(v.size(), 10u);
    std::string keys;
    for (const HelixVariant& h : v)
        keys += h.key.substr(7) + " ";
    EXPECT_EQ(keys,
              "2_5_r1r2 3_5_r1r2 4_5_r1r2 2_5_r2r3 3_5_r2r3 2_5_r3r4 4_5_r3r4 2_5_r4r5 "
              "3_5_r4r5 4_5_r4r5 ");
    EXPECT_EQ(v[0].name, "Proses 2.5 R1&R2 26cm/10.2\"");
    const TrackCatalog& track = TrackCatalog::instance();
    for (const HelixVariant& h : v) {
        SCOPED_TRACE(h.key);
        EXPECT_EQ(findHelixVariant(h.key), &h);
        // "proses_3_5_..." has 3.5 turns; every variant climbs 80 mm per extra turn from 260.
        const double turns = (h.key[7] - '0') + 0.5;
        EXPECT_DOUBLE_EQ(h.turns, turns);
        EXPECT_DOUBLE_EQ(h.rise, 260.0 + (turns - 2.5) * 80.0);
        EXPECT_EQ(h.straightArticle, "24188");
        EXPECT_LT(h.innerRadius, h.outerRadius);
        for (const auto& [article, radius] : {std::pair{h.innerCurveArticle, h.innerRadius},
                                              std::pair{h.outerCurveArticle, h.outerRadius}}) {
            const PieceDef* c = track.byArticle(article);
            ASSERT_NE(c, nullptr) << article;
            EXPECT_EQ(c->system, Systems::CTrack) << article;
            EXPECT_EQ(c->kind, PieceKind::Curve) << article;
            EXPECT_DOUBLE_EQ(c->angle, 30.0) << article;
            EXPECT_DOUBLE_EQ(c->radius, radius) << article;
        }
    }
    EXPECT_DOUBLE_EQ(v[0].innerRadius, 360.0);
    EXPECT_DOUBLE_EQ(v[9].outerRadius, 643.6);
}

TEST(HelixCatalog, CurveCountRisePerTurnAndFallback) {
    // Twelve curves per turn, truncated.
    EXPECT_EQ(findHelixVariant("proses_2_5_r1r2")->curveCount(), 30);
    HelixVariant odd;
    odd.turns = 1.49;
    EXPECT_EQ(odd.curveCount(), 17);
    EXPECT_DOUBLE_EQ(findHelixVariant("proses_2_5_r2r3")->risePerTurn(), 104.0);
    EXPECT_DOUBLE_EQ(HelixVariant{}.risePerTurn(), 0.0);
    EXPECT_EQ(findHelixVariant("proses_3_5_r3r4"), nullptr);  // not a built model
    EXPECT_EQ(helixVariantOrDefault("nope")->key, "proses_2_5_r1r2");
    EXPECT_EQ(helixVariantOrDefault("proses_4_5_r4r5")->key, "proses_4_5_r4r5");
}
