#include "pricing/chart_order.h"

#include <cstddef>
#include <utility>

namespace sazbar {

namespace {

constexpr std::uint32_t colourOf(Operator op) {
    switch (op) {
        case Operator::TMobile: return 0x0000FF;
        case Operator::Eurotel: return 0x008000;
        case Operator::Oskar: return 0xFF0000;
        case Operator::FixedLine: return 0xFFFF00;
    }
    return 0;
}

// The list's chart slots are a permutation of 0..48.
constexpr bool slotsArePlaces() {
    std::array<int, kChartRecords> seen{};
    for (const TariffInfo& t : kTariffs) {
        if (t.chartSlot < 0 || t.chartSlot >= kChartRecords) return false;
        ++seen[static_cast<std::size_t>(t.chartSlot)];
    }
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(kChartRecords == kTariffCount && slotsArePlaces());

// The index in kTariffs of each chart record.
constexpr std::array<int, kChartRecords> kFieldOf = [] {
    std::array<int, kChartRecords> field{};
    for (int t = 0; t < kTariffCount; ++t) field[static_cast<std::size_t>(kTariffs[static_cast<std::size_t>(t)].chartSlot)] = t;
    return field;
}();

}  // namespace

const std::array<ChartRecord, kChartRecords> kChartTable = [] {
    std::array<ChartRecord, kChartRecords> table{};
    for (const TariffInfo& t : kTariffs)
        table[static_cast<std::size_t>(t.chartSlot)] = ChartRecord{t.chartName, t.id, colourOf(t.op)};
    return table;
}();

namespace {

// The chart's quicksort on records lo..hi, 1-based as the chart numbers them.
// Equal prices come out in the order it leaves them, which the chart shows.
void quicksort(std::array<std::int32_t, kChartRecords + 1>& price, std::array<std::uint8_t, kChartRecords + 1>& record,
               int lo, int hi) {
    int i = lo, j = hi;
    const std::int32_t pivot = price[static_cast<std::size_t>((lo + hi) / 2)];
    do {
        while (price[static_cast<std::size_t>(i)] < pivot) ++i;
        while (price[static_cast<std::size_t>(j)] > pivot) --j;
        if (i <= j) {
            std::swap(price[static_cast<std::size_t>(i)], price[static_cast<std::size_t>(j)]);
            std::swap(record[static_cast<std::size_t>(i)], record[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (i < hi) quicksort(price, record, i, hi);
    if (lo < j) quicksort(price, record, lo, j);
}

}  // namespace

ChartOrder chartOrder(const std::array<ChartInput, kChartRecords>& input) {
    std::array<std::int32_t, kChartRecords + 1> price{};
    std::array<std::uint8_t, kChartRecords + 1> record{};
    for (int n = 1; n <= kChartRecords; ++n) {
        price[static_cast<std::size_t>(n)] = input[static_cast<std::size_t>(n - 1)].price;
        record[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n - 1);
    }
    // Hidden records take part in the sort and are dropped afterwards.
    quicksort(price, record, 1, kChartRecords);
    ChartOrder out;
    for (int n = 1; n <= kChartRecords; ++n) {
        const std::uint8_t r = record[static_cast<std::size_t>(n)];
        if (!input[r].hidden) out.records[static_cast<std::size_t>(out.count++)] = r;
    }
    return out;
}

std::array<ChartInput, kChartRecords> chartInput(const RunResult& result, bool fixedLineShown) {
    std::array<ChartInput, kChartRecords> in;
    for (int n = 0; n < kChartRecords; ++n) {
        const TariffResult& f = result.fields[static_cast<std::size_t>(kFieldOf[static_cast<std::size_t>(n)])];
        in[n] = ChartInput{.price = f.shownValue(), .hidden = f.unsupported};
    }
    if (!fixedLineShown) in[static_cast<std::size_t>(kTariffs[kTelecomIndex].chartSlot)].hidden = true;
    return in;
}

}  // namespace sazbar
