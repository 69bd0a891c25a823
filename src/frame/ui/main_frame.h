#pragma once
// The program's only top-level window: it owns the layout document and the three panels (palette,
// canvas, properties) and keeps the title and the status bar. Panels and commands reach it only as
// an editor context.

#include <memory>
#include <optional>
#include <string>

#include <wx/cmndata.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include "app/prompter.h"
#include "app/recovery.h"
#include "document/layout.h"
#include "edit/layout_editor.h"
#include "frame/command_handlers.h"
#include "frame/command_table.h"
#include "frame/editor_context.h"
#include "print/print_pages.h"

class CanvasPanel;
class CheckLayoutFrame;
struct CheckResult;
class View3DFrame;
struct LayoutFileEntry;
class PalettePanel;
class PropertiesPanel;
class wxSplitterWindow;
class wxUpdateUIEvent;
class wxCloseEvent;
class wxFileHistory;

class MainFrame : public wxFrame, public CommandContext, private EditObserver {
public:
    /// Builds the window in its fixed order, tracing each step to "mainframe.log", loads the
    /// preferences and, when the experience question was never answered, queues it for the
    /// event loop.
    MainFrame();
    ~MainFrame() override;

    // EditorContext
    LayoutEditor& editor() override { return m_editor; }
    Prompter& prompter() override { return *m_prompter; }
    CanvasController& canvas() override;
    /// The layout point (mm) under the centre of the canvas window.
    Vec2 viewCentre() override;
    void showStatus(int field, const std::string& text) override;
    void labelPointChosen(Vec2 point) override;

    // CommandContext
    /// New Layout and Close Layout: after the unsaved-changes question, an empty document with
    /// one level, no name, the initial view and "Ready" / "Pieces: 0" in the status bar.
    void newLayout() override;
    /// Open Layout: after the unsaved-changes question, the list of the user folder's layouts
    /// (with Delete...); the chosen name's ".tdl" file, else its ".xml" file, is loaded.
    void openLayout() override;
    /// Save (saveAs false) or Save As into the user folder; true when the layout was written.
    /// A first Save, and every Save As, asks for the name.
    bool saveLayout(bool saveAs) override;
    /// Copies a layout file from any folder into the user folder under a chosen name, renames it
    /// inside and offers to open it.
    void importLayout() override;
    /// Copies a stored layout byte for byte into a chosen folder as name + ".tdl".
    void exportLayout() override;
    /// Saves the selected pieces and scenery as a block of the palette's track system and
    /// reloads the palette's library.
    void saveLibraryBlock() override;
    /// The standard page-setup dialog on the print data.
    void pageSetup() override;
    void print() override;
    void printPreview() override;
    /// Writes to the file the user picks; a failure is reported in "Export PDF".
    void exportPdf() override;
    /// PNG or SVG by the chosen file's extension or filter; a PNG's width is asked for.
    void exportImage() override;
    void exportPartsList() override;
    /// Applies the Layout Baseboard dialog's outline, or starts drawing one on the canvas.
    void editLayoutShape() override;
    void manageLevels() override;
    void startElevationWizard() override;
    void startBridgeWizard() override;
    void startLayoutWizard() override;
    void checkLayout() override;
    CheckLayoutFrame* checkLayoutFrame() const { return m_check.get(); }
    void showView3D() override;
    /// The open 3D window, or nullptr.
    View3DFrame* view3D() const { return m_view3D.get(); }
    void exitProgram() override;
    /// The rectangle dialog with the current units and 1000 x 600 mm.
    std::optional<RectangleSize> askRectangleSize() override;
    /// Check commands of the View menu and the labels tool.
    void setViewSwitch(int commandId, bool checked) override;
    /// Sets the display unit (0 mm, 1 cm, 2 in) and stores it in the preferences.
    void setUnits(int units) override;
    /// The program help (with the mascot when playful) and the Layout Wizard help, modal.
    void showHelp() override;
    void showLayoutWizardHelp() override;
    /// Shows the experience dialog and saves the answer in the preferences.
    void chooseExperience() override;

    PalettePanel* palettePanel() const { return m_palette; }
    CanvasPanel* canvasPanel() const { return m_canvas; }
    PropertiesPanel* propertiesPanel() const { return m_properties; }
    /// Unsaved changes exist.
    bool isModified() const { return m_modified; }
    /// File the layout was last opened from or saved to; empty if new.
    wxString filePath() const { return wxString::FromUTF8(m_layout.identity.filePath); }
    /// The layout's name.
    wxString layoutName() const { return wxString::FromUTF8(m_layout.identity.name); }
    /// The print settings: landscape, paper id 1 (US Letter), 15 mm margins all round.
    const wxPrintData& printData() const { return m_printData; }
    const wxPageSetupDialogData& pageSetupData() const { return m_pageSetupData; }

    /// Recomputes the window title from the layout's name, file and the modified state.
    void UpdateTitle();
    /// Sets the modified state, updates the title and recounts the piece tally (every commit
    /// does this).
    void MarkModified();
    /// After a selection change: the properties panel's selection view and the tally.
    void RefreshSidePanels();
    /// Repaints the canvas and hands the layout to the 3D window when it is open.
    void RefreshViews();
    /// The unsaved-changes question; true when the caller may go on (saved, or changes dropped).
    bool ConfirmDiscardChanges();

    /// Reads the layout file at `path` (full path) into the document and shows it: title, Units
    /// item, view (fitted, or zoom 1 for Z-Track layouts), tally, palette system and status
    /// fields. A file that cannot be read is reported in "Open Failed" and changes nothing.
    bool LoadLayoutFile(const wxString& path);
    /// The same for a path in the file system's own bytes, which need not be UTF-8.
    bool LoadLayoutPath(const std::string& path);

    /// The layouts opened or saved last, newest first, as "Open Recent" lists them.
    const wxFileHistory& recentFiles() const { return *m_recent; }

    /// The exports after their file dialogs: the picture (PNG with the width asked for, or SVG,
    /// see pictureTarget) and the parts list written to the chosen file; errors are reported.
    /// True when the file was written.
    bool ExportImageTo(const std::string& chosenPath, int filterIndex);
    bool ExportPartsListTo(const std::string& chosenPath);

    /// What the enable rules need to know about the document now.
    CommandState commandState() { return commandStateOf(*this); }
    /// Runs the enable rules over the menu bar and the toolbar at once (normally done when idle
    /// and when a menu opens).
    void UpdateCommandStates();

    /// At start: when a recovery copy of unsaved work was left by a run that did not end
    /// properly, asks whether to restore it; Yes loads it as the unsaved layout it was, No
    /// discards the copy.
    void OfferRecovery();
    /// At start: once the window has been painted, opens `path` (when not empty) and then offers
    /// the recovery copy, so a big file never keeps the window from showing.
    void OpenAtStart(const wxString& path);
    /// Where the recovery copies go (tests point it into their private folder).
    const std::string& recoveryFolder() const { return m_recoveryFolder; }

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
    /// Binds every row of the table that has a handler, the update-UI rules and the close event.
    void BindCommands();
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnClose(wxCloseEvent& event);
    /// Marks the findings on the plan and in the 3D view (nullptr: no marks).
    void markFindings(const CheckResult* result, int selected);
    // frame_recovery.cpp: the recovery copy follows the edits and the minute timer.
    void StartAutosave();
    void KeepRecoveryCopy();
    void DropRecoveryCopy();
    /// Delete... of the Open list: asks, deletes the file and forgets it as the open file; true
    /// when the file is gone.
    bool DeleteLayoutEntry(const LayoutFileEntry& entry);
    /// Writes the document to its file under its name; reports "Save Failed" on an error.
    bool WriteToFilePath();
    /// Reads the recent-files list of earlier runs into "Open Recent" and binds its entries.
    void SetUpRecentFiles();
    /// Puts `path` at the top of the recent files and stores the list for the next run.
    void RememberRecentFile(const wxString& path);
    void SaveRecentFiles();
    /// An entry of "Open Recent": a file that is gone leaves the list with a message; otherwise
    /// the file is opened after the unsaved-changes question.
    void OnRecentFile(wxCommandEvent& event);

    // Owned by the window tree; created in BuildPanels.
    PalettePanel* m_palette = nullptr;
    CanvasPanel* m_canvas = nullptr;
    PropertiesPanel* m_properties = nullptr;

    ::Layout m_layout;  ///< the document (qualified: wxWindow has a Layout())
    bool m_modified = false;
    wxPrintData m_printData;
    wxPageSetupDialogData m_pageSetupData;
    PrintOptions m_printOptions;      ///< the options last chosen, for the whole run
    wxWeakRef<View3DFrame> m_view3D;  ///< cleared by the toolkit when the window closes
    wxWeakRef<CheckLayoutFrame> m_check;  ///< the findings list while it is open
    AutosavePolicy m_autosave;
    wxTimer m_autosaveTimer;
    wxTimer m_startTimer;
    static constexpr int kStartOpenFallbackMs = 1500;
    std::string m_recoveryFolder;

    LayoutEditor m_editor{m_layout};
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<wxFileHistory> m_recent;
    wxSplitterWindow* m_outerSplit = nullptr;
    wxSplitterWindow* m_innerSplit = nullptr;
};
