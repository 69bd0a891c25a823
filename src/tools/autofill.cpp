#include "tools/autofill.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "document/snap_search.h"
#include "edit/edit.h"
#include "tools/straight_fill.h"

namespace {

constexpr double kMinGap = 1.0;               // mm: closer ends need no fill
constexpr double kStraightHeadingDiff = 170;  // degrees between the end headings
constexpr double kStraightOffset = 5.0;       // mm of B beside A's line
constexpr double kStraightTolerance = 1.5;    // mm
constexpr size_t kStraightEnough = 16;        // options that end the straight search
constexpr double kArcEndTolerance = 2.0;      // mm between the arc's end and B
constexpr double kRadiusTolerance = 3.0;      // mm between a curve's radius and the arc's
constexpr double kAngleTolerance = 0.5;       // degrees of the summed curves off the arc
constexpr int kMaxCurves = 64;
constexpr double kTiny = 1e-9;

/// The nearest pair of open ends (A's connectors outer, strictly nearer replaces).
bool nearestOpenEnds(const PlacedPiece& a, const PieceDef& da, const PlacedPiece& b,
                     const PieceDef& db, GapSearch& out) {
    bool found = false;
    double best = 0.0;
    for (int i = 0; i < static_cast<int>(da.connectors.size()); ++i) {
        if (!a.jointAt(i).isOpen()) {
            continue;
        }
        const WorldConnector ea = connectorToWorld(a, da, i);
        for (int j = 0; j < static_cast<int>(db.connectors.size()); ++j) {
            if (!b.jointAt(j).isOpen()) {
                continue;
            }
            const WorldConnector eb = connectorToWorld(b, db, j);
            const double d = std::hypot(eb.x - ea.x, eb.y - ea.y);
            if (!found || d < best) {
                found = true;
                best = d;
                out.endA = ea;
                out.endB = eb;
            }
        }
    }
    out.gap = best;
    return found;
}

void searchStraight(const TrackCatalog& catalog, TrackSystem system, GapSearch& out) {
    const std::vector<const PieceDef*> defs = plainStraights(catalog, system);
    if (defs.empty()) {
        return;
    }
    const std::vector<double> lengths = straightLengths(defs);
    StraightSearchLimits limits;
    limits.tolerance = kStraightTolerance;
    limits.maxCount = straightPieceLimit(out.gap, lengths.back());
    limits.enoughAfterCount = kStraightEnough;
    const StraightSearchResult found = searchStraightCombos(lengths, out.gap, limits);
    out.cut = found.cut;
    for (const StraightCombo& combo : found.combos) {
        out.options.push_back({comboArticles(combo, defs), combo.total, false});
    }
    const double gap = out.gap;
    std::stable_sort(out.options.begin(), out.options.end(),
                     [gap](const FillOption& x, const FillOption& y) {
                         if (x.pieces.size() != y.pieces.size()) {
                             return x.pieces.size() < y.pieces.size();
                         }
                         return std::abs(x.total - gap) < std::abs(y.total - gap);
                     });
}

struct Arc {
    double radius = 0.0;
    double angle = 0.0;  ///< signed degrees; positive turns right (towards +y at heading 0)
};

/// Where an arc of `arc` leaving `start` ends (layout frame).
Vec2 arcEnd(const WorldConnector& start, const Arc& arc) {
    const double s = arc.angle > 0.0 ? 1.0 : -1.0;
    const double h0 = degToRad(start.heading);
    const double h1 = degToRad(start.heading + arc.angle);
    return {start.x + arc.radius * s * (std::sin(h1) - std::sin(h0)),
            start.y + arc.radius * s * (std::cos(h0) - std::cos(h1))};
}

/// The single arcs that leave A along its heading and arrive at B facing it.
std::vector<Arc> arcCandidates(const WorldConnector& a, const WorldConnector& b) {
    const double hA = a.heading;
    const double delta = degToRad(b.heading + 180.0 - hA);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double sinD = std::sin(delta), cosD = std::cos(delta);
    std::vector<double> angles;
    if (std::abs(sinD) < kTiny && cosD < 0.0) {
        angles = {180.0, -180.0};  // the ends point the same way side by side
    } else if (std::abs(sinD) >= kTiny) {
        const double theta = radToDeg(std::atan2(sinD, cosD));
        angles = {theta, theta > 0.0 ? theta - 360.0 : theta + 360.0};  // or the rest of the circle
    }
    std::vector<Arc> arcs;
    const double sinA = std::sin(degToRad(hA)), cosA = std::cos(degToRad(hA));
    for (const double phi : angles) {
        if (std::abs(phi) < 1e-6) {
            continue;
        }
        const double s = phi > 0.0 ? 1.0 : -1.0;
        const double w = 2.0 * s * (dy * cosA - dx * sinA);
        if (std::abs(w) < kTiny) {
            continue;
        }
        const Arc arc{(dx * dx + dy * dy) / w, phi};
        if (!(arc.radius > 1e-6)) {
            continue;
        }
        // The circle through A and B always passes B; the turn must also end there, which holds
        // only when the ends' headings agree with the chord.
        const Vec2 end = arcEnd(a, arc);
        if (std::hypot(end.x - b.x, end.y - b.y) <= kArcEndTolerance) {
            arcs.push_back(arc);
        }
    }
    return arcs;
}

void searchArc(const TrackCatalog& catalog, TrackSystem system, GapSearch& out) {
    for (const Arc& arc : arcCandidates(out.endA, out.endB)) {
        const double sweep = std::abs(arc.angle);
        for (const PieceDef& def : catalog.pieces()) {
            if (!isPlainTrack(def, PieceKind::Curve, system) ||
                std::abs(def.radius - arc.radius) > kRadiusTolerance) {
                continue;
            }
            const double a = std::abs(def.angle);
            const double count = std::round(sweep / a);
            if (count < 1.0 || count > kMaxCurves ||
                std::abs(sweep / a - count) * a > kAngleTolerance) {
                continue;
            }
            const bool reversed = (def.angle > 0.0) != (arc.angle > 0.0);
            out.options.push_back(
                {std::vector<std::string>(static_cast<size_t>(count), def.article), count * a,
                 reversed});
        }
    }
    std::stable_sort(
        out.options.begin(), out.options.end(),
        [](const FillOption& x, const FillOption& y) { return x.pieces.size() < y.pieces.size(); });
}

/// The first connector of the piece lying within 1 mm of `end`, or -1.
int connectorAt(const PlacedPiece& piece, const PieceDef& def, const WorldConnector& end) {
    for (int c = 0; c < static_cast<int>(def.connectors.size()); ++c) {
        const WorldConnector w = connectorToWorld(piece, def, c);
        if (std::hypot(w.x - end.x, w.y - end.y) <= 1.0) {
            return c;
        }
    }
    return -1;
}

}  // namespace

bool selectedPair(const Layout& layout, uint32_t& pieceA, uint32_t& pieceB) {
    std::vector<uint32_t> ids;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            ids.push_back(p.id);
        }
    }
    if (ids.size() != 2) {
        return false;
    }
    pieceA = ids[0];
    pieceB = ids[1];
    return true;
}

bool searchGap(const Layout& layout, uint32_t pieceA, uint32_t pieceB, GapSearch& result,
               const TrackCatalog& catalog) {
    result = GapSearch{};
    result.pieceA = pieceA;
    result.pieceB = pieceB;
    const PlacedPiece* a = layout.FindPiece(pieceA);
    const PlacedPiece* b = layout.FindPiece(pieceB);
    const PieceDef* da = a != nullptr ? catalog.byArticle(a->article) : nullptr;
    const PieceDef* db = b != nullptr ? catalog.byArticle(b->article) : nullptr;
    if (da == nullptr || db == nullptr) {
        return false;
    }
    if (da->system != db->system) {
        result.mixedSystems = true;
        return false;
    }
    if (!nearestOpenEnds(*a, *da, *b, *db, result) || result.gap < kMinGap) {
        return false;
    }
    const WorldConnector& ea = result.endA;
    const WorldConnector& eb = result.endB;
    const double hA = degToRad(ea.heading);
    const double offset = std::abs(-std::sin(hA) * (eb.x - ea.x) + std::cos(hA) * (eb.y - ea.y));
    result.straight = headingDifference(ea.heading, eb.heading) > kStraightHeadingDiff &&
                      offset <= kStraightOffset;
    if (result.straight) {
        searchStraight(catalog, da->system, result);
    } else {
        searchArc(catalog, da->system, result);
    }
    if (result.options.size() > kMaxFillOptions) {
        result.options.resize(kMaxFillOptions);
    }
    return !result.options.empty();
}

bool searchGap(const Layout& layout, GapSearch& result, const TrackCatalog& catalog) {
    uint32_t a = kNoId, b = kNoId;
    if (!selectedPair(layout, a, b)) {
        result = GapSearch{};
        return false;
    }
    return searchGap(layout, a, b, result, catalog);
}

std::string fillOptionLine(const FillOption& option, const GapSearch& search,
                           const TrackCatalog& catalog) {
    char buf[64];
    const bool oneArticle =
        !option.pieces.empty() &&
        std::all_of(option.pieces.begin(), option.pieces.end(),
                    [&](const std::string& a) { return a == option.pieces.front(); });
    const auto shown = [&catalog](const std::string& article) {
        const PieceDef* def = catalog.byArticle(article);
        return def != nullptr ? def->article : article;
    };
    if (!search.straight && oneArticle) {
        std::snprintf(buf, sizeof buf, "  (%.1f deg)", option.total);
        return std::to_string(option.pieces.size()) + " x " + shown(option.pieces.front()) + buf;
    }
    std::string line;
    for (const std::string& article : option.pieces) {
        line += (line.empty() ? "" : " + ") + shown(article);
    }
    std::snprintf(buf, sizeof buf, "  (%.1f mm)", option.total);
    return line + buf;
}

std::string gapHeading(double gapMm) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Gap: %.1f mm. Select fill:", gapMm);
    return buf;
}

std::string mixedSystemsMessage(const PlacedPiece& a, const PlacedPiece& b,
                                const TrackCatalog& catalog) {
    const auto line = [&catalog](const PlacedPiece& p) {
        const PieceDef* def = catalog.byArticle(p.article);
        return "  - " + p.article + " (" + (def != nullptr ? systemName(def->system) : "") + ")";
    };
    return "Autofill can only run on pieces of the same track series.\n\nSelected pieces:\n" +
           line(a) + "\n" + line(b);
}

FillPlacement placeFill(LayoutEditor& editor, const GapSearch& search, const FillOption& option) {
    const TrackCatalog& catalog = editor.catalog();
    const Layout& doc = editor.layout();
    const PlacedPiece* a = doc.FindPiece(search.pieceA);
    const PlacedPiece* b = doc.FindPiece(search.pieceB);
    const PieceDef* da = a != nullptr ? catalog.byArticle(a->article) : nullptr;
    const PieceDef* db = b != nullptr ? catalog.byArticle(b->article) : nullptr;
    const int connA = da != nullptr ? connectorAt(*a, *da, search.endA) : -1;
    const int connB = db != nullptr ? connectorAt(*b, *db, search.endB) : -1;
    if (connA < 0 || connB < 0) {
        return FillPlacement::EndsMoved;
    }
    std::vector<const PieceDef*> defs;
    for (const std::string& article : option.pieces) {
        const PieceDef* def = catalog.byArticle(article);
        if (def == nullptr || def->connectors.size() < 2) {
            return FillPlacement::PieceMissing;
        }
        defs.push_back(def);
    }

    const int entry = option.reversed ? 1 : 0;
    const int exit = option.reversed ? 0 : 1;
    const int32_t level = a->level;
    const double z = a->z;
    Edit edit(editor);
    WorldConnector end = connectorToWorld(*a, *da, connA);
    uint32_t previous = search.pieceA;
    int previousConn = connA;
    for (const PieceDef* def : defs) {
        PlacedPiece piece;
        piece.article = def->article;
        const Pose pose = matingPose(*def, entry, end);
        piece.setPose(pose);
        piece.level = level;
        piece.z = z;
        const uint32_t id = edit.addPiece(std::move(piece));
        edit.join(id, entry, previous, previousConn, Edit::Heights::Inherit);
        end = connectorToWorld(pose, *def, exit);
        previous = id;
        previousConn = exit;
    }
    edit.join(previous, previousConn, search.pieceB, connB, Edit::Heights::Keep);
    edit.commit();
    return FillPlacement::Placed;
}

bool autofillGapCommand(LayoutEditor& editor, Prompter& prompter, const FillChooser& choose) {
    const Layout& doc = editor.layout();
    const TrackCatalog& catalog = editor.catalog();
    uint32_t a = kNoId, b = kNoId;
    if (!selectedPair(doc, a, b) || catalog.byArticle(doc.FindPiece(a)->article) == nullptr ||
        catalog.byArticle(doc.FindPiece(b)->article) == nullptr) {
        return false;
    }
    GapSearch search;
    if (!searchGap(doc, a, b, search, catalog)) {
        if (search.mixedSystems) {
            prompter.showMessage(kAutofillMixedTitle,
                                 mixedSystemsMessage(*doc.FindPiece(a), *doc.FindPiece(b), catalog),
                                 PromptIcon::Info);
        } else {
            prompter.showMessage(kAutofillNoSolutionTitle, kAutofillNoSolutionText,
                                 PromptIcon::Info);
        }
        editor.layout().DeselectAll();
        editor.selectionChanged();
        return false;
    }
    std::vector<std::string> lines;
    for (const FillOption& option : search.options) {
        lines.push_back(fillOptionLine(option, search, catalog));
    }
    const int chosen = choose(search, lines);
    if (chosen < 0 || chosen >= static_cast<int>(search.options.size())) {
        return false;
    }
    const FillPlacement placed =
        placeFill(editor, search, search.options[static_cast<size_t>(chosen)]);
    if (placed == FillPlacement::PieceMissing) {
        prompter.showMessage(kAutofillErrorTitle, kAutofillMissingPieceText, PromptIcon::Error);
    }
    return placed == FillPlacement::Placed;
}
