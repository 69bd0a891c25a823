// What the File menu's picture and parts-list exports write where.

#include "frame/export_files.h"

#include <gtest/gtest.h>

TEST(ExportFiles, PictureFormatFollowsTheExtensionElseTheFilterWhichAddsIt) {
    const auto check = [](const std::string& chosen, int filter, const std::string& path,
                          PictureFormat format) {
        const PictureTarget target = pictureTarget(chosen, filter);
        EXPECT_EQ(target.path, path) << chosen;
        EXPECT_EQ(target.format, format) << chosen;
    };
    check("/tmp/plan.svg", 0, "/tmp/plan.svg", PictureFormat::Svg);
    check("/tmp/plan.PNG", 1, "/tmp/plan.PNG", PictureFormat::Png);
    check("/tmp/plan", 1, "/tmp/plan.svg", PictureFormat::Svg);
    check("/tmp/plan", 0, "/tmp/plan.png", PictureFormat::Png);
    check("/tmp/my.plan", 1, "/tmp/my.plan.svg", PictureFormat::Svg);
    EXPECT_EQ(partsListTarget("/tmp/parts.CSV"), "/tmp/parts.CSV");
    EXPECT_EQ(partsListTarget("/tmp/parts"), "/tmp/parts.csv");
}

TEST(ExportFiles, PictureWidthIsWholePixelsInRangeAndAnythingElseIsRefused) {
    EXPECT_EQ(pictureWidthFromAnswer(" 1600 "), 1600);
    EXPECT_EQ(pictureWidthFromAnswer("100"), 100);
    EXPECT_EQ(pictureWidthFromAnswer("16000"), 16000);
    for (const char* bad : {"", "99", "16001", "12.5", "wide", "-400", "800px"}) {
        EXPECT_FALSE(pictureWidthFromAnswer(bad)) << bad;
    }
    EXPECT_EQ(pictureWidthProblem("wide"),
              "The width must be a whole number of pixels from 100 to 16000, not \"wide\".");
}
