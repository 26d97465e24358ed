// sazbar-cli --breakdown: the items of the named tariffs' prices.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/report.h"
#include "pricing/breakdown.h"

namespace sazbar::cli {

// Reads "t30,gold" or "all" into tariff indexes; false with the unknown id in
// `bad`. With `data`, an index from kTariffCount on names a data tariff, and
// "all" is every tariff priced.
bool parseBreakdownList(std::string_view list, std::vector<int>& tariffs, std::string& bad,
                        const DataTariffs* data = nullptr);

// The breakdowns of `tariffs` for a profile in a format: an aligned table with
// two decimals, JSON with exact amounts, or CSV of one row per item.
void appendBreakdowns(std::string& out, const Profile& profile, const RunOptions& options,
                      const std::vector<int>& tariffs, Format format, const DataTariffs* data = nullptr);

}  // namespace sazbar::cli
