#include "ui/whatif/tcokdyby.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "catalogue/data_sweep.h"
#include "core/boxes.h"
#include "qcustomplot.h"
#include "ui/whatif/labelplacement.h"

using namespace sazbar;

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// How wide a name from a file may be in the legend and the break-even labels,
// and in the menu and the hover box; longer names are cut with "…".
constexpr int kDataNameWidth = 120;
constexpr int kDataMenuWidth = 300;
constexpr int kDataHoverWidth = 280;

QString span(std::int32_t from, std::int32_t to) {
    return from == to ? QStringLiteral("%1 %").arg(from) : QStringLiteral("%1–%2 %").arg(from).arg(to);
}

// Shades of each operator's colour on the price chart, each step of them far
// from the one before (the fixed line's yellow darkened so that a line of it
// shows on white). Pure colour, dark, light, and a neighbouring hue.
constexpr std::array<std::array<QRgb, 4>, 4> kShades{{
    {0x0000FF, 0x000080, 0x4DA6FF, 0x7B3FE4},  // T-Mobile, blue
    {0x008000, 0x004000, 0x47C247, 0x00A08C},  // Eurotel, green
    {0xFF0000, 0x8B0000, 0xFF8080, 0xD2691E},  // Oskar, red
    {0xC8A000, 0x7A6000, 0xE6C84D, 0xB07800},  // the fixed line, yellow
}};

// The break-even labels stand in a row above the chart, their leaders fanning
// out below them to the chart's top; the room inside a label's frame either
// side of its text.
constexpr int kFanHeight = 22;
constexpr int kLabelPadding = 3;

}  // namespace

Tcokdyby::Tcokdyby(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Co kdyby"));
    // Esc closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setObjectName(QStringLiteral("cokdyby"));

    m_what = new QComboBox(this);
    m_what->setObjectName(QStringLiteral("what"));
    for (const auto& [text, g] :
         {std::pair{QT_TR_NOOP("vše"), SweepGroup::All}, std::pair{QT_TR_NOOP("volání"), SweepGroup::Calls},
          std::pair{QT_TR_NOOP("zprávy"), SweepGroup::Messages}, std::pair{QT_TR_NOOP("data"), SweepGroup::Data}})
        m_what->addItem(tr(text), static_cast<int>(g));
    m_what->setToolTip(tr("Co se oproti současnému měsíci zvětšuje nebo zmenšuje"));
    m_to = new QSpinBox(this);
    m_to->setObjectName(QStringLiteral("to"));
    m_to->setRange(10, 1000);
    m_to->setSingleStep(10);
    m_to->setSuffix(QStringLiteral(" %"));
    m_to->setValue(300);
    m_to->setToolTip(tr("Největší násobek současného měsíce v grafu"));
    m_tariffs = new QToolButton(this);
    m_tariffs->setObjectName(QStringLiteral("tariffs"));
    m_tariffs->setText(tr("Další tarify…"));
    m_tariffs->setPopupMode(QToolButton::InstantPopup);
    m_tariffs->setToolTip(tr("Tarify, které graf ukáže vedle nejlevnějších (nejvýše %1 čar)").arg(kMaxLines));
    m_tariffMenu = new QMenu(m_tariffs);
    m_tariffs->setMenu(m_tariffMenu);
    fillTariffMenu();

    auto* whatLabel = new QLabel(tr("&Měnit:"), this);
    whatLabel->setBuddy(m_what);
    auto* toLabel = new QLabel(tr("&Až do:"), this);
    toLabel->setBuddy(m_to);
    auto* top = new QHBoxLayout;
    top->addWidget(whatLabel);
    top->addWidget(m_what);
    top->addSpacing(12);
    top->addWidget(toLabel);
    top->addWidget(m_to);
    top->addSpacing(12);
    top->addWidget(m_tariffs);
    top->addStretch(1);

    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("chart"));
    m_plot->setMinimumSize(300, 240);
    m_plot->setMouseTracking(true);
    m_plot->setCursor(Qt::CrossCursor);
    // The wheel zooms and dragging moves; a new sweep shows the whole range again.
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    m_plot->setBackground(palette().window());
    m_plot->axisRect()->setBackground(Qt::white);
    m_plot->xAxis->setLabel(tr("Využití v % současného měsíce"));
    m_plot->yAxis->setLabel(tr("Cena v Kč za měsíc"));
    QFont bold = m_plot->xAxis->labelFont();
    bold.setBold(true);
    m_plot->xAxis->setLabelFont(bold);
    m_plot->yAxis->setLabelFont(bold);
    m_plot->yAxis->setNumberFormat(QStringLiteral("f"));
    m_plot->yAxis->setNumberPrecision(0);
    for (QCPAxis* a : {m_plot->xAxis, m_plot->yAxis}) a->grid()->setPen(QPen(QColor(210, 210, 210), 1, Qt::DotLine));
    // The legend under the chart, four entries a row.
    m_plot->legend->setVisible(true);
    m_plot->axisRect()->insetLayout()->take(m_plot->legend);
    m_plot->plotLayout()->addElement(1, 0, m_plot->legend);
    m_plot->plotLayout()->setRowStretchFactor(1, 0.001);
    m_plot->legend->setFillOrder(QCPLegend::foColumnsFirst);
    m_plot->legend->setBorderPen(Qt::NoPen);
    m_plot->legend->setBrush(Qt::NoBrush);
    m_plot->legend->setMargins(QMargins(4, 2, 4, 2));

    m_now = new QCPItemStraightLine(m_plot);
    m_now->point1->setCoords(100, 0);
    m_now->point2->setCoords(100, 1);
    m_now->setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
    m_nowText = new QCPItemText(m_plot);
    m_nowText->position->setTypeX(QCPItemPosition::ptPlotCoords);
    m_nowText->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    m_nowText->position->setCoords(100, 1);
    m_nowText->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_nowText->setPadding(QMargins(4, 2, 4, 4));
    m_nowText->setText(tr("nyní"));
    m_nowText->setColor(QColor(60, 60, 60));

    m_marks = m_plot->addGraph();
    m_marks->setName(tr("zlomový bod"));
    m_marks->setLineStyle(QCPGraph::lsNone);
    m_marks->setPen(QPen(Qt::black));
    m_marks->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black, 1.5), QBrush(Qt::white), 8));

    m_hoverLine = new QCPItemStraightLine(m_plot);
    m_hoverLine->setPen(QPen(QColor(0, 0, 0, 120), 1));
    m_hoverLine->setVisible(false);
    m_hover = new QCPItemText(m_plot);
    m_hover->position->setTypeX(QCPItemPosition::ptPlotCoords);
    m_hover->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    m_hover->setTextAlignment(Qt::AlignLeft);
    m_hover->setPadding(QMargins(6, 4, 6, 4));
    m_hover->setBrush(QColor(255, 255, 225, 235));
    m_hover->setPen(QPen(QColor(120, 120, 120)));
    m_hover->setVisible(false);
    m_hover->setClipToAxisRect(false);
    m_hover->setLayer(QStringLiteral("overlay"));
    m_hoverLine->setLayer(QStringLiteral("overlay"));

    auto* heading = new QLabel(tr("Nejlevnější tarif"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    m_unlabelled = new QLabel(this);
    m_unlabelled->setObjectName(QStringLiteral("unlabelled"));
    m_unlabelled->setWordWrap(true);
    m_unlabelled->hide();
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("cheapest"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_note = new QLabel(tr("Ceny v celých korunách jako ve výsledcích. Stojí-li několik tarifů stejně "
                                      "málo, jsou nejlevnější všechny."),
                       this);
    m_note->setWordWrap(true);
    QFont small = m_note->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_note->setFont(small);
    m_unlabelled->setFont(small);
    auto* side = new QVBoxLayout;
    side->addWidget(heading);
    side->addWidget(m_unlabelled);
    side->addWidget(m_list, 1);
    side->addWidget(m_note);
    auto* sideBox = new QWidget(this);
    sideBox->setLayout(side);
    side->setContentsMargins(0, 0, 0, 0);
    sideBox->setFixedWidth(230);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_plot, 1);
    middle->addWidget(sideBox);

    Button1 = new QPushButton(tr("Zavřít"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Button1);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    v->addLayout(top);
    v->addLayout(middle, 1);
    v->addLayout(bottom);
    resize(780, 540);

    m_rerun.setSingleShot(true);
    m_rerun.setInterval(0);
    connect(&m_rerun, &QTimer::timeout, this, &Tcokdyby::recalc);
    connect(m_what, &QComboBox::currentIndexChanged, this, [this] { recalc(); });
    connect(m_to, &QSpinBox::valueChanged, this, [this] { recalc(); });
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(m_plot, &QCustomPlot::mouseMove, this, &Tcokdyby::plotMouseMove);
    connect(m_plot, &QCustomPlot::afterLayout, this, &Tcokdyby::placeLabels);
    m_plot->installEventFilter(this);
}

Tcokdyby::~Tcokdyby() = default;

QPen Tcokdyby::linePen(Operator op, int nth) {
    // Solid and dashed take turns; so do the shades, each met once solid and
    // once dashed in eight lines.
    static constexpr int kShadeOf[8] = {0, 1, 2, 3, 1, 0, 3, 2};
    nth = std::max(0, nth) % 8;
    const QRgb colour = kShades[static_cast<std::size_t>(op)][static_cast<std::size_t>(kShadeOf[nth])];
    const bool dashed = nth % 2 == 1;
    QPen pen(QColor::fromRgb(colour), 2.0, dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen Tcokdyby::dataLinePen(const QColor& colour, int nth) {
    // Three styles by three shades, neighbours differing in both.
    static constexpr Qt::PenStyle kStyles[3] = {Qt::DashDotLine, Qt::DotLine, Qt::DashDotDotLine};
    nth = std::max(0, nth) % 9;
    QColor shade = colour;
    switch ((nth + nth / 3) % 3) {
        case 1: shade = colour.darker(170); break;
        case 2: {
            float h = 0, sat = 0, v = 0;
            colour.getHsvF(&h, &sat, &v);
            shade = QColor::fromHsvF(h < 0 ? 0.6f : std::fmod(h + 0.12f, 1.0f), std::max(sat, 0.45f), std::min(v, 0.8f));
            break;
        }
        default: break;
    }
    QPen pen(shade, 2.0, kStyles[nth % 3]);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QColor Tcokdyby::dataColour(const catalogue::DataTariff& t) {
    const QColor c(QString::fromStdString(t.color));
    return c.isValid() ? c : QColor(0x80, 0x80, 0x80);
}

QString Tcokdyby::shortName(int t) const {
    if (t < kTariffCount) return qstr(kTariffs[static_cast<std::size_t>(t)].name);
    return m_looks[static_cast<std::size_t>(t - kTariffCount)].name;
}

QString Tcokdyby::longName(int t) const { return QString::fromStdString(m_sweep.label(t)); }

// "Start", "Start, Pohoda", "Start, Pohoda +3".
QString Tcokdyby::shortNames(const TariffSet& set) const {
    const std::vector<int> ts = tariffsOf(set);
    if (ts.empty()) return tr("žádný");
    QString s = shortName(ts[0]);
    if (ts.size() > 1) s += QStringLiteral(", ") + shortName(ts[1]);
    if (ts.size() > 2) s += QStringLiteral(" +%1").arg(ts.size() - 2);
    return s;
}

QString Tcokdyby::longNames(const TariffSet& set) const {
    QStringList names;
    for (int t : tariffsOf(set)) names << longName(t);
    return names.isEmpty() ? tr("žádný tarif") : names.join(QStringLiteral(", "));
}

void Tcokdyby::setDataTariffs(std::vector<catalogue::DataTariff> tariffs, bool builtinPriced) {
    // A chosen tariff of a file stays chosen by its id.
    std::vector<std::string> chosenIds;
    for (int t : m_chosen)
        if (t >= kTariffCount) chosenIds.push_back(m_data[static_cast<std::size_t>(t - kTariffCount)].id);
    std::erase_if(m_chosen, [](int t) { return t >= kTariffCount; });
    m_data = std::move(tariffs);
    m_builtin = builtinPriced;
    for (std::size_t i = 0; i < m_data.size(); ++i)
        if (std::find(chosenIds.begin(), chosenIds.end(), m_data[i].id) != chosenIds.end())
            m_chosen.push_back(kTariffCount + static_cast<int>(i));
    for (QMenu* m : m_operatorMenus) m->menuAction()->setVisible(m_builtin);
    fillDataMenu();
    m_tariffs->setEnabled(m_builtin || !m_data.empty());
    inputsChanged();
}

void Tcokdyby::setProfileSource(std::function<Profile()> source) {
    m_profileSource = std::move(source);
    inputsChanged();
}

void Tcokdyby::setOptionsSource(std::function<RunOptions()> source) {
    m_optionsSource = std::move(source);
    inputsChanged();
}

void Tcokdyby::watch(QWidget* w) {
    if (!w) return;
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (!e->isReadOnly()) connect(e, &QLineEdit::textChanged, this, &Tcokdyby::inputsChanged);
    for (QComboBox* c : w->findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &Tcokdyby::inputsChanged);
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (b->isCheckable()) connect(b, &QAbstractButton::toggled, this, &Tcokdyby::inputsChanged);
}

void Tcokdyby::inputsChanged() {
    m_stale = true;
    if (isVisible()) m_rerun.start();
}

void Tcokdyby::setGroup(SweepGroup g) { m_what->setCurrentIndex(m_what->findData(static_cast<int>(g))); }

SweepGroup Tcokdyby::group() const { return static_cast<SweepGroup>(m_what->currentData().toInt()); }

void Tcokdyby::setMaxFactor(int percent) { m_to->setValue(percent); }

int Tcokdyby::maxFactor() const { return m_to->value(); }

void Tcokdyby::setChosen(const std::vector<int>& tariffs) {
    m_chosen.clear();
    const int count = kTariffCount + static_cast<int>(m_data.size());
    for (int t : tariffs)
        if (t >= 0 && t < count && std::find(m_chosen.begin(), m_chosen.end(), t) == m_chosen.end())
            m_chosen.push_back(t);
    for (QAction* a : m_tariffMenu->findChildren<QAction*>()) {
        if (!a->isCheckable()) continue;
        const QSignalBlocker block(a);
        a->setChecked(std::find(m_chosen.begin(), m_chosen.end(), a->data().toInt()) != m_chosen.end());
    }
    redraw();
}

QCustomPlot* Tcokdyby::plot() const { return m_plot; }

bool Tcokdyby::event(QEvent* e) {
    // Coming back to the window prices the profile as it is now.
    if (e->type() == QEvent::WindowActivate) recalc();
    // The chart's surround follows the window (white for printing).
    if (e->type() == QEvent::PaletteChange && m_plot) {
        m_plot->setBackground(palette().window());
        m_plot->replot();
    }
    return QWidget::event(e);
}

bool Tcokdyby::eventFilter(QObject* watched, QEvent* e) {
    // As many legend entries a row as the width takes; before the plot lays
    // itself out for the new size.
    if (watched == m_plot && e->type() == QEvent::Resize) m_plot->legend->setWrap(std::max(2, m_plot->width() / 130));
    if (watched == m_plot && e->type() == QEvent::Leave && m_hover->visible()) {
        m_hover->setVisible(false);
        m_hoverLine->setVisible(false);
        m_plot->replot(QCustomPlot::rpQueuedReplot);
    }
    return QWidget::eventFilter(watched, e);
}

void Tcokdyby::showEvent(QShowEvent* e) {
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            if (width() > area.width() || height() > area.height())
                resize(std::min(width(), area.width() - 16), std::min(height(), area.height() - 40));
            move(area.center() - rect().center());
        }
    }
    if (m_stale) recalc();
    QWidget::showEvent(e);
}

void Tcokdyby::recalc() {
    m_rerun.stop();
    m_stale = false;
    const Profile profile = m_profileSource ? m_profileSource() : Profile{};
    m_options = m_optionsSource ? m_optionsSource() : RunOptions{};
    const SweepRange range{m_to->value(), 1};
    if (m_data.empty() && m_builtin) {
        m_sweep = runSweep(profile, m_options, group(), range);
    } else {
        std::vector<const catalogue::DataTariff*> tariffs;
        for (const catalogue::DataTariff& t : m_data) tariffs.push_back(&t);
        m_sweep = catalogue::runSweep(profile, m_options, group(), range, tariffs, m_builtin);
    }
    // The names and colours of the tariffs of files as this sweep numbers them.
    m_looks.clear();
    const QFontMetrics fm(m_plot->font());
    for (const catalogue::DataTariff& t : m_data)
        m_looks.push_back({fm.elidedText(QString::fromStdString(t.name), Qt::ElideRight, kDataNameWidth),
                          dataColour(t)});
    fillList();
    redraw();
}

void Tcokdyby::chooseLines() {
    // The tariffs cheapest somewhere: the one at 100 % first, then by the
    // width of their ranges.
    std::vector<std::int64_t> width(static_cast<std::size_t>(m_sweep.tariffCount()));
    std::vector<int> cheapest;
    for (const TariffRange& r : m_sweep.ranges) {
        if (width[static_cast<std::size_t>(r.tariff)] == 0) cheapest.push_back(r.tariff);
        width[static_cast<std::size_t>(r.tariff)] += r.to - r.from + 1;
    }
    const SweepPoint* now = m_sweep.at(100);
    auto first = [&](int t) { return now && contains(now->cheapest, t); };
    std::stable_sort(cheapest.begin(), cheapest.end(), [&](int a, int b) {
        if (first(a) != first(b)) return first(a);
        return width[static_cast<std::size_t>(a)] > width[static_cast<std::size_t>(b)];
    });
    m_lines.clear();
    auto add = [this](int t) {
        if (static_cast<int>(m_lines.size()) >= kMaxLines) return;
        if (t == kTelecomIndex && !m_options.fixedLine) return;
        if (t >= m_sweep.tariffCount() || (t < kTariffCount && !m_sweep.builtin)) return;
        if (std::find(m_lines.begin(), m_lines.end(), t) == m_lines.end()) m_lines.push_back(t);
    };
    for (int t : cheapest) add(t);
    for (int t : m_chosen) add(t);
}

void Tcokdyby::redraw() {
    chooseLines();
    // Everything but the break-even marks goes and is drawn afresh.
    for (int i = m_plot->graphCount() - 1; i >= 0; --i)
        if (m_plot->graph(i) != m_marks) m_plot->removeGraph(i);
    for (const BreakEvenLabel& l : m_labels) {
        m_plot->removeItem(l.text);
        m_plot->removeItem(l.leader);
        m_plot->removeItem(l.drop);
    }
    m_labels.clear();
    m_hover->setVisible(false);
    m_hoverLine->setVisible(false);
    m_plot->legend->clearItems();

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto n = static_cast<int>(m_sweep.points.size());
    QVector<double> keys(n);
    for (int k = 0; k < n; ++k) keys[k] = m_sweep.points[static_cast<std::size_t>(k)].percent;
    std::array<int, 4> perOperator{};
    std::vector<std::pair<QRgb, int>> perColour;
    double highest = 0;
    for (int t : m_lines) {
        QCPGraph* g = m_plot->addGraph();
        g->setName(shortName(t));
        if (t < kTariffCount) {
            const TariffInfo& info = kTariffs[static_cast<std::size_t>(t)];
            g->setPen(linePen(info.op, perOperator[static_cast<std::size_t>(info.op)]++));
        } else {
            const QColor colour = m_looks[static_cast<std::size_t>(t - kTariffCount)].colour;
            auto it = std::find_if(perColour.begin(), perColour.end(),
                                   [&](const auto& c) { return c.first == colour.rgb(); });
            if (it == perColour.end()) it = perColour.insert(perColour.end(), {colour.rgb(), 0});
            g->setPen(dataLinePen(colour, it->second++));
        }
        QVector<double> values(n);
        for (int i = 0; i < n; ++i) {
            const SweepPoint& pt = m_sweep.points[static_cast<std::size_t>(i)];
            const bool shown = contains(pt.priced, t) && !contains(pt.unsupported, t);
            values[i] = shown ? pt.price[static_cast<std::size_t>(t)] : nan;
            if (shown) highest = std::max(highest, values[i]);
        }
        g->setData(keys, values, true);
    }
    // The cheapest price over the range decides the scale; dearer stretches
    // of the lines may leave the top.
    double envelope = 0;
    for (const SweepPoint& pt : m_sweep.points) {
        for (int t : tariffsOf(pt.cheapest)) {
            envelope = std::max(envelope, double(pt.price[static_cast<std::size_t>(t)]));
            break;
        }
    }
    const double upper = std::max(10.0, std::min(highest, 1.5 * envelope) * 1.05);
    m_plot->xAxis->setRange(0, std::max(1, m_to->value()));
    m_plot->yAxis->setRange(0, upper);
    m_now->setVisible(m_to->value() >= 100);
    m_nowText->setVisible(m_to->value() >= 100);

    // The break-even points: a mark at the new cheapest price, a label with
    // the factor and the tariffs before and after.
    QVector<double> mx, my;
    QFont labelFont = m_plot->font();
    labelFont.setPointSizeF(std::max(6.0, labelFont.pointSizeF() * 0.85));
    for (std::size_t i = 0; i < m_sweep.breakEvens.size(); ++i) {
        const BreakEven& b = m_sweep.breakEvens[i];
        const SweepPoint* pt = m_sweep.at(b.at);
        const std::vector<int> after = tariffsOf(b.after);
        if (!pt || after.empty()) continue;
        const double price = pt->price[static_cast<std::size_t>(after.front())];
        mx << b.at;
        my << price;
        auto* text = new QCPItemText(m_plot);
        text->setFont(labelFont);
        text->setPadding(QMargins(kLabelPadding, 1, kLabelPadding, 1));
        text->setBrush(QColor(255, 255, 255, 235));
        text->setPen(QPen(QColor(150, 150, 150)));
        text->position->setType(QCPItemPosition::ptAbsolute);
        text->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        text->setClipToAxisRect(false);
        text->setVisible(false);
        // From the label to the chart's top over the point, then down to it.
        auto* leader = new QCPItemLine(m_plot);
        leader->setClipToAxisRect(false);
        leader->setPen(QPen(QColor(110, 110, 110), 1));
        leader->start->setType(QCPItemPosition::ptAbsolute);
        leader->end->setType(QCPItemPosition::ptAbsolute);
        leader->setVisible(false);
        auto* drop = new QCPItemLine(m_plot);
        drop->setPen(QPen(QColor(110, 110, 110), 1, Qt::DotLine));
        drop->start->setTypeX(QCPItemPosition::ptPlotCoords);
        drop->start->setTypeY(QCPItemPosition::ptAxisRectRatio);
        drop->start->setCoords(b.at, 0);
        drop->end->setCoords(b.at, price);
        drop->setVisible(false);
        const CheapestSpan& spanBefore = m_sweep.spans[i];
        const CheapestSpan& spanAfter = m_sweep.spans[i + 1];
        m_labels.push_back({text, leader, drop,
                           QStringLiteral("%1 %\n%2 → %3").arg(b.at).arg(shortNames(b.before), shortNames(b.after)),
                           QStringLiteral("%1 %").arg(b.at), double(b.at),
                           (spanBefore.to - spanBefore.from) + (spanAfter.to - spanAfter.from)});
    }
    m_marks->setData(mx, my, true);
    m_breakEvenMarks = static_cast<int>(mx.size());
    // The labels stand above the chart, clear of the lines.
    const QFontMetrics fm(labelFont);
    m_labelHeight = 2 * fm.height() + 4;
    m_plot->axisRect()->setAutoMargins(QCP::msLeft | QCP::msRight | QCP::msBottom);
    m_plot->axisRect()->setMargins(QMargins(0, static_cast<int>(m_labelHeight + kFanHeight + 6), 0, 0));
    m_plot->legend->setWrap(std::max(2, m_plot->width() / 130));
    // The legend: the lines, then the marks.
    for (int i = 0; i < m_plot->graphCount(); ++i)
        if (m_plot->graph(i) != m_marks) m_plot->graph(i)->addToLegend();
    if (!mx.isEmpty()) m_marks->addToLegend();
    m_plot->replot();
}

// The labels stand in a row above the chart, in the order of their points:
// as many as the row holds with the factor, the most telling with the tariffs
// too (see labelplacement.h). Where the chart cannot name every change, the
// list beside it, which does, says so.
void Tcokdyby::placeLabels() {
    const QRect area = m_plot->axisRect()->rect();
    if (area.height() <= 0) return;
    auto widthOf = [](const QCPItemText* item, const QString& text) {
        const QFontMetrics fm(item->font());
        return fm.boundingRect(0, 0, 0, 0, Qt::TextDontClip | Qt::AlignHCenter, text).width() + 2 * kLabelPadding + 2.0;
    };
    std::vector<whatif::LabelRequest> requests;
    std::vector<BreakEvenLabel*> onChart;
    for (BreakEvenLabel& l : m_labels) {
        l.isFull = false;
        l.text->setVisible(false);
        l.leader->setVisible(false);
        l.drop->setVisible(false);
        const double x = m_plot->xAxis->coordToPixel(l.percent);
        if (x < area.left() - 0.5 || x > area.right() + 0.5) continue;
        requests.push_back({x, widthOf(l.text, l.full), widthOf(l.text, l.brief), l.weight});
        onChart.push_back(&l);
    }
    whatif::LabelRoom room;
    room.left = 2;
    room.right = m_plot->width() - 2;
    const std::vector<whatif::LabelPlace> places = whatif::placeLabels(requests, room);
    const double bottom = area.top() - kFanHeight;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const whatif::LabelPlace& p = places[i];
        BreakEvenLabel& l = *onChart[i];
        if (p.form == whatif::LabelForm::None) continue;
        l.isFull = p.form == whatif::LabelForm::Full;
        l.text->setText(l.isFull ? l.full : l.brief);
        l.text->position->setCoords(p.left, bottom);
        l.leader->start->setCoords(p.leaderX, bottom);
        l.leader->end->setCoords(requests[i].anchor, area.top());
        l.text->setVisible(true);
        l.leader->setVisible(true);
        l.drop->setVisible(true);
    }
    const int marks = static_cast<int>(m_labels.size());
    const int full = breakEvenFullLabels();
    m_unlabelled->setVisible(full < marks);
    if (full < marks) {
        const QString text =
            tr("Na grafu jsou tarify u %1 z %2 zlomových bodů; všechny změny uvádí seznam.").arg(full).arg(marks);
        if (m_unlabelled->text() != text) m_unlabelled->setText(text);
    }
}

int Tcokdyby::breakEvenLabels() const {
    return static_cast<int>(
        std::count_if(m_labels.begin(), m_labels.end(), [](const BreakEvenLabel& l) { return l.text->visible(); }));
}

int Tcokdyby::breakEvenFullLabels() const {
    return static_cast<int>(std::count_if(m_labels.begin(), m_labels.end(),
                                          [](const BreakEvenLabel& l) { return l.text->visible() && l.isFull; }));
}

std::vector<Tcokdyby::ShownLabel> Tcokdyby::shownLabels() const {
    std::vector<ShownLabel> out;
    for (const BreakEvenLabel& l : m_labels) {
        if (!l.text->visible()) continue;
        const QRectF box(l.text->topLeft->pixelPosition(), l.text->bottomRight->pixelPosition());
        out.push_back({l.text->text(), box, l.leader->start->pixelPosition().x(), l.leader->end->pixelPosition().x()});
    }
    std::sort(out.begin(), out.end(), [](const ShownLabel& a, const ShownLabel& b) { return a.pointX < b.pointX; });
    return out;
}

void Tcokdyby::fillList() {
    m_list->clear();
    for (const CheapestSpan& c : m_sweep.spans) {
        auto* item = new QListWidgetItem(span(c.from, c.to) + QStringLiteral(": ") + longNames(c.cheapest), m_list);
        if (c.from <= 100 && 100 <= c.to) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
            item->setToolTip(tr("Tady je současný měsíc (100 %)"));
        } else if (!c.cheapest.empty() && tariffsOf(c.cheapest).back() >= kTariffCount) {
            item->setToolTip(item->text());  // a name from a file may be too long to read whole
        }
    }
    bool overMonth = false;
    for (const SweepPoint& pt : m_sweep.points) overMonth |= pt.totalCallMinutes >= sazbar::kMonthMinutes;
    if (overMonth) {
        auto* item = new QListWidgetItem(
            tr("Od %1 % je volání víc, než má měsíc minut.")
                .arg(std::find_if(m_sweep.points.begin(), m_sweep.points.end(),
                                  [](const SweepPoint& p) { return p.totalCallMinutes >= sazbar::kMonthMinutes; })
                         ->percent),
            m_list);
        item->setForeground(QColor(120, 120, 120));
    }
}

QStringList Tcokdyby::cheapestTexts() const {
    QStringList out;
    for (int i = 0; i < static_cast<int>(m_sweep.spans.size()) && i < m_list->count(); ++i) out << m_list->item(i)->text();
    return out;
}

void Tcokdyby::fillTariffMenu() {
    const std::pair<Operator, const char*> groups[] = {{Operator::TMobile, "T-Mobile"},
                                                       {Operator::Eurotel, "Eurotel"},
                                                       {Operator::Oskar, "Oskar"},
                                                       {Operator::FixedLine, "Český Telecom"}};
    for (const auto& [op, title] : groups) {
        QMenu* sub = m_tariffMenu->addMenu(QString::fromUtf8(title));
        m_operatorMenus.push_back(sub);
        for (int t = 0; t < kTariffCount; ++t) {
            if (kTariffs[static_cast<std::size_t>(t)].op != op) continue;
            QAction* a = sub->addAction(shortName(t));
            a->setCheckable(true);
            a->setData(t);
            connect(a, &QAction::toggled, this, [this, t](bool on) { chooseTariff(t, on); });
        }
    }
}

// The tariffs of the files in a group of their own below the operators'.
void Tcokdyby::fillDataMenu() {
    delete m_dataMenu;
    m_dataMenu = nullptr;
    if (m_data.empty()) return;
    m_dataMenu = m_tariffMenu->addMenu(tr("Vlastní tarify"));
    m_dataMenu->setObjectName(QStringLiteral("dataTariffs"));
    m_dataMenu->setToolTipsVisible(true);
    const QFontMetrics fm(m_dataMenu->font());
    for (std::size_t i = 0; i < m_data.size(); ++i) {
        const int t = kTariffCount + static_cast<int>(i);
        const QString full = QString::fromStdString(m_data[i].operatorName + ' ' + m_data[i].name);
        QAction* a = m_dataMenu->addAction(fm.elidedText(full, Qt::ElideRight, kDataMenuWidth));
        a->setToolTip(full);
        a->setCheckable(true);
        a->setChecked(std::find(m_chosen.begin(), m_chosen.end(), t) != m_chosen.end());
        a->setData(t);
        connect(a, &QAction::toggled, this, [this, t](bool on) { chooseTariff(t, on); });
    }
}

void Tcokdyby::chooseTariff(int t, bool on) {
    const auto it = std::find(m_chosen.begin(), m_chosen.end(), t);
    if (on && it == m_chosen.end()) m_chosen.push_back(t);
    if (!on && it != m_chosen.end()) m_chosen.erase(it);
    redraw();
}

void Tcokdyby::hoverAt(double percent) {
    const auto& pts = m_sweep.points;
    if (pts.empty() || m_lines.empty()) {
        m_hover->setVisible(false);
        m_hoverLine->setVisible(false);
        return;
    }
    auto it = std::lower_bound(pts.begin(), pts.end(), percent,
                               [](const SweepPoint& p, double f) { return p.percent < f; });
    if (it == pts.end()) --it;
    if (it != pts.begin() && percent - std::prev(it)->percent < it->percent - percent) --it;
    const SweepPoint& pt = *it;

    std::vector<int> order = m_lines;
    auto shown = [&](int t) { return contains(pt.priced, t) && !contains(pt.unsupported, t); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (shown(a) != shown(b)) return shown(a);
        return pt.price[static_cast<std::size_t>(a)] < pt.price[static_cast<std::size_t>(b)];
    });
    QStringList rows{QStringLiteral("%1 %").arg(pt.percent)};
    const QFontMetricsF fm(m_hover->font());
    for (int t : order) {
        QString row = (t < kTariffCount ? longName(t) : fm.elidedText(longName(t), Qt::ElideRight, kDataHoverWidth)) +
                      QStringLiteral(": ");
        row += shown(t) ? QStringLiteral("%1 Kč").arg(pt.price[static_cast<std::size_t>(t)])
                        : tr("nepodporuje");
        if (contains(pt.cheapest, t)) row += tr("  ◄ nejlevnější");
        rows << row;
    }
    m_hover->setText(rows.join(QLatin1Char('\n')));
    // Right of the line where the box fits, else left of it.
    double boxWidth = 0;
    for (const QString& r : rows) boxWidth = std::max(boxWidth, fm.horizontalAdvance(r));
    const double x = m_plot->xAxis->coordToPixel(pt.percent);
    const QRect area = m_plot->axisRect()->rect();
    const bool left = x + boxWidth + 16 > area.right() && x - area.left() > area.right() - x;
    m_hover->setPositionAlignment((left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    m_hover->position->setCoords(pt.percent, 0.55);
    m_hoverLine->point1->setCoords(pt.percent, 0);
    m_hoverLine->point2->setCoords(pt.percent, 1);
    m_hover->setVisible(true);
    m_hoverLine->setVisible(true);
    m_plot->replot(QCustomPlot::rpQueuedReplot);
}

QString Tcokdyby::hoverText() const { return m_hover->visible() ? m_hover->text() : QString(); }

void Tcokdyby::plotMouseMove(QMouseEvent* e) {
    if (!m_plot->axisRect()->rect().contains(e->pos())) {
        if (m_hover->visible()) {
            m_hover->setVisible(false);
            m_hoverLine->setVisible(false);
            m_plot->replot(QCustomPlot::rpQueuedReplot);
        }
        return;
    }
    hoverAt(m_plot->xAxis->pixelToCoord(e->position().x()));
}
