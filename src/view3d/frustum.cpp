#include "view3d/frustum.h"

#include <algorithm>
#include <cmath>

Frustum Frustum::fromMatrix(const std::array<double, 16>& clip) {
    // Row r of the column-major matrix is (m[r], m[4 + r], m[8 + r], m[12 + r]); the planes are
    // row 3 plus or minus rows 0, 1 and 2.
    auto row = [&](int r) {
        return std::array<double, 4>{clip[r], clip[4 + r], clip[8 + r], clip[12 + r]};
    };
    const auto w = row(3);
    Frustum f;
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = row(axis);
        for (int side = 0; side < 2; ++side) {
            auto& p = f.m_planes[static_cast<size_t>(2 * axis + side)];
            for (size_t k = 0; k < 4; ++k) {
                p[k] = side == 0 ? w[k] + a[k] : w[k] - a[k];
            }
            const double len = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
            if (len > 0.0) {
                for (double& v : p) {
                    v /= len;
                }
            }
        }
    }
    return f;
}

bool Frustum::outside(Vec3 c, double radius) const {
    for (const auto& p : m_planes) {
        if (p[0] * c.x + p[1] * c.y + p[2] * c.z + p[3] < -radius) {
            return true;
        }
    }
    return false;
}

bool Frustum::outside(Vec3 min, Vec3 max) const {
    for (const auto& p : m_planes) {
        // The corner farthest along the plane's normal.
        const Vec3 q{p[0] >= 0 ? max.x : min.x, p[1] >= 0 ? max.y : min.y,
                     p[2] >= 0 ? max.z : min.z};
        if (p[0] * q.x + p[1] * q.y + p[2] * q.z + p[3] < 0.0) {
            return true;
        }
    }
    return false;
}

std::array<double, 16> clipMatrix(const std::array<double, 16>& projection,
                                  const std::array<double, 16>& modelView) {
    std::array<double, 16> clip{};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            for (int k = 0; k < 4; ++k) {
                clip[c * 4 + r] += projection[k * 4 + r] * modelView[c * 4 + k];
            }
        }
    }
    return clip;
}

Vec3 eyePosition(const std::array<double, 16>& m) {
    // The eye is at -R^T t, R the rotation part and t the translation column.
    auto component = [&](int i) {
        return -(m[i * 4] * m[12] + m[i * 4 + 1] * m[13] + m[i * 4 + 2] * m[14]);
    };
    return {component(0), component(1), component(2)};
}

double distanceToBox(Vec3 p, Vec3 min, Vec3 max) {
    const double dx = std::max({min.x - p.x, 0.0, p.x - max.x});
    const double dy = std::max({min.y - p.y, 0.0, p.y - max.y});
    const double dz = std::max({min.z - p.z, 0.0, p.z - max.z});
    return std::hypot(dx, dy, dz);
}
