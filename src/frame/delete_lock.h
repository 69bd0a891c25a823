#pragma once
// What the main window's Delete command checks before it removes the selection: helix and tunnel
// locks, graded pieces, and whether anything deletable is selected at all.

#include <string>

class Layout;

/// Why a selection may not be deleted.
enum class DeleteLock {
    None,   ///< nothing locked
    Helix,  ///< a selected piece belongs to a helix
    Tunnel  ///< a selected piece lies inside a tunnel, or a selected scenery item is a portal
};

/// Scans the selected pieces in order (the first helix or tunnel piece decides), then the
/// selected scenery items for tunnel portals.
DeleteLock findDeleteLock(const Layout& layout);

/// Title and text of the message that refuses a locked delete; empty for DeleteLock::None.
std::string deleteLockTitle(DeleteLock lock);
std::string deleteLockText(DeleteLock lock);

/// True when a selected piece has a grade whose magnitude exceeds 0.001 degrees.
bool selectionHasGradedPiece(const Layout& layout);

/// True when a piece, scenery item or shape is selected (labels and measurements alone do not
/// count; the Delete command is disabled for them).
bool hasDeletableSelection(const Layout& layout);
