#pragma once
// The palette on the left of the main window: track systems, catalog pieces and library blocks.
// So far only the empty panel that the main window lays out.

#include <wx/panel.h>

class MainFrame;

class PalettePanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `frame`.
    PalettePanel(wxWindow* parent, MainFrame* frame);

    /// Fills the catalog pages for the current track system.
    void LoadCatalogPages();
    /// Re-reads the library blocks of the current track system.
    void RefreshLibrary();
    /// Chooses the track system of the layout's pieces (the first known piece decides).
    void SelectSystemFromLayout();

private:
    MainFrame* m_frame;
};
