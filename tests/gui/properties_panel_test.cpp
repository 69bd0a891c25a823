// The properties panel inside the main window: a selection and the tally on screen, a control
// wired to the document, and Buy Track through a recorded browser. The texts and sums behind them
// are unit-tested.

#include "panels/ui/properties_panel.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "files_test_fixture.h"
#include "panels/shop_cart.h"

namespace {

class RecordingOpener : public UrlOpener {
public:
    explicit RecordingOpener(std::vector<std::string>* urls) : m_urls(urls) {}
    bool openUrl(const std::string& url) override {
        m_urls->push_back(url);
        return true;
    }

private:
    std::vector<std::string>* m_urls;
};

template <typename T>
T* child(wxWindow* parent, const char* name) {
    auto* found = dynamic_cast<T*>(parent->FindWindow(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void send(wxWindow* window, wxEventType type, int selection = 0) {
    wxCommandEvent event(type, window->GetId());
    event.SetEventObject(window);
    event.SetInt(selection);
    window->GetEventHandler()->ProcessEvent(event);
}

class PropertiesPanelTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        m_panel = m_frame->propertiesPanel();
        m_panel->setUrlOpener(std::make_unique<RecordingOpener>(&m_urls));
        m_frame->Show();
        ASSERT_TRUE(waitFor([this] { return m_panel->IsShownOnScreen(); }));
    }

    /// Three joined straights, all selected, and a three-way turnout on level 1 of two levels.
    void buildStation() {
        Layout& layout = m_frame->editor().layout();
        layout.EnsureDefaultLevel();
        LayoutLevel upper;
        upper.id = 2;
        upper.name = "Upper deck";
        upper.height = 120.0;
        layout.levels.push_back(upper);
        for (const char* article : {"24188", "24172", "24188", "24630"}) {
            PlacedPiece piece;
            piece.id = layout.AllocateId();
            piece.article = article;
            piece.heading = layout.pieces.size() == 1 ? 180.0 : 0.0;
            piece.joints.assign(2, Joint{});
            piece.selected = layout.pieces.size() < 3;
            layout.pieces.push_back(piece);
        }
        auto& p = layout.pieces;
        p.edit(0).joints[1] = {static_cast<int32_t>(p[1].id), 1};
        p.edit(1).joints[1] = {static_cast<int32_t>(p[0].id), 1};
        p.edit(1).joints[0] = {static_cast<int32_t>(p[2].id), 0};
        p.edit(2).joints[0] = {static_cast<int32_t>(p[1].id), 0};
        m_frame->RefreshSidePanels();
    }

    PropertiesPanel* m_panel = nullptr;
    std::vector<std::string> m_urls;
};

}  // namespace

TEST_F(PropertiesPanelTest, ShowsTheSelectedRunAndTheTallyAndMovesItToAnotherLevel) {
    namespace N = PropertiesNames;
    EXPECT_EQ(child<wxStaticText>(m_panel, N::Title)->GetLabel(), "No selection");
    buildStation();
    EXPECT_EQ(child<wxStaticText>(m_panel, N::Title)->GetLabel(), "24188 + 24172 + 24188");
    EXPECT_EQ(child<wxStaticText>(m_panel, N::Info)->GetLabel(), "3 pieces  |  548.3 mm");

    auto* list = child<wxListCtrl>(m_panel, N::TallyList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetItemCount(), 6);
    EXPECT_EQ(list->GetItemText(0, 0), "24172 - 171.7mm");
    EXPECT_EQ(list->GetItemText(1, 1), "2");
    EXPECT_EQ(list->GetItemText(3, 0), "We Recommend");
    EXPECT_EQ(list->GetItemTextColour(3), wxColour(60, 60, 160));
    EXPECT_EQ(list->GetItemText(4, 0), "74491 Turnout Motor");

    auto* level = child<wxChoice>(m_panel, N::LevelChoice);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->GetStringSelection(), "Level 1");
    level->SetSelection(1);
    send(level, wxEVT_CHOICE, 1);
    EXPECT_DOUBLE_EQ(m_frame->editor().layout().pieces[0].z, 120.0);
    EXPECT_EQ(m_frame->editor().layout().pieces[3].level, 1) << "the unselected turnout stays";
    EXPECT_TRUE(m_frame->isModified());
}

TEST_F(PropertiesPanelTest, BuyTrackOpensTheCartOfTheLayout) {
    send(child<wxButton>(m_panel, PropertiesNames::BuyTrack), wxEVT_BUTTON);
    EXPECT_EQ(lastPrompt().text, "No purchasable track pieces found in your layout.");
    EXPECT_TRUE(m_urls.empty());

    buildStation();
    send(child<wxButton>(m_panel, PropertiesNames::BuyTrack), wxEVT_BUTTON);
    ASSERT_EQ(m_urls.size(), 1u);
    EXPECT_EQ(m_urls[0], shopCartUrl("47110000024172:1,47110000024188:2,47110000024630:1,"
                                     "47110000074492:2,47110000074462:1"));
}

TEST_F(PropertiesPanelTest, ColourChoiceAlwaysShowsAnEntry) {
    auto* colour = child<wxChoice>(m_panel, PropertiesNames::ColourChoice);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->GetStringSelection(), "Default") << "not an empty box at the start";
    buildStation();
    Layout& layout = m_frame->editor().layout();
    for (int i = 0; i < 3; ++i) {
        layout.pieces.edit(static_cast<size_t>(i)).hasColor = true;
        layout.pieces.edit(static_cast<size_t>(i)).color = {60, 170, 60};
    }
    m_frame->RefreshSidePanels();
    EXPECT_EQ(colour->GetStringSelection(), "Green") << "the colour of the selected run";
    layout.DeselectAll();
    m_frame->RefreshSidePanels();
    EXPECT_EQ(colour->GetStringSelection(), "Green") << "kept without a selection";
}

TEST_F(PropertiesPanelTest, PieceNamesUseTheWidthOfThePanel) {
    buildStation();
    auto* list = child<wxListCtrl>(m_panel, PropertiesNames::TallyList);
    ASSERT_NE(list, nullptr);
    m_frame->SetSize(1400, 900);
    ASSERT_TRUE(waitFor([&] { return list->GetClientSize().x > 200; }));
    // The name column takes what the count column leaves, not a fixed 110 pixels.
    ASSERT_TRUE(waitFor([&] {
        return list->GetColumnWidth(0) + list->GetColumnWidth(1) >= list->GetClientSize().x - 30;
    })) << list->GetColumnWidth(0)
        << " + " << list->GetColumnWidth(1) << " in " << list->GetClientSize().x;
    EXPECT_GT(list->GetColumnWidth(0), 110);
    EXPECT_LE(list->GetColumnWidth(0) + list->GetColumnWidth(1), list->GetClientSize().x);
}
