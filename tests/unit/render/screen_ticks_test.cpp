// Grid lines and ruler ticks found from the visible range: their number follows the screen, the
// ruler steps leave room for their labels, and no label is cut at a strip's end.
#include "render/screen_ticks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

// A label as wide as 6 px per character, the ruler font's digits give about that.
double sixPerChar(const std::string& label) {
    return 6.0 * static_cast<double>(label.size());
}

const RulerStrip kTop{19, 800, 2};

}  // namespace

TEST(ScreenSteps, MembersOfTheRangeOnlyFoundWithoutWalkingFromTheOrigin) {
    const ScreenSteps s = visibleSteps(60.0, 10.0, 0.0, 100.0, 1000);
    EXPECT_DOUBLE_EQ(s.first, 0.0);
    EXPECT_DOUBLE_EQ(s.firstIndex, -6.0);
    EXPECT_EQ(s.count, 10);
    EXPECT_DOUBLE_EQ(s.at(9), 90.0);

    const ScreenSteps negative = visibleSteps(-37.0, 10.0, 0.0, 25.0, 1000);
    EXPECT_DOUBLE_EQ(negative.first, 3.0);
    EXPECT_DOUBLE_EQ(negative.firstIndex, 4.0);
    EXPECT_EQ(negative.count, 3) << "3, 13 and 23";

    // The layout origin 1e18 px to the left: the members still lie 10 px apart from the range's
    // start, and only the range's are counted.
    const ScreenSteps far = visibleSteps(-1e18, 10.0, 0.0, 800.0, 1000);
    EXPECT_GE(far.first, 0.0);
    EXPECT_LT(far.first, 10.0);
    EXPECT_EQ(far.count, 80);
    EXPECT_DOUBLE_EQ(far.firstIndex, 1e17);
}

TEST(ScreenSteps, CountIsCappedAndNonsenseGivesNone) {
    EXPECT_EQ(visibleSteps(0.0, 1e-9, 0.0, 800.0, 50).count, 50) << "a step far below a pixel";
    EXPECT_EQ(gridLines(0.0, 1e-12, 800).count, kMaxGridLines);
    EXPECT_EQ(visibleSteps(0.0, 0.0, 0.0, 800.0, 50).count, 0);
    EXPECT_EQ(visibleSteps(0.0, -5.0, 0.0, 800.0, 50).count, 0);
    EXPECT_EQ(visibleSteps(NAN, 10.0, 0.0, 800.0, 50).count, 0);
    EXPECT_EQ(visibleSteps(INFINITY, 10.0, 0.0, 800.0, 50).count, 0);
    EXPECT_EQ(visibleSteps(0.0, INFINITY, 0.0, 800.0, 50).count, 0);
    EXPECT_EQ(visibleSteps(0.0, 10.0, 800.0, 0.0, 50).count, 0) << "empty range";
}

TEST(RulerSteps, FirstCandidateWhereLabelsFitOtherwiseLargerOnes) {
    // Millimetres at zoom 0.4: 200 mm is 80 px, room for the labels near the origin.
    const RulerStep near = rulerStepForLabels(Units::Millimetres, 0.4, 60.0, kTop, sixPerChar);
    EXPECT_DOUBLE_EQ(near.step, 200.0);
    EXPECT_DOUBLE_EQ(near.pixels, 80.0);
    // Zoomed out to 0.05 the last candidate, 500 mm, is 25 px: four-digit labels need 30 px,
    // so the step grows to 1000 mm (50 px).
    const RulerStep out = rulerStepForLabels(Units::Millimetres, 0.05, 60.0, kTop, sixPerChar);
    EXPECT_DOUBLE_EQ(out.step, 1000.0);
    // The same zoom in inches fits with a candidate of the list.
    const RulerStep inches = rulerStepForLabels(Units::Inches, 0.05, 60.0, kTop, sixPerChar);
    EXPECT_DOUBLE_EQ(inches.step, 48.0) << "48 in is 61 px";
    // Far from the origin the labels have many digits and the ticks make room for them.
    const RulerStep far = rulerStepForLabels(Units::Millimetres, 1.0, -1e15, kTop, sixPerChar);
    const std::vector<RulerTick> ticks =
        rulerTicks(far, Units::Millimetres, -1e15, kTop, sixPerChar);
    ASSERT_GE(ticks.size(), 2u);
    for (size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i].pixel - ticks[i - 1].pixel,
                  sixPerChar(ticks[i - 1].label) + kRulerLabelGap - 1)
            << "label " << ticks[i - 1].label << " runs into the next";
    }
}

TEST(RulerSteps, TicksAreCappedAndTheLastLabelIsNotCut) {
    const RulerStep step = rulerStep(Units::Centimetres, 0.4);  // 20 cm, 80 px
    const RulerStrip strip{19, 300, 2};
    const std::vector<RulerTick> ticks =
        rulerTicks(step, Units::Centimetres, 60.0, strip, sixPerChar);
    // Ticks at 60, 140, 220 and 300 is past the end.
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[0].pixel, 60);
    EXPECT_EQ(ticks[0].label, "0");
    EXPECT_EQ(ticks[2].pixel, 220);
    EXPECT_EQ(ticks[2].label, "40");
    // A strip ending at 230 leaves no room for "40" (2 + 12 px after its tick).
    const std::vector<RulerTick> shorter =
        rulerTicks(step, Units::Centimetres, 60.0, {19, 230, 2}, sixPerChar);
    ASSERT_EQ(shorter.size(), 3u);
    EXPECT_EQ(shorter[2].label, "") << "tick kept, label left out";
    EXPECT_EQ(shorter[1].label, "20");
    // Ticks beyond the corner only: the origin at 19 px has none.
    EXPECT_EQ(rulerTicks(step, Units::Centimetres, 19.0, strip, sixPerChar).front().pixel, 99);

    RulerStep tiny = step;
    tiny.pixels = 1e-6;
    EXPECT_EQ(rulerTicks(tiny, Units::Centimetres, 0.0, strip, sixPerChar).size(),
              static_cast<size_t>(kMaxRulerTicks));
}

TEST(RulerSteps, AHugeOffsetOrAnUnusableZoomReturnsPromptly) {
    const auto start = std::chrono::steady_clock::now();
    for (double origin : {-1e18, 1e18, -1e300, 3.4e18}) {
        const RulerStep s = rulerStepForLabels(Units::Millimetres, 3.4, origin, kTop, sixPerChar);
        EXPECT_LE(rulerTicks(s, Units::Millimetres, origin, kTop, sixPerChar).size(), 16u);
    }
    for (double zoom : {0.0, -1.0, 1e-300, static_cast<double>(NAN), 1e300}) {
        const RulerStep s = rulerStepForLabels(Units::Inches, zoom, 60.0, kTop, sixPerChar);
        EXPECT_LE(rulerTicks(s, Units::Inches, 60.0, kTop, sixPerChar).size(),
                  static_cast<size_t>(kMaxRulerTicks));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0);
}
