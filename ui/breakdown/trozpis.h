// The price breakdown window: the items of one tariff's price, the choices
// the engine made for it, and side by side another tariff (the cheapest by
// default) with the difference per kind of item. One window, reused; it
// follows the results window's runs.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "catalogue/data_pricing.h"
#include "core/profile.h"
#include "pricing/breakdown.h"
#include "pricing/engine.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTreeWidget;

class TRozpis : public QDialog {
    Q_OBJECT

public:
    // tariff() of a tariff read from a file.
    static constexpr int kDataTariff = sazbar::kTariffCount;

    explicit TRozpis(QWidget* parent = nullptr);
    ~TRozpis() override;

    // Opens the breakdown of `tariff` (index into kTariffs) for a run of the
    // results window, compared with the run's cheapest tariff.
    void showTariff(const sazbar::Profile& profile, const sazbar::RunOptions& options, const sazbar::RunResult& run,
                    int tariff);
    // The same for a tariff read from a file, priced in that run as `result`.
    void showDataTariff(const sazbar::Profile& profile, const sazbar::RunOptions& options,
                        const sazbar::RunResult& run, const sazbar::catalogue::DataTariff& tariff,
                        const sazbar::catalogue::DataResult& result);
    // The results window ran again: the same tariffs with the new items; a
    // comparison with the cheapest follows the new cheapest. A tariff of a
    // file comes with its new result.
    void follow(const sazbar::Profile& profile, const sazbar::RunOptions& options, const sazbar::RunResult& run,
                const sazbar::catalogue::DataTariff* tariff = nullptr,
                const sazbar::catalogue::DataResult* result = nullptr);
    // The id of the tariff of a file shown, or empty.
    std::string dataTariffId() const { return m_data ? m_data->id : std::string(); }
    // The tariff shown beside, or -1 for none.
    void setCompared(int tariff);

    int tariff() const { return m_tariff; }
    int compared() const { return m_compared; }
    const sazbar::Breakdown& breakdown() const { return m_bd[0]; }
    const sazbar::Breakdown& comparedBreakdown() const { return m_bd[1]; }

    // The items (and the compared tariff's) as tab-separated text, what
    // "Kopírovat" and Ctrl+C on the items copy.
    QString tableText() const;
    // What Ctrl+C copies: the selected text of a label that has the focus,
    // else the page of the current tab (items, differences or choices).
    QString focusedText() const;
    // The breakdown as a printable page.
    QString pageHtml() const;
    void printOn(QPrinter& printer) const;
    bool savePdf(const QString& path) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void rebuild();
    void fillItems();
    void fillDifferences();
    void fillChoices();
    void copy() const;
    void copyFocused() const;
    void syncRows();
    void scheduleRowSync();
    QString sideHead(int side) const;
    QString unsupportedLines(int tariff) const;
    QString unsupportedSentence(int tariff) const;
    QString differencesText() const;
    QString choicesText() const;
    void print();
    void savePdfAs();
    void compareChanged(int index);
    static int cheapestOf(const sazbar::RunResult& run);
    // "T 30 (T-Mobile)", and the name alone.
    QString fullName(int tariff) const;
    QString shortName(int tariff) const;

    sazbar::Profile m_profile;
    sazbar::RunOptions m_options;
    int m_tariff = -1;
    int m_compared = -1;
    bool m_compareCheapest = true;  // the comparison follows the cheapest tariff
    int m_cheapest = -1;
    std::array<sazbar::Breakdown, 2> m_bd;
    std::array<sazbar::ShownAmounts, 2> m_shown;
    sazbar::RunResult m_run;  // the results window's run: its unsupported marks and hints
    std::optional<sazbar::catalogue::DataTariff> m_data;  // shown as kDataTariff
    sazbar::catalogue::DataResult m_dataResult;

    QLabel* m_title = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_warning = nullptr;  // the tariff cannot carry the month
    QLabel* m_note = nullptr;     // what the mark of a rounded amount means
    std::array<QWidget*, 2> m_sides{};
    QComboBox* m_compare = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<QTableWidget*, 2> m_items{};
    std::array<QLabel*, 2> m_heads{};
    QTableWidget* m_diff = nullptr;
    QTreeWidget* m_choices = nullptr;
    bool m_filling = false;
    bool m_syncPending = false;
};
