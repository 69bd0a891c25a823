// The palette's helix rows place helices on the canvas.
#include <algorithm>

#include <gtest/gtest.h>

#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "canvas/ui/canvas_panel.h"
#include "frame/ui/main_frame.h"
#include "gui_support.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/track_icon_grid.h"

namespace {

class PalettePlacementTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        appPrefs() = Prefs{};
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
        m_frame = new MainFrame();
        m_frame->setPrompter(std::make_unique<ScriptedPrompter>());
        m_frame->Show();
        m_frame->palettePanel()->LoadCatalogPages();
    }
    void TearDown() override {
        m_frame->Destroy();
        waitFor([] { return wxTopLevelWindows.empty(); });
        clearModalHandlers();
    }
    MainFrame* m_frame = nullptr;
};

}  // namespace

TEST_F(PalettePlacementTest, HelixDoubleClickPlacesAHelixAt500And500) {
    TrackIconGrid* grid = m_frame->palettePanel()->grid();
    const auto& entries = grid->entries();
    const auto row = std::find_if(entries.begin(), entries.end(), [](const PaletteEntry& e) {
        return e.article == "@helix:proses_3_5_r2r3";
    });
    ASSERT_NE(row, entries.end());
    EXPECT_TRUE(row->enabled);
    const wxRect cell = grid->entryRect(static_cast<int>(row - entries.begin()));
    wxMouseEvent click(wxEVT_LEFT_DCLICK);
    click.SetPosition(grid->CalcScrolledPosition(cell.GetPosition() + wxPoint(20, 5)));
    click.SetEventObject(grid);
    grid->ProcessWindowEvent(click);

    const Layout& layout = m_frame->editor().layout();
    ASSERT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.helices[0].variant, "proses_3_5_r2r3");
    EXPECT_EQ(layout.helices[0].cx, 500.0);
    EXPECT_EQ(layout.helices[0].cy, 500.0);
    EXPECT_EQ(layout.pieces.size(), 4u);
    EXPECT_TRUE(m_frame->isModified());
}
