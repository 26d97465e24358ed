// Tariffs read from files: pricing through the data path against the compiled
// run on the same profiles, and reading a large catalogue.
//
//   tariffs_bench [--benchmark_filter=...]
//
// Every tariff file of examples/tariffs/ and examples/builtin-tariffs.json is
// priced (read as priced without the compiled tariffs), through the prepared
// form and by the full search.
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/varied_profiles.h"
#include "catalogue/data_pricing.h"
#include "catalogue/reader.h"
#include "pricing/engine.h"

namespace {

namespace fs = std::filesystem;
namespace cat = sazbar::catalogue;
using sazbar::bench::variedProfiles;

const fs::path kExamples = fs::path(SAZBAR_SOURCE_DIR) / "examples" / "tariffs";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

cat::Catalogue load(const std::vector<std::string>& files) {
    cat::ReadOptions options;
    options.builtinPriced = false;
    cat::Catalogue c = cat::loadTariffFiles(files, options);
    if (c.hasErrors()) throw std::runtime_error(c.problems.front().text());
    return c;
}

// The example's tariffs repeated under ids of their own, `count` of them, as one file's text.
std::string repeatedCatalogue(std::size_t count) {
    const nlohmann::json example = nlohmann::json::parse(readText(kExamples / "example.json"));
    const nlohmann::json& tariffs = example.at("tariffs");
    nlohmann::json out = {{"format", example.at("format")}, {"tariffs", nlohmann::json::array()}};
    for (std::size_t i = 0; i < count; ++i) {
        nlohmann::json t = tariffs[i % tariffs.size()];
        t["id"] = t["id"].get<std::string>() + "-" + std::to_string(i);
        out["tariffs"].push_back(std::move(t));
    }
    return out.dump(1);
}

// The compiled run: every compiled tariff with the unsupported check and the cheapest mark.
void BM_CompiledRun(benchmark::State& state) {
    const auto profiles = variedProfiles(1024);
    sazbar::RunResult result;
    std::size_t i = 0;
    for (auto _ : state) {
        sazbar::runPricing(profiles[i++ & 1023], {}, result);
        benchmark::DoNotOptimize(result.fields.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["tariffs"] = sazbar::kTariffCount;
}
BENCHMARK(BM_CompiledRun);

// Every tariff of one catalogue priced per profile, as the command line and
// price_array do: the month aggregated once, each tariff priced into a result
// kept from profile to profile.
// `fully`: by the full search over every combination of add-ons (what the
// prepared form replaces), for comparison.
void priceCatalogue(benchmark::State& state, const cat::Catalogue& c, bool fully = false) {
    const auto profiles = variedProfiles(1024);
    std::vector<cat::DataResult> results(c.tariffs.size());
    std::size_t i = 0;
    for (auto _ : state) {
        const sazbar::Usage u = sazbar::aggregate(profiles[i++ & 1023]);
        for (std::size_t t = 0; t < results.size(); ++t) {
            if (fully) cat::priceDataTariffFully(c.tariffs[t], u, {}, results[t]);
            else cat::priceDataTariff(c.tariffs[t], u, {}, results[t]);
        }
        benchmark::DoNotOptimize(results.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["tariffs"] = static_cast<double>(c.tariffs.size());
}

// 50 data tariffs: the example's, repeated.
void BM_Data50(benchmark::State& state) {
    const fs::path file = fs::temp_directory_path() / ("sazbar-bench-50-" + std::to_string(getpid()) + ".json");
    std::ofstream(file) << repeatedCatalogue(50);
    const cat::Catalogue c = load({file.string()});
    fs::remove(file);
    priceCatalogue(state, c);
}
BENCHMARK(BM_Data50);

// Reading and checking a file of 1,000 tariffs, from disk to priceable tariffs.
void BM_Load1000(benchmark::State& state) {
    const std::string text = repeatedCatalogue(1000);
    const fs::path file = fs::temp_directory_path() / ("sazbar-bench-1000-" + std::to_string(getpid()) + ".json");
    std::ofstream(file) << text;
    for (auto _ : state) {
        cat::Catalogue c = cat::loadTariffFiles({file.string()});
        if (c.tariffs.size() != 1000) state.SkipWithError("the catalogue did not load");
        benchmark::DoNotOptimize(c.tariffs.data());
    }
    fs::remove(file);
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_Load1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A benchmark per shipped tariff file, named by the file, and the compiled
    // tariffs written as data; each also by the full search.
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".json") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    files.push_back(kExamples.parent_path() / "builtin-tariffs.json");
    for (const fs::path& f : files) {
        auto c = std::make_shared<cat::Catalogue>(load({f.string()}));
        benchmark::RegisterBenchmark(("BM_DataFile/" + f.filename().string()).c_str(),
                                     [c](benchmark::State& state) { priceCatalogue(state, *c); });
        benchmark::RegisterBenchmark(("BM_DataFileFully/" + f.filename().string()).c_str(),
                                     [c](benchmark::State& state) { priceCatalogue(state, *c, true); });
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
