#include "wizards/layout_wizard_tables.h"

#include <algorithm>
#include <cmath>

#include "tools/straight_fill.h"

std::vector<CurveSpec> curveTable(const TrackCatalog& catalog, TrackSystem system) {
    std::vector<CurveSpec> table;
    for (int i = 0; i < catalog.count(); ++i) {
        const PieceDef* def = catalog.byIndex(i);
        if (def->system != system || def->kind != PieceKind::Curve || def->isBridge ||
            def->isRamp || !(def->radius > 0.0) || !(def->angle > 0.0)) {
            continue;
        }
        const double perQuarter = 90.0 / def->angle;
        if (std::abs(perQuarter - std::round(perQuarter)) > 0.01) {
            continue;
        }
        const CurveSpec spec{def, def->radius, def->angle,
                             static_cast<int>(std::lround(perQuarter))};
        const auto same = std::find_if(table.begin(), table.end(),
                                       [&](const CurveSpec& c) { return c.radius == def->radius; });
        if (same == table.end()) {
            table.push_back(spec);
        } else if (def->angle > same->angle) {
            *same = spec;
        }
    }
    std::stable_sort(table.begin(), table.end(),
                     [](const CurveSpec& a, const CurveSpec& b) { return a.radius > b.radius; });
    return table;
}

std::vector<StraightSpec> straightTable(const TrackCatalog& catalog, TrackSystem system) {
    std::vector<StraightSpec> table;
    for (const PieceDef* def : plainStraights(catalog, system)) {
        table.push_back({def, def->length});
    }
    return table;
}

namespace {

/// The first combination within 0.25, 1.0 and then `tolerance` mm, fewest pieces first.
bool searchFill(const std::vector<StraightSpec>& straights, const std::vector<double>& lengths,
                double distance, double tolerance, std::vector<StraightSpec>& out) {
    StraightSearchLimits limits;
    limits.maxCount = static_cast<int>(std::min(std::ceil(distance / lengths.back()) + 2.0, 40.0));
    limits.maxCombos = 1;
    for (const double tol : {0.25, 1.0, tolerance}) {
        limits.tolerance = tol;
        const StraightSearchResult found = searchStraightCombos(lengths, distance, limits);
        if (!found.combos.empty()) {
            for (const int i : found.combos.front().pieces) {
                out.push_back(straights[static_cast<size_t>(i)]);
            }
            return true;
        }
    }
    return false;
}

/// Runs longer than this many of the longest piece are laid with that piece up to the rest.
constexpr double kBulkPieces = 4.0;

}  // namespace

std::vector<StraightSpec> fillStraights(const std::vector<StraightSpec>& straights, double distance,
                                        double tolerance) {
    std::vector<StraightSpec> out;
    // Also nothing for a distance that is not a number or infinite.
    if (straights.empty() || !(distance > tolerance) || !std::isfinite(distance)) {
        return out;
    }
    std::vector<double> lengths;
    for (const StraightSpec& s : straights) {
        lengths.push_back(s.length);
    }
    if (searchFill(straights, lengths, distance, tolerance, out)) {
        return out;
    }
    // A long run is beyond the search's piece count: the longest pieces take the bulk, so
    // that the search can still fit the rest exactly.
    double rest = distance;
    while (rest > kBulkPieces * lengths.front()) {
        out.push_back(straights.front());
        rest -= lengths.front();
    }
    if (rest < distance && searchFill(straights, lengths, rest, tolerance, out)) {
        return out;
    }
    // Greedy: the longest piece that still fits, as long as the shortest one does.
    const double shortest = lengths.back();
    size_t from = 0;
    while (rest >= shortest - 0.5) {
        while (from < straights.size() && straights[from].length > rest + 0.5) {
            ++from;
        }
        if (from == straights.size()) {
            break;
        }
        out.push_back(straights[from]);
        rest -= straights[from].length;
    }
    return out;
}

namespace {

struct StationArticles {
    TrackSystem system;
    const char* right;
    const char* left;
    const char* curve;
    const char* extra;  ///< empty when none
};

constexpr StationArticles kStationArticles[] = {
    {Systems::CTrack, "24612", "24611", "24224", ""},
    {Systems::TrixC, "62612", "62611", "62224", ""},
    {Systems::KTrack, "2263", "2262", "2232", ""},
    {Systems::ZTrack, "8563", "8562", "8591", "8500"},
    {Systems::MTrack, "5119", "5117", "5100", ""},
};

const PieceDef* systemPiece(const TrackCatalog& catalog, const char* article, TrackSystem system) {
    const PieceDef* def = catalog.byArticle(article);
    return def != nullptr && def->system == system ? def : nullptr;
}

}  // namespace

bool stationSpec(const TrackCatalog& catalog, TrackSystem system, StationSpec& spec) {
    const auto row = std::find_if(std::begin(kStationArticles), std::end(kStationArticles),
                                  [&](const StationArticles& a) { return a.system == system; });
    if (row == std::end(kStationArticles)) {
        return false;
    }
    spec = {};
    spec.rightTurnout = systemPiece(catalog, row->right, system);
    spec.leftTurnout = systemPiece(catalog, row->left, system);
    spec.curve = systemPiece(catalog, row->curve, system);
    if (*row->extra != '\0') {
        spec.extraStraight = systemPiece(catalog, row->extra, system);
        if (spec.extraStraight == nullptr) {
            return false;
        }
    }
    if (spec.rightTurnout == nullptr || spec.leftTurnout == nullptr || spec.curve == nullptr ||
        spec.rightTurnout->connectors.size() < 3 || spec.leftTurnout->connectors.size() < 3 ||
        spec.curve->connectors.size() < 2) {
        return false;
    }
    const ConnectorDef& branch = spec.rightTurnout->connectors[2];
    double bh = normalizeHeading(branch.heading);
    if (bh > 180.0) {
        bh = 360.0 - bh;
    }
    const double ls = spec.extraStraight != nullptr ? spec.extraStraight->length : 0.0;
    const double rc = spec.curve->radius;
    const double ac = degToRad(spec.curve->angle);
    spec.turnoutLength = spec.rightTurnout->length;
    spec.sidingRun = branch.x + ls * std::cos(degToRad(bh)) + rc * std::sin(ac);
    spec.sidingSpacing = std::abs(branch.y) + ls * std::sin(degToRad(bh)) + rc * (1 - std::cos(ac));
    spec.shortfall = 2.0 * spec.sidingRun - 2.0 * spec.turnoutLength;
    return true;
}

double BridgeSpec::spanLength() const {
    double total = 0.0;
    for (const PieceDef* def : spans) {
        total += def->length;
    }
    return total;
}

bool bridgePieces(const TrackCatalog& catalog, TrackSystem system, BridgeSpec& spec) {
    const char* const* articles = nullptr;
    static constexpr const char* kCTrack[] = {"24064", "24188", "74620", "74636"};
    static constexpr const char* kTrix[] = {"62064", "62188", "74620T", "74636T"};
    if (system == Systems::CTrack) {
        articles = kCTrack;
    } else if (system == Systems::TrixC) {
        articles = kTrix;
    } else {
        return false;
    }
    spec = {};
    spec.shortStraight = systemPiece(catalog, articles[0], system);
    spec.rampStraight = systemPiece(catalog, articles[1], system);
    spec.truss = systemPiece(catalog, articles[2], system);
    spec.arch = systemPiece(catalog, articles[3], system);
    if (spec.shortStraight == nullptr || spec.rampStraight == nullptr || spec.truss == nullptr ||
        spec.arch == nullptr) {
        return false;
    }
    for (const PieceDef* def : {spec.shortStraight, spec.rampStraight, spec.truss, spec.arch}) {
        if (def->connectors.size() < 2) {
            return false;
        }
    }
    spec.rampRun = 4.0 * spec.rampStraight->length + spec.shortStraight->length;
    return true;
}

bool chooseSpans(BridgeSpec& spec, double available, double shortest,
                 const std::vector<StraightSpec>& straights) {
    const PieceDef* t = spec.truss;
    const PieceDef* a = spec.arch;
    const std::vector<std::vector<const PieceDef*>> candidates = {
        {t, a, t}, {t, a}, {t, t}, {a}, {t}};
    const auto fills = [&](double distance) {
        double total = 0.0;
        for (const StraightSpec& s : fillStraights(straights, distance)) {
            total += s.length;
        }
        return distance <= 2.0 || std::abs(total - distance) <= 2.0;
    };
    // First the spans whose straights beside them fill the edge exactly, then any that fit.
    for (const bool exact : {true, false}) {
        for (const std::vector<const PieceDef*>& spans : candidates) {
            double total = 0.0;
            for (const PieceDef* def : spans) {
                total += def->length;
            }
            const double leftover = (available - total) / 2.0;
            if (total <= available && (leftover <= 2.0 || leftover >= shortest) &&
                (!exact || fills(available - total))) {
                spec.spans = spans;
                return true;
            }
        }
    }
    return false;
}
