#include "dialogs/typed_amount.h"

#include <cmath>
#include <optional>

#include "geometry/typed_number.h"

TypedAmount readTypedAmount(const std::string& typed, const AmountField& field) {
    const double scale = std::pow(10.0, field.decimals);
    const std::string unit = field.unit.empty() ? std::string() : " " + field.unit;
    // The range as the message states it lies inside the range that is accepted.
    const std::string allowed =
        "\n\nThe " + field.name + " can be from " +
        formatAmount(std::ceil(field.minimum * scale) / scale, field.decimals) + " to " +
        formatAmount(std::floor(field.maximum * scale) / scale, field.decimals) + unit + ".";
    const std::string text(trimBlanks(typed));
    if (text.empty()) {
        return {0.0, "Please enter the " + field.name + "." + allowed};
    }
    // A pasted page of text is cut short in the message.
    constexpr size_t kShown = 30;
    const std::string shown = text.size() > kShown ? text.substr(0, kShown) + "..." : text;
    const std::optional<double> amount = parseAmount(text);
    if (!amount) {
        return {0.0, "The " + field.name + " \"" + shown + "\" is not a number." + allowed};
    }
    const double rounded = std::round(*amount * scale) / scale;
    if (rounded < field.minimum || rounded > field.maximum) {
        const char* verdict = rounded < field.minimum ? "too small" : "too large";
        return {0.0, "The " + field.name + " " + shown + unit + " is " + verdict + "." + allowed};
    }
    return {rounded, {}};
}
