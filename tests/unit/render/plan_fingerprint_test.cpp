// The canvas reuses its picture of the plan while the fingerprint stays the same, so every change
// a gesture makes in place must change it, and nothing else may.
#include "render/plan_fingerprint.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

Layout sampleLayout() {
    Layout layout;
    layout.EnsureDefaultLevel();
    PlacedPiece piece;
    piece.id = layout.AllocateId();
    piece.article = "24188";
    piece.joints.resize(2);
    layout.pieces.push_back(piece);
    layout.scenery.push_back({layout.AllocateId(), "tree", 10, 20, 0});
    layout.labels.push_back({layout.AllocateId(), "Yard", 5, 5});
    layout.measurements.push_back({layout.AllocateId(), 0, 0, 100, 0});
    FreeShape shape;
    shape.id = layout.AllocateId();
    shape.vertices = {{0, 0}, {100, 0}, {0, 100}};
    layout.shapes.push_back(shape);
    layout.baseboard.vertices = {{0, 0}, {2000, 0}, {2000, 1000}};
    return layout;
}

}  // namespace

TEST(PlanFingerprint, EveryChangeAGestureMakesInPlaceChangesItAndACopyKeepsIt) {
    const Layout base = sampleLayout();
    const RenderOptions options = canvasRenderOptions(base);
    const uint64_t before = planFingerprint(base, options);
    EXPECT_EQ(planFingerprint(sampleLayout(), options), before);

    const std::vector<std::pair<const char*, std::function<void(Layout&)>>> changes = {
        {"piece moved", [](Layout& l) { l.pieces.edit(0).x += 0.001; }},
        {"piece turned", [](Layout& l) { l.pieces.edit(0).heading = 15; }},
        {"piece selected", [](Layout& l) { l.pieces.edit(0).selected = true; }},
        {"piece raised", [](Layout& l) { l.pieces.edit(0).z = 10; }},
        {"piece joined", [](Layout& l) { l.pieces.edit(0).joints[1].target = 7; }},
        {"piece on another level", [](Layout& l) { l.pieces.edit(0).level = 2; }},
        {"scenery scaled", [](Layout& l) { l.scenery.edit(0).scaley = 2; }},
        {"label dragged", [](Layout& l) { l.labels[0].y = 6; }},
        {"tape end dragged", [](Layout& l) { l.measurements[0].x2 = 90; }},
        {"shape corner dragged", [](Layout& l) { l.shapes[0].vertices[2].x = 1; }},
        {"level hidden", [](Layout& l) { l.levels[0].visible = false; }},
        {"board corner moved", [](Layout& l) { l.baseboard.vertices[1].y = 1; }},
    };
    for (const auto& [what, change] : changes) {
        Layout changed = sampleLayout();
        change(changed);
        EXPECT_NE(planFingerprint(changed, options), before) << what;
    }
    // While a selection is dragged, the picture of the rest stays valid as the selection moves.
    RenderOptions rest = options;
    rest.layer = SelectionLayer::Unselected;
    Layout dragged = sampleLayout();
    dragged.pieces.edit(0).selected = true;
    const uint64_t restBefore = planFingerprint(dragged, rest);
    dragged.pieces.edit(0).x += 50;
    EXPECT_EQ(planFingerprint(dragged, rest), restBefore);
    dragged.scenery.edit(0).x += 50;
    EXPECT_NE(planFingerprint(dragged, rest), restBefore) << "unselected scenery moved";

    RenderOptions noGrid = options;
    noGrid.showGrid = false;
    EXPECT_NE(planFingerprint(base, noGrid), before);
}
