#include "frame/ui/main_frame.h"

#include <algorithm>
#include <set>
#include <string>

#include <wx/display.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/app_info.h"
#include "app/prefs.h"
#include "app/ui/app_paths.h"
#include "app/ui/experience_dialog.h"
#include "app/ui/wx_prompter.h"
#include "canvas/ui/canvas_panel.h"
#include "tools/ui/check_layout_frame.h"
#include "edit/edit_guards.h"
#include "frame/command_ids.h"
#include "frame/frame_title.h"
#include "frame/ui/menu_builder.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/properties_panel.h"
#include "view3d/ui/view3d_frame.h"

namespace {

constexpr int kFrameWidth = 1400;
constexpr int kFrameHeight = 900;

}  // namespace

MainFrame::MainFrame()
    : wxFrame(nullptr, wxID_ANY, kAppTitle, wxDefaultPosition, wxSize(kFrameWidth, kFrameHeight)),
      m_prompter(std::make_unique<WxPrompter>(this)) {
    FrameTrace("A: wxFrame base constructed");

    // Menus and tools come from the command table; the two steps stay apart so that the trace
    // shows which one failed.
    SetMenuBar(BuildCommandMenuBar());
    FrameTrace("B: MenuBar done");

    FillCommandToolBar(CreateToolBar(kCommandToolBarStyle));
    InstallZoomKeys(this);
    FrameTrace("C: ToolBar done");

    BuildPanels();
    m_editor.addObserver(this);
    FrameTrace("D: Panels done");

    CreateStatusBar(3);
    SetStatusText("Ready", 0);
    SetStatusText(wxString::FromUTF8(pieceCountText(0)), 1);
    SetStatusText("x: 0  y: 0 mm", 2);
    FrameTrace("E: StatusBar done");

    FitToDisplay();
    FrameTrace("F: MainFrame constructor complete");

    m_printData.SetOrientation(wxLANDSCAPE);
    static_assert(wxPAPER_LETTER == 1, "the print setup names paper id 1, US Letter");
    m_printData.SetPaperId(wxPAPER_LETTER);
    m_pageSetupData = wxPageSetupDialogData(m_printData);
    m_pageSetupData.SetMarginTopLeft(wxPoint(15, 15));
    m_pageSetupData.SetMarginBottomRight(wxPoint(15, 15));

    LoadPrefs(appPrefs());
    m_layout.units = static_cast<uint32_t>(unitsForCommand(unitsCommandId(appPrefs().units)));
    GetMenuBar()->Check(unitsCommandId(appPrefs().units), true);

    BindCommands();
    SetUpRecentFiles();
    StartAutosave();

    if (!appPrefs().asked) {
        // Deferred so that the question comes from the event loop, after the window is up.
        CallAfter(&MainFrame::chooseExperience);
    }
}

MainFrame::~MainFrame() {
    m_editor.removeObserver(this);
    // The findings list takes its marks off the canvas as it goes, so it goes before the canvas.
    delete m_check.get();
    // The panels observe the editor too; they go while it still exists.
    DestroyChildren();
}

void MainFrame::BuildPanels() {
    FrameTrace("BuildPanels: start");
    auto* root = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTAB_TRAVERSAL | wxNO_BORDER);
    FrameTrace("BuildPanels: root panel created");
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);

    const long splitStyle = wxSP_LIVE_UPDATE | wxSP_3DSASH | wxSP_NOBORDER;
    m_outerSplit =
        new wxSplitterWindow(root, wxID_ANY, wxDefaultPosition, wxDefaultSize, splitStyle);
    m_outerSplit->SetSashGravity(0.0);
    m_palette = new PalettePanel(m_outerSplit, *this);
    FrameTrace("BuildPanels: palette created");

    m_innerSplit =
        new wxSplitterWindow(m_outerSplit, wxID_ANY, wxDefaultPosition, wxDefaultSize, splitStyle);
    // The canvas takes all growth when the window is resized.
    m_innerSplit->SetSashGravity(1.0);
    FrameTrace("BuildPanels: splitter created");

    m_canvas = new CanvasPanel(m_innerSplit, *this);
    FrameTrace("BuildPanels: canvas created");
    m_properties = new PropertiesPanel(m_innerSplit, *this);
    FrameTrace("BuildPanels: properties created");

    // A negative sash position counts from the right edge.
    m_innerSplit->SplitVertically(m_canvas, m_properties, -280);
    m_innerSplit->SetMinimumPaneSize(200);
    FrameTrace("BuildPanels: split done");

    m_outerSplit->SplitVertically(m_palette, m_innerSplit, 258);
    m_outerSplit->SetMinimumPaneSize(150);
    FrameTrace("BuildPanels: adding to sizer");

    sizer->Add(m_outerSplit, 1, wxEXPAND);
    FrameTrace("BuildPanels: outerSplit added");
    root->SetSizer(sizer);
    FrameTrace("BuildPanels: sizer set");
    root->Layout();
    FrameTrace("BuildPanels: layout done");

    // Old releases kept user files beside the program; bring them over before the palette lists
    // the library.
    MigrateLegacyUserFiles();

    m_palette->LoadCatalogPages();
    m_palette->RefreshLibrary();

    UpdateTitle();
    FrameTrace("BuildPanels: palette populated");
}

void MainFrame::FitToDisplay() {
    int index = wxDisplay::GetFromWindow(this);
    if (index == wxNOT_FOUND) {
        index = 0;
    }
    const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
    const wxSize size(std::min(kFrameWidth, area.width), std::min(kFrameHeight, area.height));
    SetSize(size);
    SetPosition(wxPoint(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2));
}

void MainFrame::UpdateTitle() {
    SetTitle(wxString::FromUTF8(
        composeTitle(m_layout.identity.name, m_layout.identity.filePath, m_modified)));
}

void MainFrame::chooseExperience() {
    ::ChooseExperience(this);
}

void MainFrame::MarkModified() {
    m_modified = true;
    UpdateTitle();
    m_properties->RefreshTally();
}

void MainFrame::layoutEdited(const EditNotice& notice) {
    m_modified = !notice.matchesFile;
    if (notice.matchesFile) {
        DropRecoveryCopy();
    } else if (m_autosave.edited()) {
        KeepRecoveryCopy();
    }
    UpdateTitle();
    if (notice.documentReplaced) {
        GetMenuBar()->Check(unitsCommandId(static_cast<int>(m_layout.units)), true);
    }
    m_properties->RefreshSelection();
    m_properties->RefreshTally();
    SetStatusText(wxString::FromUTF8(pieceCountText(m_layout.pieces.size())), 1);
    RefreshViews();
}

void MainFrame::selectionChanged() {
    RefreshSidePanels();
    RefreshViews();
}

void MainFrame::RefreshSidePanels() {
    m_properties->RefreshSelection();
    m_properties->RefreshTally();
}

void MainFrame::RefreshViews() {
    // The 3D window follows the editor's commits by itself.
    m_canvas->RefreshCanvas();
}

void MainFrame::showView3D() {
    if (m_view3D) {
        m_view3D->Raise();
        return;
    }
    m_view3D = openView3D(this, m_editor);
    if (m_check) {
        markFindings(&m_check->result(), -1);
    }
}

bool MainFrame::ConfirmDiscardChanges() {
    if (!m_modified) {
        return true;
    }
    const int answer =
        prompter().ask("Unsaved Changes", "You have unsaved changes. Save before continuing?",
                       PromptButtons::YesNoCancel, kIdYes, PromptIcon::Question);
    if (answer == kIdYes) {
        return saveLayout(false);
    }
    return answer == kIdNo;
}

void MainFrame::UpdateCommandStates() {
    DoMenuUpdates();
    GetToolBar()->UpdateWindowUI(wxUPDATE_UI_NONE);
}

void MainFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    const int id = event.GetId();
    if (!commandPlace(id).has_value()) {
        event.Skip();  // a control of a panel, not a command
        return;
    }
    const CommandState state = commandState();
    event.Enable(isCommandEnabled(id, state));
    // A tool button stays down exactly while its tool is the canvas's.
    if (const std::optional<bool> checked = isCommandChecked(id, state)) {
        event.Check(*checked);
    }
    if (id == CommandId::Tunnel) {
        // The tool says what a click on it does: lay a tunnel, or remove the one selected.
        const wxString label =
            wxString::FromUTF8(std::string(tunnelToolLabel(state.selectionInTunnel)));
        wxToolBarToolBase* tool = GetToolBar()->FindById(id);
        if (tool != nullptr && tool->GetLabel() != label) {
            tool->SetLabel(label);
            GetToolBar()->Realize();
        }
    }
}

void MainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !ConfirmDiscardChanges()) {
        event.Veto();
        return;
    }
    // Saved or discarded: either way the user has decided about the changes.
    DropRecoveryCopy();
    Destroy();
}

void MainFrame::BindCommands() {
    // A command with rows in the menu and on the toolbar is bound once.
    std::set<int> bound;
    for (const CommandEntry& row : commandTable()) {
        if (row.handler == nullptr || !row.available || !bound.insert(row.id).second) {
            continue;
        }
        Bind(
            wxEVT_MENU,
            [this](wxCommandEvent& event) {
                runCommand(*this, {event.GetId(), event.IsChecked()});
            },
            row.id);
    }
    Bind(wxEVT_UPDATE_UI, &MainFrame::OnUpdateCommand, this);
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
}

CanvasController& MainFrame::canvas() {
    return m_canvas->controller();
}

void MainFrame::showStatus(int field, const std::string& text) {
    wxStatusBar* bar = GetStatusBar();
    if (bar != nullptr && field < bar->GetFieldsCount()) {
        bar->SetStatusText(wxString::FromUTF8(text), field);
    }
}

void MainFrame::labelPointChosen(Vec2 point) {
    // "Add Label" on the properties panel places the next label here.
    m_properties->SetPendingLabelPoint(point.x, point.y);
}

void MainFrame::exitProgram() {
    Close(false);
}
