#include "geometry/geometry.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

double normalizeHeading(double heading) {
    // A non-finite heading would never leave the loops below.
    if (!std::isfinite(heading)) {
        return 0.0;
    }
    // fmod first so that a wildly large value does not loop for ages; the loops then settle the
    // boundaries exactly (fmod(-360, 360) is -0, which the loops leave as 0).
    if (heading < -3600.0 || heading >= 3600.0) {
        heading = std::fmod(heading, 360.0);
    }
    while (heading < 0.0) {
        heading += 360.0;
    }
    while (heading >= 360.0) {
        heading -= 360.0;
    }
    return heading;
}

double headingDifference(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    if (d > 180.0) {
        d = 360.0 - d;
    }
    return d;
}

double degToRad(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
Vec2 rotateAbout(Vec2 p, Vec2 pivot, double deg) {
    const double r = degToRad(deg), c = std::cos(r), s = std::sin(r);
    const double dx = p.x - pivot.x, dy = p.y - pivot.y;
    return {pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c};
}
double dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}

double distance(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double cross(Vec2 o, Vec2 a, Vec2 b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool insidePolygon(const std::vector<Vec2>& polygon, Vec2 p) {
    bool inside = false;
    for (size_t i = 0, n = polygon.size(), j = n - 1; i < n; j = i++) {
        const Vec2 a = polygon[i];
        const Vec2 b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double radToDeg(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

namespace {
double unitFactor(Units units) {
    switch (units) {
        case Units::Centimetres:
            return 10.0;
        case Units::Inches:
            return 25.4;
        case Units::Millimetres:
            break;
    }
    return 1.0;
}
}  // namespace

double toDisplay(double mm, Units units) {
    return mm / unitFactor(units);
}
double fromDisplay(double value, Units units) {
    return value * unitFactor(units);
}

const char* unitLabel(Units units) {
    switch (units) {
        case Units::Centimetres:
            return "cm";
        case Units::Inches:
            return "in";
        case Units::Millimetres:
            break;
    }
    return "mm";
}

Units unitsFromInt(int value) {
    if (value == 1) {
        return Units::Centimetres;
    }
    if (value == 2) {
        return Units::Inches;
    }
    return Units::Millimetres;
}

namespace {
// Millimetres are shown whole, centimetres with one decimal, inches with two.
int decimalsFor(Units units) {
    switch (units) {
        case Units::Centimetres:
            return 1;
        case Units::Inches:
            return 2;
        case Units::Millimetres:
            break;
    }
    return 0;
}
}  // namespace

std::string formatCoordinates(double xMm, double yMm, Units units) {
    char buf[128];
    const int dec = decimalsFor(units);
    const char* label = unitLabel(units);
    std::snprintf(buf, sizeof buf, "%.*f %s,  %.*f %s", dec, toDisplay(xMm, units), label, dec,
                  toDisplay(yMm, units), label);
    return buf;
}

std::string formatDistance(double mm, Units units) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "Distance: %.*f %s", decimalsFor(units), toDisplay(mm, units),
                  unitLabel(units));
    return buf;
}

std::string formatMousePosition(double xMm, double yMm, Units units) {
    char buf[128];
    const int dec = decimalsFor(units);
    std::snprintf(buf, sizeof buf, "x: %.*f  y: %.*f %s", dec, toDisplay(xMm, units), dec,
                  toDisplay(yMm, units), unitLabel(units));
    return buf;
}
