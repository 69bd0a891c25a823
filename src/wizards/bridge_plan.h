#pragma once
// The Bridge Wizard's plan without a window: the joint heights of a ramp (from a catalog profile
// or synthesized for a custom clearance), the piece counts, the pier stacks that hold the ramps
// and span joints up, the report text, the composition of spans the dialog edits, and laying the
// whole bridge as one edit.

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/track_catalog.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"
#include "wizards/bridge_kit.h"

inline constexpr const char* kBridgeNoSpanText =
    "The bridge needs at least one span (truss or arch).";
inline constexpr const char* kBridgePendingStatus =
    "Bridge Wizard: click on empty canvas to place the bridge (runs east-west, centered on the "
    "click).";
inline constexpr const char* kBridgePlacedStatus =
    "Bridge placed - drag or rotate the selection to adjust.";

/// The clearance chosen in the dialog.
struct ClearanceChoice {
    int profile = 0;                ///< index into the kit's profiles; -1 for the custom clearance
    double customClearance = 74.5;  ///< mm, used when custom (or the kit has no profiles)
    double grade = 5.0;             ///< percent, for a custom clearance
};

/// What the dialog produces and the canvas click lays.
struct BridgePlan {
    TrackSystem system = Systems::CTrack;
    /// Joint heights (mm) of one ramp: two zeros, then the profile's or synthesized heights.
    /// Ramp piece i runs from heights[i] to heights[i + 1].
    std::vector<double> heights;
    std::vector<std::string> composition;  ///< span articles from west to east
    double jointSpacing = 180.0;           ///< mm
    int rampPiecesPerSide = 0;
    double clearance = 0.0;  ///< mm
    bool pillarTable = true;
    bool synthesized = false;
    double grade = 0.0;  ///< percent, for the report
};

/// The plan for a clearance choice and a composition.
BridgePlan recomputeBridgePlan(const BridgeKit& kit, const ClearanceChoice& choice,
                               const std::vector<std::string>& composition);

/// Joint heights (mm) for clearance `clearance` (mm), joint spacing `spacing` (mm) and grade
/// `grade` (percent): [0, 0], the 2.5 mm plate, one and two thirds of the grade, full grade, and
/// two-thirds steps out to the clearance.
std::vector<double> synthesizedHeights(double clearance, double spacing, double grade);

/// Piece counts and lengths of a plan, both sides together.
struct BridgeCounts {
    int rampPieces = 0;
    int plainStraights = 0;
    int girderSpans = 0;
    int archSpans = 0;
    double spanLength = 0.0;  ///< mm, catalog lengths of the spans
    double rampLength = 0.0;  ///< mm, one side: (n - 1) x joint spacing
    double footprint = 0.0;   ///< mm, two ramps and the spans
};
BridgeCounts bridgeCounts(const BridgePlan& plan, const BridgeKit& kit,
                          const TrackCatalog& catalog = TrackCatalog::instance());

/// The supports under one joint: 7253 high pillars (30 mm), 7252 pillars (6 mm), the 7251 plate
/// (3 mm), on top of the one 7250 base plate (2.5 mm) every stack has.
struct PillarStack {
    int highPillars = 0;
    int pillars = 0;
    bool plate3 = false;
    bool exact = false;  ///< the parts add up to the height
};
PillarStack pillarStack(double heightMm);
/// "1x7250", " + 1x7251", " + %dx7252", " + %dx7253", and "  (~)" when not exact.
std::string pillarStackText(const PillarStack& stack);

/// Totals of the pier parts of a plan (none without a pillar table).
struct PillarTotals {
    int basePlates = 0;   ///< 7250, one per stack
    int plates3 = 0;      ///< 7251
    int pillars = 0;      ///< 7252
    int highPillars = 0;  ///< 7253
};
PillarTotals pillarTotals(const BridgePlan& plan);

/// A length or height in the display unit: "%.1f mm", "%.1f cm" or "%.2f\"".
std::string bridgeLength(double mm, Units units);
/// The report: pier stacks per side, bridge joints, and the piece tally.
std::string bridgeReport(const BridgePlan& plan, const BridgeKit& kit, Units units,
                         const TrackCatalog& catalog = TrackCatalog::instance());

/// The side elevation's headline: "TOTAL FOOTPRINT: " and the footprint as "%.2f m" (inches:
/// "%.1f\"").
std::string footprintText(double footprintMm, Units units);
/// The line under it: ascent, bridge and descent lengths, the clearance, and whether the heights
/// are the catalog's or synthesized.
std::string elevationSummary(const BridgePlan& plan, const BridgeCounts& counts, Units units);

/// The composition of spans as the dialog edits it; a selected line of -1 means none.
class BridgeComposition {
public:
    /// Girder, arch, arch, girder.
    explicit BridgeComposition(const BridgeKit& kit);

    const std::vector<std::string>& spans() const { return m_spans; }
    int selected() const { return m_selected; }
    /// Selects a line; anything out of range selects none.
    void select(int line);
    /// Inserts after the selected line, or appends; the new line is selected.
    void add(const std::string& article);
    void removeSelected();
    /// Swap the selected line with its west (up) or east (down) neighbour, when there is one.
    void moveUp();
    void moveDown();
    void clear();
    /// "%d (W->E)  " and the catalog name of each span (its article when not in the catalog).
    std::vector<std::string> lines(const TrackCatalog& catalog = TrackCatalog::instance()) const;

private:
    std::vector<std::string> m_spans;
    int m_selected = -1;
};

/// The label of the add buttons: "Add Girder" (a girder span shorter than 150 mm) or "Add Truss",
/// and "Add Arch", each with its article and length.
std::string addGirderLabel(const BridgeKit& kit);
std::string addArchLabel(const BridgeKit& kit);

/// Lays the bridge centred on `centre` (layout mm), running east: the ascent, the spans at the
/// clearance and the descent, each piece joined to the one before, with the plan's heights and
/// grades, on the first level (made when there is none). One edit; the laid pieces become the
/// selection. Returns their ids west to east; empty (and no change) when the kit cannot be
/// resolved, a span is not in the catalog or the composition is empty.
std::vector<uint32_t> placeBridge(LayoutEditor& editor, const BridgePlan& plan, Vec2 centre);
