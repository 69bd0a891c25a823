#include "tools/target_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "document/snap_search.h"
#include "edit/edit.h"
#include "edit/elevation.h"
#include "tools/elevation_wizard.h"
#include "tools/straight_fill.h"

namespace {

constexpr double kFillTolerance = 1.5;  // mm
constexpr size_t kMaxSolutions = 64;
constexpr double kProposedClimb = 50.0;  // mm above the start

Units layoutUnits(const Layout& layout) {
    return unitsFromInt(static_cast<int>(layout.units));
}

/// The whole text read as one number (blanks around it allowed).
std::optional<double> parseNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value)) {
        return std::nullopt;
    }
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    return *end == '\0' ? std::optional<double>(value) : std::nullopt;
}

std::string selectTrackText(double distance, double grade, double z, double target, Units units) {
    char buf[256];
    const double g = std::abs(grade);
    std::snprintf(buf, sizeof buf,
                  "Distance: %.0f mm    Grade: %.2f deg (%.1f%%)\nHeight: %.1f %s -> %.1f %s\n\n"
                  "Select fill:",
                  distance, g, std::tan(degToRad(g)) * 100.0, toDisplay(z, units), unitLabel(units),
                  toDisplay(target, units), unitLabel(units));
    return buf;
}

}  // namespace

std::string targetHeightPrompt(double distanceMm, double zMm, Units units) {
    char buf[160];
    std::snprintf(buf, sizeof buf,
                  "Run distance: %.0f mm\nStarting height: %.1f %s\n\nWhat height should the far "
                  "end reach?",
                  distanceMm, toDisplay(zMm, units), unitLabel(units));
    return buf;
}

std::string targetHeightProposal(double zMm, Units units) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.1f", toDisplay(zMm + kProposedClimb, units));
    return buf;
}

std::vector<TargetFillSolution> searchTargetFill(TrackSystem system, double distanceMm,
                                                 bool* noCandidates, const TrackCatalog& catalog) {
    const std::vector<const PieceDef*> defs = plainStraights(catalog, system);
    if (noCandidates != nullptr) {
        *noCandidates = defs.empty();
    }
    std::vector<TargetFillSolution> out;
    if (defs.empty()) {
        return out;
    }
    const std::vector<double> lengths = straightLengths(defs);
    StraightSearchLimits limits;
    limits.tolerance = kFillTolerance;
    limits.maxCount = straightPieceLimit(distanceMm, lengths.back());
    limits.maxCombos = kMaxSolutions;
    for (const StraightCombo& combo : searchStraightCombos(lengths, distanceMm, limits).combos) {
        out.push_back({comboArticles(combo, defs), combo.total});
    }
    return out;
}

double targetGrade(double zMm, double targetMm, double distanceMm) {
    return radToDeg(std::asin(std::clamp((targetMm - zMm) / distanceMm, -1.0, 1.0)));
}

std::string targetFillLine(const TargetFillSolution& solution) {
    std::string line;
    for (const std::string& article : solution.articles) {
        line += (line.empty() ? "" : " + ") + article;
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "  (%.1f mm)", solution.total);
    return line + buf;
}

std::string askTargetHeight(LayoutEditor& editor, Prompter& prompter, const TargetFillStart& start,
                            double distanceMm, const TargetFillChooser& choose) {
    const PlacedPiece* piece = editor.layout().FindPiece(start.piece);
    if (piece == nullptr) {
        return kWizardCancelledStatus;
    }
    const Units units = layoutUnits(editor.layout());
    const std::optional<std::string> answer =
        prompter.askText(kTargetHeightTitle, targetHeightPrompt(distanceMm, piece->z, units),
                         targetHeightProposal(piece->z, units));
    if (!answer) {
        return kWizardCancelledStatus;
    }
    const std::optional<double> typed = parseNumber(*answer);
    if (!typed) {
        prompter.showMessage(kWizardTitle, "That is not a number.", PromptIcon::Exclamation);
        return {};
    }
    return fillToTargetHeight(editor, prompter, start, distanceMm, fromDisplay(*typed, units),
                              choose);
}

std::string fillToTargetHeight(LayoutEditor& editor, Prompter& prompter,
                               const TargetFillStart& start, double distanceMm, double targetMm,
                               const TargetFillChooser& choose) {
    const PlacedPiece* piece = editor.layout().FindPiece(start.piece);
    const PieceDef* def = piece != nullptr ? editor.catalog().byArticle(piece->article) : nullptr;
    bool noCandidates = true;
    TargetFillChoice choice;
    if (def != nullptr) {
        choice.solutions =
            searchTargetFill(def->system, distanceMm, &noCandidates, editor.catalog());
    }
    if (noCandidates) {
        prompter.showMessage(kWizardTitle,
                             "No straight track pieces found in the catalog for this series.",
                             PromptIcon::Exclamation);
        return {};
    }
    char buf[192];
    if (choice.solutions.empty()) {
        std::snprintf(buf, sizeof buf,
                      "No combination of catalog straights fills the %.0f mm distance within "
                      "tolerance.",
                      distanceMm);
        prompter.showMessage(kFillNoSolutionTitle, buf, PromptIcon::Info);
        return {};
    }
    const Units units = layoutUnits(editor.layout());
    const double z = piece->z;
    choice.grade = targetGrade(z, targetMm, distanceMm);
    if (std::abs(choice.grade) > kSteepGrade) {
        std::snprintf(buf, sizeof buf,
                      "Reaching %.1f %s over this distance needs a grade of %.2f deg, which "
                      "exceeds the 6 deg maximum normally recommended.\n\nContinue anyway?",
                      toDisplay(targetMm, units), unitLabel(units), std::abs(choice.grade));
        if (prompter.ask(kSteepGradeTitle, buf, PromptButtons::YesNo, kIdNo,
                         PromptIcon::Exclamation) != kIdYes) {
            return {};
        }
    }
    choice.text = selectTrackText(distanceMm, choice.grade, z, targetMm, units);
    for (const TargetFillSolution& solution : choice.solutions) {
        choice.lines.push_back(targetFillLine(solution));
    }
    const int chosen = choose(choice);
    if (chosen < 0 || chosen >= static_cast<int>(choice.solutions.size())) {
        return {};
    }
    const TargetFillSolution& solution = choice.solutions[static_cast<size_t>(chosen)];
    if (!placeTargetFill(editor, start, solution, choice.grade)) {
        prompter.showMessage(kWizardTitle,
                             "Internal error: a fill piece is missing or has too few connectors.",
                             PromptIcon::Error);
        return {};
    }
    std::snprintf(buf, sizeof buf, "Elevated %d pieces to %.1f %s  (%.2f deg)",
                  static_cast<int>(solution.articles.size()), toDisplay(targetMm, units),
                  unitLabel(units), choice.grade);
    return buf;
}

bool placeTargetFill(LayoutEditor& editor, const TargetFillStart& start,
                     const TargetFillSolution& solution, double grade) {
    const PlacedPiece* first = editor.layout().FindPiece(start.piece);
    std::vector<const PieceDef*> defs;
    for (const std::string& article : solution.articles) {
        const PieceDef* def = editor.catalog().byArticle(article);
        if (def == nullptr || def->connectors.size() < 2) {
            return false;
        }
        defs.push_back(def);
    }
    if (first == nullptr || defs.empty()) {
        return false;
    }
    const int32_t level = first->level;
    double height = first->z;
    const double slope = std::sin(degToRad(grade));
    Edit edit(editor);
    WorldConnector end = start.pose;
    uint32_t previous = start.piece;
    int previousConn = start.conn;
    for (const PieceDef* def : defs) {
        PlacedPiece piece;
        piece.article = def->article;
        const Pose pose = matingPose(*def, 0, end);
        piece.setPose(pose);
        piece.level = level;
        piece.grade = grade;
        piece.z = height;
        const uint32_t id = edit.addPiece(std::move(piece));
        // The fill sets its own heights: the climb is even over the whole run.
        edit.join(id, 0, previous, previousConn, Edit::Heights::Keep);
        height += slope * riseLength(*def);
        end = connectorToWorld(pose, *def, 1);
        previous = id;
        previousConn = 1;
    }
    edit.commit();
    return true;
}
