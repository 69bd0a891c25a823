#include "dialogs/ui/open_layout_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

OpenLayoutDialog::OpenLayoutDialog(wxWindow* parent, std::vector<LayoutFileEntry> entries,
                                   DeleteHandler onDelete)
    : wxDialog(parent, wxID_ANY, "Open Layout", wxDefaultPosition, wxSize(320, 420),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_entries(std::move(entries)),
      m_onDelete(std::move(onDelete)) {
    m_list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                           wxLB_SINGLE | wxLB_SORT);
    for (const LayoutFileEntry& entry : m_entries) {
        m_list->Append(wxString::FromUTF8(entry.name));
    }
    m_delete = new wxButton(this, wxID_ANY, "Delete...");
    // wxID_OK lets the dialog end itself on "Open"; a disabled button cannot be pressed.
    m_open = new wxButton(this, wxID_OK, "Open");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(m_delete, 0);
    buttons->AddStretchSpacer();
    buttons->Add(m_open, 0, wxRIGHT, 8);
    buttons->Add(cancel, 0);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_list, 1, wxEXPAND | wxALL, 8);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(top);
    Layout();
    Centre();

    m_list->Bind(wxEVT_LISTBOX, &OpenLayoutDialog::OnSelect, this);
    m_list->Bind(wxEVT_LISTBOX_DCLICK, &OpenLayoutDialog::OnDoubleClick, this);
    m_delete->Bind(wxEVT_BUTTON, &OpenLayoutDialog::OnDelete, this);
    updateButtons();
    // A list that takes the focus first gets its first name selected by GTK; the dialog starts
    // with nothing chosen, so the focus begins on "Cancel".
    cancel->SetFocus();
}

std::optional<LayoutFileEntry> OpenLayoutDialog::chosenEntry() const {
    const int line = m_list->GetSelection();
    if (line == wxNOT_FOUND) {
        return std::nullopt;
    }
    const LayoutFileEntry* entry =
        firstEntryNamed(m_entries, std::string(m_list->GetString(line).utf8_str()));
    return entry != nullptr ? std::optional<LayoutFileEntry>(*entry) : std::nullopt;
}

void OpenLayoutDialog::OnSelect(wxCommandEvent&) {
    updateButtons();
}

void OpenLayoutDialog::OnDoubleClick(wxCommandEvent&) {
    updateButtons();
    if (m_open->IsEnabled() && IsModal()) {
        EndModal(wxID_OK);
    }
}

void OpenLayoutDialog::OnDelete(wxCommandEvent&) {
    const int line = m_list->GetSelection();
    const std::optional<LayoutFileEntry> target = chosenEntry();
    if (!target || !m_onDelete || !m_onDelete(*target)) {
        return;
    }
    m_list->Delete(static_cast<unsigned>(line));
    std::erase_if(m_entries, [&](const LayoutFileEntry& e) { return e.path == target->path; });
    m_list->SetSelection(wxNOT_FOUND);
    updateButtons();
}

void OpenLayoutDialog::updateButtons() {
    const bool selected = m_list->GetSelection() != wxNOT_FOUND;
    m_open->Enable(selected);
    m_delete->Enable(selected);
}
