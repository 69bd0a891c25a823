#pragma once
// The canvas-only drawing after the document: the overlay items the active canvas tool returns
// (rubber band, snap marker, the ghost of a piece, scenery item or helix being placed, the pivot
// of a rotation, the Elevation Wizard's target line), in order.

#include <wx/dc.h>

#include "canvas/canvas_tool.h"

class LayoutRenderer;

/// Draws the overlay items over the painted document.
void drawCanvasOverlays(wxDC& dc, LayoutRenderer& renderer, const CanvasOverlays& overlays,
                        const CanvasView& view);
