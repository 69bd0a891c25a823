#pragma once
// What Save, Save As and Import ask before a layout file is written: replacing an existing
// layout, replacing a read-only one, and the refusal when a folder or another non-file has the
// layout's file name.

#include <string>

#include "app/prompter.h"

/// What is at the path a layout is about to be written to.
enum class SaveTarget {
    Free,            ///< nothing yet
    Layout,          ///< a file that can be replaced
    ReadOnlyLayout,  ///< a file without write permission
    NotAFile,        ///< a folder or something else that is not a plain file
};

SaveTarget examineSaveTarget(const std::string& path);

/// How a command treats an existing layout at the target.
enum class ExistingLayout {
    Ask,      ///< Save As and Import: "A layout named ... already exists. Replace it?"
    Replace,  ///< Save to the open layout's own file: no question
};

/// Asks what writing layout `name` to `path` needs and returns whether to go on. An existing
/// layout is handled as `existing` says; a read-only one is always asked about ("Confirm
/// Replace", No as default), whatever `existing` says; a folder or another non-file is refused in
/// an error box titled `failTitle`, naming what is in the way.
bool confirmSaveTarget(Prompter& prompter, const std::string& path, const std::string& name,
                       ExistingLayout existing, const std::string& failTitle);

/// The same for Export writing a copy to `path`, whose questions name the file: an existing file
/// is replaced after "Confirm Replace", a read-only one after its own question (it stays
/// read-only), and a folder or another non-file is refused ("Export Failed").
bool confirmExportTarget(Prompter& prompter, const std::string& path);
