// The select tool's dispatch and its selecting gestures: clicks on pieces (single, toggle,
// chain), shapes, labels, scenery and deck outlines, the rubber band, and the simple moves that
// follow the mouse offset.
#include "canvas/select_tool.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "canvas/track_growth.h"
#include "catalog/piece_shape.h"
#include "document/snap_search.h"
#include "edit/track_joints.h"

namespace {

constexpr const char* kTurntable = "74861";

}  // namespace

// ---- Events ----------------------------------------------------------------------------------

void SelectTool::leftDown(ScreenPoint at, Modifiers mods) {
    if (m_swallowPress) {
        m_swallowPress = false;
        return;
    }
    const bool plain = !mods.alt && !mods.shift && !mods.ctrl;
    if (plain && pressOnMeasurement(at)) {
        return;
    }
    const uint32_t piece = m_ctrl.pickPieceOrHelixStub(at);
    if (plain && piece == kNoId && pressOnShape(at)) {
        return;
    }
    if (!mods.alt && pressOnHandle(at)) {
        return;
    }
    if (mods.alt) {
        if (m_ctrl.anyMoveSelection()) {
            beginRotation(at);
        }
        return;
    }
    if (pressOnLabel(at)) {
        return;
    }
    if (piece != kNoId) {
        pressOnPiece(piece, at, mods);
        return;
    }
    if (mods.shift && !mods.ctrl && pressOnDeck(at)) {
        return;
    }
    if (pressOnScenery(at, mods)) {
        return;
    }
    pressOnEmpty(at, mods);
}

void SelectTool::motion(ScreenPoint at, Modifiers, bool leftButton) {
    if (m_handle.handle >= 0) {
        dragHandle(at);
        return;
    }
    if (m_measurement.id != kNoId) {
        moveMeasurement(at);
        return;
    }
    if (!leftButton) {
        hoverCursor(at);
    }
    if (m_labelMove != kNoId) {
        moveLabel(at);
        return;
    }
    if (m_move.pending) {
        if (!m_move.moving) {
            const int dx = at.x - m_move.press.x, dy = at.y - m_move.press.y;
            if (dx * dx + dy * dy > 24 && !beginMove()) {
                return;
            }
        }
        if (m_move.moving) {
            dragSelection(at);
        }
        return;
    }
    if (m_simple.active) {
        moveSimple(at);
        return;
    }
    if (m_band) {
        m_bandTo = at;
        m_ctrl.host().repaint();
        return;
    }
    if (m_rotation.active && leftButton) {
        rotateSelection(at);
    }
}

void SelectTool::leftUp(ScreenPoint at, Modifiers) {
    // A press the toolkit sends along with a double-click is swallowed; one after the release
    // is a new click.
    m_swallowPress = false;
    bool changed = false;
    if (m_rotation.active) {
        m_rotation.active = false;
        changed = true;
    }
    if (m_simple.active) {
        changed = changed || m_simple.undoTaken;
        m_simple = SimpleMove{};
    }
    if (m_handle.handle >= 0 || m_measurement.id != kNoId) {
        changed = true;
        m_handle = HandleDrag{};
        m_measurement = MeasurementMove{};
    }
    if (m_labelMove != kNoId) {
        changed = changed || m_labelUndoTaken;
        m_labelMove = kNoId;
    }
    if (m_move.pending) {
        if (m_move.moving) {
            finishMove();
        }
        m_move = PieceMove{};
    }
    if (m_band) {
        m_bandTo = at;
        finishRubberBand();
        m_band = false;
    }
    if (changed) {
        m_ctrl.modified();
    }
}

void SelectTool::leftDoubleClick(ScreenPoint at, Modifiers mods) {
    if (mods.alt) {
        return;
    }
    if (openPropertiesAt(at)) {
        return;
    }
    if (clonePieceAt(m_ctrl, at)) {
        m_swallowPress = true;
    }
}

void SelectTool::rightDown(ScreenPoint at, Modifiers mods) {
    if (m_ctrl.gestureActive()) {
        return;
    }
    if (mods.alt && m_ctrl.anyMoveSelection()) {
        turnSelectionStep(m_ctrl, +1);
        return;
    }
    contextMenu(at, mods);
}

bool SelectTool::wheel(ScreenPoint, Modifiers mods, int rotation) {
    if (!mods.ctrl || !m_ctrl.anyMoveSelection()) {
        return false;
    }
    turnSelectionByWheel(m_ctrl, rotation, mods.shift);
    return true;
}

void SelectTool::timer() {
    m_rotation.flash = false;
    m_ctrl.host().repaint();
}

bool SelectTool::allowPan(bool spaceBar) {
    if (!spaceBar) {
        return true;
    }
    if (m_simple.active) {
        return false;  // a scenery, shape or deck drag keeps the mouse
    }
    m_band = false;
    return true;
}

bool SelectTool::busy() const {
    return m_move.pending || m_rotation.active || m_simple.active || m_labelMove != kNoId ||
           m_band || m_handle.handle >= 0 || m_measurement.id != kNoId;
}

void SelectTool::overlays(CanvasOverlays& out) const {
    if (m_band) {
        out.push_back(OverlayBand{m_bandFrom, m_bandTo});
    }
    if (m_move.moving && m_move.snap.snapped) {
        const Layout& layout = m_ctrl.layout();
        const PlacedPiece* target = layout.FindPiece(m_move.snap.targetId);
        const PieceDef* def =
            target != nullptr ? m_ctrl.catalog().byArticle(target->article) : nullptr;
        if (def != nullptr) {
            const WorldConnector c = connectorToWorld(*target, *def, m_move.snap.targetConn);
            out.push_back(OverlaySnapMarker{{c.x, c.y}});
        }
    }
    if (m_rotation.active) {
        out.push_back(OverlayPivot{m_rotation.pivot,
                                   normalizeHeading(m_rotation.reference + m_rotation.delta),
                                   m_rotation.flash});
    }
}

// ---- Presses ---------------------------------------------------------------------------------

bool SelectTool::pressOnShape(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    FreeShape* shape = layout.FindShape(m_ctrl.pickShape(at));
    if (shape == nullptr) {
        return false;
    }
    layout.DeselectAll();
    shape = layout.FindShape(shape->id);
    shape->selected = true;
    m_ctrl.beginEdit();
    m_simple = SimpleMove{};
    m_simple.active = true;
    m_simple.grab = m_ctrl.toWorld(at);
    m_simple.shape = shape->id;
    m_simple.vertices = shape->vertices;
    m_simple.undoTaken = true;
    m_ctrl.notifySelection();
    m_ctrl.host().captureMouse();
    m_ctrl.host().repaint();
    return true;
}

bool SelectTool::pressOnLabel(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    LayoutLabel* label = layout.FindLabel(m_ctrl.pickLabel(at));
    if (label == nullptr) {
        return false;
    }
    for (LayoutLabel& l : layout.labels) {
        l.selected = false;
    }
    const Vec2 world = m_ctrl.toWorld(at);
    label->selected = true;
    m_labelMove = label->id;
    m_labelOffset = {world.x - label->x, world.y - label->y};
    m_labelUndoTaken = false;
    m_ctrl.notifySelection();
    m_ctrl.host().captureMouse();
    m_ctrl.host().repaint();
    return true;
}

bool SelectTool::pressOnScenery(ScreenPoint at, Modifiers mods) {
    Layout& layout = m_ctrl.layout();
    SceneryItem* item = layout.EditScenery(m_ctrl.pickScenery(at));
    if (item == nullptr) {
        return false;
    }
    if (!mods.shift) {
        if (!item->selected) {
            layout.DeselectAll();
            item->selected = true;
        }
    } else {
        item->selected = !item->selected;
    }
    m_simple = SimpleMove{};
    m_simple.active = true;
    m_simple.grab = m_ctrl.toWorld(at);
    for (auto it = layout.scenery.begin(); it != layout.scenery.end(); ++it) {
        if (it->selected) {
            m_simple.scenery.push_back({it->id, {it->x, it->y, it->heading}, it.index()});
        }
    }
    m_ctrl.notifySelection();
    m_ctrl.host().captureMouse();
    m_ctrl.host().repaint();
    return true;
}

void SelectTool::pressOnEmpty(ScreenPoint at, Modifiers mods) {
    m_ctrl.layout().DeselectAll();
    m_ctrl.notifySelection();
    if (!mods.ctrl) {
        m_band = true;
        m_bandFrom = m_bandTo = at;
    } else {
        m_ctrl.startPan(at);
        m_ctrl.host().setLabelDropPoint(m_ctrl.toWorld(at));
    }
    m_ctrl.host().captureMouse();
    m_ctrl.host().repaint();
}

// ---- Moves that follow the mouse offset ------------------------------------------------------

void SelectTool::moveLabel(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    LayoutLabel* label = layout.FindLabel(m_labelMove);
    if (label == nullptr) {
        return;
    }
    const Vec2 w = m_ctrl.toWorld(at);
    if (!m_labelUndoTaken) {
        // The step is taken when the label really moves, so a click costs none.
        m_ctrl.beginEdit();
        m_labelUndoTaken = true;
        label = layout.FindLabel(m_labelMove);
    }
    label->x = w.x - m_labelOffset.x;
    label->y = w.y - m_labelOffset.y;
    m_ctrl.host().repaint();
}

void SelectTool::moveSimple(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    const Vec2 w = m_ctrl.toWorld(at);
    const double dx = w.x - m_simple.grab.x, dy = w.y - m_simple.grab.y;
    if (!m_simple.undoTaken) {
        // A scenery click that never moves costs no undo step.
        m_ctrl.beginEdit();
        m_simple.undoTaken = true;
    }
    shiftFromStart(layout.scenery, m_simple.scenery, dx, dy);
    std::vector<Vec2>* vertices = nullptr;
    if (FreeShape* shape = layout.FindShape(m_simple.shape)) {
        vertices = &shape->vertices;
    } else if (LayoutLevel* level = layout.FindLevel(m_simple.level);
               level != nullptr && m_simple.level >= 0) {
        vertices = &level->outline;
    }
    if (vertices != nullptr && vertices->size() == m_simple.vertices.size()) {
        for (size_t i = 0; i < vertices->size(); ++i) {
            (*vertices)[i] = {m_simple.vertices[i].x + dx, m_simple.vertices[i].y + dy};
        }
    }
    m_ctrl.host().repaint();
}

// ---- Pieces, chains and the rubber band ------------------------------------------------------

bool SelectTool::pressOnPiece(uint32_t id, ScreenPoint at, Modifiers mods) {
    Layout& layout = m_ctrl.layout();
    PlacedPiece* piece = layout.EditPiece(id);
    if (piece == nullptr) {
        return false;
    }
    if (!mods.ctrl && !mods.shift) {
        // A click inside the selection keeps it, so the drag that follows moves all of it.
        if (!piece->selected) {
            layout.DeselectAll();
            if (const uint32_t helix = piece->helix; helix != kNoId) {
                layout.pieces.editIf(
                    [helix](const PlacedPiece& p) { return !p.selected && p.helix == helix; },
                    [](PlacedPiece& p) { p.selected = true; });
            } else if (piece->article == kTurntable) {
                piece->selected = true;
                for (const Joint& j : piece->joints) {
                    PlacedPiece* other =
                        j.isOpen() ? nullptr : layout.EditPiece(static_cast<uint32_t>(j.target));
                    if (other != nullptr) {
                        other->selected = true;
                    }
                }
            } else {
                piece->selected = true;
            }
        }
    } else if (mods.ctrl && !mods.shift) {
        piece->selected = !piece->selected;
    } else {
        chainSelect(id);
    }
    layout.CompleteHelixSelection();
    m_ctrl.notifySelection();
    armMove(id, at);
    m_ctrl.host().repaint();
    return true;
}

void SelectTool::chainSelect(uint32_t clickedId) {
    Layout& layout = m_ctrl.layout();
    const size_t none = layout.pieces.size();
    const size_t goal = layout.PieceSlot(clickedId);
    if (goal == IdIndex::kAbsent) {
        return;
    }
    size_t start = none;
    for (auto it = layout.pieces.begin(); it != layout.pieces.end(); ++it) {
        if (it->selected) {
            start = it.index();
        }
    }
    const auto toggleClicked = [&] {
        PlacedPiece& clicked = layout.pieces.edit(goal);
        clicked.selected = !clicked.selected;
    };
    if (start == none || start == goal) {
        toggleClicked();
        return;
    }
    // Breadth-first over joints from the anchor, remembering each piece's predecessor.
    std::vector<size_t> previous(layout.pieces.size(), none);
    std::vector<bool> visited(layout.pieces.size(), false);
    std::deque<size_t> queue{start};
    visited[start] = true;
    while (!queue.empty() && !visited[goal]) {
        const size_t cur = queue.front();
        queue.pop_front();
        for (const Joint& j : layout.pieces[cur].joints) {
            if (j.isOpen()) {
                continue;
            }
            const size_t slot = layout.PieceSlot(static_cast<uint32_t>(j.target));
            if (slot >= none || visited[slot]) {
                continue;
            }
            visited[slot] = true;
            previous[slot] = cur;
            queue.push_back(slot);
        }
    }
    if (!visited[goal]) {
        toggleClicked();
        return;
    }
    for (size_t i = goal; i != none; i = previous[i]) {
        layout.pieces.edit(i).selected = true;
    }
}

void SelectTool::armMove(uint32_t id, ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    if (PlacedPiece* piece = layout.EditPiece(id)) {
        extendJoints(*piece, m_ctrl.catalog());
    }
    m_move = PieceMove{};
    m_move.pending = true;
    m_move.press = at;
    m_move.grab = m_ctrl.toWorld(at);
    m_ctrl.host().captureMouse();
}

void SelectTool::finishRubberBand() {
    Layout& layout = m_ctrl.layout();
    const CanvasView& view = m_ctrl.view();
    const double left = std::min(m_bandFrom.x, m_bandTo.x);
    const double right = std::max(m_bandFrom.x, m_bandTo.x);
    const double top = std::min(m_bandFrom.y, m_bandTo.y);
    const double bottom = std::max(m_bandFrom.y, m_bandTo.y);
    if (right - left <= 4 && bottom - top <= 4) {
        return;
    }
    const LevelTable levels(layout);
    auto toScreen = [&view](Vec2 w) {
        return Vec2{w.x * view.zoom + view.panX, w.y * view.zoom + view.panY};
    };
    const auto inBand = [&](const PlacedPiece& p) {
        const PieceDef* def = m_ctrl.catalog().byArticle(p.article);
        if (def == nullptr || !levels.visible(p.level)) {
            return false;
        }
        // Pieces whose whole extent lies away from the band are skipped without sampling.
        const double reach = (def->length + def->radius) * view.zoom + 1.0;
        const Vec2 origin = toScreen({p.x, p.y});
        if (origin.x + reach < left || origin.x - reach > right || origin.y + reach < top ||
            origin.y - reach > bottom) {
            return false;
        }
        const PieceShape& shape = pieceShape(*def);
        const Pose pose = p.pose();
        bool hit = false;
        for (const RouteSegment& seg : shape.segments) {
            const int steps = rubberBandSteps(seg);
            Vec2 a = toScreen(localToLayout(pose, seg.pointAt(0.0)));
            for (int k = 1; k <= steps && !hit; ++k) {
                const Vec2 b = toScreen(localToLayout(pose, seg.pointAt(double(k) / steps)));
                hit = segmentHitsRect(a, b, left, top, right, bottom);
                a = b;
            }
            if (hit) {
                break;
            }
        }
        return hit;
    };
    layout.pieces.editIf([&](const PlacedPiece& p) { return !p.selected && inBand(p); },
                         [](PlacedPiece& p) { p.selected = true; });
    layout.scenery.editIf(
        [&](const SceneryItem& s) {
            const Vec2 q = toScreen({s.x, s.y});
            return !s.selected && levels.visible(s.level) && q.x >= left && q.x <= right &&
                   q.y >= top && q.y <= bottom;
        },
        [](SceneryItem& s) { s.selected = true; });
    layout.CompleteHelixSelection();
    m_ctrl.notifySelection();
}

bool SelectTool::pressOnDeck(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    const Vec2 world = m_ctrl.toWorld(at);
    // The highest deck under the point is the one the user sees.
    LayoutLevel* best = nullptr;
    for (LayoutLevel& level : layout.levels) {
        if (level.visible && level.outline.size() >= 3 && insidePolygon(level.outline, world) &&
            (best == nullptr || level.height > best->height)) {
            best = &level;
        }
    }
    if (best == nullptr) {
        return false;
    }
    m_ctrl.beginEdit();
    m_simple = SimpleMove{};
    m_simple.active = true;
    m_simple.grab = world;
    m_simple.level = best->id;
    m_simple.vertices = best->outline;
    m_simple.undoTaken = true;
    m_ctrl.host().captureMouse();
    return true;
}
