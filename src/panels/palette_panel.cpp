#include "panels/palette_panel.h"

PalettePanel::PalettePanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}
