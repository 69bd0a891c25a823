#include "app/ui/headless_export.h"

#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/init.h>

#include "document/layout_file.h"
#include "print/ui/pdf_export.h"
#include "render/ui/plan_export.h"

namespace {

PrintOptions printOptionsOf(const CommandLine::PdfPages& pdf) {
    PrintOptions options;
    switch (pdf.scale) {
        case CommandLine::PdfPages::Scale::OneTo:
            options.scaleMode = PrintScaleMode::ActualScale;
            options.scaleN = pdf.factor;
            break;
        case CommandLine::PdfPages::Scale::Percent:
            options.scaleMode = PrintScaleMode::Percentage;
            options.percentage = pdf.factor;
            break;
        case CommandLine::PdfPages::Scale::Fit:
            break;
    }
    return options;
}

}  // namespace

int RunPictureExport(const CommandLine& line, int argc, char** argv) {
    // The file first: a file that cannot be read is reported the same with or without a display.
    Layout layout;
    std::string name;
    if (const std::string error = ReadLayout(line.file, layout, name); !error.empty()) {
        std::fprintf(stderr, "railvane: %s\n", error.c_str());
        return kExitUnreadable;
    }
    // Starts the toolkit without running the application's OnInit: no window is built.
    if (!wxEntryStart(argc, argv)) {
        std::fputs(
            "railvane: the window toolkit cannot start, so there is nothing to draw "
            "with (no display?); run under xvfb-run on a machine without a screen\n",
            stderr);
        return kExitNoDisplay;
    }
    std::string error;
    switch (line.action) {
        case CommandLine::Action::ExportPng:
            error = ExportPlanPng(layout, line.output, line.width);
            break;
        case CommandLine::Action::ExportSvg:
            error = ExportPlanSvg(layout, line.output, line.width);
            break;
        default:
            error = exportLayoutPdf(layout, printOptionsOf(line.pdf),
                                    *paperByName(line.pdf.paper, line.pdf.landscape), line.output);
            break;
    }
    wxEntryCleanup();
    if (!error.empty()) {
        std::fprintf(stderr, "railvane: %s\n", error.c_str());
        return kExitCannotWrite;
    }
    return kExitOk;
}
