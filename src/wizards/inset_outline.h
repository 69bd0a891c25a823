#pragma once
// The centre line of the Layout Wizard's loop: the table outline moved inward by a margin, run
// clockwise on screen (the table's interior on the right), with each corner marked convex (the
// loop turns right) or concave (it turns left). Only rectilinear outlines are handled.

#include <optional>
#include <vector>

#include "geometry/geometry.h"

struct InsetVertex {
    double x = 0.0;
    double y = 0.0;
    int corner = 1;  ///< +1 convex (turns right), -1 concave (turns left)
    Vec2 along;      ///< unit direction of the table edge that leaves this corner
};

using InsetOutline = std::vector<InsetVertex>;

/// True when every edge is horizontal or vertical within 0.5 mm and at least 1 mm long.
bool isRectilinear(const std::vector<Vec2>& outline);

/// The outline moved `d` mm inward, clockwise on screen; nothing when it is not rectilinear.
/// Vertices in the middle of a straight side are dropped first: they are no corner.
std::optional<InsetOutline> insetOutline(const std::vector<Vec2>& outline, double d);

/// Length of edge i (from vertex i to vertex i + 1), measured along its table edge: negative
/// when the margin turned the edge round (the table is too narrow there).
double edgeLength(const InsetOutline& outline, size_t i);

/// Every edge at least 2R - 0.5 long, with a straight room of at most 2 mm or at least
/// `shortest` - 2 mm.
bool passesEdgeTest(const InsetOutline& outline, double radius, double shortest);

/// The same with a corner allowance per vertex: `convex` at convex corners and `concave` at
/// concave ones.
bool passesAllowanceTest(const InsetOutline& outline, double convex, double concave,
                         double shortest);
