#pragma once
// The palette on the left of the main window: the track-system choice, the hint line and a
// notebook with the piece grid ("Track"), the user's library blocks ("Library"), scenery items
// ("Scenery", only for C-Track, K-Track and TRIX C-Track) and signals ("Signals"). It starts
// placements on the canvas and answers which track system is chosen.

#include <string>
#include <vector>

#include <wx/panel.h>

#include "catalog/track_catalog.h"
#include "panels/palette_groups.h"

class EditorContext;
class PiecePreviewPopup;
class TrackIconGrid;
class wxChoice;
class wxCommandEvent;
class wxContextMenuEvent;
class wxListBox;
class wxMouseEvent;
class wxNotebook;

class PalettePanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document and the canvas through `context`. The
    /// choice starts on "Marklin C-Track"; the pages stay empty until LoadCatalogPages.
    PalettePanel(wxWindow* parent, EditorContext& context);

    /// Full build, once the frame's panels exist: the grid, the Library, Scenery and Signals lists
    /// and the Scenery page's presence for the chosen system.
    void LoadCatalogPages();
    /// Re-reads the library blocks of the current track system.
    void RefreshLibrary();
    /// Chooses the system found in the layout (C-Track first, then K-Track, TRIX C-Track, Z-Track,
    /// Gauge 1, M-Track; C-Track when none) and rebuilds as a change of the choice does.
    void SelectSystemFromLayout();

    /// Track system id of the chosen entry (0 while there is no choice).
    TrackSystem currentTrackSystem() const;
    /// Index of the chosen entry (0 to 5).
    int currentSystemIndex() const;
    /// Chooses entry `index` and rebuilds the grid, the Library and Signals lists and the Scenery
    /// page's presence, as the user's choice does.
    void selectSystemIndex(int index);

    /// The chosen system's library folder: the user's library folder + its folder key.
    wxString libraryFolder() const;
    /// Inserts the block of Library line `line` into the layout (see insertBlock) and fits the
    /// view; a block that cannot be read is reported in "Load Block Failed".
    void insertLibraryBlock(int line);
    /// Asks whether to delete the block file of Library line `line` and deletes it on Yes.
    void deleteLibraryBlock(int line);

    wxChoice* systemChoice() const { return m_choice; }
    wxNotebook* notebook() const { return m_notebook; }
    TrackIconGrid* grid() const { return m_grid; }
    wxListBox* libraryList() const { return m_library; }
    wxListBox* sceneryList() const { return m_scenery; }
    wxListBox* signalsList() const { return m_signals; }
    PiecePreviewPopup* previewPopup() const { return m_popup; }
    bool sceneryPagePresent() const { return m_sceneryPresent; }
    const std::vector<std::string>& libraryPaths() const { return m_libraryPaths; }
    const std::vector<std::string>& sceneryKeys() const { return m_sceneryKeys; }
    const std::vector<std::string>& signalKeys() const { return m_signalKeys; }

private:
    void OnSystemChoice(wxCommandEvent& event);
    void OnLibraryDoubleClick(wxCommandEvent& event);
    void OnLibraryContextMenu(wxContextMenuEvent& event);
    void OnPlacementListMouse(wxMouseEvent& event);
    void OnPlacementListDoubleClick(wxCommandEvent& event);
    void OnPlacementListSelected(wxCommandEvent& event);
    std::vector<PaletteLine> placementLines(const wxListBox* list) const;

    void rebuildForSystem();
    void fillScenery();
    void fillSignals();
    void setSceneryPagePresent(bool present);

    /// Placement requests of the grid and the lists, handed to the canvas.
    void dragFromGrid(const std::string& article);
    void placeFromGrid(const std::string& article);
    void placeScenery(const std::string& key);
    /// Key of the current line of the Scenery or Signals page, whichever is shown; empty for a
    /// header line or another page.
    std::string currentPlacementKey() const;

    EditorContext& m_context;
    wxChoice* m_choice = nullptr;
    wxNotebook* m_notebook = nullptr;
    TrackIconGrid* m_grid = nullptr;
    wxListBox* m_library = nullptr;
    wxListBox* m_scenery = nullptr;
    wxListBox* m_signals = nullptr;
    PiecePreviewPopup* m_popup = nullptr;
    bool m_sceneryPresent = true;
    std::vector<std::string> m_libraryPaths;
    std::vector<std::string> m_sceneryKeys;
    std::vector<std::string> m_signalKeys;
    int m_sceneryLine = -1;  ///< selected line of the Scenery list, -1 for none
    int m_signalLine = -1;   ///< selected line of the Signals list
};
