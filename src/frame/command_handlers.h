#pragma once
// The work behind every row of the command table. Edit and view commands act on the editor and
// the plan view's gestures; what needs a window (file dialogs, help, display switches) is asked
// of the command context.

#include "frame/command_table.h"
#include "frame/editor_context.h"

namespace Commands {

/// A command whose whole work needs a window (New, Open, Import, Help...): the context's method.
template <void (CommandContext::*Method)()>
void inWindow(CommandContext& context, const CommandCall& /*call*/) {
    (context.*Method)();
}

// File
void save(CommandContext& context, const CommandCall& call);
void saveAs(CommandContext& context, const CommandCall& call);

// Edit
void undo(CommandContext& context, const CommandCall& call);
void redo(CommandContext& context, const CommandCall& call);
/// Delete with the helix and tunnel locks (the first locked piece refuses) and the graded-track
/// question; one undo step.
void deleteSelection(CommandContext& context, const CommandCall& call);
void selectAll(CommandContext& context, const CommandCall& call);
/// The selected pieces and scenery into the canvas clipboard.
void copy(CommandContext& context, const CommandCall& call);
/// The clipboard at the mouse when it is over the canvas, else at the view centre.
void paste(CommandContext& context, const CommandCall& call);
/// The measuring tape and the Polygon tool: checked starts the tool on the canvas, unchecked
/// ends it.
void measure(CommandContext& context, const CommandCall& call);
void polygon(CommandContext& context, const CommandCall& call);
/// Tunnel portals on the selected chain, or the tunnel it lies in removed; one undo step.
void tunnel(CommandContext& context, const CommandCall& call);
/// The selection one step clockwise (15 degrees, a whole helix 30).
void rotate(CommandContext& context, const CommandCall& call);

// View and Layout
void zoomIn(CommandContext& context, const CommandCall& call);
void zoomOut(CommandContext& context, const CommandCall& call);
void zoomToFit(CommandContext& context, const CommandCall& call);
/// Show Grid, Snap, Show Rails and the labels tool: the call's check state.
void viewSwitch(CommandContext& context, const CommandCall& call);
/// A Units of Measure radio item.
void units(CommandContext& context, const CommandCall& call);
/// Asks for a size and adds a rectangle shape centred in the view.
void rectangle(CommandContext& context, const CommandCall& call);

}  // namespace Commands

/// What the enable rules need to know about the document and the clipboard now.
CommandState commandStateOf(CommandContext& context);

/// Runs the handler of command `id` (see commandHandler) when the command is enabled now; false
/// when it has no handler or is disabled.
bool runCommand(CommandContext& context, const CommandCall& call);
