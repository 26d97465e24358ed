// The fixed line's "Telefon Standard" (result field `telecom`): its price
// list and its rule. Change the tariff in kTelefonStandard and nowhere else.
#include <array>
#include <string_view>

#include "pricing/itemiser.h"

namespace sazbar {

namespace {

struct FixedLineTariff {
    std::string_view id;
    std::int64_t fixedPeak;      // calls to the fixed line, peak (per minute)
    std::int64_t fixedOffPeak;   // the same, afternoon, evening and weekend
    std::int64_t mobile;         // calls to T-Mobile, Eurotel and Oskar, all bands
    std::int64_t dataPeak;       // data minutes, peak
    std::int64_t dataOffPeak;    // data minutes, the other bands
    // International calls by zone of the fixed-line scheme: peak and
    // afternoon, and evening with weekend (per minute).
    std::int64_t zone1Day, zone1Night;
    std::int64_t zone2Day, zone2Night;
    std::int64_t fee;            // a month
};

constexpr std::array<FixedLineTariff, 1> kTelefonStandard = {{
    {.id = "telecom", .fixedPeak = 1.57_kc, .fixedOffPeak = 0.79_kc, .mobile = 6.5_kc, .dataPeak = 1.58_kc,
     .dataOffPeak = 0.9_kc, .zone1Day = 9.06_kc, .zone1Night = 7.82_kc, .zone2Day = 10.31_kc, .zone2Night = 9.06_kc,
     .fee = 329_kc},
}};

static_assert(rowsAgreeWithList(Operator::FixedLine, kTelefonStandard));

template <class S>
void priceFixed(const Usage& u, const FixedLineTariff& t, TariffResult& out, S& s) {
    const std::int64_t peak = u.cell(Peak, FixedLine);
    const std::int64_t offPeak = u.cell(Afternoon, FixedLine) + u.cell(Evening, FixedLine) + u.cell(Weekend, FixedLine);
    std::int64_t c = peak * t.fixedPeak + offPeak * t.fixedOffPeak;
    s.item(ItemKind::Call, peak, "min", t.fixedPeak, "Volání na pevnou linku, Špička");
    s.item(ItemKind::Call, offPeak, "min", t.fixedOffPeak, "Volání na pevnou linku, Odpoledne, Večer a Víkend");
    c += (u.row(TMobile) + u.row(Eurotel) + u.row(Oskar)) * t.mobile;
    for (int n = TMobile; n <= Oskar; ++n)
        s.item(ItemKind::Call, u.row(static_cast<Row>(n)), "min", t.mobile, kNetworkLabel[n]);
    const std::int64_t dataPeak = u.cell(Peak, Data);
    const std::int64_t dataOff = u.cell(Afternoon, Data) + u.cell(Evening, Data) + u.cell(Weekend, Data);
    c += dataPeak * t.dataPeak + dataOff * t.dataOffPeak;
    s.item(ItemKind::Data, dataPeak, "min", t.dataPeak, "Data, Špička");
    s.item(ItemKind::Data, dataOff, "min", t.dataOffPeak, "Data, Odpoledne, Večer a Víkend");
    const std::int64_t z1day = u.zoneBand(FixedZones, 1, 0) + u.zoneBand(FixedZones, 1, 1);
    const std::int64_t z2day = u.zoneBand(FixedZones, 2, 0) + u.zoneBand(FixedZones, 2, 1);
    c += z1day * t.zone1Day + u.zoneBand(FixedZones, 1, 2) * t.zone1Night;
    c += z2day * t.zone2Day + u.zoneBand(FixedZones, 2, 2) * t.zone2Night;
    s.item(ItemKind::International, z1day, "min", t.zone1Day, "Volání do zahraničí, zóna 1, Špička a Odpoledne");
    s.item(ItemKind::International, u.zoneBand(FixedZones, 1, 2), "min", t.zone1Night,
           "Volání do zahraničí, zóna 1, Večer a Víkend");
    s.item(ItemKind::International, z2day, "min", t.zone2Day, "Volání do zahraničí, zóna 2, Špička a Odpoledne");
    s.item(ItemKind::International, u.zoneBand(FixedZones, 2, 2), "min", t.zone2Night,
           "Volání do zahraničí, zóna 2, Večer a Víkend");
    c += t.fee;
    s.lump(ItemKind::Fee, milliMoney(t.fee), "Měsíční poplatek");
    finishPrice(s, out, Money::milli(c));
}

}  // namespace

void priceFixedLine(const Usage& u, Fields fields) {
    NoItems none;
    priceFixed(u, kTelefonStandard[0], fields[kTelecomIndex], none);
}

void itemiseFixedLine(const Usage& u, TariffResult& out, Itemiser& s) { priceFixed(u, kTelefonStandard[0], out, s); }

}  // namespace sazbar
