// Scenery models: the catalog's flat drawing of an item with every primitive raised to its
// height. A primitive that lies over lower ones drawn before it starts on top of them, so roofs
// sit on walls and lamps on masts.
#include <algorithm>
#include <cmath>

#include "view3d/scene_parts.h"

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

}  // namespace

Mesh buildSceneryModel(const SceneryDef& def) {
    Mesh m;
    const Vec2 half{def.width / 2.0, def.depth / 2.0};
    std::vector<ShapeBounds> boxes;
    for (size_t i = 0; i < def.shapes.size(); ++i) {
        const SceneryShape& s = def.shapes[i];
        boxes.push_back(shapeBounds(s));
        double base = 0.0;
        for (size_t j = 0; j < i; ++j) {
            const double below = def.shapes[j].height;
            if (below < s.height && overlaps(boxes[j], boxes[i])) {
                base = std::max(base, below);
            }
        }
        const double top = std::max(s.height, base + kFlatThickness);
        const bool filled =
            s.fill.a != 0 && s.kind != SceneryShapeKind::Ring && s.kind != SceneryShapeKind::Line;
        const bool penned = s.outline.a != 0 && s.width > 0;
        if (s.kind == SceneryShapeKind::Line) {
            if (penned) {
                const Vec2 a{s.x - half.x, s.y - half.y}, b{s.w - half.x, s.h - half.y};
                const double len = std::hypot(b.x - a.x, b.y - a.y);
                addTurnedBox(m, {(a.x + b.x) / 2, (a.y + b.y) / 2},
                             radToDeg(std::atan2(b.y - a.y, b.x - a.x)), len,
                             std::max(1.0, 0.8 * s.width), base, top, toColour(s.outline),
                             toColour(s.outline).scaled(0.8f));
            }
            continue;
        }
        const std::vector<Vec2> pts = footprint(s, half);
        if (pts.size() < 3) {
            continue;
        }
        if (filled) {
            const Colour c = toColour(s.fill);
            addPrism(m, pts, base, top, c, penned ? toColour(s.outline) : c.scaled(0.8f));
        } else if (penned) {
            addWalls(m, pts, base, top, toColour(s.outline));
        }
    }
    return m;
}
