// The piece count in status field 1 is right after every command of the Edit menu, the canvas
// and the panels, run through the real window; and an oval built by palette double-clicks closes
// on its first piece.
#include <algorithm>

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "canvas/ui/canvas_panel.h"
#include "dialogs/ui/open_layout_dialog.h"
#include "edit/edit.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/track_icon_grid.h"

namespace {

namespace Id = CommandId;

class PieceCount : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_frame->Show();
        ASSERT_TRUE(waitFor([&] { return m_frame->canvasPanel()->GetClientSize().x > 300; }));
    }

    Layout& layout() { return m_frame->editor().layout(); }

    /// The count shown and the count in the document agree with `expected`.
    void expectPieces(size_t expected, const char* after) {
        EXPECT_EQ(layout().pieces.size(), expected) << "after " << after;
        EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1),
                  wxString::Format("Pieces: %zu", expected))
            << "after " << after;
    }

    /// A double-click on the palette grid's entry of `article`.
    void paletteDoubleClick(const std::string& article) {
        TrackIconGrid* grid = m_frame->palettePanel()->grid();
        const auto& entries = grid->entries();
        const auto row = std::find_if(entries.begin(), entries.end(),
                                      [&](const PaletteEntry& e) { return e.article == article; });
        ASSERT_NE(row, entries.end()) << article;
        const wxRect cell = grid->entryRect(static_cast<int>(row - entries.begin()));
        wxMouseEvent click(wxEVT_LEFT_DCLICK);
        click.SetPosition(grid->CalcScrolledPosition(cell.GetPosition() + wxPoint(20, 5)));
        click.SetEventObject(grid);
        grid->ProcessWindowEvent(click);
    }

    /// A mouse event on the canvas at window point (x, y); presses are a second apart, so two
    /// of them never make a double-click.
    void mouse(wxEventType type, int x, int y) {
        CanvasPanel* canvas = m_frame->canvasPanel();
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, y));
        event.SetTimestamp(m_clock += 1000);
        event.SetEventObject(canvas);
        canvas->ProcessWindowEvent(event);
    }

    /// A key pressed while the canvas has the keyboard.
    void canvasKey(int code, bool ctrl = false) {
        CanvasPanel* canvas = m_frame->canvasPanel();
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        event.m_controlDown = ctrl;
        event.SetEventObject(canvas);
        canvas->ProcessWindowEvent(event);
    }

    /// The menu item's state after the update-UI rules ran.
    bool enabled(int id) {
        m_frame->UpdateCommandStates();
        return m_frame->GetMenuBar()->IsEnabled(id);
    }

    long m_clock = 0;
};

int openEnds(const Layout& layout) {
    int open = 0;
    for (const PlacedPiece& p : layout.pieces) {
        open += static_cast<int>(std::count_if(p.joints.begin(), p.joints.end(),
                                               [](const Joint& j) { return j.isOpen(); }));
    }
    return open;
}

}  // namespace

TEST_F(PieceCount, FollowsEveryCommandOfTheEditMenuTheCanvasAndThePanels) {
    expectPieces(0, "start");
    // Nothing selected: the double-click starts a drag, and a click on the canvas drops it.
    paletteDoubleClick("24188");
    mouse(wxEVT_MOTION, 300, 300);
    mouse(wxEVT_LEFT_DOWN, 300, 300);
    mouse(wxEVT_LEFT_UP, 300, 300);
    expectPieces(1, "drop");
    paletteDoubleClick("24188");
    expectPieces(2, "palette double-click");

    command(Id::Undo);
    expectPieces(1, "Undo");
    command(Id::Redo);
    expectPieces(2, "Redo");

    EXPECT_FALSE(enabled(Id::Paste)) << "nothing copied yet";
    command(Id::SelectAll);
    expectPieces(2, "Select All");
    EXPECT_TRUE(enabled(Id::Copy));
    command(Id::Copy);
    EXPECT_TRUE(enabled(Id::Paste));
    command(Id::Paste);
    expectPieces(4, "Paste");
    ASSERT_TRUE(layout().pieces[3].selected) << "the pasted copy is the selection";

    const double heading = layout().pieces[3].heading;
    EXPECT_TRUE(enabled(Id::Rotate));
    command(Id::Rotate);
    EXPECT_NEAR(layout().pieces[3].heading, std::fmod(heading + 15.0, 360.0), 1e-9);
    expectPieces(4, "Rotate");
    command(Id::Delete);
    expectPieces(2, "Delete");
    EXPECT_FALSE(enabled(Id::Rotate)) << "nothing left to turn";

    // The canvas's own keys.
    canvasKey('V', true);
    expectPieces(4, "Ctrl+V on the canvas");
    canvasKey(WXK_DELETE);
    expectPieces(2, "Delete on the canvas");

    m_prompts->queueAnswer(kIdNo);  // drop the changes
    command(Id::NewLayout);
    expectPieces(0, "New");
    command(Id::Undo);
    expectPieces(2, "New then Undo");

    writeLayoutFile(userFolder() / "Three.tdl", "Three", 3);
    m_prompts->queueAnswer(kIdNo);
    duringModal<OpenLayoutDialog>([](OpenLayoutDialog* dialog) {
        select(dialog->nameList(), 0);
        click(dialog->openButton());
    });
    command(Id::OpenLayout);
    expectPieces(3, "Open");

    // Two of the three as a library block, inserted again from the Library list.
    layout().DeselectAll();
    layout().pieces.edit(0).selected = layout().pieces.edit(1).selected = true;
    m_prompts->queueText("Pair");
    command(Id::SaveLibraryBlock);
    ASSERT_EQ(lastPrompt().text, "Block saved: Pair");
    ASSERT_EQ(m_frame->palettePanel()->libraryList()->GetCount(), 1u);
    doubleClick(m_frame->palettePanel()->libraryList(), 0);
    expectPieces(5, "library block");
    command(Id::Undo);
    expectPieces(3, "Undo of the block");
}

TEST_F(PieceCount, AnOvalOfTwelveCurvesAndTwoStraightsClosesOnItsFirstPiece) {
    paletteDoubleClick("24188");
    mouse(wxEVT_MOTION, 250, 400);
    mouse(wxEVT_LEFT_DOWN, 250, 400);
    mouse(wxEVT_LEFT_UP, 250, 400);
    ASSERT_EQ(layout().pieces.size(), 1u);
    for (int half = 0; half < 2; ++half) {
        for (int i = 0; i < 6; ++i) {
            paletteDoubleClick("24130");  // R1, 30 degrees
        }
        if (half == 0) {
            paletteDoubleClick("24188");
        }
    }
    expectPieces(14, "the last curve");
    EXPECT_EQ(openEnds(layout()), 0) << "the last curve ends on the first straight, joined";
    EXPECT_EQ(layout().checkInvariants(), "");
    EXPECT_EQ(layout().undoStack.size(), 14u) << "one step per placement, the closing included";
}

TEST_F(PieceCount, EditKeysOnTheCanvasRunTheirCommandOnce) {
    PlacedPiece piece;
    piece.article = "24188";
    {
        Edit edit(m_frame->editor());
        edit.addPiece(piece);
    }
    layout().pieces.edit(0).selected = true;
    CanvasPanel* canvas = m_frame->canvasPanel();
    wxUIActionSimulator sim;
    sim.MouseMove(canvas->ClientToScreen(wxPoint(500, 400)));
    ASSERT_TRUE(waitFor([&] { return canvas->controller().mouseInside(); }));
    canvas->SetFocus();
    ASSERT_TRUE(waitFor([&] { return wxWindow::FindFocus() == canvas; }));

    sim.Char('r', wxMOD_CONTROL);
    EXPECT_TRUE(waitFor([&] { return layout().pieces[0].heading == 15.0; }))
        << layout().pieces[0].heading;
    sim.Char('c', wxMOD_CONTROL);
    sim.Char('v', wxMOD_CONTROL);
    EXPECT_TRUE(waitFor([&] { return layout().pieces.size() == 2u; }));
    expectPieces(2, "Ctrl+C, Ctrl+V");
    EXPECT_EQ(layout().undoStack.size(), 3u) << "add, one turn and one paste";
}
