// Per-mouse-move work of the canvas gestures against layouts of 1k and 5k joined pieces: the
// palette drag's snap search (through the controller, as each motion event runs it) with the ghost
// drawn into a bitmap when a display is there, and the move of a selected piece with its
// neighbourhood snap search.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include "gui_bench_main.h"

#include "app/scripted_prompter.h"
#include "canvas/canvas_controller.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_overlays.h"

namespace {

constexpr int kRowLength = 50;

struct NullHost : CanvasHost {
    ScriptedPrompter prompts;
    void repaint() override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void setCursor(CanvasCursor) override {}
    void setStatusText(int, const std::string&) override {}
    void startFlashTimer(int) override {}
    int showContextMenu(ScreenPoint, const std::vector<ContextMenuEntry>&) override { return -1; }
    Prompter& prompter() override { return prompts; }
    void takeFocus() override {}
    ScreenPoint clientSize() const override { return {1600, 1000}; }
    bool autofillGap() override { return false; }
    std::string runWizardStep(const WizardAction&) override { return {}; }
};

/// Rows of 50 straights joined end to end, 300 mm apart; every row end is open.
Layout makeRows(int count) {
    const TrackCatalog& catalog = TrackCatalog::instance();
    const PieceDef& def = *catalog.byArticle("24188");
    Layout layout;
    layout.EnsureDefaultLevel();
    for (int i = 0; i < count; ++i) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = "24188";
        p.x = (i % kRowLength) * def.length;
        p.y = (i / kRowLength) * 300.0;
        p.joints.resize(2);
        if (i % kRowLength != 0) {
            p.joints[0] = {static_cast<int32_t>(p.id - 1), 1};
            layout.pieces.editBack().joints[1] = {static_cast<int32_t>(p.id), 0};
        }
        layout.pieces.push_back(p);
    }
    return layout;
}

bool g_display = false;  // set by main when the toolkit started

bool haveDisplay() {
    return g_display;
}

void BM_PaletteDragMotion(benchmark::State& state) {
    Layout layout = makeRows(static_cast<int>(state.range(0)));
    NullHost host;
    LayoutEditor editor(layout);
    CanvasController ctrl(editor, host);
    ctrl.view().zoom = 0.1;
    startPaletteDrag(ctrl, "24188");
    const bool draw = haveDisplay();
    std::unique_ptr<wxBitmap> bitmap;
    std::unique_ptr<wxMemoryDC> dc;
    std::unique_ptr<LayoutRenderer> renderer;
    if (draw) {
        bitmap = std::make_unique<wxBitmap>(1600, 1000);
        dc = std::make_unique<wxMemoryDC>(*bitmap);
        renderer = std::make_unique<LayoutRenderer>();
    }
    int step = 0;
    for (auto _ : state) {
        // Sweep across the rows so that the search meets snapping and free positions alike.
        const ScreenPoint at{(step * 7) % 1000, (step * 3) % 900};
        ++step;
        ctrl.motion(at, {}, false);
        if (draw) {
            drawCanvasOverlays(*dc, *renderer, ctrl.overlays(), ctrl.view());
        }
        benchmark::DoNotOptimize(paletteDrag(ctrl).snap.snapped);
    }
    state.SetLabel(draw ? "snap + ghost" : "snap only (no display)");
}

void BM_SelectionMoveMotion(benchmark::State& state) {
    Layout layout = makeRows(static_cast<int>(state.range(0)));
    NullHost host;
    LayoutEditor editor(layout);
    CanvasController ctrl(editor, host);
    ctrl.view().zoom = 1.0;
    ctrl.view().panX = ctrl.view().panY = 0.0;
    // Grab the second row's first piece and carry it around the first row's end.
    const PlacedPiece& grabbed = layout.pieces[kRowLength];
    const ScreenPoint press{static_cast<int>(grabbed.x + 94), static_cast<int>(grabbed.y)};
    ctrl.leftDown(press, {});
    ctrl.motion({press.x, press.y + 20}, {}, true);
    int step = 0;
    for (auto _ : state) {
        ctrl.motion({press.x + (step % 400), press.y - 300 + (step % 50)}, {}, true);
        ++step;
    }
}

}  // namespace

BENCHMARK(BM_PaletteDragMotion)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionMoveMotion)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // The ghost needs the toolkit; without a display only the snap search is measured.
    return runBenchmarks(argc, argv, g_display);
}
