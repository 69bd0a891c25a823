// Helices on the plan: the placement that follows the mouse, and placeHelix, which lays a helix
// down as its record and four end stubs in one undo step.
#include <cmath>

#include "canvas/canvas_controller.h"
#include "catalog/helix_catalog.h"

namespace {

constexpr ScreenPoint kPlacementStart{300, 200};

}  // namespace

void CanvasController::startHelixPlacement(const std::string& variant) {
    m_drag = PaletteDrag{};
    m_sceneryPlacement = SceneryPlacement{};
    m_helixPlacement = HelixPlacement{true, variant, toWorld(kPlacementStart)};
    m_host.takeFocus();
    m_host.captureMouse();
    m_host.repaint();
}

uint32_t CanvasController::placeHelix(Vec2 centre, const std::string& variant) {
    const HelixVariant* v = helixVariantOrDefault(variant);
    const PieceDef* stubDef = v != nullptr ? m_catalog.byArticle(v->straightArticle) : nullptr;
    if (stubDef == nullptr) {
        return kNoId;
    }
    Layout& doc = beginEdit();
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
        *end.id = static_cast<int32_t>(currentEdit().addPiece(std::move(stub)));
    }
    currentEdit().addHelix(helix);
    modified();
    m_host.repaint();
    return helix.id;
}
