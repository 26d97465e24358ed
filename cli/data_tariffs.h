// Tariffs read from files (--tariffs) priced beside the compiled ones.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/data_pricing.h"
#include "catalogue/tariff.h"

namespace sazbar::cli {

// The data tariffs of one run: loaded and checked once, then priced per profile.
struct DataTariffs {
    bool builtin = true;   // the compiled tariffs are priced too
    catalogue::Day on = 0;  // the revisions valid that day are priced
    std::string onText;     // `on` as YYYY-MM-DD
    std::vector<catalogue::DataTariff> tariffs;  // valid on `on`, in file order
    std::size_t notValid = 0;                    // revisions left out as not valid on `on`
};

// The data results of one profile, beside its compiled result.
struct DataPart {
    const DataTariffs* tariffs = nullptr;
    std::vector<catalogue::DataResult> results;  // one per tariffs->tariffs
};

// Prices the data tariffs for `profile` into `out` and marks the cheapest of
// compiled and data tariffs together in both; without the compiled tariffs
// their fields are cleared first.
void priceDataTariffs(const DataTariffs& tariffs, const Profile& profile, const RunOptions& options,
                      RunResult& compiled, DataPart& out);

// Today as days since 1970-01-01 (UTC).
catalogue::Day today();

// Reads the files and folders of --tariffs (a folder gives its *.json files in
// name order). Problems go to `err`, one a line; false, with nothing loaded,
// on any error.
bool loadDataTariffs(const std::vector<std::string>& paths, bool builtin, catalogue::Day on, DataTariffs& out,
                     std::ostream& err);

}  // namespace sazbar::cli
