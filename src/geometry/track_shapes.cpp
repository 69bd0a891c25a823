#include "geometry/track_shapes.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"

namespace {

// Appends a connector and numbers it by its position, so every list is indexed 0 .. n-1.
void push(std::vector<ConnectorDef>& list, double x, double y, double heading) {
    ConnectorDef c;
    c.x = x;
    c.y = y;
    c.heading = heading;
    c.open = true;
    c.index = static_cast<int>(list.size());
    list.push_back(c);
}

}  // namespace

std::vector<ConnectorDef> straightConnectors(double L) {
    std::vector<ConnectorDef> list;
    push(list, 0.0, 0.0, 180.0);
    push(list, L, 0.0, 0.0);
    return list;
}

std::vector<ConnectorDef> curveConnectors(double R, double a) {
    // Worked with |a| and the side chosen by the sign: taking sin and cos of a negative angle
    // directly would send a left-hand curve backwards along -x while still bending right.
    const double ar = degToRad(std::fabs(a));
    const double side = a < 0.0 ? -1.0 : 1.0;
    std::vector<ConnectorDef> list;
    push(list, 0.0, 0.0, 180.0);
    push(list, R * std::sin(ar), side * R * (1.0 - std::cos(ar)), normalizeHeading(a));
    return list;
}

double curveArcLength(double R, double a) {
    return std::fabs(R * degToRad(a));
}

TurnoutBranch turnoutBranch(double L, double R, double a) {
    TurnoutBranch br;
    const double ar = degToRad(std::fabs(a));
    br.x = std::min(L, R * std::sin(ar));
    const double bRad = R > 0.0 ? std::asin(std::clamp(br.x / R, -1.0, 1.0)) : 0.0;
    br.b = radToDeg(bRad);
    br.y = R * (1.0 - std::cos(bRad));
    return br;
}

std::vector<ConnectorDef> turnoutConnectors(double L, double R, double a, bool left) {
    const TurnoutBranch br = turnoutBranch(L, R, a);
    std::vector<ConnectorDef> list;
    push(list, 0.0, 0.0, 180.0);
    push(list, L, 0.0, 0.0);
    if (left) {
        push(list, br.x, -br.y, normalizeHeading(360.0 - br.b));
    } else {
        push(list, br.x, br.y, br.b);
    }
    return list;
}

std::vector<ConnectorDef> crossingConnectors(double L, double a) {
    const double ar = degToRad(a);
    const double h = L / 2.0;
    std::vector<ConnectorDef> list;
    push(list, 0.0, 0.0, 180.0);
    push(list, L, 0.0, 0.0);
    push(list, h - h * std::cos(ar), -h * std::sin(ar), normalizeHeading(a + 180.0));
    push(list, h + h * std::cos(ar), h * std::sin(ar), normalizeHeading(a));
    return list;
}

std::vector<ConnectorDef> ringConnectors(int n, double rho, double s) {
    std::vector<ConnectorDef> list;
    list.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int k = 0; k < n; ++k) {
        const double deg = k * s;
        const double r = degToRad(deg);
        push(list, rho * std::cos(r), rho * std::sin(r), normalizeHeading(deg));
    }
    return list;
}

std::vector<ConnectorDef> offsetCurvedTurnoutConnectors(double L, double R, double a, bool left) {
    const double ar = degToRad(std::fabs(a));
    const double x = R * std::sin(ar);
    const double y = R * (1.0 - std::cos(ar)) * (left ? -1.0 : 1.0);
    const double heading = normalizeHeading(left ? 360.0 - std::fabs(a) : std::fabs(a));
    std::vector<ConnectorDef> list;
    push(list, 0.0, 0.0, 180.0);
    push(list, x, y, heading);
    push(list, L + x, y, heading);
    return list;
}
