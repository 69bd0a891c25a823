// The per-article track meshes: what a straight, a curve, a turnout, a buffer stop and a bridge
// are made of, in the piece's own frame.
#include "view3d/track_mesh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/track_catalog.h"

namespace {

const PieceDef& def(const char* article) {
    const PieceDef* d = TrackCatalog::instance().byArticle(article);
    EXPECT_NE(d, nullptr) << article;
    return *d;
}

struct Box {
    Vec3 min, max;
};
Box boundsOf(const Mesh& m) {
    Box b;
    m.bounds(b.min, b.max);
    return b;
}

// Whether some vertex lies within `tol` of (x, y) in the plane at height z.
bool hasVertexNear(const Mesh& m, double x, double y, double z, double tol) {
    for (size_t i = 0; i < m.vertexCount(); ++i) {
        if (std::hypot(m.positions[3 * i] - x, m.positions[3 * i + 1] - y) <= tol &&
            std::fabs(m.positions[3 * i + 2] - z) < 1e-3) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(TrackMesh, StraightHasBedSleepersAndRailsOverItsLength) {
    const Mesh m = buildTrackMesh(def("24188"));
    // 188.3 mm in 10 steps: the bed and each rail are a top and two walls of 11 vertex pairs
    // plus two end faces (74 vertices each); 14 sleepers (6.5 mm, then every 13 mm) of five quads.
    EXPECT_EQ(m.vertexCount(), 74u * 3 + 14u * 20);
    EXPECT_EQ(m.triangleCount() * 3, m.indices.size());
    const Box b = boundsOf(m);
    EXPECT_NEAR(b.min.x, 0.0, 1e-4);
    EXPECT_NEAR(b.max.x, 188.3, 1e-4);
    EXPECT_NEAR(b.min.y, -18.7, 1e-4);
    EXPECT_NEAR(b.max.y, 18.7, 1e-4);
    EXPECT_NEAR(b.min.z, kBedBottom, 1e-4);
    EXPECT_NEAR(b.max.z, kRailTop, 1e-4);
    EXPECT_TRUE(hasVertexNear(m, 188.3, 8.25 + 0.6, kRailTop, 1e-3)) << "rail ends at the far end";
}

TEST(TrackMesh, CurveFollowsItsArc) {
    const Mesh m = buildTrackMesh(def("24130"));  // R 360, 30 degrees, bending right
    // 12 steps of 2.5 degrees: bed and rails three faces of 13 vertex pairs and two end faces.
    EXPECT_EQ(m.vertexCount(), (13u * 6 + 8) * 3 + 14u * 20);
    const Box b = boundsOf(m);
    const double a = 30.0 * M_PI / 180.0;
    EXPECT_NEAR(b.max.x, (360 + 18.7) * std::sin(a), 0.01) << "outer edge at the far end";
    EXPECT_NEAR(b.min.y, -18.7, 0.01);
    EXPECT_NEAR(b.max.y, 360 * (1 - std::cos(a)) + 18.7 * std::cos(a), 0.01);
    // The inner rail's far end lies on the radius 360 - 8.25.
    const double r = 360 - 8.25;
    EXPECT_TRUE(hasVertexNear(m, r * std::sin(a), 360 - r * std::cos(a), kRailTop, 0.7));
}

TEST(TrackMesh, TurnoutShowsBothRoutes) {
    const Mesh straight = buildTrackMesh(def("24188"));
    const Mesh m = buildTrackMesh(def("24612"));  // right turnout, branch ends at (180.04, 38.76)
    EXPECT_GT(m.vertexCount(), straight.vertexCount() + 400) << "a second swept route";
    const Box b = boundsOf(m);
    EXPECT_NEAR(b.max.x, 188.3, 0.5);
    EXPECT_GT(b.max.y, 38.76 + 15.0) << "the branch's bed reaches past its end point";
    EXPECT_NEAR(b.min.y, -18.7, 1e-3) << "the main route's bed on the other side";
    // Both branch rails reach the branch end at rail height.
    const double h = 24.3 * M_PI / 180.0;
    for (double side : {-8.25, 8.25}) {
        EXPECT_TRUE(hasVertexNear(m, 180.04 - side * std::sin(h), 38.76 + side * std::cos(h),
                                  kRailTop, 1.0))
            << "rail " << side;
    }
}

TEST(TrackMesh, BufferStopAndBridgesGetTheirStructures) {
    const Mesh stop = buildTrackMesh(def("24977"));
    EXPECT_GT(boundsOf(stop).max.z, 15.0) << "the stop block stands above the rails";

    EXPECT_EQ(bridgeStructure(def("24188")), BridgeStructure::None);
    EXPECT_EQ(bridgeStructure(def("74620")), BridgeStructure::Truss);
    EXPECT_EQ(bridgeStructure(def("74618")), BridgeStructure::SideWalls);
    EXPECT_EQ(bridgeStructure(def("74636")), BridgeStructure::WallsAndArch);
    EXPECT_EQ(bridgeStructure(def("8976")), BridgeStructure::ArchOnly);
    EXPECT_GT(boundsOf(buildTrackMesh(def("74620"))).max.z, 40.0) << "truss over the deck";
    EXPECT_LT(boundsOf(buildTrackMesh(def("74636"))).min.z, -60.0) << "arch under the deck";
}

TEST(TrackMesh, LesserDetailKeepsTheFootprintWithFewerVertices) {
    for (const char* article : {"24188", "24130", "24612"}) {
        const Mesh full = buildTrackMesh(def(article));
        const Mesh reduced = buildTrackMesh(def(article), TrackDetail::Reduced);
        const Mesh distant = buildTrackMesh(def(article), TrackDetail::Distant);
        const Box a = boundsOf(full);
        for (const Mesh* m : {&reduced, &distant}) {
            const Box b = boundsOf(*m);
            EXPECT_NEAR(a.min.x, b.min.x, 0.6) << article;
            EXPECT_NEAR(a.max.x, b.max.x, 0.6) << article;
            EXPECT_NEAR(a.min.y, b.min.y, 0.6) << article;
            EXPECT_NEAR(a.max.y, b.max.y, 0.6) << article;
        }
        EXPECT_LT(reduced.vertexCount() * 2, full.vertexCount()) << article;
        EXPECT_LT(distant.vertexCount() * 10, full.vertexCount()) << article;
    }
    EXPECT_EQ(buildTrackMesh(def("74636"), TrackDetail::Distant).vertexCount(),
              buildTrackMesh(def("74636")).vertexCount())
        << "bridges keep their structure from afar";
}
