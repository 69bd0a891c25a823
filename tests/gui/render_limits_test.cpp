// The plan drawing stays bounded by the pixels on screen: a piece a long way off, far beyond any
// real layout, is painted as quickly as a small plan, whatever the view.
#include <chrono>

#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_test;

namespace {

/// Seconds one paint of the document part of the canvas (plan and rulers) takes.
double paintSeconds(const Layout& layout, const CanvasView& view, int width = 800,
                    int height = 600) {
    wxBitmap bitmap(width, height, 24);
    wxMemoryDC dc(bitmap);
    LayoutRenderer renderer;
    const auto start = std::chrono::steady_clock::now();
    renderer.paintDocument(dc, layout, canvasRenderOptions(layout), view, wxSize(width, height),
                           wxPoint(10, 10), "Ready");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(PlanLimits, PieceFarAwayPaintsPromptlyAfterFit) {
    Layout layout = plainLayout(/*grid=*/true, /*rails=*/true, /*labels=*/true);
    addPiece(layout, "24188", 1e18, 1e18);
    CanvasView view;
    ASSERT_TRUE(view.zoomToFit(layout, false, 800, 600, TrackCatalog::instance()));
    EXPECT_LT(paintSeconds(layout, view), 1.0) << "fitted on the far piece alone";

    addPiece(layout, "24188", 0, 0);
    ASSERT_TRUE(view.zoomToFit(layout, false, 800, 600, TrackCatalog::instance()));
    EXPECT_LT(paintSeconds(layout, view), 1.0) << "fitted on the origin and the far piece";
}

TEST(PlanLimits, ViewsFarFromTheOriginKeepAnEvenGridAndPaintPromptly) {
    Layout layout = plainLayout(/*grid=*/true, /*rails=*/true, /*labels=*/true);
    layout.gridSpacing = 10.0;
    addPiece(layout, "24188", 1e18, 1e18);
    // Zoom 1 over the far piece: grid lines every 10 px, as near the origin.
    const CanvasView far = makeView(1.0, -1e18 + 100, 3);
    EXPECT_LT(paintSeconds(layout, far), 1.0);
    const wxImage img = draw(layout, far, 400, 300);
    std::vector<int> lines;
    for (int x = 0; x < 400; ++x) {
        if (rgb(img, x, 5) == "220,220,215") {
            lines.push_back(x);
        }
    }
    ASSERT_GE(lines.size(), 30u);
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i] - lines[i - 1], 10) << "grid line " << i;
    }
    // Views no paint can frame: zoomed as far out as the fit goes, and a pan past any pixel.
    EXPECT_LT(paintSeconds(layout, makeView(CanvasView::kFitMinZoom, -1e300, 1e300)), 1.0);
    EXPECT_LT(paintSeconds(layout, makeView(CanvasView::kMaxZoom, -1e20, 7e19)), 1.0);
}

TEST(PlanLimits, FitOfCoordinatesNoViewCanHoldResets) {
    Layout layout = plainLayout();
    addPiece(layout, "24188", -1.5e308, 0);
    addPiece(layout, "24188", 1.5e308, 0);
    CanvasView view = makeView(2.0, 5, 5);
    EXPECT_FALSE(view.zoomToFit(layout, false, 800, 600, TrackCatalog::instance()));
    EXPECT_DOUBLE_EQ(view.zoom, CanvasView::kInitialZoom);
    EXPECT_DOUBLE_EQ(view.panX, CanvasView::kInitialPan);
    EXPECT_LT(paintSeconds(layout, view), 1.0);
}
