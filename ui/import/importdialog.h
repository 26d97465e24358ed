// The preview of an import: what a call log or an itemised bill will put
// into the boxes, and what it leaves out and why.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "core/profile.h"
#include "import/importer.h"
#include "import/rules.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QTimeEdit;

class ImportDialog : public QDialog {
    Q_OBJECT

public:
    // Reads the files at once; check error() before showing the dialog.
    explicit ImportDialog(const QStringList& files, QWidget* parent = nullptr);
    ~ImportDialog() override;

    // Asks for files, reads them and shows the preview. True, with the
    // profile to use, when the user chose "Použít".
    static bool ask(QWidget* parent, sazbar::Profile& profile);

    // Room left around the dialog for the window frame and title bar.
    static constexpr int kFrameAllowance = 10;

    // Empty, or why a file could not be imported.
    QString error() const { return m_error; }
    // The profile of the current settings.
    const sazbar::Profile& profile() const { return m_result.profile; }
    const sazbar::import::Summary& summary() const { return m_result.summary; }

private:
    void fitScreen();
    void read();
    void update();
    void bandsChanged();
    QWidget* buildBoxesPage();
    QWidget* buildMonthsPage();
    void fillBoxes();
    void fillAccount();
    void fillMonths();

    QStringList m_files;
    sazbar::import::Rules m_rules;
    std::unique_ptr<sazbar::import::Importer> m_importer;
    sazbar::import::ImportResult m_result;
    QString m_error;
    QString m_formats;
    std::array<int, 3> m_shownStarts{7 * 60, 16 * 60, 19 * 60};  // minutes of the day

    QLabel* m_period = nullptr;
    QComboBox* m_month = nullptr;
    QRadioButton* m_started = nullptr;
    QRadioButton* m_seconds = nullptr;
    std::array<QTimeEdit*, 3> m_bandStarts{};
    QTabWidget* m_pages = nullptr;
    QTableWidget* m_boxes = nullptr;
    QTableWidget* m_intl = nullptr;
    QLabel* m_gprs = nullptr;
    QPlainTextEdit* m_account = nullptr;
    QTableWidget* m_months = nullptr;
};
