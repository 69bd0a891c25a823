#pragma once
// Ear clipping of simple polygons (convex or concave, either orientation, no holes), for the
// baseboard and the caps of prisms.

#include <array>
#include <cstdint>
#include <vector>

#include "geometry/geometry.h"

/// Signed area (mm^2) of the closed polygon: positive when it runs counter-clockwise in a frame
/// with y up.
double signedArea(const std::vector<Vec2>& polygon);

/// Triangles covering the polygon exactly, as index triples into `polygon`, each counter-clockwise
/// (y up). Repeated consecutive points and collinear points are passed over. Empty when the
/// polygon has fewer than 3 distinct corners or is not simple enough to be clipped.
std::vector<std::array<uint32_t, 3>> triangulate(const std::vector<Vec2>& polygon);
