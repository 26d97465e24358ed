// A tariff read from a catalogue file (docs/tariff-format.md): what it
// charges, what it includes and which add-ons it offers, with every amount
// exact in ten-thousandths of a crown.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/money.h"
#include "core/profile.h"

namespace sazbar::catalogue {

// Ten-thousandths of a crown: a file writes amounts with at most four decimals.
using Amount = std::int64_t;
constexpr Amount kAmountScale = 10000;
// Marks a rate the tariff (or add-on) does not give.
constexpr Amount kNoRate = std::numeric_limits<Amount>::min();

// The exact value of an amount.
inline Money toMoney(i128 amount) { return Money::scaled(amount, Share{1, 10}); }

// Metered services, each with its own rate per time band. Messages and kB
// have no band; their four band rates are equal.
enum Service : std::uint8_t {
    CallFixed, CallTMobile, CallEurotel, CallOskar, CallVoiceMail,
    SmsTMobile, SmsEurotel, SmsOskar, Mms,
    DataMinutes, WapMinutes,
    GprsWap, GprsInternet,
    International,  // minutes abroad, priced by zone or country (IntlRates)
};
constexpr int kServices = 14;
// Services priced from `Rates::perBand` (all but International).
constexpr int kBandServices = 13;

enum class Unit : std::uint8_t { Minutes, Messages, Kilobytes, Crowns };
// The unit a service is counted in.
Unit unitOf(Service s);

// International rates of one zone scheme; a country's rate, where given,
// comes before its zone's. Bands: peak, afternoon, evening with weekend.
struct CountryRate {
    int country;  // index into the country list
    std::array<Amount, kIntlBands> rate;
};
struct IntlRates {
    int scheme = -1;  // a Scheme, or -1 when none is given
    std::array<std::array<Amount, kIntlBands>, kZones> zone;
    std::vector<CountryRate> countries;
    IntlRates() {
        for (auto& z : zone) z.fill(kNoRate);
    }
};

// A tariff's rates, or an add-on's changes to them (kNoRate: unchanged).
struct Rates {
    std::array<std::array<Amount, kBands>, kBandServices> perBand;
    IntlRates intl;          // when the internet-call choice is off
    IntlRates intlInternet;  // when it is on; scheme -1: the choice is ignored
    bool internetCallsUnsupported = false;  // a month with the choice on is unsupported
    Rates() {
        for (auto& r : perBand) r.fill(kNoRate);
    }
};

enum class Consume : std::uint8_t { Proportional, MostExpensiveFirst, InOrder };

struct Allowance {
    std::string id;
    Unit unit = Unit::Minutes;
    Amount amount = 0;  // minutes, messages or kB; ten-thousandths for Crowns
    std::vector<Service> covers;  // in the file's order
    std::uint8_t bands = 0xF;     // bit b: time band b is covered
    Consume consume = Consume::Proportional;
};

// Allowances in effect together that match here are one pool: their amounts add.
inline bool samePool(const Allowance& a, const Allowance& b) {
    return a.unit == b.unit && a.covers == b.covers && a.bands == b.bands && a.consume == b.consume;
}

// Usage bounds under which an add-on is offered.
struct Offer {
    std::vector<Service> usage;  // empty: always offered
    std::uint8_t bands = 0xF;
    std::int64_t atLeast = 0;
    std::int64_t atMost = std::numeric_limits<std::int64_t>::max();
};

struct Addon {
    std::string id, name, hint;
    int group = -1;  // index into DataTariff::groups
    int required = -1;  // offered only with this add-on (index into DataTariff::addons) taken
    Amount fee = 0;
    Rates rates;
    std::vector<Allowance> allowances;
    Offer offer;
};

// How the options of an exclusive group are compared.
enum class Without : std::uint8_t { First, Last, Never };
enum class Compare : std::uint8_t { Price, OwnCost };

struct AddonGroup {
    std::string id, name;
    Without without = Without::First;
    Compare compare = Compare::Price;
    std::vector<int> addons;  // indexes into DataTariff::addons, in the file's order
};

struct MinimumSpend {
    Amount amount = 0;  // 0: none
    std::vector<Service> counts;
    bool countsFees = false;
};

struct DirectDebit {
    Amount discount = 0;
    std::vector<Allowance> allowances;
};

struct Source {
    std::string title, url, document, retrieved;
};

// A date as days since 1970-01-01.
using Day = std::int32_t;
constexpr Day kOpenStart = std::numeric_limits<Day>::min();
constexpr Day kOpenEnd = std::numeric_limits<Day>::max();

struct PreparedTariff;

struct DataTariff {
    std::string id, operatorName, name, color;
    std::int64_t revision = 1;
    bool cheapestMark = true;  // false: shown for comparison, never marked cheapest
    Day validFrom = kOpenStart, validTo = kOpenEnd;  // both days included
    bool hasSource = false;
    Source source;
    Amount fee = 0;
    Amount fixedAmount = 0;
    Rates rates;
    std::vector<Allowance> allowances;
    std::vector<AddonGroup> groups;
    std::vector<Addon> addons;
    MinimumSpend minimum;
    DirectDebit directDebit;
    std::string file;  // where it was read from
    std::string path;  // its JSON path there, "tariffs[3]"
    // What pricing needs of the tariff, resolved once when it is read
    // (catalogue/prepared.h). A tariff changed afterwards must be prepared
    // again (prepareTariff), or left without one: it is then priced by the
    // full search.
    std::shared_ptr<const PreparedTariff> prepared;

    bool validOn(Day d) const { return validFrom <= d && d <= validTo; }
};

}  // namespace sazbar::catalogue
