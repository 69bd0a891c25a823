// A mode written as a tool from outside the controller: it gets every event while active, draws
// its own overlay, names the status hint, edits through the controller's edit, and ends itself
// or is ended by Escape or by the next tool.
#include "gesture_fixture.h"

namespace {

/// A two-click measuring tape: the first click anchors it, the second adds the measurement.
class TapeTool final : public CanvasTool {
public:
    TapeTool(CanvasController& ctrl, int& cancels) : m_ctrl(ctrl), m_cancels(cancels) {}

    void leftDown(ScreenPoint at, Modifiers) override {
        const Vec2 w = m_ctrl.toWorld(at);
        if (!m_anchored) {
            m_anchored = true;
            m_from = w;
            return;
        }
        Measurement m;
        m.x1 = m_from.x, m.y1 = m_from.y, m.x2 = w.x, m.y2 = w.y;
        m_ctrl.beginEdit();
        m_ctrl.currentEdit().addMeasurement(m);
        m_ctrl.modified();
        m_ctrl.finishTool();  // ends itself inside its own handler
    }
    void motion(ScreenPoint at, Modifiers, bool) override { m_mouse = m_ctrl.toWorld(at); }
    void cancel() override { ++m_cancels; }
    bool busy() const override { return m_anchored; }
    void overlays(CanvasOverlays& out) const override {
        out.push_back(OverlaySnapMarker{m_anchored ? m_from : m_mouse});
    }
    std::string hint() const override { return "Click the tape's end"; }

private:
    CanvasController& m_ctrl;
    int& m_cancels;
    bool m_anchored = false;
    Vec2 m_from, m_mouse;
};

using CanvasTools = GestureFixture;

TEST_F(CanvasTools, AnActiveToolTakesTheEventsOverlayAndHintUntilItEndsOrIsReplaced) {
    const uint32_t piece = put("24188", 100, 100).id;
    int cancels = 0;
    ctrl.setTool(std::make_unique<TapeTool>(ctrl, cancels));
    EXPECT_EQ(host.status[0], "Click the tape's end");
    ctrl.motion(px(150, 100), kNone, false);
    EXPECT_EQ(host.status[0], "Click the tape's end");
    const CanvasOverlays overlays = ctrl.overlays();
    ASSERT_NE(findOverlay<OverlaySnapMarker>(overlays), nullptr);
    EXPECT_EQ(findOverlay<OverlaySnapMarker>(overlays)->at.x, 150.0);
    ctrl.wheel(px(150, 100), kNone, 1);
    EXPECT_GT(ctrl.view().zoom, 1.0) << "a wheel the tool leaves alone zooms";
    unitView(ctrl);

    click(px(150, 100));  // on the piece: the tape anchors, the select tool sees nothing
    EXPECT_FALSE(layout.FindPiece(piece)->selected);
    EXPECT_TRUE(ctrl.gestureActive());
    click(px(450, 500));
    ASSERT_EQ(layout.measurements.size(), 1u);
    EXPECT_EQ(layout.measurements[0].x1, 150.0);
    EXPECT_EQ(layout.measurements[0].y2, 500.0);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(host.modifiedCalls, 1);
    EXPECT_TRUE(ctrl.overlays().empty()) << "the tool ended itself";
    click(px(250, 100));  // on the piece, away from the new measurement, which a click would grab
    EXPECT_TRUE(layout.FindPiece(piece)->selected) << "the select tool is back";

    ctrl.setTool(std::make_unique<TapeTool>(ctrl, cancels));
    EXPECT_TRUE(ctrl.keyDown(CanvasKey::Escape, kNone));
    EXPECT_EQ(cancels, 1) << "finishing is no cancel; Escape is";
    EXPECT_TRUE(layout.FindPiece(piece)->selected) << "Escape ended the tool, not the selection";
    ctrl.setTool(std::make_unique<TapeTool>(ctrl, cancels));
    startPaletteDrag(ctrl, "24188");
    EXPECT_EQ(cancels, 2) << "the next tool cancels the one before";
    EXPECT_TRUE(paletteDrag(ctrl).active);
}

}  // namespace
