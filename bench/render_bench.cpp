// Cost of a full repaint of the plan: drawLayout of generated layouts of 1k, 5k and 10k pieces
// into a 1600 x 1000 bitmap, once with the whole layout fitted into view (everything drawn, labels
// and dots off because the zoom is below 0.2) and once at zoom 1 with labels, dots and rails
// (most pieces off screen and skipped). Needs a display; without DISPLAY it reports a skip.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include "canvas/canvas_view.h"
#include "canvas/ui/plan_cache.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/snap_search.h"
#include "geometry/geometry.h"
#include "render/ui/layout_renderer.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr int kRowLength = 50;

// Rows of joined track in which straights, curves, a turnout and a raised stretch alternate, so
// the paint meets several band shapes, shades and tints.
Layout makeLayout(int count) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    static const char* const kArticles[] = {"24188", "24230", "24188", "24130",
                                            "24611", "24188", "24994", "24172"};
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.pieces.reserve(static_cast<size_t>(count));
    uint32_t previous = kNoId;
    for (int i = 0; i < count; ++i) {
        const int col = i % kRowLength;
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = kArticles[i % 8];
        const PieceDef& def = *catalog.byArticle(p.article);
        p.joints.resize(def.connectors.size());
        if (col == 0) {
            p.x = 0.0;
            p.y = (i / kRowLength) * 120.0;
            p.heading = 0.0;
        } else {
            // Continue from connector 1 of the previous piece.
            const PlacedPiece& prev = layout.pieces.back();
            const WorldConnector c1 = connectorToWorld(prev, *catalog.byArticle(prev.article), 1);
            const Pose pose = matingPose(def, 0, c1);
            p.x = pose.x;
            p.y = pose.y;
            p.heading = pose.heading;
            p.joints[0] = {static_cast<int32_t>(previous), 1};
            layout.pieces.editBack().joints[1] = {static_cast<int32_t>(p.id), 0};
        }
        if (p.heading > 20.0 && p.heading < 340.0) {
            p.heading = 0.0;  // a row that turned too far starts east again, so rows never cross
        }
        p.z = (i / kRowLength) % 3 == 1 ? 60.0 : 0.0;
        layout.pieces.push_back(p);
        previous = layout.pieces.back().id;
    }
    return layout;
}

void drawOnce(benchmark::State& state, bool fitted) {
    const Layout layout = makeLayout(static_cast<int>(state.range(0)));
    CanvasView view;
    if (fitted) {
        view.zoomToFit(layout, false, kWidth, kHeight, TrackCatalog::instance());
    } else {
        view.zoom = 1.0;
    }
    wxBitmap bitmap(kWidth, kHeight, 24);
    wxMemoryDC dc(bitmap);
    LayoutRenderer renderer;
    const RenderOptions options = canvasRenderOptions(layout);
    for (auto _ : state) {
        renderer.drawLayout(dc, layout, options, view, wxSize(kWidth, kHeight));
    }
    state.counters["zoom"] = view.zoom;
}

// A fitted plan painted as the canvas paints it during a gesture: the kept picture of the plan
// (checked by its fingerprint), what the gesture moves over it, then the rulers.
struct GesturePaint {
    Layout layout;
    CanvasView view;
    wxBitmap bitmap{kWidth, kHeight, 24};
    wxMemoryDC dc{bitmap};
    LayoutRenderer renderer;
    PlanCache plan;

    explicit GesturePaint(int pieces) : layout(makeLayout(pieces)) {
        view.zoomToFit(layout, false, kWidth, kHeight, TrackCatalog::instance());
        view.panX = std::round(view.panX);
        view.panY = std::round(view.panY);
    }
    void paint(bool selectionMoving, int mouseX) {
        const RenderOptions options = canvasRenderOptions(layout);
        plan.draw(dc, renderer, layout, options, view, wxSize(kWidth, kHeight), selectionMoving);
        renderer.paintOverPlan(dc, layout, options, view, wxPoint(mouseX % kWidth, 300), "");
    }
};

// Only a ghost or the rulers' mark moves.
void BM_GesturePaintFitted(benchmark::State& state) {
    GesturePaint g(static_cast<int>(state.range(0)));
    int x = 0;
    for (auto _ : state) {
        g.paint(false, x++);
    }
    state.counters["redraws"] = g.plan.redraws();
}

// 50 selected pieces are dragged: the kept picture holds the rest.
void BM_MovePaintFitted(benchmark::State& state) {
    GesturePaint g(static_cast<int>(state.range(0)));
    for (size_t i = 0; i < 50; ++i) {
        g.layout.pieces.edit(i * 7).selected = true;
    }
    for (auto _ : state) {
        for (size_t i = 0; i < 50; ++i) {
            g.layout.pieces.edit(i * 7).x += 1.0 / g.view.zoom;
        }
        g.paint(true, 300);
    }
    state.counters["redraws"] = g.plan.redraws();
}

// The plan is panned by a few pixels a move: the kept picture moves, the uncovered strips are
// drawn.
void BM_PanPaintFitted(benchmark::State& state) {
    GesturePaint g(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        g.view.panX += (step / 20) % 2 == 0 ? 4 : -4;  // to and fro, so the plan stays in view
        g.view.panY += (step++ / 20) % 2 == 0 ? 3 : -3;
        g.paint(false, 300);
    }
    state.counters["redraws"] = g.plan.redraws();
}

void BM_RepaintFitted(benchmark::State& state) {
    drawOnce(state, true);
}
void BM_RepaintZoom1(benchmark::State& state) {
    drawOnce(state, false);
}

BENCHMARK(BM_RepaintFitted)->Arg(1000)->Arg(5000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GesturePaintFitted)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovePaintFitted)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanPaintFitted)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintZoom1)->Arg(1000)->Arg(5000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::printf(
            "render_bench: skipped, drawing needs a display (set DISPLAY or use xvfb-run)\n");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) {
        std::printf("render_bench: skipped, the toolkit could not start\n");
        return 0;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
