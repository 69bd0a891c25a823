#pragma once
// Small drawing helpers shared by the renderer's files: screen points, fonts by size, and text in
// rounded boxes (lengths, dimension labels).

#include <map>
#include <utility>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include "canvas/canvas_view.h"
#include "render/render_style.h"

/// wx point of a screen point (pixels).
inline wxPoint toWxPoint(ScreenPoint p) {
    return {p.x, p.y};
}

/// Fonts of the plan in the platform's default family, made once per point size and weight: the
/// sizes follow the zoom, so a paint needs only a handful of them.
class FontCache {
public:
    /// The font of `points` size, bold or normal weight.
    const wxFont& get(int points, bool bold);

private:
    std::map<std::pair<int, bool>, wxFont> m_fonts;
};

/// How a text box looks.
struct TextBoxStyle {
    RenderColour text;
    RenderColour fill;
    RenderColour pen;
    int padding = 3;  ///< pixels between the text and the box edge
    int corner = 4;   ///< corner radius, pixels
};

/// Draws `text` in the current font centred on `centre` (screen pixels) in a rounded box.
void drawCentredTextBox(wxDC& dc, const wxString& text, wxPoint centre, const TextBoxStyle& style);
/// Same with the box's left edge at `left.x` and its vertical middle at `left.y`.
void drawLeftTextBox(wxDC& dc, const wxString& text, wxPoint left, const TextBoxStyle& style);
