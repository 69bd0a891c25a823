#include "panels/ui/piece_preview_popup.h"

#include <wx/dcbuffer.h>

#include "catalog/track_catalog.h"
#include "panels/palette_groups.h"
#include "panels/ui/track_icon_grid.h"
#include "render/ui/layout_renderer.h"

namespace {

const wxColour kBackground(255, 255, 240);
const wxColour kFrame(180, 180, 180);
const wxColour kText(40, 40, 40);
// Room at the top of the popup taken by the article number (pixels).
constexpr int kTextBand = 12;

}  // namespace

PiecePreviewPopup::PiecePreviewPopup(wxWindow* parent)
    : wxPopupWindow(parent, wxBORDER_NONE),
      m_owner(parent),
      m_renderer(std::make_unique<LayoutRenderer>()) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetSize(kWidth, kHeight);
    Hide();
    Bind(wxEVT_PAINT, &PiecePreviewPopup::OnPaint, this);
    if (m_owner != nullptr) {
        m_owner->Bind(wxEVT_ACTIVATE, &PiecePreviewPopup::OnParentActivate, this);
        m_owner->Bind(wxEVT_KILL_FOCUS, &PiecePreviewPopup::OnParentFocusLost, this);
    }
}

PiecePreviewPopup::~PiecePreviewPopup() {
    if (m_owner != nullptr) {
        m_owner->Unbind(wxEVT_ACTIVATE, &PiecePreviewPopup::OnParentActivate, this);
        m_owner->Unbind(wxEVT_KILL_FOCUS, &PiecePreviewPopup::OnParentFocusLost, this);
    }
}

void PiecePreviewPopup::showPiece(const std::string& article, wxPoint screenPos) {
    if (TrackCatalog::instance().byArticle(article) == nullptr) {
        Hide();
        return;
    }
    m_article = article;
    SetSize(screenPos.x, screenPos.y, kWidth, kHeight);
    Show();
    Refresh();
}

void PiecePreviewPopup::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    dc.SetPen(wxPen(kFrame, 1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, kWidth, kHeight);

    const PieceDef* def = TrackCatalog::instance().byArticle(m_article);
    if (def == nullptr) {
        return;
    }
    dc.SetFont(wxFont(wxFontInfo(7).Bold()));
    dc.SetTextForeground(kText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString text = wxString::FromUTF8(m_article);
    dc.DrawText(text, (kWidth - dc.GetTextExtent(text).x) / 2, 1);

    // The icon rule for the box below the article number, so that a long piece fits under it.
    IconTransform transform = iconTransform(*def, kWidth, kHeight - kTextBand);
    transform.offsetY += kTextBand;
    drawPaletteIcon(dc, *m_renderer, *def, transform);
}

void PiecePreviewPopup::OnParentActivate(wxActivateEvent& event) {
    if (!event.GetActive()) {
        Hide();
    }
    event.Skip();
}

void PiecePreviewPopup::OnParentFocusLost(wxFocusEvent& event) {
    Hide();
    event.Skip();
}
