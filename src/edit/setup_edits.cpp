#include "edit/setup_edits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "edit/edit.h"
#include "geometry/typed_number.h"

namespace {

int32_t largestLevelId(const Layout& layout) {
    int32_t largest = 0;
    for (const LayoutLevel& level : layout.levels) {
        largest = std::max(largest, level.id);
    }
    return largest;
}

// Helices whose first bottom end lies on the level: they go with it.
std::unordered_set<uint32_t> helicesOnLevel(const Layout& layout, int32_t level) {
    std::unordered_set<uint32_t> helices;
    for (const Helix& helix : layout.helices) {
        const PlacedPiece* end =
            helix.bottomR1 >= 0 ? layout.FindPiece(static_cast<uint32_t>(helix.bottomR1)) : nullptr;
        if (end != nullptr && end->level == level) {
            helices.insert(helix.id);
        }
    }
    return helices;
}

// Marks what goes with the level as the selection, so the document's removal opens the joints
// and moves grade runs as it does for Delete. Tunnels through removed track lose their portals.
void selectLevelContents(Layout& doc, int32_t level) {
    doc.DeselectAll();
    const std::unordered_set<uint32_t> helices = helicesOnLevel(doc, level);
    std::unordered_set<uint32_t> removed;
    doc.pieces.editIf(
        [&](const PlacedPiece& piece) {
            return piece.helix == kNoId ? piece.level == level : helices.count(piece.helix) > 0;
        },
        [&](PlacedPiece& piece) {
            piece.selected = true;
            removed.insert(piece.id);
        });
    std::unordered_set<int32_t> portals;
    doc.scenery.editIf([&](const SceneryItem& item) { return item.level == level; },
                       [&](SceneryItem& item) {
                           item.selected = true;
                           portals.insert(static_cast<int32_t>(item.id));
                       });
    const auto gone = [&removed](int32_t id) {
        return id >= 0 && removed.count(static_cast<uint32_t>(id)) > 0;
    };
    std::unordered_set<int32_t> lostPortals;
    std::erase_if(doc.tunnels, [&](const Tunnel& tunnel) {
        const bool broken = gone(tunnel.anchorA) || gone(tunnel.anchorB) ||
                            portals.count(tunnel.portalA) || portals.count(tunnel.portalB) ||
                            std::any_of(tunnel.covers.begin(), tunnel.covers.end(),
                                        [&removed](uint32_t id) { return removed.count(id) > 0; });
        if (broken) {
            lostPortals.insert(tunnel.portalA);
            lostPortals.insert(tunnel.portalB);
        }
        return broken;
    });
    doc.scenery.editIf(
        [&](const SceneryItem& item) {
            return !item.selected && lostPortals.count(static_cast<int32_t>(item.id)) > 0;
        },
        [](SceneryItem& item) { item.selected = true; });
}

}  // namespace

void setBaseboard(LayoutEditor& editor, Baseboard board) {
    Edit edit(editor);
    edit.changeSetup().baseboard = std::move(board);
}

LevelRow levelRow(const Layout& layout, const LayoutLevel& level, Units units) {
    char height[64];
    const char* format = units == Units::Centimetres ? "%.1f cm"
                         : units == Units::Inches    ? "%.2f in"
                                                     : "%.0f mm";
    std::snprintf(height, sizeof height, format, toDisplay(level.height, units));
    return {level.id,      level.name,
            height,        level.trackcolor ? "custom" : "-",
            level.visible, level.id == layout.activeLevel};
}

Rgb newLevelColour(int32_t id) {
    static constexpr std::array<Rgb, 6> kColours{{{180, 200, 220},
                                                  {220, 180, 180},
                                                  {180, 220, 180},
                                                  {220, 210, 160},
                                                  {200, 180, 220},
                                                  {160, 220, 220}}};
    const int32_t slot = ((id - 1) % 6 + 6) % 6;
    return kColours[static_cast<size_t>(slot)];
}

std::string proposedLevelName(const Layout& layout) {
    return "Level " + std::to_string(largestLevelId(layout) + 1);
}

int32_t addNamedLevel(LayoutEditor& editor, const std::string& name) {
    const std::string levelName = std::string(trimBlanks(name));
    if (levelName.empty()) {
        return -1;
    }
    Edit edit(editor);
    Layout& doc = edit.changeSetup();
    LayoutLevel level;
    level.id = largestLevelId(doc) + 1;
    level.name = levelName;
    const Rgb colour = newLevelColour(level.id);
    level.r = colour.r;
    level.g = colour.g;
    level.b = colour.b;
    doc.levels.push_back(std::move(level));
    doc.activeLevel = doc.levels.back().id;
    return doc.activeLevel;
}

LevelContents levelContents(const Layout& layout, int32_t level) {
    LevelContents contents;
    for (const PlacedPiece& piece : layout.pieces) {
        contents.pieces += piece.level == level && piece.helix == kNoId;
    }
    for (const SceneryItem& item : layout.scenery) {
        contents.scenery += item.level == level;
    }
    contents.helices = static_cast<int>(helicesOnLevel(layout, level).size());
    return contents;
}

std::string removeLevelQuestion(const std::string& name, const LevelContents& contents) {
    return "Remove level \"" + name +
           "\"?\n\nThis will PERMANENTLY DELETE everything on this level:\n    \u2022 " +
           std::to_string(contents.pieces) + " track piece(s)\n    \u2022 " +
           std::to_string(contents.scenery) + " scenery item(s)\n    \u2022 " +
           std::to_string(contents.helices) +
           " helix/helices\n\nThis cannot be undone from this dialog. Are you sure?";
}

bool removeLevel(LayoutEditor& editor, int32_t level) {
    const Layout& current = editor.layout();
    if (current.levels.size() <= 1 || current.FindLevel(level) == nullptr) {
        return false;
    }
    Edit edit(editor);
    Layout& doc = edit.changeSetup();
    selectLevelContents(doc, level);
    doc.RemoveSelected();
    std::erase_if(doc.levels, [level](const LayoutLevel& l) { return l.id == level; });
    if (doc.activeLevel == level) {
        doc.activeLevel = doc.levels.front().id;
    }
    doc.undoStack.clear();
    doc.redoStack.clear();
    return true;
}

void setLevelVisible(LayoutEditor& editor, int32_t level, bool visible) {
    const LayoutLevel* found = editor.layout().FindLevel(level);
    if (found == nullptr || found->visible == visible) {
        return;
    }
    Edit edit(editor);
    edit.changeSetup().FindLevel(level)->visible = visible;
}

void setActiveLevel(LayoutEditor& editor, int32_t level) {
    if (editor.layout().FindLevel(level) == nullptr || editor.layout().activeLevel == level) {
        return;
    }
    Edit edit(editor);
    edit.changeSetup().activeLevel = level;
}

LevelHeightRange levelHeightRange(Units units) {
    switch (units) {
        case Units::Centimetres:
            return {1000.0, 1.0, 1};
        case Units::Inches:
            return {400.0, 0.1, 2};
        case Units::Millimetres:
            break;
    }
    return {10000.0, 1.0, 1};
}

LevelHeightEntry readLevelHeight(const std::string& typed, Units units) {
    const LevelHeightRange range = levelHeightRange(units);
    const std::optional<double> value = parseAmount(trimBlanks(typed));
    if (!value || *value < 0.0 || *value > range.maximum) {
        return {0.0, "The height must be a number from 0 to " + formatAmount(range.maximum, 0) +
                         " " + unitLabel(units) + "."};
    }
    return {fromDisplay(*value, units), {}};
}

void applyLevelProperties(LayoutEditor& editor, int32_t level, const LevelProperties& properties) {
    if (editor.layout().FindLevel(level) == nullptr) {
        return;
    }
    Edit edit(editor);
    Layout& doc = edit.changeSetup();
    LayoutLevel& target = *doc.FindLevel(level);
    if (const std::string name = std::string(trimBlanks(properties.name)); !name.empty()) {
        target.name = name;
    }
    target.height = properties.heightMm;
    target.trackcolor = properties.trackcolor;
    target.r = properties.colour.r;
    target.g = properties.colour.g;
    target.b = properties.colour.b;
    doc.pieces.editIf(
        [&](const PlacedPiece& piece) {
            return piece.level == level && piece.helix == kNoId &&
                   std::abs(piece.grade) < 0.001 && piece.z != properties.heightMm;
        },
        [&](PlacedPiece& piece) { piece.z = properties.heightMm; });
}
