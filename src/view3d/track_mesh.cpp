#include "view3d/track_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "catalog/piece_shape.h"
#include "render/render_rules.h"

namespace {

constexpr double kCTrackHalfWidth = 18.7;
constexpr double kSleeperPitch = 13.0;
constexpr double kSleeperLength = 26.0;
constexpr double kSleeperWidth = 3.5;
constexpr double kRailWidth = 1.2;

constexpr Colour kStopBlock{0.30f, 0.30f, 0.32f};
constexpr Colour kStopBeam{0.78f, 0.14f, 0.10f};
constexpr Colour kSteel{0.33f, 0.40f, 0.36f};
constexpr Colour kStone{0.66f, 0.60f, 0.52f};
constexpr Colour kConcrete{0.62f, 0.60f, 0.56f};
constexpr Colour kPitFloor{0.28f, 0.26f, 0.24f};
constexpr Colour kAccessory{0.35f, 0.35f, 0.38f};
// A rail's top and its rusty side seen together from the middle distance.
constexpr Colour kReducedRailColour{0.58f, 0.53f, 0.50f};
// What bed, sleepers and rails blend into when they are too small to tell apart: their colours
// weighted by the share of the band each covers from above (73, 21 and 6 per cent).
constexpr Colour kDistantTrackColour{0.53f, 0.51f, 0.53f};

// One point of a route's centre line with its direction and distance from the route's start.
struct Sample {
    Vec2 p;
    double heading = 0.0;  // degrees
    double s = 0.0;        // mm
};

Vec2 rightOf(const Sample& q, double offset) {
    const double r = degToRad(q.heading);
    return {q.p.x - std::sin(r) * offset, q.p.y + std::cos(r) * offset};
}

// Centre-line samples of a route: the sweep's steps, or for the distant mesh only the ends of a
// straight and every 7.5 degrees of an arc.
std::vector<Sample> samplePath(const RouteSegment* segs, int count, bool coarse = false) {
    std::vector<Sample> out;
    double s0 = 0.0;
    for (int i = 0; i < count; ++i) {
        const RouteSegment& seg = segs[i];
        const int steps = !coarse ? sweepSteps(seg)
                          : seg.type == RouteType::Arc
                              ? std::max(2, static_cast<int>(std::ceil(std::fabs(seg.sweep) / 7.5)))
                              : 1;
        for (int k = out.empty() ? 0 : 1; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            out.push_back({seg.pointAt(t), seg.headingAt(t), s0 + t * seg.length});
        }
        s0 += seg.length;
    }
    return out;
}

// A flat ribbon facing up from `left` to `right` mm right of the centre line at height z, two
// shared vertices per sample.
void ribbon(Mesh& m, const std::vector<Sample>& line, double left, double right, double z,
            Colour colour) {
    const auto base = static_cast<uint32_t>(m.vertexCount());
    for (const Sample& q : line) {
        const Vec2 a = rightOf(q, left), b = rightOf(q, right);
        m.addVertex({a.x, a.y, z}, {0.0, 0.0, 1.0}, colour);
        m.addVertex({b.x, b.y, z}, {0.0, 0.0, 1.0}, colour);
    }
    for (uint32_t i = 0; i + 1 < line.size(); ++i) {
        const uint32_t v = base + 2 * i;
        m.addTriangle(v, v + 2, v + 3);
        m.addTriangle(v, v + 3, v + 1);
    }
}

// An upright ribbon `offset` mm right of the centre line from z0 to z1, facing right (side 1)
// or left (side -1); normals follow a curve smoothly.
void wall(Mesh& m, const std::vector<Sample>& line, double offset, double z0, double z1,
          double side, Colour colour) {
    const auto base = static_cast<uint32_t>(m.vertexCount());
    for (const Sample& q : line) {
        const Vec2 a = rightOf(q, offset);
        const double r = degToRad(q.heading);
        const Vec3 n{-std::sin(r) * side, std::cos(r) * side, 0.0};
        m.addVertex({a.x, a.y, z0}, n, colour);
        m.addVertex({a.x, a.y, z1}, n, colour);
    }
    for (uint32_t i = 0; i + 1 < line.size(); ++i) {
        const uint32_t v = base + 2 * i;
        m.addTriangle(v, v + 2, v + 3);
        m.addTriangle(v, v + 3, v + 1);
    }
}

// A strip `offset` mm to the right of the centre line, `width` wide, from z0 to its top at z1:
// the top face, both side walls and the end faces (rails, the bed, parapets).
void sweepStrip(Mesh& m, const std::vector<Sample>& line, double offset, double width, double z0,
                double z1, Colour top, Colour sides) {
    const double left = offset - width / 2, right = offset + width / 2;
    ribbon(m, line, left, right, z1, top);
    wall(m, line, left, z0, z1, -1.0, sides);
    wall(m, line, right, z0, z1, 1.0, sides);
    if (line.size() >= 2) {
        for (const Sample* q : {&line.front(), &line.back()}) {
            const Vec2 l = rightOf(*q, left), r = rightOf(*q, right);
            m.addQuad({l.x, l.y, z0}, {r.x, r.y, z0}, {r.x, r.y, z1}, {l.x, l.y, z1}, sides);
        }
    }
}

// Point and direction of a route at distance s from its start.
Sample sampleAt(const std::vector<Sample>& line, double s, size_t& at) {
    while (at + 2 < line.size() && line[at + 1].s < s) {
        ++at;
    }
    const Sample& a = line[at];
    const Sample& b = line[at + 1];
    const double t = b.s > a.s ? std::clamp((s - a.s) / (b.s - a.s), 0.0, 1.0) : 0.0;
    return {{a.p.x + (b.p.x - a.p.x) * t, a.p.y + (b.p.y - a.p.y) * t},
            a.heading + std::remainder(b.heading - a.heading, 360.0) * t,
            s};
}

// Bed, sleepers and rails along one route. The reduced form, for pieces in the middle distance,
// keeps only the tops of sleepers and rails.
void sweepTrack(Mesh& m, const std::vector<Sample>& line, double halfWidth, double gauge2, double k,
                bool reduced) {
    sweepStrip(m, line, 0.0, 2.0 * halfWidth, kBedBottom * k, kBedTop * k, kBedTopColour,
               kBedSideColour);
    const double length = line.empty() ? 0.0 : line.back().s;
    size_t at = 0;
    for (double s = kSleeperPitch * k / 2.0; s < length; s += kSleeperPitch * k) {
        const Sample c = sampleAt(line, s, at);
        if (!reduced) {
            addTurnedBox(m, c.p, c.heading, kSleeperWidth * k, kSleeperLength * k, kBedTop * k,
                         kSleeperTop * k, kSleeperColour, kSleeperColour.scaled(0.8f));
            continue;
        }
        // Only the top, widened and darkened by the side faces it stands for.
        const double r = degToRad(c.heading), w = 0.7 * kSleeperWidth * k, z = kSleeperTop * k;
        const Vec2 d{std::cos(r) * w, std::sin(r) * w};
        const Vec2 l = rightOf(c, -kSleeperLength * k / 2), e = rightOf(c, kSleeperLength * k / 2);
        m.addQuad({l.x - d.x, l.y - d.y, z}, {l.x + d.x, l.y + d.y, z}, {e.x + d.x, e.y + d.y, z},
                  {e.x - d.x, e.y - d.y, z}, kSleeperColour.scaled(0.8f));
    }
    for (double side : {-gauge2, gauge2}) {
        if (reduced) {
            // One and a half rail widths: the top with the side that shows from an angle.
            ribbon(m, line, side - 0.75 * kRailWidth * k, side + 0.75 * kRailWidth * k,
                   kRailTop * k, kReducedRailColour);
        } else {
            sweepStrip(m, line, side, kRailWidth * k, kSleeperTop * k, kRailTop * k, kRailColour,
                       kRailSideColour);
        }
    }
}

void addTurntable(Mesh& m, const PieceShape& shape, double halfWidth, double gauge2, double k) {
    std::vector<Vec2> rim;
    appendCircle({0.0, 0.0}, shape.pitRadius, kCircleSegments, rim);
    // The board cannot be cut, so the pit's floor lies just on it and its rim stands above.
    addCap(m, rim, 0.0, kPitFloor);
    addWalls(m, rim, 0.0, kBedTop * k, kBedSideColour);
    std::vector<Vec2> outer;
    appendCircle({0.0, 0.0}, shape.pitRadius + 6.0 * k, kCircleSegments, outer);
    for (size_t i = 0; i < rim.size(); ++i) {
        const size_t j = (i + 1) % rim.size();
        m.addQuad({rim[i].x, rim[i].y, kBedTop * k}, {outer[i].x, outer[i].y, kBedTop * k},
                  {outer[j].x, outer[j].y, kBedTop * k}, {rim[j].x, rim[j].y, kBedTop * k},
                  kBedTopColour);
    }
    const std::vector<Sample> deck{{shape.bridgeFrom, 0.0, 0.0},
                                   {shape.bridgeTo, 0.0, shape.bridgeTo.x - shape.bridgeFrom.x}};
    sweepStrip(m, deck, 0.0, 2.0 * halfWidth, -4.0 * k, kBedTop * k, kSteel, kSteel.scaled(0.8f));
    for (double side : {-gauge2, gauge2}) {
        sweepStrip(m, deck, side, kRailWidth * k, kBedTop * k, kRailTop * k, kRailColour,
                   kRailSideColour);
    }
}

void addStopBlock(Mesh& m, const PieceDef& def, double base) {
    const double L = def.length;
    const double x0 = L - 0.18 * L;
    addBox(m, {x0, -0.7 * base, kBedTop}, {L, 0.7 * base, kBedTop + 0.9 * base}, kStopBlock,
           kStopBlock.scaled(0.85f));
    addBox(m, {x0 - 2.5, -0.75 * base, 0.45 * base}, {x0, 0.75 * base, 0.75 * base}, kStopBeam,
           kStopBeam.scaled(0.85f), true);
}

void addTruss(Mesh& m, double length, double halfWidth, double k) {
    const double top = 45.0 * k;
    const int panels = std::max(2, static_cast<int>(std::lround(length / (30.0 * k))));
    const double beam = 3.0 * k;
    for (double y : {-halfWidth - 2.0 * k, halfWidth + 2.0 * k}) {
        addBeam(m, {0.0, y, kBedBottom * k}, {length, y, kBedBottom * k}, beam, beam, kSteel);
        addBeam(m, {length / panels, y, top}, {length - length / panels, y, top}, beam, beam,
                kSteel);
        for (int i = 0; i <= panels; ++i) {
            const double x = length * i / panels;
            const double zTop = (i == 0 || i == panels) ? kBedBottom * k : top;
            if (i > 0 && i < panels) {
                addBeam(m, {x, y, kBedBottom * k}, {x, y, top}, beam, beam, kSteel);
            }
            if (i < panels) {
                const double xn = length * (i + 1) / panels;
                const double zn = (i + 1 == panels) ? kBedBottom * k : top;
                // Diagonals lean towards the middle of the span.
                if (i < panels / 2) {
                    addBeam(m, {x, y, zTop}, {xn, y, i == 0 ? top : kBedBottom * k}, beam, beam,
                            kSteel);
                } else {
                    addBeam(m, {x, y, i + 1 == panels ? top : kBedBottom * k}, {xn, y, zn}, beam,
                            beam, kSteel);
                }
            }
        }
    }
    for (int i = 1; i < panels; ++i) {
        const double x = length * i / panels;
        addBeam(m, {x, -halfWidth - 2.0 * k, top}, {x, halfWidth + 2.0 * k, top}, beam, beam,
                kSteel);
    }
}

void addArch(Mesh& m, double length, double halfWidth, double k) {
    constexpr int kSteps = 16;
    const double rise = std::min(0.25 * length, 90.0 * k);
    auto z = [&](double x) {
        const double u = 2.0 * x / length - 1.0;
        return kBedBottom * k - rise * u * u;
    };
    for (int i = 0; i < kSteps; ++i) {
        const double x0 = length * i / kSteps, x1 = length * (i + 1) / kSteps;
        addBeam(m, {x0, 0.0, z(x0) - 4.0 * k}, {x1, 0.0, z(x1) - 4.0 * k}, 2.0 * halfWidth, 8.0 * k,
                kStone);
        if (i % 2 == 1) {
            addBeam(m, {x1, 0.0, z(x1)}, {x1, 0.0, kBedBottom * k}, 2.0 * halfWidth - 4.0 * k,
                    4.0 * k, kStone.scaled(0.9f));
        }
    }
}

bool oneOf(std::string_view article, std::initializer_list<std::string_view> list) {
    return std::find(list.begin(), list.end(), article) != list.end();
}

// The distant form: one band in the blended colour along every route.
Mesh distantTrackMesh(const PieceDef& def, const PieceShape& shape) {
    Mesh m;
    const double halfWidth = trackHalfWidth(def.system);
    const double k = halfWidth / kCTrackHalfWidth;
    for (size_t i = 0; i < shape.paths.size(); ++i) {
        const std::vector<Sample> line =
            samplePath(shape.pathSegments(static_cast<int>(i)), shape.paths[i].segmentCount, true);
        ribbon(m, line, -halfWidth, halfWidth, kRailTop * k, kDistantTrackColour);
    }
    for (const std::vector<Vec2>& box : accessoryOutlines(def, halfWidth)) {
        addPrism(m, box, kBedBottom * k, 12.0 * k, kAccessory, kAccessory.scaled(0.8f));
    }
    return m;
}

}  // namespace

double sleeperPitch(const PieceDef& def) {
    return kSleeperPitch * trackHalfWidth(def.system) / kCTrackHalfWidth;
}

BridgeStructure bridgeStructure(const PieceDef& def) {
    if (!def.isBridge) {
        return BridgeStructure::None;
    }
    if (oneOf(def.article, {"74620", "7262", "7262M", "74620T", "89759"})) {
        return BridgeStructure::Truss;
    }
    if (oneOf(def.article, {"74623", "74613", "74618", "74618T", "7569", "7267", "7268", "7268M",
                            "7267M", "74623T", "74613T"})) {
        return BridgeStructure::SideWalls;
    }
    return def.article == "8976" ? BridgeStructure::ArchOnly : BridgeStructure::WallsAndArch;
}

Mesh buildTrackMesh(const PieceDef& def, TrackDetail detail) {
    Mesh m;
    const PieceShape& shape = pieceShape(def);
    // Turntables, buffer stops and bridges are few; they keep every detail at any distance.
    if (shape.turntable || def.kind == PieceKind::BufferStop || def.isBridge) {
        detail = TrackDetail::Full;
    }
    if (detail == TrackDetail::Distant) {
        return distantTrackMesh(def, shape);
    }
    const double halfWidth = trackHalfWidth(def.system);
    const double gauge2 = railHalfGauge(def.system);
    const double k = halfWidth / kCTrackHalfWidth;
    if (shape.turntable) {
        addTurntable(m, shape, halfWidth, gauge2, k);
        return m;
    }
    std::vector<Sample> main;
    for (size_t i = 0; i < shape.paths.size(); ++i) {
        const RoutePath& path = shape.paths[i];
        std::vector<Sample> line =
            samplePath(shape.pathSegments(static_cast<int>(i)), path.segmentCount);
        sweepTrack(m, line, halfWidth, gauge2, k, detail == TrackDetail::Reduced);
        if (i == 0) {
            main = std::move(line);
        }
    }
    if (def.kind == PieceKind::BufferStop) {
        addStopBlock(m, def, halfWidth);
    }
    for (const std::vector<Vec2>& box : accessoryOutlines(def, halfWidth)) {
        addPrism(m, box, kBedBottom * k, 12.0 * k, kAccessory, kAccessory.scaled(0.8f));
    }
    const BridgeStructure structure = bridgeStructure(def);
    if (structure == BridgeStructure::Truss) {
        addTruss(m, def.length, halfWidth, k);
    }
    if (structure == BridgeStructure::SideWalls || structure == BridgeStructure::WallsAndArch) {
        for (double side : {-halfWidth - 1.5 * k, halfWidth + 1.5 * k}) {
            sweepStrip(m, main, side, 3.0 * k, kBedBottom * k, 12.0 * k, kConcrete,
                       kConcrete.scaled(0.85f));
        }
    }
    if (structure == BridgeStructure::WallsAndArch || structure == BridgeStructure::ArchOnly) {
        addArch(m, main.empty() ? def.length : main.back().s, halfWidth, k);
    }
    return m;
}
