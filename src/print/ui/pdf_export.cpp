#include "print/ui/pdf_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <memory>

// wx/graphics.h first: it brings the settings that wx/dcgraph.h reads.
#include <wx/graphics.h>

#include <wx/dcgraph.h>

#include "document/atomic_file.h"
#include "print/ui/printed_page.h"

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

constexpr double kPointsPerInch = 72.0;

}  // namespace

std::string exportLayoutPdf(const Layout& layout, const PrintOptions& options, PaperSize paper,
                            const std::string& path, int* pages, const TrackCatalog& catalog) {
    const double pixelsPerMm = kPdfDotsPerInch / 25.4;
    const int width = static_cast<int>(std::lround(paper.width * pixelsPerMm));
    const int height = static_cast<int>(std::lround(paper.height * pixelsPerMm));
    const Bounds extent = printExtent(layout, options, catalog);
    const PageGrid grid = computePageGrid(extent, options, width, height, kPdfDotsPerInch);

    std::string bytes;
    const double toPoints = kPointsPerInch / 25.4;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(appendBytes, &bytes, paper.width * toPoints,
                                            paper.height * toPoints),
        cairo_surface_destroy);
    for (int page = 1; page <= grid.pages(); ++page) {
        cairo_t* cr = cairo_create(surface.get());
        cairo_scale(cr, kPointsPerInch / kPdfDotsPerInch, kPointsPerInch / kPdfDotsPerInch);
        {
            // The graphics context holds its own reference to the cairo context.
            wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr));
            drawPrintedPage(dc, layout, options, extent, grid, page, pixelsPerMm);
        }
        cairo_show_page(cr);
        cairo_destroy(cr);
    }
    cairo_surface_finish(surface.get());
    if (const cairo_status_t status = cairo_surface_status(surface.get());
        status != CAIRO_STATUS_SUCCESS) {
        return std::string("Cannot make the PDF: ") + cairo_status_to_string(status);
    }
    if (pages != nullptr) {
        *pages = grid.pages();
    }
    return saveFileAtomically(path, bytes);
}
