#include "dialogs/ui/shape_properties_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/prompter.h"

namespace {

void addLabel(wxWindow* parent, wxFlexGridSizer* grid, const wxString& text) {
    grid->Add(new wxStaticText(parent, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL);
}

}  // namespace

ShapePropertiesDialog::ShapePropertiesDialog(wxWindow* parent, const FreeShape& shape, Units units,
                                             Prompter& prompter)
    : wxDialog(parent, wxID_ANY, kShapePropertiesTitle),
      m_units(units),
      m_prompter(prompter),
      m_properties(shapeProperties(shape)) {
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    addLabel(this, grid, "Name:");
    m_name = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(m_properties.name),
                            wxDefaultPosition, wxSize(220, -1));
    grid->Add(m_name);
    addLabel(this, grid, "Color:");
    const Rgb& c = m_properties.colour;
    m_colour = new wxColourPickerCtrl(this, wxID_ANY, wxColour(c.r, c.g, c.b));
    grid->Add(m_colour);
    addLabel(this, grid, "Opacity %:");
    m_opacity = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxSP_ARROW_KEYS, 0, 100, opacityPercent(m_properties.alpha));
    grid->Add(m_opacity);
    addLabel(this, grid, wxString::Format("Height (above level deck, %s):", unitLabel(units)));
    const AmountField heightField = shapeHeightField(units);
    const double height = toDisplay(m_properties.heightMm, units);
    m_height = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS, heightField.minimum, heightField.maximum,
                                    height, units == Units::Inches ? 0.1 : 1.0);
    m_height->SetDigits(static_cast<unsigned>(heightField.decimals));
    // Digits change how the value is shown, so set it again once they are in place.
    m_height->SetValue(height);
    m_height->SetMinSize(wxSize(m_height->GetSizeFromTextSize(110).x, -1));
    grid->Add(m_height);
    m_outline = new wxCheckBox(this, wxID_ANY, "Show outline");
    m_outline->SetValue(m_properties.outline);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 0, wxALL, 10);
    top->Add(m_outline, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    Centre();

    m_opacityText.track(m_opacity, shapeOpacityField());
    m_heightText.track(m_height, heightField);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

void ShapePropertiesDialog::OnOk() {
    const std::optional<double> opacity =
        acceptTyped(m_opacityText, m_prompter, kShapePropertiesTitle);
    if (!opacity) {
        return;
    }
    const std::optional<double> height =
        acceptTyped(m_heightText, m_prompter, kShapePropertiesTitle);
    if (!height) {
        return;
    }
    // Numbers left alone keep their exact amounts, which the fields show rounded.
    if (m_opacityText.edited()) {
        m_properties.alpha = alphaFromPercent(*opacity);
    }
    if (m_heightText.edited()) {
        m_properties.heightMm = fromDisplay(*height, m_units);
    }
    const wxColour colour = m_colour->GetColour();
    m_properties.colour = Rgb{colour.Red(), colour.Green(), colour.Blue()};
    m_properties.name = m_name->GetValue().utf8_string();
    m_properties.outline = m_outline->GetValue();
    EndModal(wxID_OK);
}

bool showShapePropertiesDialog(wxWindow* parent, LayoutEditor& editor, uint32_t shapeId,
                               Units units, Prompter& prompter) {
    const FreeShape* shape = editor.layout().FindShape(shapeId);
    if (shape == nullptr) {
        return false;
    }
    ShapePropertiesDialog dialog(parent, *shape, units, prompter);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    return applyShapeProperties(editor, shapeId, dialog.properties());
}
