#include "app/app.h"

#include <QApplication>
#include <QCheckBox>

#include "ui/breakdown/trozpis.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/catalogues/catalogue_window.h"
#include "ui/chart/tgraf.h"
#include "ui/common/windowplacement.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"
#include "ui/main/tform1.h"
#include "ui/print/tform4.h"
#include "ui/results/tform3.h"
#include "ui/whatif/tcokdyby.h"
#include "update/taktualizace.h"
#include "update/tnewversion.h"
#include "update/tstartup.h"

App::App(int splashDelayMs, sazbar::Language language, const QStringList& tariffPaths) : m_texts(language) {
    // The tariff files are read while the splash shows; the results window
    // prices them once they are in.
    m_store = std::make_unique<sazbar::ui::CatalogueStore>();
    m_store->setExtraPaths(tariffPaths);
    m_store->reload();
    // Every window is created now and lives until the end, the splash first;
    // the main window reads the saved inputs while it is being created.
    m_splash = std::make_unique<Tstartup>(nullptr, splashDelayMs);
    m_main = std::make_unique<TForm1>();
    m_results = std::make_unique<Tform3>();
    m_chart = std::make_unique<Tgraf>();
    m_whatIf = std::make_unique<Tcokdyby>();
    m_print = std::make_unique<TForm4>();
    m_help = std::make_unique<Thelp>();
    m_intlHelp = std::make_unique<Tzahr_help>();
    m_resultsHelp = std::make_unique<TForm2>();
    m_chartHelp = std::make_unique<Tgraph_help>();
    m_notice = std::make_unique<Tnewversion>();
    m_update = std::make_unique<Taktualizace>();
    m_info = std::make_unique<Tinfo>();
    m_breakdown = std::make_unique<TRozpis>();
    m_version = m_update->version();

    m_main->setResultsWindow(m_results.get());
    m_results->setEnglishHints(language == sazbar::Language::English);
    m_results->setProfileSource([main = m_main.get()] { return main->profile(); });
    m_results->setCatalogueStore(m_store.get());
    m_chart->setResultsWindow(m_results.get());
    m_print->setWindows(m_main.get(), m_results.get(), m_chart.get());
    m_print->setWhatIfWindow(m_whatIf.get());
    // "Co kdyby" prices what the main window holds with the results window's
    // two check boxes, and follows both.
    m_whatIf->setProfileSource([main = m_main.get()] { return main->profile(); });
    m_whatIf->setOptionsSource([results = m_results.get()] {
        auto checked = [results](const char* name) {
            const auto* box = results->findChild<QCheckBox*>(QString::fromLatin1(name));
            return box && box->isChecked();
        };
        return sazbar::RunOptions{checked("inkaso"), checked("CheckBox1")};
    });
    m_whatIf->watch(m_main.get());
    m_whatIf->watch(m_results.get());
    // ... and prices the tariff files beside the compiled tariffs as the results window does.
    auto whatIfTariffs = [this] {
        std::vector<sazbar::catalogue::DataTariff> tariffs;
        for (const sazbar::catalogue::DataTariff* t : m_store->priced()) tariffs.push_back(*t);
        m_whatIf->setDataTariffs(std::move(tariffs), m_store->builtinPriced());
    };
    whatIfTariffs();
    connect(m_store.get(), &sazbar::ui::CatalogueStore::changed, this, whatIfTariffs);
    m_update->setNoticeWindow(m_notice.get());
    m_splash->setMainWindow(m_main.get());
    m_splash->setUpdateWindow(m_update.get());

    connect(m_main.get(), &TForm1::resultsRequested, this, &App::showResults);
    connect(m_main.get(), &TForm1::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_main.get(), &TForm1::helpRequested, this, [this](bool international) {
        present(international ? static_cast<QWidget*>(m_intlHelp.get()) : m_help.get(), m_main.get());
    });
    connect(m_main.get(), &TForm1::infoRequested, this, [this] {
        m_info->setVersion(m_version);
        present(m_info.get(), m_main.get());
    });
    connect(m_main.get(), &TForm1::cataloguesRequested, this, [this] { showCatalogues(m_main.get()); });
    connect(m_results.get(), &Tform3::chartRequested, this, &App::showChart);
    connect(m_results.get(), &Tform3::printRequested, this, [this] { present(m_print.get(), m_results.get()); });
    connect(m_results.get(), &Tform3::helpRequested, this, [this] { present(m_resultsHelp.get(), m_results.get()); });
    connect(m_results.get(), &Tform3::whatIfRequested, this, [this] { present(m_whatIf.get(), m_results.get()); });
    connect(m_results.get(), &Tform3::cataloguesRequested, this, [this] { showCatalogues(m_results.get()); });
    // One breakdown window, opened from a result field and following every run.
    connect(m_results.get(), &Tform3::breakdownRequested, this, [this](int tariff) {
        m_breakdown->showTariff(m_results->lastProfile(), m_results->lastOptions(), m_results->lastResult(), tariff);
        present(m_breakdown.get(), m_results.get());
    });
    connect(m_results.get(), &Tform3::dataBreakdownRequested, this, [this](int row) {
        const auto& rows = m_results->dataRows();
        if (row < 0 || row >= int(rows.size())) return;
        m_breakdown->showDataTariff(m_results->lastProfile(), m_results->lastOptions(), m_results->lastResult(),
                                    *rows[std::size_t(row)].tariff, rows[std::size_t(row)].result);
        present(m_breakdown.get(), m_results.get());
    });
    connect(m_results.get(), &Tform3::priced, this, [this] {
        if (!m_breakdown->isVisible()) return;
        // A tariff of a file follows its row, found by its id; one no longer
        // priced keeps what the window shows.
        const sazbar::catalogue::DataTariff* tariff = nullptr;
        const sazbar::catalogue::DataResult* result = nullptr;
        if (const std::string id = m_breakdown->dataTariffId(); !id.empty())
            for (const Tform3::DataRow& row : m_results->dataRows())
                if (row.tariff->id == id) {
                    tariff = row.tariff;
                    result = &row.result;
                }
        m_breakdown->follow(m_results->lastProfile(), m_results->lastOptions(), m_results->lastResult(), tariff,
                            result);
    });
    connect(m_chart.get(), &Tgraf::whatIfRequested, this, [this] { present(m_whatIf.get(), m_chart.get()); });
    connect(m_chart.get(), &Tgraf::helpRequested, this, [this] { present(m_chartHelp.get(), m_chart.get()); });
}

App::~App() = default;

void App::start() { m_splash->show(); }

void App::startWithoutSplash() { m_main->show(); }

void App::present(QWidget* w, const QWidget* opener) {
    // A secondary window opens centred on the window it is opened from, and
    // wholly on that window's screen.
    if (opener && !w->isVisible()) sazbar::placeOver(w, opener);
    w->show();
    w->raise();
    w->activateWindow();
}

void App::showResults() {
    // Showing activates the window, and activation prices the profile. The
    // results window places itself.
    present(m_results.get(), nullptr);
}

void App::showCatalogues(QWidget* opener) {
    if (!m_catalogues) m_catalogues = std::make_unique<sazbar::ui::CatalogueWindow>(*m_store);
    // The tariff form prices the month the main window holds now, with the
    // results window's two check boxes.
    m_catalogues->setMonth(m_main->profile(), m_results->options());
    present(m_catalogues.get(), opener);
}

void App::showChart() {
    if (!m_chart->isVisible()) m_chart->resize(800, 515);
    present(m_chart.get(), m_results.get());
}

int runSazbar(int argc, char** argv, sazbar::Language language, const QStringList& tariffPaths) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sazbar 2000"));
    QApplication::setApplicationVersion(QStringLiteral("6.61"));
    // The main window ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    App app(4000, language, tariffPaths);
    app.start();
    return QApplication::exec();
}
