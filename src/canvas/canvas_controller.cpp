#include "canvas/canvas_controller.h"

#include <algorithm>
#include <cmath>

#include "canvas/canvas_picking.h"
#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"
#include "document/snap_search.h"

bool& gradedMoveWarningShown() {
    static bool shown = false;
    return shown;
}

CanvasController::CanvasController(LayoutEditor& editor, CanvasHost& host)
    : m_editor(editor), m_layout(editor.layout()), m_host(host), m_catalog(editor.catalog()) {
    // Registered first, so an active placement sees every press before any later tool.
    addTool(&m_placementTool);
}

void CanvasController::addTool(CanvasTool* tool) {
    if (tool != nullptr && std::find(m_tools.begin(), m_tools.end(), tool) == m_tools.end()) {
        m_tools.push_back(tool);
    }
}

void CanvasController::removeTool(CanvasTool* tool) {
    std::erase(m_tools, tool);
}

Vec2 CanvasController::toWorld(ScreenPoint p) const {
    return m_view.screenToWorld(p.x, p.y);
}

void CanvasController::notifySelection() {
    m_editor.selectionChanged();
}

Layout& CanvasController::beginEdit() {
    modified();
    m_edit.emplace(m_editor);
    return m_edit->change();
}

Edit& CanvasController::currentEdit() {
    if (!m_edit) {
        m_edit.emplace(m_editor);
    }
    return *m_edit;
}

void CanvasController::modified() {
    if (m_edit) {
        m_edit->commit();
        m_edit.reset();
    }
}

bool CanvasController::anyMoveSelection() const {
    auto sel = [](const auto& v) {
        return std::any_of(v.begin(), v.end(), [](const auto& o) { return o.selected; });
    };
    return sel(m_layout.pieces) || sel(m_layout.scenery) || sel(m_layout.shapes);
}

void CanvasController::updateStatusCoordinates(ScreenPoint at) {
    const Vec2 w = toWorld(at);
    const Units units = unitsFromInt(static_cast<int>(m_layout.units));
    // While something follows the mouse, field 0 says what the keys do.
    m_host.setStatusText(0, gestureActive() && !m_move.pending && !m_band && !m_pan
                                ? std::string(kPlacementHint)
                                : formatCoordinates(w.x, w.y, units));
    m_host.setStatusText(2, formatMousePosition(w.x, w.y, units));
}

// ---- Picking -------------------------------------------------------------------------------

uint32_t CanvasController::pickPiece(ScreenPoint at) const {
    return ::pickPiece(m_layout, m_view, at, m_catalog);
}
uint32_t CanvasController::pickHelix(ScreenPoint at) const {
    return ::pickHelix(m_layout, m_view, at);
}
uint32_t CanvasController::pickScenery(ScreenPoint at) const {
    return ::pickScenery(m_layout, m_view, at, SceneryCatalog::instance());
}
int CanvasController::pickSceneryHandle(ScreenPoint at) const {
    return ::pickSceneryHandle(m_layout, m_view, at, SceneryCatalog::instance());
}
uint32_t CanvasController::pickLabel(ScreenPoint at) const {
    return ::pickLabel(m_layout, m_view, at);
}
uint32_t CanvasController::pickShape(ScreenPoint at) const {
    return ::pickShape(m_layout, m_view, at);
}

// ---- Left button ---------------------------------------------------------------------------

void CanvasController::leftDown(ScreenPoint at, Modifiers mods) {
    m_mouse = at;
    m_mouseInside = true;
    for (CanvasTool* tool : m_tools) {
        if (tool->leftDown(at, mods)) {
            return;
        }
    }
    if (m_drag.active) {
        dropPiece();
        return;
    }
    if (m_swallowPress) {
        m_swallowPress = false;
        return;
    }
    const bool plain = !mods.alt && !mods.shift && !mods.ctrl;
    const Vec2 world = toWorld(at);
    uint32_t piece = pickPiece(at);
    if (piece == kNoId) {
        // A helix ring stands for its first existing stub piece.
        if (const Helix* h = m_layout.FindHelix(pickHelix(at))) {
            for (int32_t stub : {h->bottomR1, h->bottomR2, h->topR1, h->topR2}) {
                if (stub >= 0 && m_layout.FindPiece(static_cast<uint32_t>(stub)) != nullptr) {
                    piece = static_cast<uint32_t>(stub);
                    break;
                }
            }
        }
    }

    if (plain && piece == kNoId) {
        if (FreeShape* shape = m_layout.FindShape(pickShape(at))) {
            m_layout.DeselectAll();
            shape = m_layout.FindShape(shape->id);
            shape->selected = true;
            beginEdit();
            m_simple = SimpleMove{};
            m_simple.active = true;
            m_simple.grab = world;
            m_simple.shape = shape->id;
            m_simple.vertices = shape->vertices;
            m_simple.undoTaken = true;
            notifySelection();
            m_host.captureMouse();
            m_host.repaint();
            return;
        }
    }
    if (mods.alt) {
        if (anyMoveSelection()) {
            beginRotation(at);
        }
        return;
    }
    if (LayoutLabel* label = m_layout.FindLabel(pickLabel(at))) {
        for (LayoutLabel& l : m_layout.labels) {
            l.selected = false;
        }
        label->selected = true;
        m_labelMove = label->id;
        m_labelOffset = {world.x - label->x, world.y - label->y};
        m_labelUndoTaken = false;
        notifySelection();
        m_host.captureMouse();
        m_host.repaint();
        return;
    }
    if (piece != kNoId) {
        pressOnPiece(piece, at, mods);
        return;
    }
    if (mods.shift && !mods.ctrl && pressOnDeck(at)) {
        return;
    }
    if (SceneryItem* item = m_layout.FindScenery(pickScenery(at))) {
        if (!mods.shift) {
            if (!item->selected) {
                m_layout.DeselectAll();
                item->selected = true;
            }
        } else {
            item->selected = !item->selected;
        }
        m_simple = SimpleMove{};
        m_simple.active = true;
        m_simple.grab = world;
        for (const SceneryItem& s : m_layout.scenery) {
            if (s.selected) {
                m_simple.scenery.push_back({s.id, {s.x, s.y, s.heading}});
            }
        }
        notifySelection();
        m_host.captureMouse();
        m_host.repaint();
        return;
    }
    // Empty canvas.
    m_layout.DeselectAll();
    notifySelection();
    if (!mods.ctrl) {
        m_band = true;
        m_bandFrom = m_bandTo = at;
    } else {
        m_pan = true;
        m_panMoved = false;
        m_panPress = at;
        m_panX0 = m_view.panX;
        m_panY0 = m_view.panY;
        m_host.setLabelDropPoint(world);
    }
    m_host.captureMouse();
    m_host.repaint();
}

void CanvasController::motion(ScreenPoint at, Modifiers mods, bool leftButton) {
    m_mouse = at;
    m_mouseInside = true;
    updateStatusCoordinates(at);
    for (CanvasTool* tool : m_tools) {
        if (tool->motion(at, mods, leftButton)) {
            return;
        }
    }
    if (m_drag.active) {
        // The button held since the press in the palette: this is drag and drop.
        m_drag.movedOverCanvas = m_drag.movedOverCanvas || leftButton;
        dragMotion(at);
        return;
    }
    if (leftButton && m_spaceHeld && !m_simple.active) {
        if (!m_spacePan) {
            // The first motion with the space bar held starts the pan from here.
            m_spacePan = true;
            m_pan = true;
            m_panMoved = false;
            m_panPress = at;
            m_panX0 = m_view.panX;
            m_panY0 = m_view.panY;
            m_band = false;
        }
    }
    if (m_pan) {
        const int dx = at.x - m_panPress.x, dy = at.y - m_panPress.y;
        if (!m_panMoved && (std::abs(dx) >= 4 || std::abs(dy) >= 4)) {
            m_panMoved = true;
            m_host.setCursor(CanvasCursor::Hand);
        }
        if (m_panMoved) {
            m_view.panX = m_panX0 + dx;
            m_view.panY = m_panY0 + dy;
            m_host.repaint();
        }
        return;
    }
    if (m_labelMove != kNoId) {
        if (LayoutLabel* label = m_layout.FindLabel(m_labelMove)) {
            const Vec2 w = toWorld(at);
            if (!m_labelUndoTaken) {
                // The step is taken when the label really moves, so a click costs none.
                beginEdit();
                m_labelUndoTaken = true;
                label = m_layout.FindLabel(m_labelMove);
            }
            label->x = w.x - m_labelOffset.x;
            label->y = w.y - m_labelOffset.y;
            m_host.repaint();
        }
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
        const Vec2 w = toWorld(at);
        const double dx = w.x - m_simple.grab.x, dy = w.y - m_simple.grab.y;
        if (!m_simple.undoTaken) {
            // A scenery click that never moves costs no undo step.
            beginEdit();
            m_simple.undoTaken = true;
        }
        for (const PoseOf& s : m_simple.scenery) {
            if (SceneryItem* item = m_layout.FindScenery(s.id)) {
                item->x = s.pose.x + dx;
                item->y = s.pose.y + dy;
            }
        }
        std::vector<Vec2>* vertices = nullptr;
        if (FreeShape* shape = m_layout.FindShape(m_simple.shape)) {
            vertices = &shape->vertices;
        } else if (LayoutLevel* level = m_layout.FindLevel(m_simple.level);
                   level != nullptr && m_simple.level >= 0) {
            vertices = &level->outline;
        }
        if (vertices != nullptr && vertices->size() == m_simple.vertices.size()) {
            for (size_t i = 0; i < vertices->size(); ++i) {
                (*vertices)[i] = {m_simple.vertices[i].x + dx, m_simple.vertices[i].y + dy};
            }
        }
        m_host.repaint();
        return;
    }
    if (m_band) {
        m_bandTo = at;
        m_host.repaint();
        return;
    }
    if (m_rotation.active && leftButton) {
        rotateSelection(at);
    }
}

void CanvasController::leftUp(ScreenPoint at, Modifiers mods) {
    m_mouse = at;
    // The press that started this drag was in the palette; letting go over the canvas after
    // moving there drops the piece.
    if (m_drag.active && m_drag.movedOverCanvas) {
        dragMotion(at);
        dropPiece();
        return;
    }
    for (CanvasTool* tool : m_tools) {
        if (tool->leftUp(at, mods)) {
            return;
        }
    }
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
    if (m_pan && !m_middlePan) {
        m_pan = false;
        m_spacePan = false;
    }
    if (changed) {
        modified();
    }
    if (!m_middlePan) {
        m_host.releaseMouse();
        m_host.setCursor(CanvasCursor::Arrow);
    }
    m_host.repaint();
}

// ---- Middle button, wheel, keys, timer ---------------------------------------------------

void CanvasController::middleDown(ScreenPoint at) {
    m_mouse = at;
    m_pan = true;
    m_middlePan = true;
    m_panMoved = true;  // no threshold for the middle button
    m_panPress = at;
    m_panX0 = m_view.panX;
    m_panY0 = m_view.panY;
    m_host.setCursor(CanvasCursor::Hand);
    m_host.captureMouse();
}

void CanvasController::middleUp(ScreenPoint at) {
    m_mouse = at;
    if (!m_middlePan) {
        return;
    }
    m_pan = false;
    m_middlePan = false;
    m_host.releaseMouse();
    m_host.setCursor(CanvasCursor::Arrow);
}

void CanvasController::wheel(ScreenPoint at, Modifiers mods, int rotation) {
    m_mouse = at;
    for (CanvasTool* tool : m_tools) {
        if (tool->wheel(at, mods, rotation)) {
            return;
        }
    }
    if (m_drag.active) {
        if (rotation == 0) {
            return;
        }
        const double step = mods.shift ? 15.0 : 30.0;
        m_drag.heading = normalizeHeading(m_drag.heading + (rotation < 0 ? -step : step));
        dragMotion(at);
        return;
    }
    if (mods.ctrl && anyMoveSelection()) {
        wheelRotate(rotation, mods.shift);
        return;
    }
    m_view.wheelZoom(rotation, at.x, at.y);
    m_host.repaint();
}

bool CanvasController::keyDown(CanvasKey key, Modifiers mods) {
    for (CanvasTool* tool : m_tools) {
        if (tool->key(key, mods)) {
            return true;
        }
    }
    switch (key) {
        case CanvasKey::Escape:
            if (m_drag.active) {
                cancelPlacement();
            } else {
                m_layout.DeselectAll();
                notifySelection();
                m_host.repaint();
            }
            return true;
        case CanvasKey::R:
            if (m_drag.active && !mods.ctrl && !mods.alt) {
                m_drag.heading = normalizeHeading(m_drag.heading + 30.0);
                dragMotion(m_mouse);
                return true;
            }
            return false;
        case CanvasKey::F:
            if (m_drag.active && !mods.ctrl && !mods.alt) {
                m_drag.flipped = !m_drag.flipped;
                dragMotion(m_mouse);
                return true;
            }
            return false;
        case CanvasKey::Delete:
        case CanvasKey::Backspace:
            if (gestureActive()) {
                return true;  // not while something is being moved or placed
            }
            deleteCommand();
            return true;
        case CanvasKey::Space:
            m_spaceHeld = true;
            return true;
        case CanvasKey::C:
            if (mods.ctrl && !gestureActive()) {
                copySelection();
                return true;
            }
            return false;
        case CanvasKey::V:
            if (mods.ctrl && !gestureActive()) {
                pasteAtMouseOrCentre();
                return true;
            }
            return false;
        default:
            return false;
    }
}

void CanvasController::keyUp(CanvasKey key) {
    if (key != CanvasKey::Space) {
        return;
    }
    m_spaceHeld = false;
    if (m_spacePan) {
        m_spacePan = false;
        m_pan = false;
        m_host.setCursor(CanvasCursor::Arrow);
    }
}

void CanvasController::timer() {
    m_rotation.flash = false;
    m_host.repaint();
}

void CanvasController::mouseLeft() {
    m_mouseInside = false;
}

bool CanvasController::gestureActive() const {
    return m_drag.active || m_sceneryPlacement.active || m_helixPlacement.active ||
           m_move.pending || m_rotation.active || m_simple.active || m_labelMove != kNoId ||
           m_band || m_pan;
}

// ---- View ----------------------------------------------------------------------------------

void CanvasController::zoomIn() {
    const ScreenPoint size = m_host.clientSize();
    m_view.zoomAtCentre(CanvasView::kMenuZoomIn, size.x, size.y);
    m_host.repaint();
}

void CanvasController::zoomOut() {
    const ScreenPoint size = m_host.clientSize();
    m_view.zoomAtCentre(CanvasView::kMenuZoomOut, size.x, size.y);
    m_host.repaint();
}

void CanvasController::zoomToFit(bool piecesOnly) {
    const ScreenPoint size = m_host.clientSize();
    m_view.zoomToFit(m_layout, piecesOnly, size.x, size.y, m_catalog, [](const std::string& key) {
        const HelixVariant* v = findHelixVariant(key);
        return v != nullptr ? v->outerRadius : 500.0;
    });
    m_host.repaint();
}

void CanvasController::resetView(double zoom) {
    m_view.resetView(zoom);
    m_host.repaint();
}

// ---- Overlays ------------------------------------------------------------------------------

CanvasOverlays CanvasController::overlays() const {
    CanvasOverlays o;
    if (m_band) {
        o.rubberBand = true;
        o.bandFrom = m_bandFrom;
        o.bandTo = m_bandTo;
    }
    const SnapResult* snap = m_drag.active                            ? &m_drag.snap
                             : (m_move.moving && m_move.snap.snapped) ? &m_move.snap
                                                                      : nullptr;
    if (snap != nullptr && snap->snapped) {
        const PlacedPiece* target = m_layout.FindPiece(snap->targetId);
        const PieceDef* def = target != nullptr ? m_catalog.byArticle(target->article) : nullptr;
        if (def != nullptr) {
            const WorldConnector c = connectorToWorld(*target, *def, snap->targetConn);
            o.snapMarker = true;
            o.snapPoint = {c.x, c.y};
        }
    }
    if (m_drag.active) {
        o.ghost = m_catalog.byArticle(m_drag.article);
        o.ghostPose = m_drag.snap.snapped ? m_drag.snap.pose : dragFreePose();
    }
    if (m_rotation.active) {
        o.pivot = true;
        o.pivotPoint = m_rotation.pivot;
        o.pivotOnRightAngle = m_rotation.flash;
        o.pivotHeading = normalizeHeading(m_rotation.reference + m_rotation.delta);
    }
    if (m_sceneryPlacement.active) {
        o.scenery = SceneryCatalog::instance().byKey(m_sceneryPlacement.key);
        o.sceneryPose = {m_sceneryPlacement.position.x, m_sceneryPlacement.position.y,
                         m_sceneryPlacement.heading};
    }
    if (m_helixPlacement.active) {
        o.helix = helixVariantOrDefault(m_helixPlacement.variant);
        o.helixCentre = m_helixPlacement.position;
    }
    return o;
}
