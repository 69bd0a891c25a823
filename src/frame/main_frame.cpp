#include "frame/main_frame.h"

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
#include "app/app_paths.h"
#include "app/experience_dialog.h"
#include "app/prefs.h"
#include "app/wx_prompter.h"
#include "canvas/canvas_panel.h"
#include "frame/frame_title.h"
#include "panels/palette_panel.h"
#include "panels/properties_panel.h"

namespace {

constexpr int kFrameWidth = 1400;
constexpr int kFrameHeight = 900;

}  // namespace

MainFrame::MainFrame()
    : wxFrame(nullptr, wxID_ANY, kAppTitle, wxDefaultPosition, wxSize(kFrameWidth, kFrameHeight)),
      m_prompter(std::make_unique<WxPrompter>(this)) {
    FrameTrace("A: wxFrame base constructed");

    SetMenuBar(new wxMenuBar());
    FrameTrace("B: MenuBar done");

    CreateToolBar(wxTB_HORIZONTAL | wxTB_TEXT | wxTB_NOICONS);
    GetToolBar()->Realize();
    FrameTrace("C: ToolBar done");

    BuildPanels();
    FrameTrace("D: Panels done");

    CreateStatusBar(3);
    SetStatusText("Ready", 0);
    SetStatusText("Pieces: 0", 1);
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
    layout.units = static_cast<uint32_t>(appPrefs().units);

    if (!appPrefs().asked) {
        // Deferred so that the question comes from the event loop, after the window is up.
        CallAfter(&MainFrame::ChooseExperience);
    }
}

MainFrame::~MainFrame() = default;

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

    m_outerSplit->SplitVertically(palette, m_innerSplit, 235);
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
    SetTitle(wxString::FromUTF8(composeTitle(std::string(layoutName.utf8_str()),
                                             std::string(filePath.utf8_str()), modified)));
}

void MainFrame::ChooseExperience() {
    ::ChooseExperience(this);
}
