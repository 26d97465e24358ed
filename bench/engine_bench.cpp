#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/profile.h"
#include "pricing/chart_order.h"
#include "pricing/engine.h"

namespace {

std::vector<sazbar::Profile> variedProfiles(std::size_t n) {
    std::mt19937 rng(2000);
    auto upTo = [&](int max) { return static_cast<std::int32_t>(rng() % static_cast<unsigned>(max + 1)); };
    std::vector<sazbar::Profile> out(n);
    for (sazbar::Profile& p : out) {
        for (auto& band : p.matrix)
            for (auto& cell : band) cell = rng() % 3 == 0 ? 0 : upTo(300);
        for (auto& w : p.wap) w = rng() % 4 == 0 ? upTo(60) : 0;
        p.gprsWap = rng() % 3 == 0 ? upTo(5000) : 0;
        p.gprsNet = rng() % 3 == 0 ? upTo(80000) : 0;
        for (auto& row : p.intl) row = {upTo(35), upTo(60), upTo(60), upTo(60)};
        p.internetCalls = rng() % 2 == 0;
    }
    return out;
}

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
