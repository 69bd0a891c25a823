#include "canvas/render_overlays.h"

#include <cstdio>

#include "canvas/layout_renderer.h"
#include "canvas/render_style.h"

namespace {

constexpr RenderColour kBandPen{0, 120, 215};
constexpr RenderColour kSnapFill{255, 220, 0};
constexpr RenderColour kSnapPen{180, 120, 0};
constexpr int kMarkerRadius = 8;
constexpr RenderColour kPivotSnapFill{0, 220, 80, 180};
constexpr RenderColour kPivotSnapPen{0, 160, 60};
constexpr RenderColour kPivotFill{255, 180, 0, 160};
constexpr RenderColour kPivotPen{180, 120, 0};
constexpr RenderColour kPivotBox{30, 30, 30, 200};
constexpr RenderColour kPivotText{255, 255, 255};
constexpr int kPivotPt = 11;

void marker(wxDC& dc, wxPoint at, RenderColour fill, RenderColour pen) {
    dc.SetPen(wxPen(toWx(pen), 2));
    dc.SetBrush(wxBrush(toWx(fill)));
    dc.DrawCircle(at, kMarkerRadius);
}

wxPoint toScreen(const CanvasView& view, Vec2 p) {
    const ScreenPoint s = view.worldToScreen(p);
    return {s.x, s.y};
}

}  // namespace

void drawCanvasOverlays(wxDC& dc, LayoutRenderer& renderer, const CanvasOverlays& o,
                        const CanvasView& view) {
    if (o.rubberBand) {
        dc.SetPen(wxPen(toWx(kBandPen), 1, wxPENSTYLE_DOT));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        const wxRect r(wxPoint(o.bandFrom.x, o.bandFrom.y), wxPoint(o.bandTo.x, o.bandTo.y));
        dc.DrawRectangle(r);
    }
    if (o.snapMarker) {
        marker(dc, toScreen(view, o.snapPoint), kSnapFill, kSnapPen);
    }
    if (o.ghost != nullptr) {
        renderer.drawPiecePreview(dc, *o.ghost, o.ghostPose, view);
    }
    if (o.pivot) {
        const wxPoint at = toScreen(view, o.pivotPoint);
        marker(dc, at, o.pivotOnRightAngle ? kPivotSnapFill : kPivotFill,
               o.pivotOnRightAngle ? kPivotSnapPen : kPivotPen);
        char text[32];
        std::snprintf(text, sizeof text, "%.1f deg", o.pivotHeading);
        dc.SetFont(wxFont(wxFontInfo(kPivotPt).Bold()));
        const wxSize extent = dc.GetTextExtent(text);
        const wxPoint box(at.x + kMarkerRadius + 6, at.y - extent.y / 2 - 2);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(toWx(kPivotBox)));
        dc.DrawRoundedRectangle(box.x, box.y, extent.x + 8, extent.y + 4, 3);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.SetTextForeground(toWx(kPivotText));
        dc.DrawText(text, box.x + 4, box.y + 2);
    }
}
