// Pricing of tariffs read from files (catalogue/tariff.h), exactly and
// through the same item sink as the compiled tariffs: a price, a hint naming
// the add-ons taken, and for the breakdown every item and every choice with
// its alternatives.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalogue/tariff.h"
#include "pricing/breakdown.h"
#include "pricing/engine.h"

namespace sazbar::catalogue {

struct DataResult {
    bool priced = false;
    bool unsupported = false;  // a service in use has no rate: shown marked, never cheapest
    bool cheapest = false;
    bool cheapestMark = true;  // the tariff takes part in the cheapest mark
    std::int32_t price = 0;    // whole crowns, truncated and saturated as every price
    Money total;               // the exact price
    std::string hint;          // lines separated by line feed and carriage return
    std::vector<int> taken;    // the add-ons taken (indexes into DataTariff::addons), in group order
};

// Prices one data tariff for an aggregated month: through its prepared form
// (catalogue/prepared.h) where it has one, else by the full search.
void priceDataTariff(const DataTariff& t, const Usage& u, const RunOptions& options, DataResult& out);
// The same by the full search: every allowed combination of add-ons priced in
// full. Slow and plain; the prepared form must give exactly its results.
void priceDataTariffFully(const DataTariff& t, const Usage& u, const RunOptions& options, DataResult& out);
DataResult priceDataTariff(const DataTariff& t, const Profile& p, const RunOptions& options = {});

// The itemised price (Breakdown::tariff stays -1: the tariff is not compiled).
void itemiseDataTariff(const DataTariff& t, const Profile& p, const RunOptions& options, Breakdown& out);

// The cheapest mark over the compiled tariffs (already priced and marked) and
// the data tariffs together: every walked or data price equal to the lowest
// supported price below 999999.
void markCheapestTogether(RunResult& compiled, std::span<DataResult> data);

}  // namespace sazbar::catalogue
