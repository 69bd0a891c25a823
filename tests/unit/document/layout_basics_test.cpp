// Identifiers, the default level, selection, look-ups and the invariant checker.

#include <gtest/gtest.h>

#include "document/layout.h"
#include "layout_test_support.h"

using layout_test::addPiece;
using layout_test::join;

TEST(LayoutLevels, FreshDocumentHasNoLevelUntilTheDefaultIsEnsured) {
    Layout layout;
    EXPECT_TRUE(layout.levels.empty());
    EXPECT_EQ(layout.activeLevel, 1);

    layout.EnsureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 1u);
    const LayoutLevel& level = layout.levels[0];
    EXPECT_EQ(level.id, 1);
    EXPECT_EQ(level.name, "Level 1");
    EXPECT_TRUE(level.visible);
    EXPECT_EQ(level.height, 0.0);
    EXPECT_FALSE(level.trackcolor);
    EXPECT_EQ(level.r, 180);
    EXPECT_EQ(level.g, 200);
    EXPECT_EQ(level.b, 220);
    EXPECT_TRUE(level.outline.empty());
    EXPECT_EQ(layout.activeLevel, 1);
}

TEST(LayoutLevels, EnsureDefaultLevelLeavesExistingLevelsAndActiveLevelAlone) {
    Layout layout;
    LayoutLevel deck;
    deck.id = 4;
    deck.name = "Upper deck";
    layout.levels.push_back(deck);
    layout.activeLevel = 4;

    layout.EnsureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].name, "Upper deck");
    EXPECT_EQ(layout.activeLevel, 4);
}

TEST(LayoutIds, ObjectsOfDifferentKindsTakeConsecutiveIds) {
    Layout layout;
    EXPECT_EQ(addPiece(layout), 1u);
    SceneryItem tree;
    tree.id = layout.AllocateId();
    LayoutLabel label;
    label.id = layout.AllocateId();
    EXPECT_EQ(tree.id, 2u);
    EXPECT_EQ(label.id, 3u);
    EXPECT_EQ(layout.nextId, 4u);
}

TEST(LayoutIds, ClearStartsNumberingAgainAtOne) {
    Layout layout;
    addPiece(layout);
    addPiece(layout);
    layout.labels.push_back({layout.AllocateId(), "Station", 0.0, 0.0, false});
    layout.gradeRuns.push_back({2.0, 1, 1});
    layout.SyncGradeState();

    layout.Clear();
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_TRUE(layout.labels.empty());
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.gradeActive);
    EXPECT_EQ(layout.gradeAnchor, -1);
    EXPECT_EQ(layout.AllocateId(), 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u) << "Clear must be undoable";
}

TEST(LayoutSelection, SelectAllTakesPiecesAndSceneryOnly) {
    Layout layout;
    addPiece(layout);
    SceneryItem house;
    house.id = layout.AllocateId();
    layout.scenery.push_back(house);
    layout.labels.push_back({layout.AllocateId(), "Yard", 1.0, 2.0, false});
    Measurement tape;
    tape.id = layout.AllocateId();
    layout.measurements.push_back(tape);
    FreeShape lake;
    lake.id = layout.AllocateId();
    layout.shapes.push_back(lake);

    layout.SelectAll();
    EXPECT_TRUE(layout.pieces[0].selected);
    EXPECT_TRUE(layout.scenery[0].selected);
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_FALSE(layout.measurements[0].selected);
    EXPECT_FALSE(layout.shapes[0].selected);

    layout.labels[0].selected = true;
    layout.measurements[0].selected = true;
    layout.shapes[0].selected = true;
    layout.DeselectAll();
    EXPECT_FALSE(layout.pieces[0].selected);
    EXPECT_FALSE(layout.scenery[0].selected);
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_FALSE(layout.measurements[0].selected);
    EXPECT_FALSE(layout.shapes[0].selected);
}

TEST(LayoutSelection, CompletingHelixSelectionSelectsEveryPieceOfThatHelixOnly) {
    Layout layout;
    const uint32_t a = addPiece(layout);
    const uint32_t b = addPiece(layout);
    const uint32_t other = addPiece(layout);
    const uint32_t loose = addPiece(layout);
    layout.FindPiece(a)->helix = 50;
    layout.FindPiece(b)->helix = 50;
    layout.FindPiece(other)->helix = 60;
    layout.FindPiece(b)->selected = true;

    layout.CompleteHelixSelection();
    EXPECT_TRUE(layout.FindPiece(a)->selected);
    EXPECT_TRUE(layout.FindPiece(b)->selected);
    EXPECT_FALSE(layout.FindPiece(other)->selected);
    EXPECT_FALSE(layout.FindPiece(loose)->selected);
}

TEST(LayoutLookups, FindReturnsTheObjectWithThatIdOrNothing) {
    Layout layout;
    addPiece(layout);
    const uint32_t second = addPiece(layout, "24172");
    Helix helix;
    helix.id = layout.AllocateId();
    layout.helices.push_back(helix);
    layout.EnsureDefaultLevel();

    ASSERT_NE(layout.FindPiece(second), nullptr);
    EXPECT_EQ(layout.FindPiece(second)->article, "24172");
    EXPECT_EQ(layout.FindPiece(99), nullptr);
    EXPECT_EQ(layout.FindPiece(kNoId), nullptr);
    EXPECT_NE(layout.FindHelix(helix.id), nullptr);
    EXPECT_EQ(layout.FindHelix(second), nullptr) << "a piece id is not a helix";
    EXPECT_NE(layout.FindLevel(1), nullptr);
    EXPECT_EQ(layout.FindLevel(2), nullptr);
    EXPECT_EQ(layout.FindTunnel(1), nullptr);
    EXPECT_EQ(layout.FindScenery(1), nullptr);
}

TEST(LayoutJoints, JointAtIsOpenBeyondTheStoredJoints) {
    PlacedPiece p;
    p.joints = {{7, 1}};
    EXPECT_EQ(p.jointAt(0).target, 7);
    EXPECT_EQ(p.jointAt(0).tconn, 1);
    EXPECT_TRUE(p.jointAt(1).isOpen());
    EXPECT_EQ(p.jointAt(1).tconn, -1);
    EXPECT_TRUE(p.jointAt(-1).isOpen());
}

TEST(LayoutInvariants, SymmetricJointsPass) {
    Layout layout;
    const uint32_t a = addPiece(layout);
    const uint32_t b = addPiece(layout);
    const uint32_t c = addPiece(layout, "24130", 3);
    join(layout, a, 1, b, 0);
    join(layout, b, 1, c, 2);
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST(LayoutInvariants, OneSidedJointIsReported) {
    Layout layout;
    const uint32_t a = addPiece(layout);
    const uint32_t b = addPiece(layout);
    layout.FindPiece(a)->joints[1] = {static_cast<int32_t>(b), 0};
    const std::string report = layout.checkInvariants();
    EXPECT_NE(report.find("does not join back"), std::string::npos) << report;
}

TEST(LayoutInvariants, TwoConnectorsClaimingOneJointAreReported) {
    // a.0 and b.0 are properly joined; a.1 also claims b.0, which joins back to a.0 only.
    Layout layout;
    const uint32_t a = addPiece(layout);
    const uint32_t b = addPiece(layout);
    join(layout, a, 0, b, 0);
    layout.FindPiece(a)->joints[1] = {static_cast<int32_t>(b), 0};
    const std::string report = layout.checkInvariants();
    EXPECT_NE(report.find("piece 1 connector 1"), std::string::npos) << report;
}

TEST(LayoutInvariants, JointToMissingPieceIsReported) {
    Layout layout;
    const uint32_t a = addPiece(layout);
    layout.FindPiece(a)->joints[0] = {42, 0};
    const std::string report = layout.checkInvariants();
    EXPECT_NE(report.find("missing piece 42"), std::string::npos) << report;
}

TEST(LayoutInvariants, IdSharedByTwoKindsIsReported) {
    Layout layout;
    const uint32_t a = addPiece(layout);
    LayoutLabel label;
    label.id = a;
    layout.labels.push_back(label);
    const std::string report = layout.checkInvariants();
    EXPECT_NE(report.find("duplicate id 1 (piece and label)"), std::string::npos) << report;
}

TEST(LayoutInvariants, IdSharedByTwoPiecesIsReported) {
    Layout layout;
    addPiece(layout);
    layout.pieces.push_back(layout.pieces[0]);
    EXPECT_NE(layout.checkInvariants().find("duplicate id 1"), std::string::npos);
}
