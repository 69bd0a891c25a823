#include "render/ui/render_overlays.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>
#include <vector>

#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"
#include "render/render_rules.h"
#include "render/render_style.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_text.h"

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
constexpr RenderColour kDrawPen{40, 80, 200};
constexpr RenderColour kClosePen{40, 150, 60};
constexpr RenderColour kVertexPen{20, 20, 20};
constexpr int kLengthPt = 10;
constexpr TextBoxStyle kOutlineLength{{20, 20, 60}, {255, 255, 255, 200}, {200, 200, 200}};
constexpr TextBoxStyle kTapeLength{{20, 20, 20}, {255, 248, 220, 235}, kDrawPen};
constexpr RenderColour kTargetLine{220, 80, 40};
constexpr RenderColour kTargetBox{255, 240, 220, 235};
constexpr RenderColour kTargetText{20, 20, 20};
constexpr int kTargetPt = 10;
constexpr int kTargetEndRadius = 5;
constexpr double kArrowPx = 36.0;  ///< length of the direction arrow
constexpr double kArrowHeadPx = 10.0;

void marker(wxDC& dc, wxPoint at, RenderColour fill, RenderColour pen) {
    dc.SetPen(wxPen(toWx(pen), 2));
    dc.SetBrush(wxBrush(toWx(fill)));
    dc.DrawCircle(at, kMarkerRadius);
}

wxPoint toScreen(const CanvasView& view, Vec2 p) {
    const ScreenPoint s = view.worldToScreen(p);
    return {s.x, s.y};
}

void dot(wxDC& dc, wxPoint at, int radius, RenderColour fill, RenderColour pen) {
    dc.SetPen(wxPen(toWx(pen), 1));
    dc.SetBrush(wxBrush(toWx(fill)));
    dc.DrawCircle(at, radius);
}

// The length of a segment being drawn, in the layout's unit, in a box beside the mouse.
void lengthLabel(wxDC& dc, Vec2 a, Vec2 b, Units units, wxPoint left, const TextBoxStyle& style) {
    dc.SetFont(wxFont(wxFontInfo(kLengthPt).Bold()));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    drawLeftTextBox(dc, wxString::FromUTF8(formatLength(std::hypot(b.x - a.x, b.y - a.y), units)),
                    left, style);
}

/// The Elevation Wizard's target line: the start connector's dot with a direction arrow, a dashed
/// line to the point `length` mm ahead, its dot and the length in a rounded box beside it.
void drawTargetLine(wxDC& dc, const OverlayTargetLine& line, const CanvasView& view) {
    const Vec2 start{line.start.x, line.start.y};
    const double h = degToRad(line.start.heading);
    const Vec2 dir{std::cos(h), std::sin(h)};
    const wxPoint from = toScreen(view, start);
    const wxPoint to =
        toScreen(view, {start.x + dir.x * line.length, start.y + dir.y * line.length});
    // The arrow keeps its length on screen at every zoom.
    const double arrowMm = kArrowPx / std::max(view.zoom, 1e-6);
    const wxPoint tip = toScreen(view, {start.x + dir.x * arrowMm, start.y + dir.y * arrowMm});
    dc.SetPen(wxPen(toWx(kTargetLine), 2, wxPENSTYLE_LONG_DASH));
    dc.DrawLine(from, to);
    dc.SetPen(wxPen(toWx(kTargetLine), 3));
    dc.DrawLine(from, tip);
    const double sx = tip.x - from.x, sy = tip.y - from.y;
    const double len = std::max(std::hypot(sx, sy), 1.0);
    const double ux = sx / len, uy = sy / len;
    const wxPoint head[3] = {
        tip,
        wxPoint(static_cast<int>(tip.x - ux * kArrowHeadPx - uy * kArrowHeadPx / 2),
                static_cast<int>(tip.y - uy * kArrowHeadPx + ux * kArrowHeadPx / 2)),
        wxPoint(static_cast<int>(tip.x - ux * kArrowHeadPx + uy * kArrowHeadPx / 2),
                static_cast<int>(tip.y - uy * kArrowHeadPx - ux * kArrowHeadPx / 2))};
    dc.SetBrush(wxBrush(toWx(kTargetLine)));
    dc.DrawPolygon(3, head);
    marker(dc, from, kSnapFill, kSnapPen);
    dc.SetPen(wxPen(toWx(kTargetLine), 1));
    dc.SetBrush(wxBrush(toWx(kTargetLine)));
    dc.DrawCircle(to, kTargetEndRadius);
    dc.SetFont(wxFont(wxFontInfo(kTargetPt).Bold()));
    const wxSize extent = dc.GetTextExtent(line.label);
    // On the far side of the end point, so that the box never covers the line.
    const int gap = kTargetEndRadius + 6;
    const wxPoint box(ux < -0.3 ? to.x - gap - extent.x - 8 : to.x + gap, to.y - extent.y / 2 - 2);
    dc.SetBrush(wxBrush(toWx(kTargetBox)));
    dc.DrawRoundedRectangle(box.x, box.y, extent.x + 8, extent.y + 4, 3);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(toWx(kTargetText));
    dc.DrawText(line.label, box.x + 4, box.y + 2);
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
    void operator()(const OverlayOutline& outline) const {
        std::vector<wxPoint> points;
        for (const Vec2& v : outline.vertices) {
            points.push_back(toScreen(view, v));
        }
        dc.SetPen(wxPen(toWx(kDrawPen), 2));
        if (points.size() > 1) {
            dc.DrawLines(static_cast<int>(points.size()), points.data());
        }
        const wxPoint mouse = toScreen(view, outline.mouse);
        const Vec2 end = outline.closes ? outline.vertices.front() : outline.mouse;
        dc.SetPen(wxPen(toWx(outline.closes ? kClosePen : kDrawPen), outline.closes ? 2 : 1,
                        wxPENSTYLE_LONG_DASH));
        dc.DrawLine(points.back(), toScreen(view, end));
        lengthLabel(dc, outline.vertices.back(), end, outline.units, mouse + wxPoint(14, -6),
                    kOutlineLength);
        for (size_t i = points.size(); i-- > 0;) {
            dot(dc, points[i], i == 0 ? 6 : 4, i == 0 ? kClosePen : kDrawPen, kVertexPen);
        }
        if (outline.closes) {
            dc.SetPen(wxPen(toWx(kClosePen), 3));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawCircle(points.front(), 12);
            dc.SetFont(wxFont(wxFontInfo(kLengthPt).Bold()));
            dc.SetTextForeground(toWx(kClosePen));
            dc.DrawText("Close", points.front().x + 16, points.front().y - 8);
        }
    }
    void operator()(const OverlayTape& tape) const {
        const wxPoint from = toScreen(view, tape.from), to = toScreen(view, tape.to);
        dc.SetPen(wxPen(toWx(kDrawPen), 2, wxPENSTYLE_LONG_DASH));
        dc.DrawLine(from, to);
        dot(dc, from, 4, kDrawPen, kDrawPen);
        dot(dc, to, 4, kDrawPen, kDrawPen);
        lengthLabel(dc, tape.from, tape.to, tape.units, to + wxPoint(8, 0), kTapeLength);
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
    void operator()(const OverlayTargetLine& line) const { drawTargetLine(dc, line, view); }
};

}  // namespace

void drawCanvasOverlays(wxDC& dc, LayoutRenderer& renderer, const CanvasOverlays& overlays,
                        const CanvasView& view) {
    const OverlayPainter painter{dc, renderer, view};
    for (const OverlayItem& item : overlays) {
        std::visit(painter, item);
    }
}
