#pragma once
// Small builders shared by the document tests: pieces with open joints and symmetric joining.

#include <string>

#include "document/layout.h"

namespace layout_test {

/// Appends a piece with `connectors` open joints and a fresh id; returns its id.
inline uint32_t addPiece(Layout& layout, const std::string& article = "24188", int connectors = 2) {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    p.joints.assign(static_cast<size_t>(connectors), Joint{});
    layout.pieces.push_back(p);
    return p.id;
}

/// Joins connector ca of piece a with connector cb of piece b on both sides.
inline void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    PlacedPiece* pa = layout.EditPiece(a);
    PlacedPiece* pb = layout.EditPiece(b);
    pa->joints.at(static_cast<size_t>(ca)) = {static_cast<int32_t>(b), cb};
    pb->joints.at(static_cast<size_t>(cb)) = {static_cast<int32_t>(a), ca};
}

inline void select(Layout& layout, uint32_t id) {
    layout.EditPiece(id)->selected = true;
}

}  // namespace layout_test
