#pragma once
// Drawing of the built-in scenery items: one builder per item (or per family of items that share
// a rule), each returning the primitives of the item in its local frame, inside its footprint.
// Used only to fill the scenery catalog; everyone else reads SceneryDef::shapes.

#include <initializer_list>
#include <vector>

#include "catalog/scenery_catalog.h"

using SceneryShapes = std::vector<SceneryShape>;
/// Builds the primitives of an item whose footprint is width x depth mm.
using SceneryShapeBuilder = SceneryShapes (*)(double width, double depth);

namespace scenery_draw {

inline constexpr Rgba kNoColour{0, 0, 0, 0};

/// Lamp colours of every signal: red when showing stop, green when showing clear.
inline constexpr Rgba kLampStop{220, 40, 40, 255};
inline constexpr Rgba kLampClear{60, 200, 80, 255};

SceneryShape rect(double x, double y, double w, double h, Rgba fill, Rgba outline, int width,
                  double height);
SceneryShape ellipse(double x, double y, double w, double h, Rgba fill, Rgba outline, int width,
                     double height);
SceneryShape polygon(std::initializer_list<Vec2> points, Rgba fill, Rgba outline, int width,
                     double height);
SceneryShape polygon(std::vector<Vec2> points, Rgba fill, Rgba outline, int width, double height);
SceneryShape ring(double x, double y, double w, double h, Rgba outline, int width, double height);
SceneryShape line(double x1, double y1, double x2, double y2, Rgba colour, int width,
                  double height);

/// Hip roof over the box: four faces meeting in a ridge along the longer side, plus the ridge.
void hipRoof(SceneryShapes& out, double x, double y, double w, double h, Rgba colour,
             double height);
/// Gable roof over the box with its ridge along x (alongX) or y: two halves and the ridge line.
void gableRoof(SceneryShapes& out, double x, double y, double w, double h, bool alongX, Rgba colour,
               double height);
/// Shades a colour by a factor (below 1 darker, above 1 lighter, clamped to 255); alpha kept.
Rgba shade(Rgba colour, double factor);

}  // namespace scenery_draw

// Builders in scenery_shapes_railway.cpp.
SceneryShapes drawPlatform(double width, double depth);
SceneryShapes drawIslandPlatform(double width, double depth);
SceneryShapes drawStationSmall(double width, double depth);
SceneryShapes drawStationLarge(double width, double depth);
SceneryShapes drawSignalBox(double width, double depth);
SceneryShapes drawShed1Road(double width, double depth);
SceneryShapes drawShed2Road(double width, double depth);
SceneryShapes drawGoodsShed(double width, double depth);
SceneryShapes drawWarehouse(double width, double depth);
SceneryShapes drawSemaphoreStop(double width, double depth);
SceneryShapes drawSemaphoreClear(double width, double depth);
SceneryShapes drawColorLightStop(double width, double depth);
SceneryShapes drawColorLightClear(double width, double depth);
SceneryShapes drawTurntablePit(double width, double depth);
SceneryShapes drawRoundhouse(double width, double depth);
SceneryShapes drawWaterTower(double width, double depth);
SceneryShapes drawCoalingTower(double width, double depth);

// Builders in scenery_shapes_structures.cpp.
SceneryShapes drawTrussBridgeScenery(double width, double depth);
SceneryShapes drawArchBridgeScenery(double width, double depth);
SceneryShapes drawPier7250(double width, double depth);
SceneryShapes drawPier7251(double width, double depth);
SceneryShapes drawPier7252(double width, double depth);
SceneryShapes drawPier7253(double width, double depth);
SceneryShapes drawCrossing1Track(double width, double depth);
SceneryShapes drawCrossing2Track(double width, double depth);
SceneryShapes drawRoadStraight(double width, double depth);
SceneryShapes drawParkingLot(double width, double depth);
SceneryShapes drawPedestrianZone(double width, double depth);
SceneryShapes drawSteelTrussBridge(double width, double depth);
SceneryShapes drawViaductPier(double width, double depth);
SceneryShapes drawTunnelPortal(double width, double depth);
SceneryShapes drawRetainingWall(double width, double depth);

// Builders in scenery_shapes_nature.cpp.
SceneryShapes drawTreeSmall(double width, double depth);
SceneryShapes drawTreeLarge(double width, double depth);
SceneryShapes drawConifer(double width, double depth);
SceneryShapes drawTreeGroup(double width, double depth);
SceneryShapes drawBush(double width, double depth);
SceneryShapes drawCar(double width, double depth);
SceneryShapes drawTruck(double width, double depth);
