#pragma once
// The gestures of the plan view without a window: the controller receives plain input events
// (screen pixels, modifier flags), hands them to the active tool (canvas_tool.h), and asks its
// host for what only a window can do. It keeps the view (panning, wheel zoom, the view commands),
// picking, the open edit and the edit commands; the gestures themselves live in the tools:
// select_tool.h (the default: selecting, moving, turning, cloning, the context menu) and
// placement_tool.h (a piece, scenery item or helix on the mouse). CanvasPanel feeds it toolkit
// events; the gesture tests feed it scripted ones.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas_host.h"
#include "canvas/canvas_picking.h"
#include "canvas/canvas_tool.h"
#include "canvas/canvas_view.h"
#include "canvas/placement_tool.h"
#include "canvas/select_tool.h"
#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/clipboard.h"
#include "edit/edit.h"
#include "edit/edit_guards.h"
#include "edit/layout_editor.h"

class CanvasController {
public:
    static constexpr int kFlashMs = 350;  ///< how long a right-angle snap of a rotation glows

    CanvasController(LayoutEditor& editor, CanvasHost& host);

    CanvasView& view() { return m_view; }
    const CanvasView& view() const { return m_view; }
    Layout& layout() { return m_layout; }
    const Layout& layout() const { return m_layout; }
    const TrackCatalog& catalog() const { return m_catalog; }
    LayoutEditor& editor() { return m_editor; }
    CanvasHost& host() { return m_host; }

    // Tools.
    /// Makes `tool` the active tool; the one active before is cancelled. Null returns to the
    /// select tool.
    void setTool(std::unique_ptr<CanvasTool> tool);
    /// The active tool is done (it placed what it was for): the select tool takes over without
    /// cancelling it. A tool may call this, or setTool, from inside its own event handler.
    void finishTool();
    /// The tool that receives events: the active one, else the select tool.
    CanvasTool& tool() { return m_tool ? *m_tool : static_cast<CanvasTool&>(m_select); }
    const CanvasTool& tool() const {
        return m_tool ? *m_tool : static_cast<const CanvasTool&>(m_select);
    }
    /// The active tool when it is a T, else nullptr.
    template <typename T>
    const T* toolAs() const {
        return dynamic_cast<const T*>(m_tool.get());
    }

    // Input, all points in screen pixels of the canvas.
    void leftDown(ScreenPoint at, Modifiers mods);
    /// `leftButton`: the left button is held during the motion.
    void motion(ScreenPoint at, Modifiers mods, bool leftButton);
    void leftUp(ScreenPoint at, Modifiers mods);
    void leftDoubleClick(ScreenPoint at, Modifiers mods);
    void rightDown(ScreenPoint at, Modifiers mods);
    void middleDown(ScreenPoint at);
    void middleUp(ScreenPoint at);
    /// `rotation`: wheel steps, positive away from the user.
    void wheel(ScreenPoint at, Modifiers mods, int rotation);
    /// True when the key was used.
    bool keyDown(CanvasKey key, Modifiers mods);
    void keyUp(CanvasKey key);
    /// The flash timer ran out.
    void timer();
    void mouseLeft();
    /// Last mouse point and whether the mouse is over the canvas.
    ScreenPoint mousePoint() const { return m_mouse; }
    bool mouseInside() const { return m_mouseInside; }

    // Picking at a screen point (canvas_picking.h); kNoId / -1 when nothing is hit.
    uint32_t pickPiece(ScreenPoint at) const {
        return ::pickPiece(m_layout, m_view, at, m_catalog);
    }
    /// The piece under the point, or the first existing stub of the helix ring under it.
    uint32_t pickPieceOrHelixStub(ScreenPoint at) const {
        return ::pickPieceOrHelixStub(m_layout, m_view, at, m_catalog);
    }
    uint32_t pickScenery(ScreenPoint at) const {
        return ::pickScenery(m_layout, m_view, at, SceneryCatalog::instance());
    }
    uint32_t pickLabel(ScreenPoint at) const { return ::pickLabel(m_layout, m_view, at); }
    uint32_t pickShape(ScreenPoint at) const { return ::pickShape(m_layout, m_view, at); }

    /// Ends the active tool without placing anything, releases the mouse, repaints.
    void cancelPlacement();
    /// One edit: a fresh id, the record appended. Returns the id.
    uint32_t addPiece(PlacedPiece record);

    // Edit commands.
    void undo();
    void redo();
    void copySelection() { ::copySelection(m_layout, m_clipboard); }
    void copyShape(uint32_t shapeId) { ::copyShape(m_layout, shapeId, m_clipboard); }
    /// Pastes the clipboard centred on the screen point.
    void pasteAt(ScreenPoint at);
    /// Keyboard paste: at the mouse when it is over the canvas, else at the canvas centre.
    void pasteAtMouseOrCentre();
    void deleteCommand();
    /// Turns the selection one step (+1 clockwise): a whole helix 30 degrees, else 15 degrees.
    void rotateSelectionStep(int direction) { turnSelectionStep(*this, direction); }
    const CanvasClipboard& clipboard() const { return m_clipboard; }

    // View commands.
    void zoomIn();
    void zoomOut();
    void zoomToFit(bool piecesOnly = false);
    void resetView(double zoom);
    /// Pans the plan so that the layout point (mm) lies at the window's centre; repaints.
    void centreOn(Vec2 point);

    /// What the paint draws after the document: the active tool's overlays.
    CanvasOverlays overlays() const;
    /// Whether a gesture (the active tool's, or a pan) is in progress.
    bool gestureActive() const;
    /// A gesture moves the selection (see CanvasTool::movesSelection).
    bool movingSelection() const { return tool().movesSelection(); }

    // Helpers for the tools.
    Vec2 toWorld(ScreenPoint p) const { return m_view.screenToWorld(p.x, p.y); }
    /// Commits an open edit and opens a new one for a gesture or command; returns the document
    /// to change (the undo step is taken).
    Layout& beginEdit();
    /// The open edit; one is opened when there is none.
    Edit& currentEdit();
    /// Commits the open edit: one notice to the observers.
    void modified();
    /// Tells the observers the selection changed.
    void notifySelection() { m_editor.selectionChanged(); }
    /// Pans the view with the left button from `at` on, once it moved 4 px (Ctrl on empty
    /// canvas); the release ends it.
    void startPan(ScreenPoint at);
    /// Whether a piece, scenery item or shape is selected.
    bool anyMoveSelection() const { return menuDeletableSelected(m_layout); }

private:
    void updateStatusCoordinates(ScreenPoint at);
    /// Held by every event handler: tools that ended themselves during the event are destroyed
    /// when the outermost handler returns, never while their own code runs.
    struct Dispatch {
        explicit Dispatch(CanvasController& c) : owner(c) { ++owner.m_depth; }
        ~Dispatch() {
            if (--owner.m_depth == 0) {
                owner.m_ended.clear();
            }
        }
        CanvasController& owner;
    };

    LayoutEditor& m_editor;
    Layout& m_layout;
    CanvasHost& m_host;
    std::optional<Edit> m_edit;
    const TrackCatalog& m_catalog;
    CanvasView m_view;
    SelectTool m_select{*this};
    std::unique_ptr<CanvasTool> m_tool;
    std::vector<std::unique_ptr<CanvasTool>> m_ended;  ///< ended tools, kept to the event's end
    int m_depth = 0;

    ScreenPoint m_mouse;
    bool m_mouseInside = false;
    PanDrag m_pan;             ///< armed by Ctrl+press, the space bar or the middle button
    bool m_middlePan = false;  ///< the pan belongs to the middle button
    bool m_spaceHeld = false;  ///< space bar down
    bool m_spacePan = false;   ///< a space-bar pan recorded its press point
    CanvasClipboard m_clipboard;
};
