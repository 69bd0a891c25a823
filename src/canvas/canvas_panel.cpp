#include "canvas/canvas_panel.h"

CanvasPanel::CanvasPanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}
