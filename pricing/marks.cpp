#include "pricing/marks.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <string>


namespace sazbar {

// "naplnorozjezd" walks right after "naplno500": leaving it out would mark
// another tariff cheapest while "Rozjezd naplno" costs less.
const std::array<std::string_view, 44> kCheapestWalk = {
    "t30",        "t80",          "t250",        "t600",         "twist_sms",  "twist_standard",
    "twist_extra", "hit30",       "hit80",       "hit250",       "hit600",     "tarif20p20",
    "student",    "twist_home",   "internet",    "internethit",  "sms",        "bronz",
    "silver",     "gold",         "platinum",    "diamant",      "sms_max",    "bronz_max",
    "silver_max", "gold_max",     "platinum_max", "diamant_max", "start",      "quatrogo",
    "fungo",      "originalgo",   "individual_wapmi", "pohoda",  "naplno50",   "naplno150",
    "naplno300",  "naplno500",    "naplnorozjezd", "odepis",     "mezinami",   "oskarta",
    "nazisk",     "najistotu",
};

namespace {

// The Tip tariffs carry calls and SMS only.
constexpr int kTipTariffs[] = {35, 36, 37};

bool anyAboveZero(const std::array<std::int32_t, kBands>& v) {
    return std::max({v[0], v[1], v[2], v[3]}) > 0;
}

}  // namespace

void markUnsupported(const Profile& p, RunResult& r) {
    std::array<std::int32_t, kBands> data{};
    for (int b = 0; b < kBands; ++b) data[b] = p.matrix[b][Data];
    const bool checks[] = {anyAboveZero(data), anyAboveZero(p.wap), p.matrix[kMms][Messages] > 0,
                           p.gprsWap > 0 || p.gprsNet > 0};
    static constexpr std::string_view lines[] = {"nepodporuje datové přenosy\n\r", "nepodporuje WAP\n\r",
                                                 "nepodporuje MMS\n\r", "nepodporuje GPRS\n\r"};
    // Each check's line goes in front of the hint, so the last check's line
    // ends up first. The data line never reaches the fixed line.
    std::array<std::string_view, 4> front;
    int n = 0, telecomLines = 0;
    for (int c = 3; c >= 0; --c) {
        if (!checks[c]) continue;
        front[static_cast<std::size_t>(n++)] = lines[c];
        if (c > 0) telecomLines = n;
    }
    for (int t : kTipTariffs) {
        TariffResult& f = r.fields[static_cast<std::size_t>(t)];
        f.unsupported = n > 0;
        if (n > 0) f.hint.prepend(front.data(), n);
    }
    TariffResult& tel = r.fields[kTelecomIndex];
    tel.unsupported = telecomLines > 0 || p.internetCalls;
    if (telecomLines > 0) tel.hint.prepend(front.data(), telecomLines);
}

void markCheapest(RunResult& r) {
    // The walk's order does not matter to the result: only which fields it visits.
    static const auto walked = [] {
        std::array<bool, kTariffCount> in{};
        for (std::string_view id : kCheapestWalk) in[static_cast<std::size_t>(tariffIndex(id))] = true;
        return in;
    }();
    // The prices are read back from the field texts, as the window shows them.
    // One pass keeps the lowest price so far and the fields at it, and clears
    // the marks; then the fields at the lowest price are marked.
    // A price of kNeverCheapest or more never counts: not as the minimum, and
    // not as a field at a minimum that never moved from its start.
    std::uint64_t atMinimum = 0;
    std::int32_t minimum = kNeverCheapest;
    for (int t = 0; t < kTariffCount; ++t) {
        TariffResult& f = r.fields[static_cast<std::size_t>(t)];
        const bool candidate =
            walked[static_cast<std::size_t>(t)] & f.priced & !f.unsupported & (f.price < kNeverCheapest);
        const bool lower = candidate & (f.price < minimum), equal = candidate & (f.price == minimum);
        const std::uint64_t bit = std::uint64_t{1} << t;
        atMinimum = lower ? bit : atMinimum | (equal ? bit : 0);
        minimum = lower ? f.price : minimum;
        f.cheapest = false;
    }
    for (std::uint64_t m = atMinimum; m != 0; m &= m - 1) r.fields[static_cast<std::size_t>(std::countr_zero(m))].cheapest = true;
}

}  // namespace sazbar
