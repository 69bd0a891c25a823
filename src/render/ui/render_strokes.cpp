// Track far away: zoomed out until a band is narrower than a few pixels, its fill, outline and
// decorations merge into one line anyway. Such pieces are drawn as their centre lines, gathered
// per colour and stroked as one path each, so a fitted view of tens of thousands of pieces costs a
// few strokes instead of a polygon per piece.
#include <algorithm>

#include <wx/graphics.h>

#include "render/ui/layout_renderer.h"

namespace {

// Bands narrower than this (pixels) are drawn as centre lines.
constexpr double kStrokeBandPx = 3.0;

}  // namespace

bool LayoutRenderer::drawnAsStroke(const PieceShape& shape, const CanvasView& view) const {
    return !shape.turntable && !shape.paths.empty() &&
           2.0 * shape.halfWidth * view.zoom < kStrokeBandPx;
}

void LayoutRenderer::addStroke(const PieceShape& shape, const Pose& pose, const CanvasView& view,
                               RenderColour colour) {
    // The band and its one-pixel outline on either side, as the full drawing would cover.
    const int width = static_cast<int>(2.0 * shape.halfWidth * view.zoom + 1.5);
    StrokeBatch* batch = nullptr;
    for (StrokeBatch& b : m_strokes) {
        if (b.colour == colour && b.width == width) {
            batch = &b;
        }
    }
    if (batch == nullptr) {
        batch = &m_strokes.emplace_back();
        batch->colour = colour;
        batch->width = width;
    }
    // An arc a few pixels long needs no more than a few points to look like one.
    const double lengthPx =
        std::max(shape.bounds.maxX - shape.bounds.minX, shape.bounds.maxY - shape.bounds.minY) *
        view.zoom;
    const int arcSteps = std::clamp(static_cast<int>(lengthPx / 4.0), 1, kBandArcSegments);
    for (int i = 0; i < static_cast<int>(shape.paths.size()); ++i) {
        m_local.clear();
        appendOffsetLine(shape.pathSegments(i), shape.paths[i].segmentCount, 0.0, m_local,
                         arcSteps);
        polygonToScreen(m_local.data(), m_local.size(), &pose, view);
        // Points that land on the same pixel add nothing but work for the stroker.
        const size_t first = batch->points.size();
        for (const wxPoint& p : m_screen) {
            if (batch->points.size() == first || batch->points.back() != p) {
                batch->points.push_back(p);
            }
        }
        if (batch->points.size() - first == 1) {
            batch->points.push_back(batch->points.back() + wxPoint(1, 0));  // a dot still shows
        }
        batch->lineStarts.push_back(first);
    }
}

void LayoutRenderer::flushStrokes(wxDC& dc) {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    for (StrokeBatch& batch : m_strokes) {
        if (batch.points.empty()) {
            continue;
        }
        batch.lineStarts.push_back(batch.points.size());
        setPen(dc, batch.colour, batch.width);
        if (gc == nullptr) {
            for (size_t k = 0; k + 1 < batch.lineStarts.size(); ++k) {
                const size_t from = batch.lineStarts[k];
                dc.DrawLines(static_cast<int>(batch.lineStarts[k + 1] - from),
                             batch.points.data() + from);
            }
            continue;
        }
        wxGraphicsPath path = gc->CreatePath();
        for (size_t k = 0; k + 1 < batch.lineStarts.size(); ++k) {
            const wxPoint& start = batch.points[batch.lineStarts[k]];
            path.MoveToPoint(start.x + 0.5, start.y + 0.5);
            for (size_t i = batch.lineStarts[k] + 1; i < batch.lineStarts[k + 1]; ++i) {
                path.AddLineToPoint(batch.points[i].x + 0.5, batch.points[i].y + 0.5);
            }
        }
        gc->SetPen(m_pen);
        // Lines of a pixel or two gain nothing from smoothing but cost most of the time.
        const wxAntialiasMode smoothing = gc->GetAntialiasMode();
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
        gc->StrokePath(path);
        gc->SetAntialiasMode(smoothing);
    }
    if (gc != nullptr) {
        // The context now holds the strokes' pen; hand the device context's own back to it.
        gc->SetPen(dc.GetPen());
    }
    // The batches and their buffers stay for the next pass, so a repaint allocates nothing here.
    for (StrokeBatch& batch : m_strokes) {
        batch.points.clear();
        batch.lineStarts.clear();
    }
}
