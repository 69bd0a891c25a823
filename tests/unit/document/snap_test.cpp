// Connector transforms, mating, the snap search and the track-system conflict probe, on a small
// hand-made catalog so that every distance in the tests is exact.
#include <gtest/gtest.h>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/snap_search.h"
#include "geometry/geometry.h"
#include "geometry/track_shapes.h"

namespace {

PieceDef makeStraight(const std::string& article, TrackSystem system, double length = 100.0) {
    PieceDef def;
    def.article = article;
    def.name = article + " straight";
    def.system = system;
    def.kind = PieceKind::Straight;
    def.length = length;
    def.connectors = straightConnectors(length);
    return def;
}

class SnapTest : public ::testing::Test {
protected:
    SnapTest() {
        catalog.add(makeStraight("C100", Systems::CTrack));
        catalog.add(makeStraight("K100", Systems::KTrack));
        PieceDef adapter = makeStraight("A100", Systems::CTrack);
        adapter.connectorSystems = {Systems::CTrack, Systems::KTrack};
        catalog.add(adapter);
        PieceDef turnout;
        turnout.article = "T1";
        turnout.system = Systems::CTrack;
        turnout.kind = PieceKind::RightTurnout;
        turnout.length = 188.3;
        turnout.radius = 437.5;
        turnout.angle = 24.3;
        turnout.connectors = turnoutConnectors(188.3, 437.5, 24.3, false);
        catalog.add(turnout);
    }

    PlacedPiece place(uint32_t id, const std::string& article, double x, double y,
                      double heading) const {
        PlacedPiece p;
        p.id = id;
        p.article = article;
        p.x = x;
        p.y = y;
        p.heading = heading;
        return p;
    }

    const PieceDef& def(const std::string& article) const { return *catalog.byArticle(article); }

    TrackCatalog catalog;
};

}  // namespace

TEST_F(SnapTest, ConnectorToWorldRotatesAndTranslatesAndMissingOnesAreEmpty) {
    // Heading 90 turns local +x onto layout +y (down the screen).
    const PlacedPiece p = place(1, "C100", 10.0, 20.0, 90.0);
    const WorldConnector end = connectorToWorld(p, def("C100"), 1);
    EXPECT_NEAR(end.x, 10.0, 1e-9);
    EXPECT_NEAR(end.y, 120.0, 1e-9);
    EXPECT_DOUBLE_EQ(end.heading, 90.0);
    EXPECT_DOUBLE_EQ(connectorToWorld(p, def("C100"), 0).heading, 270.0);
    const WorldConnector w = connectorToWorld(p, def("C100"), 2);
    EXPECT_TRUE(w.index == -1 && w.x == 0.0 && w.y == 0.0 && w.open) << "a missing index";
    // A connector is open unless a joint names a target; missing joint entries are open.
    PlacedPiece joined = p;
    joined.joints = {Joint{7, 1}};
    const auto list = worldConnectors(joined, def("C100"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FALSE(list[0].open);
    EXPECT_TRUE(list[1].open);
}

TEST_F(SnapTest, MatingPoseRoundTripLandsOnTheTargetFacingIt) {
    const Pose target{50.0, -20.0, 37.0};
    const PieceDef& turnout = def("T1");
    for (int j = 0; j < 3; ++j) {
        const Pose pose = matingPose(turnout, j, target);
        const WorldConnector w = connectorToWorld(pose, turnout, j);
        EXPECT_NEAR(w.x, 50.0, 1e-9) << "connector " << j;
        EXPECT_NEAR(w.y, -20.0, 1e-9) << "connector " << j;
        EXPECT_NEAR(w.heading, 217.0, 1e-9) << "connector " << j;
    }
    const Pose bad = matingPose(turnout, 3, target);
    EXPECT_TRUE(bad.x == 0.0 && bad.y == 0.0 && bad.heading == 0.0);
}

TEST_F(SnapTest, SnapsAtExactly25MillimetresButNotBeyond) {
    const std::vector<PlacedPiece> placed = {place(4, "C100", 0, 0, 0)};
    // The dragged piece's connector 0 lies at its origin, facing back at the placed end (100, 0).
    const SnapResult hit = findSnap(def("C100"), Pose{125.0, 0.0, 0.0}, placed, catalog);
    ASSERT_TRUE(hit.snapped);
    EXPECT_TRUE(hit.targetId == 4u && hit.targetConn == 1 && hit.ownConn == 0);
    EXPECT_DOUBLE_EQ(hit.distance, 25.0);
    EXPECT_NEAR(hit.pose.x, 100.0, 1e-9);

    const SnapResult miss = findSnap(def("C100"), Pose{125.01, 0.0, 0.0}, placed, catalog);
    EXPECT_FALSE(miss.snapped);
    EXPECT_TRUE(miss.targetConn == -1 && miss.ownConn == -1 && miss.distance == 0.0);
}

TEST_F(SnapTest, HeadingsMustDifferByAtLeast20Degrees) {
    const std::vector<PlacedPiece> placed = {place(4, "C100", 0, 0, 0)};
    // Dragged at heading 200: its connector 0 faces 20 degrees, 20 away from the placed end's 0.
    EXPECT_TRUE(findSnap(def("C100"), Pose{110.0, 0.0, 200.0}, placed, catalog).snapped);
    EXPECT_FALSE(findSnap(def("C100"), Pose{110.0, 0.0, 199.9}, placed, catalog).snapped);
    // Across the 0/360 seam: connector 0 faces 340 degrees.
    EXPECT_TRUE(findSnap(def("C100"), Pose{110.0, 0.0, 160.0}, placed, catalog).snapped);
    EXPECT_FALSE(findSnap(def("C100"), Pose{110.0, 0.0, 160.1}, placed, catalog).snapped);
    // An exact copy of the placed piece: every connector coincides with one of equal heading.
    EXPECT_FALSE(findSnap(def("C100"), Pose{0.0, 0.0, 0.0}, placed, catalog).snapped);
}

TEST_F(SnapTest, JoinedConnectorIsNeverATarget) {
    PlacedPiece joined = place(4, "C100", 0, 0, 0);
    joined.joints = {Joint{}, Joint{9, 0}};
    const PlacedPiece other = place(5, "C100", 0, 20, 0);  // open end at (100, 20)
    const std::vector<PlacedPiece> placed = {joined, other};
    const SnapResult r = findSnap(def("C100"), Pose{101.0, 0.0, 0.0}, placed, catalog);
    EXPECT_EQ(r.targetId, 5u);
    EXPECT_NEAR(r.pose.y, 20.0, 1e-9);
}

TEST_F(SnapTest, NearestPairWinsAndTiesKeepTheFirstFoundInEitherListForm) {
    const PlacedPiece a = place(1, "C100", 0, 0, 0);   // end at (100, 0)
    const PlacedPiece b = place(2, "C100", 0, 10, 0);  // end at (100, 10)
    const Pose middle{100.0, 5.0, 0.0};
    EXPECT_EQ(findSnap(def("C100"), middle, std::vector<PlacedPiece>{a, b}, catalog).targetId, 1u);
    EXPECT_EQ(findSnap(def("C100"), middle, std::vector<PlacedPiece>{b, a}, catalog).targetId, 2u);
    EXPECT_EQ(findSnap(def("C100"), Pose{100.0, 7.0, 0.0}, std::vector<PlacedPiece>{a, b}, catalog)
                  .targetId,
              2u);
    // A list of pointers gives the same result.
    const std::vector<const PlacedPiece*> placed = {&b, &a};
    EXPECT_EQ(findSnap(def("C100"), Pose{100.0, 3.0, 0.0}, placed, catalog).targetId, 1u);
}

TEST_F(SnapTest, PiecesWithUnknownArticlesOrOtherSystemsAreSkipped) {
    const std::vector<PlacedPiece> placed = {place(1, "missing", 0, 0, 0),
                                             place(2, "C100", 0, 0, 0)};
    const SnapResult r = findSnap(def("C100"), Pose{110.0, 0.0, 0.0}, placed, catalog);
    ASSERT_TRUE(r.snapped);
    EXPECT_EQ(r.targetId, 2u);
    EXPECT_FALSE(findSnap(def("C100"), Pose{105.0, 0.0, 0.0},
                          std::vector<PlacedPiece>{place(1, "K100", 0, 0, 0)}, catalog)
                     .snapped);
}

TEST_F(SnapTest, AdapterSnapsToEachSystemByItsOwnConnector) {
    // A K-Track end at (100, 0) facing 0: only the adapter's K-Track connector 1 may meet it.
    const std::vector<PlacedPiece> kEnd = {place(1, "K100", 0, 0, 0)};
    const SnapResult viaOne = findSnap(def("A100"), Pose{205.0, 0.0, 180.0}, kEnd, catalog);
    ASSERT_TRUE(viaOne.snapped);
    EXPECT_EQ(viaOne.ownConn, 1);
    EXPECT_FALSE(findSnap(def("A100"), Pose{105.0, 0.0, 0.0}, kEnd, catalog).snapped);

    const std::vector<PlacedPiece> cEnd = {place(1, "C100", 0, 0, 0)};
    EXPECT_EQ(findSnap(def("A100"), Pose{105.0, 0.0, 0.0}, cEnd, catalog).ownConn, 0);
    EXPECT_FALSE(findSnap(def("A100"), Pose{205.0, 0.0, 180.0}, cEnd, catalog).snapped);
}

TEST_F(SnapTest, ConflictProbeReportsNewSystemThenExistingAndIgnoresOtherEnds) {
    const std::vector<PlacedPiece> kEnd = {place(1, "K100", 0, 0, 0)};
    const SystemConflict c = findSystemConflict(def("C100"), Pose{105.0, 0.0, 0.0}, kEnd, catalog);
    EXPECT_TRUE(c.conflict);
    EXPECT_EQ(c.newSystem, 0u);
    EXPECT_EQ(c.existingSystem, 1u);

    const auto none = [](const SystemConflict& r) {
        return !r.conflict && r.newSystem == 0 && r.existingSystem == 0;
    };
    EXPECT_TRUE(none(findSystemConflict(def("K100"), Pose{105.0, 0.0, 0.0}, kEnd, catalog)));
    EXPECT_TRUE(none(findSystemConflict(def("C100"), Pose{125.01, 0.0, 0.0}, kEnd, catalog)));
    // Same heading: would not snap, so it is no conflict either.
    EXPECT_TRUE(none(findSystemConflict(def("C100"), Pose{0.0, 0.0, 0.0}, kEnd, catalog)));
    PlacedPiece joined = place(1, "K100", 0, 0, 0);
    joined.joints = {Joint{}, Joint{2, 0}};
    const PlacedPiece* list[] = {&joined};
    EXPECT_TRUE(none(findSystemConflict(def("C100"), Pose{105.0, 0.0, 0.0},
                                        std::vector<const PlacedPiece*>(list, list + 1), catalog)));
}
