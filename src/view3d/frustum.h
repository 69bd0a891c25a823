#pragma once
// The view volume as six planes, taken from the combined projection and model-view matrix, so the
// 3D view can pass over tiles and pieces that lie wholly outside the window.

#include <array>

#include "view3d/mesh.h"

class Frustum {
public:
    /// Planes of the volume that the column-major matrix `clip` (projection x model-view) maps
    /// onto the cube -1 ... 1.
    static Frustum fromMatrix(const std::array<double, 16>& clip);

    /// True when the sphere lies wholly outside one of the planes.
    bool outside(Vec3 centre, double radius) const;
    /// True when the box lies wholly outside one of the planes.
    bool outside(Vec3 min, Vec3 max) const;

private:
    std::array<std::array<double, 4>, 6> m_planes{};  // a x + b y + c z + d >= 0 inside
};

/// projection x modelView, both column-major.
std::array<double, 16> clipMatrix(const std::array<double, 16>& projection,
                                  const std::array<double, 16>& modelView);
/// Where the eye stands in the frame a model-view matrix (rotation and translation) maps from.
Vec3 eyePosition(const std::array<double, 16>& modelView);
/// Distance (mm) from p to the nearest point of the box; 0 inside.
double distanceToBox(Vec3 p, Vec3 min, Vec3 max);
