#include "app/splash_dialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/hyperlink.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include "app/app_info.h"
#include "gui_support.h"

namespace {

wxImage renderPanel(const SplashPanel& panel) {
    wxBitmap bitmap(SplashPanel::kWidth, SplashPanel::kHeight, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        panel.render(dc);
    }
    return bitmap.ConvertToImage();
}

wxColour pixel(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

bool near(const wxColour& a, const wxColour& b, int tolerance) {
    return std::abs(a.Red() - b.Red()) <= tolerance &&
           std::abs(a.Green() - b.Green()) <= tolerance &&
           std::abs(a.Blue() - b.Blue()) <= tolerance;
}

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
    EXPECT_EQ(dlg.makerLink()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(dlg.makerLink()->GetFont().GetPointSize(),
              wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetPointSize() + 1);
    EXPECT_EQ(dlg.doneButton()->GetLabel(), "  Done Staring  ");
    EXPECT_EQ(dlg.doneButton()->GetSize(), wxSize(280, 40));
    EXPECT_EQ(dlg.doneButton()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(dlg.doneButton()->GetId(), wxID_OK);

    // Picture on top, then the byline, the link and the button, all centred below it.
    const int middle = dlg.GetClientSize().x / 2;
    EXPECT_EQ(dlg.GetClientSize().x, 900);
    for (wxWindow* w :
         {static_cast<wxWindow*>(dlg.byline()), static_cast<wxWindow*>(dlg.makerLink()),
          static_cast<wxWindow*>(dlg.doneButton())}) {
        const wxRect r = w->GetRect();
        EXPECT_LE(std::abs(r.x + r.width / 2 - middle), 1) << w->GetLabel();
    }
    EXPECT_EQ(dlg.byline()->GetPosition().y, 600 + 6);
    EXPECT_LT(dlg.byline()->GetPosition().y, dlg.makerLink()->GetPosition().y);
    EXPECT_LT(dlg.makerLink()->GetPosition().y, dlg.doneButton()->GetPosition().y);
}

TEST(SplashWindow, EnterOrEscapeOnTheDialogEndsItWithOk) {
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
}

TEST(SplashWindow, DoneStaringEndsItWithOk) {
    SplashDialog dlg(nullptr, true);
    const int result = runModal(dlg, [&] {
        wxCommandEvent click(wxEVT_BUTTON, dlg.doneButton()->GetId());
        click.SetEventObject(dlg.doneButton());
        dlg.doneButton()->GetEventHandler()->ProcessEvent(click);
    });
    EXPECT_EQ(result, wxID_OK);
}

TEST(SplashPicture, MascotStandsInTheBottomRightCornerOnlyWhenPlayful) {
    wxFrame parent(nullptr, wxID_ANY, "host");
    SplashDialog playful(&parent, true);
    SplashDialog plain(&parent, false);
    const wxImage with = renderPanel(*playful.picture());
    const wxImage without = renderPanel(*plain.picture());

    // Away from the mascot both show the same background picture.
    EXPECT_EQ(pixel(with, 100, 100), pixel(without, 100, 100));
    EXPECT_EQ(pixel(with, 765, 500), pixel(without, 765, 500));
    EXPECT_EQ(pixel(with, 895, 595), pixel(without, 895, 595));
    // Inside the mascot's 120 x 160 box (770..889, 430..589) the pictures differ.
    int differing = 0;
    for (int y = 430; y < 590; y += 8) {
        for (int x = 770; x < 890; x += 8) {
            differing += pixel(with, x, y) != pixel(without, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(differing, 150) << "of 300 sampled mascot pixels";
    // The picture fills the panel: no black from the cleared bitmap remains.
    EXPECT_NE(pixel(without, 0, 0), *wxBLACK);
    EXPECT_NE(pixel(without, 899, 599), *wxBLACK);
}

TEST(SplashPicture, UndecodablePictureGivesTheDarkPanelWithTheName) {
    const unsigned char garbage[] = {0xFF, 0xD8, 0x00, 0x01, 0x02, 0x03};
    EXPECT_FALSE(decodeJpeg(garbage, sizeof garbage).IsOk());
    EXPECT_FALSE(decodeJpeg(nullptr, 0).IsOk());

    wxFrame parent(nullptr, wxID_ANY, "host");
    SplashPanel panel(&parent, wxImage(), wxImage(), false);
    const wxImage image = renderPanel(panel);
    EXPECT_EQ(pixel(image, 5, 5), wxColour(30, 40, 60));
    EXPECT_EQ(pixel(image, 600, 300), wxColour(30, 40, 60));
    // White text near (20, 20) and (20, 60).
    auto whiteIn = [&](int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                count += near(pixel(image, x, y), *wxWHITE, 40) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(whiteIn(20, 20, 220, 55), 50);
    EXPECT_GT(whiteIn(20, 60, 220, 85), 30);
    EXPECT_EQ(whiteIn(0, 0, 18, 18), 0);
    EXPECT_EQ(whiteIn(300, 100, 900, 600), 0);
}
