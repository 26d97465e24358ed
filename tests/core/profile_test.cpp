#include "core/profile.h"

#include <gtest/gtest.h>

#include <limits>

namespace sazbar {
namespace {

TEST(Profile, AllZeroGivesNoMinutesAnywhere) {
    const Profile p;
    const Usage u = aggregate(p);
    EXPECT_EQ(u.totalCallMinutes, 0);
    for (const auto& scheme : u.zones)
        for (const auto& zone : scheme)
            for (std::int64_t m : zone) EXPECT_EQ(m, 0);
}

TEST(Profile, TotalCountsCallsAndVoiceMailOnly) {
    Profile p;
    for (int b = 0; b < kBands; ++b) {
        for (int r = 0; r < kRows; ++r) p.matrix[b][r] = 1 + r;
        p.wap[b] = 100;
    }
    p.gprsWap = p.gprsNet = 1000;
    p.intl[0].peak = 50;
    // rows 0..3 (1+2+3+4) and row 5 (6) in each of four bands
    EXPECT_EQ(totalCallMinutes(p), 4 * (1 + 2 + 3 + 4 + 6));

    Profile dataOnly;
    dataOnly.matrix[Peak][Data] = 10;
    dataOnly.matrix[Peak][Messages] = 10;
    dataOnly.wap[Weekend] = 10;
    dataOnly.gprsNet = 10;
    EXPECT_EQ(totalCallMinutes(dataOnly), 0);
}

TEST(Profile, TotalIsTakenIn64Bits) {
    Profile p;
    for (int b = 0; b < kBands; ++b) p.matrix[b][FixedLine] = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(totalCallMinutes(p), 4 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

TEST(Profile, CountriesAddIntoEverySchemeByTheirZone) {
    Profile p;
    p.intl[0] = {27, 10, 0, 0};  // Rusko
    p.intl[1] = {33, 5, 0, 0};   // Ukrajina
    p.intl[2] = {0, 1, 2, 3};    // Slovensko
    p.intl[3] = {0, 1, 1, 1};    // Slovensko again: adds up
    const Usage u = aggregate(p);
    EXPECT_EQ(u.zoneBand(OskarZones, 8, 0), 15);
    EXPECT_EQ(u.zoneBand(TwistHomeInternetCall, 8, 0), 15);
    EXPECT_EQ(u.zoneBand(EtStandard, 5, 0), 10);
    EXPECT_EQ(u.zoneBand(EtStandard, 3, 0), 5);
    EXPECT_EQ(u.zoneBand(TmStandard, 1, 0), 2);
    EXPECT_EQ(u.zoneBand(TmStandard, 1, 1), 3);
    EXPECT_EQ(u.zoneBand(TmStandard, 1, 2), 4);
    EXPECT_EQ(u.zone(TmStandard, 1), 9);
    EXPECT_EQ(u.zone(OskarZones, 4), 9);
    EXPECT_EQ(u.zone(TwistHomeInternetCall, 7), 9);
}

TEST(Profile, ZoneTablesUseOnlyTheirZones) {
    const std::vector<std::vector<int>> allowed = {
        {1, 2, 3, 4, 5}, {1, 2, 3}, {1, 2, 3, 7, 8}, {1, 2, 3, 4, 5, 6}, {1, 2, 3}, {1, 2, 3}, {1, 2, 4, 5, 6, 7, 8}, {1, 2}};
    for (int s = 0; s < kSchemes; ++s)
        for (int c = 0; c < kCountries; ++c) {
            const int z = kZoneTable[s][c];
            EXPECT_NE(std::find(allowed[s].begin(), allowed[s].end(), z), allowed[s].end()) << s << ' ' << c;
        }
    EXPECT_EQ(kCountryNames[0], "Slovensko");
    EXPECT_EQ(kCountryNames[27], "Rusko");
    EXPECT_EQ(kCountryNames[35], "Velká Británie");
}

TEST(Profile, CountryOutsideTheListAddsNothing) {
    Profile p;
    p.intl[0] = {36, 10, 10, 10};
    p.intl[1] = {-1, 10, 10, 10};
    const Usage u = aggregate(p);
    for (const auto& scheme : u.zones)
        for (const auto& zone : scheme)
            for (std::int64_t m : zone) EXPECT_EQ(m, 0);
}

}  // namespace
}  // namespace sazbar
