// The track tools' dialogs in real modal loops: Autofill Gap places the line double-clicked,
// Set Grade's degree label follows the typed percentage, the wizard returns the chosen mode, and
// its steps refuse through the prompter, open Set Grade on the piece selected alone, and place the
// fill chosen in Select Track at the typed height.

#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include "document/snap_search.h"
#include "edit/edit.h"
#include "files_test_fixture.h"
#include "edit/elevation.h"
#include "tools/ui/elevation_dialogs.h"
#include "tools/ui/fill_choice_dialog.h"

namespace {

class TrackToolsDialogTest : public FilesTest {
protected:
    /// A selected straight along +x whose connector 0 lies at x.
    uint32_t straight(double x) {
        PlacedPiece p;
        p.article = "24188";
        p.x = x;
        p.selected = true;
        Edit edit(m_frame->editor());
        return edit.addPiece(p);
    }

    Layout& layout() { return m_frame->editor().layout(); }
};

}  // namespace

TEST_F(TrackToolsDialogTest, AutofillGapPlacesTheDoubleClickedLine) {
    const uint32_t a = straight(0.0);
    const uint32_t b = straight(188.3 + 376.6);
    std::string placedLine;
    duringModal<FillChoiceDialog>([&](FillChoiceDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Autofill Gap");
        EXPECT_EQ(dialog->GetSize(), wxSize(380, 320));
        const std::vector<std::string> shown = lines(dialog->list());
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[0], "24188 + 24188  (376.6 mm)");
        EXPECT_EQ(dialog->list()->GetSelection(), 0);
        placedLine = shown[1];
        doubleClick(dialog->list(), 1);
        EXPECT_FALSE(dialog->IsModal()) << "a double click places the line";
    });
    EXPECT_TRUE(runAutofillCommand(m_frame, m_frame->editor(), *m_prompts));
    const size_t pieces = 1 + std::count(placedLine.begin(), placedLine.end(), '+');
    ASSERT_EQ(layout().pieces.size(), 2 + pieces);
    EXPECT_EQ(layout().FindPiece(a)->jointAt(1).target,
              static_cast<int32_t>(layout().pieces[2].id));
    EXPECT_EQ(layout().FindPiece(b)->jointAt(0).target,
              static_cast<int32_t>(layout().pieces.back().id));

    // Cancel places nothing.
    layout().EditPiece(a)->selected = layout().EditPiece(b)->selected = false;
    const size_t before = layout().pieces.size();
    EXPECT_FALSE(runAutofillCommand(m_frame, m_frame->editor(), *m_prompts)) << "no selection";
    EXPECT_EQ(layout().pieces.size(), before);
}

TEST_F(TrackToolsDialogTest, SetGradeShowsTheTypedGradeInDegreesAndStartsTheRun) {
    m_frame->Show();
    ASSERT_TRUE(waitFor([this] { return m_frame->IsShownOnScreen(); }));
    const uint32_t piece = straight(0.0);
    duringModal<SetGradeDialog>([](SetGradeDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Elevation Wizard - Set Grade");
        EXPECT_EQ(dialog->degreeLabel()->GetLabel(), "= 2.01 deg");
        wxSpinCtrlDouble* field = dialog->percentField();
        field->SetFocus();
        ASSERT_TRUE(waitFor([field] { return wxWindow::FindFocus() == field; }, 2000));
        field->SetSelection(-1, -1);
        wxUIActionSimulator().Text("10");
        ASSERT_TRUE(
            waitFor([dialog] { return dialog->degreeLabel()->GetLabel() == "= 5.74 deg"; }, 2000))
            << dialog->degreeLabel()->GetLabel();
        dialog->downChoice()->SetValue(true);
        click(static_cast<wxButton*>(dialog->FindWindow(wxID_OK)));
    });
    EXPECT_EQ(runSetGradeDialog(m_frame, m_frame->editor(), piece, 1),
              "Elevation: DOWN 5.7 deg - new pieces will inherit the grade");
    EXPECT_NEAR(layout().FindPiece(piece)->grade, -5.7392, 1e-4);
    ASSERT_EQ(layout().gradeRuns.size(), 1u);

    expectModal([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
    EXPECT_EQ(runSetGradeDialog(m_frame, m_frame->editor(), piece, 1), "");
}

TEST_F(TrackToolsDialogTest, WizardReturnsTheChosenModeAndItsStepsRunTheirDialogs) {
    expectModal([](wxDialog* dialog) {
        auto* wizard = dynamic_cast<ElevationWizardDialog*>(dialog);
        EXPECT_TRUE(wizard != nullptr && wizard->setGradeChoice()->GetValue());
        EXPECT_EQ(dialog->GetTitle(), "Elevation Wizard");
        if (wizard != nullptr) {
            wizard->targetHeightChoice()->SetValue(true);
        }
        return static_cast<int>(wxID_OK);
    });
    EXPECT_EQ(runElevationWizardDialog(m_frame), WizardMode::TargetHeight);
    expectModal([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
    EXPECT_EQ(runElevationWizardDialog(m_frame), WizardMode::None);

    const uint32_t start = straight(0.0);
    const uint32_t other = straight(500.0);
    WizardAction action;
    action.kind = WizardAction::Kind::Message;
    action.text = kWizardEndConnectedText;
    EXPECT_EQ(runWizardAction(m_frame, m_frame->editor(), *m_prompts, action), "");
    EXPECT_EQ(lastPrompt().title, "Elevation Wizard");
    EXPECT_EQ(lastPrompt().text, kWizardEndConnectedText);

    action.kind = WizardAction::Kind::SetGrade;
    action.start = {start, 1,
                    connectorToWorld(*layout().FindPiece(start),
                                     *TrackCatalog::instance().byArticle("24188"), 1)};
    expectModal([](wxDialog* dialog) {
        EXPECT_NE(dynamic_cast<SetGradeDialog*>(dialog), nullptr);
        return static_cast<int>(wxID_CANCEL);
    });
    EXPECT_EQ(runWizardAction(m_frame, m_frame->editor(), *m_prompts, action), "");
    EXPECT_TRUE(layout().FindPiece(start)->selected);
    EXPECT_FALSE(layout().FindPiece(other)->selected) << "the start piece is selected alone";
    EXPECT_TRUE(layout().gradeRuns.empty());

    action.kind = WizardAction::Kind::TargetHeight;
    action.distance = 600.0;
    m_prompts->queueText("60");
    size_t offered = 0;
    duringModal<FillChoiceDialog>([&offered](FillChoiceDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Elevation Wizard - Select Track");
        offered = dialog->list()->GetCount();
        click(static_cast<wxButton*>(dialog->FindWindow(wxID_OK)));
    });
    const std::string status = runWizardAction(m_frame, m_frame->editor(), *m_prompts, action);
    ASSERT_GT(offered, 0u);
    EXPECT_EQ(status.rfind("Elevated ", 0), 0u) << status;
    const PlacedPiece& last = layout().pieces.back();
    EXPECT_NEAR(heightAt(last, *TrackCatalog::instance().byArticle(last.article), 1), 60.0, 0.15);
}
