// Pictures of the import preview, for checking the layout by eye:
// sazbar_import_shots OUTDIR [cs|en] [LOG ...]
// With OUTDIR "-" the preview stays open on the screen instead (to look at it
// with its frame on a small desktop).
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "app/language.h"
#include "ui/import/importdialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const auto language = sazbar::parseLanguage(argc > 2 ? argv[2] : "cs");
    if (!language) qFatal("the language is cs or en");
    const sazbar::Translations translations(*language);
    QStringList files;
    for (int i = 3; i < argc; ++i) files << QString::fromLocal8Bit(argv[i]);
    if (files.isEmpty()) files << QStringLiteral(SAZBAR_EXAMPLES "/bill.csv");
    ImportDialog d(files);
    if (!d.error().isEmpty()) {
        qWarning("%s", qPrintable(d.error()));
        return 2;
    }
    if (out == QStringLiteral("-")) return d.exec() == QDialog::Accepted ? 0 : 1;
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
