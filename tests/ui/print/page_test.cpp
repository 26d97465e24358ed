// Page composition, preview geometry and print scaling.
#include <gtest/gtest.h>

#include <QColor>

#include "ui/print/page.h"

using namespace sazbar::print;

namespace {

const std::array<QSize, kCaptures> kSizes{QSize(600, 400), QSize(721, 474), QSize(800, 518)};

struct ComposeCase {
    bool input, results, chart;
    QSize page;
    std::array<QPoint, kCaptures> at;  // only the chosen ones are compared
    std::array<int, kCaptures> previewTop;
};

class Compose : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Compose, SizesAndPositions) {
    const ComposeCase& c = GetParam();
    const std::array<bool, kCaptures> chosen{c.input, c.results, c.chart};
    const PageLayout l = composePage(kSizes, chosen);
    EXPECT_EQ(l.page, c.page);
    EXPECT_EQ(l.chosen, chosen);
    for (int n = 0; n < kCaptures; ++n) {
        if (chosen[n]) {
            EXPECT_EQ(l.at[n], c.at[n]) << "capture " << n;
        }
        EXPECT_EQ(l.previewTop[n], c.previewTop[n]) << "preview " << n;
    }
}

// Widths 600, 721, 800; heights 400, 474, 518.
INSTANTIATE_TEST_SUITE_P(
    EveryChoice, Compose,
    ::testing::Values(
        ComposeCase{false, false, false, {80, 40}, {}, {16, 16, 16}},
        ComposeCase{true, false, false, {680, 480}, {QPoint(40, 40)}, {16, 176, 176}},
        ComposeCase{false, true, false, {801, 554}, {QPoint(), QPoint(40, 40)}, {16, 16, 176}},
        ComposeCase{false, false, true, {880, 598}, {QPoint(), QPoint(), QPoint(40, 40)}, {16, 16, 16}},
        ComposeCase{true, true, false, {801, 994}, {QPoint(100, 40), QPoint(40, 480)}, {16, 176, 336}},
        ComposeCase{true, false, true, {880, 1038}, {QPoint(140, 40), QPoint(), QPoint(40, 480)}, {16, 176, 176}},
        ComposeCase{false, true, true, {880, 1112}, {QPoint(), QPoint(80, 40), QPoint(40, 554)}, {16, 16, 176}},
        ComposeCase{true, true, true, {880, 1552}, {QPoint(140, 40), QPoint(80, 480), QPoint(40, 994)}, {16, 176, 336}}),
    [](const auto& info) {
        const auto& c = info.param;
        return std::string(c.input ? "I" : "") + (c.results ? "R" : "") + (c.chart ? "C" : "") +
               (c.input || c.results || c.chart ? "" : "None");
    });

TEST(Compose, OddWidthsAreHalvedDownward) {
    // W = 801: W div 2 = 400; a 601 wide capture: 601 div 2 = 300.
    const PageLayout l = composePage({QSize(601, 10), QSize(720, 10), QSize(801, 10)}, {true, true, true});
    EXPECT_EQ(l.page, QSize(881, 40 + 3 * 50));
    EXPECT_EQ(l.at[Input], QPoint(140, 40));
    EXPECT_EQ(l.at[Results], QPoint(80, 90));
    EXPECT_EQ(l.at[Chart], QPoint(40, 140));
}

TEST(PreviewRect, IsAHundredAndFiftyHighAndCentredOn174) {
    EXPECT_EQ(previewRect(QSize(800, 518), 16), QRect(174 - 115, 16, 231, 150));  // 231.66 truncated
    EXPECT_EQ(previewRect(QSize(721, 474), 176), QRect(174 - 114, 176, 228, 150));
    EXPECT_EQ(previewRect(QSize(300, 300), 336), QRect(174 - 75, 336, 150, 150));
    EXPECT_EQ(previewRect(QSize(), 16), QRect(174, 16, 0, 150)) << "no capture, no width, no division by zero";
}

TEST(PaintPage, WhitePageWithTheChosenCapturesInPlace) {
    std::array<QImage, kCaptures> caps;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    const QSize sizes[] = {QSize(60, 20), QSize(30, 10), QSize(50, 30)};
    for (int n = 0; n < kCaptures; ++n) {
        caps[n] = QImage(sizes[n], QImage::Format_RGB32);
        caps[n].fill(colours[n]);
    }
    const PageLayout l = composePage({sizes[0], sizes[1], sizes[2]}, {true, false, true});
    const QImage page = paintPage(l, caps);
    ASSERT_EQ(page.size(), QSize(140, 40 + 60 + 70));
    EXPECT_EQ(page.pixelColor(l.at[Input]), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(l.at[Input] + QPoint(59, 19)), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(l.at[Input] + QPoint(60, 19)), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(l.at[Chart] + QPoint(49, 29)), QColor(Qt::blue));
    EXPECT_EQ(page.pixelColor(l.at[Chart] - QPoint(1, 1)), QColor(Qt::white));
    int green = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) green += page.pixelColor(x, y) == QColor(Qt::green);
    EXPECT_EQ(green, 0) << "results were not chosen";

    const QImage empty = paintPage(composePage({sizes[0], sizes[1], sizes[2]}, {}), caps);
    EXPECT_EQ(empty.size(), QSize(80, 40));
    EXPECT_EQ(empty.pixelColor(40, 20), QColor(Qt::white));
}

TEST(PrintScale, TheLargerRatioFitsThePageAtTheTopLeft) {
    const struct {
        QSize page, printable;
        double scale;
        QRect target;
    } cases[] = {
        {{1000, 500}, {2000, 2000}, 0.5, {0, 0, 2000, 1000}},    // width decides
        {{500, 1000}, {2000, 2000}, 0.5, {0, 0, 1000, 2000}},    // height decides
        {{1000, 1000}, {2000, 2000}, 0.5, {0, 0, 2000, 2000}},   // a tie
        {{300, 200}, {1000, 700}, 0.3, {0, 0, 1000, 666}},       // 666.67 truncated
        {{3000, 1000}, {1000, 1000}, 3.0, {0, 0, 1000, 333}},    // shrunk
        {{80, 40}, {4760, 6779}, 80.0 / 4760, {0, 0, 4760, 2380}},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(printScale(c.page, c.printable), c.scale);
        EXPECT_EQ(printTarget(c.page, c.printable), c.target);
    }
}

TEST(PrintScale, WhicheverRatioIsLargerWins) {
    // Ratios equal in value but computed from different numbers: 0.25 both.
    EXPECT_DOUBLE_EQ(printScale(QSize(250, 500), QSize(1000, 2000)), 500.0 / 2000);
    // The height ratio wins only when it is not smaller.
    EXPECT_DOUBLE_EQ(printScale(QSize(251, 500), QSize(1000, 2000)), 0.251);
    EXPECT_DOUBLE_EQ(printScale(QSize(250, 501), QSize(1000, 2000)), 501.0 / 2000);
}

TEST(PrintScale, NoPrintableAreaGivesNoTarget) {
    EXPECT_EQ(printScale(QSize(100, 100), QSize(0, 500)), 0);
    EXPECT_TRUE(printTarget(QSize(100, 100), QSize(500, 0)).isEmpty());
}

}  // namespace
