// The select tool moving pieces: the guards that lock helix and tunnel track, joint breaking, the
// move snap with its rigid transform, and the 4 mm rejoin.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "canvas/select_tool.h"

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "document/snap_search.h"
#include "edit/connector_grid.h"
#include "edit/edit_guards.h"
#include "edit/track_joints.h"
#include "edit/elevation.h"

namespace {

constexpr const char* kTurntable = "74861";
constexpr double kRejoinSquared = 16.0;  // open ends closer than 4 mm are joined on release

ConnectorGrid unselectedOpenEnds(const Layout& layout, const TrackCatalog& catalog,
                                 bool visibleOnly) {
    ConnectorGrid grid;
    const LevelTable levels(layout);
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& p = layout.pieces[i];
        if (p.selected || (visibleOnly && !levels.visible(p.level))) {
            continue;
        }
        const PieceDef* def = catalog.byArticle(p.article);
        if (def == nullptr) {
            continue;
        }
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            if (p.jointAt(c).isOpen()) {
                grid.add(i, connectorToWorld(p, *def, c));
            }
        }
    }
    return grid;
}

/// A selected piece (other than helix track) that a tunnel covers, or a selected portal.
bool selectionInTunnel(const Layout& layout) {
    if (layout.tunnels.empty()) {
        return false;
    }
    std::unordered_set<uint32_t> locked;
    for (const Tunnel& t : layout.tunnels) {
        locked.insert(t.covers.begin(), t.covers.end());
    }
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected && p.helix == kNoId && locked.count(p.id) != 0) {
            return true;
        }
    }
    for (const Tunnel& t : layout.tunnels) {
        for (int32_t portal : {t.portalA, t.portalB}) {
            const SceneryItem* item =
                portal < 0 ? nullptr : layout.FindScenery(static_cast<uint32_t>(portal));
            if (item != nullptr && item->selected) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool& gradedMoveWarningShown() {
    static bool shown = false;
    return shown;
}

bool SelectTool::moveGuardsPass() {
    Layout& layout = m_ctrl.layout();
    CanvasHost& host = m_ctrl.host();
    std::unordered_map<uint32_t, int> selectedStubs, allStubs;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix != kNoId) {
            ++allStubs[p.helix];
            if (p.selected) {
                ++selectedStubs[p.helix];
            }
        }
    }
    for (const auto& [helix, count] : selectedStubs) {
        if (count != allStubs[helix]) {
            host.prompter().showMessage(
                "Helix partially selected",
                "Selection contains part of a helix. Either select the whole helix (click any of "
                "its stubs) or exclude it from the selection before moving.",
                PromptIcon::Info);
            return false;
        }
    }
    if (selectionInTunnel(layout)) {
        host.prompter().showMessage(
            "Tunnel is locked",
            "Selection includes tunnel track or portals. Remove the tunnel first, then move.",
            PromptIcon::Info);
        return false;
    }
    if (!gradedMoveWarningShown() && gradedPieceSelected(layout)) {
        const int answer = host.prompter().ask(
            "Move",
            "Selection includes graded pieces. Moving will break joints and leave the chain's "
            "elevation inconsistent.\n\nMove anyway? (This warning will not appear again this "
            "session.)",
            PromptButtons::YesNo, kIdNo, PromptIcon::Question);
        if (answer != kIdYes) {
            return false;
        }
        gradedMoveWarningShown() = true;
    }
    return true;
}

namespace {

/// Selects the unselected pieces joined to a selected turntable; returns them.
std::vector<PlacedPiece*> selectTurntableNeighbours(Layout& layout) {
    std::vector<PlacedPiece*> pulled;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected || p.article != kTurntable) {
            continue;
        }
        for (const Joint& j : p.joints) {
            PlacedPiece* other =
                j.isOpen() ? nullptr : layout.EditPiece(static_cast<uint32_t>(j.target));
            if (other != nullptr && !other->selected) {
                other->selected = true;
                pulled.push_back(other);
            }
        }
    }
    return pulled;
}

}  // namespace

bool SelectTool::beginMove() {
    Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    CanvasHost& host = m_ctrl.host();
    // A turntable carries the track joined to it, so that track is part of what the guards look
    // at: a helix stub or tunnel piece pulled in this way refuses the move as if selected.
    // Guards first, before any undo step: a refusal leaves the document as it was.
    host.releaseMouse();
    const std::vector<PlacedPiece*> pulled = selectTurntableNeighbours(layout);
    if (!moveGuardsPass()) {
        for (PlacedPiece* p : pulled) {
            p->selected = false;
        }
        m_move = PieceMove{};
        return false;
    }
    m_ctrl.beginEdit();
    m_move.moving = true;
    host.captureMouse();
    breakOutsideJoints();

    for (auto it = layout.pieces.begin(); it != layout.pieces.end(); ++it) {
        if (it->selected) {
            m_move.pieces.push_back({it->id, it->pose(), it.index()});
        }
    }
    for (auto it = layout.scenery.begin(); it != layout.scenery.end(); ++it) {
        if (it->selected) {
            m_move.scenery.push_back({it->id, {it->x, it->y, it->heading}, it.index()});
        }
    }
    std::unordered_set<uint32_t> carried;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected && p.helix != kNoId) {
            carried.insert(p.helix);
        }
    }
    for (const Helix& h : layout.helices) {
        if (carried.count(h.id) != 0) {
            m_move.helices.push_back({h.id, {h.cx, h.cy, h.heading}});
        }
    }
    m_move.grid = unselectedOpenEnds(layout, catalog, true);
    m_ctrl.notifySelection();
    return true;
}

void SelectTool::breakOutsideJoints() {
    Layout& layout = m_ctrl.layout();
    const auto selected = [](const PlacedPiece& p) { return p.selected; };
    layout.pieces.editIf(selected, [&](PlacedPiece& p) {
        for (Joint& j : p.joints) {
            if (j.isOpen()) {
                continue;
            }
            PlacedPiece* found = layout.EditPiece(static_cast<uint32_t>(j.target));
            if (found == nullptr) {
                j = Joint{};  // a joint to a piece that is gone is open
                continue;
            }
            PlacedPiece& other = *found;
            if (other.selected) {
                continue;
            }
            if (j.tconn >= 0 && static_cast<size_t>(j.tconn) < other.joints.size() &&
                other.joints[static_cast<size_t>(j.tconn)].target == static_cast<int32_t>(p.id)) {
                other.joints[static_cast<size_t>(j.tconn)] = Joint{};
            }
            j = Joint{};
        }
    });
}

void SelectTool::dragSelection(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    CanvasHost& host = m_ctrl.host();
    const Vec2 w = m_ctrl.toWorld(at);
    const double dx = w.x - m_move.grab.x, dy = w.y - m_move.grab.y;
    shiftFromStart(layout.pieces, m_move.pieces, dx, dy);
    shiftFromStart(layout.scenery, m_move.scenery, dx, dy);
    for (const PoseOf& s : m_move.helices) {
        if (Helix* h = layout.FindHelix(s.id)) {
            h->cx = s.pose.x + dx;
            h->cy = s.pose.y + dy;
        }
    }
    m_move.snap = SnapResult{};
    m_move.snapPiece = kNoId;
    if (layout.snapEnabled) {
        searchMoveSnap();
    }
    host.repaint();
}

void SelectTool::searchMoveSnap() {
    Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    if (m_move.grid.empty()) {
        return;
    }
    std::vector<const PlacedPiece*> nearby;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected) {
            continue;
        }
        const PieceDef* def = catalog.byArticle(p.article);
        if (def == nullptr) {
            continue;
        }
        // Only the unselected pieces with an open end near one of this piece's open ends can
        // take part; findSnap then applies the full rule to those few.
        nearby.clear();
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            if (!p.jointAt(c).isOpen()) {
                continue;
            }
            const WorldConnector wc = connectorToWorld(p, *def, c);
            m_move.grid.near({wc.x, wc.y}, [&](const ConnectorGrid::Entry& e) {
                const PlacedPiece* q = &layout.pieces[e.piece];
                if (std::find(nearby.begin(), nearby.end(), q) == nearby.end()) {
                    nearby.push_back(q);
                }
            });
        }
        if (nearby.empty()) {
            continue;
        }
        // Keep layout order among the candidates so that ties resolve as in a full search.
        std::sort(nearby.begin(), nearby.end());
        const SnapResult r = findSnap(*def, p.pose(), nearby, catalog);
        if (r.snapped && p.jointAt(r.ownConn).isOpen() &&
            (!m_move.snap.snapped || r.distance < m_move.snap.distance)) {
            m_move.snap = r;
            m_move.snapPiece = p.id;
        }
    }
}

void SelectTool::finishMove() {
    Layout& layout = m_ctrl.layout();
    double moved = 0.0;
    for (const PoseOf& s : m_move.pieces) {
        if (const PlacedPiece* p = layout.FindPiece(s.id)) {
            moved = std::max(moved, std::hypot(p->x - s.pose.x, p->y - s.pose.y));
        }
    }
    if (moved > 1.0) {
        breakOutsideJoints();
    }
    const bool snapped = m_move.snap.snapped;
    if (snapped) {
        applyMoveSnap();
    }
    // A selection put back within a millimetre of where it was keeps its joints broken: the
    // user tore it off and did not place it anywhere new.
    if (moved > 1.0 || snapped) {
        rejoinNearbyEnds();
    }
    m_ctrl.modified();
    m_ctrl.notifySelection();
}

void SelectTool::applyMoveSnap() {
    Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    PlacedPiece* mover = layout.EditPiece(m_move.snapPiece);
    PlacedPiece* target = layout.EditPiece(m_move.snap.targetId);
    if (mover == nullptr || target == nullptr) {
        return;  // the target went away: no joint
    }
    const PieceDef* mdef = catalog.byArticle(mover->article);
    const PieceDef* tdef = catalog.byArticle(target->article);
    if (mdef == nullptr || tdef == nullptr) {
        return;
    }
    const WorldConnector tc = connectorToWorld(*target, *tdef, m_move.snap.targetConn);
    const Pose to = matingPose(*mdef, m_move.snap.ownConn, tc);
    const double turn = to.heading - mover->heading;
    const Vec2 pivot{mover->x, mover->y};
    const double tx = to.x - pivot.x, ty = to.y - pivot.y;
    auto transform = [&](double& x, double& y) {
        const Vec2 r = rotateAbout({x, y}, pivot, turn);
        x = r.x + tx;
        y = r.y + ty;
    };
    layout.pieces.editIf([](const PlacedPiece& p) { return p.selected; },
                         [&](PlacedPiece& p) {
                             transform(p.x, p.y);
                             p.heading = normalizeHeading(p.heading + turn);
                         });
    // Scenery moved along with the pieces, so it follows the correction as well.
    layout.scenery.editIf([](const SceneryItem& s) { return s.selected; },
                          [&](SceneryItem& s) {
                              transform(s.x, s.y);
                              s.heading = normalizeHeading(s.heading + turn);
                          });
    for (const PoseOf& h : m_move.helices) {
        if (Helix* helix = layout.FindHelix(h.id)) {
            transform(helix->cx, helix->cy);
            helix->heading = normalizeHeading(helix->heading + turn);
        }
    }
    mover->x = to.x;  // exact, free of rounding in the transform
    mover->y = to.y;
    joinPieces(*mover, m_move.snap.ownConn, *target, m_move.snap.targetConn);
    if (mover->helix == kNoId) {
        const double before = mover->z;
        const uint32_t moverId = mover->id;
        inheritElevation(layout, moverId, target->id, m_move.snap.targetConn, m_move.snap.ownConn,
                         catalog);
        const double dz = layout.FindPiece(moverId)->z - before;
        if (std::fabs(dz) > 0.001) {
            layout.pieces.editIf(
                [&](const PlacedPiece& p) {
                    return p.selected && p.helix == kNoId && p.id != moverId;
                },
                [&](PlacedPiece& p) { p.z += dz; });
        }
    }
}

void SelectTool::rejoinNearbyEnds() {
    Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    const ConnectorGrid grid = unselectedOpenEnds(layout, catalog, false);
    if (grid.empty()) {
        return;
    }
    // Selected pieces were moved, so their chunks are the list's own already.
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PieceDef* def =
            layout.pieces[i].selected ? catalog.byArticle(layout.pieces[i].article) : nullptr;
        if (def == nullptr) {
            continue;
        }
        PlacedPiece& p = layout.pieces.edit(i);
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            if (!p.jointAt(c).isOpen()) {
                continue;
            }
            const WorldConnector wc = connectorToWorld(p, *def, c);
            const ConnectorGrid::Entry* match = nullptr;
            grid.near({wc.x, wc.y}, [&](const ConnectorGrid::Entry& e) {
                const double dx = e.at.x - wc.x, dy = e.at.y - wc.y;
                if (match == nullptr && dx * dx + dy * dy < kRejoinSquared &&
                    layout.pieces[e.piece].jointAt(e.conn).isOpen()) {
                    match = &e;
                }
            });
            if (match != nullptr) {
                joinPieces(p, c, layout.pieces.edit(match->piece), match->conn);
            }
        }
    }
}
