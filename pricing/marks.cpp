#include "pricing/marks.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <string>


namespace sazbar {

namespace {

// The tariffs that cannot carry some service, in the order of the list.
constexpr int kLimitedCount = [] {
    int n = 0;
    for (const TariffInfo& t : kTariffs) n += t.cannotCarry != 0;
    return n;
}();
constexpr std::array<int, kLimitedCount> kLimited = [] {
    std::array<int, kLimitedCount> out{};
    std::size_t n = 0;
    for (int t = 0; t < kTariffCount; ++t)
        if (kTariffs[static_cast<std::size_t>(t)].cannotCarry != 0) out[n++] = t;
    return out;
}();

bool anyAboveZero(const std::array<std::int32_t, kBands>& v) {
    return std::max({v[0], v[1], v[2], v[3]}) > 0;
}

}  // namespace

void markUnsupported(const Profile& p, RunResult& r) {
    std::array<std::int32_t, kBands> data{};
    for (int b = 0; b < kBands; ++b) data[b] = p.matrix[b][Data];
    // Each check's line goes in front of the hint, so the last check's line
    // ends up first.
    static constexpr Service kServices[] = {kServiceGprs, kServiceMms, kServiceWap, kServiceData};
    static constexpr std::string_view kLines[] = {"nepodporuje GPRS\n\r", "nepodporuje MMS\n\r",
                                                  "nepodporuje WAP\n\r", "nepodporuje datové přenosy\n\r"};
    const bool used[] = {p.gprsWap > 0 || p.gprsNet > 0, p.matrix[kMms][Messages] > 0, anyAboveZero(p.wap),
                         anyAboveZero(data)};
    for (int t : kLimited) {
        const std::uint8_t cannot = kTariffs[static_cast<std::size_t>(t)].cannotCarry;
        std::array<std::string_view, 4> front;
        int n = 0;
        for (std::size_t c = 0; c < 4; ++c)
            if (used[c] && (cannot & kServices[c]) != 0) front[static_cast<std::size_t>(n++)] = kLines[c];
        TariffResult& f = r.fields[static_cast<std::size_t>(t)];
        f.unsupported = n > 0 || (p.internetCalls && (cannot & kServiceInternetCalls) != 0);
        if (n > 0) f.hint.prepend(front.data(), n);
    }
}

void markCheapest(RunResult& r) {
    // Only which fields take part matters to the result, not their order.
    static constexpr auto walked = [] {
        std::array<bool, kTariffCount> in{};
        for (std::size_t t = 0; t < in.size(); ++t) in[t] = kTariffs[t].cheapestMark;
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
