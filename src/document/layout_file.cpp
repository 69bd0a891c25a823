#include "document/layout_file.h"

#include "document/layout_writer.h"

std::string saveDocumentText(const std::string& path, std::string_view text,
                             const RawWrite& rawWrite, std::size_t maxBytes) {
    if (text.size() > maxBytes) {
        return "The layout is too large to be saved: it would take " +
               std::to_string(text.size()) + " bytes, and a layout file may hold at most " +
               std::to_string(maxBytes) + ". Nothing was written to " + path;
    }
    return saveFileAtomically(path, text, rawWrite);
}

std::string checkedLayoutText(const Layout& layout, const std::string& name, std::string& text) {
    std::string written = writeLayoutText(layout, name);
    Layout check;
    std::string checkName;
    if (std::string problem = readLayoutText(written, check, checkName); !problem.empty()) {
        return "The layout cannot be saved, because the file could not be opened again:\n" +
               problem;
    }
    text = std::move(written);
    return {};
}

std::string WriteLayout(const std::string& path, const Layout& layout, const std::string& name,
                        const RawWrite& rawWrite) {
    std::string text;
    if (std::string problem = checkedLayoutText(layout, name, text); !problem.empty())
        return problem + "\nNothing was written to " + path;
    return saveDocumentText(path, text, rawWrite);
}

std::string ReadLayout(const std::string& path, Layout& layout, std::string& name,
                       std::vector<ReadNote>* notes, const ReadProgress& progress) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readLayoutText(bytes, layout, name, notes, progress); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}

std::string WriteBlock(const std::string& path, const Layout& layout, const std::string& name,
                       const RawWrite& rawWrite) {
    if (!hasBlockSelection(layout))
        return "No pieces or scenery selected";
    const std::string text = writeBlockText(layout, name);
    BlockContent check;
    if (std::string problem = readBlockText(text, check); !problem.empty()) {
        return "The block cannot be saved, because the file could not be opened again:\n" +
               problem + "\nNothing was written to " + path;
    }
    return saveDocumentText(path, text, rawWrite);
}

std::string ReadBlock(const std::string& path, BlockContent& block) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readBlockText(bytes, block); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}
