#pragma once
// The Elevation Wizard's canvas steps as plain rules: which connector of a clicked piece a run
// starts from (or why the click is refused), how far along the start direction a click lies, and
// the status texts of each step. The canvas tool calls these and shows what they return.

#include <cstdint>
#include <string>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "tools/target_fill.h"

/// The wizard's modes, as the wizard dialog returns them.
enum class WizardMode { None = 0, SetGrade = 1, TargetHeight = 2 };

inline constexpr const char* kWizardTitle = "Elevation Wizard";
inline constexpr const char* kWizardStartStatus =
    "Elevation Wizard: click the connector dot where the run should start - it sets the direction";
inline constexpr const char* kWizardNoPieceStatus =
    "Elevation Wizard: no piece under cursor - try again";
inline constexpr const char* kWizardEndPointStatus =
    "Elevation Wizard: click where the elevated run should end";
inline constexpr const char* kWizardFurtherStatus =
    "Elevation Wizard: click further along the track direction";
inline constexpr const char* kWizardCancelledStatus = "Elevation Wizard cancelled";
inline constexpr const char* kWizardNoFreeConnectorText =
    "This piece has no free connectors.\n\nPick a piece at the end of a track run that has an "
    "open connection.";
inline constexpr const char* kWizardEndConnectedText =
    "That end of the piece is already connected.\n\nThe grade extends from a FREE end - click the "
    "open connector dot,\nor pick the piece at the other end of the run.";

/// A click on the end point must lie at least this far (mm) along the start direction.
inline constexpr double kWizardMinRun = 10.0;

enum class WizardPickOutcome {
    Accepted,
    NoPiece,          ///< status kWizardNoPieceStatus, the step stays
    NoFreeConnector,  ///< message kWizardNoFreeConnectorText, the step stays
    EndConnected,     ///< message kWizardEndConnectedText, the step stays
};

struct WizardPick {
    WizardPickOutcome outcome = WizardPickOutcome::NoPiece;
    int connector = -1;    ///< the accepted connector (0 or 1)
    WorldConnector start;  ///< its layout pose
};

/// The start of a run on `piece` (kNoId: nothing under the cursor) for a click at `clickMm`
/// (layout frame). Only connectors 0 and 1 can start a run; with both free the one nearer to the
/// click is taken, and when that one is joined the click is refused.
WizardPick pickWizardConnector(const Layout& layout, uint32_t piece, Vec2 clickMm,
                               const TrackCatalog& catalog = TrackCatalog::instance());

/// The projection (mm) of (click - start) on the start connector's heading.
double wizardRunDistance(const WorldConnector& start, Vec2 clickMm);

/// What the canvas does after a wizard step.
struct WizardAction {
    enum class Kind {
        None,          ///< the event was not the wizard's (no step active)
        Status,        ///< write `text` to status field 0; the step may have changed
        Message,       ///< show `text` titled kWizardTitle (OK); the step stays
        SetGrade,      ///< select `start.piece` alone, restore the cursor, run Set Grade
        TargetHeight,  ///< ask for the target height of the run of `distance` from `start`
    };
    Kind kind = Kind::None;
    std::string text;
    TargetFillStart start;
    double distance = 0.0;  ///< mm, TargetHeight only
};

/// The wizard's canvas steps: 0 idle, 1 waiting for the start piece, 2 waiting for the end point.
/// The canvas tool owns one, feeds it clicks (with the piece under the cursor) and Escape, and
/// acts on what it returns.
class ElevationWizardSteps {
public:
    /// Starts a mode: step 1; the canvas deselects everything and shows the hand cursor.
    WizardAction start(WizardMode mode);
    /// A click at `clickMm` (layout frame) on `piece` (kNoId: nothing under the cursor).
    WizardAction click(const Layout& layout, uint32_t piece, Vec2 clickMm,
                       const TrackCatalog& catalog = TrackCatalog::instance());
    /// Escape: back to step 0 with "Elevation Wizard cancelled" while a step is active.
    WizardAction escape();

    int step() const { return m_step; }
    WizardMode mode() const { return m_mode; }
    /// The accepted start while the end point is awaited (step 2).
    const TargetFillStart& runStart() const { return m_start; }
    /// Length (mm) of the target line drawn towards the mouse in step 2: the run distance, at
    /// least kWizardMinRun.
    double targetLineLength(Vec2 mouseMm) const;

private:
    WizardMode m_mode = WizardMode::None;
    int m_step = 0;
    TargetFillStart m_start;
};
