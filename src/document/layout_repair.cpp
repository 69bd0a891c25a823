#include "document/layout_repair.h"

#include <unordered_map>
#include <unordered_set>

namespace {

// Hands out identifiers that no object uses yet, skipping "none".
class FreshIds {
public:
    FreshIds(std::unordered_set<uint32_t>& used, uint32_t start) : m_used(used), m_next(start) {}
    uint32_t take() {
        while (m_used.count(m_next) != 0)
            ++m_next;
        m_used.insert(m_next);
        return m_next++;
    }
    uint32_t next() const { return m_next; }

private:
    std::unordered_set<uint32_t>& m_used;
    uint32_t m_next;
};

}  // namespace

void repairReadLayout(Layout& layout) {
    // First pass: which identifiers are taken by a first owner. Duplicates and ids outside 1 to
    // kMaxFileId ("none", 0, negative ones written by damaged files) are the ones renumbered;
    // ids handed out start above the largest id read, as the counter would.
    std::unordered_set<uint32_t> used;
    uint32_t largest = 0;
    auto claim = [&](uint32_t id) {
        if (id == 0 || id > kMaxFileId)
            return false;
        if (id > largest)
            largest = id;
        return used.insert(id).second;
    };
    std::vector<size_t> renumberedPieces;
    std::vector<uint32_t*> renumberOthers;
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        if (!claim(layout.pieces[i].id))
            renumberedPieces.push_back(i);
    for (auto& s : layout.scenery)
        if (!claim(s.id))
            renumberOthers.push_back(&s.id);
    for (auto& l : layout.labels)
        if (!claim(l.id))
            renumberOthers.push_back(&l.id);
    for (auto& s : layout.shapes)
        if (!claim(s.id))
            renumberOthers.push_back(&s.id);
    for (auto& t : layout.tunnels)
        if (!claim(t.id))
            renumberOthers.push_back(&t.id);
    for (auto& h : layout.helices)
        if (!claim(h.id))
            renumberOthers.push_back(&h.id);

    layout.nextId = largest + 1;
    if (!renumberedPieces.empty() || !renumberOthers.empty()) {
        // Fresh ids continue the counter, far below its limit.
        FreshIds fresh(used, layout.nextId);
        for (const size_t i : renumberedPieces) {
            PlacedPiece& p = layout.pieces[i];
            p.id = fresh.take();
            // Joints of a renumbered piece cannot be mirrored by anyone: they named another id.
            for (Joint& j : p.joints)
                j = Joint{};
        }
        for (uint32_t* id : renumberOthers)
            *id = fresh.take();
        layout.nextId = fresh.next();
    }

    std::unordered_map<uint32_t, size_t> indexOf;
    indexOf.reserve(layout.pieces.size());
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        indexOf.emplace(layout.pieces[i].id, i);

    // Mirroring is a symmetric relation once ids are unique, so deciding joint by joint on the
    // current state opens exactly the unmatched halves, whatever the order.
    for (PlacedPiece& p : layout.pieces) {
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
            if (!mirrored)
                j = Joint{};
        }
    }
}
