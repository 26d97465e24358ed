#include "ui/breakdown/trozpis.h"

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/breakdown/labels.h"

namespace {

using sazbar::Breakdown;
using sazbar::BreakdownItem;
using sazbar::BreakdownStatus;
using sazbar::ItemKind;
using sazbar::Money;

QString fromView(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString q(const std::string& s) { return QString::fromStdString(s); }


// The decimal mark of the window's language: "," in Czech, "." in English.
QChar decimalMark() {
    const QString mark = QCoreApplication::translate("TRozpis", ",", "decimal mark");
    return mark.size() == 1 ? mark.front() : QLatin1Char(',');
}

// Digits with "." as a decimal point ("-1234.5", "1163") in the window's
// form: the language's decimal mark and a no-break space between thousands.
QString grouped(const std::string& plain) {
    QString s = QString::fromStdString(plain);
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    if (dot >= 0) s[dot] = decimalMark();
    const qsizetype first = s.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype i = (dot >= 0 ? dot : s.size()) - 3; i > first; i -= 3) s.insert(i, QChar(0x00a0));
    return s;
}

// A shown amount (a decimal, see sazbar::ShownAmounts) in full: "1 163,25 Kč", "-0,238 Kč".
QString amount(const Money& shown) { return grouped(sazbar::formatExact(shown)) + QStringLiteral(" Kč"); }

// Whole crowns, the price a result field shows: "1 163 Kč".
QString crowns(std::int64_t v) { return grouped(std::to_string(v)) + QStringLiteral(" Kč"); }

// An amount on its own: exact, or "≈" and the haléř.
QString looseAmount(const Money& m) {
    bool rounded = false;
    const Money shown = sazbar::shownAmount(m, &rounded);
    return (rounded ? QStringLiteral("≈ ") : QString()) + amount(shown);
}

QString quantity(const BreakdownItem& it) {
    if (it.unit.empty()) return {};
    QString s = QString::number(it.quantity) + QLatin1Char(' ') + fromView(it.unit);
    if (it.hasRate)
        s += QStringLiteral(" × ") + q(sazbar::formatRate(it.rate, decimalMark().toLatin1())) + QStringLiteral(" Kč");
    return s;
}

// The mark of the amount that carries the rounding.
const QString kRoundingMark = QStringLiteral(" *");

// What a breakdown without items says instead.
QString statusText(const Breakdown& b) {
    switch (b.status) {
        case BreakdownStatus::Itemised: return {};
        case BreakdownStatus::Saturated:
            return QCoreApplication::translate("TRozpis", "Cena je mimo rozsah výsledkového pole, pole ukazuje %1. "
                                                          "Položky se nerozepisují.")
                .arg(crowns(b.shown));
        case BreakdownStatus::NoConfiguration:
            return QCoreApplication::translate("TRozpis", "Žádná konfigurace tarifu není levnější než %1, pole ukazuje "
                                                          "%1. Položky se nerozepisují.")
                .arg(crowns(999999));
    }
    return {};
}

// The column headers of the items, in the window and on the printed page.
QStringList itemHeaders() {
    return {QCoreApplication::translate("TRozpis", "Položka"), QCoreApplication::translate("TRozpis", "Množství × sazba"),
            QCoreApplication::translate("TRozpis", "Částka")};
}

// Kinds in their fixed order that either breakdown has an item of.
std::vector<ItemKind> kindsOf(const Breakdown& a, const Breakdown* b) {
    std::vector<ItemKind> kinds;
    for (int k = 0; k < sazbar::kItemKinds; ++k) {
        const auto kind = static_cast<ItemKind>(k);
        auto has = [kind](const Breakdown& x) {
            for (const BreakdownItem& it : x.items)
                if (it.kind == kind) return true;
            return false;
        };
        if (has(a) || (b && has(*b))) kinds.push_back(kind);
    }
    return kinds;
}

QTableWidgetItem* cell(const QString& text, bool right = false, bool bold = false) {
    auto* c = new QTableWidgetItem(text);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (right) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (bold) {
        QFont f = c->font();
        f.setBold(true);
        c->setFont(f);
    }
    return c;
}

QTableWidget* makeTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Long item names wrap: a reader sees every word of them.
    t->setWordWrap(true);
    t->setTextElideMode(Qt::ElideNone);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headers.size(); ++c) t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Compact rows: more items fit a small desktop.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return t;
}

}  // namespace

TRozpis::TRozpis(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rozpis"));
    setWindowTitle(tr("Rozpis ceny"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_title->setFont(big);
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_compare = new QComboBox(this);
    m_compare->setObjectName(QStringLiteral("compare"));
    m_compare->addItem(tr("bez porovnání"), -1);
    for (int i = 0; i < sazbar::kTariffCount; ++i) m_compare->addItem(fullName(i), i);
    auto* compareLabel = new QLabel(tr("Porovnat &s:"), this);
    compareLabel->setBuddy(m_compare);
    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(compareLabel);
    top->addWidget(m_compare);

    // A tariff that cannot carry the month says so above everything else, on
    // the pale background of its result field.
    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("warning"));
    m_warning->setWordWrap(true);
    m_warning->setTextFormat(Qt::PlainText);
    m_warning->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_warning->setAutoFillBackground(true);
    m_warning->setBackgroundRole(QPalette::ToolTipBase);
    m_warning->setForegroundRole(QPalette::ToolTipText);
    m_warning->setMargin(4);
    m_warning->hide();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    auto* itemsPage = new QWidget;
    auto* sides = new QHBoxLayout;
    sides->setContentsMargins(0, 0, 0, 0);
    const QStringList headers = itemHeaders();
    for (int s = 0; s < 2; ++s) {
        // Each side in a widget of its own: a hidden side leaves no empty half.
        m_sides[s] = new QWidget(itemsPage);
        m_heads[s] = new QLabel(m_sides[s]);
        m_heads[s]->setObjectName(QStringLiteral("head%1").arg(s));
        m_heads[s]->setWordWrap(true);
        QFont bold = m_heads[s]->font();
        bold.setBold(true);
        m_heads[s]->setFont(bold);
        m_items[s] = makeTable(QStringLiteral("items%1").arg(s), headers, m_sides[s]);
        m_items[s]->setAccessibleName(s == 0 ? tr("Položky ceny") : tr("Položky ceny porovnávaného tarifu"));
        m_items[s]->installEventFilter(this);
        connect(m_items[s]->horizontalHeader(), &QHeaderView::sectionResized, this, &TRozpis::scheduleRowSync);
        auto* side = new QVBoxLayout(m_sides[s]);
        side->setContentsMargins(0, 0, 0, 0);
        side->addWidget(m_heads[s]);
        side->addWidget(m_items[s], 1);
        sides->addWidget(m_sides[s], 1);
    }
    // The kinds stand on the same rows on both sides: they scroll together.
    for (int s = 0; s < 2; ++s)
        connect(m_items[s]->verticalScrollBar(), &QScrollBar::valueChanged, m_items[1 - s]->verticalScrollBar(),
                &QScrollBar::setValue);
    m_note = new QLabel(itemsPage);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_summary = new QLabel(itemsPage);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* itemsLayout = new QVBoxLayout(itemsPage);
    itemsLayout->addLayout(sides, 1);
    itemsLayout->addWidget(m_note);
    itemsLayout->addWidget(m_summary);
    m_tabs->addTab(itemsPage, tr("&Položky"));

    m_diff = makeTable(QStringLiteral("differences"), {tr("Druh")}, this);
    m_diff->setWordWrap(false);  // short kind names, rows level with the header's
    m_diff->setAccessibleName(tr("Rozdíly podle druhu položek"));
    m_diff->installEventFilter(this);
    m_tabs->addTab(m_diff, tr("&Rozdíly podle druhu"));

    m_choices = new QTreeWidget(this);
    m_choices->setObjectName(QStringLiteral("choices"));
    m_choices->setColumnCount(2);
    m_choices->setHeaderLabels({tr("Volba a porovnané možnosti"), tr("Částka")});
    m_choices->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_choices->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_choices->header()->setStretchLastSection(false);
    m_choices->setWordWrap(true);
    m_choices->setTextElideMode(Qt::ElideNone);
    m_choices->setAccessibleName(tr("Volby, které výpočet udělal"));
    m_choices->installEventFilter(this);
    m_tabs->addTab(m_choices, tr("&Volby"));

    auto* copyButton = new QPushButton(tr("&Kopírovat"), this);
    copyButton->setObjectName(QStringLiteral("copy"));
    copyButton->setToolTip(tr("Zkopíruje položky jako text oddělený tabulátory (Ctrl+C)"));
    auto* printButton = new QPushButton(tr("&Tisk…"), this);
    printButton->setObjectName(QStringLiteral("print"));
    auto* pdfButton = new QPushButton(tr("Uložit jako P&DF…"), this);
    pdfButton->setObjectName(QStringLiteral("pdf"));
    auto* closeButton = new QPushButton(tr("&Zavřít"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {copyButton, printButton, pdfButton, closeButton}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(m_warning);
    v->addWidget(m_tabs, 1);
    v->addLayout(buttons);

    connect(copyButton, &QPushButton::clicked, this, &TRozpis::copy);
    connect(printButton, &QPushButton::clicked, this, &TRozpis::print);
    connect(pdfButton, &QPushButton::clicked, this, &TRozpis::savePdfAs);
    connect(closeButton, &QPushButton::clicked, this, &TRozpis::close);
    connect(m_compare, &QComboBox::currentIndexChanged, this, &TRozpis::compareChanged);
    // Ctrl+C wherever the focus is in the window: the tab bar, the choice of
    // comparison, a button. The tables and the tree take it in eventFilter.
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    copyKey->setContext(Qt::WindowShortcut);
    connect(copyKey, &QShortcut::activated, this, &TRozpis::copyFocused);

    setMinimumSize(480, 320);
    resize(760, 540);
}

int TRozpis::cheapestOf(const sazbar::RunResult& run) {
    for (int i = 0; i < sazbar::kTariffCount; ++i)
        if (run.fields[static_cast<std::size_t>(i)].cheapest) return i;
    return -1;
}

void TRozpis::showTariff(const sazbar::Profile& profile, const sazbar::RunOptions& options,
                         const sazbar::RunResult& run, int tariff) {
    m_tariff = tariff;
    m_compareCheapest = true;
    follow(profile, options, run);
}

QString TRozpis::shortName(int tariff) const {
    if (tariff == kDataTariff) return m_data ? q(m_data->name) : QString();
    return fromView(sazbar::kTariffs[static_cast<std::size_t>(tariff)].name);
}

QString TRozpis::fullName(int tariff) const {
    if (tariff == kDataTariff)
        return m_data ? q(m_data->name) + QStringLiteral(" (") + q(m_data->operatorName) + QLatin1Char(')') : QString();
    const sazbar::TariffInfo& t = sazbar::kTariffs[static_cast<std::size_t>(tariff)];
    return fromView(t.name) + QStringLiteral(" (") + fromView(sazbar::operatorName(t.op)) + QLatin1Char(')');
}

void TRozpis::showDataTariff(const sazbar::Profile& profile, const sazbar::RunOptions& options,
                             const sazbar::RunResult& run, const sazbar::catalogue::DataTariff& tariff,
                             const sazbar::catalogue::DataResult& result) {
    m_tariff = kDataTariff;
    m_compareCheapest = true;
    follow(profile, options, run, &tariff, &result);
}

void TRozpis::follow(const sazbar::Profile& profile, const sazbar::RunOptions& options, const sazbar::RunResult& run,
                     const sazbar::catalogue::DataTariff* tariff, const sazbar::catalogue::DataResult* result) {
    if (tariff) m_data = *tariff;
    if (result) m_dataResult = *result;
    if (m_tariff != kDataTariff) m_data.reset();
    m_profile = profile;
    m_options = options;
    m_run = run;
    m_cheapest = cheapestOf(run);
    if (m_compareCheapest) m_compared = m_cheapest == m_tariff ? -1 : m_cheapest;
    rebuild();
}

void TRozpis::setCompared(int tariff) {
    m_compareCheapest = false;
    m_compared = tariff == m_tariff || tariff < 0 || tariff >= sazbar::kTariffCount ? -1 : tariff;
    rebuild();
}

void TRozpis::compareChanged(int index) {
    if (m_filling || index < 0) return;
    setCompared(m_compare->itemData(index).toInt());
}

// The unsupported-service lines of a tariff's hint, in the window's language
// ("nepodporuje GPRS, nepodporuje MMS"); empty when the tariff carries the month.
QString TRozpis::unsupportedLines(int tariff) const {
    if (tariff < 0) return {};
    const bool data = tariff == kDataTariff;
    if (data ? !m_dataResult.unsupported : !m_run.fields[static_cast<std::size_t>(tariff)].unsupported) return {};
    const std::string hint = data ? m_dataResult.hint : m_run.fields[static_cast<std::size_t>(tariff)].hint.str();
    QStringList lines;
    for (const QString& line : QString::fromStdString(hint).split(QStringLiteral("\n\r")))
        if (const QString shown = sazbar::ui::unsupportedLine(line); !shown.isEmpty()) lines << shown;
    return lines.join(QStringLiteral(", "));
}

QString TRozpis::unsupportedSentence(int tariff) const {
    const QString lines = unsupportedLines(tariff);
    if (lines.isEmpty()) return {};
    return tr("Tarif %1 %2: zadaný měsíc s ním pokrýt nelze.").arg(shortName(tariff), lines);
}

void TRozpis::rebuild() {
    if (m_tariff < 0) return;
    if (m_tariff == kDataTariff) {
        if (!m_data) return;
        sazbar::catalogue::itemiseDataTariff(*m_data, m_profile, m_options, m_bd[0]);
    } else {
        sazbar::priceBreakdown(m_profile, m_options, m_tariff, m_bd[0]);
    }
    if (m_compared >= 0) sazbar::priceBreakdown(m_profile, m_options, m_compared, m_bd[1]);
    for (std::size_t s = 0; s < 2; ++s) m_shown[s] = sazbar::shownAmounts(m_bd[s]);
    const QString name = fullName(m_tariff);
    setWindowTitle(tr("Rozpis ceny – %1").arg(shortName(m_tariff)));
    m_title->setText(name + QStringLiteral(": ") + crowns(m_bd[0].shown));
    const QString warning = unsupportedSentence(m_tariff);
    m_warning->setText(warning.isEmpty() ? QString()
                                         : warning + QLatin1Char(' ') + tr("Cena zahrnuje jen služby, které tarif nabízí."));
    m_warning->setVisible(!warning.isEmpty());
    m_filling = true;
    m_compare->setCurrentIndex(m_compare->findData(m_compared));
    m_filling = false;
    fillItems();
    fillDifferences();
    fillChoices();
}

QString TRozpis::sideHead(int side) const {
    const int t = side == 0 ? m_tariff : m_compared;
    if (t < 0) return {};
    QString head = fullName(t);
    if (t == m_cheapest || (t == kDataTariff && m_dataResult.cheapest)) head = tr("%1 – nejlevnější").arg(head);
    const QString lines = unsupportedLines(t);
    if (!lines.isEmpty()) head += QStringLiteral(" – ") + lines;
    return head;
}

void TRozpis::fillItems() {
    const bool two = m_compared >= 0;
    m_sides[1]->setVisible(two);
    for (int s = 0; s < (two ? 2 : 1); ++s) m_heads[s]->setText(sideHead(s));
    const std::vector<ItemKind> kinds = kindsOf(m_bd[0], two ? &m_bd[1] : nullptr);
    const QColor band = palette().color(QPalette::AlternateBase);
    bool anyRounded = false;
    for (int s = 0; s < (two ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        const sazbar::ShownAmounts& shown = m_shown[static_cast<std::size_t>(s)];
        const Breakdown& other = m_bd[static_cast<std::size_t>(1 - s)];
        QTableWidget* t = m_items[static_cast<std::size_t>(s)];
        t->clearSpans();
        t->setRowCount(0);
        auto addRow = [t](QTableWidgetItem* a, QTableWidgetItem* b2, QTableWidgetItem* c) {
            const int r = t->rowCount();
            t->insertRow(r);
            t->setItem(r, 0, a);
            t->setItem(r, 1, b2);
            t->setItem(r, 2, c);
            return r;
        };
        if (b.status != BreakdownStatus::Itemised) {
            const int r = addRow(cell(statusText(b)), cell({}), cell({}));
            t->setSpan(r, 0, 1, 3);
        }
        for (ItemKind k : kinds) {
            if (b.status != BreakdownStatus::Itemised) break;
            int mine = 0, theirs = 0;
            for (const BreakdownItem& it : b.items) mine += it.kind == k;
            for (const BreakdownItem& it : other.items) theirs += it.kind == k;
            const int r = addRow(cell(sazbar::ui::itemKindName(k), false, true), cell({}),
                                 cell(amount(shown.kindSum(b, k)), true, true));
            for (int c = 0; c < 3; ++c) t->item(r, c)->setBackground(band);
            for (std::size_t i = 0; i < b.items.size(); ++i) {
                const BreakdownItem& it = b.items[i];
                if (it.kind != k) continue;
                const bool carrier = static_cast<int>(i) == shown.carrier;
                QTableWidgetItem* a = cell(amount(shown.items[i]) + (carrier ? kRoundingMark : QString()), true);
                if (carrier) a->setToolTip(tr("Přesně %1").arg(looseAmount(it.amount)));
                addRow(cell(QStringLiteral("  ") + sazbar::ui::breakdownLabel(it.key)), cell(quantity(it), true), a);
                anyRounded = anyRounded || carrier;
            }
            // Empty rows keep the next kind level with the other side.
            if (two && other.status == BreakdownStatus::Itemised)
                for (int n = mine; n < theirs; ++n) addRow(cell({}), cell({}), cell({}));
        }
        addRow(cell(tr("Celkem"), false, true), cell(tr("cena %1").arg(crowns(b.shown)), true, true),
               cell(amount(shown.total), true, true));
    }
    m_note->setText(anyRounded ? tr("* Zaokrouhleno na haléře tak, aby položky dávaly dohromady částku Celkem; "
                                    "přesná částka je v bublině.")
                               : QString());
    m_note->setVisible(anyRounded);
    scheduleRowSync();
    // The sentence of the comparison.
    QStringList sentences;
    for (int s = 0; s < (two ? 2 : 1); ++s) {
        const QString u = unsupportedSentence(s == 0 ? m_tariff : m_compared);
        if (!u.isEmpty()) sentences << u;
    }
    if (!two || m_bd[0].status != BreakdownStatus::Itemised || m_bd[1].status != BreakdownStatus::Itemised) {
        if (!two) sentences << tr("Položky dávají dohromady cenu před zaokrouhlením dolů na celé koruny.");
        m_summary->setText(sentences.join(QLatin1Char(' ')));
        return;
    }
    QStringList parts;
    for (ItemKind k : kinds) {
        const Money d = sazbar::moneyDifference(m_shown[0].kindSum(m_bd[0], k), m_shown[1].kindSum(m_bd[1], k));
        if (d == Money()) continue;
        const bool more = d > Money();
        const QString kind = sazbar::ui::itemKindName(k).toLower();
        parts << (more ? tr("za %1 o %2 více").arg(kind, amount(d))
                       : tr("za %1 o %2 méně").arg(kind, amount(sazbar::moneyDifference(Money(), d))));
    }
    const Money total = sazbar::moneyDifference(m_shown[0].total, m_shown[1].total);
    const QString mine = shortName(m_tariff);
    const QString theirs = shortName(m_compared);
    QString text = parts.isEmpty() ? tr("S tarifem %1 platíte oproti tarifu %2 stejně.").arg(mine, theirs)
                                   : tr("S tarifem %1 platíte oproti tarifu %2 %3.").arg(mine, theirs, parts.join(QStringLiteral(", ")));
    if (!parts.isEmpty()) {
        text += QLatin1Char(' ');
        text += total > Money() ? tr("Celkem o %1 více.").arg(amount(total))
                                : tr("Celkem o %1 méně.").arg(amount(sazbar::moneyDifference(Money(), total)));
    }
    sentences << text;
    m_summary->setText(sentences.join(QLatin1Char(' ')));
}

// QDialog's destructor hides the tables, which resizes their sections: by then
// this is no longer a TRozpis, so nothing of the tables may reach it.
TRozpis::~TRozpis() {
    for (QTableWidget* t : m_items) {
        if (!t) continue;
        t->horizontalHeader()->disconnect(this);
        t->removeEventFilter(this);
    }
}

void TRozpis::scheduleRowSync() {
    if (m_syncPending) return;
    m_syncPending = true;
    QTimer::singleShot(0, this, &TRozpis::syncRows);
}

// Rows as high as their wrapped names need, the same on both sides, so that
// the kinds stay level.
void TRozpis::syncRows() {
    m_syncPending = false;
    const bool two = m_compared >= 0;
    for (int s = 0; s < (two ? 2 : 1); ++s) m_items[s]->resizeRowsToContents();
    if (!two) return;
    const int rows = std::min(m_items[0]->rowCount(), m_items[1]->rowCount());
    for (int r = 0; r < rows; ++r) {
        const int h = std::max(m_items[0]->rowHeight(r), m_items[1]->rowHeight(r));
        for (QTableWidget* t : m_items)
            if (t->rowHeight(r) != h) t->setRowHeight(r, h);
    }
}

void TRozpis::fillDifferences() {
    const bool two = m_compared >= 0;
    auto column = [this](int t) {
        QString name = shortName(t);
        if (const QString lines = unsupportedLines(t); !lines.isEmpty()) name += QStringLiteral(" – ") + lines;
        return name;
    };
    QStringList headers = {tr("Druh"), column(m_tariff)};
    if (two) headers << column(m_compared) << tr("Rozdíl");
    m_diff->clear();
    m_diff->setColumnCount(int(headers.size()));
    m_diff->setHorizontalHeaderLabels(headers);
    for (int c = 1; c < headers.size(); ++c) m_diff->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    m_diff->setRowCount(0);
    const std::vector<ItemKind> kinds = kindsOf(m_bd[0], two ? &m_bd[1] : nullptr);
    auto row = [&](const QString& label, const Money& a, const Money& b, bool bold) {
        const int r = m_diff->rowCount();
        m_diff->insertRow(r);
        m_diff->setItem(r, 0, cell(label, false, bold));
        m_diff->setItem(r, 1, cell(amount(a), true, bold));
        if (!two) return;
        m_diff->setItem(r, 2, cell(amount(b), true, bold));
        const Money d = sazbar::moneyDifference(a, b);
        m_diff->setItem(r, 3, cell((d > Money() ? QStringLiteral("+") : QString()) + amount(d), true, bold));
    };
    for (ItemKind k : kinds)
        row(sazbar::ui::itemKindName(k), m_shown[0].kindSum(m_bd[0], k), m_shown[1].kindSum(m_bd[1], k), false);
    row(tr("Celkem"), m_shown[0].total, two ? m_shown[1].total : Money(), true);
}

void TRozpis::fillChoices() {
    m_choices->clear();
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        auto* top = new QTreeWidgetItem(m_choices, {fullName(s == 0 ? m_tariff : m_compared)});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        if (b.choices.empty()) new QTreeWidgetItem(top, {tr("Cena nezávisí na žádné volbě.")});
        for (const sazbar::BreakdownChoice& c : b.choices) {
            auto* choice = new QTreeWidgetItem(top, {sazbar::ui::breakdownLabel(c.key)});
            for (const sazbar::ChoiceOption& o : c.options) {
                auto* opt = new QTreeWidgetItem(choice, {(o.taken ? QStringLiteral("► ") : QStringLiteral("   ")) +
                                                             sazbar::ui::breakdownLabel(o.key) +
                                                             (o.taken ? QLatin1Char(' ') + tr("(zvoleno)") : QString()),
                                                         looseAmount(o.amount)});
                opt->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
                if (o.taken) {
                    opt->setFont(0, bold);
                    opt->setFont(1, bold);
                }
            }
        }
    }
    m_choices->expandAll();
}

QString TRozpis::tableText() const {
    // Amounts with the language's decimal mark and no grouping, as a spreadsheet reads them.
    const QChar mark = decimalMark();
    auto plain = [mark](const Money& m) { return q(sazbar::formatExact(m)).replace(QLatin1Char('.'), mark); };
    const QString total = tr("Celkem");
    QString out = QStringList{tr("Tarif"), tr("Druh"), tr("Položka"), tr("Množství"), tr("Jednotka"), tr("Sazba"), tr("Částka")}
                      .join(QLatin1Char('\t')) +
                  QLatin1Char('\n');
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        const sazbar::ShownAmounts& shown = m_shown[static_cast<std::size_t>(s)];
        const int tariff = s == 0 ? m_tariff : m_compared;
        if (tariff < 0) continue;
        const QString name = shortName(tariff);
        if (b.status != BreakdownStatus::Itemised) out += name + QStringLiteral("\t\t") + statusText(b) + QStringLiteral("\t\t\t\t\n");
        for (std::size_t i = 0; i < b.items.size(); ++i) {
            const BreakdownItem& it = b.items[i];
            out += name + QLatin1Char('\t') + sazbar::ui::itemKindName(it.kind) + QLatin1Char('\t') +
                   sazbar::ui::breakdownLabel(it.key) + QLatin1Char('\t');
            if (!it.unit.empty()) out += QString::number(it.quantity);
            out += QLatin1Char('\t') + fromView(it.unit) + QLatin1Char('\t');
            if (it.hasRate) out += q(sazbar::formatRate(it.rate, mark.toLatin1()));
            out += QLatin1Char('\t') + plain(shown.items[i]) + QLatin1Char('\n');
        }
        out += name + QStringLiteral("\t\t") + total + QStringLiteral("\t\t\t\t") + plain(shown.total) + QLatin1Char('\n');
    }
    return out;
}

namespace {

// The rows of a table as tab-separated lines, its header first.
QString rowsText(const QTableWidget* t) {
    QStringList lines, cells;
    for (int c = 0; c < t->columnCount(); ++c)
        cells << (t->horizontalHeaderItem(c) ? t->horizontalHeaderItem(c)->text() : QString());
    lines << cells.join(QLatin1Char('\t'));
    for (int r = 0; r < t->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < t->columnCount(); ++c) cells << (t->item(r, c) ? t->item(r, c)->text().trimmed() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace

QString TRozpis::differencesText() const { return rowsText(m_diff); }

QString TRozpis::choicesText() const {
    QString out;
    std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* it, int depth) {
        out += QString(depth * 2, QLatin1Char(' ')) + it->text(0).trimmed();
        if (!it->text(1).isEmpty()) out += QLatin1Char('\t') + it->text(1);
        out += QLatin1Char('\n');
        for (int i = 0; i < it->childCount(); ++i) walk(it->child(i), depth + 1);
    };
    for (int i = 0; i < m_choices->topLevelItemCount(); ++i) walk(m_choices->topLevelItem(i), 0);
    return out;
}

QString TRozpis::focusedText() const {
    if (const auto* label = qobject_cast<const QLabel*>(focusWidget()); label && label->hasSelectedText())
        return label->selectedText();
    const QWidget* page = m_tabs->currentWidget();
    if (page == m_diff) return differencesText();
    if (page == m_choices) return choicesText();
    return tableText();
}

QString TRozpis::pageHtml() const {
    QString h = QStringLiteral("<html><body style=\"font-family: sans-serif\">");
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        const sazbar::ShownAmounts& shown = m_shown[static_cast<std::size_t>(s)];
        const int tariff = s == 0 ? m_tariff : m_compared;
        if (tariff < 0) continue;
        h += QStringLiteral("<h2>") + tr("Rozpis ceny: %1, %2").arg(fullName(tariff), crowns(b.shown)).toHtmlEscaped() +
             QStringLiteral("</h2>");
        if (const QString u = unsupportedSentence(tariff); !u.isEmpty())
            h += QStringLiteral("<p><b>") + u.toHtmlEscaped() + QStringLiteral("</b></p>");
        if (b.status != BreakdownStatus::Itemised) h += QStringLiteral("<p>") + statusText(b).toHtmlEscaped() + QStringLiteral("</p>");
        const QStringList heads = itemHeaders();
        h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\" width=\"100%\"><tr><th align=\"left\">") +
             heads[0].toHtmlEscaped() + QStringLiteral("</th><th align=\"right\">") + heads[1].toHtmlEscaped() +
             QStringLiteral("</th><th align=\"right\">") + heads[2].toHtmlEscaped() + QStringLiteral("</th></tr>");
        for (std::size_t i = 0; i < b.items.size(); ++i) {
            const BreakdownItem& it = b.items[i];
            const QString a = amount(shown.items[i]) + (static_cast<int>(i) == shown.carrier ? kRoundingMark : QString());
            h += QStringLiteral("<tr><td>") + sazbar::ui::breakdownLabel(it.key).toHtmlEscaped() +
                 QStringLiteral("</td><td align=\"right\">") + quantity(it).toHtmlEscaped() + QStringLiteral("</td><td align=\"right\">") +
                 a.toHtmlEscaped() + QStringLiteral("</td></tr>");
        }
        h += QStringLiteral("<tr><td><b>") + tr("Celkem").toHtmlEscaped() + QStringLiteral("</b></td><td></td><td align=\"right\"><b>") +
             amount(shown.total).toHtmlEscaped() + QStringLiteral("</b></td></tr></table>");
        for (const sazbar::BreakdownChoice& c : b.choices) {
            h += QStringLiteral("<p><b>") + sazbar::ui::breakdownLabel(c.key).toHtmlEscaped() + QStringLiteral("</b>: ");
            QStringList opts;
            for (const sazbar::ChoiceOption& o : c.options) {
                const QString t = (sazbar::ui::breakdownLabel(o.key) + QStringLiteral(" ") + looseAmount(o.amount)).toHtmlEscaped();
                opts << (o.taken ? QStringLiteral("<b>") + t + QLatin1Char(' ') + tr("(zvoleno)").toHtmlEscaped() + QStringLiteral("</b>") : t);
            }
            h += opts.join(QStringLiteral("; ")) + QStringLiteral("</p>");
        }
    }
    if (!m_note->text().isEmpty()) h += QStringLiteral("<p>") + m_note->text().toHtmlEscaped() + QStringLiteral("</p>");
    if (!m_summary->text().isEmpty()) h += QStringLiteral("<p>") + m_summary->text().toHtmlEscaped() + QStringLiteral("</p>");
    return h + QStringLiteral("</body></html>");
}

void TRozpis::printOn(QPrinter& printer) const {
    QTextDocument doc;
    doc.setHtml(pageHtml());
    doc.print(&printer);
}

bool TRozpis::savePdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printOn(printer);
    const QFileInfo f(path);
    return f.exists() && f.size() > 0;
}

void TRozpis::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

void TRozpis::savePdfAs() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Uložit rozpis ceny jako PDF"),
                                                      tr("rozpis.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) savePdf(path);
}

void TRozpis::copy() const { QApplication::clipboard()->setText(tableText()); }

void TRozpis::copyFocused() const { QApplication::clipboard()->setText(focusedText()); }

bool TRozpis::eventFilter(QObject* watched, QEvent* e) {
    // The tables' and the tree's own Ctrl+C would copy one cell; here it
    // copies the whole page.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();  // delivered as a key press, below
            return true;
        }
        copyFocused();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TRozpis::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        copyFocused();
        return;
    }
    QDialog::keyPressEvent(e);
}
