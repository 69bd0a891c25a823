#pragma once
// Finding what lies under a screen point of the canvas. Every pick skips objects on hidden levels;
// where several objects are hit, the one on the highest level wins (levels within 0.001 mm count
// as equal) and then the nearest. Linear in the objects with small constants: it runs on clicks
// and hovering over layouts of thousands of pieces.

#include <cstdint>

#include "canvas/canvas_view.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"

class SceneryCatalog;

/// Level heights and visibility looked up once per pick instead of once per object.
class LevelTable {
public:
    explicit LevelTable(const Layout& layout);
    /// Hidden only when a level with this id exists and is switched off.
    bool visible(int32_t level) const;
    /// Height (mm) of the level, 0 for an unknown level.
    double height(int32_t level) const;

private:
    const Layout& m_layout;
};

/// Piece under the point, or kNoId: the pick distance of the piece's shape within its reach.
uint32_t pickPiece(const Layout& layout, const CanvasView& view, ScreenPoint at,
                   const TrackCatalog& catalog);
/// The piece under the point, else the first existing stub of the helix ring under it (a ring
/// stands for its stub pieces), or kNoId.
uint32_t pickPieceOrHelixStub(const Layout& layout, const CanvasView& view, ScreenPoint at,
                              const TrackCatalog& catalog);
/// Helix whose inner or outer turn passes within 25 mm of the point, or kNoId.
uint32_t pickHelix(const Layout& layout, const CanvasView& view, ScreenPoint at);
/// Scenery item whose scaled footprint (grown by 3 mm) holds the point, or kNoId.
uint32_t pickScenery(const Layout& layout, const CanvasView& view, ScreenPoint at,
                     const SceneryCatalog& catalog);
/// Resize handle 0-7 (top-left corner clockwise) of the lone selected scenery item under the
/// point (within sqrt(37) px), or -1. Only when exactly one scenery item and nothing else is
/// selected.
int pickSceneryHandle(const Layout& layout, const CanvasView& view, ScreenPoint at,
                      const SceneryCatalog& catalog);
/// Label whose text box (-4 ... 120 px right, -4 ... 24 px below its anchor) holds the point.
uint32_t pickLabel(const Layout& layout, const CanvasView& view, ScreenPoint at);
/// Shape (3 or more vertices, visible level) containing the point or within 8 px of its outline,
/// last first, or kNoId.
uint32_t pickShape(const Layout& layout, const CanvasView& view, ScreenPoint at);

/// A measuring-tape annotation under the point: its label (within 32 px across and 9 px up or
/// down of the label centre) or else its line (within 8 px), last first.
struct MeasurementHit {
    uint32_t id = kNoId;
    bool onLabel = false;
};
MeasurementHit pickMeasurement(const Layout& layout, const CanvasView& view, ScreenPoint at);

/// The eight handle points (layout mm) of a scenery item's scaled footprint, top-left clockwise.
void sceneryHandlePoints(const SceneryItem& item, double width, double depth, Vec2 out[8]);
/// True when the segment a-b (screen pixels) meets the axis-aligned rectangle.
bool segmentHitsRect(Vec2 a, Vec2 b, double left, double top, double right, double bottom);
