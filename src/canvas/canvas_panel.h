#pragma once
// The plan view in the middle of the main window. So far only the empty panel that the main window
// lays out.

#include <wx/panel.h>

class MainFrame;

class CanvasPanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `frame`.
    CanvasPanel(wxWindow* parent, MainFrame* frame);

private:
    MainFrame* m_frame;
};
