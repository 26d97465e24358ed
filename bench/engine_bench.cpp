#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench/varied_profiles.h"
#include "core/profile.h"
#include "pricing/breakdown.h"
#include "pricing/chart_order.h"
#include "pricing/engine.h"

namespace {

using sazbar::bench::variedProfiles;

// One full run: every tariff, the unsupported check and the cheapest mark, as
// --batch and price_array run it (the chart order is measured on its own).
void BM_FullRun(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    sazbar::RunResult result;
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Profile& p = profiles[i++ & 1023];
        sazbar::runPricing(p, {}, result);
        benchmark::DoNotOptimize(result.fields.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FullRun);

// The full run followed by every text a front end shows: the price texts and
// the hints, joined from their pieces.
void BM_FullRunWithTexts(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    sazbar::RunResult result;
    std::string text;
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Profile& p = profiles[i++ & 1023];
        sazbar::runPricing(p, {}, result);
        text.clear();
        for (const sazbar::TariffResult& f : result.fields) {
            text += f.text();
            f.hint.appendTo(text);
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FullRunWithTexts);

// The chart order alone (the JSON output and the chart window), for prices
// all different and for prices with many ties.
void BM_ChartOrder(benchmark::State& state) {
    const bool ties = state.range(0) != 0;
    std::mt19937 rng(7);
    std::vector<std::array<sazbar::ChartInput, sazbar::kChartRecords>> inputs(256);
    for (auto& in : inputs) {
        for (int n = 0; n < sazbar::kChartRecords; ++n) in[n].price = static_cast<std::int32_t>(ties ? rng() % 40 : n * 97 + rng() % 97);
        std::shuffle(in.begin(), in.end(), rng);
    }
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(sazbar::chartOrder(inputs[i++ & 255]));
}
BENCHMARK(BM_ChartOrder)->Arg(0)->Arg(1);

// The breakdown of one tariff (the Individual, the longest) and of all 49.
void BM_BreakdownOne(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    const int individual = sazbar::tariffIndex("individual_wapmi");
    sazbar::Breakdown b;
    std::size_t i = 0;
    for (auto _ : state) {
        sazbar::priceBreakdown(profiles[i++ & 1023], {}, individual, b);
        benchmark::DoNotOptimize(b.items.data());
    }
}
BENCHMARK(BM_BreakdownOne);

void BM_BreakdownAll(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    std::vector<sazbar::Breakdown> all(sazbar::kTariffCount);
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Profile& p = profiles[i++ & 1023];
        for (int t = 0; t < sazbar::kTariffCount; ++t) sazbar::priceBreakdown(p, {}, t, all[static_cast<std::size_t>(t)]);
        benchmark::DoNotOptimize(all.data());
    }
}
BENCHMARK(BM_BreakdownAll);

}  // namespace
