#include "ui/breakdown/trozpis.h"

#include <QApplication>
#include <QClipboard>
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
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using sazbar::Breakdown;
using sazbar::BreakdownItem;
using sazbar::BreakdownStatus;
using sazbar::ItemKind;
using sazbar::Money;

QString fromView(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString q(const std::string& s) { return QString::fromStdString(s); }

QString tariffName(int i) {
    const sazbar::TariffInfo& t = sazbar::kTariffs[static_cast<std::size_t>(i)];
    return fromView(t.name) + QStringLiteral(" (") + fromView(sazbar::operatorName(t.op)) + QLatin1Char(')');
}

QString amount(const Money& m) { return q(sazbar::formatHalere(m)) + QStringLiteral(" Kč"); }

QString quantity(const BreakdownItem& it) {
    if (it.unit.empty()) return {};
    QString s = QString::number(it.quantity) + QLatin1Char(' ') + fromView(it.unit);
    if (it.hasRate) s += QStringLiteral(" × ") + q(sazbar::formatRate(it.rate)) + QStringLiteral(" Kč");
    return s;
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
    // A label cut short on a narrow window shows whole in its tooltip.
    if (!right && !text.trimmed().isEmpty()) c->setToolTip(text.trimmed());
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
    t->setWordWrap(false);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headers.size(); ++c) t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Compact rows: more items fit a small desktop.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setTextElideMode(Qt::ElideMiddle);
    return t;
}

}  // namespace

TRozpis::TRozpis(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rozpis"));
    setWindowTitle(QStringLiteral("Rozpis ceny"));
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
    m_compare->addItem(QStringLiteral("bez porovnání"), -1);
    for (int i = 0; i < sazbar::kTariffCount; ++i) m_compare->addItem(tariffName(i), i);
    auto* compareLabel = new QLabel(QStringLiteral("Porovnat &s:"), this);
    compareLabel->setBuddy(m_compare);
    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(compareLabel);
    top->addWidget(m_compare);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    auto* itemsPage = new QWidget;
    auto* sides = new QHBoxLayout;
    sides->setContentsMargins(0, 0, 0, 0);
    const QStringList headers = {QStringLiteral("Položka"), QStringLiteral("Množství × sazba"), QStringLiteral("Částka")};
    for (int s = 0; s < 2; ++s) {
        m_heads[s] = new QLabel(itemsPage);
        m_heads[s]->setObjectName(QStringLiteral("head%1").arg(s));
        QFont bold = m_heads[s]->font();
        bold.setBold(true);
        m_heads[s]->setFont(bold);
        m_items[s] = makeTable(QStringLiteral("items%1").arg(s), headers, itemsPage);
        m_items[s]->setAccessibleName(s == 0 ? QStringLiteral("Položky ceny") : QStringLiteral("Položky ceny porovnávaného tarifu"));
        m_items[s]->installEventFilter(this);
        auto* side = new QVBoxLayout;
        side->addWidget(m_heads[s]);
        side->addWidget(m_items[s], 1);
        sides->addLayout(side, 1);
    }
    // The kinds stand on the same rows on both sides: they scroll together.
    for (int s = 0; s < 2; ++s)
        connect(m_items[s]->verticalScrollBar(), &QScrollBar::valueChanged, m_items[1 - s]->verticalScrollBar(),
                &QScrollBar::setValue);
    m_summary = new QLabel(itemsPage);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* itemsLayout = new QVBoxLayout(itemsPage);
    itemsLayout->addLayout(sides, 1);
    itemsLayout->addWidget(m_summary);
    m_tabs->addTab(itemsPage, QStringLiteral("&Položky"));

    m_diff = makeTable(QStringLiteral("differences"), {QStringLiteral("Druh")}, this);
    m_diff->setAccessibleName(QStringLiteral("Rozdíly podle druhu položek"));
    m_diff->installEventFilter(this);
    m_tabs->addTab(m_diff, QStringLiteral("&Rozdíly podle druhu"));

    m_choices = new QTreeWidget(this);
    m_choices->setObjectName(QStringLiteral("choices"));
    m_choices->setColumnCount(2);
    m_choices->setHeaderLabels({QStringLiteral("Volba a porovnané možnosti"), QStringLiteral("Částka")});
    m_choices->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_choices->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_choices->header()->setStretchLastSection(false);
    m_choices->setAccessibleName(QStringLiteral("Volby, které výpočet udělal"));
    m_choices->installEventFilter(this);
    m_tabs->addTab(m_choices, QStringLiteral("&Volby"));

    auto* copyButton = new QPushButton(QStringLiteral("&Kopírovat"), this);
    copyButton->setObjectName(QStringLiteral("copy"));
    copyButton->setToolTip(QStringLiteral("Zkopíruje položky jako text oddělený tabulátory (Ctrl+C)"));
    auto* printButton = new QPushButton(QStringLiteral("&Tisk…"), this);
    printButton->setObjectName(QStringLiteral("print"));
    auto* pdfButton = new QPushButton(QStringLiteral("Uložit jako P&DF…"), this);
    pdfButton->setObjectName(QStringLiteral("pdf"));
    auto* closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
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
    v->addWidget(m_tabs, 1);
    v->addLayout(buttons);

    connect(copyButton, &QPushButton::clicked, this, &TRozpis::copy);
    connect(printButton, &QPushButton::clicked, this, &TRozpis::print);
    connect(pdfButton, &QPushButton::clicked, this, &TRozpis::savePdfAs);
    connect(closeButton, &QPushButton::clicked, this, &TRozpis::close);
    connect(m_compare, &QComboBox::currentIndexChanged, this, &TRozpis::compareChanged);

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

void TRozpis::follow(const sazbar::Profile& profile, const sazbar::RunOptions& options, const sazbar::RunResult& run) {
    m_profile = profile;
    m_options = options;
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

void TRozpis::rebuild() {
    if (m_tariff < 0) return;
    sazbar::priceBreakdown(m_profile, m_options, m_tariff, m_bd[0]);
    if (m_compared >= 0) sazbar::priceBreakdown(m_profile, m_options, m_compared, m_bd[1]);
    const QString name = tariffName(m_tariff);
    setWindowTitle(QStringLiteral("Rozpis ceny – ") + fromView(sazbar::kTariffs[std::size_t(m_tariff)].name));
    m_title->setText(name + QStringLiteral(": ") + QString::number(m_bd[0].shown) + QStringLiteral(" Kč"));
    m_filling = true;
    m_compare->setCurrentIndex(m_compare->findData(m_compared));
    m_filling = false;
    fillItems();
    fillDifferences();
    fillChoices();
}

void TRozpis::fillItems() {
    const bool two = m_compared >= 0;
    m_items[1]->setVisible(two);
    m_heads[1]->setVisible(two);
    for (int s = 0; s < 2; ++s) {
        const int t = s == 0 ? m_tariff : m_compared;
        if (t < 0) continue;
        QString head = tariffName(t);
        if (s == 1 && m_compareCheapest) head += QStringLiteral(" – nejlevnější");
        if (s == 0 && t == m_cheapest) head += QStringLiteral(" – nejlevnější");
        m_heads[s]->setText(head);
    }
    const std::vector<ItemKind> kinds = kindsOf(m_bd[0], two ? &m_bd[1] : nullptr);
    const QColor band = palette().color(QPalette::AlternateBase);
    for (int s = 0; s < (two ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
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
            const int r = addRow(cell(q(sazbar::breakdownStatusText(b))), cell({}), cell({}));
            t->setSpan(r, 0, 1, 3);
        }
        for (ItemKind k : kinds) {
            if (b.status != BreakdownStatus::Itemised) break;
            int mine = 0, theirs = 0;
            for (const BreakdownItem& it : b.items) mine += it.kind == k;
            for (const BreakdownItem& it : other.items) theirs += it.kind == k;
            const int r = addRow(cell(fromView(sazbar::itemKindLabel(k)), false, true), cell({}),
                                 cell(amount(b.kindSum(k)), true, true));
            for (int c = 0; c < 3; ++c) t->item(r, c)->setBackground(band);
            for (const BreakdownItem& it : b.items)
                if (it.kind == k) addRow(cell(QStringLiteral("  ") + q(it.label)), cell(quantity(it), true), cell(amount(it.amount), true));
            // Empty rows keep the next kind level with the other side.
            if (two && other.status == BreakdownStatus::Itemised)
                for (int n = mine; n < theirs; ++n) addRow(cell({}), cell({}), cell({}));
        }
        addRow(cell(QStringLiteral("Celkem"), false, true),
               cell(QStringLiteral("cena ") + QString::number(b.shown) + QStringLiteral(" Kč"), true, true),
               cell(amount(b.total), true, true));
    }
    // The sentence of the comparison.
    if (!two || m_bd[0].status != BreakdownStatus::Itemised || m_bd[1].status != BreakdownStatus::Itemised) {
        m_summary->setText(two ? QString() : QStringLiteral("Položky dávají dohromady přesnou cenu před zaokrouhlením dolů na celé koruny."));
        return;
    }
    QStringList parts;
    for (ItemKind k : kinds) {
        const Money d = sazbar::moneyDifference(m_bd[0].kindSum(k), m_bd[1].kindSum(k));
        if (d == Money()) continue;
        const bool more = d > Money();
        const Money abs = more ? d : sazbar::moneyDifference(Money(), d);
        parts << QStringLiteral("za %1 o %2 %3").arg(fromView(sazbar::itemKindLabel(k)).toLower(), amount(abs),
                                                    more ? QStringLiteral("více") : QStringLiteral("méně"));
    }
    const Money total = sazbar::moneyDifference(m_bd[0].total, m_bd[1].total);
    QString text = QStringLiteral("S tarifem %1 platíte oproti tarifu %2 ")
                       .arg(fromView(sazbar::kTariffs[std::size_t(m_tariff)].name),
                            fromView(sazbar::kTariffs[std::size_t(m_compared)].name));
    text += parts.isEmpty() ? QStringLiteral("stejně.") : parts.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!parts.isEmpty()) {
        const bool more = total > Money();
        text += QStringLiteral(" Celkem o %1 %2.").arg(amount(more ? total : sazbar::moneyDifference(Money(), total)),
                                                      more ? QStringLiteral("více") : QStringLiteral("méně"));
    }
    m_summary->setText(text);
}

void TRozpis::fillDifferences() {
    const bool two = m_compared >= 0;
    QStringList headers = {QStringLiteral("Druh"), fromView(sazbar::kTariffs[std::size_t(m_tariff)].name)};
    if (two) headers << fromView(sazbar::kTariffs[std::size_t(m_compared)].name) << QStringLiteral("Rozdíl");
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
    for (ItemKind k : kinds) row(fromView(sazbar::itemKindLabel(k)), m_bd[0].kindSum(k), m_bd[1].kindSum(k), false);
    row(QStringLiteral("Celkem"), m_bd[0].total, two ? m_bd[1].total : Money(), true);
}

void TRozpis::fillChoices() {
    m_choices->clear();
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        auto* top = new QTreeWidgetItem(m_choices, {tariffName(s == 0 ? m_tariff : m_compared)});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        if (b.choices.empty()) new QTreeWidgetItem(top, {QStringLiteral("Cena nezávisí na žádné volbě.")});
        for (const sazbar::BreakdownChoice& c : b.choices) {
            auto* choice = new QTreeWidgetItem(top, {q(c.title)});
            for (const sazbar::ChoiceOption& o : c.options) {
                auto* opt = new QTreeWidgetItem(choice, {(o.taken ? QStringLiteral("► ") : QStringLiteral("   ")) + q(o.label) +
                                                             (o.taken ? QStringLiteral(" (zvoleno)") : QString()),
                                                         amount(o.amount)});
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
    // Amounts with a decimal comma and no grouping, as a spreadsheet reads them.
    auto plain = [](const Money& m) { return q(sazbar::formatCents(m)).replace(QLatin1Char('.'), QLatin1Char(',')); };
    QString out = QStringLiteral("Tarif\tDruh\tPoložka\tMnožství\tJednotka\tSazba\tČástka\n");
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        if (b.tariff < 0) continue;
        const QString name = fromView(sazbar::kTariffs[std::size_t(b.tariff)].name);
        if (b.status != BreakdownStatus::Itemised) out += name + QStringLiteral("\t\t") + q(sazbar::breakdownStatusText(b)) + QStringLiteral("\t\t\t\t\n");
        for (const BreakdownItem& it : b.items) {
            out += name + QLatin1Char('\t') + fromView(sazbar::itemKindLabel(it.kind)) + QLatin1Char('\t') + q(it.label) + QLatin1Char('\t');
            if (!it.unit.empty()) out += QString::number(it.quantity);
            out += QLatin1Char('\t') + fromView(it.unit) + QLatin1Char('\t');
            if (it.hasRate) out += q(sazbar::formatRate(it.rate));
            out += QLatin1Char('\t') + plain(it.amount) + QLatin1Char('\n');
        }
        out += name + QStringLiteral("\t\tCelkem\t\t\t\t") + plain(b.total) + QLatin1Char('\n');
    }
    return out;
}

QString TRozpis::pageHtml() const {
    QString h = QStringLiteral("<html><body style=\"font-family: sans-serif\">");
    for (int s = 0; s < (m_compared >= 0 ? 2 : 1); ++s) {
        const Breakdown& b = m_bd[static_cast<std::size_t>(s)];
        if (b.tariff < 0) continue;
        h += QStringLiteral("<h2>Rozpis ceny: ") + tariffName(b.tariff).toHtmlEscaped() + QStringLiteral(", ") +
             QString::number(b.shown) + QStringLiteral(" Kč</h2>");
        if (b.status != BreakdownStatus::Itemised) h += QStringLiteral("<p>") + q(sazbar::breakdownStatusText(b)).toHtmlEscaped() + QStringLiteral("</p>");
        h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\" width=\"100%\">"
                            "<tr><th align=\"left\">Položka</th><th align=\"right\">Množství × sazba</th><th align=\"right\">Částka</th></tr>");
        for (const BreakdownItem& it : b.items)
            h += QStringLiteral("<tr><td>") + q(it.label).toHtmlEscaped() + QStringLiteral("</td><td align=\"right\">") +
                 quantity(it).toHtmlEscaped() + QStringLiteral("</td><td align=\"right\">") + amount(it.amount).toHtmlEscaped() +
                 QStringLiteral("</td></tr>");
        h += QStringLiteral("<tr><td><b>Celkem</b></td><td></td><td align=\"right\"><b>") + amount(b.total).toHtmlEscaped() +
             QStringLiteral("</b></td></tr></table>");
        for (const sazbar::BreakdownChoice& c : b.choices) {
            h += QStringLiteral("<p><b>") + q(c.title).toHtmlEscaped() + QStringLiteral("</b>: ");
            QStringList opts;
            for (const sazbar::ChoiceOption& o : c.options) {
                const QString t = (q(o.label) + QStringLiteral(" ") + amount(o.amount)).toHtmlEscaped();
                opts << (o.taken ? QStringLiteral("<b>") + t + QStringLiteral(" (zvoleno)</b>") : t);
            }
            h += opts.join(QStringLiteral("; ")) + QStringLiteral("</p>");
        }
    }
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
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Uložit rozpis ceny jako PDF"),
                                                      QStringLiteral("rozpis.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) savePdf(path);
}

void TRozpis::copy() const { QApplication::clipboard()->setText(tableText()); }

bool TRozpis::eventFilter(QObject* watched, QEvent* e) {
    // The tables' own Ctrl+C would copy one cell; here it copies the whole breakdown.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TRozpis::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    QDialog::keyPressEvent(e);
}
