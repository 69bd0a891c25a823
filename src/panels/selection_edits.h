#pragma once
// The edits the properties panel offers on the selection: move it to another level, give the
// selected pieces a colour of their own, and add a text label. Each is one edit, whose commit
// the editor's observers hear.

#include <cstdint>
#include <optional>
#include <string>

#include "document/layout.h"
#include "edit/layout_editor.h"
#include "panels/selection_summary.h"

/// One entry of the colour choice; no colour for "Default" (clears the piece's own colour).
struct PieceColourEntry {
    const char* name;
    std::optional<Rgb> colour;
};

/// Number of colour entries (9) and entry i ("Default", "Red", ... "White").
int pieceColourCount();
const PieceColourEntry& pieceColourAt(int i);

/// The colour entry the selected pieces share: 0 ("Default") when none has a colour of its own,
/// the entry of their common own colour when it is one of the entries; -1 when no piece is
/// selected, the pieces differ, or their colour is not an entry's.
int selectedColourEntry(const Layout& layout);

/// Moves what the panel shows to level `level`: the shown scenery item or shape, the shown helix
/// (bottom ends at the level's height, top ends and the flat track beyond them at that height
/// plus the helix's rise), or else every selected piece outside a helix (flat pieces to the
/// level's height, graded pieces keep theirs). Makes `level` the active level. False, without an
/// undo step, when there is nothing to move.
bool changeSelectionLevel(LayoutEditor& editor, const ShownIds& shown, int32_t level);

/// Gives every selected piece colour entry `entry` and then clears the whole selection. False,
/// without an undo step, when the entry is out of range or no piece is selected.
bool applyPieceColour(LayoutEditor& editor, int entry);

/// Appends a label with `text` (trailing white space removed) at `at`, or at (0, 0) without it,
/// numbered from the layout's id counter; the label becomes the selection. False, without an undo
/// step, for an empty text.
bool addLayoutLabel(LayoutEditor& editor, const std::string& text, std::optional<Vec2> at);
