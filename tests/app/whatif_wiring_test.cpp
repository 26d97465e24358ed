// "Co kdyby" in the whole program: opened from the results and the chart
// window, following the profile and the results window's boxes, and telling
// the same break-even points as sazbar-cli --sweep.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/app.h"
#include "cli/app.h"
#include "core/saved_inputs.h"
#include "ui/chart/tgraf.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"
#include "ui/whatif/tcokdyby.h"

namespace {

void click(QWidget& window, const char* name) {
    auto* b = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

TEST(WhatIfProgram, OpensFromResultsAndChartAndAgreesWithTheCommandLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        App app;
        app.startWithoutSplash();
        TForm1& main = app.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        for (const auto& [n, text] : {std::pair{2, "60"}, {3, "35"}, {8, "80"}, {5, "40"}})
            main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromLatin1(text));
        click(main, "Button1");
        Tform3& results = app.resultsWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&results));

        Tcokdyby& w = app.whatIfWindow();
        EXPECT_FALSE(w.isVisible());
        click(results, "Button5");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        auto agreesWithResults = [&] {
            const sazbar::SweepPoint* now = w.sweep().at(100);
            if (!now) return false;
            for (int i = 0; i < sazbar::kTariffCount; ++i)
                if (now->price[std::size_t(i)] != results.lastResult().fields[std::size_t(i)].shownValue()) return false;
            return true;
        };
        EXPECT_TRUE(agreesWithResults());
        ASSERT_FALSE(w.cheapestTexts().isEmpty());

        // The results window's direct-debit box and the main window's boxes.
        results.findChild<QCheckBox*>(QStringLiteral("inkaso"))->setChecked(true);
        EXPECT_TRUE(QTest::qWaitFor(agreesWithResults, 1000));
        main.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("150"));
        const std::int64_t minutes = sazbar::totalCallMinutes(main.profile());
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.sweep().at(100)->totalCallMinutes == minutes; }, 1000));
        EXPECT_EQ(minutes, 60 + 150 + 80);

        // The command line on the same boxes tells the same break-even points.
        w.setGroup(sazbar::SweepGroup::Calls);
        ASSERT_TRUE(sazbar::saveSavedInputs("sazbar_test.dat", main.boxTexts()));
        std::istringstream in;
        std::ostringstream out, err;
        ASSERT_EQ(sazbar::cli::runCli({"--dat", "sazbar_test.dat", "--direct-debit", "--sweep", "calls", "--format", "json"},
                                      in, out, err),
                  0)
            << err.str();
        const auto j = nlohmann::json::parse(out.str());
        ASSERT_EQ(j["break_even"].size(), w.sweep().breakEvens.size());
        for (std::size_t i = 0; i < w.sweep().breakEvens.size(); ++i)
            EXPECT_EQ(j["break_even"][i]["percent"], w.sweep().breakEvens[i].at);

        // Printed under the others when chosen; not chosen at first.
        w.close();
        click(results, "Button3");
        TForm4& print = app.printWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&print));
        auto* choice = print.findChild<QCheckBox*>(QStringLiteral("CheckBox5"));
        ASSERT_NE(choice, nullptr);
        EXPECT_FALSE(choice->isChecked());
        EXPECT_EQ(choice->text(), QStringLiteral("Co kdyby"));
        const QSize without = print.pageImage().size();
        choice->setChecked(true);
        const QImage& picture = print.whatIfCapture();
        EXPECT_EQ(picture.size(), w.size());
        EXPECT_EQ(print.pageImage().height(), without.height() + picture.height() + 40);
        const QImage& page = print.pageImage();
        EXPECT_EQ(page.copy(page.width() / 2 - picture.width() / 2, without.height(), picture.width(), picture.height()),
                  picture);
        EXPECT_TRUE(print.whatIfPreview()->isVisibleTo(&print));
        EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("Button1"))->isHidden()) << "its button is back";
        print.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setChecked(true);  // "Bílé pozadí"
        const QPoint surround(w.plot()->mapTo(&w, QPoint(2, 2)));
        EXPECT_EQ(print.whatIfCapture().pixelColor(surround), QColor(Qt::white));
        EXPECT_NE(w.plot()->grab().toImage().pixelColor(2, 2), QColor(Qt::white)) << "and back to normal after";
        print.close();

        click(results, "Button1");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.chartWindow()));
        click(app.chartWindow(), "Button3");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QDir::setCurrent(previous);
}

}  // namespace
