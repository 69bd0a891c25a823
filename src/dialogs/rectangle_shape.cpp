#include "dialogs/rectangle_shape.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "edit/edit.h"

#include "document/layout.h"

namespace {

// A number as the field shows it: `decimals` places at most, without trailing zeros.
std::string formatAmount(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

// The whole of `text` as one finite decimal number; "," may stand for the decimal point.
std::optional<double> parseAmount(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string number(text);
    if (number.find('.') == std::string::npos) {
        if (const size_t comma = number.find(','); comma != std::string::npos) {
            number[comma] = '.';
        }
    }
    double value = 0.0;
    const char* end = number.data() + number.size();
    const auto result = std::from_chars(number.data(), end, value, std::chars_format::general);
    if (number.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

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
    const size_t first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {0.0, "Please enter the " + side + "." + allowed};
    }
    const std::string text = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
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
