#include "ui/catalogues/tariff_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <nlohmann/json.hpp>

#include "ui/breakdown/labels.h"
#include "ui/breakdown/trozpis.h"
#include "ui/catalogues/problem_text.h"

namespace sazbar::ui {

namespace {

using ojson = nlohmann::ordered_json;

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s8(const QString& s) { return s.toStdString(); }

// The decimal mark of the window's language.
QChar decimalMark() {
    const QString mark = TariffEditor::tr(",", "decimal mark");
    return mark.size() == 1 ? mark.front() : QLatin1Char(',');
}

// An amount as typed, as the file writes it: "4,76" and "4.76" are the same
// amount; what is no amount goes into the file as typed, for the reader to
// name.
std::string amountText(const QString& typed) {
    QString t = typed.trimmed();
    t.remove(QChar(0x00a0));
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return s8(t);
}
// The file's amount in the window's form.
QString shownAmountText(const std::string& file) {
    QString t = q(file);
    t.replace(QLatin1Char('.'), decimalMark());
    return t;
}

constexpr const char* kSchemeIds[kSchemes] = {"tm_standard", "tm_internet_call", "twist_home_internet_call",
                                              "et_standard", "et_netcall",       "et_go",
                                              "oskar",       "fixed_line"};
constexpr const char* kBandIds[kBands] = {"peak", "afternoon", "evening", "weekend"};
// The services included minutes may cover, in the order the file lists them.
constexpr const char* kMinuteServices[] = {"calls.fixed", "calls.tmobile", "calls.eurotel", "calls.oskar",
                                           "calls.voicemail", "data", "wap", "international"};
constexpr int kCallServices = 5;
constexpr const char* kConsumeIds[] = {"proportional", "most_expensive_first", "in_order"};
// Rows of the rate grid: their keys under "rates".
constexpr const char* kRateRows[] = {"calls.fixed", "calls.tmobile", "calls.eurotel", "calls.oskar",
                                     "calls.voicemail", "data", "wap"};

// A string member as the form shows it; another kind of value shows as its
// JSON text, so that the form never pretends it is empty.
QString text(const ojson& o, const char* key) {
    const auto it = o.find(key);
    if (it == o.end()) return {};
    return it->is_string() ? q(it->get<std::string>()) : q(it->dump());
}

const ojson* member(const ojson& o, const char* key) {
    if (!o.is_object()) return nullptr;
    const auto it = o.find(key);
    return it == o.end() ? nullptr : &*it;
}

// A tariff as the reader understands it, with the defaults and shorthands
// written out, so that two spellings of the same tariff compare equal.
nlohmann::json normalised(const ojson& tariff) {
    nlohmann::json t = nlohmann::json::parse(tariff.dump());
    if (!t.is_object()) return t;
    if (t.contains("revision") && t["revision"] == 1) t.erase("revision");
    if (t.contains("allowances") && t["allowances"].is_array()) {
        for (auto& a : t["allowances"]) {
            if (!a.is_object()) continue;
            if (a.contains("consume") && a["consume"] == "proportional") a.erase("consume");
            if (a.contains("bands") && a["bands"] == nlohmann::json(std::vector<std::string>{"peak", "afternoon", "evening", "weekend"}))
                a.erase("bands");
            if (a.contains("covers") && a["covers"].is_array()) {
                nlohmann::json covers = nlohmann::json::array();
                for (const auto& c : a["covers"]) {
                    if (c == "calls")
                        for (int i = 0; i < kCallServices; ++i) covers.push_back(kMinuteServices[i]);
                    else
                        covers.push_back(c);
                }
                a["covers"] = covers;
            }
        }
    }
    return t;
}

// A band rate of a row: one amount, an array, or nothing when all is empty.
void putBandRate(ojson& into, const char* key, bool perBand, const std::vector<QLineEdit*>& edits) {
    if (!perBand) {
        if (!edits[0]->text().trimmed().isEmpty()) into[key] = amountText(edits[0]->text());
        return;
    }
    bool any = false;
    for (QLineEdit* e : edits) any = any || !e->text().trimmed().isEmpty();
    if (!any) return;
    ojson a = ojson::array();
    for (QLineEdit* e : edits) a.push_back(amountText(e->text()));
    into[key] = a;
}

}  // namespace

TariffEditor::TariffEditor(const Profile& profile, const RunOptions& options, const QString& userFolder,
                           bool builtinPriced, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_options(options), m_userFolder(userFolder), m_builtinPriced(builtinPriced) {
    setObjectName(QStringLiteral("tariffEditor"));
    setWindowTitle(tr("Nový tarif"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("readOnlyNote"));
    m_note->setWordWrap(true);
    m_note->setAutoFillBackground(true);
    m_note->setBackgroundRole(QPalette::ToolTipBase);
    m_note->setForegroundRole(QPalette::ToolTipText);
    m_note->setMargin(4);
    m_note->hide();

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(identityPage(), tr("&Tarif"));
    m_tabs->addTab(ratesPage(), tr("&Sazby"));
    m_tabs->addTab(allowancePage(), tr("&Volné minuty"));
    m_tabs->addTab(abroadPage(), tr("Do &zahraničí"));

    m_price = new QLabel(this);
    m_price->setObjectName(QStringLiteral("price"));
    m_price->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_price->setFocusPolicy(Qt::TabFocus);
    m_price->setWordWrap(true);
    QFont bold = m_price->font();
    bold.setBold(true);
    m_price->setFont(bold);
    m_breakdown = new QPushButton(tr("&Rozpis ceny…"), this);
    m_breakdown->setObjectName(QStringLiteral("breakdown"));
    m_breakdown->setAutoDefault(false);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(m_price, 1);
    priceRow->addWidget(m_breakdown);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_save = new QPushButton(tr("&Uložit"), this);
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setAutoDefault(false);
    auto* close = new QPushButton(tr("&Zavřít"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(close);

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_note);
    v->addWidget(m_tabs, 1);
    v->addLayout(priceRow);
    v->addWidget(m_summary);
    v->addLayout(buttons);

    connect(m_breakdown, &QPushButton::clicked, this, &TariffEditor::showBreakdown);
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (save()) accept();
    });
    connect(close, &QPushButton::clicked, this, &TariffEditor::reject);
    connect(m_name, &QLineEdit::textChanged, this, &TariffEditor::followName);
    connect(m_id, &QLineEdit::textEdited, this, [this] { m_idTouched = true; });

    // Every field checks the whole tariff again as it changes.
    for (QLineEdit* e : findChildren<QLineEdit*>()) connect(e, &QLineEdit::textChanged, this, &TariffEditor::recheck);
    for (QCheckBox* c : findChildren<QCheckBox*>()) connect(c, &QCheckBox::toggled, this, &TariffEditor::recheck);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &TariffEditor::recheck);
    connect(m_revision, &QSpinBox::valueChanged, this, &TariffEditor::recheck);

    setMinimumSize(480, 360);
    resize(720, 540);
    recheck();
}

QLabel* TariffEditor::reasonLabel() {
    auto* l = new QLabel(this);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0xa0, 0x10, 0x10));
    l->setPalette(p);
    l->hide();
    return l;
}

QLineEdit* TariffEditor::lineEdit(const QString& path, const QString& accessibleName) {
    auto* e = new QLineEdit(this);
    e->setObjectName(path);
    e->setAccessibleName(accessibleName);
    return e;
}

namespace {

// A page that scrolls when the window is small.
QWidget* scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

}  // namespace

QWidget* TariffEditor::identityPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto add = [&](const QString& label, QWidget* w, const QString& path) {
        auto* box = new QWidget(page);
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(1);
        w->setParent(box);
        v->addWidget(w);
        QLabel* reason = reasonLabel();
        reason->setParent(box);
        v->addWidget(reason);
        auto* l = new QLabel(label, page);
        l->setBuddy(w);
        form->addRow(l, box);
        m_fields.insert(path, {w, reason});
    };
    // One row a field: its JSON path (also its object name), label,
    // accessible name and placeholder; the revision is a spin box.
    struct Row {
        QLineEdit* TariffEditor::*edit;
        const char* path;
        const char* label;
        const char* name;
        const char* placeholder;
    };
    static constexpr const char* kDate = QT_TR_NOOP("RRRR-MM-DD");
    static constexpr const char* kValidity = QT_TR_NOOP("RRRR-MM-DD, prázdné: bez omezení");
    static constexpr Row kRows[] = {
        {&TariffEditor::m_name, "name", QT_TR_NOOP("&Název:"), QT_TR_NOOP("Název tarifu"), nullptr},
        {&TariffEditor::m_operator, "operator", QT_TR_NOOP("&Operátor:"), QT_TR_NOOP("Operátor"), nullptr},
        {&TariffEditor::m_id, "id", QT_TR_NOOP("&Identifikátor:"), QT_TR_NOOP("Identifikátor tarifu"), nullptr},
        {nullptr, "revision", QT_TR_NOOP("Re&vize:"), QT_TR_NOOP("Revize ceníku"), nullptr},
        {&TariffEditor::m_validFrom, "valid_from", QT_TR_NOOP("Platí o&d:"), QT_TR_NOOP("Platí od"), kValidity},
        {&TariffEditor::m_validTo, "valid_to", QT_TR_NOOP("Platí d&o:"), QT_TR_NOOP("Platí do"), kValidity},
        {&TariffEditor::m_fee, "fee", QT_TR_NOOP("Měsíční &paušál (Kč):"), QT_TR_NOOP("Měsíční paušál v Kč"), nullptr},
        {&TariffEditor::m_color, "color", QT_TR_NOOP("&Barva:"), QT_TR_NOOP("Barva v grafu"),
         QT_TR_NOOP("#rrggbb, nepovinné")},
        {&TariffEditor::m_sourceTitle, "source.title", QT_TR_NOOP("Zdroj – &ceník:"), QT_TR_NOOP("Zdroj: název ceníku"),
         nullptr},
        {&TariffEditor::m_sourceUrl, "source.url", QT_TR_NOOP("Zdroj – &adresa:"), QT_TR_NOOP("Zdroj: adresa na webu"),
         nullptr},
        {&TariffEditor::m_sourceDocument, "source.document", QT_TR_NOOP("Zdroj – do&kument:"),
         QT_TR_NOOP("Zdroj: dokument"), nullptr},
        {&TariffEditor::m_sourceRetrieved, "source.retrieved", QT_TR_NOOP("Zdroj – &získáno:"),
         QT_TR_NOOP("Zdroj: získáno dne"), kDate},
    };
    m_revision = new QSpinBox(this);
    m_revision->setObjectName(QStringLiteral("revision"));
    m_revision->setRange(1, 999999);
    for (const Row& r : kRows) {
        const QString path = QString::fromLatin1(r.path);
        QWidget* w = m_revision;
        if (r.edit) {
            QLineEdit* e = lineEdit(path, tr(r.name));
            if (r.placeholder) e->setPlaceholderText(tr(r.placeholder));
            this->*r.edit = e;
            w = e;
        } else {
            m_revision->setAccessibleName(tr(r.name));
        }
        add(tr(r.label), w, path);
    }
    m_id->setToolTip(tr("Jméno tarifu v souborech a na příkazové řádce: písmena bez diakritiky, číslice, „_“, „-“, „.“"));
    // Problems of the source as a whole, or of its absence, stand at its title.
    m_fields.insert(QStringLiteral("source"), m_fields.value(QStringLiteral("source.title")));
    m_fields.insert(QString(), m_fields.value(QStringLiteral("source.title")));
    return scrolled(page);
}

QWidget* TariffEditor::allowancePage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    // A label with its field on one line, the reason under them.
    auto labelled = [&](const QString& text, QWidget* w) {
        auto* label = new QLabel(text, page);
        label->setBuddy(w);
        auto* row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(w);
        row->addStretch(1);
        v->addLayout(row);
        QLabel* reason = reasonLabel();
        v->addWidget(reason);
        m_fields.insert(w->objectName(), {w, reason});
        return reason;
    };
    m_minutes = lineEdit(QStringLiteral("allowances[0].minutes"), tr("Volné minuty za měsíc"));
    m_minutes->setPlaceholderText(tr("prázdné: žádné"));
    QLabel* minutesReason = labelled(tr("&Volné minuty za měsíc:"), m_minutes);
    m_fields.insert(QStringLiteral("allowances[0]"), {m_minutes, minutesReason});
    m_fields.insert(QStringLiteral("allowances[0].id"), {m_minutes, minutesReason});

    m_coversBox = new QGroupBox(tr("Pokrývají"), page);
    m_coversBox->setObjectName(QStringLiteral("allowances[0].covers"));
    m_coversBox->setAccessibleName(tr("Co volné minuty pokrývají"));
    auto* grid = new QGridLayout(m_coversBox);
    const QString names[] = {tr("volání na pevnou linku"), tr("volání do sítě T-Mobile"), tr("volání do sítě Eurotel"),
                             tr("volání do sítě Oskar"), tr("hlasovou schránku"), tr("datové přenosy"), tr("WAP"),
                             tr("volání do zahraničí")};
    for (int i = 0; i < 8; ++i) {
        auto* c = new QCheckBox(names[i], m_coversBox);
        c->setObjectName(QStringLiteral("covers.%1").arg(QLatin1String(kMinuteServices[i])));
        c->setChecked(i < kCallServices);
        grid->addWidget(c, i % 4, i / 4);
        m_covers.push_back(c);
    }
    v->addWidget(m_coversBox);
    QLabel* coversReason = reasonLabel();
    v->addWidget(coversReason);
    m_fields.insert(QStringLiteral("allowances[0].covers"), {m_coversBox, coversReason});

    m_bandsBox = new QGroupBox(tr("V časových pásmech"), page);
    m_bandsBox->setObjectName(QStringLiteral("allowances[0].bands"));
    m_bandsBox->setAccessibleName(tr("Časová pásma, ve kterých volné minuty platí"));
    auto* bands = new QHBoxLayout(m_bandsBox);
    const QString bandNames[kBands] = {tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")};
    for (int b = 0; b < kBands; ++b) {
        m_bands[b] = new QCheckBox(bandNames[b], m_bandsBox);
        m_bands[b]->setObjectName(QStringLiteral("bands.%1").arg(QLatin1String(kBandIds[b])));
        m_bands[b]->setChecked(true);
        bands->addWidget(m_bands[b]);
    }
    bands->addStretch(1);
    v->addWidget(m_bandsBox);
    QLabel* bandsReason = reasonLabel();
    v->addWidget(bandsReason);
    m_fields.insert(QStringLiteral("allowances[0].bands"), {m_bandsBox, bandsReason});

    m_consume = new QComboBox(page);
    m_consume->setObjectName(QStringLiteral("allowances[0].consume"));
    m_consume->setAccessibleName(tr("Jak se volné minuty čerpají"));
    m_consume->addItems({tr("poměrně ze všeho, co pokrývají"), tr("nejdražší volání napřed"), tr("v pořadí výše")});
    labelled(tr("Č&erpají se:"), m_consume);
    v->addStretch(1);
    return scrolled(page);
}

TariffEditor::BandRow TariffEditor::bandRow(const QString& path, const QString& name, const QStringList& bands,
                                            const QString& perBandText) {
    BandRow row;
    row.perBand = new QCheckBox(perBandText, this);
    row.perBand->setObjectName(path + QStringLiteral(".perBand"));
    row.perBand->setAccessibleName(tr("%1: %2").arg(name, perBandText));
    row.reason = reasonLabel();
    for (int i = 0; i < bands.size(); ++i) {
        QLineEdit* e = lineEdit(path + QStringLiteral("[%1]").arg(i), tr("%1, %2").arg(name, bands[i]));
        if (i > 0) e->setEnabled(false);
        row.edits.push_back(e);
        m_fields.insert(e->objectName(), {e, row.reason});
    }
    row.edits[0]->setObjectName(path);
    row.edits[0]->setAccessibleName(tr("%1, všechna pásma").arg(name));
    m_fields.insert(path, {row.edits[0], row.reason});
    const QStringList names = bands;
    std::vector<QLineEdit*> edits = row.edits;
    connect(row.perBand, &QCheckBox::toggled, this, [edits, names, name, path](bool on) {
        for (std::size_t i = 1; i < edits.size(); ++i) edits[i]->setEnabled(on);
        edits[0]->setAccessibleName(on ? tr("%1, %2").arg(name, names[0]) : tr("%1, všechna pásma").arg(name));
    });
    return row;
}

QWidget* TariffEditor::ratesPage() {
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    const QStringList bands = {tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")};
    g->addWidget(new QLabel(tr("Kč za minutu; prázdné pole: tarif službu nenabízí. Bez rozlišení pásem platí "
                               "první sloupec pro všechna."),
                            page),
                 0, 0, 1, 6);
    for (int b = 0; b < kBands; ++b) g->addWidget(new QLabel(bands[b], page), 1, 2 + b, Qt::AlignCenter);
    const QString rowNames[] = {tr("Pevná linka"), tr("T-Mobile"), tr("Eurotel"), tr("Oskar"), tr("Hlasová schránka"),
                                tr("Datové přenosy"), tr("WAP")};
    int r = 2;
    auto place = [&](const BandRow& row, const QString& name, int firstColumn) {
        auto* l = new QLabel(name, page);
        l->setBuddy(row.edits[0]);
        g->addWidget(l, r, 0);
        g->addWidget(row.perBand, r, 1);
        for (std::size_t i = 0; i < row.edits.size(); ++i) g->addWidget(row.edits[i], r, firstColumn + int(i));
        g->addWidget(row.reason, r + 1, 0, 1, 6);
        r += 2;
    };
    for (int i = 0; i < 7; ++i) {
        m_callRows.push_back(bandRow(QStringLiteral("rates.") + QLatin1String(kRateRows[i]), rowNames[i], bands,
                                     tr("podle pásem")));
        place(m_callRows.back(), rowNames[i], 2);
    }
    // SMS by network: the columns name the networks here, not the bands.
    g->addWidget(new QLabel(tr("Kč za zprávu"), page), r, 0, 1, 2);
    const QString networkNames[] = {tr("T-Mobile"), tr("Eurotel"), tr("Oskar")};
    for (int i = 0; i < 3; ++i) g->addWidget(new QLabel(networkNames[i], page), r, 2 + i, Qt::AlignCenter);
    ++r;
    m_sms = bandRow(QStringLiteral("rates.sms"), tr("SMS"), {tr("T-Mobile"), tr("Eurotel"), tr("Oskar")}, tr("podle sítí"));
    // The file names SMS rates by network, not by position.
    const char* networks[] = {"tmobile", "eurotel", "oskar"};
    for (int i = 0; i < 3; ++i) {
        m_fields.remove(QStringLiteral("rates.sms[%1]").arg(i));
        m_sms.edits[std::size_t(i)]->setObjectName(QStringLiteral("rates.sms.") + QLatin1String(networks[i]));
        m_fields.insert(QStringLiteral("rates.sms.") + QLatin1String(networks[i]), {m_sms.edits[std::size_t(i)], m_sms.reason});
    }
    m_sms.edits[0]->setObjectName(QStringLiteral("rates.sms"));
    place(m_sms, tr("SMS"), 2);
    auto single = [&](QLineEdit*& e, const QString& path, const QString& name) {
        e = lineEdit(path, name);
        QLabel* reason = reasonLabel();
        auto* l = new QLabel(name, page);
        l->setBuddy(e);
        g->addWidget(l, r, 0, 1, 2);
        g->addWidget(e, r, 2);
        g->addWidget(reason, r + 1, 0, 1, 6);
        m_fields.insert(path, {e, reason});
        r += 2;
    };
    single(m_mms, QStringLiteral("rates.mms"), tr("MMS"));
    g->addWidget(new QLabel(tr("Kč za kB"), page), r++, 0, 1, 6);
    single(m_gprsWap, QStringLiteral("rates.gprs.wap"), tr("GPRS WAP"));
    single(m_gprsInternet, QStringLiteral("rates.gprs.internet"), tr("GPRS internet"));
    g->setRowStretch(r, 1);
    return scrolled(page);
}

QWidget* TariffEditor::abroadPage() {
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    m_scheme = new QComboBox(page);
    m_scheme->setObjectName(QStringLiteral("rates.international.scheme"));
    m_scheme->setAccessibleName(tr("Rozdělení zemí do pásem"));
    m_scheme->addItem(tr("(tarif do zahraničí nevolá)"));
    const QString schemes[kSchemes] = {tr("T-Mobile"), tr("T-Mobile, volání přes internet"),
                                       tr("Twist Home, volání přes internet"), tr("Eurotel"), tr("Eurotel NetCall"),
                                       tr("Eurotel GO"), tr("Oskar"), tr("Pevná linka")};
    for (const QString& s : schemes) m_scheme->addItem(s);
    auto* schemeLabel = new QLabel(tr("&Rozdělení zemí do pásem jako:"), page);
    schemeLabel->setBuddy(m_scheme);
    g->addWidget(schemeLabel, 0, 0, 1, 2);
    g->addWidget(m_scheme, 0, 2, 1, 3);
    QLabel* schemeReason = reasonLabel();
    g->addWidget(schemeReason, 1, 0, 1, 5);
    m_fields.insert(QStringLiteral("rates.international.scheme"), {m_scheme, schemeReason});
    m_fields.insert(QStringLiteral("rates.international"), {m_scheme, schemeReason});
    const QStringList bands = {tr("Špička"), tr("Odpoledne"), tr("Večer a víkend")};
    for (int b = 0; b < kIntlBands; ++b) g->addWidget(new QLabel(bands[b], page), 2, 2 + b, Qt::AlignCenter);
    int r = 3;
    for (int z = 1; z <= kZones; ++z) {
        const QString name = tr("Pásmo %1").arg(z);
        m_zones.push_back(bandRow(QStringLiteral("rates.international.zones.%1").arg(z), name, bands, tr("podle pásem")));
        auto* l = new QLabel(name, page);
        l->setBuddy(m_zones.back().edits[0]);
        g->addWidget(l, r, 0);
        g->addWidget(m_zones.back().perBand, r, 1);
        for (int i = 0; i < kIntlBands; ++i) g->addWidget(m_zones.back().edits[std::size_t(i)], r, 2 + i);
        g->addWidget(m_zones.back().reason, r + 1, 0, 1, 5);
        r += 2;
    }
    g->setRowStretch(r, 1);
    return scrolled(page);
}

std::string TariffEditor::tariffJson() const {
    m_emitted.clear();
    ojson t = ojson::object();
    t["id"] = s8(m_id->text().trimmed());
    t["operator"] = s8(m_operator->text().trimmed());
    t["name"] = s8(m_name->text().trimmed());
    if (m_revision->value() != 1) t["revision"] = m_revision->value();
    if (!m_validFrom->text().trimmed().isEmpty()) t["valid_from"] = s8(m_validFrom->text().trimmed());
    if (!m_validTo->text().trimmed().isEmpty()) t["valid_to"] = s8(m_validTo->text().trimmed());
    const QLineEdit* source[] = {m_sourceTitle, m_sourceUrl, m_sourceDocument, m_sourceRetrieved};
    bool anySource = false;
    for (const QLineEdit* e : source) anySource = anySource || !e->text().trimmed().isEmpty();
    if (anySource) {
        ojson s = ojson::object();
        s["title"] = s8(m_sourceTitle->text().trimmed());
        const char* keys[] = {"title", "url", "document", "retrieved"};
        for (int i = 1; i < 4; ++i)
            if (!source[i]->text().trimmed().isEmpty()) s[keys[i]] = s8(source[i]->text().trimmed());
        t["source"] = s;
    }
    if (!m_color->text().trimmed().isEmpty()) t["color"] = s8(m_color->text().trimmed());
    if (!m_fee->text().trimmed().isEmpty()) t["fee"] = amountText(m_fee->text());

    ojson rates = ojson::object();
    ojson calls = ojson::object();
    const char* callKeys[] = {"fixed", "tmobile", "eurotel", "oskar", "voicemail"};
    for (int i = 0; i < kCallServices; ++i)
        putBandRate(calls, callKeys[i], m_callRows[std::size_t(i)].perBand->isChecked(), m_callRows[std::size_t(i)].edits);
    if (!calls.empty()) rates["calls"] = calls;
    if (!m_sms.perBand->isChecked()) {
        if (!m_sms.edits[0]->text().trimmed().isEmpty()) rates["sms"] = amountText(m_sms.edits[0]->text());
    } else {
        ojson sms = ojson::object();
        const char* networks[] = {"tmobile", "eurotel", "oskar"};
        for (int i = 0; i < 3; ++i)
            if (!m_sms.edits[std::size_t(i)]->text().trimmed().isEmpty())
                sms[networks[i]] = amountText(m_sms.edits[std::size_t(i)]->text());
        if (!sms.empty()) rates["sms"] = sms;
    }
    if (!m_mms->text().trimmed().isEmpty()) rates["mms"] = amountText(m_mms->text());
    putBandRate(rates, "data", m_callRows[5].perBand->isChecked(), m_callRows[5].edits);
    putBandRate(rates, "wap", m_callRows[6].perBand->isChecked(), m_callRows[6].edits);
    ojson gprs = ojson::object();
    if (!m_gprsWap->text().trimmed().isEmpty()) gprs["wap"] = amountText(m_gprsWap->text());
    if (!m_gprsInternet->text().trimmed().isEmpty()) gprs["internet"] = amountText(m_gprsInternet->text());
    if (!gprs.empty()) rates["gprs"] = gprs;
    ojson intl = ojson::object();
    if (m_scheme->currentIndex() > 0) intl["scheme"] = kSchemeIds[m_scheme->currentIndex() - 1];
    ojson zones = ojson::object();
    for (int z = 0; z < kZones; ++z)
        putBandRate(zones, std::to_string(z + 1).c_str(), m_zones[std::size_t(z)].perBand->isChecked(), m_zones[std::size_t(z)].edits);
    if (!zones.empty()) intl["zones"] = zones;
    if (!intl.empty()) rates["international"] = intl;
    if (!rates.empty()) t["rates"] = rates;

    const QString minutes = m_minutes->text().trimmed();
    if (!minutes.isEmpty()) {
        ojson a = ojson::object();
        a["id"] = m_allowanceId;
        bool isCount = false;
        const qlonglong n = minutes.toLongLong(&isCount);
        if (isCount)
            a["minutes"] = n;
        else
            a["minutes"] = s8(minutes);
        ojson covers = ojson::array();
        bool allCalls = true;
        for (int i = 0; i < kCallServices; ++i) allCalls = allCalls && m_covers[std::size_t(i)]->isChecked();
        for (std::size_t i = 0; i < m_covers.size(); ++i) {
            if (allCalls && i < kCallServices) {
                if (i == 0) covers.push_back("calls");
                continue;
            }
            if (m_covers[i]->isChecked()) covers.push_back(kMinuteServices[i]);
        }
        a["covers"] = covers;
        bool allBands = true;
        for (QCheckBox* b : m_bands) allBands = allBands && b->isChecked();
        if (!allBands) {
            ojson bands = ojson::array();
            for (int b = 0; b < kBands; ++b)
                if (m_bands[std::size_t(b)]->isChecked()) bands.push_back(kBandIds[b]);
            a["bands"] = bands;
        }
        if (m_consume->currentIndex() > 0) a["consume"] = kConsumeIds[m_consume->currentIndex()];
        t["allowances"] = ojson::array({a});
    }
    return t.dump();
}

std::string TariffEditor::fileText() const {
    ojson file = ojson::object();
    file["format"] = std::string(catalogue::kFormat);
    file["tariffs"] = ojson::array({ojson::parse(tariffJson())});
    return file.dump(2) + "\n";
}

void TariffEditor::fromJson(const std::string& tariffText) {
    const ojson t = ojson::parse(tariffText, nullptr, false);
    if (!t.is_object()) return;
    m_loading = true;
    m_name->setText(text(t, "name"));
    m_operator->setText(text(t, "operator"));
    m_id->setText(text(t, "id"));
    if (const ojson* r = member(t, "revision"); r && r->is_number_integer()) m_revision->setValue(int(r->get<std::int64_t>()));
    m_validFrom->setText(text(t, "valid_from"));
    m_validTo->setText(text(t, "valid_to"));
    m_color->setText(text(t, "color"));
    m_fee->setText(shownAmountText(s8(text(t, "fee"))));
    if (const ojson* s = member(t, "source")) {
        m_sourceTitle->setText(text(*s, "title"));
        m_sourceUrl->setText(text(*s, "url"));
        m_sourceDocument->setText(text(*s, "document"));
        m_sourceRetrieved->setText(text(*s, "retrieved"));
    }
    auto setRow = [](BandRow& row, const ojson* v) {
        if (!v) return;
        if (v->is_array()) {
            row.perBand->setChecked(true);
            for (std::size_t i = 0; i < row.edits.size() && i < v->size(); ++i)
                row.edits[i]->setText((*v)[i].is_string() ? shownAmountText((*v)[i].get<std::string>()) : q((*v)[i].dump()));
        } else {
            row.edits[0]->setText(v->is_string() ? shownAmountText(v->get<std::string>()) : q(v->dump()));
        }
    };
    if (const ojson* rates = member(t, "rates")) {
        if (const ojson* calls = member(*rates, "calls")) {
            const char* callKeys[] = {"fixed", "tmobile", "eurotel", "oskar", "voicemail"};
            for (int i = 0; i < kCallServices; ++i) setRow(m_callRows[std::size_t(i)], member(*calls, callKeys[i]));
        }
        if (const ojson* sms = member(*rates, "sms")) {
            if (sms->is_object()) {
                m_sms.perBand->setChecked(true);
                const char* networks[] = {"tmobile", "eurotel", "oskar"};
                for (int i = 0; i < 3; ++i) m_sms.edits[std::size_t(i)]->setText(shownAmountText(s8(text(*sms, networks[i]))));
            } else {
                setRow(m_sms, sms);
            }
        }
        m_mms->setText(shownAmountText(s8(text(*rates, "mms"))));
        setRow(m_callRows[5], member(*rates, "data"));
        setRow(m_callRows[6], member(*rates, "wap"));
        if (const ojson* gprs = member(*rates, "gprs")) {
            m_gprsWap->setText(shownAmountText(s8(text(*gprs, "wap"))));
            m_gprsInternet->setText(shownAmountText(s8(text(*gprs, "internet"))));
        }
        if (const ojson* intl = member(*rates, "international")) {
            const std::string scheme = s8(text(*intl, "scheme"));
            for (int s = 0; s < kSchemes; ++s)
                if (scheme == kSchemeIds[s]) m_scheme->setCurrentIndex(s + 1);
            if (const ojson* zones = member(*intl, "zones"))
                for (int z = 0; z < kZones; ++z) setRow(m_zones[std::size_t(z)], member(*zones, std::to_string(z + 1).c_str()));
        }
    }
    if (const ojson* all = member(t, "allowances"); all && all->is_array() && all->size() == 1) {
        const ojson& a = (*all)[0];
        if (const ojson* id = member(a, "id"); id && id->is_string()) m_allowanceId = id->get<std::string>();
        m_minutes->setText(text(a, "minutes"));
        if (const ojson* covers = member(a, "covers"); covers && covers->is_array()) {
            for (QCheckBox* c : m_covers) c->setChecked(false);
            for (const ojson& c : *covers)
                for (std::size_t i = 0; i < m_covers.size(); ++i)
                    if (c == kMinuteServices[i] || (c == "calls" && i < kCallServices)) m_covers[i]->setChecked(true);
        }
        if (const ojson* bands = member(a, "bands"); bands && bands->is_array()) {
            for (QCheckBox* b : m_bands) b->setChecked(false);
            for (const ojson& b : *bands)
                for (int i = 0; i < kBands; ++i)
                    if (b == kBandIds[i]) m_bands[std::size_t(i)]->setChecked(true);
        }
        const std::string consume = s8(text(a, "consume"));
        for (int i = 0; i < 3; ++i)
            if (consume == kConsumeIds[i]) m_consume->setCurrentIndex(i);
    }
    m_loading = false;
}

void TariffEditor::openFile(const QString& path) {
    m_path = path;
    m_idTouched = true;
    setWindowTitle(tr("Tarif – %1").arg(QFileInfo(path).fileName()));
    catalogue::ReadOptions options;
    options.builtinPriced = m_builtinPriced;
    catalogue::Catalogue c;
    catalogue::readTariffFile(s8(path), c, options);
    // A file that is not JSON as a whole (or is too large, or unreadable)
    // cannot be shown field by field.
    bool whole = true;
    for (const catalogue::Problem& p : c.problems)
        whole = whole && p.line == 0 && !(p.path.empty() && p.severity == catalogue::Severity::Error) &&
                p.message.find("given twice") == std::string::npos;
    ojson doc;
    if (whole) {
        QFile f(path);
        whole = f.open(QIODevice::ReadOnly);
        if (whole) doc = ojson::parse(f.readAll().toStdString(), nullptr, false);
    }
    const ojson* tariffs = whole ? member(doc, "tariffs") : nullptr;
    if (!tariffs || !tariffs->is_array() || tariffs->empty() || !(*tariffs)[0].is_object()) {
        setReadOnly(tr("Soubor nelze přečíst jako celek, a tak ho formulář neukazuje; jeho chyby jsou vypsány níže."));
        recheck();
        return;
    }
    fromJson((*tariffs)[0].dump());
    // What the form would write back must be what the file holds.
    const nlohmann::json before = normalised((*tariffs)[0]);
    const nlohmann::json after = normalised(ojson::parse(tariffJson()));
    QStringList lost;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (!after.contains(it.key()) || after[it.key()] != it.value()) lost << q(it.key());
    for (auto it = doc.begin(); it != doc.end(); ++it)
        if (it.key() != "format" && it.key() != "tariffs") lost << q(it.key());
    const QString folder = QDir(m_userFolder).canonicalPath();
    if (tariffs->size() > 1)
        setReadOnly(tr("Soubor obsahuje %1 tarifů; formulář ukazuje jen první, a proto soubor jen čte, aby se nic z něj "
                       "neztratilo.")
                        .arg(tariffs->size()));
    else if (!lost.isEmpty())
        setReadOnly(tr("Tarif obsahuje údaje, které formulář neumí ukázat (%1); formulář ho proto jen čte, aby se nic "
                       "z něj neztratilo.")
                        .arg(lost.join(QStringLiteral(", "))));
    else if (folder.isEmpty() || QFileInfo(path).canonicalPath() != folder)
        setReadOnly(tr("Soubor není ve vaší složce tarifů; formulář ho jen čte."));
    recheck();
}

void TariffEditor::setReadOnly(const QString& reason) {
    m_readOnly = true;
    m_note->setText(reason);
    m_note->show();
    for (QLineEdit* e : findChildren<QLineEdit*>()) e->setReadOnly(true);
    for (QCheckBox* c : findChildren<QCheckBox*>()) c->setEnabled(false);
    for (QComboBox* c : findChildren<QComboBox*>()) c->setEnabled(false);
    m_revision->setReadOnly(true);
    m_save->setEnabled(false);
}

QString TariffEditor::readOnlyReason() const { return m_readOnly ? m_note->text() : QString(); }

QString TariffEditor::targetPath() const {
    if (!m_path.isEmpty()) return m_path;
    QString base = m_id->text().trimmed();
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')) || base.contains(QLatin1Char('/'))) base = QStringLiteral("tarif");
    const QDir dir(m_userFolder);
    QString path = dir.filePath(base + QStringLiteral(".json"));
    for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(base + QStringLiteral("-%1.json").arg(n));
    return path;
}

void TariffEditor::followName(const QString& name) {
    if (m_idTouched || m_loading) return;
    // Letters without their accents, digits, the rest one "-".
    const QString plain = name.normalized(QString::NormalizationForm_KD).toLower();
    QString id;
    for (const QChar c : plain) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            id += c;
        else if (c.category() != QChar::Mark_NonSpacing && !id.isEmpty() && !id.endsWith(QLatin1Char('-')))
            id += QLatin1Char('-');
    }
    while (id.endsWith(QLatin1Char('-'))) id.chop(1);
    m_id->setText(id.left(64));
}

void TariffEditor::clearMarks() {
    for (const Field& f : std::as_const(m_fields)) {
        f.widget->setStyleSheet(QString());
        f.widget->setAccessibleDescription(QString());
        f.reason->clear();
        f.reason->hide();
    }
    for (int i = 0; i < m_tabs->count(); ++i) m_tabs->setTabIcon(i, QIcon());
    m_marked.clear();
}

void TariffEditor::mark(const catalogue::Problem& p, QStringList& general) {
    static const QString prefix = QStringLiteral("tariffs[0]");
    QString path = q(p.path);
    const bool ours = path.startsWith(prefix) && p.line == 0;
    if (!ours) {
        general << problemLine(p);
        return;
    }
    path = path.mid(prefix.size());
    if (path.startsWith(QLatin1Char('.'))) path.remove(0, 1);
    // The field of the path, or of the nearest enclosing value.
    while (!m_fields.contains(path)) {
        const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('.')), path.lastIndexOf(QLatin1Char('[')));
        if (path.isEmpty()) break;
        path = cut < 0 ? QString() : path.left(cut);
    }
    if (!m_fields.contains(path)) {
        general << problemLine(p);
        return;
    }
    const Field f = m_fields.value(path);
    const bool error = p.severity == catalogue::Severity::Error;
    // The file holds an amount with "." and without spaces; the reason
    // quotes the amount as the user typed it ("4,5", not "4.5").
    catalogue::Problem shown = p;
    if (const auto* e = qobject_cast<const QLineEdit*>(f.widget)) {
        const std::string typed = s8(e->text().trimmed());
        const std::string filed = amountText(e->text());
        if (const std::size_t at = shown.message.find('"' + filed + '"'); filed != typed && at != std::string::npos)
            shown.message.replace(at + 1, filed.size(), typed);
    }
    QString reason = problemReason(shown);
    if (!error) reason = tr("Varování: %1").arg(reason);
    if (error || f.widget->styleSheet().isEmpty()) {
        const QString name = qobject_cast<QLineEdit*>(f.widget) ? QStringLiteral("QLineEdit") : QStringLiteral("*");
        f.widget->setStyleSheet(QStringLiteral("%1 { background: %2 }").arg(name, error ? QStringLiteral("#ffd0d0")
                                                                                        : QStringLiteral("#fff1b8")));
    }
    f.reason->setText(f.reason->text().isEmpty() ? reason : f.reason->text() + QLatin1Char('\n') + reason);
    f.reason->show();
    f.widget->setAccessibleDescription(f.reason->text());
    const QString key = f.widget->objectName();
    m_marked[key] = m_marked.contains(key) ? m_marked[key] + QLatin1Char('\n') + reason : reason;
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->widget(i)->isAncestorOf(f.widget) && error)
            m_tabs->setTabIcon(i, style()->standardIcon(QStyle::SP_MessageBoxWarning));
}

QMap<QString, QString> TariffEditor::markedFields() const { return m_marked; }

void TariffEditor::recheck() {
    if (m_loading) return;
    catalogue::ReadOptions options;
    options.builtinPriced = m_builtinPriced;
    m_checked = {};
    const std::string file = s8(QFileInfo(targetPath()).fileName());
    if (m_readOnly)
        catalogue::readTariffFile(s8(m_path), m_checked, options);
    else
        catalogue::readTariffText(fileText(), file, m_checked, options);
    catalogue::finishCatalogue(m_checked);
    clearMarks();
    QStringList general;
    for (const catalogue::Problem& p : m_checked.problems) mark(p, general);

    m_live = {};
    if (!m_checked.hasErrors() && !m_checked.tariffs.empty())
        m_live = catalogue::priceDataTariff(m_checked.tariffs.front(), m_profile, m_options);
    if (m_live.priced) {
        QString price = tr("Cena za zadaný měsíc: %1 Kč").arg(m_live.price);
        QStringList missing;
        QString hint = q(m_live.hint);
        for (const QString& line : hint.split(QStringLiteral("\n\r")))
            if (const QString shown = unsupportedLine(line); !shown.isEmpty()) missing << shown;
        if (!missing.isEmpty()) price += QStringLiteral(" – ") + missing.join(QStringLiteral(", "));
        m_price->setText(price);
        m_price->setToolTip(hint.replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    } else {
        m_price->setText(tr("Cena za zadaný měsíc: – (tarif má chyby)"));
        m_price->setToolTip(QString());
    }
    m_breakdown->setEnabled(m_live.priced);
    if (m_live.priced && m_rozpis && m_rozpis->isVisible())
        m_rozpis->follow(m_profile, m_options, m_run, &m_checked.tariffs.front(), &m_live);

    const std::size_t errors = m_checked.errorCount();
    const std::size_t warnings = m_checked.problems.size() - errors;
    QString summary;
    if (errors > 0)
        summary = tr("Chyb: %1. Opravte označená pole; „Uložit“ je k dispozici, až bude tarif v pořádku.").arg(errors);
    else if (warnings > 0)
        summary = tr("Tarif je v pořádku, varování: %1.").arg(warnings);
    else
        summary = tr("Tarif je v pořádku.");
    if (!general.isEmpty()) summary += QLatin1Char('\n') + general.join(QLatin1Char('\n'));
    m_summary->setText(summary);
    m_save->setEnabled(!m_readOnly && errors == 0 && m_checked.tariffs.size() == 1);
}

bool TariffEditor::save() {
    recheck();
    if (!m_save->isEnabled()) return false;
    const QString path = targetPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    const QByteArray bytes = QByteArray::fromStdString(fileText());
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        QMessageBox::warning(this, tr("Uložit tarif"), tr("Soubor %1 nelze uložit: %2").arg(path, f.errorString()));
        return false;
    }
    m_path = path;
    emit saved(path);
    return true;
}

void TariffEditor::showBreakdown() {
    // The full "Rozpis ceny" of the tariff as typed, beside the cheapest
    // compiled tariff of the same month; it follows the typing while open.
    if (!m_live.priced || m_checked.tariffs.empty()) return;
    if (!m_rozpis) {
        m_rozpis = new TRozpis(this);
        m_run = runPricing(m_profile, m_options);
    }
    m_rozpis->showDataTariff(m_profile, m_options, m_run, m_checked.tariffs.front(), m_live);
    m_rozpis->show();
    m_rozpis->raise();
    m_rozpis->activateWindow();
}

}  // namespace sazbar::ui
