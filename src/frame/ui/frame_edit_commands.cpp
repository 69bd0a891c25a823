// Edit commands of the main window: undo and redo, delete with its locks, select all, and the
// Rectangle tool.
#include "canvas/canvas_view.h"
#include "canvas/ui/canvas_panel.h"
#include "dialogs/rectangle_shape.h"
#include "dialogs/ui/rectangle_dialog.h"
#include "edit/edit.h"
#include "edit/edit_guards.h"
#include "frame/ui/main_frame.h"
#include "panels/ui/properties_panel.h"

void MainFrame::placeHelix(Vec2 centre, const std::string& variant) {
    canvas->placeHelix(centre, variant);
}

void MainFrame::UndoCommand() {
    m_editor.undo();
}

void MainFrame::RedoCommand() {
    m_editor.redo();
}

void MainFrame::DeleteCommand() {
    // The Del key reaches this even while the menu entry is greyed out.
    if (!menuDeletableSelected(layout)) {
        return;
    }
    // The menu's Delete has no whole-helix exception: the first locked piece refuses it.
    const SelectionLock lock = findSelectionLock(layout, false);
    if (lock != SelectionLock::None) {
        prompter().showMessage(selectionLockTitle(lock), selectionLockText(lock, "delete"),
                               PromptIcon::Info);
        return;
    }
    if (gradedPieceSelected(layout) &&
        prompter().ask("Delete", "Selection includes graded pieces. Delete?", PromptButtons::YesNo,
                       kIdNo, PromptIcon::Question) != kIdYes) {
        return;
    }
    Edit edit(m_editor);
    edit.deleteSelection();
    edit.commit();
    m_editor.selectionChanged();
}

void MainFrame::SelectAllCommand() {
    layout.SelectAll();
    m_editor.selectionChanged();
}

void MainFrame::RectangleCommand() {
    RectangleDialog dialog(this, unitsFromInt(static_cast<int>(layout.units)),
                           kRectangleDefaultWidth, kRectangleDefaultHeight, prompter());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    addRectangleShape(m_editor, CanvasCentreInLayout(), dialog.widthMm(), dialog.heightMm());
}

Vec2 MainFrame::CanvasCentreInLayout() const {
    const wxSize size = canvas->GetClientSize();
    return canvas->view().screenToWorld(size.x / 2, size.y / 2);
}
