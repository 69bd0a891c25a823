// Setup commands of the main window: the baseboard outline, the levels, the Elevation Wizard and
// the Bridge Wizard and the Layout Wizard.
#include "canvas/drawing_tools.h"
#include "canvas/ui/canvas_panel.h"
#include "dialogs/ui/layout_shape_dialog.h"
#include "dialogs/ui/level_manager_dialog.h"
#include "edit/setup_edits.h"
#include "frame/ui/main_frame.h"
#include "panels/ui/palette_panel.h"
#include "tools/ui/elevation_dialogs.h"
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
