#include "app/migration.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

/// Plain files of `dir` (not recursive) whose extension is `ext` ignoring case, sorted by name so
/// that the copy order does not depend on the file system.
std::vector<fs::path> filesWithExtension(const fs::path& dir, const std::string& ext) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc) && lower(it->path().extension().string()) == ext) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<fs::path> subFolders(const fs::path& dir) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc)) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

/// Copies unless the target name exists; true only when a copy was made.
bool copyIfMissing(const fs::path& source, const fs::path& targetDir) {
    const fs::path target = targetDir / source.filename();
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) {
        return false;
    }
    return fs::copy_file(source, target, fs::copy_options::none, ec) && !ec;
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    return fs::weakly_canonical(a, ec).lexically_normal() ==
           fs::weakly_canonical(b, ec).lexically_normal();
}

}  // namespace

int migrateLegacyUserFiles(const fs::path& installDir, const fs::path& userDir) {
    if (installDir.empty() || userDir.empty() || sameFolder(installDir, userDir)) {
        return 0;
    }
    int copied = 0;
    for (const char* ext : {".tdl", ".xml"}) {
        for (const fs::path& file : filesWithExtension(installDir, ext)) {
            // The old catalog file is program data, not a layout.
            if (lower(file.filename().string()) == "catalog.xml") {
                continue;
            }
            copied += copyIfMissing(file, userDir) ? 1 : 0;
        }
    }

    const fs::path oldLibrary = installDir / "library";
    std::error_code ec;
    if (fs::is_directory(oldLibrary, ec)) {
        const fs::path library = userDir / "library";
        fs::create_directories(library, ec);
        for (const fs::path& system : subFolders(oldLibrary)) {
            const fs::path target = library / system.filename();
            fs::create_directories(target, ec);
            for (const fs::path& block : filesWithExtension(system, ".tdl")) {
                copied += copyIfMissing(block, target) ? 1 : 0;
            }
        }
    }
    return copied;
}
