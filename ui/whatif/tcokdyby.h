// The "Co kdyby" window: how the tariffs' prices and the cheapest tariff
// change when the month's use grows or shrinks.
#pragma once

#include <QPen>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "catalogue/tariff.h"
#include "core/profile.h"
#include "pricing/engine.h"
#include "pricing/sweep.h"

class QComboBox;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCPItemLine;
class QCustomPlot;
class QLabel;
class QListWidget;
class QMenu;
class QMouseEvent;
class QPushButton;
class QSpinBox;
class QToolButton;

class Tcokdyby : public QWidget {
    Q_OBJECT

public:
    // Lines drawn at most: the tariffs cheapest somewhere in the range first,
    // then the ones the user chose.
    static constexpr int kMaxLines = 8;

    explicit Tcokdyby(QWidget* parent = nullptr);
    ~Tcokdyby() override;

    // Where the profile and the results window's two check boxes come from.
    void setProfileSource(std::function<sazbar::Profile()> source);
    void setOptionsSource(std::function<sazbar::RunOptions()> source);
    // The window sweeps again whenever an input box, check box or choice
    // inside `w` changes (while shown; otherwise when it is shown next).
    void watch(QWidget* w);
    // The tariffs of the user's files, priced beside the compiled ones, and
    // whether the compiled ones are priced at all (when not, the window
    // neither draws nor offers them). The window keeps its own copy.
    void setDataTariffs(std::vector<sazbar::catalogue::DataTariff> tariffs, bool builtinPriced);
    const std::vector<sazbar::catalogue::DataTariff>& dataTariffs() const { return data_; }

    // Sweeps the profile and redraws everything now.
    void recalc();

    void setGroup(sazbar::SweepGroup g);
    sazbar::SweepGroup group() const;
    void setMaxFactor(int percent);
    int maxFactor() const;
    // Tariffs drawn besides the cheapest ones: indexes into kTariffs, and from
    // kTariffCount on the tariffs of setDataTariffs() in their order.
    void setChosen(const std::vector<int>& tariffs);
    const std::vector<int>& chosen() const { return chosen_; }

    // The pen of the nth line (0, 1, ...) of an operator's tariffs: a shade of
    // the operator's colour from the price chart and a dash style, no two
    // lines of the chart alike.
    static QPen linePen(sazbar::Operator op, int nth);
    // The pen of the nth line of the tariffs of a file drawn in `colour`:
    // shades of it in dash-dot and dotted styles, which the compiled
    // tariffs' lines never use.
    static QPen dataLinePen(const QColor& colour, int nth);
    // The colour of a tariff of a file: its file's, or a neutral grey.
    static QColor dataColour(const sazbar::catalogue::DataTariff& t);

    const sazbar::Sweep& sweep() const { return sweep_; }
    const std::vector<int>& lines() const { return lines_; }
    // The texts of the list "Nejlevnější tarif", one per span.
    QStringList cheapestTexts() const;
    // Break-even points marked, those of them with a label on the chart, and
    // those whose label names the tariffs too.
    int breakEvenMarks() const { return breakEvenMarks_; }
    int breakEvenLabels() const;
    int breakEvenFullLabels() const;
    // The break-even labels shown, in the order of their points: their text
    // and box in the chart's pixels, where their leader leaves the box and
    // the x of their point.
    struct ShownLabel {
        QString text;
        QRectF box;
        double leaderX = 0;
        double pointX = 0;
    };
    std::vector<ShownLabel> shownLabels() const;
    // The prices at a factor, as hovering the chart shows them ("" when none).
    void hoverAt(double percent);
    QString hoverText() const;
    QCustomPlot* plot() const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void inputsChanged();
    void redraw();
    void chooseLines();
    void placeLabels();
    void fillList();
    void fillTariffMenu();
    void fillDataMenu();
    void chooseTariff(int tariff, bool on);
    // A tariff's name in the legend and the labels (a long name from a file
    // cut short), and with its operator in the list and the hover box.
    QString shortName(int tariff) const;
    QString shortNames(const sazbar::TariffSet& set) const;
    QString longName(int tariff) const;
    QString longNames(const sazbar::TariffSet& set) const;
    void plotMouseMove(QMouseEvent* e);

    std::function<sazbar::Profile()> profileSource_;
    std::function<sazbar::RunOptions()> optionsSource_;
    sazbar::RunOptions options_;
    sazbar::Sweep sweep_;
    std::vector<int> chosen_;
    std::vector<sazbar::catalogue::DataTariff> data_;
    struct DataLook {
        QString name;  // cut to kDataNameWidth
        QColor colour;
    };
    std::vector<DataLook> looks_;  // for the tariffs of files in sweep_
    bool builtin_ = true;
    std::vector<int> lines_;
    bool stale_ = true;
    bool centred_ = false;
    QTimer rerun_;

    struct BreakEvenLabel {
        QCPItemText* text = nullptr;
        QCPItemLine* leader = nullptr;  // from the label to the chart's top
        QCPItemLine* drop = nullptr;    // from there down to the point
        QString full;   // the factor and the tariffs before and after
        QString brief;  // the factor alone
        double percent = 0;
        std::int32_t weight = 0;  // how long the tariffs either side stay cheapest
        bool isFull = false;
    };
    std::vector<BreakEvenLabel> labels_;
    int breakEvenMarks_ = 0;
    double labelHeight_ = 0;

    QCustomPlot* plot_ = nullptr;
    QCPGraph* marks_ = nullptr;           // the break-even points
    QCPItemStraightLine* now_ = nullptr;  // 100 %
    QCPItemText* nowText_ = nullptr;
    QCPItemStraightLine* hoverLine_ = nullptr;
    QCPItemText* hover_ = nullptr;
    QComboBox* what_ = nullptr;
    QSpinBox* to_ = nullptr;
    QToolButton* tariffs_ = nullptr;
    QMenu* tariffMenu_ = nullptr;
    std::vector<QMenu*> operatorMenus_;
    QMenu* dataMenu_ = nullptr;  // "Vlastní tarify", while there are any
    QListWidget* list_ = nullptr;
    QLabel* unlabelled_ = nullptr;  // says when the chart cannot name every change
    QLabel* note_ = nullptr;
    QPushButton* Button1 = nullptr;  // "Zavřít"
};
