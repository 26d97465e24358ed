// The interface language: the windows in Czech or English, Qt's own dialogs
// with them, the English translation complete, and the tariff hints rendered
// in English line by line.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QMap>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <functional>
#include <set>
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/language.h"
#include "bench/varied_profiles.h"
#include "pricing/engine.h"
#include "tests/pricing/test_profiles.h"
#include "ui/breakdown/labels.h"
#include "ui/breakdown/trozpis.h"
#include "ui/chart/tgraf.h"
#include "ui/info/helpwindow.h"
#include "ui/main/countries.h"
#include "ui/main/profilefile.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/hints.h"
#include "ui/results/tform3.h"
#include "ui/whatif/tcokdyby.h"
#include "update/taktualizace.h"

using sazbar::Language;

namespace {

QString text(QWidget& window, const char* name) {
    auto* w = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    return w ? w->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

TEST(Language, WindowsAndQtDialogsFollowTheChosenLanguage) {
    struct Shown {
        const char* what;
        std::function<QString(App&)> get;
        const char* czech;
        const char* english;
    };
    const Shown shown[] = {
        {"main calculate", [](App& a) { return text(a.mainWindow(), "Button1"); }, "&Výpočet", "&Calculate"},
        {"main exit", [](App& a) { return text(a.mainWindow(), "Button3"); }, "&Konec", "E&xit"},
        {"results debit", [](App& a) { return text(a.resultsWindow(), "inkaso"); }, "Platba inkasem",
         "Payment by direct debit"},
        {"results telecom", [](App& a) { return text(a.resultsWindow(), "CheckBox1"); }, "Vypočítat Český Telecom",
         "Include Český Telecom"},
        {"results title", [](App& a) { return a.resultsWindow().windowTitle(); }, "Výsledky", "Results"},
        {"chart values", [](App& a) { return text(a.chartWindow(), "CheckBox1"); }, "Hodnoty v grafu",
         "Values in the chart"},
        {"print setup", [](App& a) { return text(a.printWindow(), "Button2"); }, "Nastavení", "Setup"},
        {"chart help", [](App& a) { return a.chartHelpWindow().windowTitle(); }, "Nápověda - graf", "Help - chart"},
        {"what-if title", [](App& a) { return a.whatIfWindow().windowTitle(); }, "Co kdyby", "What if"},
        {"update question", [](App&) { return Taktualizace::questionText().left(30); },
         "Nelze se připojit k internetu!", "Cannot connect to the internet"},
        {"country", [](App&) { return sazbar::ui::countryName(1); }, "Německo", "Germany"},
        {"breakdown close", [](App& a) { return text(a.breakdownWindow(), "close"); }, "&Zavřít", "C&lose"},
        // The total row of a breakdown: its label and the decimal mark of its amount.
        {"breakdown total",
         [](App& a) {
             const sazbar::Profile p;
             const sazbar::RunOptions options{false, false};
             a.breakdownWindow().showTariff(p, options, sazbar::runPricing(p, options), 0);
             const auto* t = a.breakdownWindow().findChild<QTableWidget*>(QStringLiteral("items0"));
             const int last = t->rowCount() - 1;
             return t->item(last, 0)->text() + QLatin1Char(' ') +
                    t->item(last, 2)->text().remove(QRegularExpression(QStringLiteral("[\\d\\s\\x{00a0}]")));
         },
         "Celkem ,Kč", "Total .Kč"},
        // A profile file cut short: what is wrong, where.
        {"profile file",
         [](App&) {
             sazbar::ui::ProfileFile f;
             QString error;
             sazbar::ui::parseProfileFile("{\"wap\": [1, 2", f, error);
             return error;
         },
         "Soubor není platný JSON (řádek 1, sloupec 14): soubor končí uprostřed čísla.",
         "The file is not valid JSON (line 1, column 14): the file ends in the middle of a number."},
        // Qt's own texts: the buttons of a message box.
        {"message box yes",
         [](App&) {
             QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
             return box.button(QMessageBox::Yes)->text();
         },
         "&Ano", "&Yes"},
    };
    for (const Language language : {Language::Czech, Language::English, Language::Czech}) {
        const bool english = language == Language::English;
        App app(24 * 3600 * 1000, language);
        for (const Shown& s : shown)
            EXPECT_EQ(s.get(app), QString::fromUtf8(english ? s.english : s.czech)) << s.what << " english=" << english;

        // A hint stays Czech as data; its tooltip is in the window's language.
        sazbar::Profile p;
        p.gprsNet = 100;
        app.resultsWindow().setProfileSource([p] { return p; });
        app.resultsWindow().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.resultsWindow()));
        app.resultsWindow().findChild<QCheckBox*>(QStringLiteral("inkaso"))->click();
        const QLineEdit* relax = app.resultsWindow().field(QStringLiteral("tiprelax"));
        EXPECT_TRUE(relax->property("hint").toString().startsWith(QStringLiteral("nepodporuje GPRS")));
        EXPECT_TRUE(relax->toolTip().startsWith(english ? QStringLiteral("does not support GPRS")
                                                        : QStringLiteral("nepodporuje GPRS")))
            << relax->toolTip().toStdString();
    }
}

// The Alt+letter keys of one window, each with the texts that claim it.
QMap<QString, QStringList> mnemonics(QWidget& window) {
    QMap<QString, QStringList> keys;
    auto add = [&](const QString& text) {
        if (const QKeySequence k = QKeySequence::mnemonic(text); !k.isEmpty())
            keys[k.toString().toLower()] << text;
    };
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) add(b->text());
    for (const QTabWidget* t : window.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) add(t->tabText(i));
    for (const QGroupBox* g : window.findChildren<QGroupBox*>()) add(g->title());
    return keys;
}

TEST(Language, EachAltKeyOfTheMainWindowReachesOneControl) {
    for (const Language language : {Language::Czech, Language::English}) {
        App app(24 * 3600 * 1000, language);
        const QMap<QString, QStringList> keys = mnemonics(app.mainWindow());
        EXPECT_GE(keys.size(), 6);
        for (auto it = keys.begin(); it != keys.end(); ++it)
            EXPECT_EQ(it.value().size(), 1) << it.key().toStdString() << ": " << it.value().join(" / ").toStdString();
    }
}

TEST(Language, CommandLineCodes) {
    const struct {
        const char* code;
        std::optional<Language> language;
    } cases[] = {{"cs", Language::Czech}, {"en", Language::English}, {"EN", {}}, {"", {}}, {"de", {}}, {"cz", {}}};
    for (const auto& c : cases) EXPECT_EQ(sazbar::parseLanguage(c.code), c.language) << c.code;

    // An unknown language is refused before any window opens.
    for (const QStringList& args : {QStringList{"--lang", "de"}, QStringList{"--lang=xx"}, QStringList{"--lang"}}) {
        QProcess sazbar;
        sazbar.start(QStringLiteral(SAZBAR_BINARY), args);
        ASSERT_TRUE(sazbar.waitForFinished(10000)) << args.join(' ').toStdString();
        EXPECT_EQ(sazbar.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(sazbar.readAllStandardError().contains("--lang")) << args.join(' ').toStdString();
    }
}

TEST(Language, EveryTextHasItsEnglish) {
    QFile ts(QStringLiteral(SAZBAR_TS_FILE));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(ts.readAll());
    EXPECT_GT(xml.count(QStringLiteral("<message>")), 300);
    EXPECT_FALSE(xml.contains(QStringLiteral("type=\"unfinished\"")));
    EXPECT_FALSE(xml.contains(QStringLiteral("<translation></translation>")));
    EXPECT_FALSE(xml.contains(QStringLiteral("type=\"vanished\"")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/sazbar_en.qm")));

    // The country list of the main window is the engine's, name for name.
    for (int i = 0; i < sazbar::kCountries; ++i)
        EXPECT_EQ(std::string_view(sazbar::ui::kCountryNameTexts[static_cast<std::size_t>(i)]),
                  sazbar::kCountryNames[static_cast<std::size_t>(i)])
            << i;
}

TEST(Language, EnglishHintsLineByLine) {
    const struct {
        const char* czech;
        const char* english;
    } cases[] = {
        {"", ""},
        {"GPRS WAP\n\rPříplatek Víkend+", "GPRS WAP\n\rVíkend+ add-on"},
        {"nepodporuje GPRS\n\r", "does not support GPRS\n\r"},
        {"počet volných SMS: 250", "free SMS: 250"},
        {"počet volných SMS: 25x", "počet volných SMS: 25x"},  // not a count: unknown, kept
        {"----\n\rneznámý řádek\n\r+ příplatek Top SMS\n\r", "----\n\rneznámý řádek\n\r+ Top SMS add-on\n\r"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sazbar::ui::englishHint(QString::fromUtf8(c.czech)), QString::fromUtf8(c.english)) << c.czech;

    // Every line the engine writes on profiles of every kind has its English.
    QSet<QString> lines;
    for (const sazbar::Profile& p : sazbar::bench::variedProfiles(3000))
        for (const bool debit : {false, true})
            for (const sazbar::TariffResult& f : sazbar::runPricing(p, sazbar::RunOptions{debit, true}).fields)
                for (const QString& line : QString::fromStdString(f.hint.str()).split(QStringLiteral("\n\r")))
                    if (!line.isEmpty()) lines.insert(line);
    EXPECT_GT(lines.size(), 20);
    for (const QString& line : lines) EXPECT_FALSE(sazbar::ui::englishHintLine(line).isNull()) << line.toStdString();
}

// The breakdown in English: kinds, labels, choices and sentences; an
// unsupported tariff in the words of its English hint.
TEST(Language, BreakdownInEnglish) {
    using sazbar::test::P;
    App app(24 * 3600 * 1000, Language::English);
    TRozpis& w = app.breakdownWindow();
    const sazbar::Profile p = P().calls(sazbar::TMobile, 10, 0, 0, 100).gprs(0, 300);
    const sazbar::RunOptions options{false, false};
    w.showTariff(p, options, sazbar::runPricing(p, options), sazbar::tariffIndex("t80"));
    w.setCompared(sazbar::tariffIndex("tipbusiness"));
    QStringList texts;
    const auto* items = w.findChild<QTableWidget*>(QStringLiteral("items0"));
    for (int r = 0; r < items->rowCount(); ++r) texts << items->item(r, 0)->text().trimmed();
    const auto* choices = w.findChild<QTreeWidget*>(QStringLiteral("choices"));
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(choices)); *it; ++it) texts << (*it)->text(0).trimmed();
    for (const char* english : {"Calls", "Monthly fee", "Discounts and free units", "Calls to T-Mobile, weekend",
                                "Víkend+ add-on", "   without the add-on", "Total"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(english).trimmed()) ||
                    texts.contains(QString::fromUtf8(english).trimmed() + QStringLiteral(" (chosen)")))
            << english << " in " << texts.join(QStringLiteral(" | ")).toStdString();
    const QString summary = w.findChild<QLabel*>(QStringLiteral("summary"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("with T 80 you pay"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(sazbar::ui::englishHint(QStringLiteral("nepodporuje GPRS")))) << summary.toStdString();
    EXPECT_FALSE(summary.contains(QStringLiteral("volání"))) << summary.toStdString();
}

// Every label the engine writes is in the window's table and has an English text.
TEST(Language, EveryBreakdownLabelHasItsEnglish) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/sazbar_en.qm")));
    std::set<std::string> keys;
    sazbar::Breakdown b;
    for (const sazbar::Profile& p : sazbar::bench::variedProfiles(400))
        for (const bool debit : {false, true})
            for (int t = 0; t < sazbar::kTariffCount; ++t) {
                sazbar::priceBreakdown(p, sazbar::RunOptions{debit, true}, t, b);
                for (const sazbar::BreakdownItem& it : b.items) keys.insert(it.key.pattern);
                for (const sazbar::BreakdownChoice& c : b.choices) {
                    keys.insert(c.key.pattern);
                    for (const sazbar::ChoiceOption& o : c.options) keys.insert(o.key.pattern);
                }
            }
    EXPECT_GT(keys.size(), 60u);
    for (const std::string& key : keys) {
        EXPECT_TRUE(sazbar::ui::knownLabel(key)) << key;
        EXPECT_FALSE(english.translate("BreakdownLabel", key.c_str()).isEmpty()) << key;
    }
}

}  // namespace
