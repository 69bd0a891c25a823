#include "frame/command_table.h"

#include <array>

#include "frame/command_handlers.h"
#include "frame/command_ids.h"

// Rows name only the fields that differ from the defaults; GCC 12 still reports the omitted
// members of designated initializers, which here is the point rather than a slip.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using K = CommandKind;
using P = CommandPlace;
using R = EnableRule;
namespace Id = CommandId;
namespace Do = Commands;

constexpr std::string_view kFile = "&File";
constexpr std::string_view kEdit = "&Edit";
constexpr std::string_view kView = "&View";
constexpr std::string_view kLayout = "&Layout";
constexpr std::string_view kHelp = "&Help";
constexpr std::string_view kUnits = "Units of Measure";

constexpr CommandEntry menuSeparator(std::string_view menu) {
    return {.menu = menu, .kind = K::Separator};
}

constexpr CommandEntry toolSeparator() {
    return {.place = P::Toolbar, .kind = K::Separator};
}

// Commands marked `available = false` have their work in parts of the program that are still
// being written; the builders show them disabled so nobody clicks into a missing handler.
constexpr std::array kTable = {
    // File
    CommandEntry{.id = Id::NewLayout,
                 .menu = kFile,
                 .text = "&New Layout\tCtrl+N",
                 .handler = Do::inWindow<&CommandContext::newLayout>},
    CommandEntry{.id = Id::OpenLayout,
                 .menu = kFile,
                 .text = "&Open Layout...\tCtrl+O",
                 .handler = Do::inWindow<&CommandContext::openLayout>},
    // Filled by the window with the layouts opened or saved last.
    CommandEntry{.menu = kFile, .text = kOpenRecent, .kind = K::Submenu},
    menuSeparator(kFile),
    CommandEntry{.id = Id::Save, .menu = kFile, .text = "&Save\tCtrl+S", .handler = Do::save},
    CommandEntry{.id = Id::SaveAs,
                 .menu = kFile,
                 .text = "Save &As...\tCtrl+Shift+S",
                 .handler = Do::saveAs},
    menuSeparator(kFile),
    CommandEntry{.id = Id::ImportLayout,
                 .menu = kFile,
                 .text = "&Import Layout...",
                 .handler = Do::inWindow<&CommandContext::importLayout>},
    CommandEntry{.id = Id::ExportLayout,
                 .menu = kFile,
                 .text = "&Export Layout...",
                 .handler = Do::inWindow<&CommandContext::exportLayout>},
    menuSeparator(kFile),
    CommandEntry{.id = Id::CloseLayout,
                 .menu = kFile,
                 .text = "&Close Layout\tCtrl+W",
                 .handler = Do::inWindow<&CommandContext::newLayout>},
    menuSeparator(kFile),
    CommandEntry{.id = Id::PageSetup,
                 .menu = kFile,
                 .text = "Page Set&up...",
                 .handler = Do::inWindow<&CommandContext::pageSetup>},
    CommandEntry{.id = Id::PrintPreview,
                 .menu = kFile,
                 .text = "Print Pre&view...",
                 .handler = Do::inWindow<&CommandContext::printPreview>},
    CommandEntry{.id = Id::Print,
                 .menu = kFile,
                 .text = "&Print...\tCtrl+P",
                 .handler = Do::inWindow<&CommandContext::print>},
    CommandEntry{.id = Id::ExportPdf,
                 .menu = kFile,
                 .text = "Export P&DF...",
                 .statusHelp = "Save the printed pages as a PDF file, no printer needed",
                 .handler = Do::inWindow<&CommandContext::exportPdf>},
    CommandEntry{.id = Id::ExportImage,
                 .menu = kFile,
                 .text = "Export &Image...",
                 .statusHelp = "Save the plan as a PNG picture or an SVG drawing",
                 .handler = Do::inWindow<&CommandContext::exportImage>},
    CommandEntry{.id = Id::ExportPartsList,
                 .menu = kFile,
                 .text = "Export Parts Lis&t...",
                 .statusHelp = "Save the list of pieces as a CSV file for a spreadsheet",
                 .handler = Do::inWindow<&CommandContext::exportPartsList>},
    menuSeparator(kFile),
    CommandEntry{.id = Id::SaveLibraryBlock,
                 .menu = kFile,
                 .text = "Save as &Library Block...",
                 .handler = Do::inWindow<&CommandContext::saveLibraryBlock>},
    menuSeparator(kFile),
    CommandEntry{.id = Id::Exit,
                 .menu = kFile,
                 .text = "E&xit",
                 .handler = Do::inWindow<&CommandContext::exitProgram>},

    // Edit
    CommandEntry{.id = Id::Undo,
                 .menu = kEdit,
                 .text = "&Undo\tCtrl+Z",
                 .enableRule = R::CanUndo,
                 .handler = Do::undo},
    CommandEntry{.id = Id::Redo,
                 .menu = kEdit,
                 .text = "&Redo\tCtrl+Y",
                 .enableRule = R::CanRedo,
                 .handler = Do::redo},
    menuSeparator(kEdit),
    CommandEntry{.id = Id::Copy,
                 .menu = kEdit,
                 .text = "&Copy\tCtrl+C",
                 .statusHelp = "Copy the selected pieces and scenery",
                 .enableRule = R::CopyableSelection,
                 .handler = Do::copy},
    CommandEntry{.id = Id::Paste,
                 .menu = kEdit,
                 .text = "&Paste\tCtrl+V",
                 .statusHelp = "Paste at the mouse, or in the middle of the view",
                 .enableRule = R::ClipboardFilled,
                 .handler = Do::paste},
    CommandEntry{.id = Id::Delete,
                 .menu = kEdit,
                 .text = "&Delete\tDel",
                 .enableRule = R::DeletableSelection,
                 .handler = Do::deleteSelection},
    CommandEntry{.id = Id::SelectAll,
                 .menu = kEdit,
                 .text = "Select &All\tCtrl+A",
                 .handler = Do::selectAll},
    menuSeparator(kEdit),
    CommandEntry{.id = Id::Rotate,
                 .menu = kEdit,
                 .text = "R&otate\tCtrl+R",
                 .statusHelp = "Turn the selection 15 degrees clockwise",
                 .enableRule = R::TurnableSelection,
                 .handler = Do::rotate},

    // View
    CommandEntry{.id = Id::ZoomIn, .menu = kView, .text = "Zoom &In\t+", .handler = Do::zoomIn},
    CommandEntry{.id = Id::ZoomOut, .menu = kView, .text = "Zoom &Out\t-", .handler = Do::zoomOut},
    CommandEntry{
        .id = Id::ZoomFit, .menu = kView, .text = "Zoom to &Fit\tCtrl+0", .handler = Do::zoomToFit},
    menuSeparator(kView),
    CommandEntry{.id = Id::ShowGrid,
                 .menu = kView,
                 .text = "Show &Grid\tCtrl+G",
                 .kind = K::Check,
                 .checked = true,
                 .handler = Do::viewSwitch},
    CommandEntry{.id = Id::Snap,
                 .menu = kView,
                 .text = "&Snap\tCtrl+Shift+G",
                 .kind = K::Check,
                 .checked = true,
                 .handler = Do::viewSwitch},
    CommandEntry{.id = Id::ShowRails,
                 .menu = kView,
                 .text = "Show &Rails",
                 .kind = K::Check,
                 .checked = true,
                 .handler = Do::viewSwitch},

    // Layout
    CommandEntry{.menu = kLayout, .text = kUnits, .kind = K::Submenu},
    CommandEntry{.id = Id::UnitsMillimetres,
                 .menu = kLayout,
                 .submenu = kUnits,
                 .text = "Millimetres (mm)",
                 .kind = K::Radio,
                 .checked = true,
                 .handler = Do::units},
    CommandEntry{.id = Id::UnitsCentimetres,
                 .menu = kLayout,
                 .submenu = kUnits,
                 .text = "Centimetres (cm)",
                 .kind = K::Radio,
                 .handler = Do::units},
    CommandEntry{.id = Id::UnitsInches,
                 .menu = kLayout,
                 .submenu = kUnits,
                 .text = "Inches (in)",
                 .kind = K::Radio,
                 .handler = Do::units},
    menuSeparator(kLayout),
    CommandEntry{.id = Id::LayoutShape,
                 .menu = kLayout,
                 .text = "Layout &Shape...",
                 .handler = Do::inWindow<&CommandContext::editLayoutShape>},
    CommandEntry{.id = Id::LayoutWizard,
                 .menu = kLayout,
                 .text = "Layout &Wizard (Experimental)...",
                 .handler = Do::inWindow<&CommandContext::startLayoutWizard>},
    CommandEntry{.id = Id::BridgeWizard,
                 .menu = kLayout,
                 .text = "&Bridge Wizard (Experimental)...",
                 .handler = Do::inWindow<&CommandContext::startBridgeWizard>},
    menuSeparator(kLayout),
    CommandEntry{.id = Id::CheckLayout,
                 .menu = kLayout,
                 .text = "&Check Layout...\tCtrl+L",
                 .handler = Do::inWindow<&CommandContext::checkLayout>},

    // Help
    CommandEntry{.id = Id::Help,
                 .menu = kHelp,
                 .text = "&Help\tF1",
                 .handler = Do::inWindow<&CommandContext::showHelp>},
    CommandEntry{.id = Id::LayoutWizardHelp,
                 .menu = kHelp,
                 .text = "Layout &Wizard Help",
                 .handler = Do::inWindow<&CommandContext::showLayoutWizardHelp>},
    menuSeparator(kHelp),
    CommandEntry{.id = Id::Options,
                 .menu = kHelp,
                 .text = "&Options...",
                 .handler = Do::inWindow<&CommandContext::chooseExperience>},

    // Toolbar
    CommandEntry{.id = Id::Undo,
                 .place = P::Toolbar,
                 .text = "Undo",
                 .enableRule = R::CanUndo,
                 .handler = Do::undo},
    CommandEntry{.id = Id::Redo,
                 .place = P::Toolbar,
                 .text = "Redo",
                 .enableRule = R::CanRedo,
                 .handler = Do::redo},
    toolSeparator(),
    CommandEntry{.id = Id::Levels,
                 .place = P::Toolbar,
                 .text = "Levels",
                 .tooltip = "Manage layout levels (decks): height, color, and shape",
                 .handler = Do::inWindow<&CommandContext::manageLevels>},
    toolSeparator(),
    CommandEntry{.id = Id::View3D,
                 .place = P::Toolbar,
                 .text = "3D View",
                 .handler = Do::inWindow<&CommandContext::showView3D>},
    toolSeparator(),
    CommandEntry{.id = Id::ZoomFit, .place = P::Toolbar, .text = "Fit", .handler = Do::zoomToFit},
    toolSeparator(),
    CommandEntry{.id = Id::HideLabels,
                 .place = P::Toolbar,
                 .text = "Hide Labels",
                 .tooltip = "Toggle track labels and join dots",
                 .kind = K::Check,
                 .handler = Do::viewSwitch},
    toolSeparator(),
    CommandEntry{.id = Id::Tunnel,
                 .place = P::Toolbar,
                 .text = "Tunnel",
                 .tooltip = "Place tunnel portals on the selected chain (or remove if already in "
                            "a tunnel)",
                 .startsDisabled = true,
                 .enableRule = R::TunnelChain,
                 .handler = Do::tunnel},
    CommandEntry{.id = Id::Measure,
                 .place = P::Toolbar,
                 .text = "Measure",
                 .tooltip = "Measuring tape: click two points on the canvas to lay down a length "
                            "annotation",
                 .kind = K::Check,
                 .handler = Do::measure},
    CommandEntry{.id = Id::Polygon,
                 .place = P::Toolbar,
                 .text = "Polygon",
                 .tooltip = "Draw a free-form polygon (access hatch, river, mountain, etc.)",
                 .kind = K::Check,
                 .handler = Do::polygon},
    CommandEntry{.id = Id::Rectangle,
                 .place = P::Toolbar,
                 .text = "Rectangle",
                 .tooltip = "Rectangle",
                 .statusHelp = "Place a rectangle of an exact size -- easier than drawing one by "
                               "hand",
                 .handler = Do::rectangle},
    CommandEntry{.id = Id::Elevation,
                 .place = P::Toolbar,
                 .text = "Elevation",
                 .tooltip = "Elevation",
                 .statusHelp = "Open the Elevation Wizard to set up track grades and inclines",
                 .handler = Do::inWindow<&CommandContext::startElevationWizard>},
    CommandEntry{.id = Id::CheckLayout,
                 .place = P::Toolbar,
                 .text = "Check",
                 .tooltip = "Check the layout for collisions, low clearances, steep grades, gaps "
                            "and open ends",
                 .handler = Do::inWindow<&CommandContext::checkLayout>},
    toolSeparator(),
};

}  // namespace

std::span<const CommandEntry> commandTable() {
    return kTable;
}

std::vector<std::string_view> menuTitles() {
    std::vector<std::string_view> titles;
    for (const CommandEntry& e : kTable) {
        if (e.place == P::Menu && (titles.empty() || titles.back() != e.menu)) {
            titles.push_back(e.menu);
        }
    }
    return titles;
}

std::vector<const CommandEntry*> menuRows(std::string_view menu) {
    std::vector<const CommandEntry*> rows;
    for (const CommandEntry& e : kTable) {
        if (e.place == P::Menu && e.menu == menu) {
            rows.push_back(&e);
        }
    }
    return rows;
}

std::vector<const CommandEntry*> toolbarRows() {
    std::vector<const CommandEntry*> rows;
    for (const CommandEntry& e : kTable) {
        if (e.place == P::Toolbar) {
            rows.push_back(&e);
        }
    }
    return rows;
}

const CommandEntry* findCommand(int id, CommandPlace place) {
    if (id == 0) {
        return nullptr;
    }
    for (const CommandEntry& e : kTable) {
        if (e.id == id && e.place == place) {
            return &e;
        }
    }
    return nullptr;
}

std::optional<CommandPlace> commandPlace(int id) {
    const bool inMenu = findCommand(id, P::Menu) != nullptr;
    const bool onToolbar = findCommand(id, P::Toolbar) != nullptr;
    if (inMenu && onToolbar) {
        return P::Both;
    }
    if (inMenu) {
        return P::Menu;
    }
    if (onToolbar) {
        return P::Toolbar;
    }
    return std::nullopt;
}

bool isCommandAvailable(int id) {
    const CommandEntry* e = findCommand(id, P::Menu);
    if (e == nullptr) {
        e = findCommand(id, P::Toolbar);
    }
    return e != nullptr && e->available;
}

CommandHandler commandHandler(int id) {
    if (id == 0) {
        return nullptr;
    }
    for (const CommandEntry& e : kTable) {
        if (e.id == id && e.handler != nullptr) {
            return e.handler;
        }
    }
    return nullptr;
}

bool isCommandEnabled(int id, const CommandState& state) {
    const CommandEntry* e = findCommand(id, P::Menu);
    if (e == nullptr) {
        e = findCommand(id, P::Toolbar);
    }
    if (e == nullptr || !e->available) {
        return false;
    }
    switch (e->enableRule) {
        case R::Always:
            return true;
        case R::CanUndo:
            return state.canUndo;
        case R::CanRedo:
            return state.canRedo;
        case R::DeletableSelection:
            return state.hasDeletableSelection;
        case R::TunnelChain:
            return state.selectionIsTunnelChain;
        case R::CopyableSelection:
            return state.hasCopyableSelection;
        case R::ClipboardFilled:
            return state.clipboardFilled;
        case R::TurnableSelection:
            return state.hasTurnableSelection;
    }
    return false;
}

std::string_view acceleratorOf(std::string_view menuText) {
    const auto tab = menuText.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : menuText.substr(tab + 1);
}

int unitsCommandId(int units) {
    switch (units) {
        case 1:
            return Id::UnitsCentimetres;
        case 2:
            return Id::UnitsInches;
        default:
            return Id::UnitsMillimetres;
    }
}

int unitsForCommand(int id) {
    switch (id) {
        case Id::UnitsMillimetres:
            return 0;
        case Id::UnitsCentimetres:
            return 1;
        case Id::UnitsInches:
            return 2;
        default:
            return -1;
    }
}

std::string_view labelsToolLabel(bool labelsShown) {
    return labelsShown ? "Hide Labels" : "Show Labels";
}

std::optional<bool> isCommandChecked(int id, const CommandState& state) {
    switch (id) {
        case Id::Measure:
            return state.measuring;
        case Id::Polygon:
            return state.drawingPolygon;
        default:
            return std::nullopt;
    }
}

std::string_view tunnelToolLabel(bool chainIsTunnel) {
    return chainIsTunnel ? "Remove Tunnel" : "Tunnel";
}
