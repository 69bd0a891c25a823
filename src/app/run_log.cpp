#include "app/run_log.h"

#include <chrono>
#include <ctime>
#include <system_error>

std::string formatLogStamp(int hours, int minutes, int seconds, int milliseconds) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d ", hours, minutes, seconds, milliseconds);
    return buf;
}

std::string logStampNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return formatLogStamp(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms));
}

RunLog::~RunLog() {
    close();
}

bool RunLog::open(const std::filesystem::path& path) {
    close();
    m_file = std::fopen(path.c_str(), "wb");
    return m_file != nullptr;
}

void RunLog::close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

void RunLog::write(const std::string& message) {
    if (m_file == nullptr) {
        return;
    }
    const std::string line = logStampNow() + message + "\n";
    std::fwrite(line.data(), 1, line.size(), m_file);
    std::fflush(m_file);
}

RunLog& runLog() {
    static RunLog log;
    return log;
}

void AppLog(const std::string& message) {
    runLog().write(message);
}

void TraceFile::append(const std::string& text) {
    if (!m_cleared) {
        m_cleared = true;
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }
    std::FILE* f = std::fopen(m_path.c_str(), "ab");
    if (f == nullptr) {
        return;
    }
    std::fputs(text.c_str(), f);
    std::fputc('\n', f);
    std::fclose(f);
}
