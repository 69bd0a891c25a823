#include "panels/palette_groups.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"

namespace {

const TrackCatalog& catalog() {
    return TrackCatalog::instance();
}

PlacedPiece piece(uint32_t id, const std::string& article, double x, double y, int32_t level = 1) {
    PlacedPiece p;
    p.id = id;
    p.article = article;
    p.x = x;
    p.y = y;
    p.level = level;
    return p;
}

}  // namespace

TEST(PaletteSystems, ChoiceEntriesMapToSystemsWithTrixAndZSwapped) {
    const auto& systems = paletteSystems();
    ASSERT_EQ(systems.size(), 6u);
    const char* names[] = {"Marklin C-Track", "Marklin K-Track", "TRIX C-Track",
                           "Marklin Z-Track", "Marklin Gauge 1", "Marklin M-Track"};
    const TrackSystem ids[] = {0, 1, 3, 2, 7, 8};
    const char* folders[] = {"Marklin_C-Track", "Marklin_K-Track", "TRIX_C-Track",
                             "Marklin_Z-Track", "Marklin_Gauge1",  "Marklin_M-Track"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(systems[static_cast<size_t>(i)].name, names[i]);
        EXPECT_EQ(paletteSystemAt(i), ids[i]) << "index " << i;
        EXPECT_EQ(paletteIndexOfSystem(ids[i]), i);
        EXPECT_EQ(paletteFolderKey(i), folders[i]);
        EXPECT_EQ(sceneryPageWanted(i), i <= 2) << "index " << i;
    }
    EXPECT_EQ(paletteSystemAt(-1), 0u);
    EXPECT_EQ(paletteSystemAt(6), 0u);
    EXPECT_EQ(paletteIndexOfSystem(Systems::KatoN), -1);
}

TEST(PaletteSystems, LayoutSelectsTheHighestPrioritySystemPresent) {
    Layout layout;
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 0) << "empty layout";
    layout.pieces = {piece(1, "no-such-article", 0, 0), piece(2, "8500", 0, 0)};
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 3) << "Z-Track only";
    layout.pieces.push_back(piece(3, "62064", 0, 0));
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 2) << "TRIX C beats Z-Track";
    layout.pieces.push_back(piece(4, "2200", 0, 0));
    layout.pieces.push_back(piece(5, "24188", 0, 0));
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 0) << "C-Track beats K-Track";
    layout.pieces = {piece(1, "unknown", 0, 0)};
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 0);
}

TEST(PaletteGroups, GroupsAndArticlesFollowTheSystemTables) {
    const auto& c = paletteGroups(0);
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c.front().name, "Straights");
    EXPECT_EQ(c.front().articles.front(), "24064");
    EXPECT_EQ(c.back().name, "Bridges");
    EXPECT_EQ(c[6].name, "Circuit Tracks");
    EXPECT_EQ(c[6].articles, (std::vector<std::string>{"24994", "24294"}));
    EXPECT_EQ(paletteGroups(1).size(), 14u);
    EXPECT_EQ(paletteGroups(1).back().articles, (std::vector<std::string>{"7286", "7287"}));
    EXPECT_EQ(paletteGroups(2).back().articles.front(), "74636T");
    EXPECT_EQ(paletteGroups(3)[1].name, "Curves R1 (145mm)");
    EXPECT_EQ(paletteGroups(4)[1].name, "Curves R1 (1020mm) 22.5\u00b0");
    EXPECT_EQ(paletteGroups(5).back().name, "Adapter Tracks");
    EXPECT_TRUE(paletteGroups(6).empty());

    // The grid: headers in table order, pieces only when catalogued, helix rows for C-Track.
    const std::vector<PaletteItem> items = paletteItems(0, catalog());
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].kind, PaletteItem::Kind::Header);
    EXPECT_EQ(items[0].title, "Straights");
    EXPECT_EQ(items[1].article, "24064");
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [](const PaletteItem& i) { return i.article == "24294"; }),
              2)
        << "24294 stands in Curves and in Circuit Tracks";
    const auto helixHeader = std::find_if(items.begin(), items.end(), [](const PaletteItem& i) {
        return i.kind == PaletteItem::Kind::Header && i.title == "Helix";
    });
    ASSERT_NE(helixHeader, items.end());
    ASSERT_EQ(items.end() - helixHeader - 1, static_cast<long>(helixVariants().size()));
    EXPECT_EQ(helixHeader[1].kind, PaletteItem::Kind::TextRow);
    EXPECT_EQ(helixHeader[1].label, helixVariants().front().name);
    EXPECT_EQ(helixKeyOf(helixHeader[1].article), helixVariants().front().key);
    EXPECT_EQ(helixKeyOf("24188"), "");

    for (int index = 1; index < 6; ++index) {
        for (const PaletteItem& item : paletteItems(index, catalog())) {
            EXPECT_NE(item.kind, PaletteItem::Kind::TextRow) << "helix rows only for C-Track";
        }
    }
    // An article the catalog lacks is skipped, its header stays.
    const TrackCatalog empty;
    const std::vector<PaletteItem> bare = paletteItems(3, empty);
    EXPECT_EQ(bare.size(), paletteGroups(3).size());
}

TEST(PaletteGrid, ColumnsRowTopsAndHits) {
    EXPECT_EQ(paletteColumns(0), 3);
    EXPECT_EQ(paletteLayoutWidth(0), 240);
    EXPECT_EQ(paletteColumns(150), 1);
    EXPECT_EQ(paletteColumns(155), 1);
    EXPECT_EQ(paletteColumns(156), 2);
    EXPECT_EQ(paletteColumns(227), 2);
    EXPECT_EQ(paletteColumns(228), 3);
    EXPECT_EQ(paletteColumnWidth(300), 98);

    using K = PaletteItem::Kind;
    const std::vector<K> kinds = {K::Header, K::Piece, K::Piece, K::Header, K::TextRow, K::Piece};
    const PaletteGridLayout l3 = layoutPaletteGrid(kinds, 300);
    EXPECT_EQ(l3.tops, (std::vector<int>{6, 28, 28, 130, 152, 174}));
    EXPECT_EQ(l3.columns, (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(l3.height, 174 + 102 + 6);
    const PaletteGridLayout l1 = layoutPaletteGrid(kinds, 150);
    EXPECT_EQ(l1.tops, (std::vector<int>{6, 28, 130, 232, 254, 276}));
    EXPECT_EQ(layoutPaletteGrid({}, 300).height, 12);

    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 10, 10), -1) << "headers are never hit";
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 6, 28), 1);
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 85, 129), 1) << "the label band counts";
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 86, 50), -1) << "right of the icon";
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 98 + 6, 50), 2);
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 299, 160), 4);
    EXPECT_EQ(paletteHitTest(kinds, l3, 300, 300, 160), -1);
}

TEST(PaletteGrid, IconScaleFitsTrackTurntablesAndWideCurves) {
    const PieceDef* straight = catalog().byArticle("24188");
    ASSERT_NE(straight, nullptr);
    const IconTransform s = iconTransform(*straight);
    EXPECT_NEAR(s.scale, 64.0 / 218.75 * 0.82, 1e-9);
    EXPECT_NEAR(s.offsetX, 40.0 - straight->length * s.scale * 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(s.offsetY, 40.0);

    PieceDef turntable;
    turntable.kind = PieceKind::Turntable;
    turntable.connectors.resize(48);
    EXPECT_NEAR(iconTransform(turntable).scale, 64.0 / 600.0 * 0.82, 1e-9);

    PieceDef bend;
    bend.kind = PieceKind::Curve;
    bend.radius = 400.0;
    bend.angle = -60.0;
    bend.length = 418.9;
    EXPECT_NEAR(iconTransform(bend).scale, 64.0 / 500.0, 1e-9) << "bulge 0.5 * 400 * 2.5";
    bend.radius = 5000.0;
    bend.angle = 90.0;
    EXPECT_DOUBLE_EQ(iconTransform(bend).scale, 0.03) << "clamped";
}

TEST(PaletteLists, SceneryAndSignalsFollowCategoriesAndScale) {
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    const std::vector<PaletteLine> lines = sceneryLines(scenery);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().text.rfind("--- ", 0), 0u);
    std::string previousHeader;
    for (const PaletteLine& line : lines) {
        if (line.key.empty()) {
            EXPECT_NE(line.text, previousHeader) << "a header repeats without a change";
            previousHeader = line.text;
            continue;
        }
        const SceneryDef* def = scenery.byKey(line.key);
        ASSERT_NE(def, nullptr) << line.key;
        EXPECT_EQ(line.text, def->name);
        EXPECT_TRUE(def->category == 0 || def->category == 2 || def->category == 4 ||
                    def->category == 7 || def->category == 10)
            << line.key;
    }

    const auto signalKeys = [&](int index) {
        std::vector<const SceneryDef*> defs;
        for (const PaletteLine& line : signalLines(scenery, index)) {
            defs.push_back(scenery.byKey(line.key));
        }
        return defs;
    };
    EXPECT_TRUE(signalLines(scenery, 4).empty());
    EXPECT_TRUE(signalLines(scenery, 5).empty());
    const auto z = signalKeys(3);
    const auto c = signalKeys(0);
    EXPECT_EQ(z.size(), 4u);
    EXPECT_FALSE(c.empty());
    for (const SceneryDef* def : z) {
        ASSERT_NE(def, nullptr);
        EXPECT_TRUE(def->zScale && def->category == SceneryCategory::Signals) << def->key;
    }
    for (const SceneryDef* def : c) {
        ASSERT_NE(def, nullptr);
        EXPECT_TRUE(!def->zScale && def->category == SceneryCategory::Signals) << def->key;
    }
}

TEST(PaletteLibrary, ListsOnlyTdlFilesOfTheFolder) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("railvane-lib-" + std::to_string(rd()));
    fs::create_directories(dir / "folder.tdl");
    std::ofstream(dir / "Yard.tdl") << "x";
    std::ofstream(dir / "notes.txt") << "x";
    std::ofstream(dir / "Loud.TDL") << "x";
    const std::vector<LibraryBlockFile> files = listLibraryBlocks(dir.string());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "Yard");
    EXPECT_EQ(files[0].path, (dir / "Yard.tdl").string());
    fs::remove_all(dir);
    EXPECT_TRUE(listLibraryBlocks(dir.string()).empty()) << "missing folder";
}
