#pragma once
// The mesh of one catalog piece in its own frame: the catalog's piece-local frame (mm, connector
// 0 at the origin, track along +x, y to the right of travel) with z up from the piece's height.
// Every route of the shared shape model is swept, so turnouts, crossings and slips show all of
// their tracks; bridges get their girders, walls or arches; buffer stops their stop block.
//
// Heights (C-Track sizes; other systems scale with their band half-width): the bed runs from
// -5 mm up to its top at 2.0 mm, the sleepers reach 4.2 mm and the rails 6.7 mm.

#include "catalog/track_catalog.h"
#include "view3d/mesh.h"

/// Height (mm, piece frame) of the bed's top face, and of its underside.
inline constexpr double kBedTop = 2.0;
inline constexpr double kBedBottom = -5.0;
inline constexpr double kSleeperTop = 4.2;
inline constexpr double kRailTop = 6.7;

/// Colours of the track mesh, shared with the window's tests.
inline constexpr Colour kBedTopColour{0.55f, 0.55f, 0.60f};
inline constexpr Colour kBedSideColour{0.45f, 0.45f, 0.50f};
inline constexpr Colour kSleeperColour{0.38f, 0.28f, 0.20f};
inline constexpr Colour kRailColour{0.78f, 0.78f, 0.82f};
inline constexpr Colour kRailSideColour{0.52f, 0.45f, 0.40f};

/// What a bridge piece carries besides its deck.
enum class BridgeStructure { None, Truss, SideWalls, WallsAndArch, ArchOnly };
/// The structure of a bridge article; None for a piece without the bridge flag.
BridgeStructure bridgeStructure(const PieceDef& def);

/// How much of a piece is built: everything; for the middle distance the bed with the tops of
/// sleepers and rails; from far away, where sleepers and rails melt into the bed, one band at rail
/// height in their blended colour with only as many samples as curves need. Turntables, buffer
/// stops and bridges are always built whole. Every form has the same footprint.
enum class TrackDetail { Full, Reduced, Distant };

/// The piece's mesh (RGB): bed, sleepers and rails along every route (a turntable as its pit and
/// deck), the stop block of a buffer stop, accessory boxes, and a bridge's structure.
Mesh buildTrackMesh(const PieceDef& def, TrackDetail detail = TrackDetail::Full);

/// Sleeper pitch (mm) of the system's track, the detail the distant mesh leaves out.
double sleeperPitch(const PieceDef& def);
