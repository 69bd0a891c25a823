#pragma once
// What the canvas gestures need from a window: repainting, mouse capture, cursors, the status
// bar, the one-shot flash timer, a context menu and message boxes. Changes of the document and
// of the selection reach the frame through the layout editor's observers, not through the host.
// CanvasPanel implements it with the toolkit; the gesture tests implement it with a recorder.

#include <string>
#include <vector>

#include "canvas/canvas_view.h"

class Prompter;
struct WizardAction;

/// Cursor shapes the canvas asks for.
enum class CanvasCursor { Arrow, Hand, Cross, Pencil, SizeNWSE, SizeNESW, SizeNS, SizeWE };

/// Commands a canvas context menu can offer, in the order they are listed.
enum class ContextCommand { AutofillGap, EndGrade, Copy, Flip, CopyShape, Paste };

/// One context-menu entry: the command and its text ("Copy", "Paste", ...).
struct ContextMenuEntry {
    ContextCommand command = ContextCommand::Copy;
    std::string text;
    bool enabled = true;
};

class CanvasHost {
public:
    virtual ~CanvasHost() = default;

    /// Invalidates the whole canvas; it is painted again from the model.
    virtual void repaint() = 0;
    /// Keeps mouse events coming to the canvas while a gesture lasts (nested calls are allowed;
    /// releaseMouse undoes every capture).
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual void setCursor(CanvasCursor cursor) = 0;
    /// Status bar field 0 (coordinates, tool hints), 1 (piece count) or 2 (mouse position).
    virtual void setStatusText(int field, const std::string& text) = 0;
    /// Calls CanvasController::timer() once after `ms` milliseconds.
    virtual void startFlashTimer(int ms) = 0;
    /// Shows a pop-up menu at `at` and waits for the choice; returns the index of the chosen
    /// entry, or -1 when the menu was dismissed.
    virtual int showContextMenu(ScreenPoint at, const std::vector<ContextMenuEntry>& entries) = 0;
    /// Message boxes and questions.
    virtual Prompter& prompter() = 0;
    /// The canvas takes the keyboard focus.
    virtual void takeFocus() = 0;
    /// Client area in pixels.
    virtual ScreenPoint clientSize() const = 0;
    /// A Ctrl+click on empty canvas names the layout point (mm) where the next label goes.
    virtual void setLabelDropPoint(Vec2 /*point*/) {}
    /// The Shape Properties dialog of a shape, and the Resize Scenery dialog of a scenery item
    /// (double-clicks); both change the document through its editor.
    virtual void editShapeProperties(uint32_t /*shapeId*/) {}
    virtual void editSceneryScale(uint32_t /*itemId*/) {}
    /// Autofill Gap on the selection, with the dialog that chooses the fill; true when track was
    /// placed.
    virtual bool autofillGap() = 0;
    /// Carries out an Elevation Wizard step that needs a window: a refusal message, Set Grade for
    /// the accepted start, or the target-height question and its fill. Returns the status text
    /// for field 0, "" to leave it as it is.
    virtual std::string runWizardStep(const WizardAction& action) = 0;
};
