// Library blocks inserted into a layout: moved to the origin, fresh ids, inner joints only.
#include <gtest/gtest.h>

#include "document/layout_file.h"
#include "edit/fragment.h"
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

TEST(BlockInsertion, MovesToOriginWithFreshIdsAndKeepsOnlyInnerJoints) {
    // 40 and 41 joined, 41 also to 77 outside the block, 42 claims a joint 40 does not mirror.
    BlockContent block;
    block.pieces = {blockPiece(40, 1000, 400, {{-1, -1}, {41, 0}}),
                    blockPiece(41, 1250, 300, {{40, 1}, {77, 0}}, 2),
                    blockPiece(42, 1500, 200, {{40, 0}, {-1, -1}})};
    block.scenery.emplace_back();
    block.scenery[0].id = 50;
    block.scenery[0].x = 1100;
    block.scenery[0].y = 350;

    Layout layout;
    LayoutEditor editor(layout);
    layout.EnsureDefaultLevel();
    layout.nextId = 40;  // the block's own ids are taken already
    layout.pieces.push_back(blockPiece(39, 0, 0, {}));
    ASSERT_TRUE(insertBlock(editor, block));
    ASSERT_EQ(layout.pieces.size(), 4u);
    const PlacedPiece& a = layout.pieces[1];
    const PlacedPiece& b = layout.pieces[2];
    const PlacedPiece& c = layout.pieces[3];
    EXPECT_DOUBLE_EQ(a.x, 0.0);
    EXPECT_DOUBLE_EQ(a.y, 200.0);
    EXPECT_DOUBLE_EQ(c.y, 0.0);
    EXPECT_EQ(a.id, 40u);
    EXPECT_EQ(c.id, 42u);
    EXPECT_EQ(layout.scenery[0].id, 43u) << "scenery shares the id counter";
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 100.0);
    EXPECT_EQ(a.jointAt(1).target, static_cast<int32_t>(b.id));
    EXPECT_EQ(b.jointAt(0).target, static_cast<int32_t>(a.id));
    EXPECT_TRUE(b.jointAt(1).isOpen()) << "the partner outside the block is gone";
    EXPECT_TRUE(c.jointAt(0).isOpen()) << "a joint its partner does not mirror";
    EXPECT_EQ(layout.checkInvariants(), "");
    ASSERT_NE(layout.FindLevel(2), nullptr);
    EXPECT_EQ(layout.FindLevel(2)->name, "Level 2");

    ASSERT_TRUE(insertBlock(editor, block));  // a second copy: new ids again, one undo step
    EXPECT_EQ(layout.pieces[4].id, 44u);
    layout.Undo();
    EXPECT_EQ(layout.pieces.size(), 4u);
    EXPECT_FALSE(insertBlock(editor, BlockContent{}));
}

TEST(BlockInsertion, SavedFixtureInsertsTwiceCleanly) {
    Layout layout;
    LayoutEditor editor(layout);
    BlockContent block;
    ASSERT_EQ(ReadBlock(RAILVANE_TEST_DATA "/full_block.tdl", block), "");
    ASSERT_TRUE(insertBlock(editor, block));
    ASSERT_TRUE(insertBlock(editor, block));
    EXPECT_EQ(layout.pieces.size(), 2 * block.pieces.size());
    EXPECT_EQ(layout.checkInvariants(), "");
}

}  // namespace
