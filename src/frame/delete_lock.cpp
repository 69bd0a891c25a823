#include "frame/delete_lock.h"

#include <algorithm>
#include <cmath>

#include "document/layout.h"

namespace {

bool coveredByTunnel(const Layout& layout, uint32_t pieceId) {
    return std::any_of(layout.tunnels.begin(), layout.tunnels.end(), [&](const Tunnel& t) {
        return std::find(t.covers.begin(), t.covers.end(), pieceId) != t.covers.end();
    });
}

bool isTunnelPortal(const Layout& layout, uint32_t sceneryId) {
    const auto id = static_cast<int64_t>(sceneryId);
    return std::any_of(layout.tunnels.begin(), layout.tunnels.end(),
                       [&](const Tunnel& t) { return t.portalA == id || t.portalB == id; });
}

}  // namespace

DeleteLock findDeleteLock(const Layout& layout) {
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected) {
            continue;
        }
        if (p.helix != kNoId) {
            return DeleteLock::Helix;
        }
        if (coveredByTunnel(layout, p.id)) {
            return DeleteLock::Tunnel;
        }
    }
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected && isTunnelPortal(layout, s.id)) {
            return DeleteLock::Tunnel;
        }
    }
    return DeleteLock::None;
}

std::string deleteLockTitle(DeleteLock lock) {
    switch (lock) {
        case DeleteLock::Helix:
            return "Helix track is locked";
        case DeleteLock::Tunnel:
            return "Tunnel is locked";
        case DeleteLock::None:
            break;
    }
    return {};
}

std::string deleteLockText(DeleteLock lock) {
    switch (lock) {
        case DeleteLock::Helix:
            return "Selection includes track that is part of a helix. Helix track cannot be "
                   "deleted individually.";
        case DeleteLock::Tunnel:
            return "Selection includes tunnel track or portals. Remove the tunnel first, then "
                   "delete.";
        case DeleteLock::None:
            break;
    }
    return {};
}

bool selectionHasGradedPiece(const Layout& layout) {
    return std::any_of(layout.pieces.begin(), layout.pieces.end(), [](const PlacedPiece& p) {
        return p.selected && std::fabs(p.grade) > 0.001;
    });
}

bool hasDeletableSelection(const Layout& layout) {
    const auto selected = [](const auto& v) { return v.selected; };
    return std::any_of(layout.pieces.begin(), layout.pieces.end(), selected) ||
           std::any_of(layout.scenery.begin(), layout.scenery.end(), selected) ||
           std::any_of(layout.shapes.begin(), layout.shapes.end(), selected);
}
