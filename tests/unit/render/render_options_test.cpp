// What a drawing shows comes from its options: the canvas takes the document's switches, icons
// and printouts their own; levels are filtered and colours turned grey without a display.
#include <gtest/gtest.h>

#include "render/render_options.h"

TEST(RenderOptions, CanvasTakesTheDocumentSwitchesAndIconsShowTheBarePiece) {
    Layout layout;
    layout.showGrid = false;
    layout.gridSpacing = 50.0;
    layout.showLabels = false;
    layout.showRails = true;
    layout.showBaseboard = false;
    const RenderOptions canvas = canvasRenderOptions(layout);
    EXPECT_FALSE(canvas.showGrid);
    EXPECT_EQ(canvas.gridSpacing, 50.0);
    EXPECT_FALSE(canvas.showLabels);
    EXPECT_TRUE(canvas.showRails);
    EXPECT_FALSE(canvas.showBaseboard);
    EXPECT_TRUE(canvas.selected(true)) << "the canvas shows the selection";
    EXPECT_FALSE(canvas.grayscale);

    layout.showGrid = true;
    const RenderOptions picture = pictureRenderOptions(layout);
    EXPECT_FALSE(picture.selected(true) || picture.showGrid) << "an exported picture";
    EXPECT_TRUE(picture.showRails && !picture.showLabels && !picture.showBaseboard);

    const RenderOptions icon = iconRenderOptions();
    EXPECT_FALSE(icon.selected(true));
    EXPECT_FALSE(icon.showGrid || icon.showLabels || icon.showRails);
    EXPECT_FALSE(icon.selected(false));
}

TEST(RenderOptions, LevelsShownAreTheVisibleOnesOrTheOneAskedFor) {
    Layout layout;
    for (const int32_t id : {1, 2, 3}) {
        LayoutLevel level;
        level.id = id;
        level.visible = id != 2;
        layout.levels.push_back(level);
    }
    RenderOptions options;
    EXPECT_TRUE(options.showsLevel(layout, 1));
    EXPECT_FALSE(options.showsLevel(layout, 2)) << "switched off";
    EXPECT_TRUE(options.showsLevel(layout, 9)) << "a level the document lacks hides nothing";

    options.onlyLevel = 2;
    EXPECT_FALSE(options.showsLevel(layout, 1));
    EXPECT_TRUE(options.showsLevel(layout, 2)) << "the level asked for, switched off or not";
    EXPECT_FALSE(options.showsLevel(layout, 3));
    EXPECT_TRUE(options.showsLevel(layout, 9));
}

TEST(RenderOptions, GrayscaleTurnsEveryColourIntoItsGreyOfEqualBrightness) {
    EXPECT_EQ(grayOf({255, 0, 0}), (RenderColour{76, 76, 76}));
    EXPECT_EQ(grayOf({0, 255, 0}), (RenderColour{150, 150, 150}));
    EXPECT_EQ(grayOf({0, 0, 255, 100}), (RenderColour{29, 29, 29, 100})) << "alpha kept";
    EXPECT_EQ(grayOf({255, 255, 255}), (RenderColour{255, 255, 255}));
    EXPECT_EQ(grayOf({210, 210, 205}), (RenderColour{209, 209, 209}));

    RenderOptions options;
    EXPECT_EQ(options.tone({40, 100, 200}), (RenderColour{40, 100, 200}));
    options.grayscale = true;
    EXPECT_EQ(options.tone({40, 100, 200}), grayOf({40, 100, 200}));
}
