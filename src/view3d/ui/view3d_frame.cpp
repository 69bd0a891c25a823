#include "view3d/ui/view3d_frame.h"

#include <wx/sizer.h>

#include "view3d/ui/track_gl_canvas.h"

View3DFrame::View3DFrame(wxWindow* parent, LayoutEditor& editor)
    : wxFrame(parent, wxID_ANY, "3D View - Railvane", wxDefaultPosition, wxSize(1000, 700)),
      m_editor(editor) {
    CreateStatusBar(1);
    SetStatusText("Left drag: rotate  |  Right drag: pan  |  Scroll: zoom  |  R: reset view");
    m_canvas = new TrackGLCanvas(this, editor.layout(), editor.catalog());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_canvas, 1, wxEXPAND);
    SetSizer(sizer);
    m_editor.addObserver(this);
    Show();
}

View3DFrame::~View3DFrame() {
    m_editor.removeObserver(this);
}

void View3DFrame::layoutEdited(const EditNotice& /*notice*/) {
    m_canvas->rebuild(m_editor.layout());
}

View3DFrame* openView3D(wxWindow* parent, LayoutEditor& editor) {
    return new View3DFrame(parent, editor);
}
