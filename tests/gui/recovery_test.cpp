// Autosave in the window: twenty edits leave a recovery copy, a save removes it, and a run that
// ended without closing offers it back at the next start: Yes restores the unsaved layout under
// its own name and file, No discards the copy.
#include <filesystem>

#include "edit/edit.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"

namespace {

class RecoveryTest : public FilesTest {
protected:
    void edit(int times) {
        for (int i = 0; i < times; ++i) {
            Edit e(m_frame->editor());
            PlacedPiece p;
            p.article = "24188";
            p.x = 200.0 * i;
            e.addPiece(p);
        }
    }
    bool copyKept() const { return findRecovery(m_frame->recoveryFolder()).has_value(); }
    /// The window goes away as a killed program's would: no close, no question, no cleanup.
    void crashAndStartAgain() {
        m_frame->Destroy();
        waitFor([] { return wxTopLevelWindows.empty(); });
        m_frame = new MainFrame();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompts = prompter.get();
        m_frame->setPrompter(std::move(prompter));
    }
};

}  // namespace

TEST_F(RecoveryTest, TwentyEditsKeepACopyThatASaveRemovesAndAKilledRunOffersBack) {
    edit(AutosavePolicy::kEditsPerCopy - 1);
    EXPECT_FALSE(copyKept());
    edit(1);
    ASSERT_TRUE(copyKept());

    m_prompts->queueText(std::string("Harbour"));
    command(CommandId::Save);
    EXPECT_FALSE(copyKept()) << "a save removes the copy";

    edit(AutosavePolicy::kEditsPerCopy + 2);
    ASSERT_TRUE(copyKept());
    crashAndStartAgain();
    m_prompts->queueAnswer(kIdYes);
    m_frame->OfferRecovery();
    EXPECT_EQ(m_prompts->records().back().title, "Restore Unsaved Work");
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 40u) << "as the twentieth edit left it";
    EXPECT_EQ(m_frame->layoutName(), "Harbour");
    EXPECT_EQ(std::filesystem::path(m_frame->filePath().utf8_string()).filename(), "Harbour.tdl");
    EXPECT_TRUE(m_frame->isModified()) << "restored work is not saved work";
    EXPECT_TRUE(copyKept()) << "kept until the restored work is saved";

    crashAndStartAgain();
    m_prompts->queueAnswer(kIdNo);
    m_frame->OfferRecovery();
    EXPECT_TRUE(m_frame->editor().layout().pieces.empty());
    EXPECT_FALSE(copyKept()) << "No discards the copy";
    m_frame->OfferRecovery();  // nothing left to offer, nothing asked
}
