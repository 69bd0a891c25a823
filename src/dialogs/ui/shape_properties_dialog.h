#pragma once
// "Shape Properties": name, colour, opacity, height above the deck and outline of a free shape.
// The rules live in dialogs/shape_properties.h; the window only shows them.

#include <cstdint>

#include <wx/dialog.h>

#include "dialogs/shape_properties.h"
#include "dialogs/ui/typed_spin.h"

class Prompter;
class wxCheckBox;
class wxColourPickerCtrl;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxTextCtrl;

class ShapePropertiesDialog : public wxDialog {
public:
    /// Shows `shape`'s properties, its height in `units`. OK accepts only numbers that can be read
    /// and lie in their fields' ranges; otherwise the refusal goes through `prompter` and the
    /// dialog stays open for correction.
    ShapePropertiesDialog(wxWindow* parent, const FreeShape& shape, Units units,
                          Prompter& prompter);

    /// The accepted properties (the shape's own until OK accepts).
    const ShapeProperties& properties() const { return m_properties; }

    wxTextCtrl* nameField() const { return m_name; }
    wxColourPickerCtrl* colourPicker() const { return m_colour; }
    wxSpinCtrl* opacityField() const { return m_opacity; }
    wxSpinCtrlDouble* heightField() const { return m_height; }
    wxCheckBox* outlineSwitch() const { return m_outline; }

private:
    void OnOk();

    Units m_units;
    Prompter& m_prompter;
    ShapeProperties m_properties;
    wxTextCtrl* m_name = nullptr;
    wxColourPickerCtrl* m_colour = nullptr;
    wxSpinCtrl* m_opacity = nullptr;
    wxSpinCtrlDouble* m_height = nullptr;
    wxCheckBox* m_outline = nullptr;
    TypedSpinText m_opacityText;
    TypedSpinText m_heightText;
};

/// Shape Properties for shape `shapeId` (opened by a double-click on a shape): OK stores the
/// properties as one edit. True when the shape changed; false for Cancel, an unchanged shape or
/// an unknown id (no dialog then).
bool showShapePropertiesDialog(wxWindow* parent, LayoutEditor& editor, uint32_t shapeId,
                               Units units, Prompter& prompter);
