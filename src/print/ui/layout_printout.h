#pragma once
// "Railvane Layout": the printout the Print and Print Preview commands run. It computes the
// printed extent when printing begins and the scale and page grid for the page size it is given.

#include <wx/print.h>

#include "print/print_pages.h"

class LayoutPrintout : public wxPrintout {
public:
    LayoutPrintout(const Layout& layout, const PrintOptions& options,
                   const TrackCatalog& catalog = TrackCatalog::instance());

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* selFrom, int* selTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    const PageGrid& grid() const { return m_grid; }

private:
    /// The grid for the page size and resolution the device reports now.
    void UpdateGrid();

    const Layout& m_layout;
    PrintOptions m_options;
    const TrackCatalog& m_catalog;
    Bounds m_extent;
    PageGrid m_grid;
    int m_dpi = 300;
};
