// Item helpers shared by the Eurotel pricing files: the international calls
// of the standard rule, zone by zone.
#pragma once

#include <cstdint>

#include "pricing/eurotel_sums.h"
#include "pricing/itemiser.h"

namespace sazbar {

// Surcharges of Eurotel standard zones 1..6: the standard members have a peak
// and an off-peak one; SMS/Data and Tip one per zone for all bands.
inline constexpr std::int64_t kEtPeakSurcharge[6] = {12.58_kc, 20.56_kc, 30.48_kc, 38.09_kc, 50.78_kc, 76.18_kc};
inline constexpr std::int64_t kEtOffSurcharge[6] = {12.27_kc, 20.05_kc, 29.73_kc, 37.15_kc, 49.53_kc, 74.3_kc};
inline constexpr std::int64_t kEtTipSurcharge[6] = {12.58_kc, 20.56_kc, 30.48_kc, 38.09_kc, 50.78_kc, 76.18_kc};

// Rates: three per-minute rates, NetCall zones 1..3.
template <class S, class Rates>
void netCallItems(S& k, const EurotelSums& s, const Rates& rates) {
    for (int z = 0; z < 3; ++z)
        k.item(ItemKind::International, s.netCall[z], "min", rates[z], "Volání přes internet (NetCall), zóna ", Num{z + 1});
}

// Calls abroad zone by zone: each zone's peak and off-peak minutes at a base
// rate plus the zone's surcharge (the cost split by distributivity), or, for
// calls through the internet, the three NetCall zones at their own rates.
template <class S>
void zoneCallItems(S& k, const EurotelSums& s, const std::int64_t (&netRates)[3], std::int64_t peakBase,
                   const std::int64_t (&peakSurcharge)[6], std::int64_t offBase, const std::int64_t (&offSurcharge)[6]) {
    if constexpr (S::on) {
        if (s.internetCalls) {
            netCallItems(k, s, netRates);
            return;
        }
        for (int z = 1; z <= 6; ++z) {
            const std::int64_t peak = k.u.zoneBand(EtStandard, z, 0);
            const std::int64_t off = k.u.zoneBand(EtStandard, z, 1) + k.u.zoneBand(EtStandard, z, 2);
            k.item(ItemKind::International, peak, "min", peakBase + peakSurcharge[z - 1], "Volání do zahraničí, zóna ",
                   Num{z}, ", Špička");
            k.item(ItemKind::International, off, "min", offBase + offSurcharge[z - 1], "Volání do zahraničí, zóna ",
                   Num{z}, ", mimo špičku");
        }
    }
}

// The items of eurotelIntlCost.
template <class S>
void eurotelIntlItems(S& k, const EurotelSums& s, std::int64_t rateOther) {
    static constexpr std::int64_t kNetCall[3] = {9.4_kc, 15.35_kc, 22.61_kc};
    zoneCallItems(k, s, kNetCall, rateOther, kEtPeakSurcharge, rateOther, kEtOffSurcharge);
}

// The standard members' and Individual's calls: one rate for the fixed line,
// T-Mobile and Oskar, one for Eurotel, one for the voice mailbox.
template <class S>
void eurotelCallItems(S& k, const EurotelSums& s, std::int64_t rateOther, std::int64_t rateEurotel, std::int64_t rateVm) {
    k.item(ItemKind::Call, s.fixed, "min", rateOther, kNetworkLabel[FixedLine]);
    k.item(ItemKind::Call, s.tm, "min", rateOther, kNetworkLabel[TMobile]);
    k.item(ItemKind::Call, s.et, "min", rateEurotel, kNetworkLabel[Eurotel]);
    k.item(ItemKind::Call, s.osk, "min", rateOther, kNetworkLabel[Oskar]);
    k.item(ItemKind::Call, s.vm, "min", rateVm, "Hlasová schránka");
}

}  // namespace sazbar
