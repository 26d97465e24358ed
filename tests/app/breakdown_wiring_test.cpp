// The price breakdown in the whole program: opened from a result field by
// double-click, Enter or the context menu, one window reused, following the
// results window's runs.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app.h"
#include "bench/varied_profiles.h"
#include "pricing/breakdown.h"
#include "tests/pricing/test_profiles.h"
#include "ui/breakdown/trozpis.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

namespace {

int countBreakdownWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<TRozpis*>(w) != nullptr;
    return n;
}

// The window shows what the engine gives for the results window's last run.
void expectMatchesResults(const TRozpis& w, const Tform3& results, const char* id) {
    const int i = sazbar::tariffIndex(id);
    ASSERT_EQ(w.tariff(), i) << id;
    const sazbar::Breakdown expected = sazbar::priceBreakdown(results.lastProfile(), results.lastOptions(), i);
    EXPECT_EQ(w.breakdown().shown, results.lastResult()[id].price) << id;
    EXPECT_TRUE(w.breakdown().total == expected.total) << id;
    EXPECT_EQ(w.breakdown().items.size(), expected.items.size()) << id;
    EXPECT_TRUE(w.breakdown().itemSum() == w.breakdown().total) << id;
}

TEST(BreakdownProgram, OpensFromAResultFieldAndFollowsTheRuns) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        App app;
        app.startWithoutSplash();
        TForm1& main = app.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        // Calls, and 40 SMS to T-Mobile: with direct debit 20 of them are free on "naplno".
        for (const auto& [n, text] : {std::pair{2, "60"}, {3, "35"}, {8, "80"}, {5, "40"}})
            main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromLatin1(text));
        main.findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
        Tform3& results = app.resultsWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
        TRozpis& w = app.breakdownWindow();
        EXPECT_FALSE(w.isVisible());

        QTest::mouseDClick(results.field(QStringLiteral("t30")), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        expectMatchesResults(w, results, "t30");

        // Enter on another field reuses the window; the cheapest is beside it.
        QTest::keyClick(results.field(QStringLiteral("naplno50")), Qt::Key_Return);
        expectMatchesResults(w, results, "naplno50");
        EXPECT_EQ(countBreakdownWindows(), 1);
        int cheapest = -1;
        for (int i = 0; i < sazbar::kTariffCount && cheapest < 0; ++i)
            if (results.lastResult().fields[std::size_t(i)].cheapest) cheapest = i;
        EXPECT_EQ(w.compared(), cheapest == w.tariff() ? -1 : cheapest);

        // The context menu's only entry.
        QTimer::singleShot(200, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            menu->setActiveAction(menu->actions().value(0));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QLineEdit* gold = results.field(QStringLiteral("gold"));
        QContextMenuEvent ce(QContextMenuEvent::Keyboard, QPoint(2, 2), gold->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(gold, &ce);
        expectMatchesResults(w, results, "gold");

        // A re-run with direct debit: an open breakdown shows the new items.
        QTest::keyClick(results.field(QStringLiteral("naplno50")), Qt::Key_Return);
        const std::int32_t before = w.breakdown().shown;
        results.findChild<QCheckBox*>(QStringLiteral("inkaso"))->click();
        EXPECT_TRUE(results.lastOptions().directDebit);
        expectMatchesResults(w, results, "naplno50");
        EXPECT_LT(w.breakdown().shown, before);

        // Ctrl+C in the table copies the whole breakdown as tab-separated text.
        QApplication::clipboard()->clear();
        QTest::keyClick(w.findChild<QTableWidget*>(QStringLiteral("items0")), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        EXPECT_EQ(copied, w.tableText());
        EXPECT_TRUE(copied.startsWith(QStringLiteral("Tarif\tDruh\tPoložka")));
        EXPECT_TRUE(copied.contains(QStringLiteral("\tCelkem\t")));

        EXPECT_TRUE(w.savePdf(dir.filePath(QStringLiteral("rozpis.pdf"))));
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    }
    QDir::setCurrent(previous);
}

// An amount as the Czech window shows it ("-1 234,5678 Kč *", "+12,50 Kč") in
// ten-thousandths of a crown; every shown amount has at most four decimals.
std::int64_t shownValue(QString s) {
    s.remove(QStringLiteral("Kč")).remove(QChar(0x00a0)).remove(QLatin1Char('*')).remove(QLatin1Char('+'));
    s = s.trimmed();
    const QStringList parts = s.split(QLatin1Char(','));
    bool okWhole = false, okFrac = false;
    const std::int64_t whole = parts[0].toLongLong(&okWhole);
    const QString frac = parts.value(1);
    const std::int64_t f = frac.leftJustified(4, QLatin1Char('0')).toLongLong(&okFrac);
    EXPECT_TRUE(okWhole && okFrac && parts.size() == 2 && frac.size() >= 2 && frac.size() <= 4) << s.toStdString();
    return parts[0].startsWith(QLatin1Char('-')) ? whole * 10000 - f : whole * 10000 + f;
}

// Every kind row is the sum of its item rows as shown, the total row the sum
// of the kinds; returns the shown total.
std::int64_t checkSide(const QTableWidget* t, const std::string& what) {
    std::int64_t kinds = 0, kindShown = 0, items = 0;
    bool inKind = false;
    auto closeKind = [&] {
        if (inKind) {
            EXPECT_EQ(items, kindShown) << what;
        }
        inKind = false;
    };
    const int last = t->rowCount() - 1;
    for (int r = 0; r < last; ++r) {
        const QString label = t->item(r, 0)->text();
        if (label.isEmpty()) continue;
        const std::int64_t v = shownValue(t->item(r, 2)->text());
        if (label.startsWith(QStringLiteral("  "))) {
            items += v;
        } else {
            closeKind();
            inKind = true;
            kindShown = v;
            kinds += v;
            items = 0;
        }
    }
    closeKind();
    const std::int64_t total = shownValue(t->item(last, 2)->text());
    EXPECT_EQ(kinds, total) << what;
    return total;
}

// What a reader adds up from the window is what it says: items to kinds,
// kinds to the total, and the difference of the shown totals in the
// comparison's sentence and in the table of differences.
TEST(BreakdownWindow, ShownAmountsAddUp) {
    using sazbar::test::P;
    struct Case {
        const char* name;
        sazbar::Profile profile;
        const char* tariff;
        const char* compared;
    };
    std::vector<Case> cases = {
        // Free minutes of a share with a long decimal; a share of SMS that never terminates.
        {"free minutes 50 of 160", P().calls(sazbar::TMobile, 97, 13).calls(sazbar::Eurotel, 50), "t80", "gold"},
        {"41st SMS", P().sms(40, 1), "smsdata", "t30"},
        {"SMS tiers", P().sms(400, 433, 7).calls(sazbar::Oskar, 33), "smsdata", "naplno150"},
        {"exact", P().calls(sazbar::TMobile, 60), "t30", "t80"},
    };
    const std::vector<sazbar::Profile> varied = sazbar::bench::variedProfiles(12);
    for (std::size_t i = 0; i < varied.size(); ++i)
        cases.push_back({"varied", varied[i], sazbar::kTariffs[(i * 7) % sazbar::kTariffCount].id.data(),
                         sazbar::kTariffs[(i * 11 + 3) % sazbar::kTariffCount].id.data()});
    TRozpis w;
    const auto* left = w.findChild<QTableWidget*>(QStringLiteral("items0"));
    const auto* right = w.findChild<QTableWidget*>(QStringLiteral("items1"));
    const auto* diff = w.findChild<QTableWidget*>(QStringLiteral("differences"));
    const auto* summary = w.findChild<QLabel*>(QStringLiteral("summary"));
    const QRegularExpression totalSentence(QStringLiteral("Celkem o (.+) (více|méně)\\."));
    for (const Case& c : cases) {
        const std::string what = std::string(c.name) + " " + c.tariff + " vs " + c.compared;
        const sazbar::RunOptions options{true, true};
        w.showTariff(c.profile, options, sazbar::runPricing(c.profile, options), sazbar::tariffIndex(c.tariff));
        w.setCompared(sazbar::tariffIndex(c.compared));
        if (w.breakdown().status != sazbar::BreakdownStatus::Itemised ||
            w.comparedBreakdown().status != sazbar::BreakdownStatus::Itemised)
            continue;
        const std::int64_t difference = checkSide(left, what + " left") - checkSide(right, what + " right");
        const QRegularExpressionMatch m = totalSentence.match(summary->text());
        if (difference == 0) {
            EXPECT_FALSE(m.hasMatch()) << what;
        } else {
            ASSERT_TRUE(m.hasMatch()) << what << ": " << summary->text().toStdString();
            EXPECT_EQ(shownValue(m.captured(1)) * (m.captured(2) == QStringLiteral("více") ? 1 : -1), difference) << what;
        }
        for (int r = 0; r < diff->rowCount(); ++r)
            EXPECT_EQ(shownValue(diff->item(r, 1)->text()) - shownValue(diff->item(r, 2)->text()),
                      shownValue(diff->item(r, 3)->text()))
                << what << " row " << r;
    }
}

// A tariff that cannot carry the month says so in the hint's words, at the
// top and in the comparison; the compared tariff keeps its cheapest mark
// when picked by hand.
TEST(BreakdownWindow, UnsupportedAndCheapestSaySo) {
    using sazbar::test::P;
    const sazbar::Profile p = P().calls(sazbar::TMobile, 100).gprs(0, 300);
    const sazbar::RunOptions options{false, false};
    const sazbar::RunResult run = sazbar::runPricing(p, options);
    int cheapest = -1;
    for (int i = 0; i < sazbar::kTariffCount && cheapest < 0; ++i)
        if (run.fields[std::size_t(i)].cheapest) cheapest = i;
    ASSERT_GE(cheapest, 0);
    TRozpis w;
    const auto* warning = w.findChild<QLabel*>(QStringLiteral("warning"));
    const auto* summary = w.findChild<QLabel*>(QStringLiteral("summary"));
    const auto* head = w.findChild<QLabel*>(QStringLiteral("head1"));
    w.showTariff(p, options, run, sazbar::tariffIndex("tipbusiness"));
    EXPECT_FALSE(warning->isHidden());
    EXPECT_TRUE(warning->text().contains(QStringLiteral("nepodporuje GPRS"))) << warning->text().toStdString();
    EXPECT_TRUE(summary->text().contains(QStringLiteral("Tip Business nepodporuje GPRS"))) << summary->text().toStdString();
    // Another tariff picked, then the cheapest again by hand.
    w.setCompared(cheapest == 0 ? 1 : 0);
    w.setCompared(cheapest);
    EXPECT_TRUE(head->text().endsWith(QStringLiteral("– nejlevnější"))) << head->text().toStdString();
    // A tariff that carries the month says nothing of it.
    w.showTariff(p, options, run, sazbar::tariffIndex("t30"));
    EXPECT_TRUE(warning->isHidden());
    EXPECT_FALSE(summary->text().contains(QStringLiteral("nepodporuje")));
}

// Ctrl+C copies the page that has the focus, wherever in the window the
// focus is: a table, the tab bar after a click, the choice of comparison.
TEST(BreakdownWindow, CtrlCCopiesWhatHasTheFocus) {
    using sazbar::test::P;
    const sazbar::Profile p = P().calls(sazbar::TMobile, 60).sms(40);
    const sazbar::RunOptions options{false, false};
    TRozpis w;
    w.showTariff(p, options, sazbar::runPricing(p, options), sazbar::tariffIndex("t80"));
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* combo = w.findChild<QComboBox*>(QStringLiteral("compare"));
    auto ctrlC = [&](QWidget* target) {
        QApplication::clipboard()->clear();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    };
    for (int tab : {1, 2, 0}) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
        ASSERT_EQ(tabs->currentIndex(), tab);
        const QString copied = ctrlC(QApplication::focusWidget() ? QApplication::focusWidget() : tabs->tabBar());
        EXPECT_FALSE(copied.isEmpty()) << "tab " << tab;
        EXPECT_EQ(copied, w.focusedText()) << "tab " << tab;
    }
    EXPECT_TRUE(ctrlC(tabs->tabBar()).startsWith(QStringLiteral("Tarif\tDruh\tPoložka")));
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(ctrlC(w.findChild<QTableWidget*>(QStringLiteral("differences"))).startsWith(QStringLiteral("Druh\t")));
    tabs->setCurrentIndex(0);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(ctrlC(combo), w.tableText());
    EXPECT_GE(w.compared(), 0);
}


// A tariff of a file opens like a compiled one, itemised by the file's rules.
TEST(BreakdownProgram, OpensFromATariffOfAFileAndFollowsItsRow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile f(dir.filePath(QStringLiteral("mine.json")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": "sazbar-tariffs/1", "tariffs": [{"id": "mine", "operator": "Můj operátor", "name": "Můj tarif",
      "fee": "99.5", "source": {"title": "t", "document": "d"},
      "rates": {"calls": {"fixed": "2", "tmobile": "2.25", "eurotel": "3", "oskar": "3", "voicemail": "1"}, "sms": "1.5"}}]})");
    f.close();
    {
        App app(0, sazbar::Language::Czech, {f.fileName()});
        for (int i = 0; i < 1000 && !app.catalogueStore().isLoaded(); ++i) QTest::qWait(10);
        app.startWithoutSplash();
        TForm1& main = app.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        QLineEdit* minutes = main.findChild<QLineEdit*>(QStringLiteral("Edit2"));
        minutes->setText(QStringLiteral("60"));
        main.findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
        Tform3& results = app.resultsWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
        ASSERT_EQ(results.dataRows().size(), 1u);

        TRozpis& w = app.breakdownWindow();
        QTest::mouseDClick(results.dataRows()[0].field, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        for (const char* step : {"opened", "followed"}) {
            SCOPED_TRACE(step);
            const Tform3::DataRow& row = results.dataRows()[0];
            EXPECT_EQ(w.tariff(), TRozpis::kDataTariff);
            EXPECT_EQ(w.breakdown().shown, row.result.price);
            EXPECT_TRUE(w.breakdown().itemSum() == row.result.total);
            EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("Můj tarif")));
            EXPECT_TRUE(w.tableText().contains(QStringLiteral("Můj tarif")));
            // The next run, with more minutes, is followed.
            minutes->setText(QStringLiteral("90"));
            main.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
            results.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
        }
    }
    QDir::setCurrent(previous);
}

}  // namespace
