#pragma once
// "Rectangle": asks for the width and height of a rectangle in the layout's display unit.

#include <wx/dialog.h>

#include "dialogs/ui/typed_spin.h"
#include "geometry/geometry.h"

class Prompter;
class wxSpinCtrlDouble;

class RectangleDialog : public wxDialog {
public:
    /// Shows `widthMm` x `heightMm` converted to `units`, with the field ranges of that unit.
    /// OK accepts only sizes that can be read and lie in the range; otherwise the refusal goes
    /// through `prompter` and the dialog stays open for correction.
    RectangleDialog(wxWindow* parent, Units units, double widthMm, double heightMm,
                    Prompter& prompter);

    /// The accepted sizes in mm (the initial sizes until OK accepts).
    double widthMm() const { return m_widthMm; }
    double heightMm() const { return m_heightMm; }

    wxSpinCtrlDouble* widthField() const { return m_width; }
    wxSpinCtrlDouble* heightField() const { return m_height; }

private:
    /// Reads the typed side; on a refusal shows why and puts the cursor into its field.
    bool Accept(TypedSpinText& side, double& mm);
    void OnOk();

    Units m_units;
    Prompter& m_prompter;
    double m_widthMm;
    double m_heightMm;
    wxSpinCtrlDouble* m_width = nullptr;
    wxSpinCtrlDouble* m_height = nullptr;
    TypedSpinText m_sides[2];
};
