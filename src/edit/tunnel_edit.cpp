#include "edit/tunnel_edit.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "document/snap_search.h"
#include "edit/edit.h"

namespace {

/// Position in the document of every selected piece, by id.
using IndexById = std::unordered_map<uint32_t, size_t>;

/// Index of the selected piece a joint leads to, or nothing when it is open or leads to a piece
/// that is missing or not selected.
std::optional<size_t> selectedTarget(const IndexById& selected, const Joint& joint) {
    if (joint.isOpen()) {
        return std::nullopt;
    }
    const auto found = selected.find(static_cast<uint32_t>(joint.target));
    if (found == selected.end()) {
        return std::nullopt;
    }
    return found->second;
}

/// True when a breadth-first walk from the first selected piece through selected pieces reaches
/// every one of the `selected` (document order).
bool formsOneGroup(const Layout& layout, const IndexById& index,
                   const std::vector<size_t>& selected) {
    std::vector<char> seen(layout.pieces.size(), 0);
    std::vector<size_t> queue{selected.front()};
    seen[selected.front()] = 1;
    for (size_t head = 0; head < queue.size(); ++head) {
        for (const Joint& joint : layout.pieces[queue[head]].joints) {
            const std::optional<size_t> next = selectedTarget(index, joint);
            if (next && !seen[*next]) {
                seen[*next] = 1;
                queue.push_back(*next);
            }
        }
    }
    return queue.size() == selected.size();
}

/// The id of the tunnel that covers exactly the selected pieces, kNoId when no selected piece lies
/// in any tunnel, or nothing when the selection is covered only in part.
std::optional<uint32_t> coveringTunnel(const Layout& layout, const IndexById& selected) {
    bool anyCovered = false;
    for (const Tunnel& tunnel : layout.tunnels) {
        const std::vector<uint32_t>& covers = tunnel.covers;
        const auto inChain = [&selected](uint32_t id) { return selected.count(id) != 0; };
        const auto inside =
            static_cast<size_t>(std::count_if(covers.begin(), covers.end(), inChain));
        if (inside == 0) {
            continue;
        }
        // Every selected piece covered, and nothing else (a repeated id would hide a gap).
        if (covers.size() == selected.size() && inside == covers.size() &&
            std::unordered_set<uint32_t>(covers.begin(), covers.end()).size() == covers.size()) {
            return tunnel.id;
        }
        anyCovered = true;
    }
    if (anyCovered) {
        return std::nullopt;
    }
    return kNoId;
}

/// The first connector of the piece at `i` that does not lead to a selected piece, with its pose;
/// nothing when every connector leads into the selection or the piece has no definition.
std::optional<TunnelChainEnd> outwardEnd(const Layout& layout, const IndexById& index,
                                         const TrackCatalog& catalog, size_t i) {
    const PlacedPiece& piece = layout.pieces[i];
    const PieceDef* def = catalog.byArticle(piece.article);
    if (def == nullptr) {
        return std::nullopt;
    }
    for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
        if (!selectedTarget(index, piece.jointAt(c))) {
            return TunnelChainEnd{piece.id, c, connectorToWorld(piece, *def, c)};
        }
    }
    return std::nullopt;
}

/// Fills the chain's two ends: the selected pieces with fewer than two joints into the
/// selection. False unless there are exactly two and each has an outward connector.
bool findEnds(const Layout& layout, const IndexById& index, const TrackCatalog& catalog,
              const std::vector<size_t>& selected, TunnelChain& chain) {
    int ends = 0;
    for (const size_t i : selected) {
        const PlacedPiece& piece = layout.pieces[i];
        int inward = 0;
        for (const Joint& joint : piece.joints) {
            const std::optional<size_t> next = selectedTarget(index, joint);
            inward += next && *next != i ? 1 : 0;
        }
        if (inward >= 2) {
            continue;
        }
        if (ends == 2) {
            return false;
        }
        const std::optional<TunnelChainEnd> end = outwardEnd(layout, index, catalog, i);
        if (!end) {
            return false;
        }
        chain.ends[static_cast<size_t>(ends++)] = *end;
    }
    return ends == 2;
}

}  // namespace

TunnelChain analyseTunnelChain(const Layout& layout, const TrackCatalog& catalog) {
    TunnelChain chain;
    std::vector<size_t> selected;
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        if (layout.pieces[i].selected) {
            selected.push_back(i);
        }
    }
    if (selected.size() < 2) {
        return chain;
    }
    IndexById index;
    index.reserve(selected.size());
    for (const size_t i : selected) {
        index.emplace(layout.pieces[i].id, i);
    }
    if (!formsOneGroup(layout, index, selected)) {
        return chain;
    }
    const std::optional<uint32_t> tunnel = coveringTunnel(layout, index);
    if (!tunnel || !findEnds(layout, index, catalog, selected, chain)) {
        return chain;
    }
    chain.tunnel = *tunnel;
    chain.covered.reserve(selected.size());
    for (const size_t i : selected) {
        chain.covered.push_back(layout.pieces[i].id);
    }
    chain.applies = true;
    return chain;
}

bool tunnelCommand(LayoutEditor& editor) {
    const TunnelChain chain = analyseTunnelChain(editor.layout(), editor.catalog());
    if (!chain.applies) {
        return false;
    }
    Edit edit(editor);
    Layout& doc = edit.change();
    if (chain.removes()) {
        const Tunnel tunnel = *doc.FindTunnel(chain.tunnel);
        std::erase_if(doc.tunnels, [&](const Tunnel& t) { return t.id == tunnel.id; });
        doc.scenery.eraseIf([&](const SceneryItem& s) {
            const auto id = static_cast<int32_t>(s.id);
            return id == tunnel.portalA || id == tunnel.portalB;
        });
        return true;
    }
    int32_t portals[2] = {-1, -1};
    for (size_t e = 0; e < 2; ++e) {
        const WorldConnector& at = chain.ends[e].pose;
        SceneryItem portal;
        portal.item = kTunnelPortalKey;
        portal.x = at.x;
        portal.y = at.y;
        portal.heading = at.heading;
        portal.level = 1;
        portals[e] = static_cast<int32_t>(edit.addScenery(std::move(portal)));
    }
    Tunnel tunnel;
    tunnel.id = doc.AllocateId();
    tunnel.portalA = portals[0];
    tunnel.portalB = portals[1];
    tunnel.anchorA = static_cast<int32_t>(chain.ends[0].piece);
    tunnel.anchorB = static_cast<int32_t>(chain.ends[1].piece);
    tunnel.covers = chain.covered;
    doc.tunnels.push_back(std::move(tunnel));
    return true;
}
