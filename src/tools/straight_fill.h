#pragma once
// Combinations of straight catalog pieces whose lengths add up to a distance: the search shared by
// Autofill (a straight gap) and the Elevation Wizard (a run to a target height).
//
// Candidates are taken longest first; a combination is a multiset listed from the longest to the
// shortest piece, found once. For each piece count k = 1, 2, ... the combinations of exactly k
// pieces are enumerated depth first in that order; a combination is kept when its summed length
// lies within the tolerance of the distance.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/track_catalog.h"

/// Plain straights (isPlainTrack) of `system`, in catalog order, then stably sorted longest first.
std::vector<const PieceDef*> plainStraights(const TrackCatalog& catalog, TrackSystem system);

/// The candidates' lengths (mm), in their order.
std::vector<double> straightLengths(const std::vector<const PieceDef*>& candidates);

/// ceil(distance / shortest) + 2, clamped to 1 ... 32; a shortest length of 0 counts as 1 mm.
int straightPieceLimit(double distance, double shortest);

/// One combination: indices into the candidate list (non-decreasing) and the summed length (mm).
struct StraightCombo {
    std::vector<int> pieces;
    double total = 0.0;
};

/// The articles of a combination of `candidates`, from the longest piece to the shortest.
std::vector<std::string> comboArticles(const StraightCombo& combo,
                                       const std::vector<const PieceDef*>& candidates);

struct StraightSearchLimits {
    double tolerance = 1.5;  ///< mm either side of the distance
    int maxCount = 32;       ///< largest piece count tried
    size_t maxCombos = 64;   ///< the search stops as soon as it holds this many
    /// After finishing a piece count the search stops when it holds at least this many.
    size_t enoughAfterCount = SIZE_MAX;
    /// Partial combinations the search may visit before it gives up with what it has; keeps the
    /// worst distances a user can draw (20 m, every system) well under 100 ms: the built-in
    /// catalog needs far fewer; 2 million nodes take about 30 ms.
    uint64_t nodeBudget = 2'000'000;
};

struct StraightSearchResult {
    std::vector<StraightCombo> combos;  ///< in the order found
    bool cut = false;                   ///< the node budget ended the search early
};

/// Searches the candidates (lengths in mm, longest first) for combinations that add up to
/// `distance` within the tolerance.
StraightSearchResult searchStraightCombos(const std::vector<double>& lengths, double distance,
                                          const StraightSearchLimits& limits);
