#include "app/message_wrap.h"

#include <vector>

#include "document/utf8_text.h"

namespace {

bool isGap(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSoftBreak(char c) {
    return c == '/' || c == '\\' || c == '-' || c == '_' || c == '.' || c == ',' || c == ';';
}

// Appends `word` with breaks, so that no piece has more than `width` code points.
void appendBroken(std::string& out, std::string_view word, size_t width) {
    // Byte offset of each code point; a continuation byte (10xxxxxx) is part of the one before.
    std::vector<size_t> starts;
    for (size_t i = 0; i < word.size(); ++i) {
        if ((static_cast<unsigned char>(word[i]) & 0xC0) != 0x80 || starts.empty()) {
            starts.push_back(i);
        }
    }
    starts.push_back(word.size());
    size_t first = 0;  // first code point of the current piece
    const size_t count = starts.size() - 1;
    while (count - first > width) {
        size_t cut = first + width;
        for (size_t k = first + width; k > first && k >= first + width / 2; --k) {
            if (isSoftBreak(word[starts[k - 1]])) {
                cut = k;
                break;
            }
        }
        out.append(word.substr(starts[first], starts[cut] - starts[first]));
        out += '\n';
        first = cut;
    }
    out.append(word.substr(starts[first]));
}

}  // namespace

std::string breakLongWords(std::string_view text, size_t width) {
    if (width == 0) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / width + 1);
    size_t i = 0;
    while (i < text.size()) {
        if (isGap(text[i])) {
            out += text[i++];
            continue;
        }
        size_t end = i;
        while (end < text.size() && !isGap(text[end])) {
            ++end;
        }
        appendBroken(out, text.substr(i, end - i), width);
        i = end;
    }
    return out;
}

std::string messageBoxText(std::string_view text, size_t width) {
    std::string shown;
    for (const char c : utf8WithLatin1Fallback(text)) {
        if (c == '\0') {
            shown += "\xEF\xBF\xBD";  // U+FFFD: a NUL would end the text in the toolkit
        } else {
            shown += c;
        }
    }
    return breakLongWords(shown, width);
}
