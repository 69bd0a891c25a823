#include "app/run_log.h"

#include <regex>

#include <gtest/gtest.h>

#include "temp_folder.h"

TEST(LogStamp, TwoDigitFieldsThreeDigitMillisecondsAndOneBlank) {
    EXPECT_EQ(formatLogStamp(9, 5, 3, 7), "09:05:03.007 ");
    EXPECT_EQ(formatLogStamp(23, 59, 59, 120), "23:59:59.120 ");
    const std::string stamp = logStampNow();
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(([01]\d|2[0-3]):[0-5]\d:[0-6]\d\.\d{3} )")))
        << stamp;
}

TEST(RunLogFile, EveryLineIsStampedAndOnDiskBeforeTheLogCloses) {
    TempFolder tmp;
    RunLog log;
    ASSERT_TRUE(log.open(tmp / "railvane.log"));
    log.write("=== Railvane starting ===");
    log.write("Built-in catalog loaded - 248 pieces");
    // Read while still open: each line is flushed as it is written.
    const std::string text = readFile(tmp / "railvane.log");
    const std::regex line(R"(\d\d:\d\d:\d\d\.\d{3} (.*)\n)");
    std::vector<std::string> messages;
    for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it) {
        messages.push_back((*it)[1]);
    }
    ASSERT_EQ(messages.size(), 2u) << text;
    EXPECT_EQ(messages[0], "=== Railvane starting ===");
    EXPECT_EQ(messages[1], "Built-in catalog loaded - 248 pieces");
    EXPECT_EQ(text.size(), 2 * 13 + messages[0].size() + messages[1].size() + 2);
}

TEST(RunLogFile, OpeningTruncatesTheLastRunAndAnUnopenableLogWritesNothing) {
    TempFolder tmp;
    writeFile(tmp / "railvane.log", "old run\n");
    RunLog log;
    log.write("lost");  // never opened: must not crash
    ASSERT_TRUE(log.open(tmp / "railvane.log"));
    log.write("OnExit");
    log.close();
    EXPECT_EQ(readFile(tmp / "railvane.log").substr(12), " OnExit\n");
    writeFile(tmp / "file", "x");
    EXPECT_FALSE(log.open(tmp / "file" / "railvane.log"));
    EXPECT_FALSE(log.isOpen());
}

TEST(TraceFileLines, FirstLineOfARunReplacesThePreviousTrace) {
    TempFolder tmp;
    writeFile(tmp / "mainframe.log", "A: old run\n");
    {
        TraceFile trace(tmp / "mainframe.log");
        trace.append("A: wxFrame base constructed");
        trace.append("B: MenuBar done");
        // Untimed, one per line, on disk after every call.
        EXPECT_EQ(readFile(tmp / "mainframe.log"),
                  "A: wxFrame base constructed\nB: MenuBar done\n");
    }
    TraceFile unwritable(tmp / "mainframe.log" / "x.log");
    unwritable.append("lost");  // silent
}
