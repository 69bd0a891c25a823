// Cost of Check Layout over generated layouts of 1k, 5k and 10k pieces: rows of joined straights
// and turnouts, every fifth row crossed by a row running across it 40 mm higher; and a dense heap
// of unjoined short chains on four heights.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "tools/layout_check.h"

namespace {

constexpr int kRowLength = 50;
constexpr double kRowSpacing = 80.0;

void addRow(Layout& layout, int count, double x, double y, double heading, double z) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const double dx = heading == 0.0 ? 1.0 : 0.0, dy = heading == 0.0 ? 0.0 : 1.0;
    for (int k = 0; k < count; ++k) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = k % 10 == 5 ? "24612" : "24188";
        p.x = x;
        p.y = y;
        p.heading = heading;
        p.z = z;
        p.joints.resize(catalog.byArticle(p.article)->connectors.size());
        if (k > 0) {
            p.joints[0] = Joint{static_cast<int32_t>(p.id - 1), 1};
            layout.pieces.editBack().joints[1] = Joint{static_cast<int32_t>(p.id), 0};
        }
        layout.pieces.push_back(std::move(p));
        x += dx * 188.3;
        y += dy * 188.3;
    }
}

Layout makeLayout(int count) {
    Layout layout;
    int row = 0;
    while (static_cast<int>(layout.pieces.size()) < count) {
        const int n = std::min(kRowLength, count - static_cast<int>(layout.pieces.size()));
        if (row % 5 == 4) {
            addRow(layout, n, 1000.0 + row * 150.0, -200.0, 90.0, 40.0);
        } else {
            addRow(layout, n, 0.0, row * kRowSpacing, 0.0, 0.0);
        }
        ++row;
    }
    return layout;
}

// A dense heap: short chains of straights, curves, turnouts and crossings at random poses on
// four heights, so that many bands overlap and the pair tests do real work.
Layout makeHeap(int count) {
    Layout layout;
    uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1664525u + 1013904223u) / 4294967296.0; };
    const char* articles[] = {"24188", "24130", "24612", "24640"};
    const TrackCatalog& catalog = TrackCatalog::instance();
    while (static_cast<int>(layout.pieces.size()) < count) {
        Pose pose{next() * 12000.0, next() * 8000.0, next() * 360.0};
        const double z = std::floor(next() * 4.0) * 30.0;
        for (int k = 0; k < 5 && static_cast<int>(layout.pieces.size()) < count; ++k) {
            PlacedPiece p;
            p.id = layout.AllocateId();
            p.article = articles[static_cast<int>(next() * 4.0)];
            p.x = pose.x;
            p.y = pose.y;
            p.heading = pose.heading;
            p.z = z;
            const PieceDef& def = *catalog.byArticle(p.article);
            p.joints.resize(def.connectors.size());
            const ConnectorDef& c = def.connectors[1];
            const double r = pose.heading * 3.14159265358979 / 180.0;
            pose = {pose.x + c.x * std::cos(r) - c.y * std::sin(r),
                    pose.y + c.x * std::sin(r) + c.y * std::cos(r), pose.heading + c.heading};
            layout.pieces.push_back(std::move(p));
        }
    }
    return layout;
}

void BM_CheckLayout(benchmark::State& state) {
    const Layout layout = makeLayout(static_cast<int>(state.range(0)));
    size_t findings = 0;
    for (auto _ : state) {
        const CheckResult result = checkLayout(layout, Units::Millimetres);
        findings = result.findings.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckLayout)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CheckHeap(benchmark::State& state) {
    const Layout layout = makeHeap(static_cast<int>(state.range(0)));
    size_t findings = 0;
    for (auto _ : state) {
        findings = checkLayout(layout, Units::Millimetres).findings.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckHeap)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
