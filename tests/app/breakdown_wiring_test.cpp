// The price breakdown in the whole program: opened from a result field by
// double-click, Enter or the context menu, one window reused, following the
// results window's runs.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app.h"
#include "pricing/breakdown.h"
#include "ui/breakdown/trozpis.h"
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

}  // namespace
