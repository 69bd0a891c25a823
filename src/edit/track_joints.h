#pragma once
// Writing and breaking joints the way the document keeps them: on both pieces at once, with the
// joint lists grown to the definition's connector count first.

#include <cstddef>

#include "catalog/track_catalog.h"
#include "document/layout.h"

/// Grows the joint list with open entries to the definition's connector count.
void extendJoints(PlacedPiece& piece, const TrackCatalog& catalog);
/// Records the joint connector ca of a <-> connector cb of b on both pieces.
void joinPieces(PlacedPiece& a, int ca, PlacedPiece& b, int cb);
