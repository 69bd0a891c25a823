#pragma once
// Connector lists of the standard track shapes, in the piece-local frame: connector 0 at the
// origin facing 180 degrees, track leaving along +x, +y to the right of travel (downward on
// screen). The catalog builds its definitions from these; drawing and hit-testing use the same
// formulas, so a branch end computed here is the branch end everybody sees.

#include <vector>

#include "geometry/geometry.h"

/// Straight of length L (mm): (0, 0, 180) and (L, 0, 0).
std::vector<ConnectorDef> straightConnectors(double L);

/// Curve of radius R (mm) through angle a (degrees; positive bends right towards +y, negative
/// left). Connector 1 lies at (R sin|a|, ±R (1 - cos a)) with heading a normalised to [0, 360).
std::vector<ConnectorDef> curveConnectors(double R, double a);

/// Arc length (mm) of a curve of radius R (mm) through angle a (degrees), always >= 0.
double curveArcLength(double R, double a);

/// Where a turnout's branch ends: the point (mm) and the actual branch angle b (degrees, >= 0).
struct TurnoutBranch {
    double x = 0.0;
    double y = 0.0;  ///< distance from the straight route, always >= 0
    double b = 0.0;
};

/// Branch end of a turnout with straight length L, branch radius R (mm) and nominal angle a
/// (degrees, sign ignored). A branch longer than the straight is cut back to end level with it:
/// x = min(L, R sin a), b = asin(min(1, x / R)), y = R (1 - cos b).
TurnoutBranch turnoutBranch(double L, double R, double a);

/// Turnout: (0, 0, 180), (L, 0, 0) and the branch, at (x, y, b) for a right-hand turnout or
/// (x, -y, 360 - b) for a left-hand one. a is the nominal angle in degrees (sign ignored).
std::vector<ConnectorDef> turnoutConnectors(double L, double R, double a, bool left);

/// Symmetric crossing of two tracks of length L (mm) meeting at their midpoints (L/2, 0) at angle a
/// (degrees): (0, 0, 180), (L, 0, 0), then the second track's two ends with headings a + 180 and a.
std::vector<ConnectorDef> crossingConnectors(double L, double a);

/// Turntable ring: n connectors at radius rho (mm) around the origin, spacing s degrees;
/// connector k at (rho cos ks, rho sin ks) facing outward (heading k s).
std::vector<ConnectorDef> ringConnectors(int n, double rho, double s);

/// Offset curved turnout with lead L (mm), radius R (mm) and angle a (degrees, sign ignored):
/// (0, 0, 180), the inner branch end (R sin a, ±R (1 - cos a)) and the outer branch end, the same
/// point moved by L along +x; both branch ends face a (right) or 360 - a (left).
std::vector<ConnectorDef> offsetCurvedTurnoutConnectors(double L, double R, double a, bool left);
