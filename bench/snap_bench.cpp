// Cost of the snap search that runs on every mouse move while a piece is dragged, over generated
// layouts of 1k, 5k and 10k pieces laid out as rows of joined straights.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/snap_search.h"
#include "geometry/geometry.h"

namespace {

constexpr int kRowLength = 50;
constexpr double kRowSpacing = 80.0;

// Rows of kRowLength pieces; neighbours within a row are joined, so only row ends stay open.
// `articles` are used in turn, so a mixed list defeats any run-of-same-article shortcut.
std::vector<PlacedPiece> makeRows(int count, const std::vector<std::string>& articles,
                                  const TrackCatalog& catalog) {
    std::vector<PlacedPiece> pieces;
    pieces.reserve(static_cast<size_t>(count));
    double x = 0.0;
    for (int i = 0; i < count; ++i) {
        const int col = i % kRowLength;
        if (col == 0) {
            x = 0.0;
        }
        PlacedPiece p;
        p.id = static_cast<uint32_t>(i + 1);
        p.article = articles[static_cast<size_t>(i) % articles.size()];
        p.x = x;
        p.y = (i / kRowLength) * kRowSpacing;
        p.joints.resize(2);
        if (col > 0) {
            p.joints[0] = Joint{static_cast<int32_t>(i), 1};
        }
        if (col < kRowLength - 1 && i + 1 < count) {
            p.joints[1] = Joint{static_cast<int32_t>(i + 2), 0};
        }
        x += catalog.byArticle(p.article)->length;
        pieces.push_back(std::move(p));
    }
    return pieces;
}

void runSnap(benchmark::State& state, const std::vector<std::string>& articles) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const auto& a : articles) {
        if (catalog.byArticle(a) == nullptr) {
            state.SkipWithError(("article missing from the catalog: " + a).c_str());
            return;
        }
    }
    const auto placed = makeRows(static_cast<int>(state.range(0)), articles, catalog);
    const PieceDef& dragged = *catalog.byArticle(articles.front());
    // Just past the open end of the middle row, so the search scans everything and finds one.
    const PlacedPiece& rowEnd = placed[placed.size() / 2 / kRowLength * kRowLength];
    Pose pose{rowEnd.x - dragged.length - 10.0, rowEnd.y + 3.0, 0.0};
    bool snapped = false;
    for (auto _ : state) {
        const SnapResult r = findSnap(dragged, pose, placed, catalog);
        benchmark::DoNotOptimize(r);
        snapped = r.snapped;
        pose.x += 1e-9;  // keep the compiler from hoisting the search out of the loop
    }
    if (!snapped) {
        state.SkipWithError("the generated drag position did not snap");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FindSnapStraights(benchmark::State& state) {
    runSnap(state, {"24188"});
}
void BM_FindSnapMixedArticles(benchmark::State& state) {
    runSnap(state, {"24188", "24172", "24229", "24236", "24094"});
}

}  // namespace

BENCHMARK(BM_FindSnapStraights)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindSnapMixedArticles)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
