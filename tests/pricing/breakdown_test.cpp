#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "pricing/breakdown.h"
#include "pricing/engine.h"
#include "test_profiles.h"

namespace sazbar {
namespace {

using test::P;

struct Expected {
    ItemKind kind;
    const char* label;
    std::int64_t quantity;  // 0: no quantity
    const char* amount;     // exact, as formatExact writes it
};

struct KnownCase {
    const char* id;
    Profile profile;
    bool directDebit;
    std::int32_t shown;
    std::vector<Expected> items;
    const char* takenChoice;  // one option that must be marked taken, or ""
};

// Worked by hand from the tariffs' price lists.
TEST(Breakdown, KnownAnswers) {
    const std::vector<KnownCase> cases = {
        // 60 of 60 minutes paid at half: 30 included.
        {"t30", P().calls(TMobile, 60), false, 368,
         {{ItemKind::Call, "Volání do sítě T-Mobile, Špička", 60, "285.60"},
          {ItemKind::Discount, "Volné minuty (30 z 60)", 0, "-142.80"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "226.10"}},
         "bez příplatku"},
        // Víkend+: 100 weekend minutes at 0.60 instead of 4.76, plus 34.50.
        {"t80", P().calls(TMobile, 0, 0, 0, 100), false, 582,
         {{ItemKind::Call, "Volání do sítě T-Mobile, Víkend", 100, "417.00"},
          {ItemKind::Discount, "Víkend+: volání do sítě T-Mobile o víkendu za 0,60 Kč", 100, "-357.00"},
          {ItemKind::Discount, "Volné minuty (80 z 100)", 0, "-48.00"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "535.50"},
          {ItemKind::Surcharge, "Příplatek Víkend+", 0, "34.50"}},
         "s příplatkem Víkend+"},
        {"bronz", P().calls(FixedLine, 40).sms(10), false, 316,
         {{ItemKind::Call, "Volání na pevnou linku", 40, "318.80"},
          {ItemKind::Discount, "Volné minuty (30 z 40)", 0, "-239.10"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "214.20"},
          {ItemKind::Message, "SMS", 10, "22.60"}},
         "Bez datového příplatku (Eurotel WAP MMS)"},
        // One SMS beyond 40: its share of the Eurotel and other rates is 74.54 / 41.
        {"smsdata", P().sms(40, 1), false, 270,
         {{ItemKind::Fee, "Měsíční poplatek", 0, "205.00"},
          {ItemKind::Message, "SMS, prvních 40", 0, "63.60"},
          {ItemKind::Message, "SMS 41. až 800. (1 SMS)", 0, "3727/2050"}},
         ""},
        // Moje volné minuty (256 against 268) and Moje SMS (107.10 against 130.90).
        {"naplno50", P().calls(Oskar, 100).sms(0, 0, 110), false, 660,
         {{ItemKind::Call, "Volání do sítě Oskar", 100, "536.00"},
          {ItemKind::Package, "Příplatek Moje volné minuty", 0, "95.20"},
          {ItemKind::Discount, "Volné minuty s Moje volné minuty (70 z 100)", 0, "-375.20"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "297.50"},
          {ItemKind::Package, "Příplatek Moje SMS", 0, "95.20"},
          {ItemKind::Message, "SMS nad 100 v Moje SMS", 10, "11.90"}},
         "s příplatkem Moje SMS"},
        // With direct debit 20 SMS are free without the add-on.
        {"naplnorozjezd", P().sms(30), true, 71,
         {{ItemKind::Fee, "Měsíční poplatek", 0, "59.50"},
          {ItemKind::Message, "SMS nad 20 volných (platba inkasem)", 10, "11.90"}},
         "Připojení Naskok"},
        {"najistotu", P().calls(Oskar, 76), false, 119 + 311,
         {{ItemKind::Call, "Volání do sítě Oskar, prvních 35 minut", 35, "166.60"},
          {ItemKind::Call, "Volání do sítě Oskar, dalších 40 minut", 40, "142.80"},
          {ItemKind::Call, "Volání do sítě Oskar nad 75 minut", 1, "2.38"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "119.00"}},
         "Připojení Naskok"},
        {"oskarta", P().calls(Oskar, 100), false, 357,
         {{ItemKind::Call, "Volání do sítě Oskar", 100, "238.00"},
          {ItemKind::Minimum, "Volání do sítě Oskar při útratě pod 700 Kč", 100, "119.00"}},
         ""},
        {"telecom", P().calls(FixedLine, 100), false, 486,
         {{ItemKind::Call, "Volání na pevnou linku, Špička", 100, "157.00"},
          {ItemKind::Fee, "Měsíční poplatek", 0, "329.00"}},
         ""},
    };
    for (const KnownCase& c : cases) {
        const Breakdown b = priceBreakdown(c.profile, {.directDebit = c.directDebit}, tariffIndex(c.id));
        SCOPED_TRACE(c.id);
        EXPECT_EQ(b.status, BreakdownStatus::Itemised);
        EXPECT_EQ(b.shown, c.shown);
        ASSERT_EQ(b.items.size(), c.items.size());
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(b.items[i].kind, c.items[i].kind) << i;
            EXPECT_EQ(b.items[i].label, c.items[i].label) << i;
            if (c.items[i].quantity != 0) {
                EXPECT_EQ(b.items[i].quantity, c.items[i].quantity) << i;
            }
            EXPECT_EQ(formatExact(b.items[i].amount), c.items[i].amount) << i;
        }
        if (*c.takenChoice != '\0') {
            bool found = false;
            for (const BreakdownChoice& ch : b.choices)
                for (const ChoiceOption& o : ch.options) found |= o.taken && o.label == c.takenChoice;
            EXPECT_TRUE(found) << c.takenChoice;
        }
    }
}

TEST(Breakdown, LimitsSayInsteadOfItems) {
    struct Row {
        const char* id;
        Profile profile;
        BreakdownStatus status;
        std::int32_t shown;
    };
    const Row rows[] = {
        {"individual_wapmi", P().calls(FixedLine, 1000000), BreakdownStatus::NoConfiguration, 999999},
        {"t30", P().calls(TMobile, INT_MAX), BreakdownStatus::Saturated, INT_MAX},
        {"twist_sms", P().calls(Eurotel, INT_MAX, INT_MAX), BreakdownStatus::Saturated, INT_MAX},
    };
    for (const Row& r : rows) {
        const Breakdown b = priceBreakdown(r.profile, {}, tariffIndex(r.id));
        EXPECT_EQ(b.status, r.status) << r.id;
        EXPECT_EQ(b.shown, r.shown) << r.id;
        EXPECT_TRUE(b.items.empty()) << r.id;
        EXPECT_EQ(b.shown, runPricing(r.profile)[r.id].price) << r.id;
    }
}

TEST(Breakdown, Formats) {
    struct Row {
        Money m;
        const char* exact;
        const char* cents;
        const char* halere;
    };
    const Row rows[] = {
        {Money::milli(571200), "571.20", "571.20", "571,20"},
        {Money::milli(238), "0.238", "0.24", "0,24"},
        {Money::milli(-142800), "-142.80", "-142.80", "-142,80"},
        {Money::milli(1234565), "1234.565", "1234.57", "1\u00a0234,57"},
        {Money::milli(-5), "-0.005", "-0.01", "-0,01"},
        {Money::milli(4), "0.004", "0.00", "0,00"},
        {Money::scaled(1, Share{1, 4}), "0.00025", "0.00", "0,00"},
        {Money::scaled(-1, Share{1, 3}), "-1/3000", "0.00", "0,00"},
        {Money::scaled(74540, Share{1, 41}), "3727/2050", "1.82", "1,82"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(formatExact(r.m), r.exact) << r.exact;
        EXPECT_EQ(formatCents(r.m), r.cents) << r.exact;
        EXPECT_EQ(formatHalere(r.m), r.halere) << r.exact;
    }
    EXPECT_EQ(formatRate(4760), "4,76");
    EXPECT_EQ(formatRate(238, '.'), "0.238");
    EXPECT_EQ(formatRate(-4160), "-4,16");
}

// Profiles of every size: zeros, counts around the tariffs' thresholds, large
// and occasionally negative counts.
Profile generated(std::mt19937& rng) {
    static constexpr std::int32_t kEdges[] = {0, 1, 19, 20, 21, 30, 31, 40, 41, 60, 100, 101, 120, 150, 200,
                                              250, 300, 500, 800, 801, 1000, 8000, 8001, 10000, 20000, 50000};
    const auto count = [&]() -> std::int32_t {
        switch (rng() % 8) {
            case 0: return 0;
            case 1: return kEdges[rng() % std::size(kEdges)];
            case 2: return static_cast<std::int32_t>(rng() % 100000);
            case 3: return rng() % 50 == 0 ? -static_cast<std::int32_t>(rng() % 100) : 7;
            case 4: return rng() % 200 == 0 ? static_cast<std::int32_t>(rng() % INT_MAX) : 3;
            default: return static_cast<std::int32_t>(rng() % 400);
        }
    };
    Profile p;
    for (auto& band : p.matrix)
        for (auto& cell : band) cell = count();
    for (auto& w : p.wap) w = count();
    p.gprsWap = count();
    p.gprsNet = count();
    for (auto& row : p.intl) row = {static_cast<std::int32_t>(rng() % 36), count(), count(), count()};
    p.internetCalls = rng() % 2 == 0;
    return p;
}

TEST(Breakdown, ItemsAddUpToEveryShownPrice) {
    std::mt19937 rng(11);
    Breakdown b;
    int itemised = 0;
    for (int n = 0; n < 3000; ++n) {
        const Profile p = generated(rng);
        const RunOptions options{.directDebit = n % 2 == 1};
        const RunResult run = runPricing(p, options);
        for (int i = 0; i < kTariffCount; ++i) {
            priceBreakdown(p, options, i, b);
            const TariffResult& field = run.fields[static_cast<std::size_t>(i)];
            SCOPED_TRACE(std::string(kTariffs[static_cast<std::size_t>(i)].id) + " profile " + std::to_string(n));
            ASSERT_EQ(b.shown, field.price);
            // The run's hint is the tariff's own, after what the unsupported check puts in front.
            ASSERT_TRUE(field.hint.str().ends_with(b.hint));
            for (const BreakdownChoice& c : b.choices) {
                int taken = 0;
                for (const ChoiceOption& o : c.options) taken += o.taken;
                ASSERT_EQ(taken, 1) << c.title;
            }
            if (b.status != BreakdownStatus::Itemised) {
                ASSERT_TRUE(b.items.empty());
                continue;
            }
            ++itemised;
            ASSERT_TRUE(b.itemSum() == b.total) << formatExact(b.itemSum()) << " != " << formatExact(b.total);
            ASSERT_EQ(b.total.truncCrowns(), field.price);
        }
    }
    EXPECT_GT(itemised, 3000 * kTariffCount * 9 / 10);
}

}  // namespace
}  // namespace sazbar
