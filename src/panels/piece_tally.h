#pragma once
// The piece tally: which articles, and how many of each, the whole layout needs, and the
// accessories we recommend for its turnouts. Shown in the properties panel and read by Buy Track.

#include <map>
#include <string>
#include <string_view>
#include <vector>

class Layout;

/// Article key -> count, ordered by byte-wise comparison of the key (std::string's order).
using PieceTally = std::map<std::string, int>;

/// Accessory totals that the turnouts of a tally call for.
struct AccessoryTotals {
    int turnoutMotors = 0;  ///< C-Track and TRIX turnout motors (two for a three-way turnout)
    int kTrackMotors = 0;   ///< K-Track turnout motors
    int decoders74462 = 0;  ///< one per turnout that takes a 74462 decoder
    int decoders74467 = 0;  ///< one per 24720 (the 74467 decoder)
    int total() const { return turnoutMotors + kTrackMotors + decoders74462 + decoders74467; }
};

/// The articles placed in the layout as the parts list counts them: every piece not marked
/// `free`, bridge deck track, alternating decks of ramps, spoke extensions by threes, scenery the
/// shop sells, and the curves of every helix.
PieceTally countLayoutPieces(const Layout& layout);

/// Per-article counts of the placed pieces alone (not `free`, article in the track catalog),
/// scenery the shop sells, and spoke extensions by threes: what goes into the shop's cart.
/// Bridge decks and helix curves are not added (the deck comes with the bridge article).
PieceTally countCartPieces(const Layout& layout);

/// Turnout motors, K-Track motors and decoders that the counted turnouts call for.
AccessoryTotals countAccessories(const PieceTally& tally);

/// One row of the tally list.
struct TallyRow {
    std::string article;   ///< the tally key or the accessory's article; empty on the heading row
    std::string piece;     ///< catalog name, scenery name, or the key itself
    std::string count;     ///< "%d"; empty on the heading row
    bool heading = false;  ///< the bold "We Recommend" row
};

/// The rows of the tally list: one per entry in map order, then, when any accessory is called
/// for, "We Recommend" followed by the accessories whose total is above 0.
std::vector<TallyRow> tallyRows(const PieceTally& tally);

/// The tally as a CSV text (RFC 4180: fields quoted when they hold a comma, quote, CR or LF,
/// quotes doubled, lines ended by CR LF; UTF-8): the heading line "Article,Name,Count", then one
/// line per row of tallyRows with the row's article, piece name and count; the "We Recommend"
/// line has an empty article and count.
std::string partsListCsv(const PieceTally& tally);

/// One CSV field: `text` unchanged, or in double quotes with inner quotes doubled when it holds a
/// comma, a double quote, CR or LF.
std::string csvField(std::string_view text);
