#include "dialogs/ui/rectangle_dialog.h"

#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "dialogs/rectangle_shape.h"

namespace {

wxSpinCtrlDouble* addSizeRow(wxWindow* parent, wxFlexGridSizer* grid, const wxString& label,
                             double value, const RectangleFieldRange& range, Units units) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* field =
        new wxSpinCtrlDouble(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(110, -1),
                             wxSP_ARROW_KEYS, range.minimum, range.maximum, value, range.minimum);
    field->SetDigits(static_cast<unsigned>(range.decimals));
    // Digits change how the value is shown, so set it again once they are in place.
    field->SetValue(value);
    grid->Add(field, 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxStaticText(parent, wxID_ANY, unitLabel(units)), 0, wxALIGN_CENTER_VERTICAL);
    return field;
}

}  // namespace

RectangleDialog::RectangleDialog(wxWindow* parent, Units units, double widthMm, double heightMm)
    : wxDialog(parent, wxID_ANY, "Rectangle", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_units(units) {
    const RectangleFieldRange range = rectangleFieldRange(units);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "Enter the size of the rectangle."), 0, wxALL, 10);

    auto* grid = new wxFlexGridSizer(3, 6, 6);
    m_width = addSizeRow(this, grid, "Width:", toDisplay(widthMm, units), range, units);
    m_height = addSizeRow(this, grid, "Height:", toDisplay(heightMm, units), range, units);
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);

    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    Centre();
    m_width->SetFocus();
}

double RectangleDialog::widthMm() const {
    return fromDisplay(m_width->GetValue(), m_units);
}

double RectangleDialog::heightMm() const {
    return fromDisplay(m_height->GetValue(), m_units);
}
