// Everything on the plan besides track and scenery: baseboard and level decks with their edge
// dimensions, the grid, the rulers, free shapes, grade arrows, text labels and measurements.
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/screen_ticks.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_text.h"

namespace {

// Grade texts are written only when the arrow is big enough to tell which they belong to.
constexpr double kGradeTextMinZoom = 0.25;
// Below this many pixels a measurement is a dot; arrowheads would hide it.
constexpr double kMeasureArrowMinPx = 6.0;
constexpr int kMeasureHeadPx = 10;
constexpr int kMeasureHeadHalfPx = 4;
// A selected label's frame lies this far outside the text.
constexpr int kLabelFrameGap = 2;

Vec2 vertexCentre(const std::vector<Vec2>& pts) {
    Vec2 c;
    for (const Vec2& p : pts) {
        c.x += p.x;
        c.y += p.y;
    }
    if (!pts.empty()) {
        c.x /= static_cast<double>(pts.size());
        c.y /= static_cast<double>(pts.size());
    }
    return c;
}

// Screen point of an edge's midpoint moved `push` pixels away from the outline's centre.
wxPoint pushedMidpoint(Vec2 a, Vec2 b, Vec2 centre, const CanvasView& view, int push) {
    const Vec2 mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    double nx = -(b.y - a.y);
    double ny = b.x - a.x;
    const double len = std::hypot(nx, ny);
    if (len > 0) {
        nx /= len;
        ny /= len;
    }
    if (nx * (mid.x - centre.x) + ny * (mid.y - centre.y) < 0) {
        nx = -nx;
        ny = -ny;
    }
    const ScreenPoint s = view.worldToScreen(mid);
    return {s.x + static_cast<int>(std::lround(nx * push)),
            s.y + static_cast<int>(std::lround(ny * push))};
}

Units layoutUnits(const Layout& layout) {
    return unitsFromInt(static_cast<int>(layout.units));
}

// Height of a level for ordering, with unknown levels at the ground.
double levelHeight(const Layout& layout, int32_t id) {
    const LayoutLevel* l = layout.FindLevel(id);
    return l ? l->height : 0.0;
}

}  // namespace

void LayoutRenderer::drawBaseboard(wxDC& dc, const Layout& layout, const CanvasView& view,
                                   bool filled) {
    const std::vector<Vec2>& v = layout.baseboard.vertices;
    polygonToScreen(v.data(), v.size(), nullptr, view);
    setPen(dc, RenderStyle::kBoardPen, RenderStyle::kBoardPenWidth);
    if (filled) {
        setBrush(dc, RenderStyle::kBaseboardFill);
    } else {
        setNoBrush(dc);
    }
    dc.DrawPolygon(static_cast<int>(m_screen.size()), m_screen.data());
}

void LayoutRenderer::drawBaseboardLabels(wxDC& dc, const Layout& layout, const CanvasView& view) {
    const std::vector<Vec2>& v = layout.baseboard.vertices;
    const Vec2 centre = vertexCentre(v);
    dc.SetFont(m_fonts.get(RenderStyle::kEdgeLabelPt, true));
    const TextBoxStyle style{RenderStyle::kEdgeLabelText, RenderStyle::kEdgeLabelBox,
                             RenderStyle::kEdgeLabelBoxPen};
    for (size_t i = 0; i < v.size(); ++i) {
        const Vec2 a = v[i];
        const Vec2 b = v[(i + 1) % v.size()];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len < RenderStyle::kEdgeLabelMinMm) {
            continue;
        }
        const wxPoint at = pushedMidpoint(a, b, centre, view, RenderStyle::kEdgeLabelPush);
        drawCentredTextBox(dc, wxString::FromUTF8(formatLength(len, layoutUnits(layout))), at,
                           toned(style));
    }
}

void LayoutRenderer::drawLevelDecks(wxDC& dc, const Layout& layout, const CanvasView& view) {
    std::vector<const LayoutLevel*> levels;
    levels.reserve(layout.levels.size());
    for (const LayoutLevel& l : layout.levels) {
        if (l.outline.size() >= 3 && m_options.showsLevel(layout, l.id)) {
            levels.push_back(&l);
        }
    }
    std::stable_sort(levels.begin(), levels.end(), [](const LayoutLevel* a, const LayoutLevel* b) {
        return a->height < b->height;
    });
    for (const LayoutLevel* l : levels) {
        fillPolygon(dc, l->outline.data(), l->outline.size(), nullptr, view, levelDeckFill(*l),
                    RenderStyle::kBoardPen, RenderStyle::kBoardPenWidth);
    }
}

void LayoutRenderer::drawGrid(wxDC& dc, const CanvasView& view, wxSize clientSize) {
    const double s = gridPixelStep(m_options.gridSpacing, view.zoom);
    if (s <= 0.0) {
        return;
    }
    setPen(dc, RenderStyle::kGridLine, 1);
    // Only the lines on screen, however far the view lies from the layout origin.
    const ScreenSteps columns = gridLines(view.panX, s, clientSize.x);
    for (int i = 0; i < columns.count; ++i) {
        const int ix = static_cast<int>(columns.at(i));
        dc.DrawLine(ix, 0, ix, clientSize.y);
    }
    const ScreenSteps rows = gridLines(view.panY, s, clientSize.y);
    for (int i = 0; i < rows.count; ++i) {
        const int iy = static_cast<int>(rows.at(i));
        dc.DrawLine(0, iy, clientSize.x, iy);
    }
    const ScreenPoint o = view.worldToScreen(0.0, 0.0);
    const int h = RenderStyle::kOriginCrossHalf;
    // The origin may lie far off screen, where its clamped position leaves no room for the arms.
    if (o.x < -h || o.y < -h || o.x > clientSize.x + h || o.y > clientSize.y + h) {
        return;
    }
    setPen(dc, RenderStyle::kOriginCross, RenderStyle::kOriginCrossWidth);
    dc.DrawLine(o.x - h, o.y, o.x + h, o.y);
    dc.DrawLine(o.x, o.y - h, o.x, o.y + h);
}

void LayoutRenderer::drawRulers(wxDC& dc, const CanvasView& view, Units units, wxPoint mouse) {
    const wxSize size = dc.GetSize();
    const int strip = RenderStyle::kRulerSize;
    setPen(dc, RenderStyle::kRulerPen, 1);
    setBrush(dc, RenderStyle::kRulerFill);
    dc.DrawRectangle(0, 0, size.x, strip);
    dc.DrawRectangle(0, 0, strip, size.y);

    dc.SetFont(m_fonts.get(RenderStyle::kRulerPt, false));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(ink(RenderStyle::kRulerText));
    // Ticks closer than this to the corner would run into the other strip. Labels stand right of
    // a top tick and below a left tick; both strips share the step that leaves room for the
    // labels of either.
    const int corner = strip - 1;
    const RulerStrip top{corner, size.x, 2};
    const RulerStrip left{corner, size.y, 1};
    const auto width = [&dc](const std::string& label) {
        return static_cast<double>(dc.GetTextExtent(wxString::FromUTF8(label)).x);
    };
    const auto height = [&dc](const std::string& label) {
        return static_cast<double>(dc.GetTextExtent(wxString::FromUTF8(label)).y);
    };
    const RulerStep across = rulerStepForLabels(units, view.zoom, view.panX, top, width);
    const RulerStep down = rulerStepForLabels(units, view.zoom, view.panY, left, height);
    const RulerStep step = across.pixels >= down.pixels ? across : down;

    setPen(dc, RenderStyle::kRulerTick, 1);
    for (const RulerTick& tick : rulerTicks(step, units, view.panX, top, width)) {
        dc.DrawLine(tick.pixel, strip - 6, tick.pixel, strip);
        if (!tick.label.empty()) {
            dc.DrawText(wxString::FromUTF8(tick.label), tick.pixel + 2, 1);
        }
    }
    for (const RulerTick& tick : rulerTicks(step, units, view.panY, left, height)) {
        dc.DrawLine(strip - 6, tick.pixel, strip, tick.pixel);
        if (!tick.label.empty()) {
            dc.DrawText(wxString::FromUTF8(tick.label), 1, tick.pixel + 1);
        }
    }

    setPen(dc, RenderStyle::kRulerMouse, 1);
    dc.DrawLine(mouse.x, 0, mouse.x, strip);
    dc.DrawLine(0, mouse.y, strip, mouse.y);
}

void LayoutRenderer::drawShapes(wxDC& dc, const Layout& layout, const CanvasView& view) {
    std::vector<const FreeShape*> shapes;
    shapes.reserve(layout.shapes.size());
    for (const FreeShape& s : layout.shapes) {
        if (m_options.showsLevel(layout, s.level) && m_options.inLayer(s.selected)) {
            shapes.push_back(&s);
        }
    }
    std::stable_sort(shapes.begin(), shapes.end(), [&](const FreeShape* a, const FreeShape* b) {
        return levelHeight(layout, a->level) < levelHeight(layout, b->level);
    });
    const Units units = layoutUnits(layout);
    for (const FreeShape* s : shapes) {
        const bool selected = m_options.selected(s->selected);
        const RenderColour fill{s->r, s->g, s->b, s->a};
        polygonToScreen(s->vertices.data(), s->vertices.size(), nullptr, view);
        if (m_screen.size() >= 3) {
            setBrush(dc, fill);
            if (s->outline) {
                const RenderColour half{static_cast<uint8_t>(s->r / 2),
                                        static_cast<uint8_t>(s->g / 2),
                                        static_cast<uint8_t>(s->b / 2)};
                setPen(
                    dc, selected ? RenderStyle::kShapeSelectedPen : half,
                    selected ? RenderStyle::kShapeSelectedPenWidth : RenderStyle::kShapePenWidth);
            } else {
                setNoPen(dc);
            }
            dc.DrawPolygon(static_cast<int>(m_screen.size()), m_screen.data());
        }
        const Vec2 centre = vertexCentre(s->vertices);
        if (!s->label.empty()) {
            dc.SetFont(m_fonts.get(RenderStyle::kShapeNamePt, true));
            dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
            dc.SetTextForeground(ink(RenderStyle::kShapeNameText));
            const wxString text = wxString::FromUTF8(s->label);
            const wxSize e = dc.GetTextExtent(text);
            const ScreenPoint c = view.worldToScreen(centre);
            dc.DrawText(text, c.x - e.x / 2, c.y - e.y / 2);
        }
        if ((m_options.showLabels || selected) && s->vertices.size() >= 2) {
            drawShapeEdgeLengths(dc, *s, centre, view, units);
        }
    }
}

void LayoutRenderer::drawShapeEdgeLengths(wxDC& dc, const FreeShape& shape, Vec2 centre,
                                          const CanvasView& view, Units units) {
    dc.SetFont(m_fonts.get(std::clamp(static_cast<int>(10 * view.zoom), 8, 12), false));
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetTextBackground(ink(RenderStyle::kShapeEdgeTextBack));
    dc.SetTextForeground(ink(RenderStyle::kShapeEdgeText));
    const std::vector<Vec2>& v = shape.vertices;
    for (size_t i = 0; i < v.size(); ++i) {
        const Vec2 a = v[i];
        const Vec2 b = v[(i + 1) % v.size()];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len < RenderStyle::kShapeEdgeMinMm) {
            continue;
        }
        const wxString text = wxString::FromUTF8(formatLength(len, units));
        const wxSize e = dc.GetTextExtent(text);
        const wxPoint at = pushedMidpoint(a, b, centre, view, RenderStyle::kShapeEdgePush);
        dc.DrawText(text, at.x - e.x / 2, at.y - e.y / 2);
    }
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

void LayoutRenderer::drawGradeArrows(wxDC& dc, const Layout& layout, const CanvasView& view) {
    for (const GradeRun& run : layout.gradeRuns) {
        const GradeArrow a = gradeArrow(layout, run, m_catalog);
        const PlacedPiece* anchor =
            m_options.layer == SelectionLayer::All ? nullptr : layout.FindPiece(static_cast<uint32_t>(run.anchor));
        if (!a.valid || (anchor != nullptr && !m_options.inLayer(anchor->selected))) {
            continue;
        }
        const RenderColour c = a.upward ? RenderStyle::kGradeUp : RenderStyle::kGradeDown;
        setPen(dc, c, RenderStyle::kGradeArrowWidth);
        const wxPoint tip = toWxPoint(view.worldToScreen(a.tip));
        dc.DrawLine(toWxPoint(view.worldToScreen(a.tail)), tip);
        const wxPoint head[3] = {tip, toWxPoint(view.worldToScreen(a.headLeft)),
                                 toWxPoint(view.worldToScreen(a.headRight))};
        setBrush(dc, c);
        dc.DrawPolygon(3, head);
        if (view.zoom >= kGradeTextMinZoom) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%+.1f deg", run.deg);
            dc.SetFont(m_fonts.get(std::max(7, static_cast<int>(8 * view.zoom)), true));
            dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
            dc.SetTextForeground(ink(c));
            dc.DrawText(buf, tip.x + 4, tip.y - 10);
        }
    }
}

void LayoutRenderer::drawLabels(wxDC& dc, const Layout& layout, const CanvasView& view) {
    if (layout.labels.empty()) {
        return;
    }
    dc.SetFont(m_fonts.get(std::max(8, static_cast<int>(11 * view.zoom)), true));
    for (const LayoutLabel& l : layout.labels) {
        if (!m_options.inLayer(l.selected)) {
            continue;
        }
        const bool selected = m_options.selected(l.selected);
        const wxString text = wxString::FromUTF8(l.text);
        const ScreenPoint p = view.worldToScreen(l.x, l.y);
        dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        dc.SetTextBackground(ink(RenderStyle::kLabelBack));
        dc.SetTextForeground(ink(selected ? RenderStyle::kLabelSelected : RenderStyle::kLabelText));
        dc.DrawText(text, p.x, p.y);
        if (selected) {
            const wxSize e = dc.GetTextExtent(text);
            const int g = kLabelFrameGap;
            setPen(dc, RenderStyle::kLabelSelected, 1, wxPENSTYLE_DOT);
            setNoBrush(dc);
            dc.DrawRectangle(p.x - g, p.y - g, e.x + 2 * g, e.y + 2 * g);
        }
    }
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

void LayoutRenderer::drawMeasurements(wxDC& dc, const Layout& layout, const CanvasView& view) {
    const Units units = layoutUnits(layout);
    for (const Measurement& m : layout.measurements) {
        if (!m_options.inLayer(m.selected)) {
            continue;
        }
        const bool selected = m_options.selected(m.selected);
        const RenderColour c = selected ? RenderStyle::kMeasureSelected : RenderStyle::kMeasureLine;
        const wxPoint a = toWxPoint(view.worldToScreen(m.x1, m.y1));
        const wxPoint b = toWxPoint(view.worldToScreen(m.x2, m.y2));
        setPen(dc, c, selected ? 3 : 2);
        dc.DrawLine(a, b);
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double px = std::hypot(dx, dy);
        if (px > kMeasureArrowMinPx) {
            const double ux = dx / px;
            const double uy = dy / px;
            setBrush(dc, c);
            setPen(dc, c, 1);
            // One head at each end, pointing outward along the line.
            for (int end = 0; end < 2; ++end) {
                const wxPoint tip = end == 0 ? a : b;
                const double sx = end == 0 ? ux : -ux;
                const double sy = end == 0 ? uy : -uy;
                const double bx = tip.x + sx * kMeasureHeadPx;
                const double by = tip.y + sy * kMeasureHeadPx;
                const wxPoint head[3] = {tip,
                                         {static_cast<int>(bx - sy * kMeasureHeadHalfPx),
                                          static_cast<int>(by + sx * kMeasureHeadHalfPx)},
                                         {static_cast<int>(bx + sy * kMeasureHeadHalfPx),
                                          static_cast<int>(by - sx * kMeasureHeadHalfPx)}};
                dc.DrawPolygon(3, head);
            }
        }
        const double len = std::hypot(m.x2 - m.x1, m.y2 - m.y1);
        const ScreenPoint mid =
            view.worldToScreen((m.x1 + m.x2) / 2 + m.labelDx, (m.y1 + m.y2) / 2 + m.labelDy);
        dc.SetFont(m_fonts.get(RenderStyle::kMeasurePt, true));
        const TextBoxStyle style{
            RenderStyle::kMeasureText,
            selected ? RenderStyle::kMeasureBoxSelected : RenderStyle::kMeasureBox, c};
        drawCentredTextBox(dc, wxString::FromUTF8(formatLength(len, units)), toWxPoint(mid),
                           toned(style));
    }
}
