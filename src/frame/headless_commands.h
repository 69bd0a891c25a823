#pragma once
// The commands that work on a layout file without a window: the parts list as CSV and the check
// of a file. Each writes its result to `out` and what went wrong to `err`, and returns the
// program's exit code.

#include <iosfwd>
#include <string>

/// --parts: the parts list of the layout `file` as CSV (partsListCsv) on `out`. kExitUnreadable
/// with the reader's message on `err` when the file cannot be read.
int printPartsList(const std::string& file, std::ostream& out, std::ostream& err);

/// --check: reads the layout `file` and lists on `out`, one line each, what the reader repaired,
/// left out or could not place in its catalog ("FILE: line N: ..."), then a summary line. kExitOk for a clean file,
/// kExitRepaired when something was listed, kExitUnreadable with the reader's message (which
/// names the line) on `err` when the file is refused.
int checkLayoutFile(const std::string& file, std::ostream& out, std::ostream& err);
