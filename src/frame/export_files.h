#pragma once
// What the picture and parts-list exports of the File menu write where: the file the user chose
// with the extension its format needs, the picture width typed by the user, and the parts list
// itself. No window involved.

#include <optional>
#include <string>
#include <string_view>

class Layout;

/// The formats of File > Export Image, in the order of the file dialog's filters.
enum class PictureFormat { Png = 0, Svg = 1 };

/// The file dialog's filters for Export Image; their order matches PictureFormat.
inline constexpr std::string_view kPictureFilters =
    "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg";

/// Where an exported picture goes and in which format.
struct PictureTarget {
    std::string path;
    PictureFormat format = PictureFormat::Png;
};

/// The chosen path decides by its extension (".png" or ".svg", any case); a path with another or
/// no extension takes the chosen filter's format (0 PNG, 1 SVG) and gets its extension appended.
PictureTarget pictureTarget(const std::string& chosenPath, int filterIndex);

/// The chosen path with ".csv" appended unless it already ends in ".csv" (any case).
std::string partsListTarget(const std::string& chosenPath);

/// A typed picture width: whole pixels from kMinExportWidth to kMaxExportWidth, blanks around it
/// allowed; nothing for any other text.
std::optional<int> pictureWidthFromAnswer(std::string_view answer);

/// The message for a width that pictureWidthFromAnswer refused.
std::string pictureWidthProblem(std::string_view answer);

/// Writes the parts-list CSV of the layout's pieces to `path`, replacing the file only once every
/// byte is written. Returns the writer's error text, empty on success.
std::string writePartsListFile(const Layout& layout, const std::string& path);
