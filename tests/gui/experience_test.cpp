// The experience question: its texts, and what each answer stores in the preferences.
#include "app/ui/experience_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/prefs.h"
#include "gui_support.h"

namespace {

void click(wxButton* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

TEST(Experience, AsksTheQuestionWithTwoButtons) {
    ExperienceDialog dlg(nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Choose Your Experience");
    bool asked = false;
    for (wxWindow* child : dlg.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            asked = asked || text->GetLabel() == "How would you like Railvane to greet you?";
        }
    }
    EXPECT_TRUE(asked);
    EXPECT_EQ(dlg.playfulButton()->GetLabel(), "Keep it Playful");
    EXPECT_EQ(dlg.businessButton()->GetLabel(), "Down to Business");
}

TEST(Experience, EachAnswerIsStoredAndTheCloseBoxMeansDownToBusiness) {
    const std::pair<std::function<void(ExperienceDialog*)>, bool> answers[] = {
        {[](ExperienceDialog* d) { click(d->playfulButton()); }, true},
        {[](ExperienceDialog* d) { click(d->businessButton()); }, false},
        {[](ExperienceDialog* d) { d->Close(); }, false},
    };
    for (const auto& [answer, playful] : answers) {
        std::filesystem::remove(installFolder() / "prefs.cfg");
        appPrefs() = Prefs{};
        appPrefs().units = 1;
        expectModal([answer = answer](wxDialog* dlg) {
            auto* experience = dynamic_cast<ExperienceDialog*>(dlg);
            if (experience == nullptr) {
                ADD_FAILURE() << "expected the experience dialog, got " << dlg->GetTitle();
                return int(wxID_CANCEL);
            }
            experience->CallAfter([experience, answer] { answer(experience); });
            return int(wxID_NONE);
        });
        ChooseExperience(nullptr);
        EXPECT_EQ(appPrefs().playful, playful);
        EXPECT_TRUE(appPrefs().asked);
        EXPECT_EQ(readWholeFile(installFolder() / "prefs.cfg"),
                  playful ? "playful=1\nasked=1\nunits=1\n" : "playful=0\nasked=1\nunits=1\n");
    }
    EXPECT_EQ(pendingModalHandlers(), 0u);
}
