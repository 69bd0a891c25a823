#pragma once
// The choice of a fill: a heading, a list with one line per option (the first selected) and the
// buttons "Place" and "Cancel"; a double click on a line places it too. Autofill Gap and the
// Elevation Wizard's Select Track show it; the entry points below run their whole flow.

#include <cstdint>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "app/prompter.h"
#include "edit/layout_editor.h"
#include "tools/target_fill.h"

class wxListBox;

class FillChoiceDialog : public wxDialog {
public:
    /// `size` is the initial size; wxDefaultSize fits the content.
    FillChoiceDialog(wxWindow* parent, const std::string& title, const std::string& heading,
                     const std::vector<std::string>& lines, const wxSize& size = wxDefaultSize);

    /// The selected line after "Place", else -1.
    int choice() const;
    wxListBox* list() const { return m_list; }

private:
    void Place();

    wxListBox* m_list = nullptr;
};

/// Autofill Gap on the editor's selection, with the choice dialog centred on `canvas`. Returns
/// true when track was placed.
bool runAutofillCommand(wxWindow* canvas, LayoutEditor& editor, Prompter& prompter);

/// The Elevation Wizard's last step after the end point was clicked: asks for the target height
/// of the run of `distanceMm` from `start`, and fills it with the fill chosen in the Select Track
/// dialog. Returns the status text for the canvas ("" leaves the status as it is).
std::string runTargetHeight(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                            const TargetFillStart& start, double distanceMm);
