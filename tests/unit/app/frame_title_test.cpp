#include "frame/frame_title.h"

#include <gtest/gtest.h>

TEST(FrameTitle, NewLayoutShowsTheProgramNameOnly) {
    EXPECT_EQ(composeTitle("", "", false), "Railvane v1.7 by Vennomar");
    EXPECT_EQ(composeTitle("", "", true), "Railvane v1.7 by Vennomar *");
}

TEST(FrameTitle, FileNameWithoutFolderAndExtensionWhenTheLayoutHasNoName) {
    EXPECT_EQ(composeTitle("", "/home/ann/Documents/Railvane/Yard.tdl", false),
              "Railvane v1.7 by Vennomar - Yard");
    EXPECT_EQ(composeTitle("", "/home/ann/Documents/Railvane/Yard.tdl", true),
              "Railvane v1.7 by Vennomar - Yard *");
    EXPECT_EQ(composeTitle("", "/tmp/old.layout.xml", false),
              "Railvane v1.7 by Vennomar - old.layout");
}

TEST(FrameTitle, TheLayoutNameWinsOverTheFileName) {
    EXPECT_EQ(composeTitle("Bahnhof Süd", "/x/Yard.tdl", true),
              "Railvane v1.7 by Vennomar - Bahnhof Süd *");
}
