// The actions whose cost must follow the size of the layout, on a joined chain of 1k, 10k and
// 50k straights with as many selected scenery items beside it (the layout the scaling test
// uses): Select All with its selection view, a shift-click chain selection, moving the helix the
// chain leaves from to another level, 20 mouse moves of a scenery drag, and deleting every third
// piece. Each change is undone, untimed, before the next iteration.
#include <benchmark/benchmark.h>

#include "large_layout.h"

namespace {

template <typename Prepare, typename Action>
void run(benchmark::State& state, Prepare prepare, Action action) {
    LargeLayout large(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        prepare(large);
        state.ResumeTiming();
        action(large);
        state.PauseTiming();
        large.ctrl.undo();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void nothing(LargeLayout&) {}

void BM_SelectAll(benchmark::State& state) {
    run(state, nothing, [](LargeLayout& l) { l.selectAll(); });
}
void BM_ChainSelect(benchmark::State& state) {
    run(state, nothing, [](LargeLayout& l) { l.chainSelect(); });
}
void BM_HelixLevelChange(benchmark::State& state) {
    run(state, nothing, [](LargeLayout& l) { l.changeHelixLevel(); });
}
void BM_SceneryDrag20Moves(benchmark::State& state) {
    run(state, nothing, [](LargeLayout& l) { l.dragScenery(20); });
}
void BM_DeleteEveryThirdPiece(benchmark::State& state) {
    run(state, [](LargeLayout& l) { l.selectEveryThirdPiece(); },
        [](LargeLayout& l) { l.deleteSelection(); });
}

}  // namespace

#define SIZES ->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SelectAll) SIZES;
BENCHMARK(BM_ChainSelect) SIZES;
BENCHMARK(BM_HelixLevelChange) SIZES;
BENCHMARK(BM_SceneryDrag20Moves) SIZES;
BENCHMARK(BM_DeleteEveryThirdPiece) SIZES;

BENCHMARK_MAIN();
