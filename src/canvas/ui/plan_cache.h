#pragma once
// The picture of the plan the canvas drew last, kept for the paints that follow: while a gesture
// only moves a ghost, a rubber band or the rulers' mouse mark, the plan itself is copied, not
// drawn again. It is drawn anew whenever anything it shows, the view or the size has changed.

#include <cstdint>

#include <wx/bitmap.h>
#include <wx/dc.h>

#include "canvas/canvas_view.h"
#include "document/layout.h"
#include "render/render_options.h"

class LayoutRenderer;

class PlanCache {
public:
    /// Puts the plan of `layout` as `renderer` draws it onto `dc` at (0, 0). While a gesture
    /// moves the selection, the picture holds the rest and the selection is drawn over it.
    void draw(wxDC& dc, LayoutRenderer& renderer, const Layout& layout,
              const RenderOptions& options, const CanvasView& view, wxSize size,
              bool selectionMoving = false);
    /// How many of the paints so far drew the plan anew (for tests and measurements).
    int redraws() const { return m_redraws; }

private:
    bool matches(uint64_t fingerprint, const CanvasView& view, wxSize size) const;
    /// After a pan: moves the picture by whole pixels and draws only the strips it uncovers.
    bool shifted(uint64_t fingerprint, LayoutRenderer& renderer, const Layout& layout,
                 const RenderOptions& options, const CanvasView& view, wxSize size);

    wxBitmap m_bitmap;
    uint64_t m_fingerprint = 0;
    CanvasView m_view;
    int m_redraws = 0;
};
