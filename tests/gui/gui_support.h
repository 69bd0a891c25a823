#pragma once
// Helpers shared by the window tests: waiting for a condition while the toolkit processes events,
// scripting the modal dialogs a test expects, and the private folders the tests run in.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <wx/string.h>

class wxDialog;

/// Processes events (yielding, with short sleeps) until `condition` holds; false when it still
/// does not hold after `timeoutMs`.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

/// Handles the next modal dialog: the handler receives the dialog and returns the result that
/// ShowModal() should give without showing it, or wxID_NONE to show it for real (the handler then
/// arranges for it to end, e.g. with dialog->CallAfter). A modal dialog without a queued handler
/// fails the running test and is answered with Cancel.
void expectModal(std::function<int(wxDialog*)> handler);

/// Number of queued modal handlers not used yet.
size_t pendingModalHandlers();

/// Drops handlers that a failed test left queued.
void clearModalHandlers();

/// The temporary folder the test program runs in (HOME and the data folders point into it).
const std::filesystem::path& testRoot();

/// The folder that stands in for the executable's folder (prefs.cfg, old user files).
std::filesystem::path installFolder();

/// One message that went through the toolkit's log system.
struct LoggedMessage {
    unsigned long level;
    wxString text;
};

/// Messages logged since the last clearLoggedMessages().
const std::vector<LoggedMessage>& loggedMessages();
void clearLoggedMessages();

/// Whole content of a file, empty when missing.
std::string readWholeFile(const std::filesystem::path& path);
void writeWholeFile(const std::filesystem::path& path, const std::string& content);
