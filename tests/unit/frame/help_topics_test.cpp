#include "frame/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/command_table.h"

namespace {

std::string joined(const std::vector<std::string_view>& parts) {
    std::string out;
    for (std::string_view p : parts)
        out += std::string(p) + "|";
    return out;
}

}  // namespace

TEST(HelpTopics, MainHelpHeadingsInOrderEachWithText) {
    EXPECT_EQ(joined(helpHeadings(mainHelpItems())),
              "Welcome to Railvane v1.7|Getting Started|Canvas Navigation|Track Selection|"
              "Autofill Gap|Library|Moving Pieces|Dragging from the Palette|Rotating Pieces|"
              "Elevation and Grades|3D View|Layout Shape|Polygon and Rectangle Shapes|"
              "Files (.tdl)|Levels|Measuring Tape|Adding Labels|Piece Tally|Coloring Track|"
              "Experience Settings|Keyboard Shortcuts|");
    const auto& items = mainHelpItems();
    ASSERT_GE(items.size(), 3u);
    for (size_t i = 1; i < items.size(); ++i) {
        EXPECT_FALSE(items[i].kind == HelpItemKind::Heading &&
                     items[i - 1].kind == HelpItemKind::Heading)
            << "no text under " << items[i - 1].text;
    }
    // The welcome links the maker; the shortcut table closes the help.
    EXPECT_EQ(items[1].text, "Vennomar");
    EXPECT_EQ(items[1].url, kMakerWebSite);
    EXPECT_EQ(items.back().kind, HelpItemKind::Shortcuts);
}

TEST(HelpTopics, ShortcutsListEveryMenuAccelerator) {
    const auto& shortcuts = helpShortcuts();
    for (const CommandEntry& row : commandTable()) {
        const std::string_view accel = acceleratorOf(row.text);
        if (accel.empty())
            continue;
        const bool listed = std::any_of(shortcuts.begin(), shortcuts.end(),
                                        [&](const auto& s) { return s.first == accel; });
        EXPECT_TRUE(listed) << "missing from the help: " << accel;
    }
}

TEST(HelpTopics, LayoutWizardHelpHeadingsInOrder) {
    EXPECT_EQ(joined(helpHeadings(layoutWizardHelpItems())),
              "Layout Wizard|Before you start|Mainline|Station|Bridge|Curve selection|"
              "Editing the result|");
}
