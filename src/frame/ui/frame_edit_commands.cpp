// The window's side of the edit commands: the Rectangle tool's size dialog and the view centre.
// The commands themselves are in frame/command_handlers.cpp.
#include "canvas/canvas_view.h"
#include "canvas/ui/canvas_panel.h"
#include "dialogs/rectangle_shape.h"
#include "dialogs/ui/rectangle_dialog.h"
#include "frame/ui/main_frame.h"

std::optional<RectangleSize> MainFrame::askRectangleSize() {
    RectangleDialog dialog(this, unitsFromInt(static_cast<int>(m_layout.units)),
                           kRectangleDefaultWidth, kRectangleDefaultHeight, prompter());
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return RectangleSize{dialog.widthMm(), dialog.heightMm()};
}

Vec2 MainFrame::viewCentre() {
    const wxSize size = m_canvas->GetClientSize();
    return m_canvas->view().screenToWorld(size.x / 2, size.y / 2);
}
