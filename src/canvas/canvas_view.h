#pragma once
// The canvas view transform: how far the plan is zoomed and where the layout origin lies on the
// screen. screen = layout x zoom + pan, with no axis mirrored (layout y grows downward like screen
// rows). The canvas holds one; the printout builds its own to map the layout onto a page.

#include <functional>
#include <string>

#include "catalog/piece_shape.h"
#include "geometry/geometry.h"

class Layout;
class TrackCatalog;

/// A point on the screen in whole pixels.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

/// Outer radius (mm) of the helix variant with the given key; callers return 500 for an unknown
/// variant. An empty function counts every helix as 500 mm.
using HelixOuterRadius = std::function<double(const std::string& variantKey)>;

class CanvasView {
public:
    static constexpr double kInitialZoom = 0.4;  ///< pixels per mm of a new view
    static constexpr double kInitialPan = 60.0;  ///< pixels, both axes
    static constexpr double kOpenZoom = 1.0;     ///< the reset offered after opening a file
    static constexpr double kMinZoom = 0.3;      ///< interactive zoom limits, pixels per mm
    static constexpr double kMaxZoom = 20.0;
    /// Zoom-to-fit may go this far out: a club layout or garden railway of several hundred metres
    /// is still seen whole.
    static constexpr double kFitMinZoom = 0.001;
    static constexpr double kFitMargin = 80.0;    ///< pixels kept free on each side by a fit
    static constexpr double kWheelFactor = 1.15;  ///< per wheel step
    static constexpr double kMenuZoomIn = 1.25;
    static constexpr double kMenuZoomOut = 0.8;

    double zoom = kInitialZoom;  ///< screen pixels per millimetre
    double panX = kInitialPan;   ///< screen x of the layout origin, pixels
    double panY = kInitialPan;   ///< screen y of the layout origin, pixels

    /// Layout mm -> screen pixels, truncated toward zero (clamped to the int range).
    ScreenPoint worldToScreen(double x, double y) const;
    ScreenPoint worldToScreen(Vec2 p) const { return worldToScreen(p.x, p.y); }
    /// Screen pixels -> layout mm, without rounding.
    Vec2 screenToWorld(double sx, double sy) const;

    /// Multiplies the zoom by `factor`, clamped to [min(0.3, zoom), 20], keeping the layout point
    /// under the screen point (mx, my) in place.
    void zoomAt(double factor, double mx, double my);
    /// Mouse-wheel zoom about the mouse point: 1.15 for a positive rotation, 1/1.15 otherwise.
    void wheelZoom(int rotation, double mx, double my);
    /// Menu zoom (1.25 in, 0.8 out) about the centre of a client area of the given size (pixels),
    /// the centre being the integer half of width and height.
    void zoomAtCentre(double factor, int clientWidth, int clientHeight);

    /// Fits the content into a client area of the given size (pixels) with 80 px margins, zoom
    /// within [0.001, 20]. piecesOnly leaves level decks and the baseboard out. An empty layout
    /// (or one where nothing has a known extent) resets the view. Returns false when it reset.
    bool zoomToFit(const Layout& layout, bool piecesOnly, int clientWidth, int clientHeight,
                   const TrackCatalog& catalog, const HelixOuterRadius& helixOuterRadius = {});

    /// Pans so that the layout point (mm) lies at the centre of a client area of the given size.
    void centreOn(Vec2 point, int clientWidth, int clientHeight);

    /// Zoom `newZoom` (0.4 for a new layout, 1.0 after opening a file) and pan (60, 60).
    void resetView(double newZoom = kInitialZoom);
};

/// The view following a drag: started at a press, it shifts the pan by the mouse offset once the
/// mouse has moved 4 px from the press along x or y (at once when started without the threshold).
struct PanDrag {
    bool active = false;
    bool moved = false;  ///< past the threshold
    ScreenPoint press;
    double panX0 = 0.0, panY0 = 0.0;  ///< pan of the view at the press, pixels

    void start(ScreenPoint at, const CanvasView& view, bool threshold = true);
    /// Pans `view` for the mouse at `at`; true when the view moved.
    bool follow(ScreenPoint at, CanvasView& view);
};

/// The box zoomToFit frames (layout mm): every known piece's position and the point `length` ahead
/// along its heading, every scenery item's position, unless piecesOnly every level outline point
/// and baseboard vertex, every shape vertex, and every helix's centre +- its outer radius.
/// Empty when nothing contributes.
Bounds fitBounds(const Layout& layout, bool piecesOnly, const TrackCatalog& catalog,
                 const HelixOuterRadius& helixOuterRadius = {});
