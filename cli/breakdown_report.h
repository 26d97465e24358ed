// sazbar-cli --breakdown: the items of the named tariffs' prices.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/report.h"
#include "pricing/breakdown.h"

namespace sazbar::cli {

// Reads "t30,gold" or "all" into tariff indexes; false with the unknown id in `bad`.
bool parseBreakdownList(std::string_view list, std::vector<int>& tariffs, std::string& bad);

// The breakdowns of `tariffs` for a profile in a format: an aligned table with
// two decimals, JSON with exact amounts, or CSV of one row per item.
void appendBreakdowns(std::string& out, const Profile& profile, const RunOptions& options,
                      const std::vector<int>& tariffs, Format format);

}  // namespace sazbar::cli
