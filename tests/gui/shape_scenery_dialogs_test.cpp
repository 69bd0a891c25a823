// Shape Properties and Resize Scenery typed into with real keys and clicks: an emptied field or a
// number out of range is refused with a message while the dialog stays open and the layout stays
// as it was (the spin fields take no letters; the reader's refusal of them is tested without a
// window); OK stores the fields as one undo step, Cancel stores nothing.

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/ui/resize_scenery_dialog.h"
#include "dialogs/ui/shape_properties_dialog.h"
#include "files_test_fixture.h"

namespace {

class ShapeSceneryDialogsTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_frame->Show();
        ASSERT_TRUE(waitFor([this] { return m_frame->IsShownOnScreen(); }));
    }

    size_t messages() const { return m_prompts->records().size(); }
    /// Waits for the next refusal and checks its text; the dialog must still be open.
    void expectRefusal(wxDialog* dialog, size_t count, const std::string& title,
                       const std::string& text) {
        ASSERT_TRUE(waitFor([this, count] { return messages() == count; }));
        EXPECT_EQ(lastPrompt().title, title);
        EXPECT_EQ(lastPrompt().text, text);
        EXPECT_TRUE(dialog->IsModal()) << "open for correction";
    }
};

}  // namespace

TEST_F(ShapeSceneryDialogsTest, ShapePropertiesRefuseNonsenseAndStoreTheFieldsOnOk) {
    FreeShape pond;
    pond.id = m_frame->editor().layout().AllocateId();
    pond.vertices = {{0, 0}, {100, 0}, {0, 100}};
    pond.a = 200;
    m_frame->editor().layout().shapes.push_back(pond);

    duringModal<ShapePropertiesDialog>([this](ShapePropertiesDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Shape Properties");
        EXPECT_EQ(dialog->opacityField()->GetValue(), 78);
        ASSERT_TRUE(typeInto(dialog->heightField(), ""));
        clickOk(dialog);
        expectRefusal(dialog, 1, "Shape Properties",
                      "Please enter the height.\n\nThe height can be from 0 to 5000 mm.");
        ASSERT_TRUE(typeInto(dialog->heightField(), "-5"));
        clickOk(dialog);
        expectRefusal(dialog, 2, "Shape Properties",
                      "The height -5 mm is too small.\n\nThe height can be from 0 to 5000 mm.");
        ASSERT_TRUE(typeInto(dialog->opacityField(), "150"));
        clickOk(dialog);
        expectRefusal(dialog, 3, "Shape Properties",
                      "The opacity 150 % is too large.\n\nThe opacity can be from 0 to 100 %.");
        EXPECT_TRUE(m_frame->editor().layout().undoStack.empty());

        ASSERT_TRUE(typeInto(dialog->opacityField(), "40"));
        ASSERT_TRUE(typeInto(dialog->heightField(), "12.5"));
        dialog->nameField()->SetValue("Pond");
        dialog->outlineSwitch()->SetValue(false);
        clickOk(dialog);
        ASSERT_TRUE(waitFor([dialog] { return !dialog->IsModal(); }));
    });
    EXPECT_TRUE(showShapePropertiesDialog(m_frame, m_frame->editor(), pond.id, Units::Millimetres,
                                          *m_prompts));
    EXPECT_EQ(messages(), 3u);
    const FreeShape& stored = m_frame->editor().layout().shapes[0];
    EXPECT_EQ(stored.a, 102);
    EXPECT_DOUBLE_EQ(stored.height, 12.5);
    EXPECT_EQ(stored.label, "Pond");
    EXPECT_FALSE(stored.outline);
    EXPECT_EQ(m_frame->editor().layout().undoStack.size(), 1u);
}

TEST_F(ShapeSceneryDialogsTest, ResizeSceneryRefusesNonsenseCancelKeepsAndOkStoresLockedScales) {
    SceneryItem portal;  // catalog size 40 x 80 mm
    portal.id = m_frame->editor().layout().AllocateId();
    portal.item = "tunnel_portal_single";
    m_frame->editor().layout().scenery.push_back(portal);

    duringModal<ResizeSceneryDialog>([this](ResizeSceneryDialog* dialog) {
        ASSERT_TRUE(typeInto(dialog->scaleField(SceneryAxis::Width), "0"));
        clickOk(dialog);
        expectRefusal(dialog, 1, "Resize Scenery",
                      "The width scale 0 is too small.\n\nThe width scale can be from 0.1 to 10.");
        ASSERT_TRUE(typeInto(dialog->scaleField(SceneryAxis::Width), "3"));
        dialog->EndModal(wxID_CANCEL);
    });
    EXPECT_FALSE(showResizeSceneryDialog(m_frame, m_frame->editor(), portal.id, *m_prompts));
    EXPECT_EQ(m_frame->editor().layout().scenery[0].scalex, 1.0);
    EXPECT_TRUE(m_frame->editor().layout().undoStack.empty());

    duringModal<ResizeSceneryDialog>([](ResizeSceneryDialog* dialog) {
        dialog->lockSwitch()->SetValue(true);
        wxCommandEvent tick(wxEVT_CHECKBOX, dialog->lockSwitch()->GetId());
        tick.SetInt(1);
        dialog->lockSwitch()->ProcessWindowEvent(tick);
        ASSERT_TRUE(typeInto(dialog->scaleField(SceneryAxis::Width), "2"));
        EXPECT_EQ(dialog->resultLabel(SceneryAxis::Width)->GetLabel(), "(= 80 mm)");
        EXPECT_EQ(dialog->resultLabel(SceneryAxis::Depth)->GetLabel(), "(= 160 mm)");
        clickOk(dialog);
        ASSERT_TRUE(waitFor([dialog] { return !dialog->IsModal(); }));
    });
    EXPECT_TRUE(showResizeSceneryDialog(m_frame, m_frame->editor(), portal.id, *m_prompts));
    EXPECT_DOUBLE_EQ(m_frame->editor().layout().scenery[0].scalex, 2.0);
    EXPECT_DOUBLE_EQ(m_frame->editor().layout().scenery[0].scaley, 2.0);
    EXPECT_EQ(m_frame->editor().layout().undoStack.size(), 1u);
    EXPECT_EQ(messages(), 1u);
}
