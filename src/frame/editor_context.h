#pragma once
// What the panels and the commands may use of the main window, without a window: the document's
// editor, the prompter, the plan view's gestures and the view centre. The main frame implements
// it; command tests implement it with fakes. Changes of the document reach everybody through the
// editor's observers, never through calls from the place that changed something.

#include <optional>
#include <string>

#include "app/prompter.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

class CanvasController;

class EditorContext {
public:
    virtual ~EditorContext() = default;

    /// The one door for changes to the document; observers hear every commit.
    virtual LayoutEditor& editor() = 0;
    /// The document, for reading.
    const Layout& layout() { return editor().layout(); }
    /// Message boxes and questions.
    virtual Prompter& prompter() = 0;
    /// The plan view's gestures and edit commands: placements, clipboard, rotation, zoom.
    virtual CanvasController& canvas() = 0;
    /// The layout point (mm) under the centre of the plan view.
    virtual Vec2 viewCentre() = 0;
    /// Status bar field 0 (prompts), 1 (piece count) or 2 (mouse position).
    virtual void showStatus(int field, const std::string& text) = 0;
    /// A Ctrl+click on empty canvas chose where the next label goes (layout mm).
    virtual void labelPointChosen(Vec2 point) = 0;
};

/// Width and height (mm) of a rectangle shape asked for by the Rectangle command.
struct RectangleSize {
    double width = 0.0;
    double height = 0.0;
};

/// The editor context of the command handlers: what only a window can do (file dialogs, help,
/// display switches) besides the editor.
class CommandContext : public EditorContext {
public:
    /// New Layout and Close Layout, after the unsaved-changes question.
    virtual void newLayout() = 0;
    /// The list of the user folder's layouts; the chosen one is read.
    virtual void openLayout() = 0;
    /// Save (saveAs false) or Save As; true when the layout was written.
    virtual bool saveLayout(bool saveAs) = 0;
    virtual void importLayout() = 0;
    virtual void exportLayout() = 0;
    /// Saves the selection as a library block of the palette's system.
    virtual void saveLibraryBlock() = 0;
    virtual void pageSetup() = 0;
    /// The print options, then the print job with the printer's dialog.
    virtual void print() = 0;
    /// The pages with the options last chosen, in a preview window.
    virtual void printPreview() = 0;
    /// The print options, then the pages as a PDF file.
    virtual void exportPdf() = 0;
    /// The plan as a PNG picture (of a width asked for) or an SVG drawing, in a chosen file.
    virtual void exportImage() = 0;
    /// The piece tally as a CSV file the user chooses.
    virtual void exportPartsList() = 0;
    /// The Layout Baseboard dialog; its free-form choice starts drawing on the canvas.
    virtual void editLayoutShape() = 0;
    /// The Manage Levels dialog.
    virtual void manageLevels() = 0;
    /// The Elevation Wizard's dialog; the chosen mode starts its steps on the canvas.
    virtual void startElevationWizard() = 0;
    /// The Bridge Wizard for the palette's system: its dialog, then the plan waits for a click
    /// on the canvas.
    virtual void startBridgeWizard() = 0;
    /// The Layout Wizard on the palette's track system.
    virtual void startLayoutWizard() = 0;
    /// The findings list of Check Layout: checked again and raised when open, else opened.
    virtual void checkLayout() = 0;
    /// The 3D window: raised when it is open, else opened on the layout.
    virtual void showView3D() = 0;
    /// Closes the program after the unsaved-changes question.
    virtual void exitProgram() = 0;
    /// Asks for the size of a rectangle shape; nothing when the user cancels.
    virtual std::optional<RectangleSize> askRectangleSize() = 0;
    /// A check command of the View menu or the labels tool was switched.
    virtual void setViewSwitch(int commandId, bool checked) = 0;
    /// The display unit (0 mm, 1 cm, 2 in), kept in the preferences.
    virtual void setUnits(int units) = 0;
    virtual void showHelp() = 0;
    virtual void showLayoutWizardHelp() = 0;
    /// The experience question.
    virtual void chooseExperience() = 0;
};
