#include "render/render_options.h"

#include <cmath>

bool RenderOptions::showsLevel(const Layout& layout, int32_t levelId) const {
    const LayoutLevel* level = layout.FindLevel(levelId);
    if (level == nullptr) {
        return true;
    }
    return onlyLevel ? levelId == *onlyLevel : level->visible;
}

RenderColour RenderOptions::tone(RenderColour c) const {
    return grayscale ? grayOf(c) : c;
}

RenderOptions canvasRenderOptions(const Layout& layout) {
    RenderOptions o;
    o.showGrid = layout.showGrid;
    o.gridSpacing = layout.gridSpacing;
    o.showLabels = layout.showLabels;
    o.showRails = layout.showRails;
    o.showBaseboard = layout.showBaseboard;
    return o;
}

RenderOptions pictureRenderOptions(const Layout& layout) {
    RenderOptions o = canvasRenderOptions(layout);
    o.showSelection = false;
    o.showGrid = false;
    return o;
}

RenderOptions iconRenderOptions() {
    RenderOptions o;
    o.showSelection = false;
    o.showGrid = false;
    o.showLabels = false;
    o.showRails = false;
    return o;
}

RenderColour grayOf(RenderColour c) {
    const auto v = static_cast<uint8_t>(std::lround(0.299 * c.r + 0.587 * c.g + 0.114 * c.b));
    return {v, v, v, c.a};
}
