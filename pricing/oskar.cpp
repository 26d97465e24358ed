// Oskar tariffs: the "naplno" tariffs with optional add-ons (N), free Oskar
// minutes (M), prepaid Oskarta (K) and tiered Oskar minutes (J). Each tariff
// is one row of its rule's price list below, named by its id; change a tariff
// there and nowhere else.
// Amounts are 64-bit thousandths of a crown: every count is a 32-bit integer,
// so a sum of counts times a rate (below 10^6) stays far inside 64 bits; only
// the paid share of calls multiplies two usage values, inside Money.
#include <array>
#include <string_view>

#include "pricing/itemiser.h"

namespace sazbar {

namespace {

// Rule N: one rate for every call, included minutes spread over all calls,
// optional add-ons.
struct NaplnoTariff {
    std::string_view id;
    std::int64_t included;  // minutes; 0: every minute paid
    std::int64_t rate;      // every call minute, every network and band
    std::int64_t fee;       // a month
};

constexpr std::array<NaplnoTariff, 5> kNaplno = {{
    {.id = "naplno50", .included = 50, .rate = 5.36_kc, .fee = 297.5_kc},
    {.id = "naplno150", .included = 150, .rate = 4.76_kc, .fee = 714_kc},
    {.id = "naplno300", .included = 300, .rate = 4.17_kc, .fee = 1190_kc},
    {.id = "naplno500", .included = 500, .rate = 3.96_kc, .fee = 1904_kc},
    {.id = "naplnorozjezd", .included = 0, .rate = 5.95_kc, .fee = 59.5_kc},
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

// Rule M: free minutes to Oskar, the rest per use.
struct FreeOskarTariff {
    std::string_view id;
    std::int64_t freeOskar;              // free minutes to Oskar
    std::int64_t rate;                   // calls to the fixed line, T-Mobile, Eurotel (per minute)
    std::int64_t oskar;                  // calls to Oskar beyond the free minutes
    std::int64_t data;                   // per data minute
    std::int64_t smsTm, smsEt, smsOsk;   // per SMS to T-Mobile, Eurotel, Oskar
    std::int64_t fee;                    // a month
    ZoneRates zones;                     // zones 1..8
};

constexpr std::array<FreeOskarTariff, 2> kFreeOskar = {{
    {.id = "mezinami", .freeOskar = 300, .rate = 5.95_kc, .oskar = 3.57_kc, .data = 3.57_kc, .smsTm = 1.79_kc,
     .smsEt = 1.79_kc, .smsOsk = 0.6_kc, .fee = 654.5_kc,
     .zones = {{both(11.31_kc), both(11.31_kc), both(0), {8.33_kc, 7.14_kc}, {8.33_kc, 7.14_kc},
                {6.54_kc, 4.16_kc}, both(11.31_kc), both(8.33_kc)}}},
    {.id = "odepis", .freeOskar = 40, .rate = 11.9_kc, .oskar = 7.14_kc, .data = 11.9_kc, .smsTm = 1.79_kc,
     .smsEt = 1.83_kc, .smsOsk = 0.42_kc, .fee = 11.9_kc,
     .zones = {{both(11.31_kc), both(11.31_kc), both(0), {10.59_kc, 4.17_kc}, both(11.31_kc), both(11.31_kc),
                both(11.31_kc), both(8.33_kc)}}},
}};

// Rule K, prepaid Oskarta: per use; below a monthly spend the Oskar minutes and SMS cost more.
struct OskartaTariff {
    std::string_view id;
    std::int64_t rate;          // calls to the fixed line, T-Mobile, Eurotel (per minute)
    std::int64_t oskar;         // calls to Oskar
    std::int64_t smsOther;      // per SMS to T-Mobile and Eurotel
    std::int64_t smsOsk;        // per SMS to Oskar
    std::int64_t data;          // per data minute
    std::int64_t gprsWap, gprsNet;  // per kB
    std::int64_t lowSpend;      // below this monthly spend ...
    std::int64_t lowSpendExtra; // ... each Oskar minute and SMS costs this much more
};

constexpr std::array<OskartaTariff, 1> kOskarta = {{
    {.id = "oskarta", .rate = 7.14_kc, .oskar = 2.38_kc, .smsOther = 2.44_kc, .smsOsk = 1.19_kc, .data = 7.14_kc,
     .gprsWap = 0.6_kc, .gprsNet = 0.068_kc, .lowSpend = 700_kc, .lowSpendExtra = 1.19_kc},
}};

// Rule J: Oskar minutes in three tiers.
struct TieredTariff {
    std::string_view id;
    std::int64_t rate;          // calls to the fixed line, T-Mobile, Eurotel, and data (per minute)
    std::int64_t tier1, rate1;  // the first tier1 minutes to Oskar at rate1
    std::int64_t tier2, rate2;  // the next tier2 at rate2
    std::int64_t rate3;         // the rest
    std::int64_t fee;           // a month
};

constexpr std::array<TieredTariff, 2> kTiered = {{
    {.id = "najistotu", .rate = 4.76_kc, .tier1 = 35, .rate1 = 4.76_kc, .tier2 = 40, .rate2 = 3.57_kc,
     .rate3 = 2.38_kc, .fee = 119_kc},
    {.id = "nazisk", .rate = 3.57_kc, .tier1 = 125, .rate1 = 3.57_kc, .tier2 = 125, .rate2 = 2.38_kc,
     .rate3 = 1.19_kc, .fee = 297.5_kc},
}};

static_assert(rowsAgreeWithList(Operator::Oskar, kNaplno, kFreeOskar, kOskarta, kTiered));

// Shared by every Oskar tariff (per MMS, per WAP minute, each add-on a month).
constexpr std::int64_t kMms = 11.31_kc;
constexpr std::int64_t kWap = 1.79_kc;
constexpr std::int64_t kAddOn = 95.2_kc;  // Moje volné minuty, Moje SMS

// The quantities every Oskar tariff reads, and the shared steps O1 (GPRS
// connection) and O2 (international calls at the standard rates), computed
// once per run.
struct Quantities {
    std::int64_t domestic;  // fixed line + T-Mobile + Eurotel minutes
    std::int64_t osk, data, smsTm, smsEt, smsOsk, mms, wap;
    std::int64_t gprsWap, gprsNet;
    std::int64_t connectionCost;
    std::string_view connection;
    std::string_view connectionLine;  // the same as a hint line, with its line break
    std::int64_t standardIntl;
};

// O1: pay-per-use "Naskok" when strictly cheaper than the flat "Nadlouho".
template <class S>
void chooseConnection(Quantities& q, S& s) {
    const std::int64_t naskok = q.gprsWap * 0.48_kc + q.gprsNet * 0.06_kc;
    const std::int64_t volume = q.gprsWap + q.gprsNet;
    const std::int64_t nadlouho = volume <= 10000 ? 238_kc : volume <= 40000 ? 476_kc : volume <= 70000 ? 714_kc : 952_kc;
    if (naskok < nadlouho) {
        q.connectionCost = naskok;
        q.connectionLine = "Připojení Naskok\n\r";
    } else {
        q.connectionCost = nadlouho;
        q.connectionLine = "Připojení Nadlouho\n\r";
    }
    q.connection = q.connectionLine.substr(0, q.connectionLine.size() - kLineBreak.size());
    if constexpr (S::on) {
        s.choice("Připojení GPRS");
        s.option(milliMoney(naskok), naskok < nadlouho, "Připojení Naskok");
        s.option(milliMoney(nadlouho), !(naskok < nadlouho), "Připojení Nadlouho");
    }
}

template <class S>
std::int64_t intlCost(const Usage& u, const ZoneRates& rates, S& s) {
    std::int64_t c = 0;
    for (int z = 1; z <= kZones; ++z) {
        const ZoneRate& r = rates[z - 1];
        const std::int64_t day = u.zoneBand(OskarZones, z, 0) + u.zoneBand(OskarZones, z, 1);
        c += day * r.day;
        c += u.zoneBand(OskarZones, z, 2) * r.eve;
        s.item(ItemKind::International, day, "min", r.day, "Volání do zahraničí, zóna ", Num{z}, ", Špička a Odpoledne");
        s.item(ItemKind::International, u.zoneBand(OskarZones, z, 2), "min", r.eve, "Volání do zahraničí, zóna ", Num{z},
               ", Večer a Víkend");
    }
    return c;
}

Quantities quantities(const Usage& u) {
    Quantities q{};
    q.domestic = u.row(FixedLine) + u.row(TMobile) + u.row(Eurotel);
    q.osk = u.row(Oskar);
    q.data = u.row(Data);
    q.smsTm = u.smsTm();
    q.smsEt = u.smsEt();
    q.smsOsk = u.smsOsk();
    q.mms = u.mms();
    q.wap = u.wap();
    q.gprsWap = u.gprsWap();
    q.gprsNet = u.gprsNet();
    NoItems none;
    chooseConnection(q, none);
    q.standardIntl = intlCost(u, kStandardZones, none);
    return q;
}

// The items of the shared steps, by running them again with the sink.
template <class S>
void connectionItems(const Quantities& q, S& s) {
    if constexpr (S::on) {
        Quantities again = q;
        chooseConnection(again, s);
        s.lump(ItemKind::Data, milliMoney(q.connectionCost), q.connection);
    }
}

template <class S>
void standardIntlItems(S& s) {
    if constexpr (S::on) intlCost(s.u, kStandardZones, s);
}

// Calls to the fixed line, T-Mobile and Eurotel at one rate.
template <class S>
void domesticItems(S& s, std::int64_t rate) {
    if constexpr (S::on) {
        for (int n = FixedLine; n <= Eurotel; ++n)
            s.item(ItemKind::Call, s.u.row(static_cast<Row>(n)), "min", rate, kNetworkLabel[n]);
    }
}

template <class S>
void smsItems(const Quantities& q, std::int64_t rate, S& s) {
    s.item(ItemKind::Message, q.smsTm, "SMS", rate, "SMS do sítě T-Mobile");
    s.item(ItemKind::Message, q.smsEt, "SMS", rate, "SMS do sítě Eurotel");
    s.item(ItemKind::Message, q.smsOsk, "SMS", rate, "SMS do sítě Oskar");
}

template <class S>
void priceNaplno(const Quantities& q, std::int64_t total, const NaplnoTariff& t, bool directDebit, TariffResult& out,
                 S& s) {
    Hint& hint = out.hint;
    const Share share = t.included == 0 ? kWholeShare : paidShare(total, t.included);
    const Share sharePlus = paidShare(total, t.included + 20);
    const std::int64_t cost = (q.domestic + q.osk) * t.rate;
    domesticItems(s, t.rate);
    s.item(ItemKind::Call, q.osk, "min", t.rate, kNetworkLabel[Oskar]);

    // "Moje volné minuty": 20 more included minutes, kept unless strictly dearer.
    const Money without = Money::scaled(cost, share);
    const Money with = Money::scaled(cost, sharePlus) + kAddOn;
    if constexpr (S::on) {
        s.choice("Příplatek Moje volné minuty (20 minut navíc): volání");
        s.option(without, without < with, "bez příplatku");
        s.option(with, !(without < with), "s příplatkem Moje volné minuty");
    }
    Money price;
    if (without < with) {
        price = without;
        freeMinutes(s, cost, share, t.included, total, "Volné minuty");
    } else {
        price = with;
        hint.add("+ příplatek Moje volné minuty\n\r");
        s.lump(ItemKind::Package, milliMoney(kAddOn), "Příplatek Moje volné minuty");
        freeMinutes(s, cost, sharePlus, t.included + 20, total, "Volné minuty s Moje volné minuty");
    }
    std::int64_t rest = t.fee + q.data * 5.95_kc;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    s.item(ItemKind::Data, q.data, "min", 5.95_kc, "Data (CSD)");

    // "Moje SMS": direct debit brings 20 free SMS without it and 20 more
    // included with it.
    const std::int64_t sms = q.smsTm + q.smsEt + q.smsOsk;
    const std::int64_t includedSms = directDebit ? 120 : 100;
    const std::int64_t smsWithout = !directDebit ? sms * 1.19_kc : sms > 20 ? (sms - 20) * 1.19_kc : 0;
    const std::int64_t smsWith = kAddOn + (sms > includedSms ? (sms - includedSms) * 1.19_kc : 0);
    if constexpr (S::on) {
        s.choice("Příplatek Moje SMS (", Num{static_cast<std::int64_t>(includedSms)}, " SMS)");
        s.option(milliMoney(smsWithout), !(smsWithout >= smsWith), "bez příplatku");
        s.option(milliMoney(smsWith), smsWithout >= smsWith, "s příplatkem Moje SMS");
    }
    if (smsWithout >= smsWith) {
        rest += smsWith;
        hint.add("+ příplatek Moje SMS\n\r");
        s.lump(ItemKind::Package, milliMoney(kAddOn), "Příplatek Moje SMS");
        s.item(ItemKind::Message, sms > includedSms ? sms - includedSms : 0, "SMS", 1.19_kc, "SMS nad ",
               Num{static_cast<std::int64_t>(includedSms)}, " v Moje SMS");
    } else {
        rest += smsWithout;
        if (!directDebit) {
            smsItems(q, 1.19_kc, s);
        } else {
            s.item(ItemKind::Message, sms > 20 ? sms - 20 : 0, "SMS", 1.19_kc, "SMS nad 20 volných (platba inkasem)");
        }
    }

    // "Moje MMS" (10 MMS for 107.1) and "Můj WAP" (40 WAP minutes for 53.55)
    // are taken whenever they cost no more than paying for each.
    const auto addOn = [&](std::int64_t used, std::int64_t included, std::int64_t rate, std::int64_t fee, ItemKind kind,
                           std::string_view unit, std::string_view name, std::string_view line) {
        const std::int64_t with = (used < included ? 0 : used - included) * rate + fee;
        const std::int64_t without = used * rate;
        if constexpr (S::on) {
            s.choice("Příplatek ", name, " (", Num{included}, " ", unit, ")");
            s.option(milliMoney(without), !(with <= without), "bez příplatku");
            s.option(milliMoney(with), with <= without, "s příplatkem ", name);
        }
        if (with <= without) {
            rest += with;
            hint.add(line);
            s.lump(ItemKind::Package, milliMoney(fee), "Příplatek ", name);
            s.item(kind, used < included ? 0 : used - included, unit, rate, unit == "MMS" ? "MMS" : "WAP", " nad ",
                   Num{included}, " v příplatku ", name);
        } else {
            rest += without;
            s.item(kind, used, unit, rate, unit == "MMS" ? "MMS" : "WAP");
        }
    };
    addOn(q.mms, 10, kMms, 107.1_kc, ItemKind::Message, "MMS", "Moje MMS", "+ příplatek Moje MMS\n\r");
    addOn(q.wap, 40, kWap, 53.55_kc, ItemKind::Data, "min", "Můj WAP", "+ příplatek Můj WAP\n\r");

    rest += q.connectionCost;
    connectionItems(q, s);
    hint.add(q.connectionLine);
    rest += q.standardIntl;
    standardIntlItems(s);
    finishPrice(s, out, price + rest);
}

template <class S>
void priceFreeOskar(const Usage& u, const Quantities& q, const FreeOskarTariff& t, TariffResult& out, S& s) {
    const std::int64_t paidOskar = q.osk >= t.freeOskar ? q.osk - t.freeOskar : 0;
    std::int64_t c = q.domestic * t.rate + paidOskar * t.oskar;
    domesticItems(s, t.rate);
    s.item(ItemKind::Call, paidOskar, "min", t.oskar, kNetworkLabel[Oskar], " nad ", Num{t.freeOskar}, " volných minut");
    c += q.data * t.data + q.smsTm * t.smsTm + q.smsEt * t.smsEt + q.smsOsk * t.smsOsk + q.mms * kMms + q.wap * kWap;
    s.item(ItemKind::Data, q.data, "min", t.data, "Data (CSD)");
    s.item(ItemKind::Message, q.smsTm, "SMS", t.smsTm, "SMS do sítě T-Mobile");
    s.item(ItemKind::Message, q.smsEt, "SMS", t.smsEt, "SMS do sítě Eurotel");
    s.item(ItemKind::Message, q.smsOsk, "SMS", t.smsOsk, "SMS do sítě Oskar");
    s.item(ItemKind::Message, q.mms, "MMS", kMms, "MMS");
    s.item(ItemKind::Data, q.wap, "min", kWap, "WAP");
    c += q.connectionCost;
    connectionItems(q, s);
    out.hint.assign(q.connection);
    c += intlCost(u, t.zones, s);
    c += t.fee;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

template <class S>
void priceOskarta(const Quantities& q, const OskartaTariff& t, TariffResult& out, S& s) {
    std::int64_t c = q.domestic * t.rate + q.osk * t.oskar + (q.smsTm + q.smsEt) * t.smsOther + q.smsOsk * t.smsOsk +
                     q.mms * kMms + q.data * t.data + q.wap * kWap;
    domesticItems(s, t.rate);
    s.item(ItemKind::Call, q.osk, "min", t.oskar, kNetworkLabel[Oskar]);
    s.item(ItemKind::Message, q.smsTm + q.smsEt, "SMS", t.smsOther, "SMS do sítí T-Mobile a Eurotel");
    s.item(ItemKind::Message, q.smsOsk, "SMS", t.smsOsk, "SMS do sítě Oskar");
    s.item(ItemKind::Message, q.mms, "MMS", kMms, "MMS");
    s.item(ItemKind::Data, q.data, "min", t.data, "Data (CSD)");
    s.item(ItemKind::Data, q.wap, "min", kWap, "WAP");
    c += q.gprsWap * t.gprsWap + q.gprsNet * t.gprsNet;
    s.item(ItemKind::Data, q.gprsWap, "kB", t.gprsWap, "GPRS WAP");
    s.item(ItemKind::Data, q.gprsNet, "kB", t.gprsNet, "GPRS internet");
    c += q.standardIntl;
    standardIntlItems(s);
    if (c < t.lowSpend) {
        c += (q.osk + q.smsOsk) * t.lowSpendExtra;
        s.item(ItemKind::Minimum, q.osk, "min", t.lowSpendExtra, "Volání do sítě Oskar při útratě pod 700 Kč");
        s.item(ItemKind::Minimum, q.smsOsk, "SMS", t.lowSpendExtra, "SMS do sítě Oskar při útratě pod 700 Kč");
    }
    finishPrice(s, out, Money::milli(c));
}

template <class S>
void priceTiered(const Quantities& q, const TieredTariff& t, TariffResult& out, S& s) {
    std::int64_t c = q.domestic * t.rate;
    domesticItems(s, t.rate);
    const std::int64_t osk = q.osk;
    if (osk <= t.tier1) {
        c += osk * t.rate1;
    } else if (osk <= t.tier1 + t.tier2) {
        c += t.tier1 * t.rate1 + (osk - t.tier1) * t.rate2;
    } else {
        c += t.tier1 * t.rate1 + t.tier2 * t.rate2 + (osk - t.tier1 - t.tier2) * t.rate3;
    }
    if constexpr (S::on) {
        const std::int64_t n1 = osk < t.tier1 ? osk : t.tier1;
        const std::int64_t n2 = osk <= t.tier1 ? 0 : osk < t.tier1 + t.tier2 ? osk - t.tier1 : t.tier2;
        const std::int64_t n3 = osk <= t.tier1 + t.tier2 ? 0 : osk - t.tier1 - t.tier2;
        s.item(ItemKind::Call, n1, "min", t.rate1, kNetworkLabel[Oskar], ", prvních ", Num{t.tier1}, " minut");
        s.item(ItemKind::Call, n2, "min", t.rate2, kNetworkLabel[Oskar], ", dalších ", Num{t.tier2}, " minut");
        s.item(ItemKind::Call, n3, "min", t.rate3, kNetworkLabel[Oskar], " nad ", Num{t.tier1 + t.tier2}, " minut");
    }
    c += (q.smsTm + q.smsEt + q.smsOsk) * 1.19_kc + q.mms * kMms + q.data * t.rate + q.wap * kWap;
    smsItems(q, 1.19_kc, s);
    s.item(ItemKind::Message, q.mms, "MMS", kMms, "MMS");
    s.item(ItemKind::Data, q.data, "min", t.rate, "Data (CSD)");
    s.item(ItemKind::Data, q.wap, "min", kWap, "WAP");
    c += q.connectionCost;
    connectionItems(q, s);
    out.hint.assign(q.connection);
    c += q.standardIntl;
    standardIntlItems(s);
    c += t.fee;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

// The rule and the row of every Oskar tariff, found by its id.
enum class Rule : std::uint8_t { Naplno, FreeOskar, Oskarta, Tiered };
struct Route {
    Rule rule;
    std::uint8_t row;
};

constexpr std::array<Route, kTariffCount> kRoutes = [] {
    std::array<Route, kTariffCount> routes{};
    for (int t : kTariffsOf<Operator::Oskar>) {
        const std::string_view id = kTariffs[static_cast<std::size_t>(t)].id;
        Route& r = routes[static_cast<std::size_t>(t)];
        const auto at = [](int row) { return static_cast<std::uint8_t>(row); };
        if (rowOf(kNaplno, id) >= 0) r = {Rule::Naplno, at(rowOf(kNaplno, id))};
        if (rowOf(kFreeOskar, id) >= 0) r = {Rule::FreeOskar, at(rowOf(kFreeOskar, id))};
        if (rowOf(kOskarta, id) >= 0) r = {Rule::Oskarta, at(rowOf(kOskarta, id))};
        if (rowOf(kTiered, id) >= 0) r = {Rule::Tiered, at(rowOf(kTiered, id))};
    }
    return routes;
}();

// One Oskar tariff (index into kTariffs).
template <class S>
void priceOne(const Usage& u, const Quantities& q, const RunOptions& options, int tariff, TariffResult& out, S& s) {
    const Route r = kRoutes[static_cast<std::size_t>(tariff)];
    switch (r.rule) {
        case Rule::Naplno: priceNaplno(q, u.totalCallMinutes, kNaplno[r.row], options.directDebit, out, s); return;
        case Rule::FreeOskar: priceFreeOskar(u, q, kFreeOskar[r.row], out, s); return;
        case Rule::Oskarta: priceOskarta(q, kOskarta[r.row], out, s); return;
        case Rule::Tiered: priceTiered(q, kTiered[r.row], out, s); return;
    }
}

}  // namespace

void priceOskar(const Usage& u, const RunOptions& options, Fields fields) {
    const Quantities q = quantities(u);
    NoItems none;
    forEachRow<kNaplno>(fields, [&](const NaplnoTariff& t, TariffResult& out) {
        priceNaplno(q, u.totalCallMinutes, t, options.directDebit, out, none);
    });
    forEachRow<kFreeOskar>(fields, [&](const FreeOskarTariff& t, TariffResult& out) { priceFreeOskar(u, q, t, out, none); });
    forEachRow<kOskarta>(fields, [&](const OskartaTariff& t, TariffResult& out) { priceOskarta(q, t, out, none); });
    forEachRow<kTiered>(fields, [&](const TieredTariff& t, TariffResult& out) { priceTiered(q, t, out, none); });
}

void itemiseOskar(const Usage& u, const RunOptions& options, int tariff, TariffResult& out, Itemiser& s) {
    priceOne(u, quantities(u), options, tariff, out, s);
}

}  // namespace sazbar
