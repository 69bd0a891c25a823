// A whole plan drawn at once: a C-Track layout with turnouts, a crossing, a double slip, a
// turntable, buffer stops, a bridge on raised track, two levels, a baseboard, a label, a shape, a
// measurement, scenery and a grade run. Setting RAILVANE_PLAN_PNG to a file name also saves it
// (RAILVANE_PLAN_TDL saves the layout itself).
#include <cstdlib>

#include <gtest/gtest.h>

#include "catalog/scenery_catalog.h"
#include "document/layout_file.h"
#include "document/snap_search.h"
#include "render_support.h"

using namespace render_test;

namespace {

const PieceDef& defOf(const std::string& article) {
    return *TrackCatalog::instance().byArticle(article);
}

/// Appends `article` with its connector `own` mated to connector `conn` of piece `from`, joined.
uint32_t attach(Layout& layout, uint32_t from, int conn, const std::string& article, int own = 0,
                double z = -1.0) {
    const PlacedPiece& base = *layout.FindPiece(from);
    const WorldConnector target = connectorToWorld(base, defOf(base.article), conn);
    const Pose pose = matingPose(defOf(article), own, target);
    const double height = z < 0 ? base.z : z;
    const int32_t level = base.level;
    const uint32_t id = addPiece(layout, article, pose.x, pose.y, pose.heading, height);
    layout.EditPiece(id)->level = level;
    join(layout, from, conn, id, own);
    return id;
}

/// Appends `count` copies of `article`, each on connector 1 of the one before.
uint32_t run(Layout& layout, uint32_t from, int conn, const std::string& article, int count,
             double z = -1.0) {
    uint32_t last = attach(layout, from, conn, article, 0, z);
    for (int i = 1; i < count; ++i) {
        last = attach(layout, last, 1, article, 0, z);
    }
    return last;
}

Layout samplePlan() {
    Layout layout = plainLayout(/*grid=*/true, /*rails=*/true, /*labels=*/true);
    layout.units = 1;  // centimetres
    layout.baseboard.vertices = {{0, 0}, {3000, 0}, {3000, 1300}, {0, 1300}};
    LayoutLevel upper;
    upper.id = 2;
    upper.name = "Level 2";
    upper.height = 60;
    upper.trackcolor = true;
    upper.r = 120;
    upper.g = 160;
    upper.b = 200;
    upper.outline = {{1500, 60}, {2330, 60}, {2330, 340}, {1500, 340}};
    layout.levels.push_back(upper);

    // Ground-level oval of R2 curves with a station turnout pair on the near side.
    const uint32_t start = addPiece(layout, "24188", 1000, 1150, 180);
    uint32_t last = run(layout, start, 1, "24188", 1);
    last = run(layout, last, 1, "24230", 6);
    last = run(layout, last, 1, "24188", 4);
    last = run(layout, last, 1, "24230", 6);
    last = run(layout, last, 1, "24188", 1);
    const uint32_t turnout = attach(layout, last, 1, "24611");
    const uint32_t through = run(layout, turnout, 1, "24188", 1);
    join(layout, through, 1, start, 0);
    // The siding: a left branch, a circuit track, a crossing and a buffer stop.
    uint32_t siding = attach(layout, turnout, 2, "24224");
    siding = attach(layout, siding, 1, "24994");
    siding = attach(layout, siding, 1, "24640");
    attach(layout, siding, 1, "24977");

    // A double slip and a three-way turnout on a spur inside the oval.
    const uint32_t slip = addPiece(layout, "24624", 750, 700, 0);
    const uint32_t way = attach(layout, slip, 1, "24630");
    run(layout, way, 1, "24188", 1);
    attach(layout, way, 2, "24977");

    // Raised line on level 2: a ramp, a bridge, and raised track tinted by height.
    const uint32_t high = addPiece(layout, "24188", 1550, 200, 0, 60);
    layout.EditPiece(high)->level = 2;
    uint32_t h = run(layout, high, 1, "24188", 2);
    h = attach(layout, h, 1, "74620");
    h = attach(layout, h, 1, "24130");
    const uint32_t tinted = addPiece(layout, "24188", 900, 100, 0, 90);
    attach(layout, tinted, 1, "74618", 0, 30);
    const uint32_t graded = attach(layout, tinted, 0, "24188", 1, 110);
    layout.EditPiece(graded)->grade = 3.0;
    layout.gradeRuns.push_back({3.0, static_cast<int32_t>(graded), 0});

    // A turntable with one track on its ring.
    const uint32_t table = addPiece(layout, "74861", 650, 420, 0);
    attach(layout, table, 0, "24188");
    layout.pieces.editBack().selected = true;

    // A helix on the right: its bottom stub lies under the rings, the top stub over them.
    Helix helix;
    helix.id = layout.AllocateId();
    helix.cx = 2450;
    helix.cy = 850;
    const uint32_t bottom = addPiece(layout, "24188", 2450 - 188.3, 490, 0);
    const uint32_t top = addPiece(layout, "24188", 2450, 412.5, 0, 260);
    layout.EditPiece(bottom)->helix = helix.id;
    layout.EditPiece(bottom)->hasColor = true;
    layout.EditPiece(bottom)->color = {150, 90, 90};
    layout.EditPiece(top)->helix = helix.id;
    helix.bottomR1 = static_cast<int32_t>(bottom);
    helix.topR2 = static_cast<int32_t>(top);
    layout.helices.push_back(helix);
    attach(layout, bottom, 0, "24188", 1);

    // A lake, a station building, a label and a measurement.
    FreeShape lake;
    lake.id = layout.AllocateId();
    lake.vertices = {{350, 720}, {620, 700}, {660, 900}, {400, 960}};
    lake.r = 120;
    lake.g = 170;
    lake.b = 220;
    lake.label = "Lake";
    layout.shapes.push_back(lake);
    SceneryItem station;
    station.id = layout.AllocateId();
    station.item = "station_small";
    station.x = 1300;
    station.y = 1000;
    layout.scenery.push_back(station);
    SceneryItem tree;
    tree.id = layout.AllocateId();
    tree.item = "tree_group";
    tree.x = 1450;
    tree.y = 1220;
    tree.heading = 20;
    layout.scenery.push_back(tree);
    LayoutLabel label;
    label.id = layout.AllocateId();
    label.text = "Railvane Junction";
    label.x = 80;
    label.y = 60;
    layout.labels.push_back(label);
    Measurement m;
    m.id = layout.AllocateId();
    m.x1 = 900;
    m.y1 = 560;
    m.x2 = 1400;
    m.y2 = 560;
    layout.measurements.push_back(m);
    return layout;
}

}  // namespace

TEST(PlanDrawing, SamplePlanShowsEveryKindOfObject) {
    const Layout layout = samplePlan();
    CanvasView view;
    view.zoomToFit(layout, false, 1200, 800, TrackCatalog::instance());
    wxBitmap bitmap(1200, 800, 24);
    {
        wxMemoryDC dc(bitmap);
        LayoutRenderer renderer;
        const std::string status =
            renderer.paintDocument(dc, layout, canvasRenderOptions(layout), view, wxSize(1200, 800),
                                   wxPoint(600, 400), "Ready");
        EXPECT_EQ(status, "[ELEV] 5.2%  (right-click piece to stop)");
    }
    const wxImage img = bitmap.ConvertToImage();
    if (const char* path = std::getenv("RAILVANE_PLAN_PNG")) {
        img.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
    }
    if (const char* path = std::getenv("RAILVANE_PLAN_TDL")) {
        EXPECT_EQ(WriteLayout(path, layout, "Railvane Junction"), "");
    }
    auto at = [&](double x, double y) {
        const ScreenPoint s = view.worldToScreen(x, y);
        return rgb(img, s.x, s.y);
    };
    EXPECT_EQ(rgb(img, 5, 410), "240,240,240") << "left ruler strip";
    EXPECT_EQ(at(1550 + 30, 200 + 12), "120,160,200") << "level colour on level 2";
    EXPECT_EQ(at(900 + 40, 100 + 12), "217,165,30") << "tint at 90 mm";
    EXPECT_EQ(at(500, 850), "120,170,220") << "the lake";
    // The bottom helix stub lies under the inner ring, the top stub over the outer ring.
    EXPECT_EQ(at(2450 - 20, 490.6), "210,210,205") << "inner ring over the bottom stub";
    EXPECT_EQ(at(2450 - 170, 490), "150,90,90") << "the bottom stub away from the ring";
    EXPECT_EQ(at(650 + 139 + 30, 420 + 12), "180,200,230") << "selected straight on the ring";
}
