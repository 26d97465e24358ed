// From "Výpočet" to a fully updated results window (pricing, 49 fields with
// texts, colours and tooltips), and the memory of both windows, on the
// offscreen platform.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>

#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

namespace {

double peakRssMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// Both windows wired as the program wires them; "Výpočet" activates the
// results window at once, as the window system does when it is shown.
struct Windows {
    Windows() {
        results.setProfileSource([this] { return main.profile(); });
        main.setResultsWindow(&results);
        QObject::connect(&main, &TForm1::resultsRequested, &results, [this] {
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&results, &activate);
        });
        const std::pair<int, const char*> month[] = {{1, "120"}, {2, "60"}, {3, "35"},  {4, "12"}, {5, "40"},
                                                     {8, "80"},  {9, "30"}, {12, "15"}, {16, "25"}, {19, "5"},
                                                     {22, "10"}, {26, "3"}, {29, "6"},  {45, "500"}, {33, "20"}};
        for (const auto& [n, text] : month) box(n)->setText(QString::fromLatin1(text));
        calc = main.findChild<QPushButton*>(QStringLiteral("Button1"));
    }
    QLineEdit* box(int n) { return main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }

    TForm1 main;
    Tform3 results;
    QPushButton* calc = nullptr;
};

// Must run first: the peak memory after both windows have been shown.
void BM_BothWindowsShown_PeakMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto w = std::make_unique<Windows>();
        w->main.show();
        w->calc->click();
        w->results.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->main.grab());
        benchmark::DoNotOptimize(w->results.grab());
        state.counters["peak_rss_MiB"] = peakRssMiB();
    }
}
BENCHMARK(BM_BothWindowsShown_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The user changed a box and presses "Výpočet": every field gets new values.
void BM_CalculateToResults(benchmark::State& state) {
    Windows w;
    QLineEdit* tm = w.box(2);
    const QString a = QStringLiteral("60");
    const QString b = QStringLiteral("460");
    bool flip = false;
    for (auto _ : state) {
        tm->setText((flip = !flip) ? b : a);
        w.calc->click();
    }
    benchmark::DoNotOptimize(w.results.lastResult().fields[0].price);
}
BENCHMARK(BM_CalculateToResults)->Unit(benchmark::kMicrosecond);

// The same, with the results window painted afterwards.
void BM_CalculateToResultsPainted(benchmark::State& state) {
    Windows w;
    w.results.show();
    QLineEdit* tm = w.box(2);
    bool flip = false;
    for (auto _ : state) {
        tm->setText((flip = !flip) ? QStringLiteral("460") : QStringLiteral("60"));
        w.calc->click();
        QPixmap shown = w.results.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_CalculateToResultsPainted)->Unit(benchmark::kMicrosecond);

// Direct debit ticked and unticked: the rerun of "Platba inkasem".
void BM_DirectDebitRerun(benchmark::State& state) {
    Windows w;
    w.calc->click();
    auto* inkaso = w.results.findChild<QCheckBox*>(QStringLiteral("inkaso"));
    for (auto _ : state) inkaso->toggle();
}
BENCHMARK(BM_DirectDebitRerun)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
