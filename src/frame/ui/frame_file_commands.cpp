// File commands of the main window: New/Close, Open with its list of the user folder, Save and
// Save As into the user folder, library blocks, Import and Export, and Page Setup.
#include <algorithm>
#include <filesystem>
#include <string>

#include <wx/filefn.h>
#include <wx/printdlg.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/save_questions.h"
#include "app/ui/app_paths.h"
#include "canvas/canvas_view.h"
#include "canvas/ui/canvas_panel.h"
#include "catalog/track_catalog.h"
#include "dialogs/ui/layout_transfer_dialogs.h"
#include "dialogs/ui/open_layout_dialog.h"
#include "document/layout_file.h"
#include "document/layout_name.h"
#include "document/user_files.h"
#include "document/utf8_text.h"
#include "edit/edit.h"
#include "frame/opened_layout.h"
#include "frame/ui/main_frame.h"
#include "frame/ui/read_progress_window.h"
#include "frame/ui/menu_builder.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/properties_panel.h"

namespace {

std::string utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

/// Where Import looks and Export writes unless the user picks another folder: Downloads, or the
/// home folder when there is no Downloads folder.
wxString defaultTransferFolder() {
    const wxString downloads = wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads);
    if (!downloads.empty() && wxDirExists(downloads)) {
        return downloads;
    }
    return wxGetHomeDir();
}

bool hasBlockCandidates(const Layout& layout) {
    const auto selected = [](const auto& item) { return item.selected; };
    return std::any_of(layout.pieces.begin(), layout.pieces.end(), selected) ||
           std::any_of(layout.scenery.begin(), layout.scenery.end(), selected) ||
           std::any_of(layout.shapes.begin(), layout.shapes.end(), selected);
}

}  // namespace

void MainFrame::newLayout() {
    if (!ConfirmDiscardChanges()) {
        return;
    }
    // One edit, so that an accidental New can be undone; the step remembers the old layout's
    // name and file, which undo brings back with its content.
    Edit edit(m_editor);
    edit.change().StartNew();
    m_layout.ReplaceIdentity("", "");
    m_canvas->ResetView(CanvasView::kInitialZoom);
    edit.commit({.matchesFile = true, .documentReplaced = true});
    // The commit has shown the piece count in field 1.
    SetStatusText("Ready", 0);
}

void MainFrame::openLayout() {
    if (!ConfirmDiscardChanges()) {
        return;
    }
    const std::string folder = utf8(GetUserFolder());
    std::vector<LayoutFileEntry> entries = listLayoutFiles(folder);
    if (entries.empty()) {
        prompter().showMessage("Open Layout", "No layouts found in\n" + folder, PromptIcon::Info);
        return;
    }
    OpenLayoutDialog dialog(this, std::move(entries), [this](const LayoutFileEntry& entry) {
        return DeleteLayoutEntry(entry);
    });
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    if (const auto entry = dialog.chosenEntry()) {
        LoadLayoutPath(entry->path);
    }
}

bool MainFrame::DeleteLayoutEntry(const LayoutFileEntry& entry) {
    const int answer = prompter().ask(
        "Delete Layout", "Delete layout \"" + entry.name + "\"?\n\nThis cannot be undone.",
        PromptButtons::YesNo, kIdNo, PromptIcon::Exclamation);
    if (answer != kIdYes) {
        return false;
    }
    // Compared before the file goes: afterwards a path written differently (the command line's)
    // could no longer be recognised as the same file.
    const std::string openPath = m_layout.identity.filePath;
    std::error_code ec;
    const bool isOpenFile =
        !openPath.empty() &&
        (openPath == entry.path || std::filesystem::equivalent(openPath, entry.path, ec));
    if (!deleteLayoutFile(entry.path)) {
        prompter().showMessage("Delete Failed", "Could not delete:\n" + entry.path,
                               PromptIcon::Error);
        return false;
    }
    if (isOpenFile) {
        // The document stays, but its file is gone: the next Save asks for a name.
        m_layout.identity.filePath.clear();
        UpdateTitle();
    }
    return true;
}

bool MainFrame::LoadLayoutFile(const wxString& path) {
    return LoadLayoutPath(utf8(path));
}

bool MainFrame::LoadLayoutPath(const std::string& path) {
    std::string name;
    ::Layout read;
    read.baseboard = m_layout.baseboard;  // the last-shape sizes stay unless the file gives them
    std::string error;
    {
        wxBusyCursor busy;
        ReadProgressWindow progress(this, utf8WithLatin1Fallback(
                                              std::filesystem::path(path).filename().string()));
        error = ReadLayout(path, read, name, nullptr, progress.reporter());
    }
    if (!error.empty()) {
        prompter().showMessage("Open Failed", error, PromptIcon::Error);
        return false;
    }
    // Opening is one edit too: undo brings the previous layout back under its own name and file,
    // so a later Save never writes one layout's content into another's file.
    Edit edit(m_editor);
    edit.change().AdoptRead(std::move(read));
    m_layout.EnsureDefaultLevel();
    m_layout.ReplaceIdentity(name, path);
    edit.commit({.matchesFile = true, .documentReplaced = true});

    if (hasZTrackPiece(m_layout, TrackCatalog::instance())) {
        // Z pieces are tiny; a fit would leave them as specks on a large board.
        m_canvas->ResetView(CanvasView::kOpenZoom);
    } else {
        m_canvas->ZoomToFit();
    }
    m_palette->SelectSystemFromLayout();
    RememberRecentFile(path);
    SetStatusText(wxString::FromUTF8(openedLayoutStatus(m_layout)), 0);
    // Pieces of a newer catalog or another program are kept, but the user should know of them.
    const auto unknown = unknownArticles(m_layout, TrackCatalog::instance());
    if (!unknown.empty()) {
        prompter().showMessage(kUnknownPiecesTitle, unknownPiecesMessage(unknown),
                               PromptIcon::Exclamation);
    }
    return true;
}

bool MainFrame::WriteToFilePath() {
    const std::string error = WriteLayout(m_layout.identity.filePath, m_layout, m_layout.identity.name);
    if (!error.empty()) {
        prompter().showMessage("Save Failed", error, PromptIcon::Error);
        return false;
    }
    m_modified = false;
    UpdateTitle();
    DropRecoveryCopy();
    RememberRecentFile(wxString::FromUTF8(m_layout.identity.filePath));
    return true;
}

bool MainFrame::saveLayout(bool saveAs) {
    if (!saveAs && !m_layout.identity.filePath.empty()) {
        return confirmSaveTarget(prompter(), m_layout.identity.filePath, m_layout.identity.name,
                                 ExistingLayout::Replace, "Save Failed") &&
               WriteToFilePath();
    }
    std::string proposal =
        m_layout.identity.name.empty() ? kDefaultLayoutName : m_layout.identity.name;
    std::string name;
    // The name becomes a file name in the user folder; a name that would lead elsewhere is
    // refused before anything is asked or written, and asked for again with the typed text kept
    // for editing. Only Cancel ends the save.
    for (;;) {
        const auto answer = prompter().askText("Save Layout", "Layout name:", proposal);
        if (!answer) {
            return false;
        }
        name = layoutNameFromAnswer(*answer);
        const std::string problem = layoutNameProblem(name);
        if (problem.empty()) {
            break;
        }
        prompter().showMessage("Save Layout", problem, PromptIcon::Exclamation);
        proposal = *answer;
    }
    const std::filesystem::path file =
        layoutFileInFolder(std::filesystem::path(utf8(GetUserFolder())), name);
    if (!confirmSaveTarget(prompter(), file.string(), name, ExistingLayout::Ask, "Save Failed")) {
        return false;
    }
    // Save As renames the document only once the file is written: a failed write leaves the
    // next Save going to the old file.
    const DocumentIdentity before = m_layout.identity;
    m_layout.identity.filePath = file.string();
    m_layout.identity.name = name;
    if (!WriteToFilePath()) {
        m_layout.identity = before;
        UpdateTitle();
        return false;
    }
    return true;
}

void MainFrame::saveLibraryBlock() {
    if (!hasBlockCandidates(m_layout)) {
        prompter().showMessage("Save Block", "Select pieces first to save as library block.",
                               PromptIcon::Info);
        return;
    }
    const auto answer = prompter().askText("Save Library Block", "Block name:", "");
    if (!answer || answer->empty()) {
        return;
    }
    // The name becomes a file name in the library folder; refused before anything is written.
    if (const std::string problem = blockNameProblem(*answer); !problem.empty()) {
        prompter().showMessage("Save Library Block", problem, PromptIcon::Exclamation);
        return;
    }
    const std::string error = saveLibraryBlockFile(utf8(m_palette->libraryFolder()), *answer, m_layout);
    if (!error.empty()) {
        prompter().showMessage("Save Block Failed", error, PromptIcon::Error);
        return;
    }
    m_palette->RefreshLibrary();
    prompter().showMessage("Save Block", "Block saved: " + *answer, PromptIcon::Info);
}

void MainFrame::importLayout() {
    ImportLayoutDialog dialog(this, defaultTransferFolder());
    if (dialog.ShowModal() != wxID_OK || dialog.selectedFile().empty()) {
        return;
    }
    const std::string name = trimBlanks(utf8(dialog.importName()));
    if (name.empty()) {
        return;
    }
    if (const std::string problem = layoutNameProblem(name); !problem.empty()) {
        prompter().showMessage("Import Layout", problem, PromptIcon::Exclamation);
        return;
    }
    const std::string source = dialog.selectedPath();
    const std::string target =
        layoutFileInFolder(std::filesystem::path(utf8(GetUserFolder())), name).string();
    if (!confirmSaveTarget(prompter(), target, name, ExistingLayout::Ask, "Import Failed")) {
        return;
    }
    if (const std::string error = checkImportSource(source); !error.empty()) {
        prompter().showMessage("Import Failed", error, PromptIcon::Error);
        return;
    }
    if (source != target) {
        if (const std::string error = copyLayoutFile(source, target); !error.empty()) {
            prompter().showMessage("Import Failed", error, PromptIcon::Error);
            return;
        }
    }
    // A failed rewrite only leaves the old name inside the file; the import itself stands.
    renameStoredLayout(target, name);
    const int open =
        prompter().ask("Import", "Imported successfully.\n\nOpen \"" + name + "\" now?",
                       PromptButtons::YesNo, kIdNo, PromptIcon::Question);
    if (open == kIdYes && ConfirmDiscardChanges()) {
        LoadLayoutFile(wxString::FromUTF8(target));
    }
}

void MainFrame::exportLayout() {
    const std::vector<LayoutFileEntry> entries = listLayoutFiles(utf8(GetUserFolder()));
    if (entries.empty()) {
        prompter().showMessage("Export Layout", "No layouts to export. Save a layout first.",
                               PromptIcon::Info);
        return;
    }
    std::vector<wxString> names;
    for (const LayoutFileEntry& entry : entries) {
        names.push_back(wxString::FromUTF8(entry.name));
    }
    ExportLayoutDialog dialog(this, names, layoutName(), defaultTransferFolder());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const LayoutFileEntry* source = firstEntryNamed(entries, utf8(dialog.selectedName()));
    const std::string folder = trimBlanks(utf8(dialog.destination()));
    const std::string typed = trimBlanks(utf8(dialog.fileName()));
    if (source == nullptr || folder.empty() || typed.empty()) {
        return;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(folder), ec)) {
        prompter().showMessage("Export Failed", "Destination folder does not exist:\n" + folder,
                               PromptIcon::Error);
        return;
    }
    if (const std::string problem = exportNameProblem(typed); !problem.empty()) {
        prompter().showMessage("Export Layout", problem, PromptIcon::Exclamation);
        return;
    }
    const std::string file = exportFileName(typed);
    const std::string target = (std::filesystem::path(folder) / file).string();
    if (!confirmExportTarget(prompter(), target)) {
        return;
    }
    if (const std::string error = copyLayoutFile(source->path, target); !error.empty()) {
        prompter().showMessage("Export Failed", error, PromptIcon::Error);
        return;
    }
    prompter().showMessage("Export", "Exported to:\n" + target, PromptIcon::Info);
}

void MainFrame::pageSetup() {
    m_pageSetupData.SetPrintData(m_printData);
    wxPageSetupDialog dialog(this, &m_pageSetupData);
    if (dialog.ShowModal() == wxID_OK) {
        m_pageSetupData = dialog.GetPageSetupDialogData();
        m_printData = m_pageSetupData.GetPrintData();
    }
}
