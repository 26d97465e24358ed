// One month of telephone use and the values derived from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sazbar {

enum Band : int { Peak = 0, Afternoon = 1, Evening = 2, Weekend = 3 };
constexpr int kBands = 4;

// Rows of the usage matrix.
enum Row : int { FixedLine = 0, TMobile = 1, Eurotel = 2, Oskar = 3, Messages = 4, VoiceMail = 5, Data = 6 };
constexpr int kRows = 7;

// Cells of the messages row: not time bands but four different counts.
constexpr int kSmsToTMobile = Peak;
constexpr int kSmsToEurotel = Afternoon;
constexpr int kSmsToOskar = Evening;
constexpr int kMms = Weekend;

constexpr int kCountries = 36;
constexpr int kIntlRows = 4;

struct IntlRow {
    std::int32_t country = 0;  // index into the country list, 0..35
    std::int32_t peak = 0;
    std::int32_t afternoon = 0;
    std::int32_t eveningWeekend = 0;
};

struct Profile {
    std::array<std::array<std::int32_t, kRows>, kBands> matrix{};  // [band][row]
    std::array<std::int32_t, kBands> wap{};
    std::int32_t gprsWap = 0;  // kB
    std::int32_t gprsNet = 0;  // kB
    std::array<IntlRow, kIntlRows> intl{{{0, 0, 0, 0}, {1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}}};
    bool internetCalls = false;

    std::int32_t at(Band b, Row r) const { return matrix[b][r]; }
};

// The eight country-to-zone schemes.
enum Scheme : int {
    TmStandard = 0,
    TmInternetCall,
    TwistHomeInternetCall,
    EtStandard,
    EtNetCall,
    EtGo,
    OskarZones,
    FixedZones,
};
constexpr int kSchemes = 8;
constexpr int kZones = 8;
// Bands of international minutes: peak, afternoon, evening with weekend.
constexpr int kIntlBands = 3;

extern const std::array<std::string_view, kCountries> kCountryNames;
// Zone (1..8) of every country in every scheme.
extern const std::array<std::array<std::uint8_t, kCountries>, kSchemes> kZoneTable;

// International minutes per scheme, zone (index 0 = zone 1) and band.
using ZoneMinutes = std::array<std::array<std::int64_t, kIntlBands>, kZones>;

struct Usage {
    const Profile* profile = nullptr;
    std::int64_t totalCallMinutes = 0;
    std::array<std::int64_t, kRows> rowSums{};  // each matrix row over the four bands
    std::int64_t wapSum = 0;
    std::array<ZoneMinutes, kSchemes> zones{};

    // Sums over the four bands of one matrix row.
    std::int64_t row(Row r) const { return rowSums[r]; }
    std::int64_t cell(Band b, Row r) const { return profile->matrix[b][r]; }
    std::int64_t wap() const { return wapSum; }
    std::int64_t smsTm() const { return profile->matrix[kSmsToTMobile][Messages]; }
    std::int64_t smsEt() const { return profile->matrix[kSmsToEurotel][Messages]; }
    std::int64_t smsOsk() const { return profile->matrix[kSmsToOskar][Messages]; }
    std::int64_t sms() const { return smsTm() + smsEt() + smsOsk(); }
    std::int64_t mms() const { return profile->matrix[kMms][Messages]; }
    std::int64_t gprsWap() const { return profile->gprsWap; }
    std::int64_t gprsNet() const { return profile->gprsNet; }
    bool internetCalls() const { return profile->internetCalls; }
    // Minutes of zone z (1-based) of a scheme, summed over its three bands.
    std::int64_t zone(Scheme s, int z) const {
        const auto& c = zones[s][z - 1];
        return c[0] + c[1] + c[2];
    }
    std::int64_t zoneBand(Scheme s, int z, int band) const { return zones[s][z - 1][band]; }
};

// The total call minutes: calls to the four networks and the voice mailbox, all bands.
std::int64_t totalCallMinutes(const Profile& p);

// Aggregates a profile; the profile must outlive the result. Country indexes
// outside 0..35 contribute no minutes.
Usage aggregate(const Profile& p);

}  // namespace sazbar
