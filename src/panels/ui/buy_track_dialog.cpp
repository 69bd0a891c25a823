#include "panels/ui/buy_track_dialog.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/ui/splash_dialog.h"
#include "panels/shop_cart.h"
#include "resources/res_buytrack.h"

namespace {

constexpr const char* kExplanation =
    "Buy all required track and accessories securely and\n"
    "conveniently online from Vennomar.\n"
    "\n"
    "Click Buy Track and you will be taken to the Vennomar\n"
    "website with all required track waiting\n"
    "in the shopping cart for you to review and check out.";

}  // namespace

BuyTrackDialog::BuyTrackDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Buy Track - How it works", wxDefaultPosition,
               wxSize(kWidth, kHeight), (wxDEFAULT_DIALOG_STYLE & ~wxRESIZE_BORDER)) {
    auto* column = new wxBoxSizer(wxVERTICAL);

    const wxImage picture = decodeJpeg(res_buytrack, res_buytrack_size);
    if (picture.IsOk()) {
        m_hasPicture = true;
        const wxBitmap scaled(picture.Scale(kPictureWidth, kPictureHeight, wxIMAGE_QUALITY_HIGH));
        column->Add(new wxStaticBitmap(this, wxID_ANY, scaled), 0,
                    wxALIGN_CENTER_HORIZONTAL | wxTOP, 10);
    }

    auto* text = new wxStaticText(this, wxID_ANY, kExplanation);
    wxFont font = text->GetFont();
    font.SetPointSize(font.GetPointSize() + 1);
    text->SetFont(font);
    column->Add(text, 0, wxALL, 14);

    const wxString home = wxString::FromUTF8(shopHomeUrl());
    column->Add(new wxHyperlinkCtrl(this, wxID_ANY, home, home), 0,
                wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 10);

    column->AddStretchSpacer();
    auto* gotIt = new wxButton(this, wxID_OK, "Got it!");
    gotIt->SetBackgroundColour(wxColour(20, 110, 20));
    gotIt->SetForegroundColour(*wxWHITE);
    column->Add(gotIt, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 12);
    SetSizer(column);

    // The window is modeless: closing it in any way destroys it rather than hiding it.
    gotIt->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
    SetSize(wxSize(kWidth, kHeight));
    CentreOnParent();
}
