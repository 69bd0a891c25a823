#include "canvas/ui/plan_cache.h"

#include <wx/dcmemory.h>

#include "render/plan_fingerprint.h"
#include "render/ui/layout_renderer.h"

bool PlanCache::matches(uint64_t fingerprint, const CanvasView& view, wxSize size) const {
    return m_bitmap.IsOk() && m_bitmap.GetSize() == size && fingerprint == m_fingerprint &&
           view.zoom == m_view.zoom && view.panX == m_view.panX && view.panY == m_view.panY;
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
    if (!matches(fingerprint, view, size)) {
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
