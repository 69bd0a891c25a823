// Autofill between two C-Track ends: straight gaps, corners either way round, refusals, and the
// placement as one edit that lands on the far end.
#include <gtest/gtest.h>

#include <cmath>

#include "app/scripted_prompter.h"
#include "document/snap_search.h"
#include "edit/edit.h"
#include "tools/autofill.h"
#include "edit/elevation.h"
#include "tools/straight_fill.h"

namespace {

struct AutofillTest : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};

    /// A selected piece at the pose, through the edit path.
    uint32_t place(const std::string& article, double x, double y, double heading) {
        PlacedPiece p;
        p.article = article;
        p.x = x;
        p.y = y;
        p.heading = heading;
        p.selected = true;
        Edit edit(editor);
        return edit.addPiece(p);
    }

    /// A: a straight along +x from the origin (its open end at 188.3, 0 heading 0); B: a straight
    /// whose connector 0 lies at `end` (facing back along `heading` + 180).
    void twoEnds(Vec2 end, double heading, const std::string& article = "24188") {
        a = place("24188", 0.0, 0.0, 0.0);
        b = place(article, end.x, end.y, heading);
    }

    std::vector<std::string> lines(const GapSearch& search) const {
        std::vector<std::string> out;
        for (const FillOption& o : search.options) {
            out.push_back(fillOptionLine(o, search));
        }
        return out;
    }

    uint32_t a = kNoId, b = kNoId;
};

}  // namespace

TEST_F(AutofillTest, StraightGapOffersTwoStraightsFirstThenThreePieceFills) {
    twoEnds({188.3 + 376.6, 0.0}, 0.0);
    GapSearch search;
    ASSERT_TRUE(searchGap(layout, search));
    EXPECT_TRUE(search.straight);
    EXPECT_NEAR(search.gap, 376.6, 1e-6);
    EXPECT_EQ(search.endA.index, 1);
    EXPECT_EQ(search.endB.index, 0);
    const std::vector<std::string> shown = lines(search);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], "24188 + 24188  (376.6 mm)");
    EXPECT_EQ(search.options[1].pieces.size(), 3u) << shown[1];
    // Fewest pieces first, and within one count the closest total.
    for (size_t i = 1; i < search.options.size(); ++i) {
        const FillOption &x = search.options[i - 1], &y = search.options[i];
        EXPECT_LE(std::abs(y.total - 376.6), 1.5) << shown[i];
        EXPECT_TRUE(x.pieces.size() < y.pieces.size() ||
                    (x.pieces.size() == y.pieces.size() &&
                     std::abs(x.total - 376.6) <= std::abs(y.total - 376.6)))
            << shown[i - 1] << " before " << shown[i];
    }
    EXPECT_LE(search.options.size(), kMaxFillOptions);
    EXPECT_EQ(gapHeading(search.gap), "Gap: 376.6 mm. Select fill:");

    // Six millimetres beside the line the same ends are an arc gap, which no arc spans.
    layout.EditPiece(b)->y = 6.0;
    EXPECT_FALSE(searchGap(layout, search));
    EXPECT_FALSE(search.straight);
}

TEST_F(AutofillTest, RightAngleCornerOffersCurvesByCountAndLeftCornerLaysThemEndForEnd) {
    twoEnds({188.3 + 360.0, 360.0}, 90.0);
    GapSearch right;
    ASSERT_TRUE(searchGap(layout, right));
    EXPECT_FALSE(right.straight);
    EXPECT_EQ(lines(right),
              (std::vector<std::string>{"3 x 24130  (90.0 deg)", "6 x 24115  (90.0 deg)",
                                        "12 x 24107  (90.0 deg)"}));
    for (const FillOption& o : right.options) {
        EXPECT_FALSE(o.reversed);
    }

    layout.EditPiece(b)->y = -360.0;
    layout.EditPiece(b)->heading = 270.0;
    GapSearch left;
    ASSERT_TRUE(searchGap(layout, left));
    ASSERT_EQ(lines(left), lines(right));
    for (const FillOption& o : left.options) {
        EXPECT_TRUE(o.reversed);
    }
}

TEST_F(AutofillTest, RefusesMixedSystemsTouchingEndsAndUnmatchedGaps) {
    twoEnds({188.3 + 376.6, 0.0}, 0.0, "2200");  // a K-Track straight
    GapSearch search;
    EXPECT_FALSE(searchGap(layout, search));
    EXPECT_TRUE(search.mixedSystems);
    ScriptedPrompter prompts;
    const FillChooser never = [](const GapSearch&, const std::vector<std::string>&) {
        ADD_FAILURE() << "no choice to make";
        return 0;
    };
    EXPECT_FALSE(autofillGapCommand(editor, prompts, never));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].title, "Autofill - Mixed Track Systems");
    EXPECT_EQ(prompts.records()[0].text,
              "Autofill can only run on pieces of the same track series.\n\nSelected pieces:\n"
              "  - 24188 (Marklin C-Track)\n  - 2200 (Marklin K-Track)");
    EXPECT_FALSE(layout.FindPiece(a)->selected || layout.FindPiece(b)->selected);

    layout.EditPiece(b)->article = "24188";
    layout.EditPiece(b)->x = 188.3 + 0.8;
    EXPECT_FALSE(searchGap(layout, a, b, search)) << "ends closer than 1 mm need nothing";
    EXPECT_TRUE(search.options.empty());

    layout.EditPiece(b)->x = 188.3 + 40.0;  // no straight of 40 +- 1.5 mm
    EXPECT_FALSE(searchGap(layout, a, b, search));
    EXPECT_TRUE(search.straight);
    layout.EditPiece(a)->selected = layout.EditPiece(b)->selected = true;
    EXPECT_FALSE(autofillGapCommand(editor, prompts, never));
    EXPECT_EQ(prompts.records().back().title, "Autofill - No Solution");
    EXPECT_EQ(prompts.records().back().text, kAutofillNoSolutionText);
    EXPECT_EQ(layout.pieces.size(), 2u);
}

TEST_F(AutofillTest, PlacingJoinsBothEndsContinuesTheClimbAndEndsOnB) {
    for (const bool corner : {false, true}) {
        layout = Layout{};
        if (corner) {
            twoEnds({188.3 + 360.0, -360.0}, 270.0);  // a left-hand corner: reversed curves
        } else {
            twoEnds({188.3 + 376.6, 0.0}, 0.0);
        }
        layout.EditPiece(a)->grade = 2.0;
        startGradeRun(layout, 2.0, static_cast<int32_t>(a), 1);
        GapSearch search;
        ASSERT_TRUE(searchGap(layout, search));
        const FillOption& option = search.options.back();
        const size_t before = layout.pieces.size(), steps = layout.undoStack.size();
        ASSERT_EQ(placeFill(editor, search, option), FillPlacement::Placed);
        EXPECT_EQ(layout.undoStack.size(), steps + 1);
        ASSERT_EQ(layout.pieces.size(), before + option.pieces.size());
        EXPECT_EQ(layout.checkInvariants(), "");

        const PlacedPiece& last = layout.pieces.back();
        const int exit = option.reversed ? 0 : 1;
        const Joint toB = last.jointAt(exit);
        EXPECT_EQ(toB.target, static_cast<int32_t>(b));
        const WorldConnector end =
            connectorToWorld(last, *TrackCatalog::instance().byArticle(last.article), exit);
        EXPECT_LE(std::hypot(end.x - search.endB.x, end.y - search.endB.y), 1.5);
        EXPECT_EQ(layout.FindPiece(a)->jointAt(1).target,
                  static_cast<int32_t>(layout.pieces[before].id));
        // The fill continues A's climb, and the run now ends on the last fill piece.
        const PieceDef& first = *TrackCatalog::instance().byArticle(layout.pieces[before].article);
        EXPECT_NEAR(heightAt(layout.pieces[before], first, option.reversed ? 1 : 0),
                    heightAt(*layout.FindPiece(a), *TrackCatalog::instance().byArticle("24188"), 1),
                    1e-9);
        EXPECT_DOUBLE_EQ(last.grade, 2.0);
        ASSERT_EQ(layout.gradeRuns.size(), 1u);
        EXPECT_EQ(layout.gradeRuns[0].anchor, static_cast<int32_t>(last.id));
    }
}

TEST_F(AutofillTest, NothingChangesWhenThereIsNothingToPlace) {
    twoEnds({188.3 + 376.6, 0.0}, 0.0);
    const size_t steps = layout.undoStack.size();
    const uint64_t revision = editor.revision();
    ScriptedPrompter prompts;
    std::vector<std::string> offered;
    EXPECT_FALSE(autofillGapCommand(editor, prompts,
                                    [&](const GapSearch&, const std::vector<std::string>& lines) {
                                        offered = lines;
                                        return -1;  // Cancel
                                    }));
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(offered[0], "24188 + 24188  (376.6 mm)");

    GapSearch search;
    ASSERT_TRUE(searchGap(layout, search));
    FillOption unknown{{"24188", "no-such-piece"}, 376.6, false};
    EXPECT_EQ(placeFill(editor, search, unknown), FillPlacement::PieceMissing);
    layout.EditPiece(b)->x += 20.0;  // B moved away from the searched end
    EXPECT_EQ(placeFill(editor, search, search.options.front()), FillPlacement::EndsMoved);

    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.undoStack.size(), steps);
    EXPECT_EQ(editor.revision(), revision);
    EXPECT_TRUE(prompts.records().empty());
}

TEST(StraightFill, ASearchCutShortKeepsWhatItFoundInOrder) {
    const std::vector<double> lengths = {360.0, 236.1, 229.3, 188.3, 171.7, 94.2, 77.5, 70.8};
    StraightSearchLimits limits;
    const StraightSearchResult whole = searchStraightCombos(lengths, 1500.0, limits);
    ASSERT_FALSE(whole.cut);
    ASSERT_EQ(whole.combos.size(), 64u);
    bool sawCut = false;
    for (uint64_t budget = 1; budget < 5000; budget += 37) {
        limits.nodeBudget = budget;
        const StraightSearchResult part = searchStraightCombos(lengths, 1500.0, limits);
        sawCut = sawCut || part.cut;
        ASSERT_LE(part.combos.size(), whole.combos.size());
        for (size_t i = 0; i < part.combos.size(); ++i) {
            ASSERT_EQ(part.combos[i].pieces, whole.combos[i].pieces) << "budget " << budget;
        }
    }
    EXPECT_TRUE(sawCut);
}
