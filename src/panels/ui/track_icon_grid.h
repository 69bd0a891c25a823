#pragma once
// The first page of the palette: a vertically scrolled grid of group headers, piece icons (80 x 80
// pixels with the article number beneath) and full-width text rows for the helix variants. It turns
// presses, drags and double-clicks into placement requests handed to its owner.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/scrolwin.h>
#include <wx/timer.h>

#include "canvas/ui/wx_double_click.h"
#include "panels/palette_groups.h"

class LayoutRenderer;
class PiecePreviewPopup;
struct PieceDef;

/// One grid entry: a header, a text row, or a piece cell with its icon.
struct PaletteEntry {
    bool isHeader = false;
    bool isTextRow = false;
    std::string title;    ///< header: the group name
    std::string label;    ///< text row: its text
    std::string article;  ///< catalog article, or "@helix:" + variant key
    wxBitmap icon;        ///< piece entries only, 80 x 80 pixels
    int column = 0;       ///< set by the layout pass
    bool enabled = true;  ///< a disabled entry is drawn greyed and never hit

    PaletteItem::Kind kind() const;
};

/// Draws `def` at heading 0 with every connector open into `dc` as `transform` says (pixels per
/// mm and the pixel position of the piece origin), through the plan's piece drawing.
void drawPaletteIcon(wxDC& dc, LayoutRenderer& renderer, const PieceDef& def,
                     const IconTransform& transform);

class TrackIconGrid : public wxScrolledWindow {
public:
    /// Places a piece ("@helix:" + key for a helix variant).
    using PlaceHandler = std::function<void(const std::string& article)>;

    explicit TrackIconGrid(wxWindow* parent);
    ~TrackIconGrid() override;

    /// What a drag out of the grid and a double-click on an entry do.
    void setHandlers(PlaceHandler dragStart, PlaceHandler doubleClick);
    /// The popup hidden on every press, double-click, motion and leave, and shown beside an icon
    /// the mouse rests on.
    void setPreviewPopup(PiecePreviewPopup* popup) { m_popup = popup; }

    /// Enables or disables the helix rows (kept over rebuilds).
    void setTextRowsEnabled(bool enabled);

    /// Rebuilds the entries for choice index `index`; selection and hover are lost.
    void buildForSystem(int index);
    /// Places the entries for the current client width and repaints.
    void layoutPass();

    /// Entry under a point in unscrolled grid pixels, or -1 (headers are never hit).
    int hitTest(wxPoint gridPoint) const;
    /// Icon columns of the current layout.
    int columnCount() const;
    /// Rectangle of entry `index` in unscrolled grid pixels (a cell: its 80 x 102 band).
    wxRect entryRect(int index) const;

    const std::vector<PaletteEntry>& entries() const { return m_entries; }
    const std::vector<int>& rowTops() const { return m_rowTops; }
    int selectedEntry() const { return m_selected; }
    int hoverEntry() const { return m_hover; }
    bool doubleClickFlag() const { return m_doubleClicked; }

    /// Shows the preview of the piece entry `index` beside its icon (nothing for other entries).
    void showPreview(int index);

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnRestTimer(wxTimerEvent& event);

    wxPoint gridPoint(const wxMouseEvent& event) const;
    std::vector<PaletteItem::Kind> kinds() const;
    wxBitmap makeIcon(const PieceDef& def);
    void hidePreview();
    void updateToolTip(int hit);
    void paintEntry(wxDC& dc, int index, int width, int colw);

    std::vector<PaletteEntry> m_entries;
    std::vector<int> m_rowTops;
    int m_selected = -1;
    int m_hover = -1;
    bool m_doubleClicked = false;
    DoubleClickRecovery m_clicks{desktopDoubleClickRecovery(this)};
    std::string m_toolTip;
    bool m_textRowsEnabled = true;

    PlaceHandler m_dragStart;
    PlaceHandler m_doubleClick;
    PiecePreviewPopup* m_popup = nullptr;
    wxTimer m_restTimer;
    std::unique_ptr<LayoutRenderer> m_renderer;
};
