// "Ceníky…": every tariff file loaded, with its tariffs (operator, revision,
// validity, source) and its problems; files are added (checked first and
// copied into the user folder), removed and edited here, and the day whose
// revisions are priced and whether the compiled tariffs are priced too are
// chosen here.
#pragma once

#include <QDialog>
#include <QStringList>

#include "core/profile.h"
#include "pricing/engine.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace sazbar::ui {

class CatalogueStore;
class TariffEditor;

class CatalogueWindow : public QDialog {
    Q_OBJECT

public:
    explicit CatalogueWindow(CatalogueStore& store, QWidget* parent = nullptr);

    // The month the tariff form prices while a tariff is typed.
    void setMonth(const Profile& profile, const RunOptions& options);

    // Checks a file with the files loaded and copies it into the user folder.
    // When it fails the checks, nothing is copied and the reasons are
    // returned; an empty list means it was added.
    QStringList addFile(const QString& path);
    // Deletes a file of the user folder (the button asks first).
    bool removeFile(const QString& path);
    // The file of the selected row, or an empty text.
    QString selectedFile() const;
    void selectFile(const QString& path);
    // Opens the tariff form for a new tariff, or for the selected file.
    TariffEditor* newTariff();
    TariffEditor* editSelected();

private:
    void rebuild();
    void showDetails();
    void addClicked();
    void removeClicked();
    void openFolder();

    CatalogueStore& m_store;
    Profile m_profile;
    RunOptions m_options;
    QDateEdit* m_validOn = nullptr;
    QCheckBox* m_leaveOutBuiltin = nullptr;
    QTreeWidget* m_files = nullptr;
    QLabel* m_details = nullptr;
    QLabel* m_status = nullptr;
    QPushButton *m_add = nullptr, *m_remove = nullptr, *m_folder = nullptr, *m_new = nullptr, *m_edit = nullptr;
};

}  // namespace sazbar::ui
