#include <gtest/gtest.h>

#include "pricing/engine.h"
#include "test_profiles.h"

namespace sazbar {
namespace {

using test::lines;
using test::P;

struct PriceCase {
    const char* id;
    std::int32_t price;
};

// The figures below are worked by hand from the T-Mobile price list (the rows of
// pricing/tmobile.cpp: kAllowance, kTarif20, kTwist, kInternet).

TEST(TMobile, AllZeroProfileCostsTheFees) {
    const RunResult r = runPricing(Profile{});
    const PriceCase cases[] = {
        {"t30", 226},   {"t80", 535},        {"t250", 1178},       {"t600", 2130},      {"hit30", 226},
        {"hit80", 535}, {"hit250", 1178},    {"hit600", 1904},     {"tarif20p20", 297}, {"twist_standard", 0},
        {"twist_sms", 0}, {"twist_extra", 69}, {"twist_home", 0},   {"student", 226},    {"internet", 831},
        {"internethit", 772},
    };
    for (const PriceCase& c : cases) {
        EXPECT_EQ(r[c.id].price, c.price) << c.id;
        EXPECT_EQ(r[c.id].text(), std::to_string(c.price)) << c.id;
    }
    for (const char* id : {"t30", "hit600", "tarif20p20", "student"}) EXPECT_EQ(r[id].hint, "GPRS Basic") << id;
    for (const char* id : {"twist_standard", "twist_sms", "twist_extra", "twist_home", "internet", "internethit"})
        EXPECT_EQ(r[id].hint, "") << id;
}

TEST(TMobile, IncludedMinutesSpreadOverAllCalls) {
    // 29 minutes are within the 30 included: only the fee.
    EXPECT_EQ(runPricing(P().calls(FixedLine, 29))["t30"].price, 226);
    // 60 minutes pay half: 60 * 7.14 / 2 = 214.2 + 226.1 = 440.3.
    EXPECT_EQ(runPricing(P().calls(FixedLine, 60))["t30"].price, 440);
    // Voice mailbox minutes count in the total and are discounted too:
    // 30 fixed + 30 vm on t30: (30 * 7.14 + 30 * 1.19) / 2 = 124.95 -> 351.05.
    EXPECT_EQ(runPricing(P().calls(FixedLine, 30).calls(VoiceMail, 30))["t30"].price, 351);
    // Share 1/3 with a result that must not lose a crown to rounding:
    // 45 Oskar minutes on t30 pay 15/45 of 321.3 = 107.1 -> 333.2.
    EXPECT_EQ(runPricing(P().calls(Oskar, 45))["t30"].price, 333);
}

TEST(TMobile, ExactArithmeticKeepsEveryCrown) {
    // 100 SMS at 1.19 on hit30 cost exactly 119 above the fee.
    EXPECT_EQ(runPricing(P().sms(100))["hit30"].price, 226 + 119);
    // 100 peak minutes to the fixed line with the 20 free: 80 * 2.98... spread:
    // (100 * 2.98) * 80 / 100 = 238.4 + 297.5 = 535.9
    EXPECT_EQ(runPricing(P().calls(FixedLine, 100))["tarif20p20"].price, 535);
}

TEST(TMobile, VikendPlusSurcharge) {
    const RunResult r40 = runPricing(P().calls(TMobile, 0, 0, 0, 40));
    // 40 weekend minutes at 0.6 = 24, share 10/40: 6 + 226.1 + 34.5 = 266.6
    EXPECT_EQ(r40["t30"].price, 266);
    EXPECT_EQ(r40["t30"].hint, lines({"GPRS Basic", "Příplatek Víkend+"}));
    // 30 weekend minutes never take it (threshold 31) and are fully included.
    const RunResult r30 = runPricing(P().calls(TMobile, 0, 0, 0, 30));
    EXPECT_EQ(r30["t30"].price, 226);
    EXPECT_EQ(r30["t30"].hint, "GPRS Basic");
    // t600 compares with 501, not 601: 501 weekend minutes on t600 at 3.57 take it.
    const RunResult r501 = runPricing(P().calls(TMobile, 0, 0, 0, 501));
    EXPECT_EQ(r501["t600"].hint, lines({"GPRS Basic", "Příplatek Víkend+"}));
    EXPECT_EQ(r501["t250"].hint, lines({"GPRS Basic", "Příplatek Víkend+"}));
    const RunResult r500 = runPricing(P().calls(TMobile, 0, 0, 0, 500));
    EXPECT_EQ(r500["t600"].hint, "GPRS Basic");
    // Student compares at its weekend rate 2.26 and from 51 minutes.
    EXPECT_EQ(runPricing(P().calls(TMobile, 0, 0, 0, 50))["student"].hint, "GPRS Basic");
    EXPECT_EQ(runPricing(P().calls(TMobile, 0, 0, 0, 51))["student"].hint,
              lines({"GPRS Basic", "Příplatek Víkend+"}));
}

TEST(TMobile, GprsPackageChoice) {
    struct Case {
        int wapKb, netKb;
        const char* hint;
        int t30;
    } cases[] = {
        {0, 10000, "GPRS Email&PDA", 226 + 237},
        {0, 20000, "GPRS Internet+", 226 + 832},
        {1000, 0, "GPRS WAP", 226 + 118},
        {100, 0, "GPRS Basic", 226 + 60},
        // Email&PDA 832 against Internet+ 832: the tie keeps the earlier package.
        {0, 18500, "GPRS Email&PDA", 226 + 832},
        // 1966 kB WAP: Basic 1179.6, WAP 118 + 579.6 = 697.6, Email&PDA 237 + 1179.6.
        {1966, 0, "GPRS WAP", 226 + 697},
    };
    for (const Case& c : cases) {
        const RunResult r = runPricing(P().gprs(c.wapKb, c.netKb));
        EXPECT_EQ(r["t30"].hint, c.hint) << c.wapKb << ' ' << c.netKb;
        EXPECT_EQ(r["t30"].price, c.t30) << c.wapKb << ' ' << c.netKb;
    }
    // Twist pays per kB and writes no hint.
    const RunResult r = runPricing(P().gprs(100, 1000));
    EXPECT_EQ(r["twist_sms"].price, 60 + 70);
    EXPECT_EQ(r["twist_sms"].hint, "");
    EXPECT_EQ(r["internet"].price, 831);
}

TEST(TMobile, FreeDataMinutes) {
    EXPECT_EQ(runPricing(P().calls(Data, 100))["t600"].price, 2130);
    EXPECT_EQ(runPricing(P().calls(Data, 101))["t600"].price, 2132);  // 2130.1 + 2.38
    EXPECT_EQ(runPricing(P().calls(Data, 100))["hit600"].price, 1904);
    EXPECT_EQ(runPricing(P().calls(Data, 101))["hit600"].price, 1906);
    EXPECT_EQ(runPricing(P().calls(Data, 100))["t30"].price, 226 + 238);
}

TEST(TMobile, StudentMessages) {
    // 30 free SMS to T-Mobile only.
    EXPECT_EQ(runPricing(P().sms(30))["student"].price, 226);
    EXPECT_EQ(runPricing(P().sms(31))["student"].price, 227);          // 1.19
    EXPECT_EQ(runPricing(P().sms(30, 10))["student"].price, 237);      // 10 * 1.19 = 11.9
    EXPECT_EQ(runPricing(P().mms(3))["student"].price, 226);
    EXPECT_EQ(runPricing(P().mms(4))["student"].price, 236);
}

TEST(TMobile, TwistAndInternetRates) {
    // Twist standard: T-Mobile evening at 3.4, fixed at 7.9.
    EXPECT_EQ(runPricing(P().calls(TMobile, 0, 0, 10))["twist_standard"].price, 34);
    EXPECT_EQ(runPricing(P().calls(FixedLine, 10))["twist_standard"].price, 79);
    EXPECT_EQ(runPricing(P().calls(FixedLine, 0, 0, 10))["twist_extra"].price, 69 + 30);
    // Internet: every call minute at 7.14.
    EXPECT_EQ(runPricing(P().calls(Eurotel, 10))["internet"].price, 903);  // 831.8 + 71.4
    EXPECT_EQ(runPricing(P().calls(Eurotel, 10))["internethit"].price, 772 + 71);
}

TEST(TMobile, InternationalCalls) {
    // Slovensko: T-Mobile standard zone 1, Internet Call zone 1, Twist Home IC zone 7.
    const RunResult off = runPricing(P().intl(0, 0, 10));
    EXPECT_EQ(off["t30"].price, 226 + 154);        // 15.47 * 10
    EXPECT_EQ(off["t250"].price, 1178 + 142);      // 14.28 * 10 + 1178.1 = 1320.9
    EXPECT_EQ(off["twist_home"].price, 170);
    EXPECT_EQ(off["internet"].price, 831 + 170);
    const RunResult on = runPricing(P().intl(0, 0, 10).internetCalls());
    EXPECT_EQ(on["t30"].price, 226 + 113);
    EXPECT_EQ(on["twist_standard"].price, 113);
    EXPECT_EQ(on["twist_home"].price, 68);
    // Rusko: Twist Home IC zone 8 at 8.5, others Internet Call zone 3.
    const RunResult ru = runPricing(P().intl(0, 27, 10).internetCalls());
    EXPECT_EQ(ru["twist_home"].price, 85);
    EXPECT_EQ(ru["twist_sms"].price, 237);
    EXPECT_EQ(ru["t30"].price, 226 + 282);
    // Austrálie: standard zone 5.
    EXPECT_EQ(runPricing(P().intl(0, 4, 1))["hit80"].price, 577);  // 535.5 + 41.65
}

TEST(TMobile, Tarif20Plus20SpreadsTwoGroups) {
    // 40 fixed evening minutes: 20 paid at 1.55 = 31; 40 Eurotel: 20 paid at 5.36 = 107.2.
    const RunResult r = runPricing(P().calls(FixedLine, 0, 0, 40).calls(Eurotel, 40));
    EXPECT_EQ(r["tarif20p20"].price, 297 + 31 + 107);
    // Voice mailbox is not discounted: 10 * 1.19.
    EXPECT_EQ(runPricing(P().calls(VoiceMail, 10))["tarif20p20"].price, 309);
    // Thirds in both groups: 30 fixed peak (10/30 of 89.4 = 29.8) and 30 T-Mobile
    // (10/30 of 124.8 = 41.6): 297.5 + 71.4 = 368.9.
    EXPECT_EQ(runPricing(P().calls(FixedLine, 30).calls(TMobile, 30))["tarif20p20"].price, 368);
}

}  // namespace
}  // namespace sazbar
