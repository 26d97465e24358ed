// The program's windows and the buttons that open them.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app.h"
#include "ui/chart/tgraf.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"
#include "update/taktualizace.h"
#include "update/tstartup.h"

namespace {

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void click(QWidget& window, const char* name) {
        auto* b = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(Program, SplashHandsOverToTheMainWindowAndNoConnectSkipsTheCheck) {
    QFile f(QStringLiteral("update"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("NOCONNECT\r\n");
    f.close();
    App app(50);
    app.start();
    EXPECT_TRUE(app.splash().isVisible());
    EXPECT_FALSE(app.mainWindow().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.mainWindow().isVisible(); }, 3000));
    EXPECT_FALSE(app.splash().isVisible());
    QTest::qWait(100);
    EXPECT_FALSE(app.updateWindow().isVisible());
}

TEST_F(Program, EveryButtonOpensItsWindow) {
    App app;
    app.startWithoutSplash();
    TForm1& main = app.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    click(main, "Button2");
    EXPECT_TRUE(app.helpWindow().isVisible());
    EXPECT_FALSE(app.internationalHelpWindow().isVisible());
    app.helpWindow().hide();
    pages->setCurrentIndex(1);
    click(main, "Button2");
    EXPECT_TRUE(app.internationalHelpWindow().isVisible());
    EXPECT_FALSE(app.helpWindow().isVisible());
    pages->setCurrentIndex(0);

    click(main, "Button5");
    EXPECT_TRUE(app.infoWindow().isVisible());
    bool versionShown = false;
    for (const QLabel* l : app.infoWindow().findChildren<QLabel*>())
        versionShown |= l->text().contains(QStringLiteral("6.61"));
    EXPECT_TRUE(versionShown);

    click(main, "Button1");
    Tform3& results = app.resultsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    EXPECT_NE(results.field(QStringLiteral("t30"))->text(), QStringLiteral("xx"));

    click(results, "Button4");
    EXPECT_TRUE(app.resultsHelpWindow().isVisible());

    click(results, "Button1");
    Tgraf& chart = app.chartWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    EXPECT_EQ(chart.size(), QSize(800, 515));
    QTest::qWait(50);
    chart.vytvor_data();
    EXPECT_EQ(chart.barCount(), 48);  // everything but the fixed line
    click(chart, "Button1");
    EXPECT_TRUE(app.chartHelpWindow().isVisible());

    click(results, "Button3");
    EXPECT_TRUE(app.printWindow().isVisible());
}

}  // namespace
