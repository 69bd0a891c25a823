#include "app/run_log.h"

#include <regex>

#include <gtest/gtest.h>

#include "temp_folder.h"

TEST(LogStamp, TwoDigitFieldsThreeDigitMillisecondsAndOneBlank) {
    EXPECT_EQ(formatLogStamp(9, 5, 3, 7), "09:05:03.007 ");
    EXPECT_EQ(formatLogStamp(23, 59, 59, 999), "23:59:59.999 ");
    EXPECT_EQ(formatLogStamp(0, 0, 0, 0), "00:00:00.000 ");
    EXPECT_EQ(formatLogStamp(12, 30, 45, 120), "12:30:45.120 ");
}

TEST(LogStamp, CurrentTimeHasTheStampShape) {
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

TEST(RunLogFile, OpeningTruncatesTheLastRun) {
    TempFolder tmp;
    writeFile(tmp / "railvane.log", "old run\nold run\n");
    RunLog log;
    ASSERT_TRUE(log.open(tmp / "railvane.log"));
    log.write("OnExit");
    log.close();
    const std::string text = readFile(tmp / "railvane.log");
    EXPECT_EQ(text.find("old run"), std::string::npos);
    EXPECT_NE(text.find(" OnExit\n"), std::string::npos);
}

TEST(RunLogFile, AClosedOrUnopenableLogWritesNothing) {
    TempFolder tmp;
    RunLog log;
    log.write("lost");  // never opened: must not crash
    EXPECT_FALSE(log.isOpen());
    writeFile(tmp / "file", "x");
    EXPECT_FALSE(log.open(tmp / "file" / "railvane.log"));
    log.write("lost too");
    EXPECT_FALSE(log.isOpen());
}

TEST(TraceFileLines, FirstLineOfARunReplacesThePreviousTrace) {
    TempFolder tmp;
    writeFile(tmp / "mainframe.log", "A: wxFrame base constructed\nB: MenuBar done\n");
    {
        TraceFile trace(tmp / "mainframe.log");
        trace.append("A: wxFrame base constructed");
        trace.append("B: MenuBar done");
        trace.append("C: ToolBar done");
        // Untimed, one per line, on disk after every call.
        EXPECT_EQ(readFile(tmp / "mainframe.log"),
                  "A: wxFrame base constructed\nB: MenuBar done\nC: ToolBar done\n");
    }
    TraceFile nextRun(tmp / "mainframe.log");
    nextRun.append("A: wxFrame base constructed");
    EXPECT_EQ(readFile(tmp / "mainframe.log"), "A: wxFrame base constructed\n");
}

TEST(TraceFileLines, UnwritableTraceIsSilent) {
    TempFolder tmp;
    writeFile(tmp / "file", "x");
    TraceFile trace(tmp / "file" / "mainframe.log");
    trace.append("lost");
    EXPECT_EQ(readFile(tmp / "file"), "x");
}
