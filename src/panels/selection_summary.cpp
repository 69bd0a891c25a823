#include "panels/selection_summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "edit/elevation.h"

namespace {

constexpr double kRunHeadingTolerance = 1.0;

Units unitsOf(const Layout& layout) {
    return unitsFromInt(static_cast<int>(layout.units));
}

// Heights read best with three decimals in inches and one in millimetres or centimetres.
std::string formatHeight(double mm, Units units) {
    return formatFixed(toDisplay(mm, units), units == Units::Inches ? 3 : 1);
}

std::string heightCaption(const char* caption, Units units) {
    return std::string(caption) + " (" + unitLabel(units) + "):";
}

/// Level entries of the layout; selects the entry of `level` (the first when none matches).
void fillLevels(const Layout& layout, int32_t level, SelectionSummary& summary) {
    summary.levels.clear();
    summary.levelIndex = layout.levels.empty() ? -1 : 0;
    for (const LayoutLevel& entry : layout.levels) {
        if (entry.id == level) {
            summary.levelIndex = static_cast<int>(summary.levels.size());
        }
        summary.levels.push_back({entry.name, entry.id});
    }
    summary.levelEnabled = true;
}

void markMixed(SelectionSummary& summary) {
    summary.levels.insert(summary.levels.begin(), LevelEntry{"(mixed)", std::nullopt});
    summary.levelIndex = 0;
}

bool allOnOneLevel(const std::vector<const PlacedPiece*>& pieces) {
    return std::all_of(pieces.begin(), pieces.end(), [&](const PlacedPiece* piece) {
        return piece->level == pieces.front()->level;
    });
}

bool isRunPiece(const PlacedPiece& piece, const TrackCatalog& catalog) {
    const PieceDef* def = catalog.byArticle(piece.article);
    return def != nullptr && def->kind == PieceKind::Straight && piece.helix == kNoId;
}

/// The selected pieces' distinct ids, sorted: membership and a dense position by binary search,
/// without a node allocation per piece.
class RunMembers {
public:
    explicit RunMembers(const std::vector<const PlacedPiece*>& pieces) {
        m_ids.reserve(pieces.size());
        for (const PlacedPiece* piece : pieces) {
            m_ids.push_back(piece->id);
        }
        std::sort(m_ids.begin(), m_ids.end());
        m_ids.erase(std::unique(m_ids.begin(), m_ids.end()), m_ids.end());
    }
    size_t size() const { return m_ids.size(); }
    /// Position of `id` among the members, or size() when it is none of them.
    size_t position(uint32_t id) const {
        const auto it = std::lower_bound(m_ids.begin(), m_ids.end(), id);
        return it != m_ids.end() && *it == id ? static_cast<size_t>(it - m_ids.begin()) : size();
    }
    /// Ids of the members that `piece` is joined to (never itself), into `out`.
    void neighbours(const PlacedPiece& piece, std::vector<uint32_t>& out) const {
        out.clear();
        for (const Joint& joint : piece.joints) {
            if (joint.isOpen()) {
                continue;
            }
            const auto target = static_cast<uint32_t>(joint.target);
            if (target != piece.id && position(target) != size() &&
                std::find(out.begin(), out.end(), target) == out.end()) {
                out.push_back(target);
            }
        }
    }

private:
    std::vector<uint32_t> m_ids;
};

/// Whether the pieces are all straights lying along one line.
bool alongOneLine(const std::vector<const PlacedPiece*>& pieces, const TrackCatalog& catalog) {
    const double h0 = pieces.front()->heading;
    for (const PlacedPiece* piece : pieces) {
        if (!isRunPiece(*piece, catalog)) {
            return false;
        }
        // Pieces laid end to end may point either way along the line.
        const double diff = std::fmod(std::fabs(piece->heading - h0), 180.0);
        if (diff > kRunHeadingTolerance && diff < 180.0 - kRunHeadingTolerance) {
            return false;
        }
    }
    return true;
}

/// Whether every member hangs together with the first piece through joints among the members.
bool connected(const Layout& layout, const std::vector<const PlacedPiece*>& pieces,
               const RunMembers& members) {
    std::vector<char> reached(members.size(), 0);
    reached[members.position(pieces.front()->id)] = 1;
    size_t count = 1;
    std::vector<uint32_t> queue{pieces.front()->id};
    std::vector<uint32_t> next;
    while (!queue.empty()) {
        const PlacedPiece* piece = layout.FindPiece(queue.back());
        queue.pop_back();
        members.neighbours(*piece, next);
        for (uint32_t id : next) {
            if (char& seen = reached[members.position(id)]; seen == 0) {
                seen = 1;
                ++count;
                queue.push_back(id);
            }
        }
    }
    return count == members.size();
}

/// The run's pieces in chain order, or empty when the pieces are not a straight run.
std::vector<const PlacedPiece*> straightRun(const Layout& layout,
                                            const std::vector<const PlacedPiece*>& pieces) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    if (pieces.size() < 2 || !alongOneLine(pieces, catalog)) {
        return {};
    }
    const RunMembers members(pieces);
    if (!connected(layout, pieces, members)) {
        return {};
    }
    std::vector<uint32_t> next;
    const PlacedPiece* start = pieces.front();
    for (const PlacedPiece* piece : pieces) {
        members.neighbours(*piece, next);
        if (next.size() == 1) {
            start = piece;
            break;
        }
    }
    std::vector<const PlacedPiece*> chain{start};
    std::vector<char> walked(members.size(), 0);
    walked[members.position(start->id)] = 1;
    for (const PlacedPiece* current = start; current != nullptr;) {
        const PlacedPiece* following = nullptr;
        members.neighbours(*current, next);
        for (uint32_t id : next) {
            if (char& seen = walked[members.position(id)]; seen == 0) {
                seen = 1;
                following = layout.FindPiece(id);
                chain.push_back(following);
                break;
            }
        }
        current = following;
    }
    // Damaged joints can make the run branch; list whatever the walk missed in layout order.
    for (const PlacedPiece* piece : pieces) {
        if (char& seen = walked[members.position(piece->id)]; seen == 0) {
            seen = 1;
            chain.push_back(piece);
        }
    }
    return chain;
}

void describeHelix(const Layout& layout, const Helix& helix, SelectionSummary& summary) {
    const Units units = unitsOf(layout);
    summary.view = SelectionView::Helix;
    summary.shown.helix = helix.id;
    const HelixVariant* variant = helixVariantOrDefault(helix.variant);
    summary.title = variant != nullptr ? variant->name : "Helix";
    if (variant != nullptr) {
        summary.info = formatFixed(variant->turns, 1) + " turns  |  rise " +
                       formatFixed(toDisplay(variant->rise, units), 1) + " " + unitLabel(units) +
                       "  |  R1 " + formatFixed(variant->innerRadius, 1) + " / R2 " +
                       formatFixed(variant->outerRadius, 1) + " mm";
    }
    const PlacedPiece* bottom =
        helix.bottomR1 < 0 ? nullptr : layout.FindPiece(static_cast<uint32_t>(helix.bottomR1));
    summary.heightCaption = heightCaption("Base height", units);
    summary.heightValue = formatHeight(bottom != nullptr ? bottom->z : 0.0, units);
    fillLevels(layout, bottom != nullptr ? bottom->level : layout.levels.front().id, summary);
}

void describeRun(const Layout& layout, const std::vector<const PlacedPiece*>& chain, bool mixed,
                 SelectionSummary& summary) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    summary.view = SelectionView::StraightRun;
    summary.title.clear();
    double length = 0.0;
    for (const PlacedPiece* piece : chain) {
        if (!summary.title.empty()) {
            summary.title += " + ";
        }
        summary.title += piece->article;
        length += catalog.byArticle(piece->article)->length;
    }
    const Units units = unitsOf(layout);
    summary.info = std::to_string(chain.size()) + " pieces  |  " +
                   formatFixed(toDisplay(length, units), units == Units::Inches ? 2 : 1) + " " +
                   unitLabel(units);
    fillLevels(layout, chain.front()->level, summary);
    if (mixed) {
        markMixed(summary);
    }
}

bool describePiece(const Layout& layout, const PlacedPiece& piece, bool mixed,
                   SelectionSummary& summary) {
    const PieceDef* def = TrackCatalog::instance().byArticle(piece.article);
    if (def == nullptr) {
        return false;
    }
    const Units units = unitsOf(layout);
    summary.view = SelectionView::Piece;
    summary.shown.piece = piece.id;
    summary.title = def->name;
    summary.info = systemLabel(def->system) + "  |  ";
    if (def->length > 0.0) {
        summary.info += formatFixed(def->length, 1) + " mm";
    }
    summary.heightCaption = heightCaption("Height", units);
    summary.heightValue = formatHeight(piece.z, units);
    summary.gradeValue = formatGrade(piece.grade);
    summary.warning = gradeWarning(piece.grade);
    summary.gradeTooSteep = !summary.warning.empty();
    fillLevels(layout, piece.level, summary);
    if (mixed) {
        markMixed(summary);
    }
    return true;
}

void describeScenery(const Layout& layout, const SceneryItem& item, SelectionSummary& summary) {
    summary.view = SelectionView::Scenery;
    summary.shown.scenery = item.id;
    const SceneryDef* def = SceneryCatalog::instance().byKey(item.item);
    summary.title = def != nullptr ? def->name : item.item;
    summary.info = "Scenery";
    if (def != nullptr && def->width > 0.0) {
        summary.info += "  |  " + formatFixed(item.scalex * def->width, 0) + " x " +
                        formatFixed(item.scaley * def->depth, 0) + " mm";
    }
    fillLevels(layout, item.level, summary);
}

void describeShape(const Layout& layout, const FreeShape& shape, SelectionSummary& summary) {
    summary.view = SelectionView::Shape;
    summary.shown.shape = shape.id;
    summary.title = shape.label.empty() ? "(unnamed shape)" : shape.label;
    if (shape.vertices.empty()) {
        summary.info = "Polygon  |  (no vertices)";
    } else {
        const auto [minX, maxX] =
            std::minmax_element(shape.vertices.begin(), shape.vertices.end(),
                                [](const Vec2& a, const Vec2& b) { return a.x < b.x; });
        const auto [minY, maxY] =
            std::minmax_element(shape.vertices.begin(), shape.vertices.end(),
                                [](const Vec2& a, const Vec2& b) { return a.y < b.y; });
        summary.info = "Polygon  |  " + std::to_string(shape.vertices.size()) + " verts  |  " +
                       formatFixed(maxX->x - minX->x, 0) + " x " +
                       formatFixed(maxY->y - minY->y, 0) + " mm  |  height " +
                       formatFixed(shape.height, 0) + " mm";
    }
    fillLevels(layout, shape.level, summary);
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "-";
    }
    char buf[64];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        return "-";
    }
    return std::string(buf, result.ptr);
}

std::string formatGrade(double deg) {
    const double magnitude = std::fabs(deg);
    if (!(magnitude > kFlatGrade)) {
        return "-";
    }
    const double percent = std::tan(degToRad(magnitude)) * 100.0;
    return std::string(deg >= 0.0 ? "+" : "-") + formatFixed(magnitude, 2) + " deg (" +
           formatFixed(percent, 1) + "%)";
}

std::string gradeWarning(double deg) {
    const double magnitude = std::fabs(deg);
    if (!(magnitude > kMaxGradeDeg)) {
        return {};
    }
    return "WARNING: Grade " + formatFixed(magnitude, 1) + " deg exceeds " +
           formatFixed(kMaxGradeDeg, 0) + " deg max!";
}

std::optional<SelectionSummary> summarizeSelection(Layout& layout) {
    layout.EnsureDefaultLevel();
    SelectionSummary summary;
    std::vector<const PlacedPiece*> pieces;
    for (const PlacedPiece& piece : layout.pieces) {
        if (piece.selected) {
            pieces.push_back(&piece);
        }
    }
    const auto selectedScenery = std::count_if(layout.scenery.begin(), layout.scenery.end(),
                                               [](const SceneryItem& s) { return s.selected; });
    if (!pieces.empty()) {
        const uint32_t helixId = pieces.front()->helix;
        const bool oneHelix = helixId != kNoId &&
                              std::all_of(pieces.begin(), pieces.end(), [&](const PlacedPiece* p) {
                                  return p->helix == helixId;
                              });
        const Helix* helix = oneHelix ? layout.FindHelix(helixId) : nullptr;
        if (selectedScenery == 0 && helix != nullptr) {
            describeHelix(layout, *helix, summary);
            return summary;
        }
        const bool mixed = !allOnOneLevel(pieces);
        const std::vector<const PlacedPiece*> chain = straightRun(layout, pieces);
        if (!chain.empty()) {
            describeRun(layout, chain, mixed, summary);
            return summary;
        }
        const PlacedPiece* newest = *std::max_element(
            pieces.begin(), pieces.end(),
            [](const PlacedPiece* a, const PlacedPiece* b) { return a->id < b->id; });
        if (!describePiece(layout, *newest, mixed, summary)) {
            return std::nullopt;
        }
        return summary;
    }
    if (selectedScenery == 1) {
        const auto item = std::find_if(layout.scenery.begin(), layout.scenery.end(),
                                       [](const SceneryItem& s) { return s.selected; });
        describeScenery(layout, *item, summary);
        return summary;
    }
    const auto selectedShapes = std::count_if(layout.shapes.begin(), layout.shapes.end(),
                                              [](const FreeShape& s) { return s.selected; });
    if (selectedShapes == 1) {
        const auto shape = std::find_if(layout.shapes.begin(), layout.shapes.end(),
                                        [](const FreeShape& s) { return s.selected; });
        describeShape(layout, *shape, summary);
    }
    return summary;
}
