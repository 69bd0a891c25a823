#pragma once
// The Elevation Wizard's own dialogs: the welcome dialog that picks the mode, and Set Grade with
// its direction, percentage and live degree label.

#include <cstdint>
#include <string>

#include <wx/dialog.h>

#include "app/prompter.h"
#include "edit/layout_editor.h"
#include "tools/elevation_wizard.h"

class wxRadioButton;
class wxSpinCtrlDouble;
class wxStaticText;

class ElevationWizardDialog : public wxDialog {
public:
    explicit ElevationWizardDialog(wxWindow* parent);

    /// The mode of the chosen radio button.
    WizardMode mode() const;
    wxRadioButton* setGradeChoice() const { return m_setGrade; }
    wxRadioButton* targetHeightChoice() const { return m_targetHeight; }

private:
    wxRadioButton* m_setGrade = nullptr;
    wxRadioButton* m_targetHeight = nullptr;
};

class SetGradeDialog : public wxDialog {
public:
    /// `startText`: the starting piece's name and height (setGradeStartText).
    SetGradeDialog(wxWindow* parent, const std::string& startText);

    /// The grade in degrees: up or down by the percentage in the field.
    double grade() const;
    wxSpinCtrlDouble* percentField() const { return m_percent; }
    wxStaticText* degreeLabel() const { return m_degrees; }
    wxRadioButton* downChoice() const { return m_down; }

private:
    /// The percentage typed, or the field's value while the text is not a valid one.
    double percent() const;
    void ShowDegrees();

    wxRadioButton* m_down = nullptr;
    wxSpinCtrlDouble* m_percent = nullptr;
    wxStaticText* m_degrees = nullptr;
};

/// Shows the welcome dialog; the chosen mode after "Next", WizardMode::None after "Cancel".
WizardMode runElevationWizardDialog(wxWindow* parent);

/// Set Grade for connector `conn` of `piece`; "Start Grade" starts the run as one edit. Returns
/// the status text for the canvas, "" after "Cancel".
std::string runSetGradeDialog(wxWindow* parent, LayoutEditor& editor, uint32_t piece, int conn);

/// Carries out what a wizard step returned (ElevationWizardSteps): a refusal message through the
/// prompter, Set Grade for the accepted start (selected alone first), or the target-height
/// question and fill. Returns the status text for field 0, "" to leave it as it is.
std::string runWizardAction(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                            const WizardAction& action);
