// The results window driven as a user drives it: activation, its two check
// boxes and its buttons, with the prices, marks and hints it shows.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <set>

#include "core/textnum.h"
#include "pricing/engine.h"
#include "pricing/marks.h"
#include "ui/results/tform3.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using sazbar::Profile;

QString id(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

class ResultsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        w.setProfileSource([this] { return profile; });
        other.resize(100, 100);
    }

    // The user switches to another window and back: the results window is
    // activated again.
    void activate() {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    void click(const char* name) {
        auto* b = w.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

    QString text(std::string_view field) const { return w.field(id(field))->text(); }
    bool red(QLineEdit* f) const { return f->palette().color(QPalette::Text) == QColor(255, 0, 0); }
    bool unsupported(QLineEdit* f) const {
        return f->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::ToolTipBase);
    }
    std::map<std::string, QString> allTexts() const {
        std::map<std::string, QString> m;
        for (const auto& t : sazbar::kTariffs) m[std::string(t.id)] = text(t.id);
        return m;
    }

    // Checks the marks as the window shows them: the red fields are exactly
    // the walked, supported fields whose shown value is the lowest.
    void expectCheapestShown() {
        int minimum = 999999;
        for (const auto& t : sazbar::kTariffs) {
            QLineEdit* e = w.field(id(t.id));
            if (!t.cheapestMark || unsupported(e)) continue;
            minimum = std::min(minimum, int(sazbar::textToInt(e->text().toStdString())));
        }
        for (const auto& t : sazbar::kTariffs) {
            QLineEdit* e = w.field(id(t.id));
            const bool expected = t.cheapestMark && !unsupported(e) && minimum < 999999 &&
                                  sazbar::textToInt(e->text().toStdString()) == minimum;
            EXPECT_EQ(red(e), expected) << t.id << " = " << e->text().toStdString() << ", minimum " << minimum;
            if (!red(e)) {
                EXPECT_EQ(e->palette().color(QPalette::Text), QColor(Qt::black)) << t.id;
            }
        }
    }

    Profile profile;
    Tform3 w;
    QWidget other;
};

TEST_F(ResultsWindow, FieldsCaptionsAndNamesOthersReadBack) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Výsledky"));
    for (const auto& t : sazbar::kTariffs) {
        QLineEdit* f = w.findChild<QLineEdit*>(id(t.id));
        ASSERT_NE(f, nullptr) << t.id;
        EXPECT_EQ(f, w.field(id(t.id)));
        EXPECT_EQ(f->text(), QStringLiteral("xx")) << t.id;
        EXPECT_TRUE(f->isReadOnly());
        EXPECT_FALSE(f->hasFrame());
    }
    EXPECT_EQ(w.field(QStringLiteral("nosuchtariff")), nullptr);

    QStringList labels;
    for (QLabel* l : w.findChildren<QLabel*>()) labels << l->text();
    for (const char* s : {"Zobrazí se podrobnější informace", "!", "Přesuňte myš nad políčka s čísly.",
                          "např. o datových tarifech nebo ", "jiných zvýhodněních.", "Telefon Standard", "T 30",
                          "Rozjezd naplno", "Kč"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(s))) << s;

    QStringList groups;
    for (QGroupBox* g : w.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_TRUE(groups.contains(QStringLiteral("T - Mobile")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Eurotel")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Oskar")));

    auto* chart = w.findChild<QPushButton*>(QStringLiteral("Button1"));
    EXPECT_EQ(chart->text(), QStringLiteral("Graf"));
    EXPECT_TRUE(chart->isDefault());
    EXPECT_EQ(chart->toolTip(), QStringLiteral("Graficky zobrazí ceny jednotlivých tarifů"));
    EXPECT_FALSE(w.findChild<QCheckBox*>(QStringLiteral("inkaso"))->isChecked());
    EXPECT_FALSE(w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
}

TEST_F(ResultsWindow, FixedSizeWithEverythingInside) {
    activate();
    EXPECT_FALSE(w.isSizeable());
    EXPECT_LE(w.width(), Tform3::kClientWidth);
    EXPECT_LE(w.height(), Tform3::kClientHeight);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    // Nothing is cut off or scrolled, the fixed-line group included.
    click("CheckBox1");
    auto* scroll = w.findChild<QScrollArea*>();
    const QSize need = scroll->widget()->minimumSizeHint();
    EXPECT_LE(need.width(), scroll->viewport()->width());
    EXPECT_LE(need.height(), scroll->viewport()->height());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST_F(ResultsWindow, EveryActivationPricesTheCurrentProfile) {
    profile.matrix[sazbar::Peak][sazbar::TMobile] = 100;
    activate();
    EXPECT_EQ(text("t30").toStdString(), sazbar::runPricing(profile)["t30"].text());
    const QString before = text("t30");
    profile.matrix[sazbar::Peak][sazbar::TMobile] = 400;
    EXPECT_EQ(text("t30"), before) << "nothing changes until the window is activated";
    activate();
    EXPECT_NE(text("t30"), before);
    EXPECT_EQ(text("t30").toStdString(), sazbar::runPricing(profile)["t30"].text());

    // The same profile again gives the same texts and hints, nothing grows.
    const auto texts = allTexts();
    std::map<std::string, QString> hints;
    for (const auto& t : sazbar::kTariffs) hints[std::string(t.id)] = w.field(id(t.id))->property("hint").toString();
    activate();
    EXPECT_EQ(allTexts(), texts);
    for (const auto& t : sazbar::kTariffs)
        EXPECT_EQ(w.field(id(t.id))->property("hint").toString(), hints[std::string(t.id)]) << t.id;
}

TEST_F(ResultsWindow, DirectDebitChangesOnlyOskarPrices) {
    profile.matrix[sazbar::Peak][sazbar::Oskar] = 60;
    profile.matrix[sazbar::Peak][sazbar::TMobile] = 40;
    profile.matrix[sazbar::kSmsToOskar][sazbar::Messages] = 130;
    activate();
    const auto before = allTexts();
    click("inkaso");
    ASSERT_TRUE(w.findChild<QCheckBox*>(QStringLiteral("inkaso"))->isChecked());
    const auto after = allTexts();
    int oskarChanged = 0;
    for (const auto& t : sazbar::kTariffs) {
        const std::string k(t.id);
        if (t.op == sazbar::Operator::Oskar)
            oskarChanged += before.at(k) != after.at(k) ? 1 : 0;
        else
            EXPECT_EQ(before.at(k), after.at(k)) << k;
    }
    EXPECT_GT(oskarChanged, 0);
    expectCheapestShown();
    // Unticking gives the first prices back.
    click("inkaso");
    EXPECT_EQ(allTexts(), before);
}

TEST_F(ResultsWindow, TiedCheapestAllRedAndMarksFollowTheProfile) {
    // All zeros: several tariffs cost nothing and all of them turn red.
    activate();
    int reds = 0;
    for (const auto& t : sazbar::kTariffs) reds += red(w.field(id(t.id))) ? 1 : 0;
    EXPECT_GE(reds, 2);
    expectCheapestShown();

    // A busy month: the zero-priced tariffs are no longer cheapest and go black.
    std::set<std::string> redBefore;
    for (const auto& t : sazbar::kTariffs)
        if (red(w.field(id(t.id)))) redBefore.insert(std::string(t.id));
    for (int b = 0; b < sazbar::kBands; ++b)
        for (int r = 0; r <= sazbar::Oskar; ++r) profile.matrix[b][r] = 150;
    activate();
    expectCheapestShown();
    int stillRed = 0;
    for (const std::string& f : redBefore) stillRed += red(w.field(id(f))) ? 1 : 0;
    EXPECT_LT(stillRed, int(redBefore.size()));
}

TEST_F(ResultsWindow, UnsupportedServicesOnTooltipColourWithTheirHint) {
    struct Case {
        const char* what;
        void (*set)(Profile&);
        const char* line;
        bool telecom;
    };
    const Case cases[] = {
        {"data", [](Profile& p) { p.matrix[sazbar::Evening][sazbar::Data] = 5; }, "nepodporuje datové přenosy",
         false},
        {"WAP", [](Profile& p) { p.wap[sazbar::Weekend] = 3; }, "nepodporuje WAP", true},
        {"MMS", [](Profile& p) { p.matrix[sazbar::kMms][sazbar::Messages] = 2; }, "nepodporuje MMS", true},
        {"GPRS", [](Profile& p) { p.gprsNet = 1000; }, "nepodporuje GPRS", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        profile = Profile{};
        profile.matrix[sazbar::Peak][sazbar::Eurotel] = 30;
        c.set(profile);
        activate();
        for (const char* tip : {"tipbusiness", "tiprelax", "tipakord"}) {
            QLineEdit* f = w.field(QString::fromLatin1(tip));
            EXPECT_TRUE(unsupported(f)) << tip;
            EXPECT_FALSE(red(f)) << tip;
            const QString hint = f->property("hint").toString();
            EXPECT_TRUE(hint.startsWith(QString::fromUtf8(c.line) + QStringLiteral("\n\r"))) << hint.toStdString();
            EXPECT_TRUE(f->toolTip().contains(QString::fromUtf8(c.line)));
        }
        EXPECT_EQ(unsupported(w.field(QStringLiteral("telecom"))), c.telecom);
        EXPECT_FALSE(unsupported(w.field(QStringLiteral("t30"))));
        expectCheapestShown();
    }
}

TEST_F(ResultsWindow, TooltipsShowHintLinesWithoutCarriageReturns) {
    profile.gprsWap = 300;
    profile.wap[sazbar::Peak] = 10;
    profile.matrix[sazbar::kMms][sazbar::Messages] = 1;
    activate();
    int multiLine = 0;
    for (const auto& t : sazbar::kTariffs) {
        QLineEdit* f = w.field(id(t.id));
        const QString hint = f->property("hint").toString();
        EXPECT_EQ(hint.toStdString(), sazbar::runPricing(profile)[t.id].hint) << t.id;
        EXPECT_FALSE(f->toolTip().contains(QLatin1Char('\r'))) << t.id;
        // One tooltip line per hint line, no empty line after the last, then
        // the way to the breakdown.
        QStringList lines = hint.split(QStringLiteral("\n\r"));
        while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        if (lines.size() > 1) ++multiLine;
        // Plain text, so that no line is ever wrapped.
        EXPECT_FALSE(Qt::mightBeRichText(f->toolTip())) << t.id;
        QStringList shown = f->toolTip().split(QLatin1Char('\n'));
        EXPECT_TRUE(shown.takeLast().contains(QStringLiteral("rozpis ceny"))) << t.id;
        EXPECT_EQ(shown, lines) << t.id;
        EXPECT_EQ(f->accessibleDescription().contains(QLatin1Char('<')), false) << t.id;
    }
    EXPECT_GT(multiLine, 0);
    // The stacked lines come first, the last check's line on top.
    const QString hint = w.field(QStringLiteral("tiprelax"))->property("hint").toString();
    EXPECT_TRUE(hint.startsWith(QStringLiteral("nepodporuje GPRS\n\rnepodporuje MMS\n\rnepodporuje WAP\n\r")))
        << hint.toStdString();
}

TEST_F(ResultsWindow, AScreenReaderHearsTariffPriceAndMarksInWords) {
    profile.gprsNet = 500;  // the Tip tariffs cannot serve it
    profile.matrix[sazbar::Peak][sazbar::TMobile] = 120;
    activate();
    int cheapest = 0, marked = 0;
    for (const auto& t : sazbar::kTariffs) {
        QLineEdit* f = w.field(id(t.id));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), id(t.name) + QStringLiteral(", ") + id(sazbar::operatorName(t.op)));
        const QStringList said = a->text(QAccessible::Description).split(QLatin1Char('\n'));
        EXPECT_EQ(said.value(0), f->text() + QStringLiteral(" Kč")) << t.id;
        EXPECT_EQ(said.contains(QStringLiteral("nejlevnější tarif")), red(f)) << t.id;
        EXPECT_EQ(said.contains(QStringLiteral("nepodporuje všechny požadované služby")), unsupported(f)) << t.id;
        cheapest += red(f);
        marked += unsupported(f);
    }
    EXPECT_GT(cheapest, 0);
    EXPECT_GT(marked, 0);
}

TEST_F(ResultsWindow, MarksKeepTheirContrastOnADarkPalette) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ToolTipBase, QColor(0x55, 0x55, 0x40));
    dark.setColor(QPalette::ToolTipText, QColor(0xff, 0xff, 0xe0));
    QApplication::setPalette(dark);
    struct Restore {
        QPalette p;
        ~Restore() { QApplication::setPalette(p); }
    } restore{light};
    Tform3 darkWindow;
    darkWindow.setProfileSource([this] { return profile; });
    profile.gprsNet = 500;
    darkWindow.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&darkWindow, &activate);
    int cheapest = 0, marked = 0;
    for (const auto& t : sazbar::kTariffs) {
        QLineEdit* f = darkWindow.field(id(t.id));
        const QColor text = f->palette().color(QPalette::Text);
        const bool isUnsupported = f->palette().color(QPalette::Base) == dark.color(QPalette::ToolTipBase);
        const QColor back = isUnsupported ? dark.color(QPalette::ToolTipBase) : dark.color(QPalette::Window);
        EXPECT_GE(Tform3::contrast(text, back), 4.5) << t.id;
        const bool isCheapest = darkWindow.lastResult().fields[sazbar::tariffIndex(t.id)].cheapest;
        if (isCheapest) {
            // Still red: far more red than green or blue.
            EXPECT_GT(text.red() - std::max(text.green(), text.blue()), 80) << t.id;
            ++cheapest;
        }
        marked += isUnsupported;
    }
    EXPECT_GT(cheapest, 0);
    EXPECT_GT(marked, 0);
    // A light window keeps the pure red.
    EXPECT_EQ(Tform3::cheapestColour(Qt::white), QColor(255, 0, 0));
}

TEST_F(ResultsWindow, FixedLineBoxShowsTheTelecomGroupNeverRed) {
    auto* group = w.field(QStringLiteral("telecom"))->parentWidget();
    activate();
    EXPECT_FALSE(group->isVisible());
    click("CheckBox1");
    EXPECT_TRUE(group->isVisible());
    EXPECT_EQ(text("telecom").toStdString(), sazbar::runPricing(profile)["telecom"].text());
    EXPECT_NE(text("telecom"), QStringLiteral("xx"));
    EXPECT_FALSE(red(w.field(QStringLiteral("telecom"))));
    EXPECT_FALSE(unsupported(w.field(QStringLiteral("telecom"))));

    // Internet calls put the fixed line on the tooltip colour.
    profile.internetCalls = true;
    activate();
    EXPECT_TRUE(unsupported(w.field(QStringLiteral("telecom"))));
    EXPECT_FALSE(red(w.field(QStringLiteral("telecom"))));
    expectCheapestShown();

    click("CheckBox1");
    EXPECT_FALSE(group->isVisible());
}

TEST_F(ResultsWindow, ButtonsAskForTheirWindowsAndCloseHides) {
    QSignalSpy chart(&w, &Tform3::chartRequested);
    QSignalSpy print(&w, &Tform3::printRequested);
    QSignalSpy help(&w, &Tform3::helpRequested);
    activate();
    QTest::keyClick(&w, Qt::Key_Return);  // "Graf" is the default button
    EXPECT_EQ(chart.count(), 1);
    click("Button3");
    EXPECT_EQ(print.count(), 1);
    click("Button4");
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(chart.count(), 1);
    click("Button2");
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ResultsWindow, SmallDesktopMakesItSizeable) {
    w.setSizeable(true);
    w.show();
    w.resize(500, 300);
    EXPECT_EQ(w.size(), QSize(500, 300));
    // The content scrolls instead of being squeezed.
    auto* scroll = w.findChild<QScrollArea*>();
    EXPECT_GE(scroll->widget()->width(), scroll->widget()->minimumSizeHint().width());
    w.setSizeable(false);
    EXPECT_EQ(w.size(), QSize(Tform3::kClientWidth, Tform3::kClientHeight));
}

}  // namespace

namespace {

// The tooltip window Qt shows for a widget, grabbed as the user would see it.
QImage tooltipImage(QWidget* over) {
    QToolTip::showText(over->mapToGlobal(over->rect().center()), over->toolTip(), over);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible()) return top->grab().toImage();
    return {};
}

TEST_F(ResultsWindow, EveryTooltipIsReadableAndEveryPriceShowsWhole) {
    // GPRS, WAP and MMS give most tariffs a hint, some several lines long.
    profile.gprsWap = 300;
    profile.wap[sazbar::Peak] = 10;
    profile.matrix[sazbar::kMms][sazbar::Messages] = 1;
    click("CheckBox1");
    activate();
    int shown = 0;
    for (const auto& t : sazbar::kTariffs) {
        QLineEdit* f = w.field(id(t.id));
        if (f->toolTip().isEmpty()) continue;
        const QImage tip = tooltipImage(f);
        ASSERT_FALSE(tip.isNull()) << t.id;
        // The tooltip's own background and some text on it: not a black box.
        std::set<QRgb> colours;
        for (int y = 0; y < tip.height(); ++y)
            for (int x = 0; x < tip.width(); ++x) colours.insert(tip.pixel(x, y) | 0xFF000000u);
        EXPECT_TRUE(colours.count(QToolTip::palette().color(QPalette::ToolTipBase).rgb())) << t.id;
        EXPECT_GT(colours.size(), 2u) << t.id;
        // Hint lines are never wrapped: the tooltip is as wide as its longest line.
        EXPECT_GE(tip.width(), QFontMetrics(QToolTip::font()).horizontalAdvance(f->toolTip().split('\n').first()))
            << t.id;
        ++shown;
        QToolTip::hideText();
    }
    EXPECT_GT(shown, 30);

    // The widest texts the engine writes fit their field: six digits from a
    // month of calls, ten when the price saturates.
    for (std::int32_t minutes : {40000, 2000000000}) {
        profile = Profile{};
        profile.matrix[sazbar::Peak][sazbar::TMobile] = minutes;
        activate();
        int longest = 0;
        for (const auto& t : sazbar::kTariffs) {
            QLineEdit* f = w.field(id(t.id));
            longest = std::max<int>(longest, int(f->text().size()));
            EXPECT_LE(QFontMetrics(f->font()).horizontalAdvance(f->text()), f->width() - 4) << t.id << " " << minutes;
        }
        EXPECT_EQ(longest, minutes == 40000 ? 6 : 10);
    }
}

}  // namespace
