#include "panels/properties_panel.h"

PropertiesPanel::PropertiesPanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}
