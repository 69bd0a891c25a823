// The canvas's kept picture of the plan: a paint after a pan or during a drag must show what a
// drawing from scratch shows, pixel for pixel.
#include <gtest/gtest.h>

#include "canvas/ui/plan_cache.h"
#include "render_support.h"

using namespace render_test;

namespace {

/// Rows of straights and curves with a board and the grid, seen from far away.
Layout farPlan() {
    Layout layout = plainLayout(true);
    layout.baseboard.vertices = {{0, 0}, {6000, 0}, {6000, 3000}, {0, 3000}};
    for (int i = 0; i < 400; ++i) {
        addPiece(layout, i % 3 == 0 ? "24130" : "24188", 150.0 * (i % 40), 300.0 * (i / 40),
                 (i % 7) * 15.0);
    }
    layout.pieces.edit(5).selected = true;
    return layout;
}

wxImage throughCache(PlanCache& cache, LayoutRenderer& renderer, const Layout& layout,
                     const CanvasView& view, bool selectionMoving = false) {
    wxBitmap bitmap(400, 300, 24);
    {
        wxMemoryDC dc(bitmap);
        cache.draw(dc, renderer, layout, canvasRenderOptions(layout), view, wxSize(400, 300),
                   selectionMoving);
    }
    return bitmap.ConvertToImage();
}

int differentPixels(const wxImage& a, const wxImage& b) {
    int n = 0;
    for (int y = 0; y < a.GetHeight(); ++y) {
        for (int x = 0; x < a.GetWidth(); ++x) {
            n += rgb(a, x, y) != rgb(b, x, y);
        }
    }
    return n;
}

}  // namespace

TEST(PlanCache, APanShiftsThePictureAndDrawsTheUncoveredStripsAsAFreshDrawingWould) {
    const Layout layout = farPlan();
    PlanCache cache;
    LayoutRenderer renderer;
    CanvasView view = makeView(0.06, 20, 30);
    throughCache(cache, renderer, layout, view);
    for (const auto& [dx, dy] : {std::pair{7, -5}, {-23, 11}, {0, 40}}) {
        view.panX += dx;
        view.panY += dy;
        EXPECT_EQ(differentPixels(throughCache(cache, renderer, layout, view), draw(layout, view)),
                  0)
            << dx << "," << dy;
    }
    EXPECT_EQ(cache.redraws(), 1) << "the pans moved the picture, they did not draw it again";
}

TEST(PlanCache, AChangeMadeInPlaceIsDrawnAndADraggedSelectionMovesOverTheKeptRest) {
    Layout layout = farPlan();
    PlanCache cache;
    LayoutRenderer renderer;
    const CanvasView view = makeView(0.06, 20, 30);
    throughCache(cache, renderer, layout, view);
    layout.pieces.edit(9).x += 400;  // an unselected piece moved without a commit
    EXPECT_EQ(differentPixels(throughCache(cache, renderer, layout, view), draw(layout, view)), 0);

    for (int move = 0; move < 3; ++move) {
        layout.pieces.edit(5).x += 400;  // the selection dragged
        EXPECT_EQ(differentPixels(throughCache(cache, renderer, layout, view, true),
                                  draw(layout, view)),
                  0);
    }
    EXPECT_EQ(cache.redraws(), 3) << "once for the rest, then only the selection over it";
}
