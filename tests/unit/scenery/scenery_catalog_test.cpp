#include "catalog/scenery_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const SceneryCatalog& cat() {
    return SceneryCatalog::instance();
}

const SceneryDef& def(const std::string& key) {
    const SceneryDef* d = cat().byKey(key);
    if (d == nullptr) {
        ADD_FAILURE() << "missing scenery key " << key;
        static const SceneryDef empty;
        return empty;
    }
    return *d;
}

bool sameColour(Rgba a, Rgba b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool hasFill(const SceneryDef& d, Rgba colour) {
    return std::any_of(d.shapes.begin(), d.shapes.end(), [&](const SceneryShape& s) {
        return s.kind != SceneryShapeKind::Line && s.kind != SceneryShapeKind::Ring &&
               sameColour(s.fill, colour);
    });
}

constexpr Rgba kStopRed{220, 40, 40, 255};
constexpr Rgba kClearGreen{60, 200, 80, 255};

}  // namespace

TEST(SceneryCatalog, HoldsFortyThreeUniqueItemsInPaletteOrder) {
    ASSERT_EQ(cat().count(), 43);
    EXPECT_TRUE(cat().loaded());
    std::istringstream order(
        "platform platform_island station_small station_large signal_box shed_1road shed_2road "
        "goods_shed warehouse signal_semaphore_stop signal_semaphore_clear signal_color_stop "
        "signal_color_clear signal_z_semaphore_stop signal_z_semaphore_clear signal_z_color_stop "
        "signal_z_color_clear bridge_truss_scenery bridge_arch_scenery pier_7250 pier_7251 "
        "pier_7252 pier_7253 crossing_1track crossing_2track road_straight 74861 72886 "
        "water_tower coaling_tower tree_sm_dec tree_lg_dec tree_conifer tree_group bush car truck "
        "parking_lot ped_zone bridge_truss viaduct_pier tunnel_portal_single retaining_wall");
    std::set<std::string> names;
    int i = 0;
    for (std::string key; order >> key; ++i) {
        const SceneryDef* d = cat().byIndex(i);
        ASSERT_NE(d, nullptr) << "position " << i;
        EXPECT_EQ(d->key, key) << "position " << i;
        EXPECT_EQ(cat().byKey(d->key), d) << d->key;
        EXPECT_TRUE(names.insert(d->name).second) << "duplicate name " << d->name;
    }
    EXPECT_EQ(i, 43);
    EXPECT_EQ(cat().byIndex(-1), nullptr);
    EXPECT_EQ(cat().byIndex(43), nullptr);
    // Keys are exact and case-sensitive.
    for (const char* key : {"Platform", "platform ", "", "tunnel_portal", "bridge_arch"})
        EXPECT_EQ(cat().byKey(key), nullptr) << key;
}

TEST(SceneryCatalog, SampleItemsCarryTheirNamesCategoriesAndSizes) {
    struct Sample {
        const char* key;
        const char* name;
        uint32_t category;
        double width, depth;
    };
    const Sample samples[] = {
        {"platform", "Platform", 0, 230, 60},
        {"platform_island", "Island platform 460mm", 0, 460, 120},
        {"station_large", "Station Schwarzburg", 2, 550, 185},
        {"signal_box", "Signal box", 1, 60, 50},
        {"signal_z_color_clear", "Color light Z (Clear)", 3, 12, 12},
        {"pier_7250", "7250 Base Plate (2.5mm, ground first)", 4, 70, 34},
        {"pier_7252", "7252 Pillar (6mm, C & K)", 4, 70, 34},
        {"74861", "Turntable 74861 (pit 278mm)", 9, 278, 278},
        {"72886", "Roundhouse 72886 (3-stall)", 10, 386, 343},
        {"tree_conifer", "Conifer tree", 7, 23, 40},
        {"bush", "Bush / shrub", 7, 23, 17},
        {"truck", "Truck", 8, 80, 25},
        {"parking_lot", "Parking lot (10 spaces)", 9, 250, 120},
        {"tunnel_portal_single", "Tunnel portal (1 track)", 5, 40, 80},
        {"retaining_wall", "Retaining wall 188mm", 9, 188, 30},
    };
    for (const Sample& s : samples) {
        const SceneryDef& d = def(s.key);
        EXPECT_EQ(d.name, s.name) << s.key;
        EXPECT_EQ(d.category, s.category) << s.key;
        EXPECT_DOUBLE_EQ(d.width, s.width) << s.key;
        EXPECT_DOUBLE_EQ(d.depth, s.depth) << s.key;
    }
    const std::vector<std::pair<uint32_t, std::string>> categories = {
        {0, "Platforms"}, {1, "Buildings"}, {4, "Bridges"}, {7, "Nature"},
        {9, "Special"},   {10, "Other"},    {99, "Other"}};
    for (const auto& [category, name] : categories)
        EXPECT_EQ(sceneryCategoryName(category), name) << category;
}

TEST(SceneryCatalog, OnlyTheFourZScaleSignalsAreMarkedZScale) {
    const std::set<std::string> zKeys = {"signal_z_semaphore_stop", "signal_z_semaphore_clear",
                                         "signal_z_color_stop", "signal_z_color_clear"};
    int signals = 0;
    for (const SceneryDef& d : cat().defs()) {
        EXPECT_EQ(d.zScale, zKeys.count(d.key) == 1) << d.key;
        if (d.category == SceneryCategory::Signals) {
            ++signals;
            const double size = d.zScale ? 12.0 : 20.0;
            EXPECT_DOUBLE_EQ(d.width, size) << d.key;
            EXPECT_DOUBLE_EQ(d.depth, size) << d.key;
        }
    }
    EXPECT_EQ(signals, 8);
}

TEST(SceneryCatalog, EveryItemIsDrawnAndEveryShapeStaysInsideItsFootprint) {
    constexpr double kEps = 1e-9;
    for (const SceneryDef& d : cat().defs()) {
        EXPECT_GE(d.shapes.size(), 2u) << d.key << " needs a recognisable drawing";
        for (size_t i = 0; i < d.shapes.size(); ++i) {
            const SceneryShape& s = d.shapes[i];
            const ShapeBounds b = shapeBounds(s);
            EXPECT_GE(b.min.x, -kEps) << d.key << " shape " << i;
            EXPECT_GE(b.min.y, -kEps) << d.key << " shape " << i;
            EXPECT_LE(b.max.x, d.width + kEps) << d.key << " shape " << i;
            EXPECT_LE(b.max.y, d.depth + kEps) << d.key << " shape " << i;
            if (s.kind == SceneryShapeKind::Polygon) {
                EXPECT_GE(s.points.size(), 3u) << d.key << " shape " << i;
            } else if (s.kind != SceneryShapeKind::Line) {
                EXPECT_GT(s.w, 0.0) << d.key << " shape " << i;
                EXPECT_GT(s.h, 0.0) << d.key << " shape " << i;
            }
            if (s.kind == SceneryShapeKind::Ring || s.kind == SceneryShapeKind::Line) {
                EXPECT_GT(s.width, 0) << d.key << " shape " << i << " would be invisible";
                EXPECT_GT(s.outline.a, 0) << d.key << " shape " << i << " would be invisible";
            }
            EXPECT_GE(s.height, 0.0) << d.key << " shape " << i;
        }
    }
}

TEST(SceneryCatalog, NoTwoItemsShareTheSameDrawing) {
    // Catches a table row pointing at the wrong drawing: every item must look like itself.
    auto signature = [](const SceneryDef& d) {
        std::string sig;
        for (const SceneryShape& s : d.shapes) {
            const ShapeBounds b = shapeBounds(s);
            sig += std::to_string(static_cast<int>(s.kind)) + ":" + std::to_string(s.fill.r) + "," +
                   std::to_string(s.fill.g) + "," + std::to_string(s.fill.b) + "@" +
                   std::to_string(b.min.x) + "," + std::to_string(b.min.y) + "," +
                   std::to_string(b.max.x) + "," + std::to_string(b.max.y) + ";";
        }
        return sig;
    };
    std::set<std::string> seen;
    for (const SceneryDef& d : cat().defs()) {
        // The two truss bridges share one drawing rule but differ in depth, hence in the box.
        EXPECT_TRUE(seen.insert(signature(d)).second) << d.key << " repeats another drawing";
    }
}

TEST(SceneryCatalog, PlatformHasItsEdgeBandAndFiveJointLines) {
    const SceneryDef& d = def("platform");
    ASSERT_GE(d.shapes.size(), 7u);
    const SceneryShape& base = d.shapes[0];
    const SceneryShape& band = d.shapes[1];
    EXPECT_EQ(base.kind, SceneryShapeKind::Rect);
    EXPECT_EQ(band.kind, SceneryShapeKind::Rect);
    EXPECT_EQ(std::vector<double>({base.x, base.y, base.w, base.h}),
              std::vector<double>({0, 0, 230, 60}));
    EXPECT_EQ(std::vector<double>({band.x, band.y, band.w, band.y + band.h}),
              std::vector<double>({0, 52, 230, 60}));
    EXPECT_FALSE(sameColour(band.fill, base.fill)) << "the edge band must stand out";
    std::vector<double> joints;
    for (const SceneryShape& s : d.shapes) {
        if (s.kind == SceneryShapeKind::Line) {
            EXPECT_TRUE(s.x == s.w && s.y == 0.0 && s.h == 60.0) << "joints run straight across";
            joints.push_back(s.x);
        }
    }
    EXPECT_EQ(joints, (std::vector<double>{40, 80, 120, 160, 190}));
}

TEST(SceneryCatalog, SignalsShowRedLampsAtStopAndGreenLampsAtClear) {
    for (const SceneryDef& d : cat().defs()) {
        if (d.category != SceneryCategory::Signals) {
            continue;
        }
        const bool stop = d.key.find("_stop") != std::string::npos;
        EXPECT_EQ(hasFill(d, kStopRed), stop) << d.key;
        EXPECT_EQ(hasFill(d, kClearGreen), !stop) << d.key;
    }
}

TEST(SceneryCatalog, ZScaleSignalsAreTheFullSizeDrawingsScaledDown) {
    const std::pair<const char*, const char*> pairs[] = {
        {"signal_semaphore_stop", "signal_z_semaphore_stop"},
        {"signal_semaphore_clear", "signal_z_semaphore_clear"},
        {"signal_color_stop", "signal_z_color_stop"},
        {"signal_color_clear", "signal_z_color_clear"},
    };
    constexpr double k = 12.0 / 20.0;
    for (const auto& [big, small] : pairs) {
        const SceneryDef& a = def(big);
        const SceneryDef& b = def(small);
        ASSERT_EQ(a.shapes.size(), b.shapes.size()) << small;
        for (size_t i = 0; i < a.shapes.size(); ++i) {
            const ShapeBounds ba = shapeBounds(a.shapes[i]);
            const ShapeBounds bb = shapeBounds(b.shapes[i]);
            EXPECT_EQ(a.shapes[i].kind, b.shapes[i].kind) << small << " shape " << i;
            EXPECT_TRUE(sameColour(a.shapes[i].fill, b.shapes[i].fill)) << small << " " << i;
            EXPECT_NEAR(bb.min.x, ba.min.x * k, 1e-9) << small << " shape " << i;
            EXPECT_NEAR(bb.min.y, ba.min.y * k, 1e-9) << small << " shape " << i;
            EXPECT_NEAR(bb.max.x, ba.max.x * k, 1e-9) << small << " shape " << i;
            EXPECT_NEAR(bb.max.y, ba.max.y * k, 1e-9) << small << " shape " << i;
        }
    }
}

TEST(SceneryCatalog, SemaphoresHaveAMovingArmAndColourLightsNone) {
    const auto arms = [](const SceneryDef& d) {
        std::vector<double> tops;
        for (const SceneryShape& s : d.shapes) {
            if (s.kind == SceneryShapeKind::Polygon)
                tops.push_back(shapeBounds(s).min.y);
        }
        return tops;
    };
    EXPECT_TRUE(arms(def("signal_color_stop")).empty());
    ASSERT_FALSE(arms(def("signal_semaphore_stop")).empty());
    EXPECT_NE(arms(def("signal_semaphore_stop")), arms(def("signal_semaphore_clear")))
        << "stop and clear semaphores differ in the arm's position";
}

TEST(SceneryCatalog, PiersShareTheirBasePlateAndStandAsTallAsTheirNames) {
    // The 3D heights follow the part names: 2.5, 3, 6 and 30 mm.
    const std::pair<const char*, double> piers[] = {
        {"pier_7250", 2.5}, {"pier_7251", 3.0}, {"pier_7252", 6.0}, {"pier_7253", 30.0}};
    for (const auto& [key, height] : piers) {
        const SceneryDef& d = def(key);
        ASSERT_FALSE(d.shapes.empty());
        EXPECT_EQ(d.shapes[0].kind, SceneryShapeKind::Rect) << key;
        EXPECT_DOUBLE_EQ(d.shapes[0].w, 70.0) << key;
        EXPECT_DOUBLE_EQ(d.shapes[0].h, 34.0) << key;
        double tallest = 0.0;
        for (const SceneryShape& s : d.shapes)
            tallest = std::max(tallest, s.height);
        EXPECT_DOUBLE_EQ(tallest, height) << key;
    }

    // The turntable pit is an open circle of its full diameter; nothing filled hides the track.
    const SceneryDef& pit = def("74861");
    ASSERT_FALSE(pit.shapes.empty());
    EXPECT_EQ(pit.shapes[0].kind, SceneryShapeKind::Ring);
    EXPECT_EQ(
        std::vector<double>({pit.shapes[0].x, pit.shapes[0].y, pit.shapes[0].w, pit.shapes[0].h}),
        std::vector<double>({0, 0, 278, 278}));
    for (const SceneryShape& s : pit.shapes)
        EXPECT_TRUE(s.kind == SceneryShapeKind::Ring || s.kind == SceneryShapeKind::Line);
}

TEST(SceneryCatalog, RoundhouseStallsRadiateFromThePitItIsSetAgainst) {
    // Set against a pit, the roundhouse's near edge lies 349.6 mm from the pit centre, which is
    // then at (width / 2, -349.6) in the roundhouse's frame. Its three stalls face that point.
    const SceneryDef& d = def("72886");
    const double pcx = d.width / 2;
    const double pcy = -349.6;
    int stalls = 0;
    for (const SceneryShape& s : d.shapes) {
        // The stall roofs are the big quadrilaterals; the small annex roof faces are not stalls.
        if (s.kind != SceneryShapeKind::Polygon || s.points.size() != 4) {
            continue;
        }
        const ShapeBounds b = shapeBounds(s);
        if (b.max.y - b.min.y < 100.0) {
            continue;
        }
        ++stalls;
        // Front corners are nearer the pit than back corners, by the same amount on both sides.
        auto dist = [&](const Vec2& p) { return std::hypot(p.x - pcx, p.y - pcy); };
        EXPECT_NEAR(dist(s.points[0]), dist(s.points[3]), 1e-6);
        EXPECT_NEAR(dist(s.points[1]), dist(s.points[2]), 1e-6);
        EXPECT_LT(dist(s.points[0]), dist(s.points[1]));
    }
    EXPECT_EQ(stalls, 3);
}

TEST(SceneryCatalog, ALaterDefinitionWithTheSameKeyWins) {
    SceneryCatalog c;
    EXPECT_FALSE(c.loaded());
    EXPECT_EQ(c.byKey("x"), nullptr);
    c.add({"x", "First", 0, 10, 10, false, {}});
    c.add({"x", "Second", 0, 20, 20, false, {}});
    EXPECT_EQ(c.count(), 2);
    ASSERT_NE(c.byKey("x"), nullptr);
    EXPECT_EQ(c.byKey("x")->name, "Second");
    EXPECT_EQ(c.byIndex(0)->name, "First");
}

TEST(SceneryShapeBounds, LinesPolygonsAndBoxesSpanAllTheirPoints) {
    const auto box = [](const ShapeBounds& b) {
        return std::vector<double>{b.min.x, b.min.y, b.max.x, b.max.y};
    };
    SceneryShape l;
    l.kind = SceneryShapeKind::Line;
    l.x = 10;
    l.y = 5;
    l.w = 2;  // far end x
    l.h = 9;  // far end y
    EXPECT_EQ(box(shapeBounds(l)), (std::vector<double>{2, 5, 10, 9}));
    SceneryShape p;
    p.kind = SceneryShapeKind::Polygon;
    p.points = {{3, 4}, {-1, 8}, {6, 2}};
    EXPECT_EQ(box(shapeBounds(p)), (std::vector<double>{-1, 2, 6, 8}));
    SceneryShape r;
    r.kind = SceneryShapeKind::Ellipse;
    r.x = 1;
    r.y = 2;
    r.w = 3;
    r.h = 4;
    EXPECT_EQ(box(shapeBounds(r)), (std::vector<double>{1, 2, 4, 6}));
}
