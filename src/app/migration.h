#pragma once
// Moving user files out of the install folder: earlier releases kept layouts and library blocks
// beside the program. The copy runs at every start and only fills in what is missing.

#include <filesystem>

/// Copies the layouts ("*.tdl", then "*.xml", except any "catalog.xml" whatever its case) lying
/// directly in `installDir` into `userDir`, and the "*.tdl" blocks of every sub-folder of
/// `installDir`/library into `userDir`/library/<same sub-folder>. An existing file is never
/// overwritten; the sources stay in place; extensions match without regard to case.
/// Returns the number of files copied; 0 when both folders are the same.
int migrateLegacyUserFiles(const std::filesystem::path& installDir,
                           const std::filesystem::path& userDir);
