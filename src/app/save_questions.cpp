#include "app/save_questions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

SaveTarget examineSaveTarget(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return SaveTarget::Free;
    }
    if (!S_ISREG(st.st_mode)) {
        return SaveTarget::NotAFile;
    }
    // The mode bits decide even for an administrator, whom access() would always allow.
    const bool writable = (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
    return writable ? SaveTarget::Layout : SaveTarget::ReadOnlyLayout;
}

bool confirmSaveTarget(Prompter& prompter, const std::string& path, const std::string& name,
                       ExistingLayout existing, const std::string& failTitle) {
    switch (examineSaveTarget(path)) {
        case SaveTarget::Free:
            return true;
        case SaveTarget::NotAFile: {
            const std::string file = std::filesystem::path(path).filename().string();
            prompter.showMessage(failTitle,
                                 "The layout \"" + name + "\" cannot be saved: \"" + file +
                                     "\" in that folder is a folder or another kind of entry, "
                                     "not a layout file.\n\nChoose another name.",
                                 PromptIcon::Error);
            return false;
        }
        case SaveTarget::ReadOnlyLayout:
            return prompter.ask("Confirm Replace",
                                "The layout \"" + name +
                                    "\" is read-only.\n\nReplace it anyway? It stays read-only.",
                                PromptButtons::YesNo, kIdNo, PromptIcon::Question) == kIdYes;
        case SaveTarget::Layout:
            break;
    }
    if (existing == ExistingLayout::Replace) {
        return true;
    }
    return prompter.ask("Confirm Replace",
                        "A layout named \"" + name + "\" already exists.\n\nReplace it?",
                        PromptButtons::YesNo, kIdNo, PromptIcon::Question) == kIdYes;
}

bool confirmExportTarget(Prompter& prompter, const std::string& path) {
    const std::string file = std::filesystem::path(path).filename().string();
    std::string question;
    switch (examineSaveTarget(path)) {
        case SaveTarget::Free:
            return true;
        case SaveTarget::NotAFile:
            prompter.showMessage("Export Failed",
                                 "\"" + file +
                                     "\" in that folder is a folder or another kind of entry, "
                                     "not a layout file.\n\nChoose another name.",
                                 PromptIcon::Error);
            return false;
        case SaveTarget::ReadOnlyLayout:
            question = "\"" + file +
                       "\" in that folder is read-only.\n\nReplace it anyway? It stays read-only.";
            break;
        case SaveTarget::Layout:
            question = "\"" + file + "\" already exists in that folder.\n\nReplace it?";
            break;
    }
    return prompter.ask("Confirm Replace", question, PromptButtons::YesNo, kIdNo,
                        PromptIcon::Question) == kIdYes;
}
