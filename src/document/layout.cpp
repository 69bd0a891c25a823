#include "document/layout.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

/// Article number of the turntable, whose attached tracks go with it when it is deleted.
constexpr const char* kTurntableArticle = "74861";

/// Joint targets are signed on disk and in memory; this maps them onto piece identifiers.
/// Negative targets are open joints and map to kNoId, which no piece carries.
uint32_t targetId(const Joint& j) {
    return j.target < 0 ? kNoId : static_cast<uint32_t>(j.target);
}

bool same(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

template <typename T, typename Id>
T* findById(std::vector<T>& items, Id id) {
    auto it = std::find_if(items.begin(), items.end(), [id](const T& t) { return t.id == id; });
    return it == items.end() ? nullptr : &*it;
}

template <typename T, typename Id>
const T* findById(const std::vector<T>& items, Id id) {
    auto it = std::find_if(items.begin(), items.end(), [id](const T& t) { return t.id == id; });
    return it == items.end() ? nullptr : &*it;
}

/// Minimal union-find over dense indices, used to group removed pieces that are joined together.
class DisjointSets {
public:
    explicit DisjointSets(size_t n) : m_parent(n) {
        std::iota(m_parent.begin(), m_parent.end(), size_t{0});
    }
    size_t find(size_t i) {
        while (m_parent[i] != i) {
            m_parent[i] = m_parent[m_parent[i]];  // path halving keeps the trees flat
            i = m_parent[i];
        }
        return i;
    }
    void unite(size_t a, size_t b) { m_parent[find(a)] = find(b); }

private:
    std::vector<size_t> m_parent;
};

}  // namespace

Joint PlacedPiece::jointAt(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= joints.size()) {
        return Joint{};
    }
    return joints[static_cast<size_t>(i)];
}

uint32_t Layout::AllocateId() {
    if (!isUsableId(nextId)) {
        throw std::length_error("no object identifiers left (next would be " +
                                std::to_string(nextId) + ")");
    }
    return nextId++;
}

void Layout::Clear() {
    PushUndo();
    ClearContent();
}

void Layout::StartNew() {
    ClearContent();
    baseboard.vertices.clear();
    levels.clear();
    EnsureDefaultLevel();
    activeLevel = 1;
    SyncGradeState();
}

void Layout::ClearContent() {
    pieces.clear();
    scenery.clear();
    labels.clear();
    measurements.clear();
    shapes.clear();
    tunnels.clear();
    helices.clear();
    gradeRuns.clear();
    nextId = 1;
    SyncGradeState();
    NoteContentChanged();
}

void Layout::EnsureDefaultLevel() {
    if (!levels.empty()) {
        return;
    }
    LayoutLevel level;
    level.id = 1;
    level.name = "Level 1";
    level.visible = true;
    level.height = 0.0;
    level.trackcolor = false;
    level.r = 180;
    level.g = 200;
    level.b = 220;
    levels.push_back(std::move(level));
}

void Layout::SelectAll() {
    pieces.editIf([](const PlacedPiece& p) { return !p.selected; },
                  [](PlacedPiece& p) { p.selected = true; });
    scenery.editIf([](const SceneryItem& s) { return !s.selected; },
                   [](SceneryItem& s) { s.selected = true; });
}

void Layout::DeselectAll() {
    pieces.editIf([](const PlacedPiece& p) { return p.selected; },
                  [](PlacedPiece& p) { p.selected = false; });
    scenery.editIf([](const SceneryItem& s) { return s.selected; },
                   [](SceneryItem& s) { s.selected = false; });
    for (auto& l : labels) {
        l.selected = false;
    }
    for (auto& m : measurements) {
        m.selected = false;
    }
    for (auto& s : shapes) {
        s.selected = false;
    }
}

void Layout::DeleteSelection() {
    PushUndo();
    RemoveSelected();
}

void Layout::RemoveSelected() {
    // A turntable takes its attached tracks with it. Pieces that a tunnel or a helix protects stay:
    // the delete command refuses those, and taking them here would leave a tunnel or helix naming
    // a missing piece.
    std::unordered_set<uint32_t> taken;
    for (const auto& p : pieces) {
        if (p.selected && p.article == kTurntableArticle) {
            for (const auto& j : p.joints) {
                if (!j.isOpen()) {
                    taken.insert(targetId(j));
                }
            }
        }
    }
    if (!taken.empty()) {
        std::unordered_set<uint32_t> protectedIds;
        for (const auto& t : tunnels) {
            protectedIds.insert(t.covers.begin(), t.covers.end());
            for (int32_t a : {t.anchorA, t.anchorB}) {
                if (a >= 0) {
                    protectedIds.insert(static_cast<uint32_t>(a));
                }
            }
        }
        pieces.editIf(
            [&](const PlacedPiece& p) {
                return !p.selected && taken.count(p.id) && p.helix == kNoId &&
                       !protectedIds.count(p.id);
            },
            [](PlacedPiece& p) { p.selected = true; });
    }

    // The removed set, with a dense index per removed piece for the grouping below.
    std::unordered_map<uint32_t, size_t> removed;
    for (const auto& p : pieces) {
        if (p.selected) {
            removed.emplace(p.id, removed.size());
        }
    }

    if (!removed.empty()) {
        bool anchorRemoved = false;
        for (const auto& run : gradeRuns) {
            if (run.anchor >= 0 && removed.count(static_cast<uint32_t>(run.anchor))) {
                anchorRemoved = true;
                break;
            }
        }
        if (anchorRemoved) {
            // A run whose anchor goes moves to the first surviving piece joined to the removed
            // stretch of track that held the anchor. Grouping removed pieces by their joints keeps
            // a run from jumping onto track elsewhere when unrelated pieces are deleted together.
            DisjointSets groups(removed.size());
            for (const auto& p : pieces) {
                auto self = removed.find(p.id);
                if (self == removed.end()) {
                    continue;
                }
                for (const auto& j : p.joints) {
                    auto other = removed.find(targetId(j));
                    if (other != removed.end()) {
                        groups.unite(self->second, other->second);
                    }
                }
            }
            struct Survivor {
                int32_t anchor = -1;
                int32_t conn = 1;
            };
            std::unordered_map<size_t, Survivor> firstSurvivor;
            for (const auto& p : pieces) {
                if (p.selected) {
                    continue;
                }
                for (size_t i = 0; i < p.joints.size(); ++i) {
                    auto hit = removed.find(targetId(p.joints[i]));
                    if (hit == removed.end()) {
                        continue;
                    }
                    // The run continues from the surviving piece's far end.
                    firstSurvivor.try_emplace(groups.find(hit->second),
                                              Survivor{static_cast<int32_t>(p.id), i == 0 ? 1 : 0});
                }
            }
            for (auto& run : gradeRuns) {
                if (run.anchor < 0) {
                    continue;
                }
                auto hit = removed.find(static_cast<uint32_t>(run.anchor));
                if (hit == removed.end()) {
                    continue;
                }
                auto s = firstSurvivor.find(groups.find(hit->second));
                if (s == firstSurvivor.end()) {
                    run.anchor = -1;
                } else {
                    run.anchor = s->second.anchor;
                    run.conn = s->second.conn;
                }
            }
        }
        // Runs without an anchor (also ones read from a file that way) cannot continue anywhere.
        std::erase_if(gradeRuns, [](const GradeRun& r) { return r.anchor < 0; });
        SyncGradeState();

        auto joinedToRemoved = [&removed](const Joint& j) {
            return !j.isOpen() && removed.count(targetId(j)) > 0;
        };
        pieces.editIf(
            [&](const PlacedPiece& p) {
                return !p.selected && std::any_of(p.joints.begin(), p.joints.end(), joinedToRemoved);
            },
            [&](PlacedPiece& p) {
                for (auto& j : p.joints) {
                    if (joinedToRemoved(j)) {
                        j = Joint{};
                    }
                }
            });

        pieces.eraseIf([](const PlacedPiece& p) { return p.selected; });

        auto removedEnd = [&removed](int32_t id) {
            return id >= 0 && removed.count(static_cast<uint32_t>(id)) > 0;
        };
        std::unordered_set<uint32_t> goneHelices;
        std::erase_if(helices, [&](const Helix& h) {
            const bool gone = removedEnd(h.bottomR1) || removedEnd(h.bottomR2) ||
                              removedEnd(h.topR1) || removedEnd(h.topR2);
            if (gone) {
                goneHelices.insert(h.id);
            }
            return gone;
        });
        // Pieces left behind by a removed helix would otherwise stay locked as helix track forever.
        if (!goneHelices.empty()) {
            pieces.editIf(
                [&](const PlacedPiece& p) { return p.helix != kNoId && goneHelices.count(p.helix); },
                [](PlacedPiece& p) { p.helix = kNoId; });
        }
    }

    scenery.eraseIf([](const SceneryItem& s) { return s.selected; });
    std::erase_if(labels, [](const LayoutLabel& l) { return l.selected; });
    std::erase_if(measurements, [](const Measurement& m) { return m.selected; });
    std::erase_if(shapes, [](const FreeShape& s) { return s.selected; });
    NoteContentChanged();
}

UndoSnapshot Layout::snapshot() const {
    return {static_cast<const LayoutContent&>(*this), identity, {levels, activeLevel, baseboard, units}};
}

void Layout::restore(UndoSnapshot&& snap) {
    static_cast<LayoutContent&>(*this) = std::move(snap.content);
    NoteContentChanged();
    // Within one document a Save As renames it and undo keeps the new name; a step from before a
    // New or an Open belongs to the layout that was open then.
    if (snap.identity.serial != identity.serial) {
        identity = std::move(snap.identity);
        levels = std::move(snap.setup.levels);
        activeLevel = snap.setup.activeLevel;
        baseboard = std::move(snap.setup.baseboard);
        units = snap.setup.units;
    }
    SyncGradeState();
    // Clear resets the counter, so undoing a New brings back objects numbered at or above it.
    // Raising the counter past them keeps new objects from taking an identifier already in use;
    // it never goes down, so an undone object's identifier is not handed out again either.
    const uint32_t top = maxObjectId();
    if (top != 0 && top < kNoId - 1 && nextId <= top) {
        nextId = top + 1;
    }
}

bool sameRecord(const PlacedPiece& a, const PlacedPiece& b) {
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

bool sameRecord(const SceneryItem& a, const SceneryItem& b) {
    static_assert(sizeof(SceneryItem) == 96, "compare a new field of SceneryItem here");
    return a.id == b.id && same(a.x, b.x) && same(a.y, b.y) && same(a.heading, b.heading) &&
           a.selected == b.selected && same(a.scalex, b.scalex) && same(a.scaley, b.scaley) &&
           a.level == b.level && a.item == b.item;
}

void Layout::AdoptRead(Layout&& read) {
    static_cast<LayoutContent&>(*this) = std::move(static_cast<LayoutContent&>(read));
    // Nothing refers into a list just read: the first undo step may share all of it.
    pieces.settle();
    scenery.settle();
    measurements.clear();
    NoteContentChanged();
    nextId = read.nextId;
    levels = std::move(read.levels);
    activeLevel = read.activeLevel;
    baseboard = std::move(read.baseboard);
    units = read.units;
    SyncGradeState();
}

void Layout::ReplaceIdentity(std::string name, std::string filePath) {
    identity.name = std::move(name);
    identity.filePath = std::move(filePath);
    ++identity.serial;
}

void Layout::PushUndo() {
    undoStack.push_back(snapshot());
    while (undoStack.size() > kUndoLimit) {
        undoStack.pop_front();
    }
    redoStack.clear();
}

void Layout::Undo() {
    if (undoStack.empty()) {
        return;
    }
    redoStack.push_back(snapshot());
    UndoSnapshot snap = std::move(undoStack.back());
    undoStack.pop_back();
    restore(std::move(snap));
}

void Layout::Redo() {
    if (redoStack.empty()) {
        return;
    }
    undoStack.push_back(snapshot());
    UndoSnapshot snap = std::move(redoStack.back());
    redoStack.pop_back();
    restore(std::move(snap));
}

void Layout::SetGradeRun(GradeRun run) {
    auto it = std::find_if(gradeRuns.begin(), gradeRuns.end(),
                           [&run](const GradeRun& r) { return r.anchor == run.anchor; });
    if (it != gradeRuns.end()) {
        it->deg = run.deg;
        it->conn = run.conn;
    } else {
        gradeRuns.push_back(run);
    }
    SyncGradeState();
}

void Layout::RemoveGradeRuns(int32_t anchor) {
    std::erase_if(gradeRuns, [anchor](const GradeRun& r) { return r.anchor == anchor; });
    SyncGradeState();
}

void Layout::SyncGradeState() {
    if (gradeRuns.empty()) {
        gradeActive = false;
        gradeDeg = 0.0;
        gradeAnchor = -1;
        gradeConn = 1;
        return;
    }
    const GradeRun& last = gradeRuns.back();
    gradeActive = true;
    gradeDeg = last.deg;
    gradeAnchor = last.anchor;
    gradeConn = last.conn;
}

void Layout::CompleteHelixSelection() {
    std::unordered_set<uint32_t> selectedHelices;
    for (const auto& p : pieces) {
        if (p.selected && p.helix != kNoId) {
            selectedHelices.insert(p.helix);
        }
    }
    if (selectedHelices.empty()) {
        return;
    }
    pieces.editIf(
        [&](const PlacedPiece& p) {
            return !p.selected && p.helix != kNoId && selectedHelices.count(p.helix);
        },
        [](PlacedPiece& p) { p.selected = true; });
}

namespace {

// A record found for changing: its chunk becomes the list's own.
template <typename T>
T* editable(ChunkList<T>& items, size_t slot) {
    return slot == IdIndex::kAbsent ? nullptr : &items.edit(slot);
}

}  // namespace

PlacedPiece* Layout::EditPiece(uint32_t id) {
    return editable(pieces, m_index.pieces.slotOf(pieces, id, m_contentGeneration));
}
size_t Layout::PieceSlot(uint32_t id) const {
    return m_index.pieces.slotOf(pieces, id, m_contentGeneration);
}
const PlacedPiece* Layout::FindPiece(uint32_t id) const {
    return m_index.pieces.find(pieces, id, m_contentGeneration);
}
SceneryItem* Layout::EditScenery(uint32_t id) {
    return editable(scenery, m_index.scenery.slotOf(scenery, id, m_contentGeneration));
}
const SceneryItem* Layout::FindScenery(uint32_t id) const {
    return m_index.scenery.find(scenery, id, m_contentGeneration);
}
LayoutLabel* Layout::FindLabel(uint32_t id) {
    return m_index.labels.find(labels, id, m_contentGeneration);
}
Measurement* Layout::FindMeasurement(uint32_t id) {
    return m_index.measurements.find(measurements, id, m_contentGeneration);
}
FreeShape* Layout::FindShape(uint32_t id) {
    return m_index.shapes.find(shapes, id, m_contentGeneration);
}
LayoutLevel* Layout::FindLevel(int32_t id) {
    return findById(levels, id);
}
const LayoutLevel* Layout::FindLevel(int32_t id) const {
    return findById(levels, id);
}
Helix* Layout::FindHelix(uint32_t id) {
    return m_index.helices.find(helices, id, m_contentGeneration);
}
const Helix* Layout::FindHelix(uint32_t id) const {
    return m_index.helices.find(helices, id, m_contentGeneration);
}
Tunnel* Layout::FindTunnel(uint32_t id) {
    return m_index.tunnels.find(tunnels, id, m_contentGeneration);
}
const Tunnel* Layout::FindTunnel(uint32_t id) const {
    return m_index.tunnels.find(tunnels, id, m_contentGeneration);
}

uint32_t Layout::maxObjectId() const {
    uint32_t top = 0;
    auto take = [&top](const auto& items) {
        for (const auto& item : items) {
            if (item.id != kNoId && item.id > top) {
                top = item.id;
            }
        }
    };
    take(pieces);
    take(scenery);
    take(labels);
    take(measurements);
    take(shapes);
    take(tunnels);
    take(helices);
    return top;
}

std::string Layout::checkInvariants() const {
    std::ostringstream problems;

    // Identifiers are unique across every kind of object.
    std::unordered_map<uint32_t, const char*> owners;
    auto claim = [&](const auto& items, const char* kind) {
        for (const auto& item : items) {
            if (!isUsableId(item.id)) {
                problems << kind << " with unusable id " << item.id << "\n";
            }
            auto [it, fresh] = owners.emplace(item.id, kind);
            if (!fresh) {
                problems << "duplicate id " << item.id << " (" << it->second << " and " << kind
                         << ")\n";
            }
        }
    };
    claim(pieces, "piece");
    claim(scenery, "scenery item");
    claim(labels, "label");
    claim(measurements, "measurement");
    claim(shapes, "shape");
    claim(tunnels, "tunnel");
    claim(helices, "helix");

    std::unordered_map<uint32_t, const PlacedPiece*> byId;
    byId.reserve(pieces.size());
    for (const auto& p : pieces) {
        byId.emplace(p.id, &p);
    }
    for (const auto& p : pieces) {
        for (size_t i = 0; i < p.joints.size(); ++i) {
            const Joint& j = p.joints[i];
            if (j.isOpen()) {
                continue;
            }
            auto other = byId.find(targetId(j));
            if (other == byId.end()) {
                problems << "piece " << p.id << " connector " << i << " is joined to missing piece "
                         << j.target << "\n";
                continue;
            }
            const Joint back = other->second->jointAt(j.tconn);
            if (back.target != static_cast<int64_t>(p.id) ||
                back.tconn != static_cast<int32_t>(i)) {
                problems << "piece " << p.id << " connector " << i << " is joined to piece "
                         << j.target << " connector " << j.tconn << ", which does not join back\n";
            }
        }
    }
    return problems.str();
}
