#pragma once
// What the Layout Wizard takes from the track catalog: the curves that turn a corner in whole
// pieces, the plain straights, the station's turnouts and compensating curves, and the bridge's
// ramp and span pieces. Also the straight filling of one stretch of track.

#include <string>
#include <vector>

#include "catalog/track_catalog.h"

/// A curve of the curve table: `count` identical pieces make a quarter circle.
struct CurveSpec {
    const PieceDef* def = nullptr;
    double radius = 0.0;
    double angle = 0.0;
    int count = 0;
};

struct StraightSpec {
    const PieceDef* def = nullptr;
    double length = 0.0;
};

/// Per radius the curve of the largest angle dividing 90 degrees (a later curve of that radius
/// replaces an earlier one only with a strictly larger angle); largest radius first.
std::vector<CurveSpec> curveTable(const TrackCatalog& catalog, TrackSystem system);
/// The plain straights of the system, longest first.
std::vector<StraightSpec> straightTable(const TrackCatalog& catalog, TrackSystem system);

/// Straights whose lengths add up to `distance` (mm): the first combination within 0.25 mm, then
/// 1.0 mm, then `tolerance`, of the fewest pieces; without one, the longest pieces that still fit
/// one after another. Empty for a distance of `tolerance` or less.
std::vector<StraightSpec> fillStraights(const std::vector<StraightSpec>& straights, double distance,
                                        double tolerance = 2.0);

/// The passing siding of a station: turnouts, compensating curve and optional extra straight.
struct StationSpec {
    const PieceDef* rightTurnout = nullptr;
    const PieceDef* leftTurnout = nullptr;
    const PieceDef* curve = nullptr;
    const PieceDef* extraStraight = nullptr;  ///< nullptr when the system needs none
    double turnoutLength = 0.0;               ///< T
    double sidingRun = 0.0;                   ///< F: forward length of the diverging run
    double sidingSpacing = 0.0;               ///< S: distance between main line and siding
    double shortfall = 0.0;                   ///< W = 2F - 2T
};

/// The station pieces of the system, or false when it has none (or they are not in the catalog).
bool stationSpec(const TrackCatalog& catalog, TrackSystem system, StationSpec& spec);

/// The bridge with its ramps.
struct BridgeSpec {
    const PieceDef* shortStraight = nullptr;
    const PieceDef* rampStraight = nullptr;
    const PieceDef* truss = nullptr;
    const PieceDef* arch = nullptr;
    double rampRun = 0.0;  ///< 4 ramp straights and the short straight (mm)
    double grade = 3.0;    ///< degrees
    std::vector<const PieceDef*> spans;
    int edge = -1;  ///< index of the inset edge that carries the bridge
    double spanLength() const;
};

/// The bridge pieces of the system, or false when it has none (or they are not in the catalog).
bool bridgePieces(const TrackCatalog& catalog, TrackSystem system, BridgeSpec& spec);

/// The first span list (truss-arch-truss, truss-arch, truss-truss, arch, truss) that fits into
/// `available` mm leaving on each side either at most 2 mm or at least `shortest`, preferring one
/// whose leftover `straights` fill within 2 mm; false if none fits.
bool chooseSpans(BridgeSpec& spec, double available, double shortest,
                 const std::vector<StraightSpec>& straights);
