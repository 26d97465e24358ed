// The "Co kdyby" window on the offscreen platform.
#include <gtest/gtest.h>

#include <cmath>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "catalogue/reader.h"
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

// The compiled tariffs re-expressed as data, each priced as its compiled twin.
const catalogue::Catalogue& twins() {
    static const catalogue::Catalogue c = [] {
        catalogue::Catalogue out;
        catalogue::readTariffFile(SAZBAR_EXAMPLES "/builtin-tariffs.json", out, {.builtinPriced = false});
        return out;
    }();
    return c;
}

const catalogue::DataTariff* twinOf(int compiled) {
    for (const catalogue::DataTariff& t : twins().tariffs)
        if (t.id == kTariffs[std::size_t(compiled)].id) return &t;
    return nullptr;
}

// The drawn line of a tariff: its price at every point, -1 where it has none.
std::vector<double> lineOf(const Tcokdyby& w, int tariff) {
    const auto at = std::find(w.lines().begin(), w.lines().end(), tariff);
    if (at == w.lines().end()) return {};
    // Graph 0 holds the break-even marks; the lines follow in their order.
    const QCPGraph* g = w.plot()->graph(int(at - w.lines().begin()) + 1);
    std::vector<double> out;
    for (auto it = g->data()->constBegin(); it != g->data()->constEnd(); ++it)
        out.push_back(std::isnan(it->value) ? -1 : it->value);
    return out;
}

std::vector<std::string> idsOf(const Sweep& s, const TariffSet& set) {
    std::vector<std::string> out;
    for (int t : tariffsOf(set)) out.emplace_back(s.id(t));
    return out;
}

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
    // Eight lines of one operator, and lines of different operators; eight
    // lines of files of one colour (a file's, the neutral one, an operator's).
    std::vector<std::pair<QColor, Qt::PenStyle>> seen;
    for (Operator op : {Operator::TMobile, Operator::Eurotel, Operator::Oskar, Operator::FixedLine})
        for (int k = 0; k < Tcokdyby::kMaxLines; ++k) {
            const QPen pen = Tcokdyby::linePen(op, k);
            const std::pair look{pen.color(), pen.style()};
            EXPECT_EQ(std::count(seen.begin(), seen.end(), look), 0) << int(op) << " line " << k;
            seen.push_back(look);
        }
    for (const char* colour : {"#e20074", "", "#0000ff"}) {
        catalogue::DataTariff t;
        t.color = colour;
        for (int k = 0; k < Tcokdyby::kMaxLines; ++k) {
            const QPen pen = Tcokdyby::dataLinePen(Tcokdyby::dataColour(t), k);
            const std::pair look{pen.color(), pen.style()};
            EXPECT_EQ(std::count(seen.begin(), seen.end(), look), 0) << "colour '" << colour << "' line " << k;
            seen.push_back(look);
        }
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

TEST_F(WhatIfTest, ATariffOfAFileTwinOfACompiledOneDrawsItsLineAndBreakEvens) {
    // The twin of the tariff cheapest over the widest range: it ties with it
    // at every point.
    for (SweepGroup g : {SweepGroup::Calls, SweepGroup::Messages, SweepGroup::All}) {
        w.setDataTariffs({}, true);
        w.setGroup(g);
        const Sweep plain = w.sweep();
        int compiled = -1, widest = -1;
        for (const TariffRange& r : plain.ranges)
            if (twinOf(r.tariff) && r.to - r.from > widest) std::tie(compiled, widest) = std::pair(r.tariff, r.to - r.from);
        ASSERT_GE(compiled, 0);
        catalogue::DataTariff twin = *twinOf(compiled);
        twin.id = "moje-" + twin.id;
        twin.name = "Můj " + twin.name;
        w.setDataTariffs({twin}, true);
        QCoreApplication::processEvents();
        const Sweep& s = w.sweep();
        const int data = kTariffCount;
        ASSERT_EQ(s.tariffCount(), kTariffCount + 1);
        ASSERT_NE(std::find(w.lines().begin(), w.lines().end(), data), w.lines().end()) << int(g);
        EXPECT_EQ(lineOf(w, data), lineOf(w, compiled)) << int(g);
        EXPECT_EQ(w.plot()->graph(int(std::find(w.lines().begin(), w.lines().end(), data) - w.lines().begin()) + 1)->name(),
                  QString::fromStdString(twin.name));
        // The same break-even points, the twin on the same side as its compiled tariff.
        ASSERT_EQ(s.breakEvens.size(), plain.breakEvens.size()) << int(g);
        EXPECT_EQ(w.breakEvenMarks(), int(plain.breakEvens.size()));
        for (std::size_t i = 0; i < s.breakEvens.size(); ++i) {
            const BreakEven& a = s.breakEvens[i];
            const BreakEven& b = plain.breakEvens[i];
            EXPECT_EQ(a.at, b.at);
            for (const auto& [with, without] : {std::pair{a.before, b.before}, std::pair{a.after, b.after}}) {
                std::vector<std::string> want = idsOf(plain, without);
                if (contains(without, compiled)) want.push_back(twin.id);
                EXPECT_EQ(idsOf(s, with), want) << "at " << a.at;
            }
        }
        EXPECT_EQ(w.cheapestTexts().size(), qsizetype(plain.spans.size()));
        EXPECT_TRUE(w.cheapestTexts().join(QLatin1Char('\n')).contains(QString::fromStdString(s.label(data))));
    }
}

TEST_F(WhatIfTest, WithTheCompiledTariffsLeftOutOnlyTheFilesAreDrawnAndOffered) {
    std::vector<catalogue::DataTariff> tariffs = twins().tariffs;
    tariffs.back().name = std::string(200, 'x');  // a name from a file too long for the menu
    w.setGroup(SweepGroup::Calls);
    w.setChosen({tariffIndex("oskarta"), tariffIndex("start")});
    const Sweep plain = w.sweep();
    w.setDataTariffs(tariffs, false);
    QCoreApplication::processEvents();
    ASSERT_FALSE(w.lines().empty());
    for (int t : w.lines()) {
        ASSERT_GE(t, kTariffCount) << "a compiled tariff drawn";
        // Each line is its compiled twin's.
        const int compiled = tariffIndex(w.sweep().id(t));
        const SweepPoint& pt = *plain.at(150);
        EXPECT_EQ(w.sweep().at(150)->price[std::size_t(t)], pt.price[std::size_t(compiled)]) << w.sweep().id(t);
    }
    // "Další tarify…" offers the files' tariffs alone, the long name cut but whole in the tooltip.
    const QMenu* menu = w.findChild<QToolButton*>(QStringLiteral("tariffs"))->menu();
    QStringList offered;
    for (const QAction* a : menu->actions())
        if (a->isVisible()) offered << a->text();
    EXPECT_EQ(offered, QStringList{QStringLiteral("Vlastní tarify")});
    const auto* data = menu->findChild<QMenu*>(QStringLiteral("dataTariffs"));
    ASSERT_EQ(data->actions().size(), qsizetype(tariffs.size()));
    const QAction* last = data->actions().back();
    EXPECT_EQ(last->toolTip(), QString::fromStdString(tariffs.back().operatorName + ' ' + tariffs.back().name));
    EXPECT_LT(last->text().size(), 100);
    // Chosen in the menu, a tariff of a file is drawn.
    QAction* t80 = data->actions()[1];
    ASSERT_EQ(w.sweep().id(t80->data().toInt()), "t80");
    t80->setChecked(true);
    EXPECT_NE(std::find(w.lines().begin(), w.lines().end(), t80->data().toInt()), w.lines().end());
}

TEST_F(WhatIfTest, WithoutTariffFilesTheWindowIsAsBefore) {
    // Loading a file and taking it away again leaves not a pixel changed.
    w.setGroup(SweepGroup::Calls);
    w.setChosen({tariffIndex("oskarta")});
    QCoreApplication::processEvents();
    const QImage before = w.grab().toImage();
    const std::vector<int> lines = w.lines();
    w.setDataTariffs(twins().tariffs, false);
    QCoreApplication::processEvents();
    ASSERT_NE(w.lines(), lines);
    w.setDataTariffs({}, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.lines(), lines);
    EXPECT_EQ(w.sweep().tariffCount(), kTariffCount);
    EXPECT_EQ(w.grab().toImage(), before);
    EXPECT_EQ(w.findChild<QMenu*>(QStringLiteral("dataTariffs")), nullptr);
}

}  // namespace
