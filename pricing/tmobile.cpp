// T-Mobile tariffs: allowance tariffs (A), Tarif 20+20 (B), Twist prepaid (C)
// and Internet (D). Each tariff is one row of constants driving its rule.
// Amounts are 64-bit thousandths of a crown: every count is a 32-bit integer,
// so a sum of counts times a rate (below 10^6) stays far inside 64 bits; only
// the paid share of calls multiplies two usage values, inside Money.
#include <array>
#include <utility>
#include <string_view>

#include "pricing/itemiser.h"

namespace sazbar {

namespace {

using Rates4 = std::array<std::int64_t, kBands>;
using ZoneRates = std::array<std::int64_t, 6>;

constexpr Rates4 all4(std::int64_t r) { return {r, r, r, r}; }

struct IntlSet {
    ZoneRates standard;                      // T-Mobile standard zones 1..6
    std::array<std::int64_t, 3> internet;    // Internet Call zones 1..3
};

constexpr IntlSet kSetA{{15.47_kc, 24.99_kc, 28.56_kc, 35.7_kc, 41.65_kc, 76.16_kc}, {11.3_kc, 20.23_kc, 28.2_kc}};
constexpr IntlSet kSetB{{14.28_kc, 21.42_kc, 22.61_kc, 29.75_kc, 34.51_kc, 70.21_kc}, {11.3_kc, 20.23_kc, 28.2_kc}};
constexpr IntlSet kSetT{{17_kc, 24.9_kc, 28.3_kc, 37.4_kc, 40.8_kc, 84_kc}, {11.3_kc, 17_kc, 23.7_kc}};

enum class Messaging { PerMessage, Student };

struct AllowanceTariff {
    std::int64_t included;
    Rates4 fixed;
    Rates4 tm;  // the weekend rate is the one the Víkend+ step compares
    std::int64_t et, osk, vm, fee;
    std::int64_t vikendThreshold;
    std::int64_t freeData;
    std::int64_t data, sms, mms, wap;
    const IntlSet* intl;
    Messaging messaging;
};

// t30, t80, t250, t600, hit30, hit80, hit250, hit600 in run order; student last.
constexpr std::array<AllowanceTariff, 9> kAllowance = {{
    {30, all4(7.14_kc), all4(4.76_kc), 7.14_kc, 7.14_kc, 1.19_kc, 226.1_kc, 31, 0, 2.38_kc, 2.02_kc, 9.8_kc, 2.38_kc, &kSetA, Messaging::PerMessage},
    {80, all4(5.36_kc), all4(4.17_kc), 5.36_kc, 5.36_kc, 1.19_kc, 535.5_kc, 81, 0, 2.38_kc, 2.02_kc, 9.8_kc, 2.38_kc, &kSetA, Messaging::PerMessage},
    {250, all4(4.17_kc), all4(4.17_kc), 4.17_kc, 4.17_kc, 1.19_kc, 1178.1_kc, 251, 0, 2.38_kc, 2.02_kc, 9.8_kc, 2.38_kc, &kSetB, Messaging::PerMessage},
    {600, all4(3.57_kc), all4(3.57_kc), 3.57_kc, 3.57_kc, 1.19_kc, 2130.1_kc, 501, 100, 2.38_kc, 2.02_kc, 9.8_kc, 2.38_kc, &kSetB, Messaging::PerMessage},
    {30, all4(5.71_kc), all4(3.81_kc), 5.71_kc, 5.71_kc, 1.19_kc, 226.1_kc, 31, 0, 2.38_kc, 1.19_kc, 9.8_kc, 2.38_kc, &kSetA, Messaging::PerMessage},
    {80, all4(4.28_kc), all4(3.33_kc), 4.28_kc, 4.28_kc, 1.19_kc, 535.5_kc, 81, 0, 2.38_kc, 1.19_kc, 9.8_kc, 2.38_kc, &kSetA, Messaging::PerMessage},
    {250, all4(3.33_kc), all4(3.33_kc), 3.33_kc, 3.33_kc, 1.19_kc, 1178.1_kc, 251, 0, 2.38_kc, 1.19_kc, 9.8_kc, 2.38_kc, &kSetB, Messaging::PerMessage},
    {500, all4(2.86_kc), all4(2.86_kc), 2.86_kc, 2.86_kc, 1.22_kc, 1904_kc, 501, 100, 2.38_kc, 1.19_kc, 9.8_kc, 2.38_kc, &kSetB, Messaging::PerMessage},
    {50, {4.17_kc, 4.17_kc, 2.26_kc, 2.26_kc}, {4.17_kc, 4.17_kc, 2.26_kc, 2.26_kc}, 5.36_kc, 5.36_kc, 1.19_kc, 226_kc, 51, 0, 4.3_kc, 1.19_kc, 10_kc, 2.4_kc, &kSetA, Messaging::Student},
}};

struct TwistTariff {
    Rates4 fixed, tm;
    std::int64_t et, osk, sms;
    std::int64_t addedWhenWritten;
    bool homeZones;  // internet calls through the Twist Home scheme
};

constexpr std::array<TwistTariff, 4> kTwist = {{
    {all4(7.9_kc), {5.7_kc, 5.7_kc, 3.4_kc, 3.4_kc}, 7.9_kc, 7.9_kc, 3.4_kc, 0, false},
    {all4(7.5_kc), all4(7.5_kc), 7.5_kc, 7.5_kc, 2_kc, 0, false},
    {{4.5_kc, 4.5_kc, 3_kc, 3_kc}, {4.5_kc, 4.5_kc, 3_kc, 3_kc}, 6.5_kc, 6.5_kc, 2_kc, 69_kc, false},
    {all4(5.5_kc), all4(5.5_kc), 5.5_kc, 5.5_kc, 3.4_kc, 0, true},
}};

constexpr std::array<std::int64_t, 2> kInternetFees = {831.8_kc, 772_kc};

// Per-band cost of one matrix row.
template <class S>
std::int64_t bandCost(const Usage& u, Row row, const Rates4& rates, S& s) {
    std::int64_t c = 0;
    for (int b = 0; b < kBands; ++b) {
        c += u.cell(static_cast<Band>(b), row) * rates[b];
        s.item(ItemKind::Call, u.cell(static_cast<Band>(b), row), "min", rates[b], kNetworkLabel[row], ", ",
               kBandLabel[b]);
    }
    return c;
}

// Values shared by several tariffs, computed once per run.
struct Shared {
    std::int64_t gprsCost;
    std::string_view gprsName;
    std::int64_t intlA, intlB, intlT, intlTwistHome;
};

constexpr std::string_view kGprsNames[4] = {"GPRS Basic", "GPRS WAP", "GPRS Email&PDA", "GPRS Internet+"};

// S3: the cheapest of the four GPRS packages; ties keep the earlier one.
template <class S>
std::pair<std::int64_t, std::string_view> gprsPackage(const Usage& u, S& s) {
    const std::int64_t w = u.gprsWap(), n = u.gprsNet();
    const std::int64_t costs[4] = {
        w * 0.6_kc + n * 0.07_kc,
        118_kc + n * 0.07_kc + (w >= 1000 ? (w - 1000) * 0.6_kc : 0),
        237_kc + w * 0.6_kc + (n >= 10000 ? (n - 10000) * 0.07_kc : 0),
        832_kc,
    };
    int best = 0;
    for (int i = 1; i < 4; ++i)
        if (costs[i] < costs[best]) best = i;
    if constexpr (S::on) {
        s.choice("Balíček GPRS");
        for (int i = 0; i < 4; ++i) s.option(milliMoney(costs[i]), i == best, kGprsNames[i]);
    }
    return {costs[best], kGprsNames[best]};
}

// S4 and its Twist/Internet variant: international minutes by zone.
template <class S>
std::int64_t intlCost(const Usage& u, const IntlSet& set, S& s) {
    std::int64_t c = 0;
    if (!u.internetCalls()) {
        for (int z = 1; z <= 6; ++z) {
            c += u.zone(TmStandard, z) * set.standard[z - 1];
            s.item(ItemKind::International, u.zone(TmStandard, z), "min", set.standard[z - 1],
                   "Volání do zahraničí, zóna ", Num{z});
        }
    } else {
        for (int z = 1; z <= 3; ++z) {
            c += u.zone(TmInternetCall, z) * set.internet[z - 1];
            s.item(ItemKind::International, u.zone(TmInternetCall, z), "min", set.internet[z - 1],
                   "Volání přes internet, zóna ", Num{z});
        }
    }
    return c;
}

// The items of a value the run computed once for several tariffs: the same
// function run again with the sink.
template <class S, class F>
void itemsOfShared(S&, F&& f) {
    if constexpr (S::on) f();
}

template <class S>
void messageItems(const Usage& u, std::int64_t rate, S& s) {
    s.item(ItemKind::Message, u.smsTm(), "SMS", rate, "SMS do sítě T-Mobile");
    s.item(ItemKind::Message, u.smsEt(), "SMS", rate, "SMS do sítě Eurotel");
    s.item(ItemKind::Message, u.smsOsk(), "SMS", rate, "SMS do sítě Oskar");
}

template <class S>
void priceAllowance(const Usage& u, const Shared& sh, const AllowanceTariff& t, TariffResult& out, S& s) {
    const Share share = paidShare(u.totalCallMinutes, t.included);
    std::int64_t calls = bandCost(u, FixedLine, t.fixed, s) + bandCost(u, TMobile, t.tm, s);
    // S2: Víkend+ reprices the weekend T-Mobile minutes at 0.60 for 34.50 a month.
    const std::int64_t weekend = u.cell(Weekend, TMobile);
    const std::int64_t r = t.tm[Weekend];
    std::int64_t surcharge = 0;
    const bool vikend = (weekend * r > weekend * 0.6_kc + 34.5_kc) & (weekend >= t.vikendThreshold);
    if (vikend) {
        calls += weekend * (0.6_kc - r);
        surcharge = 34.5_kc;
        s.item(ItemKind::Discount, weekend, "min", 0.6_kc - r, "Víkend+: volání do sítě T-Mobile o víkendu za 0,60 Kč");
    }
    if constexpr (S::on) {
        if (weekend >= t.vikendThreshold) {
            s.choice("Příplatek Víkend+");
        } else {
            s.choice("Příplatek Víkend+ (nabízí se od ", Num{t.vikendThreshold}, " víkendových minut do sítě T-Mobile)");
        }
        s.option(milliMoney(weekend * r), !vikend, "bez příplatku");
        s.option(milliMoney(weekend * 0.6_kc + 34.5_kc), vikend, "s příplatkem Víkend+");
    }
    const std::int64_t et = u.row(Eurotel) * t.et, osk = u.row(Oskar) * t.osk, vm = u.row(VoiceMail) * t.vm;
    calls += et + osk + vm;
    s.item(ItemKind::Call, u.row(Eurotel), "min", t.et, kNetworkLabel[Eurotel]);
    s.item(ItemKind::Call, u.row(Oskar), "min", t.osk, kNetworkLabel[Oskar]);
    s.item(ItemKind::Call, u.row(VoiceMail), "min", t.vm, "Hlasová schránka");
    freeMinutes(s, calls, share, t.included, u.totalCallMinutes, "Volné minuty");
    std::int64_t rest = t.fee + surcharge;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    s.lump(ItemKind::Surcharge, milliMoney(surcharge), "Příplatek Víkend+");
    const std::int64_t data = u.row(Data);
    if (t.freeData > 0) {
        if (data > t.freeData) rest += (data - t.freeData) * t.data;
        s.item(ItemKind::Data, data > t.freeData ? data - t.freeData : 0, "min", t.data, "Data (CSD) nad ",
               Num{t.freeData}, " volných minut");
    } else {
        rest += data * t.data;
        s.item(ItemKind::Data, data, "min", t.data, "Data (CSD)");
    }
    if (t.messaging == Messaging::Student) {
        const std::int64_t smsTm = u.smsTm(), others = u.smsEt() + u.smsOsk();
        rest += (smsTm >= 31 ? smsTm - 30 + others : others) * t.sms;
        s.item(ItemKind::Message, smsTm >= 31 ? smsTm - 30 : 0, "SMS", t.sms, "SMS do sítě T-Mobile nad 30 volných");
        s.item(ItemKind::Message, others, "SMS", t.sms, "SMS do ostatních sítí");
        if (u.mms() >= 4) rest += (u.mms() - 3) * t.mms;
        s.item(ItemKind::Message, u.mms() >= 4 ? u.mms() - 3 : 0, "MMS", t.mms, "MMS nad 3 volné");
    } else {
        rest += u.sms() * t.sms + u.mms() * t.mms;
        messageItems(u, t.sms, s);
        s.item(ItemKind::Message, u.mms(), "MMS", t.mms, "MMS");
    }
    rest += u.wap() * t.wap;
    s.item(ItemKind::Data, u.wap(), "min", t.wap, "WAP");
    rest += sh.gprsCost;
    itemsOfShared(s, [&] { gprsPackage(u, s); });
    s.lump(ItemKind::Package, milliMoney(sh.gprsCost), "Balíček ", sh.gprsName);
    out.hint.assign(sh.gprsName);
    rest += t.intl == &kSetA ? sh.intlA : sh.intlB;
    itemsOfShared(s, [&] { intlCost(u, *t.intl, s); });
    if (surcharge != 0) appendLine(out.hint, "Příplatek Víkend+");
    finishPrice(s, out, calls, share, rest);
}

template <class S>
void priceTarif20(const Usage& u, const Shared& sh, TariffResult& out, S& s) {
    const std::int64_t fixed = u.row(FixedLine);
    const std::int64_t mobile = u.row(TMobile) + u.row(Eurotel) + u.row(Oskar);
    const Share fixedShare = paidShare(static_cast<std::int64_t>(fixed), 20);
    const Share mobileShare = paidShare(static_cast<std::int64_t>(mobile), 20);
    const std::int64_t fixedDay = u.cell(Peak, FixedLine) + u.cell(Afternoon, FixedLine);
    const std::int64_t fixedNight = u.cell(Evening, FixedLine) + u.cell(Weekend, FixedLine);
    s.item(ItemKind::Call, fixedDay, "min", 2.98_kc, "Volání na pevnou linku, Špička a Odpoledne");
    s.item(ItemKind::Call, fixedNight, "min", 1.55_kc, "Volání na pevnou linku, Večer a Víkend");
    freeMinutes(s, fixedDay * 2.98_kc + fixedNight * 1.55_kc, fixedShare, 20, static_cast<std::int64_t>(fixed),
                "Volné minuty na pevnou linku");
    const Money price = Money::scaled(fixedDay * 2.98_kc + fixedNight * 1.55_kc, fixedShare);
    const std::int64_t mobileCost = u.row(TMobile) * 4.16_kc + (u.row(Eurotel) + u.row(Oskar)) * 5.36_kc;
    s.item(ItemKind::Call, u.row(TMobile), "min", 4.16_kc, kNetworkLabel[TMobile]);
    s.item(ItemKind::Call, u.row(Eurotel), "min", 5.36_kc, kNetworkLabel[Eurotel]);
    s.item(ItemKind::Call, u.row(Oskar), "min", 5.36_kc, kNetworkLabel[Oskar]);
    freeMinutes(s, mobileCost, mobileShare, 20, static_cast<std::int64_t>(mobile), "Volné minuty do mobilních sítí");
    const Money mobilePrice = Money::scaled(mobileCost, mobileShare);
    std::int64_t rest = u.row(VoiceMail) * 1.19_kc + 297.5_kc;
    s.item(ItemKind::Call, u.row(VoiceMail), "min", 1.19_kc, "Hlasová schránka");
    s.lump(ItemKind::Fee, milliMoney(297.5_kc), "Měsíční poplatek");
    rest += u.row(Data) * 4.2_kc + u.sms() * 2.02_kc + u.mms() * 9.8_kc + u.wap() * 2.38_kc;
    s.item(ItemKind::Data, u.row(Data), "min", 4.2_kc, "Data (CSD)");
    messageItems(u, 2.02_kc, s);
    s.item(ItemKind::Message, u.mms(), "MMS", 9.8_kc, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", 2.38_kc, "WAP");
    rest += sh.gprsCost;
    itemsOfShared(s, [&] { gprsPackage(u, s); });
    s.lump(ItemKind::Package, milliMoney(sh.gprsCost), "Balíček ", sh.gprsName);
    out.hint.assign(sh.gprsName);
    rest += sh.intlA;
    itemsOfShared(s, [&] { intlCost(u, kSetA, s); });
    finishPrice(s, out, price, mobilePrice + rest);
}

// International calls of the Twist and Internet tariffs.
template <class S>
std::int64_t prepaidIntl(const Usage& u, bool homeZones, S& s) {
    if (!u.internetCalls() || !homeZones) return intlCost(u, kSetT, s);
    std::int64_t c = 0;
    for (int z = 1; z <= 3; ++z) {
        c += u.zone(TwistHomeInternetCall, z) * kSetT.internet[z - 1];
        s.item(ItemKind::International, u.zone(TwistHomeInternetCall, z), "min", kSetT.internet[z - 1],
               "Volání přes internet, zóna ", Num{z});
    }
    c += u.zone(TwistHomeInternetCall, 7) * 6.8_kc;
    c += u.zone(TwistHomeInternetCall, 8) * 8.5_kc;
    s.item(ItemKind::International, u.zone(TwistHomeInternetCall, 7), "min", 6.8_kc, "Volání přes internet, zóna 7");
    s.item(ItemKind::International, u.zone(TwistHomeInternetCall, 8), "min", 8.5_kc, "Volání přes internet, zóna 8");
    return c;
}

template <class S>
void priceTwist(const Usage& u, const Shared& sh, const TwistTariff& t, TariffResult& out, S& s) {
    std::int64_t c = bandCost(u, FixedLine, t.fixed, s) + bandCost(u, TMobile, t.tm, s) + u.row(Eurotel) * t.et +
                     u.row(Oskar) * t.osk;
    s.item(ItemKind::Call, u.row(Eurotel), "min", t.et, kNetworkLabel[Eurotel]);
    s.item(ItemKind::Call, u.row(Oskar), "min", t.osk, kNetworkLabel[Oskar]);
    c += u.sms() * t.sms + u.mms() * 10_kc + u.wap() * 3.2_kc + u.row(VoiceMail) * 2.3_kc + u.row(Data) * 5.7_kc;
    messageItems(u, t.sms, s);
    s.item(ItemKind::Message, u.mms(), "MMS", 10_kc, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", 3.2_kc, "WAP");
    s.item(ItemKind::Call, u.row(VoiceMail), "min", 2.3_kc, "Hlasová schránka");
    s.item(ItemKind::Data, u.row(Data), "min", 5.7_kc, "Data (CSD)");
    c += u.gprsWap() * 0.6_kc + u.gprsNet() * 0.07_kc;
    s.item(ItemKind::Data, u.gprsWap(), "kB", 0.6_kc, "GPRS WAP");
    s.item(ItemKind::Data, u.gprsNet(), "kB", 0.07_kc, "GPRS internet");
    c += t.homeZones ? sh.intlTwistHome : sh.intlT;
    itemsOfShared(s, [&] { prepaidIntl(u, t.homeZones, s); });
    c += t.addedWhenWritten;
    s.lump(ItemKind::Fee, milliMoney(t.addedWhenWritten), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

template <class S>
void priceInternet(const Usage& u, const Shared& sh, std::int64_t fee, TariffResult& out, S& s) {
    const std::int64_t calls = u.row(FixedLine) + u.row(TMobile) + u.row(Eurotel) + u.row(Oskar);
    std::int64_t c = calls * 7.14_kc;
    for (int n = FixedLine; n <= Oskar; ++n)
        s.item(ItemKind::Call, u.row(static_cast<Row>(n)), "min", 7.14_kc, kNetworkLabel[n]);
    c += u.sms() * 2.02_kc + u.mms() * 10_kc + u.wap() * 2.38_kc + u.row(VoiceMail) * 2.3_kc + u.row(Data) * 3.57_kc;
    messageItems(u, 2.02_kc, s);
    s.item(ItemKind::Message, u.mms(), "MMS", 10_kc, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", 2.38_kc, "WAP");
    s.item(ItemKind::Call, u.row(VoiceMail), "min", 2.3_kc, "Hlasová schránka");
    s.item(ItemKind::Data, u.row(Data), "min", 3.57_kc, "Data (CSD)");
    c += sh.intlT;
    itemsOfShared(s, [&] { prepaidIntl(u, false, s); });
    c += fee;
    s.lump(ItemKind::Fee, milliMoney(fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

Shared shared(const Usage& u) {
    NoItems none;
    const auto [gprsCost, gprsName] = gprsPackage(u, none);
    return Shared{gprsCost,           gprsName, intlCost(u, kSetA, none), intlCost(u, kSetB, none),
                  prepaidIntl(u, false, none), prepaidIntl(u, true, none)};
}

// One T-Mobile tariff by its index in the block.
template <class S>
void priceOne(const Usage& u, const Shared& sh, int i, TariffResult& out, S& s) {
    if (i < 8) {
        priceAllowance(u, sh, kAllowance[static_cast<std::size_t>(i)], out, s);
    } else if (i == 8) {
        priceTarif20(u, sh, out, s);
    } else if (i < 13) {
        priceTwist(u, sh, kTwist[static_cast<std::size_t>(i - 9)], out, s);
    } else if (i == 13) {
        priceAllowance(u, sh, kAllowance[8], out, s);
    } else {
        priceInternet(u, sh, kInternetFees[static_cast<std::size_t>(i - 14)], out, s);
    }
}

template <class S>
void priceFixed(const Usage& u, TariffResult& out, S& s) {
    const std::int64_t peak = u.cell(Peak, FixedLine);
    const std::int64_t offPeak = u.cell(Afternoon, FixedLine) + u.cell(Evening, FixedLine) + u.cell(Weekend, FixedLine);
    std::int64_t c = peak * 1.57_kc + offPeak * 0.79_kc;
    s.item(ItemKind::Call, peak, "min", 1.57_kc, "Volání na pevnou linku, Špička");
    s.item(ItemKind::Call, offPeak, "min", 0.79_kc, "Volání na pevnou linku, Odpoledne, Večer a Víkend");
    c += (u.row(TMobile) + u.row(Eurotel) + u.row(Oskar)) * 6.5_kc;
    for (int n = TMobile; n <= Oskar; ++n)
        s.item(ItemKind::Call, u.row(static_cast<Row>(n)), "min", 6.5_kc, kNetworkLabel[n]);
    const std::int64_t dataPeak = u.cell(Peak, Data);
    const std::int64_t dataOff = u.cell(Afternoon, Data) + u.cell(Evening, Data) + u.cell(Weekend, Data);
    c += dataPeak * 1.58_kc + dataOff * 0.9_kc;
    s.item(ItemKind::Data, dataPeak, "min", 1.58_kc, "Data, Špička");
    s.item(ItemKind::Data, dataOff, "min", 0.9_kc, "Data, Odpoledne, Večer a Víkend");
    const std::int64_t z1day = u.zoneBand(FixedZones, 1, 0) + u.zoneBand(FixedZones, 1, 1);
    const std::int64_t z2day = u.zoneBand(FixedZones, 2, 0) + u.zoneBand(FixedZones, 2, 1);
    c += z1day * 9.06_kc + u.zoneBand(FixedZones, 1, 2) * 7.82_kc;
    c += z2day * 10.31_kc + u.zoneBand(FixedZones, 2, 2) * 9.06_kc;
    s.item(ItemKind::International, z1day, "min", 9.06_kc, "Volání do zahraničí, zóna 1, Špička a Odpoledne");
    s.item(ItemKind::International, u.zoneBand(FixedZones, 1, 2), "min", 7.82_kc,
           "Volání do zahraničí, zóna 1, Večer a Víkend");
    s.item(ItemKind::International, z2day, "min", 10.31_kc, "Volání do zahraničí, zóna 2, Špička a Odpoledne");
    s.item(ItemKind::International, u.zoneBand(FixedZones, 2, 2), "min", 9.06_kc,
           "Volání do zahraničí, zóna 2, Večer a Víkend");
    c += 329_kc;
    s.lump(ItemKind::Fee, milliMoney(329_kc), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

}  // namespace

void priceTMobile(const Usage& u, std::span<TariffResult> out) {
    // Run order: t30..t600, hit30..hit600, tarif20p20, four Twists, student,
    // internet, internethit.
    const Shared sh = shared(u);
    NoItems none;
    for (int i = 0; i < 8; ++i) priceAllowance(u, sh, kAllowance[static_cast<std::size_t>(i)], out[static_cast<std::size_t>(i)], none);
    priceTarif20(u, sh, out[8], none);
    for (int i = 0; i < 4; ++i) priceTwist(u, sh, kTwist[static_cast<std::size_t>(i)], out[static_cast<std::size_t>(9 + i)], none);
    priceAllowance(u, sh, kAllowance[8], out[13], none);
    priceInternet(u, sh, kInternetFees[0], out[14], none);
    priceInternet(u, sh, kInternetFees[1], out[15], none);
}

void itemiseTMobile(const Usage& u, int index, TariffResult& out, Itemiser& s) {
    priceOne(u, shared(u), index, out, s);
}

void priceFixedLine(const Usage& u, TariffResult& out) {
    NoItems none;
    priceFixed(u, out, none);
}

void itemiseFixedLine(const Usage& u, TariffResult& out, Itemiser& s) { priceFixed(u, out, s); }

}  // namespace sazbar
