#pragma once
// A number typed into a dialog field, read with a message that says what is wrong: the field's
// name, what was typed and the range it allows.

#include <string>

/// What one field accepts, in the unit it shows.
struct AmountField {
    std::string name;  ///< "width", "opacity"; starts the messages
    double minimum = 0.0;
    double maximum = 0.0;
    int decimals = 0;  ///< the typed number is rounded to these places first
    std::string unit;  ///< "mm", "%"; empty for a plain number
};

/// One typed amount: its value in the field's unit, or the message that refuses it.
struct TypedAmount {
    double value = 0.0;   ///< meaningful only when `problem` is empty
    std::string problem;  ///< empty when accepted
};

/// Reads `typed`: one decimal number with "." or "," as separator and blanks around it allowed,
/// rounded to the field's decimals. Refused with a message that names the field and its range:
/// an empty text ("Please enter the width."), anything that is not one number ("abc", "12abc",
/// "nan") and a number outside the range ("too small", "too large").
TypedAmount readTypedAmount(const std::string& typed, const AmountField& field);
