// Shape Properties and Resize Scenery without a window: first values, typed numbers refused with
// their range, the locked aspect ratio, and OK as one undo step.

#include <gtest/gtest.h>

#include "dialogs/resize_scenery.h"
#include "dialogs/shape_properties.h"

TEST(ShapePropertiesModel, OpacityAndHeightInTheUnitAreStoredInOneStep) {
    Layout layout;
    LayoutEditor editor(layout);
    FreeShape shape;
    shape.id = layout.AllocateId();
    shape.a = 128;
    shape.height = 25.4;
    shape.label = "Pond";
    layout.shapes.push_back(shape);

    ShapeProperties p = shapeProperties(shape);
    EXPECT_EQ(opacityPercent(p.alpha), 50);
    EXPECT_EQ(p.name, "Pond");
    EXPECT_FALSE(applyShapeProperties(editor, shape.id, p)) << "nothing to change";
    EXPECT_TRUE(layout.undoStack.empty());

    const TypedAmount height = readTypedAmount("2,5", shapeHeightField(Units::Inches));
    ASSERT_EQ(height.problem, "");
    p.heightMm = fromDisplay(height.value, Units::Inches);
    p.alpha = alphaFromPercent(30);
    p.colour = {10, 20, 30};
    p.outline = false;
    p.name = "Lake";
    EXPECT_TRUE(applyShapeProperties(editor, shape.id, p));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    const FreeShape& stored = layout.shapes[0];
    EXPECT_DOUBLE_EQ(stored.height, 63.5);
    EXPECT_EQ(stored.a, 77);  // round(30 * 255 / 100)
    EXPECT_EQ((Rgb{stored.r, stored.g, stored.b}), (Rgb{10, 20, 30}));
    EXPECT_FALSE(stored.outline);
    EXPECT_EQ(stored.label, "Lake");
}

TEST(ShapePropertiesModel, LettersNegativeAndHugeNumbersAreRefusedWithTheRange) {
    EXPECT_EQ(readTypedAmount("abc", shapeOpacityField()).problem,
              "The opacity \"abc\" is not a number.\n\nThe opacity can be from 0 to 100 %.");
    EXPECT_EQ(readTypedAmount("101", shapeOpacityField()).problem,
              "The opacity 101 % is too large.\n\nThe opacity can be from 0 to 100 %.");
    const std::string cm = "\n\nThe height can be from 0 to 5000 cm.";
    EXPECT_EQ(readTypedAmount("-5", shapeHeightField(Units::Centimetres)).problem,
              "The height -5 cm is too small." + cm);
    EXPECT_EQ(readTypedAmount("1e9", shapeHeightField(Units::Centimetres)).problem,
              "The height 1e9 cm is too large." + cm);
    EXPECT_EQ(shapeHeightField(Units::Inches).decimals, 2);
    EXPECT_EQ(shapeHeightField(Units::Millimetres).decimals, 1);
}

TEST(SceneryResizeModel, SizesFollowTheScalesAndALockedRatioMovesBothScales) {
    SceneryItem item;
    item.scalex = 1.5;
    SceneryResize resize(item, 100.0, 50.0);
    EXPECT_EQ(resize.sizeLine(), "Catalog size: 100 x 50 mm    Current: 150 x 50 mm");
    EXPECT_EQ(resize.resultText(SceneryAxis::Width), "(= 150 mm)");

    resize.setScale(SceneryAxis::Depth, 2.0);
    EXPECT_DOUBLE_EQ(resize.scale(SceneryAxis::Width), 1.5) << "unlocked: the width stays";
    resize.lockAspect = true;
    resize.setScale(SceneryAxis::Width, 3.0);
    EXPECT_DOUBLE_EQ(resize.scale(SceneryAxis::Depth), 4.0);
    EXPECT_EQ(resize.resultText(SceneryAxis::Depth), "(= 200 mm)");
    resize.setScale(SceneryAxis::Width, 9.0);
    EXPECT_DOUBLE_EQ(resize.scale(SceneryAxis::Depth), 10.0) << "kept within the range";
    EXPECT_EQ(resize.sizeLine(), "Catalog size: 100 x 50 mm    Current: 150 x 50 mm");

    resize.reset();
    EXPECT_DOUBLE_EQ(resize.scale(SceneryAxis::Width), 1.0);
    EXPECT_DOUBLE_EQ(resize.scale(SceneryAxis::Depth), 1.0);
    EXPECT_EQ(readTypedAmount("0", sceneryScaleField(SceneryAxis::Width)).problem,
              "The width scale 0 is too small.\n\nThe width scale can be from 0.1 to 10.");
}
