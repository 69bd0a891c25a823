// Drawing outlines and measuring: the close distance in pixels, taking vertices back, a tape too
// short to keep, and picking a measurement by its label or its line.
#include <gtest/gtest.h>

#include "canvas/canvas_picking.h"
#include "canvas/outline_drawing.h"

TEST(OutlineDrawing, AClickWithinTenPixelsOfTheFirstVertexClosesATriangleElevenAddsAVertex) {
    constexpr double zoom = 2.0;  // 1 mm = 2 px
    for (const double pixels : {9.0, 11.0}) {
        OutlineDrawing outline;
        EXPECT_FALSE(outline.click({0, 0}, zoom));
        // Two vertices never close, even on the first vertex.
        EXPECT_FALSE(outline.click({0.5, 0}, zoom));
        EXPECT_FALSE(outline.canClose());
        EXPECT_FALSE(outline.click({100, 0}, zoom));
        const Vec2 near{0, pixels / zoom};
        outline.hover(near, zoom);
        EXPECT_EQ(outline.nearFirst(), pixels < 10.0);
        EXPECT_EQ(outline.click(near, zoom), pixels < 10.0);
        EXPECT_EQ(outline.vertices().size(), pixels < 10.0 ? 3u : 4u);
    }
}

TEST(OutlineDrawing, BackspaceDownToNoVertexLeavesNothingDrawn) {
    OutlineDrawing outline;
    outline.click({0, 0}, 1.0);
    outline.removeLast();
    outline.removeLast();
    EXPECT_FALSE(outline.drawing());
    EXPECT_FALSE(outline.click({5, 5}, 1.0));
    EXPECT_EQ(outline.vertices().size(), 1u);
}

TEST(TapeMeasure, TheSecondClickEndsTheTapeAndLessThanAMillimetreIsNotKept) {
    TapeMeasure tape;
    EXPECT_FALSE(tape.worthKeeping());
    EXPECT_FALSE(tape.click({10, 10}));
    EXPECT_TRUE(tape.click({10.5, 10}));
    EXPECT_FALSE(tape.worthKeeping());
    TapeMeasure longer;
    longer.click({0, 0});
    longer.hover({3, 4});
    EXPECT_TRUE(longer.click({0, 1}));
    EXPECT_TRUE(longer.worthKeeping());
}

TEST(MeasurementPicking, TheLabelBoxWinsOverTheLineAndLaterTapesOverEarlierOnes) {
    Layout layout;
    CanvasView view;
    view.zoom = 1.0;
    view.panX = view.panY = 0.0;
    layout.measurements.push_back({7, 0, 0, 200, 0, 0, 30, false});
    layout.measurements.push_back({8, 0, 100, 200, 100, 0, 0, false});
    EXPECT_EQ(pickMeasurement(layout, view, {131, 38}).id, 7u);  // label at (100, 30)
    EXPECT_TRUE(pickMeasurement(layout, view, {131, 38}).onLabel);
    EXPECT_FALSE(pickMeasurement(layout, view, {133, 30}).onLabel);
    const MeasurementHit line = pickMeasurement(layout, view, {20, 7});
    EXPECT_EQ(line.id, 7u);
    EXPECT_FALSE(line.onLabel);
    EXPECT_EQ(pickMeasurement(layout, view, {20, 9}).id, kNoId);
    EXPECT_EQ(pickMeasurement(layout, view, {100, 95}).id, 8u);
    view.zoom = 0.5;  // 8 px are 16 mm now
    EXPECT_EQ(pickMeasurement(layout, view, {10, 7}).id, 7u);
}
