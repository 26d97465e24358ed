#include "ui/catalogues/catalogue_store.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using sazbar::ui::CatalogueStore;

namespace {

// A file of tariffs with the given ids; "old" is valid only in 2003.
QByteArray tariffs(std::initializer_list<const char*> ids) {
    QByteArray text = R"({"format": "sazbar-tariffs/1", "tariffs": [)";
    bool first = true;
    for (const char* id : ids) {
        if (!first) text += ',';
        first = false;
        text += QByteArray(R"({"id": ")") + id + R"(", "operator": "Op", "name": ")" + id +
                R"(", "fee": "100", "source": {"title": "t", "document": "d"}, "rates": {"sms": "1"})";
        if (QByteArray(id) == "old") text += R"(, "valid_from": "2003-01-01", "valid_to": "2003-12-31")";
        text += '}';
    }
    return text + "]}";
}

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void waitFor(CatalogueStore& store) {
    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.reload();
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_FALSE(store.isLoading());
}

QStringList pricedIds(const CatalogueStore& store) {
    QStringList ids;
    for (const auto* t : store.priced()) ids << QString::fromStdString(t->id);
    return ids;
}

struct Folders {
    QTemporaryDir dir;
    QString user = dir.filePath(QStringLiteral("user")), system = dir.filePath(QStringLiteral("system"));
    Folders() { qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8()); }
};

}  // namespace

TEST(CatalogueStore, UserFolderFollowsXdgDataHome) {
    qputenv("XDG_DATA_HOME", "/tmp/xdg");
    EXPECT_EQ(CatalogueStore::userFolder(), QStringLiteral("/tmp/xdg/sazbar/tariffs"));
    qputenv("XDG_DATA_HOME", "relative");
    EXPECT_EQ(CatalogueStore::userFolder(), QDir::homePath() + QStringLiteral("/.local/share/sazbar/tariffs"));
}

TEST(CatalogueStore, ReadsEveryPlaceAndLeavesOutBrokenFiles) {
    Folders f;
    write(f.user + "/a.json", tariffs({"a1", "old"}));
    write(f.user + "/broken.json", "{\"format\": ");
    write(f.user + "/notes.txt", tariffs({"ignored"}));
    write(f.system + "/s.json", tariffs({"s1"}));
    write(f.dir.filePath("extra/e.json"), tariffs({"e1"}));
    write(f.dir.filePath("one.json"), tariffs({"o1"}));
    CatalogueStore store;
    store.setFolders(f.user, f.system);
    // The user folder named again on the command line is read once.
    store.setExtraPaths({f.dir.filePath("extra"), f.dir.filePath("one.json"), f.user, f.dir.filePath("missing.json")});
    store.setValidOn(QDate(2005, 6, 1));
    waitFor(store);

    const struct {
        const char* name;
        bool system, fromCommandLine, errors;
        int tariffs;
    } want[] = {
        {"a.json", false, false, false, 2},   {"broken.json", false, false, true, 0},
        {"s.json", true, false, false, 1},    {"e.json", false, true, false, 1},
        {"one.json", false, true, false, 1},  {"missing.json", false, true, true, 0},
    };
    ASSERT_EQ(store.files().size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        const CatalogueStore::File& file = store.files()[i];
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(QFileInfo(file.path).fileName(), want[i].name);
        EXPECT_EQ(file.system, want[i].system);
        EXPECT_EQ(file.fromCommandLine, want[i].fromCommandLine);
        EXPECT_EQ(file.hasErrors(), want[i].errors);
        EXPECT_EQ(int(file.tariffs.size()), want[i].tariffs);
    }
    EXPECT_EQ(pricedIds(store), QStringList({"a1", "s1", "e1", "o1"}));
    EXPECT_EQ(store.notValidCount(), 1);

    // The day chooses the revisions; changing it needs no reading.
    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.setValidOn(QDate(2003, 6, 1));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(pricedIds(store), QStringList({"a1", "old", "s1", "e1", "o1"}));
}

TEST(CatalogueStore, CompiledIdIsRefusedOnlyWhileCompiledTariffsArePriced) {
    Folders f;
    write(f.user + "/t.json", tariffs({"t30"}));
    CatalogueStore store;
    store.setFolders(f.user, QString());
    store.setBuiltinPriced(true);
    waitFor(store);
    ASSERT_EQ(store.files().size(), 1u);
    EXPECT_TRUE(store.files()[0].hasErrors());
    EXPECT_TRUE(store.priced().empty());

    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.setBuiltinPriced(false);  // reads the files again
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_EQ(pricedIds(store), QStringList({"t30"}));
    // Remembered for the next run.
    EXPECT_FALSE(CatalogueStore().builtinPriced());
}

TEST(CatalogueStore, OnlyTheNewestReloadCounts) {
    Folders f;
    write(f.user + "/a.json", tariffs({"a1"}));
    CatalogueStore store;
    store.setFolders(f.user, QString());
    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.reload();
    write(f.user + "/b.json", tariffs({"b1"}));
    store.reload();
    ASSERT_TRUE(spy.wait(10000));
    for (int i = 0; i < 1000 && store.isLoading(); ++i) QTest::qWait(10);
    EXPECT_FALSE(store.isLoading());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(pricedIds(store), QStringList({"a1", "b1"}));
}
