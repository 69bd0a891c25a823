#pragma once
// Numbers as the user types them into fields and as fields show them.

#include <optional>
#include <string>
#include <string_view>

/// The whole of `text` as one finite decimal number: a leading "+" allowed, and "," standing for
/// the decimal point when the text has no ".". Nothing else may surround it.
std::optional<double> parseAmount(std::string_view text);

/// `value` with `decimals` places at most and without trailing zeros ("2.5", "1200").
std::string formatAmount(double value, int decimals);

/// `text` without blanks, tabs and line ends at both ends.
std::string_view trimBlanks(std::string_view text);
