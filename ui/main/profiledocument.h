// The main window's situation as a ".sazbar.json" file: opening and saving,
// the question before unsaved changes are lost, the recent files, files
// dropped on the window and the change mark in the title.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/main/profilefile.h"

class QMenu;
class QMimeData;
class QPushButton;
class QWidget;

class ProfileDocument : public QObject {
    Q_OBJECT

public:
    // The last five opened or saved are remembered in the user's settings.
    static constexpr int kRecentProfiles = 5;

    // What the document needs of its window.
    struct Window {
        QWidget* widget;                                           // title, questions, shortcuts
        std::function<sazbar::ui::ProfileFile()> situation;        // as shown; the name is the document's
        std::function<void(const sazbar::ui::ProfileFile&)> show;  // shows an opened situation
        std::function<void()> settle;                              // cleans up the box being typed in
    };
    explicit ProfileDocument(Window window);

    // "Profil" with its menu; the menu's shortcuts work in the whole window.
    QPushButton* makeButton();
    // Files dropped on `w` (the window or one of its boxes) open as profiles.
    void acceptDrops(QWidget* w);

    // The situation with the document's name.
    sazbar::ui::ProfileFile current() const;
    // Both show a message box and change nothing when they fail.
    bool open(const QString& path);
    bool save(const QString& path);
    QString path() const { return m_path; }
    // The situation differs from the one last opened or saved.
    bool isModified() const;
    QStringList recent() const;
    // Takes the situation as shown for the unchanged one (after the start).
    void markSaved();
    // Asks "Uložit změny?" when the situation is changed; false to stop.
    bool maybeSave();
    // The same before the program ends: only a profile file is asked about.
    bool mayClose() { return m_path.isEmpty() || maybeSave(); }

public slots:
    // Something of the situation changed: the title's mark follows.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void fillRecentMenu();
    void remember(const QString& path);
    void updateTitle();
    void openClicked();
    bool saveClicked();
    bool saveAsClicked();
    void openWithQuestion(const QString& path);
    static QString droppedFile(const QMimeData* mime);

    Window m_window;
    QMenu* m_recentMenu = nullptr;
    QString m_path;
    QString m_name;
    sazbar::ui::ProfileFile m_saved;
};
