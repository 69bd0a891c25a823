#include "dialogs/resize_scenery.h"

#include <algorithm>
#include <cstdio>

namespace {

double inRange(double scale) {
    return std::clamp(scale, kSceneryScaleMin, kSceneryScaleMax);
}

/// A size in whole millimetres, without the unit.
std::string wholeMm(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", mm);
    return text;
}

}  // namespace

AmountField sceneryScaleField(SceneryAxis axis) {
    return {axis == SceneryAxis::Width ? "width scale" : "depth scale", kSceneryScaleMin,
            kSceneryScaleMax, kSceneryScaleDecimals, ""};
}

SceneryResize::SceneryResize(const SceneryItem& item, double catalogWidth, double catalogDepth)
    : m_catalog{catalogWidth, catalogDepth},
      m_opened{catalogWidth * item.scalex, catalogDepth * item.scaley},
      m_scale{item.scalex, item.scaley} {}

std::string SceneryResize::sizeLine() const {
    return "Catalog size: " + wholeMm(m_catalog[0]) + " x " + wholeMm(m_catalog[1]) +
           " mm    Current: " + wholeMm(m_opened[0]) + " x " + wholeMm(m_opened[1]) + " mm";
}

std::string SceneryResize::resultText(SceneryAxis axis) const {
    return "(= " + wholeMm(m_catalog[index(axis)] * scale(axis)) + " mm)";
}

void SceneryResize::setScale(SceneryAxis axis, double scale) {
    const int own = index(axis);
    const int other = 1 - own;
    const double before = m_scale[own];
    m_scale[own] = inRange(scale);
    if (lockAspect && before > 0.0) {
        m_scale[other] = inRange(m_scale[other] * m_scale[own] / before);
    }
}

void SceneryResize::reset() {
    m_scale[0] = 1.0;
    m_scale[1] = 1.0;
}
