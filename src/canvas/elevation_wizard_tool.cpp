#include "canvas/elevation_wizard_tool.h"

#include "canvas/canvas_controller.h"
#include "render/render_rules.h"

ElevationWizardTool::ElevationWizardTool(CanvasController& ctrl, WizardMode mode) : m_ctrl(ctrl) {
    m_ctrl.modified();
    m_ctrl.layout().DeselectAll();
    m_ctrl.notifySelection();
    m_hint = m_steps.start(mode).text;
    m_ctrl.host().repaint();
}

void ElevationWizardTool::leftDown(ScreenPoint at, Modifiers /*mods*/) {
    m_mouse = m_ctrl.toWorld(at);
    const uint32_t piece = m_steps.step() == 1 ? m_ctrl.pickPiece(at) : kNoId;
    act(m_steps.click(m_ctrl.layout(), piece, m_mouse, m_ctrl.catalog()));
}

void ElevationWizardTool::motion(ScreenPoint at, Modifiers /*mods*/, bool /*leftButton*/) {
    m_mouse = m_ctrl.toWorld(at);
    if (m_steps.step() == 2) {
        m_ctrl.host().repaint();
    }
}

bool ElevationWizardTool::key(CanvasKey key, Modifiers /*mods*/) {
    if (key != CanvasKey::Escape) {
        return false;
    }
    act(m_steps.escape());
    return true;
}

void ElevationWizardTool::act(const WizardAction& action) {
    if (action.kind == WizardAction::Kind::None) {
        return;
    }
    if (m_steps.step() == 0) {
        m_ctrl.finishTool();  // the cursor comes back before any dialog opens
    }
    CanvasHost& host = m_ctrl.host();
    if (action.kind == WizardAction::Kind::Status) {
        m_hint = action.text;
        host.setStatusText(0, m_hint);
        if (m_steps.step() == 2 && action.start.piece != kNoId) {
            // The accepted start piece stays selected while the end point is awaited.
            m_ctrl.layout().DeselectAll();
            if (PlacedPiece* p = m_ctrl.layout().EditPiece(action.start.piece)) {
                p->selected = true;
            }
            m_ctrl.notifySelection();
        }
    } else {
        const std::string status = host.runWizardStep(action);
        if (!status.empty()) {
            m_hint = status;
            host.setStatusText(0, status);
        }
    }
    host.repaint();
}

void ElevationWizardTool::overlays(CanvasOverlays& out) const {
    if (m_steps.step() != 2) {
        return;
    }
    const double length = m_steps.targetLineLength(m_mouse);
    const Units units = unitsFromInt(static_cast<int>(m_ctrl.layout().units));
    out.push_back(OverlayTargetLine{m_steps.runStart().pose, length, formatLength(length, units)});
}
