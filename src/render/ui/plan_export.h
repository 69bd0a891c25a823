#pragma once
// Pictures of the plan in files: the whole layout drawn by drawLayout, framed by planPicture,
// with the switches of pictureRenderOptions. The toolkit must be running (a display is needed).

#include <string>

class Layout;

/// Writes the plan `width` pixels wide as a PNG picture to `path`. Returns an error text
/// ("Cannot write file: " + path), empty on success.
std::string ExportPlanPng(const Layout& layout, const std::string& path, int width);

/// Writes the plan `width` pixels wide as an SVG picture to `path`. Errors as for ExportPlanPng.
std::string ExportPlanSvg(const Layout& layout, const std::string& path, int width);
