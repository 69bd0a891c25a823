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
    EXPECT_EQ(r[0].title, "Tunnel is locked");
    EXPECT_EQ(r[0].icon, PromptIcon::Info);
    EXPECT_EQ(r[1].kind, ScriptedPrompter::Kind::Ask);
    EXPECT_EQ(r[1].text, "Selection includes graded pieces. Delete?");
    EXPECT_EQ(r[1].defaultButton, kIdNo);
    EXPECT_EQ(r[2].defaultValue, "Untitled");
    EXPECT_FALSE(prompts.answersLeft());
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

TEST(ScriptedPrompts, APrompterWithoutACopyFieldEndsTheMessageWithTheAddress) {
    // Only the plain notice: the copyable part falls back to the end of its text.
    struct PlainPrompter : Prompter {
        void showMessage(const std::string& title, const std::string& text, PromptIcon) override {
            shown = title + "|" + text;
        }
        int ask(const std::string&, const std::string&, PromptButtons, int, PromptIcon) override {
            return kIdCancel;
        }
        std::optional<std::string> askText(const std::string&, const std::string&,
                                           const std::string&) override {
            return std::nullopt;
        }
        std::string shown;
    } plain;
    plain.showCopyable("Buy Track", "Copy this address:", "https://x/cart/1:2", PromptIcon::Info);
    EXPECT_EQ(plain.shown, "Buy Track|Copy this address:\n\nhttps://x/cart/1:2");
}
