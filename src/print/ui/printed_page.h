#pragma once
// One printed page of the plan onto any device context: the printer's, the preview's, a bitmap or
// a PDF surface. The plan comes from the canvas's drawing with the page's zoom and pan; a tiled
// page gets corner marks at its tile's edges, and a true-scale page its calibration bar.

#include <wx/dc.h>

#include "print/print_pages.h"

/// Draws page `page` (1-based) of `grid` on a page of grid.pageWidth x grid.pageHeight device
/// pixels, `pixelsPerMm` device pixels to a millimetre of paper.
void drawPrintedPage(wxDC& dc, const Layout& layout, const PrintOptions& options,
                     const Bounds& extent, const PageGrid& grid, int page, double pixelsPerMm);
