#include "canvas/canvas_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "catalog/track_catalog.h"
#include "document/layout.h"

namespace {

constexpr double kUnknownHelixRadius = 500.0;

// Truncation toward zero like a plain int cast, but a piece far off screen at high zoom must not
// overflow into undefined behaviour.
int toPixel(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    v = std::trunc(v);
    if (v >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (v <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(v);
}

bool hasContent(const Layout& layout, bool piecesOnly) {
    if (!layout.pieces.empty() || !layout.scenery.empty() || !layout.shapes.empty() ||
        !layout.helices.empty()) {
        return true;
    }
    if (piecesOnly) {
        return false;
    }
    if (layout.baseboard.vertices.size() >= 3) {
        return true;
    }
    return std::any_of(layout.levels.begin(), layout.levels.end(),
                       [](const LayoutLevel& l) { return l.outline.size() >= 3; });
}

}  // namespace

ScreenPoint CanvasView::worldToScreen(double x, double y) const {
    return {toPixel(x * zoom + panX), toPixel(y * zoom + panY)};
}

Vec2 CanvasView::screenToWorld(double sx, double sy) const {
    return {(sx - panX) / zoom, (sy - panY) / zoom};
}

void CanvasView::zoomAt(double factor, double mx, double my) {
    const double old = zoom;
    // Below the interactive limit (after a fit of a large layout) a step keeps going from where
    // the view is: zooming out never brings it closer, zooming in never jumps.
    const double lowest = old > 0.0 ? std::min(kMinZoom, old) : kMinZoom;
    const double next = std::clamp(old * factor, lowest, std::max(kMaxZoom, lowest));
    if (!(old > 0.0)) {
        zoom = next;
        return;
    }
    panX = mx - (mx - panX) * next / old;
    panY = my - (my - panY) * next / old;
    zoom = next;
}

void CanvasView::wheelZoom(int rotation, double mx, double my) {
    zoomAt(rotation > 0 ? kWheelFactor : 1.0 / kWheelFactor, mx, my);
}

void CanvasView::zoomAtCentre(double factor, int clientWidth, int clientHeight) {
    zoomAt(factor, clientWidth / 2, clientHeight / 2);
}

void CanvasView::centreOn(Vec2 point, int clientWidth, int clientHeight) {
    panX = clientWidth / 2 - point.x * zoom;
    panY = clientHeight / 2 - point.y * zoom;
}

void CanvasView::resetView(double newZoom) {
    zoom = newZoom;
    panX = kInitialPan;
    panY = kInitialPan;
}

Bounds fitBounds(const Layout& layout, bool piecesOnly, const TrackCatalog& catalog,
                 const HelixOuterRadius& helixOuterRadius) {
    Bounds b;
    for (const PlacedPiece& p : layout.pieces) {
        const PieceDef* def = catalog.byArticle(p.article);
        if (def == nullptr) {
            continue;
        }
        const double r = degToRad(p.heading);
        b.add(Vec2{p.x, p.y});
        b.add(Vec2{p.x + def->length * std::cos(r), p.y + def->length * std::sin(r)});
    }
    for (const SceneryItem& s : layout.scenery) {
        b.add(Vec2{s.x, s.y});
    }
    if (!piecesOnly) {
        for (const LayoutLevel& level : layout.levels) {
            for (const Vec2& v : level.outline) {
                b.add(v);
            }
        }
        for (const Vec2& v : layout.baseboard.vertices) {
            b.add(v);
        }
    }
    for (const FreeShape& shape : layout.shapes) {
        for (const Vec2& v : shape.vertices) {
            b.add(v);
        }
    }
    for (const Helix& h : layout.helices) {
        const double r = helixOuterRadius ? helixOuterRadius(h.variant) : kUnknownHelixRadius;
        b.add(Vec2{h.cx - r, h.cy - r});
        b.add(Vec2{h.cx + r, h.cy + r});
    }
    return b;
}

bool CanvasView::zoomToFit(const Layout& layout, bool piecesOnly, int clientWidth, int clientHeight,
                           const TrackCatalog& catalog, const HelixOuterRadius& helixOuterRadius) {
    if (!hasContent(layout, piecesOnly)) {
        resetView();
        return false;
    }
    const Bounds b = fitBounds(layout, piecesOnly, catalog, helixOuterRadius);
    if (b.empty()) {
        // Only pieces whose articles the catalog lacks: there is no extent to frame, and framing
        // the untouched +-1e9 start box would throw the view a billion pixels away.
        resetView();
        return false;
    }
    const double w = std::max(1.0, b.maxX - b.minX);
    const double h = std::max(1.0, b.maxY - b.minY);
    const double availW = clientWidth - 2.0 * kFitMargin;
    const double availH = clientHeight - 2.0 * kFitMargin;
    const double fitZoom = std::clamp(std::min(availW / w, availH / h), kFitMinZoom, kMaxZoom);
    const double fitPanX = (availW - fitZoom * w) / 2.0 + kFitMargin - fitZoom * b.minX;
    const double fitPanY = (availH - fitZoom * h) / 2.0 + kFitMargin - fitZoom * b.minY;
    if (!std::isfinite(fitZoom) || !std::isfinite(fitPanX) || !std::isfinite(fitPanY)) {
        // Coordinates beyond any number the view can hold (infinite or not a number) have no
        // extent to frame either.
        resetView();
        return false;
    }
    zoom = fitZoom;
    panX = fitPanX;
    panY = fitPanY;
    return true;
}

void PanDrag::start(ScreenPoint at, const CanvasView& view, bool threshold) {
    active = true;
    moved = !threshold;
    press = at;
    panX0 = view.panX;
    panY0 = view.panY;
}

bool PanDrag::follow(ScreenPoint at, CanvasView& view) {
    const int dx = at.x - press.x, dy = at.y - press.y;
    moved = moved || std::abs(dx) >= 4 || std::abs(dy) >= 4;
    if (moved) {
        view.panX = panX0 + dx;
        view.panY = panY0 + dy;
    }
    return moved;
}
