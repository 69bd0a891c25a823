#include "app/command_line.h"

#include "app/app_info.h"

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            return {CommandLine::Action::Help, {}, {}};
        }
        if (!optionsEnded && arg == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            // Keep looking: a later --help still answers with the help text.
            if (result.error.empty()) {
                result.error = "unknown option \"" + arg + "\"";
            }
            continue;
        }
        if (!result.file.empty()) {
            if (result.error.empty()) {
                result.error = "only one layout file can be opened at a time";
            }
            continue;
        }
        result.file = arg;
    }
    if (!result.error.empty()) {
        return {CommandLine::Action::Error, {}, result.error};
    }
    return result;
}

std::string helpText() {
    return "Usage: railvane [FILE]\n"
           "\n"
           "Plans model-railway track layouts. With FILE, opens that layout (.tdl, or .xml from\n"
           "earlier releases) at start.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string versionText() {
    return std::string(kAppTitle) + "\n";
}
