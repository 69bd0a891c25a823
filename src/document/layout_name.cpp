#include "document/layout_name.h"

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string layoutNameFromAnswer(const std::string& answer) {
    std::string name = trimBlanks(answer);
    return name.empty() ? std::string(kDefaultLayoutName) : name;
}

bool isSafeFileStem(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (const char c : name) {
        // Separators would place the file in another folder; control characters make names
        // that cannot be typed again in the Open list.
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}

std::string layoutNameProblem(const std::string& name) {
    if (isSafeFileStem(name)) {
        return {};
    }
    return "\"" + name +
           "\" cannot be used as a layout name.\n\n"
           "Layout names are stored in the Railvane folder and " +
           kAllowedNameCharacters;
}

std::filesystem::path layoutFileInFolder(const std::filesystem::path& userFolder,
                                         const std::string& name) {
    if (!layoutNameProblem(name).empty()) {
        return {};
    }
    return userFolder / (name + ".tdl");
}
