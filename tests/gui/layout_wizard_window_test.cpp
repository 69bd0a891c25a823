// The Layout Wizard from its menu command: the dialog shows the table and the palette's system,
// and Generate lays the chosen station on the table as one undo step.

#include <wx/choice.h>

#include "dialogs/baseboard_shape.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "wizards/ui/layout_wizard_dialog.h"

TEST_F(FilesTest, LayoutWizardCommandGeneratesTheChoicesOfItsDialog) {
    m_frame->editor().layout().baseboard.vertices =
        parametricBaseboard(BaseboardShape::Rectangle, 3600, 2000, 0, 0);
    duringModal<LayoutWizardDialog>([](LayoutWizardDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Layout Wizard (Experimental)");
        EXPECT_EQ(dialog->mainlineChoice()->GetString(1), "Double-track loop");
        dialog->stationChoice()->SetSelection(1);
        dialog->EndModal(wxID_OK);
    });
    command(CommandId::LayoutWizard);
    const Layout& layout = m_frame->editor().layout();
    EXPECT_TRUE(m_prompts->records().empty()) << lastPrompt().text;
    EXPECT_EQ(std::count_if(layout.pieces.begin(), layout.pieces.end(),
                            [](const PlacedPiece& p) { return p.article == "24612"; }),
              1);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    duringModal<LayoutWizardDialog>(
        [](LayoutWizardDialog* dialog) { dialog->EndModal(wxID_CANCEL); });
    command(CommandId::LayoutWizard);
    EXPECT_EQ(layout.undoStack.size(), 1u) << "Cancel generates nothing";
}
