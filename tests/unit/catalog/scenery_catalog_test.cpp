#include "catalog/scenery_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

bool hasFill(const SceneryDef& d, Rgba c) {
    return std::any_of(d.shapes.begin(), d.shapes.end(), [&](const SceneryShape& s) {
        return s.kind != SceneryShapeKind::Line && s.kind != SceneryShapeKind::Ring &&
               s.fill.r == c.r && s.fill.g == c.g && s.fill.b == c.b;
    });
}

std::vector<double> box(const ShapeBounds& b) {
    return {b.min.x, b.min.y, b.max.x, b.max.y};
}

}  // namespace

TEST(SceneryCatalog, HoldsFortyThreeUniqueItemsEachDrawnInsideItsFootprint) {
    ASSERT_EQ(cat().count(), 43);
    EXPECT_EQ(cat().byIndex(0)->key, "platform");
    EXPECT_EQ(cat().byIndex(42)->key, "retaining_wall");
    EXPECT_EQ(cat().byIndex(43), nullptr);
    EXPECT_EQ(cat().byKey("Platform"), nullptr) << "keys are case-sensitive";
    const SceneryDef& station = def("station_large");
    EXPECT_EQ(station.name, "Station Schwarzburg");
    EXPECT_EQ(sceneryCategoryName(station.category), "Stations");
    EXPECT_EQ(sceneryCategoryName(99), "Other");

    constexpr double kEps = 1e-9;
    std::set<std::string> names;
    for (const SceneryDef& d : cat().defs()) {
        SCOPED_TRACE(d.key);
        EXPECT_EQ(cat().byKey(d.key), &d);
        EXPECT_TRUE(names.insert(d.name).second) << "duplicate name";
        EXPECT_GE(d.shapes.size(), 2u) << "needs a recognisable drawing";
        for (size_t i = 0; i < d.shapes.size(); ++i) {
            const SceneryShape& s = d.shapes[i];
            const ShapeBounds b = shapeBounds(s);
            EXPECT_TRUE(b.min.x >= -kEps && b.min.y >= -kEps && b.max.x <= d.width + kEps &&
                        b.max.y <= d.depth + kEps)
                << "shape " << i << " leaves the footprint";
            if (s.kind == SceneryShapeKind::Polygon) {
                EXPECT_GE(s.points.size(), 3u) << "shape " << i;
            }
            if (s.kind == SceneryShapeKind::Ring || s.kind == SceneryShapeKind::Line) {
                EXPECT_TRUE(s.width > 0 && s.outline.a > 0) << "shape " << i << " is invisible";
            }
        }
    }
}

TEST(SceneryCatalog, SignalsShowTheirAspectAndZSignalsAreScaledDownCopies) {
    int signals = 0;
    for (const SceneryDef& d : cat().defs()) {
        EXPECT_EQ(d.zScale, d.key.starts_with("signal_z_")) << d.key;
        if (d.category != SceneryCategory::Signals)
            continue;
        ++signals;
        EXPECT_DOUBLE_EQ(d.width, d.zScale ? 12.0 : 20.0) << d.key;
        const bool stop = d.key.ends_with("_stop");
        EXPECT_EQ(hasFill(d, Rgba{220, 40, 40, 255}), stop) << d.key << " red lamp";
        EXPECT_EQ(hasFill(d, Rgba{60, 200, 80, 255}), !stop) << d.key << " green lamp";
        if (!d.zScale)
            continue;
        const SceneryDef& big = def("signal_" + d.key.substr(9));
        ASSERT_EQ(big.shapes.size(), d.shapes.size()) << d.key;
        for (size_t i = 0; i < d.shapes.size(); ++i) {
            std::vector<double> scaled = box(shapeBounds(big.shapes[i]));
            for (double& v : scaled)
                v *= 12.0 / 20.0;
            const std::vector<double> small = box(shapeBounds(d.shapes[i]));
            for (size_t k = 0; k < 4; ++k)
                EXPECT_NEAR(small[k], scaled[k], 1e-9) << d.key << " shape " << i;
        }
    }
    EXPECT_EQ(signals, 8);
}

TEST(SceneryCatalog, PiersStandAsTallAsTheirNames) {
    const std::pair<const char*, double> piers[] = {
        {"pier_7250", 2.5}, {"pier_7251", 3.0}, {"pier_7252", 6.0}, {"pier_7253", 30.0}};
    for (const auto& [key, height] : piers) {
        double tallest = 0.0;
        for (const SceneryShape& s : def(key).shapes)
            tallest = std::max(tallest, s.height);
        EXPECT_DOUBLE_EQ(tallest, height) << key;
    }
}

TEST(SceneryCatalog, ALaterDefinitionWithTheSameKeyWins) {
    SceneryCatalog c;
    EXPECT_FALSE(c.loaded());
    c.add({"x", "First", 0, 10, 10, false, {}});
    c.add({"x", "Second", 0, 20, 20, false, {}});
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(c.byKey("x")->name, "Second");
}

TEST(SceneryShapeBounds, LinesAndPolygonsSpanAllTheirPoints) {
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
}
