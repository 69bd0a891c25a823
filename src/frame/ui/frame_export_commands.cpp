// Picture and parts-list exports of the main window: the file dialogs and the width question;
// what goes into which file is decided by the export rules of the frame's core.
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "app/command_line.h"
#include "app/ui/app_paths.h"
#include "frame/export_files.h"
#include "frame/ui/main_frame.h"
#include "render/ui/plan_export.h"

namespace {

wxString toWx(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

wxString fileNameOf(const std::string& path) {
    return wxFileName(wxString::FromUTF8(path)).GetFullName();
}

}  // namespace

void MainFrame::exportImage() {
    const wxString name = layoutName().empty() ? wxString("layout") : layoutName();
    wxFileDialog chooser(this, "Export Image", GetUserFolder(), name + ".png",
                         toWx(kPictureFilters), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() == wxID_OK && !chooser.GetPath().empty()) {
        ExportImageTo(chooser.GetPath().utf8_string(), chooser.GetFilterIndex());
    }
}

bool MainFrame::ExportImageTo(const std::string& chosenPath, int filterIndex) {
    const PictureTarget target = pictureTarget(chosenPath, filterIndex);
    int width = kDefaultExportWidth;
    if (target.format == PictureFormat::Png) {
        std::string proposal = std::to_string(kDefaultExportWidth);
        for (;;) {
            const auto answer = prompter().askText("Export Image", "Width in pixels:", proposal);
            if (!answer) {
                return false;
            }
            if (const auto pixels = pictureWidthFromAnswer(*answer)) {
                width = *pixels;
                break;
            }
            prompter().showMessage("Export Image", pictureWidthProblem(*answer),
                                   PromptIcon::Exclamation);
            proposal = *answer;
        }
    }
    const std::string error = target.format == PictureFormat::Png
                                  ? ExportPlanPng(m_layout, target.path, width)
                                  : ExportPlanSvg(m_layout, target.path, width);
    if (!error.empty()) {
        prompter().showMessage("Export Image", error, PromptIcon::Error);
        return false;
    }
    SetStatusText("Exported the plan to " + fileNameOf(target.path), 0);
    return true;
}

void MainFrame::exportPartsList() {
    const wxString name = layoutName().empty() ? wxString("layout") : layoutName();
    wxFileDialog chooser(this, "Export Parts List", GetUserFolder(), name + " parts.csv",
                         "CSV files (*.csv)|*.csv", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() == wxID_OK && !chooser.GetPath().empty()) {
        ExportPartsListTo(chooser.GetPath().utf8_string());
    }
}

bool MainFrame::ExportPartsListTo(const std::string& chosenPath) {
    const std::string path = partsListTarget(chosenPath);
    const std::string error = writePartsListFile(m_layout, path);
    if (!error.empty()) {
        prompter().showMessage("Export Parts List", error, PromptIcon::Error);
        return false;
    }
    SetStatusText("Exported the parts list to " + fileNameOf(path), 0);
    return true;
}
