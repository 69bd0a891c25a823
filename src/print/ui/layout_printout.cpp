#include "print/ui/layout_printout.h"

#include "print/ui/printed_page.h"

LayoutPrintout::LayoutPrintout(const Layout& layout, const PrintOptions& options,
                               const TrackCatalog& catalog)
    : wxPrintout("Railvane Layout"), m_layout(layout), m_options(options), m_catalog(catalog) {}

void LayoutPrintout::UpdateGrid() {
    int width = 0, height = 0;
    GetPageSizePixels(&width, &height);
    int dpiX = 0, dpiY = 0;
    GetPPIPrinter(&dpiX, &dpiY);
    m_dpi = dpiX < 1 ? 300 : dpiX;
    if (width != m_grid.pageWidth || height != m_grid.pageHeight) {
        m_grid = computePageGrid(m_extent, m_options, width, height, m_dpi);
    }
}

void LayoutPrintout::OnPreparePrinting() {
    m_extent = printExtent(m_layout, m_options, m_catalog);
    m_grid = PageGrid{};
    UpdateGrid();
}

void LayoutPrintout::GetPageInfo(int* minPage, int* maxPage, int* selFrom, int* selTo) {
    *minPage = *selFrom = 1;
    *maxPage = *selTo = std::max(1, m_grid.pages());
}

bool LayoutPrintout::HasPage(int page) {
    return page >= 1 && page <= m_grid.pages();
}

bool LayoutPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (dc == nullptr) {
        return false;
    }
    UpdateGrid();
    FitThisSizeToPage(wxSize(m_grid.pageWidth, m_grid.pageHeight));
    drawPrintedPage(*dc, m_layout, m_options, m_extent, m_grid, page, m_dpi / 25.4);
    return true;
}
