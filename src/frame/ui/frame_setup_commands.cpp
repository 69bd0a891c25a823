// Setup commands of the main window: the baseboard outline, the levels, the Elevation Wizard and
// Check Layout.
#include "canvas/drawing_tools.h"
#include "canvas/ui/canvas_panel.h"
#include "dialogs/ui/layout_shape_dialog.h"
#include "dialogs/ui/level_manager_dialog.h"
#include "edit/setup_edits.h"
#include "frame/ui/main_frame.h"
#include "tools/ui/check_layout_frame.h"
#include "tools/ui/elevation_dialogs.h"

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

void MainFrame::checkLayout() {
    if (m_check) {
        m_check->Recheck();
        m_check->Raise();
        return;
    }
    // The canvas may go before the list when the main window closes; the weak reference knows.
    wxWeakRef<CanvasPanel> canvas(m_canvas);
    FindingsPlan plan{[canvas](const CheckResult* result, int selected) {
                          if (canvas) {
                              canvas->markFindings(result, selected);
                          }
                      },
                      [canvas](Vec2 point) {
                          if (canvas) {
                              canvas->controller().centreOn(point);
                          }
                      }};
    m_check = new CheckLayoutFrame(this, m_editor, std::move(plan));
    m_check->Show();
}
