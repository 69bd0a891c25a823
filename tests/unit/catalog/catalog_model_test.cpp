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

TEST(CatalogModel, LookupsByIndexArticleAndAlias) {
    TrackCatalog catalog;
    EXPECT_EQ(catalog.byIndex(0), nullptr);
    catalog.add(piece("24188", "24188 - 188.3mm"));
    catalog.add(piece("5208C", "5208C Lean", PieceKind::Curve, Systems::MTrack));
    for (int i = 0; i < 300; ++i)
        catalog.add(piece("p" + std::to_string(i), "p"));
    ASSERT_EQ(catalog.count(), 302);
    EXPECT_EQ(catalog.byIndex(-1), nullptr);
    EXPECT_EQ(catalog.byIndex(302), nullptr);
    EXPECT_EQ(catalog.byIndex(0)->article, "24188");
    EXPECT_EQ(catalog.byIndex(301)->article, "p299");
    EXPECT_EQ(catalog.byArticle("p150"), catalog.byIndex(152));
    // Articles match exactly and case-sensitively.
    ASSERT_NE(catalog.byArticle("5208C"), nullptr);
    EXPECT_EQ(catalog.byArticle("5208C")->system, Systems::MTrack);
    for (const char* miss : {"5208c", "5208", ""})
        EXPECT_EQ(catalog.byArticle(miss), nullptr) << miss;

    // An alias finds the definition without adding one; an alias of a missing article is dropped.
    catalog.addAlias("62636", "5208C");
    catalog.addAlias("99999", "nope");
    EXPECT_EQ(catalog.count(), 302);
    EXPECT_EQ(catalog.byArticle("62636"), catalog.byArticle("5208C"));
    EXPECT_EQ(catalog.byArticle("99999"), nullptr);

    // A duplicate article is kept as a row; lookups find the later one.
    catalog.add(piece("24188", "second"));
    EXPECT_EQ(catalog.count(), 303);
    EXPECT_EQ(catalog.byArticle("24188")->name, "second");
    EXPECT_EQ(catalog.byIndex(0)->name, "24188 - 188.3mm");
    EXPECT_EQ(&TrackCatalog::instance(), &TrackCatalog::instance());
}

TEST(TrackSystems, NamesLabelsAndFolderKeys) {
    const std::vector<std::pair<std::string, std::string>> systems = {
        {"Marklin C-Track", "Märklin C"},
        {"Marklin K-Track", "Märklin K"},
        {"Marklin Z-Track", "Märklin Z"},
        {"TRIX C-Track", "TRIX C"},
        {"Unknown", "Rokuhan Z"},
        {"Unknown", "Minitrix N"},
        {"Unknown", "Kato N"},
        {"Marklin Gauge 1", "Märklin Gauge 1"},
        {"Marklin M-Track", "Märklin M-Track"},
        {"Unknown", "Unknown"},
    };
    for (TrackSystem s = 0; s < systems.size(); ++s) {
        EXPECT_EQ(systemName(s), systems[s].first) << s;
        EXPECT_EQ(systemLabel(s), systems[s].second) << s;
    }
    EXPECT_EQ(systemLabel(0xFFFFFFFFu), "Unknown");

    const std::vector<std::pair<std::string, std::string>> keys = {
        {"Marklin C-Track", "Marklin_C-Track"},
        {"TRIX C-Track", "TRIX_C-Track"},
        {"Marklin Gauge 1", "Marklin_Gauge1"},
        {"Marklin M-Track", "Marklin_M-Track"},
        {"Minitrix", "Minitrix-Track"},
        {"Kato N Unitrack", "Kato_N_Unitrack"},
        {"Plain", "Plain"},
    };
    for (const auto& [name, key] : keys)
        EXPECT_EQ(systemFolderKey(name), key) << name;
}

TEST(AdapterAdvice, NamesTheAdapterEitherWayRoundOrNone) {
    const std::string none = "There is no adapter track for this combination.";
    const std::vector<std::tuple<TrackSystem, TrackSystem, std::string>> advice = {
        {0, 1, "Use adapter track 24922 to connect C-Track to K-Track."},
        {0, 8, "Use adapter track 24951 to connect C-Track to M-Track."},
        {1, 8, "Use adapter track 2291 to connect K-Track to M-Track."},
        {0, 3, none},  // C-Track and TRIX C-Track do not join
        {2, 7, none},
        {0, 0, none},
    };
    for (const auto& [a, b, text] : advice) {
        EXPECT_EQ(adapterAdvice(a, b), text) << a << "," << b;
        EXPECT_EQ(adapterAdvice(b, a), text) << b << "," << a;
    }
    // The refusal names the new piece's system first.
    EXPECT_EQ(incompatibleSystemsMessage(0, 1),
              "Marklin C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not "
              "compatible.\nUse adapter track 24922 to connect C-Track to K-Track.");
    EXPECT_EQ(incompatibleSystemsMessage(3, 0),
              "TRIX C-Track cannot connect to Marklin C-Track.\n\nThese track systems are not "
              "compatible.\nThere is no adapter track for this combination.");
}

TEST(PlainTrack, ExcludesSpecialWordsFlagsOtherKindsSystemsAndEmptySizes) {
    const TrackSystem c = Systems::CTrack;
    for (const char* word : {"Bridge", "Ramp", "Turntable", "Circuit", "Uncoupler", "Feeder",
                             "Isolat", "Contact", "Adapter", "Spoke", "Compensation"}) {
        const std::string name = std::string("1 Plain ") + word + " 90mm";
        EXPECT_FALSE(isPlainTrack(piece("1", name), PieceKind::Straight, c)) << name;
    }
    EXPECT_FALSE(isPlainTrack(piece("5206", "5206 Curve R2 Compensation 24.17°", PieceKind::Curve),
                              PieceKind::Curve, c));
    EXPECT_TRUE(isPlainTrack(piece("5205", "5205 Curve R2 Comp Extension 5.83°", PieceKind::Curve),
                             PieceKind::Curve, c));
    // Words match case-sensitively.
    EXPECT_TRUE(isPlainTrack(piece("1", "bridge of sighs"), PieceKind::Straight, c));

    const PieceDef straight = piece("1", "Plain");
    EXPECT_TRUE(isPlainTrack(straight, PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Straight, Systems::KTrack));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Curve, c));
    PieceDef changed = straight;
    changed.isBridge = true;
    EXPECT_FALSE(isPlainTrack(changed, PieceKind::Straight, c)) << "bridge flag";
    changed = straight;
    changed.isRamp = true;
    EXPECT_FALSE(isPlainTrack(changed, PieceKind::Straight, c)) << "ramp flag";
    changed = straight;
    changed.length = 0.0;
    EXPECT_FALSE(isPlainTrack(changed, PieceKind::Straight, c)) << "no length";

    const PieceDef curve = piece("2", "Curve", PieceKind::Curve);
    EXPECT_TRUE(isPlainTrack(curve, PieceKind::Curve, c));
    changed = curve;
    changed.angle = 0.0;
    EXPECT_FALSE(isPlainTrack(changed, PieceKind::Curve, c)) << "no angle";
    changed = curve;
    changed.radius = 0.0;
    EXPECT_FALSE(isPlainTrack(changed, PieceKind::Curve, c)) << "no radius";
}
