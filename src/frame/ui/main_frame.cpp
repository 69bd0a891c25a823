#include "frame/ui/main_frame.h"

#include <algorithm>
#include <string>

#include <wx/display.h>
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
#include "edit/edit_guards.h"
#include "frame/command_ids.h"
#include "frame/frame_title.h"
#include "frame/ui/menu_builder.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/properties_panel.h"

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

    printData.SetOrientation(wxLANDSCAPE);
    static_assert(wxPAPER_LETTER == 1, "the print setup names paper id 1, US Letter");
    printData.SetPaperId(wxPAPER_LETTER);
    pageSetupData = wxPageSetupDialogData(printData);
    pageSetupData.SetMarginTopLeft(wxPoint(15, 15));
    pageSetupData.SetMarginBottomRight(wxPoint(15, 15));

    LoadPrefs(appPrefs());
    layout.units = static_cast<uint32_t>(unitsForCommand(unitsCommandId(appPrefs().units)));
    GetMenuBar()->Check(unitsCommandId(appPrefs().units), true);

    BindCommands();

    if (!appPrefs().asked) {
        // Deferred so that the question comes from the event loop, after the window is up.
        CallAfter(&MainFrame::ChooseExperience);
    }
}

MainFrame::~MainFrame() {
    m_editor.removeObserver(this);
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
    palette = new PalettePanel(m_outerSplit, this);
    FrameTrace("BuildPanels: palette created");

    m_innerSplit =
        new wxSplitterWindow(m_outerSplit, wxID_ANY, wxDefaultPosition, wxDefaultSize, splitStyle);
    // The canvas takes all growth when the window is resized.
    m_innerSplit->SetSashGravity(1.0);
    FrameTrace("BuildPanels: splitter created");

    canvas = new CanvasPanel(m_innerSplit, this);
    FrameTrace("BuildPanels: canvas created");
    properties = new PropertiesPanel(m_innerSplit, this);
    FrameTrace("BuildPanels: properties created");

    // A negative sash position counts from the right edge.
    m_innerSplit->SplitVertically(canvas, properties, -280);
    m_innerSplit->SetMinimumPaneSize(200);
    FrameTrace("BuildPanels: split done");

    m_outerSplit->SplitVertically(palette, m_innerSplit, 258);
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

    palette->LoadCatalogPages();
    palette->RefreshLibrary();

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
    SetTitle(
        wxString::FromUTF8(composeTitle(layout.identity.name, layout.identity.filePath, modified)));
}

void MainFrame::ChooseExperience() {
    ::ChooseExperience(this);
}

void MainFrame::MarkModified() {
    modified = true;
    UpdateTitle();
    properties->RefreshTally();
}

void MainFrame::layoutEdited(const EditNotice& notice) {
    modified = !notice.matchesFile;
    UpdateTitle();
    if (notice.documentReplaced) {
        GetMenuBar()->Check(unitsCommandId(static_cast<int>(layout.units)), true);
    }
    properties->RefreshSelection();
    properties->RefreshTally();
    SetStatusText(wxString::FromUTF8(pieceCountText(layout.pieces.size())), 1);
    RefreshViews();
}

void MainFrame::selectionChanged() {
    RefreshSidePanels();
    RefreshViews();
}

void MainFrame::RefreshSidePanels() {
    properties->RefreshSelection();
    properties->RefreshTally();
}

void MainFrame::RefreshViews() {
    canvas->RefreshCanvas();
    // The 3D window takes the layout again here once it exists; view3D stays null until then.
}

bool MainFrame::ConfirmDiscardChanges() {
    if (!modified) {
        return true;
    }
    const int answer =
        prompter().ask("Unsaved Changes", "You have unsaved changes. Save before continuing?",
                       PromptButtons::YesNoCancel, kIdYes, PromptIcon::Question);
    if (answer == kIdYes) {
        return SaveLayout(false);
    }
    return answer == kIdNo;
}

void MainFrame::SetStatusFields(const wxString& prompt, const wxString& pieces) {
    SetStatusText(prompt, 0);
    SetStatusText(pieces, 1);
}

CommandState MainFrame::commandState() const {
    CommandState state;
    state.canUndo = !layout.undoStack.empty();
    state.canRedo = !layout.redoStack.empty();
    state.hasDeletableSelection = menuDeletableSelected(layout);
    // The tunnel analysis belongs to the canvas tools; until it exists no chain qualifies.
    state.selectionIsTunnelChain = false;
    return state;
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
    event.Enable(isCommandEnabled(id, commandState()));
}

void MainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !ConfirmDiscardChanges()) {
        event.Veto();
        return;
    }
    Destroy();
}

void MainFrame::BindCommands() {
    namespace Id = CommandId;
    const auto on = [this](int id, void (MainFrame::*handler)()) {
        if (isCommandAvailable(id)) {
            Bind(
                wxEVT_MENU, [this, handler](wxCommandEvent&) { (this->*handler)(); }, id);
        }
    };
    on(Id::NewLayout, &MainFrame::NewLayout);
    on(Id::CloseLayout, &MainFrame::NewLayout);
    on(Id::OpenLayout, &MainFrame::OpenLayout);
    on(Id::ImportLayout, &MainFrame::ImportLayout);
    on(Id::ExportLayout, &MainFrame::ExportLayout);
    on(Id::SaveLibraryBlock, &MainFrame::SaveLibraryBlock);
    on(Id::PageSetup, &MainFrame::PageSetupCommand);
    on(Id::Undo, &MainFrame::UndoCommand);
    on(Id::Redo, &MainFrame::RedoCommand);
    on(Id::Delete, &MainFrame::DeleteCommand);
    on(Id::SelectAll, &MainFrame::SelectAllCommand);
    on(Id::Rectangle, &MainFrame::RectangleCommand);
    on(Id::Options, &MainFrame::ChooseExperience);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { SaveLayout(false); }, Id::Save);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { SaveLayout(true); }, Id::SaveAs);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(false); }, Id::Exit);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { canvas->ZoomIn(); }, Id::ZoomIn);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { canvas->ZoomOut(); }, Id::ZoomOut);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { canvas->ZoomToFit(); }, Id::ZoomFit);
    for (const int id : {Id::ShowGrid, Id::Snap, Id::ShowRails, Id::HideLabels}) {
        Bind(
            wxEVT_MENU, [this, id](wxCommandEvent& e) { SetViewSwitch(id, e.IsChecked()); }, id);
    }
    for (const int id : {Id::UnitsMillimetres, Id::UnitsCentimetres, Id::UnitsInches}) {
        Bind(
            wxEVT_MENU, [this, id](wxCommandEvent&) { SetUnits(unitsForCommand(id)); }, id);
    }
    on(Id::Help, &MainFrame::HelpCommand);
    on(Id::LayoutWizardHelp, &MainFrame::LayoutWizardHelpCommand);
    Bind(wxEVT_UPDATE_UI, &MainFrame::OnUpdateCommand, this);
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
}
