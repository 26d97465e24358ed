#include "core/boxes.h"

#include <gtest/gtest.h>

namespace sazbar {
namespace {

TEST(Boxes, EveryBoxFillsItsOwnValue) {
    BoxTexts boxes;
    for (int n = 1; n <= kBoxCount; ++n) boxes[n - 1] = std::to_string(n);
    const Profile p = profileFromBoxes(boxes, {5, 6, 7, 8}, true);
    EXPECT_EQ(p.matrix[Peak][FixedLine], 1);
    EXPECT_EQ(p.matrix[Peak][Data], 7);
    EXPECT_EQ(p.matrix[Afternoon][FixedLine], 8);
    EXPECT_EQ(p.matrix[Weekend][Messages], 26);  // MMS
    EXPECT_EQ(p.matrix[Weekend][Data], 28);
    EXPECT_EQ(p.wap, (std::array<std::int32_t, 4>{29, 30, 31, 32}));
    const int expect[4][3] = {{33, 41, 34}, {35, 42, 36}, {37, 43, 38}, {39, 44, 40}};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(p.intl[r].peak, expect[r][0]);
        EXPECT_EQ(p.intl[r].afternoon, expect[r][1]);
        EXPECT_EQ(p.intl[r].eveningWeekend, expect[r][2]);
        EXPECT_EQ(p.intl[r].country, 5 + r);
    }
    EXPECT_EQ(p.gprsWap, 45);
    EXPECT_EQ(p.gprsNet, 46);
    EXPECT_TRUE(p.internetCalls);
    // Back to the same texts, and every slot to its own box.
    EXPECT_EQ(boxesFromProfile(p), boxes);
    for (int n = 1; n <= kBoxCount; ++n) EXPECT_EQ(boxNumber(boxSlot(n)), n);
    EXPECT_EQ(boxNumber({BoxSlot::Matrix, kBands, 0}), 0);
}

TEST(Boxes, DomesticAndCallMinuteBoxes) {
    int domestic = 0, calls = 0;
    for (int n = 1; n <= kBoxCount; ++n) {
        domestic += isDomesticBox(n);
        calls += isCallMinutesBox(n);
    }
    EXPECT_EQ(domestic, 34);
    EXPECT_EQ(calls, 20);
    for (int n : {1, 2, 3, 4, 6, 8, 13, 15, 20, 22, 23, 24, 25, 27}) EXPECT_TRUE(isCallMinutesBox(n)) << n;
    for (int n : {5, 7, 12, 14, 26, 28, 29, 33, 45}) EXPECT_FALSE(isCallMinutesBox(n)) << n;
}

}  // namespace
}  // namespace sazbar
