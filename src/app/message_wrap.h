#pragma once
// Message boxes size themselves to their longest unbreakable stretch of text, so a long layout
// name or path typed without blanks would make a box wider than the screen. The boxes show their
// text through this helper; the texts themselves (stored, logged, compared) stay as they are.

#include <string>
#include <string_view>

/// The usual longest stretch shown without a break, in characters.
inline constexpr size_t kMessageWrapWidth = 60;

/// `text` with a line break inserted into every word (a run without blanks, tabs or line breaks)
/// of more than `width` characters, so that no line of such a word is longer than `width`. A
/// break goes after the last "/", "\", "-", "_", ".", "," or ";" of a piece when that keeps at
/// least half of `width` on the line, otherwise after exactly `width` characters. Characters are
/// counted as UTF-8 code points and never split. Shorter words and everything else are unchanged.
std::string breakLongWords(std::string_view text, size_t width = kMessageWrapWidth);

/// The text a message box shows for `text`: bytes that are not UTF-8 (a file's Latin-1 name
/// quoted in an error) become their Latin-1 characters and NUL bytes a replacement character, so
/// the toolkit's conversion never comes out empty; then long words are broken as above.
std::string messageBoxText(std::string_view text, size_t width = kMessageWrapWidth);
