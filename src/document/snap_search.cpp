#include "document/snap_search.h"

#include <cmath>
#include <limits>

#include "catalog/track_catalog.h"
#include "document/layout.h"

namespace {

bool jointOpen(const PlacedPiece& piece, int i) {
    return i < 0 || static_cast<size_t>(i) >= piece.joints.size() || piece.joints[i].isOpen();
}

// The rotation of a pose, computed once per piece so that the connector loop needs no trig.
struct Rotation {
    double c;
    double s;
    explicit Rotation(double headingDeg)
        : c(std::cos(degToRad(headingDeg))), s(std::sin(degToRad(headingDeg))) {}
};

WorldConnector place(const Pose& pose, const Rotation& rot, const ConnectorDef& cd, int i) {
    WorldConnector w;
    w.x = cd.x * rot.c - cd.y * rot.s + pose.x;
    w.y = cd.x * rot.s + cd.y * rot.c + pose.y;
    w.heading = normalizeHeading(cd.heading + pose.heading);
    w.open = true;
    w.index = i;
    return w;
}

bool validIndex(const PieceDef& def, int i) {
    return i >= 0 && static_cast<size_t>(i) < def.connectors.size();
}

const PlacedPiece& deref(const PlacedPiece& p) {
    return p;
}
const PlacedPiece& deref(const PlacedPiece* p) {
    return *p;
}

// Layouts hold long runs of the same article; comparing against the last article found is much
// cheaper than hashing every piece's article on every mouse move.
class DefCache {
public:
    explicit DefCache(const TrackCatalog& catalog) : m_catalog(catalog) {}
    const PieceDef* find(const std::string& article) {
        if (m_lastKey == nullptr || article != *m_lastKey) {
            m_last = m_catalog.byArticle(article);
            m_lastKey = &article;  // the placed pieces outlive the search
        }
        return m_last;
    }

private:
    const TrackCatalog& m_catalog;
    const PieceDef* m_last = nullptr;
    const std::string* m_lastKey = nullptr;
};

// Connector pairs within the snap distance whose headings differ enough to face each other.
// The box test spares the square root for the many pairs that are obviously far apart; the
// exact comparison then uses the true distance so that 25.0 mm is still accepted.
inline bool withinReach(const WorldConnector& a, const WorldConnector& b, double& d) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    if (std::fabs(dx) > kSnapDistance || std::fabs(dy) > kSnapDistance) {
        return false;
    }
    d = std::sqrt(dx * dx + dy * dy);
    if (d > kSnapDistance) {
        return false;
    }
    return headingDifference(a.heading, b.heading) >= kSnapMinHeadingDiff;
}

// Small fixed buffer for the dragged piece's connectors; turntables (48) are the largest piece.
struct DraggedConnectors {
    std::vector<WorldConnector> list;
    std::vector<uint32_t> systems;
    DraggedConnectors(const PieceDef& def, const Pose& pose) {
        const Rotation rot(pose.heading);
        list.reserve(def.connectors.size());
        systems.reserve(def.connectors.size());
        for (size_t j = 0; j < def.connectors.size(); ++j) {
            list.push_back(place(pose, rot, def.connectors[j], static_cast<int>(j)));
            systems.push_back(connectorSystem(def, static_cast<int>(j)));
        }
    }
};

// Calls visit(piece, target, targetSystem, j, d) for every open connector of every known placed
// piece, in layout and connector order, and every dragged connector j within reach of it.
// visit returns true to stop the walk. The snap search and the conflict probe share this walk.
template <typename Range, typename Visit>
void forEachPairInReach(const DraggedConnectors& own, const Range& placed,
                        const TrackCatalog& catalog, Visit&& visit) {
    DefCache defs(catalog);
    for (const auto& entry : placed) {
        const PlacedPiece& piece = deref(entry);
        const PieceDef* def = defs.find(piece.article);
        if (def == nullptr) {
            continue;
        }
        const Pose pose = piece.pose();
        const Rotation rot(pose.heading);
        const int n = static_cast<int>(def->connectors.size());
        for (int i = 0; i < n; ++i) {
            if (!jointOpen(piece, i)) {
                continue;
            }
            const WorldConnector target = place(pose, rot, def->connectors[i], i);
            const uint32_t targetSystem = connectorSystem(*def, i);
            for (size_t j = 0; j < own.list.size(); ++j) {
                double d = 0.0;
                if (withinReach(target, own.list[j], d) &&
                    visit(piece, target, targetSystem, j, d)) {
                    return;
                }
            }
        }
    }
}

template <typename Range>
SnapResult findSnapIn(const PieceDef& dragged, const Pose& dragPose, const Range& placed,
                      const TrackCatalog& catalog) {
    SnapResult best;
    if (dragged.connectors.empty()) {
        return best;
    }
    const DraggedConnectors own(dragged, dragPose);
    double bestDistance = std::numeric_limits<double>::max();
    const PlacedPiece* bestPiece = nullptr;
    WorldConnector bestTarget;
    int bestOwn = -1;
    forEachPairInReach(own, placed, catalog,
                       [&](const PlacedPiece& piece, const WorldConnector& target,
                           uint32_t targetSystem, size_t j, double d) {
                           // Strictly nearer only: ties keep the pair found first.
                           if (own.systems[j] == targetSystem && d < bestDistance) {
                               bestDistance = d;
                               bestPiece = &piece;
                               bestTarget = target;
                               bestOwn = static_cast<int>(j);
                           }
                           return false;
                       });
    if (bestPiece != nullptr) {
        best.snapped = true;
        best.targetId = bestPiece->id;
        best.targetConn = bestTarget.index;
        best.ownConn = bestOwn;
        best.distance = bestDistance;
        best.pose = matingPose(dragged, bestOwn, bestTarget);
    }
    return best;
}

template <typename Range>
SystemConflict findConflictIn(const PieceDef& dropped, const Pose& dropPose, const Range& placed,
                              const TrackCatalog& catalog) {
    SystemConflict found;
    if (dropped.connectors.empty()) {
        return found;
    }
    const DraggedConnectors own(dropped, dropPose);
    forEachPairInReach(
        own, placed, catalog,
        [&](const PlacedPiece&, const WorldConnector&, uint32_t existing, size_t j, double) {
            if (own.systems[j] == existing) {
                return false;
            }
            found.conflict = true;
            found.newSystem = own.systems[j];
            found.existingSystem = existing;
            return true;
        });
    return found;
}

}  // namespace

WorldConnector connectorToWorld(const PlacedPiece& piece, const PieceDef& def, int i) {
    WorldConnector w = connectorToWorld(piece.pose(), def, i);
    if (w.index >= 0) {
        w.open = jointOpen(piece, i);
    }
    return w;
}

WorldConnector connectorToWorld(const Pose& pose, const PieceDef& def, int i) {
    if (!validIndex(def, i)) {
        return WorldConnector{};
    }
    return place(pose, Rotation(pose.heading), def.connectors[i], i);
}

std::vector<WorldConnector> worldConnectors(const PlacedPiece& piece, const PieceDef& def) {
    std::vector<WorldConnector> list;
    list.reserve(def.connectors.size());
    const Pose pose = piece.pose();
    const Rotation rot(pose.heading);
    for (size_t i = 0; i < def.connectors.size(); ++i) {
        WorldConnector w = place(pose, rot, def.connectors[i], static_cast<int>(i));
        w.open = jointOpen(piece, static_cast<int>(i));
        list.push_back(w);
    }
    return list;
}

std::vector<WorldConnector> worldConnectors(const Pose& pose, const PieceDef& def) {
    std::vector<WorldConnector> list;
    list.reserve(def.connectors.size());
    const Rotation rot(pose.heading);
    for (size_t i = 0; i < def.connectors.size(); ++i) {
        list.push_back(place(pose, rot, def.connectors[i], static_cast<int>(i)));
    }
    return list;
}

Pose matingPose(const PieceDef& def, int j, const Pose& target) {
    if (!validIndex(def, j)) {
        return Pose{};
    }
    const ConnectorDef& cd = def.connectors[j];
    Pose p;
    p.heading = normalizeHeading(normalizeHeading(target.heading + 180.0) - cd.heading);
    const Rotation rot(p.heading);
    p.x = target.x - (cd.x * rot.c - cd.y * rot.s);
    p.y = target.y - (cd.x * rot.s + cd.y * rot.c);
    return p;
}

Pose matingPose(const PieceDef& def, int j, const WorldConnector& target) {
    return matingPose(def, j, Pose{target.x, target.y, target.heading});
}

Pose flippedPose(const PieceDef& def, const Pose& pose) {
    if (def.connectors.size() < 2) {
        return pose;
    }
    // Connector 1 mates with the end connector 0 would meet.
    const WorldConnector c0 = connectorToWorld(pose, def, 0);
    return matingPose(def, 1, Pose{c0.x, c0.y, c0.heading - 180.0});
}

SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const std::vector<const PlacedPiece*>& placed, const TrackCatalog& catalog) {
    return findSnapIn(dragged, dragPose, placed, catalog);
}

SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const std::vector<PlacedPiece>& placed, const TrackCatalog& catalog) {
    return findSnapIn(dragged, dragPose, placed, catalog);
}

SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const ChunkList<PlacedPiece>& placed, const TrackCatalog& catalog) {
    return findSnapIn(dragged, dragPose, placed, catalog);
}

SystemConflict findSystemConflict(const PieceDef& dropped, const Pose& dropPose,
                                  const std::vector<const PlacedPiece*>& placed,
                                  const TrackCatalog& catalog) {
    return findConflictIn(dropped, dropPose, placed, catalog);
}

SystemConflict findSystemConflict(const PieceDef& dropped, const Pose& dropPose,
                                  const std::vector<PlacedPiece>& placed,
                                  const TrackCatalog& catalog) {
    return findConflictIn(dropped, dropPose, placed, catalog);
}

uint32_t connectorSystem(const PieceDef& def, int i) {
    if (i >= 0 && static_cast<size_t>(i) < def.connectorSystems.size()) {
        return def.connectorSystems[i];
    }
    return def.system;
}
