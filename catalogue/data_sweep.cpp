#include "catalogue/data_sweep.h"

#include <vector>

#include "catalogue/data_pricing.h"

namespace sazbar::catalogue {

Sweep runSweep(const Profile& profile, const RunOptions& options, SweepGroup group, const SweepRange& range,
               std::span<const DataTariff* const> tariffs, bool builtin) {
    ExtraTariffs extra;
    extra.builtin = builtin;
    for (const DataTariff* t : tariffs) {
        extra.ids.push_back(t->id);
        extra.labels.push_back(t->operatorName + ' ' + t->name);
    }
    std::vector<DataResult> results(tariffs.size());
    extra.price = [&](const Profile& scaled, RunResult& compiled, std::span<TariffResult> out) {
        const Usage u = aggregate(scaled);
        for (std::size_t i = 0; i < tariffs.size(); ++i) priceDataTariff(*tariffs[i], u, options, results[i]);
        markCheapestTogether(compiled, results);
        for (std::size_t i = 0; i < tariffs.size(); ++i) {
            out[i].priced = results[i].priced;
            out[i].unsupported = results[i].unsupported;
            out[i].cheapest = results[i].cheapest;
            out[i].price = results[i].price;
        }
    };
    return sazbar::runSweep(profile, options, group, range, &extra);
}

}  // namespace sazbar::catalogue
