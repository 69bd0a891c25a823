#pragma once
// Text in memory and in files is UTF-8. Files written by older programs or other editors may
// carry names in Latin-1, and file names on disk may be any bytes; these helpers turn such text
// into valid UTF-8 without losing what can be read of it.

#include <string>
#include <string_view>

/// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates, nothing above
/// U+10FFFF).
bool isValidUtf8(std::string_view text);

/// `text` with every byte that is not part of a well-formed UTF-8 sequence replaced by the
/// Latin-1 character of that byte ("S\xfcd" becomes "Süd"). Valid UTF-8 comes back unchanged.
std::string utf8WithLatin1Fallback(std::string_view text);

/// At most the first `maxBytes` bytes of the UTF-8 `text`, cut before a character rather than
/// inside one.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);
