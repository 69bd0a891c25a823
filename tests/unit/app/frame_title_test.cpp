#include "frame/frame_title.h"

#include <gtest/gtest.h>

TEST(FrameTitle, ProgramNameThenLayoutNameOrFileNameThenModifiedMark) {
    const std::string program = "Railvane v1.7 by Vennomar";
    EXPECT_EQ(composeTitle("", "", false), program);
    EXPECT_EQ(composeTitle("", "", true), program + " *");
    // Without a layout name: the file name without folder and (last) extension.
    EXPECT_EQ(composeTitle("", "/home/ann/Documents/Railvane/Yard.tdl", true),
              program + " - Yard *");
    EXPECT_EQ(composeTitle("", "/tmp/old.layout.xml", false), program + " - old.layout");
    EXPECT_EQ(composeTitle("Bahnhof Süd", "/x/Yard.tdl", true), program + " - Bahnhof Süd *");
}
