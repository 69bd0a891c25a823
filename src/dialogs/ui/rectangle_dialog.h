#pragma once
// "Rectangle": asks for the width and height of a rectangle in the layout's display unit.

#include <wx/dialog.h>

#include "geometry/geometry.h"

class wxSpinCtrlDouble;

class RectangleDialog : public wxDialog {
public:
    /// Shows `widthMm` x `heightMm` converted to `units`, with the field ranges of that unit.
    RectangleDialog(wxWindow* parent, Units units, double widthMm, double heightMm);

    /// The typed sizes converted back to mm.
    double widthMm() const;
    double heightMm() const;

    wxSpinCtrlDouble* widthField() const { return m_width; }
    wxSpinCtrlDouble* heightField() const { return m_height; }

private:
    Units m_units;
    wxSpinCtrlDouble* m_width = nullptr;
    wxSpinCtrlDouble* m_height = nullptr;
};
