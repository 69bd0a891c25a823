// Putting track down: the palette drag with its snap search and drop, the turntable's spokes,
// the double-click clone and the palette's auto-connect.
#include <algorithm>
#include <cmath>

#include "app/prompter.h"
#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "document/snap_search.h"
#include "edit/track_joints.h"
#include "tools/elevation.h"

namespace {

constexpr const char* kTurntable = "74861";
constexpr const char* kSpoke = "74871";
constexpr int kSpokeConnectors[] = {29, 0, 1, 14, 15, 16};
constexpr ScreenPoint kDragStart{300, 200};

}  // namespace

void CanvasController::collectVisiblePieces(std::vector<const PlacedPiece*>& out,
                                            bool unselectedOnly) const {
    out.clear();
    const LevelTable levels(m_layout);
    for (const PlacedPiece& p : m_layout.pieces) {
        if ((!unselectedOnly || !p.selected) && levels.visible(p.level)) {
            out.push_back(&p);
        }
    }
}

int32_t CanvasController::placementLevel(double* height) const {
    const LayoutLevel* best = nullptr;
    for (const LayoutLevel& l : m_layout.levels) {
        if (l.visible && (best == nullptr || l.height > best->height)) {
            best = &l;
        }
    }
    if (best == nullptr) {
        best = m_layout.FindLevel(m_layout.activeLevel);
    }
    if (height != nullptr) {
        *height = best != nullptr ? best->height : 0.0;
    }
    return best != nullptr ? best->id : m_layout.activeLevel;
}

void CanvasController::startPaletteDrag(const std::string& article) {
    if (m_catalog.byArticle(article) == nullptr) {
        return;
    }
    for (CanvasTool* tool : m_tools) {
        tool->cancel();  // scenery and helix placements end
    }
    m_drag = PaletteDrag{};
    m_drag.active = true;
    m_drag.article = article;
    m_drag.position = toWorld(kDragStart);
    m_drag.heading = 0.0;
    m_host.setStatusText(0, kPlacementHint);
    m_host.takeFocus();
    m_host.captureMouse();
    m_host.repaint();
}

void CanvasController::cancelPlacement() {
    for (CanvasTool* tool : m_tools) {
        tool->cancel();
    }
    m_drag = PaletteDrag{};
    m_host.releaseMouse();
    m_host.repaint();
}

uint32_t CanvasController::addPiece(PlacedPiece record) {
    beginEdit();
    record.id = kNoId;
    return currentEdit().addPiece(std::move(record));
}

Pose CanvasController::dragFreePose() const {
    const Pose atMouse{m_drag.position.x, m_drag.position.y, m_drag.heading};
    const PieceDef* def = m_catalog.byArticle(m_drag.article);
    if (!m_drag.flipped || def == nullptr || def->connectors.size() < 2) {
        return atMouse;
    }
    // Connector 1 takes the place of connector 0: at the mouse, facing back along the heading.
    return matingPose(*def, 1, atMouse);
}

void CanvasController::dragMotion(ScreenPoint at) {
    m_drag.position = toWorld(at);
    m_drag.snap = SnapResult{};
    const PieceDef* def = m_catalog.byArticle(m_drag.article);
    if (def != nullptr && m_layout.snapEnabled) {
        collectVisiblePieces(m_candidates, false);
        m_drag.snap = findSnap(*def, dragFreePose(), m_candidates, m_catalog);
    }
    m_host.repaint();
}

void CanvasController::dropPiece() {
    const PieceDef* def = m_catalog.byArticle(m_drag.article);
    if (def == nullptr) {
        cancelPlacement();
        return;
    }
    const Pose free = dragFreePose();
    const SnapResult snap = m_drag.snap;
    const PlacedPiece* target = snap.snapped ? m_layout.FindPiece(snap.targetId) : nullptr;
    if (target == nullptr && m_layout.snapEnabled) {
        collectVisiblePieces(m_candidates, false);
        const SystemConflict conflict = findSystemConflict(*def, free, m_candidates, m_catalog);
        if (conflict.conflict) {
            cancelPlacement();
            m_host.prompter().showMessage(
                "Incompatible Track Systems",
                incompatibleSystemsMessage(conflict.newSystem, conflict.existingSystem),
                PromptIcon::Exclamation);
            return;
        }
    }
    PlacedPiece record;
    record.article = def->article;
    record.joints.resize(def->connectors.size());
    if (target != nullptr) {
        record.x = snap.pose.x;
        record.y = snap.pose.y;
        record.heading = snap.pose.heading;
        record.level = target->level;
        record.z = target->z;
    } else {
        record.x = free.x;
        record.y = free.y;
        record.heading = free.heading;
        record.level = placementLevel(&record.z);
    }
    const bool firstPiece = m_layout.pieces.empty();
    const uint32_t targetId = target != nullptr ? target->id : kNoId;
    const uint32_t id = addPiece(std::move(record));
    if (firstPiece && def->system == Systems::ZTrack) {
        m_view.resetView(CanvasView::kOpenZoom);  // Z-Track is tiny at the usual zoom
    }
    if (targetId != kNoId) {
        currentEdit().join(id, snap.ownConn, targetId, snap.targetConn);
    }
    if (def->article == kTurntable && m_catalog.byArticle(kSpoke) != nullptr) {
        placeTurntableSpokes(id);
    }
    // A piece that closes a loop or fills a gap meets track at its other ends too.
    currentEdit().joinCoincidentEnds({id});
    m_layout.DeselectAll();
    m_layout.FindPiece(id)->selected = true;
    m_drag = PaletteDrag{};
    m_host.releaseMouse();
    modified();
    notifySelection();
    m_host.repaint();
}

void CanvasController::placeTurntableSpokes(uint32_t turntableId) {
    const PieceDef* spoke = m_catalog.byArticle(kSpoke);
    const PlacedPiece* table = m_layout.FindPiece(turntableId);
    const PieceDef* tdef = table != nullptr ? m_catalog.byArticle(table->article) : nullptr;
    if (spoke == nullptr || tdef == nullptr || spoke->connectors.empty()) {
        return;
    }
    // The spokes belong to the turntable's edit. A connector the drop joined to track keeps
    // that joint: a spoke there would overwrite one side of it.
    for (int c : kSpokeConnectors) {
        table = m_layout.FindPiece(turntableId);
        if (c >= static_cast<int>(tdef->connectors.size()) || !table->jointAt(c).isOpen()) {
            continue;
        }
        PlacedPiece p;
        p.article = spoke->article;
        const Pose pose = matingPose(*spoke, 0, connectorToWorld(*table, *tdef, c));
        p.x = pose.x;
        p.y = pose.y;
        p.heading = pose.heading;
        p.level = table->level;
        p.z = table->z;
        const uint32_t id = currentEdit().addPiece(std::move(p));
        currentEdit().join(id, 0, turntableId, c, Edit::Heights::Keep);
    }
}

void CanvasController::leftDoubleClick(ScreenPoint at, Modifiers mods) {
    m_mouse = at;
    if (mods.alt || m_drag.active) {
        return;
    }
    cloneAt(at);
}

bool CanvasController::cloneAt(ScreenPoint at) {
    PlacedPiece* piece = m_layout.FindPiece(pickPiece(at));
    const PieceDef* def = piece != nullptr ? m_catalog.byArticle(piece->article) : nullptr;
    if (def == nullptr || piece->helix != kNoId || def->connectors.empty()) {
        return false;
    }
    const int32_t pid = static_cast<int32_t>(piece->id);
    auto free = [&](int c) {
        if (!piece->jointAt(c).isOpen()) {
            return false;
        }
        return std::none_of(
            m_layout.pieces.begin(), m_layout.pieces.end(), [&](const PlacedPiece& o) {
                return std::any_of(o.joints.begin(), o.joints.end(),
                                   [&](const Joint& j) { return j.target == pid && j.tconn == c; });
            });
    };
    const int n = static_cast<int>(def->connectors.size());
    int end = -1;
    if (n >= 2 && free(1)) {
        end = 1;
    } else if (free(0)) {
        end = 0;
    }
    if (end < 0) {
        return false;
    }
    const int own = std::min(end == 0 ? 1 : 0, n - 1);
    const Pose pose = matingPose(*def, own, connectorToWorld(*piece, *def, end));
    PlacedPiece clone;
    clone.article = piece->article;
    clone.level = piece->level;
    clone.z = piece->z;
    clone.x = pose.x;
    clone.y = pose.y;
    clone.heading = pose.heading;
    clone.joints.resize(def->connectors.size());
    const uint32_t sourceId = piece->id;
    const uint32_t id = addPiece(std::move(clone));
    finishJoinedPlacement(id, own, sourceId, end);
    m_swallowPress = true;
    return true;
}

void CanvasController::autoConnect(const std::string& article, bool flipped) {
    const PieceDef* def = m_catalog.byArticle(article);
    if (def == nullptr) {
        return;
    }
    PlacedPiece* target = nullptr;
    for (PlacedPiece& p : m_layout.pieces) {
        if (p.selected && (target == nullptr || p.id > target->id)) {
            target = &p;
        }
    }
    if (target == nullptr) {
        startPaletteDrag(article);
        return;
    }
    const PieceDef* tdef = m_catalog.byArticle(target->article);
    if (tdef == nullptr || def->connectors.empty()) {
        return;
    }
    extendJoints(*target, m_catalog);
    const int tn = static_cast<int>(tdef->connectors.size());
    int end = -1;
    if (tn >= 2 && target->jointAt(1).isOpen()) {
        end = 1;
    } else if (tn >= 1 && target->jointAt(0).isOpen()) {
        end = 0;
    } else {
        for (int c = 2; c < tn && end < 0; ++c) {
            end = target->jointAt(c).isOpen() ? c : -1;
        }
    }
    if (end < 0) {
        return;
    }
    // Growing from end 1 the new piece meets it with connector 0 and runs on; flipped, it meets
    // it with connector 1, laid end for end.
    const int n = static_cast<int>(def->connectors.size());
    const bool ownIsOne = (end == 0) != flipped;
    const int own = std::min(ownIsOne ? 1 : 0, n - 1);
    const Pose pose = matingPose(*def, own, connectorToWorld(*target, *tdef, end));
    PlacedPiece record;
    record.article = def->article;
    record.x = pose.x;
    record.y = pose.y;
    record.heading = pose.heading;
    record.level = target->level;
    record.z = target->z;
    record.joints.resize(def->connectors.size());
    const uint32_t targetId = target->id;
    const uint32_t id = addPiece(std::move(record));
    finishJoinedPlacement(id, own, targetId, end);
}

void CanvasController::finishJoinedPlacement(uint32_t id, int own, uint32_t target, int end) {
    currentEdit().join(id, own, target, end);
    // A piece that closes a loop or fills a gap meets track at its other ends too.
    currentEdit().joinCoincidentEnds({id});
    m_layout.DeselectAll();
    m_layout.FindPiece(id)->selected = true;
    modified();
    notifySelection();
    m_host.repaint();
}
