#pragma once
// The layouts in the user folder and the files that move in and out of it: listing layouts by
// name (".tdl" before ".xml"), deleting one, library block files, and the checks, copies and
// renames of Import and Export. Paths are UTF-8 text; every operation that can fail returns the
// error text the command shows, empty on success.

#include <string>
#include <vector>

#include "document/atomic_file.h"
#include "document/layout.h"

/// One layout file of a folder: its name (file name without folder and extension, as UTF-8 with
/// any other byte shown as its Latin-1 character) and full path (the file system's bytes).
struct LayoutFileEntry {
    std::string name;
    std::string path;
};

/// The plain files of `folder` ending in ".tdl", then those ending in ".xml" (each group by file
/// name), so that the first entry of a name is the ".tdl" file when both exist. Empty when the
/// folder does not exist or cannot be read.
std::vector<LayoutFileEntry> listLayoutFiles(const std::string& folder);

/// The first entry named exactly `name`, or nullptr.
const LayoutFileEntry* firstEntryNamed(const std::vector<LayoutFileEntry>& entries,
                                       const std::string& name);

/// The plain ".tdl" and ".xml" files of `folder` sorted by file name, each with its full file name
/// (with extension, readable as for listLayoutFiles) and its path. Empty for an empty text or a
/// folder that does not exist.
std::vector<LayoutFileEntry> listImportableFiles(const std::string& folder);

/// Removes the layout file at `path`; false when it could not be removed.
bool deleteLayoutFile(const std::string& path);

/// Empty when `name` can be a library block name; otherwise why not and which characters may
/// be used.
std::string blockNameProblem(const std::string& name);

/// Saves the selection of `layout` as block `name` into `folder` (created with its parents):
/// folder + separator + name + ".tdl". An existing block of that name is replaced only once the
/// new one is complete. Errors: the refusal of blockNameProblem, "Cannot create folder: " + the
/// folder, or the errors of WriteBlock (such as "No pieces or scenery selected").
std::string saveLibraryBlockFile(const std::string& folder, const std::string& name,
                                 const Layout& layout, const RawWrite& rawWrite = {});

/// The file name an export writes for the typed `name`: any extension dropped (the part from the
/// last dot that is not the first character), then ".tdl" added. "name.xml" gives "name.tdl".
std::string exportFileName(const std::string& name);

/// Empty when the typed export `name` gives a file name inside the destination folder; otherwise
/// why not and which characters may be used.
std::string exportNameProblem(const std::string& name);

/// Copies the bytes of `source` over `target`; the previous target stays whole if the copy fails.
/// Error: "Could not copy the file to:\n" + target.
std::string copyLayoutFile(const std::string& source, const std::string& target);

/// Reads `path` as a layout without keeping it. Error: "This file does not appear to be a
/// Railvane layout:\n\n" + the reader's error.
std::string checkImportSource(const std::string& path);

/// Rewrites the layout file at `path` so that it carries the layout name `name`. Nothing is
/// written when the file cannot be read; returns the read or write error.
std::string renameStoredLayout(const std::string& path, const std::string& name);
