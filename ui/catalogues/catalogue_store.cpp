#include "ui/catalogues/catalogue_store.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QSet>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <memory>

namespace sazbar::ui {

namespace {

const QString kBuiltinKey = QStringLiteral("catalogues/builtinPriced");

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sazbar"),
                                       QStringLiteral("Sazbar 2000"));
}

struct Wanted {
    QString path;
    bool system = false;
    bool fromCommandLine = false;
};

// Every *.json of a folder, by name; a path that is no folder stands for itself
// (the reader reports a file that is missing).
void addPath(const QString& path, bool system, bool fromCommandLine, bool mustExist, std::vector<Wanted>& out,
             QSet<QString>& seen) {
    auto add = [&](const QFileInfo& info) {
        const QString canonical = info.canonicalFilePath();
        const QString key = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (seen.contains(key)) return;
        seen.insert(key);
        out.push_back({info.filePath(), system, fromCommandLine});
    };
    const QFileInfo info(path);
    if (info.isDir()) {
        const QDir dir(path);
        const QFileInfoList entries = dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable,
                                                        QDir::Name);
        for (const QFileInfo& e : entries) add(e);
    } else if (!mustExist || info.exists()) {
        add(info);
    }
}

std::vector<CatalogueStore::File> load(const QString& user, const QString& system, const QStringList& extra,
                                       bool builtinPriced) {
    std::vector<Wanted> wanted;
    QSet<QString> seen;
    if (!user.isEmpty()) addPath(user, false, false, true, wanted, seen);
    if (!system.isEmpty()) addPath(system, true, false, true, wanted, seen);
    for (const QString& p : extra) addPath(p, false, true, false, wanted, seen);

    std::vector<std::string> paths;
    for (const Wanted& w : wanted) paths.push_back(w.path.toStdString());
    catalogue::Catalogue c = catalogue::loadTariffFiles(paths, catalogue::ReadOptions{builtinPriced});

    std::vector<CatalogueStore::File> files;
    files.reserve(wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        CatalogueStore::File f;
        f.path = wanted[i].path;
        f.system = wanted[i].system;
        f.fromCommandLine = wanted[i].fromCommandLine;
        for (catalogue::DataTariff& t : c.tariffs)
            if (t.file == paths[i]) f.tariffs.push_back(std::move(t));
        for (catalogue::Problem& p : c.problems)
            if (p.file == paths[i]) f.problems.push_back(std::move(p));
        files.push_back(std::move(f));
    }
    return files;
}

}  // namespace

bool CatalogueStore::File::hasErrors() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const catalogue::Problem& p) { return p.severity == catalogue::Severity::Error; });
}

CatalogueStore::CatalogueStore(QObject* parent)
    : QObject(parent), m_userFolder(userFolder()), m_systemFolder(systemFolder()),
      m_validOn(QDate::currentDate()) {
    m_builtinPriced = settings()->value(kBuiltinKey, true).toBool();
}

CatalogueStore::~CatalogueStore() = default;

QString CatalogueStore::userFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG path is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/sazbar/tariffs");
}

QString CatalogueStore::systemFolder() { return QStringLiteral("/usr/share/sazbar/tariffs"); }

void CatalogueStore::setFolders(const QString& user, const QString& system) {
    m_userFolder = user;
    m_systemFolder = system;
}

void CatalogueStore::setExtraPaths(const QStringList& paths) { m_extraPaths = paths; }

void CatalogueStore::reload() {
    const unsigned generation = ++m_generation;
    ++m_pending;
    auto* watcher = new QFutureWatcher<std::vector<File>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        --m_pending;
        // Only the newest reload counts.
        if (generation != m_generation) return;
        m_files = watcher->result();
        m_loaded = true;
        emit changed();
    });
    watcher->setFuture(QtConcurrent::run(load, m_userFolder, m_systemFolder, m_extraPaths, m_builtinPriced));
}

catalogue::Day CatalogueStore::dayOf(QDate date) {
    static const QDate epoch(1970, 1, 1);
    return static_cast<catalogue::Day>(epoch.daysTo(date));
}

std::vector<const catalogue::DataTariff*> CatalogueStore::priced() const {
    std::vector<const catalogue::DataTariff*> out;
    const catalogue::Day day = dayOf(m_validOn);
    for (const File& f : m_files) {
        if (f.hasErrors()) continue;
        for (const catalogue::DataTariff& t : f.tariffs)
            if (t.validOn(day)) out.push_back(&t);
    }
    return out;
}

int CatalogueStore::notValidCount() const {
    int n = 0;
    const catalogue::Day day = dayOf(m_validOn);
    for (const File& f : m_files) {
        if (f.hasErrors()) continue;
        for (const catalogue::DataTariff& t : f.tariffs) n += t.validOn(day) ? 0 : 1;
    }
    return n;
}

void CatalogueStore::setValidOn(QDate day) {
    if (!day.isValid() || day == m_validOn) return;
    m_validOn = day;
    emit changed();
}

void CatalogueStore::setBuiltinPriced(bool priced) {
    if (priced == m_builtinPriced) return;
    m_builtinPriced = priced;
    settings()->setValue(kBuiltinKey, priced);
    reload();
}

}  // namespace sazbar::ui
