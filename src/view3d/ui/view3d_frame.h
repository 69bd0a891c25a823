#pragma once
// The 3D window: a top-level frame with the GL canvas and a status bar naming the controls. It
// observes the editor and rebuilds its scene on every committed edit, undo and redo.

#include <wx/frame.h>

#include "edit/layout_editor.h"

class TrackGLCanvas;

class View3DFrame : public wxFrame, public EditObserver {
public:
    /// Builds the scene from the editor's layout and shows the window.
    View3DFrame(wxWindow* parent, LayoutEditor& editor);
    ~View3DFrame() override;

    TrackGLCanvas* canvas() const { return m_canvas; }

    void layoutEdited(const EditNotice& notice) override;

private:
    LayoutEditor& m_editor;
    TrackGLCanvas* m_canvas = nullptr;
};

/// Opens a 3D window on the editor's layout, owned by `parent` as every top-level child is.
View3DFrame* openView3D(wxWindow* parent, LayoutEditor& editor);
