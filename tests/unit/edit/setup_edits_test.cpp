// Decks: the levels list, adding with the colour cycle, removing a level with what stands on it,
// and level properties. None of it is an undo step; each is one notice.
#include <gtest/gtest.h>

#include "edit/edit.h"
#include "edit/setup_edits.h"

namespace {

struct Counter : EditObserver {
    int notices = 0;
    void layoutEdited(const EditNotice&) override { ++notices; }
};

struct LevelEdits : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};
    Counter counter;
    void SetUp() override {
        layout.EnsureDefaultLevel();
        editor.addObserver(&counter);
    }
    uint32_t piece(int32_t level, double x, uint32_t helix = kNoId) {
        Edit edit(editor);
        PlacedPiece p;
        p.article = "24188";
        p.level = level;
        p.x = x;
        p.helix = helix;
        return edit.addPiece(p);
    }
};

}  // namespace

TEST_F(LevelEdits, NewLevelsTakeTheNextIdBecomeActiveAndTheSeventhRepeatsTheFirstColour) {
    EXPECT_EQ(proposedLevelName(layout), "Level 2");
    EXPECT_EQ(addNamedLevel(editor, "   "), -1);
    EXPECT_EQ(counter.notices, 0);
    for (int i = 2; i <= 7; ++i) {
        EXPECT_EQ(addNamedLevel(editor, "  Deck " + std::to_string(i) + " "), i);
    }
    EXPECT_EQ(counter.notices, 6);
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(layout.activeLevel, 7);
    const LayoutLevel& seventh = layout.levels.back();
    EXPECT_EQ(seventh.name, "Deck 7");
    EXPECT_EQ((Rgb{seventh.r, seventh.g, seventh.b}), newLevelColour(1));
    EXPECT_EQ(newLevelColour(2), (Rgb{220, 180, 180}));
    EXPECT_EQ(proposedLevelName(layout), "Level 8");
}

TEST_F(LevelEdits, RowsShowHeightInTheUnitColourAndTheActiveLevel) {
    layout.levels[0].height = 254;
    layout.levels[0].trackcolor = true;
    EXPECT_EQ(levelRow(layout, layout.levels[0], Units::Millimetres).height, "254 mm");
    EXPECT_EQ(levelRow(layout, layout.levels[0], Units::Centimetres).height, "25.4 cm");
    const LevelRow row = levelRow(layout, layout.levels[0], Units::Inches);
    EXPECT_EQ(row.height, "10.00 in");
    EXPECT_EQ(row.colour, "custom");
    EXPECT_TRUE(row.active);
}

TEST_F(LevelEdits, RemovingALevelTakesItsContentsAndOpensJointsOnOtherLevels) {
    addNamedLevel(editor, "Upper");
    const uint32_t below = piece(1, 0);
    const uint32_t above = piece(2, 188.3);
    const uint32_t helixEnd = piece(2, 500);
    Helix helix;
    helix.bottomR1 = static_cast<int32_t>(helixEnd);
    uint32_t helixId = 0;
    {
        Edit edit(editor);
        helixId = edit.addHelix(helix);
        edit.change().EditPiece(helixEnd)->helix = helixId;
        edit.join(above, 0, below, 1, Edit::Heights::Keep);
        SceneryItem tree;
        tree.item = "tree";
        tree.level = 2;
        edit.addScenery(tree);
    }
    const LevelContents contents = levelContents(layout, 2);
    EXPECT_EQ(contents.pieces, 1);
    EXPECT_EQ(contents.scenery, 1);
    EXPECT_EQ(contents.helices, 1);
    EXPECT_EQ(
        removeLevelQuestion("Upper", contents),
        "Remove level \"Upper\"?\n\nThis will PERMANENTLY DELETE everything on this level:\n"
        "    \u2022 1 track piece(s)\n    \u2022 1 scenery item(s)\n    \u2022 1 helix/helices\n\n"
        "This cannot be undone from this dialog. Are you sure?");

    const int before = counter.notices;
    ASSERT_TRUE(removeLevel(editor, 2));
    EXPECT_EQ(counter.notices, before + 1);
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.pieces[0].jointAt(1).isOpen());
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_TRUE(layout.helices.empty());
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.activeLevel, 1);
    EXPECT_EQ(layout.checkInvariants(), "");
    // An older step would bring back track of the removed deck.
    EXPECT_FALSE(editor.undo());
    EXPECT_FALSE(removeLevel(editor, 1));
}

TEST_F(LevelEdits, RemovingALevelTakesTheTunnelsThroughItsTrackWithTheirPortals) {
    addNamedLevel(editor, "Upper");
    const uint32_t inside = piece(2, 0);
    const uint32_t kept = piece(1, 300);
    {
        Edit edit(editor);
        SceneryItem portal;
        portal.item = "tunnel_portal";
        portal.level = 1;
        Tunnel tunnel;
        tunnel.portalA = static_cast<int32_t>(edit.addScenery(portal));
        tunnel.portalB = static_cast<int32_t>(edit.addScenery(portal));
        tunnel.anchorA = static_cast<int32_t>(kept);
        tunnel.covers = {inside};
        edit.change().tunnels.push_back(tunnel);
    }
    ASSERT_TRUE(removeLevel(editor, 2));
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.checkInvariants(), "");
}

TEST_F(LevelEdits, PropertiesMoveLevelTrackToTheNewHeightButNotGradedOrHelixTrack) {
    const uint32_t flat = piece(1, 0);
    const uint32_t graded = piece(1, 200);
    const uint32_t helixPiece = piece(1, 400, 99);
    {
        Edit edit(editor);
        edit.change().EditPiece(graded)->grade = 2.0;
    }
    applyLevelProperties(editor, 1, {"  ", 80.0, true, {1, 2, 3}});
    EXPECT_EQ(layout.levels[0].name, "Level 1");
    EXPECT_DOUBLE_EQ(layout.levels[0].height, 80.0);
    EXPECT_TRUE(layout.levels[0].trackcolor);
    EXPECT_EQ(layout.levels[0].b, 3);
    EXPECT_DOUBLE_EQ(layout.FindPiece(flat)->z, 80.0);
    EXPECT_DOUBLE_EQ(layout.FindPiece(graded)->z, 0.0);
    EXPECT_DOUBLE_EQ(layout.FindPiece(helixPiece)->z, 0.0);
    applyLevelProperties(editor, 1, {" Yard ", 0.0, false, {}});
    EXPECT_EQ(layout.levels[0].name, "Yard");
}

TEST(LevelHeight, TypedHeightsOutsideTheUnitsRangeOrNotNumbersAreRefused) {
    EXPECT_DOUBLE_EQ(readLevelHeight(" 2,5 ", Units::Inches).mm, 63.5);
    EXPECT_EQ(readLevelHeight("abc", Units::Millimetres).problem,
              "The height must be a number from 0 to 10000 mm.");
    EXPECT_EQ(readLevelHeight("-1", Units::Centimetres).problem,
              "The height must be a number from 0 to 1000 cm.");
    EXPECT_FALSE(readLevelHeight("400.01", Units::Inches).problem.empty());
    EXPECT_TRUE(readLevelHeight("0", Units::Inches).problem.empty());
}
