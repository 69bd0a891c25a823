// Open Recent of the File menu: the toolkit's file history of the layouts opened or saved last,
// kept between runs in the per-user config folder.
#include <wx/filefn.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/fileconf.h>
#include <wx/log.h>

#include "app/ui/app_paths.h"
#include "frame/command_ids.h"
#include "frame/ui/main_frame.h"
#include "frame/ui/menu_builder.h"

namespace {

constexpr const char* kRecentGroup = "/RecentFiles";

/// The recent-files store; it writes itself when it goes out of scope.
std::unique_ptr<wxFileConfig> openRecentStore() {
    auto config = std::make_unique<wxFileConfig>(wxEmptyString, wxEmptyString, GetRecentFilesPath(),
                                                 wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    config->SetPath(kRecentGroup);
    return config;
}

}  // namespace

void MainFrame::SetUpRecentFiles() {
    m_recent = std::make_unique<wxFileHistory>(CommandId::kRecentFiles, CommandId::RecentFile1);
    if (wxMenu* menu = FindCommandSubmenu(GetMenuBar(), "&File", kOpenRecent)) {
        m_recent->UseMenu(menu);
    }
    {
        // An unreadable store only means an empty list; no error box at start-up.
        wxLogNull quiet;
        m_recent->Load(*openRecentStore());
    }
    Bind(wxEVT_MENU, &MainFrame::OnRecentFile, this, CommandId::RecentFile1,
         CommandId::RecentFile1 + CommandId::kRecentFiles - 1);
}

void MainFrame::RememberRecentFile(const wxString& path) {
    wxFileName file(path);
    file.MakeAbsolute();
    m_recent->AddFileToHistory(file.GetFullPath());
    SaveRecentFiles();
}

void MainFrame::SaveRecentFiles() {
    wxLogNull quiet;  // a list that cannot be stored stays for this run
    auto store = openRecentStore();
    store->DeleteGroup(kRecentGroup);
    store->SetPath(kRecentGroup);
    m_recent->Save(*store);
}

void MainFrame::OnRecentFile(wxCommandEvent& event) {
    const size_t index = static_cast<size_t>(event.GetId() - CommandId::RecentFile1);
    if (index >= m_recent->GetCount()) {
        return;
    }
    const wxString path = m_recent->GetHistoryFile(index);
    if (!wxFileExists(path)) {
        m_recent->RemoveFileFromHistory(index);
        SaveRecentFiles();
        prompter().showMessage("Open Recent",
                               "This layout file is no longer there:\n" + path.utf8_string() +
                                   "\n\nIt has been removed from the list of recent layouts.",
                               PromptIcon::Exclamation);
        return;
    }
    if (ConfirmDiscardChanges()) {
        LoadLayoutFile(path);
    }
}
