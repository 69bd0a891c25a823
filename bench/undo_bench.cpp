// Undo snapshots and deleting the selection on generated layouts of 1k, 5k and 10k pieces.
// Both run on every edit, so they must stay linear in the number of pieces.

#include <benchmark/benchmark.h>

#include "document/layout.h"

namespace {

/// A long chain of two-ended pieces joined end to end, with a grade run on its last piece and a
/// few scenery items, so that every part of DeleteSelection has work to do.
Layout makeChain(int count) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.pieces.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = (i % 7 == 0) ? "24130" : "24188";
        p.x = 188.3 * i;
        p.joints.assign(2, Joint{});
        if (i > 0) {
            p.joints[0] = {static_cast<int32_t>(p.id - 1), 1};
            layout.pieces.editBack().joints[1] = {static_cast<int32_t>(p.id), 0};
        }
        layout.pieces.push_back(std::move(p));
    }
    for (int i = 0; i < count / 20; ++i) {
        SceneryItem s;
        s.id = layout.AllocateId();
        s.item = "tree_large";
        layout.scenery.push_back(s);
    }
    layout.gradeRuns.push_back({2.0, static_cast<int32_t>(layout.pieces.back().id), 1});
    layout.SyncGradeState();
    return layout;
}

void BM_PushUndo(benchmark::State& state) {
    Layout layout = makeChain(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        layout.PushUndo();
        benchmark::DoNotOptimize(layout.undoStack.back().content.pieces.size());
    }
    state.SetComplexityN(state.range(0));
}

/// The usual step: one piece changed since the step before.
void BM_OnePieceEditAndPushUndo(benchmark::State& state) {
    Layout layout = makeChain(static_cast<int>(state.range(0)));
    layout.PushUndo();
    size_t i = 0;
    for (auto _ : state) {
        layout.pieces.edit(i).x += 1.0;
        i = (i + 997) % layout.pieces.size();
        layout.PushUndo();
    }
    state.SetComplexityN(state.range(0));
}

void BM_UndoRedo(benchmark::State& state) {
    Layout layout = makeChain(static_cast<int>(state.range(0)));
    layout.PushUndo();
    for (auto _ : state) {
        layout.Undo();
        layout.Redo();
    }
    state.SetComplexityN(state.range(0));
}

/// Every third piece and the anchor are deleted, so joints open all along the chain and the grade
/// run moves.
void BM_DeleteSelection(benchmark::State& state) {
    const Layout source = makeChain(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Layout layout = source;
        for (size_t i = 0; i < layout.pieces.size(); i += 3) {
            layout.pieces.edit(i).selected = true;
        }
        layout.pieces.editBack().selected = true;
        state.ResumeTiming();
        layout.DeleteSelection();
        benchmark::DoNotOptimize(layout.pieces.size());
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_PushUndo)->Arg(1000)->Arg(5000)->Arg(10000)->Arg(50000)->Complexity();
BENCHMARK(BM_OnePieceEditAndPushUndo)->Arg(1000)->Arg(5000)->Arg(10000)->Arg(50000)->Complexity();
BENCHMARK(BM_UndoRedo)->Arg(1000)->Arg(5000)->Arg(10000)->Arg(50000)->Complexity();
BENCHMARK(BM_DeleteSelection)->Arg(1000)->Arg(5000)->Arg(10000)->Complexity();

BENCHMARK_MAIN();
