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

    what_ = new QComboBox(this);
    what_->setObjectName(QStringLiteral("what"));
    for (const auto& [text, g] :
         {std::pair{QT_TR_NOOP("vše"), SweepGroup::All}, std::pair{QT_TR_NOOP("volání"), SweepGroup::Calls},
          std::pair{QT_TR_NOOP("zprávy"), SweepGroup::Messages}, std::pair{QT_TR_NOOP("data"), SweepGroup::Data}})
        what_->addItem(tr(text), static_cast<int>(g));
    what_->setToolTip(tr("Co se oproti současnému měsíci zvětšuje nebo zmenšuje"));
    to_ = new QSpinBox(this);
    to_->setObjectName(QStringLiteral("to"));
    to_->setRange(10, 1000);
    to_->setSingleStep(10);
    to_->setSuffix(QStringLiteral(" %"));
    to_->setValue(300);
    to_->setToolTip(tr("Největší násobek současného měsíce v grafu"));
    tariffs_ = new QToolButton(this);
    tariffs_->setObjectName(QStringLiteral("tariffs"));
    tariffs_->setText(tr("Další tarify…"));
    tariffs_->setPopupMode(QToolButton::InstantPopup);
    tariffs_->setToolTip(tr("Tarify, které graf ukáže vedle nejlevnějších (nejvýše %1 čar)").arg(kMaxLines));
    tariffMenu_ = new QMenu(tariffs_);
    tariffs_->setMenu(tariffMenu_);
    fillTariffMenu();

    auto* whatLabel = new QLabel(tr("&Měnit:"), this);
    whatLabel->setBuddy(what_);
    auto* toLabel = new QLabel(tr("&Až do:"), this);
    toLabel->setBuddy(to_);
    auto* top = new QHBoxLayout;
    top->addWidget(whatLabel);
    top->addWidget(what_);
    top->addSpacing(12);
    top->addWidget(toLabel);
    top->addWidget(to_);
    top->addSpacing(12);
    top->addWidget(tariffs_);
    top->addStretch(1);

    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("chart"));
    plot_->setMinimumSize(300, 240);
    plot_->setMouseTracking(true);
    plot_->setCursor(Qt::CrossCursor);
    // The wheel zooms and dragging moves; a new sweep shows the whole range again.
    plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot_->setBackground(palette().window());
    plot_->axisRect()->setBackground(Qt::white);
    plot_->xAxis->setLabel(tr("Využití v % současného měsíce"));
    plot_->yAxis->setLabel(tr("Cena v Kč za měsíc"));
    QFont bold = plot_->xAxis->labelFont();
    bold.setBold(true);
    plot_->xAxis->setLabelFont(bold);
    plot_->yAxis->setLabelFont(bold);
    plot_->yAxis->setNumberFormat(QStringLiteral("f"));
    plot_->yAxis->setNumberPrecision(0);
    for (QCPAxis* a : {plot_->xAxis, plot_->yAxis}) a->grid()->setPen(QPen(QColor(210, 210, 210), 1, Qt::DotLine));
    // The legend under the chart, four entries a row.
    plot_->legend->setVisible(true);
    plot_->axisRect()->insetLayout()->take(plot_->legend);
    plot_->plotLayout()->addElement(1, 0, plot_->legend);
    plot_->plotLayout()->setRowStretchFactor(1, 0.001);
    plot_->legend->setFillOrder(QCPLegend::foColumnsFirst);
    plot_->legend->setBorderPen(Qt::NoPen);
    plot_->legend->setBrush(Qt::NoBrush);
    plot_->legend->setMargins(QMargins(4, 2, 4, 2));

    now_ = new QCPItemStraightLine(plot_);
    now_->point1->setCoords(100, 0);
    now_->point2->setCoords(100, 1);
    now_->setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
    nowText_ = new QCPItemText(plot_);
    nowText_->position->setTypeX(QCPItemPosition::ptPlotCoords);
    nowText_->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    nowText_->position->setCoords(100, 1);
    nowText_->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    nowText_->setPadding(QMargins(4, 2, 4, 4));
    nowText_->setText(tr("nyní"));
    nowText_->setColor(QColor(60, 60, 60));

    marks_ = plot_->addGraph();
    marks_->setName(tr("zlomový bod"));
    marks_->setLineStyle(QCPGraph::lsNone);
    marks_->setPen(QPen(Qt::black));
    marks_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black, 1.5), QBrush(Qt::white), 8));

    hoverLine_ = new QCPItemStraightLine(plot_);
    hoverLine_->setPen(QPen(QColor(0, 0, 0, 120), 1));
    hoverLine_->setVisible(false);
    hover_ = new QCPItemText(plot_);
    hover_->position->setTypeX(QCPItemPosition::ptPlotCoords);
    hover_->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    hover_->setTextAlignment(Qt::AlignLeft);
    hover_->setPadding(QMargins(6, 4, 6, 4));
    hover_->setBrush(QColor(255, 255, 225, 235));
    hover_->setPen(QPen(QColor(120, 120, 120)));
    hover_->setVisible(false);
    hover_->setClipToAxisRect(false);
    hover_->setLayer(QStringLiteral("overlay"));
    hoverLine_->setLayer(QStringLiteral("overlay"));

    auto* heading = new QLabel(tr("Nejlevnější tarif"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    unlabelled_ = new QLabel(this);
    unlabelled_->setObjectName(QStringLiteral("unlabelled"));
    unlabelled_->setWordWrap(true);
    unlabelled_->hide();
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("cheapest"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    note_ = new QLabel(tr("Ceny v celých korunách jako ve výsledcích. Stojí-li několik tarifů stejně "
                                      "málo, jsou nejlevnější všechny."),
                       this);
    note_->setWordWrap(true);
    QFont small = note_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    note_->setFont(small);
    unlabelled_->setFont(small);
    auto* side = new QVBoxLayout;
    side->addWidget(heading);
    side->addWidget(unlabelled_);
    side->addWidget(list_, 1);
    side->addWidget(note_);
    auto* sideBox = new QWidget(this);
    sideBox->setLayout(side);
    side->setContentsMargins(0, 0, 0, 0);
    sideBox->setFixedWidth(230);

    auto* middle = new QHBoxLayout;
    middle->addWidget(plot_, 1);
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

    rerun_.setSingleShot(true);
    rerun_.setInterval(0);
    connect(&rerun_, &QTimer::timeout, this, &Tcokdyby::recalc);
    connect(what_, &QComboBox::currentIndexChanged, this, [this] { recalc(); });
    connect(to_, &QSpinBox::valueChanged, this, [this] { recalc(); });
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(plot_, &QCustomPlot::mouseMove, this, &Tcokdyby::plotMouseMove);
    connect(plot_, &QCustomPlot::afterLayout, this, &Tcokdyby::placeLabels);
    plot_->installEventFilter(this);
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
    return looks_[static_cast<std::size_t>(t - kTariffCount)].name;
}

QString Tcokdyby::longName(int t) const { return QString::fromStdString(sweep_.label(t)); }

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
    for (int t : chosen_)
        if (t >= kTariffCount) chosenIds.push_back(data_[static_cast<std::size_t>(t - kTariffCount)].id);
    std::erase_if(chosen_, [](int t) { return t >= kTariffCount; });
    data_ = std::move(tariffs);
    builtin_ = builtinPriced;
    for (std::size_t i = 0; i < data_.size(); ++i)
        if (std::find(chosenIds.begin(), chosenIds.end(), data_[i].id) != chosenIds.end())
            chosen_.push_back(kTariffCount + static_cast<int>(i));
    for (QMenu* m : operatorMenus_) m->menuAction()->setVisible(builtin_);
    fillDataMenu();
    tariffs_->setEnabled(builtin_ || !data_.empty());
    inputsChanged();
}

void Tcokdyby::setProfileSource(std::function<Profile()> source) {
    profileSource_ = std::move(source);
    inputsChanged();
}

void Tcokdyby::setOptionsSource(std::function<RunOptions()> source) {
    optionsSource_ = std::move(source);
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
    stale_ = true;
    if (isVisible()) rerun_.start();
}

void Tcokdyby::setGroup(SweepGroup g) { what_->setCurrentIndex(what_->findData(static_cast<int>(g))); }

SweepGroup Tcokdyby::group() const { return static_cast<SweepGroup>(what_->currentData().toInt()); }

void Tcokdyby::setMaxFactor(int percent) { to_->setValue(percent); }

int Tcokdyby::maxFactor() const { return to_->value(); }

void Tcokdyby::setChosen(const std::vector<int>& tariffs) {
    chosen_.clear();
    const int count = kTariffCount + static_cast<int>(data_.size());
    for (int t : tariffs)
        if (t >= 0 && t < count && std::find(chosen_.begin(), chosen_.end(), t) == chosen_.end())
            chosen_.push_back(t);
    for (QAction* a : tariffMenu_->findChildren<QAction*>()) {
        if (!a->isCheckable()) continue;
        const QSignalBlocker block(a);
        a->setChecked(std::find(chosen_.begin(), chosen_.end(), a->data().toInt()) != chosen_.end());
    }
    redraw();
}

QCustomPlot* Tcokdyby::plot() const { return plot_; }

bool Tcokdyby::event(QEvent* e) {
    // Coming back to the window prices the profile as it is now.
    if (e->type() == QEvent::WindowActivate) recalc();
    // The chart's surround follows the window (white for printing).
    if (e->type() == QEvent::PaletteChange && plot_) {
        plot_->setBackground(palette().window());
        plot_->replot();
    }
    return QWidget::event(e);
}

bool Tcokdyby::eventFilter(QObject* watched, QEvent* e) {
    // As many legend entries a row as the width takes; before the plot lays
    // itself out for the new size.
    if (watched == plot_ && e->type() == QEvent::Resize) plot_->legend->setWrap(std::max(2, plot_->width() / 130));
    if (watched == plot_ && e->type() == QEvent::Leave && hover_->visible()) {
        hover_->setVisible(false);
        hoverLine_->setVisible(false);
        plot_->replot(QCustomPlot::rpQueuedReplot);
    }
    return QWidget::eventFilter(watched, e);
}

void Tcokdyby::showEvent(QShowEvent* e) {
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            if (width() > area.width() || height() > area.height())
                resize(std::min(width(), area.width() - 16), std::min(height(), area.height() - 40));
            move(area.center() - rect().center());
        }
    }
    if (stale_) recalc();
    QWidget::showEvent(e);
}

void Tcokdyby::recalc() {
    rerun_.stop();
    stale_ = false;
    const Profile profile = profileSource_ ? profileSource_() : Profile{};
    options_ = optionsSource_ ? optionsSource_() : RunOptions{};
    const SweepRange range{to_->value(), 1};
    if (data_.empty() && builtin_) {
        sweep_ = runSweep(profile, options_, group(), range);
    } else {
        std::vector<const catalogue::DataTariff*> tariffs;
        for (const catalogue::DataTariff& t : data_) tariffs.push_back(&t);
        sweep_ = catalogue::runSweep(profile, options_, group(), range, tariffs, builtin_);
    }
    // The names and colours of the tariffs of files as this sweep numbers them.
    looks_.clear();
    const QFontMetrics fm(plot_->font());
    for (const catalogue::DataTariff& t : data_)
        looks_.push_back({fm.elidedText(QString::fromStdString(t.name), Qt::ElideRight, kDataNameWidth),
                          dataColour(t)});
    fillList();
    redraw();
}

void Tcokdyby::chooseLines() {
    // The tariffs cheapest somewhere: the one at 100 % first, then by the
    // width of their ranges.
    std::vector<std::int64_t> width(static_cast<std::size_t>(sweep_.tariffCount()));
    std::vector<int> cheapest;
    for (const TariffRange& r : sweep_.ranges) {
        if (width[static_cast<std::size_t>(r.tariff)] == 0) cheapest.push_back(r.tariff);
        width[static_cast<std::size_t>(r.tariff)] += r.to - r.from + 1;
    }
    const SweepPoint* now = sweep_.at(100);
    auto first = [&](int t) { return now && contains(now->cheapest, t); };
    std::stable_sort(cheapest.begin(), cheapest.end(), [&](int a, int b) {
        if (first(a) != first(b)) return first(a);
        return width[static_cast<std::size_t>(a)] > width[static_cast<std::size_t>(b)];
    });
    lines_.clear();
    auto add = [this](int t) {
        if (static_cast<int>(lines_.size()) >= kMaxLines) return;
        if (t == kTelecomIndex && !options_.fixedLine) return;
        if (t >= sweep_.tariffCount() || (t < kTariffCount && !sweep_.builtin)) return;
        if (std::find(lines_.begin(), lines_.end(), t) == lines_.end()) lines_.push_back(t);
    };
    for (int t : cheapest) add(t);
    for (int t : chosen_) add(t);
}

void Tcokdyby::redraw() {
    chooseLines();
    // Everything but the break-even marks goes and is drawn afresh.
    for (int i = plot_->graphCount() - 1; i >= 0; --i)
        if (plot_->graph(i) != marks_) plot_->removeGraph(i);
    for (const BreakEvenLabel& l : labels_) {
        plot_->removeItem(l.text);
        plot_->removeItem(l.leader);
        plot_->removeItem(l.drop);
    }
    labels_.clear();
    hover_->setVisible(false);
    hoverLine_->setVisible(false);
    plot_->legend->clearItems();

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto n = static_cast<int>(sweep_.points.size());
    QVector<double> keys(n);
    for (int k = 0; k < n; ++k) keys[k] = sweep_.points[static_cast<std::size_t>(k)].percent;
    std::array<int, 4> perOperator{};
    std::vector<std::pair<QRgb, int>> perColour;
    double highest = 0;
    for (int t : lines_) {
        QCPGraph* g = plot_->addGraph();
        g->setName(shortName(t));
        if (t < kTariffCount) {
            const TariffInfo& info = kTariffs[static_cast<std::size_t>(t)];
            g->setPen(linePen(info.op, perOperator[static_cast<std::size_t>(info.op)]++));
        } else {
            const QColor colour = looks_[static_cast<std::size_t>(t - kTariffCount)].colour;
            auto it = std::find_if(perColour.begin(), perColour.end(),
                                   [&](const auto& c) { return c.first == colour.rgb(); });
            if (it == perColour.end()) it = perColour.insert(perColour.end(), {colour.rgb(), 0});
            g->setPen(dataLinePen(colour, it->second++));
        }
        QVector<double> values(n);
        for (int i = 0; i < n; ++i) {
            const SweepPoint& pt = sweep_.points[static_cast<std::size_t>(i)];
            const bool shown = contains(pt.priced, t) && !contains(pt.unsupported, t);
            values[i] = shown ? pt.price[static_cast<std::size_t>(t)] : nan;
            if (shown) highest = std::max(highest, values[i]);
        }
        g->setData(keys, values, true);
    }
    // The cheapest price over the range decides the scale; dearer stretches
    // of the lines may leave the top.
    double envelope = 0;
    for (const SweepPoint& pt : sweep_.points) {
        for (int t : tariffsOf(pt.cheapest)) {
            envelope = std::max(envelope, double(pt.price[static_cast<std::size_t>(t)]));
            break;
        }
    }
    const double upper = std::max(10.0, std::min(highest, 1.5 * envelope) * 1.05);
    plot_->xAxis->setRange(0, std::max(1, to_->value()));
    plot_->yAxis->setRange(0, upper);
    now_->setVisible(to_->value() >= 100);
    nowText_->setVisible(to_->value() >= 100);

    // The break-even points: a mark at the new cheapest price, a label with
    // the factor and the tariffs before and after.
    QVector<double> mx, my;
    QFont labelFont = plot_->font();
    labelFont.setPointSizeF(std::max(6.0, labelFont.pointSizeF() * 0.85));
    for (std::size_t i = 0; i < sweep_.breakEvens.size(); ++i) {
        const BreakEven& b = sweep_.breakEvens[i];
        const SweepPoint* pt = sweep_.at(b.at);
        const std::vector<int> after = tariffsOf(b.after);
        if (!pt || after.empty()) continue;
        const double price = pt->price[static_cast<std::size_t>(after.front())];
        mx << b.at;
        my << price;
        auto* text = new QCPItemText(plot_);
        text->setFont(labelFont);
        text->setPadding(QMargins(kLabelPadding, 1, kLabelPadding, 1));
        text->setBrush(QColor(255, 255, 255, 235));
        text->setPen(QPen(QColor(150, 150, 150)));
        text->position->setType(QCPItemPosition::ptAbsolute);
        text->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        text->setClipToAxisRect(false);
        text->setVisible(false);
        // From the label to the chart's top over the point, then down to it.
        auto* leader = new QCPItemLine(plot_);
        leader->setClipToAxisRect(false);
        leader->setPen(QPen(QColor(110, 110, 110), 1));
        leader->start->setType(QCPItemPosition::ptAbsolute);
        leader->end->setType(QCPItemPosition::ptAbsolute);
        leader->setVisible(false);
        auto* drop = new QCPItemLine(plot_);
        drop->setPen(QPen(QColor(110, 110, 110), 1, Qt::DotLine));
        drop->start->setTypeX(QCPItemPosition::ptPlotCoords);
        drop->start->setTypeY(QCPItemPosition::ptAxisRectRatio);
        drop->start->setCoords(b.at, 0);
        drop->end->setCoords(b.at, price);
        drop->setVisible(false);
        const CheapestSpan& spanBefore = sweep_.spans[i];
        const CheapestSpan& spanAfter = sweep_.spans[i + 1];
        labels_.push_back({text, leader, drop,
                           QStringLiteral("%1 %\n%2 → %3").arg(b.at).arg(shortNames(b.before), shortNames(b.after)),
                           QStringLiteral("%1 %").arg(b.at), double(b.at),
                           (spanBefore.to - spanBefore.from) + (spanAfter.to - spanAfter.from)});
    }
    marks_->setData(mx, my, true);
    breakEvenMarks_ = static_cast<int>(mx.size());
    // The labels stand above the chart, clear of the lines.
    const QFontMetrics fm(labelFont);
    labelHeight_ = 2 * fm.height() + 4;
    plot_->axisRect()->setAutoMargins(QCP::msLeft | QCP::msRight | QCP::msBottom);
    plot_->axisRect()->setMargins(QMargins(0, static_cast<int>(labelHeight_ + kFanHeight + 6), 0, 0));
    plot_->legend->setWrap(std::max(2, plot_->width() / 130));
    // The legend: the lines, then the marks.
    for (int i = 0; i < plot_->graphCount(); ++i)
        if (plot_->graph(i) != marks_) plot_->graph(i)->addToLegend();
    if (!mx.isEmpty()) marks_->addToLegend();
    plot_->replot();
}

// The labels stand in a row above the chart, in the order of their points:
// as many as the row holds with the factor, the most telling with the tariffs
// too (see labelplacement.h). Where the chart cannot name every change, the
// list beside it, which does, says so.
void Tcokdyby::placeLabels() {
    const QRect area = plot_->axisRect()->rect();
    if (area.height() <= 0) return;
    auto widthOf = [](const QCPItemText* item, const QString& text) {
        const QFontMetrics fm(item->font());
        return fm.boundingRect(0, 0, 0, 0, Qt::TextDontClip | Qt::AlignHCenter, text).width() + 2 * kLabelPadding + 2.0;
    };
    std::vector<whatif::LabelRequest> requests;
    std::vector<BreakEvenLabel*> onChart;
    for (BreakEvenLabel& l : labels_) {
        l.isFull = false;
        l.text->setVisible(false);
        l.leader->setVisible(false);
        l.drop->setVisible(false);
        const double x = plot_->xAxis->coordToPixel(l.percent);
        if (x < area.left() - 0.5 || x > area.right() + 0.5) continue;
        requests.push_back({x, widthOf(l.text, l.full), widthOf(l.text, l.brief), l.weight});
        onChart.push_back(&l);
    }
    whatif::LabelRoom room;
    room.left = 2;
    room.right = plot_->width() - 2;
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
    const int marks = static_cast<int>(labels_.size());
    const int full = breakEvenFullLabels();
    unlabelled_->setVisible(full < marks);
    if (full < marks) {
        const QString text =
            tr("Na grafu jsou tarify u %1 z %2 zlomových bodů; všechny změny uvádí seznam.").arg(full).arg(marks);
        if (unlabelled_->text() != text) unlabelled_->setText(text);
    }
}

int Tcokdyby::breakEvenLabels() const {
    return static_cast<int>(
        std::count_if(labels_.begin(), labels_.end(), [](const BreakEvenLabel& l) { return l.text->visible(); }));
}

int Tcokdyby::breakEvenFullLabels() const {
    return static_cast<int>(std::count_if(labels_.begin(), labels_.end(),
                                          [](const BreakEvenLabel& l) { return l.text->visible() && l.isFull; }));
}

std::vector<Tcokdyby::ShownLabel> Tcokdyby::shownLabels() const {
    std::vector<ShownLabel> out;
    for (const BreakEvenLabel& l : labels_) {
        if (!l.text->visible()) continue;
        const QRectF box(l.text->topLeft->pixelPosition(), l.text->bottomRight->pixelPosition());
        out.push_back({l.text->text(), box, l.leader->start->pixelPosition().x(), l.leader->end->pixelPosition().x()});
    }
    std::sort(out.begin(), out.end(), [](const ShownLabel& a, const ShownLabel& b) { return a.pointX < b.pointX; });
    return out;
}

void Tcokdyby::fillList() {
    list_->clear();
    for (const CheapestSpan& c : sweep_.spans) {
        auto* item = new QListWidgetItem(span(c.from, c.to) + QStringLiteral(": ") + longNames(c.cheapest), list_);
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
    for (const SweepPoint& pt : sweep_.points) overMonth |= pt.totalCallMinutes >= sazbar::kMonthMinutes;
    if (overMonth) {
        auto* item = new QListWidgetItem(
            tr("Od %1 % je volání víc, než má měsíc minut.")
                .arg(std::find_if(sweep_.points.begin(), sweep_.points.end(),
                                  [](const SweepPoint& p) { return p.totalCallMinutes >= sazbar::kMonthMinutes; })
                         ->percent),
            list_);
        item->setForeground(QColor(120, 120, 120));
    }
}

QStringList Tcokdyby::cheapestTexts() const {
    QStringList out;
    for (int i = 0; i < static_cast<int>(sweep_.spans.size()) && i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

void Tcokdyby::fillTariffMenu() {
    const std::pair<Operator, const char*> groups[] = {{Operator::TMobile, "T-Mobile"},
                                                       {Operator::Eurotel, "Eurotel"},
                                                       {Operator::Oskar, "Oskar"},
                                                       {Operator::FixedLine, "Český Telecom"}};
    for (const auto& [op, title] : groups) {
        QMenu* sub = tariffMenu_->addMenu(QString::fromUtf8(title));
        operatorMenus_.push_back(sub);
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
    delete dataMenu_;
    dataMenu_ = nullptr;
    if (data_.empty()) return;
    dataMenu_ = tariffMenu_->addMenu(tr("Vlastní tarify"));
    dataMenu_->setObjectName(QStringLiteral("dataTariffs"));
    dataMenu_->setToolTipsVisible(true);
    const QFontMetrics fm(dataMenu_->font());
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const int t = kTariffCount + static_cast<int>(i);
        const QString full = QString::fromStdString(data_[i].operatorName + ' ' + data_[i].name);
        QAction* a = dataMenu_->addAction(fm.elidedText(full, Qt::ElideRight, kDataMenuWidth));
        a->setToolTip(full);
        a->setCheckable(true);
        a->setChecked(std::find(chosen_.begin(), chosen_.end(), t) != chosen_.end());
        a->setData(t);
        connect(a, &QAction::toggled, this, [this, t](bool on) { chooseTariff(t, on); });
    }
}

void Tcokdyby::chooseTariff(int t, bool on) {
    const auto it = std::find(chosen_.begin(), chosen_.end(), t);
    if (on && it == chosen_.end()) chosen_.push_back(t);
    if (!on && it != chosen_.end()) chosen_.erase(it);
    redraw();
}

void Tcokdyby::hoverAt(double percent) {
    const auto& pts = sweep_.points;
    if (pts.empty() || lines_.empty()) {
        hover_->setVisible(false);
        hoverLine_->setVisible(false);
        return;
    }
    auto it = std::lower_bound(pts.begin(), pts.end(), percent,
                               [](const SweepPoint& p, double f) { return p.percent < f; });
    if (it == pts.end()) --it;
    if (it != pts.begin() && percent - std::prev(it)->percent < it->percent - percent) --it;
    const SweepPoint& pt = *it;

    std::vector<int> order = lines_;
    auto shown = [&](int t) { return contains(pt.priced, t) && !contains(pt.unsupported, t); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (shown(a) != shown(b)) return shown(a);
        return pt.price[static_cast<std::size_t>(a)] < pt.price[static_cast<std::size_t>(b)];
    });
    QStringList rows{QStringLiteral("%1 %").arg(pt.percent)};
    const QFontMetricsF fm(hover_->font());
    for (int t : order) {
        QString row = (t < kTariffCount ? longName(t) : fm.elidedText(longName(t), Qt::ElideRight, kDataHoverWidth)) +
                      QStringLiteral(": ");
        row += shown(t) ? QStringLiteral("%1 Kč").arg(pt.price[static_cast<std::size_t>(t)])
                        : tr("nepodporuje");
        if (contains(pt.cheapest, t)) row += tr("  ◄ nejlevnější");
        rows << row;
    }
    hover_->setText(rows.join(QLatin1Char('\n')));
    // Right of the line where the box fits, else left of it.
    double boxWidth = 0;
    for (const QString& r : rows) boxWidth = std::max(boxWidth, fm.horizontalAdvance(r));
    const double x = plot_->xAxis->coordToPixel(pt.percent);
    const QRect area = plot_->axisRect()->rect();
    const bool left = x + boxWidth + 16 > area.right() && x - area.left() > area.right() - x;
    hover_->setPositionAlignment((left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    hover_->position->setCoords(pt.percent, 0.55);
    hoverLine_->point1->setCoords(pt.percent, 0);
    hoverLine_->point2->setCoords(pt.percent, 1);
    hover_->setVisible(true);
    hoverLine_->setVisible(true);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

QString Tcokdyby::hoverText() const { return hover_->visible() ? hover_->text() : QString(); }

void Tcokdyby::plotMouseMove(QMouseEvent* e) {
    if (!plot_->axisRect()->rect().contains(e->pos())) {
        if (hover_->visible()) {
            hover_->setVisible(false);
            hoverLine_->setVisible(false);
            plot_->replot(QCustomPlot::rpQueuedReplot);
        }
        return;
    }
    hoverAt(plot_->xAxis->pixelToCoord(e->position().x()));
}
