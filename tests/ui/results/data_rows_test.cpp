// The tariffs of the user's files in the results window: their own group, the
// same marks as the compiled fields, and a window unchanged without them.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

#include "catalogue/data_pricing.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/results/tform3.h"

namespace {

using sazbar::ui::CatalogueStore;

struct Tariff {
    const char* id;
    const char* name;
    const char* fee;
    bool mms;  // gives an MMS rate
};

QByteArray catalogueText(const std::vector<Tariff>& tariffs) {
    QByteArray text = R"({"format": "sazbar-tariffs/1", "tariffs": [)";
    for (std::size_t i = 0; i < tariffs.size(); ++i) {
        const Tariff& t = tariffs[i];
        text += QByteArray(i ? "," : "") + R"({"id": ")" + t.id + R"(", "operator": "Op", "name": ")" + t.name +
                R"(", "fee": ")" + t.fee + R"(", "source": {"title": "t", "document": "d"}, "rates": {"calls": {"fixed": "1", "tmobile": "1", "eurotel": "1", "oskar": "1", "voicemail": "1"}, "sms": "1")" +
                (t.mms ? R"(, "mms": "1")" : "") + "}}";
    }
    return text + "]}";
}

// Where each named widget of the window but the data group stands.
std::string geometries(const QWidget& w) {
    const auto* group = w.findChild<QWidget*>(QStringLiteral("GroupBox5"));
    std::set<std::string> lines;
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || !c->isVisibleTo(&w) || c == group || group->isAncestorOf(c)) continue;
        const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
        lines.insert(QStringLiteral("%1 %2,%3 %4x%5\n").arg(c->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString());
    }
    std::string all;
    for (const std::string& l : lines) all += l;
    return all;
}

class DataRows : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        profile.matrix[sazbar::Peak][sazbar::TMobile] = 100;
        profile.matrix[sazbar::kMms][sazbar::Messages] = 2;
        store.setFolders(dir.filePath(QStringLiteral("tariffs")), QString());
        store.setBuiltinPriced(true);
        for (Tform3* w : {&plain, &withStore}) {
            w->setProfileSource([this] { return profile; });
            w->show();
            w->activateWindow();
        }
        withStore.setCatalogueStore(&store);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&withStore));
    }

    void load(const std::vector<Tariff>& tariffs) {
        QDir().mkpath(dir.filePath(QStringLiteral("tariffs")));
        QFile f(dir.filePath(QStringLiteral("tariffs/t.json")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(catalogueText(tariffs));
        f.close();
        QSignalSpy spy(&store, &CatalogueStore::changed);
        store.reload();
        ASSERT_TRUE(spy.wait(10000));
    }

    static bool red(const QLineEdit* f) { return f->palette().color(QPalette::Text) == QColor(255, 0, 0); }
    static bool unsupported(const QLineEdit* f) {
        return f->palette().color(QPalette::Base) == Tform3::unsupportedColour();
    }
    int redCompiled() const {
        int n = 0;
        for (const auto& t : sazbar::kTariffs)
            n += red(withStore.field(QString::fromLatin1(t.id.data(), qsizetype(t.id.size()))));
        return n;
    }

    QTemporaryDir dir;
    sazbar::Profile profile;
    CatalogueStore store;
    Tform3 plain, withStore;
};

TEST_F(DataRows, OwnGroupWithJointMarksAndTheRestOfTheWindowInPlace) {
    const std::string longName(150, 'N');
    const struct {
        const char* name;
        const char* cheapFee;
        bool dataCheapest;
    } cases[] = {{"data tariff cheapest", "0", true}, {"compiled tariff cheapest", "9999", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // "nomms" is cheapest of all but has no MMS rate: marked unsupported, never cheapest.
        load({{"cheap", "Cheap", c.cheapFee, true}, {"nomms", "No MMS", "0", false}, {"long", longName.c_str(), "5000", true}});
        auto* group = withStore.findChild<QGroupBox*>(QStringLiteral("GroupBox5"));
        ASSERT_TRUE(group->isVisible());
        ASSERT_EQ(withStore.dataRows().size(), 3u);
        for (const Tform3::DataRow& row : withStore.dataRows()) {
            const auto own = sazbar::catalogue::priceDataTariff(*row.tariff, profile);
            EXPECT_EQ(row.field->text(), QString::number(own.price)) << row.tariff->id;
            EXPECT_EQ(unsupported(row.field), row.tariff->id == "nomms") << row.tariff->id;
            EXPECT_EQ(red(row.field), c.dataCheapest && row.tariff->id == "cheap") << row.tariff->id;
        }
        EXPECT_EQ(redCompiled() > 0, !c.dataCheapest);
        // The long name is cut, and whole in its tooltip.
        const QLabel* name = nullptr;
        for (const QLabel* l : group->findChildren<QLabel*>())
            if (l->toolTip().contains(QString::fromStdString(longName))) name = l;
        ASSERT_NE(name, nullptr);
        EXPECT_LT(name->text().size(), qsizetype(longName.size()) + 3);
        EXPECT_LE(name->geometry().right(), withStore.dataRows()[2].field->geometry().left());
        // Everything else stands where it stands without the group.
        EXPECT_EQ(geometries(withStore), geometries(plain));
    }
}

TEST_F(DataRows, ManyTariffsScrollAndNoneLeaveTheWindowAsItWas) {
    const std::string before = geometries(withStore);
    std::vector<std::string> ids;
    for (int i = 0; i < 20; ++i) ids.push_back("t" + std::to_string(i));
    std::vector<Tariff> many;
    for (const std::string& id : ids) many.push_back({id.c_str(), id.c_str(), "100", true});
    load(many);
    EXPECT_EQ(withStore.dataRows().size(), 20u);
    EXPECT_TRUE(withStore.findChild<QScrollArea*>(QStringLiteral("dataScroll"))->verticalScrollBar()->isVisible());
    EXPECT_EQ(withStore.size(), plain.size());

    QFile::remove(dir.filePath(QStringLiteral("tariffs/t.json")));
    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.reload();
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_TRUE(withStore.dataRows().empty());
    EXPECT_FALSE(withStore.findChild<QGroupBox*>(QStringLiteral("GroupBox5"))->isVisible());
    EXPECT_EQ(geometries(withStore), before);
    EXPECT_EQ(withStore.grab().toImage(), plain.grab().toImage());
}

TEST_F(DataRows, CompiledTariffsLeftOutShowNoPriceAndNoMark) {
    store.setBuiltinPriced(false);
    load({{"t30", "Mine", "9999", true}});
    const QLineEdit* t30 = withStore.field(QStringLiteral("t30"));
    EXPECT_EQ(t30->text(), QStringLiteral("–"));
    EXPECT_EQ(redCompiled(), 0);
    // Alone, the data tariff is the cheapest, however dear.
    ASSERT_EQ(withStore.dataRows().size(), 1u);
    EXPECT_TRUE(red(withStore.dataRows()[0].field));
    EXPECT_EQ(geometries(withStore), geometries(plain));

    QSignalSpy spy(&store, &CatalogueStore::changed);
    store.setBuiltinPriced(true);  // the file now takes a compiled id: left out
    ASSERT_TRUE(spy.wait(10000));
    EXPECT_TRUE(withStore.dataRows().empty());
    EXPECT_EQ(t30->text(), plain.field(QStringLiteral("t30"))->text());
    const sazbar::RunResult own = sazbar::runPricing(profile);
    for (const auto& t : sazbar::kTariffs)
        EXPECT_EQ(red(withStore.field(QString::fromLatin1(t.id.data(), qsizetype(t.id.size())))), own[t.id].cheapest) << t.id;
}

}  // namespace
