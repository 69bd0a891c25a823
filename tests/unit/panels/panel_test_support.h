#pragma once
// Builders for the panel tests: pieces with open joints, symmetric joints, levels, scenery.

#include <string>

#include "document/layout.h"

namespace panel_test {

/// Appends `n` pieces of `article` with two open joints and fresh ids; returns the last id.
inline uint32_t addPiece(Layout& layout, const std::string& article, bool selected = false,
                         int n = 1) {
    for (int i = 0; i < n; ++i) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = article;
        p.selected = selected;
        p.joints.assign(2, Joint{});
        layout.pieces.push_back(p);
    }
    return layout.pieces.back().id;
}

/// Joins connector ca of piece a with connector cb of piece b on both sides.
inline void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    layout.EditPiece(a)->joints.at(static_cast<size_t>(ca)) = {static_cast<int32_t>(b), cb};
    layout.EditPiece(b)->joints.at(static_cast<size_t>(cb)) = {static_cast<int32_t>(a), ca};
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
