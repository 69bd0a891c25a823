// Texts on the plan as they reach the screen: ruler labels that leave room for each other and are
// not cut at the strip's end, and article labels that keep a readable size and do not print over
// each other. The rules behind them are unit-tested.
#include <algorithm>

#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_test;

namespace {

/// The plan with its rulers, as the canvas paints it, the mouse out of the way.
wxImage paint(const Layout& layout, const CanvasView& view, int width = 600, int height = 300) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        LayoutRenderer renderer;
        renderer.paintDocument(dc, layout, canvasRenderOptions(layout), view, wxSize(width, height),
                               wxPoint(5, 5), "Ready");
    }
    return bitmap.ConvertToImage();
}

/// Columns of the top ruler (right of the left strip) holding label ink: grey text on the strip,
/// darker than its (180, 180, 180) outline.
std::vector<bool> labelInkColumns(const wxImage& img) {
    std::vector<bool> ink(static_cast<size_t>(img.GetWidth()), false);
    for (int x = 21; x < img.GetWidth(); ++x) {
        for (int y = 1; y <= 12; ++y) {
            ink[static_cast<size_t>(x)] = ink[static_cast<size_t>(x)] || img.GetRed(x, y) < 170;
        }
    }
    return ink;
}

/// Pixels of the article labels: the dark grey text on the band.
int labelInk(const wxImage& img, int* top = nullptr, int* bottom = nullptr) {
    int n = 0;
    int lo = img.GetHeight();
    int hi = -1;
    for (int y = 0; y < img.GetHeight(); ++y) {
        for (int x = 0; x < img.GetWidth(); ++x) {
            if (img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100 && img.GetBlue(x, y) < 100) {
                ++n;
                lo = std::min(lo, y);
                hi = std::max(hi, y);
            }
        }
    }
    if (top != nullptr) {
        *top = lo;
    }
    if (bottom != nullptr) {
        *bottom = hi;
    }
    return n;
}

}  // namespace

TEST(PlanTexts, RulerLabelsZoomedOutLeaveRoomBeforeEachTick) {
    // Millimetres at zoom 0.05: the last candidate, 500 mm, is 25 px, too close for "10000".
    const Layout layout = plainLayout();
    const CanvasView view = makeView(CanvasView::kFitMinZoom, 60, 60);
    const wxImage img = paint(layout, view);
    const std::vector<bool> ink = labelInkColumns(img);
    int ticks = 0;
    for (int x = 25; x < img.GetWidth(); ++x) {
        if (img.GetRed(x, 17) != 140) {
            continue;
        }
        ++ticks;
        // A label starts 2 px after its tick: the one before must have ended a few pixels earlier.
        for (int c = x - 3; c <= x + 1; ++c) {
            EXPECT_FALSE(ink[static_cast<size_t>(c)]) << "label ink at " << c << ", tick at " << x;
        }
    }
    EXPECT_GE(ticks, 4) << "the ruler still has ticks";
    EXPECT_LE(ticks, 600 / 40) << "fewer ticks than every 25 px";
}

TEST(PlanTexts, RulerLabelCutAtTheStripsEndIsLeftOut) {
    // Centimetres at zoom 0.4 from x 70: ticks at 70, 150, 230, 310, 390; "80" at 392 would
    // run past a 400-pixel strip.
    Layout cm = plainLayout();
    cm.units = 1;
    const wxImage img = paint(cm, makeView(0.4, 70, 60), 400, 200);
    EXPECT_EQ(img.GetRed(390, 17), 140) << "the last tick is drawn";
    const std::vector<bool> ink = labelInkColumns(img);
    for (int x = 391; x < 400; ++x) {
        EXPECT_FALSE(ink[static_cast<size_t>(x)]) << "half a label at " << x;
    }
    EXPECT_TRUE(std::any_of(ink.begin() + 312, ink.begin() + 330, [](bool b) { return b; }))
        << "the label \"60\" before it stays";
}

TEST(PlanTexts, ArticleLabelsKeepAReadableSizeAndDoNotOverlap) {
    Layout layout = plainLayout(false, false, /*labels=*/true);
    addPiece(layout, "24188", 100, 100);
    const int one = labelInk(draw(layout, makeView(0.3), 400, 300));
    ASSERT_GT(one, 10);
    // A second straight lying over the first: its label would print over the first one, which
    // stays readable above both bands.
    addPiece(layout, "24188", 100, 101);
    EXPECT_EQ(labelInk(draw(layout, makeView(0.3), 400, 300)), one);
    // Beside it the second label has room and is drawn.
    layout.pieces.editBack().y = 160;
    EXPECT_EQ(labelInk(draw(layout, makeView(0.3), 400, 300)), 2 * one);

    // Z-Track bands 12 mm wide lying 13 mm apart: the bands leave each other alone, the labels
    // (9 px tall, 4 px apart on screen) would not.
    Layout z = plainLayout(false, false, /*labels=*/true);
    addPiece(z, "8500", 100, 100);
    const int single = labelInk(draw(z, makeView(0.3), 400, 300));
    ASSERT_GT(single, 10);
    addPiece(z, "8500", 100, 113);
    EXPECT_LT(labelInk(draw(z, makeView(0.3), 400, 300)), single * 13 / 10)
        << "the second label is left out";
    z.pieces.editBack().y = 200;
    EXPECT_GT(labelInk(draw(z, makeView(0.3), 400, 300)), single * 17 / 10);

    // Zoom 20: the label stays at 14 pt instead of 180 pt.
    Layout close = plainLayout(false, false, /*labels=*/true);
    addPiece(close, "24188", 0, 0);
    int top = 0;
    int bottom = 0;
    // The label sits at the straight's middle, 94 mm from its start.
    ASSERT_GT(labelInk(draw(close, makeView(20.0, 400 - 94.15 * 20, 300), 800, 600), &top, &bottom),
              10);
    EXPECT_LE(bottom - top, 24) << "text height of the label";
}
