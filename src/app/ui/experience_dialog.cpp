#include "app/ui/experience_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/ui/app_paths.h"
#include "app/prefs.h"
#include "app/prompter.h"

ExperienceDialog::ExperienceDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Choose Your Experience", wxDefaultPosition, wxSize(420, 200),
               wxDEFAULT_DIALOG_STYLE) {
    auto* box = new wxBoxSizer(wxVERTICAL);

    auto* question = new wxStaticText(this, wxID_ANY, "How would you like Railvane to greet you?");
    wxFont questionFont = question->GetFont();
    questionFont.SetPointSize(questionFont.GetPointSize() + 1);
    questionFont.SetWeight(wxFONTWEIGHT_BOLD);
    question->SetFont(questionFont);
    question->Wrap(380);
    box->Add(question, 0, wxALL, 16);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer();
    m_playful = new wxButton(this, kIdYes, "Keep it Playful", wxDefaultPosition, wxSize(160, 38));
    m_business = new wxButton(this, kIdNo, "Down to Business", wxDefaultPosition, wxSize(160, 38));
    for (wxButton* button : {m_playful, m_business}) {
        wxFont font = button->GetFont();
        font.SetPointSize(font.GetPointSize() + 1);
        button->SetFont(font);
        row->Add(button, 0, wxALL, 8);
    }
    row->AddStretchSpacer();
    box->Add(row, 0, wxEXPAND);

    SetSizer(box);
    // The size is fixed rather than fitted, so the sizer is laid out here explicitly.
    Layout();
    Centre();

    m_playful->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kIdYes); });
    m_business->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kIdNo); });
}

void ChooseExperience(wxWindow* parent) {
    ExperienceDialog dlg(parent);
    applyExperienceResult(dlg.ShowModal(), appPrefs());
    SavePrefs(appPrefs());
}
