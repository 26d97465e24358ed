#include "pricing/chart_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>
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

TEST(ChartOrder, TableMatchesTheResultFields) {
    for (const ChartRecord& r : kChartTable) EXPECT_GE(tariffIndex(r.id), 0) << r.id;
    EXPECT_EQ(kChartTable[1].name, "T-Mobile T 80 ");  // trailing blank kept
    EXPECT_EQ(kChartTable[44].name, "Oskar Mezi námí");
    EXPECT_EQ(kChartTable[48].rgb, 0xFFFF00u);
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

// The chart's quicksort as written for the chart, on 1-based prices; the
// order chartOrder gives must be this one whatever path it takes.
void referenceSort(std::array<std::pair<std::int32_t, int>, kChartRecords + 1>& a, int lo, int hi) {
    int i = lo, j = hi;
    const std::int32_t pivot = a[(lo + hi) / 2].first;
    do {
        while (a[i].first < pivot) ++i;
        while (a[j].first > pivot) --j;
        if (i <= j) std::swap(a[i++], a[j--]);
    } while (i <= j);
    if (i < hi) referenceSort(a, i, hi);
    if (lo < j) referenceSort(a, lo, j);
}

TEST(ChartOrder, AgreesWithTheQuicksortForDistinctAndTiedPrices) {
    std::mt19937 rng(11);
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max(), kMin = std::numeric_limits<std::int32_t>::min();
    for (int round = 0; round < 4000; ++round) {
        // From all prices distinct to a handful of values, with the extremes.
        const unsigned spread = round % 4 == 0 ? 1u << 30 : round % 4 == 1 ? 500 : round % 4 == 2 ? 60 : 4;
        std::array<ChartInput, kChartRecords> in{};
        for (ChartInput& c : in) {
            const unsigned r = rng();
            c.price = r % 97 == 0 ? kMax : r % 89 == 0 ? kMin : static_cast<std::int32_t>(rng() % spread) - 10;
            c.hidden = rng() % 7 == 0;
        }
        if (round % 8 == 7) {  // all different, within 16 bits of each other or not
            const std::int32_t step = round % 16 == 7 ? 1300 : 1 << 24;
            for (int n = 0; n < kChartRecords; ++n) in[n].price = n * step + static_cast<std::int32_t>(rng() % 1000);
            std::shuffle(in.begin(), in.end(), rng);
        }
        std::array<std::pair<std::int32_t, int>, kChartRecords + 1> a{};
        for (int n = 0; n < kChartRecords; ++n) a[n + 1] = {in[n].price, n};
        referenceSort(a, 1, kChartRecords);
        std::vector<int> expected;
        for (int n = 1; n <= kChartRecords; ++n)
            if (!in[a[n].second].hidden) expected.push_back(a[n].second);
        const ChartOrder o = chartOrder(in);
        ASSERT_EQ(std::vector<int>(o.records.begin(), o.records.begin() + o.count), expected) << "round " << round;
    }
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
