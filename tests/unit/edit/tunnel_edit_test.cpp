// The tunnel command: which selections form a chain, where the portals stand, and removing a
// tunnel again in one undo step.
#include <gtest/gtest.h>

#include "edit/track_joints.h"
#include "edit/tunnel_edit.h"

namespace {

struct Counter : EditObserver {
    int notices = 0;
    void layoutEdited(const EditNotice&) override { ++notices; }
};

constexpr double kStraight = 188.3;  // length of a 24188

struct TunnelCommand : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};
    Counter counter;

    void SetUp() override { editor.addObserver(&counter); }

    PlacedPiece& piece(const char* article, double x, double heading = 0.0) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = article;
        p.x = x;
        p.heading = heading;
        layout.pieces.push_back(p);
        return layout.pieces.editBack();
    }
    void join(size_t a, int ca, size_t b, int cb) {
        joinPieces(layout.pieces.edit(a), ca, layout.pieces.edit(b), cb);
    }
    /// `count` straights end to end along +x from the origin, each joined to the next.
    void straightChain(int count) {
        for (int i = 0; i < count; ++i) {
            piece("24188", kStraight * i);
            if (i > 0) {
                join(static_cast<size_t>(i - 1), 1, static_cast<size_t>(i), 0);
            }
        }
    }
    void select(std::initializer_list<size_t> chosen) {
        layout.DeselectAll();
        for (const size_t i : chosen) {
            layout.pieces.edit(i).selected = true;
        }
    }
    bool applies() const { return analyseTunnelChain(layout, editor.catalog()).applies; }
};

}  // namespace

TEST_F(TunnelCommand, OnePieceTwoSeparateGroupsAndABranchAreNoChain) {
    straightChain(4);
    select({1});
    EXPECT_FALSE(applies());
    select({0, 1, 3});  // 3 hangs on 2, which is not selected
    EXPECT_FALSE(applies());
    select({0, 1, 2, 3});
    EXPECT_TRUE(applies());

    // A turnout with a straight on each of its three connectors has three chain ends.
    layout.pieces.clear();
    piece("24611", 0.0);
    for (int c = 0; c < 3; ++c) {
        piece("24188", 500.0 * (c + 1));
        join(0, c, static_cast<size_t>(c + 1), 0);
    }
    select({0, 1, 2, 3});
    EXPECT_FALSE(applies());
    EXPECT_FALSE(tunnelCommand(editor));
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(counter.notices, 0);
}

TEST_F(TunnelCommand, PortalsStandOnTheOutwardConnectorsOfATwoStraightChain) {
    straightChain(3);
    select({0, 1});  // piece 1's outward end is joined to the unselected piece 2
    ASSERT_TRUE(tunnelCommand(editor));
    EXPECT_EQ(counter.notices, 1);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    ASSERT_EQ(layout.scenery.size(), 2u);
    ASSERT_EQ(layout.tunnels.size(), 1u);
    const Tunnel& tunnel = layout.tunnels[0];
    const SceneryItem& a = layout.scenery[0];
    const SceneryItem& b = layout.scenery[1];
    EXPECT_EQ(a.item, "tunnel_portal_single");
    EXPECT_NEAR(a.x, 0.0, 1e-9);
    EXPECT_NEAR(a.y, 0.0, 1e-9);
    EXPECT_NEAR(a.heading, 180.0, 1e-9);
    EXPECT_NEAR(b.x, 2 * kStraight, 1e-9);
    EXPECT_NEAR(b.y, 0.0, 1e-9);
    EXPECT_NEAR(b.heading, 0.0, 1e-9);
    for (const SceneryItem& portal : layout.scenery) {
        EXPECT_EQ(portal.scalex, 1.0);
        EXPECT_EQ(portal.scaley, 1.0);
        EXPECT_EQ(portal.level, 1);
    }
    EXPECT_EQ(tunnel.portalA, static_cast<int32_t>(a.id));
    EXPECT_EQ(tunnel.portalB, static_cast<int32_t>(b.id));
    EXPECT_EQ(tunnel.anchorA, static_cast<int32_t>(layout.pieces[0].id));
    EXPECT_EQ(tunnel.anchorB, static_cast<int32_t>(layout.pieces[1].id));
    EXPECT_EQ(tunnel.covers, (std::vector<uint32_t>{layout.pieces[0].id, layout.pieces[1].id}));
    EXPECT_TRUE(layout.checkInvariants().empty());
}

TEST_F(TunnelCommand, ASelectionPartlyInATunnelIsRefused) {
    straightChain(3);
    select({0, 1});
    ASSERT_TRUE(tunnelCommand(editor));
    select({0, 1, 2});
    EXPECT_FALSE(applies());
    select({1, 2});
    EXPECT_FALSE(applies());
}

TEST_F(TunnelCommand, AChainInATunnelLosesItAndBothPortalsInOneUndoStep) {
    straightChain(2);
    SceneryItem tree;
    tree.id = layout.AllocateId();
    tree.item = "tree";
    layout.scenery.push_back(tree);
    select({0, 1});
    EXPECT_FALSE(analyseTunnelChain(layout, editor.catalog()).removes());
    ASSERT_TRUE(tunnelCommand(editor));
    ASSERT_EQ(layout.scenery.size(), 3u);

    const TunnelChain chain = analyseTunnelChain(layout, editor.catalog());
    ASSERT_TRUE(chain.applies);
    EXPECT_TRUE(chain.removes()) << "the toolbar reads Remove Tunnel";
    EXPECT_EQ(chain.tunnel, layout.tunnels[0].id);

    const size_t steps = layout.undoStack.size();
    ASSERT_TRUE(tunnelCommand(editor));
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    EXPECT_EQ(counter.notices, 2);
    EXPECT_TRUE(layout.tunnels.empty());
    ASSERT_EQ(layout.scenery.size(), 1u);
    EXPECT_EQ(layout.scenery[0].id, tree.id);

    ASSERT_TRUE(editor.undo());
    ASSERT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.scenery.size(), 3u);
    EXPECT_NE(layout.FindScenery(static_cast<uint32_t>(layout.tunnels[0].portalA)), nullptr);
    EXPECT_NE(layout.FindScenery(static_cast<uint32_t>(layout.tunnels[0].portalB)), nullptr);
}
