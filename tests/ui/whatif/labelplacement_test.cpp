// Placing the break-even labels of "Co kdyby": in order, never overlapping,
// leaders that do not cross, the heaviest first.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "ui/whatif/labelplacement.h"

namespace {

using namespace sazbar::whatif;

constexpr double kEps = 1e-9;

int count(const std::vector<LabelPlace>& out, LabelForm form) {
    return static_cast<int>(std::count_if(out.begin(), out.end(), [&](const LabelPlace& p) { return p.form == form; }));
}

// Everything a reader of the chart relies on, whatever was left out.
void expectReadable(const std::vector<LabelRequest>& in, const std::vector<LabelPlace>& out, const LabelRoom& room,
                    const std::string& name) {
    ASSERT_EQ(out.size(), in.size()) << name;
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < in.size(); ++i)
        if (out[i].form != LabelForm::None) shown.push_back(i);
    std::stable_sort(shown.begin(), shown.end(), [&](auto a, auto b) { return in[a].anchor < in[b].anchor; });
    for (std::size_t i : shown) {
        const LabelPlace& p = out[i];
        EXPECT_EQ(p.width, p.form == LabelForm::Full ? in[i].fullWidth : in[i].shortWidth) << name << " #" << i;
        EXPECT_GE(p.left, room.left - kEps) << name << " #" << i << " leaves the room";
        EXPECT_LE(p.left + p.width, room.right + kEps) << name << " #" << i << " leaves the room";
        EXPECT_GT(p.leaderX, p.left) << name << " #" << i << ": the leader leaves the label at its corner";
        EXPECT_LT(p.leaderX, p.left + p.width) << name << " #" << i << ": the leader leaves the label at its corner";
        const bool over = in[i].anchor >= p.left + room.inset && in[i].anchor <= p.left + p.width - room.inset;
        if (over) {
            EXPECT_EQ(p.leaderX, in[i].anchor) << name << " #" << i << ": a label over its point, a bent leader";
        }
    }
    for (std::size_t k = 1; k < shown.size(); ++k) {
        const LabelPlace& p = out[shown[k - 1]];  // the smaller factor
        const LabelPlace& q = out[shown[k]];
        const std::string pair = name + " #" + std::to_string(shown[k - 1]) + " #" + std::to_string(shown[k]);
        EXPECT_GE(q.left, p.left + p.width + room.gap - kEps) << pair << ": out of order or overlapping";
        // Leaders run from the labels' bottom edge to the points' x at the
        // chart's top: with both ends in the same order they cannot cross.
        EXPECT_LT(p.leaderX, q.leaderX) << pair << ": leaders cross";
    }
}

// Anchors from `first` every `step` pixels, all labels alike, weights as given
// or else all equal.
std::vector<LabelRequest> evenly(int n, double first, double step, double full, double brief,
                                 std::vector<std::int64_t> weights = {}) {
    std::vector<LabelRequest> out;
    for (int i = 0; i < n; ++i)
        out.push_back({first + i * step, full, brief, weights.empty() ? 1 : weights[static_cast<std::size_t>(i)]});
    return out;
}

TEST(LabelPlacement, ReadableInEveryRoom) {
    const struct Case {
        const char* name;
        std::vector<LabelRequest> labels;
        double right;
        int full, brief;  // how many in each form
    } cases[] = {
        {"far apart: all in full", evenly(4, 60, 120, 100, 30), 600, 4, 0},
        {"nothing", {}, 600, 0, 0},
        {"one at each edge: moved in", {{3, 100, 30, 1}, {599, 100, 30, 1}}, 600, 2, 0},
        // 1 %, 3 % and 24 % on a chart of 1000 %, 480 pixels wide: the
        // heaviest (24 %) first, yet the labels read left to right.
        {"a cluster on a wide range", {{60.5, 110, 34, 5}, {61.4, 110, 34, 8}, {71.5, 120, 38, 40}}, 560, 3, 0},
        {"a cluster at the right edge", evenly(6, 540, 3, 80, 30), 560, 6, 0},
        {"twelve in a tenth of the room: all with the factor", evenly(12, 80, 8, 120, 36), 520, 0, 12},
        {"thirty: the row full of factors", evenly(30, 40, 12, 110, 34), 480, 0, 12},
        {"two at one point", {{200, 80, 30, 1}, {200, 80, 30, 2}}, 600, 2, 0},
        {"wider than the room", {{100, 700, 30, 1}}, 600, 0, 1},
        {"no room", evenly(3, 50, 100, 60, 20), 2, 0, 0},
        {"irregular", {{90, 140, 36, 3}, {95, 90, 30, 9}, {140, 150, 36, 1}, {143, 80, 30, 7}, {300, 130, 36, 2},
                       {305, 100, 30, 2}, {310, 120, 36, 6}, {560, 160, 36, 4}}, 580, 4, 4},
    };
    for (const Case& c : cases) {
        LabelRoom room;
        room.left = 2;
        room.right = c.right;
        const std::vector<LabelPlace> out = placeLabels(c.labels, room);
        expectReadable(c.labels, out, room, c.name);
        EXPECT_EQ(count(out, LabelForm::Full), c.full) << c.name;
        EXPECT_EQ(count(out, LabelForm::Short), c.brief) << c.name;
    }
}

TEST(LabelPlacement, ALabelWithRoomStandsCentredOverItsPoint) {
    const auto labels = evenly(4, 60, 120, 100, 30);
    const std::vector<LabelPlace> out = placeLabels(labels, {0, 600});
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_DOUBLE_EQ(out[i].left, labels[i].anchor - 50);
        EXPECT_DOUBLE_EQ(out[i].leaderX, labels[i].anchor);
    }
    // Two that would overlap move apart evenly, as one block.
    const std::vector<LabelPlace> two = placeLabels({{300, 100, 30, 1}, {320, 100, 30, 1}}, {0, 600, 6});
    EXPECT_DOUBLE_EQ(two[0].left, 310 - 103);
    EXPECT_DOUBLE_EQ(two[1].left, 310 + 3);
}

TEST(LabelPlacement, TheHeaviestAreNamedAndTheLightestLeftOut) {
    // Thirty points 12 pixels apart in a row that holds twelve factors: the
    // twelve heaviest are shown, wherever they lie.
    std::vector<std::int64_t> weights(30);
    std::iota(weights.begin(), weights.end(), 0);
    std::rotate(weights.begin(), weights.begin() + 13, weights.end());
    const std::vector<LabelPlace> out = placeLabels(evenly(30, 40, 12, 110, 34, weights), {0, 480});
    for (std::size_t i = 0; i < weights.size(); ++i)
        EXPECT_EQ(out[i].form != LabelForm::None, weights[i] >= 18) << i;
    // Room for two factors and one more name: the heaviest gets it.
    const std::vector<LabelPlace> few = placeLabels({{100, 90, 30, 1}, {110, 90, 30, 5}}, {0, 140, 6});
    EXPECT_EQ(few[0].form, LabelForm::Short);
    EXPECT_EQ(few[1].form, LabelForm::Full);
}

}  // namespace
