#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/varied_profiles.h"
#include "core/profile.h"
#include "pricing/chart_order.h"
#include "pricing/engine.h"

namespace {

using sazbar::bench::variedProfiles;

// One full run: every tariff, the unsupported check, the cheapest mark and the chart order.
void BM_FullRun(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    sazbar::RunResult result;
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Profile& p = profiles[i++ & 1023];
        sazbar::runPricing(p, {}, result);
        const auto order = sazbar::chartOrder(sazbar::chartInput(result, true));
        benchmark::DoNotOptimize(order);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FullRun);

}  // namespace
