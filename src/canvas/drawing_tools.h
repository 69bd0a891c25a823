#pragma once
// The tools that draw on the plan: the measuring tape (two clicks), and an outline clicked vertex
// by vertex for a free shape (the Polygon tool) or for the baseboard (free-form baseboard). Each
// ends after its placement; Escape ends it without one.

#include "canvas/canvas_tool.h"
#include "canvas/outline_drawing.h"

class CanvasController;

/// The measuring tape: the first click fixes the start, the second keeps the distance as a
/// measurement (when the ends lie at least 1 mm apart) and ends the tool either way.
class TapeTool final : public CanvasTool {
public:
    explicit TapeTool(CanvasController& owner) : m_owner(owner) {}

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    bool busy() const override { return m_tape.started(); }
    void overlays(CanvasOverlays& out) const override;
    CanvasCursor cursor() const override { return CanvasCursor::Pencil; }

private:
    CanvasController& m_owner;
    TapeMeasure m_tape;
};

/// What a closed outline becomes.
enum class OutlineTarget { Shape, Baseboard };

/// Status field 0 while a polygon shape is drawn.
inline constexpr const char* kPolygonDrawingHint =
    "Click vertices to outline the shape. Click first vertex (or press Enter) to close. "
    "Backspace removes last vertex; Escape cancels.";

/// An outline clicked vertex by vertex; a click near the first vertex, Enter or keypad Enter
/// closes it once it has three, Backspace takes the last vertex back. Closing adds a free shape
/// on the highest visible level (one undo step) or replaces the baseboard outline.
class OutlineTool final : public CanvasTool {
public:
    OutlineTool(CanvasController& owner, OutlineTarget target) : m_owner(owner), m_target(target) {}

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    bool key(CanvasKey key, Modifiers mods) override;
    bool allowPan(bool spaceBar) override { return spaceBar; }
    bool busy() const override { return m_outline.drawing(); }
    void overlays(CanvasOverlays& out) const override;
    CanvasCursor cursor() const override { return CanvasCursor::Cross; }
    std::string hint() const override;

    OutlineTarget target() const { return m_target; }
    const OutlineDrawing& outline() const { return m_outline; }

private:
    void close();

    CanvasController& m_owner;
    OutlineTarget m_target;
    OutlineDrawing m_outline;
};
