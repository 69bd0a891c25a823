// The properties panel inside the main window: a selection and the tally on screen, the edits
// wired to their controls, Buy Track through a recorded browser, and its explanation window.

#include "panels/properties_panel.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "frame/main_frame.h"
#include "gui_support.h"
#include "panels/buy_track_dialog.h"
#include "panels/shop_cart.h"

namespace {

class RecordingOpener : public UrlOpener {
public:
    explicit RecordingOpener(std::vector<std::string>* urls) : m_urls(urls) {}
    void openUrl(const std::string& url) override { m_urls->push_back(url); }

private:
    std::vector<std::string>* m_urls;
};

template <typename T>
T* child(wxWindow* parent, const char* name) {
    wxWindow* found = parent->FindWindow(name);
    EXPECT_NE(found, nullptr) << name;
    return dynamic_cast<T*>(found);
}

wxString labelOf(wxWindow* parent, const char* name) {
    auto* text = child<wxStaticText>(parent, name);
    return text != nullptr ? text->GetLabel() : wxString();
}

uint32_t addPiece(Layout& layout, const char* article, double heading = 0.0) {
    PlacedPiece piece;
    piece.id = layout.AllocateId();
    piece.article = article;
    piece.heading = heading;
    piece.joints.assign(2, Joint{});
    layout.pieces.push_back(piece);
    return piece.id;
}

void join(Layout& layout, uint32_t a, int ca, uint32_t b, int cb) {
    layout.FindPiece(a)->joints.at(static_cast<size_t>(ca)) = {static_cast<int32_t>(b), cb};
    layout.FindPiece(b)->joints.at(static_cast<size_t>(cb)) = {static_cast<int32_t>(a), ca};
}

void send(wxWindow* window, wxEventType type, int selection = 0) {
    wxCommandEvent event(type, window->GetId());
    event.SetEventObject(window);
    event.SetInt(selection);
    window->GetEventHandler()->ProcessEvent(event);
}

class PropertiesPanelTest : public testing::Test {
protected:
    void SetUp() override {
        clearModalHandlers();
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
        appPrefs() = Prefs{};
        m_frame = new MainFrame();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompter = prompter.get();
        m_frame->setPrompter(std::move(prompter));
        m_panel = m_frame->properties;
        m_panel->setUrlOpener(std::make_unique<RecordingOpener>(&m_urls));
        m_frame->Show();
        ASSERT_TRUE(waitFor([this] { return m_panel->IsShownOnScreen(); }));
    }

    void TearDown() override {
        m_frame->modified = false;
        m_frame->Destroy();
        waitFor([] { return wxTopLevelWindows.empty(); });
        EXPECT_EQ(pendingModalHandlers(), 0u);
        clearModalHandlers();
    }

    /// Three joined straights, all selected, and a three-way turnout on level 1 of two levels.
    void buildStation() {
        Layout& layout = m_frame->layout;
        layout.EnsureDefaultLevel();
        LayoutLevel upper;
        upper.id = 2;
        upper.name = "Upper deck";
        upper.height = 120.0;
        layout.levels.push_back(upper);
        const uint32_t a = addPiece(layout, "24188");
        const uint32_t b = addPiece(layout, "24172", 180.0);
        const uint32_t c = addPiece(layout, "24188");
        join(layout, a, 1, b, 1);
        join(layout, b, 0, c, 0);
        addPiece(layout, "24630");
        for (uint32_t id : {a, b, c}) {
            layout.FindPiece(id)->selected = true;
        }
        m_frame->RefreshSidePanels();
    }

    MainFrame* m_frame = nullptr;
    PropertiesPanel* m_panel = nullptr;
    ScriptedPrompter* m_prompter = nullptr;
    std::vector<std::string> m_urls;
};

}  // namespace

TEST_F(PropertiesPanelTest, ShowsTheSelectedRunAndTheTally) {
    namespace N = PropertiesNames;
    EXPECT_EQ(labelOf(m_panel, N::Title), "No selection");
    EXPECT_FALSE(child<wxChoice>(m_panel, N::LevelChoice)->IsEnabled());
    buildStation();

    EXPECT_EQ(labelOf(m_panel, N::Title), "24188 + 24172 + 24188");
    EXPECT_EQ(labelOf(m_panel, N::Info), "3 pieces  |  548.3 mm");
    auto* level = child<wxChoice>(m_panel, N::LevelChoice);
    ASSERT_NE(level, nullptr);
    EXPECT_TRUE(level->IsEnabled());
    EXPECT_EQ(level->GetCount(), 2u);
    EXPECT_EQ(level->GetStringSelection(), "Level 1");

    auto* list = child<wxListCtrl>(m_panel, N::TallyList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetItemCount(), 6);
    EXPECT_EQ(list->GetItemText(0, 0), "24172 - 171.7mm");
    EXPECT_EQ(list->GetItemText(1, 1), "2");
    EXPECT_EQ(list->GetItemText(3, 0), "We Recommend");
    EXPECT_EQ(list->GetItemTextColour(3), wxColour(60, 60, 160));
    EXPECT_EQ(list->GetItemText(4, 0), "74491 Turnout Motor");
    EXPECT_EQ(list->GetItemText(4, 1), "2");
    EXPECT_EQ(list->GetItemText(5, 0), "74462 Decoder");
    EXPECT_EQ(m_panel->tally().at("24188"), 2);

    if (const char* path = std::getenv("RAILVANE_PROPS_PNG")) {
        // A picture of the panel for the documentation; only when asked for. The capture is
        // repeated until the tally list has been painted (dark text in its first row).
        wxBitmap shot;
        m_frame->Raise();
        // Positions are read on every try: the window settles on the screen while we wait.
        const auto capture = [&] {
            const wxRect rect = m_panel->GetScreenRect();
            wxRect row;
            list->GetItemRect(0, row);
            const wxPoint rowAt =
                list->GetScreenPosition() - rect.GetPosition() + row.GetPosition();
            shot = wxBitmap(rect.width, rect.height);
            wxMemoryDC memory(shot);
            wxScreenDC screen;
            memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
            memory.SelectObject(wxNullBitmap);
            const wxImage image = shot.ConvertToImage();
            // Painted means white background and dark text in the row, not a black screen.
            bool light = false;
            bool dark = false;
            const int y = std::min(rowAt.y + row.height / 2, rect.height - 1);
            for (int x = rowAt.x; x < rowAt.x + row.width && x < rect.width; ++x) {
                light = light || image.GetRed(x, y) > 240;
                dark = dark || image.GetRed(x, y) < 100;
            }
            return light && dark;
        };
        // Grabbing the screen in a tight loop keeps the server from painting; try every 100 ms.
        auto lastTry = std::chrono::steady_clock::now();
        EXPECT_TRUE(waitFor(
            [&] {
                const auto now = std::chrono::steady_clock::now();
                if (now - lastTry < std::chrono::milliseconds(100)) {
                    return false;
                }
                lastTry = now;
                return capture();
            },
            5000));
        shot.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
    }
}

TEST_F(PropertiesPanelTest, SteepGradeIsShownInTheWarningColour) {
    namespace N = PropertiesNames;
    const uint32_t id = addPiece(m_frame->layout, "24188");
    m_frame->layout.FindPiece(id)->grade = 6.5;
    m_frame->layout.FindPiece(id)->selected = true;
    m_frame->RefreshSidePanels();
    EXPECT_EQ(labelOf(m_panel, N::GradeValue), "+6.50 deg (11.4%)");
    EXPECT_EQ(child<wxStaticText>(m_panel, N::GradeValue)->GetForegroundColour(),
              wxColour(200, 40, 40));
    EXPECT_EQ(labelOf(m_panel, N::Warning), "WARNING: Grade 6.5 deg exceeds 6 deg max!");

    m_frame->layout.FindPiece(id)->grade = 6.0;
    m_frame->RefreshSidePanels();
    EXPECT_EQ(labelOf(m_panel, N::Warning), "");
    EXPECT_NE(child<wxStaticText>(m_panel, N::GradeValue)->GetForegroundColour(),
              wxColour(200, 40, 40));
}

TEST_F(PropertiesPanelTest, ControlsEditTheDocument) {
    namespace N = PropertiesNames;
    buildStation();
    Layout& layout = m_frame->layout;

    auto* level = child<wxChoice>(m_panel, N::LevelChoice);
    level->SetSelection(1);
    send(level, wxEVT_CHOICE, 1);
    EXPECT_DOUBLE_EQ(layout.pieces[0].z, 120.0);
    EXPECT_EQ(layout.pieces[2].level, 2);
    EXPECT_EQ(layout.pieces[3].level, 1) << "the unselected turnout stays";
    EXPECT_TRUE(m_frame->modified);
    EXPECT_EQ(level->GetStringSelection(), "Upper deck");

    auto* colour = child<wxChoice>(m_panel, N::ColourChoice);
    colour->SetSelection(1);
    send(child<wxButton>(m_panel, N::ColourApply), wxEVT_BUTTON);
    EXPECT_TRUE(layout.pieces[1].hasColor);
    EXPECT_EQ(layout.pieces[1].color, (Rgb{220, 60, 60}));
    EXPECT_FALSE(layout.pieces[1].selected);
    EXPECT_EQ(labelOf(m_panel, N::Title), "No selection");

    m_panel->SetPendingLabelPoint(300.0, 150.0);
    auto* text = child<wxTextCtrl>(m_panel, N::LabelText);
    text->ChangeValue("Platform 1  ");
    send(text, wxEVT_TEXT_ENTER);
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text, "Platform 1");
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 300.0);
    EXPECT_EQ(text->GetValue(), "");
    EXPECT_FALSE(m_panel->pendingLabelPoint().has_value());
}

TEST_F(PropertiesPanelTest, BuyTrackOpensTheCartAndExplainsItself) {
    namespace N = PropertiesNames;
    send(child<wxButton>(m_panel, N::BuyTrack), wxEVT_BUTTON);
    ASSERT_EQ(m_prompter->records().size(), 1u);
    EXPECT_EQ(m_prompter->records()[0].text, "No purchasable track pieces found in your layout.");
    EXPECT_TRUE(m_urls.empty());

    buildStation();
    send(child<wxButton>(m_panel, N::BuyTrack), wxEVT_BUTTON);
    ASSERT_EQ(m_urls.size(), 1u);
    EXPECT_EQ(m_urls[0], shopCartUrl("47110000024172:1,47110000024188:2,47110000024630:1,"
                                     "47110000074492:2,47110000074462:1"));

    auto* help = child<wxButton>(m_panel, N::BuyTrackHelp);
    EXPECT_EQ(help->GetToolTipText(), "About Buy Track");
    send(help, wxEVT_BUTTON);
    auto* dialog = dynamic_cast<BuyTrackDialog*>(m_panel->buyTrackHelp());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(waitFor([dialog] { return dialog->IsShownOnScreen(); }));
    EXPECT_EQ(dialog->GetTitle(), "Buy Track - How it works");
    EXPECT_TRUE(dialog->hasPicture());
    send(help, wxEVT_BUTTON);
    EXPECT_EQ(m_panel->buyTrackHelp(), dialog) << "a second click raises the same window";

    auto* gotIt = dynamic_cast<wxButton*>(dialog->FindWindow(wxID_OK));
    ASSERT_NE(gotIt, nullptr);
    EXPECT_EQ(gotIt->GetLabel(), "Got it!");
    send(gotIt, wxEVT_BUTTON);
    EXPECT_TRUE(waitFor([this] { return m_panel->buyTrackHelp() == nullptr; }));
}
