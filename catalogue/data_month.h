// The month as the data path prices it: use by service and band, and the
// international rows. Shared by the full search and the prepared tariffs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "catalogue/data_pricing.h"
#include "catalogue/tariff.h"
#include "pricing/engine.h"

namespace sazbar::catalogue::detail {

constexpr int kIntlCells = kIntlRows * kIntlBands;
// The missing-service bit of calls through the internet on a tariff that refuses them.
constexpr int kInternetCallsBit = kServices;

inline bool bandService(Service s) { return s <= CallVoiceMail || s == DataMinutes || s == WapMinutes; }

// The month's use, by service and band (services without bands in band 0),
// and its international rows.
struct Month {
    std::array<std::array<std::int64_t, kBands>, kBandServices> q{};
    std::array<int, kIntlRows> country{};  // -1: no country of the list
    std::array<std::int64_t, kIntlCells> intl{};  // row by row, three bands each
    bool internetCalls = false;
    bool directDebit = false;

    std::int64_t use(const std::vector<Service>& services, std::uint8_t bands) const {
        std::int64_t sum = 0;
        for (Service s : services) {
            if (s == International) {
                for (std::int64_t m : intl) sum += m;
            } else {
                for (int b = 0; b < kBands; ++b)
                    if (!bandService(s) || (bands & (1u << b))) sum += q[s][static_cast<std::size_t>(b)];
            }
        }
        return sum;
    }
};

Month monthOf(const Usage& u, const RunOptions& o);

// The price found for the month: `combo` holds the add-on taken per group
// (-1: none); `missing` the services in use without a rate.
void finishResult(const DataTariff& t, const Money& total, std::uint16_t missing, bool unsupported,
                  std::span<const int> combo, DataResult& out);

}  // namespace sazbar::catalogue::detail
