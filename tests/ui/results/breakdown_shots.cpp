// Pictures of the breakdown window for checking the layout by eye:
// sazbar_breakdown_shots <output folder> <tag> [cs|en] [result field, "gold" unless given].
// Run it under xvfb-run.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "app/app.h"
#include "app/language.h"
#include "ui/breakdown/trozpis.h"
#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString out = QDir(args.value(1, QStringLiteral("."))).absolutePath();
    const QString tag = args.value(2, QStringLiteral("shot"));
    QDir().mkpath(out);
    QDir::setCurrent(QDir::tempPath());
    const auto language = sazbar::parseLanguage(args.value(3, QStringLiteral("cs")).toStdString());
    if (!language) qFatal("the language is cs or en");
    App app(4000, *language);
    TForm1& main = app.mainWindow();
    app.startWithoutSplash();
    QTest::qWait(300);
    const QList<std::pair<int, const char*>> sample = {{1, "120"}, {2, "60"}, {3, "35"}, {4, "12"}, {5, "40"},
                                                       {8, "80"},  {9, "30"}, {12, "15"}, {45, "500"}};
    for (const auto& [n, text] : sample)
        main.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromLatin1(text));
    main.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    Tform3& results = app.resultsWindow();
    if (!QTest::qWaitForWindowActive(&results, 2000)) qWarning("the results window did not become active");
    QTest::qWait(300);
    QTest::mouseDClick(results.field(args.value(4, QStringLiteral("gold"))), Qt::LeftButton);
    TRozpis& w = app.breakdownWindow();
    if (!QTest::qWaitForWindowExposed(&w, 2000)) qWarning("the breakdown window was not shown");
    QTest::qWait(400);
    auto desktop = [&](const QString& name) {
        if (QScreen* s = QGuiApplication::primaryScreen()) s->grabWindow(0).save(out + QLatin1Char('/') + tag + name + QStringLiteral(".png"));
    };
    desktop(QStringLiteral("_breakdown"));
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("tabs"));
    for (int t = 1; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        QTest::qWait(200);
        desktop(QStringLiteral("_breakdown_tab%1").arg(t));
    }
    tabs->setCurrentIndex(0);
    w.setCompared(-1);
    QTest::qWait(200);
    desktop(QStringLiteral("_breakdown_single"));
    return 0;
}
