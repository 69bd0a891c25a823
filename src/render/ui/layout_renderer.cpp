#include "render/ui/layout_renderer.h"

#include <cmath>

#include "catalog/scenery_catalog.h"

wxColour toWx(RenderColour c) {
    return wxColour(c.r, c.g, c.b, c.a);
}

LayoutRenderer::LayoutRenderer() : m_catalog(TrackCatalog::instance()) {
    // Room for the largest band (two arcs of 11 points each way) and the longest route lines.
    m_screen.reserve(256);
    m_local.reserve(256);
}

void LayoutRenderer::drawLayout(wxDC& dc, const Layout& layout, const RenderOptions& options,
                                const CanvasView& view, wxSize clientSize) {
    m_layout = &layout;
    m_options = options;
    m_clientSize = clientSize;
    m_drawArea = m_partArea.IsEmpty() ? wxRect(wxPoint(0, 0), clientSize) : m_partArea;
    m_labelSpace.clear();
    m_trackLabels.clear();

    if (options.layer != SelectionLayer::Selected) {
        drawGround(dc, layout, view, clientSize);
    }
    drawShapes(dc, layout, view);
    drawScenery(dc, layout, view, false);

    // Track leading into the bottom of a helix lies under the helix rings, all else over them.
    collectHelixDrawSets(layout, m_sets);
    m_deferLabels = true;
    drawPieceGroup(dc, layout, view, true);
    drawHelixRings(dc, layout, view);
    drawPieceGroup(dc, layout, view, false);
    drawOnTopPieces(dc, layout, view);
    m_deferLabels = false;
    drawTrackLabels(dc);

    drawScenery(dc, layout, view, true);
    drawGradeArrows(dc, layout, view);
    drawLabels(dc, layout, view);
    drawMeasurements(dc, layout, view);
}

void LayoutRenderer::drawLayoutPart(wxDC& dc, const Layout& layout, const RenderOptions& options,
                                    const CanvasView& view, wxSize clientSize, wxRect area) {
    dc.SetClippingRegion(area);
    m_partArea = area;
    drawLayout(dc, layout, options, view, clientSize);
    m_partArea = wxRect();
    dc.DestroyClippingRegion();
}

void LayoutRenderer::drawGround(wxDC& dc, const Layout& layout, const CanvasView& view,
                                wxSize clientSize) {
    dc.SetBackground(wxBrush(ink(RenderStyle::kBackground)));
    dc.Clear();
    const bool board = m_options.showBaseboard && layout.baseboard.vertices.size() >= 3;
    if (board) {
        drawBaseboard(dc, layout, view, true);
    }
    drawLevelDecks(dc, layout, view);
    if (m_options.showGrid) {
        drawGrid(dc, view, clientSize);
    }
    if (board) {
        drawBaseboard(dc, layout, view, false);
        drawBaseboardLabels(dc, layout, view);
    }
}

std::string LayoutRenderer::paintDocument(wxDC& dc, const Layout& layout,
                                          const RenderOptions& options, const CanvasView& view,
                                          wxSize clientSize, wxPoint mouse,
                                          const std::string& currentStatus) {
    drawLayout(dc, layout, options, view, clientSize);
    return paintOverPlan(dc, layout, options, view, mouse, currentStatus);
}

std::string LayoutRenderer::paintOverPlan(wxDC& dc, const Layout& layout,
                                          const RenderOptions& options, const CanvasView& view,
                                          wxPoint mouse, const std::string& currentStatus) {
    m_options = options;
    drawRulers(dc, view, unitsFromInt(static_cast<int>(layout.units)), mouse);

    // Handles only for a lone scenery item: with anything else selected a drag moves the group.
    const SceneryItem* lone = nullptr;
    int selectedScenery = 0;
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected) {
            ++selectedScenery;
            lone = &s;
        }
    }
    bool others = false;
    for (const PlacedPiece& p : layout.pieces) {
        others = others || p.selected;
    }
    for (const LayoutLabel& l : layout.labels) {
        others = others || l.selected;
    }
    for (const Measurement& m : layout.measurements) {
        others = others || m.selected;
    }
    for (const FreeShape& s : layout.shapes) {
        others = others || s.selected;
    }
    if (options.showSelection && selectedScenery == 1 && !others) {
        if (const SceneryDef* def = SceneryCatalog::instance().byKey(lone->item)) {
            wxPoint handles[8];
            sceneryHandles(*lone, *def, view, handles);
            setPen(dc, RenderStyle::kSceneryHandlePen, 1);
            setBrush(dc, RenderStyle::kSceneryHandleFill);
            for (const wxPoint& h : handles) {
                dc.DrawCircle(h, RenderStyle::kSceneryHandleRadius);
            }
        }
    }

    return elevationStatusText(layout, currentStatus).value_or(std::string());
}

void LayoutRenderer::polygonToScreen(const Vec2* pts, size_t n, const Pose* pose,
                                     const CanvasView& view) {
    m_screen.clear();
    if (pose == nullptr) {
        for (size_t i = 0; i < n; ++i) {
            m_screen.push_back(toWxPoint(view.worldToScreen(pts[i])));
        }
        return;
    }
    // One sine and cosine per polygon rather than per point.
    const double r = degToRad(pose->heading);
    const double c = std::cos(r);
    const double s = std::sin(r);
    for (size_t i = 0; i < n; ++i) {
        const Vec2& p = pts[i];
        m_screen.push_back(toWxPoint(
            view.worldToScreen(p.x * c - p.y * s + pose->x, p.x * s + p.y * c + pose->y)));
    }
}

void LayoutRenderer::fillPolygon(wxDC& dc, const Vec2* pts, size_t n, const Pose* pose,
                                 const CanvasView& view, RenderColour fill, RenderColour pen,
                                 int penWidth) {
    if (n < 3) {
        return;
    }
    polygonToScreen(pts, n, pose, view);
    setBrush(dc, fill);
    if (penWidth > 0) {
        setPen(dc, pen, penWidth);
    } else {
        setNoPen(dc);
    }
    dc.DrawPolygon(static_cast<int>(m_screen.size()), m_screen.data());
}

void LayoutRenderer::strokePolyline(wxDC& dc, const Vec2* pts, size_t n, const Pose* pose,
                                    const CanvasView& view, RenderColour pen, int penWidth) {
    if (n < 2) {
        return;
    }
    polygonToScreen(pts, n, pose, view);
    setPen(dc, pen, penWidth);
    dc.DrawLines(static_cast<int>(m_screen.size()), m_screen.data());
}

TextBoxStyle LayoutRenderer::toned(const TextBoxStyle& style) const {
    TextBoxStyle out = style;
    out.text = m_options.tone(style.text);
    out.fill = m_options.tone(style.fill);
    out.pen = m_options.tone(style.pen);
    return out;
}

void LayoutRenderer::setPen(wxDC& dc, RenderColour c, int width, wxPenStyle style) {
    m_pen.SetColour(ink(c));
    m_pen.SetWidth(width);
    m_pen.SetStyle(style);
    dc.SetPen(m_pen);
}

void LayoutRenderer::setBrush(wxDC& dc, RenderColour c) {
    m_brush.SetColour(ink(c));
    m_brush.SetStyle(wxBRUSHSTYLE_SOLID);
    dc.SetBrush(m_brush);
}

void LayoutRenderer::setNoBrush(wxDC& dc) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
}

void LayoutRenderer::setNoPen(wxDC& dc) {
    dc.SetPen(*wxTRANSPARENT_PEN);
}
