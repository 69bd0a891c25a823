#include "dialogs/shape_properties.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "edit/edit.h"

ShapeProperties shapeProperties(const FreeShape& shape) {
    return {shape.label, Rgb{shape.r, shape.g, shape.b}, shape.a, shape.height, shape.outline};
}

int opacityPercent(uint8_t alpha) {
    return static_cast<int>(std::lround(alpha * 100.0 / 255.0));
}

uint8_t alphaFromPercent(double percent) {
    return static_cast<uint8_t>(std::lround(std::clamp(percent, 0.0, 100.0) * 255.0 / 100.0));
}

AmountField shapeOpacityField() {
    return {"opacity", 0.0, 100.0, 0, "%"};
}

AmountField shapeHeightField(Units units) {
    return {"height", 0.0, 5000.0, units == Units::Inches ? 2 : 1, unitLabel(units)};
}

bool applyShapeProperties(LayoutEditor& editor, uint32_t id, const ShapeProperties& properties) {
    const FreeShape* shape = editor.layout().FindShape(id);
    if (shape == nullptr) {
        return false;
    }
    FreeShape wanted = *shape;
    wanted.label = properties.name;
    wanted.r = properties.colour.r;
    wanted.g = properties.colour.g;
    wanted.b = properties.colour.b;
    wanted.a = properties.alpha;
    wanted.height = properties.heightMm;
    wanted.outline = properties.outline;
    const auto shown = [](const FreeShape& s) {
        return std::tie(s.label, s.r, s.g, s.b, s.a, s.height, s.outline);
    };
    if (shown(wanted) == shown(*shape)) {
        return false;
    }
    Edit edit(editor);
    *edit.change().FindShape(id) = std::move(wanted);
    return true;
}
