#include "dialogs/resize_scenery.h"

#include <algorithm>
#include <cstdio>

namespace {

double inRange(double scale) {
    return std::clamp(scale, kSceneryScaleMin, kSceneryScaleMax);
}

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0, double d = 0.0) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
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
    return format("Catalog size: %.0f x %.0f mm    Current: %.0f x %.0f mm", m_catalog[0],
                  m_catalog[1], m_opened[0], m_opened[1]);
}

std::string SceneryResize::resultText(SceneryAxis axis) const {
    return format("(= %.0f mm)", m_catalog[index(axis)] * scale(axis));
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
