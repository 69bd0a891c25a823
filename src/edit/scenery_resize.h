#pragma once
// Resizing a scenery item: the arithmetic of a drag on one of its eight handles, and storing new
// scales as one edit (the Resize Scenery dialog's OK).

#include <cstdint>

#include "document/layout.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

/// Smallest side (mm) a handle drag leaves a scenery item.
inline constexpr double kMinScenerySide = 5.0;

/// Where a handle drag puts the item: its two scales and its centre (layout mm).
struct SceneryFootprint {
    double scalex = 1.0;
    double scaley = 1.0;
    Vec2 centre;
};

/// The handle across the footprint from `handle` (0-7, top-left corner clockwise).
int oppositeSceneryHandle(int handle);

/// A drag of `handle` (0-7, top-left corner clockwise) of the item `start` (its pose and scales
/// when the drag began) with catalog size `catalogWidth` x `catalogDepth` mm. `fixed` is the
/// opposite handle's point, `mouse` the mouse point (both layout mm). The mouse offset from the
/// fixed point, taken in the item's frame, gives the new width (its x part) and depth (its y part),
/// each at least kMinScenerySide: corners 0, 2, 4, 6 change both, handles 3 and 7 only the width,
/// 1 and 5 only the depth. The footprint reaches from the fixed point towards the mouse, so the
/// fixed point stays where it is. Unchanged for a bad handle or an empty catalog size.
SceneryFootprint dragSceneryHandle(int handle, Vec2 fixed, Vec2 mouse, const SceneryItem& start,
                                   double catalogWidth, double catalogDepth);

/// Stores the scales of scenery item `id` as one edit. False (nothing changed) for a missing item
/// or scales equal to its own.
bool setSceneryScales(LayoutEditor& editor, uint32_t id, double scalex, double scaley);
