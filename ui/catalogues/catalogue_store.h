// The tariff files the windows price beside the compiled tariffs: read from
// the user's folder, the system folder and the paths given on the command
// line, off the UI thread, with each file's problems kept for showing.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

#include "catalogue/reader.h"
#include "catalogue/tariff.h"

namespace sazbar::ui {

class CatalogueStore : public QObject {
    Q_OBJECT

public:
    struct File {
        QString path;
        bool system = false;           // from the system folder
        bool fromCommandLine = false;  // named by --tariffs
        std::vector<catalogue::DataTariff> tariffs;  // empty when the file has an error
        std::vector<catalogue::Problem> problems;

        bool hasErrors() const;
    };

    explicit CatalogueStore(QObject* parent = nullptr);
    ~CatalogueStore() override;

    // $XDG_DATA_HOME/sazbar/tariffs, by default ~/.local/share/sazbar/tariffs.
    static QString userFolder();
    // Where an administrator or a distribution puts catalogues.
    static QString systemFolder();
    // Other folders in place of the two above (an empty text: none).
    void setFolders(const QString& user, const QString& system);
    QString folder() const { return m_userFolder; }

    // Files or folders of *.json named on the command line.
    void setExtraPaths(const QStringList& paths);
    QStringList extraPaths() const { return m_extraPaths; }

    // Reads every file again in the background; changed() follows when done.
    // A reload asked for while one runs supersedes it.
    void reload();
    bool isLoading() const { return m_pending > 0; }
    // Has any reload finished yet.
    bool isLoaded() const { return m_loaded; }

    const std::vector<File>& files() const { return m_files; }
    // The tariffs of the files without errors that are valid on validOn(), in
    // the files' order.
    std::vector<const catalogue::DataTariff*> priced() const;
    // Tariffs of files without errors that are not valid on validOn().
    int notValidCount() const;

    QDate validOn() const { return m_validOn; }
    void setValidOn(QDate day);

    // The compiled tariffs are priced too; remembered between runs. Switching
    // it reads the files again, since a data tariff may take a compiled
    // tariff's id only while the compiled ones are left out.
    bool builtinPriced() const { return m_builtinPriced; }
    void setBuiltinPriced(bool priced);

    // The day of a date, as the catalogue reader counts days.
    static catalogue::Day dayOf(QDate date);

signals:
    void changed();

private:
    struct Source {
        QString path;
        bool system = false;
        bool fromCommandLine = false;
    };
    std::vector<Source> sources() const;

    QString m_userFolder;
    QString m_systemFolder;
    QStringList m_extraPaths;
    std::vector<File> m_files;
    QDate m_validOn;
    bool m_builtinPriced = true;
    bool m_loaded = false;
    int m_pending = 0;
    unsigned m_generation = 0;
};

}  // namespace sazbar::ui
