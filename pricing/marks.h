// Marks applied to a pricing run's result: unsupported services and the
// cheapest tariffs.
#pragma once

#include <array>
#include <string_view>

#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar {

// A tariff that cannot carry a service the profile uses (its `cannotCarry`
// in kTariffs) gets the unsupported flag and, for data, WAP, MMS and GPRS, a
// hint line in front of its hint. The flag is set or cleared only on tariffs
// that lack some service.
void markUnsupported(const Profile& profile, RunResult& result);

// Prices of this many crowns or more are never marked cheapest.
constexpr std::int32_t kNeverCheapest = 999999;

// Every field that takes part in the mark (`cheapestMark` in kTariffs), is
// priced and supported, and whose price equals the lowest such price below
// kNeverCheapest is marked cheapest; when no price is below it, none is.
void markCheapest(RunResult& result);

}  // namespace sazbar
