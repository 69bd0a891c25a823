#pragma once
// What the program was asked to do on its command line: "railvane [FILE]" opens a layout at
// start; "--help" and "--version" print and quit before any window exists; "--parts", "--check",
// "--export-png", "--export-svg" and "--export-pdf" work on a layout file without opening a
// window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Exit codes of the program, as --help lists them.
enum ExitCode : int {
    kExitOk = 0,
    kExitUnreadable = 1,   ///< the layout file cannot be opened or is refused
    kExitUsage = 2,        ///< the command line is wrong
    kExitCannotWrite = 3,  ///< the output file cannot be written
    kExitRepaired = 4,     ///< --check: the file was read, but with problems repaired
    kExitNoDisplay = 5,    ///< --export-png/--export-svg: the window toolkit cannot start
};

/// Width in pixels of an exported picture when --width is not given, and the range it may take.
inline constexpr int kDefaultExportWidth = 1600;
inline constexpr int kMinExportWidth = 100;
inline constexpr int kMaxExportWidth = 16000;

/// A picture width in whole pixels within the range above; nothing for any other text.
std::optional<int> parseExportWidth(std::string_view text);

/// The outcome of reading the command line.
struct CommandLine {
    enum class Action {
        Run,        ///< start the window, opening `file` when it is not empty
        Help,       ///< print helpText() to standard output and exit 0
        Version,    ///< print versionText() to standard output and exit 0
        Parts,      ///< print the parts list of `file` as CSV
        Check,      ///< read `file` and report what the reader repaired or refused
        ExportPng,  ///< draw the plan of `file` into the PNG picture `output`
        ExportSvg,  ///< draw the plan of `file` into the SVG picture `output`
        ExportPdf,  ///< print the plan of `file` into the PDF file `output`
        Error       ///< print `error` and the usage line to standard error and exit 2
    };
    Action action = Action::Run;
    std::string file;                 ///< layout file, as given
    std::string output;               ///< picture to write, for the exports
    int width = kDefaultExportWidth;  ///< picture width in pixels, for the exports
    /// The pages of --export-pdf: fitted unless a scale or percentage is asked for, on A4 portrait
    /// unless another sheet is named or turned.
    struct PdfPages {
        enum class Scale { Fit, OneTo, Percent };
        Scale scale = Scale::Fit;
        int factor = 0;            ///< N of 1 : N, or the percentage
        std::string paper = "a4";  ///< "a4", "a3" or "letter"
        bool landscape = false;
    } pdf;
    std::string error;  ///< what was wrong, for Action::Error
};

/// Reads the arguments after the program name. "-h"/"--help" and "--version" win over anything
/// else; "--" ends the options. At most one of --parts, --check, --export-png and --export-svg;
/// each needs its layout file, an export also its output file; "--width N" only with an export.
/// Without them one layout file at most. Any other argument starting with "-" is an error.
CommandLine parseCommandLine(const std::vector<std::string>& args);

/// The usage text printed by --help.
std::string helpText();

/// The line printed by --version.
std::string versionText();

/// The line printed under an error: "Usage: ..." with a pointer to --help.
std::string usageLine();
