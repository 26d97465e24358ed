// The program: creates every window at start and wires them together.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/language.h"

class TForm1;
class TForm2;
class TForm4;
class TRozpis;
class Taktualizace;
class Tcokdyby;
class Tform3;
class Tgraf;
class Tgraph_help;
class Thelp;
class Tinfo;
class Tnewversion;
class Tstartup;
class Tzahr_help;

namespace sazbar::ui {
class CatalogueStore;
class CatalogueWindow;
}

class App : public QObject {
    Q_OBJECT

public:
    // Needs a QApplication. Installs the texts of the language, its own and
    // those of Qt's dialogs, and creates every window; the splash's timer
    // starts with it. The tariff files (the user's and the system's folder and
    // `tariffPaths`, files or folders) are read in the background meanwhile.
    explicit App(int splashDelayMs = 4000, sazbar::Language language = sazbar::Language::Czech,
                 const QStringList& tariffPaths = {});
    ~App() override;

    // Shows the splash; the main window follows when its time is up.
    void start();
    // Shows the main window at once, without the splash and the update check.
    void startWithoutSplash();

    TForm1& mainWindow() { return *m_main; }
    Tform3& resultsWindow() { return *m_results; }
    Tgraf& chartWindow() { return *m_chart; }
    Tcokdyby& whatIfWindow() { return *m_whatIf; }
    TForm4& printWindow() { return *m_print; }
    Tinfo& infoWindow() { return *m_info; }
    Thelp& helpWindow() { return *m_help; }
    Tzahr_help& internationalHelpWindow() { return *m_intlHelp; }
    TForm2& resultsHelpWindow() { return *m_resultsHelp; }
    Tgraph_help& chartHelpWindow() { return *m_chartHelp; }
    Tstartup& splash() { return *m_splash; }
    Taktualizace& updateWindow() { return *m_update; }
    Tnewversion& noticeWindow() { return *m_notice; }
    TRozpis& breakdownWindow() { return *m_breakdown; }
    sazbar::ui::CatalogueStore& catalogueStore() { return *m_store; }
    // "Ceníky…", made when first asked for: null until then.
    sazbar::ui::CatalogueWindow* catalogueWindow() { return m_catalogues.get(); }

private:
    void showResults();
    void showChart();
    void showCatalogues(QWidget* opener);
    static void present(QWidget* w, const QWidget* opener);

    sazbar::Translations m_texts;
    QString m_version;
    std::unique_ptr<sazbar::ui::CatalogueStore> m_store;
    std::unique_ptr<sazbar::ui::CatalogueWindow> m_catalogues;  // made when first asked for
    // All windows live until the program ends; they are only shown and hidden.
    std::unique_ptr<Tstartup> m_splash;
    std::unique_ptr<TForm1> m_main;
    std::unique_ptr<Tform3> m_results;
    std::unique_ptr<Tgraf> m_chart;
    std::unique_ptr<Tcokdyby> m_whatIf;
    std::unique_ptr<TForm4> m_print;
    std::unique_ptr<Thelp> m_help;
    std::unique_ptr<Tzahr_help> m_intlHelp;
    std::unique_ptr<TForm2> m_resultsHelp;
    std::unique_ptr<Tgraph_help> m_chartHelp;
    std::unique_ptr<Tnewversion> m_notice;
    std::unique_ptr<Taktualizace> m_update;
    std::unique_ptr<Tinfo> m_info;
    std::unique_ptr<TRozpis> m_breakdown;
};

// QApplication, the windows, the event loop.
int runSazbar(int argc, char** argv, sazbar::Language language, const QStringList& tariffPaths = {});
