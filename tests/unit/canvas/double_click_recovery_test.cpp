#include "canvas/double_click_recovery.h"

#include <gtest/gtest.h>

TEST(DoubleClickRecovery, TwoQuickPressesOnOneSpotAreTheDoubleClickTheToolkitDropped) {
    DoubleClickRecovery clicks(400, 5);
    // A reported double-click: its first press is plain, the pair then starts anew.
    EXPECT_FALSE(clicks.pressIsDoubleClick(1000, 10, 10));
    clicks.doubleClicked();
    // The next quick pair reaches the window as two plain presses: the second completes it.
    EXPECT_FALSE(clicks.pressIsDoubleClick(1400, 10, 10));
    EXPECT_TRUE(clicks.pressIsDoubleClick(1460, 12, 8));
    // A third quick press starts a new pair instead of doubling again.
    EXPECT_FALSE(clicks.pressIsDoubleClick(1520, 12, 8));

    // Too slow, or too far apart: plain presses.
    DoubleClickRecovery slow(400, 5);
    EXPECT_FALSE(slow.pressIsDoubleClick(0, 10, 10));
    EXPECT_FALSE(slow.pressIsDoubleClick(401, 10, 10));
    EXPECT_FALSE(slow.pressIsDoubleClick(500, 16, 10));
}
