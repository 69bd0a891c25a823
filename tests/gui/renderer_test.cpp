// The plan drawing as the user sees it: pixels of layouts drawn through drawLayout.
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
    Layout layout = plainLayout(/*grid=*/true);
    CanvasView view;  // as the canvas starts
    const wxImage grid = draw(layout, view);
    EXPECT_EQ(rgb(grid, 60, 60), "180,180,220") << "origin cross centre";
    EXPECT_EQ(rgb(grid, 69, 60), "180,180,220") << "origin cross arm";
    EXPECT_EQ(rgb(grid, 60, 51), "180,180,220") << "origin cross arm";
    EXPECT_EQ(rgb(grid, 66, 66), "255,255,255") << "between grid lines";

    // Layout (100, 50) lands on screen (100, 80): a blue square from there to (150, 100) mm.
    Layout square = plainLayout();
    FreeShape s;
    s.id = square.AllocateId();
    s.vertices = {{100, 50}, {150, 50}, {150, 100}, {100, 100}};
    s.r = 0;
    s.g = 0;
    s.b = 255;
    s.outline = false;
    square.shapes.push_back(s);
    const wxImage img = draw(square, view);
    EXPECT_EQ(rgb(img, 100, 80), "0,0,255");
    EXPECT_EQ(rgb(img, 119, 99), "0,0,255");
    EXPECT_EQ(rgb(img, 99, 80), "255,255,255");
    EXPECT_EQ(rgb(img, 100, 79), "255,255,255");
    EXPECT_EQ(rgb(img, 120, 90), "255,255,255");
}

TEST(PlanDrawing, GroundTrackIsGreyAndRaisedTrackTakesTheHeightTint) {
    const CanvasView view = makeView(1.0);
    EXPECT_EQ(rgb(draw(oneStraight(0.0), view), kMidX, kMidY), "210,210,205");
    EXPECT_EQ(rgb(draw(oneStraight(60.0), view), kMidX, kMidY), "255,220,60");
    EXPECT_EQ(rgb(draw(oneStraight(120.0), view), kMidX, kMidY), "180,110,0");
    EXPECT_EQ(rgb(draw(oneStraight(500.0), view), kMidX, kMidY), "180,110,0");
    EXPECT_EQ(rgb(draw(oneStraight(0.4), view), kMidX, kMidY), "210,210,205")
        << "half a millimetre still counts as the ground";
}

TEST(PlanDrawing, TrackJoinedToAHelixKeepsItsColourWhileFlat) {
    const CanvasView view = makeView(1.0);
    Layout layout = plainLayout();
    const uint32_t stub = addPiece(layout, "24188", -188.3, 100, 0, 60);
    layout.FindPiece(stub)->helix = 77;
    const uint32_t lead = addPiece(layout, "24188", 100 - 188.3, 100, 0, 60);
    const uint32_t track = addPiece(layout, "24188", 100, 100, 0, 60);
    join(layout, stub, 1, lead, 0);
    join(layout, lead, 1, track, 0);
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "210,210,205")
        << "flat track reached through pieces of no helix";

    layout.FindPiece(track)->grade = 0.5;
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "255,220,60") << "graded track is tinted";
}

TEST(PlanDrawing, OwnColourBeatsLevelColourAndSelectionBeatsBoth) {
    const CanvasView view = makeView(1.0);
    Layout layout = oneStraight(60.0);
    LayoutLevel& level = layout.levels.front();
    level.trackcolor = true;
    level.r = 200;
    level.g = 0;
    level.b = 0;
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "200,0,0") << "level colour, no tint";

    PlacedPiece& p = layout.pieces.front();
    p.hasColor = true;
    p.color = {0, 0, 200};
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "0,0,200") << "own colour wins";

    p.selected = true;
    EXPECT_EQ(rgb(draw(layout, view), kMidX, kMidY), "180,200,230") << "selected fill";
}

TEST(PlanDrawing, KAndMTrackHaveTheirOwnFill) {
    const CanvasView view = makeView(1.0);
    Layout k = plainLayout();
    addPiece(k, "2200", 100, 100);
    EXPECT_EQ(rgb(draw(k, view), 250, kMidY), "215,200,175");
}

TEST(PlanDrawing, GridIsLeftOutBelowSixAndAboveFourHundredPixels) {
    Layout layout = plainLayout(/*grid=*/true);
    const CanvasView view;      // zoom 0.4
    layout.gridSpacing = 12.5;  // 5 px
    EXPECT_EQ(countNonWhite(draw(layout, view)), 0) << "no grid and no origin cross at 5 px";
    layout.gridSpacing = 1002.5;  // 401 px
    EXPECT_EQ(countNonWhite(draw(layout, view)), 0) << "no grid and no origin cross at 401 px";
    layout.gridSpacing = 1000.0;  // 400 px
    const wxImage img = draw(layout, view);
    EXPECT_EQ(rgb(img, 60, 60), "180,180,220") << "origin cross at 400 px";
    EXPECT_EQ(rgb(img, 200, 150), "255,255,255");
    layout.gridSpacing = 15.0;  // 6 px
    const wxImage fine = draw(layout, view);
    EXPECT_EQ(rgb(fine, 60 + 6, 100), "220,220,215") << "grid line 6 px right of the origin";
    EXPECT_EQ(rgb(fine, 60 + 3, 100), "255,255,255");
}

TEST(PlanDrawing, ZTrackBandIsNarrowerThanCTrack) {
    const CanvasView view = makeView(2.0);
    // Counts the band's pixels across the track 20 mm after its start (screen x 60 + 2 * 120).
    auto bandHeight = [&](const char* article) {
        Layout layout = plainLayout();
        addPiece(layout, article, 100, 60);
        const wxImage img = draw(layout, view, 500, 400);
        int n = 0;
        for (int y = 0; y < img.GetHeight(); ++y) {
            n += rgb(img, 300, y) != "255,255,255";
        }
        return n;
    };
    const int z = bandHeight("8500");
    const int c = bandHeight("24188");
    EXPECT_NEAR(z, 24, 2) << "Z-Track: 2 x 6.0 mm at 2 px/mm";
    EXPECT_NEAR(c, 75, 2) << "C-Track: 2 x 18.7 mm at 2 px/mm";
}

TEST(PlanDrawing, TunnelCoveredTrackIsWashedOut) {
    const CanvasView view = makeView(1.0);
    Layout layout = oneStraight();
    layout.showRails = true;
    Tunnel t;
    t.id = layout.AllocateId();
    t.covers = {layout.pieces.front().id};
    layout.tunnels.push_back(t);
    const wxImage img = draw(layout, view);
    EXPECT_EQ(rgb(img, kMidX, kMidY), "216,216,214");
    // No rails on covered track: the rail lines 8.25 mm either side of the centre line are absent.
    EXPECT_EQ(rgb(img, kMidX, kMidY + 8), "216,216,214");
    EXPECT_EQ(rgb(img, kMidX, kMidY - 8), "216,216,214");

    layout.tunnels.clear();
    const wxImage open = draw(layout, view);
    EXPECT_NE(rgb(open, kMidX, kMidY + 8), "210,210,205") << "rails drawn on open track";
}

TEST(PlanDrawing, LabelsAndConnectorDotsFollowShowLabelsAndZoom) {
    Layout layout = oneStraight();
    layout.showLabels = true;
    auto orangeDots = [&](const CanvasView& view) {
        return countColour(draw(layout, view), 255, 140, 0);
    };
    // Dark pixels of the article number written on the band.
    auto labelInk = [&](const CanvasView& view) {
        const wxImage img = draw(layout, view);
        int n = 0;
        for (int y = 0; y < img.GetHeight(); ++y) {
            for (int x = 0; x < img.GetWidth(); ++x) {
                n += img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100;
            }
        }
        return n;
    };
    EXPECT_GT(orangeDots(makeView(1.0)), 10) << "two open ends at zoom 1";
    EXPECT_GT(labelInk(makeView(1.0)), 10);
    EXPECT_GT(orangeDots(makeView(0.2)), 0) << "still shown at zoom 0.2";
    EXPECT_EQ(orangeDots(makeView(0.19)), 0) << "gone below zoom 0.2";
    EXPECT_EQ(labelInk(makeView(0.19)), 0);

    layout.showLabels = false;
    EXPECT_EQ(orangeDots(makeView(1.0)), 0) << "Hide Labels";
    EXPECT_EQ(labelInk(makeView(1.0)), 0);
}

TEST(PlanDrawing, JoinedEndsShowGreenDots) {
    Layout layout = plainLayout(false, false, true);
    const uint32_t a = addPiece(layout, "24188", 100, 100);
    const uint32_t b = addPiece(layout, "24188", 288.3, 100);
    join(layout, a, 1, b, 0);
    const wxImage img = draw(layout, makeView(1.0), 600, 300);
    // The joint at layout x 288.3 is screen x 348.
    EXPECT_EQ(rgb(img, 348, 160), "60,180,60");
    EXPECT_EQ(rgb(img, 160, 160), "255,140,0") << "the open start";
}

TEST(PlanDrawing, ZoomToFitOfOneStraightFramesItWithEightyPixelMargins) {
    Layout layout = plainLayout();
    addPiece(layout, "24188", 0, 0);
    CanvasView view;
    view.zoomToFit(layout, false, 800, 600, TrackCatalog::instance());
    EXPECT_NEAR(view.zoom, 3.40, 0.005);
    const wxImage img = draw(layout, view, 800, 600);
    EXPECT_EQ(rgb(img, 400, 300), "210,210,205") << "centred";
    EXPECT_EQ(rgb(img, 85, 300), "210,210,205");
    EXPECT_EQ(rgb(img, 715, 300), "210,210,205");
    EXPECT_EQ(rgb(img, 75, 300), "255,255,255");
    EXPECT_EQ(rgb(img, 725, 300), "255,255,255");
    EXPECT_EQ(rgb(img, 400, 240), "210,210,205") << "18.7 mm half-width is 63 px";
    EXPECT_EQ(rgb(img, 400, 230), "255,255,255");
}

TEST(PlanDrawing, HiddenLevelsAndUnknownArticlesAreNotDrawn) {
    Layout layout = oneStraight();
    layout.pieces.front().article = "no-such-piece";
    EXPECT_EQ(countNonWhite(draw(layout, makeView(1.0))), 0);
    Layout hidden = oneStraight();
    hidden.levels.front().visible = false;
    EXPECT_EQ(countNonWhite(draw(hidden, makeView(1.0))), 0);
}

TEST(PlanDrawing, TurnoutBranchIsDrawnInADarkerShade) {
    Layout layout = plainLayout();
    addPiece(layout, "24611", 100, 100);
    const wxImage img = draw(layout, makeView(1.0));
    EXPECT_EQ(rgb(img, 340, 160), "210,210,205") << "through route where the branch has left it";
    // 20 degrees along the left branch (radius 437.5 mm): layout (249.6, 73.6).
    EXPECT_EQ(rgb(img, 309, 133), "195,195,195") << "branch";
}

TEST(PlanDrawing, PalettePreviewIsGreen) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    wxBitmap bitmap(400, 300, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        LayoutRenderer renderer;
        renderer.drawPiecePreview(dc, *catalog.byArticle("24188"), Pose{100, 100, 0},
                                  makeView(1.0));
    }
    EXPECT_EQ(rgb(bitmap.ConvertToImage(), kMidX, kMidY), "200,225,200");
}

TEST(PlanDrawing, RulersTickEveryTwoHundredMillimetresAtTheInitialZoom) {
    wxBitmap bitmap(400, 300, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        LayoutRenderer renderer;
        renderer.drawRulers(dc, CanvasView(), Units::Millimetres, wxPoint(250, 250));
    }
    const wxImage img = bitmap.ConvertToImage();
    EXPECT_EQ(rgb(img, 100, 5), "240,240,240") << "top strip";
    EXPECT_EQ(rgb(img, 5, 100), "240,240,240") << "left strip";
    EXPECT_EQ(rgb(img, 60 + 80, 17), "140,140,140") << "tick at 200 mm";
    EXPECT_EQ(rgb(img, 60 + 40, 17), "240,240,240") << "no tick at 100 mm";
    EXPECT_EQ(rgb(img, 17, 60 + 160), "140,140,140") << "left tick at 400 mm";
    EXPECT_EQ(rgb(img, 250, 10), "200,80,80") << "mouse mark";
    EXPECT_EQ(rgb(img, 10, 250), "200,80,80") << "mouse mark";
    EXPECT_EQ(rgb(img, 200, 200), "255,255,255") << "nothing outside the strips";
}

TEST(PlanDrawing, LoneSelectedSceneryShowsEightHandles) {
    Layout layout = plainLayout();
    SceneryItem item;
    item.id = layout.AllocateId();
    item.item = "platform";
    item.x = 200;
    item.y = 150;
    item.selected = true;
    layout.scenery.push_back(item);
    auto whiteHandleAt = [&](const Layout& l, int x, int y) {
        wxBitmap bitmap(600, 400, 24);
        {
            wxMemoryDC dc(bitmap);
            LayoutRenderer renderer;
            renderer.paintDocument(dc, l, makeView(1.0), wxSize(600, 400), wxPoint(0, 0), "");
        }
        return rgb(bitmap.ConvertToImage(), x, y) == "255,255,255";
    };
    // The 230 x 60 mm platform centred on (200, 150): top-left corner at screen (145, 180).
    EXPECT_TRUE(whiteHandleAt(layout, 145, 180)) << "corner handle";
    EXPECT_TRUE(whiteHandleAt(layout, 260, 180)) << "edge handle";
    layout.pieces.push_back({});
    layout.pieces.back().article = "24188";
    layout.pieces.back().x = 1000;
    layout.pieces.back().selected = true;
    EXPECT_FALSE(whiteHandleAt(layout, 145, 180)) << "no handles with a piece selected as well";
}
