#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "pricing/engine.h"
#include "test_profiles.h"

namespace sazbar {
namespace {

using test::P;

// A "naplno" hint: every line, the last one included, ends with "\n\r".
std::string naplnoHint(std::initializer_list<const char*> parts) {
    std::string s;
    for (const char* part : parts) s.append(part).append("\n\r");
    return s;
}

constexpr const char* kVolne = "+ příplatek Moje volné minuty";
constexpr const char* kSms = "+ příplatek Moje SMS";
constexpr const char* kMmsAddOn = "+ příplatek Moje MMS";
constexpr const char* kWapAddOn = "+ příplatek Můj WAP";
constexpr const char* kNaskok = "Připojení Naskok";
constexpr const char* kNadlouho = "Připojení Nadlouho";

struct Case {
    const char* id;
    Profile profile;
    std::int32_t price;
    std::string hint;
};

void expectCases(std::initializer_list<Case> cases, bool directDebit = false) {
    int row = 0;
    for (const Case& c : cases) {
        const RunResult r = runPricing(c.profile, {.directDebit = directDebit});
        EXPECT_EQ(r[c.id].price, c.price) << "row " << row << " " << c.id;
        EXPECT_EQ(r[c.id].hint, c.hint) << "row " << row << " " << c.id;
        ++row;
    }
}

// The figures below are worked by hand from the Oskar price list (the rows of
// pricing/oskar.cpp: kNaplno, kFreeOskar, kOskarta, kTiered, and the add-ons).

TEST(Oskar, AllZeroProfileCostsTheFees) {
    const std::string n = naplnoHint({kNaskok});
    expectCases({{"naplno50", P(), 297, n},     {"naplno150", P(), 714, n},     {"naplno300", P(), 1190, n},
                 {"naplno500", P(), 1904, n},   {"naplnorozjezd", P(), 59, n},  {"mezinami", P(), 654, kNaskok},
                 {"odepis", P(), 11, kNaskok},  {"oskarta", P(), 0, ""},        {"najistotu", P(), 119, kNaskok},
                 {"nazisk", P(), 297, kNaskok}});
}

TEST(OskarNaplno, FreeMinutesAddOnTakenUnlessStrictlyDearer) {
    const std::string no = naplnoHint({kNaskok}), yes = naplnoHint({kVolne, kNaskok});
    expectCases({
        // 67 min: 17 paid * 5.36 = 91.12 < 95.2; 68 min: 96.48 >= 95.2 (share_plus 0 below 70).
        {"naplno50", P().calls(FixedLine, 67), 388, no},
        {"naplno50", P().calls(FixedLine, 68), 392, yes},
        // 200 min at 4.76: 238 against 142.8 + 95.2 = 238, equal: taken.
        {"naplno150", P().calls(FixedLine, 200), 952, yes},
        // One minute to the mailbox: 236.81 against 237.286.
        {"naplno150", P().calls(FixedLine, 199).calls(VoiceMail, 1), 950, no},
        // 119 Oskar min: equality at 15 mailbox minutes (399.84 both), dearer at 16.
        {"naplno50", P().calls(Oskar, 119).calls(VoiceMail, 14), 694, yes},
        {"naplno50", P().calls(Oskar, 119).calls(VoiceMail, 15), 697, yes},
        {"naplno50", P().calls(Oskar, 119).calls(VoiceMail, 16), 699, no},
        // Paid share 75/225 of 714 is exactly 238: the price must not drop to 951.
        {"naplno150", P().calls(FixedLine, 150).calls(VoiceMail, 75), 952, no},
        {"naplno300", P().calls(TMobile, 400), 1607, no},
        {"naplno500", P().calls(Eurotel, 600), 2300, no},
        // Rozjezd pays every minute: 15 * 5.95 = 89.25 < 95.2, 16 * 5.95 = 95.2 equal.
        {"naplnorozjezd", P().calls(FixedLine, 15), 148, no},
        {"naplnorozjezd", P().calls(FixedLine, 16), 154, yes},
        // 20 min + 5 mailbox: 119 against 23.8 + 95.2 = 119; with 6: 119 < 122.66.
        {"naplnorozjezd", P().calls(FixedLine, 20).calls(VoiceMail, 5), 178, yes},
        {"naplnorozjezd", P().calls(FixedLine, 20).calls(VoiceMail, 6), 178, no},
    });
}

TEST(OskarNaplno, SmsAddOnAndDirectDebit) {
    const std::string no = naplnoHint({kNaskok}), yes = naplnoHint({kSms, kNaskok});
    // naplno50: fee 297.5 plus the SMS step.
    expectCases({
        {"naplno50", P(), 297, no},
        {"naplno50", P().sms(79), 391, no},          // 94.01 < 95.2
        {"naplno50", P().sms(30, 30, 20), 392, yes},  // 95.2 either way: taken
        {"naplno50", P().sms(110), 404, yes},        // 130.9 against 107.1
    });
    expectCases(
        {
            {"naplno50", P().sms(20), 297, no},           // 20 free
            {"naplno50", P().sms(21), 298, no},           // 1.19
            {"naplno50", P().sms(80), 368, no},           // 71.4
            {"naplno50", P().sms(99), 391, no},           // 94.01
            {"naplno50", P().sms(50, 50), 392, yes},      // 95.2 either way
            {"naplno50", P().sms(110), 392, yes},         // 107.1 against 95.2
            {"naplno50", P().sms(0, 0, 121), 393, yes},   // 120.19 against 96.39
            {"naplnorozjezd", P().sms(110), 154, yes},
        },
        true);
}

TEST(OskarNaplno, MmsAndWapAddOns) {
    const std::string no = naplnoHint({kNaskok});
    expectCases({
        {"naplno50", P().mms(9), 399, no},                                   // 101.79 < 107.1
        {"naplno50", P().mms(10), 404, naplnoHint({kMmsAddOn, kNaskok})},    // 107.1 <= 113.1
        {"naplno50", P().mms(11), 415, naplnoHint({kMmsAddOn, kNaskok})},    // 118.41
        {"naplno50", P().wap(29), 349, no},                                  // 51.91 < 53.55
        {"naplno50", P().wap(10, 10, 5, 5), 351, naplnoHint({kWapAddOn, kNaskok})},  // 53.55 <= 53.7
        {"naplno50", P().wap(41), 352, naplnoHint({kWapAddOn, kNaskok})},    // 55.34
    });
}

TEST(OskarNaplno, HintListsEveryAddOnInStepOrder) {
    // 148.8 + 297.5 + data 11.9 + SMS 107.1 + MMS 107.1 + WAP 53.55 + Nadlouho 476 = 1201.95
    const Profile p = P().calls(FixedLine, 80).calls(Data, 2).sms(110).mms(10).wap(30).gprs(0, 20000);
    expectCases({{"naplno50", p, 1201, naplnoHint({kVolne, kSms, kMmsAddOn, kWapAddOn, kNadlouho})}});
}

TEST(OskarNaplno, VoiceMailboxIsFreeButUsesIncludedMinutes) {
    const RunResult empty = runPricing(Profile{});
    const RunResult mailbox = runPricing(P().calls(VoiceMail, 100, 20, 20, 20));
    for (int i : kTariffsOf<Operator::Oskar>) EXPECT_EQ(mailbox.fields[i].price, empty.fields[i].price) << i;
    // 50 paid minutes alone are included; with 50 mailbox minutes half of them are paid.
    expectCases({{"naplno50", P().calls(FixedLine, 50), 297, naplnoHint({kNaskok})},
                 {"naplno50", P().calls(FixedLine, 50).calls(VoiceMail, 50), 431, naplnoHint({kNaskok})}});
}

TEST(Oskar, DirectDebitChangesOnlyTheNaplnoSmsStep) {
    P rich = P().calls(FixedLine, 40, 30, 20, 10).calls(Oskar, 100, 50).calls(VoiceMail, 5).calls(Data, 3);
    rich.mms(12).wap(35).gprs(300, 20000).intl(0, 22, 10, 5, 3).intl(1, 27, 4);
    for (int sms : {0, 50}) {
        rich.sms(sms);
        const RunResult off = runPricing(rich, {.directDebit = false});
        const RunResult on = runPricing(rich, {.directDebit = true});
        for (int i = 0; i < kTariffCount; ++i) {
            const bool naplno = kTariffs[i].id.starts_with("naplno");
            EXPECT_EQ(off.fields[i].hint, on.fields[i].hint) << kTariffs[i].id;
            if (sms > 0 && naplno) {
                // 50 * 1.19 = 59.5 against 30 * 1.19 = 35.7: 23.8 less.
                EXPECT_NEAR(off.fields[i].price - on.fields[i].price, 23.8, 1.0) << kTariffs[i].id;
            } else {
                EXPECT_EQ(off.fields[i].price, on.fields[i].price) << kTariffs[i].id;
            }
        }
    }
}

TEST(OskarGprs, ConnectionChoiceByCombinedVolume) {
    // "Mezi námi": fee 654.5 plus the chosen connection.
    expectCases({
        {"mezinami", P().gprs(0, 3966), 892, kNaskok},     // 237.96 < 238
        {"mezinami", P().gprs(0, 3967), 892, kNadlouho},   // 238.02
        {"mezinami", P().gprs(495, 0), 892, kNaskok},      // 237.6
        {"mezinami", P().gprs(496, 0), 892, kNadlouho},    // 238.08
        {"mezinami", P().gprs(5000, 5000), 892, kNadlouho},
        {"mezinami", P().gprs(5000, 5001), 1130, kNadlouho},
        {"mezinami", P().gprs(0, 40000), 1130, kNadlouho},
        {"mezinami", P().gprs(0, 40001), 1368, kNadlouho},
        {"mezinami", P().gprs(0, 70000), 1368, kNadlouho},
        {"mezinami", P().gprs(0, 70001), 1606, kNadlouho},
        // The combined volume must not wrap around in 32 bits.
        {"mezinami", P().gprs(INT_MAX, INT_MAX), 1606, kNadlouho},
        // Only a negative entry can make both cost the same (714): Nadlouho wins.
        {"mezinami", P().gprs(-4015, 44020), 1368, kNadlouho},
        {"mezinami", P().gprs(-4015, 44019), 1368, kNaskok},
        {"najistotu", P().gprs(0, 10001), 595, kNadlouho},
        {"naplnorozjezd", P().gprs(0, 10000), 297, naplnoHint({kNadlouho})},
        {"oskarta", P().gprs(1000, 1000), 668, ""},  // 600 + 68, no connection
    });
}

TEST(OskarIntl, ZonesAndRatesPerTariff) {
    // 10 peak, 20 afternoon, 40 evening/weekend minutes to one country.
    struct Row {
        int country;
        std::int32_t naplno50, mezinami, odepis, oskarta, najistotu;
    };
    const Row rows[] = {
        {2, 1089, 1446, 803, 791, 910},   // Polsko, zone 1: 70 * 11.31 = 791.7
        {4, 1089, 1446, 803, 791, 910},   // Austrálie, zone 2
        {0, 1089, 1190, 496, 791, 910},   // Slovensko, zone 4: 535.5 / 484.5
        {34, 1089, 1190, 803, 791, 910},  // USA, zone 5
        {22, 1089, 1017, 803, 791, 910},  // Maďarsko, zone 6: 196.2 + 166.4
        {1, 1089, 1446, 803, 791, 910},   // Německo, zone 7
        {27, 880, 1237, 595, 583, 702},   // Rusko, zone 8: 70 * 8.33 = 583.1
    };
    for (const Row& row : rows) {
        for (bool internet : {false, true}) {
            const RunResult r = runPricing(P().intl(0, row.country, 10, 20, 40).internetCalls(internet));
            const char* name = kCountryNames[row.country].data();
            EXPECT_EQ(r["naplno50"].price, row.naplno50) << name;
            EXPECT_EQ(r["mezinami"].price, row.mezinami) << name;
            EXPECT_EQ(r["odepis"].price, row.odepis) << name;
            EXPECT_EQ(r["oskarta"].price, row.oskarta) << name;
            EXPECT_EQ(r["najistotu"].price, row.najistotu) << name;
        }
    }
    // Rusko and Ukrajina add up in zone 8: 70 * 8.33 = 583.1.
    EXPECT_EQ(runPricing(P().intl(0, 27, 35).intl(1, 33, 35))["oskarta"].price, 583);
}

TEST(OskarFreeMinutes, MeziNamiAndOdepis) {
    expectCases({
        {"mezinami", P().calls(Oskar, 300), 654, kNaskok},
        {"mezinami", P().calls(Oskar, 100, 100, 100, 1), 658, kNaskok},  // 301: 3.57 above the fee
        {"odepis", P().calls(Oskar, 40), 11, kNaskok},
        {"odepis", P().calls(Oskar, 41), 19, kNaskok},  // 7.14
        {"mezinami", P().calls(Eurotel, 10), 714, kNaskok},
        {"odepis", P().calls(TMobile, 10), 130, kNaskok},
        {"mezinami", P().sms(100), 833, kNaskok},
        {"mezinami", P().sms(0, 0, 100), 714, kNaskok},
        {"odepis", P().sms(100), 190, kNaskok},
        {"odepis", P().sms(0, 100), 194, kNaskok},
        {"odepis", P().sms(0, 0, 100), 53, kNaskok},
        {"mezinami", P().calls(Data, 10), 690, kNaskok},
        {"odepis", P().calls(Data, 10), 130, kNaskok},
        {"mezinami", P().mms(10), 767, kNaskok},
        {"odepis", P().wap(10), 29, kNaskok},
    });
}

TEST(OskarOskarta, SurchargeBelow700) {
    expectCases({
        {"oskarta", P().calls(Oskar, 100), 357, ""},  // 100 * 3.57
        {"oskarta", P().calls(FixedLine, 100).calls(Oskar, 100), 952, ""},  // 714 + 238
        // 23.8 + 675.6 = 699.4 pays 11.9 more; exactly 700 does not.
        {"oskarta", P().calls(Oskar, 10).gprs(1126, 0), 711, ""},
        {"oskarta", P().calls(Oskar, 10).gprs(1127, 0), 700, ""},
        // International minutes count towards the 700: 678.6 + 23.8.
        {"oskarta", P().calls(Oskar, 10).intl(0, 2, 60), 702, ""},
        {"oskarta", P().sms(0, 0, 10), 23, ""},  // 10 * 2.38
        {"oskarta", P().sms(10, 10), 48, ""},    // 20 * 2.44
        {"oskarta", P().calls(Data, 10).mms(10).wap(10), 202, ""},  // 71.4 + 113.1 + 17.9
    });
}

TEST(OskarTiered, OskarMinuteTiers) {
    expectCases({
        {"najistotu", P().calls(Oskar, 34), 280, kNaskok},  // 161.84
        {"najistotu", P().calls(Oskar, 35), 285, kNaskok},  // 166.6
        {"najistotu", P().calls(Oskar, 36), 289, kNaskok},  // 170.17
        {"najistotu", P().calls(Oskar, 75), 428, kNaskok},  // 309.4
        {"najistotu", P().calls(Oskar, 76), 430, kNaskok},  // 311.78
        {"nazisk", P().calls(Oskar, 124), 740, kNaskok},    // 442.68
        {"nazisk", P().calls(Oskar, 126), 746, kNaskok},    // 448.63
        {"nazisk", P().calls(Oskar, 250), 1041, kNaskok},   // 743.75
        {"nazisk", P().calls(Oskar, 251), 1042, kNaskok},   // 744.94
        {"najistotu", P().calls(FixedLine, 5).calls(Data, 5), 166, kNaskok},  // 10 * 4.76
        {"nazisk", P().sms(10, 10, 10).mms(10).wap(10), 464, kNaskok},  // 35.7 + 113.1 + 17.9
    });
}

TEST(Oskar, RepeatedRunsKeepTheSameHints) {
    const Profile p = P().calls(FixedLine, 80).sms(110).mms(10).wap(30).gprs(0, 20000);
    RunResult r;
    runPricing(p, {}, r);
    const RunResult first = r;
    runPricing(p, {}, r);
    for (int i : kTariffsOf<Operator::Oskar>) {
        EXPECT_EQ(r.fields[i].hint, first.fields[i].hint) << kTariffs[i].id;
        EXPECT_EQ(r.fields[i].text(), first.fields[i].text()) << kTariffs[i].id;
    }
}

}  // namespace
}  // namespace sazbar
