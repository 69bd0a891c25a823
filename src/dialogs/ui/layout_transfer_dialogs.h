#pragma once
// "Import Layout" and "Export Layout": the dialogs that pick a layout file and a name for copying
// a layout into or out of the user folder. They only collect the choice; the frame's commands
// check, copy and rename.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "document/user_files.h"

class wxButton;
class wxListBox;
class wxTextCtrl;

/// Asks for a folder: a dialog title and the folder it starts in; empty when cancelled. The
/// dialogs use a toolkit folder chooser unless one is set (tests set their own).
using FolderChooser =
    std::function<std::optional<wxString>(const wxString& title, const wxString& start)>;

class ImportLayoutDialog : public wxDialog {
public:
    /// Starts in `sourceFolder`, listing its ".tdl" and ".xml" files.
    ImportLayoutDialog(wxWindow* parent, const wxString& sourceFolder);

    void setFolderChooser(FolderChooser chooser) { m_chooser = std::move(chooser); }

    /// The folder text as typed.
    wxString sourceFolder() const;
    /// The selected file name with extension as listed; empty without a selection.
    wxString selectedFile() const;
    /// The path of the selected file in the file system's own bytes (a name that is not UTF-8 is
    /// listed readably but opened as it is); empty without a selection.
    std::string selectedPath() const;
    /// The "Import as:" text as typed.
    wxString importName() const;

    wxTextCtrl* folderField() const { return m_folder; }
    wxButton* browseButton() const { return m_browse; }
    wxListBox* fileList() const { return m_list; }
    wxTextCtrl* nameField() const { return m_name; }
    wxButton* importButton() const { return m_import; }

private:
    void refill();
    void updateButton();

    FolderChooser m_chooser;
    std::vector<LayoutFileEntry> m_files;  ///< what the list shows, by listed name
    wxTextCtrl* m_folder = nullptr;
    wxButton* m_browse = nullptr;
    wxListBox* m_list = nullptr;
    wxTextCtrl* m_name = nullptr;
    wxButton* m_import = nullptr;
};

class ExportLayoutDialog : public wxDialog {
public:
    /// Lists `names` (sorted); selects `current` when it is listed and proposes it as file name.
    ExportLayoutDialog(wxWindow* parent, const std::vector<wxString>& names,
                       const wxString& current, const wxString& destination);

    void setFolderChooser(FolderChooser chooser) { m_chooser = std::move(chooser); }

    /// The selected layout name; empty without a selection.
    wxString selectedName() const;
    /// The destination and "Save as (no extension):" texts as typed.
    wxString destination() const;
    wxString fileName() const;

    wxListBox* nameList() const { return m_list; }
    wxTextCtrl* destinationField() const { return m_destination; }
    wxButton* browseButton() const { return m_browse; }
    wxTextCtrl* fileField() const { return m_file; }
    wxButton* exportButton() const { return m_export; }

private:
    void updateButton();

    FolderChooser m_chooser;
    wxListBox* m_list = nullptr;
    wxTextCtrl* m_destination = nullptr;
    wxButton* m_browse = nullptr;
    wxTextCtrl* m_file = nullptr;
    wxButton* m_export = nullptr;
};
