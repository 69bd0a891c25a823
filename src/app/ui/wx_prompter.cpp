#include "app/ui/wx_prompter.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include "app/message_wrap.h"

namespace {

/// The text of a box: always valid text, with breaks in words too long for one line of a
/// sensible width.
wxString boxText(const std::string& text) {
    return wxString::FromUTF8(messageBoxText(text));
}

long iconStyle(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Info:
            return wxICON_INFORMATION;
        case PromptIcon::Exclamation:
            return wxICON_EXCLAMATION;
        case PromptIcon::Error:
            return wxICON_ERROR;
        case PromptIcon::Question:
            return wxICON_QUESTION;
    }
    return wxICON_INFORMATION;
}

long buttonStyle(PromptButtons buttons, int defaultButton) {
    long style = 0;
    switch (buttons) {
        case PromptButtons::Ok:
            style = wxOK;
            break;
        case PromptButtons::OkCancel:
            style = wxOK | wxCANCEL;
            break;
        case PromptButtons::YesNo:
            style = wxYES_NO;
            break;
        case PromptButtons::YesNoCancel:
            style = wxYES_NO | wxCANCEL;
            break;
    }
    switch (defaultButton) {
        case kIdNo:
            style |= wxNO_DEFAULT;
            break;
        case kIdCancel:
            style |= wxCANCEL_DEFAULT;
            break;
        case kIdOk:
            style |= wxOK_DEFAULT;
            break;
        default:
            style |= wxYES_DEFAULT;
            break;
    }
    return style;
}

}  // namespace

void WxPrompter::showMessage(const std::string& title, const std::string& text, PromptIcon icon) {
    wxMessageDialog dlg(m_parent, boxText(text), wxString::FromUTF8(title),
                        wxOK | iconStyle(icon) | wxCENTRE);
    dlg.ShowModal();
}

int WxPrompter::ask(const std::string& title, const std::string& text, PromptButtons buttons,
                    int defaultButton, PromptIcon icon) {
    wxMessageDialog dlg(m_parent, boxText(text), wxString::FromUTF8(title),
                        buttonStyle(buttons, defaultButton) | iconStyle(icon) | wxCENTRE);
    const int result = dlg.ShowModal();
    switch (result) {
        case wxID_OK:
        case wxID_YES:
        case wxID_NO:
        case wxID_CANCEL:
            return result;
        default:
            // Closing a box without a Cancel button is the safe answer of that box.
            return buttons == PromptButtons::YesNo ? kIdNo : kIdCancel;
    }
}

int WxPrompter::askLabelled(const std::string& title, const std::string& text,
                            const std::string& yesLabel, const std::string& noLabel,
                            PromptIcon icon) {
    wxMessageDialog dlg(m_parent, boxText(text), wxString::FromUTF8(title),
                        wxYES_NO | wxNO_DEFAULT | iconStyle(icon) | wxCENTRE);
    dlg.SetYesNoLabels(wxString::FromUTF8(yesLabel), wxString::FromUTF8(noLabel));
    return dlg.ShowModal() == wxID_YES ? kIdYes : kIdNo;
}

std::optional<std::string> WxPrompter::askText(const std::string& title, const std::string& prompt,
                                               const std::string& defaultValue) {
    wxTextEntryDialog dlg(m_parent, boxText(prompt), wxString::FromUTF8(title),
                          wxString::FromUTF8(defaultValue));
    if (dlg.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return std::string(dlg.GetValue().utf8_str());
}

void WxPrompter::showCopyable(const std::string& title, const std::string& text,
                              const std::string& copyable,
                              PromptIcon /*icon: GTK boxes show none*/) {
    wxDialog dlg(m_parent, wxID_ANY, wxString::FromUTF8(title));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(&dlg, wxID_ANY, boxText(text)), 0, wxALL, 12);
    // Read-only but selectable; a long address wraps inside the field and is copied whole.
    auto* field = new wxTextCtrl(&dlg, wxID_ANY, wxString::FromUTF8(copyable), wxDefaultPosition,
                                 wxSize(440, 90), wxTE_MULTILINE | wxTE_READONLY | wxTE_CHARWRAP,
                                 wxDefaultValidator, kCopyableFieldName);
    top->Add(field, 1, wxEXPAND | wxLEFT | wxRIGHT, 12);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* copy = new wxButton(&dlg, wxID_COPY, "Copy Address");
    buttons->Add(copy);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(&dlg, wxID_OK, "OK"));
    top->Add(buttons, 0, wxEXPAND | wxALL, 12);
    copy->Bind(wxEVT_BUTTON, [field](wxCommandEvent&) {
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject(field->GetValue()));
            wxTheClipboard->Close();
        }
        field->SelectAll();
    });
    dlg.SetSizerAndFit(top);
    dlg.SetAffirmativeId(wxID_OK);
    dlg.SetEscapeId(wxID_OK);
    dlg.CentreOnParent();
    field->SetFocus();
    field->SelectAll();
    dlg.ShowModal();
}

static_assert(kIdOk == wxID_OK && kIdCancel == wxID_CANCEL && kIdYes == wxID_YES &&
                  kIdNo == wxID_NO,
              "prompt results are the toolkit's standard identifiers");
