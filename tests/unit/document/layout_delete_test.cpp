// Deleting the selection: joints, grade runs, turntables, helices and the other object kinds.

#include <gtest/gtest.h>

#include "document/layout.h"
#include "layout_test_support.h"

using layout_test::addPiece;
using layout_test::join;
using layout_test::select;

namespace {

/// Three straights a - b - c, joined end to end (a.1-b.0, b.1-c.0).
struct Chain {
    Layout layout;
    uint32_t a, b, c;
    Chain() {
        a = addPiece(layout);
        b = addPiece(layout);
        c = addPiece(layout);
        join(layout, a, 1, b, 0);
        join(layout, b, 1, c, 0);
    }
};

}  // namespace

TEST(LayoutDelete, DeletingAPieceOpensItsNeighboursJointsKeepsOrderAndUndoes) {
    Chain t;
    const uint32_t d = addPiece(t.layout);
    select(t.layout, t.b);
    t.layout.DeleteSelection();
    ASSERT_EQ(t.layout.pieces.size(), 3u);
    EXPECT_EQ(t.layout.pieces[1].id, t.c) << "the remaining pieces keep their order";
    EXPECT_EQ(t.layout.pieces[2].id, d);
    EXPECT_EQ(t.layout.FindPiece(t.a)->jointAt(1).tconn, -1);
    EXPECT_TRUE(t.layout.FindPiece(t.c)->jointAt(0).isOpen());
    EXPECT_EQ(t.layout.checkInvariants(), "");
    t.layout.Undo();
    ASSERT_EQ(t.layout.pieces.size(), 4u);
    EXPECT_EQ(t.layout.FindPiece(t.a)->jointAt(1).target, static_cast<int32_t>(t.b));
    EXPECT_EQ(t.layout.checkInvariants(), "");
}

TEST(LayoutDelete, DeletingTheAnchorMovesTheRunToTheNearestSurvivorsFarEnd) {
    {
        // Both a and c touch b; a comes first in piece order and was joined at its connector 1,
        // so the run continues from a's connector 0.
        Chain t;
        t.layout.gradeRuns.push_back({2.0058, static_cast<int32_t>(t.b), 1});
        t.layout.SyncGradeState();
        select(t.layout, t.b);
        t.layout.DeleteSelection();
        ASSERT_EQ(t.layout.gradeRuns.size(), 1u);
        EXPECT_EQ(t.layout.gradeRuns[0].anchor, static_cast<int32_t>(t.a));
        EXPECT_EQ(t.layout.gradeRuns[0].conn, 0);
        EXPECT_DOUBLE_EQ(t.layout.gradeDeg, 2.0058);
        EXPECT_EQ(t.layout.gradeAnchor, static_cast<int32_t>(t.a));
    }
    {
        // A neighbour joined at its connector 0 takes the run at connector 1.
        Chain t;
        t.layout.gradeRuns.push_back({-1.5, static_cast<int32_t>(t.a), 0});
        select(t.layout, t.a);
        t.layout.DeleteSelection();
        ASSERT_EQ(t.layout.gradeRuns.size(), 1u);
        EXPECT_EQ(t.layout.gradeRuns[0].anchor, static_cast<int32_t>(t.b));
        EXPECT_EQ(t.layout.gradeRuns[0].conn, 1);
        EXPECT_DOUBLE_EQ(t.layout.gradeRuns[0].deg, -1.5);
    }
}

TEST(LayoutDelete, AnIsolatedAnchorTakesItsRunAlong) {
    // Two separate tracks: x - y and a lone anchored piece z. Deleting y and z together
    // must not hand z's run to x, which never touched z.
    {
        Layout layout;
        const uint32_t x = addPiece(layout);
        const uint32_t y = addPiece(layout);
        const uint32_t z = addPiece(layout);
        join(layout, x, 1, y, 0);
        layout.gradeRuns.push_back({3.0, static_cast<int32_t>(z), 1});
        layout.SyncGradeState();
        ASSERT_TRUE(layout.gradeActive);
        select(layout, y);
        select(layout, z);
        layout.DeleteSelection();
        EXPECT_TRUE(layout.gradeRuns.empty());
        EXPECT_FALSE(layout.gradeActive);
        EXPECT_EQ(layout.gradeAnchor, -1);
    }
}

TEST(LayoutDelete, TurntableTakesItsJoinedPiecesAlongButNotTunnelTrack) {
    Layout layout;
    const uint32_t turntable = addPiece(layout, "74861", 4);
    const uint32_t track1 = addPiece(layout);
    const uint32_t track2 = addPiece(layout);
    const uint32_t beyond = addPiece(layout);
    const uint32_t covered = addPiece(layout);
    const uint32_t apart = addPiece(layout);
    join(layout, turntable, 0, track1, 0);
    join(layout, turntable, 3, track2, 0);
    join(layout, track2, 1, beyond, 0);
    join(layout, turntable, 1, covered, 0);
    Tunnel tunnel;
    tunnel.id = layout.AllocateId();
    tunnel.covers.push_back(covered);
    layout.tunnels.push_back(tunnel);

    select(layout, turntable);
    layout.DeleteSelection();
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.pieces[2].id, apart);
    EXPECT_TRUE(layout.FindPiece(beyond)->jointAt(0).isOpen());
    EXPECT_TRUE(layout.FindPiece(covered)->jointAt(0).isOpen());
    EXPECT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST(LayoutDelete, HelixGoesWithAnEndPieceButNotWithAnInnerOne) {
    Layout layout;
    const uint32_t inner = addPiece(layout);
    const uint32_t outer = addPiece(layout);
    const uint32_t middle = addPiece(layout);
    Helix kept;
    kept.id = layout.AllocateId();
    kept.bottomR1 = 900;  // ends that do not exist must not matter
    Helix helix;
    helix.id = layout.AllocateId();
    helix.bottomR1 = static_cast<int32_t>(inner);
    helix.topR2 = static_cast<int32_t>(outer);
    layout.helices = {kept, helix};
    for (auto& p : layout.pieces.edits())
        p.helix = helix.id;

    select(layout, middle);
    layout.DeleteSelection();
    EXPECT_EQ(layout.helices.size(), 2u) << "an inner piece leaves the helix";
    select(layout, outer);
    layout.DeleteSelection();
    ASSERT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.helices[0].id, kept.id);
    EXPECT_EQ(layout.FindPiece(inner)->helix, kNoId) << "left-over pieces are no longer locked";
}

TEST(LayoutDelete, SelectedLabelsAndShapesGoAndDanglingIdsDoNotUpsetDeletion) {
    Layout layout;
    const uint32_t a = addPiece(layout, "74861", 3);
    const uint32_t b = addPiece(layout);
    layout.EditPiece(a)->joints[0] = {77, 5};  // names no piece
    layout.EditPiece(b)->joints[1] = {static_cast<int32_t>(a), 9};
    layout.gradeRuns.push_back({1.0, 555, 1});
    layout.labels.push_back({layout.AllocateId(), "gone", 0.0, 0.0, true});
    layout.labels.push_back({layout.AllocateId(), "stays", 0.0, 0.0, false});
    FreeShape lake;
    lake.selected = true;
    layout.shapes.push_back(lake);
    select(layout, a);
    layout.DeleteSelection();
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.pieces[0].jointAt(1).isOpen());
    EXPECT_EQ(layout.gradeRuns.size(), 1u) << "a run anchored on an unknown piece is not ours";
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text, "stays");
    EXPECT_TRUE(layout.shapes.empty());
}
