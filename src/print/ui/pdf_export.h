#pragma once
// Export PDF: the pages Print would print, as vector drawing in a PDF file, without a printer.
// The pages are drawn as on a 300 dpi printer and scaled to PDF points, so a true-scale page
// measures the same as a printed one.

#include <string>

#include "print/print_pages.h"

/// Resolution the pages are laid out for, as a printer would report it.
inline constexpr int kPdfDotsPerInch = 300;

/// Writes every page of the plan to `path` (replaced safely: a failed export leaves an earlier
/// file as it was). Returns an empty text on success, else what went wrong. `pages` receives the
/// number of pages written.
std::string exportLayoutPdf(const Layout& layout, const PrintOptions& options, PaperSize paper,
                            const std::string& path, int* pages = nullptr,
                            const TrackCatalog& catalog = TrackCatalog::instance());
