#include "catalog/piece_shape.h"

// Pick distances: how far a point on the plan lies from a piece, as the canvas tests its clicks.

#include <algorithm>
#include <cmath>

double segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = 0.0;
    if (len2 > 0.0) {
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
    }
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

namespace {

// Whether the direction `phi` (degrees) from an arc's centre lies within the arc that starts at
// direction `start` and turns by `sweep` (positive: increasing angle).
bool withinSpan(double phi, double start, double sweep) {
    if (std::fabs(sweep) >= 360.0) {
        return true;
    }
    const double rel = normalizeHeading(sweep >= 0.0 ? phi - start : start - phi);
    return rel <= std::fabs(sweep);
}

}  // namespace

double arcDistance(Vec2 p, double x0, double r, double a) {
    const Vec2 start{x0, 0.0};
    if (r <= 0.0) {
        return distance(p, start);
    }
    const double s = a >= 0.0 ? 1.0 : -1.0;
    const Vec2 centre{x0, s * r};
    const double phi = radToDeg(std::atan2(p.y - centre.y, p.x - centre.x));
    if (withinSpan(phi, -s * 90.0, a)) {
        return std::fabs(distance(p, centre) - r);
    }
    const double ar = degToRad(std::fabs(a));
    const Vec2 end{x0 + r * std::sin(ar), s * r * (1.0 - std::cos(ar))};
    return std::min(distance(p, start), distance(p, end));
}

double routeDistance(const RouteSegment& seg, Vec2 p) {
    if (seg.type != RouteType::Arc) {
        return segmentDistance(p, seg.from, seg.to);
    }
    const double phi = radToDeg(std::atan2(p.y - seg.centre.y, p.x - seg.centre.x));
    if (withinSpan(phi, seg.startAngle, seg.sweep)) {
        return std::fabs(distance(p, seg.centre) - seg.radius);
    }
    return std::min(distance(p, seg.from), distance(p, seg.to));
}

double pickDistance(const PieceDef& def, Vec2 local) {
    const Vec2 origin{0.0, 0.0};
    const Vec2 end{def.length, 0.0};
    double d = 0.0;
    bool drawnRoutes = false;
    switch (def.kind) {
        case PieceKind::Turntable:
            return std::hypot(local.x, local.y);
        case PieceKind::Curve:
            return def.radius > 0.0 ? arcDistance(local, 0.0, def.radius, def.angle)
                                    : segmentDistance(local, origin, end);
        case PieceKind::OffsetCurvedTurnout:
            d = segmentDistance(local, origin, end);
            if (def.radius > 0.0) {
                d = std::min({d, arcDistance(local, 0.0, def.radius, def.angle),
                              arcDistance(local, def.length, def.radius, def.angle)});
            }
            drawnRoutes = true;
            break;
        case PieceKind::LeftTurnout:
        case PieceKind::RightTurnout:
        case PieceKind::CurvedTurnout:
        case PieceKind::Crossing:
        case PieceKind::DoubleSlip:
            d = segmentDistance(local, origin, end);
            drawnRoutes = true;
            break;
        case PieceKind::Straight:
        case PieceKind::BufferStop:
        case PieceKind::Uncoupler:
            return segmentDistance(local, origin, end);
    }
    if (drawnRoutes) {
        // The main axis alone misses the far half of a branch (a C-Track branch ends 38 mm off
        // the axis, beyond the 25 mm reach), so what is drawn is measured as well.
        for (const RouteSegment& seg : pieceShape(def).segments) {
            d = std::min(d, routeDistance(seg, local));
        }
    }
    return d;
}

double pickDistance(const PieceDef& def, const Pose& pose, Vec2 layoutPoint) {
    return pickDistance(def, layoutToLocal(pose, layoutPoint));
}

double pickReach(const PieceDef& def) {
    if (def.kind == PieceKind::Turntable) {
        return def.length / 2.0 + 10.0;
    }
    return pickHalfWidth(def.system) + 5.0;
}
