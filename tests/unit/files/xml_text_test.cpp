#include "document/xml_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
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

// Restores the process locale however the test ends.
class LocaleGuard {
public:
    LocaleGuard() : m_global(std::locale()), m_c(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() {
        std::locale::global(m_global);
        std::setlocale(LC_ALL, m_c.c_str());
    }

private:
    std::locale m_global;
    std::string m_c;
};

}  // namespace

TEST(XmlText, RealsHaveExactlyFourDecimalsAndNonFiniteOnesAreZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, std::string>> reals = {
        {0.0, "0.0000"},
        {1200.0, "1200.0000"},
        {-7.5, "-7.5000"},
        {188.3, "188.3000"},
        {0.00004, "0.0000"},
        {0.00005001, "0.0001"},
        {2.0 / 3.0, "0.6667"},
        {123456789.123456, "123456789.1235"},
        {1e20, "100000000000000000000.0000"},
        // Non-finite values are written as zero so that the file stays readable.
        {nan, "0.0000"},
        {inf, "0.0000"},
        {-inf, "0.0000"},
    };
    for (const auto& [value, text] : reals)
        EXPECT_EQ(real(value), text) << value;
    // The largest double still fits the buffer and reads back.
    double back = 0.0;
    ASSERT_EQ(parseReal(real(std::numeric_limits<double>::max()), back), NumberStatus::Ok);
    EXPECT_EQ(back, std::numeric_limits<double>::max());
    std::string s;
    appendInt(s, -42);
    appendId(s, kNoId);
    appendId(s, 7);
    EXPECT_EQ(s, "-42-17");
}

TEST(XmlText, RealsIgnoreAGermanLocale) {
    LocaleGuard guard;
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    // The C library's own locale too, where the system has it installed.
    const bool cGerman = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(real(1.5), "1.5000");
    EXPECT_EQ(real(-1234.25), "-1234.2500");
    double v = 0.0;
    ASSERT_EQ(parseReal("1.5", v), NumberStatus::Ok);
    EXPECT_EQ(v, 1.5);

    Layout layout;
    PlacedPiece p;
    p.id = 1;
    p.article = "24188";
    p.x = 1.5;
    p.y = 1234567.25;
    layout.pieces.push_back(p);
    const std::string text = writeLayoutText(layout, "Gleis");
    EXPECT_NE(text.find(" x=\"1.5000\" y=\"1234567.2500\""), std::string::npos) << text;
    Layout back;
    std::string name;
    ASSERT_EQ(readLayoutText(text, back, name), "");
    ASSERT_EQ(back.pieces.size(), 1u);
    EXPECT_EQ(back.pieces[0].x, 1.5);
    EXPECT_EQ(back.pieces[0].y, 1234567.25);
    if (!cGerman)
        GTEST_LOG_(INFO) << "de_DE.UTF-8 is not installed; tested the C++ locale only";
}

TEST(XmlText, EscapingAndDecodingAreInverse) {
    EXPECT_EQ(escaped("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
    EXPECT_EQ(escaped("Müller – Straße"), "Müller – Straße");
    EXPECT_EQ(escaped("one\ntwo\r"), "one&#10;two&#13;");
    EXPECT_EQ(decodeEntities("a&amp;b&lt;c&gt;d&quot;e'f"), "a&b<c>d\"e'f");
    // Decoding is one pass: "&amp;lt;" was the text "&lt;", not "<".
    EXPECT_EQ(decodeEntities("&amp;lt;"), "&lt;");
    EXPECT_EQ(decodeEntities("&apos; &unknown; & &amp"), "&apos; &unknown; & &amp");
    EXPECT_EQ(decodeEntities("x&#10;y"), "x\ny");
    const std::string tricky = "&lt;&amp;&quot;\"&&&gt;\n";
    EXPECT_EQ(decodeEntities(escaped(tricky)), tricky);
}

TEST(XmlText, AttributesMatchWholeNamesOutsideValues) {
    const std::string_view line =
        R"(    <level id="1" name="Deck r=" visible="1" trackcolor="1" r="10" g="20" b="30"/>)";
    EXPECT_EQ(findAttr(line, "r").value, "10");
    EXPECT_EQ(findAttr(line, "trackcolor").value, "1");
    EXPECT_EQ(findAttr(line, "b").value, "30");
    // A level named `Deck r=` must not lend its quote to r.
    EXPECT_EQ(findAttr(line, "name").value, "Deck r=");
    EXPECT_EQ(findAttr(line, "color").state, AttrState::Missing);
    EXPECT_EQ(findAttr(line, "d").state, AttrState::Missing);
    EXPECT_EQ(findAttr(R"(<x a="b c=" d="1"/>)", "c").state, AttrState::Missing);
    EXPECT_EQ(findAttr(R"(<x a="1)", "a").state, AttrState::Unterminated);
    EXPECT_EQ(findAttr(R"(<x a="")", "a").state, AttrState::Present);
    EXPECT_EQ(findAttr(R"(<x a="")", "a").value, "");
}

TEST(XmlText, NumbersAreReadAsFarAsTheyGo) {
    using NS = NumberStatus;
    const std::vector<std::tuple<std::string, NS, int64_t>> ints = {
        {"  42abc", NS::Ok, 42},    {"+7", NS::Ok, 7},
        {"3.9", NS::Ok, 3},         {"-100", NS::Ok, -100},
        {"101", NS::OutOfRange, 0}, {"99999999999999999999999", NS::OutOfRange, 0},
        {"", NS::NotANumber, 0},    {"abc", NS::NotANumber, 0},
        {"-", NS::NotANumber, 0},   {"+-3", NS::NotANumber, 0},
    };
    for (const auto& [text, status, value] : ints) {
        int64_t i = 0;
        EXPECT_EQ(parseInteger(text, -100, 100, i), status) << text;
        EXPECT_EQ(status == NS::Ok ? i : value, value) << text;
    }
    const std::vector<std::tuple<std::string, NS, double>> reals = {
        {" -7.5000mm", NS::Ok, -7.5}, {"1,5", NS::Ok, 1.0},       {"2e3", NS::Ok, 2000.0},
        {"nan", NS::NotFinite, 9},    {"-inf", NS::NotFinite, 9}, {"infinity", NS::NotFinite, 9},
        {"1e999", NS::OutOfRange, 9}, {"x1", NS::NotANumber, 9},  {"", NS::NotANumber, 9},
    };
    for (const auto& [text, status, value] : reals) {
        double d = 9.0;  // a failed parse must not change the result
        EXPECT_EQ(parseReal(text, d), status) << text;
        EXPECT_EQ(d, value) << text;
    }
}
