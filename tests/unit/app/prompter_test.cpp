#include "app/scripted_prompter.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompts, RecordsEveryPromptWithItsTitleTextAndIcon) {
    ScriptedPrompter prompts;
    prompts.queueAnswer(kIdNo);
    prompts.queueText(std::string("Yard"));

    Prompter& p = prompts;
    p.showMessage("Tunnel is locked", "Remove the tunnel first, then delete.", PromptIcon::Info);
    EXPECT_EQ(p.ask("Delete", "Selection includes graded pieces. Delete?", PromptButtons::YesNo,
                    kIdNo, PromptIcon::Question),
              kIdNo);
    EXPECT_EQ(p.askText("Save Layout", "Layout name:", "Untitled"),
              std::optional<std::string>("Yard"));

    const auto& r = prompts.records();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(r[0].title, "Tunnel is locked");
    EXPECT_EQ(r[0].icon, PromptIcon::Info);
    EXPECT_EQ(r[1].kind, ScriptedPrompter::Kind::Ask);
    EXPECT_EQ(r[1].text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(r[1].buttons, PromptButtons::YesNo);
    EXPECT_EQ(r[1].defaultButton, kIdNo);
    EXPECT_EQ(r[1].icon, PromptIcon::Question);
    EXPECT_EQ(r[2].kind, ScriptedPrompter::Kind::AskText);
    EXPECT_EQ(r[2].text, "Layout name:");
    EXPECT_EQ(r[2].defaultValue, "Untitled");
    EXPECT_FALSE(prompts.answersLeft());
}

TEST(ScriptedPrompts, AnswersComeInQueueOrderAndCancelledTextIsEmpty) {
    ScriptedPrompter prompts;
    prompts.queueAnswer(kIdYes);
    prompts.queueAnswer(kIdCancel);
    prompts.queueText(std::nullopt);
    EXPECT_EQ(prompts.ask("t", "1", PromptButtons::YesNoCancel, kIdYes, PromptIcon::Question),
              kIdYes);
    EXPECT_EQ(prompts.ask("t", "2", PromptButtons::YesNoCancel, kIdYes, PromptIcon::Question),
              kIdCancel);
    EXPECT_FALSE(prompts.askText("t", "name", "").has_value());
}

TEST(ScriptedPrompts, AnUnexpectedQuestionFailsLoudlyAndNamesIt) {
    ScriptedPrompter prompts;
    try {
        prompts.ask("Unsaved Changes", "You have unsaved changes. Save before continuing?",
                    PromptButtons::YesNoCancel, kIdYes, PromptIcon::Question);
        FAIL() << "an empty answer queue must throw";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("Unsaved Changes"), std::string::npos);
    }
    EXPECT_THROW(prompts.askText("Name", "Layout name:", ""), std::logic_error);
    // The unexpected prompts are still on record.
    EXPECT_EQ(prompts.records().size(), 2u);
}

TEST(PromptIds, AreTheStandardDialogResults) {
    EXPECT_EQ(kIdOk, 5100);
    EXPECT_EQ(kIdCancel, 5101);
    EXPECT_EQ(kIdYes, 5103);
    EXPECT_EQ(kIdNo, 5104);
}
