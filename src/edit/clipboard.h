#pragma once
// The canvas clipboard: copies of placed pieces, scenery items and one free shape, pasted back with
// fresh identifiers. It is the canvas's own, not the system clipboard, and outlives documents.

#include <vector>

#include "document/layout.h"
#include "edit/layout_editor.h"

struct CanvasClipboard {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    FreeShape shape;
    bool hasShape = false;

    bool empty() const { return pieces.empty() && scenery.empty() && !hasShape; }
};

/// When a piece or scenery item is selected: the lists become copies of the selected pieces and
/// scenery items and the shape slot is emptied. Returns false (clipboard untouched) otherwise.
bool copySelection(const Layout& layout, CanvasClipboard& clipboard);
/// Puts the shape into the shape slot; the lists stay. False when there is no such shape.
bool copyShape(const Layout& layout, uint32_t shapeId, CanvasClipboard& clipboard);
/// One edit: the clipboard added centred on `centre` (layout mm) as a fragment (fresh ids in
/// clipboard order, joints inside the copy kept, joints leading out open, ends meeting open ends
/// joined); the pasted pieces and scenery become the selection. False (nothing done) for an
/// empty clipboard.
bool pasteClipboard(LayoutEditor& editor, const CanvasClipboard& clipboard, Vec2 centre);
