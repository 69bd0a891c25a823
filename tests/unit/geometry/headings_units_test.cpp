// Heading arithmetic and the unit conversions and display texts.
#include <gtest/gtest.h>

#include "geometry/geometry.h"

#include <limits>

TEST(NormalizeHeading, WrapsIntoZeroTo360) {
    EXPECT_DOUBLE_EQ(normalizeHeading(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(360.0), 0.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(725.0), 5.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(0.0), 0.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(359.5), 359.5);
    EXPECT_DOUBLE_EQ(normalizeHeading(-720.0), 0.0);
}

TEST(NormalizeHeading, HugeAndNonFiniteValuesStillLandInRange) {
    const double h = normalizeHeading(1.0e12 + 45.0);
    EXPECT_GE(h, 0.0);
    EXPECT_LT(h, 360.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_DOUBLE_EQ(normalizeHeading(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(HeadingDifference, TakesTheShorterWayRound) {
    EXPECT_DOUBLE_EQ(headingDifference(350.0, 10.0), 20.0);
    EXPECT_DOUBLE_EQ(headingDifference(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(headingDifference(0.0, 180.0), 180.0);
    EXPECT_DOUBLE_EQ(headingDifference(90.0, 90.0), 0.0);
    EXPECT_DOUBLE_EQ(headingDifference(0.0, 270.0), 90.0);
    EXPECT_DOUBLE_EQ(headingDifference(-90.0, 450.0), 180.0);
}

TEST(Units, ConvertMillimetresBothWays) {
    EXPECT_DOUBLE_EQ(toDisplay(254.0, Units::Millimetres), 254.0);
    EXPECT_DOUBLE_EQ(toDisplay(254.0, Units::Centimetres), 25.4);
    EXPECT_DOUBLE_EQ(toDisplay(254.0, Units::Inches), 10.0);
    EXPECT_DOUBLE_EQ(fromDisplay(10.0, Units::Inches), 254.0);
    EXPECT_DOUBLE_EQ(fromDisplay(25.4, Units::Centimetres), 254.0);
    EXPECT_DOUBLE_EQ(fromDisplay(7.0, Units::Millimetres), 7.0);
}

TEST(Units, LabelsAndStoredIntegers) {
    EXPECT_STREQ(unitLabel(Units::Millimetres), "mm");
    EXPECT_STREQ(unitLabel(Units::Centimetres), "cm");
    EXPECT_STREQ(unitLabel(Units::Inches), "in");
    EXPECT_EQ(unitsFromInt(0), Units::Millimetres);
    EXPECT_EQ(unitsFromInt(1), Units::Centimetres);
    EXPECT_EQ(unitsFromInt(2), Units::Inches);
    // A damaged preferences value falls back to millimetres rather than an invalid unit.
    EXPECT_EQ(unitsFromInt(3), Units::Millimetres);
    EXPECT_EQ(unitsFromInt(-1), Units::Millimetres);
}

TEST(Units, DistanceTextUsesDecimalsOfEachUnit) {
    EXPECT_EQ(formatDistance(254.0, Units::Millimetres), "Distance: 254 mm");
    EXPECT_EQ(formatDistance(254.0, Units::Centimetres), "Distance: 25.4 cm");
    EXPECT_EQ(formatDistance(254.0, Units::Inches), "Distance: 10.00 in");
}

TEST(Units, CoordinateTextHasTwoBlanksBetweenTheValues) {
    EXPECT_EQ(formatCoordinates(254.0, -100.4, Units::Millimetres), "254 mm,  -100 mm");
    EXPECT_EQ(formatCoordinates(254.0, 12.0, Units::Centimetres), "25.4 cm,  1.2 cm");
    EXPECT_EQ(formatCoordinates(254.0, 25.4, Units::Inches), "10.00 in,  1.00 in");
}
