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
    int barCount() const { return barCount_; }
    const std::vector<DrawnBar>& drawnBars() const { return drawn_; }
    bool valueLabelsShown() const { return labelsShown_; }
    bool isZoomed() const { return zoomed_; }
    bool isAnimating() const { return anim_.isActive(); }
    // The value labels as laid out now, left to right (one per bar).
    std::vector<sazbar::chart::Mark> marks() const { return marks_; }
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
    void layoutValueLabels();
    void applyMarks();
    void setRangesAnimated(const QCPRange& keys, const QCPRange& values, bool animate);
    void animationStep();

    QPointer<QWidget> results_;
    sazbar::chart::ChartPlot* plot_ = nullptr;
    sazbar::chart::Bars3D* bars_ = nullptr;
    QSharedPointer<QCPAxisTickerText> ticker_;
    std::vector<QCPItemText*> texts_;
    std::vector<QCPItemLine*> arrows_;
    std::vector<sazbar::chart::Mark> marks_;
    std::vector<DrawnBar> drawn_;
    int barCount_ = 0;
    bool labelsShown_ = false;
    bool zoomed_ = false;
    QFont markFont_;

    // Ranges before zooming and the running animation.
    QCPRange homeKeys_, homeValues_;
    QCPRange animFromKeys_, animFromValues_, animToKeys_, animToValues_;
    int animStep_ = 0;
    QTimer anim_;

    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Nápověda"
    QPushButton* Button2 = nullptr;  // "Zavřít"
    QPushButton* Button3 = nullptr;  // "Co kdyby…"
    QLabel* labels_[3] = {};
    QWidget* swatches_[3] = {};
};
