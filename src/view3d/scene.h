#pragma once
// The 3D scene of a layout: every mesh the view draws, rebuilt from the document whenever it
// changes. Track pieces and scenery models are built once per article or key and drawn as
// instances with a per-instance transform; everything else (baseboard, structures, shapes,
// terrain) is built straight into the 3D frame (layout x, layout y negated, z up; mm).
// Only objects on visible levels are taken; pieces whose article is not in the catalog are left
// out.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "view3d/mesh.h"
#include "view3d/track_mesh.h"

/// A placed track piece (or helix turn piece) as drawn: the cached mesh it uses and its pose.
struct PieceInstance {
    int mesh = -1;          ///< index into Scene::trackMeshes
    double x = 0.0;         ///< layout frame, mm
    double y = 0.0;         ///< layout frame, mm (negated when drawn)
    double z = 0.0;         ///< height of connector 0, mm
    double heading = 0.0;   ///< layout heading, degrees
    double grade = 0.0;     ///< degrees, signed
    bool reversed = false;  ///< the piece falls from connector 0
};

/// A scenery model placed in the layout.
struct ModelInstance {
    int mesh = -1;                     ///< index into Scene::modelMeshes
    double x = 0.0, y = 0.0, z = 0.0;  ///< layout frame (y negated when drawn), mm
    double heading = 0.0;              ///< layout heading, degrees
    double scaleX = 1.0, scaleY = 1.0;
};

/// A pier under a bridge end: where it stands (layout frame) and the span it fills.
struct Pier {
    Vec2 at;
    double ground = 0.0;  ///< mm, the foot
    double top = 0.0;     ///< mm, the deck underside
};

/// Column-major 4 x 4 matrix, as glMultMatrixf takes it.
using Matrix4 = std::array<float, 16>;

/// The pieces of one square of the plan with their distant meshes merged in the 3D frame, so a
/// far part of a large layout costs one draw instead of one per piece.
struct TrackTile {
    std::vector<size_t> pieces;  ///< indices into Scene::pieces
    Mesh distant;                ///< their distant meshes, placed
    Vec3 min, max;               ///< box of `distant`
};

/// Side of a track tile (mm).
inline constexpr double kTrackTileSize = 1000.0;

struct Scene {
    Mesh baseboard;
    std::vector<Mesh> trackMeshes;           ///< one per article in use
    std::vector<Mesh> reducedTrackMeshes;    ///< the same articles in the middle distance
    std::vector<Mesh> distantTrackMeshes;    ///< and from far away
    std::vector<std::string> trackArticles;  ///< article of each track mesh
    std::vector<PieceInstance> pieces;
    std::vector<Mesh> modelMeshes;  ///< one per scenery key in use
    std::vector<std::string> modelKeys;
    std::vector<ModelInstance> scenery;
    Mesh structures;               ///< helix posts and piers
    Mesh opaqueShapes{4};          ///< free shapes drawn solid
    Mesh translucentShapes{4};     ///< free shapes blended, drawn last
    Mesh terrain;                  ///< tunnel mounds, drawn after the pieces
    std::vector<TrackTile> tiles;  ///< every piece instance in exactly one tile
    std::vector<Pier> piers;
    Bounds trackBounds;  ///< layout frame, mm; empty without track

    void clear();
};

/// The detail a piece this far from the eye (mm) is drawn with, in a view `viewportHeight` pixels
/// high with a 40 degree vertical field of view: distant when its sleepers would lie less than 4
/// pixels apart, reduced below 12 pixels, else full.
TrackDetail trackDetail(double eyeDistance, double sleeperPitchMm, int viewportHeight);

/// Rebuilds `scene` from the layout.
void buildScene(const Layout& layout, const TrackCatalog& catalog, const SceneryCatalog& scenery,
                Scene& scene);

/// Transform of a piece instance: translate to (x, -y, z), turn by -heading about z, tilt about y
/// by the grade (negated unless reversed), mirror y (the mesh is in the catalog's frame).
Matrix4 pieceMatrix(const PieceInstance& piece);
/// Transform of a model instance: translate to (x, -y, z), turn by -heading, scale (sx, -sy, 1).
Matrix4 modelMatrix(const ModelInstance& model);
/// m applied to the point p.
Vec3 transformPoint(const Matrix4& m, Vec3 p);

/// Height of the ground (mm) under a layout point: the highest top (level height plus shape
/// height) of the free shapes with alpha above 1 whose polygon holds the point, else 0.
double groundHeight(const Layout& layout, Vec2 p);
