#pragma once
// What the program was asked to do on its command line: "railvane [FILE]" opens a layout at
// start, "--help" and "--version" print and quit before any window exists.

#include <string>
#include <vector>

/// The outcome of reading the command line.
struct CommandLine {
    enum class Action {
        Run,      ///< start the window, opening `file` when it is not empty
        Help,     ///< print helpText() to standard output and exit 0
        Version,  ///< print versionText() to standard output and exit 0
        Error     ///< print `error` and the usage line to standard error and exit 2
    };
    Action action = Action::Run;
    std::string file;   ///< layout file to open, as given
    std::string error;  ///< what was wrong, for Action::Error
};

/// Reads the arguments after the program name. "-h"/"--help" and "--version" win over anything
/// else; "--" ends the options; one file at most; any other argument starting with "-" is an
/// error.
CommandLine parseCommandLine(const std::vector<std::string>& args);

/// The usage text printed by --help.
std::string helpText();

/// The line printed by --version.
std::string versionText();
