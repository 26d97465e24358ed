#include "pricing/marks.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/textnum.h"
#include "pricing/engine.h"
#include "pricing/sweep.h"
#include "test_profiles.h"

namespace sazbar {
namespace {

using test::lines;
using test::P;

TEST(Unsupported, EachServiceMarksTipsAndTelecom) {
    struct Case {
        const char* what;
        Profile profile;
        const char* tipPrefix;  // in front of the Tip hints
        bool telecom;
        const char* telecomHint;
    } cases[] = {
        {"data", P().calls(Data, 0, 0, 1), "nepodporuje datové přenosy\n\r", false, ""},
        {"wap", P().wap(0, 0, 0, 1), "nepodporuje WAP\n\r", true, "nepodporuje WAP\n\r"},
        {"mms", P().mms(1), "nepodporuje MMS\n\r", true, "nepodporuje MMS\n\r"},
        {"gprs", P().gprs(0, 1), "nepodporuje GPRS\n\r", true, "nepodporuje GPRS\n\r"},
        {"internet calls", P().internetCalls(), "", true, ""},
        {"all", P().calls(Data, 1).wap(1).mms(1).gprs(1, 0),
         "nepodporuje GPRS\n\rnepodporuje MMS\n\rnepodporuje WAP\n\rnepodporuje datové přenosy\n\r", true,
         "nepodporuje GPRS\n\rnepodporuje MMS\n\rnepodporuje WAP\n\r"},
    };
    for (const Case& c : cases) {
        const RunResult r = runPricing(c.profile);
        const bool tips = std::string(c.tipPrefix) != "";
        for (const char* id : {"tipbusiness", "tiprelax", "tipakord"}) {
            EXPECT_EQ(r[id].unsupported, tips) << c.what << ' ' << id;
            EXPECT_EQ(r[id].hint.str().rfind(c.tipPrefix, 0), 0u) << c.what << ' ' << id;
            EXPECT_FALSE(r[id].cheapest) << c.what;
        }
        EXPECT_EQ(r["telecom"].unsupported, c.telecom) << c.what;
        EXPECT_EQ(r["telecom"].hint, c.telecomHint) << c.what;
        int unsupported = 0;
        for (const TariffResult& f : r.fields) unsupported += f.unsupported;
        EXPECT_EQ(unsupported, (tips ? 3 : 0) + (c.telecom ? 1 : 0)) << c.what;
    }
}

TEST(Unsupported, NegativeOrZeroUseIsNotUse) {
    const RunResult r = runPricing(P().calls(Data, -5).wap(-1).mms(-2).gprs(-1, 0));
    for (const TariffResult& f : r.fields) EXPECT_FALSE(f.unsupported);
    // One band above zero is enough even when the sum is not.
    EXPECT_TRUE(runPricing(P().calls(Data, 5, -10))["tiprelax"].unsupported);
}

TEST(Cheapest, AllZeroProfileMarksEveryTariffWithoutAFee) {
    // The tariffs without a monthly fee tie at 0 (Twist extra has one; the
    // Tips, SMS/Data and the fixed line never take part).
    const RunResult r = runPricing(Profile{});
    std::vector<std::string_view> marked;
    for (int i = 0; i < kTariffCount; ++i)
        if (r.fields[static_cast<std::size_t>(i)].cheapest) marked.push_back(kTariffs[i].id);
    EXPECT_EQ(marked, (std::vector<std::string_view>{"twist_standard", "twist_sms", "twist_home", "originalgo",
                                                     "quatrogo", "fungo", "oskarta"}));
}

TEST(Cheapest, MarksTheLowestPriceBelow999999Only) {
    struct Field {
        const char* id;
        std::int32_t price;
        bool priced = true;
        bool unsupported = false;
    };
    struct Case {
        const char* what;
        std::int32_t others;  // price of every field not listed
        std::vector<Field> fields;
        std::vector<const char*> marked;
    } cases[] = {
        {"lone 999999", 2800001, {{"individual_wapmi", 999999}}, {}},
        {"999999 ties, rest above", 1000000, {{"t30", 999999}, {"gold", 999999}}, {}},
        {"everything at 999999", 999999, {}, {}},
        {"just below", 2800001, {{"individual_wapmi", 999998}}, {"individual_wapmi"}},
        {"tie across operators", 999999, {{"t30", 500}, {"nazisk", 500}}, {"t30", "nazisk"}},
        {"unpriced field reads 0", 900, {{"t80", 0, false}, {"sms", 700}}, {"sms"}},
        {"unsupported lower", 900, {{"t250", 10, true, true}, {"t600", 20}}, {"t600"}},
        {"outside the mark lower", 900,
         {{"smsdata", 5}, {"tipbusiness", 6}, {"tiprelax", 7}, {"tipakord", 8}, {"telecom", 9}, {"bronz", 20}},
         {"bronz"}},
    };
    for (const Case& c : cases) {
        RunResult r;
        for (TariffResult& f : r.fields) {
            f.priced = true;
            f.price = c.others;
            f.cheapest = true;  // stale marks of an earlier run go
        }
        for (const Field& f : c.fields) {
            TariffResult& field = r.fields[static_cast<std::size_t>(tariffIndex(f.id))];
            field.price = f.price;
            field.priced = f.priced;
            field.unsupported = f.unsupported;
        }
        markCheapest(r);
        std::vector<std::string_view> marked;
        for (int i = 0; i < kTariffCount; ++i)
            if (r.fields[static_cast<std::size_t>(i)].cheapest) marked.push_back(kTariffs[i].id);
        EXPECT_EQ(marked, std::vector<std::string_view>(c.marked.begin(), c.marked.end())) << c.what;
    }
}

TEST(Cheapest, AMillionPeakMinutesMarkNothing) {
    // Individual's package search starts at 999999 and keeps it; every other tariff costs more.
    const Profile p = P().calls(TMobile, 1000000);
    const RunResult r = runPricing(p);
    EXPECT_EQ(r["individual_wapmi"].price, 999999);
    for (const TariffResult& f : r.fields) EXPECT_FALSE(f.cheapest) << f.text();
    const Sweep s = runSweep(p, {}, SweepGroup::All, {100, 100});
    ASSERT_NE(s.at(100), nullptr);
    EXPECT_TRUE(s.at(100)->cheapest.empty());
}

TEST(Cheapest, TwoRunsGiveTheSameResult) {
    const Profile p = P().calls(TMobile, 10, 10, 10, 40).sms(5, 5, 5).mms(2).wap(3).gprs(50, 5000).calls(Data, 2);
    RunResult a;
    runPricing(p, {}, a);
    const RunResult first = a;
    runPricing(p, {}, a);
    for (int i = 0; i < kTariffCount; ++i) {
        EXPECT_EQ(a.fields[i].text(), first.fields[i].text());
        EXPECT_EQ(a.fields[i].hint, first.fields[i].hint);
        EXPECT_EQ(a.fields[i].cheapest, first.fields[i].cheapest);
    }
}

}  // namespace
}  // namespace sazbar

namespace sazbar {
namespace {
TEST(Fields, ShownValueIsTheTextReadBack) {
    const RunResult r = runPricing(test::P().calls(FixedLine, 123, 4).sms(7).gprs(10, 99999));
    for (const TariffResult& f : r.fields) EXPECT_EQ(f.shownValue(), textToInt(f.text())) << f.text();
    TariffResult unpriced;
    EXPECT_EQ(unpriced.shownValue(), textToInt(unpriced.text()));
}
}  // namespace
}  // namespace sazbar
