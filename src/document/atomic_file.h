#pragma once
// Whole-file reading and writing for the document formats. Saving goes through a temporary file
// beside the target that is renamed over it only when every byte is on disk, so a failed save
// never costs the previous file.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

/// The low-level write step: like POSIX write(), returns the number of bytes written or -1.
/// Tests pass their own to fail half way; the default writes to the file descriptor.
using RawWrite = std::function<long(int fd, const char* data, std::size_t size)>;

/// Replaces the file at `path` with `bytes`. Returns an empty text on success; "Cannot open file: "
/// + path when the temporary file cannot be created (no such folder, no permission) or a folder
/// has the file's name, "Cannot write file: " + path when writing, flushing or renaming fails;
/// either followed by a line feed and the cause (saveFailureCause). On failure the previous file
/// is untouched and the temporary file is removed. A replaced file keeps its permissions. The
/// temporary file is a short hidden name in the target's folder, so any name the file system
/// takes can be saved.
std::string saveFileAtomically(const std::string& path, std::string_view bytes,
                               const RawWrite& rawWrite = {});

/// Reads the whole file at `path` into `bytes`. Returns "Cannot open file: " + path (with a line
/// feed and the cause when the system gives one) when it cannot be opened or read, and a text
/// saying so when it is larger than `maxBytes`.
std::string loadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

/// One sentence for the user on why a file could not be saved, from the system's error number:
/// "The folder is read-only: ...", "The disk is full.", and so on.
std::string saveFailureCause(int error);

/// The same for a file that could not be read ("The file does not exist.", ...).
std::string readFailureCause(int error);

/// Removes the temporary files that saves of this program left in `folder` and its sub-folders
/// down to `depth` levels when they were cut short (killed, power lost): those whose process no
/// longer runs or that are older than a day. Returns how many were removed.
int removeStaleSaveFiles(const std::string& folder, int depth);
