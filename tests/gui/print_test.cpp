// Printed pages: a page drawn into a bitmap shows track where the pieces are, and a true-scale
// plan exported as PDF has the expected pages and a calibration bar of 100 mm on paper.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "gui_support.h"
#include "print/ui/pdf_export.h"
#include "print/ui/printed_page.h"
#include "render_support.h"

namespace {

// Sixteen straights in a row: a plan a little over 3 m long.
Layout threeMetreLine() {
    Layout layout = render_test::plainLayout();
    for (int i = 0; i < 16; ++i) {
        render_test::addPiece(layout, "24188", i * 188.3, 0.0);
    }
    return layout;
}

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
        out += buffer;
    }
    return out;
}

// Length of the longest run of dark pixels along any row in the lower half of the image.
int longestDarkRow(const wxImage& image) {
    int longest = 0;
    for (int y = image.GetHeight() / 2; y < image.GetHeight(); ++y) {
        int run = 0;
        for (int x = 0; x < image.GetWidth(); ++x) {
            const bool dark =
                image.GetRed(x, y) < 60 && image.GetGreen(x, y) < 60 && image.GetBlue(x, y) < 60;
            run = dark ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

}  // namespace

TEST(PrintedPage, AFittedPageShowsTrackWhereThePiecesAre) {
    const Layout layout = threeMetreLine();
    const PrintOptions options;
    const Bounds extent = printExtent(layout, options, TrackCatalog::instance());
    const PageGrid grid = computePageGrid(extent, options, 800, 600, 300);
    wxBitmap bitmap(800, 600, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        drawPrintedPage(dc, layout, options, extent, grid, 1, 300 / 25.4);
    }
    const wxImage image = bitmap.ConvertToImage();
    const PageView view = pageView(grid, extent, 1);
    // Half way along the line, on its centre line: the track's fill.
    const int x = static_cast<int>(view.panX + 1500 * view.zoom);
    const int y = static_cast<int>(view.panY);
    EXPECT_EQ(image.GetRed(x, y), RenderStyle::kTrackFill.r);
    EXPECT_EQ(image.GetGreen(x, y), RenderStyle::kTrackFill.g);
    // Well below the line: paper.
    EXPECT_EQ(image.GetRed(x, y + 100), 255);
}

TEST(PdfExport, AThreeMetrePlanAtOneToTenFillsTwoA4PagesWithAHundredMillimetreBar) {
    const std::filesystem::path pdf = testRoot() / "plan.pdf";
    PrintOptions options;
    options.scaleMode = PrintScaleMode::ActualScale;
    int pages = 0;
    ASSERT_EQ(
        exportLayoutPdf(threeMetreLine(), options, *paperByName("a4", false), pdf.string(), &pages),
        "");
    EXPECT_EQ(pages, 2);
    EXPECT_NE(run("pdfinfo '" + pdf.string() + "'").find("Pages:           2"), std::string::npos);

    // Rendered at 254 dpi a millimetre is 10 pixels: the bar is 1000 +- 2 of them.
    const std::filesystem::path png = testRoot() / "page";
    run("pdftoppm -r 254 -f 1 -l 1 -png -singlefile '" + pdf.string() + "' '" + png.string() + "'");
    wxImage image;
    ASSERT_TRUE(image.LoadFile(png.string() + ".png", wxBITMAP_TYPE_PNG));
    EXPECT_NEAR(longestDarkRow(image), 1000, 2);
}

TEST(PdfExport, AFolderThatCannotBeWrittenGivesAMessageAndNoFile) {
    const std::string error =
        exportLayoutPdf(threeMetreLine(), PrintOptions{}, *paperByName("letter", true),
                        (testRoot() / "no-such-folder" / "x.pdf").string());
    EXPECT_NE(error, "");
}
