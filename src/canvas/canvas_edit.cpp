// Edit commands of the canvas: undo and redo, copy and paste, delete, the one-step and wheel
// rotations, and the context menu.
#include <algorithm>
#include <cmath>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "document/snap_search.h"
#include "edit/edit_guards.h"

namespace {

Vec2 rotateAbout(Vec2 p, Vec2 pivot, double deg) {
    const double r = degToRad(deg), c = std::cos(r), s = std::sin(r);
    const double dx = p.x - pivot.x, dy = p.y - pivot.y;
    return {pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c};
}

/// Turns every selected piece, scenery item and shape by `deg` about `pivot`, and the helices
/// whose stubs are selected with them.
void turnSelection(Layout& layout, Vec2 pivot, double deg) {
    for (PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            const Vec2 r = rotateAbout({p.x, p.y}, pivot, deg);
            p.x = r.x;
            p.y = r.y;
            p.heading = normalizeHeading(p.heading + deg);
        }
    }
    for (SceneryItem& s : layout.scenery) {
        if (s.selected) {
            const Vec2 r = rotateAbout({s.x, s.y}, pivot, deg);
            s.x = r.x;
            s.y = r.y;
            s.heading = normalizeHeading(s.heading + deg);
        }
    }
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

void CanvasController::copySelection() {
    ::copySelection(m_layout, m_clipboard);
}

void CanvasController::copyShape(uint32_t shapeId) {
    ::copyShape(m_layout, shapeId, m_clipboard);
}

void CanvasController::pasteAt(ScreenPoint at) {
    modified();
    if (pasteClipboard(m_editor, m_clipboard, toWorld(at))) {
        m_host.repaint();
    }
}

void CanvasController::pasteAtMouseOrCentre() {
    if (m_mouseInside) {
        pasteAt(m_mouse);
        return;
    }
    const ScreenPoint size = m_host.clientSize();
    pasteAt({size.x / 2, size.y / 2});
}

void CanvasController::deleteCommand() {
    modified();
    if (deleteSelectionCommand(m_editor, m_host.prompter())) {
        m_host.repaint();
    }
}

void CanvasController::rotateSelectionStep(int direction) {
    if (!anyMoveSelection()) {
        return;
    }
    const double sign = direction < 0 ? -1.0 : 1.0;
    if (Helix* helix = selectedWholeHelix(m_layout)) {
        beginEdit();
        helix = selectedWholeHelix(m_layout);
        turnSelection(m_layout, {helix->cx, helix->cy}, 30.0 * sign);
    } else {
        if (!lockGuard(m_layout, m_host.prompter(), "rotate")) {
            return;
        }
        Vec2 pivot;
        auto firstPiece = std::find_if(m_layout.pieces.begin(), m_layout.pieces.end(),
                                       [](const PlacedPiece& p) { return p.selected; });
        auto firstItem = std::find_if(m_layout.scenery.begin(), m_layout.scenery.end(),
                                      [](const SceneryItem& s) { return s.selected; });
        auto firstShape = std::find_if(m_layout.shapes.begin(), m_layout.shapes.end(),
                                       [](const FreeShape& s) { return s.selected; });
        if (firstPiece != m_layout.pieces.end()) {
            pivot = {firstPiece->x, firstPiece->y};
        } else if (firstItem != m_layout.scenery.end()) {
            pivot = {firstItem->x, firstItem->y};
        } else if (firstShape != m_layout.shapes.end() && !firstShape->vertices.empty()) {
            for (const Vec2& v : firstShape->vertices) {
                pivot.x += v.x / double(firstShape->vertices.size());
                pivot.y += v.y / double(firstShape->vertices.size());
            }
        }
        beginEdit();
        turnSelection(m_layout, pivot, 15.0 * sign);
    }
    modified();
    m_host.repaint();
}

void CanvasController::wheelRotate(int rotation, bool fine) {
    // The wheel turns the same selection the other rotations do, under the same locks; a whole
    // helix turns with its record so rings and stubs stay together.
    if (selectedWholeHelix(m_layout) == nullptr &&
        !lockGuard(m_layout, m_host.prompter(), "rotate")) {
        return;
    }
    const double step = (fine ? 5.0 : 15.0) * (rotation > 0 ? 1.0 : -1.0);
    Bounds box;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (!p.selected) {
            continue;
        }
        box.add(Vec2{p.x, p.y});
        if (const PieceDef* def = m_catalog.byArticle(p.article)) {
            for (const WorldConnector& c : worldConnectors(p, *def)) {
                box.add(Vec2{c.x, c.y});
            }
            if (def->kind == PieceKind::Curve) {
                box.add(localToLayout(p.pose(), pieceShape(*def).midpoint));
            }
        }
    }
    for (const SceneryItem& s : m_layout.scenery) {
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
    for (const FreeShape& s : m_layout.shapes) {
        if (s.selected) {
            for (const Vec2& v : s.vertices) {
                box.add(v);
            }
        }
    }
    if (box.empty()) {
        return;
    }
    beginEdit();
    turnSelection(m_layout, {(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0}, step);
    modified();
    m_host.repaint();
}

void CanvasController::rightDown(ScreenPoint at, Modifiers mods) {
    m_mouse = at;
    for (CanvasTool* tool : m_tools) {
        if (tool->rightDown(at, mods)) {
            return;
        }
    }
    if (m_drag.active) {
        m_drag.heading = normalizeHeading(m_drag.heading + 30.0);
        dragMotion(at);
        return;
    }
    if (gestureActive()) {
        return;
    }
    if (mods.alt && anyMoveSelection()) {
        rotateSelectionStep(+1);
        return;
    }
    contextMenu(at, mods);
}

void CanvasController::contextMenu(ScreenPoint at, Modifiers mods) {
    std::vector<ContextMenuEntry> entries;
    uint32_t shapeId = kNoId;
    uint32_t pieceId = pickPiece(at);
    if (pieceId == kNoId) {
        if (const Helix* h = m_layout.FindHelix(pickHelix(at))) {
            for (int32_t stub : {h->bottomR1, h->bottomR2, h->topR1, h->topR2}) {
                if (stub >= 0 && m_layout.FindPiece(static_cast<uint32_t>(stub)) != nullptr) {
                    pieceId = static_cast<uint32_t>(stub);
                    break;
                }
            }
        }
    }
    if (PlacedPiece* piece = m_layout.FindPiece(pieceId)) {
        if (!piece->selected) {
            m_layout.DeselectAll();
            piece->selected = true;
            m_layout.CompleteHelixSelection();
            notifySelection();
            m_host.repaint();
        }
        const auto selected = std::count_if(m_layout.pieces.begin(), m_layout.pieces.end(),
                                            [](const PlacedPiece& p) { return p.selected; });
        if (selected == 1 && std::fabs(m_layout.FindPiece(pieceId)->grade) > 0.001) {
            // Ending a grade belongs to the elevation tools, which are not wired in yet.
            entries.push_back({ContextCommand::EndGrade, "End Grade", false});
        }
        entries.push_back({ContextCommand::Copy, "Copy", true});
    } else if (SceneryItem* item = m_layout.FindScenery(pickScenery(at))) {
        if (!item->selected) {
            if (!mods.shift) {
                m_layout.DeselectAll();
            }
            item->selected = true;
            notifySelection();
            m_host.repaint();
        }
        entries.push_back({ContextCommand::Copy, "Copy", true});
    } else if (FreeShape* shape = m_layout.FindShape(pickShape(at))) {
        for (FreeShape& s : m_layout.shapes) {
            s.selected = false;
        }
        shape->selected = true;
        shapeId = shape->id;
        notifySelection();
        m_host.repaint();
        entries.push_back({ContextCommand::CopyShape, "Copy", true});
    } else if (m_clipboard.empty()) {
        if (!mods.shift) {
            m_layout.DeselectAll();
            notifySelection();
            m_host.repaint();
        }
        return;
    } else {
        entries.push_back({ContextCommand::Paste, "Paste", true});
    }
    const int chosen = m_host.showContextMenu(at, entries);
    if (chosen >= 0 && chosen < static_cast<int>(entries.size()) && entries[chosen].enabled) {
        runContextCommand(entries[chosen].command, at, shapeId);
    }
}

void CanvasController::runContextCommand(ContextCommand command, ScreenPoint at, uint32_t shapeId) {
    switch (command) {
        case ContextCommand::Copy:
            copySelection();
            break;
        case ContextCommand::CopyShape:
            copyShape(shapeId);
            break;
        case ContextCommand::Paste:
            pasteAt(at);
            break;
        case ContextCommand::AutofillGap:
        case ContextCommand::EndGrade:
            break;
    }
}
