#include "app/command_line.h"

#include <cctype>
#include <charconv>

#include "app/app_info.h"

namespace {

using Action = CommandLine::Action;

struct Mode {
    const char* option;
    Action action;
    size_t files;  ///< how many file names the mode needs: the layout, and the picture
};

constexpr Mode kModes[] = {
    {"--parts", Action::Parts, 1},          {"--check", Action::Check, 1},
    {"--export-png", Action::ExportPng, 2}, {"--export-svg", Action::ExportSvg, 2},
    {"--export-pdf", Action::ExportPdf, 2},
};

const Mode* modeOf(const std::string& arg) {
    for (const Mode& mode : kModes) {
        if (arg == mode.option) {
            return &mode;
        }
    }
    return nullptr;
}

bool isExport(Action action) {
    return action == Action::ExportPng || action == Action::ExportSvg;
}

// "--width N": the error text, or empty with `width` set.
std::string readWidth(const std::vector<std::string>& args, size_t& i, int& width) {
    if (i + 1 >= args.size()) {
        return "--width needs a number of pixels";
    }
    const std::string& text = args[++i];
    const std::optional<int> value = parseExportWidth(text);
    if (!value) {
        return "--width must be a whole number of pixels from " + std::to_string(kMinExportWidth) +
               " to " + std::to_string(kMaxExportWidth) + ", not \"" + text + "\"";
    }
    width = *value;
    return {};
}

// A whole number from 1 to 1000 after an option (the 1 : N scale, the percentage).
std::optional<int> readFactor(const std::vector<std::string>& args, size_t& i) {
    if (i + 1 >= args.size()) {
        return std::nullopt;
    }
    int value = 0;
    const std::string& text = args[++i];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1 || value > 1000) {
        return std::nullopt;
    }
    return value;
}

// The page options of --export-pdf: true when `arg` was one (an error text may be set).
bool readPageOption(const std::vector<std::string>& args, size_t& i, CommandLine& result,
                    std::string& error) {
    const std::string& arg = args[i];
    CommandLine::PdfPages& pdf = result.pdf;
    using Scale = CommandLine::PdfPages::Scale;
    if (arg == "--scale" || arg == "--percent") {
        const std::optional<int> factor = readFactor(args, i);
        if (!factor) {
            error = arg + " needs a whole number from 1 to 1000";
        } else {
            pdf.scale = arg == "--scale" ? Scale::OneTo : Scale::Percent;
            pdf.factor = *factor;
        }
        return true;
    }
    if (arg == "--fit") {
        pdf.scale = Scale::Fit;
        return true;
    }
    if (arg == "--landscape") {
        pdf.landscape = true;
        return true;
    }
    if (arg == "--paper") {
        std::string name = i + 1 < args.size() ? args[++i] : std::string();
        for (char& ch : name) {
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
        if (name == "a4" || name == "a3" || name == "letter") {
            pdf.paper = name;
        } else {
            error = "--paper must be a4, a3 or letter, not \"" + args[i] + "\"";
        }
        return true;
    }
    return false;
}

// Whether --help or --version comes before any "--": they answer whatever else is there.
Action answeredAtOnce(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "-h" || arg == "--help") {
            return Action::Help;
        }
        if (arg == "--version") {
            return Action::Version;
        }
    }
    return Action::Run;
}

// The files the mode needs, or the reason they do not fit.
std::string takeFiles(const Mode* mode, const std::vector<std::string>& files,
                      CommandLine& result) {
    if (mode == nullptr) {
        if (files.size() > 1) {
            return "only one layout file can be opened at a time";
        }
        result.file = files.empty() ? std::string() : files.front();
        return {};
    }
    if (files.size() != mode->files) {
        return std::string(mode->option) + (mode->files == 1
                                                ? " needs one layout file"
                                                : " needs a layout file and a picture file");
    }
    result.file = files[0];
    if (mode->files == 2) {
        result.output = files[1];
    }
    return {};
}

}  // namespace

std::optional<int> parseExportWidth(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < kMinExportWidth ||
        value > kMaxExportWidth) {
        return std::nullopt;
    }
    return value;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    if (const Action now = answeredAtOnce(args); now != Action::Run) {
        result.action = now;
        return result;
    }
    const Mode* mode = nullptr;
    bool widthGiven = false;
    bool pageGiven = false;
    bool optionsEnded = false;
    std::vector<std::string> files;
    std::string error;
    for (size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!option) {
            files.push_back(arg);
        } else if (const Mode* m = modeOf(arg)) {
            error = mode == nullptr ? ""
                                    : "only one of --parts, --check, --export-png, "
                                      "--export-svg and --export-pdf can be given";
            mode = m;
        } else if (arg == "--width") {
            error = readWidth(args, i, result.width);
            widthGiven = true;
        } else if (readPageOption(args, i, result, error)) {
            pageGiven = true;
        } else {
            error = "unknown option \"" + arg + "\"";
        }
    }
    if (error.empty() && widthGiven && (mode == nullptr || !isExport(mode->action))) {
        error = "--width goes with --export-png or --export-svg";
    }
    if (error.empty() && pageGiven && (mode == nullptr || mode->action != Action::ExportPdf)) {
        error = "--scale, --percent, --fit, --paper and --landscape go with --export-pdf";
    }
    if (error.empty()) {
        error = takeFiles(mode, files, result);
    }
    if (!error.empty()) {
        CommandLine wrong;
        wrong.action = Action::Error;
        wrong.error = error;
        return wrong;
    }
    result.action = mode == nullptr ? Action::Run : mode->action;
    return result;
}

std::string helpText() {
    return "Usage: railvane [FILE]\n"
           "       railvane --parts FILE\n"
           "       railvane --check FILE\n"
           "       railvane --export-png FILE OUT.png [--width N]\n"
           "       railvane --export-svg FILE OUT.svg [--width N]\n"
           "       railvane --export-pdf FILE OUT.pdf [--scale N | --percent P | --fit]\n"
           "                [--paper a4|a3|letter] [--landscape]\n"
           "\n"
           "Plans model-railway track layouts. With FILE, opens that layout (.tdl, or .xml from\n"
           "earlier releases) at start; Save writes it back to the same file.\n"
           "\n"
           "Without a window:\n"
           "      --parts       print the parts list of FILE as CSV (article, name, count, then\n"
           "                    the recommended accessories; UTF-8, RFC 4180 quoting)\n"
           "      --check       read FILE and list, by line, every problem the reader repaired,\n"
           "                    left out or refused\n"
           "      --export-png  draw the plan of FILE into a PNG picture (needs a display; use\n"
           "                    xvfb-run on a machine without one)\n"
           "      --export-svg  draw the plan of FILE into an SVG picture (needs a display too)\n"
           "      --export-pdf  print the plan of FILE into a PDF file as the Print command\n"
           "                    would, tiled over as many pages as it needs (needs a display too)\n"
           "      --scale N     --export-pdf at true scale 1 : N, with a 100 mm calibration bar\n"
           "      --percent P   --export-pdf at P percent of the fitted size; --fit (the default)\n"
           "                    fits the plan onto one page\n"
           "      --paper NAME  a4 (default), a3 or letter; --landscape turns it\n"
           "      --width N     width of the picture in pixels, " +
           std::to_string(kMinExportWidth) + " to " + std::to_string(kMaxExportWidth) +
           " (default " + std::to_string(kDefaultExportWidth) +
           ")\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "Exit codes:\n"
           "  0  done; --check: the file reads without problems\n"
           "  1  the layout file cannot be opened or is refused (the message names the line)\n"
           "  2  the command line is wrong\n"
           "  3  the picture or PDF file cannot be written\n"
           "  4  --check: the file reads, but with problems (each listed with its line)\n"
           "  5  --export-png/--export-svg/--export-pdf: no display to draw with\n";
}

std::string versionText() {
    return std::string(kAppTitle) + "\n";
}

std::string usageLine() {
    return "Usage: railvane [FILE]   (railvane --help)\n";
}
