// "Ceníky…" on a folder of its own: a broken file shows its problems, a file
// is added (or refused with its reasons), edited, removed, and "Platné k:"
// chooses the tariffs priced.
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "ui/catalogues/catalogue_store.h"
#include "ui/catalogues/catalogue_window.h"
#include "ui/catalogues/tariff_editor.h"

namespace {

using sazbar::ui::CatalogueStore;
using sazbar::ui::CatalogueWindow;

QByteArray tariffFile(const char* id, const char* fee) {
    return QByteArray(R"({"format": "sazbar-tariffs/1", "tariffs": [{"id": ")") + id +
           R"(", "operator": "Op", "name": "N", "valid_from": "2004-01-01", "valid_to": "2004-12-31", "fee": ")" + fee +
           R"(", "source": {"title": "t", "url": "https://example.org/"}, "rates": {"sms": "1"}}]})";
}

void write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void waitFor(CatalogueStore& store) {
    QSignalSpy spy(&store, &CatalogueStore::changed);
    ASSERT_TRUE(spy.wait(10000));
}

// The rows under a file's row, as shown.
QStringList rowsOf(const QTreeWidget* tree, const QString& fileName) {
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* f = tree->topLevelItem(i);
        if (QFileInfo(f->data(0, Qt::UserRole).toString()).fileName() != fileName) continue;
        for (int k = 0; k < f->childCount(); ++k) rows << f->child(k)->text(0) + QLatin1Char('|') + f->child(k)->text(3);
    }
    return rows;
}

TEST(CatalogueWindow, AddEditRemoveBrokenFileAndValidOn) {
    QTemporaryDir user, elsewhere;
    write(user.filePath("broken.json"), tariffFile("b", "-5"));
    CatalogueStore store;
    store.setFolders(user.path(), QString());
    store.setValidOn(QDate(2004, 6, 1));
    store.reload();
    waitFor(store);
    CatalogueWindow w(store);
    auto* tree = w.findChild<QTreeWidget*>("files");

    // The broken file: its problem with the JSON path of the fault.
    const QStringList broken = rowsOf(tree, "broken.json");
    ASSERT_EQ(broken.size(), 1);
    EXPECT_TRUE(broken[0].startsWith("tariffs[0].fee: ")) << broken[0].toStdString();

    // A broken file is refused with its reasons and not copied; a sound one is copied.
    write(elsewhere.filePath("bad.json"), tariffFile("x", "1.23456"));
    write(elsewhere.filePath("good.json"), tariffFile("good", "100"));
    const QStringList reasons = w.addFile(elsewhere.filePath("bad.json"));
    ASSERT_EQ(reasons.size(), 1);
    EXPECT_TRUE(reasons[0].contains("tariffs[0].fee")) << reasons[0].toStdString();
    EXPECT_FALSE(QFile::exists(user.filePath("bad.json")));
    EXPECT_TRUE(w.addFile(elsewhere.filePath("good.json")).isEmpty());
    waitFor(store);
    ASSERT_EQ(store.priced().size(), 1u);
    EXPECT_EQ(rowsOf(tree, "good.json").size(), 1);

    // Edited in the form and saved: the store reads the new fee.
    w.selectFile(user.filePath("good.json"));
    sazbar::ui::TariffEditor* editor = w.editSelected();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isReadOnly()) << editor->readOnlyReason().toStdString();
    editor->findChild<QLineEdit*>("fee")->setText("250,5");
    ASSERT_TRUE(editor->save());
    waitFor(store);
    ASSERT_EQ(store.priced().size(), 1u);
    sazbar::catalogue::Amount fee = 0;
    ASSERT_TRUE(sazbar::catalogue::parseAmount("250.5", fee));
    EXPECT_EQ(store.priced()[0]->fee, fee);
    editor->close();

    // "Platné k:" before the tariff's validity: nothing priced, the row says so.
    const QString validRow = rowsOf(tree, "good.json").value(0);
    w.findChild<QDateEdit*>("validOn")->setDate(QDate(2003, 6, 1));
    EXPECT_EQ(store.validOn(), QDate(2003, 6, 1));
    EXPECT_TRUE(store.priced().empty());
    EXPECT_NE(rowsOf(tree, "good.json").value(0), validRow) << "no mark of a tariff not valid that day";
    w.findChild<QDateEdit*>("validOn")->setDate(QDate(2004, 12, 31));
    EXPECT_EQ(store.priced().size(), 1u);
    EXPECT_EQ(rowsOf(tree, "good.json").value(0), validRow);

    // Removed: gone from the folder and the window.
    EXPECT_FALSE(w.removeFile(elsewhere.filePath("good.json"))) << "only files of the user folder";
    ASSERT_TRUE(w.removeFile(user.filePath("good.json")));
    waitFor(store);
    EXPECT_FALSE(QFile::exists(user.filePath("good.json")));
    EXPECT_TRUE(rowsOf(tree, "good.json").isEmpty());
    EXPECT_TRUE(store.priced().empty());
}

}  // namespace
