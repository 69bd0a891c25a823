#pragma once
// The builders buildScene is made of, one file each: the track and helix turns, the structures
// (piers, helix posts, tunnel mounds) and the scenery models.

#include "view3d/scene.h"

/// Whether the level with this id is shown; a level without a record counts as shown.
bool levelVisible(const Layout& layout, int32_t level);
/// Height (mm) of a level's deck, 0 for a level without a record.
double levelHeight(const Layout& layout, int32_t level);

/// Index of the cached track mesh of `def` in the scene, built on first use.
int trackMeshIndex(Scene& scene, const PieceDef& def);

/// Piers under both ends of every bridge piece on a visible level.
void addBridgePiers(const Layout& layout, const TrackCatalog& catalog, Scene& scene);
/// The spiral of every helix on a visible level: its turn pieces and its support posts.
void addHelices(const Layout& layout, const TrackCatalog& catalog, Scene& scene);
/// An earth mound over the track each tunnel covers.
void addTunnelMounds(const Layout& layout, const TrackCatalog& catalog, Scene& scene);

/// The model of a scenery definition in its own frame: centred on the item's position, y as in
/// the layout frame, each primitive of the flat drawing raised to its height.
Mesh buildSceneryModel(const SceneryDef& def);
