#include "ui/chart/tgraf.h"

#include <QShortcut>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <array>

#include "core/textnum.h"
#include "pricing/chart_order.h"

namespace sazbar::chart {

namespace {

QColor rgbColour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Front face: light at the top, the full colour at the foot.
QBrush frontBrush(const QColor& c, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, c.lighter(165));
    g.setColorAt(1.0, c);
    return QBrush(g);
}

const QString kAxisFont = QStringLiteral("Arial");

// The value axis groups thousands by a blank, as the value labels do.
class GroupedTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return qstr(groupThousands(std::llround(tick)));
    }
};

}  // namespace

// The plot with its layout pass reachable, so label positions can be worked
// out before anything is drawn.
class ChartPlot : public QCustomPlot {
public:
    using QCustomPlot::QCustomPlot;
    void layoutNow() { updateLayout(); }
};

// Bars drawn as boxes: a gradient front face, a lighter top and a darker side
// going back by a few pixels. One series carries all bars, each in its colour.
class Bars3D : public QCPBars {
public:
    Bars3D(QCPAxis* keys, QCPAxis* values) : QCPBars(keys, values) {}
    std::vector<QColor> colours;  // colour of the bar at key n + 1

    // How far the boxes reach back (right and up), in pixels.
    double depth() const {
        if (!mKeyAxis) return 0;
        const double perKey = std::abs(mKeyAxis->coordToPixel(1) - mKeyAxis->coordToPixel(0));
        return std::clamp(perKey * (1.0 - width()) * 0.7, 0.0, 10.0);
    }

protected:
    void draw(QCPPainter* painter) override {
        if (!mKeyAxis || !mValueAxis) return;
        painter->setAntialiasing(true);
        const double d = depth();
        for (auto it = mDataContainer->constBegin(); it != mDataContainer->constEnd(); ++it) {
            const auto n = static_cast<std::size_t>(it->key) - 1;
            const QColor c = n < colours.size() ? colours[n] : QColor(Qt::gray);
            QRectF r = getBarRect(it->key, it->value).normalized();
            const QPen edge(c.darker(220), 0.8);
            painter->setPen(edge);
            if (d > 0) {
                const QPointF back(d, -d);
                painter->setBrush(c.darker(160));
                painter->drawPolygon(QPolygonF{{r.topRight(), r.topRight() + back, r.bottomRight() + back,
                                                r.bottomRight()}});
                painter->setBrush(c.lighter(130));
                painter->drawPolygon(
                    QPolygonF{{r.topLeft(), r.topLeft() + back, r.topRight() + back, r.topRight()}});
            }
            painter->setBrush(frontBrush(c, r));
            painter->drawRect(r);
        }
    }
};

namespace {

// A legend swatch: a small bar in the operator's colour.
class Swatch : public QWidget {
public:
    Swatch(QColor c, QWidget* parent) : QWidget(parent), m_colour(c) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(m_colour.darker(220), 1));
        p.setBrush(frontBrush(m_colour, r));
        p.drawRect(r);
    }

private:
    QColor m_colour;
};

}  // namespace
}  // namespace sazbar::chart

using sazbar::chart::Mark;

Tgraf::Tgraf(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Graf"));
    // Esc closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setObjectName(QStringLiteral("graf"));

    m_plot = new sazbar::chart::ChartPlot(this);
    m_plot->setObjectName(QStringLiteral("chart"));
    m_plot->setCursor(Qt::CrossCursor);
    m_plot->setInteractions(QCP::Interactions());  // no panning, no wheel zoom
    m_plot->setSelectionRectMode(QCP::srmCustom);
    m_plot->setBackground(palette().window());
    m_plot->axisRect()->setBackground(Qt::white);  // the back wall
    m_plot->legend->setVisible(false);

    QCPAxis* x = m_plot->xAxis;
    QCPAxis* y = m_plot->yAxis;
    m_ticker.reset(new QCPAxisTickerText);
    x->setTicker(m_ticker);
    x->setTickLabelRotation(-90);  // reads upwards
    x->setSubTicks(false);
    x->setTickLength(0, 4);
    x->grid()->setVisible(false);
    y->setLabel(tr("Cena v Kč za měsíc"));
    QFont title(sazbar::chart::kAxisFont, 10);
    title.setBold(true);
    y->setLabelFont(title);
    y->setTicker(QSharedPointer<QCPAxisTicker>(new sazbar::chart::GroupedTicker));
    y->grid()->setPen(QPen(QColor(200, 200, 200), 1, Qt::DotLine));
    y->grid()->setZeroLinePen(QPen(QColor(120, 120, 120), 1));

    m_bars = new sazbar::chart::Bars3D(x, y);
    m_bars->setWidth(0.62);
    m_bars->setSelectable(QCP::stNone);

    m_plot->addLayer(QStringLiteral("marks"), m_plot->layer(QStringLiteral("axes")), QCustomPlot::limAbove);
    m_markFont = QFont(sazbar::chart::kAxisFont, 7);
    addValueLabels(sazbar::kChartRecords);

    connect(m_plot, &QCustomPlot::mousePress, this, [this](QMouseEvent*) { chartMouseDown(); });
    connect(m_plot, &QCustomPlot::mouseRelease, this, [this](QMouseEvent*) { chartMouseUp(); });
    connect(m_plot->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& r, QMouseEvent*) { dragged(r.topLeft(), r.bottomRight()); });

    static const char* const names[3] = {"T - Mobile", "Eurotel", "Oskar"};
    static const std::uint32_t colours[3] = {0x0000FF, 0x008000, 0xFF0000};
    for (int n = 0; n < 3; ++n) {
        m_labels[n] = new QLabel(QString::fromUtf8(names[n]), this);
        QFont f(sazbar::chart::kAxisFont, 8, QFont::Bold);
        f.setStretch(QFont::SemiCondensed);
        m_labels[n]->setFont(f);
        m_swatches[n] = new sazbar::chart::Swatch(sazbar::chart::rgbColour(colours[n]), this);
    }
    CheckBox1 = new QCheckBox(tr("Hodnoty v grafu"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = new QPushButton(tr("Nápověda"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("Zavřít"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool) { CheckBox1Click(); });
    Button3 = new QPushButton(tr("Co kdyby…"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button1, &QPushButton::clicked, this, &Tgraf::helpRequested);
    connect(Button3, &QPushButton::clicked, this, &Tgraf::whatIfRequested);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    m_anim.setInterval(15);
    connect(&m_anim, &QTimer::timeout, this, [this] { animationStep(); });

    // Small enough for an 800 x 600 desktop, large enough that "Nápověda"
    // stays clear of "Hodnoty v grafu" and the plot keeps some height.
    setMinimumSize(kCheckBoxLeft + CheckBox1->sizeHint().width() + 8 + kWhatIfFromRight, 320);
    resize(800, 518);
    applyResize();  // a window never shown gets no resize event before it is captured
}

Tgraf::~Tgraf() = default;

QCustomPlot* Tgraf::plot() const { return m_plot; }

// A value label and its arrow for each of `count` bars; the catalogue's
// tariffs add bars beyond the compiled ones.
void Tgraf::addValueLabels(int count) {
    while (int(m_texts.size()) < count) {
        auto* arrow = new QCPItemLine(m_plot);
        arrow->setLayer(QStringLiteral("marks"));
        arrow->setClipToAxisRect(false);
        arrow->setSelectable(false);
        arrow->setPen(QPen(Qt::black, 1));
        arrow->setTail(QCPLineEnding(QCPLineEnding::esSpikeArrow, 5, 7));
        arrow->start->setType(QCPItemPosition::ptAbsolute);
        arrow->end->setType(QCPItemPosition::ptAbsolute);
        arrow->setVisible(false);
        m_arrows.push_back(arrow);

        auto* text = new QCPItemText(m_plot);
        text->setLayer(QStringLiteral("marks"));
        text->setClipToAxisRect(false);
        text->setSelectable(false);
        text->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->position->setType(QCPItemPosition::ptAbsolute);
        text->setBrush(QColor(0xFF, 0xFF, 0xB3));
        text->setPen(QPen(Qt::black, 1));
        text->setColor(Qt::black);
        text->setPadding(QMargins(2, 1, 2, 1));
        text->setFont(m_markFont);
        text->setVisible(false);
        m_texts.push_back(text);
    }
}

void Tgraf::setResultsWindow(QWidget* results) { m_results = results; }

bool Tgraf::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) vytvor_data();
    return QWidget::event(e);
}

void Tgraf::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    applyResize();
}

void Tgraf::changeEvent(QEvent* e) {
    if (e->type() == QEvent::PaletteChange && m_plot) {
        m_plot->setBackground(palette().window());
        replot();
    }
    QWidget::changeEvent(e);
}

// The longest bar label, in characters; the compiled names are shorter.
constexpr qsizetype kMaxLabel = 30;

void Tgraf::vytvor_data() {
    // A hidden window that was resized has not had its resize event yet.
    placeControls();
    if (m_zoomed) undoZoom(false);
    m_anim.stop();

    // Records 1 to 49 from the result fields.
    std::array<sazbar::ChartInput, sazbar::kChartRecords> in{};
    const QColor unsupported = QApplication::palette().color(QPalette::ToolTipBase);
    for (int n = 0; n < sazbar::kChartRecords; ++n) {
        const auto& rec = sazbar::kChartTable[static_cast<std::size_t>(n)];
        const QLineEdit* field =
            m_results ? m_results->findChild<QLineEdit*>(sazbar::chart::qstr(rec.id)) : nullptr;
        if (!field) {  // nothing to read: nothing to draw
            in[static_cast<std::size_t>(n)].hidden = true;
            continue;
        }
        in[static_cast<std::size_t>(n)].price = sazbar::textToInt(field->text().toStdString());
        in[static_cast<std::size_t>(n)].hidden =
            field->palette().color(QPalette::Base).rgba() == unsupported.rgba();
    }
    const QCheckBox* telecom = m_results ? m_results->findChild<QCheckBox*>(QStringLiteral("CheckBox1")) : nullptr;
    if (!telecom || !telecom->isChecked()) in[sazbar::kChartRecords - 1].hidden = true;
    // The compiled tariffs left out of the pricing have no bars.
    if (const QVariant builtin = m_results ? m_results->property("builtinPriced") : QVariant();
        builtin.isValid() && !builtin.toBool())
        for (auto& record : in) record.hidden = true;

    const sazbar::ChartOrder order = sazbar::chartOrder(in);

    // The tariffs of the user's files: their fields carry what the bar shows.
    std::vector<DrawnBar> data;
    if (m_results) {
        std::vector<std::pair<int, const QLineEdit*>> fields;
        for (const QLineEdit* f : m_results->findChildren<QLineEdit*>())
            if (const QVariant row = f->property("dataTariff"); row.isValid()) fields.emplace_back(row.toInt(), f);
        std::sort(fields.begin(), fields.end());
        for (const auto& [row, f] : fields) {
            if (f->text() == QLatin1String("xx") || f->palette().color(QPalette::Base).rgba() == unsupported.rgba())
                continue;
            data.push_back({f->objectName(), f->property("chartName").toString(),
                            sazbar::textToInt(f->text().toStdString()), f->property("chartColour").value<QColor>()});
        }
        std::stable_sort(data.begin(), data.end(), [](const DrawnBar& a, const DrawnBar& b) { return a.value < b.value; });
    }

    // Both kinds in one ascending row: a data bar after the compiled bars of its price.
    std::vector<DrawnBar> bars;
    std::size_t d = 0;
    for (int n = 0; n < order.count; ++n) {
        const std::size_t r = order.records[static_cast<std::size_t>(n)];
        const auto& rec = sazbar::kChartTable[r];
        for (; d < data.size() && data[d].value < in[r].price; ++d) bars.push_back(data[d]);
        bars.push_back({sazbar::chart::qstr(rec.id), sazbar::chart::qstr(rec.name), in[r].price,
                        sazbar::chart::rgbColour(rec.rgb)});
    }
    for (; d < data.size(); ++d) bars.push_back(data[d]);

    m_barCount = 0;
    m_drawn.clear();
    QVector<double> keys, values;
    QVector<QString> names;
    m_bars->colours.clear();
    for (DrawnBar& b : bars) {
        ++m_barCount;
        keys.push_back(m_barCount);
        values.push_back(b.value);
        // A name from a file may be long: its label is cut so that the bars keep their room.
        names.push_back(b.name.size() > kMaxLabel ? b.name.left(kMaxLabel - 1) + QChar(0x2026) : b.name);
        m_bars->colours.push_back(b.colour);
        m_drawn.push_back(std::move(b));
    }
    m_bars->setData(keys, values, true);
    m_ticker->setTicks(keys, names);

    // Automatic scaling, with room above the dearest bar for its label.
    double lo = 0, hi = 0;
    for (double v : values) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (hi <= lo) hi = lo + 1;
    m_homeKeys = QCPRange(0.4, std::max(1, m_barCount) + 0.6);
    m_homeValues = QCPRange(lo, hi + (hi - lo) * 0.05);
    m_plot->xAxis->setRange(m_homeKeys);
    m_plot->yAxis->setRange(m_homeValues);

    if (CheckBox1->isChecked()) showValueLabels();
    else hideValueLabels();
}

void Tgraf::applyResize() {
    placeControls();
    if (CheckBox1->isChecked() && !m_zoomed) showValueLabels();
    else hideValueLabels();
}

// Positions and font sizes for the window's current size.
void Tgraf::placeControls() {
    const int W = width(), H = height();
    // A window too small for any chart keeps the plot out of the way rather
    // than have it paint into nothing.
    if (W <= 14 || H <= 98) m_plot->hide();
    m_plot->setGeometry(2, 16, std::max(1, W - 14), std::max(1, H - 98));
    m_plot->setViewport(m_plot->rect());
    if (W > 14 && H > 98) m_plot->show();
    const int tops[3] = {H - 59, H - 61, H - 67};
    static const int labelX[3] = {8, 136, 251}, swatchX[3] = {72, 184, 296};
    for (int n = 0; n < 3; ++n) {
        m_labels[n]->setGeometry(labelX[n], tops[0], labelX[n] == 8 ? 62 : 46, 15);
        m_swatches[n]->setGeometry(swatchX[n], tops[1], 41, 17);
    }
    CheckBox1->setGeometry(kCheckBoxLeft, tops[1], 160, 17);
    Button2->setGeometry(W - 96, tops[2], 75, 25);
    Button1->setGeometry(W - kHelpFromRight, tops[2], 75, 25);
    Button3->setGeometry(W - kWhatIfFromRight, tops[2], 82, 25);

    const QFont tick(sazbar::chart::kAxisFont, std::max(1, W / 100));
    m_plot->xAxis->setTickLabelFont(tick);
    m_plot->yAxis->setTickLabelFont(tick);
    m_markFont.setPointSize(W / 150 + 2);
    for (QCPItemText* t : m_texts) t->setFont(m_markFont);
    // Room above the plot for the dearest bars' labels, which stand out of it.
    const int markHeight = QFontMetrics(m_markFont, m_plot).height() + 2;
    m_plot->axisRect()->setMinimumMargins(QMargins(0, sazbar::chart::kArrowLength + 2 * markHeight, 2 * markHeight, 0));
}

// Every label back in its automatic place, shown, then straightened.
void Tgraf::showValueLabels() {
    m_labelsShown = true;
    layoutValueLabels();
    sazbar::chart::narovnej(m_marks, m_plot->height());
    applyMarks();
    replot();
}

void Tgraf::hideValueLabels() {
    m_labelsShown = false;
    for (std::size_t n = 0; n < m_texts.size(); ++n) {
        m_texts[n]->setVisible(false);
        m_arrows[n]->setVisible(false);
    }
    replot();
}

void Tgraf::layoutValueLabels() {
    m_plot->layoutNow();
    const QFontMetrics fm(m_markFont, m_plot);
    addValueLabels(m_barCount);
    const QMargins pad = m_texts.front()->padding();
    m_marks.clear();
    for (int n = 0; n < m_barCount; ++n) {
        const QString text = QString::fromStdString(sazbar::chart::groupThousands(m_drawn[static_cast<std::size_t>(n)].value));
        m_texts[static_cast<std::size_t>(n)]->setText(text);
        const QRect tr = fm.boundingRect(0, 0, 0, 0, Qt::TextDontClip | Qt::AlignTop | Qt::AlignHCenter, text);
        const int x = qRound(m_plot->xAxis->coordToPixel(n + 1));
        const int y = qRound(m_plot->yAxis->coordToPixel(m_drawn[static_cast<std::size_t>(n)].value));
        m_marks.push_back(sazbar::chart::automaticMark(x, y, tr.width() + pad.left() + pad.right(),
                                                      tr.height() + pad.top() + pad.bottom()));
    }
}

void Tgraf::applyMarks() {
    for (std::size_t n = 0; n < m_texts.size(); ++n) {
        const bool on = m_labelsShown && n < m_marks.size();
        m_texts[n]->setVisible(on);
        m_arrows[n]->setVisible(on);
        if (!on) continue;
        const Mark& m = m_marks[n];
        m_texts[n]->position->setCoords(m.left, m.top);
        m_arrows[n]->start->setCoords(m.arrowFromX, m.arrowFromY);
        m_arrows[n]->end->setCoords(m.arrowToX, m.arrowToY);
    }
}

void Tgraf::replot() {
    if (!m_plot->rect().isEmpty()) m_plot->replot();
}

void Tgraf::CheckBox1Click() {
    if (!CheckBox1->isChecked() || m_zoomed) hideValueLabels();
    else applyResize();  // resets the labels, shows and straightens them
}

void Tgraf::Button2Click() { close(); }

void Tgraf::chartMouseDown() {
    CheckBox1->setChecked(false);
    if (m_labelsShown) hideValueLabels();
}

void Tgraf::chartMouseUp() {
    if (!m_zoomed) CheckBox1->setEnabled(true);
}

void Tgraf::dragged(QPoint from, QPoint to) {
    constexpr int kMinimum = 16;  // smaller rectangles are taken for a slip of the hand
    if (to.x() - from.x() >= kMinimum && to.y() - from.y() >= kMinimum)
        zoomTo(QRect(from, to));
    else if (to.x() < from.x())
        undoZoom();
}

void Tgraf::zoomTo(const QRect& pixels, bool animate) {
    QCPAxis* x = m_plot->xAxis;
    QCPAxis* y = m_plot->yAxis;
    const QCPRange keys(x->pixelToCoord(pixels.left()), x->pixelToCoord(pixels.right()));
    double top = y->pixelToCoord(pixels.top());
    if (top <= 0) return;  // nothing of the bars above the base in that rectangle
    m_zoomed = true;
    CheckBox1->setChecked(false);
    hideValueLabels();
    CheckBox1->setEnabled(false);
    setRangesAnimated(keys, QCPRange(0, top), animate);
}

void Tgraf::undoZoom(bool animate) {
    if (!m_zoomed) return;
    m_zoomed = false;
    setRangesAnimated(m_homeKeys, m_homeValues, animate);
    CheckBox1->setEnabled(true);
}

void Tgraf::setRangesAnimated(const QCPRange& keys, const QCPRange& values, bool animate) {
    m_animToKeys = keys;
    m_animToValues = values;
    if (!animate) {
        m_anim.stop();
        m_plot->xAxis->setRange(keys);
        m_plot->yAxis->setRange(values);
        replot();
        return;
    }
    m_animFromKeys = m_plot->xAxis->range();
    m_animFromValues = m_plot->yAxis->range();
    m_animStep = 0;
    m_anim.start();
}

void Tgraf::animationStep() {
    constexpr int kSteps = 10;
    ++m_animStep;
    const double t = static_cast<double>(m_animStep) / kSteps;
    auto mix = [t](const QCPRange& a, const QCPRange& b) {
        return QCPRange(a.lower + (b.lower - a.lower) * t, a.upper + (b.upper - a.upper) * t);
    };
    if (m_animStep >= kSteps) {
        m_anim.stop();
        m_plot->xAxis->setRange(m_animToKeys);
        m_plot->yAxis->setRange(m_animToValues);
    } else {
        m_plot->xAxis->setRange(mix(m_animFromKeys, m_animToKeys));
        m_plot->yAxis->setRange(mix(m_animFromValues, m_animToValues));
    }
    replot();
}
