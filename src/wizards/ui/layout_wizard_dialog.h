#pragma once
// The Layout Wizard's dialog: the table and track system it will work with, and the three choices
// (mainline, station, bridge).

#include <optional>
#include <string>

#include <wx/dialog.h>

#include "app/prompter.h"
#include "edit/layout_editor.h"
#include "wizards/layout_wizard.h"

class wxChoice;

class LayoutWizardDialog : public wxDialog {
public:
    LayoutWizardDialog(wxWindow* parent, const std::string& summary);

    LayoutWizardChoices choices() const;
    wxChoice* mainlineChoice() const { return m_mainline; }
    wxChoice* stationChoice() const { return m_station; }
    wxChoice* bridgeChoice() const { return m_bridge; }

private:
    wxChoice* m_mainline = nullptr;
    wxChoice* m_station = nullptr;
    wxChoice* m_bridge = nullptr;
};

/// The Layout Wizard on the editor's layout, with this dialog; true when track was generated.
bool runLayoutWizardWindow(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                           TrackSystem system);
