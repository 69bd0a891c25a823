#include "canvas/clipboard.h"

#include <unordered_map>

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

bool pasteClipboard(Layout& layout, const CanvasClipboard& clipboard, Vec2 centre) {
    if (clipboard.empty()) {
        return false;
    }
    layout.PushUndo();

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

    layout.DeselectAll();
    std::unordered_map<int32_t, int32_t> newIds;
    const size_t firstPasted = layout.pieces.size();
    for (const PlacedPiece& src : clipboard.pieces) {
        PlacedPiece p = src;
        p.id = layout.AllocateId();
        newIds[static_cast<int32_t>(src.id)] = static_cast<int32_t>(p.id);
        p.x += dx;
        p.y += dy;
        p.selected = true;
        // A copy is plain track: the helix that owns the original does not list it.
        p.helix = kNoId;
        for (Joint& j : p.joints) {
            j = Joint{};
        }
        layout.pieces.push_back(std::move(p));
    }
    // Joints inside the copy are written again with the new ids; joints leading out stay open.
    for (size_t k = 0; k < clipboard.pieces.size(); ++k) {
        const PlacedPiece& src = clipboard.pieces[k];
        PlacedPiece& copy = layout.pieces[firstPasted + k];
        for (size_t c = 0; c < src.joints.size(); ++c) {
            auto it = newIds.find(src.joints[c].target);
            if (it != newIds.end()) {
                copy.joints[c] = {it->second, src.joints[c].tconn};
            }
        }
    }
    for (const SceneryItem& src : clipboard.scenery) {
        SceneryItem s = src;
        s.id = layout.AllocateId();
        s.x += dx;
        s.y += dy;
        s.selected = true;
        layout.scenery.push_back(std::move(s));
    }
    if (clipboard.hasShape) {
        FreeShape s = clipboard.shape;
        s.id = layout.AllocateId();
        for (Vec2& v : s.vertices) {
            v.x += dx;
            v.y += dy;
        }
        s.selected = false;
        layout.shapes.push_back(std::move(s));
    }
    return true;
}
