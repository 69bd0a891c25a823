#pragma once
// Inserting a group of objects into the document: paste, library blocks and every generator
// after them. The copies get fresh ids; joints inside the group are kept with the new ids when
// both ends name each other, joints leading out are opened; helix marks are dropped (a copy is
// plain track); levels the copies stand on are created when missing.

#include <cstdint>
#include <vector>

#include "document/layout.h"
#include "document/layout_reader.h"
#include "edit/edit.h"

struct LayoutFragment {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    std::vector<FreeShape> shapes;

    bool empty() const { return pieces.empty() && scenery.empty() && shapes.empty(); }
};

/// Ids the inserted copies received, in fragment order.
struct InsertedObjects {
    std::vector<uint32_t> pieces;
    std::vector<uint32_t> scenery;
    std::vector<uint32_t> shapes;
};

/// Adds the fragment moved by `offset` (mm) within `edit`. With `select`, the inserted pieces and
/// scenery become selected (shapes never are); the rest of the selection is left to the caller.
/// Open ends of the copies that meet open ends already in the layout are joined afterwards.
InsertedObjects insertFragment(Edit& edit, const LayoutFragment& fragment, Vec2 offset,
                               bool select);

/// Puts a library block into the document as one edit: moved so that its smallest piece or
/// scenery x and y land on the layout origin, levels it uses added ("Level N", visible, height 0,
/// grey), fresh ids, joints inside the block kept; the block becomes the selection. Returns false
/// (nothing changed) when the block is empty.
bool insertBlock(LayoutEditor& editor, const BlockContent& block);
