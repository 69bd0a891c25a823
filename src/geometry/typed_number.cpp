#include "geometry/typed_number.h"

#include <charconv>
#include <cmath>
#include <cstdio>

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

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}
