#include "core/profile.h"

namespace sazbar {

const std::array<std::string_view, kCountries> kCountryNames = {
    "Slovensko",
    "Německo",
    "Polsko",
    "Rakousko",
    "Austrálie",
    "Belgie",
    "Bělorusko",
    "Bosna-Hercegovina",
    "Bulharsko",
    "Dánsko",
    "Estonsko",
    "Finsko",
    "Francie",
    "Chorvatsko",
    "Irsko",
    "Itálie",
    "Jugoslávie",
    "Kanada",
    "Lichtenštejnsko",
    "Litva",
    "Lotyšsko",
    "Lucembursko",
    "Maďarsko",
    "Nizozemsko",
    "Norsko",
    "Portugalsko",
    "Rumunsko",
    "Rusko",
    "Řecko",
    "Slovinsko",
    "Španělsko",
    "Švédsko",
    "Švýcarsko",
    "Ukrajina",
    "USA",
    "Velká Británie",
};

const std::array<std::array<std::uint8_t, kCountries>, kSchemes> kZoneTable = {{
    // TM standard
    {{1, 2, 2, 2, 5, 3, 4, 4, 4, 3, 4, 3, 3, 4, 3, 3, 4, 5, 3, 4, 4, 3, 4, 3, 3, 3, 4, 4, 3, 4, 3, 3, 3, 4, 5, 3}},
    // TM Internet Call
    {{1, 1, 1, 1, 2, 1, 2, 2, 2, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 3, 1, 1, 1, 1, 2, 2, 3, 2, 2, 1, 1, 1, 3, 1, 1}},
    // Twist Home Internet Call
    {{7, 1, 1, 1, 2, 1, 2, 2, 2, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 3, 1, 1, 1, 1, 2, 2, 8, 2, 2, 1, 1, 1, 8, 1, 1}},
    // Eurotel standard
    {{1, 2, 2, 2, 6, 3, 3, 4, 4, 3, 4, 4, 3, 3, 5, 3, 4, 5, 3, 3, 4, 3, 3, 3, 4, 5, 4, 5, 4, 3, 4, 4, 3, 3, 5, 3}},
    // Eurotel NetCall
    {{1, 1, 1, 1, 2, 1, 2, 2, 2, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 1, 1, 1, 2, 2, 3, 2, 2, 1, 1, 1, 3, 1, 1}},
    // Eurotel GO
    {{1, 2, 2, 2, 3, 2, 2, 3, 3, 2, 3, 3, 2, 2, 3, 2, 3, 3, 2, 2, 3, 2, 2, 2, 3, 3, 3, 3, 3, 2, 3, 2, 2, 2, 3, 2}},
    // Oskar
    {{4, 7, 1, 1, 2, 1, 2, 2, 2, 1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 2, 2, 1, 6, 1, 1, 1, 2, 8, 1, 2, 1, 1, 1, 8, 5, 1}},
    // fixed line
    {{1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
}};

std::int64_t totalCallMinutes(const Profile& p) {
    std::int64_t sum = 0;
    for (int b = 0; b < kBands; ++b)
        for (Row r : {FixedLine, TMobile, Eurotel, Oskar, VoiceMail}) sum += p.matrix[b][r];
    return sum;
}

Usage aggregate(const Profile& p) {
    Usage u;
    u.profile = &p;
    u.totalCallMinutes = totalCallMinutes(p);
    for (int b = 0; b < kBands; ++b) {
        for (int r = 0; r < kRows; ++r) u.rowSums[r] += p.matrix[b][r];
        u.wapSum += p.wap[b];
    }
    for (const IntlRow& row : p.intl) {
        // A row of an unknown country adds nothing (to the first zone), rather
        // than branching on every row.
        const bool known = row.country >= 0 && row.country < kCountries;
        const int country = known ? row.country : 0;
        const std::int64_t minutes[kIntlBands] = {known ? row.peak : 0, known ? row.afternoon : 0,
                                                  known ? row.eveningWeekend : 0};
        for (int s = 0; s < kSchemes; ++s) {
            auto& cells = u.zones[s][kZoneTable[s][country] - 1];
            for (int b = 0; b < kIntlBands; ++b) cells[b] += minutes[b];
        }
    }
    return u;
}

}  // namespace sazbar
