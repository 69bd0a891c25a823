// The track tools on the canvas: the context menu's Autofill Gap and End Grade, and the Elevation
// Wizard's clicks with their refusals, the target line and Escape.
#include <memory>

#include <gtest/gtest.h>

#include "canvas/elevation_wizard_tool.h"
#include "edit/edit.h"
#include "gesture_fixture.h"
#include "tools/grade_edits.h"

namespace {

struct TrackToolsFixture : GestureFixture {
    /// A 188.3 mm straight along +x from (x, 100), joined to `after` (its connector 1) when given.
    uint32_t straight(double x, uint32_t after = kNoId) {
        PlacedPiece p;
        p.article = "24188";
        p.x = x;
        p.y = 100.0;
        Edit edit(editor);
        const uint32_t id = edit.addPiece(p);
        if (after != kNoId) {
            edit.join(id, 0, after, 1, Edit::Heights::Keep);
        }
        return id;
    }
    std::vector<ContextCommand> menuAt(double x, int choice = -1) {
        host.lastMenu.clear();
        host.menuChoice = choice;
        ctrl.rightDown(px(x, 100), kNone);
        std::vector<ContextCommand> commands;
        for (const ContextMenuEntry& e : host.lastMenu) {
            EXPECT_TRUE(e.enabled) << e.text;
            commands.push_back(e.command);
        }
        return commands;
    }
    void click(double x, double y) { GestureFixture::click(px(x, y)); }
    const ElevationWizardTool* wizard() const { return ctrl.toolAs<ElevationWizardTool>(); }
};

using C = ContextCommand;

}  // namespace

TEST_F(TrackToolsFixture, ContextMenuOffersAutofillForAFillableGapAndEndGradeForAGradedPiece) {
    const uint32_t a = straight(0.0);
    const uint32_t b = straight(564.9);  // 376.6 mm after a's end: two straights fill it
    layout.EditPiece(a)->selected = true;
    layout.EditPiece(b)->selected = true;
    layout.EditPiece(b)->grade = 2.0;
    EXPECT_EQ(menuAt(650.0), (std::vector<C>{C::AutofillGap, C::Copy}))
        << "a graded piece in a pair offers no End Grade";
    EXPECT_EQ(host.lastMenu[0].text, "Autofill Gap...");
    menuAt(650.0, 0);
    EXPECT_EQ(host.autofills, 1);

    const uint32_t touching = straight(188.3);  // closes the gap: nothing left to fill
    layout.DeselectAll();
    layout.EditPiece(a)->selected = true;
    layout.EditPiece(touching)->selected = true;
    EXPECT_EQ(menuAt(300.0), std::vector<C>{C::Copy});

    EXPECT_EQ(menuAt(650.0), (std::vector<C>{C::EndGrade, C::Copy})) << "b alone";
    EXPECT_EQ(host.lastMenu[0].text, "End Grade");
    EXPECT_EQ(menuAt(300.0), std::vector<C>{C::Copy}) << "a flat piece alone";
    const size_t steps = layout.undoStack.size();
    menuAt(650.0, 0);
    EXPECT_FALSE(canEndGrade(layout, b));
    EXPECT_EQ(layout.undoStack.size(), steps + 1);
    EXPECT_EQ(host.status[0], "Grade ended - subsequent pieces levelled off");
    EXPECT_EQ(host.autofills, 1);
}

TEST_F(TrackToolsFixture, WizardRefusesWrongClicksThenHandsTheRunToTheHostAndEnds) {
    const uint32_t a = straight(400.0);  // connector 0 at (400, 100) faces -x
    const uint32_t b = straight(588.3, a);
    layout.EditPiece(b)->selected = true;
    ctrl.setTool(std::make_unique<ElevationWizardTool>(ctrl, WizardMode::TargetHeight));
    EXPECT_FALSE(layout.FindPiece(b)->selected) << "starting deselects everything";
    EXPECT_EQ(host.status[0], kWizardStartStatus);

    click(100.0, 400.0);
    EXPECT_EQ(host.status[0], kWizardNoPieceStatus);
    click(580.0, 100.0);  // a's joined end
    ASSERT_EQ(host.wizardSteps.size(), 1u);
    EXPECT_EQ(host.wizardSteps[0].kind, WizardAction::Kind::Message);
    EXPECT_EQ(host.wizardSteps[0].text, kWizardEndConnectedText);
    ASSERT_NE(wizard(), nullptr) << "a refusal keeps the step";
    EXPECT_TRUE(ctrl.overlays().empty());

    click(410.0, 100.0);
    EXPECT_EQ(host.status[0], kWizardEndPointStatus);
    EXPECT_TRUE(layout.FindPiece(a)->selected);
    ctrl.motion(px(300, 130), kNone, false);
    EXPECT_EQ(host.status[0], kWizardEndPointStatus) << "the hint stays while the mouse moves";
    const CanvasOverlays overlays = ctrl.overlays();
    const auto* line = findOverlay<OverlayTargetLine>(overlays);
    ASSERT_NE(line, nullptr);
    EXPECT_NEAR(line->length, 100.0, 1e-9);
    EXPECT_EQ(line->label, "100 mm");
    EXPECT_NEAR(line->start.x, 400.0, 1e-9);

    click(395.0, 100.0);
    EXPECT_EQ(host.status[0], kWizardFurtherStatus);
    host.wizardStatus = "placed";
    click(250.0, 120.0);
    ASSERT_EQ(host.wizardSteps.size(), 2u);
    const WizardAction& run = host.wizardSteps[1];
    EXPECT_EQ(run.kind, WizardAction::Kind::TargetHeight);
    EXPECT_EQ(run.start.piece, a);
    EXPECT_EQ(run.start.conn, 0);
    EXPECT_NEAR(run.distance, 150.0, 1e-9);
    EXPECT_EQ(wizard(), nullptr) << "the wizard's canvas part is over";
    EXPECT_EQ(host.status[0], "placed");
}

TEST_F(TrackToolsFixture, WizardSetGradeTakesTheFreeEndAndEscapeCancels) {
    const uint32_t a = straight(400.0);
    ctrl.setTool(std::make_unique<ElevationWizardTool>(ctrl, WizardMode::SetGrade));
    ctrl.keyDown(CanvasKey::Escape, kNone);
    EXPECT_EQ(wizard(), nullptr);
    EXPECT_EQ(host.status[0], kWizardCancelledStatus);
    click(580.0, 100.0);
    EXPECT_TRUE(host.wizardSteps.empty()) << "a click after Escape is the select tool's";

    ctrl.setTool(std::make_unique<ElevationWizardTool>(ctrl, WizardMode::SetGrade));
    click(580.0, 100.0);
    ASSERT_EQ(host.wizardSteps.size(), 1u);
    EXPECT_EQ(host.wizardSteps[0].kind, WizardAction::Kind::SetGrade);
    EXPECT_EQ(host.wizardSteps[0].start.piece, a);
    EXPECT_EQ(host.wizardSteps[0].start.conn, 1);
    EXPECT_EQ(wizard(), nullptr);
}
