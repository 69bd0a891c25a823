#include "frame/command_handlers.h"

#include <algorithm>

#include "app/prompter.h"
#include "canvas/canvas_controller.h"
#include "canvas/drawing_tools.h"
#include "dialogs/rectangle_shape.h"
#include "edit/edit.h"
#include "edit/edit_guards.h"
#include "edit/tunnel_edit.h"

namespace Commands {

void save(CommandContext& context, const CommandCall&) {
    context.saveLayout(false);
}
void saveAs(CommandContext& context, const CommandCall&) {
    context.saveLayout(true);
}

void undo(CommandContext& context, const CommandCall&) {
    context.editor().undo();
}
void redo(CommandContext& context, const CommandCall&) {
    context.editor().redo();
}

void deleteSelection(CommandContext& context, const CommandCall&) {
    LayoutEditor& editor = context.editor();
    // The Del key reaches this even while the menu entry is greyed out.
    if (!menuDeletableSelected(editor.layout())) {
        return;
    }
    // The menu's Delete has no whole-helix exception: the first locked piece refuses it.
    const SelectionLock lock = findSelectionLock(editor.layout(), false);
    if (lock != SelectionLock::None) {
        context.prompter().showMessage(selectionLockTitle(lock), selectionLockText(lock, "delete"),
                                       PromptIcon::Info);
        return;
    }
    if (gradedPieceSelected(editor.layout()) &&
        context.prompter().ask("Delete", "Selection includes graded pieces. Delete?",
                               PromptButtons::YesNo, kIdNo, PromptIcon::Question) != kIdYes) {
        return;
    }
    Edit edit(editor);
    edit.deleteSelection();
    edit.commit();
    editor.selectionChanged();
}

void selectAll(CommandContext& context, const CommandCall&) {
    context.editor().layout().SelectAll();
    context.editor().selectionChanged();
}

void copy(CommandContext& context, const CommandCall&) {
    context.canvas().copySelection();
}

void paste(CommandContext& context, const CommandCall&) {
    // Not while something is being moved or placed: the paste would land under the gesture.
    if (!context.canvas().gestureActive()) {
        context.canvas().pasteAtMouseOrCentre();
    }
}

void measure(CommandContext& context, const CommandCall& call) {
    CanvasController& canvas = context.canvas();
    canvas.setTool(call.checked ? std::make_unique<TapeTool>(canvas) : nullptr);
}

void polygon(CommandContext& context, const CommandCall& call) {
    CanvasController& canvas = context.canvas();
    canvas.setTool(call.checked ? std::make_unique<OutlineTool>(canvas, OutlineTarget::Shape)
                                : nullptr);
}

void tunnel(CommandContext& context, const CommandCall&) {
    tunnelCommand(context.editor());
}

void rotate(CommandContext& context, const CommandCall&) {
    if (!context.canvas().gestureActive()) {
        context.canvas().rotateSelectionStep(+1);
    }
}

void zoomIn(CommandContext& context, const CommandCall&) {
    context.canvas().zoomIn();
}
void zoomOut(CommandContext& context, const CommandCall&) {
    context.canvas().zoomOut();
}
void zoomToFit(CommandContext& context, const CommandCall&) {
    context.canvas().zoomToFit(false);
}
void viewSwitch(CommandContext& context, const CommandCall& call) {
    context.setViewSwitch(call.id, call.checked);
}
void units(CommandContext& context, const CommandCall& call) {
    context.setUnits(unitsForCommand(call.id));
}

void rectangle(CommandContext& context, const CommandCall&) {
    if (const auto size = context.askRectangleSize()) {
        addRectangleShape(context.editor(), context.viewCentre(), size->width, size->height);
    }
}

}  // namespace Commands

CommandState commandStateOf(CommandContext& context) {
    const Layout& layout = context.layout();
    const auto selected = [](const auto& items) {
        return std::any_of(items.begin(), items.end(), [](const auto& i) { return i.selected; });
    };
    CommandState state;
    state.canUndo = !layout.undoStack.empty();
    state.canRedo = !layout.redoStack.empty();
    state.hasDeletableSelection = menuDeletableSelected(layout);
    const TunnelChain chain = analyseTunnelChain(layout, context.editor().catalog());
    state.selectionIsTunnelChain = chain.applies;
    state.selectionInTunnel = chain.removes();
    state.hasCopyableSelection = selected(layout.pieces) || selected(layout.scenery);
    state.clipboardFilled = !context.canvas().clipboard().empty();
    state.hasTurnableSelection = state.hasDeletableSelection;
    const CanvasController& canvas = context.canvas();
    state.measuring = canvas.toolAs<TapeTool>() != nullptr;
    const OutlineTool* outline = canvas.toolAs<OutlineTool>();
    state.drawingPolygon = outline != nullptr && outline->target() == OutlineTarget::Shape;
    return state;
}

bool runCommand(CommandContext& context, const CommandCall& call) {
    const CommandHandler handler = commandHandler(call.id);
    if (handler == nullptr || !isCommandEnabled(call.id, commandStateOf(context))) {
        return false;
    }
    handler(context, call);
    return true;
}
