#pragma once
// The Bridge Wizard on the canvas: while a plan is pending, the next left click lays the bridge
// centred there; the tool then ends, whether or not the bridge could be laid. The view may be
// panned and zoomed meanwhile to find the spot; Escape drops the plan. Also the command's flow
// from the kit check through the dialog to the pending plan.

#include <functional>
#include <optional>

#include "canvas/canvas_tool.h"
#include "wizards/bridge_plan.h"

class CanvasController;

class BridgePlaceTool final : public CanvasTool {
public:
    BridgePlaceTool(CanvasController& ctrl, BridgePlan plan);

    void leftDown(ScreenPoint at, Modifiers mods) override;
    CanvasCursor cursor() const override { return CanvasCursor::Cross; }
    std::string hint() const override { return kBridgePendingStatus; }

    const BridgePlan& plan() const { return m_plan; }

private:
    CanvasController& m_ctrl;
    BridgePlan m_plan;
};

/// Shows the wizard's dialog for a kit; the plan on OK, nothing on Cancel.
using BridgeDialogRunner = std::function<std::optional<BridgePlan>(const BridgeKit&)>;

/// The Bridge Wizard command for the palette's system: without a kit the reason is shown; else
/// the dialog runs, and a plan with spans becomes pending on the canvas (an empty one is refused
/// with a message). True when a plan is pending.
bool startBridgeWizard(CanvasController& ctrl, TrackSystem system,
                       const BridgeDialogRunner& runDialog);
