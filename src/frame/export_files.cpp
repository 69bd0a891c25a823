#include "frame/export_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/command_line.h"
#include "document/atomic_file.h"
#include "panels/piece_tally.h"

namespace {

std::string lowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

PictureTarget pictureTarget(const std::string& chosenPath, int filterIndex) {
    const std::string ext = lowerExtension(chosenPath);
    if (ext == ".png") {
        return {chosenPath, PictureFormat::Png};
    }
    if (ext == ".svg") {
        return {chosenPath, PictureFormat::Svg};
    }
    return filterIndex == static_cast<int>(PictureFormat::Svg)
               ? PictureTarget{chosenPath + ".svg", PictureFormat::Svg}
               : PictureTarget{chosenPath + ".png", PictureFormat::Png};
}

std::string partsListTarget(const std::string& chosenPath) {
    return lowerExtension(chosenPath) == ".csv" ? chosenPath : chosenPath + ".csv";
}

std::optional<int> pictureWidthFromAnswer(std::string_view answer) {
    return parseExportWidth(trimmed(answer));
}

std::string pictureWidthProblem(std::string_view answer) {
    return "The width must be a whole number of pixels from " + std::to_string(kMinExportWidth) +
           " to " + std::to_string(kMaxExportWidth) + ", not \"" + std::string(answer) + "\".";
}

std::string writePartsListFile(const Layout& layout, const std::string& path) {
    return saveFileAtomically(path, partsListCsv(countLayoutPieces(layout)));
}
