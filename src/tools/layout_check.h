#pragma once
// Check Layout: the faults of a plan that cost money once the benchwork is built, found from the
// geometry the program already has. Track that runs into other track, passes over it too low,
// climbs too steeply or kinks, ends that nearly meet or meet badly, things off the table, and open
// track ends.
//
// Pairs of pieces are found through a uniform grid on the pieces' band bounds and pairs of open
// ends through a connector grid, so a check of ten thousand pieces never looks at all pairs. The
// pair tests themselves are public so that a test can run them over every pair and compare.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

/// The kinds of finding, in the order the list shows them.
enum class CheckKind : uint8_t { Collision, LowClearance, SteepGrade, Gap, OffTable, OpenEnd };
inline constexpr int kCheckKindCount = 6;

/// Largest change of grade (degrees) between two joined pieces that is not reported: above it the
/// couplers of a train running over the joint ride apart. A flat run started at the wizard's
/// default 3.5 % (2.0 degrees) stays within it.
inline constexpr double kGradeKinkDeg = 3.0;
/// Open ends at most this far apart (mm) that are not joined are a near miss.
inline constexpr double kNearMissDistance = 4.0;
/// A joint whose two ends lie farther apart (mm) than the program joins ends, or whose outward
/// headings are less than this many degrees apart (150: facing within 30 degrees), is a bad joint.
inline constexpr double kJointMinFacing = 150.0;
/// Band overlaps shallower than this (mm) are taken for touching, not overlapping.
inline constexpr double kOverlapMargin = 0.5;

/// Heights (mm) that track of one system needs above other track. `clearance` is the lowest
/// catalog ramp profile of the Bridge Wizard (steam and diesel underneath); `clash` is the height
/// of the track body with a bridge deck, below which the two tracks run into each other.
/// This table should later be shared with the Bridge Wizard's profiles.
struct ClearanceRule {
    double clearance = 0.0;
    double clash = 0.0;
};
/// C-Track and TRIX C-Track 74.5 mm; K-Track and M-Track 68.5 mm. Systems without a catalog
/// profile: Z and N 45 mm (the Bridge Wizard's start value for Z-Track), Gauge 1 200 mm (the H0
/// profile scaled by 87/32), anything else the C-Track profile. Clash height 15 mm for H0, 8 mm
/// for Z and N, 25 mm for Gauge 1.
ClearanceRule clearanceRule(TrackSystem system);

/// One fault: where it is (layout mm), what it concerns and what the list says about it.
struct CheckFinding {
    CheckKind kind = CheckKind::OpenEnd;
    Vec2 at;
    double z = 0.0;                 ///< track height there (mm), for the 3D view's mark
    std::vector<uint32_t> pieces;   ///< piece ids, in ascending order
    std::vector<uint32_t> scenery;  ///< scenery item ids (off the table only)
    std::string text;               ///< in the user's unit
    double actual = 0.0;            ///< low clearance: the height difference (mm); grades: percent
    double needed = 0.0;  ///< low clearance: the clearance (mm); grades: the limit in percent
};

struct CheckResult {
    std::vector<CheckFinding> findings;  ///< by kind, then top to bottom, left to right
    std::array<int, kCheckKindCount> counts{};
};

/// A straight stretch of a route's centre line (layout mm) with the track heights at its ends.
struct CheckPart {
    Vec2 a, b;
    double za = 0.0, zb = 0.0;
};

/// A piece as the check sees it: its routes as parts, its band's box, its system's rule.
struct CheckPiece {
    size_t index = 0;  ///< into layout.pieces
    const PieceDef* def = nullptr;
    int firstPart = 0, partCount = 0;
    double halfWidth = 0.0;  ///< band half-width, or a turntable's pit radius (mm)
    bool disc = false;       ///< a turntable: its one part is the pit's diameter
    Bounds bounds;           ///< band bounds, layout mm
    ClearanceRule rule;
};

/// An open track end in the layout frame.
struct CheckEnd {
    size_t piece = 0;  ///< into layout.pieces
    int conn = 0;
    Vec2 at;
    double heading = 0.0;  ///< outward, degrees
    double z = 0.0;        ///< track height there, mm
};

/// The geometry of every piece with a known definition, built once per check.
struct CheckModel {
    std::vector<CheckPiece> pieces;
    std::vector<CheckPart> parts;
    std::vector<CheckEnd> openEnds;  ///< every open end (buffer stops and turntables included)
    std::unordered_map<uint32_t, int> byId;  ///< piece id -> index into `pieces`
};

using IndexPairs = std::vector<std::pair<int, int>>;

CheckModel buildCheckModel(const Layout& layout, const TrackCatalog& catalog);
/// Pairs (i < j) of model pieces whose band bounds overlap, found through a uniform grid.
IndexPairs nearbyPiecePairs(const CheckModel& model);
/// Pairs (i < j) of model open ends on different pieces within kNearMissDistance in plan.
IndexPairs nearbyEndPairs(const CheckModel& model);

/// Collision or low clearance of model pieces i and j, appended to `out`; nothing for pieces that
/// are joined, joined to one turnout, crossing or turntable, or in one helix.
void checkPiecePair(const Layout& layout, const CheckModel& model, int i, int j, Units units,
                    std::vector<CheckFinding>& out);
/// A near miss of open ends i and j (heights closer than the clash height), appended to `out`.
void checkEndPair(const Layout& layout, const CheckModel& model, int i, int j, Units units,
                  std::vector<CheckFinding>& out);

/// The whole check with the given candidate pairs (an index's, or every pair for a reference).
CheckResult checkLayoutWith(const Layout& layout, const CheckModel& model,
                            const IndexPairs& piecePairs, const IndexPairs& endPairs, Units units,
                            const SceneryCatalog& scenery);
/// The whole check through the spatial index, texts in `units`.
CheckResult checkLayout(const Layout& layout, Units units,
                        const TrackCatalog& catalog = TrackCatalog::instance(),
                        const SceneryCatalog& scenery = SceneryCatalog::instance());

/// A length for finding texts in the user's unit, one decimal finer than coordinates are shown.
std::string checkLengthText(double mm, Units units);
/// "Collision", "Low clearance", "Steep grade", "Gap or near miss", "Off the table", "Open end".
const char* checkKindName(CheckKind kind);
/// The list's header: the counts per kind ("2 collisions, 1 open end"), or "No problems found."
std::string checkSummary(const CheckResult& result);

/// Selects exactly the finding's pieces and scenery items and tells the editor's observers.
void selectFinding(LayoutEditor& editor, const CheckFinding& finding);
