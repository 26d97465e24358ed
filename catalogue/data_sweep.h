// What if the month were busier or quieter, with tariffs read from files
// priced beside the compiled ones (or alone).
#pragma once

#include <span>

#include "catalogue/tariff.h"
#include "pricing/sweep.h"

namespace sazbar::catalogue {

// The sweep of pricing/sweep.h over the compiled tariffs (unless `builtin` is
// false) and `tariffs`: tariffs[i] is tariff kTariffCount + i, labelled
// "OPERATOR NAME", and the cheapest mark covers both.
Sweep runSweep(const Profile& profile, const RunOptions& options, SweepGroup group, const SweepRange& range,
               std::span<const DataTariff* const> tariffs, bool builtin);

}  // namespace sazbar::catalogue
