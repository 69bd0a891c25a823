// Cost of the straight-combination search behind Autofill and the Elevation Wizard's fill, which
// runs on the interface thread when a context menu opens or a dialog closes. A sweep over every
// gap from 1 mm to 20 m of each system reports the slowest single search (thread CPU time); a
// made-up catalog that defeats the pruning shows what the node budget costs at most.
#include <benchmark/benchmark.h>

#include <ctime>
#include <vector>

#include "catalog/track_catalog.h"
#include "tools/straight_fill.h"

namespace {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<double> systemLengths(TrackSystem system) {
    return straightLengths(plainStraights(TrackCatalog::instance(), system));
}

/// Autofill stops after a piece count with 16 options; the elevation fill does not.
StraightSearchLimits limitsFor(double gap, const std::vector<double>& lengths, bool autofill) {
    StraightSearchLimits limits;
    limits.maxCount = straightPieceLimit(gap, lengths.back());
    if (autofill) {
        limits.enoughAfterCount = 16;
    }
    return limits;
}

// Args: system, autofill (1) or elevation fill (0).
void FillSweep(benchmark::State& state) {
    const std::vector<double> lengths = systemLengths(static_cast<TrackSystem>(state.range(0)));
    const bool autofill = state.range(1) != 0;
    double worst = 0.0, worstGap = 0.0;
    for (auto _ : state) {
        for (double gap = 1.0; gap <= 20000.0; gap += 1.3) {
            const double start = cpuSeconds();
            const StraightSearchResult found =
                searchStraightCombos(lengths, gap, limitsFor(gap, lengths, autofill));
            benchmark::DoNotOptimize(found.combos.size());
            const double spent = cpuSeconds() - start;
            if (spent > worst) {
                worst = spent;
                worstGap = gap;
            }
        }
    }
    state.counters["worst_ms"] = worst * 1e3;
    state.counters["worst_gap_mm"] = worstGap;
}
BENCHMARK(FillSweep)
    ->ArgsProduct({{Systems::CTrack, Systems::KTrack, Systems::ZTrack, Systems::TrixC,
                    Systems::Gauge1, Systems::MTrack},
                   {1, 0}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Thirty lengths, all multiples of 10 mm, and a distance 5 mm between two sums: no combination
// exists and the pruning keeps almost every branch, so the node budget ends the search.
void FillNodeBudget(benchmark::State& state) {
    std::vector<double> lengths;
    for (int i = 0; i < 30; ++i) {
        lengths.push_back(400.0 - i * 10.0);
    }
    StraightSearchLimits limits;
    bool cut = false;
    for (auto _ : state) {
        const StraightSearchResult found = searchStraightCombos(lengths, 8005.0, limits);
        cut = found.cut;
        benchmark::DoNotOptimize(found.combos.size());
    }
    state.counters["cut"] = cut ? 1 : 0;
}
BENCHMARK(FillNodeBudget)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
