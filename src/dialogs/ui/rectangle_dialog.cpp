#include "dialogs/ui/rectangle_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "app/prompter.h"
#include "dialogs/rectangle_shape.h"

namespace {

wxSpinCtrlDouble* addSizeRow(wxWindow* parent, wxFlexGridSizer* grid, const wxString& label,
                             double value, const RectangleFieldRange& range, Units units) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* field =
        new wxSpinCtrlDouble(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxSP_ARROW_KEYS, range.minimum, range.maximum, value, range.minimum);
    field->SetDigits(static_cast<unsigned>(range.decimals));
    // Digits change how the value is shown, so set it again once they are in place.
    field->SetValue(value);
    // 110 pixels for the number, and room for the arrow buttons beside it, which a field of
    // 110 pixels in all would cut off.
    field->SetMinSize(wxSize(field->GetSizeFromTextSize(110).x, -1));
    grid->Add(field, 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxStaticText(parent, wxID_ANY, unitLabel(units)), 0, wxALIGN_CENTER_VERTICAL);
    return field;
}

}  // namespace

RectangleDialog::RectangleDialog(wxWindow* parent, Units units, double widthMm, double heightMm,
                                 Prompter& prompter)
    : wxDialog(parent, wxID_ANY, "Rectangle", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_units(units),
      m_prompter(prompter),
      m_widthMm(widthMm),
      m_heightMm(heightMm) {
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

    m_sides[0].track(m_width, rectangleSideField("width", units));
    m_sides[1].track(m_height, rectangleSideField("height", units));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

bool RectangleDialog::Accept(TypedSpinText& side, double& mm) {
    const std::optional<double> value = acceptTyped(side, m_prompter, kRectangleTitle);
    if (value) {
        mm = fromDisplay(*value, m_units);
    }
    return value.has_value();
}

void RectangleDialog::OnOk() {
    double width = 0.0;
    double height = 0.0;
    if (!Accept(m_sides[0], width) || !Accept(m_sides[1], height)) {
        return;
    }
    m_widthMm = width;
    m_heightMm = height;
    EndModal(wxID_OK);
}
