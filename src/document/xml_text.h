#pragma once
// Lexical helpers shared by the layout and block formats: numbers in the C locale, the entity
// rules for text values, and the attribute look-up of the line-based reader.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xml_text {

/// Appends `value` in fixed notation with exactly four decimals and a '.' separator, whatever the
/// process locale ("1.5000", "-7.5000"). Non-finite values are written as "0.0000" so that a saved
/// file can always be read back.
void appendReal(std::string& out, double value);

/// Appends a signed decimal integer without leading zeros or plus sign.
void appendInt(std::string& out, int64_t value);

/// Appends an unsigned 32-bit identifier as the signed value of its bits (0xFFFFFFFF is "-1").
inline void appendId(std::string& out, uint32_t id) {
    appendInt(out, static_cast<int32_t>(id));
}

/// Appends `text` with "&", "<", ">" and the double quote replaced by their entities. Line feeds
/// and carriage returns become "&#10;" and "&#13;", because the reader works line by line. Bytes
/// that are not part of UTF-8 are written as their Latin-1 characters.
void appendEscaped(std::string& out, std::string_view text);

/// Turns the entities written by appendEscaped back into characters; anything else stays as is.
std::string decodeEntities(std::string_view text);

/// Where an attribute value was found on a line.
enum class AttrState { Missing, Unterminated, Present };

/// The raw (still encoded) value of attribute `name` on `line`: the text after the first
/// occurrence of blank + name + "=\"" up to the next double quote. Names match whole, so "r"
/// is not found inside "trackcolor", and occurrences inside another attribute's quoted value
/// do not count.
struct RawAttr {
    AttrState state = AttrState::Missing;
    std::string_view value;
};
RawAttr findAttr(std::string_view line, std::string_view name);

/// Outcome of reading a number from the start of a value.
enum class NumberStatus { Ok, NotANumber, OutOfRange, NotFinite };

/// Reads an integer from the start of `value` as far as it goes (leading blanks and trailing text
/// are ignored); OutOfRange when it lies outside [lo, hi].
NumberStatus parseInteger(std::string_view value, int64_t lo, int64_t hi, int64_t& out);

/// Reads a finite real from the start of `value` as far as it goes, '.' as decimal separator.
NumberStatus parseReal(std::string_view value, double& out);

}  // namespace xml_text
