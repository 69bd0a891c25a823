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

std::string WriteLayout(const std::string& path, const Layout& layout, const std::string& name,
                        const RawWrite& rawWrite) {
    return saveDocumentText(path, writeLayoutText(layout, name), rawWrite);
}

std::string ReadLayout(const std::string& path, Layout& layout, std::string& name) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readLayoutText(bytes, layout, name); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}

std::string WriteBlock(const std::string& path, const Layout& layout, const std::string& name,
                       const RawWrite& rawWrite) {
    if (!hasBlockSelection(layout))
        return "No pieces or scenery selected";
    return saveDocumentText(path, writeBlockText(layout, name), rawWrite);
}

std::string ReadBlock(const std::string& path, BlockContent& block) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readBlockText(bytes, block); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}
