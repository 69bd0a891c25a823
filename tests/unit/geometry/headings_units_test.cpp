// Heading arithmetic and the unit conversions and display texts.
#include <gtest/gtest.h>

#include "geometry/geometry.h"

#include <limits>
#include <tuple>
#include <vector>

TEST(Headings, NormalizeWrapsIntoZeroTo360AndDifferenceTakesTheShorterWay) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::pair<double, double>> wraps = {
        {-30, 330}, {360, 0}, {725, 5}, {0, 0}, {359.5, 359.5}, {-720, 0}, {inf, 0}, {nan, 0}};
    for (const auto& [in, out] : wraps)
        EXPECT_DOUBLE_EQ(normalizeHeading(in), out) << in;
    const double huge = normalizeHeading(1.0e12 + 45.0);
    EXPECT_TRUE(huge >= 0.0 && huge < 360.0) << huge;

    const std::vector<std::tuple<double, double, double>> gaps = {
        {350, 10, 20}, {10, 350, 20}, {0, 180, 180}, {90, 90, 0}, {0, 270, 90}, {-90, 450, 180}};
    for (const auto& [a, b, gap] : gaps)
        EXPECT_DOUBLE_EQ(headingDifference(a, b), gap) << a << " vs " << b;
}

TEST(Units, ConversionsLabelsAndTexts) {
    struct Row {
        Units units;
        double shown;  // 254 mm in this unit
        const char* label;
        const char* distance;
        const char* coordinates;  // of (254, 25.4)
    };
    const Row rows[] = {
        {Units::Millimetres, 254.0, "mm", "Distance: 254 mm", "254 mm,  25 mm"},
        {Units::Centimetres, 25.4, "cm", "Distance: 25.4 cm", "25.4 cm,  2.5 cm"},
        {Units::Inches, 10.0, "in", "Distance: 10.00 in", "10.00 in,  1.00 in"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_DOUBLE_EQ(toDisplay(254.0, r.units), r.shown);
        EXPECT_DOUBLE_EQ(fromDisplay(r.shown, r.units), 254.0);
        EXPECT_STREQ(unitLabel(r.units), r.label);
        EXPECT_EQ(formatDistance(254.0, r.units), r.distance);
        EXPECT_EQ(formatCoordinates(254.0, 25.4, r.units), r.coordinates);
    }
    EXPECT_EQ(formatCoordinates(254.0, -100.4, Units::Millimetres), "254 mm,  -100 mm");
    EXPECT_EQ(unitsFromInt(1), Units::Centimetres);
    EXPECT_EQ(unitsFromInt(2), Units::Inches);
    // A damaged preferences value falls back to millimetres rather than an invalid unit.
    EXPECT_EQ(unitsFromInt(3), Units::Millimetres);
    EXPECT_EQ(unitsFromInt(-1), Units::Millimetres);
}
