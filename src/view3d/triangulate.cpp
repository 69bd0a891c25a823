#include "view3d/triangulate.h"

#include <algorithm>
#include <cmath>

namespace {

// True when p lies inside or on the counter-clockwise triangle a-b-c.
bool inTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    return cross(a, b, p) >= 0.0 && cross(b, c, p) >= 0.0 && cross(c, a, p) >= 0.0;
}

// Corner indices without repeated points and without corners on a straight run.
std::vector<uint32_t> distinctCorners(const std::vector<Vec2>& poly, double eps) {
    std::vector<uint32_t> idx;
    for (uint32_t i = 0; i < poly.size(); ++i) {
        if (idx.empty() ||
            std::hypot(poly[i].x - poly[idx.back()].x, poly[i].y - poly[idx.back()].y) > eps) {
            idx.push_back(i);
        }
    }
    while (idx.size() > 1 && std::hypot(poly[idx.front()].x - poly[idx.back()].x,
                                        poly[idx.front()].y - poly[idx.back()].y) <= eps) {
        idx.pop_back();
    }
    bool removed = true;
    while (removed && idx.size() >= 3) {
        removed = false;
        for (size_t i = 0; i < idx.size(); ++i) {
            const Vec2 a = poly[idx[(i + idx.size() - 1) % idx.size()]];
            const Vec2 b = poly[idx[i]];
            const Vec2 c = poly[idx[(i + 1) % idx.size()]];
            const double len = std::hypot(c.x - a.x, c.y - a.y);
            if (std::fabs(cross(a, b, c)) <= eps * std::max(len, 1.0)) {
                idx.erase(idx.begin() + static_cast<std::ptrdiff_t>(i));
                removed = true;
                break;
            }
        }
    }
    return idx;
}

}  // namespace

double signedArea(const std::vector<Vec2>& polygon) {
    double twice = 0.0;
    for (size_t i = 0, n = polygon.size(); i < n; ++i) {
        const Vec2 a = polygon[i];
        const Vec2 b = polygon[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

std::vector<std::array<uint32_t, 3>> triangulate(const std::vector<Vec2>& polygon) {
    std::vector<std::array<uint32_t, 3>> out;
    std::vector<uint32_t> ring = distinctCorners(polygon, 1e-6);
    if (ring.size() < 3) {
        return out;
    }
    std::vector<Vec2> pts;
    for (uint32_t i : ring) {
        pts.push_back(polygon[i]);
    }
    if (signedArea(pts) < 0.0) {
        std::reverse(ring.begin(), ring.end());
    }
    out.reserve(ring.size() - 2);
    // Each pass cuts one ear; a pass that finds none means the polygon crosses itself.
    while (ring.size() > 3) {
        const size_t n = ring.size();
        bool cut = false;
        for (size_t i = 0; i < n && !cut; ++i) {
            const uint32_t ia = ring[(i + n - 1) % n], ib = ring[i], ic = ring[(i + 1) % n];
            const Vec2 a = polygon[ia], b = polygon[ib], c = polygon[ic];
            if (cross(a, b, c) <= 0.0) {
                continue;  // reflex corner
            }
            bool blocked = false;
            for (size_t j = 0; j < n && !blocked; ++j) {
                const uint32_t k = ring[j];
                if (k == ia || k == ib || k == ic) {
                    continue;
                }
                blocked = inTriangle(polygon[k], a, b, c);
            }
            if (!blocked) {
                out.push_back({ia, ib, ic});
                ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
                cut = true;
            }
        }
        if (!cut) {
            out.clear();
            return out;
        }
    }
    out.push_back({ring[0], ring[1], ring[2]});
    return out;
}

