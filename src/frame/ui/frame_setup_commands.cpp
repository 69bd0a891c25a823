// Setup commands of the main window: the baseboard outline, the levels, the Elevation Wizard, the
// Bridge Wizard, the Layout Wizard and Check Layout.
#include "canvas/drawing_tools.h"
#include "canvas/ui/canvas_panel.h"
#include "dialogs/ui/layout_shape_dialog.h"
#include "dialogs/ui/level_manager_dialog.h"
#include "edit/setup_edits.h"
#include "frame/ui/main_frame.h"
#include "panels/ui/palette_panel.h"
#include "render/ui/render_findings.h"
#include "tools/ui/check_layout_frame.h"
#include "tools/ui/elevation_dialogs.h"
#include "view3d/ui/track_gl_canvas.h"
#include "view3d/ui/view3d_frame.h"
#include "wizards/bridge_place_tool.h"
#include "wizards/ui/bridge_wizard_dialog.h"
#include "wizards/ui/layout_wizard_dialog.h"

void MainFrame::editLayoutShape() {
    LayoutShapeDialog dialog(this, m_layout.baseboard,
                             unitsFromInt(static_cast<int>(m_layout.units)), prompter());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const BaseboardApply& result = dialog.result();
    if (result.freeForm) {
        // The outline drawn on the canvas replaces the baseboard when it is closed.
        canvas().setTool(std::make_unique<OutlineTool>(canvas(), OutlineTarget::Baseboard));
        m_canvas->SetFocus();
        return;
    }
    setBaseboard(m_editor, result.board);
}

void MainFrame::manageLevels() {
    m_layout.EnsureDefaultLevel();
    LevelManagerDialog dialog(this, m_editor, unitsFromInt(static_cast<int>(m_layout.units)),
                              prompter());
    dialog.ShowModal();
}

void MainFrame::startElevationWizard() {
    m_canvas->startElevationWizard(runElevationWizardDialog(this));
}

void MainFrame::startBridgeWizard() {
    const Units units = unitsFromInt(static_cast<int>(m_layout.units));
    const auto runDialog = [this, units](const BridgeKit& kit) {
        return runBridgeWizardDialog(this, kit, units);
    };
    if (::startBridgeWizard(canvas(), m_palette->currentTrackSystem(), runDialog)) {
        m_canvas->SetFocus();
    }
}

void MainFrame::startLayoutWizard() {
    runLayoutWizardWindow(this, m_editor, prompter(), m_palette->currentTrackSystem());
}

namespace {

// The findings as poles of the 3D view, in the colours of their rings on the plan.
std::vector<MarkPole> findingPoles(const CheckResult* result, int selected) {
    std::vector<MarkPole> poles;
    if (result == nullptr) {
        return poles;
    }
    poles.reserve(result->findings.size());
    for (size_t i = 0; i < result->findings.size(); ++i) {
        const CheckFinding& f = result->findings[i];
        const RenderColour c = findingColour(f.kind);
        // The 3D view's y axis points the other way from the plan's.
        poles.push_back({{f.at.x, -f.at.y, f.z},
                         {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f},
                         static_cast<int>(i) == selected});
    }
    return poles;
}

}  // namespace

void MainFrame::markFindings(const CheckResult* result, int selected) {
    if (m_canvas != nullptr) {
        m_canvas->markFindings(result, selected);
    }
    if (m_view3D) {
        m_view3D->canvas()->setMarks(findingPoles(result, selected));
    }
}

void MainFrame::checkLayout() {
    if (m_check) {
        m_check->Recheck();
        m_check->Raise();
        return;
    }
    // The main window deletes the list before its panels, so the list always takes its marks off
    // a canvas that still stands.
    FindingsPlan plan{
        [this](const CheckResult* result, int selected) { markFindings(result, selected); },
        [this](Vec2 point) { canvas().centreOn(point); }};
    m_check = new CheckLayoutFrame(this, m_editor, std::move(plan));
    m_check->Show();
}
