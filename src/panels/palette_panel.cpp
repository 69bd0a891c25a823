#include "panels/palette_panel.h"

PalettePanel::PalettePanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}

// Interim bodies until the palette pages are built.
void PalettePanel::LoadCatalogPages() {}
void PalettePanel::RefreshLibrary() {}
void PalettePanel::SelectSystemFromLayout() {}
