// The measuring tape and the Polygon tool on the real canvas: the toolbar button starts the tool,
// real mouse clicks lay the tape and the outline, and the button comes up again when the tool ends.
#include <gtest/gtest.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "app/scripted_prompter.h"
#include "canvas/ui/canvas_panel.h"
#include "frame/command_ids.h"
#include "frame/ui/main_frame.h"
#include "gui_support.h"

TEST(DrawingToolsWindow, TheTapeAndAPolygonAreLaidWithRealClicksAndTheirButtonsComeUp) {
    writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
    auto* frame = new MainFrame();
    frame->setPrompter(std::make_unique<ScriptedPrompter>());
    frame->Show();
    CanvasPanel* canvas = frame->canvasPanel();
    ASSERT_TRUE(waitFor([&] { return canvas->IsShownOnScreen() && canvas->GetSize().x > 400; }));
    const Layout& layout = frame->editor().layout();
    wxToolBar* toolbar = frame->GetToolBar();
    wxUIActionSimulator sim;
    const auto clickAt = [&](int x, int y) {
        sim.MouseMove(canvas->ClientToScreen(wxPoint(x, y)));
        if (!waitFor([&] {
                const ScreenPoint m = canvas->controller().mousePoint();
                return m.x == x && m.y == y;
            })) {
            return false;
        }
        sim.MouseClick();
        return true;
    };
    const auto press = [&](int id) {
        toolbar->ToggleTool(id, true);
        wxCommandEvent event(wxEVT_TOOL, id);
        event.SetInt(1);
        event.SetEventObject(toolbar);
        frame->ProcessWindowEvent(event);
    };

    // zoom 0.4, origin at (60, 60): 100 px on screen are 250 mm.
    press(CommandId::Measure);
    ASSERT_TRUE(clickAt(160, 160));
    ASSERT_TRUE(clickAt(260, 160));
    ASSERT_TRUE(waitFor([&] { return layout.measurements.size() == 1; }));
    EXPECT_NEAR(layout.measurements[0].x2 - layout.measurements[0].x1, 250.0, 1e-6);
    frame->UpdateCommandStates();
    EXPECT_FALSE(toolbar->GetToolState(CommandId::Measure)) << "the button comes up";

    press(CommandId::Polygon);
    ASSERT_TRUE(clickAt(300, 300));
    ASSERT_TRUE(clickAt(400, 300));
    ASSERT_TRUE(clickAt(400, 380));
    frame->UpdateCommandStates();
    EXPECT_TRUE(toolbar->GetToolState(CommandId::Polygon)) << "down while drawing";
    ASSERT_TRUE(clickAt(304, 303));  // within 10 px of the first vertex: closes
    ASSERT_TRUE(waitFor([&] { return layout.shapes.size() == 1; }));
    EXPECT_EQ(layout.shapes[0].vertices.size(), 3u);
    frame->UpdateCommandStates();
    EXPECT_FALSE(toolbar->GetToolState(CommandId::Polygon));

    frame->Destroy();
    waitFor([] { return wxTopLevelWindows.empty(); });
}
