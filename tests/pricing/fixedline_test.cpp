#include <gtest/gtest.h>

#include "pricing/engine.h"
#include "test_profiles.h"

namespace sazbar {
namespace {

using test::P;

// Figures worked by hand from the Telefon Standard price list (kTelefonStandard, pricing/fixedline.cpp).
TEST(FixedLine, Prices) {
    struct Case {
        const char* what;
        Profile profile;
        std::int32_t price;
    } cases[] = {
        {"all zero", P(), 329},
        {"100 peak fixed", P().calls(FixedLine, 100), 486},
        {"100 evening fixed", P().calls(FixedLine, 0, 0, 100), 408},
        {"mobile minutes", P().calls(TMobile, 1).calls(Eurotel, 0, 1).calls(Oskar, 0, 0, 0, 1), 348},  // 3 * 6.5
        {"data", P().calls(Data, 10, 10), 329 + 15 + 9},                                          // 15.8 + 9
        {"messages, WAP, GPRS, voice mail", P().sms(10, 10, 10).mms(5).wap(5).gprs(100, 100).calls(VoiceMail, 50), 329},
        {"zone 1 and 2", P().intl(0, 0, 1, 1, 1).intl(1, 4, 1, 1, 1), 384},  // 25.94 + 29.68
    };
    for (const Case& c : cases) EXPECT_EQ(runPricing(c.profile)["telecom"].price, c.price) << c.what;
    EXPECT_EQ(runPricing(P())["telecom"].hint, "");
}

}  // namespace
}  // namespace sazbar
