#pragma once
// The two plain-text diagnostic files: the run log "railvane.log" (time-stamped lines, flushed
// one by one so a crash loses nothing) and the frame trace "mainframe.log" (untimed lines written
// while the main window is built, each opening and closing the file so that the last line before a
// crash is on disk).

#include <cstdio>
#include <filesystem>
#include <string>

/// Time stamp of a run-log line: "HH:MM:SS.mmm " (local time, three digits of milliseconds,
/// one trailing blank).
std::string formatLogStamp(int hours, int minutes, int seconds, int milliseconds);

/// The stamp for the current local time.
std::string logStampNow();

/// A log file that is written line by line and flushed after each line.
class RunLog {
public:
    RunLog() = default;
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    /// Opens `path` for writing, truncating earlier content. False when it cannot be opened;
    /// the log then stays closed and write() does nothing.
    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }

    /// Appends logStampNow(), the message and a line feed, then flushes. No-op when closed.
    void write(const std::string& message);

private:
    std::FILE* m_file = nullptr;
};

/// The process-wide run log, closed until the application opens it at start-up.
RunLog& runLog();

/// Appends one time-stamped line to the process-wide run log; nothing when it is not open.
void AppLog(const std::string& message);

/// An append-only trace file that is deleted by the first line written in its lifetime
/// (one instance per run), so it always holds the trace of the latest run only.
class TraceFile {
public:
    explicit TraceFile(std::filesystem::path path) : m_path(std::move(path)) {}

    /// Appends `text` and a line feed, opening and closing the file; silent on failure.
    void append(const std::string& text);

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
    bool m_cleared = false;
};
