// The main window as it starts: its construction trace, title, status fields and panes, and the
// experience question of a first start.
#include "frame/ui/main_frame.h"

#include <dlfcn.h>

#include <gtest/gtest.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/prefs.h"
#include "app/ui/app_paths.h"
#include "app/ui/experience_dialog.h"
#include "canvas/ui/canvas_panel.h"
#include "gui_support.h"
#include "panels/ui/palette_panel.h"
#include "panels/ui/properties_panel.h"

namespace fs = std::filesystem;

namespace {

/// Tools the GTK toolbar had no room for and moved into its overflow menu (-1 when that cannot
/// be asked).
int hiddenTools(wxToolBar* toolbar) {
    wxYield();
    using ItemCount = int (*)(GtkToolbar*);
    using NthItem = void* (*)(GtkToolbar*, int);
    using ChildVisible = int (*)(void*);
    const auto count = reinterpret_cast<ItemCount>(dlsym(RTLD_DEFAULT, "gtk_toolbar_get_n_items"));
    const auto nth = reinterpret_cast<NthItem>(dlsym(RTLD_DEFAULT, "gtk_toolbar_get_nth_item"));
    const auto visible =
        reinterpret_cast<ChildVisible>(dlsym(RTLD_DEFAULT, "gtk_widget_get_child_visible"));
    if (count == nullptr || nth == nullptr || visible == nullptr) {
        return -1;
    }
    int hidden = 0;
    for (int i = 0, n = count(toolbar->GTKGetToolbar()); i < n; ++i) {
        hidden += visible(nth(toolbar->GTKGetToolbar(), i)) ? 0 : 1;
    }
    return hidden;
}

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        appPrefs() = Prefs{};
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
    }

    void TearDown() override {
        if (m_frame != nullptr) {
            m_frame->Destroy();
            waitFor([] { return wxTopLevelWindows.empty(); });
        }
        EXPECT_EQ(pendingModalHandlers(), 0u) << "an expected dialog never appeared";
        clearModalHandlers();
    }

    MainFrame* m_frame = nullptr;
};

}  // namespace

TEST_F(MainFrameTest, ConstructionTracesEveryStepAndShowsTitleStatusAndPanes) {
    const fs::path tracePath = fs::path(std::string(GetLogFolder().fn_str())) / "mainframe.log";
    const std::string before = readWholeFile(tracePath);
    m_frame = new MainFrame();
    std::string trace = readWholeFile(tracePath);
    // The first frame of the run deletes the previous trace; later frames append to it.
    if (trace.compare(0, before.size(), before) == 0) {
        trace.erase(0, before.size());
    }
    EXPECT_EQ(trace,
              "A: wxFrame base constructed\n"
              "B: MenuBar done\n"
              "C: ToolBar done\n"
              "BuildPanels: start\n"
              "BuildPanels: root panel created\n"
              "BuildPanels: palette created\n"
              "BuildPanels: splitter created\n"
              "BuildPanels: canvas created\n"
              "BuildPanels: properties created\n"
              "BuildPanels: split done\n"
              "BuildPanels: adding to sizer\n"
              "BuildPanels: outerSplit added\n"
              "BuildPanels: sizer set\n"
              "BuildPanels: layout done\n"
              "BuildPanels: palette populated\n"
              "D: Panels done\n"
              "E: StatusBar done\n"
              "F: MainFrame constructor complete\n");

    EXPECT_EQ(m_frame->GetTitle(), "Railvane v1.7 by Vennomar");
    wxStatusBar* status = m_frame->GetStatusBar();
    ASSERT_EQ(status->GetFieldsCount(), 3);
    EXPECT_EQ(status->GetStatusText(0), "Ready");
    EXPECT_EQ(status->GetStatusText(1), "Pieces: 0");
    EXPECT_EQ(status->GetStatusText(2), "x: 0  y: 0 mm");

    // Palette | canvas | properties; growing or shrinking the window changes the canvas only.
    m_frame->Show();
    wxSplitterWindow* outer = m_frame->outerSplitter();
    wxSplitterWindow* inner = m_frame->innerSplitter();
    EXPECT_EQ(outer->GetWindow1(), m_frame->palettePanel());
    EXPECT_EQ(inner->GetWindow1(), m_frame->canvasPanel());
    EXPECT_EQ(inner->GetWindow2(), m_frame->propertiesPanel());
    EXPECT_TRUE(waitFor([&] {
        return outer->GetSashPosition() == 258 && inner->GetClientSize().x > 600 &&
               inner->GetSashPosition() == inner->GetClientSize().x - 280;
    })) << "outer sash "
        << outer->GetSashPosition() << ", inner sash " << inner->GetSashPosition() << " of "
        << inner->GetClientSize().x;
    const int propertiesWidth = m_frame->propertiesPanel()->GetSize().x;
    const int canvasWidth = m_frame->canvasPanel()->GetSize().x;
    m_frame->SetSize(m_frame->GetSize() - wxSize(100, 0));
    EXPECT_TRUE(waitFor([&] { return m_frame->canvasPanel()->GetSize().x == canvasWidth - 100; }))
        << m_frame->canvasPanel()->GetSize().x;
    EXPECT_EQ(m_frame->propertiesPanel()->GetSize().x, propertiesWidth);
    EXPECT_EQ(m_frame->palettePanel()->GetSize().x, 258) << "three icon columns";

    // A 1024 x 700 window still shows every tool and a canvas to work on.
    m_frame->SetSize(1024, 700);
    wxToolBar* tools = m_frame->GetToolBar();
    ASSERT_TRUE(waitFor([&] { return m_frame->canvasPanel()->GetSize().x < canvasWidth - 200; }));
    EXPECT_EQ(hiddenTools(tools), 0) << "tools moved into the overflow menu";
    EXPECT_GE(m_frame->canvasPanel()->GetSize().x, 400);
    EXPECT_GE(m_frame->canvasPanel()->GetSize().y, 400);
}

TEST_F(MainFrameTest, TheExperienceQuestionComesFromTheEventLoopOnAFirstStart) {
    fs::remove(installFolder() / "prefs.cfg");
    m_frame = new MainFrame();
    EXPECT_FALSE(appPrefs().asked) << "nothing is asked during construction";

    bool wasExperienceDialog = false;
    expectModal([&](wxDialog* dlg) {
        wasExperienceDialog = dynamic_cast<ExperienceDialog*>(dlg) != nullptr;
        return int(wxID_NO);
    });
    bool reached = false;
    m_frame->CallAfter([&reached] { reached = true; });
    ASSERT_TRUE(waitFor([&reached] { return reached; }));
    EXPECT_TRUE(wasExperienceDialog);
    EXPECT_TRUE(appPrefs().asked);
    EXPECT_EQ(readWholeFile(installFolder() / "prefs.cfg"), "playful=0\nasked=1\nunits=0\n");
}
