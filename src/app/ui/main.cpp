// The program's entry point. The command line is read before the toolkit starts, so --help and
// --version work without a display; the application class lives in the UI library so that tests
// can reuse its pieces.
#include <cstdio>
#include <string>
#include <vector>

#include <wx/app.h>

#include "app/command_line.h"
#include "app/ui/railvane_app.h"

wxIMPLEMENT_APP_NO_MAIN(RailvaneApp);

int main(int argc, char** argv) {
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(helpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(versionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "railvane: %s\nUsage: railvane [FILE]   (railvane --help)\n",
                         line.error.c_str());
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    return wxEntry(argc, argv);
}
