#include "wizards/ui/layout_wizard_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

wxChoice* addChoice(wxWindow* parent, wxFlexGridSizer* grid, const char* label,
                    const wxArrayString& entries) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* choice = new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, entries);
    choice->SetSelection(0);
    grid->Add(choice, 1, wxEXPAND);
    return choice;
}

wxArrayString entries(std::initializer_list<const char*> texts) {
    wxArrayString out;
    for (const char* t : texts) {
        out.Add(t);
    }
    return out;
}

}  // namespace

LayoutWizardDialog::LayoutWizardDialog(wxWindow* parent, const std::string& summary)
    : wxDialog(parent, wxID_ANY, kLayoutWizardDialogTitle) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(summary)), 0, wxALL, 12);
    auto* grid = new wxFlexGridSizer(2, 8, 10);
    grid->AddGrowableCol(1);
    m_mainline =
        addChoice(this, grid, "Mainline:", entries({"Single-track loop", "Double-track loop"}));
    m_station = addChoice(this, grid, "Station:", entries({"None", "Main + 1 siding"}));
    m_bridge = addChoice(this, grid, "Bridge:", entries({"None", "Auto (spans sized to fit)"}));
    top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* generate = new wxButton(this, wxID_OK, "Generate");
    generate->SetDefault();
    buttons->Add(generate, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();
}

LayoutWizardChoices LayoutWizardDialog::choices() const {
    LayoutWizardChoices c;
    c.doubleTrack = m_mainline->GetSelection() == 1;
    c.station = m_station->GetSelection() == 1;
    c.bridge = m_bridge->GetSelection() == 1;
    return c;
}

bool runLayoutWizardWindow(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                           TrackSystem system) {
    const auto dialog = [parent](const std::string& summary) -> std::optional<LayoutWizardChoices> {
        LayoutWizardDialog window(parent, summary);
        if (window.ShowModal() != wxID_OK) {
            return std::nullopt;
        }
        return window.choices();
    };
    return runLayoutWizard(editor, prompter, system, dialog);
}
