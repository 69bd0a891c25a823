#include "document/undo_content.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace {

// Records count as unchanged only when they are equal bit for bit in their numbers, so that
// undo brings back exactly what was there (-0 and 0 differ, NaN equals itself).
bool same(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool samePiece(const PlacedPiece& a, const PlacedPiece& b) {
    static_assert(sizeof(PlacedPiece) == 136, "compare a new field of PlacedPiece here");
    if (!(a.id == b.id && same(a.x, b.x) && same(a.y, b.y) && same(a.heading, b.heading) &&
          a.selected == b.selected && same(a.z, b.z) && same(a.grade, b.grade) &&
          a.rev == b.rev && a.hasColor == b.hasColor && a.color == b.color &&
          a.level == b.level && a.helix == b.helix && a.free == b.free &&
          a.joints.size() == b.joints.size() && a.article == b.article)) {
        return false;
    }
    for (size_t i = 0; i < a.joints.size(); ++i) {
        if (a.joints[i].target != b.joints[i].target || a.joints[i].tconn != b.joints[i].tconn) {
            return false;
        }
    }
    return true;
}

bool sameItem(const SceneryItem& a, const SceneryItem& b) {
    static_assert(sizeof(SceneryItem) == 96, "compare a new field of SceneryItem here");
    return a.id == b.id && same(a.x, b.x) && same(a.y, b.y) && same(a.heading, b.heading) &&
           a.selected == b.selected && same(a.scalex, b.scalex) && same(a.scaley, b.scaley) &&
           a.level == b.level && a.item == b.item;
}

}  // namespace

SharedContent shareContent(LayoutContent& content, const SharedContent& base) {
    SharedContent out;
    out.pieces = SharedList<PlacedPiece>::share(content.pieces, base.pieces, samePiece);
    out.scenery = SharedList<SceneryItem>::share(content.scenery, base.scenery, sameItem);
    // The rest is copied whole: the two large lists step aside meanwhile. Moving them out and
    // back keeps their buffers, so nothing that points into them notices.
    std::vector<PlacedPiece> pieces = std::move(content.pieces);
    std::vector<SceneryItem> scenery = std::move(content.scenery);
    struct PutBack {
        LayoutContent& content;
        std::vector<PlacedPiece>& pieces;
        std::vector<SceneryItem>& scenery;
        ~PutBack() {
            content.pieces = std::move(pieces);
            content.scenery = std::move(scenery);
        }
    } putBack{content, pieces, scenery};
    out.rest = content;
    return out;
}

void restoreContent(LayoutContent& content, SharedContent&& shared) {
    std::vector<PlacedPiece> pieces = std::move(content.pieces);
    std::vector<SceneryItem> scenery = std::move(content.scenery);
    content = std::move(shared.rest);
    shared.pieces.restoreInto(pieces, samePiece);
    shared.scenery.restoreInto(scenery, sameItem);
    content.pieces = std::move(pieces);
    content.scenery = std::move(scenery);
}
