// The Bridge Wizard end to end: the Layout menu command opens the dialog, its buttons and fields
// change the plan and the report, OK leaves the plan pending, and a real click lays the bridge.
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "canvas/ui/canvas_panel.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "wizards/bridge_place_tool.h"
#include "wizards/ui/bridge_wizard_dialog.h"

namespace {

class BridgeWizardWindowTest : public FilesTest {
protected:
    static void press(wxWindow* dialog, const char* label) {
        auto* button = dynamic_cast<wxButton*>(wxWindow::FindWindowByLabel(label, dialog));
        ASSERT_NE(button, nullptr) << label;
        click(button);
    }
};

}  // namespace

TEST_F(BridgeWizardWindowTest, TheDialogsPlanIsLaidWhereTheCanvasIsClicked) {
    m_frame->Show();
    CanvasPanel* canvas = m_frame->canvasPanel();
    ASSERT_TRUE(waitFor([canvas] { return canvas->IsShownOnScreen(); }));
    duringModal<BridgeWizardDialog>([](BridgeWizardDialog* dialog) {
        EXPECT_EQ(lines(dialog->spanList()).size(), 4u);
        select(dialog->spanList(), 1);
        press(dialog, "Move up (west)");
        press(dialog, "Remove selected");
        EXPECT_EQ(lines(dialog->spanList()),
                  (std::vector<std::string>{"1 (W->E)  74620 Truss Bridge 180mm",
                                            "2 (W->E)  74636 Arch Bridge 360mm",
                                            "3 (W->E)  74620 Truss Bridge 180mm"}));
        wxSpinDoubleEvent typed(wxEVT_SPINCTRLDOUBLE, dialog->clearanceField()->GetId(), 10.0);
        dialog->clearanceField()->SetValue(10.0);
        dialog->clearanceField()->ProcessWindowEvent(typed);
        const std::string report = dialog->reportText()->GetValue().utf8_string();
        EXPECT_NE(report.find("[synthesized, 5.0% grade]"), std::string::npos) << report;
        EXPECT_NE(report.find("  + 2 bridge joint(s) at 10.0 mm"), std::string::npos) << report;
        dialog->EndModal(wxID_OK);
    });
    command(CommandId::BridgeWizard);
    EXPECT_EQ(pendingModalHandlers(), 0u);
    ASSERT_NE(canvas->controller().toolAs<BridgePlaceTool>(), nullptr);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0).utf8_string(), kBridgePendingStatus);

    wxUIActionSimulator sim;
    sim.MouseMove(canvas->ClientToScreen(wxPoint(300, 200)));
    ASSERT_TRUE(waitFor([canvas] { return canvas->controller().mousePoint().x == 300; }));
    sim.MouseClick();
    // Four pieces a side for the 10 mm ramps, and the three spans.
    ASSERT_TRUE(waitFor([this] { return m_frame->editor().layout().pieces.size() == 11u; }));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0).utf8_string(), kBridgePlacedStatus);
    EXPECT_TRUE(m_frame->isModified());
    EXPECT_EQ(canvas->controller().toolAs<BridgePlaceTool>(), nullptr);
}
