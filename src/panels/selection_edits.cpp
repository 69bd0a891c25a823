#include "panels/selection_edits.h"

#include "edit/edit.h"

#include <cmath>
#include <iterator>
#include <set>
#include <vector>

#include "catalog/helix_catalog.h"
#include "edit/elevation.h"

namespace {

const PieceColourEntry kColours[] = {
    {"Default", std::nullopt},     {"Red", Rgb{220, 60, 60}},   {"Orange", Rgb{230, 140, 40}},
    {"Yellow", Rgb{220, 200, 50}}, {"Green", Rgb{60, 170, 60}}, {"Blue", Rgb{60, 100, 200}},
    {"Purple", Rgb{140, 60, 180}}, {"Pink", Rgb{210, 90, 150}}, {"White", Rgb{240, 240, 240}},
};

bool isFlat(const PlacedPiece& piece) {
    return std::fabs(piece.grade) < kFlatGrade;
}

PlacedPiece* pieceById(Layout& layout, int32_t id) {
    return id < 0 ? nullptr : layout.EditPiece(static_cast<uint32_t>(id));
}

// The helix's ends carry it between two decks: the bottom sits on the level, the top one rise
// higher, and the track leaving the top follows it up until it meets another helix.
void moveHelix(Layout& layout, const Helix& helix, int32_t level, double base) {
    const HelixVariant* variant = helixVariantOrDefault(helix.variant);
    const double top = base + (variant != nullptr ? variant->rise : 0.0);
    for (int32_t id : {helix.bottomR1, helix.bottomR2}) {
        if (PlacedPiece* piece = pieceById(layout, id)) {
            piece->level = level;
            piece->z = base;
        }
    }
    std::vector<uint32_t> queue;
    std::set<uint32_t> seen;
    for (int32_t id : {helix.topR1, helix.topR2}) {
        if (PlacedPiece* piece = pieceById(layout, id)) {
            piece->level = level;
            piece->z = top;
            if (seen.insert(piece->id).second) {
                queue.push_back(piece->id);
            }
        }
    }
    while (!queue.empty()) {
        const std::vector<Joint> joints = layout.FindPiece(queue.back())->joints;
        queue.pop_back();
        for (const Joint& joint : joints) {
            PlacedPiece* next = joint.isOpen() ? nullptr : pieceById(layout, joint.target);
            if (next == nullptr || next->helix != kNoId || !seen.insert(next->id).second) {
                continue;
            }
            next->level = level;
            if (isFlat(*next)) {
                next->z = top;
            }
            queue.push_back(next->id);
        }
    }
}

}  // namespace

int pieceColourCount() {
    return static_cast<int>(std::size(kColours));
}

const PieceColourEntry& pieceColourAt(int i) {
    return kColours[i];
}

bool changeSelectionLevel(LayoutEditor& editor, const ShownIds& shown, int32_t level) {
    Layout& layout = editor.layout();
    Edit edit(editor);
    const LayoutLevel* target = layout.FindLevel(level);
    const double base = target != nullptr ? target->height : 0.0;
    // A scenery item or a shape only changes its level; the snapshot copies the arrays, so the
    // record is looked up again after PushUndo.
    auto moveOne = [&](auto find) {
        if (find() == nullptr) {
            return false;
        }
        edit.change();
        find()->level = level;
        layout.activeLevel = level;
        return true;
    };
    if (shown.scenery != kNoId) {
        return moveOne([&] { return layout.EditScenery(shown.scenery); });
    }
    if (shown.shape != kNoId) {
        return moveOne([&] { return layout.FindShape(shown.shape); });
    }
    if (shown.helix != kNoId) {
        if (layout.FindHelix(shown.helix) == nullptr) {
            return false;
        }
        edit.change();
        // The snapshot copies the helices; look the record up again afterwards.
        moveHelix(layout, *layout.FindHelix(shown.helix), level, base);
        layout.activeLevel = level;
        return true;
    }
    bool anySelected = false;
    for (const PlacedPiece& piece : layout.pieces) {
        anySelected = anySelected || piece.selected;
    }
    if (!anySelected) {
        return false;
    }
    edit.change();
    const size_t changed = layout.pieces.editIf(
        [](const PlacedPiece& piece) { return piece.selected && piece.helix == kNoId; },
        [&](PlacedPiece& piece) {
            piece.level = level;
            if (isFlat(piece)) {
                piece.z = base;
            }
        });
    if (changed > 0) {
        layout.activeLevel = level;
    }
    return true;
}

int selectedColourEntry(const Layout& layout) {
    int shared = -1;
    for (const PlacedPiece& piece : layout.pieces) {
        if (!piece.selected) {
            continue;
        }
        int entry = -1;
        for (int i = 0; i < pieceColourCount(); ++i) {
            const std::optional<Rgb>& c = kColours[i].colour;
            const bool same = piece.hasColor ? c && c->r == piece.color.r &&
                                                   c->g == piece.color.g && c->b == piece.color.b
                                             : !c;
            if (same) {
                entry = i;
                break;
            }
        }
        if (entry < 0 || (shared >= 0 && entry != shared)) {
            return -1;
        }
        shared = entry;
    }
    return shared;
}

bool applyPieceColour(LayoutEditor& editor, int entry) {
    Layout& layout = editor.layout();
    Edit edit(editor);
    if (entry < 0 || entry >= pieceColourCount()) {
        return false;
    }
    bool anySelected = false;
    for (const PlacedPiece& piece : layout.pieces) {
        anySelected = anySelected || piece.selected;
    }
    if (!anySelected) {
        return false;
    }
    edit.change();
    const std::optional<Rgb>& colour = kColours[entry].colour;
    layout.pieces.editIf([](const PlacedPiece& piece) { return piece.selected; },
                         [&](PlacedPiece& piece) {
                             piece.hasColor = colour.has_value();
                             piece.color = colour.value_or(Rgb{});
                         });
    layout.DeselectAll();
    return true;
}

bool addLayoutLabel(LayoutEditor& editor, const std::string& text, std::optional<Vec2> at) {
    Layout& layout = editor.layout();
    Edit edit(editor);
    std::string trimmed = text;
    while (!trimmed.empty() &&
           (trimmed.back() == ' ' || trimmed.back() == '\t' || trimmed.back() == '\n' ||
            trimmed.back() == '\r' || trimmed.back() == '\v' || trimmed.back() == '\f')) {
        trimmed.pop_back();
    }
    if (trimmed.empty()) {
        return false;
    }
    edit.change();
    layout.DeselectAll();
    LayoutLabel label;
    label.text = std::move(trimmed);
    const Vec2 point = at.value_or(Vec2{0.0, 0.0});
    label.x = point.x;
    label.y = point.y;
    label.selected = true;
    edit.addLabel(std::move(label));
    return true;
}
