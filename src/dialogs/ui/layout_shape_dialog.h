#pragma once
// "Layout Baseboard": the baseboard outline from a parametric shape, a typed vertex list, a
// drawing on the canvas, or none. The rules live in dialogs/baseboard_shape.h.

#include <vector>

#include <wx/dialog.h>

#include "dialogs/baseboard_shape.h"

class Prompter;
class wxChoice;
class wxSpinCtrl;
class wxTextCtrl;
class wxBoxSizer;

class LayoutShapeDialog : public wxDialog {
public:
    LayoutShapeDialog(wxWindow* parent, const Baseboard& current, Units units, Prompter& prompter);

    /// What Apply decided (valid after ShowModal returned wxID_OK): the new baseboard, or
    /// free-form drawing to start on the canvas.
    const BaseboardApply& result() const { return m_result; }

    wxChoice* shapeChoice() const { return m_choice; }
    const std::vector<wxSpinCtrl*>& dimensionFields() const { return m_fields; }
    wxTextCtrl* vertexField() const { return m_vertices; }
    /// Rebuilds the parameter area for the chosen shape (the choice's change event does this).
    void ShowShape(BaseboardShape shape);
    /// The Apply button: refuses with a message, or ends the dialog with wxID_OK.
    void Apply();

private:
    Baseboard m_current;
    Units m_units;
    Prompter& m_prompter;
    wxChoice* m_choice = nullptr;
    wxBoxSizer* m_area = nullptr;
    std::vector<wxSpinCtrl*> m_fields;
    wxTextCtrl* m_vertices = nullptr;
    BaseboardApply m_result;
};
