#include "core/money.h"

#include <gtest/gtest.h>

#include <random>

namespace sazbar {
namespace {

TEST(Money, RateLiteralsAreExactThousandths) {
    static_assert(4.76_kc == 4760);
    static_assert(0.238_kc == 238);
    static_assert(2130.1_kc == 2130100);
    static_assert(84_kc == 84000);
    static_assert(0.003_kc == 3);
}

TEST(Money, TruncatesTowardZero) {
    EXPECT_EQ(Money::milli(99900).truncCrowns(), 99);
    EXPECT_EQ(Money::milli(119000).truncCrowns(), 119);  // 100 SMS at 1.19
    EXPECT_EQ(Money::milli(-99900).truncCrowns(), -99);
    EXPECT_EQ(Money::milli(-1000).truncCrowns(), -1);
    // -0.5 thousandth short of -1 crown: still -0 crowns toward zero.
    EXPECT_EQ(Money::scaled(-1999, Share{1, 2}).truncCrowns(), 0);
    EXPECT_EQ(Money::scaled(-3001, Share{1, 3}).truncCrowns(), -1);
}

TEST(Money, ScaledAmountsKeepTheExactRemainder) {
    // 3 * 1/3 crown is exactly one crown, not 0.999...
    Money m = Money::scaled(1000, Share{1, 3});
    m += Money::scaled(1000, Share{1, 3});
    m += Money::scaled(1000, Share{1, 3});
    EXPECT_EQ(m.truncCrowns(), 1);
    EXPECT_TRUE(m.onGrid());
    EXPECT_TRUE(m == Money::milli(1000));
    // Shares with different denominators add exactly: 1/3 + 1/6 = 1/2.
    Money h = Money::scaled(1, Share{1, 3}) + Money::scaled(1, Share{1, 6});
    EXPECT_EQ(h.millis(), 0);
    EXPECT_EQ(h.fracNum() * 2, h.fracDen());
}

TEST(Money, ComparesExactly) {
    // 20 minutes at 4.76 are exactly 95.2.
    EXPECT_TRUE(Money::milli(20 * 4.76_kc) == Money::milli(95.2_kc));
    const Money third = Money::scaled(1000, Share{1, 3});
    const Money sixth2 = Money::scaled(1000, Share{2, 6});
    EXPECT_TRUE(third == sixth2);
    EXPECT_TRUE(Money::scaled(1000, Share{1, 7}) < Money::scaled(1000, Share{1, 6}));
    EXPECT_TRUE(Money::scaled(1000, Share{5, 7}) > Money::scaled(1000, Share{4, 6}));
}

TEST(Money, GreatestCommonDivisor) {
    const i128 big = static_cast<i128>(1) << 100;
    const struct {
        i128 a, b, gcd;
    } cases[] = {
        {0, 0, 0},          {0, 7, 7},           {12, 0, 12},       {12, 18, 6},  {-12, 18, 6},
        {17, 5, 1},         {1 << 20, 3 << 12, 1 << 12},             {999999000, 50000, 1000},
        {big * 3, big * 5, big}, {big + 1, 3, 1},  // beyond 64 bits
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(gcd128(c.a, c.b) == c.gcd) << static_cast<long long>(c.a) << " " << static_cast<long long>(c.b);
    }
}

TEST(Money, RandomSumsAgreeWithRationalReference) {
    std::mt19937_64 rng(7);
    for (int round = 0; round < 2000; ++round) {
        const std::int64_t den1 = 1 + static_cast<std::int64_t>(rng() % 50000);
        const std::int64_t den2 = 1 + static_cast<std::int64_t>(rng() % 50000);
        const std::int64_t num1 = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(den1 + 1));
        const std::int64_t num2 = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(den2 + 1));
        const i128 a = static_cast<i128>(rng() % 100000000) - 50000000;
        const i128 b = static_cast<i128>(rng() % 100000000);
        const i128 c = static_cast<i128>(rng() % 1000000);
        const Money m = Money::scaled(a, Share{num1, den1}) + Money::scaled(b, Share{num2, den2}) + c;
        // Reference: exact numerator over den1 * den2 * 1000.
        const i128 num = a * num1 * den2 + b * num2 * den1 + c * den1 * den2;
        const i128 den = static_cast<i128>(den1) * den2 * 1000;
        EXPECT_EQ(m.truncCrowns(), static_cast<std::int64_t>(num / den)) << round;
        EXPECT_EQ(Money::truncCrownsOfScaled(a, Share{num1, den1}, b + c), (Money::scaled(a, Share{num1, den1}) + (b + c)).truncCrowns())
            << round;
        EXPECT_EQ(Money::truncCrownsOfSum(Money::scaled(a, Share{num1, den1}), Money::scaled(b, Share{num2, den2}) + c),
                  static_cast<std::int64_t>(num / den))
            << round;
    }
}

}  // namespace
}  // namespace sazbar
