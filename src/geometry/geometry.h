#pragma once
// The layout coordinate system and the geometry every tool shares: points, poses, headings,
// units, and the result types of the snap search (which lives with the placed pieces).
//
// Layout frame: millimetres, x to the right, y downward (as screen rows). Headings are degrees,
// 0 along +x, growing clockwise on screen (90 points along +y).
// Piece-local frame: connector 0 at the origin for most pieces, track leaving along +x; +y is to
// the right of travel, so a positive curve angle bends right.

#include <cstdint>
#include <string>
#include <vector>

/// A point or vector in mm.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

/// Where a local origin lies in the layout (mm) and how far its local +x axis is turned (degrees).
struct Pose {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
};

/// A connector of a placed piece in the layout frame. heading is outward, in [0, 360).
/// open: no joint recorded on it. index: connector index in the definition, -1 for the empty
/// result.
struct WorldConnector {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    bool open = true;
    int index = -1;
};

/// Result of the snap search. Empty: snapped false, ids -1, doubles 0.
struct SnapResult {
    bool snapped = false;
    uint32_t targetId = 0xFFFFFFFFu;  ///< placed piece joined to (-1 as u32 when empty)
    int targetConn = -1;              ///< connector index on the placed piece
    int ownConn = -1;                 ///< connector index on the dragged piece
    Pose pose;                        ///< pose of the dragged piece after snapping
    double distance = 0.0;            ///< mm between the two connectors before snapping
};

/// Result of the conflict probe. Empty: conflict false, both systems 0.
struct SystemConflict {
    bool conflict = false;
    uint32_t newSystem = 0;       ///< system of the dropped piece's connector
    uint32_t existingSystem = 0;  ///< system of the placed piece's connector
};

/// One track end in the piece-local frame (mm, degrees outward).
struct ConnectorDef {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    bool open = true;
    int index = 0;
};

/// Display unit: 0 millimetres, 1 centimetres, 2 inches. The model always stays in mm.
enum class Units : int { Millimetres = 0, Centimetres = 1, Inches = 2 };

/// Snap distance limit (mm, inclusive) and the least heading difference (degrees) of a snap.
inline constexpr double kSnapDistance = 25.0;
inline constexpr double kSnapMinHeadingDiff = 20.0;

double normalizeHeading(double heading);       ///< into [0, 360)
double headingDifference(double a, double b);  ///< in [0, 180]; 180 = facing each other
double degToRad(double degrees);               ///< degrees -> radians
double radToDeg(double radians);               ///< radians -> degrees
/// `p` turned by `deg` degrees about `pivot` (clockwise on screen, where y grows downward).
Vec2 rotateAbout(Vec2 p, Vec2 pivot, double deg);
double dot(Vec2 a, Vec2 b);
double distance(Vec2 a, Vec2 b);
/// (a - o) x (b - o): positive when o, a, b turn counter-clockwise in a y-up frame.
double cross(Vec2 o, Vec2 a, Vec2 b);
/// Even-odd test; a point on an edge may fall either way.
bool insidePolygon(const std::vector<Vec2>& polygon, Vec2 p);

double toDisplay(double mm, Units units);       ///< mm -> shown value
double fromDisplay(double value, Units units);  ///< typed value -> mm
const char* unitLabel(Units units);             ///< "mm", "cm", "in"
Units unitsFromInt(int value);                  ///< 0..2, anything else millimetres
/// "%.0f mm,  %.0f mm" and the like: coordinate pair in the user's unit.
std::string formatCoordinates(double xMm, double yMm, Units units);
/// Status field 2: "x: 120  y: -35 mm" and the like, the mouse's layout point in the user's unit.
std::string formatMousePosition(double xMm, double yMm, Units units);
/// "Distance: %.0f mm" and the like.
std::string formatDistance(double mm, Units units);
