#pragma once
// A small borderless window beside the palette that shows one piece: its article number on top and
// a drawing of the piece below, 80 x 55 pixels. It hides itself when its top-level window loses
// focus or is deactivated.

#include <memory>
#include <string>

#include <wx/popupwin.h>

class LayoutRenderer;

class PiecePreviewPopup : public wxPopupWindow {
public:
    static constexpr int kWidth = 80;
    static constexpr int kHeight = 55;

    /// Created once, hidden, as a child of the top-level window `parent`.
    explicit PiecePreviewPopup(wxWindow* parent);
    ~PiecePreviewPopup() override;

    /// Shows `article` with the popup's top-left corner at `screenPos` (pixels). An article that
    /// is not in the catalog hides the popup instead.
    void showPiece(const std::string& article, wxPoint screenPos);
    /// The article shown last.
    const std::string& article() const { return m_article; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnParentActivate(wxActivateEvent& event);
    void OnParentFocusLost(wxFocusEvent& event);

    wxWindow* m_owner;
    std::string m_article;
    std::unique_ptr<LayoutRenderer> m_renderer;
};
