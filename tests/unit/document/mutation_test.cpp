// Randomly damaged copies of the fixtures, with a fixed seed so that a failure can be replayed:
// the reader must never crash or hang, and whatever it accepts must be a sound document that
// survives another save and load unchanged.

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "file_test_util.h"

namespace {

// Values that have broken parsers before: huge, negative, non-finite, empty, entity soup.
const char* const kNastyValues[] = {"-1",  "2147483648", "4294967295", "99999999999999999999",
                                    "nan", "-inf",       "1e999",      "",
                                    "&#1", "\"",         "64",         "65"};

const char* const kNastyLines[] = {
    "  <pieces>",
    "</layout>",
    "  <levels active=\"9\">",
    "    <joint conn=\"3\" target=\"1\" tconn=\"0\"/>",
    "    <piece id=\"1\" cat=\"24624\" x=\"0\" y=\"0\" heading=\"0\" helix=\"20\" sel=\"1\">",
    "    <piece id=\"2\" cat=\"74861\" x=\"0\" y=\"0\" heading=\"0\">",
    "    <covers piece=\"-1\"/>",
    "    <shape id=\"1\">",
    "    <label id=\"2\" x=\"0\" y=\"0\" text=\"&lt;piece \"/>",
};

class Mutator {
public:
    explicit Mutator(uint32_t seed) : m_rng(seed) {}

    std::string mutate(std::string text) {
        const int steps = 1 + pick(3);
        for (int s = 0; s < steps && !text.empty(); ++s) {
            switch (pick(6)) {
                case 0:
                    text[pick(text.size())] = static_cast<char>(pick(256));
                    break;
                case 1: {  // delete a range
                    const size_t at = pick(text.size());
                    text.erase(at, 1 + pick(std::min<size_t>(200, text.size() - at)));
                    break;
                }
                case 2: {  // duplicate a line
                    const auto [b, e] = line(text);
                    text.insert(b, text.substr(b, e - b));
                    break;
                }
                case 3: {  // replace an attribute value
                    const size_t q = text.find('"', pick(text.size()));
                    const size_t q2 = q == std::string::npos ? q : text.find('"', q + 1);
                    if (q2 == std::string::npos)
                        break;
                    text.replace(q + 1, q2 - q - 1, kNastyValues[pick(std::size(kNastyValues))]);
                    break;
                }
                case 4: {  // insert a line with a marker
                    const auto [b, e] = line(text);
                    text.insert(b, std::string(kNastyLines[pick(std::size(kNastyLines))]) + "\n");
                    break;
                }
                default:
                    text.resize(pick(text.size()));
            }
        }
        return text;
    }

private:
    size_t pick(size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(m_rng);
    }
    // Bounds of a random whole line, its line feed included.
    std::pair<size_t, size_t> line(const std::string& text) {
        const size_t at = pick(text.size());
        const size_t b = text.rfind('\n', at == 0 ? 0 : at - 1);
        const size_t begin = (b == std::string::npos || at == 0) ? 0 : b + 1;
        const size_t e = text.find('\n', begin);
        return {begin, e == std::string::npos ? text.size() : e + 1};
    }

    std::mt19937 m_rng;
};

}  // namespace

TEST(MutatedFiles, NeverCrashAndAcceptedLayoutsAreSound) {
    const std::string sources[] = {file_test::fixture("full_layout.tdl"),
                                   file_test::fixture("legacy_layout.xml")};
    Mutator mutator(20240611u);
    int accepted = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 5000; ++round) {
        const std::string text = mutator.mutate(sources[round % 2]);
        Layout doc;
        std::string name;
        if (!readLayoutText(text, doc, name).empty())
            continue;
        ++accepted;
        ASSERT_EQ(doc.checkInvariants(), "") << "round " << round << ":\n" << text;
        // What was accepted saves and loads back to the very same text.
        const std::string saved = writeLayoutText(doc, name);
        Layout again;
        std::string name2;
        ASSERT_EQ(readLayoutText(saved, again, name2), "") << "round " << round << ":\n" << saved;
        ASSERT_EQ(writeLayoutText(again, name2), saved) << "round " << round;
    }
    // Most single mutations leave a readable file, so the soundness checks above did run.
    EXPECT_GT(accepted, 500);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(MutatedFiles, BlocksNeverCrashAndKeepBoundedJoints) {
    const std::string source = file_test::fixture("full_block.tdl");
    Mutator mutator(77u);
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        BlockContent block;
        if (!readBlockText(mutator.mutate(source), block).empty())
            continue;
        ++accepted;
        for (const PlacedPiece& p : block.pieces)
            ASSERT_LE(static_cast<int>(p.joints.size()), jointLimit(p.article)) << round;
    }
    EXPECT_GT(accepted, 200);
}
