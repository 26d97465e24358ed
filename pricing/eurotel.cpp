// Eurotel tariffs: the fourteen standard members, Individual
// (pricing/eurotel_individual.cpp), SMS/Data, the GO and the Tip tariffs.
// Each tariff is one row of its rule's price list below, named by its id;
// change a tariff there and nowhere else. Amounts are exact thousandths of a
// crown (_kc).
#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

#include "pricing/eurotel_individual.h"
#include "pricing/eurotel_items.h"
#include "pricing/tariff_common.h"

namespace sazbar {

namespace {

// ---------------------------------------------------------------------------
// The standard members.

struct StandardMember {
    std::string_view id;
    std::int64_t fee;          // a month
    std::int64_t included;     // minutes spread over all calls; 0 = none
    std::int64_t rateOther;    // calls to the fixed line, T-Mobile, Oskar, all bands; also the international base
    std::int64_t rateEurotel;  // calls to Eurotel
    std::int64_t voiceMail;    // per minute
    std::int64_t freeSms;      // SMS included
    std::int64_t smsRate;      // per SMS beyond them
    std::int64_t mms;          // per MMS
};

constexpr std::array<StandardMember, 14> kStandard = {{
    {.id = "sms", .fee = 214.2_kc, .included = 0, .rateOther = 7.97_kc, .rateEurotel = 5.12_kc,
     .voiceMail = 2.38_kc, .freeSms = 150, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "sms_max", .fee = 214.2_kc, .included = 0, .rateOther = 6.19_kc, .rateEurotel = 3.69_kc,
     .voiceMail = 2.38_kc, .freeSms = 150, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "bronz", .fee = 214.2_kc, .included = 30, .rateOther = 7.97_kc, .rateEurotel = 5.12_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "bronz_max", .fee = 214.2_kc, .included = 30, .rateOther = 6.19_kc, .rateEurotel = 3.69_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "silver", .fee = 660.45_kc, .included = 100, .rateOther = 6.66_kc, .rateEurotel = 4.52_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "silver_max", .fee = 660.45_kc, .included = 100, .rateOther = 5.24_kc, .rateEurotel = 3.21_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "gold", .fee = 1059.1_kc, .included = 200, .rateOther = 5.83_kc, .rateEurotel = 3.93_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "gold_max", .fee = 1059.1_kc, .included = 200, .rateOther = 4.76_kc, .rateEurotel = 2.98_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "platinum", .fee = 1892.1_kc, .included = 400, .rateOther = 5.36_kc, .rateEurotel = 3.45_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "platinum_max", .fee = 1892.1_kc, .included = 400, .rateOther = 4.52_kc, .rateEurotel = 2.62_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "diamant", .fee = 3689_kc, .included = 1000, .rateOther = 4.64_kc, .rateEurotel = 3.21_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 2.26_kc, .mms = 9.28_kc},
    {.id = "diamant_max", .fee = 3689_kc, .included = 1000, .rateOther = 4.05_kc, .rateEurotel = 1.19_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "start", .fee = 47.6_kc, .included = 0, .rateOther = 7.14_kc, .rateEurotel = 5.36_kc,
     .voiceMail = 2.38_kc, .freeSms = 0, .smsRate = 1.19_kc, .mms = 9.28_kc},
    {.id = "pohoda", .fee = 178.5_kc, .included = 40, .rateOther = 5.95_kc, .rateEurotel = 4.17_kc,
     .voiceMail = 2.38_kc, .freeSms = 100, .smsRate = 1.43_kc, .mms = 9.28_kc},
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

constexpr std::array<std::string_view, 5> kDataLabels = {
    "Bez datového příplatku (Eurotel WAP MMS)", "Příplatek Data", "Příplatek Data Plus", "Příplatek DATA Nonstop",
    "Příplatek DATA Nonstop II",
};

// Data option D0..D4 (milli): the same for every member.
template <class K>
std::int64_t dataOption(const EurotelSums& s, int i, K& k) {
    const std::int64_t data = s.data, gw = s.gprsWap, gi = s.gprsNet;
    const std::int64_t wapCost = s.wap * 3.21_kc;
    k.item(ItemKind::Data, s.wap, "min", 3.21_kc, "WAP");
    if (i == 0) {
        k.item(ItemKind::Data, data, "min", 5.95_kc, "Data (CSD)");
        k.item(ItemKind::Data, gw, "kB", 0.24_kc, "GPRS WAP");
        k.item(ItemKind::Data, gi, "kB", 0.238_kc, "GPRS internet");
        return data * 5.95_kc + gw * 0.24_kc + gi * 0.238_kc + wapCost;
    }
    const std::int64_t dataCsd = data * 2.38_kc + wapCost;
    k.item(ItemKind::Data, data, "min", 2.38_kc, "Data (CSD)");
    const std::int64_t fee = i == 1 ? 232.05_kc : i == 2 ? 355.81_kc : i == 3 ? 772.31_kc : 832_kc;
    k.lump(ItemKind::Package, milliMoney(fee), kDataLabels[static_cast<std::size_t>(i)]);
    if (i == 1) {
        k.item(ItemKind::Data, gw, "kB", 0.24_kc, "GPRS WAP");
        k.item(ItemKind::Data, gi, "kB", 0.036_kc, "GPRS internet");
        return dataCsd + gw * 0.24_kc + gi * 0.036_kc + fee;
    }
    if (i == 2) {
        k.item(ItemKind::Data, gw, "kB", 0.24_kc, "GPRS WAP");
        k.item(ItemKind::Data, gi > 20000 ? gi - 20000 : 0, "kB", 0.003_kc, "GPRS internet nad 20000 kB");
        return dataCsd + gw * 0.24_kc + (gi > 20000 ? (gi - 20000) * 0.003_kc : 0) + fee;
    }
    k.item(ItemKind::Data, gw, "kB", 0.7_kc, "GPRS WAP");
    return dataCsd + fee + gw * 0.7_kc;
}

struct DataOptions {
    std::array<std::int64_t, 5> cost;
    // The lowest cost. The search for it starts from D0 rather than 999999:
    // the same choice whenever some option is below 999999, and a defined one
    // otherwise.
    std::int64_t best;
    unsigned atBest;           // bit i: option i costs `best`
    unsigned atNonstopII;      // bit i: option i costs as much as D4
};

DataOptions dataOptions(const EurotelSums& s) {
    NoItems none;
    DataOptions d{{dataOption(s, 0, none), dataOption(s, 1, none), dataOption(s, 2, none), dataOption(s, 3, none),
                   dataOption(s, 4, none)},
                  0, 0, 0};
    d.best = *std::min_element(d.cost.begin(), d.cost.end());
    for (unsigned i = 0; i < 5; ++i) {
        d.atBest |= unsigned{d.cost[i] == d.best} << i;
        d.atNonstopII |= unsigned{d.cost[i] == d.cost[4]} << i;
    }
    return d;
}

template <class K>
void priceStandard(const EurotelSums& s, const StandardMember& t, const DataOptions& d, TariffResult& out, K& k) {
    // Steps 1-2: calls (one rate for all bands) and the voice mailbox.
    const std::int64_t calls = (s.fixed + s.tm + s.osk) * t.rateOther + s.et * t.rateEurotel + s.vm * t.voiceMail;
    eurotelCallItems(k, s, t.rateOther, t.rateEurotel, t.voiceMail);
    // Step 3: fractions.
    const std::int64_t T = s.T;
    Share paid = kWholeShare;
    Share paidNonstopII = paidShare(T, kNonstopIIMinutes);
    if (t.included > 0) {
        paid = paidShare(T, t.included);
        paidNonstopII = paidShare(T, t.included + kNonstopIIMinutes);
    }
    // Step 5: the cheapest option, the same for every member.
    const auto& D = d.cost;
    std::int64_t bestData = d.best;
    unsigned options = d.atBest;
    // Step 6: Nonstop II correction, compared exactly.
    if ((options & 1u << 3) != 0) {
        const Money nonstop = Money::scaled(calls, paid) + D[3];
        const Money nonstopII = Money::scaled(calls, paidNonstopII) + D[4];
        if (nonstop > nonstopII) {
            bestData = D[4];
            options = d.atNonstopII;
        }
        if constexpr (K::on) {
            k.choice("DATA Nonstop II (", Num{kNonstopIIMinutes}, " volných minut navíc): volání a data");
            k.option(nonstop, bestData != D[4], "DATA Nonstop");
            k.option(nonstopII, bestData == D[4], "DATA Nonstop II");
        }
    }
    // Step 7: every option at the best cost appends its line; the last one
    // found sets the fraction.
    for (unsigned m = options; m != 0; m &= m - 1) out.hint.add(kDataHints[static_cast<std::size_t>(std::countr_zero(m))]);
    const int chosenIndex = std::bit_width(options) - 1;
    const Share chosen = chosenIndex == 4 ? paidNonstopII : paid;
    if constexpr (K::on) {
        k.choice("Datový příplatek");
        for (int i = 0; i < 5; ++i) k.option(milliMoney(D[i]), i == chosenIndex, kDataLabels[static_cast<std::size_t>(i)]);
        dataOption(s, chosenIndex, k);
    }
    freeMinutes(k, calls, chosen, t.included + (chosenIndex == 4 ? kNonstopIIMinutes : 0), T, "Volné minuty");
    // Step 8.
    std::int64_t rest = t.fee + bestData;
    k.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    // Steps 9-10: SMS and the Top SMS add-on.
    const std::int64_t S = s.sms;
    const std::int64_t beyond = (S - t.freeSms) * t.smsRate;
    const std::int64_t topExtra = S > t.freeSms + kTopSmsCount ? S - (t.freeSms + kTopSmsCount) : 0;
    if constexpr (K::on) {
        k.choice("Příplatek Top SMS (", Num{kTopSmsCount}, " SMS)");
        k.option(milliMoney(S > t.freeSms ? beyond : 0), !(beyond > kTopSms), "bez příplatku");
        k.option(milliMoney(kTopSms + topExtra * t.smsRate), beyond > kTopSms, "s příplatkem Top SMS");
    }
    if (beyond > kTopSms) {
        rest += kTopSms;
        if (S > t.freeSms + kTopSmsCount) rest += (S - (t.freeSms + kTopSmsCount)) * t.smsRate;
        out.hint.add(kTopSmsHint);
        k.lump(ItemKind::Package, milliMoney(kTopSms), "Příplatek Top SMS");
        k.item(ItemKind::Message, topExtra, "SMS", t.smsRate, "SMS nad ", Num{t.freeSms + kTopSmsCount},
               " (Top SMS a volné SMS)");
    } else if (S > t.freeSms) {
        rest += beyond;
        if (t.freeSms > 0) {
            k.item(ItemKind::Message, S - t.freeSms, "SMS", t.smsRate, "SMS nad ", Num{t.freeSms}, " volných");
        } else {
            k.item(ItemKind::Message, S, "SMS", t.smsRate, "SMS");
        }
    }
    // Steps 11-12: MMS and international calls.
    rest += s.mms * t.mms;
    k.item(ItemKind::Message, s.mms, "MMS", t.mms, "MMS");
    rest += eurotelIntlCost(s, t.rateOther);
    eurotelIntlItems(k, s, t.rateOther);
    finishPrice(k, out, calls, chosen, rest);
}

// ---------------------------------------------------------------------------
// SMS/Data, GO and Tip.

constexpr std::int64_t kTipNetCallRates[3] = {9.64_kc, 15.74_kc, 23.18_kc};

// NetCall rates of SMS/Data and the Tip tariffs.
std::int64_t tipNetCall(const EurotelSums& s) {
    return s.netCall[0] * kTipNetCallRates[0] + s.netCall[1] * kTipNetCallRates[1] + s.netCall[2] * kTipNetCallRates[2];
}

// Standard-zone international calls of SMS/Data and the Tip tariffs: peak
// minutes x (peak base + surcharge[z]), afternoon and evening+weekend minutes
// x (off-peak base + surcharge[z]); the surcharge sum is taken once.
std::int64_t tipIntl(const EurotelSums& s, std::int64_t peakBase, std::int64_t offBase) {
    return s.intlPeak * peakBase + (s.intlAfternoon + s.intlEveningWeekend) * offBase + s.tipSurcharges;
}

template <class K>
void tipIntlItems(K& k, const EurotelSums& s, std::int64_t peakBase, std::int64_t offBase) {
    zoneCallItems(k, s, kTipNetCallRates, peakBase, kEtTipSurcharge, offBase, kEtTipSurcharge);
}

// SMS/Data: calls by time of day, SMS in tiers whose Eurotel rate falls with the count.
struct SmsDataTariff {
    std::string_view id;
    std::int64_t callsDay;     // every network, peak and afternoon (per minute); also the international base
    std::int64_t callsNight;   // evening and weekend
    std::int64_t voiceMail;    // per minute
    std::int64_t fee;          // a month
    std::int64_t dataDay, dataNight;  // per data minute, as for calls
    std::int64_t sms;          // per SMS up to 40 SMS, and to T-Mobile and Oskar beyond
    std::int64_t first40;      // the first 40 SMS when more are sent
    std::array<std::int64_t, 3> smsEurotel;  // per SMS to Eurotel: the 41st to 800th, to 8000th, beyond
    std::int64_t wap;          // per minute
    std::int64_t mms;
    std::int64_t gprsWap, gprsNet;  // per kB
};

constexpr std::array<SmsDataTariff, 1> kSmsData = {{
    {.id = "smsdata", .callsDay = 18.3_kc, .callsNight = 6.1_kc, .voiceMail = 2.44_kc, .fee = 205_kc,
     .dataDay = 2.1_kc, .dataNight = 2.44_kc, .sms = 1.83_kc, .first40 = 63.6_kc,
     .smsEurotel = {1.34_kc, 1.1_kc, 0.92_kc}, .wap = 3.29_kc, .mms = 9.5_kc, .gprsWap = 0.49_kc,
     .gprsNet = 0.037_kc},
}};

template <class K>
void priceSmsData(const EurotelSums& s, const SmsDataTariff& t, TariffResult& out, K& k) {
    std::int64_t c = s.day * t.callsDay + s.night * t.callsNight;
    k.item(ItemKind::Call, s.day, "min", t.callsDay, "Volání, Špička a Odpoledne");
    k.item(ItemKind::Call, s.night, "min", t.callsNight, "Volání, Večer a Víkend");
    c += s.vm * t.voiceMail + t.fee;
    k.item(ItemKind::Call, s.vm, "min", t.voiceMail, "Hlasová schránka");
    k.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    c += s.dataDay * t.dataDay + s.dataNight * t.dataNight;
    k.item(ItemKind::Data, s.dataDay, "min", t.dataDay, "Data (CSD), Špička a Odpoledne");
    k.item(ItemKind::Data, s.dataNight, "min", t.dataNight, "Data (CSD), Večer a Víkend");
    // SMS: e = E / S and o = O / S are exact; the terms that carry them are
    // summed into one numerator over S (128 bits: it is a product of counts).
    Money sms;
    const std::int64_t E = s.smsEt, O = s.smsTm + s.smsOsk, S = E + O;
    if (S > 0 && S <= 40) {
        c += S * t.sms;
        k.item(ItemKind::Message, S, "SMS", t.sms, "SMS");
    } else if (S > 40) {
        const i128 tier1 = E * t.smsEurotel[0] + O * t.sms;  // S x the per-message rate of each tier
        const i128 tier2 = E * t.smsEurotel[1] + O * t.sms;
        const i128 tier3 = E * t.smsEurotel[2] + O * t.sms;
        i128 num;
        if (S <= 800) {
            num = (S - 40) * tier1;
        } else if (S <= 8000) {
            num = 760 * tier1 + (S - 800) * tier2;
        } else {
            num = 760 * tier1 + 7200 * tier2 + (S - 8000) * tier3;
        }
        c += t.first40;
        sms = Money::scaled(num, Share{1, S});
        if constexpr (K::on) {
            // The tiers apart: each is its count at the Eurotel and other
            // networks' rates in the proportion of the SMS sent to each.
            k.lump(ItemKind::Message, milliMoney(t.first40), "SMS, prvních 40");
            const i128 n1 = (S <= 800 ? S : 800) - 40, n2 = S <= 800 ? 0 : (S <= 8000 ? S : 8000) - 800,
                       n3 = S <= 8000 ? 0 : S - 8000;
            k.lump(ItemKind::Message, Money::scaled(n1 * tier1, Share{1, S}), "SMS 41. až 800. (", Num{static_cast<std::int64_t>(n1)}, " SMS)");
            k.lump(ItemKind::Message, Money::scaled(n2 * tier2, Share{1, S}), "SMS 801. až 8000. (", Num{static_cast<std::int64_t>(n2)}, " SMS)");
            k.lump(ItemKind::Message, Money::scaled(n3 * tier3, Share{1, S}), "SMS od 8001. (", Num{static_cast<std::int64_t>(n3)}, " SMS)");
        }
    }
    c += s.wap * t.wap + s.mms * t.mms;
    k.item(ItemKind::Data, s.wap, "min", t.wap, "WAP");
    k.item(ItemKind::Message, s.mms, "MMS", t.mms, "MMS");
    c += s.gprsWap * t.gprsWap + s.gprsNet * t.gprsNet;
    k.item(ItemKind::Data, s.gprsWap, "kB", t.gprsWap, "GPRS WAP");
    k.item(ItemKind::Data, s.gprsNet, "kB", t.gprsNet, "GPRS internet");
    c += s.internetCalls ? tipNetCall(s) : tipIntl(s, t.callsDay, t.callsNight);
    tipIntlItems(k, s, t.callsDay, t.callsNight);
    finishPrice(k, out, sms + c);
}

// International calls of the GO tariffs (per minute).
struct GoIntl {
    std::array<std::int64_t, 4> zones;    // GO zones 1..4
    std::array<std::int64_t, 3> netCall;  // NetCall zones 1..3, with "Volání přes internet"
};

constexpr GoIntl kGoIntl{.zones = {18.2_kc, 29.6_kc, 59_kc, 112.2_kc}, .netCall = {9.4_kc, 15.4_kc, 22.6_kc}};

// GO prepaid: calls by network, peak and the other bands apart.
struct GoTariff {
    std::string_view id;
    std::array<std::int64_t, 4> peak;   // per minute to the fixed line, T-Mobile, Eurotel, Oskar
    std::array<std::int64_t, 4> other;  // the same, afternoon, evening and weekend
    std::int64_t sms, mms;              // per message
    std::int64_t voiceMail, wap, data;  // per minute
    std::int64_t gprsWap, gprsNet;      // per kB
    const GoIntl* intl;
};

constexpr std::array<GoTariff, 3> kGo = {{
    {.id = "originalgo", .peak = {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, .other = {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc},
     .sms = 3.7_kc, .mms = 9.5_kc, .voiceMail = 2.8_kc, .wap = 2.95_kc, .data = 6.4_kc, .gprsWap = 0.25_kc,
     .gprsNet = 0.06_kc, .intl = &kGoIntl},
    {.id = "quatrogo", .peak = {11.1_kc, 11.1_kc, 7.8_kc, 11.1_kc}, .other = {3_kc, 9_kc, 3_kc, 9_kc},
     .sms = 3.7_kc, .mms = 9.5_kc, .voiceMail = 3_kc, .wap = 2.95_kc, .data = 6.4_kc, .gprsWap = 0.25_kc,
     .gprsNet = 0.06_kc, .intl = &kGoIntl},
    {.id = "fungo", .peak = {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc}, .other = {7.5_kc, 7.5_kc, 7.5_kc, 7.5_kc},
     .sms = 2_kc, .mms = 9.5_kc, .voiceMail = 2.8_kc, .wap = 2.95_kc, .data = 6.4_kc, .gprsWap = 0.25_kc,
     .gprsNet = 0.06_kc, .intl = &kGoIntl},
}};

template <class K>
void priceGo(const EurotelSums& s, const GoTariff& t, TariffResult& out, K& k) {
    std::int64_t c = 0;
    for (std::size_t n = 0; n < 4; ++n) {
        c += s.peakBy[n] * t.peak[n] + s.otherBy[n] * t.other[n];
        k.item(ItemKind::Call, s.peakBy[n], "min", t.peak[n], kNetworkLabel[n], ", Špička");
        k.item(ItemKind::Call, s.otherBy[n], "min", t.other[n], kNetworkLabel[n], ", mimo špičku");
    }
    c += s.sms * t.sms + s.mms * t.mms + s.wap * t.wap + s.vm * t.voiceMail + s.data * t.data;
    k.item(ItemKind::Message, s.sms, "SMS", t.sms, "SMS");
    k.item(ItemKind::Message, s.mms, "MMS", t.mms, "MMS");
    k.item(ItemKind::Data, s.wap, "min", t.wap, "WAP");
    k.item(ItemKind::Call, s.vm, "min", t.voiceMail, "Hlasová schránka");
    k.item(ItemKind::Data, s.data, "min", t.data, "Data (CSD)");
    c += s.gprsWap * t.gprsWap + s.gprsNet * t.gprsNet;
    k.item(ItemKind::Data, s.gprsWap, "kB", t.gprsWap, "GPRS WAP");
    k.item(ItemKind::Data, s.gprsNet, "kB", t.gprsNet, "GPRS internet");
    const auto& zones = t.intl->zones;
    const auto& netCall = t.intl->netCall;
    if (!s.internetCalls) {
        c += s.go[0] * zones[0] + s.go[1] * zones[1] + s.go[2] * zones[2] + s.go[3] * zones[3];
        for (int z = 0; z < 4; ++z)
            k.item(ItemKind::International, s.go[z], "min", zones[static_cast<std::size_t>(z)],
                   "Volání do zahraničí, zóna ", Num{z + 1});
    } else {
        c += s.netCall[0] * netCall[0] + s.netCall[1] * netCall[1] + s.netCall[2] * netCall[2];
        netCallItems(k, s, netCall);
    }
    finishPrice(k, out, Money::milli(c));
}

// Tip: calls and SMS only, by time of day.
struct TipTariff {
    std::string_view id;
    std::int64_t fee;       // a month
    std::int64_t included;  // minutes spread over all calls; 0 = none
    std::int64_t peakRate;  // every network, peak and afternoon (per minute); also the international peak base
    std::int64_t offRate;   // evening and weekend; also the international off-peak base
    std::int64_t sms;       // per SMS
};

constexpr std::array<TipTariff, 3> kTip = {{
    {.id = "tipbusiness", .fee = 470.05_kc, .included = 80, .peakRate = 5_kc, .offRate = 1.19_kc, .sms = 2.02_kc},
    {.id = "tiprelax", .fee = 0, .included = 0, .peakRate = 6.43_kc, .offRate = 3.57_kc, .sms = 2.02_kc},
    {.id = "tipakord", .fee = 172.55_kc, .included = 20, .peakRate = 5.36_kc, .offRate = 5.36_kc, .sms = 2.02_kc},
}};

template <class K>
void priceTip(const EurotelSums& s, const TipTariff& t, TariffResult& out, K& k) {
    const std::int64_t calls = s.day * t.peakRate + s.night * t.offRate;
    k.item(ItemKind::Call, s.day, "min", t.peakRate, "Volání, Špička a Odpoledne");
    k.item(ItemKind::Call, s.night, "min", t.offRate, "Volání, Večer a Víkend");
    if (t.included > 0) freeMinutes(k, calls, paidShare(s.T, t.included), t.included, s.T, "Volné minuty");
    std::int64_t rest = t.fee + s.sms * t.sms;
    k.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    k.item(ItemKind::Message, s.sms, "SMS", t.sms, "SMS");
    // Afternoon international minutes take the off-peak base.
    rest += s.internetCalls ? tipNetCall(s) : tipIntl(s, t.peakRate, t.offRate);
    tipIntlItems(k, s, t.peakRate, t.offRate);
    finishPrice(k, out, calls, t.included > 0 ? paidShare(s.T, t.included) : kWholeShare, rest);
}

static_assert(rowsAgreeWithList(Operator::Eurotel, kStandard, std::array{kIndividual}, kSmsData, kGo, kTip));

// The rule and the row of every Eurotel tariff, found by its id.
enum class Rule : std::uint8_t { Standard, Individual, SmsData, Go, Tip };
struct Route {
    Rule rule;
    std::uint8_t row;
};

constexpr std::array<Route, kTariffCount> kRoutes = [] {
    std::array<Route, kTariffCount> routes{};
    for (int t : kTariffsOf<Operator::Eurotel>) {
        const std::string_view id = kTariffs[static_cast<std::size_t>(t)].id;
        Route& r = routes[static_cast<std::size_t>(t)];
        const auto at = [](int row) { return static_cast<std::uint8_t>(row); };
        if (rowOf(kStandard, id) >= 0) r = {Rule::Standard, at(rowOf(kStandard, id))};
        if (kIndividual.id == id) r = {Rule::Individual, 0};
        if (rowOf(kSmsData, id) >= 0) r = {Rule::SmsData, at(rowOf(kSmsData, id))};
        if (rowOf(kGo, id) >= 0) r = {Rule::Go, at(rowOf(kGo, id))};
        if (rowOf(kTip, id) >= 0) r = {Rule::Tip, at(rowOf(kTip, id))};
    }
    return routes;
}();

// One Eurotel tariff (index into kTariffs).
template <class K>
void priceOne(const EurotelSums& s, const DataOptions& data, int tariff, TariffResult& out, K& k) {
    const Route r = kRoutes[static_cast<std::size_t>(tariff)];
    switch (r.rule) {
        case Rule::Standard: priceStandard(s, kStandard[r.row], data, out, k); return;
        case Rule::Individual: {
            const IndividualChoice individual = chooseIndividual(s, k);
            writeIndividualHint(individual.config, out.hint);
            finishPrice(k, out, individual.price);
            return;
        }
        case Rule::SmsData: priceSmsData(s, kSmsData[r.row], out, k); return;
        case Rule::Go: priceGo(s, kGo[r.row], out, k); return;
        case Rule::Tip: priceTip(s, kTip[r.row], out, k); return;
    }
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
    const auto& kPeak = kEtPeakSurcharge;
    const auto& kOff = kEtOffSurcharge;
    const auto& kTipSur = kEtTipSurcharge;
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

void priceEurotel(const Usage& u, Fields fields) {
    const EurotelSums s = eurotelSums(u);
    const DataOptions data = dataOptions(s);
    NoItems none;
    forEachRow<kStandard>(fields, [&](const StandardMember& t, TariffResult& out) { priceStandard(s, t, data, out, none); });
    TariffResult& individual = fields[static_cast<std::size_t>(tariffIndex(kIndividual.id))];
    const IndividualChoice choice = chooseIndividual(s);
    writeIndividualHint(choice.config, individual.hint);
    writePrice(individual, choice.price);
    forEachRow<kSmsData>(fields, [&](const SmsDataTariff& t, TariffResult& out) { priceSmsData(s, t, out, none); });
    forEachRow<kGo>(fields, [&](const GoTariff& t, TariffResult& out) { priceGo(s, t, out, none); });
    forEachRow<kTip>(fields, [&](const TipTariff& t, TariffResult& out) { priceTip(s, t, out, none); });
}

void itemiseEurotel(const Usage& u, int tariff, TariffResult& out, Itemiser& k) {
    const EurotelSums s = eurotelSums(u);
    priceOne(s, dataOptions(s), tariff, out, k);
}

}  // namespace sazbar
