// The program's windows and the buttons that open them.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/app.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/catalogues/catalogue_window.h"
#include "ui/chart/tgraf.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"
#include "ui/whatif/tcokdyby.h"
#include "update/taktualizace.h"
#include "update/tnewversion.h"
#include "update/tstartup.h"
#include "update/updatereply.h"

namespace {

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static void click(QWidget& window, const char* name) {
        auto* b = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    QTemporaryDir m_dir;
    QString m_previous;
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

    // "Ceníky…" from the main window: Ctrl+T, and the last item of the "Profil" menu.
    auto* menu = main.findChild<QMenu*>(QStringLiteral("profileMenu"));
    ASSERT_NE(menu, nullptr);
    QAction* catalogues = menu->actions().last();
    EXPECT_EQ(catalogues->objectName(), QStringLiteral("cataloguesAction"));
    EXPECT_TRUE(catalogues->shortcut().matches(QKeySequence(Qt::CTRL | Qt::Key_T)));
    for (const std::function<void()>& open : std::initializer_list<std::function<void()>>{
             [&] { QTest::keyClick(&main, Qt::Key_T, Qt::ControlModifier); }, [&] { catalogues->trigger(); }}) {
        if (app.catalogueWindow()) app.catalogueWindow()->hide();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        open();
        ASSERT_NE(app.catalogueWindow(), nullptr);
        EXPECT_TRUE(app.catalogueWindow()->isVisible());
    }
    app.catalogueWindow()->hide();

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

// What a window shows on its screen: the picture the window system was given,
// not a fresh rendering of the widget.
QImage onScreen(QWidget* w) { return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32); }

double blackShare(const QImage& img) {
    if (img.isNull()) return 1;
    qint64 black = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) black += (img.pixel(x, y) & 0xFFFFFF) == 0;
    return double(black) / (double(img.width()) * img.height());
}

// Waits until `w` is on the screen and has been drawn, then grabs it.
QImage shown(QWidget* w) {
    if (!QTest::qWaitForWindowExposed(w)) return QImage();
    QTest::qWait(150);
    return onScreen(w);
}

// Opens a modal dialog by `open` (which blocks in the dialog's own loop),
// grabs it once shown and closes it again.
QImage modalShot(const std::function<void()>& open, QString* title) {
    QImage shot;
    // Polled rather than waited for: the dialog's loop runs inside `open`.
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll.stop();
        shot = shown(modal);
        *title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->defaultButton()) box->defaultButton()->click();
        else if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    });
    poll.start();
    open();
    return shot;
}

TEST_F(Program, EveryDialogAndWindowDrawsItsContent) {
    App app;
    app.startWithoutSplash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.mainWindow()));
    struct Shot {
        QString name;
        QImage image;
    };
    std::vector<Shot> shots;

    click(app.mainWindow(), "Button1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.resultsWindow()));
    click(app.resultsWindow(), "Button3");
    shots.push_back({QStringLiteral("print window"), shown(&app.printWindow())});
    QString title;
    QImage settings = modalShot([&] { click(app.printWindow(), "Button2"); }, &title);
    shots.push_back({QStringLiteral("print dialog ") + title, settings});
    app.printWindow().close();

    // The update window, then the question when there is no connection.
    Taktualizace& update = app.updateWindow();
    update.setConnectionProbe([] { return false; });
    update.setIntervalsForTest(20000, 1500, 1000);
    QImage question = modalShot(
        [&] {
            update.start();
            shots.push_back({QStringLiteral("update window"), shown(&update)});
            EXPECT_TRUE(QTest::qWaitFor([&] { return update.outcome() != Taktualizace::Outcome::Pending; }, 5000));
        },
        &title);
    shots.push_back({QStringLiteral("question ") + title, question});
    EXPECT_EQ(title, QStringLiteral("Potvrzení"));

    Tnewversion& notice = app.noticeWindow();
    notice.setNews(*sazbar::parseUpdateReply(QByteArray("6.99*1. 1. 2027*Nová verze*")));
    notice.show();
    shots.push_back({QStringLiteral("notice"), shown(&notice)});

    for (const Shot& s : shots) {
        ASSERT_FALSE(s.image.isNull()) << s.name.toStdString();
        EXPECT_LT(blackShare(s.image), 0.5) << s.name.toStdString() << " is drawn black";
    }
}

// Every secondary window opens centred on the window it is opened from and
// wholly on that window's screen.
TEST_F(Program, SecondaryWindowsOpenOnTheScreenOverTheirOpener) {
    App app;
    app.startWithoutSplash();
    TForm1& main = app.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.move(0, 0);  // an opener off the centre: the window must still fit
    click(main, "Button1");
    Tform3& results = app.resultsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    click(results, "Button1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.chartWindow()));

    const struct {
        const char* name;
        QWidget* opener;
        const char* button;
        QWidget* window;
    } cases[] = {
        {"help", &main, "Button2", &app.helpWindow()},
        {"info", &main, "Button5", &app.infoWindow()},
        {"results help", &results, "Button4", &app.resultsHelpWindow()},
        {"print", &results, "Button3", &app.printWindow()},
        {"chart help", &app.chartWindow(), "Button1", &app.chartHelpWindow()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        click(*c.opener, c.button);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        const QRect area = c.opener->screen()->availableGeometry();
        const QRect frame = c.window->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << "off the screen";
        // Centred on the opener as far as the screen allows.
        const QRect ideal = [&] {
            QRect r(QPoint(0, 0), frame.size());
            r.moveCenter(c.opener->frameGeometry().center());
            return r;
        }();
        if (area.contains(ideal)) {
            EXPECT_LE((frame.center() - ideal.center()).manhattanLength(), 2);
        }
        c.window->hide();
    }
}

TEST_F(Program, EscClosesEverySecondaryWindow) {
    App app;
    app.startWithoutSplash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.mainWindow()));
    QWidget* windows[] = {&app.resultsWindow(), &app.chartWindow(), &app.whatIfWindow(), &app.printWindow(),
                          &app.infoWindow(), &app.helpWindow(), &app.internationalHelpWindow(),
                          &app.resultsHelpWindow(), &app.chartHelpWindow()};
    for (QWidget* w : windows) {
        SCOPED_TRACE(w->windowTitle().toStdString());
        w->show();
        w->activateWindow();
        // The offscreen platform does not always pass the activation on.
        if (!QTest::qWaitForWindowActive(w, 500)) QApplication::setActiveWindow(w);
        ASSERT_EQ(QApplication::activeWindow(), w);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && w->isAncestorOf(focus) ? focus : w, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([w] { return !w->isVisible(); }, 2000));
    }
    EXPECT_TRUE(app.mainWindow().isVisible());
}

// Printed, the results window's own tariffs show every row, however few the
// list shows on the screen, and the window is as it was afterwards.
TEST_F(Program, ThePrintedResultsShowEveryTariffOfTheFiles) {
    QByteArray text = R"({"format": "sazbar-tariffs/1", "tariffs": [)";
    for (int i = 0; i < 20; ++i)
        text += QByteArray(i ? "," : "") + R"({"id": "t)" + QByteArray::number(i) +
                R"(", "operator": "Operátor s dlouhým názvem", "name": "Tarif s ještě delším názvem )" +
                QByteArray::number(i) + R"(", "fee": "1)" + QByteArray::number(i) +
                R"(", "source": {"title": "t", "document": "d"}, "rates": {"sms": "1"}})";
    QFile f(QStringLiteral("many.json"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text + "]}");
    f.close();
    App app(4000, sazbar::Language::Czech, {m_dir.filePath(QStringLiteral("many.json"))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.catalogueStore().isLoaded(); }, 10000));
    app.startWithoutSplash();
    click(app.mainWindow(), "Button1");
    Tform3& results = app.resultsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    ASSERT_EQ(results.dataRows().size(), 20u);
    auto* list = results.findChild<QScrollArea*>(QStringLiteral("dataScroll"));
    ASSERT_NE(list, nullptr);
    const int hidden = list->widget()->height() - list->viewport()->height();
    ASSERT_GT(hidden, 0);
    list->verticalScrollBar()->setValue(7);
    const auto looks = [&] {
        QStringList names;
        for (const QLabel* l : list->widget()->findChildren<QLabel*>()) names << l->text();
        return std::tuple(results.size(), QRect(list->mapTo(&results, QPoint()), list->size()),
                          list->verticalScrollBar()->value(), names);
    };
    const auto before = looks();

    click(results, "Button3");
    const QImage& picture = app.printWindow().captures()[sazbar::print::Results];
    EXPECT_EQ(picture.width(), results.width());
    EXPECT_EQ(picture.height(), results.height() + hidden);
    EXPECT_TRUE(looks() == before);
}

}  // namespace
