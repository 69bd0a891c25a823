// The select tool's context menu: what a right click on a piece, a scenery item, a shape or empty
// canvas selects, the entries it offers, and Flip.
#include <algorithm>

#include "canvas/canvas_controller.h"
#include "canvas/select_tool.h"
#include "edit/edit_guards.h"
#include "tools/autofill.h"
#include "tools/grade_edits.h"

namespace {

void runContextCommand(CanvasController& ctrl, ContextCommand command, ScreenPoint at,
                       uint32_t objectId) {
    switch (command) {
        case ContextCommand::Copy:
            ctrl.copySelection();
            break;
        case ContextCommand::CopyShape:
            ctrl.copyShape(objectId);
            break;
        case ContextCommand::Paste:
            ctrl.pasteAt(at);
            break;
        case ContextCommand::Flip:
            flipSelectedPiece(ctrl);
            break;
        case ContextCommand::AutofillGap:
            ctrl.modified();
            ctrl.host().autofillGap();
            ctrl.host().repaint();
            break;
        case ContextCommand::EndGrade: {
            ctrl.modified();
            const std::string status = endGrade(ctrl.editor(), objectId);
            if (!status.empty()) {
                ctrl.host().setStatusText(0, status);
            }
            ctrl.host().repaint();
            break;
        }
    }
}

}  // namespace

bool flipSelectedPiece(CanvasController& ctrl) {
    const Layout& layout = ctrl.layout();
    const PlacedPiece* piece = nullptr;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            if (piece != nullptr) {
                return false;  // one piece at a time
            }
            piece = &p;
        }
    }
    const PieceDef* def = piece != nullptr ? ctrl.catalog().byArticle(piece->article) : nullptr;
    if (def == nullptr || !flippable(*def) || !lockGuard(layout, ctrl.host().prompter(), "flip")) {
        return false;
    }
    const uint32_t id = piece->id;
    ctrl.beginEdit();
    ctrl.currentEdit().flip(id);
    ctrl.modified();
    ctrl.host().repaint();
    return true;
}

void SelectTool::contextMenu(ScreenPoint at, Modifiers mods) {
    Layout& layout = m_ctrl.layout();
    CanvasHost& host = m_ctrl.host();
    std::vector<ContextMenuEntry> entries;
    uint32_t objectId = kNoId;  // the shape to copy, or the piece whose grade ends
    const uint32_t pieceId = m_ctrl.pickPieceOrHelixStub(at);
    if (PlacedPiece* piece = layout.EditPiece(pieceId)) {
        if (!piece->selected) {
            layout.DeselectAll();
            piece->selected = true;
            layout.CompleteHelixSelection();
            m_ctrl.notifySelection();
            host.repaint();
        }
        const auto selected = std::count_if(layout.pieces.begin(), layout.pieces.end(),
                                            [](const PlacedPiece& p) { return p.selected; });
        const PlacedPiece& clicked = *layout.FindPiece(pieceId);
        GapSearch gap;
        if (selected == 2 && searchGap(layout, gap, m_ctrl.catalog())) {
            entries.push_back({ContextCommand::AutofillGap, "Autofill Gap...", true});
        }
        if (selected == 1 && canEndGrade(layout, pieceId)) {
            objectId = pieceId;
            entries.push_back({ContextCommand::EndGrade, "End Grade", true});
        }
        entries.push_back({ContextCommand::Copy, "Copy", true});
        const PieceDef* def = m_ctrl.catalog().byArticle(clicked.article);
        if (selected == 1 && def != nullptr && flippable(*def)) {
            entries.push_back({ContextCommand::Flip, "Flip", true});
        }
    } else if (SceneryItem* item = layout.EditScenery(m_ctrl.pickScenery(at))) {
        if (!item->selected) {
            if (!mods.shift) {
                layout.DeselectAll();
            }
            item->selected = true;
            m_ctrl.notifySelection();
            host.repaint();
        }
        entries.push_back({ContextCommand::Copy, "Copy", true});
    } else if (FreeShape* shape = layout.FindShape(m_ctrl.pickShape(at))) {
        for (FreeShape& s : layout.shapes) {
            s.selected = false;
        }
        shape->selected = true;
        objectId = shape->id;
        m_ctrl.notifySelection();
        host.repaint();
        entries.push_back({ContextCommand::CopyShape, "Copy", true});
    } else if (m_ctrl.clipboard().empty()) {
        if (!mods.shift) {
            layout.DeselectAll();
            m_ctrl.notifySelection();
            host.repaint();
        }
        return;
    } else {
        entries.push_back({ContextCommand::Paste, "Paste", true});
    }
    const int chosen = host.showContextMenu(at, entries);
    if (chosen >= 0 && chosen < static_cast<int>(entries.size()) && entries[chosen].enabled) {
        runContextCommand(m_ctrl, entries[chosen].command, at, objectId);
    }
}
