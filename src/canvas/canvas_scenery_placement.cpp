// Scenery on the plan: the item that follows the mouse until a click puts it down, the
// roundhouse that sets itself against a nearby turntable pit, and the event handling shared with
// the helix placement.
#include <cmath>

#include "canvas/canvas_controller.h"
#include "catalog/scenery_catalog.h"

namespace {

constexpr ScreenPoint kPlacementStart{300, 200};
constexpr const char* kRoundhouse = "72886";
constexpr const char* kTurntablePit = "74861";
constexpr double kPitReach = 700.0;     ///< mm: a pit closer than this takes the roundhouse
constexpr double kPitToStalls = 349.6;  ///< mm from the pit centre to the roundhouse's front
constexpr double kStallAngle = 12.0;    ///< degrees between the turntable's tracks
constexpr double kWheelStep = 30.0;     ///< degrees per wheel step (half with Shift)
constexpr double kQuarterStep = 15.0;   ///< degrees per R key or right click

}  // namespace

void CanvasController::startSceneryPlacement(const std::string& key) {
    if (SceneryCatalog::instance().byKey(key) == nullptr) {
        return;
    }
    m_drag = PaletteDrag{};
    m_helixPlacement = HelixPlacement{};
    m_sceneryPlacement = SceneryPlacement{true, key, toWorld(kPlacementStart), 0.0};
    m_host.takeFocus();
    m_host.captureMouse();
    m_host.repaint();
}

const SceneryItem* CanvasController::nearestPit(Vec2 point) const {
    const SceneryItem* best = nullptr;
    double bestDistance = kPitReach;
    for (const SceneryItem& s : m_layout.scenery) {
        const double d = std::hypot(s.x - point.x, s.y - point.y);
        if (s.item == kTurntablePit && d < bestDistance) {
            best = &s;
            bestDistance = d;
        }
    }
    return best;
}

uint32_t CanvasController::placeScenery(Vec2 point) {
    const SceneryPlacement placement = m_sceneryPlacement;
    m_sceneryPlacement = SceneryPlacement{};
    m_host.releaseMouse();
    const SceneryDef* def = SceneryCatalog::instance().byKey(placement.key);
    if (def == nullptr) {
        m_host.repaint();
        return kNoId;
    }
    Pose pose{point.x, point.y, placement.heading};
    if (def->key == kRoundhouse) {
        if (const SceneryItem* pit = nearestPit(point)) {
            // The stalls face the pit on one of its track angles, the front at the pit's rim.
            const double h = normalizeHeading(std::round(pose.heading / kStallAngle) * kStallAngle);
            const double reach = kPitToStalls + def->depth / 2.0;
            const double rad = h * M_PI / 180.0;
            pose = {pit->x - reach * std::sin(rad), pit->y + reach * std::cos(rad), h};
        }
    }
    m_layout.DeselectAll();
    beginEdit();
    SceneryItem item;
    item.item = def->key;
    item.x = pose.x;
    item.y = pose.y;
    item.heading = pose.heading;
    item.level = placementLevel(nullptr);
    const uint32_t id = currentEdit().addScenery(std::move(item));
    modified();
    notifySelection();
    m_host.repaint();
    return id;
}

void CanvasController::turnSceneryPlacement(double degrees) {
    m_sceneryPlacement.heading = normalizeHeading(m_sceneryPlacement.heading + degrees);
    m_host.repaint();
}

// ---- Events while placing ------------------------------------------------------------------

bool CanvasController::PlacementTool::leftDown(ScreenPoint at, Modifiers) {
    CanvasController& c = m_owner;
    if (c.m_sceneryPlacement.active) {
        c.placeScenery(c.toWorld(at));
        return true;
    }
    if (c.m_helixPlacement.active) {
        const std::string variant = c.m_helixPlacement.variant;
        c.m_helixPlacement = HelixPlacement{};
        c.m_host.releaseMouse();
        if (c.placeHelix(c.toWorld(at), variant) == kNoId) {
            c.m_host.repaint();
        }
        return true;
    }
    return false;
}

bool CanvasController::PlacementTool::motion(ScreenPoint at, Modifiers, bool) {
    CanvasController& c = m_owner;
    Vec2* position = c.m_sceneryPlacement.active ? &c.m_sceneryPlacement.position
                     : c.m_helixPlacement.active ? &c.m_helixPlacement.position
                                                 : nullptr;
    if (position == nullptr) {
        return false;
    }
    *position = c.toWorld(at);
    c.m_host.repaint();
    return true;
}

bool CanvasController::PlacementTool::rightDown(ScreenPoint, Modifiers) {
    CanvasController& c = m_owner;
    if (c.m_sceneryPlacement.active) {
        c.turnSceneryPlacement(kQuarterStep);
    }
    // No context menu while a helix hangs on the mouse either.
    return c.m_sceneryPlacement.active || c.m_helixPlacement.active;
}

bool CanvasController::PlacementTool::wheel(ScreenPoint, Modifiers mods, int rotation) {
    CanvasController& c = m_owner;
    if (!c.m_sceneryPlacement.active) {
        return false;  // a helix placement keeps the wheel zoom
    }
    if (rotation != 0) {
        const double step = mods.shift ? kWheelStep / 2.0 : kWheelStep;
        c.turnSceneryPlacement(rotation < 0 ? -step : step);
    }
    return true;
}

bool CanvasController::PlacementTool::key(CanvasKey key, Modifiers mods) {
    CanvasController& c = m_owner;
    if (!c.m_sceneryPlacement.active && !c.m_helixPlacement.active) {
        return false;
    }
    if (key == CanvasKey::Escape) {
        c.cancelPlacement();
        return true;
    }
    if (key == CanvasKey::R && c.m_sceneryPlacement.active && !mods.ctrl && !mods.alt) {
        c.turnSceneryPlacement(kQuarterStep);
        return true;
    }
    return false;
}

void CanvasController::PlacementTool::cancel() {
    m_owner.m_sceneryPlacement = SceneryPlacement{};
    m_owner.m_helixPlacement = HelixPlacement{};
}
