#include "frame/headless_commands.h"

#include <ostream>
#include <vector>

#include "app/command_line.h"
#include "document/layout_file.h"
#include "panels/piece_tally.h"

namespace {

// Reads `file` into `layout`, reporting a refusal on `err`; false when it was refused.
bool readForCommand(const std::string& file, Layout& layout, std::vector<ReadNote>* notes,
                    std::ostream& err) {
    std::string name;
    const std::string error = ReadLayout(file, layout, name, notes);
    if (!error.empty()) {
        err << "railvane: " << error << '\n';
        return false;
    }
    return true;
}

}  // namespace

int printPartsList(const std::string& file, std::ostream& out, std::ostream& err) {
    Layout layout;
    if (!readForCommand(file, layout, nullptr, err)) {
        return kExitUnreadable;
    }
    out << partsListCsv(countLayoutPieces(layout));
    return out.good() ? kExitOk : kExitCannotWrite;
}

int checkLayoutFile(const std::string& file, std::ostream& out, std::ostream& err) {
    Layout layout;
    std::vector<ReadNote> notes;
    if (!readForCommand(file, layout, &notes, err)) {
        return kExitUnreadable;
    }
    for (const ReadNote& note : notes) {
        out << file << ": line " << note.line << ": " << note.text << '\n';
    }
    if (notes.empty()) {
        out << file << ": no problems\n";
        return kExitOk;
    }
    out << file << ": " << notes.size() << (notes.size() == 1 ? " problem" : " problems")
        << "; the layout opens all the same\n";
    return kExitRepaired;
}
