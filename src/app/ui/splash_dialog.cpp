#include "app/ui/splash_dialog.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/hyperlink.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/app_info.h"
#include "resources/res_mascot.h"
#include "resources/res_splash.h"

namespace {

constexpr int kMascotWidth = 120;
constexpr int kMascotHeight = 160;
/// Bottom-right corner of the mascot, inside the picture's 10-pixel edge.
constexpr int kMascotRight = 890;
constexpr int kMascotBottom = 590;

wxFont largerFont(wxFont font, bool bold) {
    font.SetPointSize(font.GetPointSize() + 1);
    if (bold) {
        font.SetWeight(wxFONTWEIGHT_BOLD);
    }
    return font;
}

}  // namespace

wxImage decodeJpeg(const unsigned char* data, std::size_t size) {
    wxImage image;
    if (data == nullptr || size == 0) {
        return image;
    }
    // A picture that fails to decode has a drawn fallback, so the toolkit's error box is not
    // wanted.
    wxLogNull quiet;
    wxMemoryInputStream in(data, size);
    image.LoadFile(in, wxBITMAP_TYPE_JPEG);
    return image;
}

SplashPanel::SplashPanel(wxWindow* parent, const wxImage& background, const wxImage& mascot,
                         bool showMascot)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(kWidth, kHeight)),
      m_showMascot(showMascot) {
    SetMinSize(wxSize(kWidth, kHeight));
    // Scaled once here, not on every paint.
    if (background.IsOk()) {
        m_background = wxBitmap(background.Scale(kWidth, kHeight, wxIMAGE_QUALITY_HIGH));
    }
    if (mascot.IsOk()) {
        m_mascot = wxBitmap(mascot.Scale(kMascotWidth, kMascotHeight, wxIMAGE_QUALITY_HIGH));
    }
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        render(dc);
    });
}

void SplashPanel::render(wxDC& dc) const {
    if (m_background.IsOk()) {
        dc.DrawBitmap(m_background, 0, 0);
    } else {
        dc.SetBackground(wxBrush(wxColour(30, 40, 60)));
        dc.Clear();
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFont(20, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
        dc.DrawText("Railvane", 20, 20);
        dc.SetFont(wxFont(13, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
        dc.DrawText("by Vennomar", 20, 60);
    }
    if (m_showMascot && m_mascot.IsOk()) {
        dc.DrawBitmap(m_mascot, kMascotRight - kMascotWidth, kMascotBottom - kMascotHeight);
    }
}

SplashDialog::SplashDialog(wxWindow* parent, bool playful)
    : wxDialog(parent, wxID_ANY, kAppTitle, wxDefaultPosition, wxSize(900, 700)) {
    auto* box = new wxBoxSizer(wxVERTICAL);

    m_picture = new SplashPanel(this, decodeJpeg(res_splash, res_splash_size),
                                decodeJpeg(res_mascot, res_mascot_size), playful);
    box->Add(m_picture, 0);

    m_byline = new wxStaticText(this, wxID_ANY, "Railvane by");
    m_byline->SetFont(largerFont(m_byline->GetFont(), false));
    box->Add(m_byline, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 6);

    m_link = new wxHyperlinkCtrl(this, wxID_ANY, "Vennomar", kMakerWebSite);
    m_link->SetFont(largerFont(m_link->GetFont(), true));
    box->Add(m_link, 0, wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 4);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer();
    m_done = new wxButton(this, wxID_OK, "  Done Staring  ", wxDefaultPosition, wxSize(280, 40));
    m_done->SetFont(largerFont(m_done->GetFont(), true));
    row->Add(m_done, 0, wxALL, 8);
    row->AddStretchSpacer();
    box->Add(row, 0, wxEXPAND);

    SetSizerAndFit(box);
    Centre();
    m_done->SetFocus();

    m_done->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_OK); });
    Bind(wxEVT_KEY_DOWN, &SplashDialog::onKeyDown, this);
}

void SplashDialog::onKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
        case WXK_ESCAPE:
            EndModal(wxID_OK);
            return;
        default:
            event.Skip();
    }
}
