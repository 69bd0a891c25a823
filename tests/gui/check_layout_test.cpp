// Check Layout as the user meets it: Ctrl+L's command opens the findings list, choosing a finding
// selects its pieces and centres the plan on them, the plan marks the findings while the list is
// open, and so does the 3D view, and the list follows edits.

#include <wx/listctrl.h>

#include "canvas/ui/canvas_panel.h"
#include "edit/edit.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "tools/ui/check_layout_frame.h"
#include "view3d/ui/track_gl_canvas.h"
#include "view3d/ui/view3d_frame.h"

TEST_F(FilesTest, CheckLayoutListsFindingsSelectsAndCentresAndFollowsEdits) {
    command(CommandId::CheckLayout);
    CheckLayoutFrame* list = m_frame->checkLayoutFrame();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->header(), "No problems found.");
    EXPECT_EQ(list->list()->GetItemCount(), 0);

    {
        Edit edit(m_frame->editor());
        for (int k = 0; k < 2; ++k) {
            PlacedPiece p;
            p.article = "24188";
            p.x = k == 0 ? 1000.0 : 1094.0;
            p.y = k == 0 ? 500.0 : 406.0;
            p.heading = k * 90.0;
            p.joints.resize(2);
            edit.addPiece(p);
        }
        edit.commit();
    }
    // The list followed the edit; the collision comes first.
    EXPECT_EQ(list->header(), "1 collision, 4 open ends");
    ASSERT_EQ(list->list()->GetItemCount(), 5);
    EXPECT_EQ(list->list()->GetItemText(0, 0), "Collision");
    EXPECT_EQ(list->list()->GetItemText(0, 1), "1094 mm,  500 mm");
    EXPECT_EQ(m_frame->canvasPanel()->markedFindings(), &list->result());
    m_frame->showView3D();
    const TrackGLCanvas* view3d = m_frame->view3D()->canvas();
    ASSERT_EQ(view3d->marks().size(), 5u) << "the 3D view opened later marks the findings too";
    EXPECT_NEAR(view3d->marks()[0].foot.y, -500.0, 1.0) << "its y axis points the other way";

    list->list()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    EXPECT_TRUE(waitFor([&] { return m_frame->editor().layout().pieces[0].selected; }));
    EXPECT_TRUE(m_frame->editor().layout().pieces[1].selected);
    const Vec2 centre = m_frame->viewCentre();
    EXPECT_NEAR(centre.x, 1094.0, 3.0);
    EXPECT_NEAR(centre.y, 500.0, 3.0);
    EXPECT_TRUE(view3d->marks()[0].chosen);
    // Another unit: the list speaks it at once.
    command(CommandId::UnitsCentimetres);
    EXPECT_EQ(list->list()->GetItemText(0, 1), "109.4 cm,  50.0 cm");
    EXPECT_EQ(list->list()->GetItemText(0, 2),
              "24188 and 24188 run into each other at the same height");

    // Closing the list takes the marks off the plan.
    list->Close();
    EXPECT_TRUE(waitFor([&] { return m_frame->checkLayoutFrame() == nullptr; }));
    EXPECT_EQ(m_frame->canvasPanel()->markedFindings(), nullptr);
    EXPECT_TRUE(view3d->marks().empty());
    // Opened again, the list is left for the main window to take down with itself.
    command(CommandId::CheckLayout);
    EXPECT_NE(m_frame->checkLayoutFrame(), nullptr);
}
