#pragma once
// The main window's title, from the layout's name or file and the unsaved-changes star.

#include <string>

/// "Railvane v1.7 by Vennomar", then " - " and `layoutName` when it is not empty, otherwise " - "
/// and the file name of `filePath` without folder and extension when there is a path; then " *"
/// when `modified`. Names are UTF-8.
std::string composeTitle(const std::string& layoutName, const std::string& filePath, bool modified);

/// Status field 1: "Pieces: N".
std::string pieceCountText(size_t count);
