#pragma once
// The layout's setup without a window: the baseboard outline, and the Manage Levels and Level
// Properties dialogs' rules (the list rows, adding, removing and changing decks). Setup changes
// take no undo step (undo never brings levels or the baseboard back); each is one commit the
// observers hear.

#include <cstdint>
#include <string>

#include "document/layout.h"
#include "edit/layout_editor.h"

inline constexpr const char* kLevelsTitle = "Manage Levels";
inline constexpr const char* kAddLevelTitle = "Add Level";
inline constexpr const char* kAddLevelPrompt = "Name for new level:";
inline constexpr const char* kRemoveLevelTitle = "Remove Level";
inline constexpr const char* kRemoveLevelConfirmTitle = "Remove Level \u2014 Confirm Deletion";
inline constexpr const char* kLastLevelMessage = "A layout must have at least one level.";
inline constexpr const char* kLevelPropertiesTitle = "Level Properties";
inline constexpr const char* kSelectLevelFirst = "Select a level first.";

/// Replaces the baseboard (outline, last shape and its dimensions).
void setBaseboard(LayoutEditor& editor, Baseboard board);

/// One row of the levels list.
struct LevelRow {
    int32_t id = 0;
    std::string name;
    std::string height;  ///< "%.0f mm", "%.1f cm" or "%.2f in"
    std::string colour;  ///< "custom" with its own track colour, else "-"
    bool visible = true;
    bool active = false;  ///< shown in bold
};
LevelRow levelRow(const Layout& layout, const LayoutLevel& level, Units units);

/// The colour of a new level: six pale colours in turn by (id - 1) modulo 6.
Rgb newLevelColour(int32_t id);
/// "Level N" with N the largest level id plus one.
std::string proposedLevelName(const Layout& layout);
/// Appends a visible level at height 0 named `name` (trimmed) with the next id and its colour,
/// and makes it active. An empty name adds nothing; returns the new id, else -1.
int32_t addNamedLevel(LayoutEditor& editor, const std::string& name);

/// What removing a level deletes: its pieces outside helices, its scenery, and the helices whose
/// first bottom end lies on it.
struct LevelContents {
    int pieces = 0;
    int scenery = 0;
    int helices = 0;
};
LevelContents levelContents(const Layout& layout, int32_t level);
/// The confirmation asked before a level and its contents go.
std::string removeLevelQuestion(const std::string& name, const LevelContents& contents);
/// Removes the level with everything levelContents counts, the tunnels through its track with
/// their portals, and opens the joints of remaining pieces that led to removed ones. The first
/// remaining level becomes active when the active one went. The undo and redo steps are dropped:
/// they would bring back track of a deck that no longer exists. False (nothing changed) for the
/// last level or an unknown id.
bool removeLevel(LayoutEditor& editor, int32_t level);

void setLevelVisible(LayoutEditor& editor, int32_t level, bool visible);
void setActiveLevel(LayoutEditor& editor, int32_t level);

/// The height field of Level Properties, in the display unit.
struct LevelHeightRange {
    double maximum = 10000.0;
    double step = 1.0;
    int decimals = 1;
};
LevelHeightRange levelHeightRange(Units units);

/// The typed height of a level in the display unit: a number within the range, else a message.
struct LevelHeightEntry {
    double mm = 0.0;
    std::string problem;  ///< empty when accepted
};
LevelHeightEntry readLevelHeight(const std::string& typed, Units units);

/// What the Level Properties dialog holds on OK.
struct LevelProperties {
    std::string name;
    double heightMm = 0.0;
    bool trackcolor = false;
    Rgb colour;
};
/// Stores the properties (a blank name keeps the old one) and puts every level piece of the deck
/// outside helices at the new height; graded and helix pieces keep theirs.
void applyLevelProperties(LayoutEditor& editor, int32_t level, const LevelProperties& properties);
