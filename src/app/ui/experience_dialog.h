#pragma once
// "Choose Your Experience": the first-run question whether Railvane greets the user with its
// splash window and mascot pictures ("Keep it Playful") or goes straight to work.

#include <wx/dialog.h>

class wxButton;

class ExperienceDialog : public wxDialog {
public:
    explicit ExperienceDialog(wxWindow* parent);

    wxButton* playfulButton() const { return m_playful; }
    wxButton* businessButton() const { return m_business; }

private:
    wxButton* m_playful = nullptr;
    wxButton* m_business = nullptr;
};

/// Shows the dialog modally over `parent`, records the answer in appPrefs() and saves it.
void ChooseExperience(wxWindow* parent);
