#include "document/xml_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "document/utf8_text.h"

namespace xml_text {

void appendReal(std::string& out, double value) {
    // std::to_chars ignores the global locale and the C locale alike, so a German desktop still
    // writes "1.5000". A value as large as 1e308 needs about 315 characters in fixed notation.
    if (!std::isfinite(value))
        value = 0.0;
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    out.append(buf, res.ptr);
}

void appendInt(std::string& out, int64_t value) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void appendEscaped(std::string& out, std::string_view text) {
    // Files hold UTF-8 only; stray bytes go out as the Latin-1 characters the reader makes of them.
    std::string valid;
    if (!isValidUtf8(text)) {
        valid = utf8WithLatin1Fallback(text);
        text = valid;
    }
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                out += c;
        }
    }
}

std::string decodeEntities(std::string_view text) {
    struct Entity {
        std::string_view code;
        char ch;
    };
    static constexpr Entity kEntities[] = {{"&amp;", '&'},  {"&lt;", '<'},   {"&gt;", '>'},
                                           {"&quot;", '"'}, {"&#10;", '\n'}, {"&#13;", '\r'}};
    std::string out;
    out.reserve(text.size());
    // One pass from left to right, so "&amp;lt;" becomes "&lt;" and not "<".
    for (size_t i = 0; i < text.size();) {
        bool matched = false;
        if (text[i] == '&') {
            for (const Entity& e : kEntities) {
                if (text.substr(i, e.code.size()) == e.code) {
                    out += e.ch;
                    i += e.code.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched)
            out += text[i++];
    }
    return out;
}

RawAttr findAttr(std::string_view line, std::string_view name) {
    // A plain substring search would also find " r=\"" inside a level named "Deck r=", whose
    // closing quote completes the needle, and such a file could not be read back. So matches are
    // taken only outside quoted values; for every line the writer produces this finds the same
    // attribute as the plain search.
    bool inValue = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            inValue = !inValue;
            continue;
        }
        if (inValue || c != ' ')
            continue;
        const size_t eq = i + 1 + name.size();
        if (eq + 2 > line.size() || line.substr(i + 1, name.size()) != name)
            continue;
        if (line[eq] != '=' || line[eq + 1] != '"')
            continue;
        const size_t begin = eq + 2;
        const size_t end = line.find('"', begin);
        if (end == std::string_view::npos)
            return {AttrState::Unterminated, line.substr(begin)};
        return {AttrState::Present, line.substr(begin, end - begin)};
    }
    return {};
}

namespace {

// Leading blanks are skipped as the C library's number parsers do; a '+' sign is accepted too.
std::string_view numberStart(std::string_view value, bool& plus) {
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t' || value[i] == '\n' ||
                                value[i] == '\r' || value[i] == '\f' || value[i] == '\v'))
        ++i;
    plus = i < value.size() && value[i] == '+';
    if (plus)
        ++i;
    return value.substr(i);
}

}  // namespace

NumberStatus parseInteger(std::string_view value, int64_t lo, int64_t hi, int64_t& out) {
    bool plus = false;
    const std::string_view s = numberStart(value, plus);
    if (plus && !s.empty() && s[0] == '-')
        return NumberStatus::NotANumber;
    int64_t v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::invalid_argument)
        return NumberStatus::NotANumber;
    if (res.ec == std::errc::result_out_of_range)
        return NumberStatus::OutOfRange;
    if (v < lo || v > hi)
        return NumberStatus::OutOfRange;
    out = v;
    return NumberStatus::Ok;
}

NumberStatus parseReal(std::string_view value, double& out) {
    bool plus = false;
    const std::string_view s = numberStart(value, plus);
    if (plus && !s.empty() && s[0] == '-')
        return NumberStatus::NotANumber;
    double v = 0.0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ec == std::errc::invalid_argument)
        return NumberStatus::NotANumber;
    if (res.ec == std::errc::result_out_of_range)
        return NumberStatus::OutOfRange;
    if (!std::isfinite(v))
        return NumberStatus::NotFinite;
    out = v;
    return NumberStatus::Ok;
}

}  // namespace xml_text
