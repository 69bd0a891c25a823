// The Layout Wizard on the largest tables the Layout Shape dialog accepts (99000 in each field,
// in millimetres and in inches), C-Track with station and bridge, double track, and an L-table:
// the whole command from the checks to the one edit that inserts the track. It runs on the
// interface thread, so it must answer well under a second.
#include <benchmark/benchmark.h>

#include "app/scripted_prompter.h"
#include "dialogs/baseboard_shape.h"
#include "wizards/layout_wizard.h"

namespace {

// Args: field value, unit (0 mm, 2 in), shape (0 rectangle, 1 L), double track (0/1).
void BM_LayoutWizardLargestTable(benchmark::State& state) {
    const double field = fromDisplay(static_cast<double>(state.range(0)),
                                     unitsFromInt(static_cast<int>(state.range(1))));
    const auto shape = state.range(2) == 0 ? BaseboardShape::Rectangle : BaseboardShape::LShape;
    const LayoutWizardChoices choices{state.range(3) != 0, true, true};
    size_t pieces = 0;
    for (auto _ : state) {
        Layout layout;
        layout.baseboard.vertices = parametricBaseboard(shape, field, field, field / 2, field / 2);
        LayoutEditor editor(layout);
        ScriptedPrompter prompter;
        const bool done = runLayoutWizard(
            editor, prompter, Systems::CTrack,
            [&](const std::string&) { return std::optional<LayoutWizardChoices>(choices); });
        if (!done) {
            state.SkipWithError("nothing generated");
            break;
        }
        pieces = layout.pieces.size();
    }
    state.counters["pieces"] = static_cast<double>(pieces);
}

}  // namespace

BENCHMARK(BM_LayoutWizardLargestTable)
    ->Args({99000, 0, 0, 0})
    ->Args({99000, 0, 1, 0})
    ->Args({99000, 0, 0, 1})
    ->Args({99000, 2, 0, 0})
    ->Args({99000, 2, 1, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
