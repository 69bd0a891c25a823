#include "wizards/bridge_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double kBasePlate = 2.5;    // 7250, under every stack
constexpr double kPlate3 = 3.0;       // 7251
constexpr double kPillar = 6.0;       // 7252
constexpr double kHighPillar = 30.0;  // 7253

std::string printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string printed(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

double catalogLength(const std::string& article, const TrackCatalog& catalog) {
    const PieceDef* def = catalog.byArticle(article);
    return def != nullptr ? def->length : 0.0;
}

}  // namespace

std::vector<double> synthesizedHeights(double clearance, double spacing, double grade) {
    const double d = spacing * grade / 100.0;
    const double t1 = d / 3.0, t2 = 2.0 * d / 3.0;
    std::vector<double> heights = {0.0, 0.0};
    double current = 0.0;
    const auto step = [&](double s) {
        current = std::min(current + s, clearance);
        heights.push_back(current);
    };
    step(kBasePlate);
    if (clearance > current) {
        step(t1);
        if (clearance > current) {
            step(t2);
        }
    }
    // A grade of zero would never climb: the loops below only run while each step gains height.
    if (d > 0.0) {
        while (clearance - current > t2 + d + 1e-6) {
            step(d);
        }
        while (clearance - current > t1 + 1e-6) {
            step(std::min(clearance - current, t2));
        }
    }
    if (clearance - current > 1e-6) {
        step(clearance - current);
    }
    return heights;
}

BridgePlan recomputeBridgePlan(const BridgeKit& kit, const ClearanceChoice& choice,
                               const std::vector<std::string>& composition) {
    BridgePlan plan;
    plan.system = kit.system;
    plan.composition = composition;
    plan.jointSpacing = kit.jointSpacing;
    plan.pillarTable = kit.pillarTable;
    plan.grade = choice.grade;
    const bool catalogProfile =
        choice.profile >= 0 && choice.profile < static_cast<int>(kit.profiles.size());
    if (catalogProfile) {
        const ClearanceProfile& profile = kit.profiles[static_cast<size_t>(choice.profile)];
        plan.heights = {0.0, 0.0};
        plan.heights.insert(plan.heights.end(), profile.jointHeights.begin(),
                            profile.jointHeights.end());
        plan.rampPiecesPerSide = profile.rampPiecesPerSide;
        plan.clearance = profile.clearance;
    } else {
        plan.clearance = choice.customClearance;
        plan.heights = synthesizedHeights(plan.clearance, kit.jointSpacing, choice.grade);
        plan.rampPiecesPerSide = std::max(1, static_cast<int>(plan.heights.size()) - 4);
        plan.synthesized = true;
    }
    return plan;
}

BridgeCounts bridgeCounts(const BridgePlan& plan, const BridgeKit& kit,
                          const TrackCatalog& catalog) {
    BridgeCounts counts;
    const int n = static_cast<int>(plan.heights.size());
    counts.rampPieces = 2 * plan.rampPiecesPerSide;
    counts.plainStraights = 2 * std::max(0, n - 1 - plan.rampPiecesPerSide);
    for (const std::string& article : plan.composition) {
        if (kit.girder != nullptr && article == kit.girder->article) {
            ++counts.girderSpans;
        } else {
            ++counts.archSpans;
        }
        counts.spanLength += catalogLength(article, catalog);
    }
    counts.rampLength = std::max(0, n - 1) * plan.jointSpacing;
    counts.footprint = 2.0 * counts.rampLength + counts.spanLength;
    return counts;
}

PillarStack pillarStack(double heightMm) {
    PillarStack stack;
    double r = heightMm - kBasePlate;
    if (r < -0.01) {
        return stack;
    }
    stack.highPillars = static_cast<int>(std::floor(r / kHighPillar + 1e-9));
    r -= kHighPillar * stack.highPillars;
    stack.pillars = static_cast<int>(std::floor(r / kPillar + 1e-9));
    r -= kPillar * stack.pillars;
    if (std::fabs(r - kPlate3) < 0.01) {
        stack.plate3 = true;
        r = 0.0;
    }
    stack.exact = std::fabs(r) < 0.01;
    return stack;
}

std::string pillarStackText(const PillarStack& stack) {
    std::string text = "1x7250";
    if (stack.plate3) {
        text += " + 1x7251";
    }
    if (stack.pillars > 0) {
        text += printed(" + %dx7252", stack.pillars);
    }
    if (stack.highPillars > 0) {
        text += printed(" + %dx7253", stack.highPillars);
    }
    if (!stack.exact) {
        text += "  (~)";
    }
    return text;
}

PillarTotals pillarTotals(const BridgePlan& plan) {
    PillarTotals totals;
    if (!plan.pillarTable) {
        return totals;
    }
    const auto count = [&totals](double height, int times) {
        const PillarStack stack = pillarStack(height);
        totals.basePlates += times;
        totals.plates3 += stack.plate3 ? times : 0;
        totals.pillars += stack.pillars * times;
        totals.highPillars += stack.highPillars * times;
    };
    for (size_t i = 2; i < plan.heights.size(); ++i) {
        count(plan.heights[i], 2);  // one stack on each side
    }
    if (plan.composition.size() >= 2) {
        count(plan.clearance, static_cast<int>(plan.composition.size()) - 1);
    }
    return totals;
}

std::string bridgeLength(double mm, Units units) {
    switch (units) {
        case Units::Centimetres:
            return printed("%.1f cm", mm / 10.0);
        case Units::Inches:
            return printed("%.2f\"", mm / 25.4);
        default:
            return printed("%.1f mm", mm);
    }
}

namespace {

std::string pillarSection(const BridgePlan& plan, Units units) {
    std::string text = "PILLARS per side (Marklin stacks)";
    if (plan.synthesized) {
        text += printed("  [synthesized, %.1f%% grade]", plan.grade);
    }
    text += "\n";
    for (size_t i = 2; i < plan.heights.size(); ++i) {
        text += printed("  %2d ", static_cast<int>(i) - 1) + bridgeLength(plan.heights[i], units) +
                "   " + pillarStackText(pillarStack(plan.heights[i])) + "\n";
    }
    if (plan.composition.size() >= 2) {
        text +=
            printed("  + %d bridge joint(s) at ", static_cast<int>(plan.composition.size()) - 1) +
            bridgeLength(plan.clearance, units) + "   " +
            pillarStackText(pillarStack(plan.clearance)) + "\n";
    }
    return text;
}

}  // namespace

std::string bridgeReport(const BridgePlan& plan, const BridgeKit& kit, Units units,
                         const TrackCatalog& catalog) {
    const BridgeCounts counts = bridgeCounts(plan, kit, catalog);
    const auto article = [](const PieceDef* def) {
        return def != nullptr ? def->article : std::string();
    };
    std::string text = plan.pillarTable ? pillarSection(plan, units) + "\n" : "";
    text += "PIECE TALLY (both sides)\n";
    text += printed("  %-10s ramp structures        x %d\n", article(kit.ramp).c_str(),
                    counts.rampPieces);
    text += printed("  %-10s plain straights (lead) x %d\n", article(kit.straight).c_str(),
                    counts.plainStraights);
    if (counts.girderSpans > 0) {
        text += printed("  %-10s truss/girder           x %d\n", article(kit.girder).c_str(),
                        counts.girderSpans);
    }
    if (counts.archSpans > 0) {
        text += printed("  %-10s arch                   x %d\n", article(kit.arch).c_str(),
                        counts.archSpans);
    }
    if (!plan.pillarTable) {
        return text;
    }
    const PillarTotals totals = pillarTotals(plan);
    text += printed("  7250       Base Plate  2.5 mm    x %d\n", totals.basePlates);
    if (totals.plates3 > 0) {
        text += printed("  7251       Base Plate  3 mm      x %d\n", totals.plates3);
    }
    text += printed("  7252       Pillar      6 mm      x %d\n", totals.pillars);
    text += printed("  7253       High Pillar 30 mm     x %d\n", totals.highPillars);
    text +=
        "  (pier stacks are reported here; the 3D view draws the\n   supports automatically - "
        "nothing to stack on the canvas)\n";
    return text;
}

std::string footprintText(double footprintMm, Units units) {
    return "TOTAL FOOTPRINT: " + (units == Units::Inches ? printed("%.1f\"", footprintMm / 25.4)
                                                         : printed("%.2f m", footprintMm / 1000.0));
}

std::string elevationSummary(const BridgePlan& plan, const BridgeCounts& counts, Units units) {
    const std::string ramp = bridgeLength(counts.rampLength, units);
    return "ascent " + ramp + "  +  bridge " + bridgeLength(counts.spanLength, units) +
           "  +  descent " + ramp + "      clearance " + bridgeLength(plan.clearance, units) +
           (plan.synthesized ? printed("  (custom - %.1f%% grade, synthesized)", plan.grade)
                             : std::string("  (Marklin catalog table)"));
}
