// T-Mobile tariffs: allowance tariffs (A), Tarif 20+20 (B), Twist prepaid (C)
// and Internet (D). Each tariff is one row of its rule's price list below,
// named by its id; change a tariff there and nowhere else.
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

// Rule A: calls within the included minutes are spread over all calls; the
// rest is per minute, message, kB, as listed.
struct AllowanceTariff {
    std::string_view id;
    std::int64_t included;      // minutes
    Rates4 fixed;               // calls to the fixed line, by band (per minute)
    Rates4 tm;                  // calls to T-Mobile, by band; the weekend one is what Víkend+ replaces
    std::int64_t et, osk;       // calls to Eurotel, Oskar (per minute)
    std::int64_t voiceMail;     // per minute
    std::int64_t fee;           // a month
    std::int64_t vikendFrom;    // Víkend+ is offered from this many weekend minutes to T-Mobile
    std::int64_t freeData;      // data minutes included
    std::int64_t data;          // per data minute beyond them
    std::int64_t sms, mms;      // per message
    std::int64_t wap;           // per WAP minute
    const IntlSet* intl;
    Messaging messaging;        // Student: 30 SMS to T-Mobile and 3 MMS free
};

constexpr std::array<AllowanceTariff, 9> kAllowance = {{
    {.id = "t30", .included = 30, .fixed = all4(7.14_kc), .tm = all4(4.76_kc), .et = 7.14_kc, .osk = 7.14_kc,
     .voiceMail = 1.19_kc, .fee = 226.1_kc, .vikendFrom = 31, .freeData = 0, .data = 2.38_kc, .sms = 2.02_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetA, .messaging = Messaging::PerMessage},
    {.id = "t80", .included = 80, .fixed = all4(5.36_kc), .tm = all4(4.17_kc), .et = 5.36_kc, .osk = 5.36_kc,
     .voiceMail = 1.19_kc, .fee = 535.5_kc, .vikendFrom = 81, .freeData = 0, .data = 2.38_kc, .sms = 2.02_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetA, .messaging = Messaging::PerMessage},
    {.id = "t250", .included = 250, .fixed = all4(4.17_kc), .tm = all4(4.17_kc), .et = 4.17_kc, .osk = 4.17_kc,
     .voiceMail = 1.19_kc, .fee = 1178.1_kc, .vikendFrom = 251, .freeData = 0, .data = 2.38_kc, .sms = 2.02_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetB, .messaging = Messaging::PerMessage},
    {.id = "t600", .included = 600, .fixed = all4(3.57_kc), .tm = all4(3.57_kc), .et = 3.57_kc, .osk = 3.57_kc,
     .voiceMail = 1.19_kc, .fee = 2130.1_kc, .vikendFrom = 501, .freeData = 100, .data = 2.38_kc, .sms = 2.02_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetB, .messaging = Messaging::PerMessage},
    {.id = "hit30", .included = 30, .fixed = all4(5.71_kc), .tm = all4(3.81_kc), .et = 5.71_kc, .osk = 5.71_kc,
     .voiceMail = 1.19_kc, .fee = 226.1_kc, .vikendFrom = 31, .freeData = 0, .data = 2.38_kc, .sms = 1.19_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetA, .messaging = Messaging::PerMessage},
    {.id = "hit80", .included = 80, .fixed = all4(4.28_kc), .tm = all4(3.33_kc), .et = 4.28_kc, .osk = 4.28_kc,
     .voiceMail = 1.19_kc, .fee = 535.5_kc, .vikendFrom = 81, .freeData = 0, .data = 2.38_kc, .sms = 1.19_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetA, .messaging = Messaging::PerMessage},
    {.id = "hit250", .included = 250, .fixed = all4(3.33_kc), .tm = all4(3.33_kc), .et = 3.33_kc, .osk = 3.33_kc,
     .voiceMail = 1.19_kc, .fee = 1178.1_kc, .vikendFrom = 251, .freeData = 0, .data = 2.38_kc, .sms = 1.19_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetB, .messaging = Messaging::PerMessage},
    {.id = "hit600", .included = 500, .fixed = all4(2.86_kc), .tm = all4(2.86_kc), .et = 2.86_kc, .osk = 2.86_kc,
     .voiceMail = 1.22_kc, .fee = 1904_kc, .vikendFrom = 501, .freeData = 100, .data = 2.38_kc, .sms = 1.19_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetB, .messaging = Messaging::PerMessage},
    {.id = "student", .included = 50, .fixed = {4.17_kc, 4.17_kc, 2.26_kc, 2.26_kc},
     .tm = {4.17_kc, 4.17_kc, 2.26_kc, 2.26_kc}, .et = 5.36_kc, .osk = 5.36_kc, .voiceMail = 1.19_kc, .fee = 226_kc,
     .vikendFrom = 51, .freeData = 0, .data = 4.3_kc, .sms = 1.19_kc, .mms = 10_kc, .wap = 2.4_kc, .intl = &kSetA,
     .messaging = Messaging::Student},
}};

// Rule B: free minutes to the fixed line and to mobiles, each spread over its own calls.
struct Tarif20Tariff {
    std::string_view id;
    std::int64_t freeFixed, freeMobile;  // minutes
    std::int64_t fixedDay;    // calls to the fixed line, peak and afternoon (per minute)
    std::int64_t fixedNight;  // the same, evening and weekend
    std::int64_t tm;          // calls to T-Mobile
    std::int64_t otherMobile; // calls to Eurotel and Oskar
    std::int64_t voiceMail, fee, data, sms, mms, wap;
    const IntlSet* intl;
};

constexpr std::array<Tarif20Tariff, 1> kTarif20 = {{
    {.id = "tarif20p20", .freeFixed = 20, .freeMobile = 20, .fixedDay = 2.98_kc, .fixedNight = 1.55_kc,
     .tm = 4.16_kc, .otherMobile = 5.36_kc, .voiceMail = 1.19_kc, .fee = 297.5_kc, .data = 4.2_kc, .sms = 2.02_kc,
     .mms = 9.8_kc, .wap = 2.38_kc, .intl = &kSetA},
}};

// Rule C, prepaid Twist: everything per use; GPRS per kB without packages.
struct TwistTariff {
    std::string_view id;
    Rates4 fixed, tm;            // calls to the fixed line and to T-Mobile, by band (per minute)
    std::int64_t et, osk;        // calls to Eurotel, Oskar
    std::int64_t sms, mms;       // per message
    std::int64_t wap, voiceMail, data;  // per minute
    std::int64_t gprsWap, gprsNet;      // per kB
    std::int64_t fee;            // added to the price as a monthly fee
    bool homeZones;              // internet calls through the Twist Home scheme
};

constexpr std::array<TwistTariff, 4> kTwist = {{
    {.id = "twist_standard", .fixed = all4(7.9_kc), .tm = {5.7_kc, 5.7_kc, 3.4_kc, 3.4_kc}, .et = 7.9_kc,
     .osk = 7.9_kc, .sms = 3.4_kc, .mms = 10_kc, .wap = 3.2_kc, .voiceMail = 2.3_kc, .data = 5.7_kc,
     .gprsWap = 0.6_kc, .gprsNet = 0.07_kc, .fee = 0, .homeZones = false},
    {.id = "twist_sms", .fixed = all4(7.5_kc), .tm = all4(7.5_kc), .et = 7.5_kc, .osk = 7.5_kc, .sms = 2_kc,
     .mms = 10_kc, .wap = 3.2_kc, .voiceMail = 2.3_kc, .data = 5.7_kc, .gprsWap = 0.6_kc, .gprsNet = 0.07_kc,
     .fee = 0, .homeZones = false},
    {.id = "twist_extra", .fixed = {4.5_kc, 4.5_kc, 3_kc, 3_kc}, .tm = {4.5_kc, 4.5_kc, 3_kc, 3_kc}, .et = 6.5_kc,
     .osk = 6.5_kc, .sms = 2_kc, .mms = 10_kc, .wap = 3.2_kc, .voiceMail = 2.3_kc, .data = 5.7_kc,
     .gprsWap = 0.6_kc, .gprsNet = 0.07_kc, .fee = 69_kc, .homeZones = false},
    {.id = "twist_home", .fixed = all4(5.5_kc), .tm = all4(5.5_kc), .et = 5.5_kc, .osk = 5.5_kc, .sms = 3.4_kc,
     .mms = 10_kc, .wap = 3.2_kc, .voiceMail = 2.3_kc, .data = 5.7_kc, .gprsWap = 0.6_kc, .gprsNet = 0.07_kc,
     .fee = 0, .homeZones = true},
}};

// Rule D: one rate for every call, a monthly fee.
struct InternetTariff {
    std::string_view id;
    std::int64_t calls;  // per minute, every network and band
    std::int64_t sms, mms, wap, voiceMail, data, fee;
};

constexpr std::array<InternetTariff, 2> kInternet = {{
    {.id = "internet", .calls = 7.14_kc, .sms = 2.02_kc, .mms = 10_kc, .wap = 2.38_kc, .voiceMail = 2.3_kc,
     .data = 3.57_kc, .fee = 831.8_kc},
    {.id = "internethit", .calls = 7.14_kc, .sms = 2.02_kc, .mms = 10_kc, .wap = 2.38_kc, .voiceMail = 2.3_kc,
     .data = 3.57_kc, .fee = 772_kc},
}};

static_assert(rowsAgreeWithList(Operator::TMobile, kAllowance, kTarif20, kTwist, kInternet));

// Víkend+ (rule A): weekend minutes to T-Mobile at this rate for this fee a month.
constexpr std::int64_t kVikendRate = 0.6_kc;
constexpr std::int64_t kVikendFee = 34.5_kc;

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
    // S2: Víkend+ reprices the weekend T-Mobile minutes.
    const std::int64_t weekend = u.cell(Weekend, TMobile);
    const std::int64_t r = t.tm[Weekend];
    std::int64_t surcharge = 0;
    const bool vikend = (weekend * r > weekend * kVikendRate + kVikendFee) & (weekend >= t.vikendFrom);
    if (vikend) {
        calls += weekend * (kVikendRate - r);
        surcharge = kVikendFee;
        s.item(ItemKind::Discount, weekend, "min", kVikendRate - r, "Víkend+: volání do sítě T-Mobile o víkendu za 0,60 Kč");
    }
    if constexpr (S::on) {
        if (weekend >= t.vikendFrom) {
            s.choice("Příplatek Víkend+");
        } else {
            s.choice("Příplatek Víkend+ (nabízí se od ", Num{t.vikendFrom}, " víkendových minut do sítě T-Mobile)");
        }
        s.option(milliMoney(weekend * r), !vikend, "bez příplatku");
        s.option(milliMoney(weekend * kVikendRate + kVikendFee), vikend, "s příplatkem Víkend+");
    }
    const std::int64_t et = u.row(Eurotel) * t.et, osk = u.row(Oskar) * t.osk, vm = u.row(VoiceMail) * t.voiceMail;
    calls += et + osk + vm;
    s.item(ItemKind::Call, u.row(Eurotel), "min", t.et, kNetworkLabel[Eurotel]);
    s.item(ItemKind::Call, u.row(Oskar), "min", t.osk, kNetworkLabel[Oskar]);
    s.item(ItemKind::Call, u.row(VoiceMail), "min", t.voiceMail, "Hlasová schránka");
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
void priceTarif20(const Usage& u, const Shared& sh, const Tarif20Tariff& t, TariffResult& out, S& s) {
    const std::int64_t fixed = u.row(FixedLine);
    const std::int64_t mobile = u.row(TMobile) + u.row(Eurotel) + u.row(Oskar);
    const Share fixedShare = paidShare(static_cast<std::int64_t>(fixed), t.freeFixed);
    const Share mobileShare = paidShare(static_cast<std::int64_t>(mobile), t.freeMobile);
    const std::int64_t fixedDay = u.cell(Peak, FixedLine) + u.cell(Afternoon, FixedLine);
    const std::int64_t fixedNight = u.cell(Evening, FixedLine) + u.cell(Weekend, FixedLine);
    s.item(ItemKind::Call, fixedDay, "min", t.fixedDay, "Volání na pevnou linku, Špička a Odpoledne");
    s.item(ItemKind::Call, fixedNight, "min", t.fixedNight, "Volání na pevnou linku, Večer a Víkend");
    const std::int64_t fixedCost = fixedDay * t.fixedDay + fixedNight * t.fixedNight;
    freeMinutes(s, fixedCost, fixedShare, t.freeFixed, static_cast<std::int64_t>(fixed), "Volné minuty na pevnou linku");
    const Money price = Money::scaled(fixedCost, fixedShare);
    const std::int64_t mobileCost = u.row(TMobile) * t.tm + (u.row(Eurotel) + u.row(Oskar)) * t.otherMobile;
    s.item(ItemKind::Call, u.row(TMobile), "min", t.tm, kNetworkLabel[TMobile]);
    s.item(ItemKind::Call, u.row(Eurotel), "min", t.otherMobile, kNetworkLabel[Eurotel]);
    s.item(ItemKind::Call, u.row(Oskar), "min", t.otherMobile, kNetworkLabel[Oskar]);
    freeMinutes(s, mobileCost, mobileShare, t.freeMobile, static_cast<std::int64_t>(mobile),
                "Volné minuty do mobilních sítí");
    const Money mobilePrice = Money::scaled(mobileCost, mobileShare);
    std::int64_t rest = u.row(VoiceMail) * t.voiceMail + t.fee;
    s.item(ItemKind::Call, u.row(VoiceMail), "min", t.voiceMail, "Hlasová schránka");
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    rest += u.row(Data) * t.data + u.sms() * t.sms + u.mms() * t.mms + u.wap() * t.wap;
    s.item(ItemKind::Data, u.row(Data), "min", t.data, "Data (CSD)");
    messageItems(u, t.sms, s);
    s.item(ItemKind::Message, u.mms(), "MMS", t.mms, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", t.wap, "WAP");
    rest += sh.gprsCost;
    itemsOfShared(s, [&] { gprsPackage(u, s); });
    s.lump(ItemKind::Package, milliMoney(sh.gprsCost), "Balíček ", sh.gprsName);
    out.hint.assign(sh.gprsName);
    rest += t.intl == &kSetA ? sh.intlA : sh.intlB;
    itemsOfShared(s, [&] { intlCost(u, *t.intl, s); });
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
    c += u.sms() * t.sms + u.mms() * t.mms + u.wap() * t.wap + u.row(VoiceMail) * t.voiceMail + u.row(Data) * t.data;
    messageItems(u, t.sms, s);
    s.item(ItemKind::Message, u.mms(), "MMS", t.mms, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", t.wap, "WAP");
    s.item(ItemKind::Call, u.row(VoiceMail), "min", t.voiceMail, "Hlasová schránka");
    s.item(ItemKind::Data, u.row(Data), "min", t.data, "Data (CSD)");
    c += u.gprsWap() * t.gprsWap + u.gprsNet() * t.gprsNet;
    s.item(ItemKind::Data, u.gprsWap(), "kB", t.gprsWap, "GPRS WAP");
    s.item(ItemKind::Data, u.gprsNet(), "kB", t.gprsNet, "GPRS internet");
    c += t.homeZones ? sh.intlTwistHome : sh.intlT;
    itemsOfShared(s, [&] { prepaidIntl(u, t.homeZones, s); });
    c += t.fee;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

template <class S>
void priceInternet(const Usage& u, const Shared& sh, const InternetTariff& t, TariffResult& out, S& s) {
    const std::int64_t calls = u.row(FixedLine) + u.row(TMobile) + u.row(Eurotel) + u.row(Oskar);
    std::int64_t c = calls * t.calls;
    for (int n = FixedLine; n <= Oskar; ++n)
        s.item(ItemKind::Call, u.row(static_cast<Row>(n)), "min", t.calls, kNetworkLabel[n]);
    c += u.sms() * t.sms + u.mms() * t.mms + u.wap() * t.wap + u.row(VoiceMail) * t.voiceMail + u.row(Data) * t.data;
    messageItems(u, t.sms, s);
    s.item(ItemKind::Message, u.mms(), "MMS", t.mms, "MMS");
    s.item(ItemKind::Data, u.wap(), "min", t.wap, "WAP");
    s.item(ItemKind::Call, u.row(VoiceMail), "min", t.voiceMail, "Hlasová schránka");
    s.item(ItemKind::Data, u.row(Data), "min", t.data, "Data (CSD)");
    c += sh.intlT;
    itemsOfShared(s, [&] { prepaidIntl(u, false, s); });
    c += t.fee;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

Shared shared(const Usage& u) {
    NoItems none;
    const auto [gprsCost, gprsName] = gprsPackage(u, none);
    return Shared{gprsCost,           gprsName, intlCost(u, kSetA, none), intlCost(u, kSetB, none),
                  prepaidIntl(u, false, none), prepaidIntl(u, true, none)};
}

// The rule and the row of every T-Mobile tariff, found by its id.
enum class Rule : std::uint8_t { Allowance, Tarif20, Twist, Internet };
struct Route {
    Rule rule;
    std::uint8_t row;
};

constexpr std::array<Route, kTariffCount> kRoutes = [] {
    std::array<Route, kTariffCount> routes{};
    for (int t : kTariffsOf<Operator::TMobile>) {
        const std::string_view id = kTariffs[static_cast<std::size_t>(t)].id;
        const auto at = [](int row) { return static_cast<std::uint8_t>(row); };
        if (rowOf(kAllowance, id) >= 0) routes[static_cast<std::size_t>(t)] = {Rule::Allowance, at(rowOf(kAllowance, id))};
        if (rowOf(kTarif20, id) >= 0) routes[static_cast<std::size_t>(t)] = {Rule::Tarif20, at(rowOf(kTarif20, id))};
        if (rowOf(kTwist, id) >= 0) routes[static_cast<std::size_t>(t)] = {Rule::Twist, at(rowOf(kTwist, id))};
        if (rowOf(kInternet, id) >= 0) routes[static_cast<std::size_t>(t)] = {Rule::Internet, at(rowOf(kInternet, id))};
    }
    return routes;
}();

// One T-Mobile tariff (index into kTariffs).
template <class S>
void priceOne(const Usage& u, const Shared& sh, int tariff, TariffResult& out, S& s) {
    const Route r = kRoutes[static_cast<std::size_t>(tariff)];
    switch (r.rule) {
        case Rule::Allowance: priceAllowance(u, sh, kAllowance[r.row], out, s); return;
        case Rule::Tarif20: priceTarif20(u, sh, kTarif20[r.row], out, s); return;
        case Rule::Twist: priceTwist(u, sh, kTwist[r.row], out, s); return;
        case Rule::Internet: priceInternet(u, sh, kInternet[r.row], out, s); return;
    }
}

}  // namespace

void priceTMobile(const Usage& u, Fields fields) {
    const Shared sh = shared(u);
    NoItems none;
    forEachRow<kAllowance>(fields, [&](const AllowanceTariff& t, TariffResult& out) { priceAllowance(u, sh, t, out, none); });
    forEachRow<kTarif20>(fields, [&](const Tarif20Tariff& t, TariffResult& out) { priceTarif20(u, sh, t, out, none); });
    forEachRow<kTwist>(fields, [&](const TwistTariff& t, TariffResult& out) { priceTwist(u, sh, t, out, none); });
    forEachRow<kInternet>(fields, [&](const InternetTariff& t, TariffResult& out) { priceInternet(u, sh, t, out, none); });
}

void itemiseTMobile(const Usage& u, int tariff, TariffResult& out, Itemiser& s) {
    priceOne(u, shared(u), tariff, out, s);
}

}  // namespace sazbar
