// The default rules: destination of a number, band of a start time, the
// local time of a backup's moment, and the rules text itself.
#include <gtest/gtest.h>

#include "import/calendar.h"
#include "import/rules.h"

namespace sazbar::import {
namespace {

TEST(ImportRules, NumbersGoToTheirNetworkOrCountry) {
    const struct {
        const char* number;
        Dest dest;
        int country;  // Foreign: the country; Unclassified: the detail
        Unfit unfit;
    } cases[] = {
        {"222 000 111", Dest::FixedLine, -1, Unfit::None},
        {"+420 545 000 112", Dest::FixedLine, -1, Unfit::None},
        {"00420609000000", Dest::FixedLine, -1, Unfit::None},  // no mobile rule: domestic, so fixed line
        {"601000001", Dest::Eurotel, -1, Unfit::None},
        {"602000001", Dest::Eurotel, -1, Unfit::None},
        {"606000001", Dest::Eurotel, -1, Unfit::None},
        {"607000001", Dest::Eurotel, -1, Unfit::None},
        {"+420 724 000 001", Dest::Eurotel, -1, Unfit::None},
        {"603000001", Dest::TMobile, -1, Unfit::None},
        {"604-000-001", Dest::TMobile, -1, Unfit::None},
        {"(605) 000 001", Dest::TMobile, -1, Unfit::None},
        {"00420 739 000 001", Dest::TMobile, -1, Unfit::None},
        {"608000001", Dest::Oskar, -1, Unfit::None},
        {"+420777000001", Dest::Oskar, -1, Unfit::None},
        {"4603", Dest::VoiceMail, -1, Unfit::None},
        {"9999", Dest::VoiceMail, -1, Unfit::None},
        {"962", Dest::VoiceMail, -1, Unfit::None},
        {"+421 2 0000 0001", Dest::Foreign, 0, Unfit::None},
        {"0049 30 000001", Dest::Foreign, 1, Unfit::None},
        {"+7 495 000 0001", Dest::Foreign, 27, Unfit::None},
        {"+1 212 000 0001", Dest::Foreign, 34, Unfit::None},
        {"+1 416 000 0001", Dest::Foreign, 17, Unfit::None},
        {"+382 20 000 001", Dest::Foreign, 16, Unfit::None},
        {"+44 20 0000 0001", Dest::Foreign, 35, Unfit::None},
        {"+1 876 000 0001", Dest::Unclassified, 1, Unfit::CountryExcluded},
        {"+7 727 000 0001", Dest::Unclassified, 7, Unfit::CountryExcluded},
        {"+81 3 0000 0001", Dest::Unclassified, 81, Unfit::CountryCode},
        {"+886 2 0000 0001", Dest::Unclassified, 886, Unfit::CountryCode},
        {"1188", Dest::Unclassified, 4, Unfit::DomesticLength},
        {"60100000", Dest::Unclassified, 8, Unfit::DomesticLength},
        {"100000000", Dest::Unclassified, 0, Unfit::DomesticForm},
        {"", Dest::Unclassified, 0, Unfit::NoNumber},
        {"-2", Dest::Unclassified, 0, Unfit::NoNumber},
        {"Vodafone", Dest::Unclassified, 0, Unfit::NotANumber},
        {"60100+0001", Dest::Unclassified, 0, Unfit::NotANumber},
    };
    for (const auto& c : cases) {
        const Classified got = defaultRules().classify(c.number);
        EXPECT_EQ(got.dest, c.dest) << c.number;
        EXPECT_EQ(got.unfit, c.unfit) << c.number;
        if (c.dest == Dest::Foreign) {
            EXPECT_EQ(got.country, c.country) << c.number;
        }
        if (c.dest == Dest::Unclassified) {
            EXPECT_EQ(got.detail, c.country) << c.number;
        }
    }
}

TEST(ImportRules, StartTimesFallIntoBands) {
    const struct {
        int y, m, d, h, min;
        Band band;
    } cases[] = {
        {2026, 4, 8, 6, 59, Evening},    // Wednesday
        {2026, 4, 8, 7, 0, Peak},
        {2026, 4, 8, 15, 59, Peak},
        {2026, 4, 8, 16, 0, Afternoon},
        {2026, 4, 8, 18, 59, Afternoon},
        {2026, 4, 8, 19, 0, Evening},
        {2026, 4, 10, 23, 59, Evening},  // Friday night, then Saturday
        {2026, 4, 11, 0, 0, Weekend},
        {2026, 4, 12, 23, 59, Weekend},  // Sunday night, then Monday
        {2026, 4, 13, 0, 0, Evening},
        {2026, 4, 3, 10, 0, Weekend},    // Good Friday
        {2015, 4, 3, 10, 0, Peak},       // Good Friday before it was a holiday
        {2026, 4, 6, 10, 0, Weekend},    // Easter Monday
        {2026, 10, 28, 10, 0, Weekend},  // a Wednesday holiday
        {2026, 12, 24, 8, 0, Weekend},
        {2026, 12, 23, 8, 0, Peak},
    };
    for (const auto& c : cases)
        EXPECT_EQ(defaultRules().band(c.y, c.m, c.d, c.h, c.min), c.band)
            << c.y << "-" << c.m << "-" << c.d << " " << c.h << ":" << c.min;
}

TEST(ImportRules, BackupMomentsInPragueTime) {
    const struct {
        std::int64_t utcSeconds;
        LocalTime local;
    } cases[] = {
        {1774745999, {2026, 3, 29, 1, 59, 59}},   // last second of winter time
        {1774746000, {2026, 3, 29, 3, 0, 0}},     // summer time begins
        {1774823400, {2026, 3, 30, 0, 30, 0}},    // Monday 00:30 summer time, Sunday 23:30 in winter time
        {1792889999, {2026, 10, 25, 2, 59, 59}},  // last second of summer time
        {1792890000, {2026, 10, 25, 2, 0, 0}},    // the hour again in winter time
        {1792971000, {2026, 10, 26, 0, 30, 0}},
        {1767225600, {2026, 1, 1, 1, 0, 0}},
        {811904400, {1995, 9, 24, 2, 0, 0}},      // before 1996 summer time ended in September
        {0, {1970, 1, 1, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        LocalTime t;
        ASSERT_TRUE(pragueTime(c.utcSeconds * 1000, t)) << c.utcSeconds;
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second),
                  std::tie(c.local.year, c.local.month, c.local.day, c.local.hour, c.local.minute, c.local.second))
            << c.utcSeconds;
    }
    LocalTime t;
    EXPECT_FALSE(pragueTime(-2208988800LL * 1000 - 1, t));
    EXPECT_FALSE(pragueTime(std::numeric_limits<std::int64_t>::max(), t));
    EXPECT_EQ(easterSunday(2026), daysFromCivil(2026, 4, 5));
    EXPECT_EQ(easterSunday(2000), daysFromCivil(2000, 4, 23));
}

TEST(ImportRules, RulesTextIsReadAndBadLinesNamed) {
    Rules r;
    std::string error;
    ASSERT_TRUE(parseRules("weekday 00:00 Večer\nweekday 08:00 Špička\nweekday 17:30 Odpoledne\n"
                           "mobile 79 Oskar # new range\nvoicemail 123\ncountry 81 Německo\nholiday 03-02 from 2020\n",
                           r, error))
        << error;
    EXPECT_EQ(r.band(2026, 4, 8, 7, 59), Evening);
    EXPECT_EQ(r.band(2026, 4, 8, 17, 30), Afternoon);
    EXPECT_EQ(r.band(2026, 3, 2, 10, 0), Weekend);
    EXPECT_EQ(r.classify("790000000").dest, Dest::Oskar);
    EXPECT_EQ(r.classify("601000000").dest, Dest::FixedLine);  // only the rules given
    EXPECT_EQ(r.classify("123").dest, Dest::VoiceMail);
    EXPECT_EQ(r.classify("+81 1").country, 1);

    const struct {
        const char* text;
        const char* error;
    } bad[] = {
        {"frobnicate 1", "line 1: unknown rule 'frobnicate'"},
        {"\nmobile 6x1 Oskar", "line 2: mobile needs"},
        {"mobile 601 Vodafone", "line 1: mobile needs"},
        {"country 81 Japonsko", "line 1: country needs"},
        {"weekday 07:00 Špička", "line 1: the first weekday time must be 00:00"},
        {"weekday 00:00 Večer\nweekday 00:00 Špička", "line 2: weekday times must rise"},
        {"weekday 00:00 Víkend", "line 1: weekday needs"},
        {"weekday 00:60 Večer", "line 1: weekday needs"},
        {"holiday 02-30", "line 1: holiday needs"},
        {"holiday 01-01 since 2000", "line 1: holiday: after"},
        {"national-length 99", "line 1: national-length"},
    };
    for (const auto& b : bad) {
        Rules keep = defaultRules();
        EXPECT_FALSE(parseRules(b.text, keep, error)) << b.text;
        EXPECT_TRUE(error.starts_with(b.error)) << b.text << " -> " << error;
        EXPECT_EQ(keep.networks.size(), defaultRules().networks.size());
    }
}

}  // namespace
}  // namespace sazbar::import
