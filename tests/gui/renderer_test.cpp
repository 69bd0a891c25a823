// The plan drawing as the user sees it: pixels of layouts drawn through drawLayout. The colour
// rules themselves are unit-tested; here one case of each shows they reach the screen.
#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_test;

namespace {

// A 188.3 mm C-Track straight at (100, 100) drawn at zoom 1 from pan (60, 60) covers screen
// x 160 ... 348 and y 141 ... 178; its middle pixel is (254, 160).
constexpr int kMidX = 254;
constexpr int kMidY = 160;

Layout oneStraight(double z = 0.0) {
    Layout layout = plainLayout();
    addPiece(layout, "24188", 100, 100, 0, z);
    return layout;
}

}  // namespace

TEST(PlanDrawing, LayoutOriginSitsAtSixtySixtyInTheInitialView) {
    const wxImage grid = draw(plainLayout(/*grid=*/true), CanvasView());
    EXPECT_EQ(rgb(grid, 60, 60), "180,180,220") << "origin cross centre";
    EXPECT_EQ(rgb(grid, 69, 60), "180,180,220") << "origin cross arm";
    EXPECT_EQ(rgb(grid, 66, 66), "255,255,255") << "between grid lines";
}

TEST(PlanDrawing, HeightTintOwnColourLevelColourAndSelection) {
    const CanvasView view = makeView(1.0);
    EXPECT_EQ(rgb(draw(oneStraight(0.0), view), kMidX, kMidY), "210,210,205");
    Layout layout = oneStraight(60.0);
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "255,220,60") << "tint at 60 mm";

    LayoutLevel& level = layout.levels.front();
    level.trackcolor = true;
    level.r = 200;
    level.g = 0;
    level.b = 0;
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "200,0,0") << "level colour, no tint";
    PlacedPiece& p = layout.pieces.edit(0);
    p.hasColor = true;
    p.color = {0, 0, 200};
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "0,0,200") << "own colour wins";
    p.selected = true;
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "180,200,230") << "selected fill";
}

TEST(PlanDrawing, OptionsLeaveOutSelectionGridColourAndOtherLevels) {
    Layout layout = oneStraight();
    layout.showGrid = true;
    layout.pieces.edit(0).selected = true;
    RenderOptions options = canvasRenderOptions(layout);
    const CanvasView view = makeView(1.0);
    const wxImage canvas = draw(layout, options, view);
    EXPECT_EQ(rgb(canvas, kMidX, kMidY), "180,200,230") << "selected fill";
    EXPECT_GT(countColour(canvas, 220, 220, 215), 100) << "grid lines";

    options.showSelection = false;
    options.showGrid = false;
    const wxImage plain = draw(layout, options, view);
    EXPECT_EQ(rgb(plain, kMidX, kMidY), "210,210,205") << "drawn like any other piece";
    EXPECT_EQ(countColour(plain, 220, 220, 215), 0) << "no grid lines";
    EXPECT_EQ(countColour(plain, 180, 180, 220), 0) << "no origin cross";

    options.showGrid = true;
    options.grayscale = true;
    const wxImage grey = draw(layout, options, view);
    EXPECT_EQ(rgb(grey, kMidX, kMidY), "209,209,209");
    int coloured = 0;
    for (int y = 0; y < grey.GetHeight(); ++y) {
        for (int x = 0; x < grey.GetWidth(); ++x) {
            coloured += grey.GetRed(x, y) != grey.GetGreen(x, y) ||
                        grey.GetGreen(x, y) != grey.GetBlue(x, y);
        }
    }
    EXPECT_EQ(coloured, 0);

    LayoutLevel upper;
    upper.id = 2;
    layout.levels.push_back(upper);
    options = canvasRenderOptions(layout);
    options.showGrid = false;
    options.onlyLevel = 2;
    EXPECT_EQ(countNonWhite(draw(layout, options, view)), 0) << "level 1 left out";
}

TEST(PlanDrawing, GridIsLeftOutBelowSixAndAboveFourHundredPixels) {
    Layout layout = plainLayout(/*grid=*/true);
    const CanvasView view;      // zoom 0.4
    layout.gridSpacing = 12.5;  // 5 px
    EXPECT_EQ(countNonWhite(draw(layout, view)), 0) << "no grid and no origin cross at 5 px";
    layout.gridSpacing = 1002.5;  // 401 px
    EXPECT_EQ(countNonWhite(draw(layout, view)), 0) << "no grid and no origin cross at 401 px";
    layout.gridSpacing = 15.0;  // 6 px
    const wxImage fine = draw(layout, view);
    EXPECT_EQ(rgb(fine, 60 + 6, 100), "220,220,215") << "grid line 6 px right of the origin";
    EXPECT_EQ(rgb(fine, 60 + 3, 100), "255,255,255");
}

TEST(PlanDrawing, ZTrackBandIsNarrowerThanCTrack) {
    // Counts the band's pixels across the track 20 mm after its start (screen x 60 + 2 * 120).
    auto bandHeight = [](const char* article) {
        Layout layout = plainLayout();
        addPiece(layout, article, 100, 60);
        const wxImage img = draw(layout, makeView(2.0), 500, 400);
        int n = 0;
        for (int y = 0; y < img.GetHeight(); ++y) {
            n += rgb(img, 300, y) != "255,255,255";
        }
        return n;
    };
    EXPECT_NEAR(bandHeight("8500"), 24, 2) << "Z-Track: 2 x 6.0 mm at 2 px/mm";
    EXPECT_NEAR(bandHeight("24188"), 75, 2) << "C-Track: 2 x 18.7 mm at 2 px/mm";
}

TEST(PlanDrawing, TunnelCoveredTrackIsWashedOutWithoutRails) {
    Layout layout = oneStraight();
    layout.showRails = true;
    Tunnel t;
    t.id = layout.AllocateId();
    t.covers = {layout.pieces.front().id};
    layout.tunnels.push_back(t);
    const wxImage img = draw(layout, makeView(1.0));
    EXPECT_EQ(rgb(img, kMidX, kMidY), "216,216,214");
    // The rail lines 8.25 mm either side of the centre line are absent.
    EXPECT_EQ(rgb(img, kMidX, kMidY + 8), "216,216,214");
    layout.tunnels.clear();
    EXPECT_NE(rgb(draw(layout, makeView(1.0)), kMidX, kMidY + 8), "210,210,205")
        << "rails drawn on open track";
}

TEST(PlanDrawing, LabelsAndConnectorDotsFollowShowLabelsAndZoom) {
    Layout layout = oneStraight();
    layout.showLabels = true;
    auto orangeDots = [&](double zoom) {
        return countColour(draw(layout, makeView(zoom)), 255, 140, 0);
    };
    // Dark pixels of the article number written on the band.
    auto labelInk = [&](double zoom) {
        const wxImage img = draw(layout, makeView(zoom));
        int n = 0;
        for (int y = 0; y < img.GetHeight(); ++y) {
            for (int x = 0; x < img.GetWidth(); ++x) {
                n += img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100;
            }
        }
        return n;
    };
    EXPECT_GT(orangeDots(1.0), 10) << "two open ends at zoom 1";
    EXPECT_GT(labelInk(1.0), 10);
    EXPECT_GT(orangeDots(0.2), 0) << "still shown at zoom 0.2";
    EXPECT_EQ(orangeDots(0.19), 0) << "gone below zoom 0.2";
    EXPECT_EQ(labelInk(0.19), 0);
    layout.showLabels = false;
    EXPECT_EQ(orangeDots(1.0), 0) << "Hide Labels";
    EXPECT_EQ(labelInk(1.0), 0);
}

TEST(PlanDrawing, JoinedEndsShowGreenDotsAndOpenEndsOrange) {
    Layout layout = plainLayout(false, false, true);
    const uint32_t a = addPiece(layout, "24188", 100, 100);
    const uint32_t b = addPiece(layout, "24188", 288.3, 100);
    join(layout, a, 1, b, 0);
    const wxImage img = draw(layout, makeView(1.0), 600, 300);
    EXPECT_EQ(rgb(img, 348, 160), "60,180,60") << "the joint at layout x 288.3";
    EXPECT_EQ(rgb(img, 160, 160), "255,140,0") << "the open start";
}

TEST(PlanDrawing, ZoomToFitOfOneStraightFramesItWithEightyPixelMargins) {
    Layout layout = plainLayout();
    addPiece(layout, "24188", 0, 0);
    CanvasView view;
    view.zoomToFit(layout, false, 800, 600, TrackCatalog::instance());
    EXPECT_NEAR(view.zoom, 3.40, 0.005);
    const wxImage img = draw(layout, view, 800, 600);
    EXPECT_EQ(rgb(img, 85, 300), "210,210,205");
    EXPECT_EQ(rgb(img, 715, 300), "210,210,205");
    EXPECT_EQ(rgb(img, 75, 300), "255,255,255");
    EXPECT_EQ(rgb(img, 725, 300), "255,255,255");
}
