#pragma once
// Set Target Height: the run from an open end to a clicked point is filled with catalog straights
// that climb evenly to a typed height. The questions go through the prompter; the choice of fill
// is left to a chooser (the selection dialog, or a test). The placement is one edit.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/layout_editor.h"

/// Where the run starts: the piece, its open connector and that connector's layout pose.
struct TargetFillStart {
    uint32_t piece = kNoId;
    int conn = -1;
    WorldConnector pose;
};

/// One combination of straights: articles from the longest to the shortest, summed length (mm).
struct TargetFillSolution {
    std::vector<std::string> articles;
    double total = 0.0;
};

/// What the selection dialog shows and the placement needs.
struct TargetFillChoice {
    std::string text;                           ///< the heading above the list
    std::vector<std::string> lines;             ///< one per solution
    std::vector<TargetFillSolution> solutions;  ///< in the order found
    double grade = 0.0;                         ///< degrees, signed
};

/// Shows the choice and returns the index of the solution to place, or -1 for Cancel.
using TargetFillChooser = std::function<int(const TargetFillChoice&)>;

inline constexpr const char* kTargetHeightTitle = "Elevation Wizard - Target Height";
inline constexpr const char* kSteepGradeTitle = "Elevation Wizard - Steep Grade";
inline constexpr const char* kFillNoSolutionTitle = "Elevation Wizard - No Solution";
inline constexpr const char* kSelectTrackTitle = "Elevation Wizard - Select Track";
inline constexpr double kSteepGrade = 6.0;  ///< degrees above which the wizard asks first

/// The target-height question: "Run distance: %.0f mm\nStarting height: %.1f %s\n\nWhat height
/// should the far end reach?" and its proposed answer, z + 50 mm, as "%.1f" in the unit.
std::string targetHeightPrompt(double distanceMm, double zMm, Units units);
std::string targetHeightProposal(double zMm, Units units);

/// The combinations of the system's plain straights that add up to `distanceMm` within 1.5 mm,
/// by piece count, at most 64. `noCandidates` tells whether the system has no straights at all.
std::vector<TargetFillSolution> searchTargetFill(
    TrackSystem system, double distanceMm, bool* noCandidates = nullptr,
    const TrackCatalog& catalog = TrackCatalog::instance());
/// asin(clamp((target - z) / distance, -1, 1)) in degrees.
double targetGrade(double zMm, double targetMm, double distanceMm);
/// The list line of a solution: articles joined by " + ", then "  (%.1f mm)".
std::string targetFillLine(const TargetFillSolution& solution);

/// Asks for the target height of a run of `distanceMm` from `start`, then fills it
/// (fillToTargetHeight). Returns the status text for the canvas.
std::string askTargetHeight(LayoutEditor& editor, Prompter& prompter, const TargetFillStart& start,
                            double distanceMm, const TargetFillChooser& choose);
/// Searches, asks about a steep grade, lets `choose` pick a fill and places it as one edit.
/// Returns the status text ("" when the wizard simply ends).
std::string fillToTargetHeight(LayoutEditor& editor, Prompter& prompter,
                               const TargetFillStart& start, double distanceMm, double targetMm,
                               const TargetFillChooser& choose);
/// Lays the solution from the start connector, each piece on connector 0 onto the current end,
/// joined to its predecessor, on the start piece's level, with the grade and a height rising by
/// sin(grade) x rise length per piece. False (nothing changed) when a piece is missing from the
/// catalog or has fewer than two connectors, or the start piece is gone.
bool placeTargetFill(LayoutEditor& editor, const TargetFillStart& start,
                     const TargetFillSolution& solution, double grade);
