// The catalog container, the track-system tables, the adapter advice and the plain-track test.
#include <gtest/gtest.h>

#include "catalog/track_catalog.h"

namespace {

PieceDef piece(const std::string& article, const std::string& name,
               PieceKind kind = PieceKind::Straight, TrackSystem system = Systems::CTrack) {
    PieceDef def;
    def.article = article;
    def.name = name;
    def.kind = kind;
    def.system = system;
    if (kind == PieceKind::Curve) {
        def.radius = 437.5;
        def.angle = 30.0;
        def.length = 229.07;
    } else {
        def.length = 188.3;
    }
    return def;
}

}  // namespace

TEST(CatalogModel, ByIndexOutsideTheListIsNone) {
    TrackCatalog catalog;
    EXPECT_EQ(catalog.count(), 0);
    EXPECT_EQ(catalog.byIndex(0), nullptr);
    catalog.add(piece("24188", "24188 - 188.3mm"));
    catalog.add(piece("24172", "24172 - 171.7mm"));
    ASSERT_EQ(catalog.count(), 2);
    EXPECT_EQ(catalog.byIndex(-1), nullptr);
    EXPECT_EQ(catalog.byIndex(2), nullptr);
    ASSERT_NE(catalog.byIndex(1), nullptr);
    EXPECT_EQ(catalog.byIndex(1)->article, "24172");
    EXPECT_EQ(catalog.byIndex(0)->article, "24188");
}

TEST(CatalogModel, ByArticleIsExactAndCaseSensitive) {
    TrackCatalog catalog;
    catalog.add(
        piece("5208C", "5208C Lean Compensation Curve 1.1°", PieceKind::Curve, Systems::MTrack));
    ASSERT_NE(catalog.byArticle("5208C"), nullptr);
    EXPECT_EQ(catalog.byArticle("5208C")->system, Systems::MTrack);
    EXPECT_EQ(catalog.byArticle("5208c"), nullptr);
    EXPECT_EQ(catalog.byArticle("5208"), nullptr);
    EXPECT_EQ(catalog.byArticle(""), nullptr);
}

TEST(CatalogModel, DuplicateArticleFindsTheLaterButKeepsBoth) {
    TrackCatalog catalog;
    catalog.add(piece("1", "first"));
    catalog.add(piece("1", "second"));
    EXPECT_EQ(catalog.count(), 2);
    ASSERT_NE(catalog.byArticle("1"), nullptr);
    EXPECT_EQ(catalog.byArticle("1")->name, "second");
    EXPECT_EQ(catalog.byIndex(0)->name, "first");
}

TEST(CatalogModel, AliasFindsTheDefinitionWithoutAddingOne) {
    TrackCatalog catalog;
    catalog.add(piece("74636T", "74636T Arch Bridge", PieceKind::Straight, Systems::TrixC));
    catalog.addAlias("62636", "74636T");
    EXPECT_EQ(catalog.count(), 1);
    ASSERT_NE(catalog.byArticle("62636"), nullptr);
    EXPECT_EQ(catalog.byArticle("62636"), catalog.byArticle("74636T"));
    EXPECT_EQ(catalog.byArticle("62636")->article, "74636T");
    // An alias of an article the catalog lacks is not recorded.
    catalog.addAlias("99999", "nope");
    EXPECT_EQ(catalog.byArticle("99999"), nullptr);
}

TEST(CatalogModel, DefinitionsKeepTheirOrder) {
    TrackCatalog catalog;
    catalog.add(piece("a", "a"));
    for (int i = 0; i < 300; ++i) {
        catalog.add(piece("p" + std::to_string(i), "p"));
    }
    EXPECT_EQ(catalog.byIndex(0)->article, "a");
    EXPECT_EQ(catalog.byIndex(300)->article, "p299");
    EXPECT_EQ(catalog.byArticle("p150"), catalog.byIndex(151));
}

TEST(CatalogModel, BuiltInCatalogIsBuiltOnceAndLoaded) {
    const TrackCatalog& a = TrackCatalog::instance();
    const TrackCatalog& b = TrackCatalog::instance();
    EXPECT_EQ(&a, &b);
    EXPECT_TRUE(a.loaded());
    EXPECT_GT(a.count(), 0);
}

TEST(TrackSystems, DisplayNames) {
    EXPECT_EQ(systemName(0), "Marklin C-Track");
    EXPECT_EQ(systemName(1), "Marklin K-Track");
    EXPECT_EQ(systemName(2), "Marklin Z-Track");
    EXPECT_EQ(systemName(3), "TRIX C-Track");
    EXPECT_EQ(systemName(4), "Unknown");
    EXPECT_EQ(systemName(5), "Unknown");
    EXPECT_EQ(systemName(6), "Unknown");
    EXPECT_EQ(systemName(7), "Marklin Gauge 1");
    EXPECT_EQ(systemName(8), "Marklin M-Track");
    EXPECT_EQ(systemName(9), "Unknown");
}

TEST(TrackSystems, ShortLabelsIncludeSystemsWithoutPieces) {
    EXPECT_EQ(systemLabel(0), "Märklin C");
    EXPECT_EQ(systemLabel(1), "Märklin K");
    EXPECT_EQ(systemLabel(2), "Märklin Z");
    EXPECT_EQ(systemLabel(3), "TRIX C");
    EXPECT_EQ(systemLabel(4), "Rokuhan Z");
    EXPECT_EQ(systemLabel(5), "Minitrix N");
    EXPECT_EQ(systemLabel(6), "Kato N");
    EXPECT_EQ(systemLabel(7), "Märklin Gauge 1");
    EXPECT_EQ(systemLabel(8), "Märklin M-Track");
    EXPECT_EQ(systemLabel(9), "Unknown");
    EXPECT_EQ(systemLabel(0xFFFFFFFFu), "Unknown");
}

TEST(TrackSystems, FolderKeys) {
    EXPECT_EQ(systemFolderKey("Marklin C-Track"), "Marklin_C-Track");
    EXPECT_EQ(systemFolderKey("Marklin K-Track"), "Marklin_K-Track");
    EXPECT_EQ(systemFolderKey("Marklin Z-Track"), "Marklin_Z-Track");
    EXPECT_EQ(systemFolderKey("TRIX C-Track"), "TRIX_C-Track");
    EXPECT_EQ(systemFolderKey("Marklin Gauge 1"), "Marklin_Gauge1");
    EXPECT_EQ(systemFolderKey("Marklin M-Track"), "Marklin_M-Track");
    EXPECT_EQ(systemFolderKey("Minitrix"), "Minitrix-Track");
    EXPECT_EQ(systemFolderKey("Kato N Unitrack"), "Kato_N_Unitrack");
    EXPECT_EQ(systemFolderKey("Plain"), "Plain");
}

TEST(AdapterAdvice, NamesTheAdapterEitherWayRound) {
    const std::string ck = "Use adapter track 24922 to connect C-Track to K-Track.";
    const std::string cm = "Use adapter track 24951 to connect C-Track to M-Track.";
    const std::string km = "Use adapter track 2291 to connect K-Track to M-Track.";
    EXPECT_EQ(adapterAdvice(0, 1), ck);
    EXPECT_EQ(adapterAdvice(1, 0), ck);
    EXPECT_EQ(adapterAdvice(0, 8), cm);
    EXPECT_EQ(adapterAdvice(8, 0), cm);
    EXPECT_EQ(adapterAdvice(1, 8), km);
    EXPECT_EQ(adapterAdvice(8, 1), km);
}

TEST(AdapterAdvice, OtherPairsHaveNoAdapter) {
    const std::string none = "There is no adapter track for this combination.";
    EXPECT_EQ(adapterAdvice(0, 3), none);  // C-Track and TRIX C-Track do not join
    EXPECT_EQ(adapterAdvice(3, 0), none);
    EXPECT_EQ(adapterAdvice(2, 7), none);
    EXPECT_EQ(adapterAdvice(0, 0), none);
}

TEST(AdapterAdvice, IncompatibleMessageNamesNewThenExisting) {
    EXPECT_EQ(incompatibleSystemsMessage(0, 1),
              "Marklin C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not "
              "compatible.\nUse adapter track 24922 to connect C-Track to K-Track.");
    EXPECT_EQ(incompatibleSystemsMessage(3, 0),
              "TRIX C-Track cannot connect to Marklin C-Track.\n\nThese track systems are not "
              "compatible.\nThere is no adapter track for this combination.");
    EXPECT_EQ(incompatibleSystemsMessage(4, 8).substr(0, 37),
              "Unknown cannot connect to Marklin M-T");
}

TEST(PlainTrack, SpecialPurposeNamesAreExcluded) {
    const TrackSystem c = Systems::CTrack;
    EXPECT_FALSE(isPlainTrack(piece("24994", "24994 - 94.2mm Circuit"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("24997", "24997 Uncoupler 94.2mm"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("74871", "74871 Turntable Spoke Extension 57.5mm"),
                              PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("1", "Isolating Track"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("1", "Feeder"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("1", "Contact Track"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("1", "Adapter"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("1", "Arch Bridge"), PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(piece("5206", "5206 Curve R2 Compensation 24.17°", PieceKind::Curve),
                              PieceKind::Curve, c));
    EXPECT_TRUE(isPlainTrack(piece("5205", "5205 Curve R2 Comp Extension 5.83°", PieceKind::Curve),
                             PieceKind::Curve, c));
    EXPECT_TRUE(isPlainTrack(piece("24188", "24188 - 188.3mm"), PieceKind::Straight, c));
    EXPECT_TRUE(isPlainTrack(piece("2205", "2205 Flex Track Length 900 mm / 35-7/16\""),
                             PieceKind::Straight, c));
    // Words match case-sensitively.
    EXPECT_TRUE(isPlainTrack(piece("1", "bridge of sighs"), PieceKind::Straight, c));
}

TEST(PlainTrack, FlagsKindSystemAndSizeMatter) {
    PieceDef ramp = piece("74618", "74618 Straight Ramp 180mm");
    EXPECT_FALSE(isPlainTrack(ramp, PieceKind::Straight, Systems::CTrack));
    PieceDef flagged = piece("1", "Plain");
    flagged.isBridge = true;
    EXPECT_FALSE(isPlainTrack(flagged, PieceKind::Straight, Systems::CTrack));
    flagged.isBridge = false;
    flagged.isRamp = true;
    EXPECT_FALSE(isPlainTrack(flagged, PieceKind::Straight, Systems::CTrack));

    const PieceDef straight = piece("1", "Plain");
    EXPECT_TRUE(isPlainTrack(straight, PieceKind::Straight, Systems::CTrack));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Straight, Systems::KTrack));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Curve, Systems::CTrack));

    PieceDef empty = straight;
    empty.length = 0.0;
    EXPECT_FALSE(isPlainTrack(empty, PieceKind::Straight, Systems::CTrack));

    PieceDef curve = piece("2", "Curve", PieceKind::Curve);
    EXPECT_TRUE(isPlainTrack(curve, PieceKind::Curve, Systems::CTrack));
    curve.angle = 0.0;
    EXPECT_FALSE(isPlainTrack(curve, PieceKind::Curve, Systems::CTrack));
    curve.angle = 30.0;
    curve.radius = 0.0;
    EXPECT_FALSE(isPlainTrack(curve, PieceKind::Curve, Systems::CTrack));
}
