// What a player's whole Torvexa takes in memory with a 50 MB f1graphics.cfg loaded and shown on
// the manual page: the peak resident size of this process (its libraries, FLTK, the X
// connection, the document and the three lists), per byte of the file. A program of its own, so
// that nothing measured before counts.
#include "forms/Program.h"

#include <benchmark/benchmark.h>

#include <FL/Fl.H>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/Inputs.h"
#include "support/Scenario.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::bench {
namespace {

using test::Scenario;

// A line of /proc/self/status in kB ("VmHWM:  187000 kB"), 0 where it is missing.
double statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1));
    return 0;
}

void BM_ProcessMemory50MB(benchmark::State& state) {
    fltk::initialiseToolkit(1);
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(plausibleConfig(50u << 20));
    const double size = static_cast<double>(std::filesystem::file_size(s.configFile()));
    // The peak from here on: making the file is the benchmark's work, not the program's.
    std::ofstream("/proc/self/clear_refs") << "5";
    for (auto _ : state) {
        s.start();
        fltk::FltkView view(s.program());
        s.user([&] { s.form1().Laden1.click(); });
        s.user([&] { s.form1().SpeedButton9.click(); });
        Fl::check();
    }
    const double peak = statusKilobytes("VmHWM") * 1024;
    state.counters["peak_mb"] = peak / (1 << 20);
    state.counters["peak_per_byte"] = peak / size;
}
BENCHMARK(BM_ProcessMemory50MB)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvexa::bench

BENCHMARK_MAIN();
