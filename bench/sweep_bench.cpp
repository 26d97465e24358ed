// The what-if sweep: 301 points of all 49 tariffs, and the "Co kdyby" window
// redrawing from it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/varied_profiles.h"
#include "pricing/sweep.h"
#include "qcustomplot.h"
#include "ui/whatif/tcokdyby.h"

namespace {

using sazbar::bench::variedProfiles;

// 0..300 % in steps of 1 %: 301 pricing runs with their marks, then the spans,
// break-even points and ranges.
void BM_Sweep301(benchmark::State& state) {
    const auto profiles = variedProfiles(64);
    const auto group = static_cast<sazbar::SweepGroup>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Sweep s = sazbar::runSweep(profiles[i++ & 63], {false, true}, group, {300, 1});
        benchmark::DoNotOptimize(s.breakEvens.data());
        if (s.points.size() != 301) state.SkipWithError("not 301 points");
    }
    state.SetLabel(std::string(sazbar::sweepGroupName(group)));
}
BENCHMARK(BM_Sweep301)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

struct WindowSetup {
    sazbar::Profile profile = variedProfiles(1).front();
    Tcokdyby w;
    WindowSetup() {
        w.setProfileSource([this] { return profile; });
        w.resize(780, 540);
        w.recalc();
    }
};

// A change of the inputs: sweep, list, lines, marks and labels, replot.
void BM_WhatIfRecalc(benchmark::State& state) {
    WindowSetup s;
    for (auto _ : state) s.w.recalc();
}
BENCHMARK(BM_WhatIfRecalc)->Unit(benchmark::kMillisecond);

// The same and painting the whole window, as showing it would.
void BM_WhatIfRecalcAndPaint(benchmark::State& state) {
    WindowSetup s;
    for (auto _ : state) {
        s.w.recalc();
        benchmark::DoNotOptimize(s.w.grab());
    }
}
BENCHMARK(BM_WhatIfRecalcAndPaint)->Unit(benchmark::kMillisecond);

// Moving the mouse over the chart: the prices at a factor, replotted.
void BM_WhatIfHover(benchmark::State& state) {
    WindowSetup s;
    double at = 0;
    for (auto _ : state) {
        s.w.hoverAt(at);
        s.w.plot()->replot(QCustomPlot::rpImmediateRefresh);
        at = at >= 300 ? 0 : at + 7;
    }
}
BENCHMARK(BM_WhatIfHover)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
