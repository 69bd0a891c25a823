// Trees, bushes and road vehicles.
#include <cmath>
#include <numbers>

#include "catalog/scenery_shapes.h"

using namespace scenery_draw;

namespace {

constexpr Rgba kLeaf{62, 124, 56, 255};
constexpr Rgba kLeafLight{92, 156, 72, 255};
constexpr Rgba kLeafDark{38, 86, 40, 255};
constexpr Rgba kNeedles{36, 86, 48, 255};
constexpr Rgba kNeedlesLight{58, 112, 64, 255};
constexpr Rgba kGlass{150, 190, 215, 255};
constexpr Rgba kDark{40, 40, 44, 255};

/// Broad-leaved crown in the square box at (x, y) with side `size`: the crown and a few lighter
/// lobes, so it reads as foliage rather than a disc.
void deciduousCrown(SceneryShapes& out, double x, double y, double size, double height) {
    const double s = size;
    out.push_back(ellipse(x, y, s, s, kLeaf, kLeafDark, 1, height));
    out.push_back(
        ellipse(x + 0.10 * s, y + 0.10 * s, 0.46 * s, 0.42 * s, kLeafLight, kLeafDark, 0, height));
    out.push_back(ellipse(x + 0.46 * s, y + 0.18 * s, 0.42 * s, 0.40 * s, shade(kLeaf, 1.1),
                          kLeafDark, 0, height));
    out.push_back(ellipse(x + 0.22 * s, y + 0.50 * s, 0.46 * s, 0.42 * s, shade(kLeaf, 0.92),
                          kLeafDark, 0, height));
    out.push_back(ellipse(x + 0.28 * s, y + 0.24 * s, 0.18 * s, 0.15 * s, Rgba{128, 184, 96, 255},
                          kLeafDark, 0, height));
}

/// Spiky star inscribed in the ellipse of the box, `spikes` points, inner radius `inner` of the
/// outer one.
SceneryShape star(double x, double y, double w, double h, int spikes, double inner, Rgba fill,
                  Rgba outline, double height) {
    const Vec2 c{x + w / 2, y + h / 2};
    std::vector<Vec2> pts;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = std::numbers::pi * i / spikes;
        const double f = i % 2 == 0 ? 1.0 : inner;
        pts.push_back({c.x + f * w / 2 * std::sin(a), c.y - f * h / 2 * std::cos(a)});
    }
    return polygon(std::move(pts), fill, outline, 1, height);
}

/// Conifer from above: layered spiky whorls getting lighter towards the tip.
void coniferCrown(SceneryShapes& out, double x, double y, double w, double h, double height) {
    out.push_back(star(x, y, w, h, 10, 0.68, kNeedles, kLeafDark, height));
    out.push_back(star(x + 0.22 * w, y + 0.22 * h, 0.56 * w, 0.56 * h, 8, 0.65, kNeedlesLight,
                       kLeafDark, height));
    out.push_back(ellipse(x + 0.44 * w, y + 0.44 * h, 0.12 * w, 0.12 * h, Rgba{90, 140, 80, 255},
                          kLeafDark, 0, height));
}

}  // namespace

SceneryShapes drawTreeSmall(double width, double) {
    SceneryShapes out;
    deciduousCrown(out, 0, 0, width, 60);
    return out;
}

SceneryShapes drawTreeLarge(double width, double) {
    SceneryShapes out;
    deciduousCrown(out, 0, 0, width, 110);
    return out;
}

SceneryShapes drawConifer(double width, double depth) {
    SceneryShapes out;
    coniferCrown(out, 0, 0, width, depth, 90);
    return out;
}

SceneryShapes drawTreeGroup(double width, double depth) {
    // A large and a small broad-leaved tree with a conifer between them.
    SceneryShapes out;
    deciduousCrown(out, 0, depth - 60, 56, 100);
    deciduousCrown(out, width - 40, depth - 40, 38, 60);
    coniferCrown(out, 50, 0, 26, 44, 90);
    return out;
}

SceneryShapes drawBush(double width, double depth) {
    SceneryShapes out;
    out.push_back(ellipse(0, 0, width, depth, kLeaf, kLeafDark, 1, 12));
    out.push_back(ellipse(2, 2, width * 0.45, depth * 0.5, kLeafLight, kLeafDark, 0, 12));
    out.push_back(ellipse(width * 0.45, depth * 0.35, width * 0.48, depth * 0.55, shade(kLeaf, 1.1),
                          kLeafDark, 0, 12));
    return out;
}

SceneryShapes drawCar(double width, double depth) {
    // Bonnet towards +x.
    const Rgba body{40, 82, 170, 255};
    SceneryShapes out;
    out.push_back(polygon({{3, 1},
                           {width - 4, 1},
                           {width, 5},
                           {width, depth - 5},
                           {width - 4, depth - 1},
                           {3, depth - 1},
                           {0, depth - 4},
                           {0, 4}},
                          body, shade(body, 0.5), 1, 12));
    out.push_back(rect(30, 3, 6, depth - 6, kGlass, kDark, 1, 14));
    out.push_back(rect(16, 3, 14, depth - 6, shade(body, 1.2), shade(body, 0.5), 1, 15));
    out.push_back(rect(11, 3, 5, depth - 6, kGlass, kDark, 1, 14));
    out.push_back(ellipse(width - 3, 3, 2, 3, Rgba{245, 235, 170, 255}, kDark, 0, 8));
    out.push_back(ellipse(width - 3, depth - 6, 2, 3, Rgba{245, 235, 170, 255}, kDark, 0, 8));
    return out;
}

SceneryShapes drawTruck(double width, double depth) {
    // Cab towards +x, box body behind it.
    SceneryShapes out;
    const Rgba box{192, 192, 186, 255};
    out.push_back(rect(0, 0, width - 22, depth, box, shade(box, 0.6), 1, 35));
    for (int i = 1; i < 4; ++i) {
        const double x = (width - 22) * i / 4.0;
        out.push_back(line(x, 0, x, depth, shade(box, 0.75), 1, 35));
    }
    out.push_back(rect(width - 20, 1.5, 20, depth - 3, Rgba{180, 42, 40, 255},
                       Rgba{100, 24, 22, 255}, 1, 30));
    out.push_back(rect(width - 6, 3, 4, depth - 6, kGlass, kDark, 1, 30));
    return out;
}
