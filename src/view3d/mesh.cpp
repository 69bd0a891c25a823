#include "view3d/mesh.h"

#include <cmath>
#include <limits>

#include "view3d/triangulate.h"

namespace {

Vec3 sub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 crossProduct(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalised(Vec3 v) {
    const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return len > 0.0 ? Vec3{v.x / len, v.y / len, v.z / len} : Vec3{0.0, 0.0, 1.0};
}

}  // namespace

void Mesh::clear() {
    positions.clear();
    normals.clear();
    colours.clear();
    indices.clear();
}

uint32_t Mesh::addVertex(Vec3 p, Vec3 n, Colour c) {
    const auto index = static_cast<uint32_t>(vertexCount());
    positions.insert(positions.end(),
                     {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
    normals.insert(normals.end(),
                   {static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z)});
    colours.insert(colours.end(), {c.r, c.g, c.b});
    if (colourSize == 4) {
        colours.push_back(c.a);
    }
    return index;
}

void Mesh::addTriangle(uint32_t a, uint32_t b, uint32_t c) {
    indices.insert(indices.end(), {a, b, c});
}

void Mesh::addQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Colour colour) {
    const Vec3 n = normalised(crossProduct(sub(b, a), sub(c, a)));
    const uint32_t i = addVertex(a, n, colour);
    addVertex(b, n, colour);
    addVertex(c, n, colour);
    addVertex(d, n, colour);
    addTriangle(i, i + 1, i + 2);
    addTriangle(i, i + 2, i + 3);
}

void Mesh::append(const Mesh& other, Vec3 offset) {
    const auto base = static_cast<uint32_t>(vertexCount());
    for (size_t v = 0; v < other.vertexCount(); ++v) {
        const float* p = &other.positions[3 * v];
        const float* n = &other.normals[3 * v];
        const float* c = &other.colours[static_cast<size_t>(other.colourSize) * v];
        addVertex({p[0] + offset.x, p[1] + offset.y, p[2] + offset.z}, {n[0], n[1], n[2]},
                  {c[0], c[1], c[2], other.colourSize == 4 ? c[3] : 1.0f});
    }
    for (uint32_t i : other.indices) {
        indices.push_back(base + i);
    }
}

void Mesh::bounds(Vec3& min, Vec3& max) const {
    const double inf = std::numeric_limits<double>::infinity();
    min = {inf, inf, inf};
    max = {-inf, -inf, -inf};
    for (size_t i = 0; i + 2 < positions.size(); i += 3) {
        min = {std::min<double>(min.x, positions[i]), std::min<double>(min.y, positions[i + 1]),
               std::min<double>(min.z, positions[i + 2])};
        max = {std::max<double>(max.x, positions[i]), std::max<double>(max.y, positions[i + 1]),
               std::max<double>(max.z, positions[i + 2])};
    }
}

void addBox(Mesh& m, Vec3 lo, Vec3 hi, Colour top, Colour sides, bool withBottom) {
    m.addQuad({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, top);
    m.addQuad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z},
              sides);
    m.addQuad({hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z},
              sides);
    m.addQuad({hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z},
              sides);
    m.addQuad({lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z},
              sides);
    if (withBottom) {
        m.addQuad({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z},
                  sides);
    }
}

void addTurnedBox(Mesh& m, Vec2 c, double angleDeg, double length, double width, double z0,
                  double z1, Colour top, Colour sides) {
    const double a = degToRad(angleDeg);
    const Vec2 u{std::cos(a) * length / 2.0, std::sin(a) * length / 2.0};
    const Vec2 v{-std::sin(a) * width / 2.0, std::cos(a) * width / 2.0};
    const std::vector<Vec2> corners{{c.x - u.x - v.x, c.y - u.y - v.y},
                                    {c.x + u.x - v.x, c.y + u.y - v.y},
                                    {c.x + u.x + v.x, c.y + u.y + v.y},
                                    {c.x - u.x + v.x, c.y - u.y + v.y}};
    m.addQuad({corners[0].x, corners[0].y, z1}, {corners[1].x, corners[1].y, z1},
              {corners[2].x, corners[2].y, z1}, {corners[3].x, corners[3].y, z1}, top);
    addWalls(m, corners, z0, z1, sides);
}

void addWalls(Mesh& m, const std::vector<Vec2>& polygon, double z0, double z1, Colour colour) {
    const size_t n = polygon.size();
    const bool ccw = signedArea(polygon) >= 0.0;
    for (size_t i = 0; i < n; ++i) {
        Vec2 a = polygon[i];
        Vec2 b = polygon[(i + 1) % n];
        if (!ccw) {
            std::swap(a, b);
        }
        if (std::hypot(b.x - a.x, b.y - a.y) < 1e-9) {
            continue;
        }
        m.addQuad({a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, z1}, {a.x, a.y, z1}, colour);
    }
}

bool addCap(Mesh& m, const std::vector<Vec2>& polygon, double z, Colour colour, bool up) {
    const auto triangles = triangulate(polygon);
    if (triangles.empty()) {
        return false;
    }
    const Vec3 n{0.0, 0.0, up ? 1.0 : -1.0};
    const auto base = static_cast<uint32_t>(m.vertexCount());
    for (const Vec2& p : polygon) {
        m.addVertex({p.x, p.y, z}, n, colour);
    }
    for (const auto& t : triangles) {
        if (up) {
            m.addTriangle(base + t[0], base + t[1], base + t[2]);
        } else {
            m.addTriangle(base + t[0], base + t[2], base + t[1]);
        }
    }
    return true;
}

void addPrism(Mesh& m, const std::vector<Vec2>& polygon, double z0, double z1, Colour top,
              Colour sides) {
    addCap(m, polygon, z1, top);
    if (z1 > z0) {
        addWalls(m, polygon, z0, z1, sides);
    }
}

void addCylinder(Mesh& m, Vec2 c, double r0, double r1, double z0, double z1, int segments,
                 Colour top, Colour sides) {
    std::vector<Vec2> ring;
    const double slope = (r0 - r1) / std::max(z1 - z0, 1e-9);
    const auto base = static_cast<uint32_t>(m.vertexCount());
    for (int k = 0; k <= segments; ++k) {
        const double a = 2.0 * M_PI * k / segments;
        const double ca = std::cos(a), sa = std::sin(a);
        const Vec3 n = normalised({ca, sa, slope});
        m.addVertex({c.x + r0 * ca, c.y + r0 * sa, z0}, n, sides);
        m.addVertex({c.x + r1 * ca, c.y + r1 * sa, z1}, n, sides);
        if (k < segments) {
            ring.push_back({c.x + r1 * ca, c.y + r1 * sa});
        }
    }
    for (uint32_t k = 0; k < static_cast<uint32_t>(segments); ++k) {
        const uint32_t i = base + 2 * k;
        m.addTriangle(i, i + 2, i + 3);
        m.addTriangle(i, i + 3, i + 1);
    }
    if (r1 > 0.0) {
        addCap(m, ring, z1, top);
    }
}

void addBeam(Mesh& m, Vec3 a, Vec3 b, double width, double depth, Colour colour) {
    const Vec3 axis = sub(b, a);
    if (std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z) < 1e-9) {
        return;
    }
    const Vec3 dir = normalised(axis);
    // Horizontal side vector; a vertical beam takes x.
    Vec3 side = crossProduct({0.0, 0.0, 1.0}, dir);
    side = std::hypot(side.x, side.y) < 1e-9 ? Vec3{1.0, 0.0, 0.0} : normalised(side);
    const Vec3 up = crossProduct(dir, side);
    const double hw = width / 2.0, hd = depth / 2.0;
    auto corner = [&](Vec3 p, double s, double u) {
        return Vec3{p.x + side.x * s + up.x * u, p.y + side.y * s + up.y * u,
                    p.z + side.z * s + up.z * u};
    };
    const double ss[4] = {-hw, hw, hw, -hw};
    const double us[4] = {-hd, -hd, hd, hd};
    for (int k = 0; k < 4; ++k) {
        const int l = (k + 1) % 4;
        m.addQuad(corner(a, ss[k], us[k]), corner(a, ss[l], us[l]), corner(b, ss[l], us[l]),
                  corner(b, ss[k], us[k]), colour);
    }
    m.addQuad(corner(a, ss[3], us[3]), corner(a, ss[2], us[2]), corner(a, ss[1], us[1]),
              corner(a, ss[0], us[0]), colour);
    m.addQuad(corner(b, ss[0], us[0]), corner(b, ss[1], us[1]), corner(b, ss[2], us[2]),
              corner(b, ss[3], us[3]), colour);
}
