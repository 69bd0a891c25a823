#pragma once
// The Layout Wizard: a complete closed loop of track around the table outline in one track
// system, optionally double-track, with a station or with a bridge on ramps. The start checks,
// the radius fit and the R1 question talk to the user through the prompter; the dialog's choices
// come from a callback; the generated track goes into the document as one edit.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "edit/fragment.h"
#include "edit/layout_editor.h"
#include "wizards/inset_outline.h"
#include "wizards/layout_wizard_tables.h"

inline constexpr const char* kLayoutWizardTitle = "Layout Wizard";
inline constexpr const char* kLayoutWizardDialogTitle = "Layout Wizard (Experimental)";
inline constexpr const char* kLayoutWizardR1Title = "Layout Wizard - R1 Warning";

namespace LayoutWizardText {
inline constexpr const char* kNoTable =
    "Please define your table first via Layout > Layout Shape, then run the Layout Wizard.";
inline constexpr const char* kTooManyCorners =
    "The Layout Wizard currently supports rectangular and L-shaped tables (up to 8 corners).";
inline constexpr const char* kNoPieces =
    "The catalog has no usable curves or straights for this track system.";
inline constexpr const char* kNotRectilinear =
    "The Layout Wizard needs a rectilinear table outline (all edges horizontal or vertical). "
    "Diagonal edges are not supported yet.";
inline constexpr const char* kTooSmall =
    "The table is too small for a loop in this track system, even with the smallest curves.";
inline constexpr const char* kR1Question =
    "Only R1 curves fit this table. R1 is tight for many locomotives and coaches.\n\n"
    "Generate anyway?";
inline constexpr const char* kNoInnerTrack =
    "Not enough room (or no smaller radius) for the inner track. Generating a single loop "
    "instead.";
inline constexpr const char* kStationDouble =
    "Stations on a double-track mainline are coming next. Generating the double loop without a "
    "station for now.";
inline constexpr const char* kStationSystem =
    "Station generation is available for Marklin C-Track, K-Track, M-Track, Z-Track and TRIX "
    "C-Track so far. Generating the loop without a station.";
inline constexpr const char* kStationRoom =
    "This table's longest edge is too short for a station (even a single siding with a minimal "
    "platform and the smallest curves). Generating the loop without one.";
inline constexpr const char* kBridgeDouble =
    "Bridges on a double-track mainline are coming next. Generating the double loop without a "
    "bridge for now.";
inline constexpr const char* kBridgeSystem =
    "Bridge generation is available for Marklin C-Track and TRIX C-Track so far. Generating "
    "without a bridge.";
inline constexpr const char* kBridgeRoom =
    "No edge has enough straight room for the bridge ramps and a span. Generating without a "
    "bridge.";
inline constexpr const char* kFailed = "Generation failed unexpectedly.";
}  // namespace LayoutWizardText

/// "The loop closed with a %.1f mm mismatch at the final joint. ..."
std::string closingErrorMessage(double mm);

/// The three choices of the dialog.
struct LayoutWizardChoices {
    bool doubleTrack = false;
    bool station = false;
    bool bridge = false;
};

/// Shows the dialog with its summary text; the choices when the user pressed Generate.
using LayoutWizardChooser =
    std::function<std::optional<LayoutWizardChoices>(const std::string& summary)>;

/// "Table: %.1f x %.1f %s, %d corners (from Layout Shape)\nTrack system: %s (from palette)".
std::string layoutWizardSummary(const Layout& layout, TrackSystem system);

/// The loop's centre line and radius that fit the table.
struct LoopFit {
    InsetOutline outline;
    double margin = 0.0;
    CurveSpec curve;
};

enum class FitOutcome { Fitted, NotRectilinear, TooSmall };

/// Tries the margins 60.0 and 20.7 mm and, for each, the radii largest first.
FitOutcome fitLoop(const std::vector<Vec2>& table, const std::vector<CurveSpec>& curves,
                   double shortest, LoopFit& fit);

/// What the generator made of a fitted loop and the choices.
struct LayoutWizardPlan {
    std::vector<std::string> notices;  ///< information messages, in order
    LayoutFragment fragment;
    bool failed = false;
    double closingError = 0.0;  ///< largest gap at a closing joint (mm)
    double radius = 0.0;        ///< of the (outer) loop
    double innerRadius = 0.0;   ///< of the inner loop, 0 for a single loop
    bool station = false;
    bool bridge = false;
};

/// Decides double track, station and bridge (with their fallbacks) and generates the track on
/// `level`. `system` selects the station and bridge pieces.
LayoutWizardPlan planLayout(const std::vector<Vec2>& table, const LoopFit& fit,
                            const std::vector<CurveSpec>& curves,
                            const std::vector<StraightSpec>& straights,
                            const LayoutWizardChoices& choices, TrackSystem system, int32_t level,
                            const TrackCatalog& catalog);

/// The whole wizard on the editor's layout; true when track was generated.
bool runLayoutWizard(LayoutEditor& editor, Prompter& prompter, TrackSystem system,
                     const LayoutWizardChooser& dialog);
