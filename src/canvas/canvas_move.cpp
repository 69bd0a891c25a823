// Moving and turning the selection: the guards that lock helix and tunnel track, joint breaking,
// the move snap with its rigid transform, the 4 mm rejoin, and the Alt rotation.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "document/snap_search.h"
#include "edit/connector_grid.h"
#include "edit/edit_guards.h"
#include "edit/track_joints.h"
#include "tools/elevation.h"

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

Vec2 rotateAbout(Vec2 p, Vec2 pivot, double deg) {
    const double r = degToRad(deg), c = std::cos(r), s = std::sin(r);
    const double dx = p.x - pivot.x, dy = p.y - pivot.y;
    return {pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c};
}

}  // namespace

bool CanvasController::beginMove() {
    // Guards first, before any undo step: a refusal leaves the document as it was.
    m_host.releaseMouse();
    std::unordered_map<uint32_t, int> selectedStubs, allStubs;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (p.helix != kNoId) {
            ++allStubs[p.helix];
            if (p.selected) {
                ++selectedStubs[p.helix];
            }
        }
    }
    for (const auto& [helix, count] : selectedStubs) {
        if (count != allStubs[helix]) {
            m_host.prompter().showMessage(
                "Helix partially selected",
                "Selection contains part of a helix. Either select the whole helix (click any of "
                "its stubs) or exclude it from the selection before moving.",
                PromptIcon::Info);
            m_move = PieceMove{};
            return false;
        }
    }
    bool tunnel = false;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (p.selected && p.helix == kNoId) {
            for (const Tunnel& t : m_layout.tunnels) {
                tunnel =
                    tunnel || std::find(t.covers.begin(), t.covers.end(), p.id) != t.covers.end();
            }
        }
    }
    for (const SceneryItem& s : m_layout.scenery) {
        for (const Tunnel& t : m_layout.tunnels) {
            const auto id = static_cast<int32_t>(s.id);
            tunnel = tunnel || (s.selected && (t.portalA == id || t.portalB == id));
        }
    }
    if (tunnel) {
        m_host.prompter().showMessage(
            "Tunnel is locked",
            "Selection includes tunnel track or portals. Remove the tunnel first, then move.",
            PromptIcon::Info);
        m_move = PieceMove{};
        return false;
    }
    if (!gradedMoveWarningShown() && gradedPieceSelected(m_layout)) {
        const int answer = m_host.prompter().ask(
            "Move",
            "Selection includes graded pieces. Moving will break joints and leave the chain's "
            "elevation inconsistent.\n\nMove anyway? (This warning will not appear again this "
            "session.)",
            PromptButtons::YesNo, kIdNo, PromptIcon::Question);
        if (answer != kIdYes) {
            m_move = PieceMove{};
            return false;
        }
        gradedMoveWarningShown() = true;
    }
    beginEdit();
    m_move.moving = true;
    m_host.captureMouse();

    const auto index = pieceIndexById(m_layout);
    for (PlacedPiece& p : m_layout.pieces) {
        if (p.selected && p.article == kTurntable) {
            for (const Joint& j : p.joints) {
                auto it = index.find(static_cast<uint32_t>(j.target));
                if (!j.isOpen() && it != index.end()) {
                    m_layout.pieces[it->second].selected = true;
                }
            }
        }
    }
    breakOutsideJoints();

    for (size_t i = 0; i < m_layout.pieces.size(); ++i) {
        const PlacedPiece& p = m_layout.pieces[i];
        if (p.selected) {
            m_move.pieces.push_back({p.id, p.pose(), i});
        }
    }
    for (const SceneryItem& s : m_layout.scenery) {
        if (s.selected) {
            m_move.scenery.push_back({s.id, {s.x, s.y, s.heading}});
        }
    }
    for (const Helix& h : m_layout.helices) {
        const bool carried =
            std::any_of(m_layout.pieces.begin(), m_layout.pieces.end(),
                        [&h](const PlacedPiece& p) { return p.selected && p.helix == h.id; });
        if (carried) {
            m_move.helices.push_back({h.id, {h.cx, h.cy, h.heading}});
        }
    }
    m_move.grid = unselectedOpenEnds(m_layout, m_catalog, true);
    notifySelection();
    return true;
}

void CanvasController::breakOutsideJoints() {
    const auto index = pieceIndexById(m_layout);
    for (PlacedPiece& p : m_layout.pieces) {
        if (!p.selected) {
            continue;
        }
        for (Joint& j : p.joints) {
            if (j.isOpen()) {
                continue;
            }
            auto it = index.find(static_cast<uint32_t>(j.target));
            if (it == index.end()) {
                j = Joint{};  // a joint to a piece that is gone is open
                continue;
            }
            PlacedPiece& other = m_layout.pieces[it->second];
            if (other.selected) {
                continue;
            }
            if (j.tconn >= 0 && static_cast<size_t>(j.tconn) < other.joints.size() &&
                other.joints[static_cast<size_t>(j.tconn)].target == static_cast<int32_t>(p.id)) {
                other.joints[static_cast<size_t>(j.tconn)] = Joint{};
            }
            j = Joint{};
        }
    }
}

void CanvasController::dragSelection(ScreenPoint at) {
    const Vec2 w = toWorld(at);
    const double dx = w.x - m_move.grab.x, dy = w.y - m_move.grab.y;
    // No piece is added or removed while dragging, so the slots taken when the move began
    // still hold the moving pieces: no look-up on every mouse move.
    for (const PoseOf& s : m_move.pieces) {
        if (s.slot < m_layout.pieces.size() && m_layout.pieces[s.slot].id == s.id) {
            m_layout.pieces[s.slot].x = s.pose.x + dx;
            m_layout.pieces[s.slot].y = s.pose.y + dy;
        }
    }
    for (const PoseOf& s : m_move.scenery) {
        if (SceneryItem* item = m_layout.FindScenery(s.id)) {
            item->x = s.pose.x + dx;
            item->y = s.pose.y + dy;
        }
    }
    for (const PoseOf& s : m_move.helices) {
        if (Helix* h = m_layout.FindHelix(s.id)) {
            h->cx = s.pose.x + dx;
            h->cy = s.pose.y + dy;
        }
    }
    m_move.snap = SnapResult{};
    m_move.snapPiece = kNoId;
    if (m_layout.snapEnabled) {
        searchMoveSnap();
    }
    m_host.repaint();
}

void CanvasController::searchMoveSnap() {
    if (m_move.grid.empty()) {
        return;
    }
    std::vector<const PlacedPiece*> nearby;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (!p.selected) {
            continue;
        }
        const PieceDef* def = m_catalog.byArticle(p.article);
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
                const PlacedPiece* q = &m_layout.pieces[e.piece];
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
        const SnapResult r = findSnap(*def, p.pose(), nearby, m_catalog);
        if (r.snapped && p.jointAt(r.ownConn).isOpen() &&
            (!m_move.snap.snapped || r.distance < m_move.snap.distance)) {
            m_move.snap = r;
            m_move.snapPiece = p.id;
        }
    }
}

void CanvasController::finishMove() {
    double moved = 0.0;
    const auto index = pieceIndexById(m_layout);
    for (const PoseOf& s : m_move.pieces) {
        auto it = index.find(s.id);
        if (it != index.end()) {
            const PlacedPiece& p = m_layout.pieces[it->second];
            moved = std::max(moved, std::hypot(p.x - s.pose.x, p.y - s.pose.y));
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
    modified();
    notifySelection();
}

void CanvasController::applyMoveSnap() {
    const auto index = pieceIndexById(m_layout);
    auto find = [&](uint32_t id) -> PlacedPiece* {
        auto it = index.find(id);
        return it == index.end() ? nullptr : &m_layout.pieces[it->second];
    };
    PlacedPiece* mover = find(m_move.snapPiece);
    PlacedPiece* target = find(m_move.snap.targetId);
    if (mover == nullptr || target == nullptr) {
        return;  // the target went away: no joint
    }
    const PieceDef* mdef = m_catalog.byArticle(mover->article);
    const PieceDef* tdef = m_catalog.byArticle(target->article);
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
    for (PlacedPiece& p : m_layout.pieces) {
        if (p.selected) {
            transform(p.x, p.y);
            p.heading = normalizeHeading(p.heading + turn);
        }
    }
    // Scenery moved along with the pieces, so it follows the correction as well.
    for (SceneryItem& s : m_layout.scenery) {
        if (s.selected) {
            transform(s.x, s.y);
            s.heading = normalizeHeading(s.heading + turn);
        }
    }
    for (const PoseOf& h : m_move.helices) {
        if (Helix* helix = m_layout.FindHelix(h.id)) {
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
        inheritElevation(m_layout, moverId, target->id, m_move.snap.targetConn, m_move.snap.ownConn,
                         m_catalog);
        const double dz = m_layout.FindPiece(moverId)->z - before;
        if (std::fabs(dz) > 0.001) {
            for (PlacedPiece& p : m_layout.pieces) {
                if (p.selected && p.helix == kNoId && p.id != moverId) {
                    p.z += dz;
                }
            }
        }
    }
}

void CanvasController::rejoinNearbyEnds() {
    const ConnectorGrid grid = unselectedOpenEnds(m_layout, m_catalog, false);
    if (grid.empty()) {
        return;
    }
    for (PlacedPiece& p : m_layout.pieces) {
        const PieceDef* def = p.selected ? m_catalog.byArticle(p.article) : nullptr;
        if (def == nullptr) {
            continue;
        }
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            if (!p.jointAt(c).isOpen()) {
                continue;
            }
            const WorldConnector wc = connectorToWorld(p, *def, c);
            const ConnectorGrid::Entry* match = nullptr;
            grid.near({wc.x, wc.y}, [&](const ConnectorGrid::Entry& e) {
                const double dx = e.at.x - wc.x, dy = e.at.y - wc.y;
                if (match == nullptr && dx * dx + dy * dy < kRejoinSquared &&
                    m_layout.pieces[e.piece].jointAt(e.conn).isOpen()) {
                    match = &e;
                }
            });
            if (match != nullptr) {
                joinPieces(p, c, m_layout.pieces[match->piece], match->conn);
            }
        }
    }
}

// ---- Alt rotation ----------------------------------------------------------------------------

bool CanvasController::beginRotation(ScreenPoint at) {
    Rotation rot;
    const bool onlyPieces = std::none_of(m_layout.scenery.begin(), m_layout.scenery.end(),
                                         [](const SceneryItem& s) { return s.selected; }) &&
                            std::none_of(m_layout.shapes.begin(), m_layout.shapes.end(),
                                         [](const FreeShape& s) { return s.selected; });
    const Helix* helix = nullptr;
    if (onlyPieces && selectionIsWholeHelix(m_layout)) {
        for (const PlacedPiece& p : m_layout.pieces) {
            if (p.selected) {
                helix = m_layout.FindHelix(p.helix);
                break;
            }
        }
        // Only the whole helix turns about its centre.
        const bool whole =
            helix != nullptr && std::none_of(m_layout.pieces.begin(), m_layout.pieces.end(),
                                             [helix](const PlacedPiece& p) {
                                                 return p.helix == helix->id && !p.selected;
                                             });
        helix = whole ? helix : nullptr;
    }
    if (helix != nullptr) {
        rot.pivot = {helix->cx, helix->cy};
        rot.helix = helix->id;
    } else {
        if (!lockGuard(m_layout, m_host.prompter(), "rotate")) {
            return false;
        }
        double sx = 0.0, sy = 0.0;
        int n = 0;
        for (const PlacedPiece& p : m_layout.pieces) {
            if (p.selected) {
                sx += p.x, sy += p.y, ++n;
            }
        }
        for (const SceneryItem& s : m_layout.scenery) {
            if (s.selected) {
                sx += s.x, sy += s.y, ++n;
            }
        }
        for (const FreeShape& s : m_layout.shapes) {
            if (s.selected && !s.vertices.empty()) {
                double vx = 0.0, vy = 0.0;
                for (const Vec2& v : s.vertices) {
                    vx += v.x, vy += v.y;
                }
                sx += vx / double(s.vertices.size()), sy += vy / double(s.vertices.size()), ++n;
            }
        }
        if (n == 0) {
            return false;
        }
        rot.pivot = {sx / n, sy / n};
    }
    beginEdit();
    bool haveReference = false;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (p.selected) {
            rot.pieces.push_back({p.id, p.pose()});
            if (!haveReference) {
                rot.reference = normalizeHeading(p.heading);
                haveReference = true;
            }
        }
    }
    for (const SceneryItem& s : m_layout.scenery) {
        if (s.selected) {
            rot.scenery.push_back({s.id, {s.x, s.y, s.heading}});
            if (!haveReference) {
                rot.reference = normalizeHeading(s.heading);
                haveReference = true;
            }
        }
    }
    for (const FreeShape& s : m_layout.shapes) {
        if (s.selected) {
            rot.shapes.emplace_back(s.id, s.vertices);
        }
    }
    // Helices carried by the rotation turn with their stubs, so rings and stubs stay together.
    for (const Helix& h : m_layout.helices) {
        if (std::any_of(m_layout.pieces.begin(), m_layout.pieces.end(),
                        [&h](const PlacedPiece& p) { return p.selected && p.helix == h.id; })) {
            rot.helices.push_back({h.id, {h.cx, h.cy, h.heading}});
        }
    }
    const double px = rot.pivot.x * m_view.zoom + m_view.panX;
    const double py = rot.pivot.y * m_view.zoom + m_view.panY;
    rot.startAngle = radToDeg(std::atan2(at.y - py, at.x - px));
    rot.active = true;
    m_rotation = std::move(rot);
    m_host.captureMouse();
    m_host.repaint();
    return true;
}

void CanvasController::rotateSelection(ScreenPoint at) {
    Rotation& rot = m_rotation;
    const double px = rot.pivot.x * m_view.zoom + m_view.panX;
    const double py = rot.pivot.y * m_view.zoom + m_view.panY;
    double delta = radToDeg(std::atan2(at.y - py, at.x - px)) - rot.startAngle;
    while (delta > 180.0) {
        delta -= 360.0;
    }
    while (delta <= -180.0) {
        delta += 360.0;
    }
    const double heading = normalizeHeading(rot.reference + delta);
    for (double right : {0.0, 90.0, 180.0, 270.0, 360.0}) {
        if (std::fabs(heading - right) <= 2.0) {
            delta += right - heading;
            rot.flash = true;
            m_host.startFlashTimer(kFlashMs);
            break;
        }
    }
    rot.delta = delta;
    const auto index = pieceIndexById(m_layout);
    for (const PoseOf& s : rot.pieces) {
        auto it = index.find(s.id);
        if (it == index.end()) {
            continue;
        }
        PlacedPiece& p = m_layout.pieces[it->second];
        const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
        p.x = r.x;
        p.y = r.y;
        p.heading = normalizeHeading(s.pose.heading + delta);
    }
    for (const PoseOf& s : rot.scenery) {
        if (SceneryItem* item = m_layout.FindScenery(s.id)) {
            const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
            item->x = r.x;
            item->y = r.y;
            item->heading = normalizeHeading(s.pose.heading + delta);
        }
    }
    for (const auto& [id, vertices] : rot.shapes) {
        FreeShape* shape = m_layout.FindShape(id);
        if (shape == nullptr || shape->vertices.size() != vertices.size()) {
            continue;
        }
        for (size_t i = 0; i < vertices.size(); ++i) {
            shape->vertices[i] = rotateAbout(vertices[i], rot.pivot, delta);
        }
    }
    for (const PoseOf& s : rot.helices) {
        if (Helix* h = m_layout.FindHelix(s.id)) {
            const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
            h->cx = r.x;
            h->cy = r.y;
            h->heading = normalizeHeading(s.pose.heading + delta);
        }
    }
    m_host.repaint();
}
