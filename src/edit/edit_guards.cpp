#include "edit/edit_guards.h"

#include "edit/edit.h"

#include <algorithm>
#include <cmath>

namespace {

bool coveredByTunnel(const Layout& layout, uint32_t pieceId) {
    for (const Tunnel& t : layout.tunnels) {
        if (std::find(t.covers.begin(), t.covers.end(), pieceId) != t.covers.end()) {
            return true;
        }
    }
    return false;
}

bool isPortal(const Layout& layout, uint32_t sceneryId) {
    const auto id = static_cast<int32_t>(sceneryId);
    return std::any_of(layout.tunnels.begin(), layout.tunnels.end(),
                       [id](const Tunnel& t) { return t.portalA == id || t.portalB == id; });
}

}  // namespace

bool anythingDeletableSelected(const Layout& layout) {
    auto sel = [](const auto& v) {
        return std::any_of(v.begin(), v.end(), [](const auto& o) { return o.selected; });
    };
    return sel(layout.pieces) || sel(layout.scenery) || sel(layout.labels) ||
           sel(layout.measurements) || sel(layout.shapes);
}

bool menuDeletableSelected(const Layout& layout) {
    auto sel = [](const auto& v) {
        return std::any_of(v.begin(), v.end(), [](const auto& o) { return o.selected; });
    };
    return sel(layout.pieces) || sel(layout.scenery) || sel(layout.shapes);
}

bool selectionIsWholeHelix(const Layout& layout) {
    uint32_t helix = kNoId;
    bool any = false;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected) {
            continue;
        }
        if (p.helix == kNoId || (any && p.helix != helix)) {
            return false;
        }
        helix = p.helix;
        any = true;
    }
    // Every stub of that helix must be in the selection: one stub alone is locked.
    return any &&
           std::none_of(layout.pieces.begin(), layout.pieces.end(),
                        [helix](const PlacedPiece& p) { return !p.selected && p.helix == helix; });
}

bool gradedPieceSelected(const Layout& layout) {
    return std::any_of(layout.pieces.begin(), layout.pieces.end(), [](const PlacedPiece& p) {
        return p.selected && std::fabs(p.grade) > 0.001;
    });
}

SelectionLock findSelectionLock(const Layout& layout, bool helixFirst) {
    if (helixFirst && std::any_of(layout.pieces.begin(), layout.pieces.end(),
                                  [](const auto& p) { return p.selected && p.helix != kNoId; })) {
        return SelectionLock::Helix;
    }
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected) {
            continue;
        }
        if (p.helix != kNoId) {
            return SelectionLock::Helix;
        }
        if (coveredByTunnel(layout, p.id)) {
            return SelectionLock::Tunnel;
        }
    }
    for (const SceneryItem& s : layout.scenery) {
        if (s.selected && isPortal(layout, s.id)) {
            return SelectionLock::Tunnel;
        }
    }
    return SelectionLock::None;
}

std::string selectionLockTitle(SelectionLock lock) {
    switch (lock) {
        case SelectionLock::Helix:
            return "Helix track is locked";
        case SelectionLock::Tunnel:
            return "Tunnel is locked";
        case SelectionLock::None:
            break;
    }
    return {};
}

std::string selectionLockText(SelectionLock lock, const std::string& verb) {
    switch (lock) {
        case SelectionLock::Helix:
            return "Selection includes track that is part of a helix. Helix track cannot be " +
                   std::string(verb == "delete" ? "deleted" : "rotated") + " individually.";
        case SelectionLock::Tunnel:
            return "Selection includes tunnel track or portals. Remove the tunnel first, then " +
                   verb + ".";
        case SelectionLock::None:
            break;
    }
    return {};
}

bool lockGuard(const Layout& layout, Prompter& prompter, const std::string& verb) {
    const SelectionLock lock = findSelectionLock(layout, true);
    if (lock == SelectionLock::None) {
        return true;
    }
    prompter.showMessage(selectionLockTitle(lock), selectionLockText(lock, verb),
                         PromptIcon::Exclamation);
    return false;
}

bool deleteSelectionCommand(LayoutEditor& editor, Prompter& prompter) {
    const Layout& layout = editor.layout();
    if (!anythingDeletableSelected(layout)) {
        return false;
    }
    const bool scenerySelected = std::any_of(layout.scenery.begin(), layout.scenery.end(),
                                             [](const SceneryItem& s) { return s.selected; });
    const bool wholeHelix = !scenerySelected && selectionIsWholeHelix(layout);
    if (!wholeHelix && !lockGuard(layout, prompter, "delete")) {
        return false;
    }
    if (gradedPieceSelected(layout) &&
        prompter.ask("Delete", "Selection includes graded pieces. Delete?", PromptButtons::YesNo,
                     kIdNo, PromptIcon::Question) != kIdYes) {
        return false;
    }
    Edit edit(editor);
    edit.deleteSelection();
    edit.commit();
    editor.selectionChanged();
    return true;
}
