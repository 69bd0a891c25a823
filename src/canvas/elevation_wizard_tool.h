#pragma once
// The Elevation Wizard on the canvas: clicks pick the start piece and, for a target height, the
// end point of the run; Escape ends it. The rules of each step live in ElevationWizardSteps; the
// tool shows their status texts, draws the target line while the end point is awaited, and hands
// what needs a window (a refusal message, Set Grade, the target-height question) to the host.

#include "canvas/canvas_tool.h"
#include "tools/elevation_wizard.h"

class CanvasController;

class ElevationWizardTool : public CanvasTool {
public:
    /// Starts `mode` (SetGrade or TargetHeight): everything is deselected, step 1.
    ElevationWizardTool(CanvasController& ctrl, WizardMode mode);

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    bool key(CanvasKey key, Modifiers mods) override;

    void overlays(CanvasOverlays& out) const override;
    CanvasCursor cursor() const override { return CanvasCursor::Hand; }
    std::string hint() const override { return m_hint; }

    const ElevationWizardSteps& steps() const { return m_steps; }

private:
    /// Shows or carries out what a step returned; the tool ends once the steps are back at 0.
    void act(const WizardAction& action);

    CanvasController& m_ctrl;
    ElevationWizardSteps m_steps;
    std::string m_hint;
    Vec2 m_mouse;  ///< layout mm, for the target line
};
