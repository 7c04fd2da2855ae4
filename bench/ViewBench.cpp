// What the FLTK view costs a person: one value change with the manual page showing many rows,
// and the start-up to the main window mapped beside a bare window of the same size.
#include "forms/Program.h"

#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include "bench/Inputs.h"
#include "support/Scenario.h"
#include "ui/Scale.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::bench {
namespace {

using test::Scenario;

// A value change while the manual page shows a file of `rows` lines.
void BM_RowChange(benchmark::State& state) {
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(test::craftedConfig({}, static_cast<int>(state.range(0))));
    s.start();
    fltk::FltkView view(s.program());
    s.user([&] { s.form1().Laden1.click(); });
    s.user([&] { s.form1().SpeedButton9.click(); });
    Fl::check();
    int n = 0;
    for (auto _ : state) {
        // Rows all over the list, as bound controls write them.
        const int row = static_cast<int>((static_cast<long long>(n) * 7919) % state.range(0));
        s.form1().document().putValue(row, (++n & 1) ? "1" : "0");
    }
}
BENCHMARK(BM_RowChange)->Arg(175)->Arg(14000);

void waitUntilShown(Fl_Window& window) {
    while (!window.shown() || !window.visible())
        Fl::wait(0.001);
    Fl::check();
}

// The floor: a bare window of the main window's size that sets its font and measures one
// caption before it is shown; the argument is the desktop's scale in per cent.
void BM_StartupFloor(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    fltk::initialiseToolkit(scale);
    for (auto _ : state) {
        Fl_Double_Window window(scaled(286, scale), scaled(171, scale), scaled(587, scale),
                                scaled(279, scale), "ZEL Torvexa");
        window.end();
        fl_font(FL_HELVETICA, scaledFont(11, scale));
        int w = 0;
        int h = 0;
        fl_measure("f1graphics.cfg kontrolliert ALLE Grafikeinstellungen", w, h, 0);
        window.show();
        waitUntilShown(window);
    }
}
BENCHMARK(BM_StartupFloor)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Torvexa's start: the three windows built headless, the language read, the view built and
// the main window shown.
// The second argument: 200 Wine prefixes in the player's home, searched at each start.
void BM_Startup(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    fltk::initialiseToolkit(scale);
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(Scenario::sampleConfig());
    if (state.range(1) > 0) homeWith200Prefixes(s.workingFolder.path());
    for (auto _ : state) {
        const auto system = s.systemOfANewStart();
        Program program(*system, s.dialogs, "/usr/bin/torvexa");
        fltk::FltkView view(program, scale);
        Fl_Window* main = Fl::first_window();
        while (main && main->label() && std::string(main->label()) != "ZEL Torvexa")
            main = Fl::next_window(main);
        if (!main) {
            state.SkipWithError("the main window was not shown");
            break;
        }
        waitUntilShown(*main);
    }
}
BENCHMARK(BM_Startup)
    ->Args({100, 0})
    ->Args({200, 0})
    ->Args({100, 200})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvexa::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
