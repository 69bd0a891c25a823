#pragma once
// Names of layouts in the user folder: what the Save dialog's answer becomes, which names are
// refused, and where a named layout is stored. A layout name is a file name in the user folder,
// so a typed name must never lead out of that folder.

#include <filesystem>
#include <string>

/// The name proposed for a layout that has none yet.
inline constexpr const char* kDefaultLayoutName = "My Layout";

/// `text` without blanks (spaces and tabs) at both ends.
std::string trimBlanks(const std::string& text);

/// The Save dialog's answer as a layout name: trimmed at both ends; an empty answer becomes
/// "My Layout".
std::string layoutNameFromAnswer(const std::string& answer);

/// True when `name` can be the file name (without extension) of a file directly inside a folder:
/// not empty, not "." or "..", and without path separators ("/" or "\") or control characters.
bool isSafeFileStem(const std::string& name);

/// The end of every refusal message: which characters a name typed for a file may use.
inline constexpr const char* kAllowedNameCharacters =
    "may use letters, digits, blanks and punctuation such as - _ ( ) . , but not \"/\" or "
    "\"\\\", not line breaks or tabs, and not \".\" or \"..\" on their own.";

/// Empty when `name` can be stored as a layout in the user folder; otherwise the message that
/// tells the user why not and which characters may be used. Refused: a path separator ("/" or
/// "\"), "." or "..", and control characters (line breaks, tabs).
std::string layoutNameProblem(const std::string& name);

/// The file of layout `name` in `userFolder`: folder + separator + name + ".tdl". Empty when the
/// name is refused by layoutNameProblem, so a caller can never write outside the folder.
std::filesystem::path layoutFileInFolder(const std::filesystem::path& userFolder,
                                         const std::string& name);
