#include "document/xml_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <tuple>
#include <vector>

#include "document/layout.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"

using namespace xml_text;

namespace {

std::string real(double v) {
    std::string s;
    appendReal(s, v);
    return s;
}

std::string escaped(std::string_view v) {
    std::string s;
    appendEscaped(s, v);
    return s;
}

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST(XmlText, RealsHaveExactlyFourDecimalsAndNonFiniteOnesAreZero) {
    const std::vector<std::pair<double, std::string>> reals = {
        {0.0, "0.0000"},
        {-7.5, "-7.5000"},
        {0.00005001, "0.0001"},
        {2.0 / 3.0, "0.6667"},
        {1e20, "100000000000000000000.0000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0000"},
        {-std::numeric_limits<double>::infinity(), "0.0000"},
    };
    for (const auto& [value, text] : reals)
        EXPECT_EQ(real(value), text) << value;
    // The largest double still fits the buffer and reads back.
    double back = 0.0;
    ASSERT_EQ(parseReal(real(std::numeric_limits<double>::max()), back), NumberStatus::Ok);
    EXPECT_EQ(back, std::numeric_limits<double>::max());
}

TEST(XmlText, RealsIgnoreAGermanLocale) {
    const std::locale global;
    const std::string cLocale = std::setlocale(LC_ALL, nullptr);
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // the C library's too, where installed
    EXPECT_EQ(real(1.5), "1.5000");
    Layout layout;
    PlacedPiece p;
    p.id = 1;
    p.x = 1.5;
    p.y = 1234567.25;
    layout.pieces.push_back(p);
    const std::string text = writeLayoutText(layout, "Gleis");
    Layout back;
    std::string name;
    const std::string error = readLayoutText(text, back, name);
    std::locale::global(global);
    std::setlocale(LC_ALL, cLocale.c_str());
    EXPECT_NE(text.find(" x=\"1.5000\" y=\"1234567.2500\""), std::string::npos) << text;
    ASSERT_EQ(error, "");
    EXPECT_EQ(back.pieces[0].y, 1234567.25);
}

TEST(XmlText, EscapingAndDecodingAreInverse) {
    EXPECT_EQ(escaped("a&b<c>d\"e'f\n\r"), "a&amp;b&lt;c&gt;d&quot;e'f&#10;&#13;");
    EXPECT_EQ(escaped("Müller – Straße"), "Müller – Straße");
    // Decoding is one pass: "&amp;lt;" was the text "&lt;", not "<".
    EXPECT_EQ(decodeEntities("&amp;lt;"), "&lt;");
    EXPECT_EQ(decodeEntities("&apos; &unknown; & &amp"), "&apos; &unknown; & &amp");
    const std::string tricky = "&lt;&amp;&quot;\"&&&gt;\n";
    EXPECT_EQ(decodeEntities(escaped(tricky)), tricky);
}

TEST(XmlText, AttributesMatchWholeNamesOutsideValues) {
    const std::string_view line =
        R"(    <level id="1" name="Deck r=" visible="1" trackcolor="1" r="10" g="20" b="30"/>)";
    // A level named `Deck r=` must not lend its quote to r.
    EXPECT_EQ(findAttr(line, "r").value, "10");
    EXPECT_EQ(findAttr(line, "name").value, "Deck r=");
    EXPECT_EQ(findAttr(R"(<x a="b c=" d="1"/>)", "c").state, AttrState::Missing);
    EXPECT_EQ(findAttr(R"(<x a="1)", "a").state, AttrState::Unterminated);
    EXPECT_EQ(findAttr(R"(<x a="")", "a").state, AttrState::Present);
}

TEST(XmlText, NumbersAreReadAsFarAsTheyGo) {
    using NS = NumberStatus;
    const std::vector<std::tuple<std::string, NS, int64_t>> ints = {
        {"  42abc", NS::Ok, 42},    {"3.9", NS::Ok, 3},
        {"101", NS::OutOfRange, 0}, {"99999999999999999999999", NS::OutOfRange, 0},
        {"-", NS::NotANumber, 0},
    };
    for (const auto& [text, status, value] : ints) {
        int64_t i = 0;
        EXPECT_EQ(parseInteger(text, -100, 100, i), status) << text;
        EXPECT_EQ(status == NS::Ok ? i : value, value) << text;
    }
    const std::vector<std::tuple<std::string, NS, double>> reals = {
        {" -7.5000mm", NS::Ok, -7.5}, {"1,5", NS::Ok, 1.0},         {"nan", NS::NotFinite, 9},
        {"-inf", NS::NotFinite, 9},   {"1e999", NS::OutOfRange, 9}, {"", NS::NotANumber, 9},
    };
    for (const auto& [text, status, value] : reals) {
        double d = 9.0;  // a failed parse must not change the result
        EXPECT_EQ(parseReal(text, d), status) << text;
        EXPECT_EQ(d, value) << text;
    }
}
