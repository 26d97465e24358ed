// Writes pictures of the chart and print windows for looking at by eye:
// ui_shots <directory>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <cstdio>

#include "../chart/fake_results.h"
#include "ui/chart/tgraf.h"
#include "ui/print/tform4.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    sazbar::Profile p;
    p.matrix[sazbar::Peak][sazbar::FixedLine] = 40;
    p.matrix[sazbar::Peak][sazbar::TMobile] = 60;
    p.matrix[sazbar::Afternoon][sazbar::Eurotel] = 35;
    p.matrix[sazbar::Evening][sazbar::Oskar] = 25;
    p.matrix[sazbar::Weekend][sazbar::TMobile] = 30;
    p.matrix[sazbar::kSmsToTMobile][sazbar::Messages] = 40;
    p.gprsNet = 300;
    sazbar::test::FakeResults results;
    results.show(sazbar::runPricing(p, {.directDebit = false, .fixedLine = true}), true);

    QWidget main;
    auto* grid = new QGridLayout(&main);
    for (int n = 0; n < 6; ++n) grid->addWidget(new QLabel(QStringLiteral("Volání %1: 30 min").arg(n)), n, 0);
    auto* b = new QPushButton(QStringLiteral("&Výpočet"), &main);
    b->setObjectName(QStringLiteral("Button1"));
    grid->addWidget(b, 6, 0);

    Tgraf chart;
    chart.setResultsWindow(&results);
    chart.show();
    chart.vytvor_data();
    chart.grab().save(out.filePath(QStringLiteral("chart.png")));
    chart.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    chart.grab().save(out.filePath(QStringLiteral("chart_values.png")));
    chart.resize(1200, 800);
    QCoreApplication::processEvents();
    chart.grab().save(out.filePath(QStringLiteral("chart_values_1200.png")));
    chart.resize(800, 518);
    QCoreApplication::processEvents();
    const QRect area = chart.plot()->axisRect()->rect();
    chart.zoomTo(QRect(area.left() + 20, area.top() + area.height() / 3, area.width() / 3, area.height() / 2));
    while (chart.isAnimating()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    chart.grab().save(out.filePath(QStringLiteral("chart_zoomed.png")));
    chart.undoZoom(false);
    chart.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    chart.hide();

    TForm4 form;
    form.setWindows(&main, &results, &chart);
    form.show();
    form.grab().save(out.filePath(QStringLiteral("print.png")));
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setChecked(true);
    form.grab().save(out.filePath(QStringLiteral("print_white.png")));
    form.pageImage().save(out.filePath(QStringLiteral("page.png")));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("page.pdf")));
    std::printf("printed: %d\n", form.printOn(printer) ? 1 : 0);
    return 0;
}
