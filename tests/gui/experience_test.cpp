#include "app/experience_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/app_paths.h"
#include "app/prefs.h"
#include "gui_support.h"

namespace fs = std::filesystem;

namespace {

fs::path prefsPath() {
    return installFolder() / "prefs.cfg";
}

void click(wxButton* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

/// Answers the next experience dialog with `answer`, which runs inside its modal loop.
void answerNextExperienceDialog(std::function<void(ExperienceDialog*)> answer) {
    expectModal([answer](wxDialog* dlg) {
        auto* experience = dynamic_cast<ExperienceDialog*>(dlg);
        if (experience == nullptr) {
            ADD_FAILURE() << "expected the experience dialog, got " << dlg->GetTitle();
            return int(wxID_CANCEL);
        }
        experience->CallAfter([experience, answer] { answer(experience); });
        return int(wxID_NONE);
    });
}

class ExperienceTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        std::error_code ec;
        fs::remove(fs::path(std::string(GetUserPrefsPath().fn_str())), ec);
        fs::remove(prefsPath(), ec);
        appPrefs() = Prefs{};
        appPrefs().units = 1;
    }
    void TearDown() override { EXPECT_EQ(pendingModalHandlers(), 0u); }
};

}  // namespace

TEST_F(ExperienceTest, AsksTheQuestionWithTwoButtons) {
    ExperienceDialog dlg(nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Choose Your Experience");
    wxStaticText* question = nullptr;
    for (wxWindow* child : dlg.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            question = text;
        }
    }
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->GetLabel(), "How would you like Railvane to greet you?");
    EXPECT_EQ(question->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(question->GetPosition(), wxPoint(16, 16));

    EXPECT_EQ(dlg.playfulButton()->GetLabel(), "Keep it Playful");
    EXPECT_EQ(dlg.businessButton()->GetLabel(), "Down to Business");
    EXPECT_EQ(dlg.playfulButton()->GetSize(), wxSize(160, 38));
    EXPECT_EQ(dlg.businessButton()->GetSize(), wxSize(160, 38));
    // Side by side, 8 + 8 pixels apart, below the question.
    EXPECT_EQ(dlg.businessButton()->GetPosition().x,
              dlg.playfulButton()->GetPosition().x + 160 + 16);
    EXPECT_EQ(dlg.businessButton()->GetPosition().y, dlg.playfulButton()->GetPosition().y);
    EXPECT_GT(dlg.playfulButton()->GetPosition().y, question->GetRect().GetBottom());
}

TEST_F(ExperienceTest, KeepItPlayfulSavesPlayfulAndAsked) {
    answerNextExperienceDialog([](ExperienceDialog* d) { click(d->playfulButton()); });
    ChooseExperience(nullptr);
    EXPECT_TRUE(appPrefs().playful);
    EXPECT_TRUE(appPrefs().asked);
    EXPECT_EQ(readWholeFile(prefsPath()), "playful=1\nasked=1\nunits=1\n");
}

TEST_F(ExperienceTest, DownToBusinessSavesNotPlayful) {
    answerNextExperienceDialog([](ExperienceDialog* d) { click(d->businessButton()); });
    ChooseExperience(nullptr);
    EXPECT_FALSE(appPrefs().playful);
    EXPECT_TRUE(appPrefs().asked);
    EXPECT_EQ(readWholeFile(prefsPath()), "playful=0\nasked=1\nunits=1\n");
}

TEST_F(ExperienceTest, TheCloseBoxMeansDownToBusiness) {
    answerNextExperienceDialog([](ExperienceDialog* d) { d->Close(); });
    ChooseExperience(nullptr);
    EXPECT_FALSE(appPrefs().playful);
    EXPECT_TRUE(appPrefs().asked);
    EXPECT_EQ(readWholeFile(prefsPath()), "playful=0\nasked=1\nunits=1\n");
}

TEST_F(ExperienceTest, UnwritableProgramFolderKeepsTheAnswerInThePerUserFile) {
    // The program's folder turns into a plain file, so nothing can be written beside the program.
    const fs::path saved = testRoot() / "install-away";
    fs::rename(installFolder(), saved);
    writeWholeFile(testRoot() / "placeholder", "");
    fs::rename(testRoot() / "placeholder", installFolder());

    answerNextExperienceDialog([](ExperienceDialog* d) { click(d->businessButton()); });
    ChooseExperience(nullptr);
    const fs::path userPrefs(std::string(GetUserPrefsPath().fn_str()));
    EXPECT_EQ(readWholeFile(userPrefs), "playful=0\nasked=1\nunits=1\n");

    // The next start reads the answer back.
    Prefs next;
    LoadPrefs(next);
    EXPECT_TRUE(next.asked);
    EXPECT_FALSE(next.playful);

    fs::remove(installFolder());
    fs::rename(saved, installFolder());
    fs::remove(userPrefs);
}
