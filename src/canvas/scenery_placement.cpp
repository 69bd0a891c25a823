// Scenery and helices on the mouse: the scenery item that a click puts down (a roundhouse sets
// itself against a nearby turntable pit), and the helix that a click lays down as its record and
// four end stubs in one undo step.
#include <cmath>

#include "canvas/canvas_controller.h"
#include "canvas/placement_tool.h"
#include "canvas/track_growth.h"
#include "catalog/helix_catalog.h"
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

// ---- Scenery ---------------------------------------------------------------------------------

SceneryPlacementTool::SceneryPlacementTool(CanvasController& owner, const std::string& key)
    : m_ctrl(owner), m_placement{true, key, owner.toWorld(kPlacementStart), 0.0} {}

void SceneryPlacementTool::leftDown(ScreenPoint at, Modifiers) {
    place(m_ctrl.toWorld(at));
}

void SceneryPlacementTool::motion(ScreenPoint at, Modifiers, bool) {
    m_placement.position = m_ctrl.toWorld(at);
    m_ctrl.host().repaint();
}

void SceneryPlacementTool::rightDown(ScreenPoint, Modifiers) {
    turn(kQuarterStep);
}

bool SceneryPlacementTool::wheel(ScreenPoint, Modifiers mods, int rotation) {
    if (rotation != 0) {
        const double step = mods.shift ? kWheelStep / 2.0 : kWheelStep;
        turn(rotation < 0 ? -step : step);
    }
    return true;
}

bool SceneryPlacementTool::key(CanvasKey key, Modifiers mods) {
    if (key == CanvasKey::R && !mods.ctrl && !mods.alt) {
        turn(kQuarterStep);
        return true;
    }
    return false;
}

void SceneryPlacementTool::overlays(CanvasOverlays& out) const {
    out.push_back(
        OverlaySceneryGhost{SceneryCatalog::instance().byKey(m_placement.key),
                            {m_placement.position.x, m_placement.position.y, m_placement.heading}});
}

void SceneryPlacementTool::turn(double degrees) {
    m_placement.heading = normalizeHeading(m_placement.heading + degrees);
    m_ctrl.host().repaint();
}

const SceneryItem* SceneryPlacementTool::nearestPit(Vec2 point) const {
    const SceneryItem* best = nullptr;
    double bestDistance = kPitReach;
    for (const SceneryItem& s : m_ctrl.layout().scenery) {
        const double d = std::hypot(s.x - point.x, s.y - point.y);
        if (s.item == kTurntablePit && d < bestDistance) {
            best = &s;
            bestDistance = d;
        }
    }
    return best;
}

uint32_t SceneryPlacementTool::place(Vec2 point) {
    CanvasController& ctrl = m_ctrl;  // this tool ends here; the controller stays
    const SceneryPlacement placement = m_placement;
    ctrl.finishTool();
    ctrl.host().releaseMouse();
    const SceneryDef* def = SceneryCatalog::instance().byKey(placement.key);
    if (def == nullptr) {
        ctrl.host().repaint();
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
    ctrl.layout().DeselectAll();
    ctrl.beginEdit();
    SceneryItem item;
    item.item = def->key;
    item.x = pose.x;
    item.y = pose.y;
    item.heading = pose.heading;
    item.level = placementLevel(ctrl.layout(), nullptr);
    const uint32_t id = ctrl.currentEdit().addScenery(std::move(item));
    ctrl.modified();
    ctrl.notifySelection();
    ctrl.host().repaint();
    return id;
}

// ---- Helices ---------------------------------------------------------------------------------

HelixPlacementTool::HelixPlacementTool(CanvasController& owner, const std::string& variant)
    : m_ctrl(owner), m_placement{true, variant, owner.toWorld(kPlacementStart)} {}

void HelixPlacementTool::leftDown(ScreenPoint at, Modifiers) {
    CanvasController& ctrl = m_ctrl;  // this tool ends here; the controller stays
    const std::string variant = m_placement.variant;
    ctrl.finishTool();
    ctrl.host().releaseMouse();
    if (placeHelix(ctrl, ctrl.toWorld(at), variant) == kNoId) {
        ctrl.host().repaint();
    }
}

void HelixPlacementTool::motion(ScreenPoint at, Modifiers, bool) {
    m_placement.position = m_ctrl.toWorld(at);
    m_ctrl.host().repaint();
}

void HelixPlacementTool::overlays(CanvasOverlays& out) const {
    out.push_back(
        OverlayHelixGhost{helixVariantOrDefault(m_placement.variant), m_placement.position});
}

uint32_t placeHelix(CanvasController& ctrl, Vec2 centre, const std::string& variant) {
    const HelixVariant* v = helixVariantOrDefault(variant);
    const PieceDef* stubDef = v != nullptr ? ctrl.catalog().byArticle(v->straightArticle) : nullptr;
    if (stubDef == nullptr) {
        return kNoId;
    }
    Layout& doc = ctrl.beginEdit();
    Helix helix;
    helix.id = doc.AllocateId();
    helix.cx = centre.x;
    helix.cy = centre.y;
    helix.heading = 0.0;
    helix.variant = v->key;

    // Bottom ends lie on the far side of the centre from the top ends, so the rings run from one
    // pair to the other: inner bottom, outer bottom, inner top, outer top.
    struct End {
        double radius;  // signed, along (-sin h, cos h)
        double z;
        int32_t* id;
    };
    const End ends[4] = {{-v->innerRadius, 0.0, &helix.bottomR1},
                         {-v->outerRadius, 0.0, &helix.bottomR2},
                         {v->innerRadius, v->rise, &helix.topR1},
                         {v->outerRadius, v->rise, &helix.topR2}};
    const double h = helix.heading * M_PI / 180.0;
    for (const End& end : ends) {
        PlacedPiece stub;
        stub.article = stubDef->article;
        stub.x = centre.x - end.radius * std::sin(h);
        stub.y = centre.y + end.radius * std::cos(h);
        stub.heading = helix.heading;
        stub.z = end.z;
        stub.level = 1;
        stub.helix = helix.id;
        stub.joints.resize(stubDef->connectors.size());
        *end.id = static_cast<int32_t>(ctrl.currentEdit().addPiece(std::move(stub)));
    }
    ctrl.currentEdit().addHelix(helix);
    ctrl.modified();
    ctrl.host().repaint();
    return helix.id;
}
