#include "app/ui/app_paths.h"

#include <filesystem>
#include <memory>

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/migration.h"
#include "app/run_log.h"

namespace fs = std::filesystem;

namespace {

wxString& executableFolderOverride() {
    static wxString folder;
    return folder;
}

wxStandardPaths& standardPaths() {
    return wxStandardPaths::Get();
}

fs::path toPath(const wxString& s) {
    return fs::path(std::string(s.fn_str()));
}

/// Creates `dir` with its parents; true when it exists afterwards.
bool ensureFolder(const wxString& dir) {
    if (wxDirExists(dir)) {
        return true;
    }
    // A failure is handled by the caller's fallback, so the toolkit's error box is not wanted.
    wxLogNull quiet;
    wxFileName::Mkdir(dir, 0777, wxPATH_MKDIR_FULL);
    return wxDirExists(dir);
}

PrefsLocations prefsLocations() {
    return {toPath(GetPrefsPath()), toPath(GetUserPrefsPath())};
}

}  // namespace

void OverrideExecutableFolder(const wxString& folder) {
    executableFolderOverride() = folder;
}

wxString GetExecutableFolder() {
    if (!executableFolderOverride().empty()) {
        return executableFolderOverride();
    }
    return wxFileName(standardPaths().GetExecutablePath()).GetPath();
}

wxString GetLogFolder() {
    const wxString dir = standardPaths().GetUserDataDir();
    if (ensureFolder(dir)) {
        return dir;
    }
    return standardPaths().GetTempDir();
}

wxString GetPrefsPath() {
    return GetExecutableFolder() + wxFILE_SEP_PATH + "prefs.cfg";
}

wxString GetUserPrefsPath() {
    return standardPaths().GetUserDataDir() + wxFILE_SEP_PATH + "prefs.cfg";
}

wxString GetRecentFilesPath() {
    wxString base;
    if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty()) {
        base = wxGetHomeDir() + wxFILE_SEP_PATH + ".config";
    }
    const wxString folder = base + wxFILE_SEP_PATH + "railvane";
    ensureFolder(folder);
    return folder + wxFILE_SEP_PATH + "recent-files.cfg";
}

wxString GetRecoveryFolder() {
    wxString base;
    if (!wxGetEnv("XDG_DATA_HOME", &base) || base.empty()) {
        base = wxGetHomeDir() + wxFILE_SEP_PATH + ".local" + wxFILE_SEP_PATH + "share";
    }
    const wxString folder = base + wxFILE_SEP_PATH + "railvane";
    ensureFolder(folder);
    return folder;
}

void LoadPrefs(Prefs& prefs) {
    loadPrefs(prefsLocations(), prefs);
}

void SavePrefs(const Prefs& prefs) {
    savePrefs(prefsLocations(), prefs);
}

wxString GetUserFolder() {
    static wxString folder;
    if (folder.empty()) {
        folder = standardPaths().GetDocumentsDir() + wxFILE_SEP_PATH + "Railvane";
        if (!ensureFolder(folder)) {
            folder = GetExecutableFolder();
        }
    }
    return folder;
}

wxString GetLibraryFolder() {
    const wxString dir = GetUserFolder() + wxFILE_SEP_PATH + "library";
    ensureFolder(dir);
    return dir;
}

void MigrateLegacyUserFiles() {
    const wxString userFolder = GetUserFolder();
    const int copied = migrateLegacyUserFiles(toPath(GetExecutableFolder()), toPath(userFolder));
    if (copied >= 1) {
        wxLogMessage("Railvane: moved %d file(s) from the install folder to %s", copied,
                     userFolder);
    }
}

void FrameTrace(const wxString& text) {
    // The path is fixed for the run; the trace object remembers whether it has cleared the file.
    static std::unique_ptr<TraceFile> trace;
    if (!trace) {
        trace =
            std::make_unique<TraceFile>(toPath(GetLogFolder() + wxFILE_SEP_PATH + "mainframe.log"));
    }
    trace->append(std::string(text.fn_str()));
}
