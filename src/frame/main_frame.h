#pragma once
// The program's only top-level window: it owns the layout document and the three panels (palette,
// canvas, properties) and keeps the title and the status bar.

#include <memory>

#include <wx/cmndata.h>
#include <wx/frame.h>

#include "app/prompter.h"
#include "document/layout.h"

class CanvasPanel;
class PalettePanel;
class PropertiesPanel;
class View3DFrame;
class wxSplitterWindow;

class MainFrame : public wxFrame {
public:
    /// Builds the window in its fixed order, tracing each step to "mainframe.log", loads the
    /// preferences and, when the experience question was never answered, queues it for the
    /// event loop.
    MainFrame();
    ~MainFrame() override;

    // Owned by the window tree; created in BuildPanels.
    PalettePanel* palette = nullptr;
    CanvasPanel* canvas = nullptr;
    PropertiesPanel* properties = nullptr;

    ::Layout layout;        ///< the document (the class name is qualified: wxWindow has a Layout())
    wxString filePath;      ///< file the layout was last opened from or saved to; empty if new
    wxString layoutName;    ///< the layout's name
    bool modified = false;  ///< unsaved changes exist
    View3DFrame* view3D = nullptr;  ///< the open 3D window, if any

    wxPrintData printData;                ///< landscape, paper id 1 (US Letter)
    wxPageSetupDialogData pageSetupData;  ///< from printData with 15 mm margins all round

    /// Recomputes the window title from layoutName, filePath and modified.
    void UpdateTitle();

    /// After every edit: sets `modified`, updates the title and recounts the piece tally.
    void MarkModified();
    /// After a selection change: the properties panel's selection view and the tally.
    void RefreshSidePanels();
    /// Repaints the canvas and hands the layout to the 3D window when it is open.
    void RefreshViews();
    /// The unsaved-changes question; true when the caller may go on (saved, or changes dropped).
    bool ConfirmDiscardChanges();

    /// Shows the experience dialog and saves the answer in the preferences.
    void ChooseExperience();

    /// Message boxes and questions of the frame and its panels go through this.
    Prompter& prompter() { return *m_prompter; }
    /// Replaces the prompter (tests install a scripted one).
    void setPrompter(std::unique_ptr<Prompter> prompter) { m_prompter = std::move(prompter); }

    wxSplitterWindow* outerSplitter() const { return m_outerSplit; }
    wxSplitterWindow* innerSplitter() const { return m_innerSplit; }

private:
    void BuildPanels();
    void FitToDisplay();

    std::unique_ptr<Prompter> m_prompter;
    wxSplitterWindow* m_outerSplit = nullptr;
    wxSplitterWindow* m_innerSplit = nullptr;
};
