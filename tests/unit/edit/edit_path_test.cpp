// The one edit path: one undo step and one notice per user action, joints on both sides with the
// height rule, fragments, and the document identity that undo brings back across New and Open.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "edit/edit.h"
#include "edit/fragment.h"
#include "edit/layout_editor.h"

namespace {

struct RecordingObserver : EditObserver {
    std::vector<EditNotice> notices;
    int selections = 0;
    void layoutEdited(const EditNotice& notice) override { notices.push_back(notice); }
    void selectionChanged() override { ++selections; }
};

PlacedPiece straight(double x) {
    PlacedPiece p;
    p.article = "24188";  // 188.3 mm
    p.x = x;
    return p;
}

struct EditPath : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};
    RecordingObserver observer;
    void SetUp() override {
        layout.EnsureDefaultLevel();
        editor.addObserver(&observer);
    }
};

}  // namespace

TEST_F(EditPath, ManyJoinsInOneEditAreOneUndoStepAndOneNotice) {
    Edit edit(editor);
    const uint32_t a = edit.addPiece(straight(0.0));
    const uint32_t b = edit.addPiece(straight(188.3));
    const uint32_t c = edit.addPiece(straight(376.6));
    edit.join(b, 0, a, 1);
    edit.join(c, 0, b, 1);
    EXPECT_TRUE(observer.notices.empty()) << "nothing is announced before the commit";
    edit.commit();
    edit.commit();  // a second commit of the same change says nothing
    ASSERT_EQ(observer.notices.size(), 1u);
    EXPECT_EQ(observer.notices[0].revision, 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(layout.FindPiece(a)->jointAt(1).target, static_cast<int32_t>(b));
    EXPECT_EQ(layout.FindPiece(c)->jointAt(0).target, static_cast<int32_t>(b));
    EXPECT_EQ(layout.checkInvariants(), "");

    EXPECT_TRUE(editor.undo());
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_TRUE(editor.redo());
    EXPECT_EQ(layout.pieces.size(), 3u);
    EXPECT_FALSE(editor.redo()) << "nothing left to redo";
    ASSERT_EQ(observer.notices.size(), 3u) << "undo and redo are one notice each";
    EXPECT_EQ(editor.revision(), 3u);
}

TEST_F(EditPath, AnEditThatChangesNothingTakesNoStepAndTellsNobody) {
    {
        Edit edit(editor);
        edit.join(kNoId, 0, kNoId, 1);  // refused: neither piece exists
    }
    { Edit untouched(editor); }
    EXPECT_TRUE(observer.notices.empty());
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST_F(EditPath, JoinAppliesTheHeightRuleOfAnActiveGradeRun) {
    Edit edit(editor);
    PlacedPiece first = straight(0.0);
    first.z = 10.0;
    first.grade = 2.0;
    const uint32_t a = edit.addPiece(first);
    layout.SetGradeRun({2.0, static_cast<int32_t>(a), 1});
    const uint32_t b = edit.addPiece(straight(188.3));
    edit.join(b, 0, a, 1);
    EXPECT_NEAR(layout.FindPiece(b)->z, 10.0 + 188.3 * std::sin(2.0 * std::numbers::pi / 180.0),
                1e-6);
    EXPECT_NEAR(layout.FindPiece(b)->grade, 2.0, 1e-9);
}

TEST_F(EditPath, APieceThatFillsAGapIsJoinedAtBothEnds) {
    Edit edit(editor);
    const uint32_t left = edit.addPiece(straight(0.0));
    const uint32_t right = edit.addPiece(straight(376.6));
    const uint32_t gap = edit.addPiece(straight(188.3 + 1.5));  // 1.5 mm off: within reach
    EXPECT_EQ(edit.joinCoincidentEnds({gap}), 2);
    EXPECT_EQ(layout.FindPiece(gap)->jointAt(0).target, static_cast<int32_t>(left));
    EXPECT_EQ(layout.FindPiece(gap)->jointAt(1).target, static_cast<int32_t>(right));
    EXPECT_EQ(layout.checkInvariants(), "");

    const uint32_t far = edit.addPiece(straight(1000.0 + 188.3 + 4.5));
    edit.addPiece(straight(1000.0));
    EXPECT_EQ(edit.joinCoincidentEnds({far}), 0) << "4.5 mm is beyond the rejoin reach";
}

TEST_F(EditPath, FragmentKeepsOnlyMirroredJointsAddsLevelsAndSelectsTheCopies) {
    LayoutFragment fragment;
    fragment.pieces = {straight(0.0), straight(188.3), straight(600.0)};
    fragment.pieces[0].id = 7;
    fragment.pieces[1].id = 8;
    fragment.pieces[2].id = 9;
    fragment.pieces[0].joints = {{}, {8, 0}};
    fragment.pieces[1].joints = {{7, 1}, {}};
    fragment.pieces[2].joints = {{8, 1}, {}};  // one-sided: 8 does not name it back
    fragment.pieces[2].level = 3;
    Edit edit(editor);
    const InsertedObjects ids = insertFragment(edit, fragment, {100.0, 50.0}, true);
    edit.commit();
    ASSERT_EQ(ids.pieces.size(), 3u);
    const PlacedPiece& a = *layout.FindPiece(ids.pieces[0]);
    EXPECT_EQ(a.jointAt(1).target, static_cast<int32_t>(ids.pieces[1]));
    EXPECT_TRUE(layout.FindPiece(ids.pieces[2])->jointAt(0).isOpen());
    EXPECT_NEAR(a.x, 100.0, 1e-9);
    EXPECT_NEAR(a.y, 50.0, 1e-9);
    EXPECT_TRUE(a.selected);
    EXPECT_NE(layout.FindLevel(3), nullptr);
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(observer.notices.size(), 1u);
}

TEST_F(EditPath, UndoAcrossAReplacedDocumentBringsBackItsNameFileAndLevels) {
    layout.ReplaceIdentity("A", "/tmp/A.tdl");
    {
        Edit edit(editor);
        edit.addPiece(straight(0.0));
    }
    layout.levels.push_back({2, "Upper", true, 80.0});
    // New: one edit that empties the document and makes it another, unnamed layout.
    {
        Edit edit(editor);
        edit.change().StartNew();
        layout.ReplaceIdentity("", "");
        edit.commit({.matchesFile = true, .documentReplaced = true});
    }
    EXPECT_EQ(layout.levels.size(), 1u);
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(layout.identity.name, "A");
    EXPECT_EQ(layout.identity.filePath, "/tmp/A.tdl");
    EXPECT_EQ(layout.levels.size(), 2u) << "A's levels come back with its pieces";
    EXPECT_TRUE(observer.notices.back().documentReplaced);
    EXPECT_FALSE(observer.notices.back().matchesFile) << "the file may differ: modified";

    // Within one document an undo keeps the name a Save As gave it.
    layout.identity.name = "Renamed";
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(layout.identity.name, "Renamed");
    EXPECT_FALSE(observer.notices.back().documentReplaced);
}
