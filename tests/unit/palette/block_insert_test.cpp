#include <gtest/gtest.h>

#include "document/layout_file.h"
#include "panels/palette_groups.h"

namespace {

PlacedPiece blockPiece(uint32_t id, double x, double y, std::vector<Joint> joints,
                       int32_t level = 1) {
    PlacedPiece p;
    p.id = id;
    p.article = "24188";
    p.x = x;
    p.y = y;
    p.level = level;
    p.joints = std::move(joints);
    return p;
}

/// Three straights at x 1000 to 1500: 40 and 41 joined, 41 also joined to 77 outside the block,
/// 42 claims a joint that 40 does not mirror.
BlockContent sampleBlock() {
    BlockContent block;
    block.pieces = {blockPiece(40, 1000, 400, {{-1, -1}, {41, 0}}),
                    blockPiece(41, 1250, 300, {{40, 1}, {77, 0}}, 2),
                    blockPiece(42, 1500, 200, {{40, 0}, {-1, -1}})};
    SceneryItem tree;
    tree.id = 50;
    tree.item = "tree_oak";
    tree.x = 1100;
    tree.y = 350;
    block.scenery = {tree};
    return block;
}

}  // namespace

TEST(BlockInsertion, MovesToOriginWithFreshIdsAndKeepsOnlyInnerJoints) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.pieces.push_back(blockPiece(layout.AllocateId(), 0, 0, {}));
    layout.nextId = 40;  // the block's own ids are taken in the layout already

    ASSERT_TRUE(insertBlock(layout, sampleBlock()));
    ASSERT_EQ(layout.pieces.size(), 4u);
    const PlacedPiece& a = layout.pieces[1];
    const PlacedPiece& b = layout.pieces[2];
    const PlacedPiece& c = layout.pieces[3];
    EXPECT_DOUBLE_EQ(a.x, 0.0);
    EXPECT_DOUBLE_EQ(a.y, 200.0);
    EXPECT_DOUBLE_EQ(b.x, 250.0);
    EXPECT_DOUBLE_EQ(c.x, 500.0);
    EXPECT_DOUBLE_EQ(c.y, 0.0);
    EXPECT_EQ(a.id, 40u);
    EXPECT_EQ(b.id, 41u);
    EXPECT_EQ(c.id, 42u);
    ASSERT_EQ(layout.scenery.size(), 1u);
    EXPECT_EQ(layout.scenery[0].id, 43u) << "scenery shares the id counter";
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 100.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].y, 150.0);

    EXPECT_EQ(a.jointAt(1).target, static_cast<int32_t>(b.id));
    EXPECT_EQ(b.jointAt(0).target, static_cast<int32_t>(a.id));
    EXPECT_TRUE(b.jointAt(1).isOpen()) << "the partner outside the block is gone";
    EXPECT_TRUE(c.jointAt(0).isOpen()) << "a joint its partner does not mirror";
    EXPECT_EQ(layout.checkInvariants(), "");

    ASSERT_NE(layout.FindLevel(2), nullptr);
    EXPECT_EQ(layout.FindLevel(2)->name, "Level 2");
    EXPECT_EQ(layout.FindLevel(2)->r, 180);
    EXPECT_EQ(layout.levels.size(), 2u);

    // A second copy lands on the same spot with new ids again, and one undo removes it.
    ASSERT_TRUE(insertBlock(layout, sampleBlock()));
    EXPECT_EQ(layout.pieces.size(), 7u);
    EXPECT_EQ(layout.pieces[4].id, 44u);
    EXPECT_EQ(layout.checkInvariants(), "");
    layout.Undo();
    EXPECT_EQ(layout.pieces.size(), 4u);
    EXPECT_EQ(layout.scenery.size(), 1u);
}

TEST(BlockInsertion, EmptyBlockChangesNothingAndSavedFixtureInsertsCleanly) {
    Layout layout;
    EXPECT_FALSE(insertBlock(layout, BlockContent{}));
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(layout.nextId, 1u);

    BlockContent block;
    ASSERT_EQ(ReadBlock(RAILVANE_TEST_DATA "/full_block.tdl", block), "");
    ASSERT_TRUE(insertBlock(layout, block));
    ASSERT_TRUE(insertBlock(layout, block));
    EXPECT_EQ(layout.pieces.size(), 2 * block.pieces.size());
    EXPECT_EQ(layout.checkInvariants(), "");
    double minX = 1e9;
    double minY = 1e9;
    for (const PlacedPiece& p : layout.pieces) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
    }
    for (const SceneryItem& s : layout.scenery) {
        minX = std::min(minX, s.x);
        minY = std::min(minY, s.y);
    }
    EXPECT_DOUBLE_EQ(minX, 0.0);
    EXPECT_DOUBLE_EQ(minY, 0.0);
}
