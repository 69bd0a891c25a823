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

void MainFrame::SetViewSwitch(int id, bool checked) {
    switch (id) {
        case CommandId::ShowGrid:
            layout.showGrid = checked;
            break;
        case CommandId::Snap:
            // Snapping only changes what later drags do; nothing to repaint.
            layout.snapEnabled = checked;
            return;
        case CommandId::ShowRails:
            layout.showRails = checked;
            break;
        case CommandId::HideLabels: {
            layout.showLabels = !checked;
            const std::string_view label = labelsToolLabel(layout.showLabels);
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
    canvas->RefreshCanvas();
}

void MainFrame::SetUnits(int units) {
    if (units < 0) {
        return;
    }
    layout.units = static_cast<uint32_t>(units);
    appPrefs().units = units;
    SavePrefs(appPrefs());
    canvas->RefreshCanvas();
    properties->RefreshSelection();
}

void MainFrame::HelpCommand() {
    ShowHelpWindow(this, appPrefs().playful);
}

void MainFrame::LayoutWizardHelpCommand() {
    ShowLayoutWizardHelpWindow(this);
}
