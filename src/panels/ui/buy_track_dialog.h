#pragma once
// "Buy Track - How it works": a picture and a few lines on what the Buy Track button does, a link
// to the shop and a button that closes the window. It floats over the main window without
// blocking it and destroys itself when closed.

#include <wx/dialog.h>

class BuyTrackDialog : public wxDialog {
public:
    /// Outer size in pixels; the window cannot be resized.
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 840;
    /// Size the picture is shown at.
    static constexpr int kPictureWidth = 450;
    static constexpr int kPictureHeight = 510;

    /// The window over `parent`, not yet shown.
    explicit BuyTrackDialog(wxWindow* parent);

    /// Whether the picture decoded and is shown.
    bool hasPicture() const { return m_hasPicture; }

private:
    bool m_hasPicture = false;
};
