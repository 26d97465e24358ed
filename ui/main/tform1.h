// The main input window: one month of telephone use typed into 46 boxes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "core/boxes.h"
#include "core/profile.h"
#include "core/saved_inputs.h"
#include "ui/main/predefined.h"
#include "ui/main/profilefile.h"
#include "pricing/engine.h"

class QAction;
class QCheckBox;
class QMenu;
class QMimeData;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class Tform3;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The saved inputs file, relative to the working directory.
    static constexpr const char* kSavedInputsFile = sazbar::kSavedInputsFileName;
    // 31 days x 24 hours x 60 minutes: more call minutes than a month has.
    static constexpr std::int64_t kMinutesLimit = 44640;
    // What a window manager's frame may add around the window, per side.
    static constexpr int kFrameAllowance = 10;

    explicit TForm1(QWidget* parent = nullptr);

    sazbar::Profile profile() const;
    sazbar::BoxTexts boxTexts() const;

    // The results window gets a sizeable border on a small desktop.
    void setResultsWindow(Tform3* results);

    // Profiles as ".sazbar.json" files. The last five opened or saved are
    // remembered in the user's settings.
    static constexpr int kRecentProfiles = 5;
    // Everything a profile file keeps: the boxes, the countries, "Volání přes
    // internet" and the results window's two check boxes.
    sazbar::ui::ProfileFile currentProfile() const;
    // Both show a message box and change nothing when they fail.
    bool openProfile(const QString& path);
    bool saveProfile(const QString& path);
    QString profilePath() const { return m_profilePath; }
    // The situation differs from the one last opened or saved.
    bool isProfileModified() const;
    QStringList recentProfiles() const;

    // The accessible name of box n (1..46).
    static QString boxName(int n);

signals:
    void resultsRequested();
    void helpRequested(bool internationalPage);
    void infoRequested();
    // The inputs are saved (or deleted); the program should end now.
    void quitRequested();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QWidget* buildDomesticPage();
    QWidget* buildInternationalPage();
    QWidget* buildPredefinedPanel();
    QLineEdit* makeBox(int n, QWidget* parent);
    QLineEdit* box(int n) const { return m_boxes[static_cast<std::size_t>(n - 1)]; }

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
    void setBoxes(const sazbar::Profile& p);
    QPushButton* buildProfileButton();
    void fillRecentMenu();
    void rememberProfile(const QString& path);
    void profileChanged();
    void updateTitle();
    void cleanFocusedBox();
    // Asks "Uložit změny?" when the situation is changed; false to stop.
    bool maybeSave();
    // The same before the program ends, when a profile file is open.
    bool mayQuit();
    void openClicked();
    bool saveClicked();
    bool saveAsClicked();
    void openWithQuestion(const QString& path);
    static QString droppedFile(const QMimeData* mime);

    std::array<QLineEdit*, sazbar::kBoxCount> m_boxes{};
    std::array<QComboBox*, sazbar::kIntlRows> m_countries{};
    std::array<QRadioButton*, 3> m_levels{};
    std::array<QCheckBox*, 4> m_networks{};
    std::array<QCheckBox*, 4> m_bands{};
    std::array<QGroupBox*, 3> m_profileGroups{};
    QTabWidget* m_pages = nullptr;
    QScrollArea* m_scroll = nullptr;
    QLineEdit* m_total = nullptr;
    QCheckBox* m_internet = nullptr;
    QCheckBox* m_autosave = nullptr;
    QCheckBox* m_predefined = nullptr;
    QPushButton* m_calc = nullptr;
    QMenu* m_recentMenu = nullptr;
    QString m_profilePath;
    QString m_profileName;
    sazbar::ui::ProfileFile m_savedProfile;
    sazbar::RunOptions m_options;  // kept here while there is no results window
    QPointer<Tform3> m_results;
    const QObject* m_resultsFilter = nullptr;  // the results window, watched for its closing
    sazbar::ui::NetworkBandMinutes m_base = sazbar::ui::kBaseMinutes;
    bool m_exiting = false;  // the file has already been saved or deleted
    bool m_quitSent = false;
};
