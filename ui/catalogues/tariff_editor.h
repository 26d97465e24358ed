// A form for one tariff of the common shape: name, operator, monthly fee,
// included minutes, rates by network and band, messages, data, calls abroad by
// zone, validity and source. The form builds the tariff file as typed and has
// the catalogue reader check it: the field with a problem is marked and the
// reason shown beside it, the price of the current month follows every key
// stroke, and "Uložit" writes the file (atomically) only when it is valid.
// A file that holds more than the form shows opens read-only.
#pragma once

#include <QDialog>
#include <QMap>
#include <array>
#include <string>
#include <vector>

#include "catalogue/data_pricing.h"
#include "catalogue/reader.h"
#include "core/profile.h"
#include "pricing/engine.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TRozpis;

namespace sazbar::ui {

class TariffEditor : public QDialog {
    Q_OBJECT

public:
    // A new tariff, priced against `profile` with `options`; saved into `userFolder`.
    TariffEditor(const Profile& profile, const RunOptions& options, const QString& userFolder, bool builtinPriced,
                 QWidget* parent = nullptr);

    // Shows the first tariff of a file. Read-only when the file holds what
    // the form cannot show, cannot be read as a whole, or lies outside the
    // user folder; readOnlyReason() says why.
    void openFile(const QString& path);

    bool isReadOnly() const { return m_readOnly; }
    QString readOnlyReason() const;
    // Where "Uložit" writes: the opened file, or a new file in the user folder.
    QString targetPath() const;
    // The tariff file as the form builds it.
    std::string fileText() const;
    // What the reader found in it.
    const catalogue::Catalogue& checked() const { return m_checked; }
    // Every marked field: its object name (the JSON path within the tariff) and the reason shown.
    QMap<QString, QString> markedFields() const;
    // The live price of the current month, or -1 while the tariff has errors.
    std::int64_t livePrice() const { return m_live.priced ? m_live.price : -1; }

    // Writes the file; false (with a message box) when it cannot.
    bool save();

signals:
    void saved(const QString& path);

private:
    struct Field {
        QWidget* widget = nullptr;
        QLabel* reason = nullptr;
    };
    // A rate per time band: one edit for all bands, or one per band.
    struct BandRow {
        QCheckBox* perBand = nullptr;
        std::vector<QLineEdit*> edits;
        QLabel* reason = nullptr;
    };

    QWidget* identityPage();
    QWidget* allowancePage();
    QWidget* ratesPage();
    QWidget* abroadPage();
    QLineEdit* lineEdit(const QString& path, const QString& accessibleName);
    QLabel* reasonLabel();
    BandRow bandRow(const QString& path, const QString& name, const QStringList& bands, const QString& perBandText);

    void recheck();
    void mark(const catalogue::Problem& p, QStringList& general);
    void clearMarks();
    void showBreakdown();
    void followName(const QString& name);
    void setReadOnly(const QString& reason);
    void fromJson(const std::string& tariffJson);
    std::string tariffJson() const;  // the tariff object alone

    Profile m_profile;
    RunOptions m_options;
    QString m_userFolder;
    bool m_builtinPriced = true;
    QString m_path;  // the opened file; empty for a new tariff
    bool m_readOnly = false;
    bool m_idTouched = false;
    std::string m_allowanceId = "minutes";
    catalogue::Catalogue m_checked;
    catalogue::DataResult m_live;
    TRozpis* m_rozpis = nullptr;  // "Rozpis ceny" of the tariff typed, made when first asked for
    RunResult m_run;              // the compiled tariffs' run of the month, for the comparison

    QLabel* m_note = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit *m_name = nullptr, *m_operator = nullptr, *m_id = nullptr;
    QSpinBox* m_revision = nullptr;
    QLineEdit *m_validFrom = nullptr, *m_validTo = nullptr, *m_fee = nullptr, *m_color = nullptr;
    QLineEdit *m_sourceTitle = nullptr, *m_sourceUrl = nullptr, *m_sourceDocument = nullptr, *m_sourceRetrieved = nullptr;
    QLineEdit* m_minutes = nullptr;
    QGroupBox* m_coversBox = nullptr;
    std::vector<QCheckBox*> m_covers;
    QGroupBox* m_bandsBox = nullptr;
    std::array<QCheckBox*, kBands> m_bands{};
    QComboBox* m_consume = nullptr;
    std::vector<BandRow> m_callRows;  // fixed, tmobile, eurotel, oskar, voicemail, data, wap
    BandRow m_sms;
    QLineEdit *m_mms = nullptr, *m_gprsWap = nullptr, *m_gprsInternet = nullptr;
    QComboBox* m_scheme = nullptr;
    std::vector<BandRow> m_zones;
    QLabel* m_price = nullptr;
    QPushButton* m_breakdown = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_save = nullptr;

    QMap<QString, Field> m_fields;        // by the JSON path within the tariff
    QMap<QString, QString> m_marked;      // object name -> reason
    mutable QMap<QString, QWidget*> m_emitted;  // JSON paths of the last build -> field
    bool m_loading = false;
};

}  // namespace sazbar::ui
