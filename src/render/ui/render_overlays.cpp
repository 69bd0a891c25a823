#include "render/ui/render_overlays.h"

#include <cstdio>
#include <variant>

#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"
#include "render/render_style.h"
#include "render/ui/layout_renderer.h"

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
constexpr RenderColour kSceneryGhostPen{80, 150, 80};
constexpr RenderColour kHelixGhostPen{0, 150, 200};
constexpr int kHelixCross = 8;  ///< px each way from the centre

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

namespace {

struct OverlayPainter {
    wxDC& dc;
    LayoutRenderer& renderer;
    const CanvasView& view;

    void operator()(const OverlayBand& band) const {
        dc.SetPen(wxPen(toWx(kBandPen), 1, wxPENSTYLE_DOT));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxRect(wxPoint(band.from.x, band.from.y), wxPoint(band.to.x, band.to.y)));
    }
    void operator()(const OverlaySnapMarker& snap) const {
        marker(dc, toScreen(view, snap.at), kSnapFill, kSnapPen);
    }
    void operator()(const OverlayPieceGhost& ghost) const {
        if (ghost.def != nullptr) {
            renderer.drawPiecePreview(dc, *ghost.def, ghost.pose, view);
        }
    }
    void operator()(const OverlaySceneryGhost& ghost) const {
        if (ghost.def == nullptr) {
            return;
        }
        // The footprint the item will cover, from the same corners its resize handles use.
        SceneryItem item;
        item.x = ghost.pose.x;
        item.y = ghost.pose.y;
        item.heading = ghost.pose.heading;
        wxPoint h[8];
        LayoutRenderer::sceneryHandles(item, *ghost.def, view, h);
        const wxPoint outline[5] = {h[0], h[2], h[4], h[6], h[0]};
        dc.SetPen(wxPen(toWx(kSceneryGhostPen), 1, wxPENSTYLE_DOT));
        dc.DrawLines(5, outline);
    }
    void operator()(const OverlayHelixGhost& ghost) const {
        if (ghost.variant == nullptr) {
            return;
        }
        const wxPoint at = toScreen(view, ghost.centre);
        dc.SetPen(wxPen(toWx(kHelixGhostPen), 2, wxPENSTYLE_LONG_DASH));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        for (double radius : {ghost.variant->innerRadius, ghost.variant->outerRadius}) {
            dc.DrawCircle(at, static_cast<int>(radius * view.zoom));
        }
        dc.DrawLine(at.x - kHelixCross, at.y, at.x + kHelixCross + 1, at.y);
        dc.DrawLine(at.x, at.y - kHelixCross, at.x, at.y + kHelixCross + 1);
    }
    void operator()(const OverlayPivot& pivot) const {
        const wxPoint at = toScreen(view, pivot.at);
        marker(dc, at, pivot.onRightAngle ? kPivotSnapFill : kPivotFill,
               pivot.onRightAngle ? kPivotSnapPen : kPivotPen);
        char text[32];
        std::snprintf(text, sizeof text, "%.1f deg", pivot.heading);
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
};

}  // namespace

void drawCanvasOverlays(wxDC& dc, LayoutRenderer& renderer, const CanvasOverlays& overlays,
                        const CanvasView& view) {
    const OverlayPainter painter{dc, renderer, view};
    for (const OverlayItem& item : overlays) {
        std::visit(painter, item);
    }
}
