#include "tools/ui/elevation_dialogs.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "tools/grade_edits.h"
#include "tools/ui/fill_choice_dialog.h"

namespace {

/// A text in the dialog's font changed by `points`, bold when asked.
wxStaticText* text(wxWindow* parent, const wxString& label, int points = 0, bool bold = false) {
    auto* t = new wxStaticText(parent, wxID_ANY, label);
    wxFont font = parent->GetFont();
    font.SetPointSize(font.GetPointSize() + points);
    if (bold) {
        font.MakeBold();
    }
    t->SetFont(font);
    return t;
}

/// The right-aligned row of an accepting button (the default) and "Cancel".
wxSizer* buttonRow(wxWindow* parent, const wxString& accept) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(parent, wxID_OK, accept);
    ok->SetDefault();
    row->Add(ok, 0, wxRIGHT, 6);
    row->Add(new wxButton(parent, wxID_CANCEL, "Cancel"));
    return row;
}

}  // namespace

ElevationWizardDialog::ElevationWizardDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, kWizardTitle) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(text(this, "Welcome to the Elevation Wizard", 3, true), 0, wxALL, 10);
    top->Add(text(this,
                  "I'll walk you through setting up track elevation.\n\nFirst, choose how you'd "
                  "like to work:"),
             0, wxLEFT | wxRIGHT, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxALL, 10);
    m_setGrade =
        new wxRadioButton(this, wxID_ANY, "Set Grade - choose a gradient angle and direction",
                          wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    top->Add(m_setGrade, 0, wxLEFT | wxRIGHT, 10);
    top->Add(text(this,
                  "Pick a starting piece, set the grade, and build track.\nNew pieces "
                  "automatically inherit the elevation.\nRight-click any graded piece to end the "
                  "run.\n\nTo continue, click Next and then click the CONNECTOR\nDOT at the end of "
                  "the piece where the grade should\nstart - the grade extends in that direction.",
                  -1),
             0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    m_targetHeight =
        new wxRadioButton(this, wxID_ANY, "Set Target Height - say where you want to end up");
    top->Add(m_targetHeight, 0, wxLEFT | wxRIGHT, 10);
    top->Add(text(this,
                  "Pick a starting piece, click its connector dot and\ndraw out the dotted line to "
                  "your target location.\nOnce reached, enter desired height into a dialog.\nThe "
                  "app works out the grade and places the track\nfor you automatically.",
                  -1),
             0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(buttonRow(this, "Next"), 0, wxALIGN_RIGHT | wxALL, 10);
    SetSizerAndFit(top);
    CentreOnParent();
}

WizardMode ElevationWizardDialog::mode() const {
    return m_targetHeight->GetValue() ? WizardMode::TargetHeight : WizardMode::SetGrade;
}

SetGradeDialog::SetGradeDialog(wxWindow* parent, const std::string& startText)
    : wxDialog(parent, wxID_ANY, "Elevation Wizard - Set Grade") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(text(this, "Set Grade", 2, true), 0, wxALL, 10);
    top->Add(text(this, wxString::FromUTF8(startText)), 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);

    auto* direction = new wxBoxSizer(wxHORIZONTAL);
    direction->Add(text(this, "Direction:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    auto* up =
        new wxRadioButton(this, wxID_ANY, "Up", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    up->SetValue(true);
    direction->Add(up, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    m_down = new wxRadioButton(this, wxID_ANY, "Down");
    direction->Add(m_down, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(direction, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);

    auto* grade = new wxBoxSizer(wxHORIZONTAL);
    grade->Add(text(this, "Grade:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    m_percent = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                     wxDefaultSize, wxSP_ARROW_KEYS, kGradePercentMin,
                                     kGradePercentMax, kGradePercentDefault, kGradePercentStep);
    m_percent->SetDigits(1);
    m_percent->SetValue(kGradePercentDefault);
    grade->Add(m_percent, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    grade->Add(text(this, "%  (max 10)"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    m_degrees = text(this, gradeDegreeLabel(kGradePercentDefault));
    grade->Add(m_degrees, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(grade, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);

    top->Add(text(this,
                  "New pieces snapped to this track will inherit\nthe grade automatically. "
                  "Right-click a graded\npiece and choose End Grade when done."),
             0, wxLEFT | wxRIGHT, 10);
    top->Add(buttonRow(this, "Start Grade"), 0, wxALIGN_RIGHT | wxALL, 10);
    SetSizerAndFit(top);
    CentreOnParent();

    m_percent->Bind(wxEVT_SPINCTRLDOUBLE, [this](wxSpinDoubleEvent&) { ShowDegrees(); });
    m_percent->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
        ShowDegrees();
        event.Skip();
    });
}

double SetGradeDialog::grade() const {
    return gradeFromPercent(percent(), !m_down->GetValue());
}

double SetGradeDialog::percent() const {
    // While the user types, the text may already hold a value the field has not taken over yet.
    double typed = 0.0;
    return m_percent->GetTextValue().ToCDouble(&typed) && typed >= kGradePercentMin &&
                   typed <= kGradePercentMax
               ? typed
               : m_percent->GetValue();
}

void SetGradeDialog::ShowDegrees() {
    m_degrees->SetLabel(gradeDegreeLabel(percent()));
}

WizardMode runElevationWizardDialog(wxWindow* parent) {
    ElevationWizardDialog dialog(parent);
    return dialog.ShowModal() == wxID_OK ? dialog.mode() : WizardMode::None;
}

std::string runSetGradeDialog(wxWindow* parent, LayoutEditor& editor, uint32_t piece, int conn) {
    SetGradeDialog dialog(parent, setGradeStartText(editor.layout(), piece, editor.catalog()));
    if (dialog.ShowModal() != wxID_OK) {
        return {};
    }
    return applySetGrade(editor, piece, conn, dialog.grade());
}

std::string runWizardAction(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                            const WizardAction& action) {
    switch (action.kind) {
        case WizardAction::Kind::None:
            return {};
        case WizardAction::Kind::Status:
            return action.text;
        case WizardAction::Kind::Message:
            prompter.showMessage(kWizardTitle, action.text, PromptIcon::Exclamation);
            return {};
        case WizardAction::Kind::SetGrade: {
            Layout& layout = editor.layout();
            layout.DeselectAll();
            if (PlacedPiece* piece = layout.EditPiece(action.start.piece)) {
                piece->selected = true;
            }
            editor.selectionChanged();
            return runSetGradeDialog(parent, editor, action.start.piece, action.start.conn);
        }
        case WizardAction::Kind::TargetHeight:
            return runTargetHeight(parent, editor, prompter, action.start, action.distance);
    }
    return {};
}
