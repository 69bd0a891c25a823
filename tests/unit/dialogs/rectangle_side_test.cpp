// What the Rectangle dialog accepts as a side: one number in the field's range, in the display
// unit; everything else is refused with a message that names the side and the allowed range.

#include <gtest/gtest.h>

#include "dialogs/rectangle_shape.h"

namespace {

std::string problem(const std::string& typed, Units units, const std::string& side = "width") {
    return readRectangleSide(typed, side, units).problem;
}

double mm(const std::string& typed, Units units) {
    const RectangleSideEntry entry = readRectangleSide(typed, "width", units);
    EXPECT_EQ(entry.problem, "") << typed;
    return entry.mm;
}

}  // namespace

TEST(RectangleSide, LettersEmptyZeroNegativeAndHugeSizesAreRefusedWithTheRange) {
    const std::string range = "\n\nThe width can be from 10 to 20000 mm.";
    const auto mmProblem = [](const std::string& typed) {
        return problem(typed, Units::Millimetres);
    };
    EXPECT_EQ(mmProblem("abc"), "The width \"abc\" is not a number." + range);
    EXPECT_EQ(mmProblem("12abc"), "The width \"12abc\" is not a number." + range);
    EXPECT_EQ(mmProblem("1.2.3"), "The width \"1.2.3\" is not a number." + range);
    EXPECT_EQ(mmProblem("nan"), "The width \"nan\" is not a number." + range);
    EXPECT_EQ(mmProblem("-inf"), "The width \"-inf\" is not a number." + range);
    EXPECT_EQ(mmProblem(""), "Please enter the width." + range);
    EXPECT_EQ(mmProblem(" \t "), "Please enter the width." + range);
    EXPECT_EQ(mmProblem("0"), "The width 0 mm is too small." + range);
    EXPECT_EQ(mmProblem("-250"), "The width -250 mm is too small." + range);
    EXPECT_EQ(mmProblem(" 9.4 "), "The width 9.4 mm is too small." + range);
    EXPECT_EQ(mmProblem("20001"), "The width 20001 mm is too large." + range);
    EXPECT_EQ(mmProblem("1e20"), "The width 1e20 mm is too large." + range);
    EXPECT_EQ(problem("0", Units::Millimetres, "height"),
              "The height 0 mm is too small.\n\nThe height can be from 10 to 20000 mm.");
    EXPECT_EQ(mmProblem(std::string(200, '7') + "x"),
              "The width \"" + std::string(30, '7') + "...\" is not a number." + range)
        << "a pasted page is cut short";
}

TEST(RectangleSide, EachUnitStatesItsOwnRange) {
    EXPECT_EQ(problem("0,5", Units::Centimetres),
              "The width 0,5 cm is too small.\n\nThe width can be from 1 to 2000 cm.");
    EXPECT_EQ(problem("2000.1", Units::Centimetres),
              "The width 2000.1 cm is too large.\n\nThe width can be from 1 to 2000 cm.");
    // 20000 mm are 787.40157 inches; the message names what two decimals can hold.
    EXPECT_EQ(problem("787.41", Units::Inches),
              "The width 787.41 in is too large.\n\nThe width can be from 0.5 to 787.4 in.");
    EXPECT_EQ(problem("0.49", Units::Inches),
              "The width 0.49 in is too small.\n\nThe width can be from 0.5 to 787.4 in.");
}

TEST(RectangleSide, NumbersInRangeBecomeMillimetresAtTheFieldsPrecision) {
    EXPECT_DOUBLE_EQ(mm("1000", Units::Millimetres), 1000.0);
    EXPECT_DOUBLE_EQ(mm(" 250.4 ", Units::Millimetres), 250.0) << "whole millimetres";
    EXPECT_DOUBLE_EQ(mm("9.6", Units::Millimetres), 10.0) << "rounds up to the minimum";
    EXPECT_DOUBLE_EQ(mm("+20000", Units::Millimetres), 20000.0);
    EXPECT_DOUBLE_EQ(mm("12,5", Units::Centimetres), 125.0) << "a comma as decimal separator";
    EXPECT_DOUBLE_EQ(mm("60.04", Units::Centimetres), 600.0) << "one decimal in cm";
    EXPECT_DOUBLE_EQ(mm("0.5", Units::Inches), 12.7);
    EXPECT_DOUBLE_EQ(mm("787.40", Units::Inches), 787.4 * 25.4);
    EXPECT_DOUBLE_EQ(mm("1e3", Units::Millimetres), 1000.0);
}
