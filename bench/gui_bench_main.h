#pragma once
// The main of a benchmark program that draws through the toolkit when a display is there: it
// starts wx only then, runs the benchmarks and shuts wx down again. Include in one file per
// program, which defines `int main` by calling runBenchmarks.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <wx/app.h>
#include <wx/init.h>

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

/// Runs the registered benchmarks; `display` tells them during the run whether wx started.
inline int runBenchmarks(int argc, char** argv, bool& display) {
    benchmark::Initialize(&argc, argv);
    const char* name = std::getenv("DISPLAY");
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    display =
        name != nullptr && *name != '\0' && wxEntryStart(wxArgc, wxArgv) && wxTheApp->CallOnInit();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (display) {
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
    return 0;
}
