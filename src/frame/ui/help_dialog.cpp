#include "frame/ui/help_dialog.h"

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <string_view>

// The mascot is embedded at build time only when the picture exists in resources/ (CMake then
// defines RAILVANE_HAS_MASCOT); without it the help window simply shows no picture.
#if defined(RAILVANE_HAS_MASCOT) && __has_include("resources/res_mascot.h")
#include "resources/res_mascot.h"
#define RAILVANE_MASCOT_LINKED 1
#elif defined(RAILVANE_HAS_MASCOT) && __has_include("res_mascot.h")
#include "res_mascot.h"
#define RAILVANE_MASCOT_LINKED 1
#endif

namespace {

constexpr int kMargin = 8;
constexpr int kWrapWidth = 490;
constexpr int kScrollStep = 12;
const wxSize kMascotSize(368, 660);

wxString toWx(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

wxFont headingFont() {
    return wxFont(wxFontInfo(11).Family(wxFONTFAMILY_SWISS).Bold());
}

wxFont paragraphFont() {
    return wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
}

wxBitmap loadMascot() {
#ifdef RAILVANE_MASCOT_LINKED
    // Without a JPEG handler wx would report a load error to the user; a missing picture is not
    // worth a message, so check first and keep the log quiet while decoding.
    if (wxImage::FindHandler(wxBITMAP_TYPE_JPEG) == nullptr) {
        return wxNullBitmap;
    }
    wxLogNull quiet;
    wxMemoryInputStream stream(res_mascot, res_mascot_size);
    wxImage image(stream, wxBITMAP_TYPE_JPEG);
    if (!image.IsOk()) {
        return wxNullBitmap;
    }
    image.Rescale(kMascotSize.GetWidth(), kMascotSize.GetHeight(), wxIMAGE_QUALITY_HIGH);
    return wxBitmap(image);
#else
    return wxNullBitmap;
#endif
}

wxStaticText* addText(wxWindow* parent, std::string_view text, const wxFont& font) {
    auto* label = new wxStaticText(parent, wxID_ANY, toWx(text));
    label->SetFont(font);
    return label;
}

}  // namespace

HelpDialog::HelpDialog(wxWindow* parent, Page page, bool showMascot)
    : wxDialog(parent, wxID_ANY,
               page == Page::Main ? wxString("Railvane v1.7 Help") : wxString("Layout Wizard Help"),
               wxDefaultPosition, page == Page::Main ? wxSize(925, 700) : wxSize(620, 640),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* root = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);

    if (page == Page::Main && showMascot) {
        const wxBitmap picture = loadMascot();
        if (picture.IsOk()) {
            m_mascot = new wxStaticBitmap(this, wxID_ANY, picture);
            row->Add(m_mascot, 0, wxALL, kMargin);
        }
    }

    m_content = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL);
    m_content->SetBackgroundColour(GetBackgroundColour());
    m_content->ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
    m_content->SetScrollRate(0, kScrollStep);
    BuildContent(page == Page::Main ? mainHelpItems() : layoutWizardHelpItems());
    row->Add(m_content, 1, wxEXPAND);

    root->Add(row, 1, wxEXPAND);
    root->Add(new wxButton(this, wxID_CLOSE, "Close"), 0, wxALIGN_RIGHT | wxALL, kMargin);
    SetSizer(root);
    Layout();

    SetEscapeId(wxID_CLOSE);
    Bind(wxEVT_BUTTON, &HelpDialog::OnClose, this, wxID_CLOSE);
    CentreOnParent();
}

void HelpDialog::BuildContent(const std::vector<HelpItem>& items) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    const wxFont heading = headingFont();
    const wxFont body = paragraphFont();
    const int bodyFlags = wxLEFT | wxRIGHT | wxBOTTOM;

    for (const HelpItem& item : items) {
        switch (item.kind) {
            case HelpItemKind::Heading:
                sizer->Add(addText(m_content, item.text, heading), 0, wxLEFT | wxTOP, kMargin);
                break;
            case HelpItemKind::Paragraph: {
                wxStaticText* text = addText(m_content, item.text, body);
                text->Wrap(kWrapWidth);
                sizer->Add(text, 0, bodyFlags, kMargin);
                break;
            }
            case HelpItemKind::Link: {
                // The lead and the link read as one line of text.
                auto* line = new wxBoxSizer(wxHORIZONTAL);
                if (!item.lead.empty()) {
                    line->Add(addText(m_content, item.lead, body), 0,
                              wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
                }
                auto* link =
                    new wxHyperlinkCtrl(m_content, wxID_ANY, toWx(item.text), toWx(item.url));
                link->SetFont(body);
                line->Add(link, 0, wxALIGN_CENTER_VERTICAL);
                sizer->Add(line, 0, bodyFlags, kMargin);
                break;
            }
            case HelpItemKind::Shortcuts: {
                auto* grid = new wxFlexGridSizer(2, 2, 24);
                for (const auto& [keys, action] : helpShortcuts()) {
                    grid->Add(addText(m_content, keys, body));
                    grid->Add(addText(m_content, action, body));
                }
                sizer->Add(grid, 0, bodyFlags, kMargin);
                break;
            }
        }
    }
    m_content->SetSizer(sizer);
    m_content->FitInside();
}

void HelpDialog::OnClose(wxCommandEvent&) {
    if (IsModal()) {
        EndModal(wxID_CLOSE);
    } else {
        Hide();
    }
}

bool HelpDialog::HasBuiltInMascot() {
#ifdef RAILVANE_MASCOT_LINKED
    return true;
#else
    return false;
#endif
}

void ShowHelpWindow(wxWindow* parent, bool playful) {
    HelpDialog dialog(parent, HelpDialog::Page::Main, playful);
    dialog.ShowModal();
}

void ShowLayoutWizardHelpWindow(wxWindow* parent) {
    HelpDialog dialog(parent, HelpDialog::Page::LayoutWizard, false);
    dialog.ShowModal();
}
