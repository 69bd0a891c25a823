#include "dialogs/ui/layout_shape_dialog.h"

#include <cmath>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/prompter.h"
#include "geometry/typed_number.h"

LayoutShapeDialog::LayoutShapeDialog(wxWindow* parent, const Baseboard& current, Units units,
                                     Prompter& prompter)
    : wxDialog(parent, wxID_ANY, kBaseboardDialogTitle, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_current(current),
      m_units(units),
      m_prompter(prompter) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* shapeRow = new wxBoxSizer(wxHORIZONTAL);
    shapeRow->Add(new wxStaticText(this, wxID_ANY, "Shape:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                  8);
    m_choice = new wxChoice(this, wxID_ANY);
    for (int i = 0; i < kBaseboardShapeCount; ++i) {
        m_choice->Append(baseboardShapeName(static_cast<BaseboardShape>(i)));
    }
    shapeRow->Add(m_choice, 1);
    top->Add(shapeRow, 0, wxEXPAND | wxALL, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    m_area = new wxBoxSizer(wxVERTICAL);
    top->Add(m_area, 1, wxEXPAND | wxALL, 10);
    top->Add(new wxStaticText(this, wxID_ANY,
                              wxString::Format("All dimensions in %s.", unitLabel(units))),
             0, wxLEFT | wxRIGHT, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, 10);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* apply = new wxButton(this, wxID_APPLY, "Apply");
    buttons->Add(apply, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizer(top);

    const BaseboardShape initial = initialBaseboardShape(current);
    m_choice->SetSelection(static_cast<int>(initial));
    ShowShape(initial);
    m_choice->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) {
        ShowShape(static_cast<BaseboardShape>(event.GetSelection()));
    });
    apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(); });
    Fit();
    SetSize(wxSize(420, GetSize().y));
    Centre();
}

void LayoutShapeDialog::ShowShape(BaseboardShape shape) {
    m_area->Clear(true);
    m_fields.clear();
    m_vertices = nullptr;
    const BaseboardForm form = baseboardForm(shape);
    m_area->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(form.explanation)), 0, wxBOTTOM,
                8);
    const std::vector<int> values = initialBaseboardFields(m_current, shape, m_units);
    for (size_t row = 0; row < form.dimensions.size(); ++row) {
        auto* line = new wxBoxSizer(wxHORIZONTAL);
        auto* label = new wxStaticText(this, wxID_ANY, form.dimensions[row].label);
        label->SetMinSize(wxSize(160, -1));
        line->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        auto* field =
            new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxSP_ARROW_KEYS, kBaseboardFieldMin, kBaseboardFieldMax, values[row]);
        field->SetMinSize(wxSize(field->GetSizeFromTextSize(90).x, -1));
        line->Add(field, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
        line->Add(new wxStaticText(this, wxID_ANY, unitLabel(m_units)), 0, wxALIGN_CENTER_VERTICAL);
        m_area->Add(line, 0, wxBOTTOM, 4);
        m_fields.push_back(field);
    }
    if (shape == BaseboardShape::CustomPolygon) {
        m_vertices = new wxTextCtrl(
            this, wxID_ANY, wxString::FromUTF8(baseboardVertexText(m_current, m_units)),
            wxDefaultPosition, wxSize(300, 120), wxTE_MULTILINE | wxHSCROLL);
        m_area->Add(m_vertices, 1, wxEXPAND);
    }
    Layout();
}

void LayoutShapeDialog::Apply() {
    BaseboardInput input;
    input.shape = static_cast<BaseboardShape>(m_choice->GetSelection());
    for (wxSpinCtrl* field : m_fields) {
        // The typed text counts, not the value the field would clamp it to: "0" or "abc" is
        // refused rather than silently becoming 1.
        const std::string text = field->GetTextValue().utf8_string();
        const std::optional<double> typed = parseAmount(trimBlanks(text));
        const bool usable = typed && *typed >= kBaseboardFieldMin && *typed <= kBaseboardFieldMax &&
                            *typed == std::floor(*typed);
        input.dimensions.push_back(usable ? static_cast<int>(*typed) : 0);
    }
    if (m_vertices != nullptr) {
        input.vertexText = m_vertices->GetValue().utf8_string();
    }
    BaseboardApply result = applyBaseboardInput(m_current, input, m_units);
    if (!result.problem.empty()) {
        m_prompter.showMessage(kBaseboardMessageTitle, result.problem, PromptIcon::Exclamation);
        return;
    }
    m_result = std::move(result);
    EndModal(wxID_OK);
}
