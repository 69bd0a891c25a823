// The Rectangle dialog typed into with real keys and clicks: sizes the field cannot hold are
// refused with a message while the dialog stays open, and nothing is created until OK accepts.

#include "dialogs/ui/rectangle_dialog.h"

#include <wx/spinctrl.h>

#include "files_test_fixture.h"
#include "frame/command_ids.h"

namespace {

class RectangleDialogTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_frame->Show();
        ASSERT_TRUE(waitFor([this] { return m_frame->IsShownOnScreen(); }));
    }

    size_t messages() const { return m_prompts->records().size(); }
};

}  // namespace

TEST_F(RectangleDialogTest, ZeroAndEmptySizesAreRefusedAndTheDialogStaysOpen) {
    duringModal<RectangleDialog>([this](RectangleDialog* dialog) {
        ASSERT_TRUE(typeInto(dialog->widthField(), "0"));
        clickOk(dialog);
        ASSERT_TRUE(waitFor([this] { return messages() == 1; }));
        EXPECT_EQ(lastPrompt().title, "Rectangle");
        EXPECT_EQ(lastPrompt().text,
                  "The width 0 mm is too small.\n\nThe width can be from 10 to 20000 mm.");
        EXPECT_EQ(lastPrompt().icon, PromptIcon::Exclamation);
        EXPECT_TRUE(dialog->IsModal()) << "open for correction";
        EXPECT_EQ(wxWindow::FindFocus(), dialog->widthField());

        ASSERT_TRUE(typeInto(dialog->heightField(), ""));
        clickOk(dialog);
        ASSERT_TRUE(waitFor([this] { return messages() == 2; }));
        EXPECT_EQ(lastPrompt().text,
                  "Please enter the height.\n\nThe height can be from 10 to 20000 mm.");
        EXPECT_EQ(dialog->heightField()->GetTextValue(), "") << "the emptied field stays empty";
        EXPECT_TRUE(dialog->IsModal());
        EXPECT_TRUE(m_frame->editor().layout().shapes.empty());

        ASSERT_TRUE(typeInto(dialog->widthField(), "250"));
        ASSERT_TRUE(typeInto(dialog->heightField(), "40"));
        clickOk(dialog);
        ASSERT_TRUE(waitFor([dialog] { return !dialog->IsModal(); }));
    });
    command(CommandId::Rectangle);
    EXPECT_EQ(messages(), 2u);
    ASSERT_EQ(m_frame->editor().layout().shapes.size(), 1u);
    const FreeShape& shape = m_frame->editor().layout().shapes[0];
    EXPECT_DOUBLE_EQ(shape.vertices[1].x - shape.vertices[0].x, 250.0);
    EXPECT_DOUBLE_EQ(shape.vertices[2].y - shape.vertices[1].y, 40.0);
}

TEST_F(RectangleDialogTest, TooLargeInchesAreRefusedAndCancelCreatesNothing) {
    command(CommandId::UnitsInches);
    duringModal<RectangleDialog>([this](RectangleDialog* dialog) {
        ASSERT_TRUE(typeInto(dialog->heightField(), "900"));
        clickOk(dialog);
        ASSERT_TRUE(waitFor([this] { return messages() == 1; }));
        EXPECT_EQ(lastPrompt().text,
                  "The height 900 in is too large.\n\nThe height can be from 0.5 to 787.4 in.");
        EXPECT_TRUE(dialog->IsModal());
        dialog->EndModal(wxID_CANCEL);
    });
    command(CommandId::Rectangle);
    EXPECT_TRUE(m_frame->editor().layout().shapes.empty());
}
