// The price chart window: one bar per tariff, cheapest on the left.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "qcustomplot.h"
#include "ui/chart/marks.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace sazbar::chart {
class Bars3D;
class ChartPlot;
}

class Tgraf : public QWidget {
    Q_OBJECT

public:
    explicit Tgraf(QWidget* parent = nullptr);
    ~Tgraf() override;

    // The results window whose fields the chart reads (found by object name).
    void setResultsWindow(QWidget* results);

    // Rebuilds the bars from the results window; runs on every activation.
    void vytvor_data();

    struct DrawnBar {
        QString id;
        QString name;
        qint32 value = 0;
        QColor colour;
    };
    int barCount() const { return m_barCount; }
    const std::vector<DrawnBar>& drawnBars() const { return m_drawn; }
    bool valueLabelsShown() const { return m_labelsShown; }
    bool isZoomed() const { return m_zoomed; }
    bool isAnimating() const { return m_anim.isActive(); }
    // The value labels as laid out now, left to right (one per bar).
    std::vector<sazbar::chart::Mark> marks() const { return m_marks; }
    QCustomPlot* plot() const;

    // A rectangle dragged on the chart from `from` to `to` (chart pixels):
    // top-left to bottom-right zooms in, right to left undoes the zoom.
    void dragged(QPoint from, QPoint to);
    // Zooms to the given chart pixel rectangle, animated unless `animate` is off.
    void zoomTo(const QRect& pixels, bool animate = true);
    void undoZoom(bool animate = true);

signals:
    void helpRequested();
    void whatIfRequested();

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Left edge of "Hodnoty v grafu"; "Nápověda" stands this far from the right edge.
    static constexpr int kCheckBoxLeft = 376;
    static constexpr int kHelpFromRight = 200;
    static constexpr int kWhatIfFromRight = 290;

    void CheckBox1Click();
    void Button2Click();
    void chartMouseDown();
    void chartMouseUp();
    void applyResize();
    void placeControls();
    void replot();
    void showValueLabels();
    void hideValueLabels();
    void addValueLabels(int count);
    void layoutValueLabels();
    void applyMarks();
    void setRangesAnimated(const QCPRange& keys, const QCPRange& values, bool animate);
    void animationStep();

    QPointer<QWidget> m_results;
    sazbar::chart::ChartPlot* m_plot = nullptr;
    sazbar::chart::Bars3D* m_bars = nullptr;
    QSharedPointer<QCPAxisTickerText> m_ticker;
    std::vector<QCPItemText*> m_texts;
    std::vector<QCPItemLine*> m_arrows;
    std::vector<sazbar::chart::Mark> m_marks;
    std::vector<DrawnBar> m_drawn;
    int m_barCount = 0;
    bool m_labelsShown = false;
    bool m_zoomed = false;
    QFont m_markFont;

    // Ranges before zooming and the running animation.
    QCPRange m_homeKeys, m_homeValues;
    QCPRange m_animFromKeys, m_animFromValues, m_animToKeys, m_animToValues;
    int m_animStep = 0;
    QTimer m_anim;

    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Nápověda"
    QPushButton* Button2 = nullptr;  // "Zavřít"
    QPushButton* Button3 = nullptr;  // "Co kdyby…"
    QLabel* m_labels[3] = {};
    QWidget* m_swatches[3] = {};
};
