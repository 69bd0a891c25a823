#pragma once
// The properties panel on the right of the main window: the selection's properties and the piece
// tally. So far only the empty panel that the main window lays out.

#include <wx/panel.h>

class MainFrame;

class PropertiesPanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `frame`.
    PropertiesPanel(wxWindow* parent, MainFrame* frame);

    /// Shows the current selection's properties.
    void RefreshSelection();
    /// Recounts and shows the piece tally.
    void RefreshTally();

private:
    MainFrame* m_frame;
};
