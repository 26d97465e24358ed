// Takes pictures of the main, results, chart and print windows for checking the layout by
// eye: sazbar_screenshots <output folder> <tag>. Run it under xvfb-run.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include "app/app.h"
#include "ui/chart/tgraf.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"

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
    // Keep the saved inputs of the developer's own runs out of the pictures.
    QDir::setCurrent(QDir::tempPath());

    App app;
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
    return 0;
}
