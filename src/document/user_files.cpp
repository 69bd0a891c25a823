#include "document/user_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "document/layout_file.h"
#include "document/layout_name.h"
#include "document/utf8_text.h"

namespace fs = std::filesystem;

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

/// File names of the plain files in `folder` ending in `extension`, sorted. Entries that cannot
/// be examined are skipped, as a folder that cannot be read lists nothing.
std::vector<std::string> plainFilesWith(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (endsWith(name, extension)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string nameRefusal(const std::string& name, const std::string& what,
                        const std::string& where) {
    return "\"" + name + "\" cannot be used as " + what + ".\n\n" + where + " " +
           kAllowedNameCharacters;
}

}  // namespace

std::vector<LayoutFileEntry> listLayoutFiles(const std::string& folder) {
    std::vector<LayoutFileEntry> entries;
    for (const char* extension : {".tdl", ".xml"}) {
        for (const std::string& file : plainFilesWith(folder, extension)) {
            // The name is shown and chosen in lists, so it must be valid text; the path keeps the
            // file system's own bytes so that the right file opens.
            entries.push_back({utf8WithLatin1Fallback(file.substr(0, file.size() - 4)),
                               (fs::path(folder) / file).string()});
        }
    }
    return entries;
}

const LayoutFileEntry* firstEntryNamed(const std::vector<LayoutFileEntry>& entries,
                                       const std::string& name) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const LayoutFileEntry& e) { return e.name == name; });
    return it == entries.end() ? nullptr : &*it;
}

std::vector<LayoutFileEntry> listImportableFiles(const std::string& folder) {
    if (folder.empty()) {
        return {};
    }
    std::vector<std::string> files = plainFilesWith(folder, ".tdl");
    const std::vector<std::string> older = plainFilesWith(folder, ".xml");
    files.insert(files.end(), older.begin(), older.end());
    std::sort(files.begin(), files.end());
    std::vector<LayoutFileEntry> entries;
    for (const std::string& file : files) {
        entries.push_back({utf8WithLatin1Fallback(file), (fs::path(folder) / file).string()});
    }
    return entries;
}

bool deleteLayoutFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(fs::path(path), ec) && !ec;
}

std::string blockNameProblem(const std::string& name) {
    if (isSafeFileStem(name)) {
        return {};
    }
    return nameRefusal(name, "a block name", "Block names are stored in the library folder and");
}

std::string saveLibraryBlockFile(const std::string& folder, const std::string& name,
                                 const Layout& layout, const RawWrite& rawWrite) {
    if (std::string problem = blockNameProblem(name); !problem.empty()) {
        return problem;
    }
    std::error_code ec;
    fs::create_directories(fs::path(folder), ec);
    if (!fs::is_directory(fs::path(folder), ec)) {
        return "Cannot create folder: " + folder;
    }
    // WriteBlock replaces through a temporary file, so an old block of the same name survives
    // a failed save.
    return WriteBlock((fs::path(folder) / (name + ".tdl")).string(), layout, name, rawWrite);
}

std::string exportFileName(const std::string& name) {
    const auto dot = name.rfind('.');
    const std::string stem = (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
    return stem + ".tdl";
}

std::string exportNameProblem(const std::string& name) {
    const std::string file = exportFileName(name);
    if (isSafeFileStem(name) && isSafeFileStem(file.substr(0, file.size() - 4))) {
        return {};
    }
    return nameRefusal(name, "a file name",
                       "The exported file is written into the destination folder; its name");
}

std::string copyLayoutFile(const std::string& source, const std::string& target) {
    // Read whole, then replace through a temporary file: copying a file onto itself (the same
    // file under another spelling of its path) or a failure half way never empties the target.
    std::string bytes;
    if (!loadWholeFile(source, bytes, kMaxLayoutFileBytes).empty() ||
        !saveFileAtomically(target, bytes).empty()) {
        return "Could not copy the file to:\n" + target;
    }
    return {};
}

std::string checkImportSource(const std::string& path) {
    Layout scratch;
    std::string name;
    const std::string error = ReadLayout(path, scratch, name);
    if (error.empty()) {
        return {};
    }
    return "This file does not appear to be a Railvane layout:\n\n" + error;
}

std::string renameStoredLayout(const std::string& path, const std::string& name) {
    Layout scratch;
    std::string oldName;
    if (std::string error = ReadLayout(path, scratch, oldName); !error.empty()) {
        return error;
    }
    return WriteLayout(path, scratch, name);
}
