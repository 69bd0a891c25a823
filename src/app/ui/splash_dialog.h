#pragma once
// The start-up splash window of "Keep it Playful" mode: a painted picture, the maker's link and a
// button to go on.

#include <cstddef>

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/panel.h>

class wxButton;
class wxDC;
class wxHyperlinkCtrl;
class wxStaticText;

/// Decodes JPEG bytes; an invalid image when they do not decode.
wxImage decodeJpeg(const unsigned char* data, std::size_t size);

/// The 900 x 600 pixel picture panel of the splash window.
class SplashPanel : public wxPanel {
public:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 600;

    /// `background` is scaled once to 900 x 600; an invalid image gives the plain dark panel with
    /// the program's name. `mascot` (scaled to 120 x 160) is drawn only when `showMascot`.
    SplashPanel(wxWindow* parent, const wxImage& background, const wxImage& mascot,
                bool showMascot);

    /// Draws the panel's content into `dc` (client coordinates, pixels).
    void render(wxDC& dc) const;

private:
    wxBitmap m_background;
    wxBitmap m_mascot;
    bool m_showMascot;
};

class SplashDialog : public wxDialog {
public:
    /// The splash window over `parent`, with the built-in pictures; the mascot when `playful`.
    SplashDialog(wxWindow* parent, bool playful);

    SplashPanel* picture() const { return m_picture; }
    wxStaticText* byline() const { return m_byline; }
    wxHyperlinkCtrl* makerLink() const { return m_link; }
    wxButton* doneButton() const { return m_done; }

private:
    void onKeyDown(wxKeyEvent& event);

    SplashPanel* m_picture = nullptr;
    wxStaticText* m_byline = nullptr;
    wxHyperlinkCtrl* m_link = nullptr;
    wxButton* m_done = nullptr;
};
