#include "frame/opened_layout.h"

#include <algorithm>
#include <cstdio>

#include "catalog/track_catalog.h"
#include "document/layout.h"

std::string openedLayoutStatus(const Layout& layout) {
    if (layout.gradeRuns.empty()) {
        return "Ready";
    }
    std::string text = "[ELEV]";
    for (const GradeRun& run : layout.gradeRuns) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, " %.1f deg", run.deg);
        text += buffer;
    }
    return text + "  (right-click piece to stop)";
}

bool hasZTrackPiece(const Layout& layout, const TrackCatalog& catalog) {
    return std::any_of(layout.pieces.begin(), layout.pieces.end(), [&](const PlacedPiece& p) {
        const PieceDef* def = catalog.byArticle(p.article);
        return def != nullptr && def->system == Systems::ZTrack;
    });
}
