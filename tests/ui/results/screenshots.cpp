// Takes pictures of every window for checking the layout by eye:
// sazbar_screenshots <output folder> <tag> [cs|en] [tariff file or folder].
// Run it under xvfb-run.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "app/app.h"
#include "app/language.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/import/importdialog.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"
#include "ui/whatif/tcokdyby.h"
#include "update/taktualizace.h"
#include "update/tnewversion.h"
#include "update/tstartup.h"
#include "ui/chart/tgraf.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"

namespace {

void save(const QPixmap& pm, const QString& dir, const QString& name) {
    pm.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A secondary window as it opens: shown, drawn, pictured, hidden again.
void shoot(QWidget& w, const QString& dir, const QString& name) {
    w.show();
    QTest::qWait(200);
    save(w.grab(), dir, name);
    w.hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString out = QDir(args.value(1, QStringLiteral("."))).absolutePath();
    const QString tag = args.value(2, QStringLiteral("shot"));
    QDir().mkpath(out);
    // Keep the saved inputs of the developer's own runs out of the pictures.
    QDir::setCurrent(QDir::tempPath());
    const auto language = sazbar::parseLanguage(args.value(3, QStringLiteral("cs")).toStdString());
    if (!language) qFatal("the language is cs or en");

    // The splash never hands over here: that would start the update check.
    App app(24 * 3600 * 1000, *language, args.size() > 4 ? QStringList{args[4]} : QStringList{});
    for (int i = 0; i < 500 && !app.catalogueStore().isLoaded(); ++i) QTest::qWait(10);
    TForm1& main = app.mainWindow();
    app.startWithoutSplash();
    QTest::qWait(300);

    const QList<std::pair<int, const char*>> sample = {
        {1, "120"}, {2, "60"},  {3, "35"}, {4, "12"},  {5, "40"},  {8, "80"}, {9, "30"}, {12, "15"},
        {15, "20"}, {16, "25"}, {19, "5"}, {22, "10"}, {26, "3"},  {6, "4"},  {45, "500"}};
    for (const auto& [n, text] : sample)
        main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromLatin1(text));
    main.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
    QTest::qWait(100);
    save(main.grab(), out, tag + QStringLiteral("_main"));

    // The "Profil" menu open, with "Ceníky…" at its end.
    if (auto* profile = main.findChild<QPushButton*>(QStringLiteral("profileButton")); profile && profile->menu()) {
        QTimer::singleShot(300, [&] {
            if (QScreen* s = QGuiApplication::primaryScreen()) save(s->grabWindow(0), out, tag + QStringLiteral("_main_menu"));
            profile->menu()->close();
        });
        profile->showMenu();
    }

    main.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    QTest::qWait(100);
    save(main.grab(), out, tag + QStringLiteral("_main_intl"));
    main.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    main.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    QTest::qWait(100);
    save(main.grab(), out, tag + QStringLiteral("_main_profiles"));
    main.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);

    main.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    Tform3& results = app.resultsWindow();
    if (!QTest::qWaitForWindowActive(&results, 2000)) qWarning("the results window did not become active");
    QTest::qWait(300);
    if (QWidget* content = results.findChild<QWidget*>(QStringLiteral("content")))
        qInfo("results content needs %d x %d, window %d x %d", content->minimumSizeHint().width(),
              content->minimumSizeHint().height(), results.width(), results.height());
    save(results.grab(), out, tag + QStringLiteral("_results"));
    results.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    QTest::qWait(100);
    save(results.grab(), out, tag + QStringLiteral("_results_telecom"));
    // A tooltip with several hint lines.
    QLineEdit* tip = results.field(QStringLiteral("tiprelax"));
    QToolTip::showText(tip->mapToGlobal(QPoint(4, 4)), tip->toolTip(), tip);
    QTest::qWait(300);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible()) save(top->grab(), out, tag + QStringLiteral("_tooltip"));
    if (QScreen* s = QGuiApplication::primaryScreen()) save(s->grabWindow(0), out, tag + QStringLiteral("_desktop"));

    // The chart and the print window of the same profile.
    results.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QTest::qWait(400);
    save(app.chartWindow().grab(), out, tag + QStringLiteral("_chart"));
    app.chartWindow().findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    QTest::qWait(300);
    save(app.chartWindow().grab(), out, tag + QStringLiteral("_chart_values"));
    results.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
    QTest::qWait(400);
    save(app.printWindow().grab(), out, tag + QStringLiteral("_print"));
    app.printWindow().pageImage().save(out + QLatin1Char('/') + tag + QStringLiteral("_print_page.png"));
    app.printWindow().hide();

    // The other windows of the program.
    results.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
    QTest::qWait(400);
    save(app.whatIfWindow().grab(), out, tag + QStringLiteral("_whatif"));
    app.whatIfWindow().hide();
    shoot(app.helpWindow(), out, tag + QStringLiteral("_help"));
    shoot(app.internationalHelpWindow(), out, tag + QStringLiteral("_help_intl"));
    shoot(app.resultsHelpWindow(), out, tag + QStringLiteral("_help_results"));
    shoot(app.chartHelpWindow(), out, tag + QStringLiteral("_help_chart"));
    app.infoWindow().setVersion(QStringLiteral("6.61"));
    shoot(app.infoWindow(), out, tag + QStringLiteral("_info"));
    save(app.splash().grab(), out, tag + QStringLiteral("_splash"));
    // Drawn hidden: showing it would start the check.
    save(app.updateWindow().grab(), out, tag + QStringLiteral("_update"));
    app.noticeWindow().setNews({QStringLiteral("6.62"), QStringLiteral("15. 4. 2005"), {QStringLiteral("Nové ceníky")}});
    shoot(app.noticeWindow(), out, tag + QStringLiteral("_notice"));
    QMessageBox question(QMessageBox::Question, QStringLiteral("?"), Taktualizace::questionText(),
                         QMessageBox::Yes | QMessageBox::No);
    shoot(question, out, tag + QStringLiteral("_question"));
    const QString log = QDir::temp().filePath(QStringLiteral("sazbar_shots.csv"));
    QFile f(log);
    if (f.open(QIODevice::WriteOnly))
        f.write("date,time,direction,number,duration,type,volume_kb\n"
                "1. 4. 2026,10:00,out,222000001,60,call,\n"
                "1. 4. 2026,10:00,in,222000001,60,call,\n"
                "1. 4. 2026,25:00,out,222000001,60,call,\n"
                "3. 5. 2026,18:00,out,603000001,75,call,\n");
    f.close();
    ImportDialog import({log});
    shoot(import, out, tag + QStringLiteral("_import"));
    QFile::remove(log);
    return 0;
}
