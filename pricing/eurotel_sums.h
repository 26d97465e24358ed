// The usage sums every Eurotel tariff reads, taken once per pricing run.
#pragma once

#include <cstdint>

#include "core/money.h"
#include "core/profile.h"

namespace sazbar {

// Every count of a profile is a 32-bit integer, so these sums, and any sum of
// them multiplied by a rate in thousandths (below 10^6), stay far inside 64
// bits; only products of two usage values need 128.
struct EurotelSums {
    std::int64_t T = 0;  // total call minutes
    // Calls per network and the voice mailbox, all bands.
    std::int64_t fixed = 0, tm = 0, et = 0, osk = 0, vm = 0;
    // Calls to the four networks in the peak + afternoon and evening + weekend
    // bands; per network (fixed line, T-Mobile, Eurotel, Oskar) in the peak
    // band and in the three other bands.
    std::int64_t day = 0, night = 0;
    std::int64_t peakBy[4] = {0, 0, 0, 0}, otherBy[4] = {0, 0, 0, 0};
    // Data (CSD) minutes: all bands, peak + afternoon, evening + weekend.
    std::int64_t data = 0, dataDay = 0, dataNight = 0;
    std::int64_t wap = 0, gprsWap = 0, gprsNet = 0;
    std::int64_t smsTm = 0, smsEt = 0, smsOsk = 0, sms = 0, mms = 0;
    bool internetCalls = false;
    // Eurotel standard zones 1..6: minutes per band (peak, afternoon, evening
    // with weekend) over all six zones, and the surcharge parts of the costs.
    std::int64_t intlPeak = 0, intlAfternoon = 0, intlEveningWeekend = 0;
    std::int64_t standardSurcharges = 0;  // standard members: peak and off-peak surcharges (milli)
    std::int64_t tipSurcharges = 0;       // SMS/Data and Tip: one surcharge per zone (milli)
    // Eurotel NetCall zones 1..3 and GO zones 1..4, all bands.
    std::int64_t netCall[3] = {0, 0, 0};
    std::int64_t go[4] = {0, 0, 0, 0};

    std::int64_t intlMinutes() const { return intlPeak + intlAfternoon + intlEveningWeekend; }
};

EurotelSums eurotelSums(const Usage& u);

// International calls of the Eurotel standard rule with a
// base rate `rateOther`, or the NetCall rates when "Volání přes internet" is
// checked. Milli.
inline std::int64_t eurotelIntlCost(const EurotelSums& s, std::int64_t rateOther) {
    if (s.internetCalls) return s.netCall[0] * 9.4_kc + s.netCall[1] * 15.35_kc + s.netCall[2] * 22.61_kc;
    // Sum over zones of minutes x (rateOther + surcharge), split by distributivity.
    return s.intlMinutes() * rateOther + s.standardSurcharges;
}

}  // namespace sazbar
