#include "edit/fragment.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

/// Level records for the levels the fragment's objects stand on that the document lacks.
void addMissingLevels(Edit& edit, const LayoutFragment& fragment) {
    auto ensure = [&](int32_t id) {
        if (edit.layout().FindLevel(id) != nullptr) {
            return;
        }
        LayoutLevel level;
        level.id = id;
        level.name = "Level " + std::to_string(id);
        level.visible = true;
        level.r = level.g = level.b = 180;
        edit.addLevel(std::move(level));
    };
    for (const PlacedPiece& p : fragment.pieces) {
        ensure(p.level);
    }
    for (const SceneryItem& s : fragment.scenery) {
        ensure(s.level);
    }
}

/// For each fragment piece and connector: the partner's fragment index when the joint names a
/// piece of the fragment that names it back on the same connector, else -1. A damaged file may
/// repeat ids, so pieces are matched by position and one-sided joints are dropped.
std::vector<std::vector<long>> mirroredPartners(const LayoutFragment& fragment) {
    std::unordered_map<uint32_t, size_t> indexOfId;
    for (size_t i = 0; i < fragment.pieces.size(); ++i) {
        indexOfId.emplace(fragment.pieces[i].id, i);
    }
    const auto partner = [&](const Joint& j) -> long {
        if (j.isOpen()) {
            return -1;
        }
        const auto it = indexOfId.find(static_cast<uint32_t>(j.target));
        return it == indexOfId.end() ? -1 : static_cast<long>(it->second);
    };
    std::vector<std::vector<long>> result(fragment.pieces.size());
    for (size_t i = 0; i < fragment.pieces.size(); ++i) {
        const std::vector<Joint>& joints = fragment.pieces[i].joints;
        result[i].assign(joints.size(), -1);
        for (size_t c = 0; c < joints.size(); ++c) {
            const long other = partner(joints[c]);
            if (other < 0) {
                continue;
            }
            const Joint back = fragment.pieces[static_cast<size_t>(other)].jointAt(joints[c].tconn);
            if (partner(back) == static_cast<long>(i) && back.tconn == static_cast<int32_t>(c)) {
                result[i][c] = other;
            }
        }
    }
    return result;
}

}  // namespace

InsertedObjects insertFragment(Edit& edit, const LayoutFragment& fragment, Vec2 offset,
                               bool select) {
    InsertedObjects inserted;
    if (fragment.empty()) {
        return inserted;
    }
    addMissingLevels(edit, fragment);
    const std::vector<std::vector<long>> partners = mirroredPartners(fragment);
    // The copies' ids are known before they are added, so the joints inside the group go in
    // with the records (mirrored on both sides) without looking a piece up per joint.
    Layout& doc = edit.change();
    for (size_t i = 0; i < fragment.pieces.size(); ++i) {
        inserted.pieces.push_back(doc.AllocateId());
    }
    for (size_t i = 0; i < fragment.pieces.size(); ++i) {
        PlacedPiece piece = fragment.pieces[i];
        piece.id = inserted.pieces[i];
        piece.x += offset.x;
        piece.y += offset.y;
        piece.selected = select;
        piece.helix = kNoId;
        for (size_t c = 0; c < piece.joints.size(); ++c) {
            const long other = partners[i][c];
            piece.joints[c] =
                other < 0 ? Joint{}
                          : Joint{static_cast<int32_t>(inserted.pieces[static_cast<size_t>(other)]),
                                  piece.joints[c].tconn};
        }
        edit.addPiece(std::move(piece));
    }
    for (const SceneryItem& source : fragment.scenery) {
        SceneryItem item = source;
        item.id = kNoId;
        item.x += offset.x;
        item.y += offset.y;
        item.selected = select;
        inserted.scenery.push_back(edit.addScenery(std::move(item)));
    }
    for (const FreeShape& source : fragment.shapes) {
        FreeShape shape = source;
        shape.id = kNoId;
        for (Vec2& v : shape.vertices) {
            v.x += offset.x;
            v.y += offset.y;
        }
        shape.selected = false;
        inserted.shapes.push_back(edit.addShape(std::move(shape)));
    }
    edit.joinCoincidentEnds(inserted.pieces);
    return inserted;
}

bool insertBlock(LayoutEditor& editor, const BlockContent& block) {
    if (block.pieces.empty() && block.scenery.empty()) {
        return false;
    }
    double minX = 1e9;
    double minY = 1e9;
    for (const PlacedPiece& p : block.pieces) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
    }
    for (const SceneryItem& s : block.scenery) {
        minX = std::min(minX, s.x);
        minY = std::min(minY, s.y);
    }
    if (minX > 1e8) {
        minX = 0.0;
        minY = 0.0;
    }
    Edit edit(editor);
    edit.change().DeselectAll();
    insertFragment(edit, {block.pieces, block.scenery, {}}, {-minX, -minY}, true);
    edit.commit();
    editor.selectionChanged();
    return true;
}
