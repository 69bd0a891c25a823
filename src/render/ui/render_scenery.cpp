// Scenery items on the plan: the catalog's flat drawing of each item placed at its centre,
// heading and scale, toned and framed when selected; tunnel portals in their own pass.
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "catalog/scenery_catalog.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_text.h"

namespace {

// Points of a flattened ellipse; enough for a tree crown at the highest zoom.
constexpr int kEllipseSteps = 24;

// Item-local (corner origin, catalog mm) to the frame centred on the item's position and scaled.
struct ItemFrame {
    double halfW = 0.0;
    double halfD = 0.0;
    double sx = 1.0;
    double sy = 1.0;
    Vec2 centred(Vec2 p) const { return {(p.x - halfW) * sx, (p.y - halfD) * sy}; }
};

ItemFrame itemFrame(const SceneryItem& item, const SceneryDef& def) {
    return {def.width / 2.0, def.depth / 2.0, item.scalex, item.scaley};
}

}  // namespace

void LayoutRenderer::drawSceneryItem(wxDC& dc, const SceneryItem& item, const SceneryDef& def,
                                     const CanvasView& view, bool selected) {
    const ItemFrame f = itemFrame(item, def);
    const Pose pose{item.x, item.y, item.heading};
    auto tone = [&](Rgba c) {
        RenderColour rc{c.r, c.g, c.b, c.a};
        return selected ? selectedSceneryTone(rc) : rc;
    };
    for (const SceneryShape& s : def.shapes) {
        const bool hasFill = s.fill.a != 0;
        const bool hasPen = s.width > 0 && s.outline.a != 0;
        const int penWidth = std::max(1, static_cast<int>(std::lround(s.width * view.zoom)));
        m_local.clear();
        switch (s.kind) {
            case SceneryShapeKind::Rect:
                m_local.push_back(f.centred({s.x, s.y}));
                m_local.push_back(f.centred({s.x + s.w, s.y}));
                m_local.push_back(f.centred({s.x + s.w, s.y + s.h}));
                m_local.push_back(f.centred({s.x, s.y + s.h}));
                break;
            case SceneryShapeKind::Ellipse:
            case SceneryShapeKind::Ring:
                for (int i = 0; i <= kEllipseSteps; ++i) {
                    const double t = 2.0 * M_PI * i / kEllipseSteps;
                    m_local.push_back(f.centred(
                        {s.x + s.w / 2 * (1 + std::cos(t)), s.y + s.h / 2 * (1 + std::sin(t))}));
                }
                break;
            case SceneryShapeKind::Polygon:
                for (const Vec2& p : s.points) {
                    m_local.push_back(f.centred(p));
                }
                break;
            case SceneryShapeKind::Line:
                m_local.push_back(f.centred({s.x, s.y}));
                m_local.push_back(f.centred({s.w, s.h}));
                break;
        }
        if (s.kind == SceneryShapeKind::Ring || s.kind == SceneryShapeKind::Line) {
            if (s.width > 0) {
                strokePolyline(dc, m_local.data(), m_local.size(), &pose, view, tone(s.outline),
                               penWidth);
            }
            continue;
        }
        polygonToScreen(m_local.data(), m_local.size(), &pose, view);
        if (hasFill) {
            setBrush(dc, tone(s.fill));
        } else {
            setNoBrush(dc);
        }
        if (hasPen) {
            setPen(dc, tone(s.outline), penWidth);
        } else {
            setNoPen(dc);
        }
        if (hasFill || hasPen) {
            dc.DrawPolygon(static_cast<int>(m_screen.size()), m_screen.data());
        }
    }
    if (selected) {
        wxPoint h[8];
        sceneryHandles(item, def, view, h);
        const wxPoint frame[5] = {h[0], h[2], h[4], h[6], h[0]};
        setPen(dc, RenderStyle::kSceneryFrame, 1, wxPENSTYLE_DOT);
        dc.DrawLines(5, frame);
    }
}

void LayoutRenderer::sceneryHandles(const SceneryItem& item, const SceneryDef& def,
                                    const CanvasView& view, wxPoint out[8]) {
    const double w = def.width * item.scalex / 2.0;
    const double d = def.depth * item.scaley / 2.0;
    const Vec2 local[8] = {{-w, -d}, {0, -d}, {w, -d}, {w, 0}, {w, d}, {0, d}, {-w, d}, {-w, 0}};
    const Pose pose{item.x, item.y, item.heading};
    for (int i = 0; i < 8; ++i) {
        out[i] = toWxPoint(view.worldToScreen(localToLayout(pose, local[i])));
    }
}

void LayoutRenderer::drawScenery(wxDC& dc, const Layout& layout, const CanvasView& view,
                                 bool portals) {
    if (layout.scenery.empty()) {
        return;
    }
    std::unordered_set<int64_t> portalIds;
    for (const Tunnel& t : layout.tunnels) {
        portalIds.insert(t.portalA);
        portalIds.insert(t.portalB);
    }
    const SceneryCatalog& catalog = SceneryCatalog::instance();
    for (bool selectedPass : {false, true}) {
        for (const SceneryItem& s : layout.scenery) {
            const bool selected = m_options.selected(s.selected);
            if (selected != selectedPass || !m_options.inLayer(s.selected) ||
                (portalIds.count(static_cast<int64_t>(s.id)) != 0) != portals) {
                continue;
            }
            if (!m_options.showsLevel(layout, s.level)) {
                continue;
            }
            if (const SceneryDef* def = catalog.byKey(s.item)) {
                drawSceneryItem(dc, s, *def, view, selected);
            }
        }
    }
}
