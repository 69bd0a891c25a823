#include "canvas/canvas_panel.h"

CanvasPanel::CanvasPanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}

// Interim bodies until the canvas controller is wired in.
void CanvasPanel::RefreshCanvas() { Refresh(true); }
void CanvasPanel::ZoomIn() {}
void CanvasPanel::ZoomOut() {}
void CanvasPanel::ZoomToFit() {}
void CanvasPanel::ResetView(double) {}
