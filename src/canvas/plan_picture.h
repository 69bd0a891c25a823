#pragma once
// The frame of an exported picture of the plan: how wide and tall it is and the view that shows
// the whole layout in it, the way Zoom to Fit frames it on the canvas.

#include "canvas/canvas_view.h"

class Layout;

struct PlanPicture {
    CanvasView view;
    int width = 0;   ///< pixels
    int height = 0;  ///< pixels
};

/// A picture `width` pixels wide (at least 1) that shows the layout's content (fitBounds with
/// the baseboard and level decks) centred with a margin of a twentieth of the width (48 pixels at
/// least) on every side. The height follows the content's proportions, at least a tenth of the
/// width and at most 16000 pixels (a taller plan is drawn smaller). An empty layout gives a
/// picture three quarters as tall as wide with the view of a new layout.
PlanPicture planPicture(const Layout& layout, int width);
