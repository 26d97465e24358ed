#include "ui/import/importdialog.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <fstream>
#include <limits>

#include "import/readers.h"
#include "pricing/engine.h"

using namespace sazbar;
using namespace sazbar::import;

namespace {

QString u8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString monthName(const YearMonth& m) {
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("ImportDialog", "leden"),    QT_TRANSLATE_NOOP("ImportDialog", "únor"),
        QT_TRANSLATE_NOOP("ImportDialog", "březen"),   QT_TRANSLATE_NOOP("ImportDialog", "duben"),
        QT_TRANSLATE_NOOP("ImportDialog", "květen"),   QT_TRANSLATE_NOOP("ImportDialog", "červen"),
        QT_TRANSLATE_NOOP("ImportDialog", "červenec"), QT_TRANSLATE_NOOP("ImportDialog", "srpen"),
        QT_TRANSLATE_NOOP("ImportDialog", "září"),     QT_TRANSLATE_NOOP("ImportDialog", "říjen"),
        QT_TRANSLATE_NOOP("ImportDialog", "listopad"), QT_TRANSLATE_NOOP("ImportDialog", "prosinec")};
    return QStringLiteral("%1 %2").arg(QCoreApplication::translate("ImportDialog", kNames[m.month - 1])).arg(m.year);
}

// The names of the main window's country list, in the interface's language.
QString countryName(int country) {
    return QCoreApplication::translate("Countries", kCountryNames[static_cast<std::size_t>(country)].data());
}

QString dayText(std::int64_t days) {
    int y, m, d;
    civilFromDays(days, y, m, d);
    return QStringLiteral("%1. %2. %3").arg(d).arg(m).arg(y);
}

QString daysText(std::int64_t n) {
    if (n == 1) return QCoreApplication::translate("ImportDialog", "1 den");
    return (n >= 2 && n <= 4 ? QCoreApplication::translate("ImportDialog", "%1 dny") : QCoreApplication::translate("ImportDialog", "%1 dní")).arg(n);
}

QString eventsText(std::int64_t n) {
    if (n == 1) return QCoreApplication::translate("ImportDialog", "1 událost");
    return (n >= 2 && n <= 4 ? QCoreApplication::translate("ImportDialog", "%1 události")
                             : QCoreApplication::translate("ImportDialog", "%1 událostí")).arg(n);
}

QString formatText(LogFormat f) {
    switch (f) {
        case LogFormat::Csv: return QCoreApplication::translate("ImportDialog", "výpis hovorů v CSV");
        case LogFormat::AndroidCalls: return QCoreApplication::translate("ImportDialog", "záloha hovorů z Androidu");
        case LogFormat::AndroidMessages: return QCoreApplication::translate("ImportDialog", "záloha zpráv z Androidu");
        case LogFormat::Unknown: break;
    }
    return {};
}

QString skipText(Skip s) {
    switch (s) {
        case Skip::IncomingCall: return QCoreApplication::translate("ImportDialog", "příchozí hovory");
        case Skip::MissedCall: return QCoreApplication::translate("ImportDialog", "zmeškané, odmítnuté a blokované hovory");
        case Skip::Unanswered: return QCoreApplication::translate("ImportDialog", "nespojené hovory (0 s)");
        case Skip::Received: return QCoreApplication::translate("ImportDialog", "přijaté zprávy");
        case Skip::Unsent: return QCoreApplication::translate("ImportDialog", "neodeslané zprávy (koncepty, k odeslání, neúspěšné)");
        case Skip::OtherCall: return QCoreApplication::translate("ImportDialog", "jiné záznamy hovorů");
    }
    return {};
}

QString unfitText(Unfit u, int detail) {
    switch (u) {
        case Unfit::None: break;
        case Unfit::NoNumber: return QCoreApplication::translate("ImportDialog", "bez čísla (skryté nebo prázdné)");
        case Unfit::NotANumber: return QCoreApplication::translate("ImportDialog", "není telefonní číslo");
        case Unfit::DomesticLength: return QCoreApplication::translate("ImportDialog", "vnitrostátní číslo o %1 číslicích").arg(detail);
        case Unfit::DomesticForm: return QCoreApplication::translate("ImportDialog", "vnitrostátní číslo začínající 0 nebo 1");
        case Unfit::CountryCode: return QCoreApplication::translate("ImportDialog", "předvolba +%1 není v seznamu zemí").arg(detail);
        case Unfit::CountryExcluded: return QCoreApplication::translate("ImportDialog", "předvolba +%1 se nezařazuje").arg(detail);
    }
    return {};
}

QString issueText(const Issue& i) {
    switch (i.kind) {
        case IssueKind::TooLong: return QCoreApplication::translate("ImportDialog", "řádek je delší než %1 bajtů").arg(kMaxCsvLine);
        case IssueKind::Quote: return QCoreApplication::translate("ImportDialog", "neuzavřené uvozovky");
        case IssueKind::FieldCount: return QCoreApplication::translate("ImportDialog", "jiný počet polí než v záhlaví");
        case IssueKind::Date: return QCoreApplication::translate("ImportDialog", "datum: čekáno d. m. rrrr nebo rrrr-mm-dd");
        case IssueKind::Time: return QCoreApplication::translate("ImportDialog", "čas: čekáno H:MM nebo H:MM:SS");
        case IssueKind::Direction: return QCoreApplication::translate("ImportDialog", "směr: čekáno out, in nebo missed");
        case IssueKind::Type: return QCoreApplication::translate("ImportDialog", "typ: čekáno call, sms, mms, data nebo wap");
        case IssueKind::Duration: return QCoreApplication::translate("ImportDialog", "trvání: čekány celé sekundy, nejvýš 31 dní");
        case IssueKind::Volume: return QCoreApplication::translate("ImportDialog", "objem: čekány kilobajty");
        case IssueKind::DateRange:
            return QCoreApplication::translate("ImportDialog", "datum: rok musí být od %1 do %2").arg(kFirstLogYear).arg(kLastLogYear);
        case IssueKind::Binary: return QCoreApplication::translate("ImportDialog", "bajt NUL: binární data, ne text");
        case IssueKind::BackupDate: return QCoreApplication::translate("ImportDialog", "chybí platné datum (date)");
        case IssueKind::BackupType: return QCoreApplication::translate("ImportDialog", "chybí platný typ (type, msg_box)");
        case IssueKind::BackupDuration: return QCoreApplication::translate("ImportDialog", "chybí platná délka hovoru (duration)");
        case IssueKind::XmlTooLarge:
            return QCoreApplication::translate("ImportDialog", "prvek větší než %1 MiB; zbytek souboru nebyl přečten").arg(kMaxXmlMemory >> 20);
        case IssueKind::XmlError:
            return QCoreApplication::translate("ImportDialog", "chyba XML; zbytek souboru nebyl přečten (%1)").arg(u8(i.message));
    }
    return u8(i.message);
}

QString refusalText(const ReadOutcome& out) {
    const std::string& refusal = out.refusal;
    if (!out.missingColumns.empty()) {
        // The column's name in the interface's language, the other one beside it.
        QStringList names;
        for (const std::string_view missing : out.missingColumns)
            for (const CsvColumnName& c : kCsvColumns)
                if (c.english == missing)
                    names << QCoreApplication::translate("ImportDialog", "%1 (%2)", "column: Czech name (English name)")
                                 .arg(u8(c.czech), u8(c.english));
        return (names.size() == 1 ? QCoreApplication::translate("ImportDialog", "V záhlaví výpisu hovorů chybí sloupec %1.")
                                  : QCoreApplication::translate("ImportDialog", "V záhlaví výpisu hovorů chybí sloupce %1."))
            .arg(names.join(QStringLiteral(", ")));
    }
    // The readers' refusals, in the window's language.
    static const std::pair<const char*, const char*> kTexts[] = {
        {"not a call log: the file is empty", QT_TRANSLATE_NOOP("ImportDialog", "Soubor je prázdný.")},
        {"not a call log: a binary file", QT_TRANSLATE_NOOP("ImportDialog", "Soubor není text, ale binární data.")},
        {"not a call log: the first line",
         QT_TRANSLATE_NOOP("ImportDialog", "První řádek není záhlaví výpisu hovorů (date, time, direction, number, "
                                           "duration, type, volume_kb).")},
        {"not a call log: document type",
         QT_TRANSLATE_NOOP("ImportDialog", "Soubor obsahuje deklaraci typu dokumentu (DOCTYPE); taková XML se "
                                           "z bezpečnostních důvodů nečtou.")},
        {"not a call log: the encoding",
         QT_TRANSLATE_NOOP("ImportDialog", "Soubor je v kódování, které program nečte; čte zálohy v UTF-8, UTF-16, "
                                           "ISO-8859-1 a US-ASCII.")},
        {"not a call log: entity",
         QT_TRANSLATE_NOOP("ImportDialog", "Soubor deklaruje entity; taková XML se z bezpečnostních důvodů nečtou.")},
        {"not a call log",
         QT_TRANSLATE_NOOP("ImportDialog", "Soubor není záloha hovorů (<calls>) ani zpráv (<smses>).")},
    };
    for (const auto& [prefix, text] : kTexts)
        if (refusal.starts_with(prefix)) return QCoreApplication::translate("ImportDialog", text);
    return u8(refusal);
}

// Cheapest priced tariff of a run that can carry the use: index, or -1.
int cheapest(const RunResult& r) {
    int best = -1;
    for (int i = 0; i < kTelecomIndex; ++i) {
        const TariffResult& f = r.fields[static_cast<std::size_t>(i)];
        if (!f.priced || f.unsupported) continue;
        if (best < 0 || f.price < r.fields[static_cast<std::size_t>(best)].price) best = i;
    }
    return best;
}

QString tariffName(int i) {
    const TariffInfo& t = kTariffs[static_cast<std::size_t>(i)];
    return u8(operatorName(t.op)) + QStringLiteral(" – ") + u8(t.name);
}

QTableWidgetItem* cell(const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Rows as low as the text, every row shown without scrolling.
void fitRows(QTableWidget* t) {
    const int row = t->fontMetrics().height() + 6;
    t->verticalHeader()->setDefaultSectionSize(row);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + row * t->rowCount() + 2 * t->frameWidth());
}

}  // namespace

ImportDialog::ImportDialog(const QStringList& files, QWidget* parent)
    : QDialog(parent), m_files(files), m_rules(defaultRules()) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Import výpisu hovorů"));

    m_period = new QLabel(this);
    m_period->setObjectName(QStringLiteral("period"));
    m_period->setWordWrap(true);
    m_period->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Settings: period, rounding and the weekday bands.
    auto* settings = new QGroupBox(tr("Nastavení"), this);
    auto* form = new QFormLayout(settings);
    m_month = new QComboBox(settings);
    m_month->setObjectName(QStringLiteral("month"));
    auto* monthLabel = new QLabel(tr("&Období:"), settings);
    monthLabel->setBuddy(m_month);
    form->addRow(monthLabel, m_month);

    m_started = new QRadioButton(tr("každý hovor na započaté &minuty"), settings);
    m_started->setObjectName(QStringLiteral("startedMinutes"));
    m_seconds = new QRadioButton(tr("sčítat po &sekundách"), settings);
    m_seconds->setObjectName(QStringLiteral("perSecond"));
    m_started->setChecked(true);
    auto* rounding = new QHBoxLayout;
    rounding->addWidget(m_started);
    rounding->addWidget(m_seconds);
    rounding->addStretch(1);
    form->addRow(tr("Zaokrouhlení:"), rounding);

    auto* bands = new QHBoxLayout;
    const QString bandLabels[] = {tr("Š&pička od"), tr("O&dpoledne od"),
                                  tr("&Večer od")};
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QTimeEdit(settings);
        edit->setObjectName(QStringLiteral("bandStart%1").arg(i + 1));
        edit->setDisplayFormat(QStringLiteral("H:mm"));
        m_bandStarts[static_cast<std::size_t>(i)] = edit;
        auto* label = new QLabel(bandLabels[i], settings);
        label->setBuddy(edit);
        bands->addWidget(label);
        bands->addWidget(edit);
        bands->addSpacing(8);
    }
    bands->addWidget(new QLabel(tr("(po–pá; víkend a svátky celý den)"), settings));
    bands->addStretch(1);
    form->addRow(tr("Pásma:"), bands);
    // The default schedule: evening until peak, then afternoon, then evening.
    m_bandStarts[0]->setTime(QTime(7, 0));
    m_bandStarts[1]->setTime(QTime(16, 0));
    m_bandStarts[2]->setTime(QTime(19, 0));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    // The page of boxes scrolls when the screen is too low for it.
    auto* boxesScroll = new QScrollArea(this);
    boxesScroll->setWidget(buildBoxesPage());
    boxesScroll->setWidgetResizable(true);
    boxesScroll->setFrameShape(QFrame::NoFrame);
    m_pages->addTab(boxesScroll, tr("&Hodnoty do políček"));
    m_account = new QPlainTextEdit(this);
    m_account->setObjectName(QStringLiteral("account"));
    m_account->setReadOnly(true);
    m_pages->addTab(m_account, tr("&Nezapočteno"));
    m_pages->addTab(buildMonthsPage(), tr("&Ceny po měsících"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* use = buttons->addButton(tr("Po&užít"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("use"));
    use->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("&Zrušit"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->addWidget(m_period);
    top->addWidget(settings);
    top->addWidget(m_pages, 1);
    top->addWidget(buttons);

    read();
    connect(m_month, &QComboBox::currentIndexChanged, this, &ImportDialog::update);
    connect(m_seconds, &QRadioButton::toggled, this, &ImportDialog::update);
    for (QTimeEdit* e : m_bandStarts) connect(e, &QTimeEdit::editingFinished, this, &ImportDialog::bandsChanged);
    m_month->setFocus();
    fitScreen();
}

// 800 x 600 where there is room; on a smaller desktop no larger than the
// screen with its frame, so that the buttons stay in view.
void ImportDialog::fitScreen() {
    QSize want(800, 600);
    if (const QScreen* s = screen())
        want = want.boundedTo(s->availableGeometry().size() - QSize(kFrameAllowance, 3 * kFrameAllowance));
    resize(want.expandedTo(minimumSizeHint()));
}

ImportDialog::~ImportDialog() = default;

QWidget* ImportDialog::buildBoxesPage() {
    auto* page = new QWidget;
    m_boxes = new QTableWidget(8, kBands, page);
    m_boxes->setObjectName(QStringLiteral("boxes"));
    m_boxes->setHorizontalHeaderLabels({tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")});
    m_boxes->setVerticalHeaderLabels({tr("Pevná linka (min)"), tr("T - Mobile (min)"),
                                      tr("Eurotel (min)"), tr("Oskar (min)"),
                                      tr("SMS T-Mobile / Eurotel / Oskar, MMS (ks)"),
                                      tr("Hlasová schránka (min)"), tr("Datové přenosy (min)"),
                                      tr("WAP (min)")});
    m_boxes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_boxes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fitRows(m_boxes);
    m_intl = new QTableWidget(kIntlRows, 4, page);
    m_intl->setObjectName(QStringLiteral("international"));
    m_intl->setHorizontalHeaderLabels({tr("Země"), tr("Špička"), tr("Odpoledne"),
                                       tr("Večer + víkend")});
    m_intl->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_intl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fitRows(m_intl);
    m_gprs = new QLabel(page);
    m_gprs->setObjectName(QStringLiteral("gprs"));
    auto* v = new QVBoxLayout(page);
    v->addWidget(m_boxes);
    v->addWidget(m_gprs);
    v->addWidget(m_intl);
    v->addStretch(1);
    return page;
}

QWidget* ImportDialog::buildMonthsPage() {
    auto* page = new QWidget;
    m_months = new QTableWidget(0, 3, page);
    m_months->setObjectName(QStringLiteral("months"));
    m_months->setHorizontalHeaderLabels(
        {tr("Období"), tr("Nejlevnější tarif"), tr("Cena (Kč)")});
    m_months->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_months->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_months->verticalHeader()->hide();
    auto* note = new QLabel(tr("Každý měsíc záznamu spočítaný zvlášť, jak je, bez přepočtu; "
                                           "za celé období tarif s nejnižším součtem měsíčních cen."),
                            page);
    note->setWordWrap(true);
    auto* v = new QVBoxLayout(page);
    v->addWidget(note);
    v->addWidget(m_months, 1);
    return page;
}

void ImportDialog::read() {
    m_importer = std::make_unique<Importer>(m_rules);
    m_error.clear();
    QStringList formats;
    for (const QString& file : m_files) {
        std::ifstream in(QFile::encodeName(file).toStdString(), std::ios::binary);
        const QString name = QFileInfo(file).fileName();
        if (!in || QFileInfo(file).isDir()) {
            m_error = tr("Soubor %1 nelze otevřít.").arg(name);
            break;
        }
        const ReadOutcome out = readLog(in, *m_importer);
        if (!out.ok) {
            m_error = tr("Soubor %1 nelze importovat: %2").arg(name, refusalText(out));
            break;
        }
        formats << QStringLiteral("%1 (%2)").arg(name, formatText(out.format));
    }
    m_formats = formats.join(QStringLiteral(", "));

    const QSignalBlocker block(m_month);
    const int previous = m_month->currentIndex();
    m_month->clear();
    m_month->addItem(tr("celý záznam přepočtený na 30 dní"));
    for (const YearMonth& m : m_importer->months()) m_month->addItem(monthName(m) + tr(" (jak je)"));
    m_month->setCurrentIndex(previous > 0 && previous < m_month->count() ? previous : 0);
    update();
}

void ImportDialog::bandsChanged() {
    std::array<int, 3> starts{};
    for (int i = 0; i < 3; ++i)
        starts[static_cast<std::size_t>(i)] = m_bandStarts[static_cast<std::size_t>(i)]->time().msecsSinceStartOfDay() / 60000;
    if (!(starts[0] < starts[1] && starts[1] < starts[2])) {
        // Out of order: the bands stay as they were.
        for (int i = 0; i < 3; ++i)
            m_bandStarts[static_cast<std::size_t>(i)]->setTime(QTime(0, 0).addSecs(m_shownStarts[static_cast<std::size_t>(i)] * 60));
        return;
    }
    if (starts == m_shownStarts) return;
    m_shownStarts = starts;
    m_rules.weekdayBands.clear();
    if (starts[0] > 0) m_rules.weekdayBands.push_back({0, Evening});
    m_rules.weekdayBands.push_back({starts[0], Peak});
    m_rules.weekdayBands.push_back({starts[1], Afternoon});
    m_rules.weekdayBands.push_back({starts[2], Evening});
    read();
}

void ImportDialog::update() {
    ImportOptions options;
    options.perSecond = m_seconds->isChecked();
    const auto months = m_importer->months();
    const int index = m_month->currentIndex();
    if (index > 0 && index <= static_cast<int>(months.size())) options.month = months[static_cast<std::size_t>(index - 1)];
    m_result = m_importer->result(options);

    const Summary& s = m_result.summary;
    QString period;
    if (s.events == 0) {
        period = tr("V záznamu nejsou žádné události.");
    } else {
        period = tr("Záznam: %1 – %2").arg(dayText(s.firstDay), dayText(s.lastDay));
        if (s.month) period += tr(", měsíc o %1 bez přepočtu").arg(daysText(s.days));
        else if (s.scaled) period += tr(", %1 přepočteno na 30 dní").arg(daysText(s.days));
        else period += tr(", 30 dní");
        period += tr(". Událostí: %1, z toho odchozích zpoplatněných: %2.").arg(s.events).arg(s.counted);
        if (s.stray) {
            const QString days = s.stray->firstDay == s.stray->lastDay
                                     ? dayText(s.stray->firstDay)
                                     : QStringLiteral("%1 – %2").arg(dayText(s.stray->firstDay), dayText(s.stray->lastDay));
            period += QLatin1Char('\n') + tr("Pozor: %1 (%2) leží %3 od ostatních. Není v datu překlep?")
                                              .arg(eventsText(s.stray->events), days, daysText(s.stray->gapDays));
        }
    }
    // Refused lines are listed on the second page; their count shows here.
    if (s.refused) period += QLatin1Char('\n') + tr("Odmítnutých řádků nebo prvků: %1 (viz „Nezapočteno“).").arg(s.refused);
    m_period->setText(m_formats + QStringLiteral("\n") + period);
    fillBoxes();
    fillAccount();
    fillMonths();
}

void ImportDialog::fillBoxes() {
    const Profile& p = m_result.profile;
    const int rows[] = {FixedLine, TMobile, Eurotel, Oskar, Messages, VoiceMail, Data};
    for (int r = 0; r < 7; ++r)
        for (int b = 0; b < kBands; ++b) m_boxes->setItem(r, b, cell(QString::number(p.matrix[b][rows[r]])));
    for (int b = 0; b < kBands; ++b) m_boxes->setItem(7, b, cell(QString::number(p.wap[b])));
    m_gprs->setText(tr("GPRS WAP: %1 kB    GPRS internet: %2 kB").arg(p.gprsWap).arg(p.gprsNet));
    for (int r = 0; r < kIntlRows; ++r) {
        const IntlRow& row = p.intl[r];
        const bool used = row.peak || row.afternoon || row.eveningWeekend;
        m_intl->setItem(r, 0, cell(used ? countryName(row.country) : QStringLiteral("–"), false));
        m_intl->setItem(r, 1, cell(QString::number(row.peak)));
        m_intl->setItem(r, 2, cell(QString::number(row.afternoon)));
        m_intl->setItem(r, 3, cell(QString::number(row.eveningWeekend)));
    }
}

void ImportDialog::fillAccount() {
    const Summary& s = m_result.summary;
    QStringList lines;
    lines << tr("Započítávají se jen odchozí, spojené a zpoplatněné události.");
    bool any = false;
    for (int k = 0; k < kSkipKinds; ++k)
        if (s.skipped[k]) {
            if (!any) lines << QString() << tr("Přeskočeno:");
            any = true;
            lines << QStringLiteral("  %1 × %2").arg(s.skipped[k]).arg(skipText(static_cast<Skip>(k)));
        }
    if (s.noBox[0] || s.noBox[1]) {
        lines << QString() << tr("Odesláno, ale profil pro to nemá políčko:");
        if (s.noBox[0]) lines << tr("  %1 × SMS na pevnou linku nebo do hlasové schránky").arg(s.noBox[0]);
        if (s.noBox[1]) lines << tr("  %1 × SMS do zahraničí").arg(s.noBox[1]);
    }
    if (!s.unclassified.empty()) {
        lines << QString() << tr("Nezařazeno (číslo neodpovídá žádnému pravidlu):");
        for (const Unclassified& u : s.unclassified)
            lines << tr("  %1 × %2, %3 min").arg(u.count).arg(unfitText(u.unfit, u.detail)).arg(u.minutes);
    }
    if (!s.countriesLeftOut.empty()) {
        lines << QString() << tr("Země nad čtyři mezinárodní řádky (nezapočteno):");
        for (const CountryMinutes& c : s.countriesLeftOut)
            lines << tr("  %1, %2 min").arg(countryName(c.country)).arg(c.minutes);
    }
    if (s.refused) {
        lines << QString() << tr("Odmítnuté řádky nebo prvky (%1):").arg(s.refused);
        for (const Issue& i : s.issues) lines << tr("  řádek %1: %2").arg(i.line).arg(issueText(i));
        if (s.refused > static_cast<std::int64_t>(s.issues.size()))
            lines << tr("  … a dalších %1").arg(s.refused - static_cast<std::int64_t>(s.issues.size()));
    }
    if (s.clamped) lines << QString() << tr("Políček omezených na největší hodnotu: %1").arg(s.clamped);
    m_account->setPlainText(lines.join(QLatin1Char('\n')));
}

void ImportDialog::fillMonths() {
    const auto months = m_importer->months();
    const bool several = months.size() > 1;
    m_pages->setTabVisible(2, several);
    m_months->setRowCount(0);
    if (!several) return;
    std::array<std::int64_t, kTariffCount> sums{};
    std::array<bool, kTariffCount> always{};
    always.fill(true);
    RunResult run;
    int row = 0;
    m_months->setRowCount(static_cast<int>(months.size()) + 1);
    for (const YearMonth& m : months) {
        ImportOptions options;
        options.perSecond = m_seconds->isChecked();
        options.month = m;
        runPricing(m_importer->result(options).profile, {}, run);
        for (int i = 0; i < kTelecomIndex; ++i) {
            const TariffResult& f = run.fields[static_cast<std::size_t>(i)];
            sums[static_cast<std::size_t>(i)] += f.price;
            always[static_cast<std::size_t>(i)] = always[static_cast<std::size_t>(i)] && f.priced && !f.unsupported;
        }
        const int best = cheapest(run);
        m_months->setItem(row, 0, cell(monthName(m), false));
        m_months->setItem(row, 1, cell(best < 0 ? QStringLiteral("–") : tariffName(best), false));
        m_months->setItem(row, 2, cell(best < 0 ? QString() : QString::number(run.fields[static_cast<std::size_t>(best)].price)));
        ++row;
    }
    int best = -1;
    for (int i = 0; i < kTelecomIndex; ++i)
        if (always[static_cast<std::size_t>(i)] && (best < 0 || sums[static_cast<std::size_t>(i)] < sums[static_cast<std::size_t>(best)])) best = i;
    m_months->setItem(row, 0, cell((months.size() <= 4 ? tr("celé období (%1 měsíce)") : tr("celé období (%1 měsíců)"))
                               .arg(months.size()), false));
    m_months->setItem(row, 1, cell(best < 0 ? QStringLiteral("–") : tariffName(best), false));
    m_months->setItem(row, 2, cell(best < 0 ? QString() : QString::number(sums[static_cast<std::size_t>(best)])));
}

bool ImportDialog::ask(QWidget* parent, Profile& profile) {
    const QStringList files = QFileDialog::getOpenFileNames(
        parent, tr("Import výpisu hovorů"), QString(),
        tr("Výpisy a zálohy hovorů (*.csv *.xml *.txt);;Všechny soubory (*)"));
    if (files.isEmpty()) return false;
    ImportDialog dialog(files, parent);
    if (!dialog.error().isEmpty()) {
        QMessageBox::warning(parent, tr("Import výpisu hovorů"), dialog.error());
        return false;
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    profile = dialog.profile();
    return true;
}
