// The program's entry point. The command line is read before the toolkit starts, so --help,
// --version, --parts and --check work without a display; the exports start the toolkit without
// a window. The application class lives in the UI library so that tests can reuse its pieces.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <wx/app.h>

#include "app/command_line.h"
#include "frame/headless_commands.h"
#include "app/ui/headless_export.h"
#include "app/ui/railvane_app.h"

wxIMPLEMENT_APP_NO_MAIN(RailvaneApp);

int main(int argc, char** argv) {
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(helpText().c_str(), stdout);
            return kExitOk;
        case CommandLine::Action::Version:
            std::fputs(versionText().c_str(), stdout);
            return kExitOk;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "railvane: %s\n%s", line.error.c_str(), usageLine().c_str());
            return kExitUsage;
        case CommandLine::Action::Parts:
            return printPartsList(line.file, std::cout, std::cerr);
        case CommandLine::Action::Check:
            return checkLayoutFile(line.file, std::cout, std::cerr);
        case CommandLine::Action::ExportPng:
        case CommandLine::Action::ExportSvg:
        case CommandLine::Action::ExportPdf:
            return RunPictureExport(line, argc, argv);
        case CommandLine::Action::Run:
            break;
    }
    // GTK probes OpenGL when it opens the display, which maps Mesa and its LLVM (about 50 MB)
    // before anything is drawn. The plan needs none of it; the 3D view opens its own context
    // through GLX when it is asked for. A GDK_GL the user set is left as it is.
    ::setenv("GDK_GL", "disable", 0);
    return wxEntry(argc, argv);
}
