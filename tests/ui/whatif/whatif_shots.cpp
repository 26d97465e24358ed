// Pictures of the "Co kdyby" window in the real program, opened from the
// results window, for checking it by eye:
// whatif_shots <output folder> <tag> [cs|en] [tariff file...].
// Run it under Xvfb with a window manager.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <limits>

#include "app/app.h"
#include "core/boxes.h"
#include "qcustomplot.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/chart/tgraf.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"
#include "ui/whatif/tcokdyby.h"

namespace {

void save(const QPixmap& pm, const QString& dir, const QString& name) {
    pm.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString out = QDir(args.value(1, QStringLiteral("."))).absolutePath();
    const QString tag = args.value(2, QStringLiteral("shot"));
    QDir().mkpath(out);
    QDir::setCurrent(QDir::tempPath());

    // The splash never times out: no update check comes between.
    App app(std::numeric_limits<int>::max(), args.value(3) == QLatin1String("en") ? sazbar::Language::English : sazbar::Language::Czech,
            args.mid(4));
    TForm1& main = app.mainWindow();
    app.startWithoutSplash();
    QTest::qWait(300);
    if (!QTest::qWaitFor([&] { return app.catalogueStore().isLoaded(); }, 5000)) qWarning("the tariff files were not read");
    const QList<std::pair<int, const char*>> sample = {
        {1, "120"}, {2, "60"},  {3, "35"}, {4, "12"},  {5, "40"},  {8, "80"}, {9, "30"}, {12, "15"},
        {15, "20"}, {16, "25"}, {19, "5"}, {22, "10"}, {26, "3"},  {6, "4"},  {45, "500"}};
    for (const auto& [n, text] : sample)
        main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromLatin1(text));
    main.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    Tform3& results = app.resultsWindow();
    if (!QTest::qWaitForWindowActive(&results, 2000)) qWarning("the results window did not become active");
    QTest::qWait(200);
    save(results.grab(), out, tag + QStringLiteral("_results"));

    results.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
    Tcokdyby& w = app.whatIfWindow();
    if (!QTest::qWaitForWindowExposed(&w, 2000)) qWarning("the what-if window was not shown");
    QTest::qWait(300);
    qInfo("tariffs of files %zu, swept %d", w.dataTariffs().size(), w.sweep().tariffCount());
    qInfo("what-if window %d x %d, lines %zu, break-even points %d, labelled %d", w.width(), w.height(),
          w.lines().size(), w.breakEvenMarks(), w.breakEvenLabels());
    for (const QString& t : w.cheapestTexts()) qInfo("  %s", qPrintable(t));
    save(w.grab(), out, tag + QStringLiteral("_whatif"));
    w.hoverAt(150);
    QTest::qWait(100);
    save(w.grab(), out, tag + QStringLiteral("_whatif_hover"));
    // The menu of further tariffs, with the files' tariffs when there are any.
    if (auto* data = w.findChild<QMenu*>(QStringLiteral("dataTariffs"))) {
        data->popup(w.mapToGlobal(QPoint(280, 40)));
        QTest::qWait(200);
        if (QScreen* s = QGuiApplication::primaryScreen()) save(s->grabWindow(0), out, tag + QStringLiteral("_whatif_menu"));
        data->hide();
    }
    if (QScreen* s = QGuiApplication::primaryScreen()) save(s->grabWindow(0), out, tag + QStringLiteral("_desktop"));
    w.setGroup(sazbar::SweepGroup::Calls);
    w.setMaxFactor(600);
    QTest::qWait(100);
    save(w.grab(), out, tag + QStringLiteral("_whatif_calls"));
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        // As large as the desktop takes (there is no window manager to maximise).
        const QSize saved = w.size();
        w.resize(s->availableGeometry().size() - QSize(20, 40));
        QTest::qWait(300);
        save(w.grab(), out, tag + QStringLiteral("_whatif_large"));
        w.resize(saved);
    }

    // A month of calls and messages to Oskar alone, and six Oskar tariffs
    // besides the cheapest ones, over three and ten times the month.
    for (int n = 1; n <= sazbar::kBoxCount; ++n) {
        const sazbar::BoxSlot slot = sazbar::boxSlot(n);
        const bool oskarCalls = slot.kind == sazbar::BoxSlot::Matrix && slot.row == sazbar::Oskar &&
                                slot.band <= sazbar::Afternoon;
        const bool oskarSms = slot.kind == sazbar::BoxSlot::Matrix && slot.row == sazbar::Messages &&
                              slot.band == sazbar::kSmsToOskar;
        main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))
            ->setText(oskarCalls ? QStringLiteral("60") : oskarSms ? QStringLiteral("30") : QStringLiteral("0"));
    }
    std::vector<int> oskar;
    for (int t = 0; t < sazbar::kTariffCount && oskar.size() < 6; ++t)
        if (sazbar::kTariffs[std::size_t(t)].op == sazbar::Operator::Oskar) oskar.push_back(t);
    w.setGroup(sazbar::SweepGroup::Calls);
    w.setChosen(oskar);
    for (int to : {300, 1000}) {
        w.setMaxFactor(to);
        QTest::qWait(200);
        qInfo("six Oskar lines to %d %%: lines %zu, break-even points %d, labelled %d, in full %d", to,
              w.lines().size(), w.breakEvenMarks(), w.breakEvenLabels(), w.breakEvenFullLabels());
        save(w.grab(), out, tag + QStringLiteral("_oskar%1").arg(to));
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QSize saved = w.size();
            w.resize(s->availableGeometry().size() - QSize(20, 40));
            QTest::qWait(300);
            save(w.grab(), out, tag + QStringLiteral("_oskar%1_large").arg(to));
            w.resize(saved);
            QTest::qWait(100);
        }
    }
    w.setChosen({});
    w.setMaxFactor(300);

    results.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QTest::qWait(400);
    save(app.chartWindow().grab(), out, tag + QStringLiteral("_chart"));
    results.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
    QTest::qWait(400);
    app.printWindow().findChild<QCheckBox*>(QStringLiteral("CheckBox5"))->setChecked(true);
    QTest::qWait(100);
    save(app.printWindow().grab(), out, tag + QStringLiteral("_print"));
    app.printWindow().pageImage().save(out + QLatin1Char('/') + tag + QStringLiteral("_page.png"));
    return 0;
}
