#include "app/app.h"

#include <QApplication>
#include <QLibraryInfo>

#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

App::App() {
    // Message boxes read "Ano" / "Ne".
    if (m_qtTexts.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);

    // Every window is created now and lives until the end; the main window
    // reads the saved inputs while it is being created.
    m_results = std::make_unique<Tform3>();
    m_main = std::make_unique<TForm1>();
    m_main->setResultsWindow(m_results.get());
    m_results->setProfileSource([main = m_main.get()] { return main->profile(); });

    connect(m_main.get(), &TForm1::resultsRequested, this, &App::showResults);
    connect(m_main.get(), &TForm1::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    // Windows of the other parts of the program, connected here as they come:
    // TForm1::helpRequested(bool international)  -> general or international help window
    // TForm1::infoRequested()                    -> information window
    // Tform3::chartRequested()                   -> chart window, resized to 800 x 515, shown
    // Tform3::printRequested()                   -> print window
    // Tform3::helpRequested()                    -> results help window
}

App::~App() = default;

void App::start() { m_main->show(); }

void App::showResults() {
    // Showing activates the window, and activation prices the profile.
    m_results->show();
    m_results->raise();
    m_results->activateWindow();
}

int runSazbar(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sazbar 2000"));
    // The main window ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    App app;
    app.start();
    return QApplication::exec();
}
