// Pictures of "Ceníky…" and the tariff form, for checking the layout by eye:
// sazbar_catalogue_shots OUTDIR [cs|en]
// With OUTDIR "-" the windows stay open on the screen instead.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTreeWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/language.h"
#include "ui/breakdown/trozpis.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/catalogues/catalogue_window.h"
#include "ui/catalogues/tariff_editor.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const auto language = sazbar::parseLanguage(argc > 2 ? argv[2] : "cs");
    if (!language) qFatal("the language is cs or en");
    const sazbar::Translations translations(*language);
    QTemporaryDir folder;
    sazbar::Profile month;
    month.matrix[sazbar::Peak][sazbar::TMobile] = 120;
    month.matrix[sazbar::Evening][sazbar::Eurotel] = 60;
    month.matrix[sazbar::kSmsToTMobile][sazbar::Messages] = 30;
    // The window on a folder with the example file and a broken one.
    QFile::copy(QStringLiteral(SAZBAR_EXAMPLES "/tariffs/example.json"), folder.filePath(QStringLiteral("example.json")));
    QFile broken(folder.filePath(QStringLiteral("broken.json")));
    if (broken.open(QIODevice::WriteOnly))
        broken.write(R"({"format": "sazbar-tariffs/1", "tariffs": [{"id": "x", "operator": "O", "name": "X", "fee ": "1",
                     "rates": {"sms": 2}}]})");
    broken.close();
    sazbar::ui::CatalogueStore store;
    store.setFolders(folder.path(), QString());
    QEventLoop loop;
    QObject::connect(&store, &sazbar::ui::CatalogueStore::changed, &loop, &QEventLoop::quit);
    store.reload();
    loop.exec();
    sazbar::ui::CatalogueWindow window(store);
    window.setMonth(month, {});
    if (auto* tree = window.findChild<QTreeWidget*>(); tree && tree->topLevelItemCount() > 1)
        tree->setCurrentItem(tree->topLevelItem(1)->child(0));
    if (out == QStringLiteral("-")) {
        window.show();
    } else {
        window.show();
        app.processEvents();
        window.grab().save(QDir(out).filePath(QStringLiteral("catalogues.png")));
        window.hide();
    }

    sazbar::ui::TariffEditor e(month, {}, folder.path(), true);
    const std::pair<const char*, const char*> typed[] = {
        {"name", "Mini 100"}, {"operator", "Příklad"}, {"fee", "199"}, {"valid_from", "2004-01-01"},
        {"valid_to", "2003-12-31"}, {"source.title", "Ceník"}, {"rates.calls.tmobile", "5,5"},
        {"rates.calls.eurotel", "6"}, {"rates.calls.oskar", "6,12345"}, {"rates.sms", "2,5"},
        {"allowances[0].minutes", "100"}};
    for (const auto& [field, text] : typed)
        if (auto* edit = e.findChild<QLineEdit*>(QString::fromUtf8(field))) edit->setText(QString::fromUtf8(text));
    if (out == QStringLiteral("-")) return e.exec() == QDialog::Accepted ? 0 : 1;
    e.show();
    auto* tabs = e.findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        app.processEvents();
        e.grab().save(QDir(out).filePath(QStringLiteral("editor-%1.png").arg(i + 1)));
    }
    // Corrected, with its "Rozpis ceny" open.
    e.findChild<QLineEdit*>(QStringLiteral("valid_to"))->clear();
    e.findChild<QLineEdit*>(QStringLiteral("rates.calls.oskar"))->setText(QStringLiteral("6,12"));
    e.findChild<QLineEdit*>(QStringLiteral("source.url"))->setText(QStringLiteral("https://example.org/mini.pdf"));
    if (auto* breakdown = e.findChild<QPushButton*>(QStringLiteral("breakdown"))) breakdown->click();
    app.processEvents();
    if (auto* rozpis = e.findChild<TRozpis*>()) rozpis->grab().save(QDir(out).filePath(QStringLiteral("editor-breakdown.png")));
    sazbar::ui::TariffEditor readOnly(month, {}, folder.path(), true);
    readOnly.openFile(QStringLiteral(SAZBAR_EXAMPLES "/tariffs/example.json"));
    readOnly.show();
    app.processEvents();
    readOnly.grab().save(QDir(out).filePath(QStringLiteral("editor-readonly.png")));
    return 0;
}
