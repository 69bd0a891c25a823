// Bridge decoration, piers, level crossings, roads, paved areas, the tunnel portal and the
// retaining wall.
#include "catalog/scenery_shapes.h"

using namespace scenery_draw;

namespace {

constexpr Rgba kSteel{72, 98, 84, 255};
constexpr Rgba kSteelDark{52, 72, 62, 255};
constexpr Rgba kDeck{72, 72, 78, 255};
constexpr Rgba kStone{170, 150, 120, 255};
constexpr Rgba kStoneDark{120, 104, 82, 255};
constexpr Rgba kAsphalt{86, 86, 92, 255};
constexpr Rgba kRoadMarking{235, 235, 230, 255};
constexpr Rgba kRail{172, 172, 178, 255};
constexpr Rgba kBoomRed{205, 55, 50, 255};
constexpr Rgba kPierGrey{160, 160, 164, 255};
constexpr Rgba kDark{55, 55, 58, 255};
constexpr Rgba kEarth{108, 120, 72, 255};
constexpr Rgba kPaving{205, 195, 175, 255};

// C-Track rails lie 8.25 mm either side of the centre line.
constexpr double kHalfGauge = 8.25;

/// Truss bridge from above: deck, two top chords along the sides, cross bracing between them.
SceneryShapes trussBridge(double width, double depth) {
    constexpr int kPanels = 6;
    const double panel = width / kPanels;
    const double inner0 = 10.0;
    const double inner1 = depth - 10.0;
    SceneryShapes out;
    out.push_back(rect(0, 8, width, depth - 16, kDeck, kDark, 1, 2));
    out.push_back(rect(0, 4, width, 6, kSteel, kSteelDark, 1, 40));
    out.push_back(rect(0, depth - 10, width, 6, kSteel, kSteelDark, 1, 40));
    for (int i = 0; i < kPanels; ++i) {
        const double x0 = panel * i;
        const double x1 = panel * (i + 1);
        out.push_back(line(x0, inner0, x1, inner1, kSteelDark, 1, 40));
        out.push_back(line(x0, inner1, x1, inner0, kSteelDark, 1, 40));
    }
    for (int i = 0; i <= kPanels; ++i) {
        out.push_back(line(panel * i, inner0, panel * i, inner1, kSteel, 2, 40));
    }
    return out;
}

/// The four Märklin piers share a 70 x 34 base plate and differ in what stands on it.
enum class PierPart { BasePlate7250, BasePlate7251, Pillar7252, HighPillar7253 };

SceneryShapes pierShapes(double width, double depth, PierPart part) {
    SceneryShapes out;
    switch (part) {
        case PierPart::BasePlate7250:
            out.push_back(rect(0, 0, width, depth, Rgba{150, 150, 155, 255}, kDark, 1, 2.5));
            out.push_back(ellipse(6, depth / 2 - 3, 6, 6, kDark, kDark, 0, 2.5));
            out.push_back(ellipse(width - 12, depth / 2 - 3, 6, 6, kDark, kDark, 0, 2.5));
            break;
        case PierPart::BasePlate7251:
            out.push_back(rect(0, 0, width, depth, Rgba{176, 176, 180, 255}, kDark, 1, 3));
            out.push_back(
                rect(20, 10, width - 40, depth - 20, Rgba{196, 196, 200, 255}, kDark, 1, 3));
            out.push_back(line(width / 2, 4, width / 2, depth - 4, kDark, 1, 3));
            break;
        case PierPart::Pillar7252:
            out.push_back(rect(0, 0, width, depth, kPierGrey, kDark, 1, 1));
            out.push_back(
                rect(12, 4, width - 24, depth - 8, Rgba{186, 186, 182, 255}, kDark, 1, 6));
            out.push_back(rect(16, 8, 6, depth - 16, Rgba{92, 92, 98, 255}, kDark, 0, 6));
            out.push_back(rect(width - 22, 8, 6, depth - 16, Rgba{92, 92, 98, 255}, kDark, 0, 6));
            break;
        case PierPart::HighPillar7253:
            out.push_back(rect(0, 0, width, depth, kPierGrey, kDark, 1, 1));
            out.push_back(
                rect(17, 4, width - 34, depth - 8, Rgba{196, 196, 190, 255}, kDark, 2, 30));
            out.push_back(line(17, 4, width - 17, depth - 4, kDark, 1, 30));
            out.push_back(line(17, depth - 4, width - 17, 4, kDark, 1, 30));
            break;
    }
    return out;
}

/// Level crossing over `tracks` parallel tracks, 80 mm apart along y; the road runs along y.
SceneryShapes crossingShapes(double width, double depth, int tracks) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kAsphalt, kDark, 1, 0.5));
    for (double x : {3.0, width - 3.0}) {
        out.push_back(line(x, 0, x, depth, kRoadMarking, 1, 0.5));
    }
    for (int t = 0; t < tracks; ++t) {
        const double cy = 40.0 + 80.0 * t;
        out.push_back(rect(0, cy - 14, width, 28, Rgba{124, 112, 96, 255}, kDark, 1, 0.6));
        out.push_back(line(0, cy - kHalfGauge, width, cy - kHalfGauge, kRail, 2, 0.7));
        out.push_back(line(0, cy + kHalfGauge, width, cy + kHalfGauge, kRail, 2, 0.7));
    }
    // Half barriers across the approaching lanes, striped red and white.
    out.push_back(rect(6, 2, width / 2 - 10, 3, kBoomRed, kDark, 1, 12));
    out.push_back(rect(width / 2 + 4, depth - 5, width / 2 - 10, 3, kBoomRed, kDark, 1, 12));
    for (double f : {0.25, 0.55}) {
        out.push_back(rect(6 + (width / 2 - 10) * f, 2, 5, 3, kRoadMarking, kDark, 0, 12));
        out.push_back(rect(width / 2 + 4 + (width / 2 - 10) * f, depth - 5, 5, 3, kRoadMarking,
                           kDark, 0, 12));
    }
    return out;
}

}  // namespace

SceneryShapes drawTrussBridgeScenery(double width, double depth) {
    return trussBridge(width, depth);
}

SceneryShapes drawArchBridgeScenery(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 6, width, depth - 12, kStone, kStoneDark, 1, 4));
    out.push_back(rect(0, depth / 2 - 12, width, 24, Rgba{132, 122, 112, 255}, kStoneDark, 0, 5));
    out.push_back(rect(0, 0, width, 6, kStoneDark, kDark, 1, 12));
    out.push_back(rect(0, depth - 6, width, 6, kStoneDark, kDark, 1, 12));
    // The piers between the arches show as darker bands across the deck.
    for (double f : {1.0 / 3.0, 2.0 / 3.0}) {
        out.push_back(line(width * f, 0, width * f, depth, kDark, 2, 12));
    }
    return out;
}

SceneryShapes drawPier7250(double width, double depth) {
    return pierShapes(width, depth, PierPart::BasePlate7250);
}
SceneryShapes drawPier7251(double width, double depth) {
    return pierShapes(width, depth, PierPart::BasePlate7251);
}
SceneryShapes drawPier7252(double width, double depth) {
    return pierShapes(width, depth, PierPart::Pillar7252);
}
SceneryShapes drawPier7253(double width, double depth) {
    return pierShapes(width, depth, PierPart::HighPillar7253);
}

SceneryShapes drawCrossing1Track(double width, double depth) {
    return crossingShapes(width, depth, 1);
}
SceneryShapes drawCrossing2Track(double width, double depth) {
    return crossingShapes(width, depth, 2);
}

SceneryShapes drawRoadStraight(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kAsphalt, kDark, 1, 0.5));
    out.push_back(line(0, 4, width, 4, kRoadMarking, 1, 0.6));
    out.push_back(line(0, depth - 4, width, depth - 4, kRoadMarking, 1, 0.6));
    // Dashed centre line, five dashes centred in five equal periods.
    const double period = width / 5.0;
    constexpr double kDash = 20.0;
    for (int i = 0; i < 5; ++i) {
        const double x0 = period * i + (period - kDash) / 2.0;
        out.push_back(line(x0, depth / 2, x0 + kDash, depth / 2, kRoadMarking, 2, 0.6));
    }
    return out;
}

SceneryShapes drawParkingLot(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, Rgba{96, 96, 100, 255}, kDark, 1, 0.5));
    // Two rows of five bays facing each other across a 30 mm aisle.
    const double bay = width / 5.0;
    const double row = (depth - 30.0) / 2.0;
    for (int i = 0; i <= 5; ++i) {
        const double x = bay * i;
        out.push_back(line(x, 2, x, row, kRoadMarking, 1, 0.6));
        out.push_back(line(x, depth - row, x, depth - 2, kRoadMarking, 1, 0.6));
    }
    out.push_back(rect(3, row + 7, 14, 16, Rgba{30, 80, 180, 255}, kRoadMarking, 1, 25));
    return out;
}

SceneryShapes drawPedestrianZone(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kPaving, Rgba{160, 150, 130, 255}, 1, 0.5));
    const Rgba joint{182, 172, 152, 255};
    for (double x = 19; x < width; x += 19) {
        out.push_back(line(x, 0, x, depth, joint, 1, 0.5));
    }
    for (double y = 19; y < depth; y += 19) {
        out.push_back(line(0, y, width, y, joint, 1, 0.5));
    }
    out.push_back(ellipse(80, 10, 24, 24, Rgba{122, 92, 62, 255}, kDark, 1, 8));
    out.push_back(ellipse(83, 13, 18, 18, Rgba{74, 140, 62, 255}, Rgba{40, 90, 40, 255}, 1, 20));
    out.push_back(rect(12, 40, 30, 6, Rgba{140, 100, 60, 255}, kDark, 1, 5));
    out.push_back(ellipse(55, 26, 5, 5, kDark, kDark, 0, 50));
    return out;
}

SceneryShapes drawSteelTrussBridge(double width, double depth) {
    return trussBridge(width, depth);
}

SceneryShapes drawViaductPier(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 0, width, depth, kPierGrey, kDark, 1, 100));
    out.push_back(rect(4, 4, width - 8, depth - 8, Rgba{186, 186, 182, 255}, kDark, 1, 120));
    // Battered sides: the corners of the foot joined to the corners of the cap.
    out.push_back(line(0, 0, 4, 4, kDark, 1, 110));
    out.push_back(line(width, 0, width - 4, 4, kDark, 1, 110));
    out.push_back(line(0, depth, 4, depth - 4, kDark, 1, 110));
    out.push_back(line(width, depth, width - 4, depth - 4, kDark, 1, 110));
    return out;
}

SceneryShapes drawTunnelPortal(double width, double depth) {
    // The portal stands at a track end facing +x; the hill lies behind it, towards -x.
    SceneryShapes out;
    out.push_back(rect(0, 0, 16, depth, kEarth, Rgba{70, 84, 48, 255}, 1, 90));
    out.push_back(rect(16, 0, 10, depth, kStone, kStoneDark, 1, 95));
    out.push_back(line(16, 2, 26, 2, kStoneDark, 2, 96));
    out.push_back(line(16, depth - 2, 26, depth - 2, kStoneDark, 2, 96));
    out.push_back(polygon({{26, depth / 2 - 16},
                           {width, depth / 2 - 20},
                           {width, depth / 2 + 20},
                           {26, depth / 2 + 16}},
                          Rgba{40, 35, 30, 160}, kNoColour, 0, 0));
    return out;
}

SceneryShapes drawRetainingWall(double width, double depth) {
    SceneryShapes out;
    out.push_back(rect(0, 12, width, depth - 12, kEarth, Rgba{70, 84, 48, 255}, 1, 40));
    out.push_back(rect(0, 0, width, 12, kStone, kStoneDark, 1, 45));
    for (int i = 1; i < 8; ++i) {
        const double x = width * i / 8.0;
        out.push_back(line(x, 0, x, 12, kStoneDark, 1, 45));
    }
    return out;
}
