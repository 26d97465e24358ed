// The main input window driven as a user drives it: typing, leaving boxes,
// the buttons, the predefined profiles and the saved inputs file.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/app.h"
#include "core/boxes.h"
#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Every test runs in its own empty working directory, where the window looks
// for its saved inputs.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static std::unique_ptr<TForm1> open() {
        auto w = std::make_unique<TForm1>();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    static QLineEdit* edit(TForm1& w, int n) { return w.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }
    template <class T = QAbstractButton>
    static T* control(TForm1& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QString total(TForm1& w) { return w.findChild<QLineEdit*>(QStringLiteral("celkmin"))->text(); }

    static void showPage(TForm1& w, int page) {
        auto* bar = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }

    // Clicks into a box, selects what it holds and types over it.
    static void type(TForm1& w, int n, const QString& text) {
        QLineEdit* e = edit(w, n);
        showPage(w, sazbar::isDomesticBox(n) ? 0 : 1);
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, text);
    }

    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

    static QStringList texts(TForm1& w) {
        QStringList l;
        for (int n = 1; n <= sazbar::kBoxCount; ++n) l << edit(w, n)->text();
        return l;
    }
    static QStringList zeros() { return QStringList(sazbar::kBoxCount, QStringLiteral("0")); }

    static void writeFile(const QByteArray& bytes) {
        QFile f(QStringLiteral("sazbar.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile() {
        QFile f(QStringLiteral("sazbar.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray fileOf(const QStringList& lines) {
        QByteArray b;
        for (const QString& l : lines) b += l.toUtf8() + "\r\n";
        return b;
    }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(MainWindow, StartState) {
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Sazbar 2000"));
    EXPECT_EQ(texts(*w), zeros());
    EXPECT_EQ(total(*w), QStringLiteral("0"));
    EXPECT_TRUE(control<QPushButton>(*w, "Button1")->isDefault());
    EXPECT_TRUE(control(*w, "autosave")->isChecked());
    EXPECT_FALSE(control(*w, "CheckBox1")->isChecked());
    EXPECT_FALSE(control(*w, "internet")->isChecked());
    EXPECT_TRUE(control(*w, "malo1")->isChecked());
    EXPECT_FALSE(control(*w, "malo1")->isEnabled());
    EXPECT_FALSE(control(*w, "doba1")->isEnabled());
    for (int r = 1; r <= 4; ++r) {
        auto* combo = control<QComboBox>(*w, QStringLiteral("ComboBox%1").arg(r).toLatin1().constData());
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->count(), sazbar::kCountries);
        EXPECT_EQ(combo->currentIndex(), r - 1);
    }
}

TEST_F(MainWindow, TotalCountsCallsAndVoiceMailOnly) {
    auto w = open();
    for (int n = 1; n <= sazbar::kBoxCount; ++n) {
        if (!sazbar::isDomesticBox(n)) continue;
        type(*w, n, QStringLiteral("7"));
        EXPECT_EQ(total(*w), sazbar::isCallMinutesBox(n) ? QStringLiteral("7") : QStringLiteral("0")) << "Edit" << n;
        type(*w, n, QStringLiteral("0"));
    }
    type(*w, 1, QStringLiteral("120"));
    type(*w, 9, QStringLiteral("30"));
    type(*w, 27, QStringLiteral("5"));
    type(*w, 26, QStringLiteral("40"));  // MMS
    type(*w, 33, QStringLiteral("60"));  // international
    EXPECT_EQ(total(*w), QStringLiteral("155"));
    // The total follows every key, bad text counting as its leading digits.
    type(*w, 1, QStringLiteral("12x"));
    EXPECT_EQ(total(*w), QStringLiteral("47"));
}

TEST_F(MainWindow, LeavingADomesticBoxCleansItsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"-5", "0"}, {"12ab", "12"}, {"007", "7"}, {"", "0"}, {"-12ab", "12"}, {"  42", "42"}, {"$1F", "31"}, {"abc", "0"},
    };
    auto w = open();
    for (const auto& [typed, clean] : cases) {
        type(*w, 1, QString::fromLatin1(typed));
        QTest::keyClick(edit(*w, 1), Qt::Key_Tab);
        EXPECT_EQ(edit(*w, 1)->text(), QString::fromLatin1(clean)) << "typed '" << typed << "'";
        type(*w, 46, QString::fromLatin1(typed));
        QTest::keyClick(edit(*w, 46), Qt::Key_Tab);
        EXPECT_EQ(edit(*w, 46)->text(), QString::fromLatin1(clean)) << "typed '" << typed << "'";
    }
    // The international minutes too: a negative one would price as a refund.
    for (const auto& [typed, clean] : {std::pair{"12ab", "12"}, std::pair{"-100", "0"}}) {
        type(*w, 33, QString::fromLatin1(typed));
        QTest::keyClick(edit(*w, 33), Qt::Key_Tab);
        EXPECT_EQ(edit(*w, 33)->text(), QString::fromLatin1(clean));
    }
}

TEST_F(MainWindow, FocusIsInTheFirstBoxWheneverTheWindowAppears) {
    QFile update(QStringLiteral("update"));
    ASSERT_TRUE(update.open(QIODevice::WriteOnly));
    update.write("NOCONNECT\r\n");
    update.close();
    App app(50);
    app.start();
    TForm1& main = app.mainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    ASSERT_EQ(QApplication::focusWidget(), edit(main, 1));
    // Typing right away replaces the selected "0".
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("42"));
    EXPECT_EQ(edit(main, 1)->text(), QStringLiteral("42"));
    // Back from the results, the focus is in the first box again.
    QTest::keyClick(edit(main, 1), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.resultsWindow()));
    app.resultsWindow().close();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit(main, 1); }));
    EXPECT_EQ(edit(main, 1)->selectedText(), QStringLiteral("42"));
}

TEST_F(MainWindow, EveryWayOfCalculatingCleansTheFocusedBoxFirst) {
    App app;
    app.startWithoutSplash();
    TForm1& main = app.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    for (int box : {1, 45, 34}) {
        const std::function<void()> starts[] = {
            [&] { QTest::keyClick(edit(main, box), Qt::Key_Return); },
            [&] { QTest::keyClick(edit(main, box), Qt::Key_Enter); },
            [&] { QTest::keyClick(edit(main, box), Qt::Key_V, Qt::AltModifier); },
            [&] { click(control(main, "Button1")); },
        };
        for (const auto& start : starts) {
            app.resultsWindow().hide();
            main.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
            type(main, box, QStringLiteral("-100"));
            ASSERT_EQ(QApplication::focusWidget(), edit(main, box));
            start();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&app.resultsWindow())) << box;
            EXPECT_EQ(edit(main, box)->text(), QStringLiteral("0")) << box;
            for (const sazbar::TariffResult& r : app.resultsWindow().lastResult().fields)
                EXPECT_GE(r.shownValue(), 0) << box;
        }
    }
}

TEST_F(MainWindow, TabGoesAlongTheRowsOfTheGrid) {
    auto w = open();
    QTest::mouseClick(edit(*w, 1), Qt::LeftButton);
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({"Edit1", "Edit8", "Edit15", "Edit22", "Edit2", "Edit9", "Edit16", "Edit23", "Edit3",
                                  "Edit10"}));
    // Onwards around the whole window: every control once, the buttons in
    // the order they stand, and back to the first box.
    for (int i = 0; i < 200 && QApplication::focusWidget() != edit(*w, 1); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    ASSERT_EQ(order.back(), QStringLiteral("Edit1")) << order.join(QLatin1Char(' ')).toStdString();
    order.removeLast();
    QStringList reachable;
    for (QWidget* c : w->findChildren<QWidget*>())
        if (c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy())
            reachable << c->objectName();
    QStringList sortedOrder = order, sortedReachable = reachable;
    sortedOrder.sort();
    sortedReachable.sort();
    EXPECT_EQ(sortedOrder, sortedReachable) << order.join(QLatin1Char(' ')).toStdString() << "\n" << reachable.join(QLatin1Char(' ')).toStdString();
    const QStringList buttons = {"autosave", "Button1", "Button4", "importButton", "profileButton", "Button2", "Button5", "Button3"};
    const qsizetype first = order.indexOf(buttons[0]);
    ASSERT_GE(first, 0);
    EXPECT_EQ(order.mid(first, buttons.size()), buttons) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_LT(order.indexOf(QStringLiteral("Edit46")), first);
}

TEST_F(MainWindow, EveryBoxHasItsOwnAccessibleName) {
    TForm1 w;
    const std::pair<int, const char*> named[] = {
        {1, "Pevná linka, Špička, minuty"}, {9, "T - Mobile, Odpoledne, minuty"}, {12, "SMS do Eurotelu, kusy"},
        {26, "MMS, kusy"}, {28, "Datové přenosy, Víkend, minuty"}, {32, "WAP, Víkend, minuty"},
        {41, "Země 1, Odpoledne, minuty"}, {40, "Země 4, Večer a víkend, minuty"}, {46, "GPRS internet, kB"},
    };
    for (const auto& [n, name] : named) EXPECT_EQ(edit(w, n)->accessibleName(), QString::fromUtf8(name)) << n;
    QSet<QString> names;
    for (int n = 1; n <= sazbar::kBoxCount; ++n) names.insert(edit(w, n)->accessibleName());
    EXPECT_EQ(names.size(), sazbar::kBoxCount);
    EXPECT_FALSE(names.contains(QString()));
}

TEST_F(MainWindow, CalculationOpensResultsBelowAMonthOfMinutes) {
    struct Case {
        std::vector<std::pair<int, const char*>> boxes;
        bool opens;
    };
    const Case cases[] = {
        {{{1, "44639"}}, true},
        {{{1, "44640"}}, false},
        {{{24, "40000"}, {27, "4639"}}, true},
        {{{24, "40000"}, {27, "4640"}}, false},
        {{{5, "99999"}, {7, "99999"}, {29, "99999"}, {45, "999999"}, {33, "99999"}}, true},  // not call minutes
        {{{1, "2147483647"}, {2, "2147483647"}}, false},  // no wrap-around into negative totals
    };
    for (const Case& c : cases) {
        auto w = open();
        QSignalSpy results(w.get(), &TForm1::resultsRequested);
        for (const auto& [n, text] : c.boxes) type(*w, n, QString::fromLatin1(text));
        click(control(*w, "Button1"));
        EXPECT_EQ(results.count(), c.opens ? 1 : 0) << c.boxes.front().second;
        // Refused silently: no message box.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        for (QWidget* top : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<QMessageBox*>(top) && top->isVisible());
        // Enter in a box presses the default button.
        showPage(*w, 0);
        QTest::keyClick(edit(*w, 2), Qt::Key_Return);
        EXPECT_EQ(results.count(), c.opens ? 2 : 0);
    }
}

TEST_F(MainWindow, ResetZeroesBoxesButKeepsProfileMinutesAndChoices) {
    for (bool predefined : {false, true}) {
        SCOPED_TRACE(predefined ? "with predefined profiles" : "without");
        auto w = open();
        for (int n = 1; n <= sazbar::kBoxCount; ++n) type(*w, n, QStringLiteral("5"));
        showPage(*w, 1);
        click(control(*w, "internet"));
        control<QComboBox>(*w, "ComboBox2")->setCurrentIndex(20);
        showPage(*w, 0);
        if (predefined) click(control(*w, "CheckBox1"));
        const QStringList before = texts(*w);
        click(control(*w, "Button4"));
        for (int n = 1; n <= sazbar::kBoxCount; ++n) {
            const bool network = n <= 28 && (n - 1) % 7 <= 3;
            const QString expected = predefined && network ? before[n - 1] : QStringLiteral("0");
            EXPECT_EQ(edit(*w, n)->text(), expected) << "Edit" << n;
        }
        EXPECT_EQ(total(*w), predefined ? QStringLiteral("60") : QStringLiteral("0"));
        EXPECT_TRUE(control(*w, "internet")->isChecked());
        EXPECT_EQ(control<QComboBox>(*w, "ComboBox2")->currentIndex(), 20);
    }
}

TEST_F(MainWindow, PredefinedProfilesFillTheNetworkBoxes) {
    struct Case {
        const char* name;
        const char* level;
        std::vector<const char*> ticks;
        // Fixed line, T-Mobile, Eurotel, Oskar; peak to weekend.
        std::array<std::array<int, 4>, 4> minutes;
    };
    const Case cases[] = {
        {"few, nothing ticked", "malo1", {}, {{{5, 5, 1, 1}, {6, 6, 3, 3}, {8, 8, 4, 4}, {2, 2, 1, 1}}}},
        {"many, T-Mobile, peak", "malo3", {"volam2", "doba1"},
         {{{45, 4, 0, 0}, {486, 54, 27, 27}, {72, 7, 3, 3}, {18, 1, 0, 0}}}},
        {"medium, two networks, three bands", "malo2", {"volam1", "volam2", "doba1", "doba2", "doba3"},
         {{{37, 37, 7, 2}, {45, 45, 22, 7}, {12, 12, 6, 2}, {3, 3, 1, 0}}}},
        {"medium, all four of each group", "malo2",
         {"volam1", "volam2", "volam3", "volam4", "doba1", "doba2", "doba3", "doba4"},
         {{{15, 15, 3, 3}, {18, 18, 9, 9}, {24, 24, 12, 12}, {6, 6, 3, 3}}}},
        {"medium, nothing ticked", "malo2", {}, {{{15, 15, 3, 3}, {18, 18, 9, 9}, {24, 24, 12, 12}, {6, 6, 3, 3}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto w = open();
        type(*w, 5, QStringLiteral("33"));  // not a network box: left alone
        click(control(*w, "CheckBox1"));
        click(control(*w, c.level));
        for (const char* t : c.ticks) click(control(*w, t));
        int sum = 0;
        for (int net = 0; net < 4; ++net) {
            for (int band = 0; band < 4; ++band) {
                const int n = 7 * band + net + 1;
                EXPECT_EQ(edit(*w, n)->text(), QString::number(c.minutes[net][band])) << "Edit" << n;
                EXPECT_FALSE(edit(*w, n)->isEnabled());
                sum += c.minutes[net][band];
            }
        }
        EXPECT_EQ(edit(*w, 5)->text(), QStringLiteral("33"));
        EXPECT_EQ(total(*w), QString::number(sum));

        // Unticking gives the boxes back to the user with the last values.
        click(control(*w, "CheckBox1"));
        EXPECT_TRUE(edit(*w, 1)->isEnabled());
        EXPECT_FALSE(control(*w, "volam1")->isEnabled());
        EXPECT_EQ(edit(*w, 2)->text(), QString::number(c.minutes[1][0]));
    }
}

TEST_F(MainWindow, ProfilesOnlyOnTheDomesticPageAndHelpFollowsThePage) {
    auto w = open();
    QSignalSpy help(w.get(), &TForm1::helpRequested);
    QSignalSpy info(w.get(), &TForm1::infoRequested);
    EXPECT_TRUE(control(*w, "CheckBox1")->isVisible());
    click(control(*w, "Button2"));
    showPage(*w, 1);
    EXPECT_FALSE(control(*w, "CheckBox1")->isVisible());
    EXPECT_FALSE(control(*w, "malo1")->isVisible());
    click(control(*w, "Button2"));
    showPage(*w, 0);
    EXPECT_TRUE(control(*w, "CheckBox1")->isVisible());
    ASSERT_EQ(help.count(), 2);
    EXPECT_FALSE(help.at(0).at(0).toBool());
    EXPECT_TRUE(help.at(1).at(0).toBool());
    click(control(*w, "Button5"));
    EXPECT_EQ(info.count(), 1);
}

TEST_F(MainWindow, ProfileHoldsBoxesCountriesAndInternetCalls) {
    auto w = open();
    type(*w, 10, QStringLiteral("17"));   // afternoon, Eurotel
    type(*w, 26, QStringLiteral("4"));    // MMS
    type(*w, 46, QStringLiteral("900"));  // GPRS internet
    type(*w, 42, QStringLiteral("8"));    // row 2 afternoon
    control<QComboBox>(*w, "ComboBox2")->setCurrentIndex(27);
    click(control(*w, "internet"));
    const sazbar::Profile p = w->profile();
    EXPECT_EQ(p.matrix[sazbar::Afternoon][sazbar::Eurotel], 17);
    EXPECT_EQ(p.matrix[sazbar::kMms][sazbar::Messages], 4);
    EXPECT_EQ(p.gprsNet, 900);
    EXPECT_EQ(p.intl[1].country, 27);
    EXPECT_EQ(p.intl[1].afternoon, 8);
    EXPECT_EQ(p.intl[0].country, 0);
    EXPECT_TRUE(p.internetCalls);
    EXPECT_EQ(w->boxTexts()[9], "17");
}

// --- The saved inputs file ---------------------------------------------------

TEST_F(MainWindow, StartsWithZerosWithoutAFile) {
    auto w = open();
    EXPECT_EQ(texts(*w), zeros());
}

TEST_F(MainWindow, DamagedFilesLoadAsNumbers) {
    struct Case {
        const char* what;
        QByteArray file;
        std::vector<std::pair<int, const char*>> expected;  // all other boxes "0"
    };
    QByteArray long50;
    for (int i = 1; i <= 50; ++i) long50 += QByteArray::number(i) + "\r\n";
    const Case cases[] = {
        {"empty", "", {}},
        {"short", "5\r\n7\r\n", {{1, "5"}, {2, "7"}}},
        {"letters", "abc\r\n12ab\r\nx\r\n", {{2, "12"}}},
        {"leading zeros and blanks", "007\r\n   42\r\n\t9\r\n", {{1, "7"}, {2, "42"}, {3, "9"}}},
        {"negative", "-15\r\n-3x\r\n", {{1, "0"}, {2, "3"}}},  // a negative count loads cleaned up
        {"line feeds only", "1\n2\n3", {{1, "1"}, {2, "2"}, {3, "3"}}},
        {"too long", long50, {{1, "1"}, {33, "33"}, {46, "46"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.file);
        auto w = open();
        QStringList expected = zeros();
        if (QByteArrayView(c.file) == QByteArrayView(long50))
            for (int n = 1; n <= 46; ++n) expected[n - 1] = QString::number(n);
        for (const auto& [n, text] : c.expected) expected[n - 1] = QString::fromLatin1(text);
        EXPECT_EQ(texts(*w), expected);
        // The total follows the loaded boxes.
        std::int64_t sum = 0;
        for (int n = 1; n <= 46; ++n)
            if (sazbar::isCallMinutesBox(n)) sum += expected[n - 1].toLongLong();
        EXPECT_EQ(total(*w), QString::number(sum));
    }
}

TEST_F(MainWindow, TitleBarCloseSavesTheBoxesAsTypedAndTheNextStartReadsThem) {
    QStringList typed = zeros();
    {
        auto w = open();
        QSignalSpy quit(w.get(), &TForm1::quitRequested);
        const std::pair<int, const char*> entries[] = {{1, "120"}, {12, "30"}, {26, "2"}, {45, "700"}, {33, "12ab"},
                                                       {44, "9"}};
        for (const auto& [n, text] : entries) {
            type(*w, n, QString::fromLatin1(text));
            typed[n - 1] = QString::fromLatin1(text);
        }
        control<QComboBox>(*w, "ComboBox1")->setCurrentIndex(10);
        click(control(*w, "autosave"));  // unticked: the title bar saves anyway
        EXPECT_TRUE(w->close());
        EXPECT_EQ(quit.count(), 1);
    }
    typed[32] = QStringLiteral("12");  // cleaned up when left for the next box
    EXPECT_EQ(readFile(), fileOf(typed));

    auto w = open();
    EXPECT_EQ(texts(*w), typed);
    // The country choices are not part of the file.
    EXPECT_EQ(control<QComboBox>(*w, "ComboBox1")->currentIndex(), 0);
}

TEST_F(MainWindow, EndButtonSavesOnlyWhenAsked) {
    for (bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "Uložit hodnoty ticked" : "Uložit hodnoty unticked");
        writeFile(fileOf(QStringList(46, QStringLiteral("3"))));
        {
            auto w = open();
            QSignalSpy quit(w.get(), &TForm1::quitRequested);
            type(*w, 2, QStringLiteral("9"));
            if (!keep) click(control(*w, "autosave"));
            click(control(*w, "Button3"));
            EXPECT_EQ(quit.count(), 1);
            EXPECT_FALSE(w->isVisible());
        }
        QStringList expected = keep ? QStringList(46, QStringLiteral("3")) : zeros();
        if (keep) expected[1] = QStringLiteral("9");
        EXPECT_EQ(QFile::exists(QStringLiteral("sazbar.dat")), keep);
        if (keep) {
            EXPECT_EQ(readFile(), fileOf(expected));
        }
        auto next = open();
        EXPECT_EQ(texts(*next), expected);
    }
}

TEST_F(MainWindow, AFileThatCannotBeWrittenStillEndsTheProgram) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sazbar.dat")));
    auto w = open();
    QSignalSpy quit(w.get(), &TForm1::quitRequested);
    type(*w, 1, QStringLiteral("5"));
    EXPECT_TRUE(w->close());
    EXPECT_EQ(quit.count(), 1);
    EXPECT_TRUE(QFileInfo(QStringLiteral("sazbar.dat")).isDir());
}

// --- The program -------------------------------------------------------------

TEST_F(MainWindow, ProgramOpensPricedResultsAndSpeaksCzech) {
    App app;
    app.startWithoutSplash();
    TForm1& main = app.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    type(main, 2, QStringLiteral("250"));
    click(control(main, "Button1"));
    Tform3& results = app.resultsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    EXPECT_EQ(results.field(QStringLiteral("t30"))->text().toStdString(),
              sazbar::runPricing(main.profile())["t30"].text());

    QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(question.button(QMessageBox::Yes)->text().contains(QStringLiteral("Ano")));
    EXPECT_TRUE(question.button(QMessageBox::No)->text().contains(QStringLiteral("Ne")));
}

TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgramWithResultsOpen) {
    App app;
    app.startWithoutSplash();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.mainWindow()));
    click(control(app.mainWindow(), "Button1"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.resultsWindow()));
    QTimer::singleShot(0, &app.mainWindow(), [&] { app.mainWindow().close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });  // did not end
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(QFile::exists(QStringLiteral("sazbar.dat")));
}

}  // namespace
