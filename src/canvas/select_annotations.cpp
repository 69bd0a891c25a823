// The select tool's gestures on measuring-tape annotations and on the resize handles of a lone
// selected scenery item, and the double-click that opens a shape's or scenery item's dialog.
#include "canvas/canvas_controller.h"
#include "canvas/select_tool.h"
#include "catalog/scenery_catalog.h"
#include "edit/scenery_resize.h"

namespace {

CanvasCursor handleCursor(int handle) {
    switch (handle) {
        case 0:
        case 4:
            return CanvasCursor::SizeNWSE;
        case 2:
        case 6:
            return CanvasCursor::SizeNESW;
        case 1:
        case 5:
            return CanvasCursor::SizeNS;
        case 3:
        case 7:
            return CanvasCursor::SizeWE;
        default:
            return CanvasCursor::Arrow;
    }
}

}  // namespace

bool SelectTool::pressOnMeasurement(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    const MeasurementHit hit = pickMeasurement(layout, m_ctrl.view(), at);
    if (hit.id == kNoId) {
        return false;
    }
    layout.DeselectAll();
    Measurement* m = layout.FindMeasurement(hit.id);
    m->selected = true;
    m_ctrl.beginEdit();
    m_measurement = {m->id, m_ctrl.toWorld(at), *m};
    m_ctrl.notifySelection();
    m_ctrl.host().captureMouse();
    m_ctrl.host().repaint();
    return true;
}

void SelectTool::moveMeasurement(ScreenPoint at) {
    Measurement* m = m_ctrl.layout().FindMeasurement(m_measurement.id);
    if (m == nullptr) {
        return;
    }
    const Vec2 w = m_ctrl.toWorld(at);
    const double dx = w.x - m_measurement.grab.x, dy = w.y - m_measurement.grab.y;
    // Line and label move together: the label keeps its offset from the midpoint.
    m->x1 = m_measurement.start.x1 + dx;
    m->y1 = m_measurement.start.y1 + dy;
    m->x2 = m_measurement.start.x2 + dx;
    m->y2 = m_measurement.start.y2 + dy;
    m_ctrl.host().repaint();
}

bool SelectTool::pressOnHandle(ScreenPoint at) {
    const int handle =
        pickSceneryHandle(m_ctrl.layout(), m_ctrl.view(), at, SceneryCatalog::instance());
    const SceneryItem* item = nullptr;
    for (const SceneryItem& s : m_ctrl.layout().scenery) {
        item = s.selected ? &s : item;
    }
    const SceneryDef* def = item ? SceneryCatalog::instance().byKey(item->item) : nullptr;
    if (handle < 0 || def == nullptr) {
        return false;
    }
    Vec2 points[8];
    sceneryHandlePoints(*item, def->width, def->depth, points);
    m_handle = {handle, *item, points[oppositeSceneryHandle(handle)], def->width, def->depth};
    m_ctrl.beginEdit();
    m_ctrl.host().captureMouse();
    return true;
}

void SelectTool::dragHandle(ScreenPoint at) {
    SceneryItem* item = m_ctrl.layout().EditScenery(m_handle.start.id);
    if (item == nullptr) {
        return;
    }
    const SceneryFootprint footprint =
        dragSceneryHandle(m_handle.handle, m_handle.fixed, m_ctrl.toWorld(at), m_handle.start,
                          m_handle.width, m_handle.depth);
    item->scalex = footprint.scalex;
    item->scaley = footprint.scaley;
    item->x = footprint.centre.x;
    item->y = footprint.centre.y;
    m_ctrl.host().repaint();
}

void SelectTool::hoverCursor(ScreenPoint at) {
    const CanvasCursor cursor = handleCursor(
        pickSceneryHandle(m_ctrl.layout(), m_ctrl.view(), at, SceneryCatalog::instance()));
    if (cursor != m_hoverCursor) {
        m_hoverCursor = cursor;
        m_ctrl.host().setCursor(cursor);
    }
}

bool SelectTool::openPropertiesAt(ScreenPoint at) {
    if (m_ctrl.pickPieceOrHelixStub(at) == kNoId) {
        if (const uint32_t shape = m_ctrl.pickShape(at); shape != kNoId) {
            m_ctrl.host().editShapeProperties(shape);
            return true;
        }
    }
    if (const uint32_t item = m_ctrl.pickScenery(at); item != kNoId) {
        m_ctrl.host().editSceneryScale(item);
        return true;
    }
    return false;
}
