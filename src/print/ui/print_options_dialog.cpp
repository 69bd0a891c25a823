#include "print/ui/print_options_dialog.h"

#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

wxSpinCtrl* addNumberRow(wxWindow* parent, wxSizer* top, const char* label, int value,
                         const char* note) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* field = new wxSpinCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 wxSP_ARROW_KEYS, 1, 1000, value);
    row->Add(field, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
    row->Add(new wxStaticText(parent, wxID_ANY, note), 0, wxALIGN_CENTER_VERTICAL);
    top->Add(row, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    return field;
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(wxWindow* parent, const PrintOptions& options)
    : wxDialog(parent, wxID_ANY, "Print Options") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    const wxString scalings[] = {"Fit to page", "Actual scale 1 : N", "Custom percentage"};
    m_scaling = new wxRadioBox(this, wxID_ANY, "Scaling", wxDefaultPosition, wxDefaultSize, 3,
                               scalings, 1, wxRA_SPECIFY_COLS);
    m_scaling->SetSelection(static_cast<int>(options.scaleMode));
    top->Add(m_scaling, 0, wxEXPAND | wxALL, 10);
    m_scaleN = addNumberRow(this, top, "    1 :", options.scaleN,
                            "  (e.g. 1:10 -- 10 mm on layout = 1 mm on paper)");
    m_percent = addNumberRow(this, top, "    Scale:", options.percentage, "  %");

    const wxString levels[] = {"Active level only", "All levels (composite)"};
    m_levels = new wxRadioBox(this, wxID_ANY, "Levels", wxDefaultPosition, wxDefaultSize, 2, levels,
                              1, wxRA_SPECIFY_COLS);
    m_levels->SetSelection(options.activeLevelOnly ? 0 : 1);
    top->Add(m_levels, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    const wxString colours[] = {"Color", "Grayscale"};
    m_colour = new wxRadioBox(this, wxID_ANY, "Color", wxDefaultPosition, wxDefaultSize, 2, colours,
                              2, wxRA_SPECIFY_COLS);
    m_colour->SetSelection(options.grayscale ? 1 : 0);
    top->Add(m_colour, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);

    auto* include = new wxStaticBoxSizer(wxVERTICAL, this, "Include");
    m_grid = new wxCheckBox(include->GetStaticBox(), wxID_ANY, "Grid");
    m_grid->SetValue(options.grid);
    m_outline = new wxCheckBox(include->GetStaticBox(), wxID_ANY, "Baseboard outline");
    m_outline->SetValue(options.baseboardOutline);
    include->Add(m_grid, 0, wxALL, 4);
    include->Add(m_outline, 0, wxALL, 4);
    top->Add(include, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    Centre();

    EnableFields();
    m_scaling->Bind(wxEVT_RADIOBOX, [this](wxCommandEvent&) { EnableFields(); });
}

void PrintOptionsDialog::EnableFields() {
    m_scaleN->Enable(m_scaling->GetSelection() == static_cast<int>(PrintScaleMode::ActualScale));
    m_percent->Enable(m_scaling->GetSelection() == static_cast<int>(PrintScaleMode::Percentage));
}

PrintOptions PrintOptionsDialog::options() const {
    PrintOptions options;
    options.scaleMode = static_cast<PrintScaleMode>(m_scaling->GetSelection());
    options.scaleN = m_scaleN->GetValue();
    options.percentage = m_percent->GetValue();
    options.activeLevelOnly = m_levels->GetSelection() == 0;
    options.grayscale = m_colour->GetSelection() == 1;
    options.grid = m_grid->GetValue();
    options.baseboardOutline = m_outline->GetValue();
    return options;
}
