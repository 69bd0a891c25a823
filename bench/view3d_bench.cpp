// The 3D view against a layout of 5,000 pieces (rows of straights, curves and turnouts, one
// helix, a tunnel and shapes): the scene rebuild after an edit, and, when a display is there, one
// orbit frame at 1600 x 1000 drawn and finished by the GL (Mesa's software renderer under Xvfb).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <wx/app.h>
#include <wx/init.h>

#include "gui_bench_main.h"

#include "edit/layout_editor.h"
#include "view3d/scene.h"
#include "view3d/ui/track_gl_canvas.h"
#include "view3d/ui/view3d_frame.h"

namespace {

Layout makeLayout(int count) {
    static const char* kArticles[] = {"24188", "24188", "24130", "24230",
                                      "24612", "24172", "24611", "24094"};
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.baseboard.vertices = {{-100, -100}, {10100, -100}, {10100, 5100}, {-100, 5100}};
    for (int i = 0; i < count; ++i) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = kArticles[i % 8];
        p.x = (i % 50) * 200.0;
        p.y = (i / 50) * 50.0;
        p.z = (i % 7) * 10.0;
        p.grade = (i % 5 == 0) ? 1.5 : 0.0;
        layout.pieces.push_back(p);
    }
    Helix helix;
    helix.id = layout.AllocateId();
    helix.cx = 5000;
    helix.cy = 2500;
    layout.helices.push_back(helix);
    Tunnel tunnel;
    tunnel.id = layout.AllocateId();
    for (uint32_t id = 1; id <= 50; ++id) {
        tunnel.covers.push_back(id);
    }
    layout.tunnels.push_back(tunnel);
    FreeShape hill;
    hill.id = layout.AllocateId();
    hill.vertices = {{0, 0}, {800, 0}, {800, 600}, {0, 600}};
    hill.height = 40;
    layout.shapes.push_back(hill);
    return layout;
}

void BM_Rebuild5000(benchmark::State& state) {
    const Layout layout = makeLayout(5000);
    Scene scene;
    for (auto _ : state) {
        buildScene(layout, TrackCatalog::instance(), SceneryCatalog::instance(), scene);
        benchmark::DoNotOptimize(scene.pieces.data());
    }
    state.counters["pieces"] = static_cast<double>(scene.pieces.size());
    size_t distant = 0, triangles = 0;
    for (const TrackTile& tile : scene.tiles) {
        distant += tile.distant.vertexCount();
        triangles += tile.distant.triangleCount();
    }
    state.counters["distantVertices"] = static_cast<double>(distant);
    state.counters["distantTriangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_Rebuild5000)->Unit(benchmark::kMillisecond);

bool g_display = false;

void BM_OrbitFrame1600x1000(benchmark::State& state) {
    if (!g_display) {
        state.SkipWithError("no display");
        return;
    }
    Layout layout = makeLayout(5000);
    LayoutEditor editor(layout);
    View3DFrame* frame = openView3D(nullptr, editor);
    frame->canvas()->SetMinClientSize(wxSize(1600, 1000));
    frame->SetClientSize(frame->GetClientSize() + wxSize(1600, 1000) -
                         frame->canvas()->GetClientSize());
    for (int i = 0; i < 200 && !frame->canvas()->IsShownOnScreen(); ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    for (int i = 0; i < 20; ++i) {
        wxTheApp->Yield(true);
    }
    TrackGLCanvas& canvas = *frame->canvas();
    // Argument 0: the fitted view of the whole layout; 1: zoomed in to 1.5 m over its middle.
    if (state.range(0) == 1) {
        canvas.camera().distance = 1500.0f;
    }
    for (auto _ : state) {
        canvas.camera().azimuth += 2.0f;
        benchmark::DoNotOptimize(canvas.drawFrameNow());
    }
    state.counters["width"] = canvas.GetClientSize().x;
    state.counters["height"] = canvas.GetClientSize().y;
    frame->Destroy();
    wxTheApp->Yield(true);
}
BENCHMARK(BM_OrbitFrame1600x1000)->Unit(benchmark::kMillisecond)->Iterations(20)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, g_display);
}
