#include "ui/main/profiledocument.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QWidget>
#include <memory>

namespace {

// Where the recent profiles are kept.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sazbar"),
                                       QStringLiteral("Sazbar 2000"));
}
const QString kRecentKey = QStringLiteral("profiles/recent");

QString profileBaseName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(sazbar::ui::kProfileSuffix), Qt::CaseInsensitive))
        name.chop(qsizetype(qstrlen(sazbar::ui::kProfileSuffix)));
    return name;
}

}  // namespace

ProfileDocument::ProfileDocument(Window window) : QObject(window.widget), m_window(std::move(window)) {}

QPushButton* ProfileDocument::makeButton() {
    QWidget* w = m_window.widget;
    auto* button = new QPushButton(tr("Pro&fil"), w);
    button->setObjectName(QStringLiteral("profileButton"));
    button->setToolTip(tr("Uloží nebo otevře celé zadání jako soubor profilu"));
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("profileMenu"));
    auto* open = new QAction(tr("&Otevřít profil…"), w);
    open->setObjectName(QStringLiteral("openProfile"));
    open->setShortcut(QKeySequence::Open);
    auto* save = new QAction(tr("&Uložit profil…"), w);
    save->setObjectName(QStringLiteral("saveProfile"));
    save->setShortcut(QKeySequence::Save);
    auto* saveAs = new QAction(tr("Uložit profil &jako…"), w);
    saveAs->setObjectName(QStringLiteral("saveProfileAs"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    for (QAction* a : {open, save, saveAs}) {
        // Added to the window too, so that the shortcuts work without the menu.
        a->setShortcutContext(Qt::WindowShortcut);
        w->addAction(a);
        menu->addAction(a);
    }
    menu->addSeparator();
    m_recentMenu = menu->addMenu(tr("&Naposledy otevřené"));
    m_recentMenu->setObjectName(QStringLiteral("recentProfiles"));
    button->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, &ProfileDocument::fillRecentMenu);
    connect(open, &QAction::triggered, this, &ProfileDocument::openClicked);
    connect(save, &QAction::triggered, this, &ProfileDocument::saveClicked);
    connect(saveAs, &QAction::triggered, this, &ProfileDocument::saveAsClicked);
    fillRecentMenu();
    return button;
}

QStringList ProfileDocument::recent() const { return settings()->value(kRecentKey).toStringList(); }

void ProfileDocument::remember(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list = recent();
    list.removeAll(full);
    list.prepend(full);
    while (list.size() > kRecentProfiles) list.removeLast();
    settings()->setValue(kRecentKey, list);
    fillRecentMenu();
}

void ProfileDocument::fillRecentMenu() {
    if (!m_recentMenu) return;
    m_recentMenu->clear();
    const QStringList list = recent();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openWithQuestion(path); });
    }
    m_recentMenu->setEnabled(!list.isEmpty());
}

sazbar::ui::ProfileFile ProfileDocument::current() const {
    sazbar::ui::ProfileFile f = m_window.situation();
    f.name = m_name;
    return f;
}

bool ProfileDocument::isModified() const { return !current().samePricing(m_saved); }

void ProfileDocument::markSaved() {
    m_saved = current();
    updateTitle();
}

void ProfileDocument::changed() {
    if (!m_path.isEmpty()) m_window.widget->setWindowModified(isModified());
}

void ProfileDocument::updateTitle() {
    QWidget* w = m_window.widget;
    if (m_path.isEmpty()) {
        w->setWindowModified(false);
        w->setWindowTitle(QStringLiteral("Sazbar 2000"));
        return;
    }
    w->setWindowTitle(tr("%1[*] – Sazbar 2000").arg(QFileInfo(m_path).fileName()));
    w->setWindowModified(isModified());
}

bool ProfileDocument::open(const QString& path) {
    sazbar::ui::ProfileFile f;
    QString error;
    if (!sazbar::ui::readProfileFile(path, f, error)) {
        QMessageBox::warning(m_window.widget, tr("Otevřít profil"),
                             tr("Profil „%1“ nelze otevřít.\n\n%2\n\nZadání zůstává beze změny.")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_window.show(f);
    m_path = QFileInfo(path).absoluteFilePath();
    m_name = f.name.isEmpty() ? profileBaseName(path) : f.name;
    m_saved = current();
    remember(path);
    updateTitle();
    return true;
}

bool ProfileDocument::save(const QString& path) {
    m_window.settle();
    const QString full = QFileInfo(path).absoluteFilePath();
    sazbar::ui::ProfileFile f = current();
    // A profile saved under a new name is named after its file.
    if (full != m_path || f.name.isEmpty()) f.name = profileBaseName(path);
    QString error;
    if (!sazbar::ui::writeProfileFile(path, f, error)) {
        QMessageBox::warning(m_window.widget, tr("Uložit profil"),
                             tr("Profil „%1“ nelze uložit.\n\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_path = full;
    m_name = f.name;
    m_saved = f;
    remember(path);
    updateTitle();
    return true;
}

bool ProfileDocument::maybeSave() {
    m_window.settle();
    if (!isModified()) return true;
    const QString what = m_path.isEmpty() ? tr("Zadané hodnoty se změnily.")
                                          : tr("Profil „%1“ se změnil.").arg(QFileInfo(m_path).fileName());
    const auto answer =
        QMessageBox::question(m_window.widget, tr("Uložit změny?"), what + QLatin1Char('\n') + tr("Uložit změny?"),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Discard) return true;
    return saveClicked();
}

void ProfileDocument::openWithQuestion(const QString& path) {
    if (!maybeSave()) return;
    open(path);
}

void ProfileDocument::openClicked() {
    if (!maybeSave()) return;
    const QString start = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(m_window.widget, tr("Otevřít profil"), start,
                                     tr("Profily Sazbaru (*.sazbar.json);;Soubory JSON (*.json);;Všechny soubory (*)"));
    if (!path.isEmpty()) open(path);
}

bool ProfileDocument::saveClicked() {
    if (m_path.isEmpty()) return saveAsClicked();
    return save(m_path);
}

bool ProfileDocument::saveAsClicked() {
    const QString start =
        m_path.isEmpty() ? QDir::home().filePath(tr("profil") + QLatin1String(sazbar::ui::kProfileSuffix)) : m_path;
    QString path = QFileDialog::getSaveFileName(m_window.widget, tr("Uložit profil"), start,
                                                tr("Profily Sazbaru (*.sazbar.json)"));
    if (path.isEmpty()) return false;
    if (!path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) path += QLatin1String(sazbar::ui::kProfileSuffix);
    return save(path);
}

QString ProfileDocument::droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

void ProfileDocument::acceptDrops(QWidget* w) {
    w->setAcceptDrops(true);
    w->installEventFilter(this);
}

bool ProfileDocument::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, e);
    auto* de = static_cast<QDropEvent*>(e);
    const QString path = droppedFile(de->mimeData());
    // Anything but a file is the watched widget's own business (text dropped on a box).
    if (path.isEmpty()) return QObject::eventFilter(watched, e);
    de->acceptProposedAction();
    // Asked after the drop has ended: a modal question inside it would hold the source.
    if (type == QEvent::Drop) QMetaObject::invokeMethod(this, [this, path] { openWithQuestion(path); }, Qt::QueuedConnection);
    return true;
}
