// The Bridge Wizard's work on the interface thread: the plan and report recomputed on every
// change in the dialog, and laying the bridge on a click into layouts of 0 to 10k pieces (the
// undo step copies the document, so that is what grows). The largest plan the dialog allows:
// 300 mm clearance at 2 % grade, with 40 spans.
#include <benchmark/benchmark.h>

#include "edit/edit.h"
#include "wizards/bridge_plan.h"

namespace {

BridgeKit kitOf(TrackSystem system) {
    return *resolveBridgeKit(system).kit;
}

std::vector<std::string> longComposition(const BridgeKit& kit) {
    std::vector<std::string> spans;
    for (int i = 0; i < 40; ++i) {
        spans.push_back(i % 2 == 0 ? kit.girder->article : kit.arch->article);
    }
    return spans;
}

// Args: system.
void BM_BridgeRecompute(benchmark::State& state) {
    const BridgeKit kit = kitOf(static_cast<TrackSystem>(state.range(0)));
    const std::vector<std::string> spans = longComposition(kit);
    const ClearanceChoice steepest{-1, 300.0, 2.0};
    for (auto _ : state) {
        const BridgePlan plan = recomputeBridgePlan(kit, steepest, spans);
        const std::string report = bridgeReport(plan, kit, Units::Millimetres);
        benchmark::DoNotOptimize(report.data());
    }
}
BENCHMARK(BM_BridgeRecompute)
    ->Arg(Systems::CTrack)
    ->Arg(Systems::ZTrack)
    ->Unit(benchmark::kMicrosecond);

// Args: pieces already in the layout.
void BM_BridgePlacing(benchmark::State& state) {
    const BridgeKit kit = kitOf(Systems::CTrack);
    const BridgePlan plan = recomputeBridgePlan(kit, {-1, 300.0, 2.0}, longComposition(kit));
    Layout layout;
    LayoutEditor editor(layout);
    {
        Edit edit(editor);
        for (int i = 0; i < state.range(0); ++i) {
            PlacedPiece p;
            p.article = "24188";
            p.x = 188.3 * (i % 100);
            p.y = 100.0 * (i / 100);
            edit.addPiece(std::move(p));
        }
    }
    size_t laid = 0;
    for (auto _ : state) {
        laid = placeBridge(editor, plan, {0.0, -2000.0}).size();
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
    state.counters["pieces_laid"] = static_cast<double>(laid);
}
BENCHMARK(BM_BridgePlacing)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
