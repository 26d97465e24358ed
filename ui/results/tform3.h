// The results window: the monthly price of every tariff, the cheapest in red,
// tariffs that cannot serve the profile on a pale background.
#pragma once

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>
#include <vector>

#include "catalogue/data_pricing.h"
#include "core/profile.h"
#include "pricing/engine.h"

class QCheckBox;
class QGroupBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QLabel;

namespace sazbar::ui {
class CatalogueStore;
}

class Tform3 : public QDialog {
    Q_OBJECT

public:
    // The largest client area; the window fits an 800 x 600 desktop.
    static constexpr int kClientWidth = 760;
    static constexpr int kClientHeight = 474;
    static constexpr QRgb kCheapestColour = 0xFFFF0000;
    // Room beside the digits of a result field.
    static constexpr int kFieldPadding = 8;
    // What a window manager's frame may add around the window, per side.
    static constexpr int kFrameAllowance = 10;

    explicit Tform3(QWidget* parent = nullptr);

    // Where each run takes its profile from (the main window's boxes).
    void setProfileSource(std::function<sazbar::Profile()> source);
    // The tariff files priced beside the compiled tariffs; every change of
    // them prices the open window again.
    void setCatalogueStore(sazbar::ui::CatalogueStore* store);

    // A tariff of a file, as the last run priced it.
    struct DataRow {
        const sazbar::catalogue::DataTariff* tariff = nullptr;
        sazbar::catalogue::DataResult result;
        QLineEdit* field = nullptr;
    };
    const std::vector<DataRow>& dataRows() const { return m_data; }
    // The compiled tariffs take part (they do unless the catalogue switch leaves them out).
    bool builtinPriced() const;
    // A data tariff's operator and name, as its row shows them.
    static QString dataTariffName(const sazbar::catalogue::DataTariff& t);

    // The result field of a tariff (`t30`, `gold`, `telecom`, ...), or nullptr.
    QLineEdit* field(const QString& id) const;
    const sazbar::RunResult& lastResult() const { return m_result; }
    // The profile and the check boxes of the last run.
    const sazbar::Profile& lastProfile() const { return m_profile; }
    sazbar::RunOptions lastOptions() const;

    // The English interface shows the hints in English; the fields' "hint"
    // property keeps the engine's Czech text either way.
    void setEnglishHints(bool english);

    // Fixed size on a normal desktop; a sizeable border on a small one.
    void setSizeable(bool sizeable);
    bool isSizeable() const { return m_sizeable; }

    // The two check boxes, "Platba inkasem" and "Vypočítat Český Telecom".
    sazbar::RunOptions options() const;
    void setOptions(const sazbar::RunOptions& options);

    // The background of a field whose tariff cannot serve the profile; the
    // others are transparent on the window.
    static QColor unsupportedColour();
    // The cheapest mark's colour on a background: red, lighter on a dark one.
    static QColor cheapestColour(const QColor& background);
    // Contrast ratio of two colours, 1 to 21.
    static double contrast(const QColor& a, const QColor& b);

signals:
    void chartRequested();
    void whatIfRequested();
    // "Ceníky…": the tariff files and the form for a tariff.
    void cataloguesRequested();
    void printRequested();
    void helpRequested();
    // One of the two check boxes changed.
    void optionsChanged();
    // A result field was double-clicked, or Enter or its context menu's
    // "Rozpis ceny…" chosen on it: the breakdown of that tariff (index into kTariffs).
    void breakdownRequested(int tariff);
    // The same for the tariff of a file (index into dataRows()).
    void dataBreakdownRequested(int row);
    // A run has written new results.
    void priced();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct FieldState {
        bool cheapest = false;
        bool unsupported = false;
        bool styled = false;
        bool off = false;  // a compiled tariff while the compiled tariffs are left out
    };

    QGroupBox* buildGroup(const QString& title, const QString& objectName,
                          const std::vector<std::pair<const char*, const char*>>& rows,
                          const QString& secondColumn);
    QLineEdit* makeField(std::string_view id, QWidget* parent);

    void FormActivate();
    void inkasoClick();
    void CheckBox1Click(bool checked);
    void runPricing();
    void showResult();
    void rebuildDataRows();
    void showDataRow(DataRow& row);
    void styleField(QLineEdit* f, FieldState& st, bool cheapest, bool unsupported, bool off);
    void fitText(QLineEdit* f);
    QString describe(const sazbar::TariffResult& r) const;
    QString shownHint(const std::string& hint) const;

    std::function<sazbar::Profile()> m_source;
    sazbar::RunResult m_result;
    sazbar::Profile m_profile;
    std::array<QLineEdit*, sazbar::kTariffCount> m_fields{};
    std::array<FieldState, sazbar::kTariffCount> m_state{};
    QHash<QString, int> m_index;
    sazbar::ui::CatalogueStore* m_store = nullptr;
    std::vector<DataRow> m_data;
    std::vector<FieldState> m_dataState;
    QGroupBox* m_dataGroup = nullptr;
    QWidget* m_dataRows = nullptr;  // the group's scrolled content
    QScrollArea* m_scroll = nullptr;
    QGroupBox* m_telecomGroup = nullptr;
    QCheckBox* m_inkaso = nullptr;
    QCheckBox* m_fixedLine = nullptr;
    bool m_sizeable = false;
    bool m_centred = false;
    bool m_englishHints = false;
};
