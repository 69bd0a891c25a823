// Scenery models: the catalog's flat drawing of an item with every primitive raised to its
// height. A primitive that lies over lower ones drawn before it starts on top of them, so roofs
// sit on walls and lamps on masts.
#include <algorithm>
#include <cmath>

#include "view3d/scene_parts.h"
#include "view3d/triangulate.h"

namespace {

constexpr int kEllipseSegments = 20;
// Flat primitives (paint on the ground, road markings) still get this much thickness, mm.
constexpr double kFlatThickness = 0.3;

Colour toColour(Rgba c) {
    return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f};
}

std::vector<Vec2> footprint(const SceneryShape& s, Vec2 half) {
    std::vector<Vec2> pts;
    switch (s.kind) {
        case SceneryShapeKind::Rect:
            pts = {{s.x, s.y}, {s.x + s.w, s.y}, {s.x + s.w, s.y + s.h}, {s.x, s.y + s.h}};
            break;
        case SceneryShapeKind::Ellipse:
        case SceneryShapeKind::Ring:
            for (int i = 0; i < kEllipseSegments; ++i) {
                const double t = 2.0 * M_PI * i / kEllipseSegments;
                pts.push_back(
                    {s.x + s.w / 2 * (1 + std::cos(t)), s.y + s.h / 2 * (1 + std::sin(t))});
            }
            break;
        case SceneryShapeKind::Polygon:
            pts = s.points;
            break;
        case SceneryShapeKind::Line:
            break;
    }
    for (Vec2& p : pts) {
        p = {p.x - half.x, p.y - half.y};
    }
    return pts;
}

bool overlaps(const ShapeBounds& a, const ShapeBounds& b) {
    return a.min.x < b.max.x && b.min.x < a.max.x && a.min.y < b.max.y && b.min.y < a.max.y;
}

bool within(const ShapeBounds& inner, const ShapeBounds& outer) {
    return inner.min.x >= outer.min.x && inner.max.x <= outer.max.x && inner.min.y >= outer.min.y &&
           inner.max.y <= outer.max.y;
}

// A tall, slender primitive (a tree crown, a mast) narrows towards its top: the footprint from
// z0 rises to the same outline shrunk to `topScale` about its centre at z1.
void addTapered(Mesh& m, const std::vector<Vec2>& pts, double z0, double z1, double topScale,
                Colour top, Colour sides) {
    Vec2 c;
    for (const Vec2& p : pts) {
        c = {c.x + p.x / pts.size(), c.y + p.y / pts.size()};
    }
    std::vector<Vec2> upper;
    for (const Vec2& p : pts) {
        upper.push_back({c.x + (p.x - c.x) * topScale, c.y + (p.y - c.y) * topScale});
    }
    const bool ccw = signedArea(pts) >= 0.0;
    for (size_t i = 0; i < pts.size(); ++i) {
        size_t a = i, b = (i + 1) % pts.size();
        if (!ccw) {
            std::swap(a, b);
        }
        m.addQuad({pts[a].x, pts[a].y, z0}, {pts[b].x, pts[b].y, z0}, {upper[b].x, upper[b].y, z1},
                  {upper[a].x, upper[a].y, z1}, sides);
    }
    addCap(m, upper, z1, top);
}

}  // namespace

namespace {

// Detail drawn inside an earlier primitive of the same height (lobes of a crown, the rings of a
// conifer) is paint on its top in the plan; raised, it would only fight it for depth.
bool paintedDetail(const SceneryDef& def, const std::vector<ShapeBounds>& boxes, size_t i) {
    const SceneryShape& s = def.shapes[i];
    for (size_t j = 0; j < i; ++j) {
        if (def.shapes[j].height == s.height && s.height > 0.0 && within(boxes[i], boxes[j]) &&
            def.shapes[j].fill.a != 0) {
            return true;
        }
    }
    return false;
}

// Where primitive i starts: on the highest lower primitive drawn before it that it overlaps.
double raisedBase(const SceneryDef& def, const std::vector<ShapeBounds>& boxes, size_t i) {
    double base = 0.0;
    for (size_t j = 0; j < i; ++j) {
        const double below = def.shapes[j].height;
        if (below < def.shapes[i].height && overlaps(boxes[j], boxes[i])) {
            base = std::max(base, below);
        }
    }
    return base;
}

void addLine(Mesh& m, const SceneryShape& s, Vec2 half, double base, double top) {
    const Vec2 a{s.x - half.x, s.y - half.y}, b{s.w - half.x, s.h - half.y};
    addTurnedBox(m, {(a.x + b.x) / 2, (a.y + b.y) / 2}, radToDeg(std::atan2(b.y - a.y, b.x - a.x)),
                 std::hypot(b.x - a.x, b.y - a.y), std::max(1.0, 0.8 * s.width), base, top,
                 toColour(s.outline), toColour(s.outline).scaled(0.8f));
}

}  // namespace

Mesh buildSceneryModel(const SceneryDef& def) {
    Mesh m;
    const Vec2 half{def.width / 2.0, def.depth / 2.0};
    std::vector<ShapeBounds> boxes;
    for (size_t i = 0; i < def.shapes.size(); ++i) {
        const SceneryShape& s = def.shapes[i];
        boxes.push_back(shapeBounds(s));
        if (paintedDetail(def, boxes, i)) {
            continue;
        }
        const double base = raisedBase(def, boxes, i);
        const double top = std::max(s.height, base + kFlatThickness);
        const bool filled =
            s.fill.a != 0 && s.kind != SceneryShapeKind::Ring && s.kind != SceneryShapeKind::Line;
        const bool penned = s.outline.a != 0 && s.width > 0;
        if (s.kind == SceneryShapeKind::Line) {
            if (penned) {
                addLine(m, s, half, base, top);
            }
            continue;
        }
        const std::vector<Vec2> pts = footprint(s, half);
        if (pts.size() < 3) {
            continue;
        }
        const ShapeBounds& box = boxes[i];
        const double slender = std::min(box.max.x - box.min.x, box.max.y - box.min.y);
        // Ellipses and many-pointed outlines (crowns, masts) taper; roof faces and walls do not.
        const bool rounded = s.kind == SceneryShapeKind::Ellipse ||
                             (s.kind == SceneryShapeKind::Polygon && s.points.size() >= 12);
        const Colour c = toColour(s.fill);
        if (filled && rounded && top - base > 1.2 * slender) {
            addTapered(m, pts, base, top, 0.3, c, c.scaled(0.85f));
        } else if (filled) {
            addPrism(m, pts, base, top, c, penned ? toColour(s.outline) : c.scaled(0.8f));
        } else if (penned) {
            addWalls(m, pts, base, top, toColour(s.outline));
        }
    }
    return m;
}
