// Laying a planned bridge: the chain of ramps, spans and ramps as one edit.
#include <algorithm>
#include <cmath>

#include "document/snap_search.h"
#include "edit/edit.h"
#include "edit/elevation.h"
#include "wizards/bridge_plan.h"

namespace {

/// One piece of the chain: what it is and the heights (mm) of its west and east joints.
struct ChainPiece {
    const PieceDef* def = nullptr;
    double west = 0.0;
    double east = 0.0;
};

/// The pieces west to east, or an empty list when a span is not in the catalog or a piece has
/// fewer than two ends.
std::vector<ChainPiece> bridgeChain(const BridgePlan& plan, const BridgeKit& kit,
                                    const TrackCatalog& catalog) {
    const std::vector<double>& h = plan.heights;
    const int n = static_cast<int>(h.size());
    const int plain = n - 1 - plan.rampPiecesPerSide;
    std::vector<ChainPiece> chain;
    for (int i = 0; i + 1 < n; ++i) {
        chain.push_back({i < plain ? kit.straight : kit.ramp, h[static_cast<size_t>(i)],
                         h[static_cast<size_t>(i) + 1]});
    }
    for (const std::string& article : plan.composition) {
        chain.push_back({catalog.byArticle(article), plan.clearance, plan.clearance});
    }
    for (int i = n - 1; i >= 1; --i) {
        chain.push_back({i > plain ? kit.ramp : kit.straight, h[static_cast<size_t>(i)],
                         h[static_cast<size_t>(i) - 1]});
    }
    const bool whole = std::all_of(chain.begin(), chain.end(), [](const ChainPiece& p) {
        return p.def != nullptr && p.def->connectors.size() >= 2;
    });
    return whole ? chain : std::vector<ChainPiece>{};
}

/// Grade (degrees) of a piece that climbs `rise` mm along its rise length.
double gradeOf(const PieceDef& def, double rise) {
    const double length = riseLength(def);
    return length > 0.0 ? radToDeg(std::asin(std::clamp(rise / length, -1.0, 1.0))) : 0.0;
}

}  // namespace

std::vector<uint32_t> placeBridge(LayoutEditor& editor, const BridgePlan& plan, Vec2 centre) {
    const TrackCatalog& catalog = editor.catalog();
    const BridgeKitResult resolved = resolveBridgeKit(plan.system, catalog);
    if (!resolved.kit || plan.composition.empty() || plan.heights.size() < 2) {
        return {};
    }
    const std::vector<ChainPiece> chain = bridgeChain(plan, *resolved.kit, catalog);
    if (chain.empty()) {
        return {};
    }
    // Poses along the chain from the origin heading east; the chain is then moved so that its
    // two ends lie centred on the click. Plain straights may be longer than the joint spacing the
    // footprint is reckoned in, so the laid length is measured rather than taken from the plan.
    std::vector<Pose> poses;
    WorldConnector end{0.0, 0.0, 0.0};
    for (const ChainPiece& piece : chain) {
        poses.push_back(matingPose(*piece.def, 0, end));
        end = connectorToWorld(poses.back(), *piece.def, 1);
    }
    const Vec2 shift{centre.x - end.x / 2.0, centre.y - end.y / 2.0};

    Edit edit(editor);
    edit.changeSetup().EnsureDefaultLevel();
    edit.change().DeselectAll();
    const int32_t level = edit.layout().levels.front().id;
    std::vector<uint32_t> ids;
    for (size_t i = 0; i < chain.size(); ++i) {
        PlacedPiece record;
        record.article = chain[i].def->article;
        record.x = poses[i].x + shift.x;
        record.y = poses[i].y + shift.y;
        record.heading = poses[i].heading;
        record.level = level;
        record.z = chain[i].west;
        record.grade = gradeOf(*chain[i].def, chain[i].east - chain[i].west);
        record.selected = true;
        const uint32_t id = edit.addPiece(std::move(record));
        if (!ids.empty()) {
            edit.join(id, 0, ids.back(), 1, Edit::Heights::Keep);
        }
        ids.push_back(id);
    }
    edit.commit();
    return ids;
}
