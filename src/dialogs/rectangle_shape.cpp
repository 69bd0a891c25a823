#include "dialogs/rectangle_shape.h"

#include <cmath>

#include "edit/edit.h"

#include "document/layout.h"

RectangleFieldRange rectangleFieldRange(Units units) {
    switch (units) {
        case Units::Centimetres:
            return {1.0, 2000.0, 1};
        case Units::Inches:
            return {0.5, 20000.0 / 25.4, 2};
        case Units::Millimetres:
            break;
    }
    return {10.0, 20000.0, 0};
}

AmountField rectangleSideField(const std::string& side, Units units) {
    const RectangleFieldRange range = rectangleFieldRange(units);
    return {side, range.minimum, range.maximum, range.decimals, unitLabel(units)};
}

RectangleSideEntry readRectangleSide(const std::string& typed, const std::string& side,
                                     Units units) {
    const TypedAmount amount = readTypedAmount(typed, rectangleSideField(side, units));
    if (!amount.problem.empty()) {
        return {0.0, amount.problem};
    }
    return {fromDisplay(amount.value, units), {}};
}

int32_t rectangleLevel(const Layout& layout) {
    const LayoutLevel* best = nullptr;
    for (const LayoutLevel& level : layout.levels) {
        // Strictly greater keeps the first of equal heights.
        if (level.visible && (best == nullptr || level.height > best->height)) {
            best = &level;
        }
    }
    return best != nullptr ? best->id : layout.activeLevel;
}

bool addRectangleShape(LayoutEditor& editor, Vec2 centre, double widthMm, double heightMm) {
    if (!(widthMm > 0.0) || !(heightMm > 0.0)) {
        return false;
    }
    Edit edit(editor);
    FreeShape shape;
    shape.level = rectangleLevel(editor.layout());
    const double hw = widthMm / 2.0;
    const double hh = heightMm / 2.0;
    shape.vertices = {{centre.x - hw, centre.y - hh},
                      {centre.x + hw, centre.y - hh},
                      {centre.x + hw, centre.y + hh},
                      {centre.x - hw, centre.y + hh}};
    edit.addShape(std::move(shape));
    return true;
}
