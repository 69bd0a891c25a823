#pragma once
// The refusals shared by every command that moves, turns or removes the selection: helix track
// and tunnel track are locked, and graded track is only deleted after a question. The canvas and
// the main frame's Delete command use the same routines, so the texts never drift apart.

#include <string>

#include "app/prompter.h"
#include "document/layout.h"
#include "edit/layout_editor.h"

/// Why a selection may not be deleted or rotated.
enum class SelectionLock {
    None,
    Helix,  ///< a selected piece belongs to a helix
    Tunnel  ///< a selected piece lies inside a tunnel, or a selected scenery item is a portal
};

/// The lock of the current selection. helixFirst: any helix stub wins over tunnel track (the
/// canvas guard); otherwise the first locked piece in layout order decides (the menu's Delete).
/// Selected tunnel portals are looked at after the pieces.
SelectionLock findSelectionLock(const Layout& layout, bool helixFirst);
/// Title of the refusal: "Helix track is locked" or "Tunnel is locked"; empty for None.
std::string selectionLockTitle(SelectionLock lock);
/// Text of the refusal for `verb` ("delete" or "rotate"); empty for None.
std::string selectionLockText(SelectionLock lock, const std::string& verb);

/// True when anything the canvas deletes is selected: a piece, scenery item, label, measurement
/// or shape.
bool anythingDeletableSelected(const Layout& layout);
/// True when a piece, scenery item or shape is selected: what enables the menu's Delete (labels
/// and measurements alone do not).
bool menuDeletableSelected(const Layout& layout);
/// True when the selected pieces are exactly all the stubs of one helix.
bool selectionIsWholeHelix(const Layout& layout);
/// True when a selected piece's grade magnitude is above 0.001 degrees.
bool gradedPieceSelected(const Layout& layout);

/// The lock guard for `verb` ("delete", "rotate"): a selected helix stub gives "Helix track is
/// locked", else a selected tunnel-covered piece or tunnel portal gives "Tunnel is locked". Shows
/// the refusal and returns false; true when nothing is locked.
bool lockGuard(const Layout& layout, Prompter& prompter, const std::string& verb);

/// The whole Delete command: nothing without a selection; the lock guard (skipped when no scenery
/// is selected and the pieces are one whole helix); the graded-track question; then one undo
/// step removing the selection. True when something was removed.
bool deleteSelectionCommand(LayoutEditor& editor, Prompter& prompter);
