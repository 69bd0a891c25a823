#include "render/screen_ticks.h"

#include <cmath>

namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The members of the strip's visible range for a step of `pixels`.
ScreenSteps stripSteps(double origin, double pixels, const RulerStrip& strip) {
    // Ticks lie strictly beyond the corner.
    const double from = std::nextafter(static_cast<double>(strip.corner), HUGE_VAL);
    return visibleSteps(origin, pixels, from, strip.length, kMaxRulerTicks);
}

// True when every visible label, started labelOffset after its tick, ends a gap before the next
// tick's label starts.
bool labelsFit(const RulerStep& step, Units units, double origin, const RulerStrip& strip,
               const LabelExtent& extent) {
    if (!extent) {
        return true;
    }
    if (!(step.pixels > kRulerLabelGap)) {
        return false;  // no label is that narrow; skip measuring a crowd of ticks
    }
    const ScreenSteps ticks = stripSteps(origin, step.pixels, strip);
    for (int i = 0; i < ticks.count; ++i) {
        const double value = (ticks.firstIndex + i) * step.step;
        if (extent(rulerLabel(value, units)) + kRulerLabelGap > step.pixels) {
            return false;
        }
    }
    return true;
}

}  // namespace

ScreenSteps visibleSteps(double origin, double step, double from, double to, int maxCount) {
    ScreenSteps out;
    if (!(step > 0.0) || !allFinite({origin, step, from, to}) || !(to > from) || maxCount <= 0) {
        return out;
    }
    // fmod is exact, so even an origin billions of pixels away leaves the phase of the members
    // intact; only the range itself is walked.
    const double phase = std::fmod(origin, step);
    const double k = std::ceil((from - phase) / step);
    out.step = step;
    out.first = phase + k * step;
    if (out.first < from) {  // rounding of the division
        out.first += step;
    }
    out.firstIndex = std::round((out.first - origin) / step);
    const double n = std::ceil((to - out.first) / step);
    out.count = n <= 0.0 ? 0 : (n >= maxCount ? maxCount : static_cast<int>(n));
    return out;
}

ScreenSteps gridLines(double origin, double step, int length) {
    return visibleSteps(origin, step, 0.0, length, kMaxGridLines);
}

RulerStep rulerStepForLabels(Units units, double zoom, double origin, const RulerStrip& strip,
                             const LabelExtent& extent) {
    RulerStep step = rulerStep(units, zoom);
    if (!(step.pixels > 0.0) || !std::isfinite(step.pixels)) {
        return step;
    }
    // The candidates from the first one at least 60 px apart, then multiples of the last.
    const std::vector<double>& candidates = rulerCandidateSteps(units);
    std::vector<double> steps;
    for (double c : candidates) {
        if (c >= step.step) {
            steps.push_back(c);
        }
    }
    // Enough multiples to carry labels of any double's width (a 1-2-5 series over 10^60).
    static constexpr double kSeries[] = {2, 5, 10};
    double decade = 1.0;
    for (int i = 0; i < 180; ++i) {
        steps.push_back(candidates.back() * decade * kSeries[i % 3]);
        if (i % 3 == 2) {
            decade *= 10.0;
        }
    }
    for (double candidate : steps) {
        RulerStep trial = step;
        trial.step = candidate;
        trial.pixels = candidate * step.mmPerUnit * zoom;
        if (labelsFit(trial, units, origin, strip, extent)) {
            return trial;
        }
        step = trial;
    }
    return step;
}

std::vector<RulerTick> rulerTicks(const RulerStep& step, Units units, double origin,
                                  const RulerStrip& strip, const LabelExtent& extent) {
    std::vector<RulerTick> out;
    const ScreenSteps ticks = stripSteps(origin, step.pixels, strip);
    out.reserve(static_cast<size_t>(ticks.count));
    for (int i = 0; i < ticks.count; ++i) {
        RulerTick tick;
        tick.pixel = static_cast<int>(ticks.at(i));
        tick.label = rulerLabel((ticks.firstIndex + i) * step.step, units);
        const double end = tick.pixel + strip.labelOffset + (extent ? extent(tick.label) : 0.0);
        if (end > strip.length) {
            tick.label.clear();  // cut at the strip's end it would only be half a number
        }
        out.push_back(std::move(tick));
    }
    return out;
}
