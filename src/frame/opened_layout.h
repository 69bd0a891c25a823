#pragma once
// How the main window shows a layout it has just read: the status text and the first view.

#include <string>

class Layout;
class TrackCatalog;

/// Status field 0 after opening: "Ready" without grade runs, otherwise "[ELEV]", " %.1f deg" for
/// each run in order, and "  (right-click piece to stop)".
std::string openedLayoutStatus(const Layout& layout);

/// True when a piece of the layout is Marklin Z-Track; such a layout opens at zoom 1 instead of
/// being fitted into the window.
bool hasZTrackPiece(const Layout& layout, const TrackCatalog& catalog);
