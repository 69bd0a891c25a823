#include "wizards/layout_wizard.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "edit/edit.h"
#include "wizards/loop_generator.h"

namespace {

constexpr double kMargins[] = {60.0, 20.7};
constexpr size_t kMinCorners = 4;
constexpr size_t kMaxCorners = 8;
/// Straight room a station needs beyond its turnouts and shortfall: the shortest platform.
constexpr double kStationLeast = 540.0;
/// An edge this much longer becomes the station edge regardless of where it lies.
constexpr double kStationEdgePreference = 180.0;

std::string format(const char* pattern, double a) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, a);
    return buffer;
}

/// The longest edge, preferring within 180 mm the one lower on screen.
int stationEdge(const InsetOutline& outline) {
    int best = -1;
    double bestLength = 0.0, bestY = 0.0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const double length = edgeLength(outline, i);
        const double midY = (outline[i].y + outline[(i + 1) % outline.size()].y) / 2.0;
        if (best < 0 || length > bestLength + kStationEdgePreference ||
            (length > bestLength - kStationEdgePreference && midY > bestY)) {
            best = static_cast<int>(i);
            bestLength = length;
            bestY = midY;
        }
    }
    return best;
}

/// The inner radius of a double track and its outline, if any smaller radius leaves room.
std::optional<std::pair<CurveSpec, InsetOutline>> innerLoop(const std::vector<Vec2>& table,
                                                            const LoopFit& fit,
                                                            const std::vector<CurveSpec>& curves,
                                                            double shortest) {
    const double r = fit.curve.radius;
    for (const CurveSpec& inner : curves) {
        if (!(inner.radius < r - 0.5)) {
            continue;
        }
        const auto outline = insetOutline(table, r - inner.radius + fit.margin);
        if (outline && passesAllowanceTest(fit.outline, r, inner.radius, shortest) &&
            passesAllowanceTest(*outline, inner.radius, r, shortest)) {
            return std::make_pair(inner, *outline);
        }
    }
    return std::nullopt;
}

/// Station pieces, edge and radius (which may lower the loop radius); a notice when none.
bool chooseStation(const LoopFit& fit, const std::vector<CurveSpec>& curves, double shortest,
                   const TrackCatalog& catalog, TrackSystem system, StationSpec& spec, int& edge,
                   CurveSpec& loop, std::vector<std::string>& notices) {
    if (!stationSpec(catalog, system, spec)) {
        notices.emplace_back(LayoutWizardText::kStationSystem);
        return false;
    }
    edge = stationEdge(fit.outline);
    const double need = 2.0 * spec.turnoutLength + spec.shortfall + kStationLeast;
    for (const CurveSpec& c : curves) {
        if (c.radius <= loop.radius + 0.5 && passesEdgeTest(fit.outline, c.radius, shortest) &&
            edgeLength(fit.outline, static_cast<size_t>(edge)) - 2.0 * c.radius >= need) {
            loop = c;
            return true;
        }
    }
    notices.emplace_back(LayoutWizardText::kStationRoom);
    edge = -1;
    return false;
}

/// Bridge pieces, edge and spans; a notice when none.
bool chooseBridge(const InsetOutline& outline, double radius,
                  const std::vector<StraightSpec>& straights, int stationEdge,
                  const TrackCatalog& catalog, TrackSystem system, BridgeSpec& spec,
                  std::vector<std::string>& notices) {
    if (!bridgePieces(catalog, system, spec)) {
        notices.emplace_back(LayoutWizardText::kBridgeSystem);
        return false;
    }
    double best = 0.0;
    for (size_t i = 0; i < outline.size(); ++i) {
        if (static_cast<int>(i) != stationEdge &&
            (spec.edge < 0 || edgeLength(outline, i) > best)) {
            spec.edge = static_cast<int>(i);
            best = edgeLength(outline, i);
        }
    }
    const double available = best - 2.0 * radius - 2.0 * spec.rampRun;
    if (spec.edge < 0 || !chooseSpans(spec, available, straights.back().length, straights)) {
        notices.emplace_back(LayoutWizardText::kBridgeRoom);
        spec.edge = -1;
        return false;
    }
    return true;
}

}  // namespace

std::string closingErrorMessage(double mm) {
    return format(
        "The loop closed with a %.1f mm mismatch at the final joint. You may want to adjust a "
        "straight or two near the seam.",
        mm);
}

std::string layoutWizardSummary(const Layout& layout, TrackSystem system) {
    const std::vector<Vec2>& v = layout.baseboard.vertices;
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    for (size_t i = 0; i < v.size(); ++i) {
        minX = i == 0 ? v[i].x : std::min(minX, v[i].x);
        maxX = i == 0 ? v[i].x : std::max(maxX, v[i].x);
        minY = i == 0 ? v[i].y : std::min(minY, v[i].y);
        maxY = i == 0 ? v[i].y : std::max(maxY, v[i].y);
    }
    const Units units = unitsFromInt(static_cast<int>(layout.units));
    std::string name = systemName(system);
    if (name == "Unknown") {
        name = "Other";
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "Table: %.1f x %.1f %s, %d corners (from Layout Shape)\nTrack system: %s "
                  "(from palette)",
                  toDisplay(maxX - minX, units), toDisplay(maxY - minY, units), unitLabel(units),
                  static_cast<int>(v.size()), name.c_str());
    return buffer;
}

FitOutcome fitLoop(const std::vector<Vec2>& table, const std::vector<CurveSpec>& curves,
                   double shortest, LoopFit& fit) {
    for (const double margin : kMargins) {
        const std::optional<InsetOutline> outline = insetOutline(table, margin);
        if (!outline) {
            return FitOutcome::NotRectilinear;
        }
        for (const CurveSpec& curve : curves) {
            if (passesEdgeTest(*outline, curve.radius, shortest)) {
                fit = {*outline, margin, curve};
                return FitOutcome::Fitted;
            }
        }
    }
    return FitOutcome::TooSmall;
}

LayoutWizardPlan planLayout(const std::vector<Vec2>& table, const LoopFit& fit,
                            const std::vector<CurveSpec>& curves,
                            const std::vector<StraightSpec>& straights,
                            const LayoutWizardChoices& choices, TrackSystem system, int32_t level,
                            const TrackCatalog& catalog) {
    LayoutWizardPlan plan;
    const double shortest = straights.back().length;
    std::optional<std::pair<CurveSpec, InsetOutline>> inner;
    if (choices.doubleTrack) {
        inner = innerLoop(table, fit, curves, shortest);
        if (!inner) {
            plan.notices.emplace_back(LayoutWizardText::kNoInnerTrack);
        }
    }
    LoopRequest outer{&fit.outline, fit.curve, fit.curve, &straights};
    StationSpec station;
    if (choices.station && inner) {
        plan.notices.emplace_back(LayoutWizardText::kStationDouble);
    } else if (choices.station) {
        plan.station = chooseStation(fit, curves, shortest, catalog, system, station,
                                     outer.stationEdge, outer.convex, plan.notices);
        outer.concave = outer.convex;
        outer.station = plan.station ? &station : nullptr;
    }
    BridgeSpec bridge;
    if (choices.bridge && inner) {
        plan.notices.emplace_back(LayoutWizardText::kBridgeDouble);
    } else if (choices.bridge) {
        plan.bridge = chooseBridge(fit.outline, outer.convex.radius, straights, outer.stationEdge,
                                   catalog, system, bridge, plan.notices);
        outer.bridgeEdge = bridge.edge;
        outer.bridge = plan.bridge ? &bridge : nullptr;
    }
    LoopGenerator generator(system, level);
    if (inner) {
        outer.concave = inner->first;
    }
    plan.radius = outer.convex.radius;
    plan.failed = !generator.generateLoop(outer);
    if (!plan.failed && inner) {
        plan.innerRadius = inner->first.radius;
        const LoopRequest innerRequest{&inner->second, inner->first, fit.curve, &straights};
        plan.failed = !generator.generateLoop(innerRequest);
    }
    plan.closingError = generator.closingError();
    if (!plan.failed) {
        plan.fragment = generator.takeFragment();
    }
    return plan;
}

namespace {

/// The checks, tables and radius fit before anything changes; false when the wizard stops.
bool prepare(const Layout& layout, Prompter& prompter, TrackSystem system,
             const LayoutWizardChooser& dialog, const TrackCatalog& catalog,
             LayoutWizardChoices& choices, std::vector<CurveSpec>& curves,
             std::vector<StraightSpec>& straights, LoopFit& fit) {
    const auto stop = [&](const char* text) {
        prompter.showMessage(kLayoutWizardTitle, text, PromptIcon::Info);
        return false;
    };
    const size_t corners = layout.baseboard.vertices.size();
    if (corners < kMinCorners) {
        return stop(LayoutWizardText::kNoTable);
    }
    if (corners > kMaxCorners) {
        return stop(LayoutWizardText::kTooManyCorners);
    }
    const std::optional<LayoutWizardChoices> chosen = dialog(layoutWizardSummary(layout, system));
    if (!chosen) {
        return false;
    }
    choices = *chosen;
    curves = curveTable(catalog, system);
    straights = straightTable(catalog, system);
    if (curves.empty() || straights.empty()) {
        return stop(LayoutWizardText::kNoPieces);
    }
    switch (fitLoop(layout.baseboard.vertices, curves, straights.back().length, fit)) {
        case FitOutcome::NotRectilinear:
            return stop(LayoutWizardText::kNotRectilinear);
        case FitOutcome::TooSmall:
            return stop(LayoutWizardText::kTooSmall);
        case FitOutcome::Fitted:
            break;
    }
    const bool onlySmallest = std::abs(fit.curve.radius - curves.back().radius) <= 0.5;
    return !(onlySmallest && curves.size() > 1 &&
             prompter.ask(kLayoutWizardR1Title, LayoutWizardText::kR1Question, PromptButtons::YesNo,
                          kIdNo, PromptIcon::Exclamation) != kIdYes);
}

}  // namespace

bool runLayoutWizard(LayoutEditor& editor, Prompter& prompter, TrackSystem system,
                     const LayoutWizardChooser& dialog) {
    const TrackCatalog& catalog = editor.catalog();
    LayoutWizardChoices choices;
    std::vector<CurveSpec> curves;
    std::vector<StraightSpec> straights;
    LoopFit fit;
    if (!prepare(editor.layout(), prompter, system, dialog, catalog, choices, curves, straights,
                 fit)) {
        return false;
    }
    const std::vector<LayoutLevel>& levels = editor.layout().levels;
    const int32_t level = levels.empty() ? 1 : levels.front().id;
    LayoutWizardPlan plan = planLayout(editor.layout().baseboard.vertices, fit, curves, straights,
                                       choices, system, level, catalog);
    for (const std::string& notice : plan.notices) {
        prompter.showMessage(kLayoutWizardTitle, notice, PromptIcon::Info);
    }
    if (plan.failed || plan.fragment.pieces.empty()) {
        prompter.showMessage(kLayoutWizardTitle, LayoutWizardText::kFailed, PromptIcon::Error);
        return false;
    }
    {
        Edit edit(editor);
        edit.change();
        edit.changeSetup().EnsureDefaultLevel();
        insertFragment(edit, plan.fragment, {0.0, 0.0}, false);
        edit.commit();
    }
    if (plan.closingError > 5.0) {
        prompter.showMessage(kLayoutWizardTitle, closingErrorMessage(plan.closingError),
                             PromptIcon::Info);
    }
    return true;
}
