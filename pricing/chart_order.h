// Which tariffs the price chart draws, and in which order.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "pricing/engine.h"

namespace sazbar {

struct ChartRecord {
    std::string_view name;  // bar label, exactly as shown
    std::string_view id;    // result field
    std::uint32_t rgb;      // bar colour, 0xRRGGBB
};

constexpr int kChartRecords = 49;
extern const std::array<ChartRecord, kChartRecords> kChartTable;

// Without default member values, so that an array about to be filled is not
// cleared first; `{}` gives zeros.
struct ChartInput {
    std::int32_t price;  // the field's text read back as a number
    bool hidden;         // unsupported, or the fixed line while not shown
};

struct ChartOrder {
    std::array<std::uint8_t, kChartRecords> records{};  // indexes into kChartTable, left to right
    int count = 0;
};

// Sorts the 49 records by price with the chart's quicksort (ties come out as it
// leaves them) and keeps those not hidden.
ChartOrder chartOrder(const std::array<ChartInput, kChartRecords>& input);

// The chart inputs of a pricing run's result: prices read from the field texts,
// unsupported fields hidden, the fixed line hidden unless `fixedLineShown`.
std::array<ChartInput, kChartRecords> chartInput(const RunResult& result, bool fixedLineShown);

}  // namespace sazbar
