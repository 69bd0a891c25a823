#pragma once
// Builders for the properties panel tests: pieces with open joints, symmetric joints, scenery.

#include <string>

#include "document/layout.h"

namespace panel_test {

/// Appends a piece with two open joints and a fresh id; returns its id.
inline uint32_t addPiece(Layout& layout, const std::string& article, bool selected = false) {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    p.selected = selected;
    p.joints.assign(2, Joint{});
    layout.pieces.push_back(p);
    return p.id;
}

/// Appends `n` pieces of `article`.
inline void addPieces(Layout& layout, const std::string& article, int n) {
    for (int i = 0; i < n; ++i) {
        addPiece(layout, article);
    }
}

/// Joins connector ca of piece a with connector cb of piece b on both sides.
inline void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    layout.FindPiece(a)->joints.at(static_cast<size_t>(ca)) = {static_cast<int32_t>(b), cb};
    layout.FindPiece(b)->joints.at(static_cast<size_t>(cb)) = {static_cast<int32_t>(a), ca};
}

/// A level with `id`, `name` and deck height `height` (mm).
inline LayoutLevel level(int32_t id, const std::string& name, double height = 0.0) {
    LayoutLevel entry;
    entry.id = id;
    entry.name = name;
    entry.height = height;
    return entry;
}

inline uint32_t addScenery(Layout& layout, const std::string& key, bool selected = false) {
    SceneryItem item;
    item.id = layout.AllocateId();
    item.item = key;
    item.selected = selected;
    layout.scenery.push_back(item);
    return item.id;
}

}  // namespace panel_test
