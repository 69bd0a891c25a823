// Long unbroken names and paths in message boxes get line breaks; everything else stays.
#include "app/message_wrap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

// Longest stretch of `text` without a blank or line break, in code points.
size_t longestRun(const std::string& text) {
    size_t longest = 0;
    std::istringstream in(text);
    for (std::string run; in >> run;) {
        size_t points = 0;
        for (const char c : run) {
            points += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        longest = std::max(longest, points);
    }
    return longest;
}

}  // namespace

TEST(MessageWrap, ShortWordsAndLayoutStayExactlyAsTheyAre) {
    const std::string text =
        "A layout named \"Yard\" already exists.\n\nReplace it?  Two  blanks\tand a tab stay.";
    EXPECT_EQ(breakLongWords(text), text);
    EXPECT_EQ(breakLongWords(""), "");
    const std::string sixty(60, 'x');
    EXPECT_EQ(breakLongWords(sixty), sixty) << "a word of exactly the width is not broken";
}

TEST(MessageWrap, ALongNameIsBrokenEveryWidthCharacters) {
    const std::string name(150, 'a');
    EXPECT_EQ(breakLongWords("Delete layout \"" + name + "\"?"),
              "Delete layout \"" + std::string(59, 'a') + "\n" + std::string(60, 'a') + "\n" +
                  std::string(31, 'a') + "\"?");
    EXPECT_EQ(breakLongWords(std::string(25, 'b'), 10),
              std::string(10, 'b') + "\n" + std::string(10, 'b') + "\n" + std::string(5, 'b'));
    EXPECT_EQ(breakLongWords("abc", 0), "abc") << "no width, no breaks";
}

TEST(MessageWrap, PathsBreakAfterASeparatorWhenOneIsNearTheEnd) {
    const std::string path = "/home/anna/Documents/Railvane/" + std::string(40, 'n') + ".tdl";
    // 74 characters: the break follows the last "/" (30 characters in, half of 60).
    EXPECT_EQ(
        breakLongWords("Could not delete:\n" + path),
        "Could not delete:\n/home/anna/Documents/Railvane/\n" + std::string(40, 'n') + ".tdl");
    // A separator early in the piece is not used: the line would be too short.
    const std::string early = std::string(28, 'a') + "/" + std::string(70, 'c');
    EXPECT_EQ(breakLongWords(early), early.substr(0, 60) + "\n" + early.substr(60));
}

TEST(MessageWrap, CharactersOfSeveralBytesAreCountedOnceAndNeverSplit) {
    std::string word;
    for (int i = 0; i < 70; ++i) {
        word += "\u00fc";  // two bytes each
    }
    const std::string broken = breakLongWords(word);
    std::string first;
    for (int i = 0; i < 60; ++i) {
        first += "\u00fc";
    }
    EXPECT_EQ(broken.substr(0, first.size() + 1), first + "\n");
    EXPECT_EQ(broken.size(), word.size() + 1);

    // Whatever the text, no line is longer than the width afterwards.
    const std::string mixed = "Open Failed: " + std::string(500, 'x') + "/" + word + word + " ok";
    EXPECT_EQ(longestRun(breakLongWords(mixed)), 60u);
    EXPECT_EQ(longestRun(breakLongWords(mixed, 17)), 17u);
}

TEST(MessageWrap, BoxTextIsAlwaysValidUtf8AndNeverEmpty) {
    EXPECT_EQ(messageBoxText("Cannot read S\xfc" "d.tdl"), "Cannot read S\xc3\xbc" "d.tdl");
    EXPECT_EQ(messageBoxText(std::string("a\0b", 3)), "a\xef\xbf\xbd" "b");
    EXPECT_EQ(messageBoxText("ok \xc3\xa9"), "ok \xc3\xa9");
}
