#pragma once
// Helpers shared by the file-format tests: fixtures from tests/data and scratch folders.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace file_test {

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The bytes of a fixture file; empty when it is missing (the comparing test then fails).
inline std::string fixture(const std::string& name) {
    return slurp(std::string(RAILVANE_TEST_DATA) + "/" + name);
}

inline void spit(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

/// A fresh empty folder under the system's temporary folder, removed when the object dies.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag)
        : m_path(std::filesystem::temp_directory_path() /
                 ("railvane_files_" + tag + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    /// Names of the entries in the folder, sorted, joined by blanks.
    std::string listing() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_path))
            names.insert(e.path().filename().string());
        std::string out;
        for (const auto& n : names)
            out += (out.empty() ? "" : " ") + n;
        return out;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace file_test
