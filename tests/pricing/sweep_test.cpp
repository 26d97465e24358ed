#include "pricing/sweep.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "test_profiles.h"

namespace sazbar {
namespace {

using test::P;

TariffSet setOf(std::initializer_list<const char*> ids) {
    TariffSet s;
    for (const char* id : ids) s.add(tariffIndex(id));
    return s;
}

std::vector<Profile> randomProfiles(std::size_t n) {
    std::mt19937 rng(12);
    auto upTo = [&](int max) { return static_cast<std::int32_t>(rng() % static_cast<unsigned>(max + 1)); };
    std::vector<Profile> out(n);
    for (Profile& p : out) {
        for (auto& band : p.matrix)
            for (auto& cell : band) cell = rng() % 3 == 0 ? 0 : upTo(200);
        for (auto& w : p.wap) w = rng() % 4 == 0 ? upTo(60) : 0;
        p.gprsWap = rng() % 3 == 0 ? upTo(5000) : 0;
        p.gprsNet = rng() % 3 == 0 ? upTo(80000) : 0;
        for (auto& row : p.intl) row = {upTo(35), upTo(30), upTo(30), upTo(30)};
        p.internetCalls = rng() % 2 == 0;
    }
    return out;
}

constexpr SweepGroup kGroups[] = {SweepGroup::All, SweepGroup::Calls, SweepGroup::Messages, SweepGroup::Data};

TEST(Sweep, ScaledCountIsTheTruncatedExactProductSaturated) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t count, percent, scaled;
    } cases[] = {
        {7, 150, 10},  {-7, 150, -10}, {3, 33, 0},       {99, 101, 99},     {100, 0, 0},
        {1, 10000, 100}, {kMax, 100, kMax}, {kMax, 300, kMax}, {kMin, 300, kMin}, {kMax / 2, 200, kMax - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(scaleCount(c.count, c.percent), c.scaled) << c.count << " x " << c.percent;
}

TEST(Sweep, EachGroupScalesItsOwnCountsOnly) {
    Profile p;
    for (auto& band : p.matrix) band.fill(10);
    p.wap.fill(10);
    p.gprsWap = p.gprsNet = 10;
    for (IntlRow& row : p.intl) row = {row.country, 10, 10, 10};
    p.internetCalls = true;
    for (SweepGroup g : kGroups) {
        const Profile s = scaleProfile(p, g, 250);
        auto want = [g](SweepGroup part) { return g == SweepGroup::All || g == part ? 25 : 10; };
        for (int b = 0; b < kBands; ++b) {
            for (Row r : {FixedLine, TMobile, Eurotel, Oskar, VoiceMail}) EXPECT_EQ(s.matrix[b][r], want(SweepGroup::Calls));
            EXPECT_EQ(s.matrix[b][Messages], want(SweepGroup::Messages));
            EXPECT_EQ(s.matrix[b][Data], want(SweepGroup::Data));
            EXPECT_EQ(s.wap[b], want(SweepGroup::Data));
        }
        EXPECT_EQ(s.gprsWap, want(SweepGroup::Data));
        EXPECT_EQ(s.gprsNet, want(SweepGroup::Data));
        for (int i = 0; i < kIntlRows; ++i) {
            EXPECT_EQ(s.intl[i].country, i);
            EXPECT_EQ(s.intl[i].peak, want(SweepGroup::Calls));
            EXPECT_EQ(s.intl[i].afternoon, want(SweepGroup::Calls));
            EXPECT_EQ(s.intl[i].eveningWeekend, want(SweepGroup::Calls));
        }
        EXPECT_TRUE(s.internetCalls);
    }
}

TEST(Sweep, FactorsRunInStepsAndKeepTheEndAndTheCurrentMonth) {
    const struct {
        SweepRange range;
        std::vector<std::int32_t> first, last;
        std::size_t count;
    } cases[] = {
        {{300, 1}, {0, 1, 2}, {299, 300}, 301},
        {{100, 30}, {0, 30, 60, 90, 100}, {}, 5},
        {{250, 40}, {0, 40, 80, 100, 120}, {240, 250}, 9},
        {{50, 20}, {0, 20, 40, 50}, {}, 4},
        {{0, 1}, {0}, {}, 1},
        {{-1, 1}, {}, {}, 0},
        {{100, 0}, {}, {}, 0},
        {{kMaxSweepPercent + 1, 1}, {}, {}, 0},
    };
    for (const auto& c : cases) {
        const std::vector<std::int32_t> f = sweepFactors(c.range);
        ASSERT_EQ(f.size(), c.count) << c.range.to << '/' << c.range.step;
        EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), f.begin()));
        EXPECT_TRUE(std::equal(c.last.rbegin(), c.last.rend(), f.rbegin()));
    }
}

TEST(Sweep, AtTheCurrentMonthEqualsTheNormalRun) {
    for (const Profile& p : randomProfiles(20)) {
        for (const RunOptions o : {RunOptions{false, false}, RunOptions{true, true}}) {
            const RunResult normal = runPricing(p, o);
            for (SweepGroup g : kGroups) {
                const Sweep s = runSweep(p, o, g, {150, 7});
                const SweepPoint* at = s.at(100);
                ASSERT_NE(at, nullptr);
                EXPECT_EQ(at->totalCallMinutes, normal.totalCallMinutes);
                for (int i = 0; i < kTariffCount; ++i) {
                    const TariffResult& f = normal.fields[static_cast<std::size_t>(i)];
                    EXPECT_EQ(at->price[static_cast<std::size_t>(i)], f.shownValue()) << kTariffs[i].id;
                    EXPECT_EQ(contains(at->priced, i), f.priced);
                    EXPECT_EQ(contains(at->unsupported, i), f.unsupported);
                    EXPECT_EQ(contains(at->cheapest, i), f.cheapest) << kTariffs[i].id;
                }
            }
        }
    }
}

// Tariffs that charge every call minute and include none: more calls never
// cost less. ("Oskarta" drops its 1.19 surcharge on Oskar minutes once the
// month's spend reaches 700, so it may.)
TEST(Sweep, MoreCallsNeverMakeAPayPerMinuteTariffCheaper) {
    const char* const perMinute[] = {"twist_standard", "twist_sms", "twist_extra", "twist_home", "internet",
                                     "internethit",    "originalgo", "quatrogo",   "fungo",      "naplnorozjezd",
                                     "telecom"};
    for (const Profile& p : randomProfiles(40)) {
        const Sweep s = runSweep(p, {false, true}, SweepGroup::Calls, {300, 1});
        for (const char* id : perMinute) {
            const auto t = static_cast<std::size_t>(tariffIndex(id));
            for (std::size_t k = 1; k < s.points.size(); ++k)
                ASSERT_GE(s.points[k].price[t], s.points[k - 1].price[t]) << id << " at " << s.points[k].percent;
        }
    }
}

// 100 peak minutes to Oskar, so a factor of f % is f minutes, priced with the
// Oskar rates: "Oskarta" 2.38 + 1.19 a minute below a spend of 700, "Odepiš"
// 11.90 a month with 40 minutes free and 7.14 beyond, "Mezi námi" 654.50 with
// 300 free. Every other tariff costs more at each of these points.
//   3 min: Oskarta 10.71 -> 10 < Odepiš 11;  4 min: 14.28 -> 14 > 11
//  76 min: Oskarta 271.32 -> 271 > Odepiš 11.90 + 36 x 7.14 = 268.94 -> 268
//  77 min: Oskarta 274.89 -> 274 < Odepiš 276.08 -> 276
// 183 min: Oskarta 653.31 -> 653 < Mezi námi 654;  184 min: 656.88 -> 656 > 654
// At 0 every tariff without a fee ties at 0.
TEST(Sweep, HandCheckedBreakEvenPoints) {
    const Sweep s = runSweep(P().calls(Oskar, 100), {}, SweepGroup::Calls, {300, 1});
    const TariffSet zero =
        setOf({"twist_standard", "twist_sms", "twist_home", "originalgo", "quatrogo", "fungo", "oskarta"});
    const TariffSet oskarta = setOf({"oskarta"}), odepis = setOf({"odepis"}), mezinami = setOf({"mezinami"});
    const std::vector<BreakEven> want = {
        {0, 1, zero, oskarta}, {3, 4, oskarta, odepis}, {76, 77, odepis, oskarta}, {183, 184, oskarta, mezinami}};
    ASSERT_EQ(s.breakEvens.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(s.breakEvens[i].lastBefore, want[i].lastBefore) << i;
        EXPECT_EQ(s.breakEvens[i].at, want[i].at) << i;
        EXPECT_EQ(s.breakEvens[i].before, want[i].before) << i;
        EXPECT_EQ(s.breakEvens[i].after, want[i].after) << i;
    }
    const int o = tariffIndex("oskarta");
    std::vector<std::pair<std::int32_t, std::int32_t>> oskartaRanges;
    for (const TariffRange& r : s.ranges)
        if (r.tariff == o) oskartaRanges.emplace_back(r.from, r.to);
    EXPECT_EQ(oskartaRanges, (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 3}, {77, 183}}));
    EXPECT_EQ(s.spans.back().to, 300);
}

// Spans, break-even points and ranges say the same as the points' marks.
TEST(Sweep, SummaryAgreesWithEveryPoint) {
    for (const Profile& p : randomProfiles(10)) {
        const Sweep s = runSweep(p, {}, SweepGroup::All, {300, 3});
        ASSERT_FALSE(s.spans.empty());
        EXPECT_EQ(s.breakEvens.size(), s.spans.size() - 1);
        for (const SweepPoint& pt : s.points) {
            for (int t = 0; t < kTariffCount; ++t) {
                bool inRange = false;
                for (const TariffRange& r : s.ranges) inRange |= r.tariff == t && r.from <= pt.percent && pt.percent <= r.to;
                EXPECT_EQ(inRange, contains(pt.cheapest, t)) << kTariffs[t].id << " at " << pt.percent;
            }
        }
        for (std::size_t i = 0; i < s.breakEvens.size(); ++i) {
            EXPECT_EQ(s.breakEvens[i].lastBefore, s.spans[i].to);
            EXPECT_EQ(s.breakEvens[i].at, s.spans[i + 1].from);
            EXPECT_NE(s.breakEvens[i].before, s.breakEvens[i].after);
        }
    }
}

}  // namespace
}  // namespace sazbar
