#include "canvas/drawing_tools.h"

#include "canvas/canvas_controller.h"
#include "dialogs/baseboard_shape.h"
#include "dialogs/rectangle_shape.h"
#include "edit/setup_edits.h"

namespace {

Units unitsOf(const Layout& layout) {
    return unitsFromInt(static_cast<int>(layout.units));
}

}  // namespace

void TapeTool::leftDown(ScreenPoint at, Modifiers) {
    if (!m_tape.click(m_owner.toWorld(at))) {
        m_owner.host().repaint();
        return;
    }
    if (m_tape.worthKeeping()) {
        Measurement m;
        m.x1 = m_tape.start().x;
        m.y1 = m_tape.start().y;
        m.x2 = m_tape.end().x;
        m.y2 = m_tape.end().y;
        m_owner.beginEdit();
        m_owner.currentEdit().addMeasurement(m);
        m_owner.modified();
    }
    m_owner.finishTool();
}

void TapeTool::motion(ScreenPoint at, Modifiers, bool) {
    m_tape.hover(m_owner.toWorld(at));
    if (m_tape.started()) {
        m_owner.host().repaint();
    }
}

void TapeTool::overlays(CanvasOverlays& out) const {
    if (m_tape.started()) {
        out.push_back(OverlayTape{m_tape.start(), m_tape.end(), unitsOf(m_owner.layout())});
    }
}

void OutlineTool::leftDown(ScreenPoint at, Modifiers) {
    if (m_outline.click(m_owner.toWorld(at), m_owner.view().zoom)) {
        close();
        return;
    }
    m_owner.host().repaint();
}

void OutlineTool::motion(ScreenPoint at, Modifiers, bool) {
    m_outline.hover(m_owner.toWorld(at), m_owner.view().zoom);
    if (m_outline.drawing()) {
        m_owner.host().repaint();
    }
}

bool OutlineTool::key(CanvasKey key, Modifiers) {
    switch (key) {
        case CanvasKey::Backspace:
            // The tool stays active with nothing drawn when the last vertex goes.
            m_outline.removeLast();
            m_owner.host().repaint();
            return true;
        case CanvasKey::Enter:
            if (m_outline.canClose()) {
                close();
            }
            return true;
        default:
            return false;
    }
}

void OutlineTool::overlays(CanvasOverlays& out) const {
    if (m_outline.drawing()) {
        out.push_back(OverlayOutline{m_outline.vertices(), m_outline.mouse(), m_outline.nearFirst(),
                                     unitsOf(m_owner.layout())});
    }
}

std::string OutlineTool::hint() const {
    return m_target == OutlineTarget::Baseboard ? kBaseboardDrawingHint : kPolygonDrawingHint;
}

void OutlineTool::close() {
    if (m_target == OutlineTarget::Baseboard) {
        Baseboard board = m_owner.layout().baseboard;
        board.vertices = m_outline.vertices();
        board.lastShape = static_cast<int32_t>(BaseboardShape::FreeForm);
        setBaseboard(m_owner.editor(), std::move(board));
    } else {
        FreeShape shape;
        shape.vertices = m_outline.vertices();
        shape.level = rectangleLevel(m_owner.layout());
        m_owner.beginEdit();
        m_owner.currentEdit().addShape(std::move(shape));
        m_owner.modified();
    }
    m_owner.finishTool();
}
