#pragma once
// What the properties panel shows for the current selection: the view that fits it (one piece, a
// straight run, a helix, a scenery item, a free shape, or nothing) and every text of that view in
// the layout's unit.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/layout.h"

/// Which of the panel's views the selection calls for.
enum class SelectionView { Nothing, Piece, StraightRun, Helix, Scenery, Shape };

/// One entry of the level choice; `level` is empty for the "(mixed)" entry.
struct LevelEntry {
    std::string name;
    std::optional<int32_t> level;
};

/// The ids of what the panel shows; at most one is not kNoId (a straight run shows none).
struct ShownIds {
    uint32_t piece = kNoId;
    uint32_t scenery = kNoId;
    uint32_t helix = kNoId;
    uint32_t shape = kNoId;
};

/// Every text and state of one selection view.
struct SelectionSummary {
    SelectionView view = SelectionView::Nothing;
    ShownIds shown;
    std::string title = "No selection";
    std::string info;
    std::string heightCaption = "Height:";
    std::string heightValue = "-";
    std::string gradeValue = "-";
    bool gradeTooSteep = false;  ///< the grade value is drawn in the warning colour
    std::string warning;
    std::vector<LevelEntry> levels;  ///< entries of the level choice, in layout order
    int levelIndex = -1;             ///< selected entry, -1 for none
    bool levelEnabled = false;
};

/// Steepest grade that is still comfortable for trains, degrees.
inline constexpr double kMaxGradeDeg = 6.0;

/// The view for the layout's current selection. Gives the layout its default level when it has
/// none. Empty when the view should stay as it is: the piece to describe is not in the catalog.
std::optional<SelectionSummary> summarizeSelection(Layout& layout);

/// "+2.50 deg (4.4%)": sign, degrees with 2 decimals and the slope in percent with 1; "-" when
/// |deg| <= 0.001.
std::string formatGrade(double deg);
/// "WARNING: Grade 6.5 deg exceeds 6 deg max!" when |deg| > kMaxGradeDeg, else empty.
std::string gradeWarning(double deg);

/// `value` in fixed point with `decimals` decimals, independent of the C locale.
std::string formatFixed(double value, int decimals);
