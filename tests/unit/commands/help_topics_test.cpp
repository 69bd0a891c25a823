#include "frame/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/command_table.h"

namespace {

// The text that follows a heading, up to the next heading, joined into one string.
std::string textUnder(const std::vector<HelpItem>& items, std::string_view heading) {
    std::string text;
    bool inside = false;
    for (const HelpItem& item : items) {
        if (item.kind == HelpItemKind::Heading) {
            inside = item.text == heading;
            continue;
        }
        if (inside) {
            text += std::string(item.lead) + "|" + std::string(item.text) + "|";
        }
    }
    return text;
}

}  // namespace

TEST(HelpTopics, MainHelpHeadingsInOrderEachWithText) {
    const std::string expected =
        "Welcome to Railvane v1.7|Getting Started|Canvas Navigation|Track Selection|Autofill Gap|"
        "Library|Moving Pieces|Dragging from the Palette|Rotating Pieces|Elevation and Grades|"
        "3D View|Layout Shape|Polygon and Rectangle Shapes|Files (.tdl)|Levels|Measuring Tape|"
        "Adding Labels|Piece Tally|Coloring Track|Experience Settings|Keyboard Shortcuts|";
    std::string headings;
    for (std::string_view heading : helpHeadings(mainHelpItems()))
        headings += std::string(heading) + "|";
    EXPECT_EQ(headings, expected);

    const auto& items = mainHelpItems();
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().kind, HelpItemKind::Heading);
    EXPECT_NE(items.back().kind, HelpItemKind::Heading);
    for (size_t i = 1; i < items.size(); ++i) {
        EXPECT_FALSE(items[i].kind == HelpItemKind::Heading &&
                     items[i - 1].kind == HelpItemKind::Heading)
            << "no text under " << items[i - 1].text;
    }
}

TEST(HelpTopics, WelcomeNamesTheMakerAndTheSupportedSystems) {
    const auto& items = mainHelpItems();
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[1].kind, HelpItemKind::Link);
    EXPECT_EQ(items[1].lead, "Railvane by");
    EXPECT_EQ(items[1].text, "Vennomar");
    EXPECT_EQ(items[1].url, kMakerWebSite);
    ASSERT_EQ(items[2].kind, HelpItemKind::Paragraph);
    const std::string para(items[2].text);
    EXPECT_EQ(
        para.rfind("lets you design and plan your Marklin and TRIX model railway layouts.", 0), 0u)
        << para;
    for (const char* system : {"Marklin and TRIX HO C-Track", "Marklin HO K-Track",
                               "Marklin M-Track", "Marklin Z Track"}) {
        EXPECT_NE(para.find(system), std::string::npos) << system;
    }
}

TEST(HelpTopics, GettingStartedHasEightNumberedSteps) {
    const std::string text = textUnder(mainHelpItems(), "Getting Started");
    for (int step = 1; step <= 8; ++step) {
        const std::string marker = std::to_string(step) + ". ";
        EXPECT_NE(text.find(marker), std::string::npos) << "step " << step;
    }
    EXPECT_EQ(text.find("9. "), std::string::npos);
    // The steps a new user relies on: cloning on the canvas and auto-connect from the palette.
    EXPECT_NE(text.find("Double-click a piece on the canvas"), std::string::npos);
    EXPECT_NE(text.find("Double-click a piece in the palette"), std::string::npos);
}

TEST(HelpTopics, PieceTallyTextIsSplitAroundTheShopLink) {
    const auto& items = mainHelpItems();
    auto it = std::find_if(items.begin(), items.end(), [](const HelpItem& i) {
        return i.kind == HelpItemKind::Heading && i.text == "Piece Tally";
    });
    ASSERT_NE(it, items.end());
    ASSERT_GE(std::distance(it, items.end()), 5);
    EXPECT_EQ((it + 1)->kind, HelpItemKind::Paragraph);
    EXPECT_EQ((it + 2)->kind, HelpItemKind::Link);
    EXPECT_EQ((it + 2)->text, "Vennomar");
    EXPECT_EQ((it + 2)->url, kShopWebSite);
    EXPECT_EQ((it + 3)->kind, HelpItemKind::Paragraph);
    EXPECT_EQ((it + 4)->text, "Coloring Track");
    EXPECT_NE(kShopWebSite, kMakerWebSite);
}

TEST(HelpTopics, KeyboardShortcutsAreTheLastTopicAndListEveryMenuAccelerator) {
    const auto& items = mainHelpItems();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].text, "Keyboard Shortcuts");
    EXPECT_EQ(items.back().kind, HelpItemKind::Shortcuts);

    const auto& shortcuts = helpShortcuts();
    for (const auto& [keys, action] : shortcuts) {
        EXPECT_FALSE(keys.empty());
        EXPECT_FALSE(action.empty()) << keys;
    }
    // The help must not promise a key the menus do not have, nor forget one they do.
    for (const CommandEntry& row : commandTable()) {
        const std::string_view accel = acceleratorOf(row.text);
        if (accel.empty()) {
            continue;
        }
        const bool listed = std::any_of(shortcuts.begin(), shortcuts.end(),
                                        [&](const auto& s) { return s.first == accel; });
        EXPECT_TRUE(listed) << "missing from the help: " << accel;
    }
}

TEST(HelpTopics, LayoutWizardHelpHeadingsInOrder) {
    const std::vector<std::string_view> expected = {
        "Layout Wizard", "Before you start", "Mainline",           "Station",
        "Bridge",        "Curve selection",  "Editing the result",
    };
    EXPECT_EQ(helpHeadings(layoutWizardHelpItems()), expected);
    const std::string bridge = textUnder(layoutWizardHelpItems(), "Bridge");
    EXPECT_NE(bridge.find("Marklin C-Track"), std::string::npos);
    EXPECT_NE(bridge.find("TRIX C-Track"), std::string::npos);
    EXPECT_NE(textUnder(layoutWizardHelpItems(), "Curve selection").find("R1"), std::string::npos);
}
