#include "canvas/canvas_panel.h"

#include "canvas/layout_renderer.h"

// Interim bodies until the canvas controller is wired in (the next commit).
CanvasPanel::CanvasPanel(wxWindow* parent, MainFrame* frame)
    : wxPanel(parent, wxID_ANY), m_frame(frame) {}
CanvasPanel::~CanvasPanel() = default;

void CanvasPanel::RefreshCanvas() {
    Refresh(false);
}
void CanvasPanel::ZoomIn() {}
void CanvasPanel::ZoomOut() {}
void CanvasPanel::ZoomToFit() {}
void CanvasPanel::ResetView(double) {}
void CanvasPanel::startPaletteDrag(const std::string&) {}
void CanvasPanel::autoConnect(const std::string&) {}
void CanvasPanel::cancelPlacement() {}
void CanvasPanel::Undo() {}
void CanvasPanel::Redo() {}
void CanvasPanel::DeleteSelection() {}
void CanvasPanel::repaint() {}
void CanvasPanel::captureMouse() {}
void CanvasPanel::releaseMouse() {}
void CanvasPanel::setCursor(CanvasCursor) {}
void CanvasPanel::setStatusText(int, const std::string&) {}
void CanvasPanel::startFlashTimer(int) {}
int CanvasPanel::showContextMenu(ScreenPoint, const std::vector<ContextMenuEntry>&) {
    return -1;
}
Prompter& CanvasPanel::prompter() {
    throw 0;
}
void CanvasPanel::documentModified() {}
void CanvasPanel::selectionChanged() {}
void CanvasPanel::takeFocus() {}
ScreenPoint CanvasPanel::clientSize() const {
    return {};
}
void CanvasPanel::setLabelDropPoint(Vec2) {}
void CanvasPanel::OnPaint(wxPaintEvent&) {}
void CanvasPanel::OnMouse(wxMouseEvent&) {}
void CanvasPanel::OnKeyDown(wxKeyEvent&) {}
void CanvasPanel::OnKeyUp(wxKeyEvent&) {}
void CanvasPanel::OnCaptureLost(wxMouseCaptureLostEvent&) {}
