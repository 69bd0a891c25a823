// Only the edit path (src/edit) and the file reader (src/document) change the document's object
// lists; everything else asks them to. A change made elsewhere would skip the undo step and the
// notice, which is how "Pieces: N" went stale before.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>

TEST(EditPathGuard, NothingOutsideTheEditPathChangesTheDocumentsLists) {
    namespace fs = std::filesystem;
    // The document as the code names it, one of its lists, and a call that changes that list.
    const std::regex mutation(
        R"((\b(layout|m_layout|doc|m_doc|document)|layout\(\)|change\(\))(\.|->))"
        R"((pieces|scenery|labels|measurements|shapes|tunnels|helices|levels|gradeRuns))"
        R"((\.(push_back|emplace_back|erase|insert|clear|pop_back|resize|assign|swap)\(|\s*=[^=]))");
    const std::regex erasure(
        R"(erase_if\(\s*(layout|m_layout|doc|m_doc|document)(\.|->))"
        R"((pieces|scenery|labels|measurements|shapes|tunnels|helices|levels|gradeRuns)\b)");
    const fs::path root = RAILVANE_SOURCE_DIR;
    std::string found;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path relative = fs::relative(entry.path(), root);
        const std::string top = relative.begin()->string();
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || top == "edit" || top == "document" ||
            (ext != ".cpp" && ext != ".h")) {
            continue;
        }
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (std::regex_search(line, mutation) || std::regex_search(line, erasure)) {
                found += relative.string() + ":" + std::to_string(number) + ": " + line + "\n";
            }
        }
    }
    EXPECT_GT(files, 50) << "the source tree was not found at " << root;
    EXPECT_EQ(found, "");
}

TEST(EditPathGuard, CoreFoldersIncludeEachOtherWithoutACycle) {
    namespace fs = std::filesystem;
    // Folder -> folders its window-free files include.
    std::map<std::string, std::set<std::string>> uses;
    const std::regex include(R"re(#include "(\w+)/(ui/)?)re");
    const fs::path root = RAILVANE_SOURCE_DIR;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path relative = fs::relative(entry.path(), root);
        if (!entry.is_regular_file() || relative.parent_path().filename() == "ui") {
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        const std::string from = relative.begin()->string();
        while (std::getline(in, line)) {
            if (std::regex_search(line, m, include) && m[1] != from && !m[2].matched) {
                uses[from].insert(m[1]);
            }
        }
    }
    // Depth-first search; a folder met again while still on the path closes a cycle.
    std::map<std::string, int> state;
    std::function<std::string(const std::string&)> visit = [&](const std::string& f) {
        state[f] = 1;
        for (const std::string& g : uses[f]) {
            if (state[g] == 1) {
                return f + " -> " + g;
            }
            if (const std::string cycle = state[g] == 0 ? visit(g) : ""; !cycle.empty()) {
                return cycle;
            }
        }
        state[f] = 2;
        return std::string();
    };
    for (const auto& [folder, _] : uses) {
        EXPECT_EQ(state[folder] == 0 ? visit(folder) : "", "") << "an include closes a cycle";
    }
}
