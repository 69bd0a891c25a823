// File write and read, the tally and the snap search on generated layouts of every track system:
// rows of joined track in which each system's longest plain straight and its first curve
// alternate, at 1,000, 10,000 and 50,000 pieces. The first argument is the system's place in the
// catalog's order of systems, the second the number of pieces.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "document/snap_search.h"
#include "panels/piece_tally.h"

namespace {

constexpr int kRowLength = 50;

/// The systems of the catalog in the order their pieces first appear.
std::vector<TrackSystem> catalogSystems() {
    std::vector<TrackSystem> systems;
    for (const PieceDef& def : TrackCatalog::instance().pieces()) {
        if (std::find(systems.begin(), systems.end(), def.system) == systems.end()) {
            systems.push_back(def.system);
        }
    }
    return systems;
}

/// The longest plain straight and the first plain curve of `system`.
std::vector<const PieceDef*> rowPieces(TrackSystem system) {
    const PieceDef* straight = nullptr;
    const PieceDef* curve = nullptr;
    for (const PieceDef& def : TrackCatalog::instance().pieces()) {
        if (isPlainTrack(def, PieceKind::Straight, system) &&
            (straight == nullptr || def.length > straight->length)) {
            straight = &def;
        }
        if (curve == nullptr && isPlainTrack(def, PieceKind::Curve, system)) {
            curve = &def;
        }
    }
    return {straight, curve != nullptr ? curve : straight};
}

Layout makeLayout(TrackSystem system, int count) {
    const std::vector<const PieceDef*> row = rowPieces(system);
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.pieces.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const PieceDef& def = *row[static_cast<size_t>(i % 4 == 3)];
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = def.article;
        p.joints.resize(def.connectors.size());
        if (i % kRowLength == 0) {
            p.y = (i / kRowLength) * 4.0 * row[0]->length;
        } else {
            PlacedPiece& prev = layout.pieces.editBack();
            const PieceDef& prevDef = *TrackCatalog::instance().byArticle(prev.article);
            const Pose pose = matingPose(def, 0, connectorToWorld(prev, prevDef, 1));
            p.x = pose.x;
            p.y = pose.y;
            p.heading = pose.heading;
            p.joints[0] = {static_cast<int32_t>(prev.id), 1};
            prev.joints[1] = {static_cast<int32_t>(p.id), 0};
        }
        layout.pieces.push_back(std::move(p));
    }
    return layout;
}

Layout layoutFor(benchmark::State& state) {
    const std::vector<TrackSystem> systems = catalogSystems();
    const TrackSystem system = systems[static_cast<size_t>(state.range(0)) % systems.size()];
    state.SetLabel(systemName(system));
    return makeLayout(system, static_cast<int>(state.range(1)));
}

void BM_WriteBySystem(benchmark::State& state) {
    const Layout layout = layoutFor(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeLayoutText(layout, "Bench"));
    }
}

void BM_ReadBySystem(benchmark::State& state) {
    const std::string text = writeLayoutText(layoutFor(state), "Bench");
    for (auto _ : state) {
        Layout read;
        std::string name;
        if (!readLayoutText(text, read, name).empty()) {
            state.SkipWithError("the generated layout did not read back");
            return;
        }
    }
}

void BM_TallyBySystem(benchmark::State& state) {
    const Layout layout = layoutFor(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(countLayoutPieces(layout));
    }
}

// A straight held just past the open end of the last row: the search scans every piece.
void BM_SnapBySystem(benchmark::State& state) {
    const Layout layout = layoutFor(state);
    const TrackCatalog& catalog = TrackCatalog::instance();
    const PlacedPiece& last = layout.pieces.back();
    const WorldConnector end = connectorToWorld(last, *catalog.byArticle(last.article), 1);
    const PieceDef& dragged = *catalog.byArticle(layout.pieces.front().article);
    Pose pose = matingPose(dragged, 0, end);
    pose.x += 3.0;
    bool snapped = false;
    for (auto _ : state) {
        const SnapResult r = findSnap(dragged, pose, layout.pieces, catalog);
        benchmark::DoNotOptimize(r);
        snapped = r.snapped;
        pose.y += 1e-9;  // keep the search inside the loop
    }
    if (!snapped) {
        state.SkipWithError("the generated drag position did not snap");
    }
}

void everySystem(benchmark::internal::Benchmark* b) {
    const int systems = static_cast<int>(catalogSystems().size());
    for (int s = 0; s < systems; ++s) {
        for (const int n : {1000, 10000, 50000}) {
            b->Args({s, n});
        }
    }
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_WriteBySystem)->Apply(everySystem);
BENCHMARK(BM_ReadBySystem)->Apply(everySystem);
BENCHMARK(BM_TallyBySystem)->Apply(everySystem);
BENCHMARK(BM_SnapBySystem)->Apply(everySystem);

}  // namespace

BENCHMARK_MAIN();
