#pragma once
// The plan view in the middle of the main window. It turns toolkit events into calls on the
// CanvasController, implements the controller's host through the editor context, and
// paints the document and the overlays of the gesture in progress, double-buffered.

#include <memory>
#include <string>

#include <wx/panel.h>
#include <wx/timer.h>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_host.h"
#include "canvas/ui/plan_cache.h"
#include "canvas/ui/wx_double_click.h"
#include "tools/elevation_wizard.h"
#include "tools/layout_check.h"

class EditorContext;
class LayoutRenderer;

class CanvasPanel : public wxPanel, private CanvasHost, private EditObserver {
public:
    /// A child of `parent` that reaches the document through `context`.
    CanvasPanel(wxWindow* parent, EditorContext& context);
    ~CanvasPanel() override;

    /// Repaints the plan.
    void RefreshCanvas();
    /// Menu zoom about the window centre: 1.25 in, 0.8 out.
    void ZoomIn();
    void ZoomOut();
    /// Fits the whole layout into the window.
    void ZoomToFit();
    /// Zoom `zoom` with the layout origin at (60, 60) pixels.
    void ResetView(double zoom);

    // For the palette.
    /// Starts dragging a catalog piece; it follows the mouse and drops on the next left click.
    void startPaletteDrag(const std::string& article);
    /// Adds the article at the open end of the selected piece with the greatest id, or starts a
    /// palette drag when nothing is selected.
    void autoConnect(const std::string& article, bool flipped = false);
    /// Ends a palette drag or placement without placing anything.
    void cancelPlacement();
    /// Starts a helix of the variant following the mouse; a left click places it.
    void startHelixPlacement(const std::string& variant);
    /// Starts a scenery item following the mouse; a left click places it.
    void startSceneryPlacement(const std::string& key);
    /// Places a helix of the variant centred on `centre` (layout mm), heading 0.
    void placeHelix(Vec2 centre, const std::string& variant);
    /// Starts the Elevation Wizard's canvas steps for a mode the wizard dialog returned.
    void startElevationWizard(WizardMode mode);

    // Edit commands of the frame.
    void Undo();
    void Redo();
    /// Delete with the lock guard and the graded-track question.
    void DeleteSelection();

    /// Marks every finding of `result` on the plan until called with nullptr; `selected` (an index
    /// into its findings, or -1) is drawn stronger. The result must outlive the marks.
    void markFindings(const CheckResult* result, int selected);
    const CheckResult* markedFindings() const { return m_findings; }

    CanvasController& controller() { return *m_controller; }
    /// Layout point (mm) of the last Ctrl+click on empty canvas: where the next label goes.
    Vec2 labelDropPoint() const { return m_labelDropPoint; }
    /// The canvas has been painted at least once (it is on screen).
    bool painted() const { return m_painted; }
    const CanvasView& view() const { return m_controller->view(); }

private:
    // CanvasHost
    void repaint() override;
    void captureMouse() override;
    void releaseMouse() override;
    void setCursor(CanvasCursor cursor) override;
    void setStatusText(int field, const std::string& text) override;
    void startFlashTimer(int ms) override;
    int showContextMenu(ScreenPoint at, const std::vector<ContextMenuEntry>& entries) override;
    Prompter& prompter() override;
    void takeFocus() override;
    ScreenPoint clientSize() const override;
    void setLabelDropPoint(Vec2 point) override;
    void editShapeProperties(uint32_t shapeId) override;
    void editSceneryScale(uint32_t itemId) override;
    bool autofillGap() override;
    std::string runWizardStep(const WizardAction& action) override;
    // EditObserver: every commit and selection change repaints the plan.
    void layoutEdited(const EditNotice& notice) override;
    void selectionChanged() override;

    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    EditorContext& m_context;
    std::unique_ptr<CanvasController> m_controller;
    DoubleClickRecovery m_clicks{desktopDoubleClickRecovery(this)};
    std::unique_ptr<LayoutRenderer> m_renderer;
    PlanCache m_plan;
    bool m_painted = false;
    wxTimer m_flashTimer;
    std::string m_status0;  ///< what field 0 shows now (the paint may replace a banner)
    Vec2 m_labelDropPoint;
    const CheckResult* m_findings = nullptr;  ///< marked on the plan while the list is open
    int m_selectedFinding = -1;
};
