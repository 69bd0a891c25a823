#include "frame/opened_layout.h"

#include <algorithm>
#include <cstdio>
#include <map>

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

std::vector<UnknownArticle> unknownArticles(const Layout& layout, const TrackCatalog& catalog) {
    std::map<std::string, int> counts;
    for (const PlacedPiece& p : layout.pieces) {
        if (catalog.byArticle(p.article) == nullptr) {
            ++counts[p.article];
        }
    }
    return {counts.begin(), counts.end()};
}

std::string unknownPiecesMessage(const std::vector<UnknownArticle>& unknown) {
    // A damaged file may name thousands of articles, or very long ones: the box stays readable.
    constexpr size_t kMaxLines = 20;
    constexpr size_t kMaxArticle = 40;
    std::string text = "This layout uses pieces this program does not know:\n";
    for (size_t i = 0; i < unknown.size() && i < kMaxLines; ++i) {
        const std::string& article = unknown[i].first;
        std::string shown = article.empty() ? "(no article number)" : article;
        if (shown.size() > kMaxArticle) {
            // Cut before a character, not inside one of several bytes.
            size_t cut = kMaxArticle;
            while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) {
                --cut;
            }
            shown = shown.substr(0, cut) + "...";
        }
        text += "  " + shown + " \u00d7 " + std::to_string(unknown[i].second) + "\n";
    }
    if (unknown.size() > kMaxLines) {
        int pieces = 0;
        for (size_t i = kMaxLines; i < unknown.size(); ++i) {
            pieces += unknown[i].second;
        }
        text += "  ... and " + std::to_string(unknown.size() - kMaxLines) + " more articles (" +
                std::to_string(pieces) + " pieces)\n";
    }
    return text + "\nThey are not drawn, but they stay in the layout and are saved with it.";
}
