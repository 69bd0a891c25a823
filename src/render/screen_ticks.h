#pragma once
// Evenly spaced marks on the screen, grid lines and ruler ticks, found from the visible range
// alone: their number follows the pixels on screen and never the layout's extent, so a piece a
// long way off cannot make a paint walk from the layout origin to it. Also the ruler steps whose
// tick labels leave room for each other and the ticks of one ruler strip.

#include <functional>
#include <string>
#include <vector>

#include "geometry/geometry.h"
#include "render/render_rules.h"

/// The members of origin + k * step (pixels, k any whole number) that lie in a pixel range.
struct ScreenSteps {
    double first = 0.0;       ///< pixel of the first member in the range
    double step = 0.0;        ///< pixels between two members
    double firstIndex = 0.0;  ///< k of the first member
    int count = 0;            ///< members in the range, at most the cap asked for

    double at(int i) const { return first + i * step; }
};

/// Most grid lines drawn along one axis, and most ticks along one ruler strip.
inline constexpr int kMaxGridLines = 1024;
inline constexpr int kMaxRulerTicks = 256;
/// Pixels kept free between the end of one ruler label and the start of the next.
inline constexpr double kRulerLabelGap = 6.0;

/// The members of origin + k * step in [from, to), at most `maxCount` of them, computed without
/// walking from the origin. None when the step is not positive or a value is not finite.
ScreenSteps visibleSteps(double origin, double step, double from, double to, int maxCount);

/// The grid lines along one axis: every `step` pixels (see gridPixelStep) through the screen
/// position `origin` of the layout origin, over [0, length) pixels.
ScreenSteps gridLines(double origin, double step, int length);

/// Extent of a label along its ruler strip, in pixels (a text's width along the top strip).
using LabelExtent = std::function<double(const std::string& label)>;

/// Where one ruler strip's ticks and labels lie.
struct RulerStrip {
    int corner = 0;       ///< ticks lie beyond this pixel (the other strip is there)
    int length = 0;       ///< pixels along the strip
    int labelOffset = 0;  ///< pixels from a tick to the start of its label
};

/// The step of one ruler strip: the first candidate of rulerStep at least 60 px apart whose
/// visible labels, with the gap, fit between two ticks; beyond the last candidate its multiples
/// by 2, 5, 10, 20, 50 ... until they fit. The origin is the screen position of the layout origin.
RulerStep rulerStepForLabels(Units units, double zoom, double origin, const RulerStrip& strip,
                             const LabelExtent& extent);

/// One tick of a ruler strip.
struct RulerTick {
    int pixel = 0;      ///< along the strip, truncated toward zero
    std::string label;  ///< empty when the label would run past the strip's end
};

/// The ticks of one ruler strip every `step`, at most kMaxRulerTicks, each labelled with its value
/// in displayed units unless the label would run past the strip's end.
std::vector<RulerTick> rulerTicks(const RulerStep& step, Units units, double origin,
                                  const RulerStrip& strip, const LabelExtent& extent);
