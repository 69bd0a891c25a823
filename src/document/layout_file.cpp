#include "document/layout_file.h"

#include "document/layout_writer.h"

std::string WriteLayout(const std::string& path, const Layout& layout, const std::string& name,
                        const RawWrite& rawWrite) {
    return saveFileAtomically(path, writeLayoutText(layout, name), rawWrite);
}

std::string ReadLayout(const std::string& path, Layout& layout, std::string& name,
                       std::vector<ReadNote>* notes) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readLayoutText(bytes, layout, name, notes); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}

std::string WriteBlock(const std::string& path, const Layout& layout, const std::string& name,
                       const RawWrite& rawWrite) {
    if (!hasBlockSelection(layout))
        return "No pieces or scenery selected";
    return saveFileAtomically(path, writeBlockText(layout, name), rawWrite);
}

std::string ReadBlock(const std::string& path, BlockContent& block) {
    std::string bytes;
    if (std::string error = loadWholeFile(path, bytes, kMaxLayoutFileBytes); !error.empty())
        return error;
    if (std::string error = readBlockText(bytes, block); !error.empty())
        return "Cannot read file: " + path + "\n" + error;
    return {};
}
