#pragma once
// Helpers of the plan-drawing tests: build small layouts and draw them into a bitmap whose pixels
// the tests read back.

#include <string>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "../placed_piece_support.h"
#include "canvas/canvas_view.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "render/ui/layout_renderer.h"

namespace render_test {

/// A layout with the default level and the grid, rails and labels switched as asked.
inline Layout plainLayout(bool grid = false, bool rails = false, bool labels = false) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.showGrid = grid;
    layout.showRails = rails;
    layout.showLabels = labels;
    return layout;
}

using ::addPiece;
using ::join;

inline CanvasView makeView(double zoom, double panX = 60.0, double panY = 60.0) {
    CanvasView v;
    v.zoom = zoom;
    v.panX = panX;
    v.panY = panY;
    return v;
}

/// The layout drawn by drawLayout with `options` into a fresh bitmap of the given size.
inline wxImage draw(const Layout& layout, const RenderOptions& options, const CanvasView& view,
                    int width = 400, int height = 300) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        LayoutRenderer renderer;
        renderer.drawLayout(dc, layout, options, view, wxSize(width, height));
    }
    return bitmap.ConvertToImage();
}

/// The layout as the canvas draws it, with the layout's own display switches.
inline wxImage draw(const Layout& layout, const CanvasView& view, int width = 400,
                    int height = 300) {
    return draw(layout, canvasRenderOptions(layout), view, width, height);
}

/// "r,g,b" of a pixel, for readable failure messages.
inline std::string rgb(const wxImage& image, int x, int y) {
    return std::to_string(image.GetRed(x, y)) + "," + std::to_string(image.GetGreen(x, y)) + "," +
           std::to_string(image.GetBlue(x, y));
}

/// Number of pixels of exactly this colour.
inline int countColour(const wxImage& image, int r, int g, int b) {
    int n = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            n += image.GetRed(x, y) == r && image.GetGreen(x, y) == g && image.GetBlue(x, y) == b;
        }
    }
    return n;
}

/// Number of pixels that are not pure white.
inline int countNonWhite(const wxImage& image) {
    return image.GetWidth() * image.GetHeight() - countColour(image, 255, 255, 255);
}

}  // namespace render_test
