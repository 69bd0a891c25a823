#include "canvas/ui/plan_cache.h"

#include <cmath>

#include <wx/dcmemory.h>

#include "render/plan_fingerprint.h"
#include "render/ui/layout_renderer.h"

namespace {

// Below this zoom no article labels are drawn (they would be unreadable), so strips drawn on
// their own join the shifted picture seamlessly.
constexpr double kShiftMaxZoom = 0.2;

}  // namespace

bool PlanCache::matches(uint64_t fingerprint, const CanvasView& view, wxSize size) const {
    return m_bitmap.IsOk() && m_bitmap.GetSize() == size && fingerprint == m_fingerprint &&
           view.zoom == m_view.zoom && view.panX == m_view.panX && view.panY == m_view.panY;
}

bool PlanCache::shifted(uint64_t fingerprint, LayoutRenderer& renderer, const Layout& layout,
                        const RenderOptions& options, const CanvasView& view, wxSize size) {
    const double dx = view.panX - m_view.panX;
    const double dy = view.panY - m_view.panY;
    // Article labels give way to each other across the whole view, so a picture with labels is
    // never pieced together from strips.
    if (!m_bitmap.IsOk() || m_bitmap.GetSize() != size || fingerprint != m_fingerprint ||
        view.zoom != m_view.zoom || view.zoom >= kShiftMaxZoom || dx != std::round(dx) ||
        dy != std::round(dy) || std::abs(dx) >= size.x || std::abs(dy) >= size.y) {
        return false;
    }
    const int ix = static_cast<int>(dx), iy = static_cast<int>(dy);
    wxBitmap moved(size, 24);
    {
        wxMemoryDC out(moved);
        out.DrawBitmap(m_bitmap, ix, iy);
        const wxRect columns(ix > 0 ? 0 : size.x + ix, 0, std::abs(ix), size.y);
        const wxRect rows(0, iy > 0 ? 0 : size.y + iy, size.x, std::abs(iy));
        for (const wxRect& strip : {columns, rows}) {
            if (!strip.IsEmpty()) {
                renderer.drawLayoutPart(out, layout, options, view, size, strip);
            }
        }
    }
    m_bitmap = moved;
    m_view = view;
    return true;
}

void PlanCache::draw(wxDC& dc, LayoutRenderer& renderer, const Layout& layout,
                     const RenderOptions& options, const CanvasView& view, wxSize size,
                     bool selectionMoving) {
    if (size.x <= 0 || size.y <= 0) {
        return;
    }
    RenderOptions kept = options;
    if (selectionMoving) {
        kept.layer = SelectionLayer::Unselected;
    }
    const uint64_t fingerprint = planFingerprint(layout, kept);
    if (!matches(fingerprint, view, size) &&
        !shifted(fingerprint, renderer, layout, kept, view, size)) {
        if (!m_bitmap.IsOk() || m_bitmap.GetSize() != size) {
            m_bitmap.Create(size, 24);
        }
        wxMemoryDC memory(m_bitmap);
        renderer.drawLayout(memory, layout, kept, view, size);
        m_fingerprint = fingerprint;
        m_view = view;
        ++m_redraws;
    }
    dc.DrawBitmap(m_bitmap, 0, 0);
    if (selectionMoving) {
        RenderOptions moving = options;
        moving.layer = SelectionLayer::Selected;
        renderer.drawLayout(dc, layout, moving, view, size);
    }
}
