#include "print/ui/printed_page.h"

#include <cmath>

#include <wx/brush.h>
#include <wx/pen.h>

#include "render/ui/layout_renderer.h"

namespace {

// Short L-shaped marks at the corners of the tile, where neighbouring pages are lined up.
void drawCornerMarks(wxDC& dc, const PageGrid& grid, double pixelsPerMm) {
    const int mx = static_cast<int>(grid.pageWidth * 0.04);
    const int my = static_cast<int>(grid.pageHeight * 0.04);
    const int right = grid.pageWidth - mx, bottom = grid.pageHeight - my;
    const int arm = static_cast<int>(std::lround(5.0 * pixelsPerMm));
    dc.SetPen(wxPen(*wxBLACK, std::max(1, static_cast<int>(0.2 * pixelsPerMm))));
    for (const wxPoint corner :
         {wxPoint(mx, my), wxPoint(right, my), wxPoint(mx, bottom), wxPoint(right, bottom)}) {
        const int sx = corner.x == mx ? -1 : 1, sy = corner.y == my ? -1 : 1;
        dc.DrawLine(corner.x, corner.y, corner.x + sx * arm, corner.y);
        dc.DrawLine(corner.x, corner.y, corner.x, corner.y + sy * arm);
    }
}

// A bar exactly 100 mm long on paper with its label, on white at the tile's bottom left.
void drawCalibrationBar(wxDC& dc, const PrintOptions& options, const PageGrid& grid, int page,
                        double pixelsPerMm) {
    const double mx = std::trunc(grid.pageWidth * 0.04), my = std::trunc(grid.pageHeight * 0.04);
    const double x = mx + 5.0 * pixelsPerMm;
    const double y = grid.pageHeight - my - 6.0 * pixelsPerMm;
    const double length = kCalibrationBarMm * pixelsPerMm;
    // Text about 3 mm high on paper, whatever the device's resolution.
    const int textPixels = std::max(6, static_cast<int>(std::lround(3.0 * pixelsPerMm)));
    dc.SetFont(wxFont(wxFontInfo(wxSize(0, textPixels)).Family(wxFONTFAMILY_SWISS)));
    const wxString label = wxString::FromUTF8(calibrationLabel(options.scaleN, grid, page));
    const wxSize text = dc.GetTextExtent(label);
    const double pad = 1.5 * pixelsPerMm;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(
        wxRect(wxPoint(static_cast<int>(x - pad), static_cast<int>(y - text.y - 2 * pad)),
               wxSize(static_cast<int>(std::max(length, double(text.x)) + 2 * pad),
                      static_cast<int>(text.y + 3 * pad + pixelsPerMm))));
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(label, static_cast<int>(x), static_cast<int>(y - text.y - pad));
    // The bar as a filled strip, so its length does not depend on the pen's end caps.
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(wxRect(static_cast<int>(std::lround(x)), static_cast<int>(y),
                            static_cast<int>(std::lround(length)),
                            std::max(1, static_cast<int>(0.6 * pixelsPerMm))));
}

}  // namespace

void drawPrintedPage(wxDC& dc, const Layout& layout, const PrintOptions& options,
                     const Bounds& extent, const PageGrid& grid, int page, double pixelsPerMm) {
    const PageView place = pageView(grid, extent, page);
    CanvasView view;
    view.zoom = place.zoom;
    view.panX = place.panX;
    view.panY = place.panY;
    LayoutRenderer renderer;
    renderer.drawLayout(dc, layout, printRenderOptions(layout, options), view,
                        wxSize(grid.pageWidth, grid.pageHeight));
    if (grid.pages() > 1) {
        drawCornerMarks(dc, grid, pixelsPerMm);
    }
    if (options.scaleMode == PrintScaleMode::ActualScale) {
        drawCalibrationBar(dc, options, grid, page, pixelsPerMm);
    }
}
