#pragma once
// Building small layouts by hand in tests: catalog pieces with open joints, and joints recorded
// on both pieces. Window-free, so unit and window tests share it.

#include <cstdint>
#include <string>

#include "catalog/track_catalog.h"
#include "document/layout.h"

/// Appends a catalog piece at (x, y) mm with the heading in degrees and open joints; its id.
inline uint32_t addPiece(Layout& layout, const std::string& article, double x, double y,
                         double heading = 0.0, double z = 0.0) {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    p.x = x;
    p.y = y;
    p.heading = heading;
    p.z = z;
    const PieceDef* def = TrackCatalog::instance().byArticle(article);
    p.joints.resize(def ? def->connectors.size() : 0);
    layout.pieces.push_back(p);
    return p.id;
}

/// Records a joint between connector ca of piece a and connector cb of piece b, on both.
inline void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    PlacedPiece* pa = layout.EditPiece(a);
    PlacedPiece* pb = layout.EditPiece(b);
    pa->joints[static_cast<size_t>(ca)] = {static_cast<int32_t>(b), cb};
    pb->joints[static_cast<size_t>(cb)] = {static_cast<int32_t>(a), ca};
}
