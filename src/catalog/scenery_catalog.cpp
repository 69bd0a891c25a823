#include "catalog/scenery_catalog.h"

#include <algorithm>

#include "catalog/scenery_shapes.h"

namespace {

/// One row of the built-in table: what the palette lists and how the item is drawn.
struct SceneryRow {
    const char* key;
    const char* name;
    uint32_t category;
    double width;
    double depth;
    bool zScale;
    SceneryShapeBuilder draw;
};

// Definition order is the palette order, so the rows stay in this sequence.
// clang-format off
const SceneryRow kSceneryRows[] = {
    {"platform",                 "Platform",                              0, 230, 60,  false, drawPlatform},
    {"platform_island",          "Island platform 460mm",                 0, 460, 120, false, drawIslandPlatform},
    {"station_small",            "Station Gueglingen",                    2, 308, 140, false, drawStationSmall},
    {"station_large",            "Station Schwarzburg",                   2, 550, 185, false, drawStationLarge},
    {"signal_box",               "Signal box",                            1, 60,  50,  false, drawSignalBox},
    {"shed_1road",               "Engine shed (1 road)",                  1, 300, 80,  false, drawShed1Road},
    {"shed_2road",               "Engine shed (2 roads)",                 1, 300, 160, false, drawShed2Road},
    {"goods_shed",               "Goods shed",                            1, 200, 80,  false, drawGoodsShed},
    {"warehouse",                "Warehouse",                             1, 400, 200, false, drawWarehouse},
    {"signal_semaphore_stop",    "Semaphore (Stop)",                      3, 20,  20,  false, drawSemaphoreStop},
    {"signal_semaphore_clear",   "Semaphore (Clear)",                     3, 20,  20,  false, drawSemaphoreClear},
    {"signal_color_stop",        "Color light (Stop)",                    3, 20,  20,  false, drawColorLightStop},
    {"signal_color_clear",       "Color light (Clear)",                   3, 20,  20,  false, drawColorLightClear},
    {"signal_z_semaphore_stop",  "Semaphore Z (Stop)",                    3, 12,  12,  true,  drawSemaphoreStop},
    {"signal_z_semaphore_clear", "Semaphore Z (Clear)",                   3, 12,  12,  true,  drawSemaphoreClear},
    {"signal_z_color_stop",      "Color light Z (Stop)",                  3, 12,  12,  true,  drawColorLightStop},
    {"signal_z_color_clear",     "Color light Z (Clear)",                 3, 12,  12,  true,  drawColorLightClear},
    {"bridge_truss_scenery",     "Truss bridge (scenery)",                4, 188, 64,  false, drawTrussBridgeScenery},
    {"bridge_arch_scenery",      "Arch bridge (scenery)",                 4, 360, 64,  false, drawArchBridgeScenery},
    {"pier_7250",                "7250 Base Plate (2.5mm, ground first)", 4, 70,  34,  false, drawPier7250},
    {"pier_7251",                "7251 Base Plate (3mm, atop 7250)",      4, 70,  34,  false, drawPier7251},
    {"pier_7252",                "7252 Pillar (6mm, C & K)",              4, 70,  34,  false, drawPier7252},
    {"pier_7253",                "7253 High Pillar (30mm, C & K)",        4, 70,  34,  false, drawPier7253},
    {"crossing_1track",          "Level crossing (1 track)",              6, 120, 80,  false, drawCrossing1Track},
    {"crossing_2track",          "Level crossing (2 tracks)",             6, 120, 160, false, drawCrossing2Track},
    {"road_straight",            "Road straight 188mm",                   6, 188, 60,  false, drawRoadStraight},
    {"74861",                    "Turntable 74861 (pit 278mm)",           9, 278, 278, false, drawTurntablePit},
    {"72886",                    "Roundhouse 72886 (3-stall)",            10, 386, 343, false, drawRoundhouse},
    {"water_tower",              "Water tower",                           9, 50,  50,  false, drawWaterTower},
    {"coaling_tower",            "Coaling tower",                         9, 80,  80,  false, drawCoalingTower},
    {"tree_sm_dec",              "Deciduous tree (small)",                7, 34,  34,  false, drawTreeSmall},
    {"tree_lg_dec",              "Deciduous tree (large)",                7, 57,  57,  false, drawTreeLarge},
    {"tree_conifer",             "Conifer tree",                          7, 23,  40,  false, drawConifer},
    {"tree_group",               "Tree group (3 mixed)",                  7, 115, 80,  false, drawTreeGroup},
    {"bush",                     "Bush / shrub",                          7, 23,  17,  false, drawBush},
    {"car",                      "Car",                                   8, 50,  20,  false, drawCar},
    {"truck",                    "Truck",                                 8, 80,  25,  false, drawTruck},
    {"parking_lot",              "Parking lot (10 spaces)",               9, 250, 120, false, drawParkingLot},
    {"ped_zone",                 "Pedestrian zone",                       9, 115, 57,  false, drawPedestrianZone},
    {"bridge_truss",             "Steel truss bridge (1 track)",          9, 188, 80,  false, drawSteelTrussBridge},
    {"viaduct_pier",             "Viaduct pier (concrete)",               9, 40,  60,  false, drawViaductPier},
    {"tunnel_portal_single",     "Tunnel portal (1 track)",               5, 40,  80,  false, drawTunnelPortal},
    {"retaining_wall",           "Retaining wall 188mm",                  9, 188, 30,  false, drawRetainingWall},
};
// clang-format on

void growBounds(ShapeBounds& b, double x, double y) {
    b.min.x = std::min(b.min.x, x);
    b.min.y = std::min(b.min.y, y);
    b.max.x = std::max(b.max.x, x);
    b.max.y = std::max(b.max.y, y);
}

}  // namespace

ShapeBounds shapeBounds(const SceneryShape& shape) {
    switch (shape.kind) {
        case SceneryShapeKind::Polygon: {
            if (shape.points.empty()) {
                return {};
            }
            ShapeBounds b{shape.points.front(), shape.points.front()};
            for (const Vec2& p : shape.points) {
                growBounds(b, p.x, p.y);
            }
            return b;
        }
        case SceneryShapeKind::Line: {
            // A line keeps its end point in (w, h), so the box spans both ends in any order.
            ShapeBounds b{{shape.x, shape.y}, {shape.x, shape.y}};
            growBounds(b, shape.w, shape.h);
            return b;
        }
        case SceneryShapeKind::Rect:
        case SceneryShapeKind::Ellipse:
        case SceneryShapeKind::Ring:
            break;
    }
    ShapeBounds b{{shape.x, shape.y}, {shape.x, shape.y}};
    growBounds(b, shape.x + shape.w, shape.y + shape.h);
    return b;
}

std::string sceneryCategoryName(uint32_t category) {
    static const char* const kNames[] = {"Platforms", "Buildings", "Stations", "Signals",
                                         "Bridges",   "Tunnels",   "Roads",    "Nature",
                                         "Vehicles",  "Special"};
    if (category < std::size(kNames)) {
        return kNames[category];
    }
    return "Other";
}

const SceneryCatalog& SceneryCatalog::instance() {
    // Built on first use; a function-local static is initialised once even with threads.
    static const SceneryCatalog catalog = [] {
        SceneryCatalog c;
        addBuiltinScenery(c);
        c.m_loaded = true;
        return c;
    }();
    return catalog;
}

const SceneryDef* SceneryCatalog::byIndex(int i) const {
    if (i < 0 || i >= count()) {
        return nullptr;
    }
    return &m_defs[static_cast<size_t>(i)];
}

const SceneryDef* SceneryCatalog::byKey(std::string_view key) const {
    auto it = m_keyIndex.find(std::string(key));
    if (it == m_keyIndex.end()) {
        return nullptr;
    }
    return &m_defs[static_cast<size_t>(it->second)];
}

void SceneryCatalog::add(SceneryDef def) {
    m_keyIndex[def.key] = count();
    m_defs.push_back(std::move(def));
}

void addBuiltinScenery(SceneryCatalog& catalog) {
    for (const SceneryRow& row : kSceneryRows) {
        SceneryDef def;
        def.key = row.key;
        def.name = row.name;
        def.category = row.category;
        def.width = row.width;
        def.depth = row.depth;
        def.zScale = row.zScale;
        def.shapes = row.draw(row.width, row.depth);
        catalog.add(std::move(def));
    }
}
