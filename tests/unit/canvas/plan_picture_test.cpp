// The frame of an exported picture: the whole board inside the margins, the height following it.
#include "canvas/plan_picture.h"

#include <gtest/gtest.h>

#include "document/layout.h"

TEST(PlanPicture, FramesTheBoardWithinTheMarginsAndFollowsItsProportions) {
    Layout layout;
    layout.baseboard.vertices = {{-100, -300}, {2900, -300}, {2900, 1200}, {-100, 1200}};
    const PlanPicture picture = planPicture(layout, 1000);
    EXPECT_EQ(picture.width, 1000);
    EXPECT_EQ(picture.height, 550);  // 1500 mm at 0.3 px/mm and 50 px above and below
    const ScreenPoint topLeft = picture.view.worldToScreen(-100, -300);
    const ScreenPoint bottomRight = picture.view.worldToScreen(2900, 1200);
    EXPECT_NEAR(topLeft.x, 50, 1);
    EXPECT_NEAR(topLeft.y, 50, 1);
    EXPECT_NEAR(bottomRight.x, 950, 1);
    EXPECT_NEAR(bottomRight.y, 500, 1);

    // A board a hundred times taller than wide is drawn smaller rather than 100,000 pixels tall.
    layout.baseboard.vertices = {{0, 0}, {100, 0}, {100, 10000}, {0, 10000}};
    const PlanPicture tall = planPicture(layout, 1000);
    EXPECT_EQ(tall.height, 16000);
    EXPECT_NEAR(tall.view.worldToScreen(0, 10000).y, 16000 - 50, 1);

    EXPECT_EQ(planPicture(Layout{}, 800).height, 600) << "an empty layout";
}
