// The Layout Baseboard, Manage Levels and Level Properties dialogs shown for real: typed nonsense
// is refused with a message while the dialog stays open, and what is accepted reaches the
// document through the editor.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "app/scripted_prompter.h"
#include "dialogs/ui/layout_shape_dialog.h"
#include "dialogs/ui/level_manager_dialog.h"
#include "gui_support.h"

namespace {

// Runs `act` inside the modal loop of the next dialog; a dialog it leaves open is cancelled.
template <class Dialog>
void duringModal(std::function<void(Dialog*)> act) {
    expectModal([act](wxDialog* dialog) {
        dialog->CallAfter([act, dialog] {
            act(dynamic_cast<Dialog*>(dialog));
            if (dialog->IsModal()) {
                dialog->EndModal(wxID_CANCEL);
            }
        });
        return static_cast<int>(wxID_NONE);
    });
}

struct SetupDialogs : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};
    ScriptedPrompter prompts;
    void SetUp() override {
        clearModalHandlers();
        layout.EnsureDefaultLevel();
    }
    void TearDown() override {
        EXPECT_FALSE(prompts.answersLeft());
        EXPECT_EQ(pendingModalHandlers(), 0u);
    }
    std::string lastMessage() const {
        return prompts.records().empty() ? "" : prompts.records().back().text;
    }
};

}  // namespace

TEST_F(SetupDialogs, BaseboardRefusesLettersAndTwoVerticesThenAppliesAUShape) {
    LayoutShapeDialog dialog(nullptr, layout.baseboard, Units::Millimetres, prompts);
    duringModal<LayoutShapeDialog>([this](LayoutShapeDialog* d) {
        EXPECT_EQ(d->shapeChoice()->GetStringSelection(), "Rectangle");
        d->shapeChoice()->SetSelection(4);
        d->ShowShape(BaseboardShape::CustomPolygon);
        d->vertexField()->SetValue("0,0\n100,0\n");
        d->Apply();
        EXPECT_EQ(lastMessage(),
                  "A baseboard needs at least three vertices. Leave the list empty to remove it.");
        ASSERT_TRUE(d->IsModal());

        d->shapeChoice()->SetSelection(2);
        d->ShowShape(BaseboardShape::UShape);
        ASSERT_EQ(d->dimensionFields().size(), 4u);
        EXPECT_EQ(d->dimensionFields()[0]->GetValue(), 3600);
        d->dimensionFields()[1]->SetValue("abc");
        d->Apply();
        EXPECT_EQ(prompts.records().back().title, "Layout Shape");
        EXPECT_EQ(lastMessage(), "Please enter valid dimensions.");
        ASSERT_TRUE(d->IsModal());
        d->dimensionFields()[1]->SetValue("2400");
        d->Apply();
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.result().board.lastShape, 2);
    EXPECT_EQ(dialog.result().board.vertices.size(), 8u);
}

TEST_F(SetupDialogs, LevelsAreAddedRemovedWithTheirContentsAndTheLastOneStays) {
    LevelManagerDialog dialog(nullptr, editor, Units::Centimetres, prompts);
    duringModal<LevelManagerDialog>([this](LevelManagerDialog* d) {
        EXPECT_FALSE(d->removeButton()->IsEnabled());
        prompts.queueText(std::string("Upper deck"));
        d->AddLevel();
        EXPECT_EQ(prompts.records().back().defaultValue, "Level 2");
        ASSERT_EQ(d->list()->GetItemCount(), 2);
        EXPECT_EQ(d->list()->GetItemText(1, 0), "Upper deck");
        EXPECT_EQ(d->list()->GetItemText(1, 1), "0.0 cm");
        EXPECT_EQ(layout.activeLevel, 2);
        EXPECT_TRUE(d->removeButton()->IsEnabled());

        d->list()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        prompts.queueAnswer(kIdNo);
        d->RemoveSelectedLevel();
        EXPECT_EQ(prompts.records().back().yesLabel, "Delete Level && Contents");
        EXPECT_EQ(layout.levels.size(), 2u) << "Cancel keeps the level";
        d->list()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        prompts.queueAnswer(kIdYes);
        d->RemoveSelectedLevel();
        EXPECT_EQ(layout.levels.size(), 1u);
        EXPECT_EQ(d->list()->GetItemCount(), 1);
        d->RemoveSelectedLevel();
        EXPECT_EQ(lastMessage(), "A layout must have at least one level.");
    });
    dialog.ShowModal();
}

TEST_F(SetupDialogs, LevelPropertiesRefuseLettersForAHeightAndStoreATypedOne) {
    LevelPropertiesDialog dialog(nullptr, layout.levels[0], Units::Millimetres, prompts);
    duringModal<LevelPropertiesDialog>([this](LevelPropertiesDialog* d) {
        d->heightField()->SetValue("abc");
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        d->ProcessWindowEvent(ok);
        EXPECT_EQ(lastMessage(), "The height must be a number from 0 to 10000 mm.");
        ASSERT_TRUE(d->IsModal());
        d->nameField()->SetValue("Yard");
        d->heightField()->SetValue("80");
        d->ProcessWindowEvent(ok);
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.properties().name, "Yard");
    EXPECT_DOUBLE_EQ(dialog.properties().heightMm, 80.0);
}
