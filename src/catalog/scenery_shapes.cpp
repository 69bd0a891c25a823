#include "catalog/scenery_shapes.h"

#include <algorithm>
#include <cmath>

namespace scenery_draw {

SceneryShape rect(double x, double y, double w, double h, Rgba fill, Rgba outline, int width,
                  double height) {
    SceneryShape s;
    s.kind = SceneryShapeKind::Rect;
    s.fill = fill;
    s.outline = outline;
    s.width = width;
    s.x = x;
    s.y = y;
    s.w = w;
    s.h = h;
    s.height = height;
    return s;
}

SceneryShape ellipse(double x, double y, double w, double h, Rgba fill, Rgba outline, int width,
                     double height) {
    SceneryShape s = rect(x, y, w, h, fill, outline, width, height);
    s.kind = SceneryShapeKind::Ellipse;
    return s;
}

SceneryShape polygon(std::vector<Vec2> points, Rgba fill, Rgba outline, int width, double height) {
    SceneryShape s;
    s.kind = SceneryShapeKind::Polygon;
    s.fill = fill;
    s.outline = outline;
    s.width = width;
    s.points = std::move(points);
    s.height = height;
    return s;
}

SceneryShape polygon(std::initializer_list<Vec2> points, Rgba fill, Rgba outline, int width,
                     double height) {
    return polygon(std::vector<Vec2>(points), fill, outline, width, height);
}

SceneryShape ring(double x, double y, double w, double h, Rgba outline, int width, double height) {
    SceneryShape s = rect(x, y, w, h, kNoColour, outline, width, height);
    s.kind = SceneryShapeKind::Ring;
    return s;
}

SceneryShape line(double x1, double y1, double x2, double y2, Rgba colour, int width,
                  double height) {
    // A line stores its far end in (w, h), as the renderers read it.
    SceneryShape s = rect(x1, y1, x2, y2, kNoColour, colour, width, height);
    s.kind = SceneryShapeKind::Line;
    return s;
}

Rgba shade(Rgba colour, double factor) {
    auto channel = [factor](uint8_t c) {
        return static_cast<uint8_t>(std::clamp(std::lround(c * factor), 0L, 255L));
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b), colour.a};
}

void hipRoof(SceneryShapes& out, double x, double y, double w, double h, Rgba colour,
             double height) {
    // The faces get different shades so the roof reads as sloped from above, lit from the top.
    const Rgba edge = shade(colour, 0.6);
    if (w >= h) {
        const double inset = h / 2.0;
        const double ym = y + h / 2.0;
        out.push_back(polygon({{x, y}, {x + w, y}, {x + w - inset, ym}, {x + inset, ym}},
                              shade(colour, 1.12), edge, 1, height));
        out.push_back(polygon({{x, y + h}, {x + inset, ym}, {x + w - inset, ym}, {x + w, y + h}},
                              shade(colour, 0.85), edge, 1, height));
        out.push_back(polygon({{x, y}, {x + inset, ym}, {x, y + h}}, colour, edge, 1, height));
        out.push_back(
            polygon({{x + w, y}, {x + w, y + h}, {x + w - inset, ym}}, colour, edge, 1, height));
        out.push_back(line(x + inset, ym, x + w - inset, ym, shade(colour, 0.5), 2, height));
    } else {
        const double inset = w / 2.0;
        const double xm = x + w / 2.0;
        out.push_back(polygon({{x, y}, {xm, y + inset}, {xm, y + h - inset}, {x, y + h}},
                              shade(colour, 1.12), edge, 1, height));
        out.push_back(polygon({{x + w, y}, {x + w, y + h}, {xm, y + h - inset}, {xm, y + inset}},
                              shade(colour, 0.85), edge, 1, height));
        out.push_back(polygon({{x, y}, {x + w, y}, {xm, y + inset}}, colour, edge, 1, height));
        out.push_back(
            polygon({{x, y + h}, {xm, y + h - inset}, {x + w, y + h}}, colour, edge, 1, height));
        out.push_back(line(xm, y + inset, xm, y + h - inset, shade(colour, 0.5), 2, height));
    }
}

void gableRoof(SceneryShapes& out, double x, double y, double w, double h, bool alongX, Rgba colour,
               double height) {
    const Rgba edge = shade(colour, 0.6);
    if (alongX) {
        out.push_back(rect(x, y, w, h / 2.0, shade(colour, 1.12), edge, 1, height));
        out.push_back(rect(x, y + h / 2.0, w, h / 2.0, shade(colour, 0.85), edge, 1, height));
        out.push_back(line(x, y + h / 2.0, x + w, y + h / 2.0, shade(colour, 0.5), 2, height));
    } else {
        out.push_back(rect(x, y, w / 2.0, h, shade(colour, 1.12), edge, 1, height));
        out.push_back(rect(x + w / 2.0, y, w / 2.0, h, shade(colour, 0.85), edge, 1, height));
        out.push_back(line(x + w / 2.0, y, x + w / 2.0, y + h, shade(colour, 0.5), 2, height));
    }
}

}  // namespace scenery_draw
