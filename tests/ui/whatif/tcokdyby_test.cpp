// The "Co kdyby" window on the offscreen platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "qcustomplot.h"
#include "ui/whatif/tcokdyby.h"

namespace {

using namespace sazbar;

// 100 peak minutes to Oskar and 20 SMS, at the mercy of a box of minutes.
struct Month {
    QWidget main;
    QLineEdit* minutes = new QLineEdit(QStringLiteral("100"), &main);
    QWidget results;
    QCheckBox* inkaso = new QCheckBox(&results);
    Profile profile() const {
        Profile p;
        p.matrix[Peak][Oskar] = minutes->text().toInt();
        p.matrix[kSmsToOskar][Messages] = 20;
        return p;
    }
};

class WhatIfTest : public ::testing::Test {
protected:
    void SetUp() override {
        month.inkaso->setObjectName(QStringLiteral("inkaso"));
        w.setProfileSource([this] { return month.profile(); });
        w.setOptionsSource([this] { return RunOptions{month.inkaso->isChecked(), false}; });
        w.watch(&month.main);
        w.watch(&month.results);
        w.resize(780, 540);
        w.show();
        QCoreApplication::processEvents();
    }
    Month month;
    Tcokdyby w;
};

TEST_F(WhatIfTest, ListsTheSpansAndDrawsTheCheapestTariffs) {
    // Scaling everything, seven tariffs tie at 0 % and more are cheapest
    // somewhere than lines fit; scaling calls, all fit.
    for (SweepGroup g : {SweepGroup::Calls, SweepGroup::All}) {
        w.setGroup(g);
        const Sweep want = runSweep(month.profile(), {}, g, {300, 1});
        ASSERT_GT(want.spans.size(), 2u);
        const QStringList texts = w.cheapestTexts();
        ASSERT_EQ(texts.size(), static_cast<qsizetype>(want.spans.size()));
        for (std::size_t i = 0; i < want.spans.size(); ++i) {
            const CheapestSpan& s = want.spans[i];
            const QString text = texts[static_cast<qsizetype>(i)];
            const QString from = QString::number(s.from) + (s.from == s.to ? QStringLiteral(" %") : QStringLiteral("–"));
            EXPECT_TRUE(text.startsWith(from)) << text.toStdString();
            for (int t : tariffsOf(s.cheapest)) EXPECT_TRUE(text.contains(QString::fromStdString(tariffLabel(t))));
        }
        std::vector<int> cheapest;
        for (const TariffRange& r : want.ranges)
            if (std::find(cheapest.begin(), cheapest.end(), r.tariff) == cheapest.end()) cheapest.push_back(r.tariff);
        const std::size_t drawn = std::min(cheapest.size(), std::size_t(Tcokdyby::kMaxLines));
        ASSERT_EQ(w.lines().size(), drawn);
        for (int t : w.lines()) EXPECT_NE(std::find(cheapest.begin(), cheapest.end(), t), cheapest.end()) << t;
        EXPECT_TRUE(contains(want.at(100)->cheapest, w.lines().front())) << "the cheapest now comes first";
        EXPECT_EQ(w.plot()->graphCount(), static_cast<int>(drawn) + 1);
        EXPECT_EQ(w.breakEvenMarks(), static_cast<int>(want.breakEvens.size()));
        EXPECT_GT(w.breakEvenLabels(), 0);
    }
    EXPECT_EQ(w.lines().size(), std::size_t(Tcokdyby::kMaxLines));
}

TEST_F(WhatIfTest, FollowsTheSelectorsTheProfileAndTheBoxes) {
    const struct {
        SweepGroup group;
        int to;
    } cases[] = {{SweepGroup::Calls, 300}, {SweepGroup::Messages, 150}, {SweepGroup::Data, 1000}, {SweepGroup::All, 40}};
    for (const auto& c : cases) {
        w.setGroup(c.group);
        w.setMaxFactor(c.to);
        EXPECT_EQ(w.sweep().group, c.group);
        EXPECT_EQ(w.sweep().points.size(), std::size_t(c.to + 1));
        EXPECT_EQ(w.sweep().points.back().percent, c.to);
    }
    w.setGroup(SweepGroup::Calls);
    w.setMaxFactor(300);
    const auto at100 = [this](const char* id) { return w.sweep().at(100)->price[std::size_t(tariffIndex(id))]; };
    // Typing in a watched box and ticking a watched check box sweep again.
    month.minutes->setText(QStringLiteral("250"));
    QCoreApplication::processEvents();
    EXPECT_EQ(at100("oskarta"), runPricing(month.profile())["oskarta"].price);
    month.inkaso->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(at100("naplno50"), runPricing(month.profile(), {true, false})["naplno50"].price);
    EXPECT_NE(at100("naplno50"), runPricing(month.profile(), {false, false})["naplno50"].price);
    // 20000 minutes: from 224 % the calls would not fit in a month of 44640 minutes.
    month.minutes->setText(QStringLiteral("20000"));
    QCoreApplication::processEvents();
    const auto* list = w.findChild<QListWidget*>(QStringLiteral("cheapest"));
    ASSERT_EQ(list->count(), w.cheapestTexts().size() + 1);
    EXPECT_TRUE(list->item(list->count() - 1)->text().startsWith(QStringLiteral("Od 224 %"))) << list->item(list->count() - 1)->text().toStdString();
}

TEST_F(WhatIfTest, DrawsAtMostEightLinesTheCheapestFirst) {
    const std::vector<int> before = w.lines();
    std::vector<int> many;
    for (int t = 0; t < 12; ++t) many.push_back(t);
    w.setChosen(many);
    ASSERT_EQ(w.lines().size(), std::size_t(Tcokdyby::kMaxLines));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), w.lines().begin()));
    w.setChosen({tariffIndex("telecom")});
    EXPECT_EQ(w.lines(), before) << "the fixed line only when it is priced";
}

TEST_F(WhatIfTest, HoveringShowsThePricesAtTheFactor) {
    w.plot()->replot();
    const QRect area = w.plot()->axisRect()->rect();
    const QPointF at(w.plot()->xAxis->coordToPixel(150), area.center().y());
    QMouseEvent move(QEvent::MouseMove, at, w.plot()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.plot(), &move);
    const QString text = w.hoverText();
    ASSERT_TRUE(text.startsWith(QStringLiteral("150 %\n"))) << text.toStdString();
    const SweepPoint* pt = w.sweep().at(150);
    for (int t : w.lines()) {
        const QString row = QString::fromStdString(tariffLabel(t)) + QStringLiteral(": %1 Kč").arg(pt->price[std::size_t(t)]);
        EXPECT_TRUE(text.contains(row)) << row.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("◄ nejlevnější")));
    w.hoverAt(-5);
    EXPECT_TRUE(w.hoverText().startsWith(QStringLiteral("0 %\n")));
}

TEST(WhatIfLines, NoTwoLinesAreDrawnAlike) {
    // Eight lines of one operator, and lines of different operators.
    std::vector<std::pair<QColor, Qt::PenStyle>> seen;
    for (Operator op : {Operator::TMobile, Operator::Eurotel, Operator::Oskar, Operator::FixedLine})
        for (int k = 0; k < Tcokdyby::kMaxLines; ++k) {
            const QPen pen = Tcokdyby::linePen(op, k);
            const std::pair look{pen.color(), pen.style()};
            EXPECT_EQ(std::count(seen.begin(), seen.end(), look), 0) << int(op) << " line " << k;
            seen.push_back(look);
        }
    // Two neighbouring lines differ in both shade and dash.
    for (int k = 0; k + 1 < Tcokdyby::kMaxLines; ++k) {
        EXPECT_NE(Tcokdyby::linePen(Operator::Oskar, k).color(), Tcokdyby::linePen(Operator::Oskar, k + 1).color());
        EXPECT_NE(Tcokdyby::linePen(Operator::Oskar, k).style(), Tcokdyby::linePen(Operator::Oskar, k + 1).style());
    }
}

TEST_F(WhatIfTest, SixOskarTariffsOverATenfoldRangeStayReadable) {
    std::vector<int> oskar;
    for (int t = 0; t < kTariffCount && oskar.size() < 6; ++t)
        if (kTariffs[std::size_t(t)].op == Operator::Oskar) oskar.push_back(t);
    w.setChosen(oskar);
    for (const int to : {300, 1000}) {
        w.setMaxFactor(to);
        w.plot()->replot();
        std::vector<std::pair<QColor, Qt::PenStyle>> looks;
        for (int i = 0; i < w.plot()->graphCount(); ++i) {
            const QCPGraph* g = w.plot()->graph(i);
            if (g->lineStyle() != QCPGraph::lsNone) looks.emplace_back(g->pen().color(), g->pen().style());
        }
        std::sort(looks.begin(), looks.end(), [](const auto& a, const auto& b) {
            return std::pair(a.first.rgb(), int(a.second)) < std::pair(b.first.rgb(), int(b.second));
        });
        EXPECT_EQ(std::adjacent_find(looks.begin(), looks.end()), looks.end()) << "two lines alike at " << to << " %";

        const auto labels = w.shownLabels();
        ASSERT_GT(labels.size(), 0u) << to;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const auto& a = labels[i - 1];
            const auto& b = labels[i];
            const std::string pair = a.text.toStdString() + " | " + b.text.toStdString();
            EXPECT_LT(a.box.right(), b.box.left()) << pair << ": out of order or overlapping";
            EXPECT_LT(a.leaderX, b.leaderX) << pair << ": leaders cross";
        }
        for (const auto& a : labels)
            EXPECT_TRUE(a.box.left() < a.leaderX && a.leaderX < a.box.right()) << a.text.toStdString();
        // Where the chart cannot name every change in full, the list says it has them all.
        const auto* note = w.findChild<QLabel*>(QStringLiteral("unlabelled"));
        EXPECT_EQ(note->isVisibleTo(&w), w.breakEvenFullLabels() < w.breakEvenMarks()) << to;
        EXPECT_EQ(w.cheapestTexts().size(), static_cast<qsizetype>(w.sweep().spans.size()));
    }
}

}  // namespace
