// Identifiers, the default level, selection, look-ups and the invariant checker.

#include <gtest/gtest.h>

#include <functional>

#include "document/layout.h"
#include "layout_test_support.h"

using layout_test::addPiece;
using layout_test::join;

TEST(LayoutLevels, DefaultLevelIsAddedOnlyToADocumentWithoutLevels) {
    Layout layout;
    EXPECT_TRUE(layout.levels.empty());
    layout.EnsureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].name, "Level 1");
    EXPECT_EQ(layout.levels[0].b, 220);
    EXPECT_EQ(layout.activeLevel, 1);
    layout.levels[0].name = "Upper deck";
    layout.EnsureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].name, "Upper deck");
}

TEST(LayoutIds, AllKindsShareOneCounterAndClearStartsAgainAtOne) {
    Layout layout;
    EXPECT_EQ(addPiece(layout), 1u);
    EXPECT_EQ(layout.AllocateId(), 2u);
    layout.labels.push_back({layout.AllocateId(), "Station", 0.0, 0.0, false});
    EXPECT_EQ(layout.labels[0].id, 3u);
    EXPECT_EQ(layout.nextId, 4u);
    layout.gradeRuns.push_back({2.0, 1, 1});
    layout.SyncGradeState();

    layout.Clear();
    EXPECT_TRUE(layout.pieces.empty() && layout.labels.empty() && layout.gradeRuns.empty());
    EXPECT_FALSE(layout.gradeActive);
    EXPECT_EQ(layout.AllocateId(), 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u) << "Clear must be undoable";
}

TEST(LayoutSelection, SelectAllTakesPiecesAndSceneryAndHelicesSelectWhole) {
    Layout layout;
    addPiece(layout);
    layout.scenery.push_back(SceneryItem{});
    layout.labels.push_back({layout.AllocateId(), "Yard", 1.0, 2.0, false});
    layout.measurements.push_back(Measurement{});
    layout.shapes.push_back(FreeShape{});
    const auto selection = [&] {
        return std::vector<bool>{layout.pieces[0].selected, layout.scenery[0].selected,
                                 layout.labels[0].selected, layout.measurements[0].selected,
                                 layout.shapes[0].selected};
    };
    layout.SelectAll();
    EXPECT_EQ(selection(), (std::vector<bool>{true, true, false, false, false}));
    layout.DeselectAll();

    // Completing a helix selection selects every piece of that helix only.
    const uint32_t a = addPiece(layout);
    const uint32_t b = addPiece(layout);
    const uint32_t other = addPiece(layout);
    layout.EditPiece(a)->helix = layout.EditPiece(b)->helix = 50;
    layout.EditPiece(other)->helix = 60;
    layout.EditPiece(b)->selected = true;
    layout.CompleteHelixSelection();
    EXPECT_TRUE(layout.FindPiece(a)->selected);
    EXPECT_FALSE(layout.FindPiece(other)->selected);
    EXPECT_FALSE(layout.pieces[0].selected);
}

TEST(LayoutLookups, FindReturnsTheObjectWithThatIdOrNothing) {
    Layout layout;
    const uint32_t first = addPiece(layout, "24172");
    Helix helix;
    helix.id = layout.AllocateId();
    layout.helices.push_back(helix);
    EXPECT_EQ(layout.FindPiece(first)->article, "24172");
    EXPECT_EQ(layout.FindPiece(kNoId), nullptr);
    EXPECT_NE(layout.FindHelix(helix.id), nullptr);
    EXPECT_EQ(layout.FindHelix(first), nullptr) << "a piece id is not a helix";
    // A joint beyond the stored ones is open.
    EXPECT_TRUE(layout.pieces[0].jointAt(5).isOpen());
    EXPECT_EQ(layout.pieces[0].jointAt(-1).tconn, -1);
}

TEST(LayoutInvariants, SymmetricJointsPassAndEachBreakageIsReported) {
    Layout sound;
    const uint32_t a = addPiece(sound);
    const uint32_t b = addPiece(sound);
    const uint32_t c = addPiece(sound, "24130", 3);
    join(sound, a, 1, b, 0);
    join(sound, b, 1, c, 2);
    EXPECT_EQ(sound.checkInvariants(), "");

    const std::vector<std::pair<std::function<void(Layout&)>, std::string>> breakages = {
        {[](Layout& l) {
             l.pieces.edit(0).joints[1] = {2, 0};
         },
         "does not join back"},
        // a.0 and b.0 are properly joined; a.1 also claims b.0, which joins back to a.0 only.
        {[](Layout& l) {
             join(l, 1, 0, 2, 0), l.pieces.edit(0).joints[1] = {2, 0};
         },
         "piece 1 connector 1"},
        {[](Layout& l) {
             l.pieces.edit(0).joints[0] = {42, 0};
         },
         "missing piece 42"},
        {[](Layout& l) {
             l.labels.push_back(LayoutLabel{1, "x", 0, 0, false});
         },
         "duplicate id 1 (piece and label)"},
        {[](Layout& l) { l.pieces.push_back(l.pieces[0]); }, "duplicate id 1"},
    };
    for (const auto& [breakage, message] : breakages) {
        Layout layout;
        addPiece(layout);
        addPiece(layout);
        breakage(layout);
        const std::string report = layout.checkInvariants();
        EXPECT_NE(report.find(message), std::string::npos) << message << " in: " << report;
    }
}
