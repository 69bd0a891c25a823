// The select tool turning the selection: the Alt rotation with its right-angle catch, and the
// one-step and wheel turns.
#include <algorithm>
#include <cmath>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "canvas/select_tool.h"
#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "document/snap_search.h"
#include "edit/edit_guards.h"
#include "edit/track_joints.h"

namespace {

/// Turns every selected piece, scenery item and shape by `deg` about `pivot`, and the helices
/// whose stubs are selected with them.
/// Places a piece or scenery item at its pose turned by `deg` about `pivot`.
template <typename Placed>
void turnAbout(Placed& item, Vec2 pivot, double deg) {
    const Vec2 r = rotateAbout({item.x, item.y}, pivot, deg);
    item.x = r.x;
    item.y = r.y;
    item.heading = normalizeHeading(item.heading + deg);
}

void turnSelection(Layout& layout, Vec2 pivot, double deg) {
    layout.pieces.editIf([](const PlacedPiece& p) { return p.selected; },
                         [&](PlacedPiece& p) { turnAbout(p, pivot, deg); });
    layout.scenery.editIf([](const SceneryItem& s) { return s.selected; },
                          [&](SceneryItem& s) { turnAbout(s, pivot, deg); });
    for (FreeShape& s : layout.shapes) {
        if (s.selected) {
            for (Vec2& v : s.vertices) {
                v = rotateAbout(v, pivot, deg);
            }
        }
    }
    for (Helix& h : layout.helices) {
        if (std::any_of(layout.pieces.begin(), layout.pieces.end(),
                        [&h](const PlacedPiece& p) { return p.selected && p.helix == h.id; })) {
            const Vec2 r = rotateAbout({h.cx, h.cy}, pivot, deg);
            h.cx = r.x;
            h.cy = r.y;
            h.heading = normalizeHeading(h.heading + deg);
        }
    }
}

/// The helix whose stubs are exactly the selection (no scenery or shapes selected), or nullptr.
Helix* selectedWholeHelix(Layout& layout) {
    auto sel = [](const auto& v) {
        return std::any_of(v.begin(), v.end(), [](const auto& o) { return o.selected; });
    };
    if (sel(layout.scenery) || sel(layout.shapes) || !selectionIsWholeHelix(layout)) {
        return nullptr;
    }
    uint32_t helix = kNoId;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            helix = p.helix;
        }
    }
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected && p.helix == helix) {
            return nullptr;
        }
    }
    return layout.FindHelix(helix);
}

}  // namespace

bool SelectTool::chooseRotationPivot(Rotation& rot) {
    const Layout& layout = m_ctrl.layout();
    const bool onlyPieces = std::none_of(layout.scenery.begin(), layout.scenery.end(),
                                         [](const SceneryItem& s) { return s.selected; }) &&
                            std::none_of(layout.shapes.begin(), layout.shapes.end(),
                                         [](const FreeShape& s) { return s.selected; });
    const Helix* helix = nullptr;
    if (onlyPieces && selectionIsWholeHelix(layout)) {
        for (const PlacedPiece& p : layout.pieces) {
            if (p.selected) {
                helix = layout.FindHelix(p.helix);
                break;
            }
        }
        // Only the whole helix turns about its centre.
        const bool whole =
            helix != nullptr &&
            std::none_of(layout.pieces.begin(), layout.pieces.end(), [helix](const PlacedPiece& p) {
                return p.helix == helix->id && !p.selected;
            });
        helix = whole ? helix : nullptr;
    }
    if (helix != nullptr) {
        rot.pivot = {helix->cx, helix->cy};
        rot.helix = helix->id;
    } else {
        if (!lockGuard(layout, m_ctrl.host().prompter(), "rotate")) {
            return false;
        }
        double sx = 0.0, sy = 0.0;
        int n = 0;
        for (const PlacedPiece& p : layout.pieces) {
            if (p.selected) {
                sx += p.x, sy += p.y, ++n;
            }
        }
        for (const SceneryItem& s : layout.scenery) {
            if (s.selected) {
                sx += s.x, sy += s.y, ++n;
            }
        }
        for (const FreeShape& s : layout.shapes) {
            if (s.selected && !s.vertices.empty()) {
                double vx = 0.0, vy = 0.0;
                for (const Vec2& v : s.vertices) {
                    vx += v.x, vy += v.y;
                }
                sx += vx / double(s.vertices.size()), sy += vy / double(s.vertices.size()), ++n;
            }
        }
        if (n == 0) {
            return false;
        }
        rot.pivot = {sx / n, sy / n};
    }
    return true;
}

bool SelectTool::beginRotation(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    const CanvasView& view = m_ctrl.view();
    CanvasHost& host = m_ctrl.host();
    Rotation rot;
    if (!chooseRotationPivot(rot)) {
        return false;
    }
    m_ctrl.beginEdit();
    bool haveReference = false;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            rot.pieces.push_back({p.id, p.pose()});
            if (!haveReference) {
                rot.reference = normalizeHeading(p.heading);
                haveReference = true;
            }
        }
    }
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected) {
            rot.scenery.push_back({s.id, {s.x, s.y, s.heading}});
            if (!haveReference) {
                rot.reference = normalizeHeading(s.heading);
                haveReference = true;
            }
        }
    }
    for (const FreeShape& s : layout.shapes) {
        if (s.selected) {
            rot.shapes.emplace_back(s.id, s.vertices);
        }
    }
    // Helices carried by the rotation turn with their stubs, so rings and stubs stay together.
    for (const Helix& h : layout.helices) {
        if (std::any_of(layout.pieces.begin(), layout.pieces.end(),
                        [&h](const PlacedPiece& p) { return p.selected && p.helix == h.id; })) {
            rot.helices.push_back({h.id, {h.cx, h.cy, h.heading}});
        }
    }
    const double px = rot.pivot.x * view.zoom + view.panX;
    const double py = rot.pivot.y * view.zoom + view.panY;
    rot.startAngle = radToDeg(std::atan2(at.y - py, at.x - px));
    rot.active = true;
    m_rotation = std::move(rot);
    host.captureMouse();
    host.repaint();
    return true;
}

void SelectTool::rotateSelection(ScreenPoint at) {
    Layout& layout = m_ctrl.layout();
    const CanvasView& view = m_ctrl.view();
    CanvasHost& host = m_ctrl.host();
    Rotation& rot = m_rotation;
    const double px = rot.pivot.x * view.zoom + view.panX;
    const double py = rot.pivot.y * view.zoom + view.panY;
    double delta = radToDeg(std::atan2(at.y - py, at.x - px)) - rot.startAngle;
    while (delta > 180.0) {
        delta -= 360.0;
    }
    while (delta <= -180.0) {
        delta += 360.0;
    }
    const double heading = normalizeHeading(rot.reference + delta);
    for (double right : {0.0, 90.0, 180.0, 270.0, 360.0}) {
        if (std::fabs(heading - right) <= 2.0) {
            delta += right - heading;
            rot.flash = true;
            host.startFlashTimer(CanvasController::kFlashMs);
            break;
        }
    }
    rot.delta = delta;
    for (const PoseOf& s : rot.pieces) {
        PlacedPiece* found = layout.EditPiece(s.id);
        if (found == nullptr) {
            continue;
        }
        PlacedPiece& p = *found;
        const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
        p.x = r.x;
        p.y = r.y;
        p.heading = normalizeHeading(s.pose.heading + delta);
    }
    for (const PoseOf& s : rot.scenery) {
        if (SceneryItem* item = layout.EditScenery(s.id)) {
            const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
            item->x = r.x;
            item->y = r.y;
            item->heading = normalizeHeading(s.pose.heading + delta);
        }
    }
    for (const auto& [id, vertices] : rot.shapes) {
        FreeShape* shape = layout.FindShape(id);
        if (shape == nullptr || shape->vertices.size() != vertices.size()) {
            continue;
        }
        for (size_t i = 0; i < vertices.size(); ++i) {
            shape->vertices[i] = rotateAbout(vertices[i], rot.pivot, delta);
        }
    }
    for (const PoseOf& s : rot.helices) {
        if (Helix* h = layout.FindHelix(s.id)) {
            const Vec2 r = rotateAbout({s.pose.x, s.pose.y}, rot.pivot, delta);
            h->cx = r.x;
            h->cy = r.y;
            h->heading = normalizeHeading(s.pose.heading + delta);
        }
    }
    host.repaint();
}

// ---- One-step and wheel turns -------------------------------------------------------------

void turnSelectionStep(CanvasController& ctrl, int direction) {
    Layout& layout = ctrl.layout();
    if (!ctrl.anyMoveSelection()) {
        return;
    }
    const double sign = direction < 0 ? -1.0 : 1.0;
    if (Helix* helix = selectedWholeHelix(layout)) {
        ctrl.beginEdit();
        helix = selectedWholeHelix(layout);
        turnSelection(layout, {helix->cx, helix->cy}, 30.0 * sign);
    } else {
        if (!lockGuard(layout, ctrl.host().prompter(), "rotate")) {
            return;
        }
        Vec2 pivot;
        auto firstPiece = std::find_if(layout.pieces.begin(), layout.pieces.end(),
                                       [](const PlacedPiece& p) { return p.selected; });
        auto firstItem = std::find_if(layout.scenery.begin(), layout.scenery.end(),
                                      [](const SceneryItem& s) { return s.selected; });
        auto firstShape = std::find_if(layout.shapes.begin(), layout.shapes.end(),
                                       [](const FreeShape& s) { return s.selected; });
        if (firstPiece != layout.pieces.end()) {
            pivot = {firstPiece->x, firstPiece->y};
        } else if (firstItem != layout.scenery.end()) {
            pivot = {firstItem->x, firstItem->y};
        } else if (firstShape != layout.shapes.end() && !firstShape->vertices.empty()) {
            for (const Vec2& v : firstShape->vertices) {
                pivot.x += v.x / double(firstShape->vertices.size());
                pivot.y += v.y / double(firstShape->vertices.size());
            }
        }
        ctrl.beginEdit();
        turnSelection(layout, pivot, 15.0 * sign);
    }
    ctrl.modified();
    ctrl.host().repaint();
}

void turnSelectionByWheel(CanvasController& ctrl, int rotation, bool fine) {
    Layout& layout = ctrl.layout();
    // The wheel turns the same selection the other rotations do, under the same locks; a whole
    // helix turns with its record so rings and stubs stay together.
    if (selectedWholeHelix(layout) == nullptr &&
        !lockGuard(layout, ctrl.host().prompter(), "rotate")) {
        return;
    }
    const double step = (fine ? 5.0 : 15.0) * (rotation > 0 ? 1.0 : -1.0);
    Bounds box;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected) {
            continue;
        }
        box.add(Vec2{p.x, p.y});
        if (const PieceDef* def = ctrl.catalog().byArticle(p.article)) {
            for (const WorldConnector& c : worldConnectors(p, *def)) {
                box.add(Vec2{c.x, c.y});
            }
            if (def->kind == PieceKind::Curve) {
                box.add(localToLayout(p.pose(), pieceShape(*def).midpoint));
            }
        }
    }
    for (const SceneryItem& s : layout.scenery) {
        if (!s.selected) {
            continue;
        }
        box.add(Vec2{s.x, s.y});
        if (const SceneryDef* def = SceneryCatalog::instance().byKey(s.item)) {
            Vec2 handles[8];
            sceneryHandlePoints(s, def->width, def->depth, handles);
            for (int i = 0; i < 8; i += 2) {
                box.add(handles[i]);  // the four corners
            }
        }
    }
    for (const FreeShape& s : layout.shapes) {
        if (s.selected) {
            for (const Vec2& v : s.vertices) {
                box.add(v);
            }
        }
    }
    if (box.empty()) {
        return;
    }
    ctrl.beginEdit();
    turnSelection(layout, {(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0}, step);
    ctrl.modified();
    ctrl.host().repaint();
}
