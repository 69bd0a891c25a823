#include "canvas/canvas_picking.h"

#include <algorithm>
#include <cmath>

#include "catalog/helix_catalog.h"
#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "render/render_rules.h"

namespace {

constexpr double kLevelTie = 0.001;

/// Keeps the best hit: a strictly higher level wins, on equal levels the smaller distance.
struct BestHit {
    uint32_t id = kNoId;
    double level = 0.0;
    double distance = 0.0;

    void offer(uint32_t candidate, double levelHeight, double d) {
        if (id == kNoId || levelHeight > level + kLevelTie ||
            (std::fabs(levelHeight - level) <= kLevelTie && d < distance)) {
            id = candidate;
            level = levelHeight;
            distance = d;
        }
    }
};

Vec2 screenOf(const CanvasView& view, Vec2 world) {
    return {world.x * view.zoom + view.panX, world.y * view.zoom + view.panY};
}

}  // namespace

LevelTable::LevelTable(const Layout& layout) : m_layout(layout) {}

bool LevelTable::visible(int32_t level) const {
    // Layouts have a handful of levels; a scan beats any index here.
    for (const LayoutLevel& l : m_layout.levels) {
        if (l.id == level) {
            return l.visible;
        }
    }
    return true;
}

double LevelTable::height(int32_t level) const {
    for (const LayoutLevel& l : m_layout.levels) {
        if (l.id == level) {
            return l.height;
        }
    }
    return 0.0;
}

uint32_t pickPiece(const Layout& layout, const CanvasView& view, ScreenPoint at,
                   const TrackCatalog& catalog) {
    const LevelTable levels(layout);
    const Vec2 p = view.screenToWorld(at.x, at.y);
    BestHit best;
    for (auto it = layout.pieces.rbegin(); it != layout.pieces.rend(); ++it) {
        if (!levels.visible(it->level)) {
            continue;
        }
        const PieceDef* def = catalog.byArticle(it->article);
        if (def == nullptr) {
            continue;
        }
        // A cheap distance bound first: no piece reaches further from its origin than its
        // length plus the pick reach (turntables and curves included).
        const double reach = pickReach(*def);
        const double far = def->length + def->radius + reach;
        if (std::fabs(p.x - it->x) > far || std::fabs(p.y - it->y) > far) {
            continue;
        }
        const double d = pickDistance(*def, it->pose(), p);
        if (d <= reach) {
            best.offer(it->id, levels.height(it->level), d);
        }
    }
    return best.id;
}

uint32_t pickHelix(const Layout& layout, const CanvasView& view, ScreenPoint at) {
    const LevelTable levels(layout);
    const Vec2 p = view.screenToWorld(at.x, at.y);
    BestHit best;
    for (const Helix& h : layout.helices) {
        const HelixVariant* v = helixVariantOrDefault(h.variant);
        if (v == nullptr) {
            continue;
        }
        const int32_t level = helixLevel(layout, h);
        if (!levels.visible(level)) {
            continue;
        }
        const double r = std::hypot(p.x - h.cx, p.y - h.cy);
        const double d = std::min(std::fabs(r - v->innerRadius), std::fabs(r - v->outerRadius));
        if (d <= 25.0) {
            best.offer(h.id, levels.height(level), d);
        }
    }
    return best.id;
}

uint32_t pickScenery(const Layout& layout, const CanvasView& view, ScreenPoint at,
                     const SceneryCatalog& catalog) {
    const LevelTable levels(layout);
    const Vec2 p = view.screenToWorld(at.x, at.y);
    BestHit best;
    for (auto it = layout.scenery.rbegin(); it != layout.scenery.rend(); ++it) {
        const SceneryDef* def = catalog.byKey(it->item);
        if (def == nullptr || !levels.visible(it->level)) {
            continue;
        }
        const Vec2 local = layoutToLocal({it->x, it->y, it->heading}, p);
        const double hw = def->width / 2.0 * it->scalex + 3.0;
        const double hd = def->depth / 2.0 * it->scaley + 3.0;
        if (std::fabs(local.x) <= hw && std::fabs(local.y) <= hd) {
            // Among items on one level the last drawn (the first met here) stays on top.
            best.offer(it->id, levels.height(it->level), 0.0);
        }
    }
    return best.id;
}

void sceneryHandlePoints(const SceneryItem& item, double width, double depth, Vec2 out[8]) {
    const double hw = width / 2.0 * item.scalex;
    const double hd = depth / 2.0 * item.scaley;
    const Vec2 local[8] = {{-hw, -hd}, {0, -hd}, {hw, -hd}, {hw, 0},
                           {hw, hd},   {0, hd},  {-hw, hd}, {-hw, 0}};
    for (int i = 0; i < 8; ++i) {
        out[i] = localToLayout({item.x, item.y, item.heading}, local[i]);
    }
}

int pickSceneryHandle(const Layout& layout, const CanvasView& view, ScreenPoint at,
                      const SceneryCatalog& catalog) {
    const SceneryItem* only = nullptr;
    int count = 0;
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected) {
            only = &s;
            ++count;
        }
    }
    auto anySelected = [](const auto& v) {
        return std::any_of(v.begin(), v.end(), [](const auto& o) { return o.selected; });
    };
    if (count != 1 || anySelected(layout.pieces) || anySelected(layout.labels) ||
        anySelected(layout.measurements) || anySelected(layout.shapes)) {
        return -1;
    }
    const SceneryDef* def = catalog.byKey(only->item);
    if (def == nullptr) {
        return -1;
    }
    Vec2 handles[8];
    sceneryHandlePoints(*only, def->width, def->depth, handles);
    for (int i = 0; i < 8; ++i) {
        const ScreenPoint s = view.worldToScreen(handles[i]);
        const int dx = at.x - s.x, dy = at.y - s.y;
        if (dx * dx + dy * dy < 37) {
            return i;
        }
    }
    return -1;
}

uint32_t pickLabel(const Layout& layout, const CanvasView& view, ScreenPoint at) {
    for (auto it = layout.labels.rbegin(); it != layout.labels.rend(); ++it) {
        const ScreenPoint a = view.worldToScreen(it->x, it->y);
        const int dx = at.x - a.x, dy = at.y - a.y;
        if (dx >= -4 && dx <= 120 && dy >= -4 && dy <= 24) {
            return it->id;
        }
    }
    return kNoId;
}

uint32_t pickShape(const Layout& layout, const CanvasView& view, ScreenPoint at) {
    const LevelTable levels(layout);
    const Vec2 p{static_cast<double>(at.x), static_cast<double>(at.y)};
    for (auto it = layout.shapes.rbegin(); it != layout.shapes.rend(); ++it) {
        const auto& v = it->vertices;
        if (v.size() < 3 || !levels.visible(it->level)) {
            continue;
        }
        bool inside = false;
        double nearest = 1e300;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            const Vec2 a = screenOf(view, v[i]);
            const Vec2 b = screenOf(view, v[j]);
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
            nearest = std::min(nearest, segmentDistance(p, a, b));
        }
        if (inside || nearest <= 8.0) {
            return it->id;
        }
    }
    return kNoId;
}

bool segmentHitsRect(Vec2 a, Vec2 b, double left, double top, double right, double bottom) {
    auto inside = [&](Vec2 q) {
        return q.x >= left && q.x <= right && q.y >= top && q.y <= bottom;
    };
    if (inside(a) || inside(b)) {
        return true;
    }
    // Liang-Barsky clipping: the segment meets the box when a parameter interval survives.
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double pq[4][2] = {
        {-dx, a.x - left}, {dx, right - a.x}, {-dy, a.y - top}, {dy, bottom - a.y}};
    for (const auto& e : pq) {
        if (e[0] == 0.0) {
            if (e[1] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = e[1] / e[0];
        if (e[0] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

uint32_t pickPieceOrHelixStub(const Layout& layout, const CanvasView& view, ScreenPoint at,
                              const TrackCatalog& catalog) {
    const uint32_t piece = pickPiece(layout, view, at, catalog);
    if (const Helix* h = piece == kNoId ? layout.FindHelix(pickHelix(layout, view, at)) : nullptr) {
        for (int32_t stub : {h->bottomR1, h->bottomR2, h->topR1, h->topR2}) {
            if (stub >= 0 && layout.FindPiece(static_cast<uint32_t>(stub)) != nullptr) {
                return static_cast<uint32_t>(stub);
            }
        }
    }
    return piece;
}

MeasurementHit pickMeasurement(const Layout& layout, const CanvasView& view, ScreenPoint at) {
    const double zoom = std::max(view.zoom, 1e-4);
    const Vec2 p = view.screenToWorld(at.x, at.y);
    for (auto m = layout.measurements.rbegin(); m != layout.measurements.rend(); ++m) {
        const Vec2 label{(m->x1 + m->x2) / 2.0 + m->labelDx, (m->y1 + m->y2) / 2.0 + m->labelDy};
        if (std::abs(p.x - label.x) * zoom <= 32.0 && std::abs(p.y - label.y) * zoom <= 9.0) {
            return {m->id, true};
        }
        if (segmentDistance(p, {m->x1, m->y1}, {m->x2, m->y2}) * zoom <= 8.0) {
            return {m->id, false};
        }
    }
    return {};
}
