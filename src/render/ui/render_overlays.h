#pragma once
// The canvas-only drawing after the document: the rubber band, the snap marker, the ghost of a
// piece dragged from the palette, the scenery item or helix being placed and the pivot of an Alt
// rotation.

#include <wx/dc.h>

#include "canvas/canvas_controller.h"

class LayoutRenderer;

/// Draws the overlays of the gesture in progress over the painted document.
void drawCanvasOverlays(wxDC& dc, LayoutRenderer& renderer, const CanvasOverlays& overlays,
                        const CanvasView& view);
