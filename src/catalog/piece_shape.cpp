#include "catalog/piece_shape.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// A fitted route whose end heading is off by less than this still counts as meeting the
// connector: catalog coordinates are rounded to 0.01 mm, which tilts a short arc by hundredths
// of a degree, while a real straight lead of a few millimetres tilts it by most of a degree.
constexpr double kHeadingTolerance = 0.25;

// Distances below this are treated as zero when deciding whether a route is straight.
constexpr double kLengthEpsilon = 1e-9;

double wrap180(double a) {
    a = std::fmod(a, 360.0);
    if (a > 180.0) {
        a -= 360.0;
    } else if (a <= -180.0) {
        a += 360.0;
    }
    return a;
}

Vec2 add(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vec2 scale(Vec2 a, double k) {
    return {a.x * k, a.y * k};
}
Vec2 direction(double headingDeg) {
    const double r = degToRad(headingDeg);
    return {std::cos(r), std::sin(r)};
}
// Unit vector to the right of travel along `headingDeg` (y grows downward).
Vec2 rightNormal(double headingDeg) {
    const double r = degToRad(headingDeg);
    return {-std::sin(r), std::cos(r)};
}

RouteSegment makeStraight(Vec2 a, Vec2 b, double fallbackHeading = 0.0) {
    RouteSegment s;
    s.type = RouteType::Straight;
    s.from = a;
    s.to = b;
    s.length = distance(a, b);
    const double h =
        s.length > kLengthEpsilon ? radToDeg(std::atan2(b.y - a.y, b.x - a.x)) : fallbackHeading;
    s.fromHeading = normalizeHeading(h);
    s.toHeading = s.fromHeading;
    return s;
}

// Arc leaving `p` along `dir` with radius r, turning by `sweep` degrees (positive: right).
RouteSegment makeArcFrom(Vec2 p, double dir, double r, double sweep) {
    const double side = sweep >= 0.0 ? 1.0 : -1.0;
    RouteSegment s;
    s.type = RouteType::Arc;
    s.from = p;
    s.radius = r;
    s.sweep = sweep;
    s.centre = add(p, scale(rightNormal(dir), side * r));
    s.startAngle = dir - side * 90.0;
    s.to = add(s.centre, scale(direction(s.startAngle + sweep), r));
    s.fromHeading = normalizeHeading(dir);
    s.toHeading = normalizeHeading(dir + sweep);
    s.length = r * degToRad(std::fabs(sweep));
    return s;
}

RouteSegment reversed(const RouteSegment& s) {
    RouteSegment r = s;
    r.from = s.to;
    r.to = s.from;
    r.fromHeading = normalizeHeading(s.toHeading + 180.0);
    r.toHeading = normalizeHeading(s.fromHeading + 180.0);
    if (s.type == RouteType::Arc) {
        r.startAngle = s.startAngle + s.sweep;
        r.sweep = -s.sweep;
    }
    return r;
}

struct Fit {
    RouteSegment seg[2];
    int count = 0;
    double turn = 0.0;  // total |turn| in degrees, to choose between poor fits
    bool consistent = false;
};

// The route that leaves p along `dir` and reaches q travelling along `arrive`: a single arc when
// that meets the heading, else a straight lead followed by an arc (curved turnouts whose outer
// route is the inner curve moved forward) or an arc followed by a straight tail. When no such
// route meets the heading, the arc through q tangent at p is returned, marked inconsistent.
Fit fitRoute(Vec2 p, double dir, Vec2 q, double arrive) {
    Fit f;
    const Vec2 d{q.x - p.x, q.y - p.y};
    const Vec2 fwd = direction(dir);
    const Vec2 right = rightNormal(dir);
    const double u = d.x * fwd.x + d.y * fwd.y;
    const double v = d.x * right.x + d.y * right.y;
    const double chord = std::hypot(u, v);
    const double tau = wrap180(arrive - dir);
    if (chord < kLengthEpsilon) {
        f.consistent = std::fabs(tau) <= kHeadingTolerance;
        return f;
    }
    if (std::fabs(v) <= 1e-9 * chord) {
        f.seg[0] = makeStraight(p, q, dir);
        f.count = 1;
        f.turn = u > 0.0 ? 0.0 : 180.0;
        f.consistent = u > 0.0 && std::fabs(tau) <= kHeadingTolerance;
        return f;
    }
    const double sigma = 2.0 * radToDeg(std::atan2(v, u));
    f.seg[0] = makeArcFrom(p, dir, chord * chord / (2.0 * std::fabs(v)), sigma);
    f.seg[0].to = q;
    f.count = 1;
    f.turn = std::fabs(sigma);
    if (std::fabs(wrap180(sigma - tau)) <= kHeadingTolerance) {
        f.consistent = true;
        return f;
    }
    if (std::fabs(tau) > 1e-6 && (tau > 0.0) == (v > 0.0)) {
        const double st = std::sin(degToRad(std::fabs(tau)));
        const double ct = std::cos(degToRad(tau));
        const double av = std::fabs(v);
        const double det = 1.0 - ct;
        const double radius = av / det;
        const double lead = u - radius * st;
        if (lead >= 0.0) {
            Fit g;
            g.seg[0] = makeStraight(p, add(p, scale(fwd, lead)), dir);
            g.seg[1] = makeArcFrom(g.seg[0].to, dir, radius, tau);
            g.seg[1].to = q;
            g.count = 2;
            g.turn = std::fabs(tau);
            g.consistent = true;
            return g;
        }
        // Arc first, then a straight tail along the arriving heading.
        const double r2 = (u * st - ct * av) / det;
        const double tail = (st * av - det * u) / det;
        if (r2 > 0.0 && tail >= 0.0) {
            Fit g;
            g.seg[0] = makeArcFrom(p, dir, r2, tau);
            g.seg[1] = makeStraight(g.seg[0].to, q, arrive);
            g.count = 2;
            g.turn = std::fabs(tau);
            g.consistent = true;
            return g;
        }
    }
    return f;
}

// Appends the route from connector a to connector b: it leaves a against a's outward heading and
// arrives at b along b's. Tried from both ends, because some catalog pieces give one end's heading
// loosely (the Gauge 1 double crossover); the gentler of two poor fits is kept.
void appendConnection(const ConnectorDef& a, const ConnectorDef& b,
                      std::vector<RouteSegment>& out) {
    const Vec2 pa{a.x, a.y};
    const Vec2 pb{b.x, b.y};
    const Fit forward = fitRoute(pa, a.heading + 180.0, pb, b.heading);
    if (forward.consistent) {
        out.insert(out.end(), forward.seg, forward.seg + forward.count);
        return;
    }
    const Fit backward = fitRoute(pb, b.heading + 180.0, pa, a.heading);
    if (backward.consistent || backward.turn < forward.turn) {
        for (int i = backward.count - 1; i >= 0; --i) {
            out.push_back(reversed(backward.seg[i]));
        }
        return;
    }
    out.insert(out.end(), forward.seg, forward.seg + forward.count);
}

void beginPath(PieceShape& shape, RouteRole role, int fromConnector) {
    RoutePath path;
    path.role = role;
    path.firstSegment = static_cast<int>(shape.segments.size());
    path.fromConnector = fromConnector;
    shape.paths.push_back(path);
}

void endPath(PieceShape& shape, int toConnector) {
    RoutePath& path = shape.paths.back();
    path.segmentCount = static_cast<int>(shape.segments.size()) - path.firstSegment;
    path.toConnector = toConnector;
    if (path.segmentCount == 0) {
        shape.paths.pop_back();  // coinciding connectors: nothing to draw
    }
}

void addStraightPath(PieceShape& shape, RouteRole role, Vec2 a, Vec2 b, int fromConnector,
                     int toConnector) {
    beginPath(shape, role, fromConnector);
    shape.segments.push_back(makeStraight(a, b));
    endPath(shape, toConnector);
}

void addConnectionPath(PieceShape& shape, const PieceDef& def, RouteRole role, int a, int b) {
    beginPath(shape, role, a);
    appendConnection(def.connectors[a], def.connectors[b], shape.segments);
    endPath(shape, b);
}

void buildRoutes(const PieceDef& def, PieceShape& shape) {
    const int n = static_cast<int>(def.connectors.size());
    const Vec2 origin{0.0, 0.0};
    const Vec2 end{def.length, 0.0};
    switch (def.kind) {
        case PieceKind::Straight:
        case PieceKind::Uncoupler:
        case PieceKind::BufferStop:
            addStraightPath(shape, RouteRole::Main, origin, end, n > 0 ? 0 : -1, n > 1 ? 1 : -1);
            break;
        case PieceKind::Curve:
            if (def.radius > 0.0) {
                beginPath(shape, RouteRole::Main, n > 0 ? 0 : -1);
                shape.segments.push_back(makeArcFrom(origin, 0.0, def.radius, def.angle));
                endPath(shape, n > 1 ? 1 : -1);
            } else {
                addStraightPath(shape, RouteRole::Main, origin, end, n > 0 ? 0 : -1,
                                n > 1 ? 1 : -1);
            }
            break;
        case PieceKind::LeftTurnout:
        case PieceKind::RightTurnout:
        case PieceKind::CurvedTurnout:
        case PieceKind::OffsetCurvedTurnout:
            // Connector 1 ends the through (or inner) route; every further connector ends a
            // branch. Three-way turnouts of either form simply have two branches.
            if (n < 2) {
                addStraightPath(shape, RouteRole::Main, origin, end, n > 0 ? 0 : -1, -1);
                break;
            }
            for (int k = 1; k < n; ++k) {
                addConnectionPath(shape, def, k == 1 ? RouteRole::Main : RouteRole::Branch, 0, k);
            }
            break;
        case PieceKind::Crossing:
        case PieceKind::DoubleSlip:
            if (n < 2) {
                addStraightPath(shape, RouteRole::Main, origin, end, n > 0 ? 0 : -1, -1);
                break;
            }
            addConnectionPath(shape, def, RouteRole::Main, 0, 1);
            if (n >= 4) {
                const ConnectorDef& c2 = def.connectors[2];
                const ConnectorDef& c3 = def.connectors[3];
                addStraightPath(shape, RouteRole::SecondTrack, {c2.x, c2.y}, {c3.x, c3.y}, 2, 3);
                if (def.kind == PieceKind::DoubleSlip) {
                    addConnectionPath(shape, def, RouteRole::Slip, 0, 3);
                    addConnectionPath(shape, def, RouteRole::Slip, 2, 1);
                }
            }
            break;
        case PieceKind::Turntable:
            break;
    }
}

}  // namespace

double trackHalfWidth(TrackSystem system) {
    if (system == Systems::ZTrack) {
        return 6.0;
    }
    if (system == Systems::Gauge1) {
        return 31.5;
    }
    return 18.7;
}

double railHalfGauge(TrackSystem system) {
    if (system == Systems::ZTrack) {
        return 3.25;
    }
    if (system == Systems::Gauge1) {
        return 22.5;
    }
    return 8.25;
}

double pickHalfWidth(TrackSystem system) {
    return system == Systems::ZTrack ? 7.0 : 20.0;
}

Vec2 RouteSegment::pointAt(double t) const {
    if (type == RouteType::Arc) {
        const Vec2 dir = direction(startAngle + t * sweep);
        return {centre.x + radius * dir.x, centre.y + radius * dir.y};
    }
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

double RouteSegment::headingAt(double t) const {
    if (type == RouteType::Arc) {
        return normalizeHeading(fromHeading + t * sweep);
    }
    return fromHeading;
}

void Bounds::add(Vec2 p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
}

void Bounds::add(const Bounds& other) {
    if (other.empty()) {
        return;
    }
    add(Vec2{other.minX, other.minY});
    add(Vec2{other.maxX, other.maxY});
}

void buildPieceShape(const PieceDef& def, PieceShape& out) {
    buildPieceShape(def, trackHalfWidth(def.system), out);
}

void buildPieceShape(const PieceDef& def, double halfWidth, PieceShape& out) {
    out.kind = def.kind;
    out.halfWidth = halfWidth;
    out.segments.clear();
    out.paths.clear();
    out.outline.clear();
    out.turntable = def.kind == PieceKind::Turntable;
    out.pitRadius = out.turntable ? def.length / 2.0 : 0.0;
    out.deckRadius = out.turntable ? def.radius : 0.0;
    out.bridgeFrom = out.turntable ? Vec2{-def.radius, 0.0} : Vec2{};
    out.bridgeTo = out.turntable ? Vec2{def.radius, 0.0} : Vec2{};
    out.hasStopBar = def.kind == PieceKind::BufferStop;
    out.stopBarFrom = out.hasStopBar ? Vec2{def.length, -8.0} : Vec2{};
    out.stopBarTo = out.hasStopBar ? Vec2{def.length, 8.0} : Vec2{};

    buildRoutes(def, out);
    for (RoutePath& path : out.paths) {
        path.firstOutline = static_cast<int>(out.outline.size());
        appendBand(out.segments.data() + path.firstSegment, path.segmentCount, halfWidth,
                   out.outline);
        path.outlineCount = static_cast<int>(out.outline.size()) - path.firstOutline;
    }

    if (def.kind == PieceKind::Curve && def.radius > 0.0) {
        // The arc's middle; the half angle is taken unsigned so a left-hand curve's middle lies
        // ahead of the origin like a right-hand one's, only mirrored across the x axis.
        const double h = degToRad(std::fabs(def.angle) / 2.0);
        const double s = def.angle >= 0.0 ? 1.0 : -1.0;
        out.midpoint = {def.radius * std::sin(h), s * def.radius * (1.0 - std::cos(h))};
    } else {
        out.midpoint = {def.length / 2.0, 0.0};
    }

    out.bounds = Bounds{};
    for (const Vec2& p : out.outline) {
        out.bounds.add(p);
    }
    if (out.turntable) {
        const double r = std::max(out.pitRadius, out.deckRadius);
        out.bounds.add(Vec2{-r, -r});
        out.bounds.add(Vec2{r, r});
    }
    if (out.hasStopBar) {
        out.bounds.add(out.stopBarFrom);
        out.bounds.add(out.stopBarTo);
    }
}

namespace {

struct CachedShape {
    PieceKind kind = PieceKind::Straight;
    TrackSystem system = 0;
    double length = 0.0;
    double radius = 0.0;
    double angle = 0.0;
    std::vector<ConnectorDef> connectors;
    PieceShape shape;
};

bool sameGeometry(const CachedShape& c, const PieceDef& def) {
    if (c.kind != def.kind || c.system != def.system || c.length != def.length ||
        c.radius != def.radius || c.angle != def.angle ||
        c.connectors.size() != def.connectors.size()) {
        return false;
    }
    for (size_t i = 0; i < c.connectors.size(); ++i) {
        const ConnectorDef& a = c.connectors[i];
        const ConnectorDef& b = def.connectors[i];
        if (a.x != b.x || a.y != b.y || a.heading != b.heading) {
            return false;
        }
    }
    return true;
}

}  // namespace

const PieceShape& pieceShape(const PieceDef& def) {
    // One cache per thread needs no lock; the program draws and picks on one thread anyway.
    thread_local std::unordered_map<const PieceDef*, CachedShape> cache;
    auto [it, inserted] = cache.try_emplace(&def);
    CachedShape& entry = it->second;
    if (!inserted && sameGeometry(entry, def)) {
        return entry.shape;
    }
    entry.kind = def.kind;
    entry.system = def.system;
    entry.length = def.length;
    entry.radius = def.radius;
    entry.angle = def.angle;
    entry.connectors = def.connectors;
    buildPieceShape(def, entry.shape);
    return entry.shape;
}

void appendOffsetLine(const RouteSegment* segs, int count, double offset, std::vector<Vec2>& out,
                      int arcSegments) {
    arcSegments = std::max(1, arcSegments);
    for (int i = 0; i < count; ++i) {
        const RouteSegment& s = segs[i];
        const int steps = s.type == RouteType::Arc ? arcSegments : 1;
        // Segments of a path meet tangentially, so the first offset point of a later segment
        // repeats the last one of the segment before.
        for (int k = i == 0 ? 0 : 1; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            if (s.type == RouteType::Arc) {
                const double side = s.sweep >= 0.0 ? 1.0 : -1.0;
                const double r = std::max(0.0, s.radius - side * offset);
                const Vec2 dir = direction(s.startAngle + t * s.sweep);
                out.push_back({s.centre.x + r * dir.x, s.centre.y + r * dir.y});
            } else {
                const Vec2 p = s.pointAt(t);
                const Vec2 n = rightNormal(s.fromHeading);
                out.push_back({p.x + offset * n.x, p.y + offset * n.y});
            }
        }
    }
}

void appendBand(const RouteSegment* segs, int count, double halfWidth, std::vector<Vec2>& out,
                int arcSegments) {
    if (count <= 0) {
        return;
    }
    appendOffsetLine(segs, count, -halfWidth, out, arcSegments);
    const size_t rightStart = out.size();
    appendOffsetLine(segs, count, halfWidth, out, arcSegments);
    std::reverse(out.begin() + static_cast<std::ptrdiff_t>(rightStart), out.end());
}

void appendRoutePoints(const RouteSegment& seg, int steps, bool includeFrom,
                       std::vector<Vec2>& out) {
    steps = std::max(1, steps);
    for (int k = includeFrom ? 0 : 1; k <= steps; ++k) {
        out.push_back(seg.pointAt(static_cast<double>(k) / steps));
    }
}

void appendCircle(Vec2 centre, double radius, int segments, std::vector<Vec2>& out) {
    segments = std::max(3, segments);
    for (int k = 0; k < segments; ++k) {
        const Vec2 dir = direction(360.0 * k / segments);
        out.push_back({centre.x + radius * dir.x, centre.y + radius * dir.y});
    }
}

int rubberBandSteps(const RouteSegment& seg) {
    if (seg.type != RouteType::Arc) {
        return 1;
    }
    return std::max(6, static_cast<int>(std::fabs(seg.sweep) / 5.0));
}

int sweepSteps(const RouteSegment& seg) {
    if (seg.type != RouteType::Arc) {
        return std::max(2, static_cast<int>(std::ceil(seg.length / 20.0)));
    }
    return std::max(8, static_cast<int>(std::ceil(std::fabs(seg.sweep) / 2.5)));
}

Vec2 localToLayout(const Pose& pose, Vec2 local) {
    const double r = degToRad(pose.heading);
    const double c = std::cos(r);
    const double s = std::sin(r);
    return {local.x * c - local.y * s + pose.x, local.x * s + local.y * c + pose.y};
}

Vec2 layoutToLocal(const Pose& pose, Vec2 layout) {
    const double r = degToRad(pose.heading);
    const double c = std::cos(r);
    const double s = std::sin(r);
    const double dx = layout.x - pose.x;
    const double dy = layout.y - pose.y;
    return {dx * c + dy * s, -dx * s + dy * c};
}

void appendToLayout(const Pose& pose, const Vec2* local, size_t count, std::vector<Vec2>& out) {
    const double r = degToRad(pose.heading);
    const double c = std::cos(r);
    const double s = std::sin(r);
    for (size_t i = 0; i < count; ++i) {
        const Vec2 p = local[i];
        out.push_back({p.x * c - p.y * s + pose.x, p.x * s + p.y * c + pose.y});
    }
}

Bounds layoutBounds(const PieceShape& shape, const Pose& pose) {
    Bounds b;
    // One sine and cosine for the whole outline; this runs for every piece on every fit.
    const double r = degToRad(pose.heading);
    const double c = std::cos(r);
    const double s = std::sin(r);
    for (const Vec2& p : shape.outline) {
        b.add(Vec2{p.x * c - p.y * s + pose.x, p.x * s + p.y * c + pose.y});
    }
    if (shape.turntable) {
        // A disc's box does not turn with the piece.
        const double radius = std::max(shape.pitRadius, shape.deckRadius);
        b.add(Vec2{pose.x - radius, pose.y - radius});
        b.add(Vec2{pose.x + radius, pose.y + radius});
    }
    if (shape.hasStopBar) {
        b.add(localToLayout(pose, shape.stopBarFrom));
        b.add(localToLayout(pose, shape.stopBarTo));
    }
    return b;
}
