#pragma once
// "Open Layout": the layouts of the user folder by name, with Open, Cancel and Delete... . Which
// file a name opens, and what deleting it means for the open document, is decided by the caller.

#include <functional>
#include <optional>
#include <vector>

#include <wx/dialog.h>

#include "document/user_files.h"

class wxButton;
class wxCommandEvent;
class wxListBox;

class OpenLayoutDialog : public wxDialog {
public:
    /// Asked to delete a file (after the user chose Delete...); true when the file is gone.
    using DeleteHandler = std::function<bool(const LayoutFileEntry&)>;

    /// Lists the names of `entries` (sorted; a name held by two files appears twice). "Open" and
    /// "Delete..." stay disabled until a name is selected.
    OpenLayoutDialog(wxWindow* parent, std::vector<LayoutFileEntry> entries,
                     DeleteHandler onDelete);

    /// The file the selected name opens: the first entry of that name, so a ".tdl" file wins
    /// over an ".xml" file. Empty without a selection.
    std::optional<LayoutFileEntry> chosenEntry() const;
    /// Files still listed (deleted ones are forgotten).
    const std::vector<LayoutFileEntry>& entries() const { return m_entries; }

    wxListBox* nameList() const { return m_list; }
    wxButton* openButton() const { return m_open; }
    wxButton* deleteButton() const { return m_delete; }

private:
    void OnSelect(wxCommandEvent& event);
    void OnDoubleClick(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void updateButtons();

    std::vector<LayoutFileEntry> m_entries;
    DeleteHandler m_onDelete;
    wxListBox* m_list = nullptr;
    wxButton* m_open = nullptr;
    wxButton* m_delete = nullptr;
};
