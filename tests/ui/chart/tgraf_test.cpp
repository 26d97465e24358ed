// The chart window against a stand-in results window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/textnum.h"
#include "fake_results.h"
#include "pricing/chart_order.h"
#include "ui/chart/tgraf.h"

namespace {

using sazbar::test::FakeResults;

sazbar::Profile busyMonth() {
    sazbar::Profile p;
    p.matrix[sazbar::Peak][sazbar::FixedLine] = 40;
    p.matrix[sazbar::Peak][sazbar::TMobile] = 60;
    p.matrix[sazbar::Afternoon][sazbar::Eurotel] = 35;
    p.matrix[sazbar::Evening][sazbar::Oskar] = 25;
    p.matrix[sazbar::Weekend][sazbar::TMobile] = 30;
    p.matrix[sazbar::kSmsToTMobile][sazbar::Messages] = 40;
    p.matrix[sazbar::kSmsToEurotel][sazbar::Messages] = 20;
    return p;
}

QString qid(std::string_view id) { return QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())); }

std::vector<QString> drawnIds(const Tgraf& chart) {
    std::vector<QString> ids;
    for (const auto& b : chart.drawnBars()) ids.push_back(b.id);
    return ids;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void drag(QWidget* w, QPoint from, QPoint to) {
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

bool waitForAnimation(const Tgraf& chart) {
    QElapsedTimer t;
    t.start();
    while (chart.isAnimating() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !chart.isAnimating();
}

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        run = sazbar::runPricing(busyMonth(), {});
        results.show(run, false);
        chart.setResultsWindow(&results);
    }
    QCheckBox* valuesBox() { return chart.findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }
    // The middle of the plot area, in chart pixels.
    QRect plotArea() { return chart.plot()->axisRect()->rect(); }

    sazbar::RunResult run;
    FakeResults results;
    Tgraf chart;
};

TEST_F(ChartTest, DrawsThePricedTariffsCheapestFirstWithoutTheFixedLine) {
    chart.vytvor_data();
    const auto expected = sazbar::chartOrder(sazbar::chartInput(run, false));
    ASSERT_EQ(chart.barCount(), expected.count);
    ASSERT_EQ(chart.barCount(), 48) << "nothing is unsupported in this month; only the fixed line is left out";
    ASSERT_EQ(chart.drawnBars().size(), 48u);
    for (int n = 0; n < expected.count; ++n) {
        const auto& rec = sazbar::kChartTable[expected.records[static_cast<std::size_t>(n)]];
        const auto& bar = chart.drawnBars()[static_cast<std::size_t>(n)];
        EXPECT_EQ(bar.id, qid(rec.id)) << n;
        EXPECT_EQ(bar.name, QString::fromUtf8(rec.name.data(), static_cast<qsizetype>(rec.name.size())));
        EXPECT_EQ(bar.value, run[rec.id].price) << bar.id.toStdString();
        if (n > 0) {
            EXPECT_LE(chart.drawnBars()[static_cast<std::size_t>(n - 1)].value, bar.value);
        }
    }
    const auto ids = drawnIds(chart);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), QStringLiteral("telecom")), 0);
}

TEST_F(ChartTest, BarColourFollowsTheOperator) {
    results.CheckBox1->setChecked(true);
    chart.vytvor_data();
    ASSERT_EQ(chart.barCount(), 49);
    for (const auto& bar : chart.drawnBars()) {
        const auto op = sazbar::kTariffs[static_cast<std::size_t>(sazbar::tariffIndex(bar.id.toStdString()))].op;
        const QRgb want = op == sazbar::Operator::TMobile   ? 0x0000FF
                          : op == sazbar::Operator::Eurotel ? 0x008000
                          : op == sazbar::Operator::Oskar   ? 0xFF0000
                                                            : 0xFFFF00;
        EXPECT_EQ(bar.colour.rgb() & 0xFFFFFF, want) << bar.id.toStdString();
    }
}

TEST_F(ChartTest, RecordNamesLabelTheBarsReadingUpwards) {
    chart.vytvor_data();
    // The axis shows them under the bars, reading upwards.
    auto ticker = chart.plot()->xAxis->ticker().dynamicCast<QCPAxisTickerText>();
    ASSERT_TRUE(ticker);
    ASSERT_EQ(ticker->ticks().size(), 48);
    EXPECT_EQ(ticker->ticks().value(1.0), chart.drawnBars().front().name);
    EXPECT_EQ(ticker->ticks().value(48.0), chart.drawnBars().back().name);
    EXPECT_EQ(chart.plot()->xAxis->tickLabelRotation(), -90);
    EXPECT_EQ(chart.plot()->yAxis->label(), QStringLiteral("Cena v Kč za měsíc"));
    EXPECT_TRUE(chart.plot()->yAxis->labelFont().bold());
}

TEST_F(ChartTest, FixedLineIsDrawnOnlyWhileItsBoxIsChecked) {
    results.CheckBox1->setChecked(true);
    chart.vytvor_data();
    const auto with = drawnIds(chart);
    EXPECT_EQ(chart.barCount(), 49);
    EXPECT_NE(std::find(with.begin(), with.end(), QStringLiteral("telecom")), with.end());

    results.CheckBox1->setChecked(false);
    chart.vytvor_data();
    const auto without = drawnIds(chart);
    EXPECT_EQ(chart.barCount(), 48);
    auto filtered = with;
    filtered.erase(std::remove(filtered.begin(), filtered.end(), QStringLiteral("telecom")), filtered.end());
    EXPECT_EQ(without, filtered);
}

TEST_F(ChartTest, UnsupportedTariffsAreLeftOutAndTheOthersKeepTheirOrder) {
    chart.vytvor_data();
    const auto all = drawnIds(chart);
    for (const char* id : {"tipbusiness", "tiprelax", "tipakord"}) FakeResults::mark(results.field(id), true);
    chart.vytvor_data();
    auto expected = all;
    for (const char* id : {"tipbusiness", "tiprelax", "tipakord"})
        expected.erase(std::remove(expected.begin(), expected.end(), QString::fromLatin1(id)), expected.end());
    EXPECT_EQ(chart.barCount(), 45);
    EXPECT_EQ(drawnIds(chart), expected);
}

TEST_F(ChartTest, AGprsMonthHidesWhatTheResultsWindowMarks) {
    sazbar::Profile p = busyMonth();
    p.gprsNet = 500;
    run = sazbar::runPricing(p, {.directDebit = false, .fixedLine = true});
    results.show(run, true);
    chart.vytvor_data();
    int drawn = 0;
    for (const auto& bar : chart.drawnBars()) {
        EXPECT_FALSE(run[bar.id.toStdString()].unsupported) << bar.id.toStdString();
        ++drawn;
    }
    int supported = 0;
    for (const auto& f : run.fields) supported += f.unsupported ? 0 : 1;
    EXPECT_EQ(drawn, supported);
    EXPECT_LT(drawn, 49);
}

TEST_F(ChartTest, EqualPricesComeOutInTheQuicksortsOrder) {
    std::array<sazbar::ChartInput, sazbar::kChartRecords> in{};
    for (int n = 0; n < sazbar::kTariffCount; ++n) {
        const auto id = sazbar::kTariffs[static_cast<std::size_t>(n)].id;
        results.field(std::string(id).c_str())->setText(QStringLiteral("250"));
        FakeResults::mark(results.field(std::string(id).c_str()), false);
    }
    for (auto& i : in) i.price = 250;
    in[sazbar::kChartRecords - 1].hidden = true;
    chart.vytvor_data();

    const auto order = sazbar::chartOrder(in);
    std::vector<QString> expected, tableOrder;
    for (int n = 0; n < order.count; ++n) expected.push_back(qid(sazbar::kChartTable[order.records[static_cast<std::size_t>(n)]].id));
    for (int n = 0; n < 48; ++n) tableOrder.push_back(qid(sazbar::kChartTable[static_cast<std::size_t>(n)].id));
    EXPECT_EQ(drawnIds(chart), expected);
    EXPECT_NE(drawnIds(chart), tableOrder) << "the quicksort moves equal records; a stable sort would not";
}

TEST_F(ChartTest, FieldTextsAreReadWithTheTextToIntegerRule) {
    const struct {
        const char* text;
        qint32 value;
    } cases[] = {{"1234", 1234}, {"12abc", 12}, {"xx", 0}, {"", 0}, {"  77", 77}, {"-40", -40}, {"$1F", 31}};
    for (const auto& c : cases) {
        results.field("t30")->setText(QString::fromLatin1(c.text));
        chart.vytvor_data();
        const auto& bars = chart.drawnBars();
        auto it = std::find_if(bars.begin(), bars.end(), [](const auto& b) { return b.id == QLatin1String("t30"); });
        ASSERT_NE(it, bars.end()) << c.text;
        EXPECT_EQ(it->value, c.value) << c.text;
        EXPECT_EQ(it->value, sazbar::textToInt(c.text));
    }
}

TEST_F(ChartTest, ANewRunIsDrawnOnTheNextActivation) {
    chart.vytvor_data();
    sazbar::Profile p = busyMonth();
    p.matrix[sazbar::Peak][sazbar::TMobile] = 400;
    const auto second = sazbar::runPricing(p, {});
    results.show(second, false);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&chart, &activate);
    for (const auto& bar : chart.drawnBars()) EXPECT_EQ(bar.value, second[bar.id.toStdString()].price);
    EXPECT_FALSE(chart.valueLabelsShown());

    valuesBox()->setChecked(true);
    QCoreApplication::sendEvent(&chart, &activate);
    EXPECT_TRUE(chart.valueLabelsShown());
}

TEST_F(ChartTest, ValueLabelsStandOnTheirBarsWhenTheBoxIsChecked) {
    chart.vytvor_data();
    EXPECT_FALSE(chart.valueLabelsShown());
    valuesBox()->setChecked(true);
    ASSERT_TRUE(chart.valueLabelsShown());
    const auto marks = chart.marks();
    ASSERT_EQ(static_cast<int>(marks.size()), chart.barCount());
    QCPAxis* x = chart.plot()->xAxis;
    QCPAxis* y = chart.plot()->yAxis;
    for (std::size_t n = 0; n < marks.size(); ++n) {
        EXPECT_EQ(marks[n].arrowFromX, qRound(x->coordToPixel(static_cast<double>(n + 1))));
        EXPECT_EQ(marks[n].arrowFromY, qRound(y->coordToPixel(chart.drawnBars()[n].value)));
        EXPECT_EQ(marks[n].fixed, n > 0);
        EXPECT_GT(marks[n].width, 0);
    }
    EXPECT_EQ(marks[0].arrowFromY - marks[0].arrowToY, 25);
    EXPECT_EQ(marks[0].arrowToY - marks[0].top, marks[0].height);

    // The label items show the grouped values.
    int texts = 0;
    for (int n = 0; n < chart.plot()->itemCount(); ++n) {
        auto* t = qobject_cast<QCPItemText*>(chart.plot()->item(n));
        if (!t || !t->visible()) continue;
        EXPECT_EQ(t->text().toStdString(), sazbar::chart::groupThousands(chart.drawnBars()[static_cast<std::size_t>(texts)].value));
        EXPECT_EQ(t->brush().color(), QColor(0xFF, 0xFF, 0xB3));
        ++texts;
    }
    EXPECT_EQ(texts, chart.barCount());

    valuesBox()->setChecked(false);
    EXPECT_FALSE(chart.valueLabelsShown());
}

TEST_F(ChartTest, DraggingTopLeftToBottomRightZoomsInTenSteps) {
    chart.vytvor_data();
    valuesBox()->setChecked(true);
    const QCPRange homeKeys = chart.plot()->xAxis->range();
    const QRect area = plotArea();
    int steps = 0;
    QObject::connect(chart.plot()->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), [&] { ++steps; });

    drag(chart.plot(), area.topLeft() + QPoint(40, 30), area.center());
    EXPECT_TRUE(chart.isZoomed());
    EXPECT_FALSE(valuesBox()->isChecked());
    EXPECT_FALSE(valuesBox()->isEnabled());
    EXPECT_FALSE(chart.valueLabelsShown());
    steps = 0;
    ASSERT_TRUE(waitForAnimation(chart));
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(chart.plot()->yAxis->range().lower, 0.0) << "bars keep their zero base";
    EXPECT_LT(chart.plot()->xAxis->range().size(), homeKeys.size() / 1.5);

    // Ticking the box while zoomed does not bring the labels back.
    valuesBox()->setChecked(true);
    EXPECT_FALSE(chart.valueLabelsShown());
}

TEST_F(ChartTest, DraggingRightToLeftUndoesTheZoom) {
    chart.vytvor_data();
    const QCPRange homeKeys = chart.plot()->xAxis->range();
    const QCPRange homeValues = chart.plot()->yAxis->range();
    const QRect area = plotArea();
    drag(chart.plot(), area.topLeft() + QPoint(40, 30), area.center());
    ASSERT_TRUE(waitForAnimation(chart));
    ASSERT_TRUE(chart.isZoomed());

    drag(chart.plot(), area.center(), area.center() - QPoint(60, 20));
    EXPECT_FALSE(chart.isZoomed());
    EXPECT_TRUE(valuesBox()->isEnabled());
    EXPECT_FALSE(valuesBox()->isChecked());
    ASSERT_TRUE(waitForAnimation(chart));
    EXPECT_EQ(chart.plot()->xAxis->range(), homeKeys);
    EXPECT_EQ(chart.plot()->yAxis->range(), homeValues);
}

TEST_F(ChartTest, SmallOrUpwardDragsDoNotZoom) {
    chart.vytvor_data();
    const QPoint c = plotArea().center();
    for (QPoint to : {c + QPoint(10, 40), c + QPoint(40, 10), c + QPoint(60, -40)}) {
        drag(chart.plot(), c, to);
        EXPECT_FALSE(chart.isZoomed()) << to.x() - c.x() << "," << to.y() - c.y();
        EXPECT_TRUE(valuesBox()->isEnabled());
    }
}

TEST_F(ChartTest, MouseDownClearsTheValueLabelsAndMouseUpEnablesTheBox) {
    chart.vytvor_data();
    valuesBox()->setChecked(true);
    ASSERT_TRUE(chart.valueLabelsShown());
    const QPoint c = plotArea().center();
    sendMouse(chart.plot(), QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(valuesBox()->isChecked());
    EXPECT_FALSE(chart.valueLabelsShown());
    valuesBox()->setEnabled(false);
    sendMouse(chart.plot(), QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(valuesBox()->isEnabled());
    EXPECT_FALSE(chart.isZoomed());
}

TEST_F(ChartTest, BuildingAZoomedChartUndoesTheZoom) {
    chart.vytvor_data();
    chart.zoomTo(plotArea().adjusted(50, 20, -300, -50), false);
    ASSERT_TRUE(chart.isZoomed());
    chart.vytvor_data();
    EXPECT_FALSE(chart.isZoomed());
    EXPECT_FALSE(chart.isAnimating());
    EXPECT_TRUE(valuesBox()->isEnabled());
    EXPECT_EQ(chart.plot()->yAxis->range().lower, 0.0);
    EXPECT_GE(chart.plot()->yAxis->range().upper, chart.drawnBars().back().value);
}

TEST_F(ChartTest, ResizingLaysTheWindowOutAndScalesTheFonts) {
    chart.vytvor_data();
    valuesBox()->setChecked(true);
    const struct {
        int w, h;
    } sizes[] = {{800, 518}, {1000, 700}, {chart.minimumWidth(), chart.minimumHeight()}, {1280, 1000}};
    chart.show();
    for (const auto& s : sizes) {
        chart.resize(s.w, s.h);
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        QCoreApplication::processEvents();
        EXPECT_EQ(chart.plot()->geometry(), QRect(2, 16, s.w - 14, s.h - 98));
        EXPECT_EQ(chart.findChild<QPushButton*>(QStringLiteral("Button2"))->pos(), QPoint(s.w - 96, s.h - 67));
        EXPECT_EQ(chart.findChild<QPushButton*>(QStringLiteral("Button1"))->pos(), QPoint(s.w - 200, s.h - 67));
        EXPECT_EQ(valuesBox()->pos(), QPoint(376, s.h - 61));
        EXPECT_EQ(chart.plot()->xAxis->tickLabelFont().pointSize(), s.w / 100);
        EXPECT_EQ(chart.plot()->yAxis->tickLabelFont().pointSize(), s.w / 100);
        EXPECT_TRUE(chart.valueLabelsShown());
        // Labels are laid out again for the new size.
        const auto marks = chart.marks();
        ASSERT_FALSE(marks.empty());
        EXPECT_EQ(marks[0].arrowFromY, qRound(chart.plot()->yAxis->coordToPixel(chart.drawnBars()[0].value)));
        int markFont = 0;
        for (int n = 0; n < chart.plot()->itemCount(); ++n)
            if (auto* t = qobject_cast<QCPItemText*>(chart.plot()->item(n))) markFont = t->font().pointSize();
        EXPECT_EQ(markFont, s.w / 150 + 2);
    }
}

TEST_F(ChartTest, AWindowMadeTooSmallStopsAtASizeWhereNothingOverlaps) {
    chart.vytvor_data();
    valuesBox()->setChecked(true);
    chart.show();
    chart.resize(60, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.size(), chart.minimumSize());
    EXPECT_LE(chart.minimumWidth(), 800) << "fits an 800 x 600 desktop";
    // The buttons stay clear of the whole text of "Hodnoty v grafu".
    const QRect values(valuesBox()->pos(), valuesBox()->sizeHint());
    for (const char* button : {"Button1", "Button3"})
        EXPECT_GT(chart.findChild<QPushButton*>(QString::fromLatin1(button))->geometry().left(), values.right()) << button;
    EXPECT_GE(chart.plot()->height(), 200);
    EXPECT_FALSE(chart.plot()->isHidden());
    chart.resize(800, 518);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.plot()->size(), QSize(786, 420));
}

TEST_F(ChartTest, TheValueAxisGroupsThousandsLikeTheLabels) {
    chart.vytvor_data();
    QCPAxis* y = chart.plot()->yAxis;
    y->setRange(0, 450000);
    QVector<double> ticks;
    QVector<QString> texts;
    y->ticker()->generate(y->range(), QLocale(), QLatin1Char('f'), 0, ticks, nullptr, &texts);
    ASSERT_FALSE(texts.isEmpty());
    bool grouped = false;
    for (int n = 0; n < ticks.size(); ++n) {
        EXPECT_EQ(texts[n], QString::fromStdString(sazbar::chart::groupThousands(std::llround(ticks[n]))));
        grouped |= texts[n].contains(QLatin1Char(' '));
    }
    EXPECT_TRUE(grouped);
}

TEST_F(ChartTest, ButtonsAskForHelpAndClose) {
    int help = 0;
    QObject::connect(&chart, &Tgraf::helpRequested, [&] { ++help; });
    chart.show();
    chart.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_EQ(help, 1);
    EXPECT_TRUE(chart.isVisible());
    chart.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    EXPECT_FALSE(chart.isVisible());
    EXPECT_EQ(chart.windowTitle(), QStringLiteral("Graf"));
}

TEST(ChartWithoutResults, DrawsNothing) {
    Tgraf chart;
    chart.vytvor_data();
    EXPECT_EQ(chart.barCount(), 0);
    EXPECT_TRUE(chart.drawnBars().empty());
    chart.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    EXPECT_TRUE(chart.marks().empty());
}

}  // namespace

// The tariffs of the user's files stand among the compiled ones by price, in
// their file's colour; an unsupported one is left out.
TEST_F(ChartTest, EveryBarBeyondTheCompiledOnesGetsItsValueLabel) {
    for (int i = 0; i < 20; ++i) {
        auto* e = new QLineEdit(QString::number(100 + i), &results);
        e->setObjectName(QStringLiteral("data:t%1").arg(i));
        e->setProperty("dataTariff", i);
        e->setProperty("chartName", QStringLiteral("t%1").arg(i));
        e->setProperty("chartColour", QColor(Qt::gray));
    }
    results.CheckBox1->setChecked(true);
    chart.vytvor_data();
    ASSERT_GT(chart.barCount(), sazbar::kChartRecords);
    valuesBox()->setChecked(true);
    ASSERT_EQ(static_cast<int>(chart.marks().size()), chart.barCount());
    std::vector<std::string> shown;
    for (int n = 0; n < chart.plot()->itemCount(); ++n)
        if (auto* t = qobject_cast<QCPItemText*>(chart.plot()->item(n)); t && t->visible()) shown.push_back(t->text().toStdString());
    ASSERT_EQ(static_cast<int>(shown.size()), chart.barCount());
    for (std::size_t n = 0; n < shown.size(); ++n) EXPECT_EQ(shown[n], sazbar::chart::groupThousands(chart.drawnBars()[n].value)) << n;
}

TEST_F(ChartTest, TariffsOfFilesJoinTheRowByPrice) {
    chart.vytvor_data();
    const std::vector<Tgraf::DrawnBar> compiled = chart.drawnBars();
    const qint32 lowest = compiled.front().value, highest = compiled.back().value;
    const struct {
        const char* name;
        qint32 price;
        bool unsupported;
        QColor colour;
    } data[] = {{"tie", lowest, false, QColor(0x12, 0x34, 0x56)}, {"dear", highest + 1, false, Qt::gray},
                {"cannot", 1, true, Qt::gray}};
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(QString::number(data[i].price), &results);
        e->setObjectName(QStringLiteral("data:") + QString::fromLatin1(data[i].name));
        e->setProperty("dataTariff", i);
        e->setProperty("chartName", QString::fromLatin1(data[i].name));
        e->setProperty("chartColour", data[i].colour);
        FakeResults::mark(e, data[i].unsupported);
    }
    chart.vytvor_data();
    const auto& bars = chart.drawnBars();
    ASSERT_EQ(bars.size(), compiled.size() + 2);
    for (std::size_t n = 1; n < bars.size(); ++n) EXPECT_LE(bars[n - 1].value, bars[n].value) << n;
    // A tie comes after the compiled bars of its price.
    const auto tie = std::find_if(bars.begin(), bars.end(), [](const auto& b) { return b.name == QLatin1String("tie"); });
    ASSERT_NE(tie, bars.end());
    EXPECT_EQ(tie->colour, data[0].colour);
    EXPECT_NE(std::next(tie)->value, lowest);
    EXPECT_EQ(bars.back().name, QStringLiteral("dear"));

    // The compiled tariffs left out: the files' bars alone.
    results.setProperty("builtinPriced", false);
    chart.vytvor_data();
    ASSERT_EQ(chart.barCount(), 2);
    EXPECT_EQ(chart.drawnBars()[0].name, QStringLiteral("tie"));
}
