// Cost of reading piece shapes the way a repaint and a mouse move do: every piece's band outline
// moved into the layout frame, every piece's pick distance to the cursor, and the box of every
// piece, over generated layouts of 1k, 5k and 10k pieces drawn from the whole built-in catalog.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "catalog/piece_shape.h"

namespace {

// Pieces cycle through every catalog definition (turnouts, slips and turntables included) on a
// grid, each turned a little further, so neither the kind nor the heading repeats in runs.
std::vector<PlacedPiece> makeLayout(int count, const TrackCatalog& catalog) {
    std::vector<PlacedPiece> pieces;
    pieces.reserve(static_cast<size_t>(count));
    const int columns = 100;
    for (int i = 0; i < count; ++i) {
        PlacedPiece p;
        p.id = static_cast<uint32_t>(i + 1);
        p.article = catalog.byIndex(i % catalog.count())->article;
        p.x = (i % columns) * 400.0;
        p.y = (i / columns) * 400.0;
        p.heading = (i * 37) % 360;
        pieces.push_back(std::move(p));
    }
    return pieces;
}

void BM_RepaintOutlines(benchmark::State& state) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const std::vector<PlacedPiece> pieces = makeLayout(static_cast<int>(state.range(0)), catalog);
    std::vector<Vec2> buffer;
    buffer.reserve(256);
    for (auto _ : state) {
        size_t points = 0;
        for (const PlacedPiece& p : pieces) {
            const PieceDef* def = catalog.byArticle(p.article);
            const PieceShape& shape = pieceShape(*def);
            for (size_t i = 0; i < shape.paths.size(); ++i) {
                buffer.clear();
                appendToLayout(p.pose(), shape.bandPoints(static_cast<int>(i)),
                               static_cast<size_t>(shape.paths[i].outlineCount), buffer);
                points += buffer.size();
            }
        }
        benchmark::DoNotOptimize(points);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RepaintOutlines)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PickDistance(benchmark::State& state) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const std::vector<PlacedPiece> pieces = makeLayout(static_cast<int>(state.range(0)), catalog);
    const Vec2 cursor{20050.0, 20030.0};
    for (auto _ : state) {
        int hit = -1;
        double best = 1e300;
        // Last to first, as the canvas tries them.
        for (size_t i = pieces.size(); i-- > 0;) {
            const PieceDef* def = catalog.byArticle(pieces[i].article);
            const double d = pickDistance(*def, pieces[i].pose(), cursor);
            if (d <= pickReach(*def) && d < best) {
                best = d;
                hit = static_cast<int>(i);
            }
        }
        benchmark::DoNotOptimize(hit);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PickDistance)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LayoutBounds(benchmark::State& state) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const std::vector<PlacedPiece> pieces = makeLayout(static_cast<int>(state.range(0)), catalog);
    for (auto _ : state) {
        Bounds all;
        for (const PlacedPiece& p : pieces) {
            all.add(layoutBounds(pieceShape(*catalog.byArticle(p.article)), p.pose()));
        }
        benchmark::DoNotOptimize(all);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayoutBounds)->Arg(10000)->Unit(benchmark::kMillisecond);

// Building without the cache, into one reused shape: the cost the cache saves per piece.
void BM_BuildCatalogShapes(benchmark::State& state) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    PieceShape shape;
    for (auto _ : state) {
        for (const PieceDef& def : catalog.pieces()) {
            buildPieceShape(def, shape);
            benchmark::DoNotOptimize(shape.outline.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * catalog.count());
}
BENCHMARK(BM_BuildCatalogShapes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
