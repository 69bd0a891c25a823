#pragma once
// "Resize Scenery": the width and depth scales of one scenery item, with the sizes they give, a
// locked aspect ratio and Reset to Default. The rules live in dialogs/resize_scenery.h.

#include <cstdint>

#include <wx/dialog.h>

#include "dialogs/resize_scenery.h"
#include "dialogs/ui/typed_spin.h"
#include "edit/layout_editor.h"

class Prompter;
class wxButton;
class wxCheckBox;
class wxFlexGridSizer;
class wxSpinCtrlDouble;
class wxStaticText;

class ResizeSceneryDialog : public wxDialog {
public:
    /// For `item` with the catalog footprint `catalogWidth` x `catalogDepth` mm. OK accepts only
    /// scales that can be read and lie in the range; otherwise the refusal goes through
    /// `prompter` and the dialog stays open for correction.
    ResizeSceneryDialog(wxWindow* parent, const SceneryItem& item, double catalogWidth,
                        double catalogDepth, Prompter& prompter);

    /// The scales as the dialog holds them (the accepted ones after OK).
    const SceneryResize& resize() const { return m_resize; }

    wxSpinCtrlDouble* scaleField(SceneryAxis axis) const { return m_axes[index(axis)].field; }
    wxStaticText* resultLabel(SceneryAxis axis) const { return m_axes[index(axis)].result; }
    wxCheckBox* lockSwitch() const { return m_lock; }
    wxButton* resetButton() const { return m_reset; }

private:
    struct Axis {
        wxSpinCtrlDouble* field = nullptr;
        wxStaticText* result = nullptr;
        TypedSpinText typed;
    };
    static int index(SceneryAxis axis) { return static_cast<int>(axis); }

    void AddAxisRow(wxWindow* parent, wxFlexGridSizer* grid, SceneryAxis axis,
                    const wxString& label);
    /// A readable typed scale goes into the model at once; the other field follows a locked ratio.
    void OnTyped(SceneryAxis axis);
    /// Shows the model's scales and sizes; `except` keeps the field being typed into as it is.
    void ShowScales(int except = -1);
    void OnOk();

    SceneryResize m_resize;
    Prompter& m_prompter;
    Axis m_axes[2];
    wxCheckBox* m_lock = nullptr;
    wxButton* m_reset = nullptr;
    bool m_showing = false;  ///< the program is setting the fields
};

/// Resize Scenery for scenery item `itemId` (opened by a double-click on scenery): OK stores
/// both scales as one edit. True when the item changed; false for Cancel, unchanged scales, an
/// unknown id or an item whose key is not in the scenery catalog (no dialog then).
bool showResizeSceneryDialog(wxWindow* parent, LayoutEditor& editor, uint32_t itemId,
                             Prompter& prompter);
