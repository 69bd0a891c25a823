// End to end on the real canvas: a palette drag started through the panel, real mouse moves and
// clicks, and a second piece that snaps onto the first.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "canvas/ui/canvas_panel.h"
#include "frame/ui/main_frame.h"
#include "gui_support.h"

namespace {

TEST(CanvasDrag, PaletteDragFollowsTheMouseDropsAndSnapsTheSecondPiece) {
    writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
    auto* frame = new MainFrame();
    frame->setPrompter(std::make_unique<ScriptedPrompter>());
    frame->Show();
    CanvasPanel* canvas = frame->canvasPanel();
    ASSERT_TRUE(waitFor([&] { return canvas->IsShownOnScreen() && canvas->GetSize().x > 400; }));
    Layout& layout = frame->editor().layout();
    wxUIActionSimulator sim;
    // zoom 0.4, origin at (60, 60): layout (x, y) lies at screen (60 + 0.4 x, 60 + 0.4 y).
    auto moveTo = [&](int x, int y) {
        sim.MouseMove(canvas->ClientToScreen(wxPoint(x, y)));
        return waitFor([&] {
            const ScreenPoint m = canvas->controller().mousePoint();
            return m.x == x && m.y == y;
        });
    };
    auto clickAt = [&](size_t pieces) {
        sim.MouseClick();
        return waitFor([&] { return layout.pieces.size() == pieces; });
    };

    canvas->startPaletteDrag("24188");
    ASSERT_TRUE(paletteDrag(canvas->controller()).active);
    ASSERT_TRUE(moveTo(120, 140));
    ASSERT_TRUE(clickAt(1));
    EXPECT_NEAR(layout.pieces[0].x, 150.0, 1e-6);
    EXPECT_NEAR(layout.pieces[0].y, 200.0, 1e-6);
    ASSERT_TRUE(waitFor([&] { return !canvas->HasCapture(); }));

    // The second piece is let go 5 px (12.5 mm) beyond the first piece's open end.
    canvas->startPaletteDrag("24188");
    const int endX = 60 + static_cast<int>(0.4 * (150.0 + 188.3)) + 5;
    ASSERT_TRUE(moveTo(endX, 142));
    ASSERT_TRUE(waitFor([&] { return paletteDrag(canvas->controller()).snap.snapped; }));
    ASSERT_TRUE(clickAt(2));
    const PlacedPiece& a = layout.pieces[0];
    const PlacedPiece& b = layout.pieces[1];
    EXPECT_NEAR(b.x, 150.0 + 188.3, 1e-6);
    EXPECT_NEAR(b.y, 200.0, 1e-6);
    EXPECT_EQ(a.jointAt(1).target, static_cast<int32_t>(b.id));
    EXPECT_EQ(b.jointAt(0).target, static_cast<int32_t>(a.id));
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_TRUE(frame->isModified());

    frame->Destroy();
    waitFor([] { return wxTopLevelWindows.empty(); });
}

}  // namespace
