// The main input window: one month of telephone use typed into 46 boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/boxes.h"
#include "core/profile.h"
#include "core/saved_inputs.h"
#include "pricing/engine.h"
#include "ui/main/boxgrid.h"
#include "ui/main/predefined.h"
#include "ui/main/profiledocument.h"
#include "ui/main/profilefile.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class PredefinedPanel;
class Tform3;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The saved inputs file, relative to the working directory.
    static constexpr const char* kSavedInputsFile = sazbar::kSavedInputsFileName;
    // What a window manager's frame may add around the window, per side.
    static constexpr int kFrameAllowance = 10;

    explicit TForm1(QWidget* parent = nullptr);

    sazbar::Profile profile() const { return m_grid->profile(); }
    sazbar::BoxTexts boxTexts() const { return m_grid->texts(); }

    // The results window gets a sizeable border on a small desktop.
    void setResultsWindow(Tform3* results);

    // Profiles as ".sazbar.json" files (ProfileDocument): everything a
    // profile file keeps, the boxes, the countries, "Volání přes internet"
    // and the results window's two check boxes.
    static constexpr int kRecentProfiles = ProfileDocument::kRecentProfiles;
    sazbar::ui::ProfileFile currentProfile() const { return m_document->current(); }
    // Both show a message box and change nothing when they fail.
    bool openProfile(const QString& path) { return m_document->open(path); }
    bool saveProfile(const QString& path) { return m_document->save(path); }
    QString profilePath() const { return m_document->path(); }
    bool isProfileModified() const { return m_document->isModified(); }
    QStringList recentProfiles() const { return m_document->recent(); }

    // The accessible name of box n (1..46).
    static QString boxName(int n) { return BoxGrid::boxName(n); }

signals:
    void resultsRequested();
    void helpRequested(bool internationalPage);
    void infoRequested();
    // "Ceníky…": the tariff files and the form for a tariff.
    void cataloguesRequested();
    // The inputs are saved (or deleted); the program should end now.
    void quitRequested();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* box(int n) const { return m_grid->box(n); }
    sazbar::ui::ProfileFile situation() const;
    void showSituation(const sazbar::ui::ProfileFile& f);

    std::int64_t callMinutes() const;
    void recalc();
    void validate(QLineEdit* edit);
    void naplnpole();
    void napln();
    void predefinedToggled(bool on);
    void Button1Click();
    void Button3Click();
    void Button4Click();
    bool smallDesktop() const;
    void fitScreen();
    void focusFirstBox();
    void resultsClosed();
    void importClicked();
    void loadInputs();
    void saveInputs() const;
    void cleanFocusedBox();

    BoxGrid* m_grid = nullptr;
    PredefinedPanel* m_predefined = nullptr;
    ProfileDocument* m_document = nullptr;
    QTabWidget* m_pages = nullptr;
    QScrollArea* m_scroll = nullptr;
    QCheckBox* m_autosave = nullptr;
    QPushButton* m_calc = nullptr;
    sazbar::RunOptions m_options;  // kept here while there is no results window
    QPointer<Tform3> m_results;
    const QObject* m_resultsFilter = nullptr;  // the results window, watched for its closing
    sazbar::ui::NetworkBandMinutes m_base = sazbar::ui::kBaseMinutes;
    bool m_exiting = false;  // the file has already been saved or deleted
    bool m_quitSent = false;
};
