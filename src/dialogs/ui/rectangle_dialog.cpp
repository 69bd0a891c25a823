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

    m_sides[0].field = m_width;
    m_sides[1].field = m_height;
    for (Side& side : m_sides) {
        TrackTyping(side);
    }
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

void RectangleDialog::TrackTyping(Side& side) {
    // The field forces what it holds into its range when it loses the focus or Enter is
    // pressed: an emptied field or a typed 0 would silently become the minimum. So the text is
    // kept as the user's keys and clicks change it, and a change the field makes by itself does
    // not replace a typed text that would be refused.
    side.typed = side.field->GetTextValue();
    const auto userInput = [this](auto& event) {
        m_userEdit = true;
        CallAfter([this] { m_userEdit = false; });
        event.Skip();
    };
    side.field->Bind(wxEVT_KEY_DOWN, [userInput](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_TAB) {
            event.Skip();
            return;
        }
        userInput(event);
    });
    side.field->Bind(wxEVT_LEFT_DOWN, userInput);
    side.field->Bind(wxEVT_MIDDLE_DOWN, userInput);
    side.field->Bind(wxEVT_MOUSEWHEEL, userInput);
    side.field->Bind(wxEVT_TEXT, [this, &side](wxCommandEvent& event) {
        const bool refused =
            !readRectangleSide(side.typed.utf8_string(), "width", m_units).problem.empty();
        if (m_userEdit || !refused) {
            side.typed = event.GetString();
        }
        event.Skip();
    });
}

bool RectangleDialog::Accept(Side& side, const char* name, double& mm) {
    const RectangleSideEntry entry = readRectangleSide(side.typed.utf8_string(), name, m_units);
    if (entry.problem.empty()) {
        mm = entry.mm;
        return true;
    }
    m_prompter.showMessage(kRectangleTitle, entry.problem, PromptIcon::Exclamation);
    // A text that is no number (an emptied field) is shown again; a number the field cannot hold
    // shows as the nearest allowed value, which the user may take or change.
    side.field->SetValue(side.typed);
    side.typed = side.field->GetTextValue();
    side.field->SetFocus();
    side.field->SetSelection(-1, -1);
    return false;
}

void RectangleDialog::OnOk() {
    double width = 0.0;
    double height = 0.0;
    if (!Accept(m_sides[0], "width", width) || !Accept(m_sides[1], "height", height)) {
        return;
    }
    m_widthMm = width;
    m_heightMm = height;
    EndModal(wxID_OK);
}
