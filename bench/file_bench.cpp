// Writing and reading layout files of 1k, 5k and 10k pieces. Open and Save run on the GUI thread,
// so both must stay linear in the size of the layout and well under a second for 10k pieces.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "document/layout_file.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"

namespace {

/// A chain of joined pieces with varied attributes, some scenery, labels and a grade run, so
/// that the writer and the reader see every common kind of line.
Layout makeLayout(int count) {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.pieces.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        PlacedPiece p;
        p.id = layout.AllocateId();
        p.article = (i % 5 == 0) ? "24130" : "24188";
        p.x = 188.3 * i;
        p.y = 0.25 * (i % 100);
        p.heading = (i * 7) % 360;
        p.z = (i % 3) * 12.5;
        p.grade = (i % 4 == 0) ? 1.5 : 0.0;
        p.hasColor = i % 11 == 0;
        p.color = {200, 10, 10};
        p.joints.assign(2, Joint{});
        if (i > 0) {
            p.joints[0] = {static_cast<int32_t>(p.id - 1), 1};
            layout.pieces.editBack().joints[1] = {static_cast<int32_t>(p.id), 0};
        }
        layout.pieces.push_back(std::move(p));
    }
    for (int i = 0; i < count / 20; ++i) {
        SceneryItem s;
        s.id = layout.AllocateId();
        s.item = "tree_large";
        s.x = 50.0 * i;
        layout.scenery.push_back(s);
        LayoutLabel l;
        l.id = layout.AllocateId();
        l.text = "Station & Yard " + std::to_string(i);
        layout.labels.push_back(l);
    }
    layout.gradeRuns.push_back({2.0, static_cast<int32_t>(layout.pieces.back().id), 1});
    layout.SyncGradeState();
    return layout;
}

void BM_WriteLayoutText(benchmark::State& state) {
    const Layout layout = makeLayout(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = writeLayoutText(layout, "Bench");
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.SetComplexityN(state.range(0));
}

void BM_ReadLayoutText(benchmark::State& state) {
    const std::string text = writeLayoutText(makeLayout(static_cast<int>(state.range(0))), "B");
    Layout layout;
    std::string name;
    for (auto _ : state) {
        const std::string error = readLayoutText(text, layout, name);
        if (!error.empty())
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(layout.pieces.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size()) * state.iterations());
    state.SetComplexityN(state.range(0));
}

// Saving includes the temporary file, fsync and rename, which dominate on a real disk.
void BM_SaveAndOpenFile(benchmark::State& state) {
    const Layout source = makeLayout(static_cast<int>(state.range(0)));
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("railvane_file_bench_" + std::to_string(::getpid()) + ".tdl"))
                                 .string();
    Layout layout;
    std::string name;
    for (auto _ : state) {
        std::string error = WriteLayout(path, source, "Bench");
        if (error.empty())
            error = ReadLayout(path, layout, name);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_WriteLayoutText)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_ReadLayoutText)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_SaveAndOpenFile)->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
