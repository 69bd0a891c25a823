// Print page math: the printed extent, scale and page grid of each scaling mode, where tiles lie
// and what a true-scale page's calibration bar says.
#include <gtest/gtest.h>

#include "print/print_pages.h"

namespace {

Bounds box(double w, double h) {
    Bounds b;
    b.add(Vec2{0, 0});
    b.add(Vec2{w, h});
    return b;
}

PlacedPiece straightAt(double x, int32_t level) {
    PlacedPiece p;
    p.article = "24188";  // 188.3 mm
    p.x = x;
    p.level = level;
    return p;
}

}  // namespace

TEST(PrintGrid, ThreeMetresAtOneToTenOn300DpiNeedTwoColumnsOf2000Pixels) {
    PrintOptions options;
    options.scaleMode = PrintScaleMode::ActualScale;
    const PageGrid grid = computePageGrid(box(3000, 500), options, 2174, 3000, 300);
    EXPECT_NEAR(grid.scale, 300 / 25.4 / 10, 1e-9);  // about 1.18 px per mm
    EXPECT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.rows, 1);
    // A printer that reports no resolution counts as 300 dpi.
    EXPECT_DOUBLE_EQ(computePageGrid(box(3000, 500), options, 2174, 3000, 0).scale, grid.scale);
}

TEST(PrintGrid, TwoHundredPercentDoublesTheFitAndNeedsTwoPagesAlongTheLimitingSide) {
    PrintOptions options;
    const PageGrid fitted = computePageGrid(box(3000, 1000), options, 1000, 1000, 300);
    EXPECT_EQ(fitted.pages(), 1);
    EXPECT_DOUBLE_EQ(fitted.scale, 920.0 / 3000.0);
    options.scaleMode = PrintScaleMode::Percentage;
    options.percentage = 200;
    const PageGrid doubled = computePageGrid(box(3000, 1000), options, 1000, 1000, 300);
    EXPECT_DOUBLE_EQ(doubled.scale, 2 * fitted.scale);
    EXPECT_EQ(doubled.columns, 2);
    EXPECT_EQ(doubled.rows, 1);
}

TEST(PrintGrid, OnePageIsCentredAndTilesFollowEachOther) {
    PrintOptions options;
    const Bounds extent = box(1000, 500);
    const PageView single = pageView(computePageGrid(extent, options, 1000, 1000, 300), extent, 1);
    EXPECT_DOUBLE_EQ(single.panX, 40.0);  // 920 px wide drawing in the 40-px margins
    EXPECT_DOUBLE_EQ(single.panY, (920 - 460) / 2.0 + 40);
    options.scaleMode = PrintScaleMode::ActualScale;
    options.scaleN = 1;
    const PageGrid tiles = computePageGrid(extent, options, 1000, 1000, 254);  // 10 px per mm
    ASSERT_GT(tiles.columns, 1);
    const PageView first = pageView(tiles, extent, 1);
    const PageView second = pageView(tiles, extent, 2);
    EXPECT_EQ(second.column, 1);
    EXPECT_DOUBLE_EQ(first.panX - second.panX, 920.0);
    const PageView below = pageView(tiles, extent, tiles.columns + 1);
    EXPECT_EQ(below.row, 1);
    EXPECT_EQ(below.column, 0);
}

TEST(PrintExtent, ActiveLevelOnlyLeavesOtherLevelsOutButScenery) {
    Layout layout;
    layout.pieces = {straightAt(0, 1), straightAt(5000, 2)};
    SceneryItem tree;
    tree.x = -700;
    tree.level = 2;
    layout.scenery = {tree};
    PrintOptions options;
    const Bounds active = printExtent(layout, options, TrackCatalog::instance());
    EXPECT_DOUBLE_EQ(active.minX, -700);
    EXPECT_NEAR(active.maxX, 188.3, 0.05);
    EXPECT_EQ(printRenderOptions(layout, options).onlyLevel, 1);
    options.activeLevelOnly = false;
    EXPECT_NEAR(printExtent(layout, options, TrackCatalog::instance()).maxX, 5188.3, 0.05);
    EXPECT_FALSE(printRenderOptions(layout, options).onlyLevel.has_value());

    const Bounds empty = printExtent(Layout{}, options, TrackCatalog::instance());
    EXPECT_DOUBLE_EQ(empty.minX, 0);
    EXPECT_DOUBLE_EQ(empty.maxY, 1000);
}

TEST(PrintOptions, PrintingLeavesTheDocumentsSwitchesAndSelectionAlone) {
    Layout layout;
    layout.showGrid = true;
    PrintOptions options;
    const RenderOptions page = printRenderOptions(layout, options);
    EXPECT_FALSE(page.showGrid);
    EXPECT_FALSE(page.showSelection);
    EXPECT_TRUE(layout.showGrid) << "the canvas keeps its grid";
}

TEST(PrintCalibration, TheBarSaysWhatAHundredMillimetresStandForAndWhereThePageSits) {
    PageGrid grid;
    grid.columns = 2;
    grid.rows = 3;
    EXPECT_EQ(calibrationLabel(10, grid, 2),
              "100 mm = 1 m at 1 : 10 \u00b7 row 1, column 2 of 3 x 2");
    EXPECT_EQ(calibrationLabel(87, grid, 5),
              "100 mm = 8.7 m at 1 : 87 \u00b7 row 3, column 1 of 3 x 2");
    EXPECT_EQ(calibrationLabel(5, grid, 1).substr(0, 25), "100 mm = 500 mm at 1 : 5 ");
}
