#include "edit/track_joints.h"

#include <algorithm>

void extendJoints(PlacedPiece& piece, const TrackCatalog& catalog) {
    if (const PieceDef* def = catalog.byArticle(piece.article)) {
        if (piece.joints.size() < def->connectors.size()) {
            piece.joints.resize(def->connectors.size());
        }
    }
}

void joinPieces(PlacedPiece& a, int ca, PlacedPiece& b, int cb) {
    if (ca < 0 || cb < 0) {
        return;
    }
    a.joints.resize(std::max(a.joints.size(), static_cast<size_t>(ca) + 1));
    b.joints.resize(std::max(b.joints.size(), static_cast<size_t>(cb) + 1));
    a.joints[static_cast<size_t>(ca)] = {static_cast<int32_t>(b.id), cb};
    b.joints[static_cast<size_t>(cb)] = {static_cast<int32_t>(a.id), ca};
}

