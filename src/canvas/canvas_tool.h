#pragma once
// A mode of the canvas: selecting and moving, a piece or scenery item on the mouse, and later the
// measuring tape, polygons, tunnels, resizing and the Elevation Wizard's clicks. The controller
// keeps one active tool besides the select tool, hands it every event, and asks it what to draw
// over the plan, which cursor to show and what status field 0 should say. A tool owns its
// gesture state; it reaches the document, the view, picking and the edit helpers through the
// CanvasController it was made for.

#include <string>
#include <variant>
#include <vector>

#include "canvas/canvas_host.h"
#include "canvas/canvas_view.h"
#include "geometry/geometry.h"

struct PieceDef;
struct SceneryDef;
struct HelixVariant;

/// Modifier keys held during an event.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

/// Keys the canvas reacts to; everything else is Other.
enum class CanvasKey { Other, Escape, Delete, Backspace, Enter, Space, R, C, V, F };

// ---- What a tool draws after the document ---------------------------------------------------

/// Dotted rectangle between two screen points (the rubber band).
struct OverlayBand {
    ScreenPoint from, to;
};
/// Yellow dot on the connector a piece will snap to (layout mm).
struct OverlaySnapMarker {
    Vec2 at;
};
/// Preview of a catalog piece at a pose (layout mm, degrees).
struct OverlayPieceGhost {
    const PieceDef* def = nullptr;
    Pose pose;
};
/// Dotted footprint of a scenery item at a pose (layout mm, degrees).
struct OverlaySceneryGhost {
    const SceneryDef* def = nullptr;
    Pose pose;
};
/// The two radii of a helix variant about its centre (layout mm).
struct OverlayHelixGhost {
    const HelixVariant* variant = nullptr;
    Vec2 centre;
};
/// The pivot of a rotation (layout mm) with the heading reached (degrees); it glows while the
/// heading sits on a right angle.
struct OverlayPivot {
    Vec2 at;
    double heading = 0.0;
    bool onRightAngle = false;
};

/// An outline being drawn (layout mm): its vertices, the rubber segment to the mouse, or back to
/// the first vertex when a click there would close it, with the segment's length in `units`.
struct OverlayOutline {
    std::vector<Vec2> vertices;
    Vec2 mouse;
    bool closes = false;
    Units units = Units::Millimetres;
};
/// A measuring tape being laid from `from` to the mouse at `to` (layout mm).
struct OverlayTape {
    Vec2 from, to;
    Units units = Units::Millimetres;
};
/// The Elevation Wizard's line from the start connector (layout mm, heading in degrees) to the
/// point `length` mm ahead, labelled with that length in the layout unit.
struct OverlayTargetLine {
    WorldConnector start;
    double length = 0.0;
    std::string label;
};

using OverlayItem =
    std::variant<OverlayBand, OverlaySnapMarker, OverlayPieceGhost, OverlaySceneryGhost,
                 OverlayHelixGhost, OverlayPivot, OverlayOutline, OverlayTape,
                 OverlayTargetLine>;
/// Drawn in order, over the painted document.
using CanvasOverlays = std::vector<OverlayItem>;

/// The first overlay item of type T, or nullptr.
template <typename T>
const T* findOverlay(const CanvasOverlays& overlays) {
    for (const OverlayItem& item : overlays) {
        if (const T* found = std::get_if<T>(&item)) {
            return found;
        }
    }
    return nullptr;
}

// ---- The tool interface ---------------------------------------------------------------------

class CanvasTool {
public:
    virtual ~CanvasTool() = default;

    // Input, all points in screen pixels of the canvas. After leftUp the controller releases
    // the mouse (unless the middle button pans), sets the tool's cursor and repaints.
    virtual void leftDown(ScreenPoint /*at*/, Modifiers /*mods*/) {}
    virtual void motion(ScreenPoint /*at*/, Modifiers /*mods*/, bool /*leftButton*/) {}
    virtual void leftUp(ScreenPoint /*at*/, Modifiers /*mods*/) {}
    virtual void leftDoubleClick(ScreenPoint /*at*/, Modifiers /*mods*/) {}
    virtual void rightDown(ScreenPoint /*at*/, Modifiers /*mods*/) {}
    /// False leaves the wheel to the controller, which zooms.
    virtual bool wheel(ScreenPoint /*at*/, Modifiers /*mods*/, int /*rotation*/) { return false; }
    /// False leaves the key to the controller: Escape then ends the tool (or clears the selection
    /// under the select tool); Delete, Space, Ctrl+C and Ctrl+V work under every tool.
    virtual bool key(CanvasKey /*key*/, Modifiers /*mods*/) { return false; }
    /// The flash timer the tool started ran out.
    virtual void timer() {}
    /// The view wants to pan (`spaceBar`: the space bar is held during a left drag; else the
    /// middle button or a pan the tool started). True lets the pan take the motion; a tool that
    /// allows it drops whatever gesture the pan replaces.
    virtual bool allowPan(bool /*spaceBar*/) { return true; }
    /// The tool is being replaced or ended without finishing (Escape, another tool starts).
    virtual void cancel() {}

    /// Whether a gesture of this tool is in progress (Delete, copy and paste wait for its end).
    virtual bool busy() const { return false; }
    /// True while the gesture moves or turns the selection and nothing else changes: the canvas
    /// then keeps its picture of the rest of the plan.
    virtual bool movesSelection() const { return false; }
    /// Appends what the tool draws over the document.
    virtual void overlays(CanvasOverlays& /*out*/) const {}
    virtual CanvasCursor cursor() const { return CanvasCursor::Arrow; }
    /// Status field 0 while the tool is active; empty shows the mouse coordinates.
    virtual std::string hint() const { return {}; }
};
