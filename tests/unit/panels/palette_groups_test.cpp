// The palette's system choice, its groups and grid, the scenery and signal lists and the library.
#include "panels/palette_groups.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "catalog/helix_catalog.h"
#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"

namespace {

const TrackCatalog& catalog() {
    return TrackCatalog::instance();
}

TEST(PaletteSystems, ChoiceIndexesMapToSystemsAndLayoutsPickTheirSystem) {
    const char* names[] = {"Marklin C-Track", "Marklin K-Track", "TRIX C-Track",
                           "Marklin Z-Track", "Marklin Gauge 1", "Marklin M-Track"};
    const TrackSystem ids[] = {0, 1, 3, 2, 7, 8};
    ASSERT_EQ(paletteSystems().size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(paletteSystems()[static_cast<size_t>(i)].name, names[i]);
        EXPECT_EQ(paletteSystemAt(i), ids[i]) << i;
        EXPECT_EQ(paletteIndexOfSystem(ids[i]), i);
        EXPECT_EQ(sceneryPageWanted(i), i <= 2) << i;
    }
    EXPECT_EQ(paletteFolderKey(4), "Marklin_Gauge1");
    EXPECT_EQ(paletteSystemAt(6), 0u);
    EXPECT_EQ(paletteIndexOfSystem(Systems::KatoN), -1);

    Layout layout;
    EXPECT_EQ(systemIndexForLayout(layout, catalog()), 0) << "empty layout";
    for (const auto& [article, index] :
         {std::pair{"nope", 0}, {"8500", 3}, {"62064", 2}, {"2200", 1}, {"24188", 0}}) {
        layout.pieces.emplace_back();
        layout.pieces.editBack().article = article;
        EXPECT_EQ(systemIndexForLayout(layout, catalog()), index) << "after " << article;
    }
}

TEST(PaletteGroups, GroupsPerSystemInTableOrderAndHelixRowsForCTrack) {
    const auto& c = paletteGroups(0);
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c.front().name, "Straights");
    EXPECT_EQ(c[6].name, "Circuit Tracks");
    EXPECT_EQ(c[6].articles, (std::vector<std::string>{"24994", "24294"}));
    EXPECT_EQ(c.back().name, "Bridges");
    EXPECT_EQ(paletteGroups(1).size(), 14u);
    EXPECT_EQ(paletteGroups(3)[1].name, "Curves R1 (145mm)");
    EXPECT_EQ(paletteGroups(5).back().name, "Adapter Tracks");
    EXPECT_TRUE(paletteGroups(6).empty());

    const std::vector<PaletteItem> items = paletteItems(0, catalog());
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0].title, "Straights");
    EXPECT_EQ(items[1].article, "24064");
    const auto helix = std::find_if(items.begin(), items.end(),
                                    [](const PaletteItem& i) { return i.title == "Helix"; });
    ASSERT_EQ(items.end() - helix - 1, static_cast<long>(helixVariants().size()));
    EXPECT_EQ(helix[1].kind, PaletteItem::Kind::TextRow);
    EXPECT_EQ(helixKeyOf(helix[1].article), helixVariants().front().key);
    for (const PaletteItem& item : paletteItems(1, catalog())) {
        EXPECT_NE(item.kind, PaletteItem::Kind::TextRow) << "helix rows only for C-Track";
    }
    EXPECT_EQ(paletteItems(3, TrackCatalog{}).size(), paletteGroups(3).size())
        << "uncatalogued articles are skipped, headers stay";
}

TEST(PaletteGrid, ColumnsRowTopsHitsAndIconScale) {
    // As many columns as fit: the last 80-pixel square ends 2 pixels inside the width.
    EXPECT_EQ(paletteColumns(168), 1);
    EXPECT_EQ(paletteColumns(169), 2) << "cells at 6 and 87, the second ending at 167";
    EXPECT_EQ(paletteColumns(247), 2);
    EXPECT_EQ(paletteColumns(248), 3) << "cells at 6, 86 and 166, the third ending at 246";
    EXPECT_EQ(paletteColumns(5), 3) << "not laid out yet";
    for (int width = 10; width < 400; ++width) {
        const int columns = paletteColumns(width);
        if (columns > 1) {
            EXPECT_LE(paletteColumnWidth(width) * (columns - 1) + 6 + 80, width - 2) << width;
        }
    }
    using K = PaletteItem::Kind;
    const std::vector<K> kinds = {K::Header, K::Piece, K::Piece, K::Header, K::TextRow, K::Piece};
    const PaletteGridLayout grid = layoutPaletteGrid(kinds, 300);
    EXPECT_EQ(grid.tops, (std::vector<int>{6, 28, 28, 130, 152, 174}));
    EXPECT_EQ(grid.columns, (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(paletteHitTest(kinds, grid, 300, 10, 10), -1) << "headers are never hit";
    EXPECT_EQ(paletteHitTest(kinds, grid, 300, 85, 129), 1) << "the label band counts";
    EXPECT_EQ(paletteHitTest(kinds, grid, 300, 86, 50), -1) << "right of the icon";
    EXPECT_EQ(paletteHitTest(kinds, grid, 300, 104, 50), 2);

    EXPECT_NEAR(iconTransform(*catalog().byArticle("24188")).scale, 64.0 / 218.75 * 0.82, 1e-9);
    PieceDef bend;
    bend.kind = PieceKind::Curve;
    bend.radius = 5000.0;
    bend.angle = 90.0;
    EXPECT_DOUBLE_EQ(iconTransform(bend).scale, 0.03) << "clamped";
}

TEST(PaletteGrid, EveryIconDrawingFitsItsBox) {
    // Gauge 1 straights of a metre and wide curves ran out of the square at the common scale.
    for (int index = 0; index < static_cast<int>(paletteSystems().size()); ++index) {
        for (const PaletteItem& item : paletteItems(index, catalog())) {
            if (item.kind != PaletteItem::Kind::Piece) {
                continue;
            }
            const PieceDef& def = *catalog().byArticle(item.article);
            // The grid's square and the preview's 80 x 55 box below its 12-pixel article line.
            for (const auto& [w, h] : {std::pair{80, 80}, std::pair{80, 43}}) {
                const IconTransform t = iconTransform(def, w, h);
                const Bounds e = iconExtent(def);
                const double left = t.offsetX + e.minX * t.scale;
                const double right = t.offsetX + e.maxX * t.scale;
                const double top = t.offsetY + e.minY * t.scale;
                const double bottom = t.offsetY + e.maxY * t.scale;
                EXPECT_GE(left, 4.99) << item.article << " in " << w << "x" << h;
                EXPECT_LE(right, w - 4.99) << item.article << " in " << w << "x" << h;
                EXPECT_GE(top, 4.99) << item.article << " in " << w << "x" << h;
                EXPECT_LE(bottom, h - 4.99) << item.article << " in " << w << "x" << h;
            }
        }
    }
    // A short straight keeps the common scale and runs along the middle.
    const IconTransform straight = iconTransform(*catalog().byArticle("24071"));
    EXPECT_NEAR(straight.scale, 64.0 / 218.75 * 0.82, 1e-9);
    EXPECT_DOUBLE_EQ(straight.offsetY, 40.0);
    // The metre-long Gauge 1 straight is shrunk to the box.
    const PieceDef& metre = *catalog().byArticle("59061");
    EXPECT_LT(iconTransform(metre).scale, 64.0 / 218.75 * 0.82);
    EXPECT_NEAR(iconTransform(metre).scale * iconExtent(metre).width(), 70.0, 1e-9);
    // Accessory boxes beside K-Track turnouts count.
    const PieceDef& turnout = *catalog().byArticle("2262");
    EXPECT_GT(iconExtent(turnout).maxY, pieceShape(turnout).bounds.maxY);
}

TEST(PaletteLists, HeadersAreNeverSelected) {
    const std::vector<PaletteLine> lines = {{"--- Platforms", ""}, {"Platform", "p1"},
                                            {"Ramp", "p2"},        {"--- Nature", ""},
                                            {"Tree", "t"},         {"--- Empty", ""}};
    EXPECT_EQ(selectablePaletteLine(lines, 1, -1), 1);
    EXPECT_EQ(selectablePaletteLine(lines, 0, -1), 1) << "a click on the first header";
    EXPECT_EQ(selectablePaletteLine(lines, 3, 2), 4) << "arrow down over a header";
    EXPECT_EQ(selectablePaletteLine(lines, 3, 4), 2) << "arrow up over a header";
    EXPECT_EQ(selectablePaletteLine(lines, 0, 1), 1) << "nothing above: stay";
    EXPECT_EQ(selectablePaletteLine(lines, 5, 4), 4) << "nothing below: stay";
    EXPECT_EQ(selectablePaletteLine({{"--- Only", ""}}, 0, -1), -1);
    EXPECT_EQ(selectablePaletteLine(lines, 9, 2), 2) << "out of range";
    const std::vector<PaletteLine> scenery = sceneryLines(SceneryCatalog::instance());
    for (int i = 0; i < static_cast<int>(scenery.size()); ++i) {
        const int chosen = selectablePaletteLine(scenery, i, -1);
        ASSERT_GE(chosen, 0);
        EXPECT_FALSE(scenery[static_cast<size_t>(chosen)].key.empty()) << i;
    }
}

TEST(PaletteLists, ZTrackSignalsAndLibraryBlocks) {
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    EXPECT_EQ(sceneryLines(scenery).front().text.rfind("--- ", 0), 0u);
    const std::vector<PaletteLine> z = signalLines(scenery, 3);
    ASSERT_EQ(z.size(), 4u);
    for (const PaletteLine& line : z) {
        EXPECT_TRUE(scenery.byKey(line.key)->zScale) << line.key;
    }
    EXPECT_TRUE(signalLines(scenery, 4).empty());

    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("railvane-lib-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "folder.tdl");
    for (const char* name : {"Yard.tdl", "notes.txt", "Loud.TDL"}) {
        std::ofstream(dir / name) << "x";
    }
    const std::vector<LibraryBlockFile> files = listLibraryBlocks(dir.string());
    fs::remove_all(dir);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "Yard");
    EXPECT_EQ(files[0].path, (dir / "Yard.tdl").string());
}

}  // namespace
