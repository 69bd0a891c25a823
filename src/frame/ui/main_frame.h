#pragma once
// The program's only top-level window: it owns the layout document and the three panels (palette,
// canvas, properties) and keeps the title and the status bar.

#include <memory>

#include <wx/cmndata.h>
#include <wx/frame.h>

#include "app/prompter.h"
#include "document/layout.h"
#include "edit/layout_editor.h"
#include "frame/command_table.h"

class CanvasPanel;
struct LayoutFileEntry;
class PalettePanel;
class PropertiesPanel;
class View3DFrame;
class wxSplitterWindow;
class wxUpdateUIEvent;
class wxCloseEvent;

class MainFrame : public wxFrame, private EditObserver {
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
    bool modified = false;  ///< unsaved changes exist

    /// The one door for changes to `layout`; the frame observes its commits.
    LayoutEditor& editor() { return m_editor; }
    /// File the layout was last opened from or saved to; empty if new.
    wxString filePath() const { return wxString::FromUTF8(layout.identity.filePath); }
    /// The layout's name.
    wxString layoutName() const { return wxString::FromUTF8(layout.identity.name); }
    View3DFrame* view3D = nullptr;  ///< the open 3D window, if any

    wxPrintData printData;                ///< landscape, paper id 1 (US Letter)
    wxPageSetupDialogData pageSetupData;  ///< from printData with 15 mm margins all round

    /// Recomputes the window title from layoutName, filePath and modified.
    void UpdateTitle();

    /// Sets `modified`, updates the title and recounts the piece tally (every commit does this).
    void MarkModified();
    /// After a selection change: the properties panel's selection view and the tally.
    void RefreshSidePanels();
    /// Repaints the canvas and hands the layout to the 3D window when it is open.
    void RefreshViews();
    /// Places a helix of `variant` centred on `centre` (layout mm) with its four end pieces.
    void placeHelix(Vec2 centre, const std::string& variant);
    /// The layout point (mm) under the centre of the canvas window.
    Vec2 CanvasCentreInLayout() const;
    /// The unsaved-changes question; true when the caller may go on (saved, or changes dropped).
    bool ConfirmDiscardChanges();

    /// Shows the experience dialog and saves the answer in the preferences.
    void ChooseExperience();

    /// Reads the layout file at `path` (full path) into the document and shows it: title, Units
    /// item, view (fitted, or zoom 1 for Z-Track layouts), tally, palette system and status
    /// fields. A file that cannot be read is reported in "Open Failed" and changes nothing.
    bool LoadLayoutFile(const wxString& path);
    /// The same for a path in the file system's own bytes, which need not be UTF-8.
    bool LoadLayoutPath(const std::string& path);
    /// Open Layout: after the unsaved-changes question, the list of the user folder's layouts
    /// (with Delete...); the chosen name's ".tdl" file, else its ".xml" file, is loaded.
    void OpenLayout();
    /// Saves the selected pieces and scenery as a block of the palette's track system and
    /// reloads the palette's library.
    void SaveLibraryBlock();
    /// Copies a layout file from any folder into the user folder under a chosen name, renames it
    /// inside and offers to open it.
    void ImportLayout();
    /// Copies a stored layout byte for byte into a chosen folder as name + ".tdl".
    void ExportLayout();
    /// Save (saveAs false) or Save As into the user folder; true when the layout was written.
    /// A first Save, and every Save As, asks for the name.
    bool SaveLayout(bool saveAs);

    /// New Layout and Close Layout: after the unsaved-changes question, an empty document with
    /// one level, no name, the initial view and "Ready" / "Pieces: 0" in the status bar.
    void NewLayout();
    /// Undo and Redo on the document, then repaint and mark it modified.
    void UndoCommand();
    void RedoCommand();
    /// Delete with its helix and tunnel locks and the graded-piece question.
    void DeleteCommand();
    /// Selects every piece and scenery item.
    void SelectAllCommand();
    /// Asks for a size and adds a rectangle shape centred in the canvas window.
    void RectangleCommand();
    /// Sets the display unit (0 mm, 1 cm, 2 in) and stores it in the preferences.
    void SetUnits(int units);
    /// The standard page-setup dialog on pageSetupData and printData.
    void PageSetupCommand();
    /// The program help (with the mascot when playful) and the Layout Wizard help, modal.
    void HelpCommand();
    void LayoutWizardHelpCommand();

    /// What the enable rules need to know about the document now.
    CommandState commandState() const;
    /// Runs the enable rules over the menu bar and the toolbar at once (normally done when idle
    /// and when a menu opens).
    void UpdateCommandStates();

    /// Message boxes and questions of the frame and its panels go through this.
    Prompter& prompter() { return *m_prompter; }
    /// Replaces the prompter (tests install a scripted one).
    void setPrompter(std::unique_ptr<Prompter> prompter) { m_prompter = std::move(prompter); }

    wxSplitterWindow* outerSplitter() const { return m_outerSplit; }
    wxSplitterWindow* innerSplitter() const { return m_innerSplit; }

private:
    // EditObserver: title, star, tally, selection view, piece count and views follow every commit.
    void layoutEdited(const EditNotice& notice) override;
    void selectionChanged() override;
    void BuildPanels();
    void FitToDisplay();
    /// Binds every available command of the table to its handler, the update-UI rules and the
    /// close event.
    void BindCommands();
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnClose(wxCloseEvent& event);
    /// Delete... of the Open list: asks, deletes the file and forgets it as the open file; true
    /// when the file is gone.
    bool DeleteLayoutEntry(const LayoutFileEntry& entry);
    /// Writes the document to filePath under layoutName; reports "Save Failed" on an error.
    bool WriteToFilePath();
    /// Check commands of the View menu and the labels tool.
    void SetViewSwitch(int id, bool checked);
    void SetStatusFields(const wxString& prompt, const wxString& pieces);

    LayoutEditor m_editor{layout};
    std::unique_ptr<Prompter> m_prompter;
    wxSplitterWindow* m_outerSplit = nullptr;
    wxSplitterWindow* m_innerSplit = nullptr;
};
