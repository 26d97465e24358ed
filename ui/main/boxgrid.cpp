#include "ui/main/boxgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/textnum.h"
#include "ui/main/countries.h"

using sazbar::BoxSlot;
using sazbar::boxNumber;

namespace {

QLabel* caption(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(align);
    return l;
}

QGridLayout* grid() {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    return g;
}

}  // namespace

BoxGrid::BoxGrid(QObject* parent) : QObject(parent) {}

QLineEdit* BoxGrid::makeBox(int n, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(QStringLiteral("Edit%1").arg(n));
    e->setAccessibleName(boxName(n));
    e->setMinimumWidth(56);
    e->setMaximumWidth(96);
    m_boxes[static_cast<std::size_t>(n - 1)] = e;
    return e;
}

QWidget* BoxGrid::domesticPage(QWidget* side) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    QGridLayout* g = grid();
    const QString bands[sazbar::kBands] = {tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")};
    for (int b = 0; b < sazbar::kBands; ++b) g->addWidget(caption(bands[b], page, Qt::AlignCenter), 0, 1 + b);

    // The matrix rows, then WAP; each row holds the boxes of its four bands.
    struct RowDef {
        QString label;
        QString unit;
        BoxSlot first;
    };
    const RowDef rows[] = {
        {tr("Pevná linka"), tr("min"), {BoxSlot::Matrix, 0, sazbar::FixedLine}},
        {QStringLiteral("T - Mobile"), tr("min"), {BoxSlot::Matrix, 0, sazbar::TMobile}},
        {QStringLiteral("Eurotel"), tr("min"), {BoxSlot::Matrix, 0, sazbar::Eurotel}},
        {QStringLiteral("Oskar"), tr("min"), {BoxSlot::Matrix, 0, sazbar::Oskar}},
        {tr("SMS a MMS"), tr("ks"), {BoxSlot::Matrix, 0, sazbar::Messages}},
        {tr("Hlasová schránka"), tr("min"), {BoxSlot::Matrix, 0, sazbar::VoiceMail}},
        {tr("Datové přenosy"), tr("min"), {BoxSlot::Matrix, 0, sazbar::Data}},
        {QStringLiteral("WAP"), tr("min"), {BoxSlot::Wap, 0, 0}},
    };
    auto boxAt = [](BoxSlot s, int band) {
        s.band = band;
        return boxNumber(s);
    };
    int r = 1;
    for (const RowDef& def : rows) {
        if (def.first.kind == BoxSlot::Matrix && def.first.row == sazbar::Messages) {
            // The four cells of the messages row are four different counts.
            const QString cells[] = {tr("SMS do T-Mobile"), tr("SMS do Eurotelu"), tr("SMS do Oskara"),
                                     QStringLiteral("MMS")};
            for (int b = 0; b < sazbar::kBands; ++b) {
                QLabel* l = caption(cells[b], page, Qt::AlignHCenter | Qt::AlignBottom);
                QFont f = l->font();
                f.setPointSizeF(f.pointSizeF() * 0.85);
                l->setFont(f);
                g->addWidget(l, r, 1 + b);
            }
            ++r;
        }
        g->addWidget(caption(def.label, page), r, 0);
        for (int b = 0; b < sazbar::kBands; ++b) g->addWidget(makeBox(boxAt(def.first, b), page), r, 1 + b);
        g->addWidget(caption(def.unit, page), r, 5);
        ++r;
    }

    const int gprsWap = boxNumber({BoxSlot::GprsWap});
    const int gprsNet = boxNumber({BoxSlot::GprsNet});
    auto* gprs = new QHBoxLayout;
    gprs->addWidget(caption(QStringLiteral("GPRS WAP"), page));
    gprs->addWidget(makeBox(gprsWap, page));
    gprs->addWidget(caption(QStringLiteral("kB"), page));
    gprs->addSpacing(16);
    gprs->addWidget(caption(tr("GPRS internet"), page));
    gprs->addWidget(makeBox(gprsNet, page));
    gprs->addWidget(caption(QStringLiteral("kB"), page));
    gprs->addStretch(1);

    m_total = new QLineEdit(page);
    m_total->setObjectName(QStringLiteral("celkmin"));
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAccessibleName(tr("Celkem za měsíc, minut"));
    m_total->setMinimumWidth(64);
    m_total->setMaximumWidth(96);
    auto* total = new QHBoxLayout;
    total->addWidget(caption(tr("Celkem za měsíc"), page));
    total->addWidget(m_total);
    total->addWidget(caption(tr("minut"), page));
    total->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(g);
    left->addSpacing(6);
    left->addLayout(gprs);
    left->addSpacing(6);
    left->addLayout(total);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addSpacing(8);
    layout->addWidget(side);

    QWidget* prev = nullptr;
    for (const RowDef& def : rows) {
        for (int b = 0; b < sazbar::kBands; ++b) {
            QLineEdit* e = box(boxAt(def.first, b));
            if (prev) QWidget::setTabOrder(prev, e);
            prev = e;
        }
    }
    QWidget::setTabOrder(prev, box(gprsWap));
    QWidget::setTabOrder(box(gprsWap), box(gprsNet));
    return page;
}

QWidget* BoxGrid::internationalPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    QGridLayout* g = grid();
    g->addWidget(caption(tr("Země"), page), 0, 0);
    g->addWidget(caption(tr("Špička"), page, Qt::AlignCenter), 0, 1);
    g->addWidget(caption(tr("Odpoledne"), page, Qt::AlignCenter), 0, 2);
    g->addWidget(caption(tr("Večer +\nvíkend"), page, Qt::AlignCenter), 0, 3);

    QStringList names;
    for (int i = 0; i < sazbar::kCountries; ++i) names << sazbar::ui::countryName(i);
    QWidget* prev = nullptr;
    for (int r = 0; r < sazbar::kIntlRows; ++r) {
        auto* combo = new QComboBox(page);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(r + 1));
        combo->addItems(names);
        combo->setCurrentIndex(r);
        combo->setMaxVisibleItems(18);
        combo->setAccessibleName(tr("Země %1").arg(r + 1));
        m_countries[r] = combo;
        g->addWidget(combo, r + 1, 0);
        if (prev) QWidget::setTabOrder(prev, combo);
        prev = combo;
        // Peak, afternoon, evening with weekend.
        for (int c = 0; c < 3; ++c) {
            QLineEdit* e = makeBox(boxNumber({BoxSlot::Intl, c, r}), page);
            g->addWidget(e, r + 1, 1 + c);
            QWidget::setTabOrder(prev, e);
            prev = e;
        }
        g->addWidget(caption(tr("min"), page), r + 1, 4);
    }

    m_internet = new QCheckBox(tr("Volání přes internet"), page);
    m_internet->setObjectName(QStringLiteral("internet"));
    m_internet->setToolTip(QStringLiteral("T=Mobile Internet Call, Eurotel NetCall 55"));
    QWidget::setTabOrder(prev, m_internet);

    auto* v = new QVBoxLayout;
    v->addLayout(g);
    v->addSpacing(8);
    v->addWidget(m_internet);
    v->addStretch(1);
    auto* h = new QHBoxLayout;
    h->addLayout(v);
    h->addStretch(1);
    auto* outer = new QVBoxLayout;
    outer->addLayout(h);
    page->setLayout(outer);
    return page;
}

sazbar::BoxTexts BoxGrid::texts() const {
    sazbar::BoxTexts texts;
    for (int n = 1; n <= sazbar::kBoxCount; ++n) texts[static_cast<std::size_t>(n - 1)] = box(n)->text().toStdString();
    return texts;
}

sazbar::Profile BoxGrid::profile() const {
    std::array<int, sazbar::kIntlRows> countries{};
    for (int r = 0; r < sazbar::kIntlRows; ++r) countries[r] = m_countries[r]->currentIndex();
    return sazbar::profileFromBoxes(texts(), countries, m_internet->isChecked());
}

void BoxGrid::setProfile(const sazbar::Profile& p) {
    const sazbar::BoxTexts texts = sazbar::boxesFromProfile(p);
    for (int n = 1; n <= sazbar::kBoxCount; ++n)
        box(n)->setText(QString::fromStdString(texts[static_cast<std::size_t>(n - 1)]));
    for (int r = 0; r < sazbar::kIntlRows; ++r) m_countries[r]->setCurrentIndex(p.intl[r].country);
}

// The row, the band and the unit, as the captions around the box show them
// ("Pevná linka, Špička, minuty").
QString BoxGrid::boxName(int n) {
    const QString bands[] = {tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")};
    const BoxSlot s = sazbar::boxSlot(n);
    switch (s.kind) {
        case BoxSlot::Matrix: {
            if (s.row == sazbar::Messages) {
                const QString cells[] = {tr("SMS do T-Mobile"), tr("SMS do Eurotelu"), tr("SMS do Oskara"), tr("MMS")};
                return tr("%1, kusy").arg(cells[s.band]);
            }
            const QString rows[] = {tr("Pevná linka"), tr("T - Mobile"), tr("Eurotel"), tr("Oskar"), QString(),
                                    tr("Hlasová schránka"), tr("Datové přenosy")};
            return tr("%1, %2, minuty").arg(rows[s.row], bands[s.band]);
        }
        case BoxSlot::Wap: return tr("WAP, %1, minuty").arg(bands[s.band]);
        case BoxSlot::Intl: {
            const QString intl[] = {tr("Špička"), tr("Odpoledne"), tr("Večer a víkend")};
            return tr("Země %1, %2, minuty").arg(s.row + 1).arg(intl[s.band]);
        }
        case BoxSlot::GprsWap: return tr("GPRS WAP, kB");
        case BoxSlot::GprsNet: return tr("GPRS internet, kB");
    }
    return {};
}
