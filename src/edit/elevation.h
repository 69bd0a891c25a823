#pragma once
// Heights along graded track: how far a piece climbs, the height at each of its connectors, the
// grade runs that make every newly joined piece continue a climb, and the height rule every join
// applies.
//
// A piece's z is the height (mm) of its connector 0; its grade (degrees, signed) tilts it along
// its rise length; `rev` makes it fall from connector 0 instead of climbing.

#include <cstdint>

#include "catalog/track_catalog.h"
#include "document/layout.h"

/// Grades of this magnitude (degrees) or less count as flat.
inline constexpr double kFlatGrade = 0.001;

/// Length (mm) over which a piece rises: its length, or for a piece with a positive radius and at
/// least two connectors the x of connector 1 when that exceeds 1 mm.
double riseLength(const PieceDef& def);
/// Height (mm) of connector c: z for c = 0, else z +- sin(grade) x riseLength (minus with `rev`).
double heightAt(const PlacedPiece& piece, const PieceDef& def, int c);
/// Replaces the run anchored on `anchor` (its deg and conn), or appends one; then SyncGradeState.
void startGradeRun(Layout& layout, double deg, int32_t anchor, int32_t conn);
/// Removes every run anchored on `anchor`; then SyncGradeState.
void removeGradeRuns(Layout& layout, int32_t anchor);

/// The height rule of a join: piece P (its connector j) was joined to connector c of piece T.
/// A bridge (not a ramp) sits flat at T's height there and ends a run continuing from that end;
/// with a run continuing from T at c, P takes the run's grade and becomes the run's new anchor;
/// otherwise P is flat at that height. Returns false when nothing was done (P or T missing, T's
/// definition unknown or without length).
bool inheritElevation(Layout& layout, uint32_t newPiece, uint32_t target, int c, int j,
                      const TrackCatalog& catalog = TrackCatalog::instance());
