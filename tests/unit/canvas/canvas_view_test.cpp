// The canvas view transform: screen mapping, zoom limits, zoom about a point, fit and reset.

#include "canvas/canvas_view.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "geometry/track_shapes.h"

namespace {

TrackCatalog smallCatalog() {
    TrackCatalog cat;
    PieceDef s;
    s.article = "24188";
    s.kind = PieceKind::Straight;
    s.length = 188.3;
    s.connectors = straightConnectors(188.3);
    cat.add(s);
    return cat;
}

PlacedPiece piece(const char* article, double x, double y, double heading) {
    PlacedPiece p;
    p.article = article;
    p.x = x;
    p.y = y;
    p.heading = heading;
    return p;
}

}  // namespace

TEST(CanvasViewTransform, MapsTruncatesInvertsAndClamps) {
    CanvasView view;
    const ScreenPoint p = view.worldToScreen(Vec2{100, 50});
    EXPECT_EQ(p.x, 100) << "a new view draws the origin at (60, 60) at zoom 0.4";
    EXPECT_EQ(p.y, 80) << "y is not mirrored: layout y grows down the screen";
    view.zoom = 1.0;
    view.panX = 0;
    view.panY = 0;
    EXPECT_EQ(view.worldToScreen(2.9, -2.9).y, -2) << "truncation, not floor";
    view.zoom = 2.5;
    view.panX = 13;
    view.panY = -7;
    const Vec2 w = view.screenToWorld(263, 43);
    EXPECT_DOUBLE_EQ(w.x, 100.0);
    EXPECT_DOUBLE_EQ(w.y, 20.0);
    EXPECT_EQ(view.worldToScreen(w).x, 263);
    view.zoom = 20.0;
    EXPECT_EQ(view.worldToScreen(1e12, -1e12).x, INT_MAX) << "far points clamp";
}

TEST(CanvasViewZoom, ZoomAtKeepsTheLayoutPointUnderTheCursor) {
    CanvasView view;
    const Vec2 before = view.screenToWorld(345, 210);
    view.zoomAt(1.15, 345, 210);
    EXPECT_NEAR(view.zoom, 0.46, 1e-12);
    const Vec2 after = view.screenToWorld(345, 210);
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);
}

TEST(CanvasViewZoom, WheelZoomClampsAtTwentyAndAtPointThree) {
    CanvasView view;
    view.zoom = 19.0;
    const Vec2 before = view.screenToWorld(400, 300);
    view.wheelZoom(120, 400, 300);
    EXPECT_DOUBLE_EQ(view.zoom, 20.0);
    const Vec2 after = view.screenToWorld(400, 300);
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);

    view.zoom = 0.3;
    view.panX = 60;
    view.wheelZoom(-120, 500, 500);
    EXPECT_DOUBLE_EQ(view.zoom, 0.3);
    EXPECT_DOUBLE_EQ(view.panX, 60.0);
}

TEST(CanvasViewFit, SingleStraightOnEightHundredBySixHundred) {
    const TrackCatalog cat = smallCatalog();
    Layout layout;
    layout.pieces.push_back(piece("24188", 0, 0, 0));
    CanvasView view;
    EXPECT_TRUE(view.zoomToFit(layout, false, 800, 600, cat));
    EXPECT_NEAR(view.zoom, 640.0 / 188.3, 1e-9);
    // Centred: the straight's middle is drawn at the middle of the window.
    const ScreenPoint mid = view.worldToScreen(94.15, 0.5);
    EXPECT_EQ(mid.x, 400);
    EXPECT_EQ(mid.y, 300);
}

TEST(CanvasViewFit, FitFramesTurnedPiecesSceneryShapesAndHelices) {
    const TrackCatalog cat = smallCatalog();
    Layout layout;
    layout.pieces.push_back(piece("24188", 100, 100, 90));  // reaches to (100, 288.3)
    SceneryItem tree;
    tree.x = -200;
    tree.y = 150;
    layout.scenery.push_back(tree);
    Helix helix;
    helix.cx = 1000;
    helix.cy = 0;
    helix.variant = "unknown";
    layout.helices.push_back(helix);
    const Bounds b = fitBounds(layout, false, cat);
    EXPECT_DOUBLE_EQ(b.minX, -200.0);
    EXPECT_DOUBLE_EQ(b.maxX, 1500.0) << "an unknown helix variant counts 500 mm";
    EXPECT_DOUBLE_EQ(b.minY, -500.0);
    EXPECT_DOUBLE_EQ(b.maxY, 500.0);
    EXPECT_DOUBLE_EQ(fitBounds(layout, false, cat, [](const std::string&) { return 400.0; }).maxX,
                     1400.0);

    CanvasView view;
    view.zoomToFit(layout, false, 1000, 700, cat);
    EXPECT_NEAR(view.zoom, std::min(840.0 / 1700.0, 540.0 / 1000.0), 1e-12);
    EXPECT_NEAR(view.panX, (840 - view.zoom * 1700) / 2 + 80 + view.zoom * 200, 1e-9);
}

TEST(CanvasViewFit, PiecesOnlyLeavesBaseboardAndDecksOut) {
    const TrackCatalog cat = smallCatalog();
    Layout layout;
    layout.baseboard.vertices = {{0, 0}, {2400, 0}, {2400, 1200}, {0, 1200}};
    CanvasView view;
    EXPECT_TRUE(view.zoomToFit(layout, false, 800, 600, cat));
    EXPECT_NEAR(view.zoom, std::min(640.0 / 2400, 440.0 / 1200), 1e-12);

    EXPECT_FALSE(view.zoomToFit(layout, true, 800, 600, cat)) << "nothing but a baseboard";
    layout.pieces.push_back(piece("24188", 500, 500, 0));
    view.zoomToFit(layout, true, 800, 600, cat);
    EXPECT_NEAR(view.zoom, 640.0 / 188.3, 1e-9);
}

TEST(CanvasViewFit, EmptyOrUnknownContentResetsTheView) {
    const TrackCatalog cat = smallCatalog();
    Layout layout;
    layout.pieces.push_back(piece("99999", 10, 10, 0));
    CanvasView view;
    view.zoom = 3;
    view.panX = -400;
    EXPECT_FALSE(view.zoomToFit(layout, false, 800, 600, cat))
        << "a piece missing from the catalog has no extent to frame";
    EXPECT_DOUBLE_EQ(view.zoom, 0.4);
    EXPECT_DOUBLE_EQ(view.panX, 60.0);
    view.resetView(CanvasView::kOpenZoom);
    EXPECT_DOUBLE_EQ(view.zoom, 1.0);
}

TEST(CanvasViewFit, ZoomStaysWithinFitLimits) {
    const TrackCatalog cat = smallCatalog();
    Layout layout;
    SceneryItem a;
    a.x = 5;
    a.y = 5;
    layout.scenery.push_back(a);
    CanvasView view;
    view.zoomToFit(layout, false, 800, 600, cat);
    EXPECT_DOUBLE_EQ(view.zoom, 20.0) << "a single point is framed at the largest zoom";
    EXPECT_NEAR(view.panX, (640 - 20.0) / 2 + 80 - 100, 1e-9);

    FreeShape huge;
    huge.vertices = {{0, 0}, {100000, 0}, {100000, 100000}};
    layout.shapes.push_back(huge);
    view.zoomToFit(layout, false, 800, 600, cat);
    EXPECT_DOUBLE_EQ(view.zoom, 440.0 / 100000) << "a 100 m garden railway is seen whole";
    huge.vertices[1].x = huge.vertices[2].x = 5.0e6;
    layout.shapes.push_back(huge);
    view.zoomToFit(layout, false, 800, 600, cat);
    EXPECT_DOUBLE_EQ(view.zoom, CanvasView::kFitMinZoom) << "fit stops at 0.001";
}
