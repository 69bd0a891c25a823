#include "frame/main_frame.h"

#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/log.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>

#include "app/app_paths.h"
#include "app/experience_dialog.h"
#include "app/prefs.h"
#include "canvas/canvas_panel.h"
#include "gui_support.h"
#include "panels/palette_panel.h"
#include "panels/properties_panel.h"

namespace fs = std::filesystem;

namespace {

fs::path tracePath() {
    return fs::path(std::string(GetLogFolder().fn_str())) / "mainframe.log";
}

fs::path prefsPath() {
    return installFolder() / "prefs.cfg";
}

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        clearLoggedMessages();
        std::error_code ec;
        fs::remove(fs::path(std::string(GetUserPrefsPath().fn_str())), ec);
        appPrefs() = Prefs{};
        writeWholeFile(prefsPath(), "playful=0\nasked=1\nunits=0\n");
    }

    void TearDown() override {
        if (m_frame != nullptr) {
            m_frame->Destroy();
            waitFor([] { return wxTopLevelWindows.empty(); });
        }
        EXPECT_EQ(pendingModalHandlers(), 0u) << "an expected dialog never appeared";
        clearModalHandlers();
    }

    /// Waits until every event queued so far (including the frame's deferred calls) has run.
    void drainEvents() {
        bool reached = false;
        m_frame->CallAfter([&reached] { reached = true; });
        ASSERT_TRUE(waitFor([&reached] { return reached; }));
    }

    MainFrame* m_frame = nullptr;
};

}  // namespace

TEST_F(MainFrameTest, ConstructionTracesEveryStepInOrder) {
    const std::string before = readWholeFile(tracePath());
    m_frame = new MainFrame();
    std::string trace = readWholeFile(tracePath());
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
}

TEST_F(MainFrameTest, HasTheTitleStatusFieldsAndPrintSetup) {
    m_frame = new MainFrame();
    EXPECT_EQ(m_frame->GetTitle(), "Railvane v1.7 by Vennomar");
    wxStatusBar* status = m_frame->GetStatusBar();
    ASSERT_NE(status, nullptr);
    ASSERT_EQ(status->GetFieldsCount(), 3);
    EXPECT_EQ(status->GetStatusText(0), "Ready");
    EXPECT_EQ(status->GetStatusText(1), "Pieces: 0");
    EXPECT_EQ(status->GetStatusText(2), "x: 0  y: 0 mm");

    EXPECT_EQ(m_frame->printData.GetOrientation(), wxLANDSCAPE);
    EXPECT_EQ(m_frame->printData.GetPaperId(), wxPAPER_LETTER);
    EXPECT_EQ(m_frame->pageSetupData.GetMarginTopLeft(), wxPoint(15, 15));
    EXPECT_EQ(m_frame->pageSetupData.GetMarginBottomRight(), wxPoint(15, 15));
    EXPECT_EQ(m_frame->pageSetupData.GetPrintData().GetOrientation(), wxLANDSCAPE);

    EXPECT_TRUE(m_frame->filePath.empty());
    EXPECT_TRUE(m_frame->layoutName.empty());
    EXPECT_FALSE(m_frame->modified);
    EXPECT_EQ(m_frame->view3D, nullptr);
}

TEST_F(MainFrameTest, FitsTheDisplayAndCentresOnIt) {
    m_frame = new MainFrame();
    int index = wxDisplay::GetFromWindow(m_frame);
    const wxRect area =
        wxDisplay(static_cast<unsigned>(index == wxNOT_FOUND ? 0 : index)).GetClientArea();
    const wxSize expected(std::min(1400, area.width), std::min(900, area.height));
    EXPECT_EQ(m_frame->GetSize(), expected);
    EXPECT_EQ(m_frame->GetPosition(), wxPoint(area.x + (area.width - expected.x) / 2,
                                              area.y + (area.height - expected.y) / 2));
}

TEST_F(MainFrameTest, PanelsSitInTheSplittersWithTheirSashes) {
    m_frame = new MainFrame();
    m_frame->Show();
    wxSplitterWindow* outer = m_frame->outerSplitter();
    wxSplitterWindow* inner = m_frame->innerSplitter();
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(outer->GetWindow1(), m_frame->palette);
    EXPECT_EQ(outer->GetWindow2(), inner);
    EXPECT_EQ(inner->GetWindow1(), m_frame->canvas);
    EXPECT_EQ(inner->GetWindow2(), m_frame->properties);
    EXPECT_EQ(outer->GetSplitMode(), wxSPLIT_VERTICAL);
    EXPECT_EQ(inner->GetSplitMode(), wxSPLIT_VERTICAL);
    EXPECT_DOUBLE_EQ(outer->GetSashGravity(), 0.0);
    EXPECT_DOUBLE_EQ(inner->GetSashGravity(), 1.0);
    EXPECT_EQ(outer->GetMinimumPaneSize(), 150);
    EXPECT_EQ(inner->GetMinimumPaneSize(), 200);

    // Sash positions settle once the window has its size.
    EXPECT_TRUE(waitFor([&] {
        return outer->GetSashPosition() == 235 && inner->GetClientSize().x > 600 &&
               inner->GetSashPosition() == inner->GetClientSize().x - 280;
    })) << "outer sash "
        << outer->GetSashPosition() << ", inner sash " << inner->GetSashPosition() << " of "
        << inner->GetClientSize().x;
    // Growing the window goes to the canvas: the properties pane keeps its width.
    const int propertiesWidth = m_frame->properties->GetSize().x;
    const int canvasWidth = m_frame->canvas->GetSize().x;
    m_frame->SetSize(m_frame->GetSize() - wxSize(100, 0));
    EXPECT_TRUE(waitFor([&] { return m_frame->canvas->GetSize().x == canvasWidth - 100; }))
        << m_frame->canvas->GetSize().x;
    EXPECT_EQ(m_frame->properties->GetSize().x, propertiesWidth);
    EXPECT_EQ(m_frame->palette->GetSize().x, 235);
}

TEST_F(MainFrameTest, UnitsComeFromThePreferences) {
    writeWholeFile(prefsPath(), "playful=0\nasked=1\nunits=2\n");
    m_frame = new MainFrame();
    EXPECT_EQ(m_frame->layout.units, 2u);
    EXPECT_EQ(appPrefs().units, 2);
}

TEST_F(MainFrameTest, AnAnsweredExperienceQuestionIsNotAskedAgain) {
    m_frame = new MainFrame();
    drainEvents();  // the safety net fails the test if a dialog comes up
    EXPECT_TRUE(appPrefs().asked);
}

TEST_F(MainFrameTest, TheExperienceQuestionComesFromTheEventLoopOnAFirstStart) {
    fs::remove(prefsPath());
    m_frame = new MainFrame();
    // Nothing was asked during construction: the question is deferred.
    EXPECT_FALSE(appPrefs().asked);

    wxString title;
    bool wasExperienceDialog = false;
    expectModal([&](wxDialog* dlg) {
        title = dlg->GetTitle();
        wasExperienceDialog = dynamic_cast<ExperienceDialog*>(dlg) != nullptr;
        return int(wxID_NO);
    });
    drainEvents();
    EXPECT_EQ(pendingModalHandlers(), 0u);
    EXPECT_TRUE(wasExperienceDialog);
    EXPECT_EQ(title, "Choose Your Experience");
    EXPECT_TRUE(appPrefs().asked);
    EXPECT_FALSE(appPrefs().playful);
    EXPECT_EQ(readWholeFile(prefsPath()), "playful=0\nasked=1\nunits=0\n");
}

TEST_F(MainFrameTest, OldUserFilesAreCopiedOnceAndTheUserIsTold) {
    writeWholeFile(installFolder() / "Harbour.tdl", "<layout/>");
    writeWholeFile(installFolder() / "catalog.xml", "<catalog/>");
    m_frame = new MainFrame();
    const fs::path userFolder(std::string(GetUserFolder().fn_str()));
    EXPECT_EQ(userFolder, testRoot() / "home" / "Documents" / "Railvane");
    EXPECT_EQ(readWholeFile(userFolder / "Harbour.tdl"), "<layout/>");
    EXPECT_FALSE(fs::exists(userFolder / "catalog.xml"));
    ASSERT_EQ(loggedMessages().size(), 1u);
    EXPECT_EQ(loggedMessages()[0].level, static_cast<unsigned long>(wxLOG_Message));
    EXPECT_EQ(loggedMessages()[0].text,
              "Railvane: moved 1 file(s) from the install folder to " + GetUserFolder());

    // The next start finds everything in place and says nothing.
    m_frame->Destroy();
    ASSERT_TRUE(waitFor([] { return wxTopLevelWindows.empty(); }));
    clearLoggedMessages();
    m_frame = new MainFrame();
    EXPECT_TRUE(loggedMessages().empty());
    fs::remove(installFolder() / "Harbour.tdl");
    fs::remove(installFolder() / "catalog.xml");
}

TEST_F(MainFrameTest, TitleNamesTheLayoutAndMarksChanges) {
    m_frame = new MainFrame();
    m_frame->filePath = "/somewhere/Yard.tdl";
    m_frame->UpdateTitle();
    EXPECT_EQ(m_frame->GetTitle(), "Railvane v1.7 by Vennomar - Yard");
    m_frame->modified = true;
    m_frame->UpdateTitle();
    EXPECT_EQ(m_frame->GetTitle(), "Railvane v1.7 by Vennomar - Yard *");
    m_frame->layoutName = wxString::FromUTF8("Güterbahnhof");
    m_frame->UpdateTitle();
    EXPECT_EQ(m_frame->GetTitle(),
              wxString::FromUTF8("Railvane v1.7 by Vennomar - Güterbahnhof *"));
}
