// Pictures of the import preview, for checking the layout by eye:
// sazbar_import_shots OUTDIR [LOG ...]
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "ui/import/importdialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QStringList files;
    for (int i = 2; i < argc; ++i) files << QString::fromLocal8Bit(argv[i]);
    if (files.isEmpty()) files << QStringLiteral(SAZBAR_EXAMPLES "/bill.csv");
    ImportDialog d(files);
    if (!d.error().isEmpty()) return 2;
    d.show();
    auto* pages = d.findChild<QTabWidget*>(QStringLiteral("pages"));
    for (int i = 0; i < pages->count(); ++i) {
        if (!pages->isTabVisible(i)) continue;
        pages->setCurrentIndex(i);
        app.processEvents();
        d.grab().save(QDir(out).filePath(QStringLiteral("import-%1.png").arg(i + 1)));
    }
    return 0;
}
