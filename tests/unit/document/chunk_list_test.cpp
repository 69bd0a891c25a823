// The chunk list behind pieces and scenery: copies (undo steps) keep exactly what the list held
// when they were taken, whatever is done to the list afterwards.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "document/chunk_list.h"

namespace {

struct Record {
    int id = 0;
    int value = 0;
};
bool sameRecord(const Record& a, const Record& b) {
    return a.id == b.id && a.value == b.value;
}
bool operator==(const Record& a, const Record& b) {
    return sameRecord(a, b);
}

std::vector<Record> forwards(const ChunkList<Record>& list) {
    std::vector<Record> out;
    for (const Record& r : list) {
        out.push_back(r);
    }
    return out;
}

std::vector<Record> byIndexAndBackwards(const ChunkList<Record>& list) {
    std::vector<Record> byIndex, backwards;
    for (size_t i = 0; i < list.size(); ++i) {
        byIndex.push_back(list[i]);
    }
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        backwards.insert(backwards.begin(), *it);
    }
    EXPECT_EQ(byIndex, backwards);
    return byIndex;
}

TEST(ChunkList, CopiesKeepWhatTheListHeldThroughRandomEditsAppendsAndRemovals) {
    std::mt19937 random(7);
    ChunkList<Record> list;
    std::vector<Record> model;
    std::vector<std::pair<ChunkList<Record>, std::vector<Record>>> copies;
    int nextId = 1;
    for (int step = 0; step < 3000; ++step) {
        const unsigned what = random() % 10;
        if (what < 3 || model.empty()) {
            const int count = 1 + static_cast<int>(random() % 70);
            for (int i = 0; i < count; ++i) {
                model.push_back({nextId, 0});
                list.push_back({nextId++, 0});
            }
        } else if (what < 6) {
            const size_t i = random() % model.size();
            model[i].value = static_cast<int>(random() % 5);
            list.edit(i).value = model[i].value;
        } else if (what < 7) {
            const int mod = 2 + static_cast<int>(random() % 40);
            const auto gone = [mod](const Record& r) { return r.id % mod == 0; };
            std::erase_if(model, gone);
            list.eraseIf(gone);
        } else if (what < 8) {
            const int mod = 2 + static_cast<int>(random() % 9);
            const auto pick = [mod](const Record& r) { return r.id % mod == 1; };
            list.editIf(pick, [](Record& r) { ++r.value; });
            for (Record& r : model) {
                r.value += pick(r) ? 1 : 0;
            }
        } else if (what < 9) {
            copies.emplace_back(list, model);
        } else if (!copies.empty()) {
            // Back to an older copy, as undo does.
            const size_t c = random() % copies.size();
            list = copies[c].first;
            model = copies[c].second;
        }
        ASSERT_EQ(list.size(), model.size()) << "step " << step;
        if (step % 50 == 0) {
            ASSERT_EQ(forwards(list), model) << "step " << step;
        }
    }
    EXPECT_EQ(byIndexAndBackwards(list), model);
    EXPECT_GT(copies.size(), 100u);
    for (const auto& [copy, held] : copies) {
        ASSERT_EQ(byIndexAndBackwards(copy), held);
    }
}

TEST(ChunkList, ARecordTakenBeforeACopyStillWritesIntoTheListNotTheCopy) {
    ChunkList<Record> list;
    for (int i = 0; i < 100; ++i) {
        list.push_back({i, 0});
    }
    const ChunkList<Record> before = list;  // shares every chunk
    Record& record = list.edit(40);
    const ChunkList<Record> step = list;  // taken after the edit began
    record.value = 9;
    EXPECT_EQ(list[40].value, 9);
    EXPECT_EQ(step[40].value, 0);
    EXPECT_EQ(before[40].value, 0);
}

TEST(ChunkList, TheEditsLoopChangesEveryRecordAndNoCopy) {
    ChunkList<Record> list{{1, 0}, {2, 0}, {3, 0}};
    const ChunkList<Record> copy = list;
    for (Record& r : list.edits()) {
        r.value = r.id * 10;
    }
    EXPECT_EQ(forwards(list), (std::vector<Record>{{1, 10}, {2, 20}, {3, 30}}));
    EXPECT_EQ(forwards(copy), (std::vector<Record>{{1, 0}, {2, 0}, {3, 0}}));
}

}  // namespace
