#include "panels/ui/palette_panel.h"

#include <filesystem>
#include <system_error>

#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/ui/app_paths.h"
#include "canvas/canvas_controller.h"
#include "canvas/placement_tool.h"
#include "canvas/track_growth.h"
#include "catalog/scenery_catalog.h"
#include "document/layout_file.h"
#include "edit/fragment.h"
#include "frame/editor_context.h"
#include "panels/palette_groups.h"
#include "panels/ui/piece_preview_popup.h"
#include "panels/ui/track_icon_grid.h"

namespace {

constexpr int kPageTrack = 0;
constexpr int kMenuDelete = wxID_HIGHEST + 71;
constexpr Vec2 kHelixDropPoint{500.0, 500.0};  ///< layout mm where a double-clicked helix goes

void fillList(wxListBox* list, const std::vector<PaletteLine>& lines,
              std::vector<std::string>& keys) {
    list->Freeze();
    list->Clear();
    keys.clear();
    for (const PaletteLine& line : lines) {
        list->Append(wxString::FromUTF8(line.text));
        keys.push_back(line.key);
    }
    list->Thaw();
}

}  // namespace

PalettePanel::PalettePanel(wxWindow* parent, EditorContext& context)
    : wxPanel(parent, wxID_ANY), m_context(context) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    wxArrayString names;
    for (const PaletteSystem& system : paletteSystems()) {
        names.Add(wxString::FromUTF8(system.name));
    }
    m_choice = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, names);
    m_choice->SetSelection(0);
    sizer->Add(m_choice, 0, wxEXPAND | wxALL, 4);
    sizer->Add(new wxStaticText(this, wxID_ANY, "Double-click to place on canvas."), 0,
               wxLEFT | wxRIGHT | wxBOTTOM, 4);

    m_notebook = new wxNotebook(this, wxID_ANY);
    m_grid = new TrackIconGrid(m_notebook);
    m_library = new wxListBox(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxLB_SINGLE);
    m_scenery = new wxListBox(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxLB_SINGLE);
    m_signals = new wxListBox(m_notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxLB_SINGLE);
    m_notebook->AddPage(m_grid, "Track");
    m_notebook->AddPage(m_library, "Library");
    m_notebook->AddPage(m_scenery, "Scenery");
    m_notebook->AddPage(m_signals, "Signals");
    sizer->Add(m_notebook, 1, wxEXPAND);
    SetSizer(sizer);

    m_popup = new PiecePreviewPopup(wxGetTopLevelParent(parent));
    m_grid->setPreviewPopup(m_popup);
    m_grid->setHandlers([this](const std::string& a) { dragFromGrid(a); },
                        [this](const std::string& a) { placeFromGrid(a); });

    m_choice->Bind(wxEVT_CHOICE, &PalettePanel::OnSystemChoice, this);
    m_library->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::OnLibraryDoubleClick, this);
    m_library->Bind(wxEVT_CONTEXT_MENU, &PalettePanel::OnLibraryContextMenu, this);
    for (wxListBox* list : {m_scenery, m_signals}) {
        list->Bind(wxEVT_LEFT_DOWN, &PalettePanel::OnPlacementListMouse, this);
        list->Bind(wxEVT_MOTION, &PalettePanel::OnPlacementListMouse, this);
        list->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::OnPlacementListDoubleClick, this);
        list->Bind(wxEVT_LISTBOX, &PalettePanel::OnPlacementListSelected, this);
    }
}

void PalettePanel::LoadCatalogPages() {
    m_grid->buildForSystem(currentSystemIndex());
    RefreshLibrary();
    fillScenery();
    fillSignals();
    setSceneryPagePresent(sceneryPageWanted(currentSystemIndex()));
}

int PalettePanel::currentSystemIndex() const {
    const int index = m_choice != nullptr ? m_choice->GetSelection() : wxNOT_FOUND;
    return index == wxNOT_FOUND ? 0 : index;
}

TrackSystem PalettePanel::currentTrackSystem() const {
    return m_choice == nullptr ? Systems::CTrack : paletteSystemAt(currentSystemIndex());
}

void PalettePanel::selectSystemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(m_choice->GetCount())) {
        return;
    }
    m_choice->SetSelection(index);
    rebuildForSystem();
}

void PalettePanel::OnSystemChoice(wxCommandEvent&) {
    rebuildForSystem();
}

void PalettePanel::SelectSystemFromLayout() {
    selectSystemIndex(systemIndexForLayout(m_context.layout(), TrackCatalog::instance()));
}

void PalettePanel::rebuildForSystem() {
    // The Scenery list holds the same items for every system and is not refilled.
    const int index = currentSystemIndex();
    m_grid->buildForSystem(index);
    RefreshLibrary();
    fillSignals();
    setSceneryPagePresent(sceneryPageWanted(index));
}

void PalettePanel::fillScenery() {
    fillList(m_scenery, sceneryLines(SceneryCatalog::instance()), m_sceneryKeys);
    m_sceneryLine = -1;
}

void PalettePanel::fillSignals() {
    fillList(m_signals, signalLines(SceneryCatalog::instance(), currentSystemIndex()),
             m_signalKeys);
    m_signalLine = -1;
}

void PalettePanel::setSceneryPagePresent(bool present) {
    if (present == m_sceneryPresent) {
        return;
    }
    if (present) {
        m_notebook->AddPage(m_scenery, "Scenery", false);
    } else {
        const int page = m_notebook->FindPage(m_scenery);
        if (page != wxNOT_FOUND) {
            if (m_notebook->GetSelection() == page) {
                m_notebook->SetSelection(kPageTrack);
            }
            m_notebook->RemovePage(static_cast<size_t>(page));
        }
        m_scenery->Hide();
    }
    m_sceneryPresent = present;
}

// ---------------------------------------------------------------------------------------------
// Library page

wxString PalettePanel::libraryFolder() const {
    return GetLibraryFolder() + wxFileName::GetPathSeparator() +
           wxString::FromUTF8(paletteFolderKey(currentSystemIndex()));
}

void PalettePanel::RefreshLibrary() {
    m_library->Freeze();
    m_library->Clear();
    m_libraryPaths.clear();
    for (const LibraryBlockFile& file : listLibraryBlocks(libraryFolder().utf8_string())) {
        m_library->Append(wxString::FromUTF8(file.name));
        m_libraryPaths.push_back(file.path);
    }
    m_library->Thaw();
}

void PalettePanel::OnLibraryDoubleClick(wxCommandEvent& event) {
    insertLibraryBlock(event.GetSelection());
}

void PalettePanel::insertLibraryBlock(int line) {
    if (line < 0 || line >= static_cast<int>(m_libraryPaths.size())) {
        return;
    }
    BlockContent block;
    const std::string error = ReadBlock(m_libraryPaths[static_cast<size_t>(line)], block);
    if (!error.empty()) {
        m_context.prompter().showMessage("Load Block Failed", error, PromptIcon::Error);
        return;
    }
    if (insertBlock(m_context.editor(), block)) {
        m_context.canvas().zoomToFit();
    }
}

void PalettePanel::OnLibraryContextMenu(wxContextMenuEvent& event) {
    int line = m_library->GetSelection();
    if (event.GetPosition() != wxDefaultPosition) {
        line = m_library->HitTest(m_library->ScreenToClient(event.GetPosition()));
    }
    if (line == wxNOT_FOUND || line >= static_cast<int>(m_libraryPaths.size())) {
        return;
    }
    m_library->SetSelection(line);
    wxMenu menu;
    menu.Append(kMenuDelete, "Delete...");
    if (m_library->GetPopupMenuSelectionFromUser(menu) == kMenuDelete) {
        deleteLibraryBlock(line);
    }
}

void PalettePanel::deleteLibraryBlock(int line) {
    if (line < 0 || line >= static_cast<int>(m_libraryPaths.size())) {
        return;
    }
    const std::string name = m_library->GetString(static_cast<unsigned>(line)).utf8_string();
    const std::string path = m_libraryPaths[static_cast<size_t>(line)];
    Prompter& prompter = m_context.prompter();
    const int answer = prompter.ask(
        "Delete Library Block", "Delete library block \"" + name + "\"?\n\nThis cannot be undone.",
        PromptButtons::YesNo, kIdNo, PromptIcon::Exclamation);
    if (answer != kIdYes) {
        return;
    }
    std::error_code ec;
    if (!std::filesystem::remove(std::filesystem::path(path), ec)) {
        prompter.showMessage("Delete Failed", "Could not delete:\n" + path, PromptIcon::Error);
    }
    RefreshLibrary();
}

// ---------------------------------------------------------------------------------------------
// Placements

void PalettePanel::dragFromGrid(const std::string& article) {
    CanvasController& canvas = m_context.canvas();
    if (const std::string helix = helixKeyOf(article); !helix.empty()) {
        startHelixPlacement(canvas, helix);
        return;
    }
    startPaletteDrag(canvas, article);
}

void PalettePanel::placeFromGrid(const std::string& article) {
    CanvasController& canvas = m_context.canvas();
    if (const std::string helix = helixKeyOf(article); !helix.empty()) {
        placeHelix(canvas, kHelixDropPoint, helix);
        return;
    }
    // Shift lays the piece end for end, so an oval turning left is as easy as one turning right.
    autoConnect(canvas, article, wxGetKeyState(WXK_SHIFT));
}

void PalettePanel::placeScenery(const std::string& key) {
    if (!key.empty()) {
        startSceneryPlacement(m_context.canvas(), key);
    }
}

std::string PalettePanel::currentPlacementKey() const {
    wxWindow* page = m_notebook->GetCurrentPage();
    const wxListBox* list =
        page == m_scenery ? m_scenery : (page == m_signals ? m_signals : nullptr);
    if (list == nullptr) {
        return {};
    }
    const std::vector<std::string>& keys = list == m_scenery ? m_sceneryKeys : m_signalKeys;
    const int line = list->GetSelection();
    if (line == wxNOT_FOUND || line >= static_cast<int>(keys.size())) {
        return {};
    }
    return keys[static_cast<size_t>(line)];
}

std::vector<PaletteLine> PalettePanel::placementLines(const wxListBox* list) const {
    const std::vector<std::string>& keys = list == m_scenery ? m_sceneryKeys : m_signalKeys;
    std::vector<PaletteLine> lines;
    lines.reserve(keys.size());
    for (const std::string& key : keys) {
        lines.push_back({std::string(), key});
    }
    return lines;
}

void PalettePanel::OnPlacementListSelected(wxCommandEvent& event) {
    auto* list = dynamic_cast<wxListBox*>(event.GetEventObject());
    if (list == nullptr) {
        return;
    }
    int& previous = list == m_scenery ? m_sceneryLine : m_signalLine;
    // A group header is a caption, not an item: the keys move past it, a click leaves nothing.
    const int line = selectablePaletteLine(placementLines(list), event.GetSelection(), previous);
    if (line != event.GetSelection()) {
        list->SetSelection(line);
    }
    previous = line;
}

void PalettePanel::OnPlacementListMouse(wxMouseEvent& event) {
    auto* list = dynamic_cast<wxListBox*>(event.GetEventObject());
    if (list != nullptr && event.GetEventType() == wxEVT_LEFT_DOWN) {
        const int line = list->HitTest(event.GetPosition());
        const std::vector<std::string>& keys = list == m_scenery ? m_sceneryKeys : m_signalKeys;
        if (line >= 0 && line < static_cast<int>(keys.size()) &&
            keys[static_cast<size_t>(line)].empty()) {
            // A press on a header selects nothing, so a drag from it places nothing either.
            list->SetSelection(wxNOT_FOUND);
            (list == m_scenery ? m_sceneryLine : m_signalLine) = -1;
            return;
        }
    }
    event.Skip();  // the list still selects the line under the press
    if (event.GetEventType() == wxEVT_MOTION && event.LeftIsDown() && event.Dragging()) {
        placeScenery(currentPlacementKey());
    }
}

void PalettePanel::OnPlacementListDoubleClick(wxCommandEvent&) {
    placeScenery(currentPlacementKey());
}
