// T-Mobile tariffs: allowance tariffs (A), Tarif 20+20 (B), Twist prepaid (C)
// and Internet (D). Each tariff is one row of constants driving its rule.
#include <array>
#include <utility>
#include <string_view>

#include "pricing/tariff_common.h"

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
i128 bandCost(const Usage& u, Row row, const Rates4& rates) {
    i128 c = 0;
    for (int b = 0; b < kBands; ++b) c += static_cast<i128>(u.cell(static_cast<Band>(b), row)) * rates[b];
    return c;
}

// Values shared by several tariffs, computed once per run.
struct Shared {
    i128 gprsCost;
    std::string_view gprsName;
    i128 intlA, intlB, intlT, intlTwistHome;
};

// S3: the cheapest of the four GPRS packages; ties keep the earlier one.
std::pair<i128, std::string_view> gprsPackage(const Usage& u) {
    const i128 w = u.gprsWap(), n = u.gprsNet();
    const i128 costs[4] = {
        w * 0.6_kc + n * 0.07_kc,
        118_kc + n * 0.07_kc + (w >= 1000 ? (w - 1000) * 0.6_kc : 0),
        237_kc + w * 0.6_kc + (n >= 10000 ? (n - 10000) * 0.07_kc : 0),
        832_kc,
    };
    static constexpr std::string_view names[4] = {"GPRS Basic", "GPRS WAP", "GPRS Email&PDA", "GPRS Internet+"};
    int best = 0;
    for (int i = 1; i < 4; ++i)
        if (costs[i] < costs[best]) best = i;
    return {costs[best], names[best]};
}

// S4 and its Twist/Internet variant: international minutes by zone.
i128 intlCost(const Usage& u, const IntlSet& set) {
    i128 c = 0;
    if (!u.internetCalls()) {
        for (int z = 1; z <= 6; ++z) c += static_cast<i128>(u.zone(TmStandard, z)) * set.standard[z - 1];
    } else {
        for (int z = 1; z <= 3; ++z) c += static_cast<i128>(u.zone(TmInternetCall, z)) * set.internet[z - 1];
    }
    return c;
}

void priceAllowance(const Usage& u, const Shared& sh, const AllowanceTariff& t, TariffResult& out) {
    const Share share = paidShare(u.totalCallMinutes, t.included);
    i128 calls = bandCost(u, FixedLine, t.fixed) + bandCost(u, TMobile, t.tm);
    // S2: Víkend+ reprices the weekend T-Mobile minutes at 0.60 for 34.50 a month.
    const i128 weekend = u.cell(Weekend, TMobile);
    const std::int64_t r = t.tm[Weekend];
    i128 surcharge = 0;
    if (weekend * r > weekend * 0.6_kc + 34.5_kc && weekend >= t.vikendThreshold) {
        calls += weekend * (0.6_kc - r);
        surcharge = 34.5_kc;
    }
    calls += static_cast<i128>(u.row(Eurotel)) * t.et + static_cast<i128>(u.row(Oskar)) * t.osk +
             static_cast<i128>(u.row(VoiceMail)) * t.vm;
    Money price = Money::scaled(calls, share);
    i128 rest = t.fee + surcharge;
    const i128 data = u.row(Data);
    if (t.freeData > 0) {
        if (data > t.freeData) rest += (data - t.freeData) * t.data;
    } else {
        rest += data * t.data;
    }
    if (t.messaging == Messaging::Student) {
        const i128 smsTm = u.smsTm(), others = u.smsEt() + u.smsOsk();
        rest += (smsTm >= 31 ? smsTm - 30 + others : others) * t.sms;
        if (u.mms() >= 4) rest += (static_cast<i128>(u.mms()) - 3) * t.mms;
    } else {
        rest += static_cast<i128>(u.sms()) * t.sms + static_cast<i128>(u.mms()) * t.mms;
    }
    rest += static_cast<i128>(u.wap()) * t.wap;
    rest += sh.gprsCost;
    out.hint.assign(sh.gprsName);
    rest += t.intl == &kSetA ? sh.intlA : sh.intlB;
    if (surcharge != 0) appendLine(out.hint, "Příplatek Víkend+");
    writePrice(out, price + rest);
}

void priceTarif20(const Usage& u, const Shared& sh, TariffResult& out) {
    const i128 fixed = u.row(FixedLine);
    const i128 mobile = static_cast<i128>(u.row(TMobile)) + u.row(Eurotel) + u.row(Oskar);
    const Share fixedShare = paidShare(static_cast<std::int64_t>(fixed), 20);
    const Share mobileShare = paidShare(static_cast<std::int64_t>(mobile), 20);
    const i128 fixedDay = static_cast<i128>(u.cell(Peak, FixedLine)) + u.cell(Afternoon, FixedLine);
    const i128 fixedNight = static_cast<i128>(u.cell(Evening, FixedLine)) + u.cell(Weekend, FixedLine);
    Money price = Money::scaled(fixedDay * 2.98_kc + fixedNight * 1.55_kc, fixedShare);
    price += Money::scaled(static_cast<i128>(u.row(TMobile)) * 4.16_kc +
                               (static_cast<i128>(u.row(Eurotel)) + u.row(Oskar)) * 5.36_kc,
                           mobileShare);
    i128 rest = static_cast<i128>(u.row(VoiceMail)) * 1.19_kc + 297.5_kc;
    rest += static_cast<i128>(u.row(Data)) * 4.2_kc + static_cast<i128>(u.sms()) * 2.02_kc +
            static_cast<i128>(u.mms()) * 9.8_kc + static_cast<i128>(u.wap()) * 2.38_kc;
    rest += sh.gprsCost;
    out.hint.assign(sh.gprsName);
    rest += sh.intlA;
    writePrice(out, price + rest);
}

// International calls of the Twist and Internet tariffs.
i128 prepaidIntl(const Usage& u, bool homeZones) {
    if (!u.internetCalls() || !homeZones) return intlCost(u, kSetT);
    i128 c = 0;
    for (int z = 1; z <= 3; ++z) c += static_cast<i128>(u.zone(TwistHomeInternetCall, z)) * kSetT.internet[z - 1];
    c += static_cast<i128>(u.zone(TwistHomeInternetCall, 7)) * 6.8_kc;
    c += static_cast<i128>(u.zone(TwistHomeInternetCall, 8)) * 8.5_kc;
    return c;
}

void priceTwist(const Usage& u, const Shared& sh, const TwistTariff& t, TariffResult& out) {
    i128 c = bandCost(u, FixedLine, t.fixed) + bandCost(u, TMobile, t.tm) +
             static_cast<i128>(u.row(Eurotel)) * t.et + static_cast<i128>(u.row(Oskar)) * t.osk;
    c += static_cast<i128>(u.sms()) * t.sms + static_cast<i128>(u.mms()) * 10_kc +
         static_cast<i128>(u.wap()) * 3.2_kc + static_cast<i128>(u.row(VoiceMail)) * 2.3_kc +
         static_cast<i128>(u.row(Data)) * 5.7_kc;
    c += static_cast<i128>(u.gprsWap()) * 0.6_kc + static_cast<i128>(u.gprsNet()) * 0.07_kc;
    c += t.homeZones ? sh.intlTwistHome : sh.intlT;
    c += t.addedWhenWritten;
    writePrice(out, Money::milli(c));
}

void priceInternet(const Usage& u, const Shared& sh, std::int64_t fee, TariffResult& out) {
    const i128 calls = static_cast<i128>(u.row(FixedLine)) + u.row(TMobile) + u.row(Eurotel) + u.row(Oskar);
    i128 c = calls * 7.14_kc;
    c += static_cast<i128>(u.sms()) * 2.02_kc + static_cast<i128>(u.mms()) * 10_kc +
         static_cast<i128>(u.wap()) * 2.38_kc + static_cast<i128>(u.row(VoiceMail)) * 2.3_kc +
         static_cast<i128>(u.row(Data)) * 3.57_kc;
    c += sh.intlT;
    c += fee;
    writePrice(out, Money::milli(c));
}

}  // namespace

void priceTMobile(const Usage& u, std::span<TariffResult> out) {
    // Run order: t30..t600, hit30..hit600, tarif20p20, four Twists, student,
    // internet, internethit.
    const auto [gprsCost, gprsName] = gprsPackage(u);
    const Shared sh{gprsCost, gprsName, intlCost(u, kSetA), intlCost(u, kSetB), prepaidIntl(u, false),
                    prepaidIntl(u, true)};
    for (int i = 0; i < 8; ++i) priceAllowance(u, sh, kAllowance[i], out[i]);
    priceTarif20(u, sh, out[8]);
    for (int i = 0; i < 4; ++i) priceTwist(u, sh, kTwist[i], out[9 + i]);
    priceAllowance(u, sh, kAllowance[8], out[13]);
    priceInternet(u, sh, kInternetFees[0], out[14]);
    priceInternet(u, sh, kInternetFees[1], out[15]);
}

void priceFixedLine(const Usage& u, TariffResult& out) {
    i128 c = static_cast<i128>(u.cell(Peak, FixedLine)) * 1.57_kc +
             (static_cast<i128>(u.cell(Afternoon, FixedLine)) + u.cell(Evening, FixedLine) + u.cell(Weekend, FixedLine)) *
                 0.79_kc;
    c += (static_cast<i128>(u.row(TMobile)) + u.row(Eurotel) + u.row(Oskar)) * 6.5_kc;
    c += static_cast<i128>(u.cell(Peak, Data)) * 1.58_kc +
         (static_cast<i128>(u.cell(Afternoon, Data)) + u.cell(Evening, Data) + u.cell(Weekend, Data)) * 0.9_kc;
    const i128 z1day = u.zoneBand(FixedZones, 1, 0) + u.zoneBand(FixedZones, 1, 1);
    const i128 z2day = u.zoneBand(FixedZones, 2, 0) + u.zoneBand(FixedZones, 2, 1);
    c += z1day * 9.06_kc + static_cast<i128>(u.zoneBand(FixedZones, 1, 2)) * 7.82_kc;
    c += z2day * 10.31_kc + static_cast<i128>(u.zoneBand(FixedZones, 2, 2)) * 9.06_kc;
    c += 329_kc;
    writePrice(out, Money::milli(c));
}

}  // namespace sazbar
