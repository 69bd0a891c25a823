#pragma once
// The palette on the left of the main window: track systems, catalog pieces and library blocks.
// So far only the empty panel that the main window lays out.

#include <wx/panel.h>

class MainFrame;

class PalettePanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `frame`.
    PalettePanel(wxWindow* parent, MainFrame* frame);

private:
    MainFrame* m_frame;
};
