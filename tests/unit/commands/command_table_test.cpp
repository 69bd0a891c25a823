#include "frame/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "frame/command_ids.h"

namespace {

// What the user reads in a menu: the text (with mnemonic and accelerator) and the id, or "---"
// for a separator and ">" + title for a submenu.
std::vector<std::pair<std::string, int>> shownMenu(std::string_view menu, bool withSubmenuItems) {
    std::vector<std::pair<std::string, int>> shown;
    for (const CommandEntry* row : menuRows(menu)) {
        if (!withSubmenuItems && !row->submenu.empty()) {
            continue;
        }
        if (row->kind == CommandKind::Separator) {
            shown.emplace_back("---", 0);
        } else if (row->kind == CommandKind::Submenu) {
            shown.emplace_back(">" + std::string(row->text), 0);
        } else {
            shown.emplace_back(std::string(row->text), row->id);
        }
    }
    return shown;
}

using Shown = std::vector<std::pair<std::string, int>>;

}  // namespace

TEST(CommandTable, MenuBarAndFileMenuEntriesTextsIdsAndSeparators) {
    const Shown expected = {
        {"&New Layout\tCtrl+N", 5002},
        {"&Open Layout...\tCtrl+O", 5000},
        {"---", 0},
        {"&Save\tCtrl+S", 5003},
        {"Save &As...\tCtrl+Shift+S", 5004},
        {"---", 0},
        {"&Import Layout...", 1900},
        {"&Export Layout...", 1901},
        {"---", 0},
        {"&Close Layout\tCtrl+W", 5001},
        {"---", 0},
        {"Page Set&up...", 5012},
        {"Print Pre&view...", 5013},
        {"&Print...\tCtrl+P", 5010},
        {"---", 0},
        {"Save as &Library Block...", 2001},
        {"---", 0},
        {"E&xit", 5006},
    };
    EXPECT_EQ(shownMenu("&File", true), expected);
    EXPECT_EQ(menuTitles(),
              (std::vector<std::string_view>{"&File", "&Edit", "&View", "&Layout", "&Help"}));
}

TEST(CommandTable, EditViewAndHelpMenuEntries) {
    const Shown edit = {
        {"&Undo\tCtrl+Z", 2002}, {"&Redo\tCtrl+Y", 2003},       {"---", 0},
        {"&Delete\tDel", 2004},  {"Select &All\tCtrl+A", 2005},
    };
    EXPECT_EQ(shownMenu("&Edit", true), edit);

    const Shown view = {
        {"Zoom &In\t+", 2006},          {"Zoom &Out\t-", 2007},
        {"Zoom to &Fit\tCtrl+0", 2008}, {"---", 0},
        {"Show &Grid\tCtrl+G", 2009},   {"&Snap\tCtrl+Shift+G", 2010},
        {"Show &Rails", 2012},
    };
    EXPECT_EQ(shownMenu("&View", true), view);

    const Shown help = {
        {"&Help\tF1", 2027}, {"Layout &Wizard Help", 2028}, {"---", 0}, {"&Options...", 2029}};
    EXPECT_EQ(shownMenu("&Help", true), help);
}

TEST(CommandTable, LayoutMenuStartsWithUnitsSubmenu) {
    const Shown top = {
        {">Units of Measure", 0},
        {"---", 0},
        {"Layout &Shape...", 2020},
        {"Layout &Wizard (Experimental)...", 2018},
        {"&Bridge Wizard (Experimental)...", 2019},
    };
    EXPECT_EQ(shownMenu("&Layout", false), top);

    std::vector<std::tuple<std::string, int, CommandKind, bool>> units;
    for (const CommandEntry* row : menuRows("&Layout")) {
        if (row->submenu == "Units of Measure") {
            units.emplace_back(std::string(row->text), row->id, row->kind, row->checked);
        }
    }
    const std::vector<std::tuple<std::string, int, CommandKind, bool>> expected = {
        {"Millimetres (mm)", 2021, CommandKind::Radio, true},
        {"Centimetres (cm)", 2022, CommandKind::Radio, false},
        {"Inches (in)", 2023, CommandKind::Radio, false},
    };
    EXPECT_EQ(units, expected);
}

TEST(CommandTable, ViewSwitchesStartTickedAndOnlyTunnelStartsDisabled) {
    for (int id : {CommandId::ShowGrid, CommandId::Snap, CommandId::ShowRails}) {
        const CommandEntry* row = findCommand(id, CommandPlace::Menu);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_EQ(row->kind, CommandKind::Check) << row->text;
        EXPECT_TRUE(row->checked) << row->text;
    }
    // Nothing else in the menus starts with a tick except the millimetres radio item.
    for (const CommandEntry& row : commandTable()) {
        if (row.checked) {
            EXPECT_TRUE(row.id == CommandId::ShowGrid || row.id == CommandId::Snap ||
                        row.id == CommandId::ShowRails || row.id == CommandId::UnitsMillimetres)
                << row.text;
        }
    }
}

TEST(CommandTable, ToolbarLabelsKindsOrderTooltipsAndStatusHelp) {
    using K = CommandKind;
    using Tool = std::tuple<std::string, int, K, std::string, std::string>;
    std::vector<Tool> shown;
    for (const CommandEntry* row : toolbarRows()) {
        const bool bar = row->kind == K::Separator;
        shown.emplace_back(bar ? "|" : std::string(row->text), row->id, row->kind,
                           bar ? "" : std::string(row->tooltip),
                           bar ? "" : std::string(row->statusHelp));
    }
    const std::vector<Tool> expected = {
        {"Undo", 2002, K::Normal, "", ""},
        {"Redo", 2003, K::Normal, "", ""},
        {"|", 0, K::Separator, "", ""},
        {"Levels", 2024, K::Normal, "Manage layout levels (decks): height, color, and shape", ""},
        {"|", 0, K::Separator, "", ""},
        {"3D View", 2000, K::Normal, "", ""},
        {"|", 0, K::Separator, "", ""},
        {"Fit", 2008, K::Normal, "", ""},
        {"|", 0, K::Separator, "", ""},
        {"Hide Labels", 2011, K::Check, "Toggle track labels and join dots", ""},
        {"|", 0, K::Separator, "", ""},
        {"Tunnel", 2013, K::Normal,
         "Place tunnel portals on the selected chain (or remove if already in a tunnel)", ""},
        {"Measure", 2014, K::Check,
         "Measuring tape: click two points on the canvas to lay down a length annotation", ""},
        {"Polygon", 2015, K::Check,
         "Draw a free-form polygon (access hatch, river, mountain, etc.)", ""},
        {"Rectangle", 2016, K::Normal, "Rectangle",
         "Place a rectangle of an exact size -- easier than drawing one by hand"},
        {"Elevation", 2017, K::Normal, "Elevation",
         "Open the Elevation Wizard to set up track grades and inclines"},
        {"|", 0, K::Separator, "", ""},
    };
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(shown[i], expected[i]) << "tool " << i;
}

TEST(CommandTable, OnlyTheTunnelToolStartsDisabled) {
    for (const CommandEntry& row : commandTable()) {
        EXPECT_EQ(row.startsDisabled, row.id == CommandId::Tunnel) << row.text;
    }
}

TEST(CommandTable, CommandsWithoutTheirWorkYetAreUnavailable) {
    const std::set<int> unavailable = {
        CommandId::Print,        CommandId::PrintPreview, CommandId::LayoutShape,
        CommandId::LayoutWizard, CommandId::BridgeWizard, CommandId::Levels,
        CommandId::View3D,       CommandId::Tunnel,       CommandId::Measure,
        CommandId::Polygon,      CommandId::Elevation,
    };
    for (const CommandEntry& row : commandTable()) {
        if (row.id != 0) {
            EXPECT_EQ(isCommandAvailable(row.id), unavailable.count(row.id) == 0) << row.text;
        }
    }
    EXPECT_FALSE(isCommandAvailable(4242)) << "an unknown id is never available";
}

TEST(CommandTable, CommandsOnMenuAndToolbarAgreeOnTheirRules) {
    std::map<int, const CommandEntry*> first;
    for (const CommandEntry& row : commandTable()) {
        if (row.id == 0) {
            continue;
        }
        auto [it, fresh] = first.emplace(row.id, &row);
        if (!fresh) {
            EXPECT_NE(it->second->place, row.place) << "id " << row.id << " twice in one place";
            EXPECT_EQ(it->second->available, row.available) << row.text;
            EXPECT_EQ(it->second->enableRule, row.enableRule) << row.text;
        }
    }
    EXPECT_EQ(commandPlace(CommandId::Undo), CommandPlace::Both);
    EXPECT_EQ(commandPlace(CommandId::Redo), CommandPlace::Both);
    EXPECT_EQ(commandPlace(CommandId::ZoomFit), CommandPlace::Both);
    EXPECT_EQ(commandPlace(CommandId::ZoomIn), CommandPlace::Menu);
    EXPECT_EQ(commandPlace(CommandId::Levels), CommandPlace::Toolbar);
    EXPECT_FALSE(commandPlace(4242).has_value());
}

TEST(CommandTable, SeparatorsNeverStartOrEndAMenuOrFollowEachOther) {
    for (std::string_view title : menuTitles()) {
        const auto rows = menuRows(title);
        ASSERT_FALSE(rows.empty()) << title;
        EXPECT_NE(rows.front()->kind, CommandKind::Separator) << title;
        EXPECT_NE(rows.back()->kind, CommandKind::Separator) << title;
        for (size_t i = 1; i < rows.size(); ++i) {
            EXPECT_FALSE(rows[i]->kind == CommandKind::Separator &&
                         rows[i - 1]->kind == CommandKind::Separator)
                << title << " row " << i;
        }
    }
}

TEST(CommandTable, UpdateUiRules) {
    CommandState none;
    EXPECT_FALSE(isCommandEnabled(CommandId::Undo, none));
    EXPECT_FALSE(isCommandEnabled(CommandId::Redo, none));
    EXPECT_FALSE(isCommandEnabled(CommandId::Delete, none));
    EXPECT_TRUE(isCommandEnabled(CommandId::SelectAll, none));
    EXPECT_TRUE(isCommandEnabled(CommandId::ZoomFit, none));
    EXPECT_TRUE(isCommandEnabled(CommandId::HideLabels, none));

    CommandState state;
    state.canUndo = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Undo, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Redo, state));
    state.canRedo = true;
    state.hasDeletableSelection = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Redo, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::Delete, state));

    // A command whose work is missing stays disabled whatever the document says.
    state.selectionIsTunnelChain = true;
    EXPECT_FALSE(isCommandEnabled(CommandId::Tunnel, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Print, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::OpenLayout, state));
}

TEST(CommandTable, AcceleratorsAreTheTextAfterTheTab) {
    EXPECT_EQ(acceleratorOf("Zoom &In\t+"), "+");
    EXPECT_EQ(acceleratorOf("&Delete\tDel"), "Del");
    EXPECT_EQ(acceleratorOf("E&xit"), "");
    std::set<std::string> seen;
    for (const CommandEntry& row : commandTable()) {
        const std::string accel(acceleratorOf(row.text));
        if (!accel.empty()) {
            EXPECT_TRUE(seen.insert(accel).second) << "accelerator used twice: " << accel;
        }
    }
    EXPECT_EQ(seen.size(), 16u);
}

TEST(CommandTable, UnitsRadioItemsAndStateFollowingToolLabels) {
    for (int units = 0; units < 3; ++units) {
        EXPECT_EQ(unitsCommandId(units), 2021 + units);
        EXPECT_EQ(unitsForCommand(2021 + units), units);
    }
    EXPECT_EQ(unitsCommandId(7), 2021) << "an out-of-range unit falls back to millimetres";
    EXPECT_EQ(unitsForCommand(2024), -1);
    EXPECT_EQ(labelsToolLabel(true), "Hide Labels");
    EXPECT_EQ(labelsToolLabel(false), "Show Labels");
    EXPECT_EQ(tunnelToolLabel(false), "Tunnel");
    EXPECT_EQ(tunnelToolLabel(true), "Remove Tunnel");
}
