#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/app.h"
#include "core/profile_json.h"
#include "cli/report.h"
#include "pricing/engine.h"

namespace {

// A month of use as one JSON line, as a batch user would send it.
std::string variedLines(std::size_t n) {
    std::mt19937 rng(2000);
    auto upTo = [&](int max) { return std::to_string(rng() % static_cast<unsigned>(max + 1)); };
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s += "{\"matrix\": [";
        for (int b = 0; b < 4; ++b) {
            s += b ? ", [" : "[";
            for (int r = 0; r < 7; ++r) (s += r ? ", " : "") += rng() % 3 == 0 ? "0" : upTo(300);
            s += ']';
        }
        s += "], \"wap\": [" + upTo(10) + ", 0, 0, 0], \"gprs_wap_kb\": " + upTo(5000) +
             ", \"gprs_internet_kb\": " + upTo(80000) + ", \"international\": [";
        for (int r = 0; r < 2; ++r)
            s += std::string(r ? ", " : "") + "{\"country\": " + upTo(35) + ", \"peak\": " + upTo(60) +
                 ", \"afternoon\": " + upTo(60) + ", \"evening_weekend\": " + upTo(60) + "}";
        s += "], \"internet_calls\": " + std::string(rng() % 2 ? "true" : "false") + "}\n";
    }
    return s;
}

class NullBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// JSON Lines in memory -> JSON Lines out: parse, price, chart order, write.
void BM_Batch(benchmark::State& state) {
    constexpr std::size_t kLines = 8192;
    const std::string input = variedLines(kLines);
    NullBuffer sink;
    std::ostream out(&sink), err(&sink);
    for (auto _ : state) {
        std::istringstream in(input);
        const auto s = sazbar::cli::runBatch(in, out, err, "bench", {});
        benchmark::DoNotOptimize(s);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond);

// The parts of one line, to see where the time goes.
void BM_ParseProfile(benchmark::State& state) {
    const std::string input = variedLines(1);
    sazbar::ProfileDocument p;
    sazbar::ProfileError e;
    for (auto _ : state) benchmark::DoNotOptimize(sazbar::readProfile(input, p, e));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ParseProfile);

void BM_WriteJson(benchmark::State& state) {
    const std::string input = variedLines(1);
    sazbar::ProfileDocument p;
    sazbar::ProfileError e;
    sazbar::readProfile(input, p, e);
    const sazbar::RunResult result = sazbar::runPricing(p.profile);
    std::string out;
    for (auto _ : state) {
        out.clear();
        sazbar::cli::appendJson(out, result, false);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_WriteJson);

}  // namespace
