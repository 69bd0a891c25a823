// The palette drag: a catalog piece on the mouse with its snap search, the drop with its track
// system check, and the spokes a dropped turntable brings along.
#include "canvas/placement_tool.h"

#include <memory>

#include "app/prompter.h"
#include "canvas/canvas_controller.h"
#include "canvas/track_growth.h"
#include "catalog/scenery_catalog.h"
#include "document/snap_search.h"

namespace {

constexpr const char* kTurntable = "74861";
constexpr const char* kSpoke = "74871";
constexpr int kSpokeConnectors[] = {29, 0, 1, 14, 15, 16};
constexpr ScreenPoint kDragStart{300, 200};
constexpr double kTurnStep = 30.0;  ///< degrees per wheel step, R key or right click

}  // namespace

PaletteDragTool::PaletteDragTool(CanvasController& owner, const std::string& article)
    : m_ctrl(owner) {
    m_drag.active = true;
    m_drag.article = article;
    m_drag.position = owner.toWorld(kDragStart);
}

void PaletteDragTool::leftDown(ScreenPoint, Modifiers) {
    drop();
}

void PaletteDragTool::motion(ScreenPoint at, Modifiers, bool leftButton) {
    // The button held since the press in the palette: this is drag and drop.
    m_drag.movedOverCanvas = m_drag.movedOverCanvas || leftButton;
    follow(at);
}

void PaletteDragTool::leftUp(ScreenPoint at, Modifiers) {
    // The press that started this drag was in the palette; letting go over the canvas after
    // moving there drops the piece.
    if (m_drag.movedOverCanvas) {
        follow(at);
        drop();
    }
}

void PaletteDragTool::rightDown(ScreenPoint at, Modifiers) {
    turn(kTurnStep);
    follow(at);
}

bool PaletteDragTool::wheel(ScreenPoint at, Modifiers mods, int rotation) {
    if (rotation != 0) {
        const double step = mods.shift ? kTurnStep / 2.0 : kTurnStep;
        turn(rotation < 0 ? -step : step);
        follow(at);
    }
    return true;
}

bool PaletteDragTool::key(CanvasKey key, Modifiers mods) {
    if (mods.ctrl || mods.alt || (key != CanvasKey::R && key != CanvasKey::F)) {
        return false;
    }
    if (key == CanvasKey::R) {
        turn(kTurnStep);
    } else {
        m_drag.flipped = !m_drag.flipped;
    }
    follow(m_ctrl.mousePoint());
    return true;
}

void PaletteDragTool::overlays(CanvasOverlays& out) const {
    const Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    if (m_drag.snap.snapped) {
        const PlacedPiece* target = layout.FindPiece(m_drag.snap.targetId);
        const PieceDef* def = target != nullptr ? catalog.byArticle(target->article) : nullptr;
        if (def != nullptr) {
            const WorldConnector c = connectorToWorld(*target, *def, m_drag.snap.targetConn);
            out.push_back(OverlaySnapMarker{{c.x, c.y}});
        }
    }
    out.push_back(OverlayPieceGhost{catalog.byArticle(m_drag.article),
                                    m_drag.snap.snapped ? m_drag.snap.pose : freePose()});
}

Pose PaletteDragTool::freePose() const {
    const Pose atMouse{m_drag.position.x, m_drag.position.y, m_drag.heading};
    const PieceDef* def = m_ctrl.catalog().byArticle(m_drag.article);
    return m_drag.flipped && def != nullptr ? flippedPose(*def, atMouse) : atMouse;
}

void PaletteDragTool::turn(double degrees) {
    m_drag.heading = normalizeHeading(m_drag.heading + degrees);
}

void PaletteDragTool::follow(ScreenPoint at) {
    m_drag.position = m_ctrl.toWorld(at);
    m_drag.snap = SnapResult{};
    const PieceDef* def = m_ctrl.catalog().byArticle(m_drag.article);
    if (def != nullptr && m_ctrl.layout().snapEnabled) {
        collectVisiblePieces(m_ctrl.layout(), m_candidates, false);
        m_drag.snap = findSnap(*def, freePose(), m_candidates, m_ctrl.catalog());
    }
    m_ctrl.host().repaint();
}

void PaletteDragTool::drop() {
    Layout& layout = m_ctrl.layout();
    const TrackCatalog& catalog = m_ctrl.catalog();
    const PieceDef* def = catalog.byArticle(m_drag.article);
    if (def == nullptr) {
        m_ctrl.cancelPlacement();
        return;
    }
    const Pose free = freePose();
    const SnapResult snap = m_drag.snap;
    const PlacedPiece* target = snap.snapped ? layout.FindPiece(snap.targetId) : nullptr;
    if (target == nullptr && layout.snapEnabled) {
        collectVisiblePieces(layout, m_candidates, false);
        const SystemConflict conflict = findSystemConflict(*def, free, m_candidates, catalog);
        if (conflict.conflict) {
            m_ctrl.cancelPlacement();
            m_ctrl.host().prompter().showMessage(
                "Incompatible Track Systems",
                incompatibleSystemsMessage(conflict.newSystem, conflict.existingSystem),
                PromptIcon::Exclamation);
            return;
        }
    }
    PlacedPiece record;
    record.article = def->article;
    record.joints.resize(def->connectors.size());
    const Pose pose = target != nullptr ? snap.pose : free;
    record.setPose(pose);
    if (target != nullptr) {
        record.level = target->level;
        record.z = target->z;
    } else {
        record.level = placementLevel(layout, &record.z);
    }
    const bool firstPiece = layout.pieces.empty();
    const uint32_t targetId = target != nullptr ? target->id : kNoId;
    const uint32_t id = m_ctrl.addPiece(std::move(record));
    if (firstPiece && def->system == Systems::ZTrack) {
        m_ctrl.view().resetView(CanvasView::kOpenZoom);  // Z-Track is tiny at the usual zoom
    }
    if (targetId != kNoId) {
        m_ctrl.currentEdit().join(id, snap.ownConn, targetId, snap.targetConn);
    }
    if (def->article == kTurntable && catalog.byArticle(kSpoke) != nullptr) {
        placeTurntableSpokes(id);
    }
    // A piece that closes a loop or fills a gap meets track at its other ends too.
    m_ctrl.currentEdit().joinCoincidentEnds({id});
    layout.DeselectAll();
    layout.EditPiece(id)->selected = true;
    m_ctrl.finishTool();  // this tool lives on until the event has been handled
    m_ctrl.host().releaseMouse();
    m_ctrl.modified();
    m_ctrl.notifySelection();
    m_ctrl.host().repaint();
}

void PaletteDragTool::placeTurntableSpokes(uint32_t turntableId) {
    const Layout& layout = m_ctrl.layout();
    const PieceDef* spoke = m_ctrl.catalog().byArticle(kSpoke);
    const PlacedPiece* table = layout.FindPiece(turntableId);
    const PieceDef* tdef = table != nullptr ? m_ctrl.catalog().byArticle(table->article) : nullptr;
    if (spoke == nullptr || tdef == nullptr || spoke->connectors.empty()) {
        return;
    }
    // The spokes belong to the turntable's edit. A connector the drop joined to track keeps
    // that joint: a spoke there would overwrite one side of it.
    for (int c : kSpokeConnectors) {
        table = layout.FindPiece(turntableId);
        if (c >= static_cast<int>(tdef->connectors.size()) || !table->jointAt(c).isOpen()) {
            continue;
        }
        PlacedPiece p;
        p.article = spoke->article;
        const Pose pose = matingPose(*spoke, 0, connectorToWorld(*table, *tdef, c));
        p.setPose(pose);
        p.level = table->level;
        p.z = table->z;
        const uint32_t id = m_ctrl.currentEdit().addPiece(std::move(p));
        m_ctrl.currentEdit().join(id, 0, turntableId, c, Edit::Heights::Keep);
    }
}

// ---- Starting a placement --------------------------------------------------------------------

namespace {

void startPlacement(CanvasController& ctrl, std::unique_ptr<CanvasTool> tool) {
    ctrl.setTool(std::move(tool));
    ctrl.host().takeFocus();
    ctrl.host().captureMouse();
    ctrl.host().repaint();
}

template <typename Tool, typename State>
const State& stateOf(const CanvasController& ctrl) {
    static const State none;
    const Tool* tool = ctrl.toolAs<Tool>();
    return tool != nullptr ? tool->state() : none;
}

}  // namespace

void startPaletteDrag(CanvasController& ctrl, const std::string& article) {
    if (ctrl.catalog().byArticle(article) != nullptr) {
        startPlacement(ctrl, std::make_unique<PaletteDragTool>(ctrl, article));
    }
}

void startSceneryPlacement(CanvasController& ctrl, const std::string& key) {
    if (SceneryCatalog::instance().byKey(key) != nullptr) {
        startPlacement(ctrl, std::make_unique<SceneryPlacementTool>(ctrl, key));
    }
}

void startHelixPlacement(CanvasController& ctrl, const std::string& variant) {
    startPlacement(ctrl, std::make_unique<HelixPlacementTool>(ctrl, variant));
}

const PaletteDrag& paletteDrag(const CanvasController& ctrl) {
    return stateOf<PaletteDragTool, PaletteDrag>(ctrl);
}

const SceneryPlacement& sceneryPlacement(const CanvasController& ctrl) {
    return stateOf<SceneryPlacementTool, SceneryPlacement>(ctrl);
}

const HelixPlacement& helixPlacement(const CanvasController& ctrl) {
    return stateOf<HelixPlacementTool, HelixPlacement>(ctrl);
}
