// The Elevation Wizard end to end on the real canvas: the toolbar command opens the wizard, real
// mouse clicks pick the start and the end of the run, a wrong click is refused, Escape ends the
// steps, and a run to a typed height is laid with the fill chosen in Select Track.
#include <wx/radiobut.h>
#include <wx/statusbr.h>

#include "canvas/elevation_wizard_tool.h"
#include "canvas/ui/canvas_panel.h"
#include "document/snap_search.h"
#include "edit/edit.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "edit/elevation.h"
#include "tools/target_fill.h"
#include "tools/ui/elevation_dialogs.h"
#include "tools/ui/fill_choice_dialog.h"

namespace {

class WizardCanvasTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_frame->Show();
        m_canvas = m_frame->canvasPanel();
        ASSERT_TRUE(waitFor([this] { return m_canvas->IsShownOnScreen(); }));
        // Screen pixels equal layout millimetres.
        CanvasView& view = m_canvas->controller().view();
        view.zoom = 1.0;
        view.panX = view.panY = 0.0;
    }

    /// A straight along +x from (x, 100), joined to `after` (its connector 1) when given.
    uint32_t straight(double x, uint32_t after = kNoId) {
        PlacedPiece p;
        p.article = "24188";
        p.x = x;
        p.y = 100.0;
        Edit edit(m_frame->editor());
        const uint32_t id = edit.addPiece(p);
        if (after != kNoId) {
            edit.join(id, 0, after, 1, Edit::Heights::Keep);
        }
        return id;
    }

    /// The Elevation toolbar command with Set Target Height chosen in the wizard.
    void startTargetHeight() {
        duringModal<ElevationWizardDialog>([](ElevationWizardDialog* dialog) {
            dialog->targetHeightChoice()->SetValue(true);
            dialog->EndModal(wxID_OK);
        });
        command(CommandId::Elevation);
    }

    std::string status() const { return m_frame->GetStatusBar()->GetStatusText(0).utf8_string(); }
    bool wizardActive() const {
        return m_canvas->controller().toolAs<ElevationWizardTool>() != nullptr;
    }
    /// A real click at canvas pixel (x, y), then waits for `done`.
    bool clickAt(int x, int y, const std::function<bool()>& done) {
        m_sim.MouseMove(m_canvas->ClientToScreen(wxPoint(x, y)));
        if (!waitFor([&] {
                const ScreenPoint m = m_canvas->controller().mousePoint();
                return m.x == x && m.y == y;
            })) {
            return false;
        }
        m_sim.MouseClick();
        return waitFor(done);
    }
    bool statusBecomes(int x, int y, const std::string& text) {
        return clickAt(x, y, [&] { return status() == text; });
    }

    CanvasPanel* m_canvas = nullptr;
    wxUIActionSimulator m_sim;
};

}  // namespace

TEST_F(WizardCanvasTest, ClicksRefuseAJoinedEndAndEscapeEndsTheSteps) {
    const uint32_t a = straight(500.0);  // connector 0 at (500, 100) faces -x
    straight(688.3, a);
    startTargetHeight();
    ASSERT_TRUE(wizardActive());
    EXPECT_EQ(status(), kWizardStartStatus);

    ASSERT_TRUE(statusBecomes(300, 400, kWizardNoPieceStatus));
    ASSERT_TRUE(clickAt(680, 100, [&] { return !m_prompts->records().empty(); }));
    EXPECT_EQ(lastPrompt().title, kWizardTitle);
    EXPECT_EQ(lastPrompt().text, kWizardEndConnectedText);
    ASSERT_TRUE(statusBecomes(510, 100, kWizardEndPointStatus));
    EXPECT_TRUE(m_frame->editor().layout().FindPiece(a)->selected);

    m_canvas->SetFocus();
    ASSERT_TRUE(waitFor([this] { return wxWindow::FindFocus() == m_canvas; }));
    m_sim.Char(WXK_ESCAPE);
    ASSERT_TRUE(waitFor([this] { return !wizardActive(); }));
    EXPECT_EQ(status(), kWizardCancelledStatus);
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 2u);
}

TEST_F(WizardCanvasTest, ARunToATypedHeightIsLaidFromTheClickedEnd) {
    const uint32_t a = straight(500.0);
    straight(688.3, a);
    startTargetHeight();
    ASSERT_TRUE(statusBecomes(510, 100, kWizardEndPointStatus));
    ASSERT_TRUE(statusBecomes(495, 100, kWizardFurtherStatus));

    m_prompts->queueText("20");
    duringModal<FillChoiceDialog>([this](FillChoiceDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), kSelectTrackTitle);
        click(static_cast<wxButton*>(dialog->FindWindow(wxID_OK)));
    });
    const Layout& layout = m_frame->editor().layout();
    ASSERT_TRUE(clickAt(123, 100, [&] { return layout.pieces.size() > 2; }));  // 377 mm ahead
    EXPECT_FALSE(wizardActive());
    EXPECT_EQ(status().rfind("Elevated ", 0), 0u) << status();
    const PlacedPiece& last = layout.pieces.back();
    const WorldConnector end =
        connectorToWorld(last, *TrackCatalog::instance().byArticle(last.article), 1);
    EXPECT_NEAR(end.x, 500.0 - 377.0, 1.5);
    EXPECT_NEAR(heightAt(last, *TrackCatalog::instance().byArticle(last.article), 1), 20.0, 0.15);
}
