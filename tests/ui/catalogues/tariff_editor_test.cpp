// The tariff form: a fault typed into a field marks that field, a valid
// tariff is priced and saved, and a file the form cannot show in full stays
// read-only.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "pricing/tariffs.h"
#include "ui/breakdown/trozpis.h"
#include "ui/catalogues/tariff_editor.h"

namespace {

using sazbar::ui::TariffEditor;

// 100 peak minutes to T-Mobile, 100 evening minutes to Eurotel, 30 SMS to T-Mobile.
sazbar::Profile month() {
    sazbar::Profile p;
    p.matrix[sazbar::Peak][sazbar::TMobile] = 100;
    p.matrix[sazbar::Evening][sazbar::Eurotel] = 100;
    p.matrix[sazbar::kSmsToTMobile][sazbar::Messages] = 30;
    return p;
}

void type(TariffEditor& e, const QString& field, const QString& text) {
    if (auto* box = e.findChild<QCheckBox*>(field)) {
        box->setChecked(text == QLatin1String("on"));
        return;
    }
    auto* edit = e.findChild<QLineEdit*>(field);
    ASSERT_NE(edit, nullptr) << field.toStdString();
    edit->setText(text);
    emit edit->textEdited(text);  // as a user types it
}

// Calls 100 × 5.5 + 100 × 3 = 850 paid at (200 − 100) / 200, SMS 30 × 2.5, fee 199: 699.
void fillValid(TariffEditor& e) {
    const std::pair<const char*, const char*> fields[] = {
        {"name", "Mini 100"}, {"id", "mini-100"}, {"operator", "Příklad"}, {"fee", "199"}, {"valid_from", "2004-01-01"},
        {"source.title", "Ceník"}, {"source.url", "https://example.org/mini.pdf"},
        {"rates.calls.tmobile", "5,5"}, {"rates.calls.eurotel.perBand", "on"}, {"rates.calls.eurotel", "6"},
        {"rates.calls.eurotel[1]", "6"}, {"rates.calls.eurotel[2]", "3"}, {"rates.calls.eurotel[3]", "3"},
        {"rates.sms", "2.5"}, {"allowances[0].minutes", "100"}};
    for (const auto& [f, t] : fields) type(e, QString::fromUtf8(f), QString::fromUtf8(t));
}

TEST(TariffEditor, ValidTariffIsPricedSavedAndOpensAgainEditable) {
    QTemporaryDir dir;
    TariffEditor e(month(), {}, dir.path(), true);
    fillValid(e);
    EXPECT_TRUE(e.markedFields().isEmpty()) << e.markedFields().keys().join(',').toStdString();
    EXPECT_EQ(e.livePrice(), 699);
    ASSERT_TRUE(e.findChild<QPushButton*>("save")->isEnabled());
    ASSERT_TRUE(e.save());
    EXPECT_EQ(e.targetPath(), dir.filePath("mini-100.json"));

    TariffEditor again(month(), {}, dir.path(), true);
    again.openFile(e.targetPath());
    EXPECT_FALSE(again.isReadOnly()) << again.readOnlyReason().toStdString();
    EXPECT_EQ(again.fileText(), e.fileText());
    EXPECT_EQ(again.livePrice(), 699);
}

TEST(TariffEditor, BreakdownShowsTheTariffAsTypedAndFollowsIt) {
    TariffEditor e(month(), {}, QDir::tempPath(), true);
    fillValid(e);
    e.findChild<QPushButton*>("breakdown")->click();
    auto* rozpis = e.findChild<TRozpis*>();
    ASSERT_NE(rozpis, nullptr);
    EXPECT_TRUE(rozpis->isVisible());
    EXPECT_EQ(rozpis->tariff(), TRozpis::kDataTariff);
    EXPECT_EQ(rozpis->breakdown().shown, 699);
    type(e, "fee", "299");
    EXPECT_EQ(rozpis->breakdown().shown, 799);
}

TEST(TariffEditor, FaultMarksItsField) {
    struct Case {
        std::vector<std::pair<QString, QString>> typed;
        QString marked;
        QString quoted = {};  // what the reason must quote: the amount as typed
    };
    const QString compiled = QString::fromUtf8(sazbar::kTariffs[0].id.data(), qsizetype(sazbar::kTariffs[0].id.size()));
    const Case cases[] = {
        {{{"fee", "199,12345"}}, "fee", "199,12345"},
        {{{"fee", " 1 000,5-"}}, "fee", "1 000,5-"},
        {{{"fee", "-5"}}, "fee"},
        {{{"name", ""}}, "name"},
        {{{"id", compiled}}, "id"},
        {{{"id", "mini 100"}}, "id"},
        {{{"valid_from", "2004-02-30"}}, "valid_from"},
        {{{"valid_to", "2003-12-31"}}, "valid_to"},
        {{{"color", "red"}}, "color"},
        {{{"source.retrieved", "včera"}}, "source.retrieved"},
        {{{"rates.calls.tmobile", "pět"}}, "rates.calls.tmobile"},
        {{{"rates.calls.eurotel[2]", "3.x"}}, "rates.calls.eurotel[2]"},
        {{{"rates.sms.perBand", "on"}, {"rates.sms.oskar", "1,23456"}}, "rates.sms.oskar", "1,23456"},
        {{{"rates.international.zones.3", "18"}}, "rates.international.scheme"},
        {{{"allowances[0].minutes", "sto"}}, "allowances[0].minutes"},
        {{{"covers.calls.fixed", "off"}, {"covers.calls.tmobile", "off"}, {"covers.calls.eurotel", "off"},
          {"covers.calls.oskar", "off"}, {"covers.calls.voicemail", "off"}},
         "allowances[0].covers"},
    };
    for (const Case& c : cases) {
        TariffEditor e(month(), {}, QDir::tempPath(), true);
        fillValid(e);
        for (const auto& [field, text] : c.typed) type(e, field, text);
        const QMap<QString, QString> marked = e.markedFields();
        const std::string what = c.typed.front().first.toStdString() + " = " + c.typed.front().second.toStdString();
        EXPECT_TRUE(marked.contains(c.marked)) << what << ": marked " << marked.keys().join(',').toStdString();
        EXPECT_FALSE(marked.value(c.marked).isEmpty()) << what;
        EXPECT_TRUE(marked.value(c.marked).contains(c.quoted)) << what << ": " << marked.value(c.marked).toStdString();
        EXPECT_EQ(marked.size(), 1) << what << ": marked " << marked.keys().join(',').toStdString();
        EXPECT_FALSE(e.findChild<QPushButton*>("save")->isEnabled()) << what;
        EXPECT_EQ(e.livePrice(), -1) << what;
    }
}

TEST(TariffEditor, FileTheFormCannotShowOpensReadOnly) {
    QTemporaryDir dir;
    const char* tariff = R"({"id": "x", "operator": "O", "name": "X", "source": {"title": "t", "url": "u"}, "fee": "10")";
    const struct {
        std::string text;
        bool readOnly;
    } cases[] = {
        {std::string(R"({"format": "sazbar-tariffs/1", "tariffs": [)") + tariff + "}]}", false},
        {std::string(R"({"format": "sazbar-tariffs/1", "tariffs": [)") + tariff +
             R"(, "addons": [{"id": "a", "name": "A", "fee": "5"}]}]})",
         true},
        {std::string(R"({"format": "sazbar-tariffs/1", "tariffs": [)") + tariff + "}, " + tariff + "}]}", true},
        {std::string(R"({"format": "sazbar-tariffs/1", "tariffs": [)") + tariff + R"(, "fixed_amount": "1"}]})", true},
        {std::string(R"({"format": "sazbar-tariffs/1", "tariffs": [)") + tariff, true},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath("t.json");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text.data(), qint64(c.text.size()));
        f.close();
        TariffEditor e(month(), {}, dir.path(), true);
        e.openFile(path);
        EXPECT_EQ(e.isReadOnly(), c.readOnly) << c.text;
        EXPECT_EQ(e.readOnlyReason().isEmpty(), !c.readOnly) << c.text;
        EXPECT_EQ(e.findChild<QPushButton*>("save")->isEnabled(), !c.readOnly) << c.text;
    }
}

}  // namespace
