#include "panels/properties_panel.h"

PropertiesPanel::PropertiesPanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}

// Interim bodies until the selection view and the tally are built.
void PropertiesPanel::RefreshSelection() {}
void PropertiesPanel::RefreshTally() {}
