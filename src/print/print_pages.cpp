#include "print/print_pages.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr double kUsable = 0.92;  // of the page, for the scale and the grid
constexpr double kMargin = 0.04;  // of the page on each side, for the drawing

// Pages needed along one direction; bounded, so a huge extent at a tiny scale cannot ask for
// billions of pages.
int tilesAlong(double drawn, double usable) {
    return static_cast<int>(std::clamp(std::ceil(drawn / usable), 1.0, 10000.0));
}

}  // namespace

RenderOptions printRenderOptions(const Layout& layout, const PrintOptions& options) {
    RenderOptions render;
    render.showSelection = false;
    render.showGrid = options.grid;
    render.gridSpacing = layout.gridSpacing;
    render.showLabels = layout.showLabels;
    render.showRails = layout.showRails;
    render.showBaseboard = options.baseboardOutline;
    render.grayscale = options.grayscale;
    if (options.activeLevelOnly) {
        render.onlyLevel = layout.activeLevel;
    }
    return render;
}

Bounds printExtent(const Layout& layout, const PrintOptions& options, const TrackCatalog& catalog) {
    Bounds extent;
    for (const PlacedPiece& piece : layout.pieces) {
        const PieceDef* def = catalog.byArticle(piece.article);
        if (def == nullptr || (options.activeLevelOnly && piece.level != layout.activeLevel)) {
            continue;
        }
        const double h = degToRad(piece.heading);
        extent.add(Vec2{piece.x, piece.y});
        extent.add(Vec2{piece.x + def->length * std::cos(h), piece.y + def->length * std::sin(h)});
    }
    for (const SceneryItem& item : layout.scenery) {
        extent.add(Vec2{item.x, item.y});
    }
    if (options.baseboardOutline) {
        for (const Vec2& v : layout.baseboard.vertices) {
            extent.add(v);
        }
    }
    if (extent.empty()) {
        extent.add(Vec2{0.0, 0.0});
        extent.add(Vec2{1000.0, 1000.0});
    }
    return extent;
}

PageGrid computePageGrid(const Bounds& extent, const PrintOptions& options, int pageWidth,
                         int pageHeight, int dpi) {
    PageGrid grid;
    grid.pageWidth = pageWidth;
    grid.pageHeight = pageHeight;
    const double ew = std::max(extent.width(), 1.0), eh = std::max(extent.height(), 1.0);
    const double uw = std::max(std::trunc(pageWidth * kUsable), 1.0);
    const double uh = std::max(std::trunc(pageHeight * kUsable), 1.0);
    const double fitted = std::min(uh / eh, uw / ew);
    const double pixelsPerMm = (dpi < 1 ? 300 : dpi) / 25.4;
    switch (options.scaleMode) {
        case PrintScaleMode::FitToPage:
            grid.scale = fitted;
            return grid;
        case PrintScaleMode::ActualScale:
            grid.scale = pixelsPerMm / std::max(options.scaleN, 1);
            break;
        case PrintScaleMode::Percentage:
            grid.scale = fitted * std::clamp(options.percentage, 1, 1000) / 100.0;
            break;
    }
    grid.columns = tilesAlong(grid.scale * ew, uw);
    grid.rows = tilesAlong(grid.scale * eh, uh);
    return grid;
}

PageView pageView(const PageGrid& grid, const Bounds& extent, int page) {
    PageView view;
    const int index = std::clamp(page, 1, grid.pages()) - 1;
    view.row = index / grid.columns;
    view.column = index % grid.columns;
    view.zoom = grid.scale;
    const double mx = std::trunc(grid.pageWidth * kMargin),
                 my = std::trunc(grid.pageHeight * kMargin);
    const double pw = grid.pageWidth - 2 * mx, ph = grid.pageHeight - 2 * my;
    const double ew = std::max(extent.width(), 1.0), eh = std::max(extent.height(), 1.0);
    if (grid.pages() == 1) {
        view.panX = (pw - ew * grid.scale) / 2 + mx - grid.scale * extent.minX;
        view.panY = (ph - eh * grid.scale) / 2 + my - grid.scale * extent.minY;
        return view;
    }
    view.panX = mx - pw * view.column - grid.scale * extent.minX;
    view.panY = my - ph * view.row - grid.scale * extent.minY;
    return view;
}

std::string calibrationLabel(int scaleN, const PageGrid& grid, int page) {
    const double stands = kCalibrationBarMm * std::max(scaleN, 1);
    char length[32];
    if (stands < 1000.0) {
        std::snprintf(length, sizeof length, "%.0f mm", stands);
    } else {
        std::snprintf(length, sizeof length, "%g m", stands / 1000.0);
    }
    const int index = std::clamp(page, 1, grid.pages()) - 1;
    char text[160];
    std::snprintf(text, sizeof text, "100 mm = %s at 1 : %d \u00b7 row %d, column %d of %d x %d",
                  length, std::max(scaleN, 1), index / grid.columns + 1, index % grid.columns + 1,
                  grid.rows, grid.columns);
    return text;
}

std::optional<PaperSize> paperByName(std::string_view name, bool landscape) {
    std::string lower(name);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    PaperSize paper;
    if (lower == "a3") {
        paper = {297.0, 420.0};
    } else if (lower == "letter") {
        paper = {215.9, 279.4};
    } else if (lower != "a4") {
        return std::nullopt;
    }
    if (landscape) {
        std::swap(paper.width, paper.height);
    }
    return paper;
}
