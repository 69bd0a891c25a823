#include "app/wx_prompter.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/textdlg.h>

#include "gui_support.h"

namespace {

/// What the next message box looked like; it is answered with `answer` without being shown.
struct SeenBox {
    wxString title;
    wxString message;
    long style = 0;
    bool wasMessageBox = false;
};

void answerNextBox(SeenBox& seen, int answer) {
    expectModal([&seen, answer](wxDialog* dlg) {
        auto* box = dynamic_cast<wxMessageDialog*>(dlg);
        seen.wasMessageBox = box != nullptr;
        if (box != nullptr) {
            seen.title = box->GetCaption();
            seen.message = box->GetMessage();
            seen.style = box->GetMessageDialogStyle();
        }
        return answer;
    });
}

}  // namespace

TEST(WindowPrompts, NoticeShowsTitleTextIconAndOk) {
    WxPrompter prompter(nullptr);
    SeenBox seen;
    answerNextBox(seen, wxID_OK);
    prompter.showMessage("Helix track is locked",
                         "Selection includes track that is part of a helix.", PromptIcon::Info);
    ASSERT_TRUE(seen.wasMessageBox);
    EXPECT_EQ(seen.title, "Helix track is locked");
    EXPECT_EQ(seen.message, "Selection includes track that is part of a helix.");
    EXPECT_TRUE(seen.style & wxOK);
    EXPECT_FALSE(seen.style & (wxCANCEL | wxYES_NO));
    EXPECT_TRUE(seen.style & wxICON_INFORMATION);
}

TEST(WindowPrompts, QuestionsCarryButtonsDefaultAndIconAndReturnTheAnswer) {
    WxPrompter prompter(nullptr);
    SeenBox seen;
    answerNextBox(seen, wxID_NO);
    EXPECT_EQ(prompter.ask("Delete", "Selection includes graded pieces. Delete?",
                           PromptButtons::YesNo, kIdNo, PromptIcon::Question),
              kIdNo);
    EXPECT_EQ(seen.title, "Delete");
    EXPECT_EQ(seen.style & (wxYES_NO | wxCANCEL), wxYES_NO);
    EXPECT_TRUE(seen.style & wxNO_DEFAULT);
    EXPECT_TRUE(seen.style & wxICON_QUESTION);

    answerNextBox(seen, wxID_CANCEL);
    EXPECT_EQ(prompter.ask("Unsaved Changes", "Save before continuing?", PromptButtons::YesNoCancel,
                           kIdYes, PromptIcon::Question),
              kIdCancel);
    EXPECT_EQ(seen.style & (wxYES_NO | wxCANCEL), wxYES_NO | wxCANCEL);
    EXPECT_FALSE(seen.style & wxNO_DEFAULT);

    answerNextBox(seen, wxID_OK);
    EXPECT_EQ(prompter.ask("Refused", "Cannot join.", PromptButtons::OkCancel, kIdOk,
                           PromptIcon::Exclamation),
              kIdOk);
    EXPECT_TRUE(seen.style & wxICON_EXCLAMATION);

    answerNextBox(seen, wxID_OK);
    prompter.showMessage("Save failed", "Disk full.", PromptIcon::Error);
    EXPECT_TRUE(seen.style & wxICON_ERROR);
    EXPECT_EQ(pendingModalHandlers(), 0u);
}

TEST(WindowPrompts, TextEntryReturnsTheTypedTextOrNothingOnCancel) {
    WxPrompter prompter(nullptr);
    wxString prompt;
    wxString preset;
    expectModal([&](wxDialog* dlg) {
        auto* entry = dynamic_cast<wxTextEntryDialog*>(dlg);
        if (entry == nullptr) {
            ADD_FAILURE() << "expected a text entry dialog";
            return int(wxID_CANCEL);
        }
        preset = entry->GetValue();
        entry->SetValue(wxString::FromUTF8("Güterbahnhof"));
        return int(wxID_OK);
    });
    EXPECT_EQ(prompter.askText("Save Layout", "Layout name:", "Untitled"),
              std::optional<std::string>("Güterbahnhof"));
    EXPECT_EQ(preset, "Untitled");

    expectModal([](wxDialog*) { return int(wxID_CANCEL); });
    EXPECT_FALSE(prompter.askText("Save Layout", "Layout name:", "Untitled").has_value());
}
