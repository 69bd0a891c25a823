#include "dialogs/rectangle_shape.h"

#include <cmath>

#include "geometry/typed_number.h"
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

RectangleSideEntry readRectangleSide(const std::string& typed, const std::string& side,
                                     Units units) {
    const RectangleFieldRange range = rectangleFieldRange(units);
    const double scale = std::pow(10.0, range.decimals);
    // The range as the message states it lies inside the range that is accepted.
    const std::string unit = unitLabel(units);
    const std::string allowed =
        "\n\nThe " + side + " can be from " +
        formatAmount(std::ceil(range.minimum * scale) / scale, range.decimals) + " to " +
        formatAmount(std::floor(range.maximum * scale) / scale, range.decimals) + " " + unit + ".";
    const std::string text(trimBlanks(typed));
    if (text.empty()) {
        return {0.0, "Please enter the " + side + "." + allowed};
    }
    // A pasted page of text is cut short in the message.
    constexpr size_t kShown = 30;
    const std::string shown = text.size() > kShown ? text.substr(0, kShown) + "..." : text;
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return {0.0, "The " + side + " \"" + shown + "\" is not a number." + allowed};
    }
    const double rounded = std::round(*amount * scale) / scale;
    if (rounded < range.minimum || rounded > range.maximum) {
        const char* verdict = rounded < range.minimum ? "too small" : "too large";
        return {0.0, "The " + side + " " + shown + " " + unit + " is " + verdict + "." + allowed};
    }
    return {fromDisplay(rounded, units), {}};
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
