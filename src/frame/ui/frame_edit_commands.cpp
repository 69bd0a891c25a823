// Edit commands of the main window: undo and redo, delete with its locks, select all, and the
// Rectangle tool.
#include "canvas/ui/canvas_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/edit_guards.h"
#include "dialogs/ui/rectangle_dialog.h"
#include "dialogs/rectangle_shape.h"
#include "frame/ui/main_frame.h"
#include "panels/ui/properties_panel.h"

void MainFrame::placeHelix(Vec2 centre, const std::string& variant) {
    canvas->placeHelix(centre, variant);
}

void MainFrame::UndoCommand() {
    layout.Undo();
    RefreshViews();
    // The restored content may lack the object the properties panel shows.
    properties->RefreshSelection();
    MarkModified();
}

void MainFrame::RedoCommand() {
    layout.Redo();
    RefreshViews();
    properties->RefreshSelection();
    MarkModified();
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
    layout.DeleteSelection();
    RefreshViews();
    RefreshSidePanels();
    MarkModified();
}

void MainFrame::SelectAllCommand() {
    layout.SelectAll();
    RefreshViews();
    RefreshSidePanels();
}

void MainFrame::RectangleCommand() {
    RectangleDialog dialog(this, unitsFromInt(static_cast<int>(layout.units)),
                           kRectangleDefaultWidth, kRectangleDefaultHeight, prompter());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    if (!addRectangleShape(layout, CanvasCentreInLayout(), dialog.widthMm(), dialog.heightMm())) {
        return;
    }
    MarkModified();
    RefreshViews();
}

Vec2 MainFrame::CanvasCentreInLayout() const {
    const wxSize size = canvas->GetClientSize();
    return canvas->view().screenToWorld(size.x / 2, size.y / 2);
}
