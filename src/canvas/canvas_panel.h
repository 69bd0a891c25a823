#pragma once
// The plan view in the middle of the main window. So far only the empty panel that the main window
// lays out.

#include <wx/panel.h>

class MainFrame;

class CanvasPanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `frame`.
    CanvasPanel(wxWindow* parent, MainFrame* frame);

    /// Repaints the plan (erasing the background).
    void RefreshCanvas();
    /// Menu zoom about the window centre: 1.25 in, 0.8 out.
    void ZoomIn();
    void ZoomOut();
    /// Fits the whole layout into the window.
    void ZoomToFit();
    /// Zoom `zoom` with the layout origin at (60, 60) pixels.
    void ResetView(double zoom);

private:
    MainFrame* m_frame;
};
