// The program's prompts as real message boxes and text entries, answered without being shown.
#include "app/ui/wx_prompter.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include "gui_support.h"

TEST(WindowPrompts, BoxesCarryTitleTextButtonsDefaultAndIconAndReturnTheAnswer) {
    WxPrompter prompter(nullptr);
    wxString title;
    wxString message;
    long style = 0;
    const auto answerNextBox = [&](int answer) {
        expectModal([&, answer](wxDialog* dlg) {
            auto* box = dynamic_cast<wxMessageDialog*>(dlg);
            EXPECT_NE(box, nullptr);
            title = box != nullptr ? box->GetCaption() : wxString();
            message = box != nullptr ? box->GetMessage() : wxString();
            style = box != nullptr ? box->GetMessageDialogStyle() : 0;
            return answer;
        });
    };
    answerNextBox(wxID_OK);
    prompter.showMessage("Helix track is locked", "Part of a helix.", PromptIcon::Info);
    EXPECT_EQ(title, "Helix track is locked");
    EXPECT_EQ(message, "Part of a helix.");
    EXPECT_EQ(style & (wxOK | wxCANCEL | wxYES_NO | wxICON_INFORMATION), wxOK | wxICON_INFORMATION);

    answerNextBox(wxID_NO);
    EXPECT_EQ(prompter.ask("Delete", "Delete?", PromptButtons::YesNo, kIdNo, PromptIcon::Question),
              kIdNo);
    EXPECT_EQ(style & (wxYES_NO | wxCANCEL | wxNO_DEFAULT | wxICON_QUESTION),
              wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);

    answerNextBox(wxID_CANCEL);
    EXPECT_EQ(prompter.ask("Unsaved Changes", "Save?", PromptButtons::YesNoCancel, kIdYes,
                           PromptIcon::Exclamation),
              kIdCancel);
    EXPECT_EQ(style & (wxYES_NO | wxCANCEL | wxNO_DEFAULT | wxICON_EXCLAMATION),
              wxYES_NO | wxCANCEL | wxICON_EXCLAMATION);
}

TEST(WindowPrompts, TextEntryReturnsTheTypedTextOrNothingOnCancel) {
    WxPrompter prompter(nullptr);
    wxString preset;
    expectModal([&](wxDialog* dlg) {
        auto* entry = dynamic_cast<wxTextEntryDialog*>(dlg);
        EXPECT_NE(entry, nullptr);
        if (entry == nullptr) {
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

TEST(WindowPrompts, LongNamesAndPathsAreBrokenInTheBoxButNotInTheText) {
    WxPrompter prompter(nullptr);
    wxString message;
    const auto readNextBox = [&message] {
        expectModal([&message](wxDialog* dlg) {
            auto* box = dynamic_cast<wxMessageDialog*>(dlg);
            EXPECT_NE(box, nullptr);
            message = box != nullptr ? box->GetMessage() : wxString();
            return int(wxID_NO);
        });
    };
    const std::string name(130, 'W');
    readNextBox();
    prompter.showMessage("Delete Failed", "Could not delete:\n/home/u/Railvane/" + name + ".tdl",
                         PromptIcon::Error);
    // The "/" lies too early in the first 60 characters to end a line there.
    EXPECT_EQ(message.utf8_string(), "Could not delete:\n/home/u/Railvane/" + std::string(43, 'W') +
                                         "\n" + std::string(60, 'W') + "\n" + std::string(27, 'W') +
                                         ".tdl");

    readNextBox();
    prompter.ask("Confirm Replace", "A layout named \"" + name + "\" already exists.",
                 PromptButtons::YesNo, kIdNo, PromptIcon::Question);
    EXPECT_EQ(message.utf8_string(), "A layout named \"" + std::string(59, 'W') + "\n" +
                                         std::string(60, 'W') + "\n" + std::string(11, 'W') +
                                         "\" already exists.");

    readNextBox();
    prompter.showMessage("Save Layout", "Saved.", PromptIcon::Info);
    EXPECT_EQ(message, "Saved.") << "short texts are shown as they are";
}

TEST(WindowPrompts, ACopyableAddressIsSelectedInAReadOnlyFieldAndCopiedWhole) {
    WxPrompter prompter(nullptr);
    const std::string url = "https://shop.example/cart/" + std::string(200, '7') + ":1";
    wxString shownText;
    wxString fieldText;
    bool readOnly = false;
    wxString copied;
    expectModal([&](wxDialog* dlg) {
        auto* field = dynamic_cast<wxTextCtrl*>(dlg->FindWindow(WxPrompter::kCopyableFieldName));
        EXPECT_NE(field, nullptr);
        if (field == nullptr) {
            return int(wxID_OK);
        }
        fieldText = field->GetValue();
        readOnly = !field->IsEditable();
        for (wxWindow* child : dlg->GetChildren()) {
            if (auto* label = dynamic_cast<wxStaticText*>(child)) {
                shownText = label->GetLabel();
            }
        }
        wxWindow* copy = dlg->FindWindow(wxID_COPY);
        EXPECT_NE(copy, nullptr);
        if (copy != nullptr) {
            wxCommandEvent click(wxEVT_BUTTON, wxID_COPY);
            click.SetEventObject(copy);
            copy->ProcessWindowEvent(click);
        }
        if (wxTheClipboard->Open()) {
            wxTextDataObject data;
            if (wxTheClipboard->GetData(data)) {
                copied = data.GetText();
            }
            wxTheClipboard->Close();
        }
        return int(wxID_OK);
    });
    prompter.showCopyable("Buy Track", "Copy this address:", url, PromptIcon::Exclamation);
    EXPECT_EQ(shownText, "Copy this address:");
    EXPECT_EQ(fieldText, url) << "the address is not broken or shortened";
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(copied, url);
}
