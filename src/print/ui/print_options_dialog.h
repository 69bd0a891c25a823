#pragma once
// "Print Options": scaling, levels, colour and what to include, edited on a copy of the options.

#include <wx/dialog.h>

#include "print/print_pages.h"

class wxCheckBox;
class wxRadioBox;
class wxSpinCtrl;

class PrintOptionsDialog : public wxDialog {
public:
    PrintOptionsDialog(wxWindow* parent, const PrintOptions& options);

    /// The options as the controls show them (what OK stores).
    PrintOptions options() const;

    wxRadioBox* scaling() const { return m_scaling; }
    wxSpinCtrl* scaleField() const { return m_scaleN; }
    wxSpinCtrl* percentField() const { return m_percent; }

private:
    /// The 1 : N field only for true scale, the percentage only for a custom percentage.
    void EnableFields();

    wxRadioBox* m_scaling = nullptr;
    wxSpinCtrl* m_scaleN = nullptr;
    wxSpinCtrl* m_percent = nullptr;
    wxRadioBox* m_levels = nullptr;
    wxRadioBox* m_colour = nullptr;
    wxCheckBox* m_grid = nullptr;
    wxCheckBox* m_outline = nullptr;
};
