#include "wizards/inset_outline.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kAxisTolerance = 0.5;
constexpr double kShortestEdge = 1.0;

Vec2 unit(Vec2 from, Vec2 to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double len = std::hypot(dx, dy);
    return {dx / len, dy / len};
}

double cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}

/// Drops vertices whose two edges run the same way.
std::vector<Vec2> withoutStraightThrough(const std::vector<Vec2>& outline) {
    std::vector<Vec2> out;
    const size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
        const Vec2 in = unit(outline[(i + n - 1) % n], outline[i]);
        const Vec2 next = unit(outline[i], outline[(i + 1) % n]);
        if (std::abs(cross(in, next)) > 1e-6 || in.x * next.x + in.y * next.y < 0.0) {
            out.push_back(outline[i]);
        }
    }
    return out;
}

}  // namespace

bool isRectilinear(const std::vector<Vec2>& outline) {
    const size_t n = outline.size();
    if (n < 3) {
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        const Vec2 a = outline[i], b = outline[(i + 1) % n];
        const double dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
        if (!std::isfinite(dx) || !std::isfinite(dy) || std::hypot(dx, dy) < kShortestEdge ||
            (dx > kAxisTolerance && dy > kAxisTolerance)) {
            return false;
        }
    }
    return true;
}

std::optional<InsetOutline> insetOutline(const std::vector<Vec2>& outline, double d) {
    if (!isRectilinear(outline)) {
        return std::nullopt;
    }
    std::vector<Vec2> ring = withoutStraightThrough(outline);
    if (ring.size() < 4) {
        return std::nullopt;
    }
    const Vec2 first = unit(ring[0], ring[1]);
    const Vec2 probe{(ring[0].x + ring[1].x) / 2.0 - 2.0 * first.y,
                     (ring[0].y + ring[1].y) / 2.0 + 2.0 * first.x};
    if (!insidePolygon(ring, probe)) {
        std::reverse(ring.begin(), ring.end());
    }
    const size_t n = ring.size();
    InsetOutline result;
    for (size_t i = 0; i < n; ++i) {
        const Vec2 in = unit(ring[(i + n - 1) % n], ring[i]);
        const Vec2 out = unit(ring[i], ring[(i + 1) % n]);
        // Inward normals lie to the right of travel: (-dy, dx) with y downward.
        const Vec2 nIn{-in.y, in.x}, nOut{-out.y, out.x};
        InsetVertex v;
        v.x = ring[i].x + d * (nIn.x + nOut.x);
        v.y = ring[i].y + d * (nIn.y + nOut.y);
        v.corner = cross(in, out) > 0.0 ? 1 : -1;
        v.along = out;
        result.push_back(v);
    }
    return result;
}

double edgeLength(const InsetOutline& outline, size_t i) {
    const InsetVertex& a = outline[i];
    const InsetVertex& b = outline[(i + 1) % outline.size()];
    return (b.x - a.x) * a.along.x + (b.y - a.y) * a.along.y;
}

bool passesAllowanceTest(const InsetOutline& outline, double convex, double concave,
                         double shortest) {
    const size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
        const double a = outline[i].corner > 0 ? convex : concave;
        const double b = outline[(i + 1) % n].corner > 0 ? convex : concave;
        const double length = edgeLength(outline, i);
        if (!(a + b - 0.5 <= length)) {
            return false;
        }
        const double room = length - a - b;
        if (room > 2.0 && room < shortest - 2.0) {
            return false;
        }
    }
    return true;
}

bool passesEdgeTest(const InsetOutline& outline, double radius, double shortest) {
    return passesAllowanceTest(outline, radius, radius, shortest);
}
