// The catalog container, the track-system tables, the adapter advice and the plain-track rules.
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
    def.length = 188.3;
    if (kind == PieceKind::Curve) {
        def.radius = 437.5;
        def.angle = 30.0;
    }
    return def;
}

}  // namespace

TEST(CatalogModel, LookupsByIndexArticleAndAlias) {
    TrackCatalog catalog;
    catalog.add(piece("24188", "first"));
    catalog.add(piece("5208C", "5208C Lean", PieceKind::Curve, Systems::MTrack));
    EXPECT_EQ(catalog.byIndex(-1), nullptr);
    EXPECT_EQ(catalog.byIndex(2), nullptr);
    // Articles match exactly and case-sensitively.
    for (const char* miss : {"5208c", "5208", ""})
        EXPECT_EQ(catalog.byArticle(miss), nullptr) << miss;
    // An alias finds the definition without adding one; an alias of a missing article is dropped.
    catalog.addAlias("62636", "5208C");
    catalog.addAlias("99999", "nope");
    EXPECT_EQ(catalog.count(), 2);
    EXPECT_EQ(catalog.byArticle("62636"), catalog.byArticle("5208C"));
    EXPECT_EQ(catalog.byArticle("99999"), nullptr);
    // A duplicate article is kept as a row; lookups find the later one.
    catalog.add(piece("24188", "second"));
    EXPECT_EQ(catalog.count(), 3);
    EXPECT_EQ(catalog.byArticle("24188")->name, "second");
    EXPECT_EQ(catalog.byIndex(0)->name, "first");
}

TEST(TrackSystems, NamesLabelsAndFolderKeys) {
    std::string names;
    for (TrackSystem s = 0; s < 10; ++s)
        names += systemName(s) + "/" + systemLabel(s) + "|";
    EXPECT_EQ(names,
              "Marklin C-Track/Märklin C|Marklin K-Track/Märklin K|Marklin Z-Track/Märklin Z|"
              "TRIX C-Track/TRIX C|Unknown/Rokuhan Z|Unknown/Minitrix N|Unknown/Kato N|"
              "Marklin Gauge 1/Märklin Gauge 1|Marklin M-Track/Märklin M-Track|Unknown/Unknown|");
    EXPECT_EQ(systemLabel(0xFFFFFFFFu), "Unknown");
    EXPECT_EQ(systemFolderKey("Marklin Gauge 1"), "Marklin_Gauge1");
    EXPECT_EQ(systemFolderKey("Minitrix"), "Minitrix-Track");
    EXPECT_EQ(systemFolderKey("Kato N Unitrack"), "Kato_N_Unitrack");
}

TEST(AdapterAdvice, NamesTheAdapterEitherWayRoundOrNone) {
    const std::string none = "There is no adapter track for this combination.";
    const std::vector<std::tuple<TrackSystem, TrackSystem, std::string>> advice = {
        {0, 1, "Use adapter track 24922 to connect C-Track to K-Track."},
        {0, 8, "Use adapter track 24951 to connect C-Track to M-Track."},
        {1, 8, "Use adapter track 2291 to connect K-Track to M-Track."},
        {0, 3, none},  // C-Track and TRIX C-Track do not join
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
}

TEST(PlainTrack, ExcludesSpecialWordsFlagsOtherKindsSystemsAndEmptySizes) {
    const TrackSystem c = Systems::CTrack;
    for (const char* word : {"Bridge", "Ramp", "Turntable", "Circuit", "Uncoupler", "Feeder",
                             "Isolat", "Contact", "Adapter", "Spoke", "Compensation"}) {
        const std::string name = std::string("1 Plain ") + word + " 90mm";
        EXPECT_FALSE(isPlainTrack(piece("1", name), PieceKind::Straight, c)) << name;
    }
    EXPECT_TRUE(isPlainTrack(piece("5205", "5205 Curve R2 Comp Extension", PieceKind::Curve),
                             PieceKind::Curve, c));
    EXPECT_TRUE(isPlainTrack(piece("1", "bridge of sighs"), PieceKind::Straight, c))
        << "words match case-sensitively";

    const PieceDef straight = piece("1", "Plain");
    EXPECT_TRUE(isPlainTrack(straight, PieceKind::Straight, c));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Straight, Systems::KTrack));
    EXPECT_FALSE(isPlainTrack(straight, PieceKind::Curve, c));
    const PieceDef curve = piece("2", "Curve", PieceKind::Curve);
    EXPECT_TRUE(isPlainTrack(curve, PieceKind::Curve, c));
    std::vector<PieceDef> spoiled(5, straight);
    spoiled[0].isBridge = true;
    spoiled[1].isRamp = true;
    spoiled[2].length = 0.0;
    spoiled[3] = spoiled[4] = curve;
    spoiled[3].angle = 0.0;
    spoiled[4].radius = 0.0;
    for (size_t i = 0; i < spoiled.size(); ++i)
        EXPECT_FALSE(isPlainTrack(spoiled[i], spoiled[i].kind, c)) << "case " << i;
}
