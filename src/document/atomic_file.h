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
/// + path when the temporary file cannot be created (no such folder, no permission), "Cannot write
/// file: " + path when writing, flushing or renaming fails. On failure the previous file is
/// untouched and the temporary file is removed. A replaced file keeps its permissions.
std::string saveFileAtomically(const std::string& path, std::string_view bytes,
                               const RawWrite& rawWrite = {});

/// Reads the whole file at `path` into `bytes`. Returns "Cannot open file: " + path when it cannot
/// be opened or read, and a text saying so when it is larger than `maxBytes`.
std::string loadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);
