// Value-label straightening and the value format, on constructed labels.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ui/chart/marks.h"

using sazbar::chart::automaticMark;
using sazbar::chart::groupThousands;
using sazbar::chart::Mark;
using sazbar::chart::narovnej;

namespace {

// A label whose arrow has been drawn out: box at `top`, arrow from the bar top
// `barTop` up to the box.
Mark moved(int x, int barTop, int top, int width = 40, int height = 14) {
    Mark m = automaticMark(x, barTop, width, height);
    m.top = top;
    m.arrowToY = top;
    return m;
}

}  // namespace

TEST(AutomaticMark, StandsOnAnArrowOf25PixelsCentredOnTheBar) {
    const Mark m = automaticMark(100, 300, 41, 14);
    EXPECT_EQ(m.arrowFromX, 100);
    EXPECT_EQ(m.arrowToX, 100);
    EXPECT_EQ(m.arrowFromY, 300);
    EXPECT_EQ(m.arrowToY, 275);
    EXPECT_EQ(m.top, 261);
    EXPECT_EQ(m.left, 80);
    EXPECT_FALSE(m.fixed);
}

TEST(Narovnej, FewerThanTwoLabelsAreLeftAlone) {
    std::vector<Mark> none;
    narovnej(none, 600);
    EXPECT_TRUE(none.empty());

    std::vector<Mark> one{automaticMark(100, 300, 40, 14)};
    const Mark before = one[0];
    narovnej(one, 600);
    EXPECT_EQ(one[0], before);
}

struct PairCase {
    const char* what;
    Mark q;  // left neighbour
    Mark p;  // the label that may move
    int chartHeight;
    int expectedTop;  // p's top (and arrow end) afterwards
};

class NarovnejPair : public ::testing::TestWithParam<PairCase> {};

TEST_P(NarovnejPair, MovesTheRightLabelOnly) {
    const PairCase& c = GetParam();
    std::vector<Mark> marks{c.q, c.p};
    narovnej(marks, c.chartHeight);
    EXPECT_EQ(marks[0], c.q) << "the leftmost label is never touched";
    EXPECT_TRUE(marks[1].fixed);
    EXPECT_EQ(marks[1].top, c.expectedTop);
    EXPECT_EQ(marks[1].arrowToY, c.p.top == c.expectedTop ? c.p.arrowToY : c.expectedTop);
    // Only the top and the arrow end ever change.
    EXPECT_EQ(marks[1].left, c.p.left);
    EXPECT_EQ(marks[1].width, c.p.width);
    EXPECT_EQ(marks[1].height, c.p.height);
    EXPECT_EQ(marks[1].arrowFromY, c.p.arrowFromY);
    EXPECT_EQ(marks[1].arrowFromX, c.p.arrowFromX);
}

// Heights 14; at chart height 600 k = 1.5, so a step is trunc(14 * 1.5) = 21.
INSTANTIATE_TEST_SUITE_P(
    Cases, NarovnejPair,
    ::testing::Values(
        PairCase{"short arrow on q: p goes above q", automaticMark(100, 300, 40, 14), automaticMark(110, 295, 40, 14),
                 600, 261 - 21},
        PairCase{"q's arrow exactly twice p's height is still short", moved(100, 300, 272), automaticMark(110, 298, 40, 14),
                 600, 272 - 21},
        PairCase{"long arrow on q: p goes just under q", moved(100, 300, 200), automaticMark(110, 298, 40, 14), 600,
                 200 + 21},
        PairCase{"q's arrow one pixel longer than twice p's height", moved(100, 300, 271),
                 automaticMark(110, 320, 40, 14), 600, 271 + 21},
        PairCase{"under q would sit on p's own bar: above q instead", moved(100, 300, 200),
                 automaticMark(110, 230, 40, 14), 600, 200 - 21},
        PairCase{"under q leaves exactly 1.5 heights to the bar: stays under", moved(100, 300, 200),
                 automaticMark(110, 242, 40, 14), 600, 221},
        PairCase{"under q leaves less than 1.5 heights: above", moved(100, 300, 200), automaticMark(110, 241, 40, 14),
                 600, 179},
        PairCase{"no horizontal overlap: untouched", automaticMark(100, 300, 40, 14), automaticMark(140, 295, 40, 14),
                 600, 256},
        PairCase{"p clear above q by more than a step: untouched", automaticMark(100, 300, 40, 14),
                 moved(110, 290, 226), 600, 226},
        PairCase{"p one pixel into the step above q: moved", automaticMark(100, 300, 40, 14), moved(110, 290, 227), 600,
                 240},
        PairCase{"chart 300 high: k = 1, step 14", automaticMark(100, 300, 40, 14), automaticMark(110, 295, 40, 14), 300,
                 261 - 14},
        PairCase{"chart 420 high: k = 1.2, step trunc(16.8) = 16", automaticMark(100, 300, 40, 14),
                 automaticMark(110, 295, 40, 14), 420, 261 - 16},
        PairCase{"the step uses q's height: 20 * 1.2 = 24", automaticMark(100, 300, 40, 20),
                 automaticMark(110, 295, 40, 14), 420, 255 - 24}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Narovnej, EachLabelIsComparedWithItsAlreadyMovedLeftNeighbour) {
    // Three nearly equal bars: the second goes above the first, its arrow is
    // now long, so the third goes back under the second.
    std::vector<Mark> marks{automaticMark(100, 300, 40, 14), automaticMark(110, 298, 40, 14),
                            automaticMark(120, 296, 40, 14)};
    narovnej(marks, 600);
    EXPECT_EQ(marks[0].top, 261);
    EXPECT_FALSE(marks[0].fixed);
    EXPECT_EQ(marks[1].top, 240);
    EXPECT_EQ(marks[1].arrowToY, 240);
    EXPECT_EQ(marks[2].top, 261);
    EXPECT_EQ(marks[2].arrowToY, 261);
    EXPECT_TRUE(marks[1].fixed);
    EXPECT_TRUE(marks[2].fixed);
}

TEST(Narovnej, StraighteningTwiceGivesTheSameLayoutAsOnce) {
    // The window may straighten labels that are already straightened (check
    // box after a resize); that must not move them again.
    std::vector<Mark> marks;
    const int tops[] = {300, 299, 297, 297, 290, 289, 250, 249, 248, 200, 120, 119, 60, 60, 59};
    for (int n = 0; n < static_cast<int>(std::size(tops)); ++n)
        marks.push_back(automaticMark(40 + 14 * n, tops[n], 30 + (n % 3) * 6, 14));
    narovnej(marks, 420);
    std::vector<Mark> again = marks;
    narovnej(again, 420);
    EXPECT_EQ(again, marks);
}

TEST(GroupThousands, GroupsByThreeWithABlank) {
    const struct {
        long long value;
        const char* text;
    } cases[] = {
        {0, "0"},           {7, "7"},
        {999, "999"},       {1000, "1 000"},
        {1234, "1 234"},    {999999, "999 999"},
        {1234567, "1 234 567"},
        {-5, "-5"},         {-1234, "-1 234"},
        {-123456, "-123 456"},
        {2147483647, "2 147 483 647"},
        {LLONG_MIN, "-9 223 372 036 854 775 808"},
    };
    for (const auto& c : cases) EXPECT_EQ(groupThousands(c.value), c.text) << c.value;
}
