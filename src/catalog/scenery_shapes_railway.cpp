// Platforms, stations, railway buildings, signals, the turntable pit and the roundhouse, and the
// locomotive depot's water and coaling towers.
#include <cmath>
#include <numbers>

#include "catalog/scenery_shapes.h"

using namespace scenery_draw;

namespace {

constexpr Rgba kConcrete{190, 185, 175, 255};
constexpr Rgba kConcreteEdge{110, 105, 95, 255};
constexpr Rgba kPlatformEdgeBand{232, 226, 200, 255};
constexpr Rgba kJoint{150, 145, 135, 255};
constexpr Rgba kRoofTiles{160, 78, 58, 255};
constexpr Rgba kRoofSlate{88, 92, 108, 255};
constexpr Rgba kRoofShed{84, 84, 92, 255};
constexpr Rgba kChimney{118, 62, 50, 255};
constexpr Rgba kWood{150, 115, 75, 255};
constexpr Rgba kGlass{170, 200, 222, 255};
constexpr Rgba kDark{55, 55, 58, 255};
constexpr Rgba kMast{60, 60, 64, 255};
constexpr Rgba kSignalArm{185, 30, 35, 255};
constexpr Rgba kWhite{240, 240, 240, 255};
constexpr Rgba kUnlitLamp{72, 72, 76, 255};
constexpr Rgba kCoal{35, 35, 38, 255};

// Platform surfaces stand 8 mm above the rail foot, like the kit platforms.
constexpr double kPlatformHeight = 8.0;

/// Point at `radius` from `centre` in direction `angleDeg`, measured from +y towards +x.
Vec2 polar(Vec2 centre, double radius, double angleDeg) {
    const double a = angleDeg * std::numbers::pi / 180.0;
    return {centre.x + radius * std::sin(a), centre.y + radius * std::cos(a)};
}

/// Thin quadrilateral from `from`, `length` long in direction `angleDeg` (from +x, clockwise on
/// the plan), `halfWidth` to each side.
SceneryShape bar(Vec2 from, double length, double angleDeg, double halfWidth, Rgba fill,
                 double height) {
    const double a = angleDeg * std::numbers::pi / 180.0;
    const Vec2 d{std::cos(a), std::sin(a)};
    const Vec2 n{-d.y * halfWidth, d.x * halfWidth};
    const Vec2 to{from.x + d.x * length, from.y + d.y * length};
    return polygon({{from.x + n.x, from.y + n.y},
                    {to.x + n.x, to.y + n.y},
                    {to.x - n.x, to.y - n.y},
                    {from.x - n.x, from.y - n.y}},
                   fill, shade(fill, 0.6), 1, height);
}

/// Every signal follows one rule: a 20 mm drawing scaled to the item's size, with the lamp in
/// red for stop and green for clear. A semaphore shows its arm level at stop and raised at clear.
SceneryShapes signalShapes(double size, bool semaphore, bool clear) {
    const double k = size / 20.0;
    const Rgba lamp = clear ? kLampClear : kLampStop;
    SceneryShapes out;
    if (semaphore) {
        out.push_back(rect(7 * k, 7 * k, 6 * k, 6 * k, kConcrete, kConcreteEdge, 1, 1 * k));
        out.push_back(ellipse(8.5 * k, 8.5 * k, 3 * k, 3 * k, kMast, kDark, 1, 60 * k));
        const double armAngle = clear ? -45.0 : 0.0;
        out.push_back(bar({11.0 * k, 10.0 * k}, 7.5 * k, armAngle, 1.0 * k, kSignalArm, 58 * k));
        // The white band near the arm's tip is what makes a semaphore arm recognisable.
        out.push_back(bar(polar({11.0 * k, 10.0 * k}, 4.5 * k, 90.0 - armAngle), 1.5 * k, armAngle,
                          1.0 * k, kWhite, 58 * k));
        out.push_back(ellipse(3.5 * k, 8.0 * k, 4 * k, 4 * k, lamp, kDark, 1, 55 * k));
    } else {
        out.push_back(rect(6 * k, 6 * k, 8 * k, 8 * k, kConcrete, kConcreteEdge, 1, 1 * k));
        out.push_back(ellipse(8.5 * k, 8.5 * k, 3 * k, 3 * k, kMast, kDark, 1, 45 * k));
        out.push_back(rect(4 * k, 2 * k, 12 * k, 7 * k, Rgba{30, 30, 32, 255}, kDark, 1, 50 * k));
        out.push_back(ellipse(5.5 * k, 3.5 * k, 4 * k, 4 * k, lamp, kDark, 1, 50 * k));
        out.push_back(ellipse(10.5 * k, 3.5 * k, 4 * k, 4 * k, kUnlitLamp, kDark, 1, 50 * k));
    }
    return out;
}

/// Engine-shed roof band along x with its smoke vents on the ridge.
void shedRoof(SceneryShapes& out, double y, double width, double depth) {
    gableRoof(out, 0, y, width, depth, true, kRoofShed, 75);
    for (double vx : {0.2, 0.5, 0.8}) {
        out.push_back(rect(width * vx - 6, y + depth / 2 - 6, 12, 12, kDark, kRoofShed, 1, 85));
    }
}

}  // namespace

SceneryShapes drawPlatform(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kConcrete, kConcreteEdge, 1, kPlatformHeight));
    out.push_back(
        rect(0, depth - 8, width, 8, kPlatformEdgeBand, kConcreteEdge, 1, kPlatformHeight));
    for (double x : {40.0, 80.0, 120.0, 160.0, 190.0}) {
        out.push_back(line(x, 0, x, depth, kJoint, 1, kPlatformHeight));
    }
    return out;
}

SceneryShapes drawIslandPlatform(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kConcrete, kConcreteEdge, 1, kPlatformHeight));
    out.push_back(rect(0, 0, width, 8, kPlatformEdgeBand, kConcreteEdge, 1, kPlatformHeight));
    out.push_back(
        rect(0, depth - 8, width, 8, kPlatformEdgeBand, kConcreteEdge, 1, kPlatformHeight));
    for (int i = 1; i < 10; ++i) {
        const double x = width * i / 10.0;
        out.push_back(line(x, 8, x, depth - 8, kJoint, 1, kPlatformHeight));
    }
    // Shelter roof over the middle third, lamps at both ends.
    gableRoof(out, width * 0.3, depth / 3, width * 0.4, depth / 3, true, Rgba{110, 72, 60, 255},
              45);
    out.push_back(ellipse(width * 0.12, depth / 2 - 2, 4, 4, kDark, kDark, 0, 40));
    out.push_back(ellipse(width * 0.88 - 4, depth / 2 - 2, 4, 4, kDark, kDark, 0, 40));
    return out;
}

SceneryShapes drawStationSmall(double width, double depth) {
    SceneryShapes out;
    // Apron along the track side (far y edge), then building, goods annex, chimneys, canopy.
    out.push_back(rect(0, depth - 40, width, 40, kConcrete, kConcreteEdge, 1, kPlatformHeight));
    out.push_back(
        rect(0, depth - 6, width, 6, kPlatformEdgeBand, kConcreteEdge, 1, kPlatformHeight));
    hipRoof(out, 30, 12, 200, depth - 52, kRoofTiles, 70);
    gableRoof(out, 230, 30, 60, depth - 70, false, Rgba{125, 100, 78, 255}, 45);
    out.push_back(rect(80, 28, 8, 8, kChimney, kDark, 1, 85));
    out.push_back(rect(172, 28, 8, 8, kChimney, kDark, 1, 85));
    out.push_back(rect(50, depth - 40, 160, 24, Rgba{92, 96, 104, 225}, kDark, 1, 40));
    return out;
}

SceneryShapes drawStationLarge(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, depth - 50, width, 50, kConcrete, kConcreteEdge, 1, kPlatformHeight));
    out.push_back(
        rect(0, depth - 6, width, 6, kPlatformEdgeBand, kConcreteEdge, 1, kPlatformHeight));
    // Two wings either side of a tall central hall with a clock tower on its ridge.
    hipRoof(out, 35, 35, 150, 100, kRoofTiles, 75);
    hipRoof(out, width - 185, 35, 150, 100, kRoofTiles, 75);
    hipRoof(out, 185, 10, width - 370, 125, kRoofSlate, 110);
    out.push_back(rect(width / 2 - 15, 57, 30, 30, Rgba{165, 152, 128, 255}, kDark, 1, 140));
    hipRoof(out, width / 2 - 13, 59, 26, 26, Rgba{70, 110, 95, 255}, 150);
    out.push_back(rect(60, depth - 50, width - 120, 30, Rgba{82, 102, 92, 220}, kDark, 1, 45));
    return out;
}

SceneryShapes drawSignalBox(double width, double depth) {
    SceneryShapes out;
    hipRoof(out, 4, 4, width - 8, depth - 16, Rgba{135, 62, 46, 255}, 65);
    // Outside stair to the operating floor.
    out.push_back(rect(width - 20, depth - 12, 14, 10, kWood, kDark, 1, 20));
    for (double x = width - 17; x < width - 6; x += 3) {
        out.push_back(line(x, depth - 12, x, depth - 2, shade(kWood, 0.6), 1, 20));
    }
    return out;
}

SceneryShapes drawShed1Road(double width, double depth) {
    SceneryShapes out;
    shedRoof(out, 0, width, depth);
    return out;
}

SceneryShapes drawShed2Road(double width, double depth) {
    SceneryShapes out;
    shedRoof(out, 0, width, depth / 2);
    shedRoof(out, depth / 2, width, depth / 2);
    out.push_back(line(0, depth / 2, width, depth / 2, kDark, 2, 62));
    return out;
}

SceneryShapes drawGoodsShed(double width, double depth) {
    SceneryShapes out;
    gableRoof(out, 0, 0, width, depth - 24, true, Rgba{122, 92, 72, 255}, 55);
    // Loading ramp in front, planked along its length.
    out.push_back(rect(0, depth - 24, width, 24, Rgba{168, 132, 88, 255}, kDark, 1, 10));
    for (double y : {depth - 18, depth - 12, depth - 6}) {
        out.push_back(line(0, y, width, y, shade(kWood, 0.7), 1, 10));
    }
    return out;
}

SceneryShapes drawWarehouse(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth - 50, Rgba{122, 122, 128, 255}, kDark, 2, 90));
    for (int i = 0; i < 4; ++i) {
        out.push_back(rect(40 + 90 * i, 30, 30, depth - 110, kGlass, kDark, 1, 92));
    }
    out.push_back(rect(0, depth - 50, width, 50, Rgba{172, 166, 156, 255}, kDark, 1, 12));
    for (int i = 0; i < 4; ++i) {
        out.push_back(rect(50 + 90 * i, depth - 50, 40, 4, kDark, kDark, 0, 14));
    }
    return out;
}

SceneryShapes drawSemaphoreStop(double width, double) {
    return signalShapes(width, true, false);
}
SceneryShapes drawSemaphoreClear(double width, double) {
    return signalShapes(width, true, true);
}
SceneryShapes drawColorLightStop(double width, double) {
    return signalShapes(width, false, false);
}
SceneryShapes drawColorLightClear(double width, double) {
    return signalShapes(width, false, true);
}

SceneryShapes drawTurntablePit(double width, double depth) {
    SceneryShapes out;
    out.push_back(ring(0, 0, width, depth, Rgba{70, 60, 50, 255}, 2, 0));
    // The running rail of the bridge, just inside the pit wall.
    out.push_back(ring(8, 8, width - 16, depth - 16, Rgba{125, 115, 105, 255}, 1, 0));
    return out;
}

SceneryShapes drawRoundhouse(double width, double depth) {
    // The canvas sets a roundhouse against a turntable pit with its near edge 349.6 mm from the
    // pit centre, so the stalls radiate from that point, 12 degrees apart like the pit's tracks.
    const Vec2 pit{width / 2, -349.6};
    constexpr double kFront = 370.0;
    constexpr double kBack = 620.0;
    constexpr double kStallSpan = 12.0;
    SceneryShapes out;
    int stall = 0;
    for (double axis : {-kStallSpan, 0.0, kStallSpan}) {
        const double a0 = axis - kStallSpan / 2;
        const double a1 = axis + kStallSpan / 2;
        const Rgba roof = stall++ % 2 == 0 ? Rgba{140, 72, 52, 255} : Rgba{128, 64, 48, 255};
        out.push_back(polygon({polar(pit, kFront, a0), polar(pit, kBack, a0), polar(pit, kBack, a1),
                               polar(pit, kFront, a1)},
                              roof, Rgba{80, 40, 30, 255}, 1, 70));
        const Vec2 r0 = polar(pit, kFront, axis);
        const Vec2 r1 = polar(pit, kBack - 4, axis);
        out.push_back(line(r0.x, r0.y, r1.x, r1.y, Rgba{70, 36, 28, 255}, 2, 72));
        // Stall door: a dark line across the front.
        const Vec2 d0 = polar(pit, kFront, a0 + 1);
        const Vec2 d1 = polar(pit, kFront, a1 - 1);
        out.push_back(line(d0.x, d0.y, d1.x, d1.y, kDark, 3, 50));
        const Vec2 v = polar(pit, (kFront + kBack) / 2, axis);
        out.push_back(rect(v.x - 5, v.y - 5, 10, 10, kDark, kDark, 0, 80));
    }
    // Workshop annex behind the middle stall.
    hipRoof(out, width / 2 - 30, depth - 68, 60, 55, kRoofSlate, 50);
    return out;
}

SceneryShapes drawWaterTower(double width, double depth) {
    SceneryShapes out;
    out.push_back(ellipse(2, 2, width - 4, depth - 4, Rgba{112, 84, 62, 255}, kDark, 1, 70));
    out.push_back(ellipse(10, 10, width - 20, depth - 20, Rgba{92, 96, 100, 255}, kDark, 1, 76));
    out.push_back(ellipse(width / 2 - 4, depth / 2 - 4, 8, 8, kDark, kDark, 0, 80));
    return out;
}

SceneryShapes drawCoalingTower(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, Rgba{140, 140, 135, 255}, kDark, 1, 5));
    out.push_back(rect(10, 10, width - 20, depth - 20, Rgba{92, 86, 80, 255}, kDark, 1, 90));
    out.push_back(rect(20, 20, width - 40, depth - 40, kCoal, kDark, 0, 90));
    // Chutes reach out over the loading track on one side.
    out.push_back(rect(0, depth / 2 - 10, 10, 6, Rgba{72, 72, 72, 255}, kDark, 1, 40));
    out.push_back(rect(0, depth / 2 + 4, 10, 6, Rgba{72, 72, 72, 255}, kDark, 1, 40));
    return out;
}
