// Shared pieces of the per-operator pricing code.
#pragma once

#include <array>
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

// The index in kTariffs of each row of a price table, from the row's id.
template <const auto& table>
inline constexpr auto kFieldsOf = [] {
    std::array<int, table.size()> fields{};
    for (std::size_t r = 0; r < table.size(); ++r) fields[r] = tariffIndex(table[r].id);
    return fields;
}();

// Calls f(row, field) for every row of a price table with the result field
// of the row's tariff.
template <const auto& table, class F>
inline void forEachRow(std::span<TariffResult, kTariffCount> fields, F&& f) {
    for (std::size_t r = 0; r < table.size(); ++r) f(table[r], fields[static_cast<std::size_t>(kFieldsOf<table>[r])]);
}

// The pricing of each operator: fills the fields of its tariffs (hints
// already empty), wherever they stand in the list.
using Fields = std::span<TariffResult, kTariffCount>;
void priceTMobile(const Usage& u, Fields fields);
void priceEurotel(const Usage& u, Fields fields);
void priceOskar(const Usage& u, const RunOptions& options, Fields fields);
void priceFixedLine(const Usage& u, Fields fields);

}  // namespace sazbar
