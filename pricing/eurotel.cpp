// Eurotel tariffs: the fourteen standard members, Individual
// (pricing/eurotel_individual.cpp), SMS/Data, the GO and the Tip tariffs.
// Each tariff is one row of constants driving its rule; amounts
// are exact thousandths of a crown.
#include <array>
#include <cassert>
#include <string_view>

#include "pricing/eurotel_individual.h"
#include "pricing/tariff_common.h"

namespace sazbar {

namespace {

// ---------------------------------------------------------------------------
// The standard members.

struct StandardMember {
    std::int64_t fee;
    std::int64_t included;  // F; 0 = none (paid fraction exactly 1)
    std::int64_t rateOther;  // fixed line, T-Mobile, Oskar; international base
    std::int64_t rateEurotel;
    std::int64_t freeSms;
    std::int64_t smsRate;
};

// sms, sms_max, bronz, bronz_max, silver, silver_max, gold, gold_max,
// platinum, platinum_max, diamant, diamant_max, start, pohoda.
constexpr std::array<StandardMember, 14> kStandard = {{
    {214.2_kc, 0, 7.97_kc, 5.12_kc, 150, 2.26_kc},
    {214.2_kc, 0, 6.19_kc, 3.69_kc, 150, 1.19_kc},
    {214.2_kc, 30, 7.97_kc, 5.12_kc, 0, 2.26_kc},
    {214.2_kc, 30, 6.19_kc, 3.69_kc, 0, 1.19_kc},
    {660.45_kc, 100, 6.66_kc, 4.52_kc, 0, 2.26_kc},
    {660.45_kc, 100, 5.24_kc, 3.21_kc, 0, 1.19_kc},
    {1059.1_kc, 200, 5.83_kc, 3.93_kc, 0, 2.26_kc},
    {1059.1_kc, 200, 4.76_kc, 2.98_kc, 0, 1.19_kc},
    {1892.1_kc, 400, 5.36_kc, 3.45_kc, 0, 2.26_kc},
    {1892.1_kc, 400, 4.52_kc, 2.62_kc, 0, 1.19_kc},
    {3689_kc, 1000, 4.64_kc, 3.21_kc, 0, 2.26_kc},
    {3689_kc, 1000, 4.05_kc, 1.19_kc, 0, 1.19_kc},
    {47.6_kc, 0, 7.14_kc, 5.36_kc, 0, 1.19_kc},
    {178.5_kc, 40, 5.95_kc, 4.17_kc, 100, 1.43_kc},
}};

constexpr std::int64_t kNonstopIIMinutes = 60;
constexpr std::int64_t kTopSms = 178.5_kc;
constexpr std::int64_t kTopSmsCount = 200;

// Hint lines of D0..D4, each with its trailing line break.
constexpr std::array<std::string_view, 5> kDataHints = {
    "Eurotel WAP MMS\n\r",
    "+ příplatek Data\n\r",
    "+ příplatek Data Plus\n\r",
    "+ příplatek DATA Nonstop\n\r",
    "+ příplatek DATA Nonstop II\n\r",
};
constexpr std::string_view kTopSmsHint = "+ příplatek Top SMS\n\r";

// The same for every member: the five data options D0..D4 (milli).
struct DataOptions {
    std::array<std::int64_t, 5> cost;
};

DataOptions dataOptions(const EurotelSums& s) {
    const std::int64_t data = s.data, gw = s.gprsWap, gi = s.gprsNet;
    const std::int64_t wapCost = s.wap * 3.21_kc;
    const std::int64_t dataCsd = data * 2.38_kc + wapCost;
    return {{
        data * 5.95_kc + gw * 0.24_kc + gi * 0.238_kc + wapCost,
        dataCsd + gw * 0.24_kc + gi * 0.036_kc + 232.05_kc,
        dataCsd + gw * 0.24_kc + (gi > 20000 ? (gi - 20000) * 0.003_kc : 0) + 355.81_kc,
        dataCsd + 772.31_kc + gw * 0.7_kc,
        dataCsd + 832_kc + gw * 0.7_kc,
    }};
}

void priceStandard(const EurotelSums& s, const StandardMember& t, const DataOptions& d, TariffResult& out) {
    // Steps 1-2: calls (one rate for all bands) and the voice mailbox.
    const std::int64_t calls = (s.fixed + s.tm + s.osk) * t.rateOther + s.et * t.rateEurotel + s.vm * 2.38_kc;
    // Step 3: fractions.
    const std::int64_t T = s.T;
    Share paid = kWholeShare;
    Share paidNonstopII = paidShare(T, kNonstopIIMinutes);
    if (t.included > 0) {
        paid = paidShare(T, t.included);
        paidNonstopII = paidShare(T, t.included + kNonstopIIMinutes);
    }
    // Step 5: the cheapest option; the search starts from D0 rather than
    // 999999 (the same choice whenever some option is below 999999, and a
    // defined one otherwise). Strictly lower replaces.
    const auto& D = d.cost;
    std::int64_t bestData = D[0];
    for (int i = 1; i < 5; ++i)
        if (D[i] < bestData) bestData = D[i];
    // Step 6: Nonstop II correction, compared exactly.
    if (bestData == D[3] && Money::scaled(calls, paid) + D[3] > Money::scaled(calls, paidNonstopII) + D[4])
        bestData = D[4];
    // Step 7: every option at the best cost appends its line; the last one
    // found sets the fraction.
    Share chosen = paid;
    for (int i = 0; i < 5; ++i) {
        if (D[i] != bestData) continue;
        out.hint += kDataHints[static_cast<std::size_t>(i)];
        chosen = i == 4 ? paidNonstopII : paid;
    }
    // Step 8.
    Money price = Money::scaled(calls, chosen);
    std::int64_t rest = t.fee + bestData;
    // Steps 9-10: SMS and the Top SMS add-on.
    const std::int64_t S = s.sms;
    const std::int64_t beyond = (S - t.freeSms) * t.smsRate;
    if (beyond > kTopSms) {
        rest += kTopSms;
        if (S > t.freeSms + kTopSmsCount) rest += (S - (t.freeSms + kTopSmsCount)) * t.smsRate;
        out.hint += kTopSmsHint;
    } else if (S > t.freeSms) {
        rest += beyond;
    }
    // Steps 11-12: MMS and international calls.
    rest += s.mms * 9.28_kc;
    rest += eurotelIntlCost(s, t.rateOther);
    price += rest;
    writePrice(out, price);
}

// ---------------------------------------------------------------------------
// SMS/Data, GO and Tip.

// NetCall rates of SMS/Data and the Tip tariffs.
std::int64_t tipNetCall(const EurotelSums& s) {
    return s.netCall[0] * 9.64_kc + s.netCall[1] * 15.74_kc + s.netCall[2] * 23.18_kc;
}

// Standard-zone international calls of SMS/Data and the Tip tariffs: peak
// minutes x (peak base + surcharge[z]), afternoon and evening+weekend minutes
// x (off-peak base + surcharge[z]); the surcharge sum is taken once.
std::int64_t tipIntl(const EurotelSums& s, std::int64_t peakBase, std::int64_t offBase) {
    return s.intlPeak * peakBase + (s.intlAfternoon + s.intlEveningWeekend) * offBase + s.tipSurcharges;
}

void priceSmsData(const EurotelSums& s, TariffResult& out) {
    std::int64_t c = s.day * 18.3_kc + s.night * 6.1_kc;
    c += s.vm * 2.44_kc + 205_kc;
    c += s.dataDay * 2.1_kc + s.dataNight * 2.44_kc;
    // SMS: e = E / S and o = O / S are exact; the terms that carry them are
    // summed into one numerator over S (128 bits: it is a product of counts).
    Money sms;
    const std::int64_t E = s.smsEt, O = s.smsTm + s.smsOsk, S = E + O;
    if (S > 0 && S <= 40) {
        c += S * 1.83_kc;
    } else if (S > 40) {
        const i128 tier1 = E * 1.34_kc + O * 1.83_kc;  // S x the per-message rate of each tier
        const i128 tier2 = E * 1.1_kc + O * 1.83_kc;
        const i128 tier3 = E * 0.92_kc + O * 1.83_kc;
        i128 num;
        if (S <= 800) {
            num = (S - 40) * tier1;
        } else if (S <= 8000) {
            num = 760 * tier1 + (S - 800) * tier2;
        } else {
            num = 760 * tier1 + 7200 * tier2 + (S - 8000) * tier3;
        }
        c += 63.6_kc;
        sms = Money::scaled(num, Share{1, S});
    }
    c += s.wap * 3.29_kc + s.mms * 9.5_kc;
    c += s.gprsWap * 0.49_kc + s.gprsNet * 0.037_kc;
    c += s.internetCalls ? tipNetCall(s) : tipIntl(s, 18.3_kc, 6.1_kc);
    writePrice(out, sms + c);
}

struct GoTariff {
    std::array<std::int64_t, 4> peak;   // fixed line, T-Mobile, Eurotel, Oskar
    std::array<std::int64_t, 4> other;  // afternoon, evening, weekend
    std::int64_t sms;
    std::int64_t voiceMail;
};

// originalgo, quatrogo, fungo.
constexpr std::array<GoTariff, 3> kGo = {{
    {{7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, 3.7_kc, 2.8_kc},
    {{11.1_kc, 11.1_kc, 7.8_kc, 11.1_kc}, {3_kc, 9_kc, 3_kc, 9_kc}, 3.7_kc, 3_kc},
    {{7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, 2_kc, 2.8_kc},
}};

void priceGo(const EurotelSums& s, const GoTariff& t, TariffResult& out) {
    std::int64_t c = 0;
    for (std::size_t n = 0; n < 4; ++n) c += s.peakBy[n] * t.peak[n] + s.otherBy[n] * t.other[n];
    c += s.sms * t.sms + s.mms * 9.5_kc + s.wap * 2.95_kc + s.vm * t.voiceMail + s.data * 6.4_kc;
    c += s.gprsWap * 0.25_kc + s.gprsNet * 0.06_kc;
    if (!s.internetCalls) {
        c += s.go[0] * 18.2_kc + s.go[1] * 29.6_kc + s.go[2] * 59_kc + s.go[3] * 112.2_kc;
    } else {
        c += s.netCall[0] * 9.4_kc + s.netCall[1] * 15.4_kc + s.netCall[2] * 22.6_kc;
    }
    writePrice(out, Money::milli(c));
}

struct TipTariff {
    std::int64_t fee;
    std::int64_t included;  // 0 = none: no fraction, no fee
    std::int64_t peakRate;  // peak and afternoon
    std::int64_t offRate;   // evening and weekend
    std::int64_t sms;
};

// tipbusiness, tiprelax, tipakord.
constexpr std::array<TipTariff, 3> kTip = {{
    {470.05_kc, 80, 5_kc, 1.19_kc, 2.02_kc},
    {0, 0, 6.43_kc, 3.57_kc, 2.02_kc},
    {172.55_kc, 20, 5.36_kc, 5.36_kc, 2.02_kc},
}};

void priceTip(const EurotelSums& s, const TipTariff& t, TariffResult& out) {
    const std::int64_t calls = s.day * t.peakRate + s.night * t.offRate;
    Money price = t.included > 0 ? Money::scaled(calls, paidShare(s.T, t.included)) : Money::milli(calls);
    std::int64_t rest = t.fee + s.sms * t.sms;
    // Afternoon international minutes take the off-peak base.
    rest += s.internetCalls ? tipNetCall(s) : tipIntl(s, t.peakRate, t.offRate);
    price += rest;
    writePrice(out, price);
}

}  // namespace

EurotelSums eurotelSums(const Usage& u) {
    EurotelSums s;
    const Profile& p = *u.profile;
    s.T = u.totalCallMinutes;
    for (int b = 0; b < kBands; ++b) {
        const auto& m = p.matrix[static_cast<std::size_t>(b)];
        s.fixed += m[FixedLine];
        s.tm += m[TMobile];
        s.et += m[Eurotel];
        s.osk += m[Oskar];
        s.vm += m[VoiceMail];
        const std::int64_t calls = static_cast<std::int64_t>(m[FixedLine]) + m[TMobile] + m[Eurotel] + m[Oskar];
        (b == Peak || b == Afternoon ? s.day : s.night) += calls;
        for (std::size_t n = 0; n < 4; ++n) (b == Peak ? s.peakBy[n] : s.otherBy[n]) += m[n];
        (b == Peak || b == Afternoon ? s.dataDay : s.dataNight) += m[Data];
        s.wap += p.wap[static_cast<std::size_t>(b)];
    }
    s.data = s.dataDay + s.dataNight;
    s.gprsWap = p.gprsWap;
    s.gprsNet = p.gprsNet;
    s.smsTm = u.smsTm();
    s.smsEt = u.smsEt();
    s.smsOsk = u.smsOsk();
    s.sms = s.smsTm + s.smsEt + s.smsOsk;
    s.mms = u.mms();
    s.internetCalls = u.internetCalls();

    // Surcharges of zones 1..6: the standard members have a peak and an
    // off-peak one; SMS/Data and Tip one per zone for all bands.
    static constexpr std::int64_t kPeak[6] = {12.58_kc, 20.56_kc, 30.48_kc, 38.09_kc, 50.78_kc, 76.18_kc};
    static constexpr std::int64_t kOff[6] = {12.27_kc, 20.05_kc, 29.73_kc, 37.15_kc, 49.53_kc, 74.3_kc};
    static constexpr std::int64_t kTipSur[6] = {12.58_kc, 20.56_kc, 30.48_kc, 38.09_kc, 50.78_kc, 76.18_kc};
    for (int z = 1; z <= 6; ++z) {
        const std::int64_t peak = u.zoneBand(EtStandard, z, 0);
        const std::int64_t aft = u.zoneBand(EtStandard, z, 1);
        const std::int64_t eve = u.zoneBand(EtStandard, z, 2);
        s.intlPeak += peak;
        s.intlAfternoon += aft;
        s.intlEveningWeekend += eve;
        const auto i = static_cast<std::size_t>(z - 1);
        s.standardSurcharges += peak * kPeak[i] + (aft + eve) * kOff[i];
        s.tipSurcharges += (peak + aft + eve) * kTipSur[i];
    }
    for (int z = 1; z <= 3; ++z) s.netCall[z - 1] = u.zone(EtNetCall, z);
    for (int z = 1; z <= 4; ++z) s.go[z - 1] = u.zone(EtGo, z);
    return s;
}

void priceEurotel(const Usage& u, std::span<TariffResult> out) {
    // Run order: the fourteen standard members, individual_wapmi, smsdata,
    // originalgo, quatrogo, fungo, tipbusiness, tiprelax, tipakord.
    assert(out.size() == 22);
    const EurotelSums s = eurotelSums(u);
    const DataOptions data = dataOptions(s);
    for (std::size_t i = 0; i < kStandard.size(); ++i) priceStandard(s, kStandard[i], data, out[i]);

    const IndividualChoice individual = chooseIndividual(s);
    writeIndividualHint(individual.config, out[14].hint);
    writePrice(out[14], individual.price);

    priceSmsData(s, out[15]);
    for (std::size_t i = 0; i < kGo.size(); ++i) priceGo(s, kGo[i], out[16 + i]);
    for (std::size_t i = 0; i < kTip.size(); ++i) priceTip(s, kTip[i], out[19 + i]);
}

}  // namespace sazbar
