#include "dialogs/ui/layout_transfer_dialogs.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "document/user_files.h"

namespace {

constexpr int kMargin = 8;

std::optional<wxString> chooseFolder(wxWindow* parent, const FolderChooser& chooser,
                                     const wxString& title, const wxString& start) {
    if (chooser) {
        return chooser(title, start);
    }
    wxDirDialog dialog(parent, title, start, wxDD_DEFAULT_STYLE);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.GetPath();
}

/// A row of a label, a text field filling the rest and, when `browse` is given, a button.
wxTextCtrl* addFieldRow(wxWindow* parent, wxSizer* top, const wxString& label,
                        const wxString& value, wxButton** browse = nullptr) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
             kMargin);
    auto* field = new wxTextCtrl(parent, wxID_ANY, value);
    row->Add(field, 1, wxALIGN_CENTER_VERTICAL);
    if (browse != nullptr) {
        *browse = new wxButton(parent, wxID_ANY, "Browse...");
        row->Add(*browse, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, kMargin);
    }
    top->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kMargin);
    return field;
}

/// The closing row: a stretch, the action button (ending the dialog with wxID_OK) and "Cancel".
wxButton* addActionRow(wxWindow* parent, wxSizer* top, const wxString& action) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer();
    auto* button = new wxButton(parent, wxID_OK, action);
    row->Add(button, 0, wxRIGHT, kMargin);
    row->Add(new wxButton(parent, wxID_CANCEL, "Cancel"), 0);
    top->Add(row, 0, wxEXPAND | wxALL, kMargin);
    return button;
}

wxListBox* newSortedList(wxWindow* parent) {
    return new wxListBox(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                         wxLB_SINGLE | wxLB_SORT);
}

wxString selectedText(const wxListBox* list) {
    const int line = list->GetSelection();
    return line == wxNOT_FOUND ? wxString() : list->GetString(static_cast<unsigned>(line));
}

/// A double click acts as the action button, but only while that button could be pressed.
void endOnDoubleClick(wxDialog* dialog, wxButton* action) {
    if (action->IsEnabled() && dialog->IsModal()) {
        dialog->EndModal(wxID_OK);
    }
}

}  // namespace

ImportLayoutDialog::ImportLayoutDialog(wxWindow* parent, const wxString& sourceFolder)
    : wxDialog(parent, wxID_ANY, "Import Layout", wxDefaultPosition, wxSize(440, 480),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    m_folder = addFieldRow(this, top, "Source folder:", sourceFolder, &m_browse);
    top->Add(new wxStaticText(this, wxID_ANY, "Layout files in this folder:"), 0,
             wxLEFT | wxRIGHT | wxTOP, kMargin);
    m_list = newSortedList(this);
    top->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kMargin);
    m_name = addFieldRow(this, top, "Import as:", wxString());
    m_import = addActionRow(this, top, "Import");
    SetSizer(top);
    Layout();
    Centre();

    m_folder->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { refill(); });
    m_browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        const auto folder = chooseFolder(this, m_chooser, "Choose folder containing layout file",
                                         m_folder->GetValue());
        if (folder) {
            m_folder->SetValue(*folder);  // sends the text event, which refills the list
        }
    });
    m_list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
        // Every listed file ends in ".tdl" or ".xml"; the name is what comes before it.
        const wxString file = selectedFile();
        if (file.length() > 4) {
            m_name->ChangeValue(file.Left(file.length() - 4));
        }
        updateButton();
    });
    m_list->Bind(wxEVT_LISTBOX_DCLICK,
                 [this](wxCommandEvent&) { endOnDoubleClick(this, m_import); });
    m_name->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { updateButton(); });
    refill();
}

wxString ImportLayoutDialog::sourceFolder() const {
    return m_folder->GetValue();
}

wxString ImportLayoutDialog::selectedFile() const {
    return selectedText(m_list);
}

std::string ImportLayoutDialog::selectedPath() const {
    const LayoutFileEntry* entry = firstEntryNamed(m_files, std::string(selectedFile().utf8_str()));
    return entry != nullptr ? entry->path : std::string();
}

wxString ImportLayoutDialog::importName() const {
    return m_name->GetValue();
}

void ImportLayoutDialog::refill() {
    m_list->Clear();
    m_files = listImportableFiles(std::string(m_folder->GetValue().utf8_str()));
    for (const LayoutFileEntry& file : m_files) {
        m_list->Append(wxString::FromUTF8(file.name));
    }
    updateButton();
}

void ImportLayoutDialog::updateButton() {
    m_import->Enable(m_list->GetSelection() != wxNOT_FOUND &&
                     !m_name->GetValue().Strip(wxString::both).empty());
}

ExportLayoutDialog::ExportLayoutDialog(wxWindow* parent, const std::vector<wxString>& names,
                                       const wxString& current, const wxString& destination)
    : wxDialog(parent, wxID_ANY, "Export Layout", wxDefaultPosition, wxSize(440, 480),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "Choose a layout to export:"), 0,
             wxLEFT | wxRIGHT | wxTOP, kMargin);
    m_list = newSortedList(this);
    for (const wxString& name : names) {
        m_list->Append(name);
    }
    top->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kMargin);
    m_destination = addFieldRow(this, top, "Destination:", destination, &m_browse);
    m_file = addFieldRow(this, top, "Save as (no extension):", wxString());
    m_export = addActionRow(this, top, "Export");
    SetSizer(top);
    Layout();
    Centre();

    const int line = current.empty() ? wxNOT_FOUND : m_list->FindString(current, true);
    if (line != wxNOT_FOUND) {
        m_list->SetSelection(line);
        m_file->ChangeValue(current);
    }

    m_browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        const auto folder =
            chooseFolder(this, m_chooser, "Choose destination folder", m_destination->GetValue());
        if (folder) {
            m_destination->SetValue(*folder);
        }
    });
    m_list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
        if (!selectedName().empty()) {
            m_file->ChangeValue(selectedName());
        }
        updateButton();
    });
    m_list->Bind(wxEVT_LISTBOX_DCLICK,
                 [this](wxCommandEvent&) { endOnDoubleClick(this, m_export); });
    m_file->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { updateButton(); });
    updateButton();
    // Focus on the list would let GTK select its first name; only the open layout starts chosen.
    m_file->SetFocus();
}

wxString ExportLayoutDialog::selectedName() const {
    return selectedText(m_list);
}

wxString ExportLayoutDialog::destination() const {
    return m_destination->GetValue();
}

wxString ExportLayoutDialog::fileName() const {
    return m_file->GetValue();
}

void ExportLayoutDialog::updateButton() {
    m_export->Enable(m_list->GetSelection() != wxNOT_FOUND &&
                     !m_file->GetValue().Strip(wxString::both).empty());
}
