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

i128 domesticCalls(const Usage& u) {
    return static_cast<i128>(u.row(FixedLine)) + u.row(TMobile) + u.row(Eurotel);
}

// O1: pay-per-use "Naskok" when strictly cheaper than the flat "Nadlouho".
i128 gprsConnection(const Usage& u, std::string_view& name) {
    const i128 naskok = static_cast<i128>(u.gprsWap()) * 0.48_kc + static_cast<i128>(u.gprsNet()) * 0.06_kc;
    const std::int64_t volume = u.gprsWap() + u.gprsNet();
    const i128 nadlouho = volume <= 10000 ? 238_kc : volume <= 40000 ? 476_kc : volume <= 70000 ? 714_kc : 952_kc;
    if (naskok < nadlouho) {
        name = "Připojení Naskok";
        return naskok;
    }
    name = "Připojení Nadlouho";
    return nadlouho;
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

void addLine(std::string& hint, std::string_view line) {
    hint += line;
    hint += kLineBreak;
}

void priceNaplno(const Usage& u, const NaplnoTariff& t, bool directDebit, TariffResult& out) {
    std::string& hint = out.hint;
    const std::int64_t total = u.totalCallMinutes;
    const Share share = t.included == 0 ? kWholeShare : paidShare(total, t.included);
    const Share sharePlus = paidShare(total, t.included + 20);
    const i128 cost = (domesticCalls(u) + u.row(Oskar)) * t.rate;

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
    i128 rest = t.fee + static_cast<i128>(u.row(Data)) * 5.95_kc;

    // "Moje SMS": direct debit brings 20 free SMS without it and 20 more
    // included with it.
    const i128 sms = u.sms();
    const i128 includedSms = directDebit ? 120 : 100;
    const i128 smsWithout = !directDebit ? sms * 1.19_kc : sms > 20 ? (sms - 20) * 1.19_kc : 0;
    const i128 smsWith = kAddOn + (sms > includedSms ? (sms - includedSms) * 1.19_kc : 0);
    if (smsWithout >= smsWith) {
        rest += smsWith;
        addLine(hint, "+ příplatek Moje SMS");
    } else {
        rest += smsWithout;
    }

    // "Moje MMS": 10 MMS for 107.1.
    const i128 mms = u.mms();
    const i128 mmsWithout = mms * kMms;
    const i128 mmsWith = (mms < 10 ? 0 : mms - 10) * kMms + 107.1_kc;
    if (mmsWith <= mmsWithout) {
        rest += mmsWith;
        addLine(hint, "+ příplatek Moje MMS");
    } else {
        rest += mmsWithout;
    }

    // "Můj WAP": 40 WAP minutes for 53.55.
    const i128 wap = u.wap();
    const i128 wapWithout = wap * kWap;
    const i128 wapWith = (wap < 40 ? 0 : wap - 40) * kWap + 53.55_kc;
    if (wapWith <= wapWithout) {
        rest += wapWith;
        addLine(hint, "+ příplatek Můj WAP");
    } else {
        rest += wapWithout;
    }

    std::string_view connection;
    rest += gprsConnection(u, connection);
    addLine(hint, connection);
    rest += intlCost(u, kStandardZones);
    writePrice(out, price + rest);
}

void priceFreeOskar(const Usage& u, const FreeOskarTariff& t, TariffResult& out) {
    const i128 osk = u.row(Oskar);
    const i128 paidOskar = osk >= t.freeOskar ? osk - t.freeOskar : 0;
    i128 c = domesticCalls(u) * t.rate + paidOskar * t.oskar;
    c += static_cast<i128>(u.row(Data)) * t.data + static_cast<i128>(u.smsTm()) * t.smsTm +
         static_cast<i128>(u.smsEt()) * t.smsEt + static_cast<i128>(u.smsOsk()) * t.smsOsk +
         static_cast<i128>(u.mms()) * kMms + static_cast<i128>(u.wap()) * kWap;
    std::string_view connection;
    c += gprsConnection(u, connection);
    out.hint.assign(connection);
    c += intlCost(u, t.zones);
    c += t.fee;
    writePrice(out, Money::milli(c));
}

void priceOskarta(const Usage& u, TariffResult& out) {
    const i128 osk = u.row(Oskar);
    const i128 smsOsk = u.smsOsk();
    i128 c = domesticCalls(u) * 7.14_kc + osk * 2.38_kc + (static_cast<i128>(u.smsTm()) + u.smsEt()) * 2.44_kc +
             smsOsk * 1.19_kc + static_cast<i128>(u.mms()) * kMms + static_cast<i128>(u.row(Data)) * 7.14_kc +
             static_cast<i128>(u.wap()) * kWap;
    c += static_cast<i128>(u.gprsWap()) * 0.6_kc + static_cast<i128>(u.gprsNet()) * 0.068_kc;
    c += intlCost(u, kStandardZones);
    // Below a monthly spend of 700 the Oskar minutes and SMS cost 1.19 more.
    if (c < 700_kc) c += (osk + smsOsk) * 1.19_kc;
    writePrice(out, Money::milli(c));
}

void priceTiered(const Usage& u, const TieredTariff& t, TariffResult& out) {
    i128 c = domesticCalls(u) * t.rate;
    const i128 osk = u.row(Oskar);
    if (osk <= t.tier1) {
        c += osk * t.rate1;
    } else if (osk <= t.tier1 + t.tier2) {
        c += t.tier1 * t.rate1 + (osk - t.tier1) * t.rate2;
    } else {
        c += t.tier1 * t.rate1 + t.tier2 * t.rate2 + (osk - t.tier1 - t.tier2) * t.rate3;
    }
    c += static_cast<i128>(u.sms()) * 1.19_kc + static_cast<i128>(u.mms()) * kMms +
         static_cast<i128>(u.row(Data)) * t.rate + static_cast<i128>(u.wap()) * kWap;
    std::string_view connection;
    c += gprsConnection(u, connection);
    out.hint.assign(connection);
    c += intlCost(u, kStandardZones);
    c += t.fee;
    writePrice(out, Money::milli(c));
}

}  // namespace

void priceOskar(const Usage& u, const RunOptions& options, std::span<TariffResult> out) {
    // Run order: the five naplno tariffs, mezinami, odepis, oskarta, najistotu, nazisk.
    for (int i = 0; i < 5; ++i) priceNaplno(u, kNaplno[i], options.directDebit, out[i]);
    priceFreeOskar(u, kFreeOskar[0], out[5]);
    priceFreeOskar(u, kFreeOskar[1], out[6]);
    priceOskarta(u, out[7]);
    priceTiered(u, kTiered[0], out[8]);
    priceTiered(u, kTiered[1], out[9]);
}

}  // namespace sazbar
