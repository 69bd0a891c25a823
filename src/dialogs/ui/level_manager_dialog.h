#pragma once
// "Manage Levels" and "Level Properties": the decks of the layout. Every change goes through the
// editor at once (edit/setup_edits.h holds the rules); the dialogs only show them.

#include <cstdint>

#include <wx/dialog.h>

#include "edit/setup_edits.h"

class Prompter;
class wxButton;
class wxCheckBox;
class wxColourPickerCtrl;
class wxListCtrl;
class wxSpinCtrlDouble;
class wxTextCtrl;

class LevelManagerDialog : public wxDialog {
public:
    LevelManagerDialog(wxWindow* parent, LayoutEditor& editor, Units units, Prompter& prompter);

    wxListCtrl* list() const { return m_list; }
    wxButton* removeButton() const { return m_remove; }

    /// The buttons and the double-click, callable from tests.
    void AddLevel();
    void RemoveSelectedLevel();
    void EditSelectedLevel();

private:
    /// Refills the rows from the document, keeping the selected level selected.
    void Fill();
    int32_t SelectedLevel() const;
    void OnChecked(long row, bool visible);
    void OnSelected(long row);

    LayoutEditor& m_editor;
    Units m_units;
    Prompter& m_prompter;
    wxListCtrl* m_list = nullptr;
    wxButton* m_remove = nullptr;
    bool m_filling = false;  ///< the rows are being rebuilt: their events are not the user's
};

class LevelPropertiesDialog : public wxDialog {
public:
    LevelPropertiesDialog(wxWindow* parent, const LayoutLevel& level, Units units,
                          Prompter& prompter);

    /// The accepted properties (valid after ShowModal returned wxID_OK).
    const LevelProperties& properties() const { return m_properties; }

    wxTextCtrl* nameField() const { return m_name; }
    wxSpinCtrlDouble* heightField() const { return m_height; }
    wxCheckBox* colourSwitch() const { return m_trackcolor; }

private:
    void OnOk();

    Units m_units;
    Prompter& m_prompter;
    wxTextCtrl* m_name = nullptr;
    wxSpinCtrlDouble* m_height = nullptr;
    wxCheckBox* m_trackcolor = nullptr;
    wxColourPickerCtrl* m_colour = nullptr;
    LevelProperties m_properties;
};
