#include "app/prefs.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "app/prompter.h"

namespace fs = std::filesystem;

Prefs& appPrefs() {
    static Prefs prefs;
    return prefs;
}

namespace {

bool startsWith(const std::string& line, const char* key, char& valueChar) {
    const std::string k(key);
    if (line.compare(0, k.size(), k) != 0) {
        return false;
    }
    // A key with nothing after the "=" reads as a NUL character, which matches no valid value.
    valueChar = line.size() > k.size() ? line[k.size()] : '\0';
    return true;
}

}  // namespace

void parsePrefs(const std::string& text, Prefs& prefs) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        char c = '\0';
        if (startsWith(line, "playful=", c)) {
            prefs.playful = (c == '1');
        } else if (startsWith(line, "asked=", c)) {
            prefs.asked = (c == '1');
        } else if (startsWith(line, "units=", c)) {
            prefs.units = (c >= '0' && c <= '2') ? c - '0' : 0;
        }
    }
}

std::string formatPrefs(const Prefs& prefs) {
    std::string out;
    out += "playful=";
    out += prefs.playful ? "1\n" : "0\n";
    out += "asked=";
    out += prefs.asked ? "1\n" : "0\n";
    out += "units=" + std::to_string(prefs.units) + "\n";
    return out;
}

void applyExperienceResult(int result, Prefs& prefs) {
    prefs.playful = (result == kIdYes);
    prefs.asked = true;
}

bool loadPrefsFile(const fs::path& path, Prefs& prefs) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    parsePrefs(text, prefs);
    return true;
}

bool savePrefsFile(const fs::path& path, const Prefs& prefs) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out << formatPrefs(prefs);
    out.flush();
    return static_cast<bool>(out);
}

fs::path loadPrefs(const PrefsLocations& where, Prefs& prefs) {
    std::error_code ec;
    // A per-user file only exists because the program's folder could not be written once; from
    // then on it is the file that holds the user's latest answers.
    if (!where.perUser.empty() && fs::is_regular_file(where.perUser, ec) &&
        loadPrefsFile(where.perUser, prefs)) {
        return where.perUser;
    }
    if (!where.besideProgram.empty() && loadPrefsFile(where.besideProgram, prefs)) {
        return where.besideProgram;
    }
    return {};
}

fs::path savePrefs(const PrefsLocations& where, const Prefs& prefs) {
    std::error_code ec;
    // Writing beside the program while a per-user file exists would leave the stale per-user
    // file in charge on the next start, so the per-user file keeps being used once it exists.
    if (!where.perUser.empty() && fs::is_regular_file(where.perUser, ec)) {
        return savePrefsFile(where.perUser, prefs) ? where.perUser : fs::path();
    }
    if (!where.besideProgram.empty() && savePrefsFile(where.besideProgram, prefs)) {
        return where.besideProgram;
    }
    if (where.perUser.empty()) {
        return {};
    }
    fs::create_directories(where.perUser.parent_path(), ec);
    return savePrefsFile(where.perUser, prefs) ? where.perUser : fs::path();
}
