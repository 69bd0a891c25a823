#include "panels/piece_tally.h"

#include <string_view>

#include "catalog/helix_catalog.h"
#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "panels/shop_products.h"

namespace {

struct DeckTrack {
    std::string_view bridge;
    std::string_view deck;
    int count;
};

// The track that lies on a bridge is a separate article the user has to buy.
constexpr DeckTrack kBridgeDecks[] = {
    {"74636", "24360", 1},  {"74620", "24188", 1},  {"74623", "24230", 1},  {"74613", "24130", 1},
    {"7263", "2200", 2},    {"7262", "2200", 1},    {"7569", "2221", 1},    {"7267", "2221", 1},
    {"74636T", "62360", 1}, {"74620T", "62188", 1}, {"74623T", "62230", 1}, {"74613T", "62130", 1},
    {"8975", "8505", 1},    {"89759", "8500", 1},   {"8976", "8500", 1},    {"8977", "8510", 1},
};

struct PerPiece {
    std::string_view article;
    int count;
};

constexpr PerPiece kTurnoutMotors[] = {
    {"24611", 1}, {"24612", 1}, {"24671", 1}, {"24672", 1}, {"24711", 1},
    {"24712", 1}, {"24771", 1}, {"24772", 1}, {"24720", 1}, {"62611", 1},
    {"62612", 1}, {"62671", 1}, {"62672", 1}, {"24630", 2}, {"62630", 2},
};

constexpr std::string_view kKTrackMotorPieces[] = {"2261", "2263", "2264", "2265", "2266", "2267",
                                                   "2268", "2269", "2271", "2272", "2276", "2277"};

constexpr std::string_view kDecoder74462Pieces[] = {
    "24611", "24612", "24630", "24671", "24672", "24711", "24712", "24771",
    "24772", "24624", "62611", "62612", "62630", "62671", "62672", "62624"};

int countOf(const PieceTally& tally, std::string_view article) {
    const auto it = tally.find(std::string(article));
    return it == tally.end() ? 0 : it->second;
}

// A three-spoke extension set serves three placed spokes: round up to whole sets.
void bundleSpokeExtensions(PieceTally& tally) {
    const auto it = tally.find("74871");
    if (it != tally.end()) {
        it->second = (it->second + 2) / 3;
    }
}

void addShopScenery(const Layout& layout, PieceTally& tally) {
    for (const SceneryItem& item : layout.scenery) {
        if (!shopProductId(item.item).empty()) {
            ++tally[item.item];
        }
    }
}

// Ramps of the C-Track bridge set carry, in turn, a long and a short deck piece.
void addRampDecks(PieceTally& tally, const std::string& ramp, const std::string& longDeck,
                  const std::string& shortDeck) {
    const int n = countOf(tally, ramp);
    if (n > 0) {
        tally[longDeck] += (n + 1) / 2;
        if (n / 2 > 0) {
            tally[shortDeck] += n / 2;
        }
    }
}

}  // namespace

PieceTally countLayoutPieces(const Layout& layout) {
    PieceTally tally;
    for (const PlacedPiece& piece : layout.pieces) {
        if (piece.free) {
            continue;
        }
        ++tally[piece.article];
        for (const DeckTrack& deck : kBridgeDecks) {
            if (piece.article == deck.bridge) {
                tally[std::string(deck.deck)] += deck.count;
            }
        }
    }
    addRampDecks(tally, "74618", "24188", "24172");
    addRampDecks(tally, "74618T", "62188", "62172");
    bundleSpokeExtensions(tally);
    addShopScenery(layout, tally);
    for (const Helix& helix : layout.helices) {
        const HelixVariant* variant = helixVariantOrDefault(helix.variant);
        if (variant == nullptr) {
            continue;
        }
        const int n = variant->curveCount();
        if (n > 0) {
            tally[variant->innerCurveArticle] += n;
            tally[variant->outerCurveArticle] += n;
        }
    }
    return tally;
}

PieceTally countCartPieces(const Layout& layout) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    PieceTally tally;
    for (const PlacedPiece& piece : layout.pieces) {
        if (!piece.free && catalog.byArticle(piece.article) != nullptr) {
            ++tally[piece.article];
        }
    }
    addShopScenery(layout, tally);
    bundleSpokeExtensions(tally);
    return tally;
}

AccessoryTotals countAccessories(const PieceTally& tally) {
    AccessoryTotals totals;
    for (const PerPiece& row : kTurnoutMotors) {
        totals.turnoutMotors += countOf(tally, row.article) * row.count;
    }
    for (std::string_view article : kKTrackMotorPieces) {
        totals.kTrackMotors += countOf(tally, article);
    }
    for (std::string_view article : kDecoder74462Pieces) {
        totals.decoders74462 += countOf(tally, article);
    }
    totals.decoders74467 = countOf(tally, "24720");
    return totals;
}

std::vector<TallyRow> tallyRows(const PieceTally& tally) {
    const TrackCatalog& tracks = TrackCatalog::instance();
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    std::vector<TallyRow> rows;
    rows.reserve(tally.size() + 5);
    for (const auto& [article, count] : tally) {
        TallyRow row;
        row.article = article;
        if (const PieceDef* def = tracks.byArticle(article)) {
            row.piece = def->name;
        } else if (const SceneryDef* item = scenery.byKey(article)) {
            row.piece = item->name;
        } else {
            row.piece = article;
        }
        row.count = std::to_string(count);
        rows.push_back(std::move(row));
    }
    const AccessoryTotals totals = countAccessories(tally);
    if (totals.total() < 1) {
        return rows;
    }
    rows.push_back({"", "We Recommend", "", true});
    const auto addAccessory = [&rows](const char* article, const char* name, int total) {
        if (total > 0) {
            rows.push_back({article, std::string(article) + " " + name, std::to_string(total),
                            false});
        }
    };
    addAccessory("74491", "Turnout Motor", totals.turnoutMotors);
    addAccessory("75491", "K-Track Motor", totals.kTrackMotors);
    addAccessory("74462", "Decoder", totals.decoders74462);
    addAccessory("74467", "Decoder (24720)", totals.decoders74467);
    return rows;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

std::string partsListCsv(const PieceTally& tally) {
    std::string csv = "Article,Name,Count\r\n";
    for (const TallyRow& row : tallyRows(tally)) {
        csv += csvField(row.article) + "," + csvField(row.piece) + "," + csvField(row.count) +
               "\r\n";
    }
    return csv;
}
