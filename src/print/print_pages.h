#pragma once
// What a printout prints, without a printer: the options the user chose, the part of the plan
// that is printed, the scale and the grid of pages, where each page's tile lies, and the
// calibration bar of a true-scale print. The printout and the PDF export draw from these.

#include <optional>
#include <string>
#include <string_view>

#include "catalog/piece_shape.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "render/render_options.h"

enum class PrintScaleMode : int { FitToPage = 0, ActualScale = 1, Percentage = 2 };

struct PrintOptions {
    PrintScaleMode scaleMode = PrintScaleMode::FitToPage;
    int scaleN = 10;       ///< 1 : N, 1 ... 1000
    int percentage = 100;  ///< of the fitted size, 1 ... 1000
    bool activeLevelOnly = true;
    bool grayscale = false;
    bool grid = false;
    bool baseboardOutline = true;
};

/// The drawing options of a printed page: no selection, the chosen levels, grid, outline and
/// colour; the document's own switches are left alone.
RenderOptions printRenderOptions(const Layout& layout, const PrintOptions& options);

/// The printed part of the plan (mm): every piece known to the catalog (only the active level's
/// with activeLevelOnly) from its position to the point its length ahead, every scenery item's
/// position and, when the outline is printed, the baseboard vertices. (0, 0)-(1000, 1000) when
/// nothing counts.
Bounds printExtent(const Layout& layout, const PrintOptions& options, const TrackCatalog& catalog);

/// Length of the calibration bar on paper (mm).
inline constexpr double kCalibrationBarMm = 100.0;

/// The scale and pages for one page size (device pixels).
struct PageGrid {
    double scale = 1.0;  ///< device pixels per layout mm
    int columns = 1;
    int rows = 1;
    int pageWidth = 0, pageHeight = 0;
    int pages() const { return columns * rows; }
};
/// Fit: one page, the extent fitted into 92 % of it. 1 : N: `dpi` / 25.4 / N pixels per mm (300
/// dpi when the device reports less than 1). Percentage: the fitted scale times the percentage.
/// The last two tile the extent over as many pages as it needs.
PageGrid computePageGrid(const Bounds& extent, const PrintOptions& options, int pageWidth,
                         int pageHeight, int dpi);

/// Where page `page` (1-based) draws the plan: its zoom and pan in device pixels, its row and
/// column. One page is centred in its 4 % margins; of several, each shows its own tile between the
/// margins, and the drawing runs on into the margins, so neighbouring pages share that strip of
/// the plan for lining them up.
struct PageView {
    double zoom = 1.0;
    double panX = 0.0, panY = 0.0;
    int row = 0, column = 0;
};
PageView pageView(const PageGrid& grid, const Bounds& extent, int page);

/// A sheet of paper (mm) by its name: "a4", "a3" or "letter", any case; turned for landscape.
struct PaperSize {
    double width = 210.0;
    double height = 297.0;
};
std::optional<PaperSize> paperByName(std::string_view name, bool landscape);

/// The label of a true-scale page's calibration bar: what 100 mm of paper stand for and where
/// the page sits, e.g. "100 mm = 1 m at 1 : 10 \u00b7 row 1, column 2 of 2 x 3".
std::string calibrationLabel(int scaleN, const PageGrid& grid, int page);
