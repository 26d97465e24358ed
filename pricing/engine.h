// The pricing run: one usage profile in, one price and hint per tariff out.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/profile.h"
#include "pricing/hint.h"
#include "pricing/tariffs.h"

namespace sazbar {

std::string_view operatorName(Operator op);

// Hint lines are separated by line feed then carriage return.
inline constexpr std::string_view kLineBreak = "\n\r";

struct TariffResult {
    // The marks and the price first, on one cache line: the marks walk them all.
    bool priced = false;
    bool unsupported = false;  // shown on the tooltip background
    bool cheapest = false;     // shown in red
    std::int32_t price = 0;    // whole crowns as shown (truncated, saturated)
    Hint hint;

    // The field's text: the price in plain decimal, or "xx" when not priced.
    // Made on demand, so a run that only compares prices formats nothing.
    std::string text() const { return priced ? std::to_string(price) : std::string("xx"); }
    // The field's text read back with the text-to-integer rule: the price, or 0
    // for a field not priced ("xx").
    std::int32_t shownValue() const { return price & -static_cast<std::int32_t>(priced); }
};

// The results window's two check boxes.
struct RunOptions {
    bool directDebit = false;  // "Platba inkasem"
    bool fixedLine = false;    // "Vypočítat Český Telecom"
};

struct RunResult {
    std::int64_t totalCallMinutes = 0;
    std::array<TariffResult, kTariffCount> fields;
    const TariffResult& operator[](std::string_view id) const;
};

// Prices every tariff, then marks unsupported services and the cheapest
// tariffs. `out` is overwritten; reusing it across runs avoids allocations.
void runPricing(const Profile& profile, const RunOptions& options, RunResult& out);
RunResult runPricing(const Profile& profile, const RunOptions& options = {});

}  // namespace sazbar
