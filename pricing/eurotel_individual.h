// Eurotel "Individual" (result field `individual_wapmi`): the product's own
// price list and the search for its cheapest configuration; everything it
// offers is in kIndividual below.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/money.h"
#include "core/profile.h"
#include "pricing/eurotel_sums.h"
#include "pricing/hint.h"

namespace sazbar {

// One optional package: `free` units included for `fee` a month.
struct IndividualPackage {
    std::int64_t free;
    std::int64_t fee;  // milli
};

// The whole Individual price list; change the tariff here and nowhere else.
// Amounts are thousandths of a crown (_kc), quantities are minutes, messages or kB.
struct IndividualPriceList {
    std::string_view id;
    std::int64_t baseFee;
    // Calls beyond the free minutes, one rate for all bands.
    std::int64_t rateOther;    // fixed line, T-Mobile and Oskar; also the international base
    std::int64_t rateEurotel;
    std::int64_t rateVoiceMail;
    std::array<IndividualPackage, 6> minutes;
    std::array<IndividualPackage, 5> sms;  // all networks
    std::int64_t smsRate;
    std::array<IndividualPackage, 3> mms;
    std::int64_t mmsRate;
    std::array<IndividualPackage, 3> gprsWap;  // kB
    std::int64_t gprsWapRate;
    std::int64_t wapMinuteRate;  // WAP over CSD, always charged
    std::array<IndividualPackage, 3> csd;  // data minutes
    std::int64_t csdRate;
    std::array<IndividualPackage, 3> gprsNet;  // kB
    std::int64_t gprsNetRate;
    // "Příplatek Data NONSTOP": instead of the three data packages; GPRS WAP,
    // CSD data and GPRS internet are then free.
    std::int64_t dataNonstop;
};

inline constexpr IndividualPriceList kIndividual{
    .id = "individual_wapmi",
    .baseFee = 150_kc,
    .rateOther = 6.5_kc,
    .rateEurotel = 4.5_kc,
    .rateVoiceMail = 2.38_kc,
    .minutes = {{{0, 0}, {50, 190_kc}, {100, 350_kc}, {200, 650_kc}, {400, 1200_kc}, {800, 2200_kc}}},
    .sms = {{{0, 0}, {50, 80_kc}, {100, 150_kc}, {250, 350_kc}, {500, 650_kc}}},
    .smsRate = 2.26_kc,
    .mms = {{{0, 0}, {10, 80_kc}, {25, 180_kc}}},
    .mmsRate = 9.28_kc,
    .gprsWap = {{{0, 0}, {1000, 150_kc}, {5000, 600_kc}}},
    .gprsWapRate = 0.24_kc,
    .wapMinuteRate = 3.21_kc,
    .csd = {{{0, 0}, {60, 130_kc}, {180, 350_kc}}},
    .csdRate = 5.95_kc,
    .gprsNet = {{{0, 0}, {10000, 200_kc}, {50000, 700_kc}}},
    .gprsNetRate = 0.238_kc,
    .dataNonstop = 832_kc,
};

// A configuration: one index into each package list, or NONSTOP instead of
// the three data packages (their indexes are then 0).
struct IndividualConfig {
    int minutes = 0;
    int sms = 0;
    int mms = 0;
    int gprsWap = 0;
    int csd = 0;
    int gprsNet = 0;
    bool nonstop = false;
    friend bool operator==(const IndividualConfig&, const IndividualConfig&) = default;
};

// Order of the search ("cheapest configuration, first wins"): configurations
// are ordered lexicographically by the key
//     (minutes, sms, mms, data)
// where each of minutes, sms, mms is the package index (smaller package
// first) and data enumerates the 28 data choices
//     d = (gprsWap * 3 + csd) * 3 + gprsNet   for the 27 package triples
//     d = 27                                   for "Příplatek Data NONSTOP"
// (so WAP kB, then CSD, then GPRS internet packages, smallest first, and
// NONSTOP last). The search walks all 6 * 5 * 3 * 28 = 2520 keys in that
// order from a best value of 999999; a configuration replaces the best only
// when its exact price is strictly lower. The result is therefore the first
// configuration in this order among those of minimal price, or, when no
// configuration is below 999999, the price 999999 with the first
// configuration (all packages 0, no NONSTOP) reported.
struct IndividualChoice {
    IndividualConfig config;
    Money price;  // exact, at most 999999
};

// The cheapest configuration for a profile, computed per option (the price is
// a sum of independently chosen parts) but equal to walking every key in the
// order above.
IndividualChoice chooseIndividual(const EurotelSums& s);
// The same search recording its items and the alternatives of every part.
struct Itemiser;
struct NoItems;
IndividualChoice chooseIndividual(const EurotelSums& s, Itemiser& items);
IndividualChoice chooseIndividual(const EurotelSums& s, NoItems& items);
inline IndividualChoice chooseIndividual(const Usage& u) { return chooseIndividual(eurotelSums(u)); }

// Replaces `hint` by the description of a configuration.
void writeIndividualHint(const IndividualConfig& c, Hint& hint);

}  // namespace sazbar
