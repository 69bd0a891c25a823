// Doubling the layout at most about doubles the time of the actions that run per selection
// change, per edit and per mouse move. Compared as a ratio within one run, best of several
// repetitions of this thread's CPU time, so a slow or busy machine does not matter; a linear
// search inside a loop makes the ratio about 4.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>

#include "../../../bench/large_layout.h"

namespace {

constexpr int kSmall = 5000;
constexpr int kRepetitions = 7;

/// CPU time of this thread: time the scheduler gives to other programs is not counted.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

/// One timed run of `action`, with `prepare` run untimed before it and the change undone after,
/// so that every run starts from the same document.
double seconds(LargeLayout& layout, const std::function<void(LargeLayout&)>& prepare,
               const std::function<void(LargeLayout&)>& action) {
    prepare(layout);
    const double start = threadSeconds();
    action(layout);
    const double took = threadSeconds() - start;
    layout.ctrl.undo();
    return took;
}

/// Best time on 2 * kSmall pieces over best time on kSmall pieces. The two sizes take turns, so
/// that a load on the machine falls on both alike. A ratio that looks too high is measured again,
/// up to three times in all, and the lowest counts: a search inside a loop is about 4 every time,
/// a cache or scheduler hiccup does not repeat.
double ratio(const std::function<void(LargeLayout&)>& prepare,
             const std::function<void(LargeLayout&)>& action) {
    LargeLayout small(kSmall), large(2 * kSmall);
    double lowest = 1e9;
    for (int attempt = 0; attempt < 3 && lowest >= 2.6; ++attempt) {
        double bestSmall = 1e9, bestLarge = 1e9;
        for (int r = 0; r < kRepetitions; ++r) {
            bestSmall = std::min(bestSmall, seconds(small, prepare, action));
            bestLarge = std::min(bestLarge, seconds(large, prepare, action));
        }
        lowest = std::min(lowest, bestLarge / std::max(bestSmall, 1e-6));
    }
    return lowest;
}

TEST(Scaling, DoublingTheLayoutAtMostAboutDoublesSelectionEditAndDragTimes) {
    const auto nothing = [](LargeLayout&) {};
    const double selectAll = ratio(nothing, [](LargeLayout& l) { l.selectAll(); });
    const double chain = ratio(nothing, [](LargeLayout& l) { l.chainSelect(); });
    const double helix = ratio(nothing, [](LargeLayout& l) { l.changeHelixLevel(); });
    const double drag = ratio(nothing, [](LargeLayout& l) { l.dragScenery(20); });
    const double remove = ratio([](LargeLayout& l) { l.selectEveryThirdPiece(); },
                                [](LargeLayout& l) { l.deleteSelection(); });
    std::printf("10k/5k time ratios: select all %.2f, chain select %.2f, helix level %.2f, "
                "scenery drag %.2f, delete %.2f\n",
                selectAll, chain, helix, drag, remove);
    EXPECT_LT(selectAll, 3.0);
    EXPECT_LT(chain, 3.0);
    EXPECT_LT(helix, 3.0);
    EXPECT_LT(drag, 3.0);
    EXPECT_LT(remove, 3.0);
}

}  // namespace
