#include "document/layout_repair.h"

#include <unordered_map>
#include <unordered_set>

namespace {

// Hands out identifiers that no object uses yet, skipping "none".
class FreshIds {
public:
    FreshIds(std::unordered_set<uint32_t>& used, uint32_t start) : m_used(used), m_next(start) {}
    uint32_t take() {
        while (m_next == kNoId || m_next == 0 || m_used.count(m_next) != 0)
            ++m_next;
        m_used.insert(m_next);
        return m_next;
    }

private:
    std::unordered_set<uint32_t>& m_used;
    uint32_t m_next;
};

// An identifier field of some object, with where the object is for the repair list.
struct IdSlot {
    uint32_t* id;
    LayoutRepair::Object object;
    size_t index;
};

// Gives objects whose id lies outside 1 to kMaxFileId or repeats an earlier one fresh ids and
// sets the counter, which thus stays far below its limit.
void renumberDuplicates(Layout& layout, std::vector<LayoutRepair>* repairs) {
    // First pass: which identifiers are taken by a first owner. Duplicates and ids out of range
    // ("none", 0, negative ones written by damaged files) are the ones renumbered; ids handed out
    // start above the largest id read, as the counter would.
    std::unordered_set<uint32_t> used;
    uint32_t largest = 0;
    std::vector<IdSlot> renumber;
    const auto claimAll = [&](auto& objects, LayoutRepair::Object object) {
        for (size_t i = 0; i < objects.size(); ++i) {
            const uint32_t id = objects[i].id;
            const bool usable = id != 0 && id <= kMaxFileId;
            if (usable && id > largest)
                largest = id;
            if (!usable || !used.insert(id).second)
                renumber.push_back({&editAt(objects, i).id, object, i});
        }
    };
    using Object = LayoutRepair::Object;
    claimAll(layout.pieces, Object::Piece);
    claimAll(layout.scenery, Object::Scenery);
    claimAll(layout.labels, Object::Label);
    claimAll(layout.shapes, Object::Shape);
    claimAll(layout.tunnels, Object::Tunnel);
    claimAll(layout.helices, Object::Helix);

    layout.nextId = largest + 1;
    if (renumber.empty())
        return;
    FreshIds fresh(used, layout.nextId);
    for (const IdSlot& slot : renumber) {
        const uint32_t old = *slot.id;
        *slot.id = fresh.take();
        layout.nextId = *slot.id + 1;
        if (slot.object == Object::Piece) {
            // Joints of a renumbered piece cannot be mirrored by anyone: they named another id.
            for (Joint& j : layout.pieces.edit(slot.index).joints)
                j = Joint{};
        }
        if (repairs != nullptr)
            repairs->push_back({LayoutRepair::Change::Renumbered, slot.object, slot.index, old,
                                *slot.id, 0});
    }
}

// Opens every joint that names a missing piece or that the named piece does not mirror.
void openUnmirroredJoints(Layout& layout, std::vector<LayoutRepair>* repairs) {
    std::unordered_map<uint32_t, size_t> indexOf;
    indexOf.reserve(layout.pieces.size());
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        indexOf.emplace(layout.pieces[i].id, i);

    // Mirroring is a symmetric relation once ids are unique, so deciding joint by joint on the
    // current state opens exactly the unmatched halves, whatever the order.
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        PlacedPiece& p = layout.pieces.edit(i);  // a layout just read: nothing shares it
        for (size_t c = 0; c < p.joints.size(); ++c) {
            Joint& j = p.joints[c];
            if (j.isOpen()) {
                j = Joint{};
                continue;
            }
            const auto it = indexOf.find(static_cast<uint32_t>(j.target));
            bool mirrored = false;
            if (it != indexOf.end() && j.tconn >= 0) {
                const PlacedPiece& other = layout.pieces[it->second];
                const auto tc = static_cast<size_t>(j.tconn);
                mirrored = tc < other.joints.size() &&
                           other.joints[tc].target == static_cast<int32_t>(p.id) &&
                           other.joints[tc].tconn == static_cast<int32_t>(c);
            }
            if (mirrored)
                continue;
            if (repairs != nullptr)
                repairs->push_back({LayoutRepair::Change::JointOpened, LayoutRepair::Object::Piece,
                                    i, static_cast<uint32_t>(j.target), kNoId, c});
            j = Joint{};
        }
    }
}

}  // namespace

void repairReadLayout(Layout& layout, std::vector<LayoutRepair>* repairs) {
    renumberDuplicates(layout, repairs);
    layout.NoteContentChanged();  // ids were changed in place
    openUnmirroredJoints(layout, repairs);
}
