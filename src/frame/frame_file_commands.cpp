// File commands of the main window: New/Close, opening a file, Save and Save As into the user
// folder, and Page Setup.
#include <filesystem>
#include <string>

#include <wx/printdlg.h>

#include "app/app_paths.h"
#include "canvas/canvas_panel.h"
#include "canvas/canvas_view.h"
#include "catalog/track_catalog.h"
#include "document/layout_file.h"
#include "document/layout_name.h"
#include "frame/frame_title.h"
#include "frame/main_frame.h"
#include "frame/menu_builder.h"
#include "frame/opened_layout.h"
#include "panels/palette_panel.h"
#include "panels/properties_panel.h"

namespace {

std::string utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

wxString piecesText(size_t count) {
    return wxString::Format("Pieces: %zu", count);
}

}  // namespace

void MainFrame::NewLayout() {
    if (!ConfirmDiscardChanges()) {
        return;
    }
    layout.Clear();
    layout.baseboard.vertices.clear();
    layout.levels.clear();
    layout.EnsureDefaultLevel();
    layout.activeLevel = 1;
    layout.SyncGradeState();

    filePath.clear();
    layoutName.clear();
    modified = false;
    UpdateTitle();

    canvas->ResetView(CanvasView::kInitialZoom);
    RefreshViews();
    RefreshSidePanels();
    SetStatusFields("Ready", piecesText(0));
}

bool MainFrame::LoadLayoutFile(const wxString& path) {
    std::string name;
    const std::string error = ReadLayout(utf8(path), layout, name);
    if (!error.empty()) {
        prompter().showMessage("Open Failed", error, PromptIcon::Error);
        return false;
    }
    layout.EnsureDefaultLevel();
    filePath = path;
    layoutName = wxString::FromUTF8(name);
    modified = false;
    UpdateTitle();
    GetMenuBar()->Check(unitsCommandId(static_cast<int>(layout.units)), true);

    RefreshViews();
    if (hasZTrackPiece(layout, TrackCatalog::instance())) {
        // Z pieces are tiny; a fit would leave them as specks on a large board.
        canvas->ResetView(CanvasView::kOpenZoom);
    } else {
        canvas->ZoomToFit();
    }
    properties->RefreshTally();
    palette->SelectSystemFromLayout();
    SetStatusFields(wxString::FromUTF8(openedLayoutStatus(layout)),
                    piecesText(layout.pieces.size()));
    return true;
}

bool MainFrame::WriteToFilePath() {
    const std::string error = WriteLayout(utf8(filePath), layout, utf8(layoutName));
    if (!error.empty()) {
        prompter().showMessage("Save Failed", error, PromptIcon::Error);
        return false;
    }
    modified = false;
    UpdateTitle();
    return true;
}

bool MainFrame::SaveLayout(bool saveAs) {
    if (!saveAs && !filePath.empty()) {
        return WriteToFilePath();
    }
    const std::string proposal = layoutName.empty() ? kDefaultLayoutName : utf8(layoutName);
    const auto answer = prompter().askText("Save Layout", "Layout name:", proposal);
    if (!answer) {
        return false;
    }
    const std::string name = layoutNameFromAnswer(*answer);
    // The name becomes a file name in the user folder; a name that would lead elsewhere is
    // refused before anything is asked or written.
    const std::string problem = layoutNameProblem(name);
    if (!problem.empty()) {
        prompter().showMessage("Save Layout", problem, PromptIcon::Exclamation);
        return false;
    }
    const std::filesystem::path file =
        layoutFileInFolder(std::filesystem::path(utf8(GetUserFolder())), name);
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        const int replace = prompter().ask(
            "Confirm Replace", "A layout named \"" + name + "\" already exists.\n\nReplace it?",
            PromptButtons::YesNo, kIdNo, PromptIcon::Question);
        if (replace != kIdYes) {
            return false;
        }
    }
    filePath = wxString::FromUTF8(file.string());
    layoutName = wxString::FromUTF8(name);
    return WriteToFilePath();
}

void MainFrame::PageSetupCommand() {
    pageSetupData.SetPrintData(printData);
    wxPageSetupDialog dialog(this, &pageSetupData);
    if (dialog.ShowModal() == wxID_OK) {
        pageSetupData = dialog.GetPageSetupDialogData();
        printData = pageSetupData.GetPrintData();
    }
}
