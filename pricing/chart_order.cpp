#include "pricing/chart_order.h"

#include <utility>


namespace sazbar {

namespace {
constexpr std::uint32_t kBlue = 0x0000FF, kGreen = 0x008000, kRed = 0xFF0000, kYellow = 0xFFFF00;
}

const std::array<ChartRecord, kChartRecords> kChartTable = {{
    {"T-Mobile T 30", "t30", kBlue},
    {"T-Mobile T 80 ", "t80", kBlue},
    {"T-Mobile T 250 ", "t250", kBlue},
    {"T-Mobile T 600 ", "t600", kBlue},
    {"T-Mobile T 30 + hit", "hit30", kBlue},
    {"T-Mobile T 80 + hit", "hit80", kBlue},
    {"T-Mobile T 250 + hit", "hit250", kBlue},
    {"T-Mobile T 600 + hit", "hit600", kBlue},
    {"T-Mobile Tarif 20+20", "tarif20p20", kBlue},
    {"T-Mobile Tarif Twist Standard", "twist_standard", kBlue},
    {"T-Mobile Twist SMS", "twist_sms", kBlue},
    {"T-Mobile Twist Extra", "twist_extra", kBlue},
    {"T-Mobile Twist Home", "twist_home", kBlue},
    {"T-Mobile Student", "student", kBlue},
    {"T-Mobile Internet", "internet", kBlue},
    {"T-Mobile Internet + hit", "internethit", kBlue},
    {"Eurotel SMS", "sms", kGreen},
    {"Eurotel Bronz", "bronz", kGreen},
    {"Eurotel Silver", "silver", kGreen},
    {"Eurotel Gold", "gold", kGreen},
    {"Eurotel Platinum", "platinum", kGreen},
    {"Eurotel Diamant", "diamant", kGreen},
    {"Eurotel SMS + max", "sms_max", kGreen},
    {"Eurotel Bronz + max", "bronz_max", kGreen},
    {"Eurotel Silver + max", "silver_max", kGreen},
    {"Eurotel Gold + max", "gold_max", kGreen},
    {"Eurotel Platinum + max", "platinum_max", kGreen},
    {"Eurotel Diamant + max", "diamant_max", kGreen},
    {"Eurotel Start", "start", kGreen},
    {"Eurotel Quatro GO", "quatrogo", kGreen},
    {"Eurotel Original GO", "originalgo", kGreen},
    {"Eurotel Fun GO", "fungo", kGreen},
    {"Eurotel Tip Business", "tipbusiness", kGreen},
    {"Eurotel Tip Relax", "tiprelax", kGreen},
    {"Eurotel Tip AKord", "tipakord", kGreen},
    {"Eurotel SMS/Data", "smsdata", kGreen},
    {"Eurotel Individual", "individual_wapmi", kGreen},
    {"Eurotel Pohoda", "pohoda", kGreen},
    {"Oskar 50 Naplno", "naplno50", kRed},
    {"Oskar 150 Naplno", "naplno150", kRed},
    {"Oskar 300 Naplno", "naplno300", kRed},
    {"Oskar 500 Naplno", "naplno500", kRed},
    {"Oskar Rozjezd Naplno", "naplnorozjezd", kRed},
    {"Oskar Odepiš", "odepis", kRed},
    {"Oskar Mezi námí", "mezinami", kRed},
    {"Oskar Oskarta", "oskarta", kRed},
    {"Oskar Na zisk", "nazisk", kRed},
    {"Oskar Na jistotu", "najistotu", kRed},
    {"Český telecom", "telecom", kYellow},
}};

namespace {

struct Item {
    std::int32_t price;
    bool hidden;
    std::uint8_t record;
};

// The chart's quicksort on records lo..hi (1-based, as the chart numbers them).
void quicksort(std::array<Item, kChartRecords + 1>& a, int lo, int hi) {
    int i = lo, j = hi;
    const std::int32_t pivot = a[(lo + hi) / 2].price;
    do {
        while (a[i].price < pivot) ++i;
        while (a[j].price > pivot) --j;
        if (i <= j) {
            std::swap(a[i], a[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (i < hi) quicksort(a, i, hi);
    if (lo < j) quicksort(a, lo, j);
}

}  // namespace

ChartOrder chartOrder(const std::array<ChartInput, kChartRecords>& input) {
    std::array<Item, kChartRecords + 1> a{};
    for (int n = 1; n <= kChartRecords; ++n)
        a[n] = Item{input[n - 1].price, input[n - 1].hidden, static_cast<std::uint8_t>(n - 1)};
    quicksort(a, 1, kChartRecords);
    ChartOrder out;
    for (int n = 1; n <= kChartRecords; ++n)
        if (!a[n].hidden) out.records[static_cast<std::size_t>(out.count++)] = a[n].record;
    return out;
}

std::array<ChartInput, kChartRecords> chartInput(const RunResult& result, bool fixedLineShown) {
    static const auto fieldOf = [] {
        std::array<int, kChartRecords> idx{};
        for (int n = 0; n < kChartRecords; ++n) idx[n] = tariffIndex(kChartTable[n].id);
        return idx;
    }();
    std::array<ChartInput, kChartRecords> in{};
    for (int n = 0; n < kChartRecords; ++n) {
        const TariffResult& f = result.fields[static_cast<std::size_t>(fieldOf[n])];
        in[n].price = f.shownValue();
        in[n].hidden = f.unsupported;
    }
    if (!fixedLineShown) in[kChartRecords - 1].hidden = true;
    return in;
}

}  // namespace sazbar
