// Building and drawing the price chart: 49 bars, with and without value labels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <cstdlib>
#include <vector>

#include "../tests/ui/chart/fake_results.h"
#include "ui/chart/marks.h"
#include "ui/chart/tgraf.h"

namespace {

struct ChartSetup {
    sazbar::test::FakeResults results;
    Tgraf chart;
    ChartSetup(bool values) {
        sazbar::Profile p;
        p.matrix[sazbar::Peak][sazbar::TMobile] = 60;
        p.matrix[sazbar::Afternoon][sazbar::Eurotel] = 35;
        p.matrix[sazbar::Evening][sazbar::Oskar] = 25;
        p.matrix[sazbar::kSmsToTMobile][sazbar::Messages] = 40;
        results.show(sazbar::runPricing(p, {.directDebit = false, .fixedLine = true}), true);
        chart.setResultsWindow(&results);
        chart.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(values);
    }
};

// vytvor_data reads the 49 fields, sorts, sets the bars and replots; with value
// labels it also lays them out and straightens them.
void BM_BuildChartWithValueLabels(benchmark::State& state) {
    ChartSetup s(true);
    for (auto _ : state) {
        s.chart.vytvor_data();
        benchmark::DoNotOptimize(s.chart.marks());
    }
    if (s.chart.barCount() != 49 || !s.chart.valueLabelsShown()) state.SkipWithError("chart not built as expected");
}
BENCHMARK(BM_BuildChartWithValueLabels)->Unit(benchmark::kMillisecond);

void BM_BuildChartWithoutValueLabels(benchmark::State& state) {
    ChartSetup s(false);
    for (auto _ : state) s.chart.vytvor_data();
}
BENCHMARK(BM_BuildChartWithoutValueLabels)->Unit(benchmark::kMillisecond);

// Building and then painting the whole window, as showing it would.
void BM_BuildAndPaintChartWindow(benchmark::State& state) {
    ChartSetup s(true);
    for (auto _ : state) {
        s.chart.vytvor_data();
        benchmark::DoNotOptimize(s.chart.grab());
    }
}
BENCHMARK(BM_BuildAndPaintChartWindow)->Unit(benchmark::kMillisecond);

void BM_Narovnej49(benchmark::State& state) {
    std::vector<sazbar::chart::Mark> base;
    for (int n = 0; n < 49; ++n) base.push_back(sazbar::chart::automaticMark(60 + 15 * n, 380 - 3 * n, 38, 14));
    for (auto _ : state) {
        auto marks = base;
        sazbar::chart::narovnej(marks, 420);
        benchmark::DoNotOptimize(marks.data());
    }
}
BENCHMARK(BM_Narovnej49);

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
