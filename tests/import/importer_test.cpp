// What a log's events become: boxes, skipped events, unclassified numbers,
// the four international rows and the period.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "import/importer.h"
#include "import/readers.h"

namespace sazbar::import {
namespace {

constexpr const char* kHeader = "date,time,direction,number,duration,type,volume_kb\n";

Importer readCsv(const std::string& rows) {
    Importer importer;
    const ReadOutcome out = readLog(std::string(kHeader) + rows, importer);
    EXPECT_TRUE(out.ok) << out.refusal;
    return importer;
}

std::int64_t skipped(const Summary& s, Skip k) { return s.skipped[static_cast<int>(k)]; }

TEST(Importer, EventsFillTheirBoxesAndTheRestIsAccounted) {
    // 2026-04-08 is a Wednesday, 2026-04-11 a Saturday; 30 days, so no scaling.
    const Importer importer = readCsv(
        "2026-04-01,10:00,out,222000111,61,call,\n"      // fixed line, peak: 2 started minutes
        "8. 4. 2026,10:05,out,222000112,59,call,\n"      // 1
        "8. 4. 2026,10:10,out,222000113,1,call,\n"       // 1
        "8. 4. 2026,16:00,out,603000001,60,call,\n"      // T-Mobile, afternoon: 1
        "8. 4. 2026,19:00:30,out,601000001,600,call,\n"  // Eurotel, evening: 10
        "11.4.2026,12:00,out,608000001,90,call,\n"       // Oskar, weekend: 2
        "8. 4. 2026,12:00,out,4603,30,call,\n"           // voice mailbox, peak: 1
        "8. 4. 2026,12:00,in,603000002,300,call,\n"
        "8. 4. 2026,12:00,missed,603000003,0,call,\n"
        "8. 4. 2026,12:00,out,603000004,0,call,\n"       // not connected
        "8. 4. 2026,12:00,out,603000005,,sms,\n"
        "8. 4. 2026,12:00,out,601000005,,sms,\n"
        "8. 4. 2026,12:00,out,601000006,,sms,\n"
        "8. 4. 2026,12:00,out,777000005,,sms,\n"
        "8. 4. 2026,12:00,out,222000005,,sms,\n"        // no box for it
        "8. 4. 2026,12:00,out,+49 1,,sms,\n"            // neither
        "8. 4. 2026,12:00,in,603000006,,sms,\n"
        "8. 4. 2026,12:00,out,601000007,,mms,\n"
        "8. 4. 2026,12:00,out,,,data,1500\n"
        "8. 4. 2026,12:00,out,,,data,0.5\n"              // rounded up to 1 kB
        "8. 4. 2026,12:00,out,,,wap,200\n"
        "8. 4. 2026,17:00,out,,120,data,\n"              // circuit-switched data, afternoon
        "8. 4. 2026,20:00,out,,61,wap,\n"                // WAP minutes, evening
        "8. 4. 2026,12:00,out,1188,130,call,\n"          // fits no rule
        "30. 4. 2026,12:00,out,+81 3 1,45,call,\n");
    const ImportResult r = importer.result();
    const Profile& p = r.profile;
    EXPECT_FALSE(r.summary.scaled);
    EXPECT_EQ(r.summary.days, 30);
    EXPECT_EQ(p.matrix[Peak][FixedLine], 4);
    EXPECT_EQ(p.matrix[Afternoon][TMobile], 1);
    EXPECT_EQ(p.matrix[Evening][Eurotel], 10);
    EXPECT_EQ(p.matrix[Weekend][Oskar], 2);
    EXPECT_EQ(p.matrix[Peak][VoiceMail], 1);
    EXPECT_EQ(p.matrix[Peak][TMobile], 0);
    EXPECT_EQ(p.matrix[kSmsToTMobile][Messages], 1);
    EXPECT_EQ(p.matrix[kSmsToEurotel][Messages], 2);
    EXPECT_EQ(p.matrix[kSmsToOskar][Messages], 1);
    EXPECT_EQ(p.matrix[kMms][Messages], 1);
    EXPECT_EQ(p.gprsNet, 1501);
    EXPECT_EQ(p.gprsWap, 200);
    EXPECT_EQ(p.matrix[Afternoon][Data], 2);
    EXPECT_EQ(p.wap[Evening], 2);
    EXPECT_EQ(totalCallMinutes(p), 4 + 1 + 10 + 2 + 1);

    const Summary& s = r.summary;
    EXPECT_EQ(s.events, 25);
    EXPECT_EQ(s.counted, 25 - 4);
    EXPECT_EQ(skipped(s, Skip::IncomingCall), 1);
    EXPECT_EQ(skipped(s, Skip::MissedCall), 1);
    EXPECT_EQ(skipped(s, Skip::Unanswered), 1);
    EXPECT_EQ(skipped(s, Skip::Received), 1);
    EXPECT_EQ(s.noBox[static_cast<int>(NoBox::SmsFixedLine)], 1);
    EXPECT_EQ(s.noBox[static_cast<int>(NoBox::SmsForeign)], 1);
    ASSERT_EQ(s.unclassified.size(), 2u);
    EXPECT_EQ(s.unclassified[0].unfit, Unfit::DomesticLength);
    EXPECT_EQ(s.unclassified[0].count, 1);
    EXPECT_EQ(s.unclassified[0].minutes, 3);
    EXPECT_EQ(s.unclassified[1].unfit, Unfit::CountryCode);
    EXPECT_EQ(s.unclassified[1].detail, 81);

    // Per second: 61 + 59 + 1 s are 121 s, three minutes, not four.
    const ImportResult seconds = importer.result({.perSecond = true, .month = {}});
    EXPECT_EQ(seconds.profile.matrix[Peak][FixedLine], 3);
    EXPECT_EQ(seconds.profile.matrix[Evening][Eurotel], 10);
}

TEST(Importer, FourCountriesWithTheMostMinutesFillTheRows) {
    const Importer importer = readCsv(
        "1. 4. 2026,10:00,out,+421 1,120,call,\n"   // Slovensko 2 + 1 + 3
        "1. 4. 2026,17:00,out,+421 1,60,call,\n"
        "4. 4. 2026,10:00,out,+421 1,180,call,\n"   // Saturday: evening and weekend
        "1. 4. 2026,10:00,out,+44 1,600,call,\n"    // Velká Británie 10
        "1. 4. 2026,10:00,out,+49 1,240,call,\n"    // Německo 4
        "1. 4. 2026,10:00,out,+43 1,60,call,\n"     // Rakousko 1: left out
        "30. 4. 2026,20:00,out,0048 1,420,call,\n"  // Polsko 7, evening
        "30. 4. 2026,20:00,in,+1 212 1,900,call,\n");
    const ImportResult r = importer.result();
    const auto& intl = r.profile.intl;
    EXPECT_EQ(intl[0].country, 35);
    EXPECT_EQ(intl[0].peak, 10);
    EXPECT_EQ(intl[1].country, 2);
    EXPECT_EQ(intl[1].eveningWeekend, 7);
    EXPECT_EQ(intl[2].country, 0);
    EXPECT_EQ(std::tie(intl[2].peak, intl[2].afternoon, intl[2].eveningWeekend), std::make_tuple(2, 1, 3));
    EXPECT_EQ(intl[3].country, 1);
    ASSERT_EQ(r.summary.countriesLeftOut.size(), 1u);
    EXPECT_EQ(r.summary.countriesLeftOut[0].country, 3);
    EXPECT_EQ(r.summary.countriesLeftOut[0].minutes, 1);

    // Two countries: the other rows keep distinct countries and no minutes.
    // Scaled to 30 days, the order stays; equal minutes go by the country list.
    const ImportResult few = readCsv("1. 4. 2026,10:00,out,+44 1,120,call,\n1. 4. 2026,10:00,out,+421 1,60,call,\n")
                                 .result();
    EXPECT_EQ(few.profile.intl[0].country, 35);
    EXPECT_EQ(few.profile.intl[1].country, 0);
    EXPECT_EQ(few.profile.intl[2].country, 1);
    EXPECT_EQ(few.profile.intl[3].country, 2);
    EXPECT_EQ(few.profile.intl[3].peak, 0);
}

TEST(Importer, PeriodIsScaledToThirtyDaysOrOneCalendarMonth) {
    const struct {
        const char* rows;
        std::optional<YearMonth> month;
        std::int64_t days;
        bool scaled;
        std::int32_t peakFixed;
    } cases[] = {
        // 1.-15. 4.: 15 days, times two.
        {"1. 4. 2026,10:00,out,222000001,600,call,\n15. 4. 2026,10:00,out,222000001,60,call,\n", {}, 15, true, 22},
        // 11 minutes in 45 days: 11 x 30 / 45 = 7.33.
        {"1. 4. 2026,10:00,out,222000001,660,call,\n15. 5. 2026,9:00,in,222000001,60,call,\n", {}, 45, true, 7},
        // One chosen month of two: its own counts, as they are.
        {"1. 4. 2026,10:00,out,222000001,660,call,\n15. 5. 2026,9:00,out,222000001,60,call,\n",
         YearMonth{2026, 5}, 31, false, 1},
        // A day's log: 1 minute x 30; half minutes round up (1 x 30 / 60 days = 0.5).
        {"1. 4. 2026,10:00,out,222000001,60,call,\n", {}, 1, true, 30},
        {"2. 1. 2026,10:00,out,222000001,60,call,\n2. 3. 2026,10:00,in,1,1,call,\n", {}, 60, true, 1},
    };
    for (const auto& c : cases) {
        const Importer importer = readCsv(c.rows);
        const ImportResult r = importer.result({.perSecond = false, .month = c.month});
        EXPECT_EQ(r.summary.days, c.days) << c.rows;
        EXPECT_EQ(r.summary.scaled, c.scaled) << c.rows;
        EXPECT_EQ(r.profile.matrix[Peak][FixedLine], c.peakFixed) << c.rows;
    }
    const Importer two = readCsv(cases[2].rows);
    ASSERT_EQ(two.months().size(), 2u);
    EXPECT_EQ(two.months()[0], (YearMonth{2026, 4}));
    EXPECT_EQ(two.result({.perSecond = false, .month = YearMonth{2026, 4}}).profile.matrix[Peak][FixedLine], 11);
    EXPECT_EQ(two.result({.perSecond = false, .month = YearMonth{2026, 6}}).summary.events, 0);  // not in the log: nothing
}

TEST(Importer, EventsFarFromTheRestAreNamed) {
    const std::string april = "1. 4. 2026,10:00,out,222000001,60,call,\n2. 4. 2026,10:00,in,222000001,60,call,\n";
    const struct {
        std::string rows;
        std::int64_t events;  // of the stray group; 0: none
        const char* first;    // its first day
        std::int64_t gap;
    } cases[] = {
        {april + "1. 4. 2099,10:00,out,222000001,60,call,\n", 1, "2099-04-01", 26662},
        {"1. 4. 1995,10:00,out,222000001,60,call,\n" + april, 1, "1995-04-01", 11323},
        {april + "30. 4. 2027,10:00,out,222000001,60,call,\n", 1, "2027-04-30", 393},
        {april + "30. 4. 2027,10:00,out,222000001,60,call,\n2. 6. 2027,10:00,out,222000001,60,call,\n", 2,
         "2026-04-01", 393},                                              // a tie: the earlier group
        {april + "2. 4. 2027,10:00,out,222000001,60,call,\n", 0, "", 0},  // a year: no stray
        {april + "1. 12. 2026,10:00,out,222000001,60,call,\n1. 8. 2027,10:00,out,222000001,60,call,\n", 0, "", 0},
    };
    for (const auto& c : cases) {
        const Importer importer = readCsv(c.rows);
        const Summary s = importer.result().summary;
        ASSERT_EQ(s.stray.has_value(), c.events > 0) << c.rows;
        EXPECT_FALSE(importer.result({.perSecond = false, .month = importer.months()[0]}).summary.stray);
        if (!s.stray) continue;
        EXPECT_EQ(s.stray->events, c.events) << c.rows;
        int y, m, d;
        civilFromDays(s.stray->firstDay, y, m, d);
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", y, m, d);
        EXPECT_STREQ(day, c.first) << c.rows;
        EXPECT_EQ(s.stray->gapDays, c.gap) << c.rows;
    }
}

// An importer that keeps only the whole log or one month counts them as one
// that keeps every month, and knows every month of the log all the same.
TEST(Importer, ScopesKeepOnlyWhatIsAskedForAndCountTheSame) {
    const std::string rows = "28. 2. 2026,10:00,out,222000001,660,call,\n1. 4. 2026,10:00,out,+49 30 1,60,call,\n"
                             "3. 4. 2026,20:00,out,603000001,,sms,\n15. 1. 2026,9:00,out,1188,30,call,\n";
    const Importer each = readCsv(rows);
    const YearMonth april{2026, 4};
    const struct {
        ImportScope scope;
        std::optional<YearMonth> kept, notKept;
    } cases[] = {
        {ImportScope::wholeLog(), std::nullopt, april},
        {ImportScope::oneMonth(april), april, std::nullopt},
    };
    for (const auto& c : cases) {
        Importer importer(defaultRules(), c.scope);
        ASSERT_TRUE(readLog(std::string(kHeader) + rows, importer).ok);
        EXPECT_EQ(importer.months(), each.months());
        EXPECT_EQ(importer.events(), each.events());
        for (bool perSecond : {false, true}) {
            const ImportResult got = importer.result({perSecond, c.kept}), want = each.result({perSecond, c.kept});
            EXPECT_EQ(got.profile.matrix, want.profile.matrix);
            EXPECT_EQ(got.profile.intl[0].country, want.profile.intl[0].country);
            EXPECT_EQ(got.profile.intl[0].peak, want.profile.intl[0].peak);
            EXPECT_EQ(got.summary.days, want.summary.days);
            EXPECT_EQ(got.summary.counted, want.summary.counted);
            EXPECT_EQ(got.summary.unclassified.size(), want.summary.unclassified.size());
        }
        EXPECT_EQ(importer.result({false, c.notKept}).summary.events, 0);
    }
    EXPECT_EQ(each.months(), (std::vector<YearMonth>{{2026, 1}, {2026, 2}, {2026, 4}}));
}

TEST(Importer, MalformedRowsAreRefusedByLineAndTheRestCounted) {
    const struct {
        const char* row;
        const char* message;
    } cases[] = {
        {"32. 1. 2026,10:00,out,222000001,60,call,", "date: "},
        {"2026-02-29,10:00,out,222000001,60,call,", "date: "},
        {"1. 1. 26,10:00,out,222000001,60,call,", "date: "},
        {"1.4.2999,10:00,out,222000001,60,call,", "date: the year must be from 1990 to 2100"},
        {"1989-12-31,10:00,out,222000001,60,call,", "date: the year must be from 1990 to 2100"},
        {"29. 2. 2104,10:00,out,222000001,60,call,", "date: the year must be from 1990 to 2100"},
        {"1. 1. 2026,24:00,out,222000001,60,call,", "time: "},
        {"1. 1. 2026,10:5,out,222000001,60,call,", "time: "},
        {"1. 1. 2026,10:00,sideways,222000001,60,call,", "direction: "},
        {"1. 1. 2026,10:00,out,222000001,-5,call,", "duration: "},
        {"1. 1. 2026,10:00,out,222000001,1.5,call,", "duration: "},
        {"1. 1. 2026,10:00,out,222000001,99999999,call,", "duration: "},
        {"1. 1. 2026,10:00,out,222000001,60,fax,", "type: "},
        {"1. 1. 2026,10:00,out,,,data,lots", "volume_kb: "},
        {"1. 1. 2026,10:00,out,222000001,60,call", "expected 7 fields, got 6"},
        {"1. 1. 2026,10:00,out,\"222000001,60,call,", "a quote is not closed"},
    };
    for (const auto& c : cases) {
        const Importer importer = readCsv(std::string("1. 1. 2026,10:00,out,222000001,60,call,\n") + c.row +
                                          "\n\n2. 1. 2026,10:00,out,\"222 000 001\",60,call,\n");
        const ImportResult r = importer.result();
        EXPECT_EQ(r.summary.refused, 1) << c.row;
        ASSERT_EQ(r.summary.issues.size(), 1u) << c.row;
        EXPECT_EQ(r.summary.issues[0].line, 3) << c.row;
        EXPECT_TRUE(r.summary.issues[0].message.starts_with(c.message)) << c.row << " -> " << r.summary.issues[0].message;
        EXPECT_EQ(r.summary.issues[0].message.find("222"), std::string::npos) << "a number in a message";
        EXPECT_EQ(r.summary.counted, 2) << c.row;
    }
}

}  // namespace
}  // namespace sazbar::import
