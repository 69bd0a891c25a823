// The splash window: its texts, and the keys and the button that end it.
#include "app/ui/splash_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/stattext.h>

#include "app/app_info.h"
#include "gui_support.h"

namespace {

/// Runs `dialog` modally; `whileShown` runs inside its modal loop. A dialog still open after that
/// is ended with Cancel and reported, so a broken key handler fails instead of hanging.
int runModal(wxDialog& dialog, std::function<void()> whileShown) {
    expectModal([](wxDialog*) { return int(wxID_NONE); });
    dialog.CallAfter([&dialog, whileShown] {
        whileShown();
        dialog.CallAfter([&dialog] {
            if (dialog.IsModal()) {
                ADD_FAILURE() << "the dialog did not end";
                dialog.EndModal(wxID_CANCEL);
            }
        });
    });
    return dialog.ShowModal();
}

void sendKey(wxWindow* target, int keyCode) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = keyCode;
    key.SetEventObject(target);
    target->GetEventHandler()->ProcessEvent(key);
}

}  // namespace

TEST(SplashWindow, ShowsPictureBylineMakerLinkAndDoneButton) {
    SplashDialog dlg(nullptr, true);
    EXPECT_EQ(dlg.GetTitle(), "Railvane v1.7 by Vennomar");
    EXPECT_EQ(dlg.picture()->GetSize(), wxSize(900, 600));
    EXPECT_EQ(dlg.byline()->GetLabel(), "Railvane by");
    EXPECT_EQ(dlg.makerLink()->GetLabel(), "Vennomar");
    EXPECT_EQ(dlg.makerLink()->GetURL(), kMakerWebSite);
    EXPECT_EQ(dlg.doneButton()->GetLabel(), "  Done Staring  ");
    EXPECT_EQ(dlg.doneButton()->GetSize(), wxSize(280, 40));
    // Picture on top, then the byline, the link and the button below it.
    EXPECT_EQ(dlg.byline()->GetPosition().y, 600 + 6);
    EXPECT_LT(dlg.byline()->GetPosition().y, dlg.makerLink()->GetPosition().y);
    EXPECT_LT(dlg.makerLink()->GetPosition().y, dlg.doneButton()->GetPosition().y);
}

TEST(SplashWindow, EnterEscapeOrDoneStaringEndItWithOk) {
    for (int key : {int(WXK_RETURN), int(WXK_ESCAPE), int(WXK_NUMPAD_ENTER)}) {
        SplashDialog dlg(nullptr, false);
        bool stillOpenAfterOtherKey = false;
        const int result = runModal(dlg, [&] {
            sendKey(&dlg, 'A');
            sendKey(&dlg, WXK_SPACE);
            stillOpenAfterOtherKey = dlg.IsModal();
            sendKey(&dlg, key);
        });
        EXPECT_TRUE(stillOpenAfterOtherKey) << "other keys must not end the splash window";
        EXPECT_EQ(result, wxID_OK) << "key " << key;
    }
    SplashDialog dlg(nullptr, true);
    const int result = runModal(dlg, [&] {
        wxCommandEvent click(wxEVT_BUTTON, dlg.doneButton()->GetId());
        click.SetEventObject(dlg.doneButton());
        dlg.doneButton()->GetEventHandler()->ProcessEvent(click);
    });
    EXPECT_EQ(result, wxID_OK);
}
