#include "edit/edit.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "document/snap_search.h"
#include "edit/connector_grid.h"
#include "edit/track_joints.h"
#include "edit/elevation.h"

Edit::Edit(LayoutEditor& editor) : m_editor(editor) {}

Edit::~Edit() {
    commit();
}

Layout& Edit::change() {
    if (!m_changed) {
        m_editor.layout().PushUndo();
        m_changed = true;
        m_committed = false;
    }
    // The caller is about to change the object lists, perhaps in place.
    m_editor.layout().NoteContentChanged();
    return m_editor.layout();
}

Layout& Edit::changeSetup() {
    m_setupChanged = true;
    m_committed = false;
    return m_editor.layout();
}

uint32_t Edit::addPiece(PlacedPiece piece) {
    Layout& doc = change();
    if (piece.id == kNoId) {
        piece.id = doc.AllocateId();
    }
    extendJoints(piece, catalog());
    doc.pieces.push_back(std::move(piece));
    return doc.pieces.back().id;
}

namespace {

template <typename List, typename T>
uint32_t append(Layout& doc, List& items, T item) {
    if (item.id == kNoId) {
        item.id = doc.AllocateId();
    }
    items.push_back(std::move(item));
    return items.back().id;
}

}  // namespace

uint32_t Edit::addScenery(SceneryItem item) {
    Layout& doc = change();
    return append(doc, doc.scenery, std::move(item));
}

uint32_t Edit::addLabel(LayoutLabel label) {
    Layout& doc = change();
    return append(doc, doc.labels, std::move(label));
}

uint32_t Edit::addMeasurement(Measurement measurement) {
    Layout& doc = change();
    return append(doc, doc.measurements, std::move(measurement));
}

uint32_t Edit::addShape(FreeShape shape) {
    Layout& doc = change();
    return append(doc, doc.shapes, std::move(shape));
}

uint32_t Edit::addHelix(Helix helix) {
    Layout& doc = change();
    return append(doc, doc.helices, std::move(helix));
}

void Edit::addLevel(LayoutLevel level) {
    if (layout().FindLevel(level.id) != nullptr) {
        return;
    }
    change().levels.push_back(std::move(level));
}

void Edit::deleteSelection() {
    change().RemoveSelected();
}

void Edit::join(uint32_t piece, int ownConn, uint32_t target, int targetConn, Heights heights) {
    if (layout().FindPiece(piece) == nullptr || layout().FindPiece(target) == nullptr ||
        ownConn < 0 || targetConn < 0) {
        return;
    }
    Layout& doc = change();
    joinPieces(*doc.EditPiece(piece), ownConn, *doc.EditPiece(target), targetConn);
    if (heights == Heights::Inherit) {
        inheritElevation(doc, piece, target, targetConn, ownConn, catalog());
    }
}

int Edit::joinCoincidentEnds(const std::vector<uint32_t>& placed) {
    const Layout& doc = layout();
    const std::unordered_set<uint32_t> placedIds(placed.begin(), placed.end());
    // Open ends of every piece, bucketed by position; the placed pieces look into the buckets.
    ConnectorGrid grid;
    std::vector<size_t> placedSlots;
    for (size_t i = 0; i < doc.pieces.size(); ++i) {
        const PlacedPiece& p = doc.pieces[i];
        const PieceDef* def = catalog().byArticle(p.article);
        if (def == nullptr) {
            continue;
        }
        if (placedIds.count(p.id) != 0) {
            placedSlots.push_back(i);
        }
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            if (p.jointAt(c).isOpen()) {
                grid.add(i, connectorToWorld(p, *def, c));
            }
        }
    }
    constexpr double kReachSquared = kRejoinDistance * kRejoinDistance;
    constexpr double kFacing = 150.0;  // degrees between the outward headings of mating ends
    int made = 0;
    for (const size_t slot : placedSlots) {
        const PieceDef* def = catalog().byArticle(doc.pieces[slot].article);
        for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
            const PlacedPiece& p = layout().pieces[slot];
            if (!p.jointAt(c).isOpen()) {
                continue;
            }
            const WorldConnector wc = connectorToWorld(p, *def, c);
            const ConnectorGrid::Entry* match = nullptr;
            double best = kReachSquared;
            grid.near({wc.x, wc.y}, [&](const ConnectorGrid::Entry& e) {
                const PlacedPiece& other = layout().pieces[e.piece];
                if (e.piece == slot || !other.jointAt(e.conn).isOpen()) {
                    return;
                }
                const PieceDef* odef = catalog().byArticle(other.article);
                const WorldConnector oc = connectorToWorld(other, *odef, e.conn);
                const double dx = oc.x - wc.x, dy = oc.y - wc.y, d2 = dx * dx + dy * dy;
                if (d2 < best && headingDifference(oc.heading, wc.heading) >= kFacing &&
                    connectorSystem(*odef, e.conn) == connectorSystem(*def, c)) {
                    best = d2;
                    match = &e;
                }
            });
            if (match != nullptr) {
                const uint32_t otherId = layout().pieces[match->piece].id;
                join(p.id, c, otherId, match->conn, Heights::Keep);
                ++made;
            }
        }
    }
    return made;
}

bool flippable(const PieceDef& def) {
    switch (def.kind) {
        case PieceKind::Curve:
        case PieceKind::LeftTurnout:
        case PieceKind::RightTurnout:
        case PieceKind::CurvedTurnout:
        case PieceKind::OffsetCurvedTurnout:
            return def.connectors.size() >= 2;
        default:
            return false;
    }
}

bool Edit::flip(uint32_t piece) {
    const PlacedPiece* found = layout().FindPiece(piece);
    const PieceDef* def = found != nullptr ? catalog().byArticle(found->article) : nullptr;
    if (def == nullptr || !flippable(*def)) {
        return false;
    }
    Layout& doc = change();
    PlacedPiece& p = *doc.EditPiece(piece);
    for (Joint& j : p.joints) {
        if (PlacedPiece* other =
                j.isOpen() ? nullptr : doc.EditPiece(static_cast<uint32_t>(j.target))) {
            if (j.tconn >= 0 && static_cast<size_t>(j.tconn) < other->joints.size() &&
                other->joints[static_cast<size_t>(j.tconn)].target == static_cast<int32_t>(p.id)) {
                other->joints[static_cast<size_t>(j.tconn)] = Joint{};
            }
        }
        j = Joint{};
    }
    const Pose flipped = flippedPose(*def, p.pose());
    p.setPose(flipped);
    joinCoincidentEnds({piece});
    return true;
}

void Edit::commit(EditNotice notice) {
    if ((!m_changed && !m_setupChanged) || m_committed) {
        return;
    }
    m_committed = true;
    m_changed = false;
    m_setupChanged = false;
    m_editor.announce(notice);
}
