// Marks applied to a pricing run's result: unsupported services and the
// cheapest tariffs.
#pragma once

#include <array>
#include <string_view>

#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar {

// Fields walked by the cheapest mark, in walking order.
extern const std::array<std::string_view, 44> kCheapestWalk;

// Tariffs that cannot carry data, WAP, MMS or GPRS get the unsupported flag
// and a hint line in front of their hint; `telecom` too for WAP, MMS, GPRS
// and internet calls. Only those four fields ever carry the flag: it is set
// or cleared on them alone.
void markUnsupported(const Profile& profile, RunResult& result);

// Prices of this many crowns or more are never marked cheapest.
constexpr std::int32_t kNeverCheapest = 999999;

// Every walked, priced, supported field whose price equals the lowest price
// below kNeverCheapest is marked cheapest; when no such price exists, none is.
void markCheapest(RunResult& result);

}  // namespace sazbar
