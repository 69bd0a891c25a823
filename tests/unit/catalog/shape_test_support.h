#pragma once
// Helpers shared by the piece-shape tests: hand-made definitions and route look-ups.

#include <cmath>
#include <utility>
#include <vector>

#include "catalog/piece_shape.h"
#include "geometry/track_shapes.h"

namespace shape_test {

constexpr double kTol = 1e-6;

inline PieceDef makeDef(PieceKind kind, TrackSystem system, double length, double radius,
                        double angle, std::vector<ConnectorDef> connectors) {
    PieceDef def;
    def.article = "test";
    def.kind = kind;
    def.system = system;
    def.length = length;
    def.radius = radius;
    def.angle = angle;
    def.connectors = std::move(connectors);
    return def;
}

inline PieceDef straight(double L, TrackSystem system = Systems::CTrack) {
    return makeDef(PieceKind::Straight, system, L, 0, 0, straightConnectors(L));
}

inline PieceDef curve(double R, double a, TrackSystem system = Systems::CTrack) {
    return makeDef(PieceKind::Curve, system, curveArcLength(R, a), R, a, curveConnectors(R, a));
}

inline ConnectorDef conn(double x, double y, double heading) {
    ConnectorDef c;
    c.x = x;
    c.y = y;
    c.heading = heading;
    return c;
}

inline double dist(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

inline const RouteSegment& firstSegment(const PieceShape& s, int path) {
    return s.segments[s.paths[path].firstSegment];
}

inline const RouteSegment& lastSegment(const PieceShape& s, int path) {
    return s.segments[s.paths[path].firstSegment + s.paths[path].segmentCount - 1];
}

}  // namespace shape_test
