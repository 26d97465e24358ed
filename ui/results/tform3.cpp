#include "ui/results/tform3.h"

#include "ui/catalogues/catalogue_store.h"
#include "ui/results/hints.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

namespace {

using Row = std::pair<const char*, const char*>;

QString fromView(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Hint lines are separated by "\n\r"; the tooltip and the accessible
// description show them as plain lines.
QString plainHint(const QString& hint) {
    QString plain = hint;
    plain.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    plain.remove(QLatin1Char('\r'));
    // The unsupported-service lines end in a line break even without a hint after them.
    while (plain.endsWith(QLatin1Char('\n'))) plain.chop(1);
    return plain;
}

// A plain-text tooltip is never word-wrapped, so a hint line stays one line
// however narrow the screen. Only a hint that would be taken for markup is
// escaped, with its lines kept unbroken.
QString tooltipFor(const QString& hint) {
    const QString plain = plainHint(hint);
    if (!Qt::mightBeRichText(plain)) return plain;
    QString html = plain.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<p style=\"white-space:pre\">") + html + QStringLiteral("</p>");
}

// What a compiled tariff's field shows while the compiled tariffs are left out.
const QString kOffText = QStringLiteral("–");

// Every price's tooltip ends by saying how to open its breakdown.
QString withBreakdownLine(const QString& tooltip) {
    const QString line = Tform3::tr("Dvojklik nebo Enter: rozpis ceny");
    if (tooltip.isEmpty()) return line;
    if (tooltip.endsWith(QLatin1String("</p>")))
        return tooltip.chopped(4) + QStringLiteral("<br>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    return tooltip + QLatin1Char('\n') + line;
}

// A name from a file may be long: it is cut to the room it has, with "…", and
// shown whole in its tooltip.
class ElidedLabel : public QLabel {
public:
    ElidedLabel(const QString& full, QWidget* parent) : QLabel(parent), m_full(full) {
        setToolTip(full);
        setAccessibleName(full);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
        setText(full);
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        const QString shown = fontMetrics().elidedText(m_full, Qt::ElideRight, e->size().width());
        if (shown != text()) setText(shown);
    }

private:
    QString m_full;
};

QLabel* label(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(align);
    return l;
}

}  // namespace

Tform3::Tform3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("form3"));
    setWindowTitle(tr("Výsledky"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int i = 0; i < sazbar::kTariffCount; ++i) m_index.insert(fromView(sazbar::kTariffs[i].id), i);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));

    // The note above the groups.
    auto* bang = new QLabel(QStringLiteral("!"), content);
    bang->setObjectName(QStringLiteral("Label3"));
    QFont bangFont = bang->font();
    bangFont.setBold(true);
    bangFont.setPointSizeF(bangFont.pointSizeF() * 2.2);
    bang->setFont(bangFont);
    bang->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    auto* move = new QLabel(tr("Přesuňte myš nad políčka s čísly."), content);
    move->setObjectName(QStringLiteral("Label1"));
    QFont bold = move->font();
    bold.setBold(true);
    move->setFont(bold);
    auto* shows = new QLabel(tr("Zobrazí se podrobnější informace"), content);
    shows->setObjectName(QStringLiteral("Label2"));
    auto* details = new QLabel(tr("např. o datových tarifech nebo "), content);
    details->setObjectName(QStringLiteral("Label4"));
    auto* others = new QLabel(tr("jiných zvýhodněních."), content);
    others->setObjectName(QStringLiteral("Label5"));
    auto* second = new QHBoxLayout;
    second->setSpacing(0);
    second->addWidget(shows);
    second->addSpacing(4);
    second->addWidget(details);
    second->addWidget(others);
    second->addStretch(1);
    auto* noteText = new QVBoxLayout;
    noteText->setSpacing(0);
    noteText->addWidget(move);
    noteText->addLayout(second);
    auto* note = new QHBoxLayout;
    note->addWidget(bang);
    note->addSpacing(6);
    note->addLayout(noteText, 1);

    // T-Mobile: the "+HIT" variants beside their base tariffs.
    QGroupBox* tm = buildGroup(QStringLiteral("T - Mobile"), QStringLiteral("GroupBox1"),
                               {{"t30", "hit30"},
                                {"t80", "hit80"},
                                {"t250", "hit250"},
                                {"t600", "hit600"},
                                {"internet", "internethit"},
                                {"tarif20p20", nullptr},
                                {"twist_standard", nullptr},
                                {"twist_sms", nullptr},
                                {"twist_extra", nullptr},
                                {"twist_home", nullptr},
                                {"student", nullptr}},
                               QStringLiteral("+HIT"));
    // Eurotel: the "max" variants beside their base tariffs.
    QGroupBox* et = buildGroup(QStringLiteral("Eurotel"), QStringLiteral("GroupBox2"),
                               {{"sms", "sms_max"},
                                {"bronz", "bronz_max"},
                                {"silver", "silver_max"},
                                {"gold", "gold_max"},
                                {"platinum", "platinum_max"},
                                {"diamant", "diamant_max"},
                                {"start", nullptr},
                                {"pohoda", nullptr},
                                {"individual_wapmi", nullptr},
                                {"smsdata", nullptr},
                                {"originalgo", nullptr},
                                {"quatrogo", nullptr},
                                {"fungo", nullptr},
                                {"tipbusiness", nullptr},
                                {"tiprelax", nullptr},
                                {"tipakord", nullptr}},
                               QStringLiteral("max"));
    QGroupBox* os = buildGroup(QStringLiteral("Oskar"), QStringLiteral("GroupBox3"),
                               {{"naplno50", nullptr},
                                {"naplno150", nullptr},
                                {"naplno300", nullptr},
                                {"naplno500", nullptr},
                                {"naplnorozjezd", nullptr},
                                {"mezinami", nullptr},
                                {"odepis", nullptr},
                                {"oskarta", nullptr},
                                {"najistotu", nullptr},
                                {"nazisk", nullptr}},
                               QString());
    m_telecomGroup = buildGroup(QStringLiteral("Telecom"), QStringLiteral("GroupBox4"), {{"telecom", nullptr}},
                                QString());
    m_telecomGroup->setVisible(false);
    // Showing the fixed line must not move anything else.
    QSizePolicy keep = m_telecomGroup->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_telecomGroup->setSizePolicy(keep);

    // The tariffs of the user's files, below the operators' groups; hidden
    // while there are none, so that the window is then as it always was. It
    // takes only the room under T-Mobile and scrolls when it holds more.
    m_dataGroup = new QGroupBox(tr("Vlastní tarify"));
    m_dataGroup->setObjectName(QStringLiteral("GroupBox5"));
    m_dataGroup->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_dataGroup->setMinimumHeight(3 * fontMetrics().height() + 24);
    auto* dataScroll = new QScrollArea(m_dataGroup);
    dataScroll->setObjectName(QStringLiteral("dataScroll"));
    dataScroll->setFrameShape(QFrame::NoFrame);
    dataScroll->setWidgetResizable(true);
    dataScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dataScroll->setBackgroundRole(QPalette::Window);
    auto* dataLayout = new QVBoxLayout(m_dataGroup);
    dataLayout->setContentsMargins(6, 2, 0, 4);
    dataLayout->addWidget(dataScroll);
    m_dataGroup->setVisible(false);
    auto* left = new QVBoxLayout;
    left->addWidget(tm, 0, Qt::AlignTop);
    left->addWidget(m_dataGroup, 1);

    m_inkaso = new QCheckBox(tr("Platba inkasem"), content);
    m_inkaso->setObjectName(QStringLiteral("inkaso"));
    m_fixedLine = new QCheckBox(tr("Vypočítat Český Telecom"), content);
    m_fixedLine->setObjectName(QStringLiteral("CheckBox1"));

    auto* chart = new QPushButton(tr("Graf"), content);
    chart->setObjectName(QStringLiteral("Button1"));
    chart->setToolTip(tr("Graficky zobrazí ceny jednotlivých tarifů"));
    chart->setDefault(true);
    auto* close = new QPushButton(tr("Zavřít"), content);
    close->setObjectName(QStringLiteral("Button2"));
    auto* print = new QPushButton(tr("Tisk"), content);
    print->setObjectName(QStringLiteral("Button3"));
    auto* help = new QPushButton(tr("Nápověda"), content);
    help->setObjectName(QStringLiteral("Button4"));
    auto* whatIf = new QPushButton(tr("Co kdyby…"), content);
    whatIf->setObjectName(QStringLiteral("Button5"));
    whatIf->setToolTip(tr("Jak se ceny a nejlevnější tarif mění, když budete volat víc nebo méně"));
    auto* catalogues = new QPushButton(tr("Ceníky…"), content);
    catalogues->setObjectName(QStringLiteral("Button6"));
    catalogues->setToolTip(tr("Vlastní tarify: soubory ceníků a nový tarif"));

    auto* right = new QVBoxLayout;
    right->addWidget(os);
    right->addWidget(m_inkaso);
    right->addWidget(m_fixedLine);
    right->addWidget(m_telecomGroup);
    right->addStretch(1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(chart, 0, 0);
    buttons->addWidget(print, 0, 1);
    buttons->addWidget(help, 1, 0);
    buttons->addWidget(close, 1, 1);
    buttons->addWidget(whatIf, 2, 0);
    buttons->addWidget(catalogues, 2, 1);
    right->addLayout(buttons);

    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(et, 0, Qt::AlignTop);
    groups->addLayout(right);

    auto* v = new QVBoxLayout(content);
    v->setContentsMargins(8, 4, 8, 8);
    v->setSpacing(4);
    v->addLayout(note);
    v->addLayout(groups, 1);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroll);

    connect(chart, &QPushButton::clicked, this, &Tform3::chartRequested);
    connect(print, &QPushButton::clicked, this, &Tform3::printRequested);
    connect(whatIf, &QPushButton::clicked, this, &Tform3::whatIfRequested);
    connect(catalogues, &QPushButton::clicked, this, &Tform3::cataloguesRequested);
    connect(help, &QPushButton::clicked, this, &Tform3::helpRequested);
    connect(close, &QPushButton::clicked, this, &Tform3::close);
    connect(m_inkaso, &QCheckBox::toggled, this, &Tform3::inkasoClick);
    connect(m_fixedLine, &QCheckBox::toggled, this, &Tform3::CheckBox1Click);
    connect(m_inkaso, &QCheckBox::toggled, this, &Tform3::optionsChanged);
    connect(m_fixedLine, &QCheckBox::toggled, this, &Tform3::optionsChanged);

    const QScreen* s = QGuiApplication::primaryScreen();
    setSizeable(s && (s->size().width() < 800 || s->size().height() < 600));
}

QLineEdit* Tform3::makeField(std::string_view id, QWidget* parent) {
    const int i = sazbar::tariffIndex(id);
    Q_ASSERT(i >= 0);
    auto* f = new QLineEdit(QStringLiteral("xx"), parent);
    f->setObjectName(fromView(id));
    f->setReadOnly(true);
    f->setFrame(false);
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The operator too: several operators have a tariff of the same name.
    f->setAccessibleName(QStringLiteral("%1, %2").arg(fromView(sazbar::kTariffs[i].name), fromView(sazbar::operatorName(sazbar::kTariffs[i].op))));
    f->setProperty("hint", QString());
    f->setToolTip(withBreakdownLine(QString()));
    // A field that can serve the profile lets the window show through.
    QPalette pal = f->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::transparent);
    f->setPalette(pal);
    // Room for every whole-crown price up to 999999; a longer (saturated)
    // text is drawn smaller so that it still shows whole.
    f->setFixedWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("999999")) + kFieldPadding);
    f->setCursor(Qt::ArrowCursor);
    // Double-click, Enter and the context menu open the price's breakdown.
    f->setProperty("tariff", i);
    f->installEventFilter(this);
    m_fields[i] = f;
    return f;
}

QGroupBox* Tform3::buildGroup(const QString& title, const QString& objectName, const std::vector<Row>& rows,
                              const QString& secondColumn) {
    auto* g = new QGroupBox(title);
    g->setObjectName(objectName);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    int r = 0;
    if (!secondColumn.isEmpty()) {
        grid->addWidget(label(secondColumn, g, Qt::AlignRight | Qt::AlignBottom), r, 4);
        ++r;
    }
    for (const Row& row : rows) {
        const int i = sazbar::tariffIndex(row.first);
        grid->addWidget(label(fromView(sazbar::kTariffs[i].name), g), r, 0);
        grid->addWidget(makeField(row.first, g), r, 1);
        grid->addWidget(label(QStringLiteral("Kč"), g), r, 2);
        if (row.second) {
            grid->addWidget(makeField(row.second, g), r, 4);
            grid->addWidget(label(QStringLiteral("Kč"), g), r, 5);
        }
        ++r;
    }
    if (!secondColumn.isEmpty()) grid->setColumnMinimumWidth(3, 6);
    return g;
}

// The font of a field, shrunk when its text is wider than the field.
void Tform3::fitText(QLineEdit* f) {
    QFont font = this->font();
    const int room = f->width() - kFieldPadding;
    const int need = QFontMetrics(font).horizontalAdvance(f->text());
    if (need > room && need > 0) font.setPointSizeF(font.pointSizeF() * room / need);
    if (f->font() != font) f->setFont(font);
}

// What a screen reader says of a field: its price, the marks in words (the
// window shows them only in colour) and the hint as plain lines.
QString Tform3::describe(const sazbar::TariffResult& r) const {
    QStringList parts;
    if (r.priced) parts << QString::fromStdString(r.text()) + QStringLiteral(" Kč");
    if (r.cheapest) parts << tr("nejlevnější tarif");
    if (r.unsupported) parts << tr("nepodporuje všechny požadované služby");
    const QString hint = plainHint(shownHint(r.hint.str()));
    if (!hint.isEmpty()) parts << hint;
    return parts.join(QStringLiteral("\n"));
}

sazbar::RunOptions Tform3::options() const { return {m_inkaso->isChecked(), m_fixedLine->isChecked()}; }

void Tform3::setOptions(const sazbar::RunOptions& options) {
    m_inkaso->setChecked(options.directDebit);
    m_fixedLine->setChecked(options.fixedLine);
}

QString Tform3::shownHint(const std::string& hint) const {
    const QString text = QString::fromStdString(hint);
    return m_englishHints ? sazbar::ui::englishHint(text) : text;
}

void Tform3::setEnglishHints(bool english) {
    if (english == m_englishHints) return;
    m_englishHints = english;
    // The next run rewrites every tooltip.
    for (QLineEdit* f : m_fields) f->setProperty("hint", QVariant());
    if (isVisible()) showResult();
}

void Tform3::setProfileSource(std::function<sazbar::Profile()> source) { m_source = std::move(source); }

QLineEdit* Tform3::field(const QString& id) const {
    const auto it = m_index.constFind(id);
    return it == m_index.constEnd() ? nullptr : m_fields[*it];
}

QColor Tform3::unsupportedColour() { return QApplication::palette().color(QPalette::ToolTipBase); }

void Tform3::setSizeable(bool sizeable) {
    m_sizeable = sizeable;
    if (sizeable) {
        setMinimumSize(240, 160);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // On a small desktop the window starts no larger than the screen;
        // what does not fit scrolls.
        if (!isVisible()) {
            QSize size(kClientWidth, kClientHeight);
            if (const QScreen* s = screen())
                size = size.boundedTo(s->availableGeometry().size() - QSize(kFrameAllowance, 3 * kFrameAllowance));
            resize(size);
        }
    } else {
        setFixedSize(kClientWidth, kClientHeight);
    }
    setSizeGripEnabled(sizeable);
}

bool Tform3::eventFilter(QObject* watched, QEvent* e) {
    const QVariant tariff = watched->property("tariff");
    const QVariant dataRow = watched->property("dataTariff");
    if (!tariff.isValid() && !dataRow.isValid()) return QDialog::eventFilter(watched, e);
    // A compiled tariff left out of the pricing has no breakdown.
    const bool open = dataRow.isValid() || builtinPriced();
    auto request = [&] {
        if (dataRow.isValid()) emit dataBreakdownRequested(dataRow.toInt());
        else if (open) emit breakdownRequested(tariff.toInt());
    };
    switch (e->type()) {
        case QEvent::MouseButtonDblClick:
            request();
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) break;
            request();
            return true;
        }
        case QEvent::ContextMenu: {
            QMenu menu(static_cast<QWidget*>(watched));
            menu.setObjectName(QStringLiteral("fieldMenu"));
            QAction* item = menu.addAction(tr("Rozpis ceny…"));
            item->setEnabled(open);
            const auto* ce = static_cast<QContextMenuEvent*>(e);
            if (menu.exec(ce->globalPos()) == item) request();
            return true;
        }
        default: break;
    }
    return QDialog::eventFilter(watched, e);
}

sazbar::RunOptions Tform3::lastOptions() const {
    return sazbar::RunOptions{m_inkaso->isChecked(), m_fixedLine->isChecked()};
}

bool Tform3::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void Tform3::showEvent(QShowEvent* e) {
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveCenter(area.center());
            QDialog::move(std::max(area.left(), frame.topLeft().x()), std::max(area.top(), frame.topLeft().y()));
        }
    }
    QDialog::showEvent(e);
}

// Every activation prices the profile the main window holds now.
void Tform3::FormActivate() { runPricing(); }

// Direct debit changes what the Oskar tariffs cost.
void Tform3::inkasoClick() { runPricing(); }

void Tform3::CheckBox1Click(bool checked) {
    m_telecomGroup->setVisible(checked);
    runPricing();
}

void Tform3::runPricing() {
    if (!m_source) return;
    m_profile = m_source();
    const sazbar::RunOptions options{m_inkaso->isChecked(), m_fixedLine->isChecked()};
    sazbar::runPricing(m_profile, options, m_result);
    // The compiled tariffs left out: nothing of theirs is shown or marked.
    if (!builtinPriced())
        for (sazbar::TariffResult& f : m_result.fields) f = sazbar::TariffResult{};
    if (!m_data.empty() || !builtinPriced()) {
        std::vector<sazbar::catalogue::DataResult> data(m_data.size());
        const sazbar::Usage usage = sazbar::aggregate(m_profile);
        for (std::size_t i = 0; i < m_data.size(); ++i)
            sazbar::catalogue::priceDataTariff(*m_data[i].tariff, usage, options, data[i]);
        // One cheapest mark over both kinds.
        sazbar::catalogue::markCheapestTogether(m_result, data);
        for (std::size_t i = 0; i < m_data.size(); ++i) m_data[i].result = std::move(data[i]);
    }
    showResult();
    emit priced();
}

// Relative luminance, as the contrast of two colours is measured.
static double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Tform3::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pure red on a light window; on a dark one, a red light enough to be read.
QColor Tform3::cheapestColour(const QColor& background) {
    QColor red(kCheapestColour);
    if (background.lightness() >= 128) return red;
    for (int step = 0; step < 20 && contrast(red, background) < 4.5; ++step)
        red.setRgb(255, std::min(255, red.green() + 12), std::min(255, red.blue() + 12));
    return red;
}

void Tform3::showResult() {
    // What the chart reads besides the fields.
    setProperty("builtinPriced", builtinPriced());
    const bool off = !builtinPriced();
    for (int i = 0; i < sazbar::kTariffCount; ++i) {
        QLineEdit* f = m_fields[i];
        const sazbar::TariffResult& r = m_result.fields[i];
        if (off) {
            // Left out by the catalogue switch: a dash in grey, no marks.
            if (f->text() != kOffText) {
                f->setText(kOffText);
                fitText(f);
                f->setProperty("hint", QVariant());
                f->setToolTip(tr("Vestavěné tarify se nepočítají (vypnuto v okně Ceníky)."));
                f->setAccessibleDescription(f->toolTip());
            }
            styleField(f, m_state[i], false, false, true);
            continue;
        }
        const QString text = QString::fromStdString(r.text());
        if (f->text() != text) {
            f->setText(text);
            fitText(f);
        }
        const QString hint = QString::fromStdString(r.hint.str());
        if (f->property("hint").toString() != hint) {
            f->setProperty("hint", hint);
            f->setToolTip(withBreakdownLine(tooltipFor(shownHint(r.hint.str()))));
        }
        const QString description = describe(r);
        if (f->accessibleDescription() != description) f->setAccessibleDescription(description);
        styleField(f, m_state[i], r.cheapest, r.unsupported, false);
    }
    for (DataRow& row : m_data) showDataRow(row);
}

void Tform3::styleField(QLineEdit* f, FieldState& st, bool cheapest, bool unsupported, bool off) {
    if (st.styled && st.cheapest == cheapest && st.unsupported == unsupported && st.off == off) return;
    // The fields let the window show through: their text is drawn on the
    // window's colour, or on the tooltip colour when unsupported.
    const QColor window = palette().color(QPalette::Window);
    const QColor plain = window.lightness() < 128 ? palette().color(QPalette::WindowText) : QColor(Qt::black);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Text, off           ? palette().color(QPalette::Disabled, QPalette::WindowText)
                                 : cheapest    ? cheapestColour(window)
                                 : unsupported ? QApplication::palette().color(QPalette::ToolTipText)
                                               : plain);
    pal.setColor(QPalette::Base, unsupported ? unsupportedColour() : QColor(Qt::transparent));
    f->setPalette(pal);
    st = {cheapest, unsupported, true, off};
}

void Tform3::showDataRow(DataRow& row) {
    const sazbar::catalogue::DataResult& r = row.result;
    QLineEdit* f = row.field;
    const QString text = r.priced ? QString::number(r.price) : QStringLiteral("xx");
    if (f->text() != text) {
        f->setText(text);
        fitText(f);
    }
    const QString hint = QString::fromStdString(r.hint);
    if (f->property("hint").toString() != hint || f->toolTip().isEmpty()) {
        f->setProperty("hint", hint);
        f->setToolTip(withBreakdownLine(tooltipFor(shownHint(r.hint))));
    }
    QStringList parts;
    if (r.priced) parts << text + QStringLiteral(" Kč");
    if (r.cheapest) parts << tr("nejlevnější tarif");
    if (r.unsupported) parts << tr("nepodporuje všechny požadované služby");
    if (const QString plain = plainHint(shownHint(r.hint)); !plain.isEmpty()) parts << plain;
    const QString description = parts.join(QStringLiteral("\n"));
    if (f->accessibleDescription() != description) f->setAccessibleDescription(description);
    styleField(f, m_dataState[std::size_t(&row - m_data.data())], r.cheapest, r.unsupported, false);
}

QString Tform3::dataTariffName(const sazbar::catalogue::DataTariff& t) {
    return QString::fromStdString(t.operatorName) + QLatin1Char(' ') + QString::fromStdString(t.name);
}

bool Tform3::builtinPriced() const { return !m_store || m_store->builtinPriced(); }

void Tform3::setCatalogueStore(sazbar::ui::CatalogueStore* store) {
    if (m_store) disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store)
        connect(store, &sazbar::ui::CatalogueStore::changed, this, [this] {
            // The rows point into the store: they are made again at once.
            rebuildDataRows();
            if (isVisible()) runPricing();
        });
    rebuildDataRows();
    if (isVisible()) runPricing();
}

// One row per tariff of the files: its operator and name, its price, "Kč".
void Tform3::rebuildDataRows() {
    m_data.clear();
    m_dataState.clear();
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("dataRows"));
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 6, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(0, 1);
    const std::vector<const sazbar::catalogue::DataTariff*> tariffs =
        m_store ? m_store->priced() : std::vector<const sazbar::catalogue::DataTariff*>{};
    for (const sazbar::catalogue::DataTariff* t : tariffs) {
        const int r = int(m_data.size());
        const QString name = dataTariffName(*t);
        auto* f = new QLineEdit(QStringLiteral("xx"), rows);
        f->setObjectName(QStringLiteral("data:") + QString::fromStdString(t->id));
        f->setReadOnly(true);
        f->setFrame(false);
        f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        f->setAccessibleName(QString::fromStdString(t->name) + QStringLiteral(", ") +
                             QString::fromStdString(t->operatorName));
        f->setFixedWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("999999")) + kFieldPadding);
        f->setCursor(Qt::ArrowCursor);
        f->setProperty("dataTariff", r);
        // What the chart draws of it.
        f->setProperty("chartName", name);
        const QColor colour(QString::fromStdString(t->color));
        f->setProperty("chartColour", colour.isValid() ? colour : QColor(0x80, 0x80, 0x80));
        f->installEventFilter(this);
        grid->addWidget(new ElidedLabel(name, rows), r, 0);
        grid->addWidget(f, r, 1);
        grid->addWidget(label(QStringLiteral("Kč"), rows), r, 2);
        m_data.push_back({t, {}, f});
        m_dataState.emplace_back();
    }
    grid->setRowStretch(int(m_data.size()), 1);
    auto* scroll = m_dataGroup->findChild<QScrollArea*>(QStringLiteral("dataScroll"));
    scroll->setWidget(rows);  // the old rows go with their widget
    m_dataRows = rows;
    m_dataGroup->setVisible(!m_data.empty());
}
