#include "frame/frame_title.h"

#include <filesystem>

#include "app/app_info.h"

std::string composeTitle(const std::string& layoutName, const std::string& filePath,
                         bool modified) {
    std::string title = kAppTitle;
    if (!layoutName.empty()) {
        title += " - " + layoutName;
    } else if (!filePath.empty()) {
        title += " - " + std::filesystem::path(filePath).stem().string();
    }
    if (modified) {
        title += " *";
    }
    return title;
}

std::string pieceCountText(size_t count) {
    return "Pieces: " + std::to_string(count);
}
