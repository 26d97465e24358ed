#include "pricing/chart_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "test_profiles.h"

namespace sazbar {
namespace {

std::array<ChartInput, kChartRecords> inputs(std::initializer_list<std::int32_t> prices) {
    std::array<ChartInput, kChartRecords> in{};
    int i = 0;
    for (std::int32_t p : prices) in[i++].price = p;
    return in;
}

TEST(ChartOrder, SortsAscendingAndDropsHidden) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        std::array<ChartInput, kChartRecords> in{};
        for (ChartInput& c : in) {
            c.price = static_cast<std::int32_t>(rng() % 20);
            c.hidden = rng() % 5 == 0;
        }
        const ChartOrder o = chartOrder(in);
        EXPECT_EQ(o.count, std::count_if(in.begin(), in.end(), [](const ChartInput& c) { return !c.hidden; }));
        for (int i = 0; i < o.count; ++i) {
            EXPECT_FALSE(in[o.records[i]].hidden);
            if (i > 0) {
                EXPECT_LE(in[o.records[i - 1]].price, in[o.records[i]].price);
            }
        }
    }
}

TEST(ChartOrder, TiesComeOutAsTheQuicksortLeavesThem) {
    // Expected orders traced with a separate transcription of the sort.
    std::array<ChartInput, kChartRecords> in{};
    const std::vector<int> allEqual = {33, 32, 31, 36, 35, 34, 27, 26, 25, 30, 29, 28, 45, 44, 43, 48, 47,
                                       46, 39, 38, 37, 42, 41, 40, 24, 8,  7,  6,  11, 10, 9,  2,  1,  0,
                                       5,  4,  3,  20, 19, 18, 23, 22, 21, 14, 13, 12, 17, 16, 15};
    const ChartOrder o = chartOrder(in);
    ASSERT_EQ(o.count, 49);
    EXPECT_EQ(std::vector<int>(o.records.begin(), o.records.end()), allEqual);

    // Hidden records take part in the sort: hiding one drops it and keeps the rest in place.
    in[10].hidden = true;
    const ChartOrder h = chartOrder(in);
    ASSERT_EQ(h.count, 48);
    std::vector<int> expected = allEqual;
    expected.erase(std::find(expected.begin(), expected.end(), 10));
    EXPECT_EQ(std::vector<int>(h.records.begin(), h.records.begin() + 48), expected);

    // Records 1..3 cost 5, 1, 5, the rest 9.
    auto small = inputs({5, 1, 5});
    for (int i = 3; i < 49; ++i) small[i].price = 9;
    const ChartOrder s = chartOrder(small);
    EXPECT_EQ(std::vector<int>(s.records.begin(), s.records.begin() + 6), (std::vector<int>{1, 2, 0, 33, 32, 34}));
}

TEST(ChartOrder, FixedLineOnlyWhenShown) {
    const RunResult r = runPricing(Profile{});
    auto hiddenCount = [](const std::array<ChartInput, kChartRecords>& in) {
        return std::count_if(in.begin(), in.end(), [](const ChartInput& c) { return c.hidden; });
    };
    EXPECT_TRUE(chartInput(r, false)[48].hidden);
    EXPECT_FALSE(chartInput(r, true)[48].hidden);
    EXPECT_EQ(hiddenCount(chartInput(r, true)), 0);
    const RunResult g = runPricing(test::P().gprs(1, 1));
    EXPECT_EQ(hiddenCount(chartInput(g, true)), 4);  // three Tips and the fixed line
}

}  // namespace
}  // namespace sazbar
