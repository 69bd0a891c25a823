#include "frame/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "frame/command_ids.h"

namespace {

// What the user reads in a menu, one row after another: "text=id", "---" for a separator,
// ">title" for a submenu and "  text=id" for a row inside a submenu.
std::string shownMenu(std::string_view menu) {
    std::string shown;
    for (const CommandEntry* row : menuRows(menu)) {
        if (row->kind == CommandKind::Separator)
            shown += "---|";
        else if (row->kind == CommandKind::Submenu)
            shown += ">" + std::string(row->text) + "|";
        else
            shown += (row->submenu.empty() ? "" : "  ") + std::string(row->text) + "=" +
                     std::to_string(row->id) + (row->checked ? "*" : "") + "|";
    }
    return shown;
}

}  // namespace

TEST(CommandTable, MenusShowTheirTextsIdsTicksAndSeparators) {
    std::string titles;
    for (std::string_view title : menuTitles())
        titles += std::string(title) + "|";
    EXPECT_EQ(titles, "&File|&Edit|&View|&Layout|&Help|");
    EXPECT_EQ(shownMenu("&File"),
              "&New Layout\tCtrl+N=5002|&Open Layout...\tCtrl+O=5000|>Open &Recent|---|"
              "&Save\tCtrl+S=5003|Save &As...\tCtrl+Shift+S=5004|---|&Import Layout...=1900|"
              "&Export Layout...=1901|---|&Close Layout\tCtrl+W=5001|---|Page Set&up...=5012|"
              "Print Pre&view...=5013|&Print...\tCtrl+P=5010|Export P&DF...=5014|"
              "Export &Image...=5015|Export Parts Lis&t...=5016|---|"
              "Save as &Library Block...=2001|---|E&xit=5006|");
    EXPECT_EQ(shownMenu("&Edit"),
              "&Undo\tCtrl+Z=2002|&Redo\tCtrl+Y=2003|---|&Copy\tCtrl+C=2030|"
              "&Paste\tCtrl+V=2031|&Delete\tDel=2004|Select &All\tCtrl+A=2005|---|"
              "R&otate\tCtrl+R=2032|");
    EXPECT_EQ(shownMenu("&View"),
              "Zoom &In\t+=2006|Zoom &Out\t-=2007|Zoom to &Fit\tCtrl+0=2008|---|"
              "Show &Grid\tCtrl+G=2009*|&Snap\tCtrl+Shift+G=2010*|Show &Rails=2012*|");
    EXPECT_EQ(shownMenu("&Layout"),
              ">Units of Measure|  Millimetres (mm)=2021*|  Centimetres (cm)=2022|"
              "  Inches (in)=2023|---|Layout &Shape...=2020|Layout &Wizard (Experimental)...=2018|"
              "&Bridge Wizard (Experimental)...=2019|---|&Check Layout...\tCtrl+L=2033|");
    EXPECT_EQ(shownMenu("&Help"), "&Help\tF1=2027|Layout &Wizard Help=2028|---|&Options...=2029|");
    EXPECT_EQ(findCommand(CommandId::UnitsInches, CommandPlace::Menu)->kind, CommandKind::Radio);
    EXPECT_EQ(findCommand(CommandId::ShowGrid, CommandPlace::Menu)->kind, CommandKind::Check);
}

TEST(CommandTable, ToolbarLabelsIdsTooltipsAndStatusHelp) {
    std::string shown;
    for (const CommandEntry* row : toolbarRows()) {
        if (row->kind == CommandKind::Separator) {
            shown += "|\n";
            continue;
        }
        shown += std::string(row->text) + "=" + std::to_string(row->id) +
                 (row->kind == CommandKind::Check ? " check" : "") +
                 (row->tooltip.empty() ? "" : " [" + std::string(row->tooltip) + "]") +
                 (row->statusHelp.empty() ? "" : " {" + std::string(row->statusHelp) + "}") + "\n";
    }
    EXPECT_EQ(
        shown,
        "Undo=2002\nRedo=2003\n|\n"
        "Levels=2024 [Manage layout levels (decks): height, color, and shape]\n|\n"
        "3D View=2000\n|\nFit=2008\n|\n"
        "Hide Labels=2011 check [Toggle track labels and join dots]\n|\n"
        "Tunnel=2013 [Place tunnel portals on the selected chain (or remove if already in a "
        "tunnel)]\n"
        "Measure=2014 check [Measuring tape: click two points on the canvas to lay down a "
        "length annotation]\n"
        "Polygon=2015 check [Draw a free-form polygon (access hatch, river, mountain, etc.)]\n"
        "Rectangle=2016 [Rectangle] {Place a rectangle of an exact size -- easier than "
        "drawing one by hand}\n"
        "Elevation=2017 [Elevation] {Open the Elevation Wizard to set up track grades and "
        "inclines}\n"
        "Check=2033 [Check the layout for collisions, low clearances, steep grades, gaps and "
        "open ends]\n|\n");
}

TEST(CommandTable, AvailabilityPlacesAndStartStateAgreeForEachCommand) {
    const std::set<int> unavailable = {
    };
    std::map<int, const CommandEntry*> first;
    for (const CommandEntry& row : commandTable()) {
        EXPECT_EQ(row.startsDisabled, row.id == CommandId::Tunnel) << row.text;
        if (row.id == 0) {
            EXPECT_EQ(row.handler, nullptr) << "separators and submenus do nothing";
            continue;
        }
        EXPECT_EQ(isCommandAvailable(row.id), unavailable.count(row.id) == 0) << row.text;
        // Adding a command is one row and one function: every available row names its work,
        // and no row points into work that is not part of the program.
        EXPECT_EQ(row.handler != nullptr, row.available) << row.text;
        auto [it, fresh] = first.emplace(row.id, &row);
        if (!fresh) {
            EXPECT_NE(it->second->place, row.place) << "id " << row.id << " twice in one place";
            EXPECT_EQ(it->second->enableRule, row.enableRule) << row.text;
            EXPECT_EQ(it->second->handler, row.handler) << row.text;
        }
    }
    EXPECT_FALSE(isCommandAvailable(4242)) << "an unknown id is never available";
    EXPECT_EQ(commandPlace(CommandId::Undo), CommandPlace::Both);
    EXPECT_EQ(commandPlace(CommandId::ZoomIn), CommandPlace::Menu);
    EXPECT_EQ(commandPlace(CommandId::Levels), CommandPlace::Toolbar);
    EXPECT_FALSE(commandPlace(4242).has_value());
}

TEST(CommandTable, UpdateUiRules) {
    CommandState state;
    EXPECT_FALSE(isCommandEnabled(CommandId::Undo, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Delete, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::SelectAll, state));
    state.canUndo = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Undo, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Redo, state));
    state.canRedo = true;
    state.hasDeletableSelection = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Redo, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::Delete, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Tunnel, state));
    state.selectionIsTunnelChain = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Tunnel, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::LayoutWizard, state));
    EXPECT_TRUE(isCommandEnabled(CommandId::Elevation, state));
    // Copy needs pieces or scenery, Paste a filled clipboard, Rotate anything that turns.
    for (const int id : {CommandId::Copy, CommandId::Paste, CommandId::Rotate})
        EXPECT_FALSE(isCommandEnabled(id, state)) << id;
    state.hasCopyableSelection = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Copy, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Paste, state));
    state.clipboardFilled = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Paste, state));
    EXPECT_FALSE(isCommandEnabled(CommandId::Rotate, state));
    state.hasTurnableSelection = true;
    EXPECT_TRUE(isCommandEnabled(CommandId::Rotate, state));
}

TEST(CommandTable, AcceleratorsAreTheTextAfterTheTabAndUnique) {
    EXPECT_EQ(acceleratorOf("&Delete\tDel"), "Del");
    EXPECT_EQ(acceleratorOf("E&xit"), "");
    std::set<std::string> seen;
    for (const CommandEntry& row : commandTable()) {
        const std::string accel(acceleratorOf(row.text));
        if (!accel.empty()) {
            EXPECT_TRUE(seen.insert(accel).second) << "accelerator used twice: " << accel;
        }
    }
    EXPECT_EQ(seen.size(), 20u);
}

TEST(CommandTable, UnitsRadioItemsAndStateFollowingToolLabels) {
    for (int units = 0; units < 3; ++units) {
        EXPECT_EQ(unitsCommandId(units), 2021 + units);
        EXPECT_EQ(unitsForCommand(2021 + units), units);
    }
    EXPECT_EQ(unitsCommandId(7), 2021) << "an out-of-range unit falls back to millimetres";
    EXPECT_EQ(unitsForCommand(2024), -1);
    EXPECT_EQ(labelsToolLabel(false), "Show Labels");
    EXPECT_EQ(tunnelToolLabel(true), "Remove Tunnel");
}
