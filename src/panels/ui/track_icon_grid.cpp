#include "panels/ui/track_icon_grid.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "canvas/canvas_view.h"
#include "catalog/track_catalog.h"
#include "panels/ui/piece_preview_popup.h"
#include "render/ui/layout_renderer.h"

namespace {

using namespace PaletteGrid;

constexpr int kScrollUnit = 10;
// How long the mouse rests on an icon before the preview pops up (ms).
constexpr int kPreviewDelayMs = 600;

const wxColour kBackground(245, 245, 245);
const wxColour kHeaderFill(75, 85, 100);
const wxColour kHeaderText(220, 225, 235);
const wxColour kSelectedFill(200, 220, 255);
const wxColour kHoverFill(225, 235, 250);
const wxColour kRowFill(250, 250, 252);
const wxColour kRowOutline(200, 200, 205);
const wxColour kText(40, 40, 40);
const wxColour kDisabledText(150, 150, 150);
const wxColour kSelectedOutline(200, 30, 30);
const wxColour kHoverOutline(150, 170, 200);
const wxColour kCellOutline(200, 200, 200);

}  // namespace

PaletteItem::Kind PaletteEntry::kind() const {
    // A disabled row is laid out like any full-width row and, like a header, never hit.
    if (isHeader || !enabled) {
        return PaletteItem::Kind::Header;
    }
    return isTextRow ? PaletteItem::Kind::TextRow : PaletteItem::Kind::Piece;
}

void drawPaletteIcon(wxDC& dc, LayoutRenderer& renderer, const PieceDef& def,
                     const IconTransform& transform) {
    CanvasView view;
    view.zoom = transform.scale;
    view.panX = transform.offsetX;
    view.panY = transform.offsetY;
    PlacedPiece piece;
    piece.article = def.article;
    piece.joints.assign(def.connectors.size(), Joint{});
    // The article number is written under the icon, so the plan's label would only repeat it.
    renderer.drawPiece(dc, piece, def, view, iconRenderOptions());
    renderer.drawConnectorDots(dc, piece, def, view);
}

TrackIconGrid::TrackIconGrid(wxWindow* parent)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      m_restTimer(this),
      m_renderer(std::make_unique<LayoutRenderer>()) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(0, kScrollUnit);
    Bind(wxEVT_PAINT, &TrackIconGrid::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &TrackIconGrid::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &TrackIconGrid::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &TrackIconGrid::OnDoubleClick, this);
    Bind(wxEVT_MOTION, &TrackIconGrid::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &TrackIconGrid::OnLeave, this);
    Bind(wxEVT_SIZE, &TrackIconGrid::OnSize, this);
    Bind(wxEVT_TIMER, &TrackIconGrid::OnRestTimer, this, m_restTimer.GetId());
    // The preview stands beside an icon; once the icons scroll away it would point at nothing.
    const auto scrolled = [this](wxEvent& event) {
        hidePreview();
        event.Skip();
    };
    for (const wxEventType type :
         {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
          wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
          wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
        Bind(wxEventTypeTag<wxScrollWinEvent>(type), scrolled);
    }
    Bind(wxEVT_MOUSEWHEEL, scrolled);
    layoutPass();
}

TrackIconGrid::~TrackIconGrid() {
    m_restTimer.Stop();
}

void TrackIconGrid::setHandlers(PlaceHandler dragStart, PlaceHandler doubleClick) {
    m_dragStart = std::move(dragStart);
    m_doubleClick = std::move(doubleClick);
}

void TrackIconGrid::setTextRowsEnabled(bool enabled) {
    m_textRowsEnabled = enabled;
    for (PaletteEntry& entry : m_entries) {
        if (entry.isTextRow) {
            entry.enabled = enabled;
        }
    }
    if (m_selected >= 0 && !m_entries[static_cast<size_t>(m_selected)].enabled) {
        m_selected = -1;
    }
    Refresh();
}

void TrackIconGrid::buildForSystem(int index) {
    m_entries.clear();
    m_selected = -1;
    m_hover = -1;
    hidePreview();
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (PaletteItem& item : paletteItems(index, catalog)) {
        PaletteEntry entry;
        entry.isHeader = item.kind == PaletteItem::Kind::Header;
        entry.isTextRow = item.kind == PaletteItem::Kind::TextRow;
        entry.title = std::move(item.title);
        entry.label = std::move(item.label);
        entry.article = std::move(item.article);
        entry.enabled = !entry.isTextRow || m_textRowsEnabled;
        if (item.kind == PaletteItem::Kind::Piece) {
            entry.icon = makeIcon(*catalog.byArticle(entry.article));
        }
        m_entries.push_back(std::move(entry));
    }
    // One pass at the end places the entries exactly as a pass after every append would.
    layoutPass();
    Scroll(0, 0);
}

wxBitmap TrackIconGrid::makeIcon(const PieceDef& def) {
    wxBitmap icon(kIconSize, kIconSize, 24);
    wxMemoryDC dc(icon);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    drawPaletteIcon(dc, *m_renderer, def, iconTransform(def, kIconSize, kIconSize));
    dc.SelectObject(wxNullBitmap);
    return icon;
}

std::vector<PaletteItem::Kind> TrackIconGrid::kinds() const {
    std::vector<PaletteItem::Kind> out;
    out.reserve(m_entries.size());
    for (const PaletteEntry& entry : m_entries) {
        out.push_back(entry.kind());
    }
    return out;
}

void TrackIconGrid::layoutPass() {
    const int width = GetClientSize().x;
    const PaletteGridLayout layout = layoutPaletteGrid(kinds(), width);
    m_rowTops = layout.tops;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i].column = layout.columns[i];
    }
    SetVirtualSize(layout.width, layout.height);
    Refresh();
}

int TrackIconGrid::columnCount() const {
    return paletteColumns(GetClientSize().x);
}

int TrackIconGrid::hitTest(wxPoint gridPoint) const {
    PaletteGridLayout layout;
    layout.tops = m_rowTops;
    for (const PaletteEntry& entry : m_entries) {
        layout.columns.push_back(entry.column);
    }
    return paletteHitTest(kinds(), layout, GetClientSize().x, gridPoint.x, gridPoint.y);
}

wxRect TrackIconGrid::entryRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_entries.size()) ||
        index >= static_cast<int>(m_rowTops.size())) {
        return {};
    }
    const PaletteEntry& entry = m_entries[static_cast<size_t>(index)];
    const int top = m_rowTops[static_cast<size_t>(index)];
    if (entry.isHeader || entry.isTextRow) {
        return {0, top, paletteLayoutWidth(GetClientSize().x), kRowHeight};
    }
    return {paletteColumnWidth(GetClientSize().x) * entry.column + kMargin, top, kIconSize,
            kCellPitch};
}

wxPoint TrackIconGrid::gridPoint(const wxMouseEvent& event) const {
    return CalcUnscrolledPosition(event.GetPosition());
}

void TrackIconGrid::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    const wxSize client = GetClientSize();
    const int width = paletteLayoutWidth(client.x);
    const int colw = paletteColumnWidth(client.x);
    const wxPoint origin = CalcUnscrolledPosition(wxPoint(0, 0));

    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    // Clear() covers the device; the scrolled band may reach beyond it on the first paint.
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kBackground));
    dc.DrawRectangle(origin.x, origin.y, std::max(width, client.x), client.y);

    const int bandTop = origin.y;
    const int bandBottom = origin.y + client.y;
    for (size_t i = 0; i < m_entries.size() && i < m_rowTops.size(); ++i) {
        const PaletteEntry& entry = m_entries[i];
        const int top = m_rowTops[i];
        const int height = entry.isHeader || entry.isTextRow ? kRowHeight : kCellPitch;
        if (top + height < bandTop || top > bandBottom) {
            continue;
        }
        paintEntry(dc, static_cast<int>(i), width, colw);
    }
}

void TrackIconGrid::paintEntry(wxDC& dc, int index, int width, int colw) {
    const PaletteEntry& entry = m_entries[static_cast<size_t>(index)];
    const int top = m_rowTops[static_cast<size_t>(index)];
    const bool selected = index == m_selected;
    const bool hovered = index == m_hover;
    if (entry.isHeader) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(kHeaderFill));
        dc.DrawRectangle(0, top, width, kRowHeight);
        dc.SetFont(wxFont(wxFontInfo(9).Bold()));
        dc.SetTextForeground(kHeaderText);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.DrawText("  " + wxString::FromUTF8(entry.title), 2, top + 4);
        return;
    }
    const wxColour fill = selected ? kSelectedFill : (hovered ? kHoverFill : *wxWHITE);
    if (entry.isTextRow) {
        dc.SetPen(wxPen(kRowOutline, 1));
        dc.SetBrush(wxBrush(selected ? kSelectedFill : (hovered ? kHoverFill : kRowFill)));
        dc.DrawRectangle(0, top, width, kRowHeight);
        dc.SetFont(wxFont(wxFontInfo(9)));
        dc.SetTextForeground(entry.enabled ? kText : kDisabledText);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.DrawText("  " + wxString::FromUTF8(entry.label), 4, top + 4);
        return;
    }
    const int x = colw * entry.column + kMargin;
    if (selected) {
        dc.SetPen(wxPen(kSelectedOutline, 2));
    } else {
        dc.SetPen(wxPen(hovered ? kHoverOutline : kCellOutline, 1));
    }
    dc.SetBrush(wxBrush(fill));
    dc.DrawRectangle(x, top, kIconSize, kIconSize);
    if (entry.icon.IsOk()) {
        dc.DrawBitmap(entry.icon, x, top);
    }
    dc.SetFont(wxFont(wxFontInfo(8)));
    dc.SetTextForeground(kText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString text = wxString::FromUTF8(entry.article);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, x + (kIconSize - extent.x) / 2, top + kIconSize + 2);
}

void TrackIconGrid::OnLeftDown(wxMouseEvent& event) {
    if (m_clicks.pressIsDoubleClick(event.GetTimestamp(), event.GetX(), event.GetY())) {
        OnDoubleClick(event);
        return;
    }
    const int hit = hitTest(gridPoint(event));
    if (hit >= 0) {
        m_selected = hit;
        hidePreview();
        Refresh();
    }
    event.Skip();
}

void TrackIconGrid::OnLeftUp(wxMouseEvent& event) {
    m_doubleClicked = false;
    event.Skip();
}

void TrackIconGrid::OnDoubleClick(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_LEFT_DCLICK) {
        m_clicks.doubleClicked();
    }
    const int hit = hitTest(gridPoint(event));
    if (hit < 0) {
        return;
    }
    m_selected = hit;
    m_doubleClicked = true;
    hidePreview();
    Refresh();
    if (m_doubleClick) {
        // Copy: the handler may rebuild the grid.
        const std::string article = m_entries[static_cast<size_t>(hit)].article;
        m_doubleClick(article);
    }
}

void TrackIconGrid::OnMotion(wxMouseEvent& event) {
    const int hit = hitTest(gridPoint(event));
    if (hit != m_hover) {
        m_hover = hit;
        Refresh();
    }
    updateToolTip(hit);
    hidePreview();
    if (hit >= 0 && !m_entries[static_cast<size_t>(hit)].isTextRow) {
        m_restTimer.StartOnce(kPreviewDelayMs);
    }
    if (!event.LeftIsDown()) {
        m_doubleClicked = false;
        return;
    }
    // A press that came with a double-click already placed its piece; the drag waits for release.
    if (event.Dragging() && !m_doubleClicked && m_selected >= 0 && m_dragStart) {
        const std::string article = m_entries[static_cast<size_t>(m_selected)].article;
        m_restTimer.Stop();
        m_dragStart(article);
    }
}

void TrackIconGrid::updateToolTip(int hit) {
    std::string tip;
    if (hit >= 0) {
        const PaletteEntry& entry = m_entries[static_cast<size_t>(hit)];
        if (!entry.isTextRow) {
            if (const PieceDef* def = TrackCatalog::instance().byArticle(entry.article)) {
                tip = def->name;
            }
        }
    }
    if (tip == m_toolTip) {
        return;  // setting the same tip again would restart its delay on every motion
    }
    m_toolTip = tip;
    if (tip.empty()) {
        UnsetToolTip();
    } else {
        SetToolTip(wxString::FromUTF8(tip));
    }
}

void TrackIconGrid::OnLeave(wxMouseEvent& event) {
    m_hover = -1;
    m_toolTip.clear();
    UnsetToolTip();
    hidePreview();
    Refresh();
    event.Skip();
}

void TrackIconGrid::OnSize(wxSizeEvent& event) {
    layoutPass();
    event.Skip();
}

void TrackIconGrid::OnRestTimer(wxTimerEvent&) {
    if (m_hover >= 0) {
        showPreview(m_hover);
    }
}

void TrackIconGrid::hidePreview() {
    m_restTimer.Stop();
    if (m_popup != nullptr) {
        m_popup->Hide();
    }
}

void TrackIconGrid::showPreview(int index) {
    if (m_popup == nullptr || index < 0 || index >= static_cast<int>(m_entries.size())) {
        return;
    }
    const PaletteEntry& entry = m_entries[static_cast<size_t>(index)];
    if (entry.isHeader || entry.isTextRow) {
        return;
    }
    // Beside the icon, to the right of the grid's cell, on the icon's top edge.
    const wxRect cell = entryRect(index);
    const wxPoint topRight = ClientToScreen(CalcScrolledPosition(cell.GetTopRight()));
    m_popup->showPiece(entry.article, wxPoint(topRight.x + 4, topRight.y));
}
