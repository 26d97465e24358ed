// The program: creates every window at start and wires them together.
#pragma once

#include <QObject>
#include <QTranslator>
#include <memory>

class TForm1;
class Tform3;

class App : public QObject {
    Q_OBJECT

public:
    // Needs a QApplication. Loads the Czech texts of Qt's own dialogs.
    App();
    ~App() override;

    // Shows the main window.
    void start();

    TForm1& mainWindow() { return *m_main; }
    Tform3& resultsWindow() { return *m_results; }

private:
    void showResults();

    QTranslator m_qtTexts;
    // All windows live until the program ends; they are only shown and hidden.
    std::unique_ptr<Tform3> m_results;
    std::unique_ptr<TForm1> m_main;
};

// QApplication, the windows, the event loop.
int runSazbar(int argc, char** argv);
