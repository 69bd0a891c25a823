#pragma once
// The one model of a piece's shape. Every reader of a piece's form (2D drawing, palette icons,
// picking, the rubber band, the rails overlay, the 3D sweep, the printout) takes its routes and its
// band outline from here instead of working out curves on its own.
//
// A shape is built from a PieceDef in the piece-local frame (mm; connector 0 at the origin, track
// leaving along +x, +y to the right of travel; see geometry.h). Routes are runs of straight and
// arc segments joining the piece's connectors; the band outline is the filled track band around
// each route. Catalog definitions never change, so `pieceShape` keeps one built shape per
// definition address and hands it out without allocating.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "catalog/track_catalog.h"
#include "geometry/geometry.h"

/// Half-width of the drawn track band (mm): Z-Track 6.0, Gauge 1 31.5, every other system 18.7.
double trackHalfWidth(TrackSystem system);
/// Half the rail gauge (mm) used by the rails overlay: Z-Track 3.25, Gauge 1 22.5, others 8.25.
double railHalfGauge(TrackSystem system);
/// Half-width (mm) a pick accepts around a piece's centre line, before the 5 mm allowance:
/// Z-Track 7, every other system 20.
double pickHalfWidth(TrackSystem system);

/// Number of equal angular steps per arc edge in a band outline (each edge has 11 points).
inline constexpr int kBandArcSegments = 10;
/// Number of segments of a flattened full circle (turntable pit, 3D pit).
inline constexpr int kCircleSegments = 48;

enum class RouteType : uint8_t { Straight, Arc };

/// One piece of a route's centre line in the piece-local frame. Travel runs from `from` to `to`.
/// Headings are directions of travel in degrees (0 along +x, 90 along +y); at a connector the
/// arriving heading equals the connector's outward heading.
struct RouteSegment {
    RouteType type = RouteType::Straight;
    Vec2 from;
    Vec2 to;
    double fromHeading = 0.0;  ///< degrees, direction of travel at `from`
    double toHeading = 0.0;    ///< degrees, direction of travel at `to`
    double length = 0.0;       ///< mm along the centre line
    // Arc only (zero for straights):
    Vec2 centre;              ///< mm
    double radius = 0.0;      ///< mm
    double startAngle = 0.0;  ///< degrees, direction from `centre` to `from` (0 = +x, 90 = +y)
    double sweep = 0.0;       ///< degrees, signed turn; positive bends right (clockwise on screen)

    /// Point at the fraction t in [0, 1] of the segment (piece-local mm).
    Vec2 pointAt(double t) const;
    /// Direction of travel (degrees) at the fraction t in [0, 1].
    double headingAt(double t) const;
};

/// What a route is in the drawing: the through route, a turnout branch, the second track of a
/// crossing or slip, or a slip route. The renderer picks the band shade from it.
enum class RouteRole : uint8_t { Main, Branch, SecondTrack, Slip };

/// A run of contiguous segments drawn as one band. Segments and band polygon are ranges of the
/// owning PieceShape's `segments` and `outline`.
struct RoutePath {
    RouteRole role = RouteRole::Main;
    int firstSegment = 0;
    int segmentCount = 0;
    int firstOutline = 0;    ///< first point of the band polygon in PieceShape::outline
    int outlineCount = 0;    ///< number of band polygon points
    int fromConnector = -1;  ///< connector where the route starts, -1 when none lies there
    int toConnector = -1;    ///< connector where the route ends, -1 when none lies there
};

/// Axis-aligned box (mm). Empty while minX > maxX.
struct Bounds {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    bool empty() const { return minX > maxX; }
    void add(Vec2 p);
    void add(const Bounds& other);
    double width() const { return empty() ? 0.0 : maxX - minX; }
    double height() const { return empty() ? 0.0 : maxY - minY; }
};

/// The shape of one piece in its local frame.
struct PieceShape {
    PieceKind kind = PieceKind::Straight;
    double halfWidth = 0.0;  ///< band half-width (mm) the outline was built with

    std::vector<RouteSegment> segments;  ///< every route segment, grouped by path
    std::vector<RoutePath> paths;        ///< in drawing order: main, branches / second track, slips
    std::vector<Vec2> outline;           ///< the band polygons of all paths, back to back

    /// Turntable: the pit (radius length/2) and the deck (the definition's radius), both about
    /// the origin, and the bridge line across the deck along +x. No routes.
    bool turntable = false;
    double pitRadius = 0.0;   ///< mm
    double deckRadius = 0.0;  ///< mm
    Vec2 bridgeFrom;
    Vec2 bridgeTo;

    /// Buffer stop: the bar across the far end, from (length, -8) to (length, +8).
    bool hasStopBar = false;
    Vec2 stopBarFrom;
    Vec2 stopBarTo;

    /// Where labels and grade arrows sit: a curve's arc middle, else (length / 2, 0).
    Vec2 midpoint;
    /// Box around the band outline, the pit and the stop bar (piece-local mm).
    Bounds bounds;

    /// Band polygon of path i (points in `outline`).
    const Vec2* bandPoints(int i) const { return outline.data() + paths[i].firstOutline; }
    /// Segments of path i.
    const RouteSegment* pathSegments(int i) const {
        return segments.data() + paths[i].firstSegment;
    }
};

/// Builds the shape of `def` with the band half-width of its system into `out`, reusing the
/// buffers `out` already holds.
void buildPieceShape(const PieceDef& def, PieceShape& out);
/// Same with a chosen band half-width (mm), e.g. the 3D bed.
void buildPieceShape(const PieceDef& def, double halfWidth, PieceShape& out);

/// The shape of `def`, built on first use and kept per definition address (per thread). A
/// definition whose geometry changed since (a test reusing a stack address) is rebuilt. The
/// reference stays valid until the same address is asked for with a different geometry, so hold
/// it only while the definition lives (never for a temporary).
const PieceShape& pieceShape(const PieceDef& def);

/// Appends the closed band polygon around consecutive segments: the left edge forward, then the
/// right edge backward, arcs flattened in `arcSegments` equal angular steps per edge.
void appendBand(const RouteSegment* segs, int count, double halfWidth, std::vector<Vec2>& out,
                int arcSegments = kBandArcSegments);
/// Appends the polyline running `offset` mm to the right (negative: left) of consecutive segments,
/// arcs in `arcSegments` steps (rails: one line at +gauge/2 and one at -gauge/2).
void appendOffsetLine(const RouteSegment* segs, int count, double offset, std::vector<Vec2>& out,
                      int arcSegments = kBandArcSegments);
/// Appends `steps` + 1 equally spaced points along the segment (only `steps` when `includeFrom`
/// is false, so consecutive segments can be chained without duplicates). steps >= 1.
void appendRoutePoints(const RouteSegment& seg, int steps, bool includeFrom,
                       std::vector<Vec2>& out);

/// Appends `segments` points of a circle about `centre` (mm, any frame), starting at angle 0 and
/// going clockwise on screen; the polygon closes implicitly.
void appendCircle(Vec2 centre, double radius, int segments, std::vector<Vec2>& out);

/// Steps of a segment's centre line as the rubber band tests it: 1 for a straight,
/// max(6, trunc(|sweep| / 5)) for an arc.
int rubberBandSteps(const RouteSegment& seg);
/// Steps of a segment's centre line for the 3D sweep: a straight every 20 mm (at least 2), an arc
/// every 2.5 degrees (at least 8).
int sweepSteps(const RouteSegment& seg);

/// Local point of a piece at `pose` in the layout frame (mm).
Vec2 localToLayout(const Pose& pose, Vec2 local);
/// Layout point (mm) in the local frame of a piece at `pose`.
Vec2 layoutToLocal(const Pose& pose, Vec2 layout);
/// Appends `count` local points moved to the layout frame by `pose`.
void appendToLayout(const Pose& pose, const Vec2* local, size_t count, std::vector<Vec2>& out);
/// Box of the shape placed at `pose` (layout mm).
Bounds layoutBounds(const PieceShape& shape, const Pose& pose);

/// Distance (mm) from p to the segment a-b.
double segmentDistance(Vec2 p, Vec2 a, Vec2 b);
/// Pick distance (mm) from local point p to the arc of radius r and angle a (degrees) that starts
/// at (x0, 0) with its centre at (x0, +r) for a >= 0, else (x0, -r): |distance to the centre - r|
/// when p's direction from the centre lies within the arc's span, else the distance to the nearer
/// arc end.
double arcDistance(Vec2 p, double x0, double r, double a);
/// Distance (mm) from local point p to a route segment's centre line.
double routeDistance(const RouteSegment& seg, Vec2 p);

/// Pick distance (mm) from a piece-local point to the piece: a turntable by the distance to its
/// centre; a curve by `arcDistance`; an offset curved turnout by its straight lead and the arcs
/// starting at the origin and at (length, 0); every other kind by the segment (0,0)-(length,0).
/// Turnouts, curved turnouts, crossings and slips are also measured to the routes they draw, so
/// a click on a drawn branch finds its piece.
double pickDistance(const PieceDef& def, Vec2 local);
/// Same for a layout point and the piece placed at `pose`.
double pickDistance(const PieceDef& def, const Pose& pose, Vec2 layoutPoint);
/// Largest pick distance (mm) that hits: length / 2 + 10 for a turntable, else
/// pickHalfWidth(system) + 5.
double pickReach(const PieceDef& def);
