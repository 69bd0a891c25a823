#include "edit/clipboard.h"

#include "edit/fragment.h"

bool copySelection(const Layout& layout, CanvasClipboard& clipboard) {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected) {
            pieces.push_back(p);
        }
    }
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected) {
            scenery.push_back(s);
        }
    }
    if (pieces.empty() && scenery.empty()) {
        return false;
    }
    clipboard.pieces = std::move(pieces);
    clipboard.scenery = std::move(scenery);
    clipboard.shape = FreeShape{};
    clipboard.hasShape = false;
    return true;
}

bool copyShape(const Layout& layout, uint32_t shapeId, CanvasClipboard& clipboard) {
    for (const FreeShape& s : layout.shapes) {
        if (s.id == shapeId) {
            clipboard.shape = s;
            clipboard.hasShape = true;
            return true;
        }
    }
    return false;
}

bool pasteClipboard(LayoutEditor& editor, const CanvasClipboard& clipboard, Vec2 centre) {
    if (clipboard.empty()) {
        return false;
    }
    // The copy is centred as a whole: every piece, item and shape vertex counts once.
    double sx = 0.0, sy = 0.0;
    size_t n = 0;
    for (const PlacedPiece& p : clipboard.pieces) {
        sx += p.x, sy += p.y, ++n;
    }
    for (const SceneryItem& s : clipboard.scenery) {
        sx += s.x, sy += s.y, ++n;
    }
    if (clipboard.hasShape) {
        for (const Vec2& v : clipboard.shape.vertices) {
            sx += v.x, sy += v.y, ++n;
        }
    }
    const double dx = n > 0 ? centre.x - sx / static_cast<double>(n) : 0.0;
    const double dy = n > 0 ? centre.y - sy / static_cast<double>(n) : 0.0;

    LayoutFragment fragment{clipboard.pieces, clipboard.scenery, {}};
    if (clipboard.hasShape) {
        fragment.shapes.push_back(clipboard.shape);
    }
    Edit edit(editor);
    edit.change().DeselectAll();
    insertFragment(edit, fragment, {dx, dy}, true);
    edit.commit();
    editor.selectionChanged();
    return true;
}
