#include "render/ui/render_text.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include "render/ui/layout_renderer.h"

const wxFont& FontCache::get(int points, bool bold) {
    auto [it, inserted] = m_fonts.try_emplace({points, bold});
    if (inserted) {
        wxFontInfo info(points);
        info.Family(wxFONTFAMILY_DEFAULT);
        if (bold) {
            info.Bold();
        }
        it->second = wxFont(info);
    }
    return it->second;
}

namespace {

void drawBox(wxDC& dc, const wxString& text, wxPoint topLeft, wxSize extent,
             const TextBoxStyle& style) {
    dc.SetPen(wxPen(toWx(style.pen), 1));
    dc.SetBrush(wxBrush(toWx(style.fill)));
    dc.DrawRoundedRectangle(topLeft.x - style.padding, topLeft.y - style.padding,
                            extent.x + 2 * style.padding, extent.y + 2 * style.padding,
                            style.corner);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(toWx(style.text));
    dc.DrawText(text, topLeft);
}

}  // namespace

void drawCentredTextBox(wxDC& dc, const wxString& text, wxPoint centre, const TextBoxStyle& style) {
    const wxSize extent = dc.GetTextExtent(text);
    drawBox(dc, text, {centre.x - extent.x / 2, centre.y - extent.y / 2}, extent, style);
}

void drawLeftTextBox(wxDC& dc, const wxString& text, wxPoint left, const TextBoxStyle& style) {
    const wxSize extent = dc.GetTextExtent(text);
    drawBox(dc, text, {left.x + style.padding, left.y - extent.y / 2}, extent, style);
}
