// Oskar tariffs: the "naplno" tariffs with optional add-ons (N), free Oskar
// minutes (M), prepaid Oskarta (K) and tiered Oskar minutes (J). Each tariff
// is one row of constants driving its rule.
#include <array>
#include <string_view>

#include "pricing/tariff_common.h"

namespace sazbar {

namespace {

struct NaplnoTariff {
    std::int64_t included;  // 0: "Rozjezd naplno", every minute paid
    std::int64_t rate;      // every call minute, every network and band
    std::int64_t fee;
};

// naplno50, naplno150, naplno300, naplno500, naplnorozjezd.
constexpr std::array<NaplnoTariff, 5> kNaplno = {{
    {50, 5.36_kc, 297.5_kc},
    {150, 4.76_kc, 714_kc},
    {300, 4.17_kc, 1190_kc},
    {500, 3.96_kc, 1904_kc},
    {0, 5.95_kc, 59.5_kc},
}};

// Per-zone international rates (zones 1..8): peak and afternoon cells, and the
// evening-with-weekend cell. Zone 3 holds no country and costs nothing.
struct ZoneRate {
    std::int64_t day;
    std::int64_t eve;
};
using ZoneRates = std::array<ZoneRate, kZones>;

constexpr ZoneRate both(std::int64_t r) { return {r, r}; }

// The standard Oskar rates shared by all tariffs but "Mezi námi" and "Odepiš".
constexpr ZoneRates kStandardZones = {{
    both(11.31_kc), both(11.31_kc), both(0), both(11.31_kc),
    both(11.31_kc), both(11.31_kc), both(11.31_kc), both(8.33_kc),
}};

struct FreeOskarTariff {
    std::int64_t freeOskar;  // free Oskar minutes A
    std::int64_t rate;       // fixed line, T-Mobile, Eurotel
    std::int64_t oskar;      // Oskar minutes beyond A
    std::int64_t data;
    std::int64_t smsTm, smsEt, smsOsk;
    std::int64_t fee;
    ZoneRates zones;
};

// mezinami, odepis.
constexpr std::array<FreeOskarTariff, 2> kFreeOskar = {{
    {300, 5.95_kc, 3.57_kc, 3.57_kc, 1.79_kc, 1.79_kc, 0.6_kc, 654.5_kc,
     {{both(11.31_kc), both(11.31_kc), both(0), {8.33_kc, 7.14_kc},
       {8.33_kc, 7.14_kc}, {6.54_kc, 4.16_kc}, both(11.31_kc), both(8.33_kc)}}},
    {40, 11.9_kc, 7.14_kc, 11.9_kc, 1.79_kc, 1.83_kc, 0.42_kc, 11.9_kc,
     {{both(11.31_kc), both(11.31_kc), both(0), {10.59_kc, 4.17_kc},
       both(11.31_kc), both(11.31_kc), both(11.31_kc), both(8.33_kc)}}},
}};

struct TieredTariff {
    std::int64_t rate;  // fixed line, T-Mobile, Eurotel, and data
    std::int64_t tier1, rate1;
    std::int64_t tier2, rate2;
    std::int64_t rate3;
    std::int64_t fee;
};

// najistotu, nazisk.
constexpr std::array<TieredTariff, 2> kTiered = {{
    {4.76_kc, 35, 4.76_kc, 40, 3.57_kc, 2.38_kc, 119_kc},
    {3.57_kc, 125, 3.57_kc, 125, 2.38_kc, 1.19_kc, 297.5_kc},
}};

constexpr std::int64_t kMms = 11.31_kc;
constexpr std::int64_t kWap = 1.79_kc;
constexpr std::int64_t kAddOn = 95.2_kc;  // Moje volné minuty, Moje SMS

// The quantities every Oskar tariff reads, and the shared steps O1 (GPRS
// connection) and O2 (international calls at the standard rates), computed
// once per run.
struct Quantities {
    i128 domestic;  // fixed line + T-Mobile + Eurotel minutes
    i128 osk, data, smsTm, smsEt, smsOsk, mms, wap;
    i128 gprsWap, gprsNet;
    i128 connectionCost;
    std::string_view connection;
    i128 standardIntl;
};

// O1: pay-per-use "Naskok" when strictly cheaper than the flat "Nadlouho".
void chooseConnection(Quantities& q) {
    const i128 naskok = q.gprsWap * 0.48_kc + q.gprsNet * 0.06_kc;
    const i128 volume = q.gprsWap + q.gprsNet;
    const i128 nadlouho = volume <= 10000 ? 238_kc : volume <= 40000 ? 476_kc : volume <= 70000 ? 714_kc : 952_kc;
    if (naskok < nadlouho) {
        q.connectionCost = naskok;
        q.connection = "Připojení Naskok";
    } else {
        q.connectionCost = nadlouho;
        q.connection = "Připojení Nadlouho";
    }
}

i128 intlCost(const Usage& u, const ZoneRates& rates) {
    i128 c = 0;
    for (int z = 1; z <= kZones; ++z) {
        const ZoneRate& r = rates[z - 1];
        c += (static_cast<i128>(u.zoneBand(OskarZones, z, 0)) + u.zoneBand(OskarZones, z, 1)) * r.day;
        c += static_cast<i128>(u.zoneBand(OskarZones, z, 2)) * r.eve;
    }
    return c;
}

Quantities quantities(const Usage& u) {
    Quantities q{};
    q.domestic = static_cast<i128>(u.row(FixedLine)) + u.row(TMobile) + u.row(Eurotel);
    q.osk = u.row(Oskar);
    q.data = u.row(Data);
    q.smsTm = u.smsTm();
    q.smsEt = u.smsEt();
    q.smsOsk = u.smsOsk();
    q.mms = u.mms();
    q.wap = u.wap();
    q.gprsWap = u.gprsWap();
    q.gprsNet = u.gprsNet();
    chooseConnection(q);
    q.standardIntl = intlCost(u, kStandardZones);
    return q;
}

void addLine(std::string& hint, std::string_view line) {
    hint += line;
    hint += kLineBreak;
}

void priceNaplno(const Quantities& q, std::int64_t total, const NaplnoTariff& t, bool directDebit, TariffResult& out) {
    std::string& hint = out.hint;
    const Share share = t.included == 0 ? kWholeShare : paidShare(total, t.included);
    const Share sharePlus = paidShare(total, t.included + 20);
    const i128 cost = (q.domestic + q.osk) * t.rate;

    // "Moje volné minuty": 20 more included minutes, kept unless strictly dearer.
    const Money without = Money::scaled(cost, share);
    const Money with = Money::scaled(cost, sharePlus) + kAddOn;
    Money price;
    if (without < with) {
        price = without;
    } else {
        price = with;
        addLine(hint, "+ příplatek Moje volné minuty");
    }
    i128 rest = t.fee + q.data * 5.95_kc;

    // "Moje SMS": direct debit brings 20 free SMS without it and 20 more
    // included with it.
    const i128 sms = q.smsTm + q.smsEt + q.smsOsk;
    const i128 includedSms = directDebit ? 120 : 100;
    const i128 smsWithout = !directDebit ? sms * 1.19_kc : sms > 20 ? (sms - 20) * 1.19_kc : 0;
    const i128 smsWith = kAddOn + (sms > includedSms ? (sms - includedSms) * 1.19_kc : 0);
    if (smsWithout >= smsWith) {
        rest += smsWith;
        addLine(hint, "+ příplatek Moje SMS");
    } else {
        rest += smsWithout;
    }

    // "Moje MMS" (10 MMS for 107.1) and "Můj WAP" (40 WAP minutes for 53.55)
    // are taken whenever they cost no more than paying for each.
    const auto addOn = [&](i128 with, i128 without, std::string_view line) {
        if (with <= without) {
            rest += with;
            addLine(hint, line);
        } else {
            rest += without;
        }
    };
    addOn((q.mms < 10 ? 0 : q.mms - 10) * kMms + 107.1_kc, q.mms * kMms, "+ příplatek Moje MMS");
    addOn((q.wap < 40 ? 0 : q.wap - 40) * kWap + 53.55_kc, q.wap * kWap, "+ příplatek Můj WAP");

    rest += q.connectionCost;
    addLine(hint, q.connection);
    rest += q.standardIntl;
    writePrice(out, price + rest);
}

void priceFreeOskar(const Usage& u, const Quantities& q, const FreeOskarTariff& t, TariffResult& out) {
    const i128 paidOskar = q.osk >= t.freeOskar ? q.osk - t.freeOskar : 0;
    i128 c = q.domestic * t.rate + paidOskar * t.oskar;
    c += q.data * t.data + q.smsTm * t.smsTm + q.smsEt * t.smsEt + q.smsOsk * t.smsOsk + q.mms * kMms + q.wap * kWap;
    c += q.connectionCost;
    out.hint.assign(q.connection);
    c += intlCost(u, t.zones);
    c += t.fee;
    writePrice(out, Money::milli(c));
}

void priceOskarta(const Quantities& q, TariffResult& out) {
    i128 c = q.domestic * 7.14_kc + q.osk * 2.38_kc + (q.smsTm + q.smsEt) * 2.44_kc + q.smsOsk * 1.19_kc +
             q.mms * kMms + q.data * 7.14_kc + q.wap * kWap;
    c += q.gprsWap * 0.6_kc + q.gprsNet * 0.068_kc;
    c += q.standardIntl;
    // Below a monthly spend of 700 the Oskar minutes and SMS cost 1.19 more.
    if (c < 700_kc) c += (q.osk + q.smsOsk) * 1.19_kc;
    writePrice(out, Money::milli(c));
}

void priceTiered(const Quantities& q, const TieredTariff& t, TariffResult& out) {
    i128 c = q.domestic * t.rate;
    const i128 osk = q.osk;
    if (osk <= t.tier1) {
        c += osk * t.rate1;
    } else if (osk <= t.tier1 + t.tier2) {
        c += t.tier1 * t.rate1 + (osk - t.tier1) * t.rate2;
    } else {
        c += t.tier1 * t.rate1 + t.tier2 * t.rate2 + (osk - t.tier1 - t.tier2) * t.rate3;
    }
    c += (q.smsTm + q.smsEt + q.smsOsk) * 1.19_kc + q.mms * kMms + q.data * t.rate + q.wap * kWap;
    c += q.connectionCost;
    out.hint.assign(q.connection);
    c += q.standardIntl;
    c += t.fee;
    writePrice(out, Money::milli(c));
}

}  // namespace

void priceOskar(const Usage& u, const RunOptions& options, std::span<TariffResult> out) {
    const Quantities q = quantities(u);
    // Run order: the five naplno tariffs, mezinami, odepis, oskarta, najistotu, nazisk.
    for (int i = 0; i < 5; ++i) priceNaplno(q, u.totalCallMinutes, kNaplno[i], options.directDebit, out[i]);
    priceFreeOskar(u, q, kFreeOskar[0], out[5]);
    priceFreeOskar(u, q, kFreeOskar[1], out[6]);
    priceOskarta(q, out[7]);
    priceTiered(q, kTiered[0], out[8]);
    priceTiered(q, kTiered[1], out[9]);
}

}  // namespace sazbar
