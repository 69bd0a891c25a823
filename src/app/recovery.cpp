#include "app/recovery.h"

#include <ctime>
#include <filesystem>
#include <sstream>

#include "document/atomic_file.h"
#include "document/layout_file.h"

namespace {

constexpr const char* kLayoutFile = "recovery.tdl";
constexpr const char* kNoteFile = "recovery.info";

std::string join(const std::string& folder, const char* file) {
    return (std::filesystem::path(folder) / file).string();
}

}  // namespace

std::string writeRecovery(const std::string& folder, const Layout& layout,
                          const RecoveryNote& note) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // The note goes last: a copy without its note is never offered.
    if (std::string error = WriteLayout(recoveryLayoutPath(folder), layout, note.layoutName);
        !error.empty()) {
        return error;
    }
    const std::string text =
        "name=" + note.layoutName + "\nfile=" + note.filePath + "\ntime=" + note.savedAt + "\n";
    return saveFileAtomically(join(folder, kNoteFile), text);
}

std::optional<RecoveryNote> findRecovery(const std::string& folder) {
    std::string text;
    if (!loadWholeFile(join(folder, kNoteFile), text, 64 * 1024).empty() ||
        !std::filesystem::exists(recoveryLayoutPath(folder))) {
        return std::nullopt;
    }
    RecoveryNote note;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        const std::string key = line.substr(0, eq),
                          value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (key == "name") {
            note.layoutName = value;
        } else if (key == "file") {
            note.filePath = value;
        } else if (key == "time") {
            note.savedAt = value;
        }
    }
    return note;
}

std::string recoveryLayoutPath(const std::string& folder) {
    return join(folder, kLayoutFile);
}

void removeRecovery(const std::string& folder) {
    std::error_code ec;
    std::filesystem::remove(join(folder, kNoteFile), ec);
    std::filesystem::remove(recoveryLayoutPath(folder), ec);
}

std::string recoveryQuestion(const RecoveryNote& note) {
    const std::string what =
        note.layoutName.empty() ? "an untitled layout" : "the layout \"" + note.layoutName + "\"";
    return "Railvane was not closed properly last time. A copy of " + what +
           " with its unsaved changes was kept at " + note.savedAt +
           ".\n\nRestore it? (No discards the copy.)";
}

std::string recoveryTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}
