#pragma once
// Autofill: closing the gap between the open ends of two placed pieces with catalog track. A
// straight gap is filled with straights, a gap spanned by one arc with identical curves; S-curves
// and mixes of curves and straights are not attempted. The search keeps no state; the placement
// is one edit.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/layout_editor.h"

/// One proposed fill.
struct FillOption {
    std::vector<std::string> pieces;  ///< articles in placement order
    /// Summed length (mm) of a straight fill, summed angle (degrees) of an arc fill.
    double total = 0.0;
    /// The curves are laid end for end: entered at connector 1, left at connector 0.
    bool reversed = false;
};

/// What the gap search found between piece A (where the fill starts) and piece B.
struct GapSearch {
    std::vector<FillOption> options;  ///< at most kMaxFillOptions, best first
    uint32_t pieceA = kNoId;
    uint32_t pieceB = kNoId;
    WorldConnector endA;  ///< the chosen open connector of A (layout frame)
    WorldConnector endB;  ///< the chosen open connector of B
    double gap = 0.0;     ///< mm between the two end points
    bool straight = false;
    bool mixedSystems = false;
    bool cut = false;  ///< a search bound ended the straight search early
};

inline constexpr size_t kMaxFillOptions = 12;

/// The two selected pieces in document order (A first); false unless exactly two are selected.
bool selectedPair(const Layout& layout, uint32_t& pieceA, uint32_t& pieceB);

/// Searches fills between pieces A and B. False when they are missing or not in the catalog,
/// belong to different systems (mixedSystems set), have no pair of open ends, or their nearest
/// open ends are closer than 1 mm; otherwise true exactly when an option was found. The ends,
/// gap and straight flag are filled in whenever a pair of open ends 1 mm or more apart exists.
bool searchGap(const Layout& layout, uint32_t pieceA, uint32_t pieceB, GapSearch& result,
               const TrackCatalog& catalog = TrackCatalog::instance());
/// The same for the selection (selectedPair); false without exactly two selected pieces.
bool searchGap(const Layout& layout, GapSearch& result,
               const TrackCatalog& catalog = TrackCatalog::instance());

/// "%d x %s  (%.1f deg)" for an arc fill of one article, else the articles joined by " + " and
/// "  (%.1f mm)".
std::string fillOptionLine(const FillOption& option, const GapSearch& search,
                           const TrackCatalog& catalog = TrackCatalog::instance());
/// "Gap: %.1f mm. Select fill:"
std::string gapHeading(double gapMm);

inline constexpr const char* kAutofillDialogTitle = "Autofill Gap";
inline constexpr const char* kAutofillMixedTitle = "Autofill - Mixed Track Systems";
inline constexpr const char* kAutofillNoSolutionTitle = "Autofill - No Solution";
inline constexpr const char* kAutofillNoSolutionText =
    "No combination of catalog track fills the gap between these two pieces.\n\nAutofill can "
    "bridge a straight gap, or a gap spanned by a single arc (a corner, a semicircle, or the rest "
    "of a circle). Gaps needing an S-curve, or a mix of curves and straights, are not supported.";
inline constexpr const char* kAutofillErrorTitle = "Autofill";
inline constexpr const char* kAutofillMissingPieceText =
    "Internal error: a fill piece is missing or has too few connectors. Autofill aborted.";

/// The mixed-systems message naming both pieces' articles and their systems' display names.
std::string mixedSystemsMessage(const PlacedPiece& a, const PlacedPiece& b,
                                const TrackCatalog& catalog = TrackCatalog::instance());

enum class FillPlacement {
    Placed,
    EndsMoved,     ///< A or B no longer has a connector at the searched end: nothing placed
    PieceMissing,  ///< a fill article is unknown or has fewer than two connectors: nothing placed
};

/// Lays the option from end A to end B as one edit: each piece is mated onto the current end on
/// A's level and joined to its predecessor, taking its height from it by the height rule; the
/// last piece is joined to B as it lies. Takes no undo step when nothing is placed.
FillPlacement placeFill(LayoutEditor& editor, const GapSearch& search, const FillOption& option);

/// Shows the options (their lines given) and returns the index of the one to place, or -1.
using FillChooser = std::function<int(const GapSearch&, const std::vector<std::string>& lines)>;

/// The Autofill Gap command on the selection: searches afresh; without a fill reports why (mixed
/// systems or no solution) and clears the selection; otherwise lets `choose` pick an option and
/// places it. Returns true when track was placed.
bool autofillGapCommand(LayoutEditor& editor, Prompter& prompter, const FillChooser& choose);
