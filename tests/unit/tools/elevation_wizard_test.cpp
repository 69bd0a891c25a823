// The Elevation Wizard's rules with a user's numbers: Set Grade on a 188.3 mm straight at 3.5 %,
// runs filled to a target height, the steep-grade question, End Grade, and the connector pick.
#include <gtest/gtest.h>

#include <cmath>

#include "app/scripted_prompter.h"
#include "document/snap_search.h"
#include "edit/edit.h"
#include "edit/elevation.h"
#include "tools/elevation_wizard.h"
#include "tools/grade_edits.h"
#include "tools/target_fill.h"

namespace {

const PieceDef& def(const std::string& article) {
    return *TrackCatalog::instance().byArticle(article);
}

struct WizardTest : ::testing::Test {
    Layout layout;
    LayoutEditor editor{layout};
    ScriptedPrompter prompts;

    /// A straight along +x whose connector 0 is at x; joined to `after` (its connector 1) when
    /// given, keeping the heights it is given.
    uint32_t straight(double x, double z = 0.0, uint32_t after = kNoId) {
        PlacedPiece p;
        p.article = "24188";
        p.x = x;
        p.z = z;
        Edit edit(editor);
        const uint32_t id = edit.addPiece(p);
        if (after != kNoId) {
            edit.join(id, 0, after, 1, Edit::Heights::Keep);
        }
        return id;
    }

    TargetFillStart startAt(uint32_t piece, int conn) const {
        return {piece, conn, connectorToWorld(*layout.FindPiece(piece), def("24188"), conn)};
    }

    /// Places the first fill offered and records what was offered.
    TargetFillChooser takeFirst() {
        return [this](const TargetFillChoice& choice) {
            offered = choice;
            return 0;
        };
    }

    TargetFillChoice offered;
};

}  // namespace

TEST_F(WizardTest, SetGradeFromEitherEndAndTheNextPieceContinuesTheClimb) {
    EXPECT_NEAR(gradeFromPercent(3.5, true), 2.0058, 5e-5);
    EXPECT_EQ(gradeDegreeLabel(3.5), "= 2.01 deg");
    EXPECT_EQ(gradeDegreeLabel(10.0), "= 5.74 deg");
    const double deg = gradeFromPercent(3.5, true);

    const uint32_t first = straight(0.0);
    layout.units = 1;
    EXPECT_EQ(setGradeStartText(layout, first),
              "Starting piece: " + def("24188").name + "\nCurrent height: 0.0 cm");
    const size_t steps = layout.undoStack.size();
    EXPECT_EQ(applySetGrade(editor, first, 1, deg),
              "Elevation: UP 2.0 deg - new pieces will inherit the grade");
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    const PlacedPiece& p = *layout.FindPiece(first);
    EXPECT_DOUBLE_EQ(p.z, 0.0);
    EXPECT_FALSE(p.rev);
    EXPECT_TRUE(p.selected);
    EXPECT_NEAR(heightAt(p, def("24188"), 1), 6.59, 0.005);

    const uint32_t next = straight(188.3);
    {
        Edit edit(editor);
        edit.join(next, 0, first, 1);
    }
    EXPECT_NEAR(layout.FindPiece(next)->z, 6.59, 0.005);
    EXPECT_EQ(layout.gradeRuns.at(0).anchor, static_cast<int32_t>(next));

    // From connector 0 the piece falls towards it: raised by the climb, connector 1 stays put.
    const uint32_t other = straight(0.0);
    applySetGrade(editor, other, 0, deg);
    EXPECT_TRUE(layout.FindPiece(other)->rev);
    EXPECT_NEAR(layout.FindPiece(other)->z, 6.59, 0.005);
    EXPECT_NEAR(heightAt(*layout.FindPiece(other), def("24188"), 1), 0.0, 1e-9);
    EXPECT_FALSE(layout.FindPiece(first)->selected) << "the starting piece is selected alone";

    EXPECT_EQ(applySetGrade(editor, straight(0.0), 1, gradeFromPercent(3.5, false)),
              "Elevation: DOWN 2.0 deg - new pieces will inherit the grade");
    EXPECT_NEAR(layout.gradeDeg, -deg, 1e-12);
}

TEST_F(WizardTest, FillListForTwoStraightsComesByPieceCount) {
    TrackCatalog catalog;
    for (const auto& [article, length] : {std::pair{"S94", 94.2}, std::pair{"S188", 188.3}}) {
        PieceDef d;
        d.article = article;
        d.name = "Straight";
        d.length = length;
        catalog.add(d);
    }
    std::vector<std::string> lines;
    for (const TargetFillSolution& s : searchTargetFill(Systems::CTrack, 376.6, nullptr, catalog)) {
        lines.push_back(targetFillLine(s));
    }
    EXPECT_EQ(lines,
              (std::vector<std::string>{"S188 + S188  (376.6 mm)", "S188 + S94 + S94  (376.7 mm)",
                                        "S94 + S94 + S94 + S94  (376.8 mm)"}));
    bool none = false;
    EXPECT_TRUE(searchTargetFill(Systems::Gauge1, 376.6, &none, catalog).empty());
    EXPECT_TRUE(none);
}

TEST_F(WizardTest, TargetHeightFillsTheRunAndAsksAboutSteepGrades) {
    const uint32_t start = straight(0.0);
    prompts.queueText(std::nullopt);
    EXPECT_EQ(askTargetHeight(editor, prompts, startAt(start, 1), 600.0, takeFirst()),
              "Elevation Wizard cancelled");
    EXPECT_EQ(prompts.records().back().text,
              "Run distance: 600 mm\nStarting height: 0.0 mm\n\nWhat height should the far end "
              "reach?");
    EXPECT_EQ(prompts.records().back().defaultValue, "50.0");
    prompts.queueText("sixty");
    askTargetHeight(editor, prompts, startAt(start, 1), 600.0, takeFirst());
    EXPECT_EQ(prompts.records().back().text, "That is not a number.");

    // 70 mm over 600 mm is 6.70 degrees: the question comes, and No places nothing.
    const size_t steps = layout.undoStack.size();
    prompts.queueAnswer(kIdNo);
    EXPECT_EQ(fillToTargetHeight(editor, prompts, startAt(start, 1), 600.0, 70.0, takeFirst()), "");
    EXPECT_EQ(prompts.records().back().title, kSteepGradeTitle);
    EXPECT_EQ(prompts.records().back().text,
              "Reaching 70.0 mm over this distance needs a grade of 6.70 deg, which exceeds the 6 "
              "deg maximum normally recommended.\n\nContinue anyway?");
    EXPECT_EQ(layout.undoStack.size(), steps);
    EXPECT_EQ(layout.pieces.size(), 1u);

    // 60 mm is 5.74 degrees: no question, straight to the choice.
    const size_t asked = prompts.records().size();
    prompts.queueText("60");
    const std::string status =
        askTargetHeight(editor, prompts, startAt(start, 1), 600.0, takeFirst());
    EXPECT_EQ(prompts.records().size(), asked + 1) << "only the height was asked";
    EXPECT_EQ(offered.text,
              "Distance: 600 mm    Grade: 5.74 deg (10.1%)\nHeight: 0.0 mm -> 60.0 mm\n\n"
              "Select fill:");
    ASSERT_FALSE(offered.solutions.empty());
    const TargetFillSolution& placed = offered.solutions.front();
    EXPECT_EQ(status, "Elevated " + std::to_string(placed.articles.size()) +
                          " pieces to 60.0 mm  (5.74 deg)");
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    ASSERT_EQ(layout.pieces.size(), 1 + placed.articles.size());
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.pieces[1].jointAt(0).target, static_cast<int32_t>(start));
    const PlacedPiece& last = layout.pieces.back();
    const WorldConnector end = connectorToWorld(last, def(last.article), 1);
    EXPECT_NEAR(end.x, placed.total + 188.3, 1e-6);
    EXPECT_NEAR(heightAt(last, def(last.article), 1), 60.0, 0.15);
}

TEST_F(WizardTest, EndGradeFlattensOntoThePredecessorAndLevelsTheFlatPiecesAfter) {
    const uint32_t first = straight(0.0);
    applySetGrade(editor, first, 1, gradeFromPercent(3.5, true));
    const uint32_t second = straight(188.3);
    {
        Edit edit(editor);
        edit.join(second, 0, first, 1);
    }
    const uint32_t flat1 = straight(376.6, 0.0, second);
    const uint32_t flat2 = straight(564.9, 0.0, flat1);
    const uint32_t graded = straight(753.2, 30.0, flat2);
    layout.EditPiece(graded)->grade = 1.0;
    ASSERT_TRUE(canEndGrade(layout, second));
    EXPECT_FALSE(canEndGrade(layout, flat1));

    const size_t steps = layout.undoStack.size();
    EXPECT_EQ(endGrade(editor, second), "Grade ended - subsequent pieces levelled off");
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    EXPECT_DOUBLE_EQ(layout.FindPiece(second)->grade, 0.0);
    EXPECT_NEAR(layout.FindPiece(second)->z, 6.59, 0.005);
    EXPECT_NEAR(layout.FindPiece(flat1)->z, 6.59, 0.005);
    EXPECT_NEAR(layout.FindPiece(flat2)->z, 6.59, 0.005);
    EXPECT_DOUBLE_EQ(layout.FindPiece(graded)->z, 30.0) << "levelling stops at a graded piece";
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.gradeActive);
}

TEST_F(WizardTest, CanvasStepsRefuseWrongClicksAndEndOnTheRightOnes) {
    const uint32_t a = straight(0.0);
    const uint32_t b = straight(188.3, 0.0, a);
    ElevationWizardSteps steps;
    EXPECT_EQ(steps.click(layout, a, {170.0, 0.0}).kind, WizardAction::Kind::None) << "idle";
    EXPECT_EQ(steps.start(WizardMode::TargetHeight).text, kWizardStartStatus);

    WizardAction action = steps.click(layout, kNoId, {0.0, 300.0});
    EXPECT_EQ(action.text, "Elevation Wizard: no piece under cursor - try again");
    action = steps.click(layout, a, {170.0, 0.0});
    EXPECT_EQ(action.kind, WizardAction::Kind::Message);
    EXPECT_EQ(action.text, kWizardEndConnectedText);
    EXPECT_EQ(steps.step(), 1);

    action = steps.click(layout, b, {370.0, 5.0});
    EXPECT_EQ(action.text, "Elevation Wizard: click where the elevated run should end");
    EXPECT_EQ(steps.step(), 2);
    EXPECT_EQ(steps.runStart().conn, 1);
    EXPECT_DOUBLE_EQ(steps.targetLineLength({300.0, 0.0}), kWizardMinRun);
    action = steps.click(layout, kNoId, {376.6 + 5.0, 50.0});
    EXPECT_EQ(action.text, "Elevation Wizard: click further along the track direction");
    EXPECT_EQ(steps.step(), 2);
    action = steps.click(layout, kNoId, {376.6 + 600.0, 20.0});
    EXPECT_EQ(action.kind, WizardAction::Kind::TargetHeight);
    EXPECT_NEAR(action.distance, 600.0, 1e-9);
    EXPECT_EQ(action.start.piece, b);
    EXPECT_EQ(steps.step(), 0);

    steps.start(WizardMode::SetGrade);
    action = steps.click(layout, a, {20.0, 0.0});
    EXPECT_EQ(action.kind, WizardAction::Kind::SetGrade);
    EXPECT_EQ(action.start.conn, 0);
    EXPECT_EQ(steps.step(), 0);

    // With both ends joined there is nothing to start from.
    const uint32_t before = straight(-188.3);
    {
        Edit edit(editor);
        edit.join(before, 1, a, 0, Edit::Heights::Keep);
    }
    steps.start(WizardMode::SetGrade);
    EXPECT_EQ(steps.click(layout, a, {20.0, 0.0}).text, kWizardNoFreeConnectorText);
    EXPECT_EQ(steps.escape().text, "Elevation Wizard cancelled");
    EXPECT_EQ(steps.step(), 0);
    EXPECT_EQ(steps.escape().kind, WizardAction::Kind::None);
}
