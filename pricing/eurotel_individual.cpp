// Eurotel "Individual": the search for the cheapest configuration and its hint.
#include "pricing/eurotel_individual.h"

#include <cassert>
#include <string>
#include <string_view>

#include "pricing/eurotel_items.h"
#include "pricing/tariff_common.h"

namespace sazbar {

namespace {

constexpr const IndividualPriceList& L = kIndividual;

// Cost of `used` units under a package: its fee plus the units beyond the free ones.
constexpr std::int64_t packageCost(const IndividualPackage& p, std::int64_t used, std::int64_t rate) {
    return p.fee + (used > p.free ? (used - p.free) * rate : 0);
}

// Index of the first cheapest package for `used` units: a later package
// replaces the best only when strictly cheaper, so a tie keeps the smaller one.
template <std::size_t N>
int firstCheapest(const std::array<IndividualPackage, N>& list, std::int64_t used, std::int64_t rate,
                  std::int64_t& cost) {
    int best = 0;
    cost = packageCost(list[0], used, rate);
    for (int i = 1; i < static_cast<int>(N); ++i) {
        const std::int64_t c = packageCost(list[static_cast<std::size_t>(i)], used, rate);
        if (c < cost) {
            cost = c;
            best = i;
        }
    }
    return best;
}

// The alternatives of one package part and, when `itemise`, the items of the
// chosen package: its fee and the units beyond its free ones.
template <class K, std::size_t N>
void packageItems(K& k, const std::array<IndividualPackage, N>& list, int chosen, std::int64_t used,
                  std::int64_t rate, ItemKind kind, std::string_view what, std::string_view unit, bool itemise) {
    if constexpr (K::on) {
        k.choice("Balíček ", what);
        for (std::size_t i = 0; i < N; ++i) {
            const Money cost = milliMoney(packageCost(list[i], used, rate));
            if (i == 0) {
                k.option(cost, static_cast<int>(i) == chosen, "bez balíčku");
            } else {
                k.option(cost, static_cast<int>(i) == chosen, "balíček ", Num{list[i].free}, " ", unit);
            }
        }
        if (!itemise) return;
        const IndividualPackage& p = list[static_cast<std::size_t>(chosen)];
        if (p.free == 0) {
            k.item(kind, used > 0 ? used : 0, unit, rate, what);
        } else {
            k.lump(ItemKind::Package, milliMoney(p.fee), "Balíček ", what, " (", Num{p.free}, " ", unit, ")");
            k.item(kind, used > p.free ? used - p.free : 0, unit, rate, what, " nad ", Num{p.free}, " ", unit);
        }
    }
}

// Paid share of the call cost with F free minutes; without free minutes every
// minute is paid.
Share minuteShare(std::int64_t total, std::int64_t free) {
    return free == 0 ? kWholeShare : paidShare(total, free);
}

constexpr std::string_view kRule = "--------------------------------------------------------";
static_assert(kRule.size() == 56);

}  // namespace

// The price is a sum of parts chosen independently: the minutes package, the
// SMS package, the MMS package and the data choice (which is itself three
// independent packages, or NONSTOP). For such a sum the minimal keys of the
// walk described in the header are exactly the products of each part's
// minimal indexes, and the lexicographically first of them takes each part's
// first minimal index. NONSTOP is the last data choice, so it wins only when
// strictly cheaper than the best package triple. The minutes part is compared
// exactly (see below), so equal costs with a fractional share still tie.
namespace {

template <class K>
IndividualChoice choose(const EurotelSums& s, K& k) {
    IndividualChoice r;
    IndividualConfig& c = r.config;

    // Minutes: the cost of package m is fee_m + calls x share_m. With T > 0
    // every share is (T - F_m) / T (0 when T < F_m, 1 without free minutes),
    // so the costs compare exactly as fee_m x T + calls x max(T - F_m, 0),
    // without division. With T <= 0 the shares are 1 (no free minutes) or 0.
    const std::int64_t calls = (s.fixed + s.tm + s.osk) * L.rateOther + s.et * L.rateEurotel + s.vm * L.rateVoiceMail;
    const std::int64_t T = s.T;
    const auto scaledKey = [&](const IndividualPackage& p) -> i128 {
        // 128 bits: products of two usage-sized values.
        if (T > 0) return static_cast<i128>(p.fee) * T + (T > p.free ? static_cast<i128>(calls) * (T - p.free) : 0);
        return p.fee + (p.free == 0 ? calls : 0);
    };
    i128 bestKey = scaledKey(L.minutes[0]);
    for (int i = 1; i < static_cast<int>(L.minutes.size()); ++i) {
        const i128 key = scaledKey(L.minutes[static_cast<std::size_t>(i)]);
        if (key < bestKey) {
            bestKey = key;
            c.minutes = i;
        }
    }
    const IndividualPackage& minutes = L.minutes[static_cast<std::size_t>(c.minutes)];
    const Money minutesCost = Money::scaled(calls, minuteShare(T, minutes.free)) + minutes.fee;
    if constexpr (K::on) {
        k.lump(ItemKind::Fee, milliMoney(L.baseFee), "Základní měsíční poplatek");
        eurotelCallItems(k, s, L.rateOther, L.rateEurotel, L.rateVoiceMail);
        k.lump(ItemKind::Package, milliMoney(minutes.fee), "Balíček volných minut (", Num{minutes.free}, " min)");
        freeMinutes(k, calls, minuteShare(T, minutes.free), minutes.free, T, "Volné minuty");
        k.choice("Balíček volných minut (poplatek a placené volání)");
        for (std::size_t i = 0; i < L.minutes.size(); ++i) {
            const IndividualPackage& p = L.minutes[i];
            const Money cost = Money::scaled(calls, minuteShare(T, p.free)) + p.fee;
            if (i == 0) {
                k.option(cost, static_cast<int>(i) == c.minutes, "bez balíčku");
            } else {
                k.option(cost, static_cast<int>(i) == c.minutes, "balíček ", Num{p.free}, " min");
            }
        }
    }

    // Messages.
    std::int64_t smsCost = 0, mmsCost = 0;
    c.sms = firstCheapest(L.sms, s.sms, L.smsRate, smsCost);
    c.mms = firstCheapest(L.mms, s.mms, L.mmsRate, mmsCost);
    packageItems(k, L.sms, c.sms, s.sms, L.smsRate, ItemKind::Message, "SMS", "SMS", true);
    packageItems(k, L.mms, c.mms, s.mms, L.mmsRate, ItemKind::Message, "MMS", "MMS", true);

    // Data: the first cheapest triple, then NONSTOP when strictly cheaper.
    std::int64_t wapCost = 0, csdCost = 0, netCost = 0;
    c.gprsWap = firstCheapest(L.gprsWap, s.gprsWap, L.gprsWapRate, wapCost);
    c.csd = firstCheapest(L.csd, s.data, L.csdRate, csdCost);
    c.gprsNet = firstCheapest(L.gprsNet, s.gprsNet, L.gprsNetRate, netCost);
    std::int64_t dataCost = wapCost + csdCost + netCost;
    const bool nonstop = L.dataNonstop < dataCost;
    packageItems(k, L.gprsWap, c.gprsWap, s.gprsWap, L.gprsWapRate, ItemKind::Data, "GPRS WAP", "kB", !nonstop);
    packageItems(k, L.csd, c.csd, s.data, L.csdRate, ItemKind::Data, "data (CSD)", "min", !nonstop);
    packageItems(k, L.gprsNet, c.gprsNet, s.gprsNet, L.gprsNetRate, ItemKind::Data, "GPRS internet", "kB", !nonstop);
    if constexpr (K::on) {
        k.choice("Datové balíčky, nebo Příplatek Data NONSTOP");
        k.option(milliMoney(dataCost), !nonstop, "nejlevnější datové balíčky");
        k.option(milliMoney(L.dataNonstop), nonstop, "Příplatek Data NONSTOP");
        if (nonstop) k.lump(ItemKind::Package, milliMoney(L.dataNonstop), "Příplatek Data NONSTOP");
    }
    if (nonstop) {
        dataCost = L.dataNonstop;
        c.gprsWap = c.csd = c.gprsNet = 0;
        c.nonstop = true;
    }
    k.item(ItemKind::Data, s.wap, "min", L.wapMinuteRate, "WAP");
    eurotelIntlItems(k, s, L.rateOther);

    const std::int64_t rest = L.baseFee + smsCost + mmsCost + dataCost + static_cast<i128>(s.wap) * L.wapMinuteRate +
                      eurotelIntlCost(s, L.rateOther);
    r.price = minutesCost + rest;
    const Money cap = Money::milli(999999_kc);
    if (!(r.price < cap)) {
        // No configuration below the search's start value.
        r.price = cap;
        c = IndividualConfig{};
    }
    return r;
}

}  // namespace

IndividualChoice chooseIndividual(const EurotelSums& s) {
    NoItems none;
    return choose(s, none);
}

IndividualChoice chooseIndividual(const EurotelSums& s, NoItems& items) { return choose(s, items); }
IndividualChoice chooseIndividual(const EurotelSums& s, Itemiser& items) { return choose(s, items); }

namespace {

// "\n\r<label><free units>" for every package of a part, made once, so that
// a hint is only pieces of these texts.
template <std::size_t N>
std::array<std::string, N> packageLines(std::string_view label, const std::array<IndividualPackage, N>& list) {
    static_assert(N > 0);
    std::array<std::string, N> lines;
    for (std::size_t i = 0; i < N; ++i) lines[i] = std::string(kLineBreak) + std::string(label) + std::to_string(list[i].free);
    return lines;
}

struct HintLines {
    std::array<std::string, 6> minutes = packageLines("počet volných minut na volání: ", L.minutes);
    std::array<std::string, 5> sms = packageLines("počet volných SMS: ", L.sms);
    std::array<std::string, 3> mms = packageLines("počet volných MMS: ", L.mms);
    std::array<std::string, 3> gprsWap = packageLines("počet volných kB na WAP (GPRS): ", L.gprsWap);
    std::array<std::string, 3> csd = packageLines("počet volných minut na internet (CSD): ", L.csd);
    std::array<std::string, 3> gprsNet = packageLines("počet volných kB na internet (GPRS): ", L.gprsNet);
};

// With NONSTOP the data lines show 0: the first package of each data part, which includes nothing.
static_assert(L.gprsWap[0].free == 0 && L.csd[0].free == 0 && L.gprsNet[0].free == 0);

}  // namespace

void writeIndividualHint(const IndividualConfig& c, Hint& hint) {
    static const HintLines lines;
    static constexpr std::string_view kHead = "Optimální konfigurace tarifu Individual je tato:\n\r"
                                              "--------------------------------------------------------";
    static_assert(kHead.ends_with(kRule));
    const auto data = [&c](int index) { return static_cast<std::size_t>(c.nonstop ? 0 : index); };
    hint.assign(kHead);
    hint.add(lines.minutes[static_cast<std::size_t>(c.minutes)]);
    hint.add(lines.sms[static_cast<std::size_t>(c.sms)]);
    hint.add(lines.mms[static_cast<std::size_t>(c.mms)]);
    hint.add(lines.gprsWap[data(c.gprsWap)]);
    hint.add(lines.csd[data(c.csd)]);
    hint.add(lines.gprsNet[data(c.gprsNet)]);
    if (c.nonstop) hint.add("\n\rPříplatek Data NONSTOP");
}

}  // namespace sazbar
