#pragma once
// The Bridge Wizard's dialog: the clearance (a catalog profile or a custom height with its
// grade), the spans from west to east, the side elevation and the report. Every change
// recomputes the plan; OK hands it back for placing on the canvas.

#include <optional>
#include <vector>

#include <wx/dialog.h>

#include "geometry/geometry.h"
#include "wizards/bridge_plan.h"

class ElevationPanel;
class wxListBox;
class wxRadioButton;
class wxSpinCtrlDouble;
class wxTextCtrl;

class BridgeWizardDialog : public wxDialog {
public:
    BridgeWizardDialog(wxWindow* parent, const BridgeKit& kit, Units units);

    /// The plan for what the dialog shows now.
    const BridgePlan& plan() const { return m_plan; }
    BridgeComposition& composition() { return m_composition; }
    /// Recomputes the plan, the report and the preview, and refills the list.
    void recompute();

    wxSpinCtrlDouble* clearanceField() const { return m_clearance; }
    wxSpinCtrlDouble* gradeField() const { return m_grade; }
    wxListBox* spanList() const { return m_list; }
    wxTextCtrl* reportText() const { return m_report; }
    ElevationPanel* preview() const { return m_preview; }

private:
    wxSizer* buildClearanceBox();
    wxSizer* buildGradeRow();
    wxSizer* buildCompositionBox();
    /// A button of the composition box that edits it, then recomputes.
    void addEditButton(wxWindow* parent, wxSizer* sizer, const wxString& label,
                       void (BridgeComposition::*edit)());
    ClearanceChoice choice() const;

    const BridgeKit m_kit;
    const Units m_units;
    BridgeComposition m_composition;
    BridgePlan m_plan;
    std::vector<wxRadioButton*> m_profiles;
    wxRadioButton* m_custom = nullptr;
    wxSpinCtrlDouble* m_clearance = nullptr;
    wxSpinCtrlDouble* m_grade = nullptr;
    wxListBox* m_list = nullptr;
    wxTextCtrl* m_report = nullptr;
    ElevationPanel* m_preview = nullptr;
};

/// Shows the dialog modally; the plan on OK, nothing on Cancel.
std::optional<BridgePlan> runBridgeWizardDialog(wxWindow* parent, const BridgeKit& kit,
                                                Units units);
