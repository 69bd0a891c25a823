#pragma once
// The preferences record and its file "prefs.cfg": three lines "playful=", "asked=", "units=".
// Parsing, formatting and the choice of file are plain code so that they can be tested without a
// display; app_paths.h supplies the real folders.

#include <filesystem>
#include <string>

/// The user's preferences; one process-wide instance lives behind appPrefs().
struct Prefs {
    bool playful = true;  ///< "Keep it Playful": splash window and mascot pictures
    bool asked = false;   ///< the experience question has been answered once
    int units = 0;        ///< display unit: 0 millimetres, 1 centimetres, 2 inches
};

/// The process-wide preferences record, starting with the defaults.
Prefs& appPrefs();

/// Applies the lines of a preferences file to `prefs`. Lines end at a line feed; a line counts
/// when it begins with "playful=", "asked=" or "units=", and only the one character after the
/// "=" is read. Unknown lines are ignored and a repeated key takes its last value.
void parsePrefs(const std::string& text, Prefs& prefs);

/// The file content: exactly three lines "playful=0|1", "asked=0|1", "units=N", each ended by
/// a line feed.
std::string formatPrefs(const Prefs& prefs);

/// Records the answer of the experience dialog (a dialog result code): `playful` when it ended
/// with "Keep it Playful" (5103, Yes), and `asked` in any case, since closing the box is an
/// answer too ("Down to Business").
void applyExperienceResult(int result, Prefs& prefs);

/// Reads `path` into `prefs`; false (and `prefs` unchanged) when the file cannot be opened.
bool loadPrefsFile(const std::filesystem::path& path, Prefs& prefs);

/// Writes `prefs` to `path`, truncating it; false when the file cannot be written.
bool savePrefsFile(const std::filesystem::path& path, const Prefs& prefs);

/// The two places a preferences file may live. `besideProgram` is the classic place next to the
/// executable; `perUser` is the same file name in the per-user data folder, used when the
/// program's folder cannot be written (a normal installation).
struct PrefsLocations {
    std::filesystem::path besideProgram;
    std::filesystem::path perUser;
};

/// Loads the preferences: the per-user file when it exists, else the one beside the program.
/// Returns the file that was read, empty when none could be read (then `prefs` is unchanged).
std::filesystem::path loadPrefs(const PrefsLocations& where, Prefs& prefs);

/// Saves the preferences where the next loadPrefs() will find them: into the per-user file when
/// it already exists, else beside the program, and when that cannot be written into the per-user
/// file (creating its folder). Returns the file written, empty when nothing could be written.
std::filesystem::path savePrefs(const PrefsLocations& where, const Prefs& prefs);
