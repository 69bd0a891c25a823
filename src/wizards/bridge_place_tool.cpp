#include "wizards/bridge_place_tool.h"

#include <memory>

#include "canvas/canvas_controller.h"

BridgePlaceTool::BridgePlaceTool(CanvasController& ctrl, BridgePlan plan)
    : m_ctrl(ctrl), m_plan(std::move(plan)) {}

void BridgePlaceTool::leftDown(ScreenPoint at, Modifiers /*mods*/) {
    m_ctrl.modified();  // an edit still open belongs to an earlier gesture
    const BridgePlan plan = std::move(m_plan);
    m_ctrl.finishTool();  // the plan is spent by this click, laid or not
    const std::vector<uint32_t> laid = placeBridge(m_ctrl.editor(), plan, m_ctrl.toWorld(at));
    if (!laid.empty()) {
        m_ctrl.notifySelection();
        m_ctrl.host().setStatusText(0, kBridgePlacedStatus);
    }
    m_ctrl.host().repaint();
}

bool startBridgeWizard(CanvasController& ctrl, TrackSystem system,
                       const BridgeDialogRunner& runDialog) {
    Prompter& prompter = ctrl.host().prompter();
    const BridgeKitResult resolved = resolveBridgeKit(system, ctrl.catalog());
    if (!resolved.kit) {
        prompter.showMessage(kBridgeWizardTitle, resolved.message, PromptIcon::Info);
        return false;
    }
    std::optional<BridgePlan> plan = runDialog(*resolved.kit);
    if (!plan) {
        return false;
    }
    if (plan->composition.empty()) {
        prompter.showMessage(kBridgeWizardTitle, kBridgeNoSpanText, PromptIcon::Info);
        return false;
    }
    ctrl.setTool(std::make_unique<BridgePlaceTool>(ctrl, std::move(*plan)));
    ctrl.host().takeFocus();
    ctrl.host().repaint();
    return true;
}
