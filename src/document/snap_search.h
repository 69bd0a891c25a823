#pragma once
// Connector transforms of catalog pieces and placed pieces, mating, the snap search and the
// track-system conflict probe.

#include <cstdint>
#include <vector>

#include "document/chunk_list.h"
#include "geometry/geometry.h"

struct PieceDef;
struct PlacedPiece;
class TrackCatalog;

/// Connector i of a piece placed at `pose` with `joints`, in the layout frame.
WorldConnector connectorToWorld(const PlacedPiece& piece, const PieceDef& def, int i);
/// Same from a bare pose; all connectors open.
WorldConnector connectorToWorld(const Pose& pose, const PieceDef& def, int i);
/// All connectors of a placed piece, in connector order.
std::vector<WorldConnector> worldConnectors(const PlacedPiece& piece, const PieceDef& def);
/// All connectors of a definition at a bare pose, all open.
std::vector<WorldConnector> worldConnectors(const Pose& pose, const PieceDef& def);

/// The pose that puts connector j of `def` onto `target`, facing it. Zero pose for a bad j.
Pose matingPose(const PieceDef& def, int j, const Pose& target);
Pose matingPose(const PieceDef& def, int j, const WorldConnector& target);
/// The piece at `pose` laid end for end in place: connector 1 where connector 0 lies, facing the
/// way connector 0 faces, so a curve bends the other way. `pose` itself for fewer than two
/// connectors.
Pose flippedPose(const PieceDef& def, const Pose& pose);

/// Nearest compatible open-connector pair within 25 mm whose headings differ by at least 20
/// degrees; ties keep the pair found first in layout order. Placed pieces whose article is not in
/// `catalog` are skipped. Linear in the placed pieces and allocation-free per piece.
SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const std::vector<const PlacedPiece*>& placed, const TrackCatalog& catalog);
SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const std::vector<PlacedPiece>& placed, const TrackCatalog& catalog);
SnapResult findSnap(const PieceDef& dragged, const Pose& dragPose,
                    const ChunkList<PlacedPiece>& placed, const TrackCatalog& catalog);

/// First pair that would snap by distance and heading but whose connector systems differ; the
/// dropped piece's system is reported first.
SystemConflict findSystemConflict(const PieceDef& dropped, const Pose& dropPose,
                                  const std::vector<const PlacedPiece*>& placed,
                                  const TrackCatalog& catalog);
SystemConflict findSystemConflict(const PieceDef& dropped, const Pose& dropPose,
                                  const std::vector<PlacedPiece>& placed,
                                  const TrackCatalog& catalog);

/// Per-connector system of an adapter, else the definition's own system.
uint32_t connectorSystem(const PieceDef& def, int i);
