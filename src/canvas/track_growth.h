#pragma once
// Track that grows from track already laid: the double-click clone at a piece's open end, the
// palette's auto-connect from the selection, and the level a new piece or scenery item goes on.

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas_view.h"
#include "document/layout.h"

class CanvasController;

/// Clones the piece under `at` onto its open end 1 (else 0), joined to it and to open track its
/// other ends meet; the clone becomes the selection. One undo step. False when nothing was hit
/// or no end is free (helix stubs are never cloned).
bool clonePieceAt(CanvasController& ctrl, ScreenPoint at);
/// Grows the track from the selected piece with the greatest id (end 1, else 0, else the first
/// open one), or starts a palette drag when nothing is selected. `flipped` lays the new piece
/// end for end, so a curve bends the other way. One undo step.
void autoConnect(CanvasController& ctrl, const std::string& article, bool flipped = false);
/// The level new track and scenery go on: the highest visible level, else the active one;
/// `height` (may be null) receives its height (mm).
int32_t placementLevel(const Layout& layout, double* height);
/// The pieces on visible levels (only the unselected ones when asked), in layout order.
void collectVisiblePieces(const Layout& layout, std::vector<const PlacedPiece*>& out,
                          bool unselectedOnly);
