#pragma once
// The program's folders on this machine, reached through the toolkit's standard paths: the log
// folder, the preferences file, the user folder with its library, and the migration of files that
// earlier releases kept beside the program.

#include <wx/string.h>

#include "app/prefs.h"

/// Points every "folder of the executable" look-up at `folder` instead (tests use a temporary
/// folder so that they never read or write beside the test program). Empty restores the default.
void OverrideExecutableFolder(const wxString& folder);

/// The folder of the running executable, without a trailing separator.
wxString GetExecutableFolder();

/// The per-user application data folder, created if missing; the temporary folder when it cannot
/// be created. The run log and the frame trace live here.
wxString GetLogFolder();

/// The classic preferences file: the executable's folder, a separator, "prefs.cfg".
wxString GetPrefsPath();

/// The preferences file in the per-user application data folder, used when the executable's
/// folder cannot be written.
wxString GetUserPrefsPath();

/// The list of recently used layouts: "railvane/recent-files.cfg" in the per-user config folder
/// ($XDG_CONFIG_HOME, else ~/.config), the folder created if missing.
wxString GetRecentFilesPath();

/// Where recovery copies of unsaved work are kept: "railvane" in the per-user data folder
/// ($XDG_DATA_HOME, else ~/.local/share), created if missing.
wxString GetRecoveryFolder();

/// Fills `prefs` from the preferences file; keeps its values when there is none.
void LoadPrefs(Prefs& prefs);

/// Writes `prefs` to the preferences file; a failure keeps the values for this run only.
void SavePrefs(const Prefs& prefs);

/// Documents folder + "Railvane", created if missing (the executable's folder when it cannot be
/// created). Computed on the first call and cached for the rest of the run.
wxString GetUserFolder();

/// User folder + "library", created with its parents if missing. Not cached.
wxString GetLibraryFolder();

/// Copies layouts and library blocks that earlier releases kept in the install folder into the
/// user folder, never overwriting, and tells the user through the log system when any were copied.
void MigrateLegacyUserFiles();

/// Appends one untimed line to "mainframe.log" in the log folder; the first line of a run deletes
/// the previous run's file.
void FrameTrace(const wxString& text);
