#include "canvas/canvas_controller.h"

#include <algorithm>
#include <cmath>

#include "canvas/canvas_picking.h"
#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"

CanvasController::CanvasController(LayoutEditor& editor, CanvasHost& host)
    : m_editor(editor), m_layout(editor.layout()), m_host(host), m_catalog(editor.catalog()) {}

void CanvasController::setTool(std::unique_ptr<CanvasTool> tool) {
    if (m_tool) {
        m_tool->cancel();
    }
    finishTool();
    m_tool = std::move(tool);
    m_host.setCursor(this->tool().cursor());
    if (!this->tool().hint().empty()) {
        m_host.setStatusText(0, this->tool().hint());
    }
}

void CanvasController::finishTool() {
    if (m_tool) {
        // What the tool asked of the user no longer applies.
        if (!m_tool->hint().empty()) {
            m_host.setStatusText(0, "");
        }
        m_ended.push_back(std::move(m_tool));
        m_host.setCursor(tool().cursor());
    }
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

void CanvasController::updateStatusCoordinates(ScreenPoint at) {
    const Vec2 w = toWorld(at);
    const Units units = unitsFromInt(static_cast<int>(m_layout.units));
    // While something follows the mouse, field 0 says what the keys do.
    const std::string hint = tool().hint();
    m_host.setStatusText(
        0, !hint.empty() && !m_pan.active ? hint : formatCoordinates(w.x, w.y, units));
    m_host.setStatusText(2, formatMousePosition(w.x, w.y, units));
}

// ---- Mouse ---------------------------------------------------------------------------------

void CanvasController::leftDown(ScreenPoint at, Modifiers mods) {
    Dispatch d(*this);
    m_mouse = at;
    m_mouseInside = true;
    tool().leftDown(at, mods);
}

void CanvasController::motion(ScreenPoint at, Modifiers mods, bool leftButton) {
    Dispatch d(*this);
    m_mouse = at;
    m_mouseInside = true;
    updateStatusCoordinates(at);
    if (leftButton && m_spaceHeld && !m_spacePan && tool().allowPan(true)) {
        // The first motion with the space bar held starts the pan from here.
        m_spacePan = true;
        startPan(at);
    }
    if (!m_pan.active || !tool().allowPan(false)) {
        tool().motion(at, mods, leftButton);
        return;
    }
    const bool wasMoved = m_pan.moved;
    if (m_pan.follow(at, m_view)) {
        if (!wasMoved) {
            m_host.setCursor(CanvasCursor::Hand);
        }
        m_host.repaint();
    }
}

void CanvasController::leftUp(ScreenPoint at, Modifiers mods) {
    Dispatch d(*this);
    m_mouse = at;
    tool().leftUp(at, mods);
    if (m_pan.active && !m_middlePan) {
        m_pan.active = false;
        m_spacePan = false;
    }
    if (!m_middlePan) {
        m_host.releaseMouse();
        m_host.setCursor(tool().cursor());
    }
    m_host.repaint();
}

void CanvasController::leftDoubleClick(ScreenPoint at, Modifiers mods) {
    Dispatch d(*this);
    m_mouse = at;
    tool().leftDoubleClick(at, mods);
}

void CanvasController::rightDown(ScreenPoint at, Modifiers mods) {
    Dispatch d(*this);
    m_mouse = at;
    tool().rightDown(at, mods);
}

void CanvasController::startPan(ScreenPoint at) {
    m_pan.start(at, m_view);
}

void CanvasController::middleDown(ScreenPoint at) {
    m_mouse = at;
    m_pan.start(at, m_view, false);  // no threshold for the middle button
    m_middlePan = true;
    m_host.setCursor(CanvasCursor::Hand);
    m_host.captureMouse();
}

void CanvasController::middleUp(ScreenPoint at) {
    m_mouse = at;
    if (!m_middlePan) {
        return;
    }
    m_pan.active = false;
    m_middlePan = false;
    m_host.releaseMouse();
    m_host.setCursor(tool().cursor());
}

void CanvasController::wheel(ScreenPoint at, Modifiers mods, int rotation) {
    Dispatch d(*this);
    m_mouse = at;
    if (!tool().wheel(at, mods, rotation)) {
        m_view.wheelZoom(rotation, at.x, at.y);
        m_host.repaint();
    }
}

void CanvasController::timer() {
    Dispatch d(*this);
    tool().timer();
}

void CanvasController::mouseLeft() {
    m_mouseInside = false;
}

// ---- Keys ----------------------------------------------------------------------------------

bool CanvasController::keyDown(CanvasKey key, Modifiers mods) {
    Dispatch d(*this);
    if (tool().key(key, mods)) {
        return true;
    }
    switch (key) {
        case CanvasKey::Escape:
            if (m_tool) {
                cancelPlacement();
            } else {
                m_layout.DeselectAll();
                notifySelection();
                m_host.repaint();
            }
            return true;
        case CanvasKey::Delete:
        case CanvasKey::Backspace:
            if (!gestureActive()) {  // not while something is being moved or placed
                deleteCommand();
            }
            return true;
        case CanvasKey::Space:
            m_spaceHeld = true;
            return true;
        case CanvasKey::C:
        case CanvasKey::V:
            if (!mods.ctrl || gestureActive()) {
                return false;
            }
            key == CanvasKey::C ? copySelection() : pasteAtMouseOrCentre();
            return true;
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
        m_pan.active = false;
        m_host.setCursor(tool().cursor());
    }
}

bool CanvasController::gestureActive() const {
    return tool().busy() || m_pan.active;
}

CanvasOverlays CanvasController::overlays() const {
    CanvasOverlays out;
    tool().overlays(out);
    return out;
}

// ---- Placement -----------------------------------------------------------------------------

void CanvasController::cancelPlacement() {
    setTool(nullptr);
    m_host.releaseMouse();
    m_host.repaint();
}

uint32_t CanvasController::addPiece(PlacedPiece record) {
    beginEdit();
    record.id = kNoId;
    return currentEdit().addPiece(std::move(record));
}

// ---- Edit commands -------------------------------------------------------------------------

void CanvasController::undo() {
    modified();
    m_editor.undo();
    m_host.repaint();
}

void CanvasController::redo() {
    modified();
    m_editor.redo();
    m_host.repaint();
}

void CanvasController::pasteAt(ScreenPoint at) {
    modified();
    if (pasteClipboard(m_editor, m_clipboard, toWorld(at))) {
        m_host.repaint();
    }
}

void CanvasController::pasteAtMouseOrCentre() {
    const ScreenPoint size = m_host.clientSize();
    pasteAt(m_mouseInside ? m_mouse : ScreenPoint{size.x / 2, size.y / 2});
}

void CanvasController::deleteCommand() {
    modified();
    if (deleteSelectionCommand(m_editor, m_host.prompter())) {
        m_host.repaint();
    }
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

void CanvasController::centreOn(Vec2 point) {
    const ScreenPoint size = m_host.clientSize();
    m_view.centreOn(point, size.x, size.y);
    m_host.repaint();
}
