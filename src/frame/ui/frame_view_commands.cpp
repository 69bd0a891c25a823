// View commands of the main window: display switches, the labels tool, the display unit and
// the help windows.
#include <wx/toolbar.h>

#include "app/ui/app_paths.h"
#include "app/prefs.h"
#include "canvas/ui/canvas_panel.h"
#include "frame/command_ids.h"
#include "frame/ui/help_dialog.h"
#include "frame/ui/main_frame.h"
#include "panels/ui/properties_panel.h"
#include "tools/ui/check_layout_frame.h"

void MainFrame::setViewSwitch(int id, bool checked) {
    switch (id) {
        case CommandId::ShowGrid:
            m_layout.showGrid = checked;
            break;
        case CommandId::Snap:
            // Snapping only changes what later drags do; nothing to repaint.
            m_layout.snapEnabled = checked;
            return;
        case CommandId::ShowRails:
            m_layout.showRails = checked;
            break;
        case CommandId::HideLabels: {
            m_layout.showLabels = !checked;
            const std::string_view label = labelsToolLabel(m_layout.showLabels);
            wxToolBar* toolbar = GetToolBar();
            if (wxToolBarToolBase* tool = toolbar->FindById(id)) {
                tool->SetLabel(wxString::FromUTF8(label.data(), label.size()));
                // The tool grows or shrinks with its label.
                toolbar->Realize();
            }
            break;
        }
        default:
            return;
    }
    m_canvas->RefreshCanvas();
}

void MainFrame::setUnits(int units) {
    if (units < 0) {
        return;
    }
    m_layout.units = static_cast<uint32_t>(units);
    appPrefs().units = units;
    SavePrefs(appPrefs());
    m_canvas->RefreshCanvas();
    m_properties->RefreshSelection();
    if (m_check) {
        m_check->Recheck();  // its texts are in the unit
    }
}

void MainFrame::showHelp() {
    ShowHelpWindow(this, appPrefs().playful);
}

void MainFrame::showLayoutWizardHelp() {
    ShowLayoutWizardHelpWindow(this);
}
