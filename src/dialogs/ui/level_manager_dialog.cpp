#include "dialogs/ui/level_manager_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/prompter.h"

LevelManagerDialog::LevelManagerDialog(wxWindow* parent, LayoutEditor& editor, Units units,
                                       Prompter& prompter)
    : wxDialog(parent, wxID_ANY, kLevelsTitle, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_editor(editor),
      m_units(units),
      m_prompter(prompter) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY,
                              "Check to show a level.  Double-click a row to edit its properties\n"
                              "(name, height, and track color).  Single-click sets the active "
                              "level\nfor new pieces."),
             0, wxALL, 10);
    m_list = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(420, 200),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
    m_list->EnableCheckBoxes(true);
    m_list->AppendColumn("Level Name", wxLIST_FORMAT_LEFT, 200);
    m_list->AppendColumn("Height", wxLIST_FORMAT_RIGHT, 90);
    m_list->AppendColumn("Track Color", wxLIST_FORMAT_LEFT, 90);
    m_list->AppendColumn("ID", wxLIST_FORMAT_RIGHT, 40);
    top->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* add = new wxButton(this, wxID_ANY, "Add Level");
    m_remove = new wxButton(this, wxID_ANY, "Remove Level");
    buttons->Add(add, 0, wxRIGHT, 6);
    buttons->Add(m_remove);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CLOSE, "Close"));
    top->Add(buttons, 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    SetSize(wxSize(500, 360));
    Centre();
    SetEscapeId(wxID_CLOSE);

    add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddLevel(); });
    m_remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveSelectedLevel(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CLOSE); }, wxID_CLOSE);
    m_list->Bind(wxEVT_LIST_ITEM_CHECKED,
                 [this](wxListEvent& event) { OnChecked(event.GetIndex(), true); });
    m_list->Bind(wxEVT_LIST_ITEM_UNCHECKED,
                 [this](wxListEvent& event) { OnChecked(event.GetIndex(), false); });
    m_list->Bind(wxEVT_LIST_ITEM_SELECTED,
                 [this](wxListEvent& event) { OnSelected(event.GetIndex()); });
    m_list->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { EditSelectedLevel(); });
    Fill();
}

void LevelManagerDialog::Fill() {
    const int32_t keep = SelectedLevel();
    m_filling = true;
    m_list->DeleteAllItems();
    const ::Layout& layout = m_editor.layout();
    for (const LayoutLevel& level : layout.levels) {
        const LevelRow row = levelRow(layout, level, m_units);
        const long index = m_list->InsertItem(m_list->GetItemCount(), wxString::FromUTF8(row.name));
        m_list->SetItem(index, 1, row.height);
        m_list->SetItem(index, 2, row.colour);
        m_list->SetItem(index, 3, wxString::Format("%d", row.id));
        m_list->SetItemData(index, row.id);
        m_list->CheckItem(index, row.visible);
        if (row.active) {
            wxFont bold = m_list->GetFont();
            bold.SetWeight(wxFONTWEIGHT_BOLD);
            m_list->SetItemFont(index, bold);
        }
        if (row.id == keep) {
            m_list->SetItemState(index, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
    }
    m_remove->Enable(layout.levels.size() > 1);
    m_filling = false;
}

int32_t LevelManagerDialog::SelectedLevel() const {
    const long row = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return row < 0 ? -1 : static_cast<int32_t>(m_list->GetItemData(row));
}

void LevelManagerDialog::OnChecked(long row, bool visible) {
    if (!m_filling) {
        setLevelVisible(m_editor, static_cast<int32_t>(m_list->GetItemData(row)), visible);
    }
}

void LevelManagerDialog::OnSelected(long row) {
    if (m_filling) {
        return;
    }
    setActiveLevel(m_editor, static_cast<int32_t>(m_list->GetItemData(row)));
    Fill();
}

void LevelManagerDialog::AddLevel() {
    const std::optional<std::string> name =
        m_prompter.askText(kAddLevelTitle, kAddLevelPrompt, proposedLevelName(m_editor.layout()));
    if (name && addNamedLevel(m_editor, *name) >= 0) {
        Fill();
    }
}

void LevelManagerDialog::RemoveSelectedLevel() {
    const ::Layout& layout = m_editor.layout();
    if (layout.levels.size() <= 1) {
        m_prompter.showMessage(kRemoveLevelTitle, kLastLevelMessage, PromptIcon::Info);
        return;
    }
    const LayoutLevel* level = layout.FindLevel(SelectedLevel());
    if (level == nullptr) {
        return;
    }
    const std::string question = removeLevelQuestion(level->name, levelContents(layout, level->id));
    if (m_prompter.askLabelled(kRemoveLevelConfirmTitle, question, "Delete Level && Contents",
                               "Cancel", PromptIcon::Exclamation) == kIdYes) {
        removeLevel(m_editor, level->id);
        Fill();
    }
}

void LevelManagerDialog::EditSelectedLevel() {
    const LayoutLevel* level = m_editor.layout().FindLevel(SelectedLevel());
    if (level == nullptr) {
        m_prompter.showMessage(kLevelPropertiesTitle, kSelectLevelFirst, PromptIcon::Info);
        return;
    }
    LevelPropertiesDialog dialog(this, *level, m_units, m_prompter);
    if (dialog.ShowModal() == wxID_OK) {
        applyLevelProperties(m_editor, level->id, dialog.properties());
        Fill();
    }
}

LevelPropertiesDialog::LevelPropertiesDialog(wxWindow* parent, const LayoutLevel& level,
                                             Units units, Prompter& prompter)
    : wxDialog(parent, wxID_ANY,
               wxString::FromUTF8(std::string(kLevelPropertiesTitle) + ": " + level.name)),
      m_units(units),
      m_prompter(prompter) {
    const LevelHeightRange range = levelHeightRange(units);
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->Add(new wxStaticText(this, wxID_ANY, "Name:"), 0, wxALIGN_CENTER_VERTICAL);
    m_name = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(level.name), wxDefaultPosition,
                            wxSize(220, -1));
    grid->Add(m_name);
    grid->Add(new wxStaticText(this, wxID_ANY,
                               wxString::Format("Height off the ground (%s):", unitLabel(units))),
              0, wxALIGN_CENTER_VERTICAL);
    m_height = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS, 0.0, range.maximum,
                                    toDisplay(level.height, units), range.step);
    m_height->SetDigits(static_cast<unsigned>(range.decimals));
    m_height->SetValue(toDisplay(level.height, units));
    m_height->SetMinSize(wxSize(m_height->GetSizeFromTextSize(110).x, -1));
    grid->Add(m_height);
    grid->Add(new wxStaticText(this, wxID_ANY, "Color track on this level:"), 0,
              wxALIGN_CENTER_VERTICAL);
    auto* colourRow = new wxBoxSizer(wxHORIZONTAL);
    m_trackcolor = new wxCheckBox(this, wxID_ANY, wxEmptyString);
    m_trackcolor->SetValue(level.trackcolor);
    m_colour = new wxColourPickerCtrl(this, wxID_ANY, wxColour(level.r, level.g, level.b));
    colourRow->Add(m_trackcolor, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    colourRow->Add(m_colour);
    grid->Add(colourRow);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 0, wxALL, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    Centre();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

void LevelPropertiesDialog::OnOk() {
    // The typed text counts: the field would quietly turn "abc" or "-5" into a limit.
    const LevelHeightEntry height =
        readLevelHeight(m_height->GetTextValue().utf8_string(), m_units);
    if (!height.problem.empty()) {
        m_prompter.showMessage(kLevelPropertiesTitle, height.problem, PromptIcon::Exclamation);
        m_height->SetFocus();
        return;
    }
    const wxColour colour = m_colour->GetColour();
    m_properties = {m_name->GetValue().utf8_string(), height.mm, m_trackcolor->GetValue(),
                    Rgb{colour.Red(), colour.Green(), colour.Blue()}};
    EndModal(wxID_OK);
}
