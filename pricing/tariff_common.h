// Shared pieces of the per-operator pricing code.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/money.h"
#include "core/textnum.h"
#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar {

// Writes a price into its result field: truncated to whole crowns and
// saturated to 32 bits, as the field shows it.
inline void writeCrowns(TariffResult& field, std::int64_t crowns) {
    field.priced = true;
    field.price = saturate32(crowns);
}
inline void writePrice(TariffResult& field, const Money& price) { writeCrowns(field, price.truncCrowns()); }

inline void appendLine(Hint& hint, std::string_view line) {
    hint.add(kLineBreak);
    hint.add(line);
}

// The per-operator pricing blocks; each fills its slice of the run's fields
// (hints already empty) in run order.
void priceTMobile(const Usage& u, std::span<TariffResult> out);
void priceEurotel(const Usage& u, std::span<TariffResult> out);
void priceOskar(const Usage& u, const RunOptions& options, std::span<TariffResult> out);
void priceFixedLine(const Usage& u, TariffResult& out);

}  // namespace sazbar
